#include "app/update/UpdateWindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <limits>

#include "app/window/ProgramInfo.h"
#include "platform/ProgramDirectory.h"
#include "qt/BrowserView.h"
#include "qt/QtInternet.h"

namespace tessaly {

namespace {

const QColor kMoneyGreen(0xC0, 0xDC, 0xC0);
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kBlinkRed(0xFF, 0x00, 0x00);

QString Text(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

// "Новости сайта...": the page the update information names, shown before
// the download; OK goes on with it.
bool RunInfoWindow(QWidget* parent, const std::string& url, const TInfoCaption& captions, bool& checkForUpdate) {
  QDialog window(parent);
  window.setObjectName(QStringLiteral("InfoWindow"));
  window.setWindowTitle(QStringLiteral("Новости сайта..."));
  auto* layout = new QVBoxLayout(&window);
  auto* browser = new TBrowserView(&window);
  browser->setObjectName(QStringLiteral("WebBrowser"));
  browser->setMinimumSize(480, 320);
  layout->addWidget(browser, 1);
  auto* check = new QCheckBox(Text(captions.CheckBox), &window);
  check->setObjectName(QStringLiteral("CheckBox"));
  check->setChecked(checkForUpdate);
  layout->addWidget(check);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto* ok = new QPushButton(Text(captions.OK), &window);
  ok->setObjectName(QStringLiteral("btn_OK"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(Text(captions.Cancel), &window);
  cancel->setObjectName(QStringLiteral("btn_Cancel"));
  QObject::connect(ok, &QPushButton::clicked, &window, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, &window, &QDialog::reject);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  browser->Navigate(url);
  const bool accepted = window.exec() == QDialog::Accepted;
  checkForUpdate = check->isChecked();
  return accepted;
}

}  // namespace

Tform_MainWindow::Tform_MainWindow(Dialogs& dialogs, TShell& shell, const std::string& version, QWidget* parent)
    : QDialog(parent), internet_(std::make_unique<QtInternet>()) {
  setObjectName(QStringLiteral("form_MainWindow"));
  setWindowTitle(QStringLiteral("Проверка и загрузка обновлений программы"));
  // A dialog border without border icons.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setAutoFillBackground(true);
  QPalette background = palette();
  background.setColor(QPalette::Window, kMoneyGreen);
  setPalette(background);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 10, 12, 10);
  UpdateLabel = NamedLabel("UpdateLabel", QString(), this);
  layout->addWidget(UpdateLabel);

  SertificatPanel = new QFrame(this);
  SertificatPanel->setObjectName(QStringLiteral("SertificatPanel"));
  SertificatPanel->setFrameShape(QFrame::NoFrame);
  auto* grid = new QGridLayout(SertificatPanel);
  grid->setContentsMargins(10, 8, 10, 8);
  grid->addWidget(NamedLabel("Label3", QStringLiteral("Ваша версия"), SertificatPanel), 0, 0);
  grid->addWidget(NamedLabel("Label4", QStringLiteral("Версия на сайте"), SertificatPanel), 1, 0);
  lbl_YourVersion = NamedLabel("lbl_YourVersion", QString(), SertificatPanel);
  lbl_WebVersion = NamedLabel("lbl_WebVersion", QString(), SertificatPanel);
  grid->addWidget(lbl_YourVersion, 0, 1);
  grid->addWidget(lbl_WebVersion, 1, 1);
  InfoLabel = NamedLabel("InfoLabel", QString(), SertificatPanel);
  InfoLabel->setAlignment(Qt::AlignCenter);
  QFont bold = InfoLabel->font();
  bold.setBold(true);
  InfoLabel->setFont(bold);
  SetInfoColor(kNavy);
  grid->addWidget(InfoLabel, 2, 0, 1, 2);
  ProgressBar = new QProgressBar(SertificatPanel);
  ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
  ProgressBar->setRange(0, 100);
  ProgressBar->setValue(0);
  grid->addWidget(ProgressBar, 3, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  layout->addWidget(SertificatPanel, 1);

  auto* buttons = new QHBoxLayout;
  btn_Update = new QPushButton(QStringLiteral("Проверить"), this);
  btn_Update->setObjectName(QStringLiteral("btn_Update"));
  btn_Exit = new QPushButton(QStringLiteral("Закрыть"), this);
  btn_Exit->setObjectName(QStringLiteral("btn_Exit"));
  buttons->addStretch(1);
  buttons->addWidget(btn_Update);
  buttons->addWidget(btn_Exit);
  layout->addLayout(buttons);

  blinkTimer_ = new QTimer(this);
  blinkTimer_->setInterval(BlinkIntervalMs);
  connect(blinkTimer_, &QTimer::timeout, this, [this] {
    blinkRed_ = !blinkRed_;
    SetInfoColor(blinkRed_ ? kBlinkRed : kNavy);
  });

  flow_ = std::make_unique<TUpdateFlow>(*internet_, shell, dialogs, static_cast<TUpdateView&>(*this),
                                        SettingsFileName(), ProgramDirectory(),
                                        version);
  flow_->SetUpdateUrl(UpdatePageAddress);
  connect(btn_Update, &QPushButton::clicked, this, [this] { flow_->CheckClick(); });
  connect(btn_Exit, &QPushButton::clicked, this, &QDialog::accept);
  resize(440, 250);
}

Tform_MainWindow::~Tform_MainWindow() = default;

void Tform_MainWindow::done(int result) {
  flow_->Close();
  SetBlinking(false);
  QDialog::done(result);
}

void Tform_MainWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  flow_->Activate();
}

void Tform_MainWindow::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  if (!SertificatPanel->isVisible()) return;
  // The panel is frameless; its sunken border is the form's.
  QPainter painter(this);
  const QRect box = SertificatPanel->geometry().adjusted(-1, -1, 0, 0);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawLine(box.topLeft(), box.topRight());
  painter.drawLine(box.topLeft(), box.bottomLeft());
  painter.setPen(palette().color(QPalette::Light));
  painter.drawLine(box.bottomLeft(), box.bottomRight());
  painter.drawLine(box.topRight(), box.bottomRight());
}

void Tform_MainWindow::SetInfoText(const std::string& text) { InfoLabel->setText(Text(text)); }
void Tform_MainWindow::SetInfoVisible(bool visible) { InfoLabel->setVisible(visible); }

void Tform_MainWindow::SetBlinking(bool blinking) {
  blinkRed_ = false;
  SetInfoColor(kNavy);
  if (blinking)
    blinkTimer_->start();
  else
    blinkTimer_->stop();
}

bool Tform_MainWindow::Blinking() const { return blinkTimer_->isActive(); }

void Tform_MainWindow::SetVersions(const std::string& local, const std::string& published) {
  lbl_YourVersion->setText(Text(local));
  lbl_WebVersion->setText(Text(published));
}

std::string Tform_MainWindow::PublishedVersion() const { return lbl_WebVersion->text().toStdString(); }

void Tform_MainWindow::SetProgress(int64_t maximum, int64_t position) {
  // The bar counts in int; large files are shown in kibibytes.
  const int shift = maximum > std::numeric_limits<int>::max() ? 10 : 0;
  ProgressBar->setMaximum(static_cast<int>(maximum >> shift));
  ProgressBar->setValue(static_cast<int>(std::min(position, maximum) >> shift));
}

void Tform_MainWindow::SetUpdateLabel(const std::string& text) { UpdateLabel->setText(Text(text)); }

bool Tform_MainWindow::ShowInfo(const std::string& url, const TInfoCaption& captions, bool& checkForUpdate) {
  return RunInfoWindow(this, url, captions, checkForUpdate);
}

void Tform_MainWindow::SetInfoColor(const QColor& color) {
  QPalette colors = InfoLabel->palette();
  colors.setColor(QPalette::WindowText, color);
  InfoLabel->setPalette(colors);
}

}  // namespace tessaly
