#include "app/MainWindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <exception>

#include "app/AboutForm.h"
#include "app/MainMenu.h"
#include "app/Panels.h"
#include "app/PreviewPages.h"
#include "app/ScriptCommands.h"
#include "app/ScriptLibrary.h"
#include "app/ProgramInfo.h"
#include "app/SidePanel.h"
#include "app/SrcEditSetup.h"
#include "app/ToolPages.h"
#include "app/UiLanguage.h"
#include "app/UpdateWindow.h"
#include "highlight/HtmlHighlighter.h"
#include "platform/Dialogs.h"
#include "platform/Exception.h"
#include "platform/Shell.h"
#include "qt/BrowserView.h"
#include "qt/ClockPane.h"
#include "qt/MarqueePane.h"
#include "qt/QtClipboard.h"
#include "qt/QtFonts.h"
#include "qt/QtPreviewWidget.h"
#include "qt/QtSrcEditWidget.h"
#include "qt/SizePanel.h"
#include "visual/BrowserRoundTrip.h"
#include "visual/WBEdit.h"

namespace tessaly {

namespace {

// The client area the layout was designed for; the window opens maximised.
constexpr int DesignWidth = 888;
constexpr int DesignHeight = 616;

}  // namespace

TOsnovnFRM::TOsnovnFRM(Dialogs& dialogs, TShell& shell, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs),
      shell_(shell),
      clipboard_(std::make_unique<QtClipboard>()),
      htmlHighlighter_(std::make_unique<THtmlHighlighter>()) {
  setObjectName(QStringLiteral("OsnovnFRM"));
  setWindowTitle(QStringLiteral("Визуальный редактор HTML"));
  setFont(PointFont("MS Sans Serif", 8));
  BuildLayout();
  ConnectCommands();
  resize(DesignWidth, DesignHeight + menuBar()->sizeHint().height());
  FormCreate();
}

TOsnovnFRM::~TOsnovnFRM() { FormDestroy(); }

template <typename T>
T* TOsnovnFRM::Component(const char* name) const {
  T* component = findChild<T*>(QString::fromUtf8(name));
  Q_ASSERT_X(component != nullptr, "TOsnovnFRM", name);
  return component;
}
// The command files by area look up their tool buttons too.
template QToolButton* TOsnovnFRM::Component<QToolButton>(const char* name) const;

void TOsnovnFRM::PlaceViewer() {
  Viewer = new QtPreviewWidget(ViewerArea);
  Viewer->setObjectName(QStringLiteral("Viewer"));
  preview::THtmlPreview& viewer = Viewer->Viewer();
  viewer.SetDefFontName("Times New Roman");
  viewer.SetDefPreFontName("Courier New");
  viewer.SetHistoryMaxCount(0);
  viewer.SetNoSelect(false);
  viewer.SetBorderStyle(preview::pbFocused);
  ViewerArea->layout()->addWidget(Viewer);
}

void TOsnovnFRM::BuildLayout() {
  BuildMainMenu(menuBar());

  const TPanel client = NewPanel("ClientPanel", QBoxLayout::TopToBottom, this);
  client.Layout->addWidget(BuildTopPanel(client.Widget));
  auto* body = new QHBoxLayout;
  body->setSpacing(0);
  PanelSkript = BuildSidePanel(client.Widget);
  body->addWidget(PanelSkript);
  HTMLPageControl = BuildHtmlPageControl(client.Widget);
  body->addWidget(HTMLPageControl, 1);
  client.Layout->addLayout(body, 1);
  setCentralWidget(client.Widget);

  EditPageControl = Component<QTabWidget>("EditPageControl");
  SkriptPageControl = Component<QTabWidget>("SkriptPageControl");
  PHPList = Component<QListWidget>("PHPList");
  JavaList = Component<QListWidget>("JavaList");
  SymbolList = Component<QListWidget>("SymbolList");
  ViewerArea = Component<QFrame>("ViewerArea");
  SrcEditArea = Component<QFrame>("SrcEditArea");
  SrcEdit = BuildSrcEdit(SrcEditArea, *clipboard_, *htmlHighlighter_);
  PlaceViewer();
  WebBrowser = Component<TBrowserView>("WebBrowser");
  StatusM = Component<TMarqueePane>("StatusM");
  StatusPanel = Component<QLabel>("StatusPanel");
  ClockStatus = Component<TClockPane>("ClockStatus");

  PopupMenuControl = BuildBrowserPopupMenu(this);
  WebBrowser->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(WebBrowser, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupMenuControl->popup(WebBrowser->mapToGlobal(at)); });

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(StatusTimerInterval);
  connect(Timer1, &QTimer::timeout, this, [this] { RunCommand([this] { Timer1Timer(); }); });
  Timer1->start();
}

void TOsnovnFRM::ConnectMenuItem(const char* name, void (TOsnovnFRM::*handler)()) {
  connect(Component<QAction>(name), &QAction::triggered, this, [this, handler] { RunCommand([this, handler] { (this->*handler)(); }); });
}

void TOsnovnFRM::ConnectToolButton(const char* name, void (TOsnovnFRM::*handler)()) {
  connect(Component<QToolButton>(name), &QToolButton::clicked, this,
          [this, handler] { RunCommand([this, handler] { (this->*handler)(); }); });
}

void TOsnovnFRM::ConnectCommands() {
  ConnectMenuItem("New1", &TOsnovnFRM::New1Click);
  ConnectMenuItem("Open1", &TOsnovnFRM::Open1Click);
  ConnectMenuItem("Save1", &TOsnovnFRM::Save1Click);
  ConnectMenuItem("Saveas1", &TOsnovnFRM::Saveas1Click);
  ConnectToolButton("BtnNew", &TOsnovnFRM::New1Click);
  ConnectToolButton("BtnOpen", &TOsnovnFRM::Open1Click);
  ConnectToolButton("BtnSave", &TOsnovnFRM::Save1Click);
  ConnectMenuItem("ExitItem", &TOsnovnFRM::ExitItemClick);
  ConnectMenuItem("N4", &TOsnovnFRM::N4Click);
  ConnectMenuItem("SiteItem", &TOsnovnFRM::SiteItemClick);
  ConnectMenuItem("Ubgrade", &TOsnovnFRM::UbgradeClick);
  ConnectToolButton("BtnKey", &TOsnovnFRM::BtnKeyClick);
  ConnectLibraryCommands();
  ConnectLanguageCommands();
  ConnectSessionEnd();
  ConnectBrowserPage();
  ConnectPreviewCoupling();
  ConnectSearchCommands();
  ConnectMarkupCommands();
}

void TOsnovnFRM::RunCommand(const std::function<void()>& command) {
  try {
    command();
  } catch (const EAbort&) {
  } catch (const std::exception& error) {
    ShowError(dialogs_, error.what());
  }
}

void TOsnovnFRM::Timer1Timer() {
  StatusM->SetScrolling(false);
  StatusM->SetCaption(QString::fromStdString(fileName_));
}

void TOsnovnFRM::N4Click() {
  if (aboutForm_ != nullptr) aboutForm_->exec();
}

void TOsnovnFRM::SiteItemClick() {
  OpenProgramSite(shell_, dialogs_);
}

void TOsnovnFRM::UbgradeClick() {
  if (updateWindow_ != nullptr) updateWindow_->exec();
}

void TOsnovnFRM::ExitItemClick() { close(); }

void TOsnovnFRM::BtnKeyClick() {
  TSrcGutter& gutter = SrcEdit->Editor().Gutter();
  gutter.SetShowLineNumbers(!gutter.ShowLineNumbers());
}

}  // namespace tessaly
