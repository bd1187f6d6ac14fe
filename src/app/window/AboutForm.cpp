#include "app/window/AboutForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/window/Icons.h"
#include "app/window/ProgramInfo.h"

namespace tessaly {

namespace {

// The "Порядок работы" notes, line by line as the user has always read them.
constexpr const char* kHelpLines[] = {
    "Программа предназначена для создания и редактирования ",
    "файлов HTML и позволяет просто и удобно в режиме визуального",
    "просмотра обрабатывать файлы. ",
    "Основным удобством программы является полностью автономная ",
    "работа незаисимая от установленного в системе IE.",
    "",
    "В программе имеется 10 шаблонов сайтов.",
    "",
    "Установлено использование JAVA скриптов,  с возможностью ",
    "добавления собственных  скриптов.",
    "",
    "2007 год.",
    "Добавлено - редактирование непосредственнно в IE.",
    "Порядок работы.",
    "- загружаете файл",
    "- переходите на закладку IE+Edit",
    "- редактируете (пока только текст добавить",
    " удалить, картинки удалить, части таблиц удалить ",
    "- возвращаетесь обратно и сохраняете...",
    "",
};

constexpr int LogoSize = 96;

}  // namespace

TAboutForm::TAboutForm(TShell& shell, Dialogs& dialogs, const std::string& version, QWidget* parent)
    : QDialog(parent), shell_(shell), dialogs_(dialogs) {
  setObjectName(QStringLiteral("AboutForm"));
  setWindowTitle(QStringLiteral("О программе"));
  auto* layout = new QVBoxLayout(this);

  auto* pages = new QTabWidget(this);
  pages->setObjectName(QStringLiteral("AboutPageControl"));
  pages->addTab(BuildAboutPage(version), QStringLiteral("About"));
  pages->addTab(BuildHelpPage(), QStringLiteral("Help"));
  layout->addWidget(pages, 1);

  auto* bottom = new QHBoxLayout;
  auto* link = new QPushButton(QStringLiteral("Страница программы"), this);
  link->setObjectName(QStringLiteral("SiteLink"));
  link->setFlat(true);
  link->setCursor(Qt::PointingHandCursor);
  link->setStyleSheet(QStringLiteral("QPushButton { color: #0645ad; text-decoration: underline; border: none; }"));
  connect(link, &QPushButton::clicked, this, [this] { OpenProgramSite(shell_, dialogs_); });
  bottom->addWidget(link);
  bottom->addStretch(1);
  auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
  close->setObjectName(QStringLiteral("CloseButton"));
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  bottom->addWidget(close);
  layout->addLayout(bottom);
  resize(440, 380);
}

QWidget* TAboutForm::BuildAboutPage(const std::string& version) {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabAbout"));
  auto* layout = new QVBoxLayout(page);
  auto* picture = new QLabel(page);
  picture->setObjectName(QStringLiteral("Image1"));
  picture->setPixmap(ToolIcon("tessaly").pixmap(LogoSize, LogoSize));
  picture->setAlignment(Qt::AlignCenter);
  layout->addStretch(1);
  layout->addWidget(picture);
  auto* title = new QLabel(QString::fromUtf8(ApplicationTitle), page);
  title->setObjectName(QStringLiteral("ProductName"));
  title->setAlignment(Qt::AlignCenter);
  QFont titleFont = title->font();
  titleFont.setPointSize(titleFont.pointSize() * 2);
  titleFont.setBold(true);
  title->setFont(titleFont);
  layout->addWidget(title);
  versionLabel_ = new QLabel(QString::fromStdString(VersionCaption(version)), page);
  versionLabel_->setObjectName(QStringLiteral("Version"));
  versionLabel_->setAlignment(Qt::AlignCenter);
  layout->addWidget(versionLabel_);
  layout->addStretch(1);
  return page;
}

QWidget* TAboutForm::BuildHelpPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabHelp"));
  auto* layout = new QVBoxLayout(page);
  auto* group = new QGroupBox(QStringLiteral("Порядок работы"), page);
  group->setObjectName(QStringLiteral("HelpGroup"));
  auto* groupLayout = new QVBoxLayout(group);
  helpMemo_ = new QPlainTextEdit(group);
  helpMemo_->setObjectName(QStringLiteral("HelpMemo"));
  helpMemo_->setReadOnly(true);
  QStringList lines;
  for (const char* line : kHelpLines) lines << QString::fromUtf8(line);
  helpMemo_->setPlainText(lines.join(QLatin1Char('\n')));
  groupLayout->addWidget(helpMemo_);
  layout->addWidget(group);
  return page;
}

QString TAboutForm::VersionText() const { return versionLabel_->text(); }

QStringList TAboutForm::HelpLines() const { return helpMemo_->toPlainText().split(QLatin1Char('\n')); }

}  // namespace tessaly
