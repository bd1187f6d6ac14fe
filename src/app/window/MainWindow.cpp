#include "app/window/MainWindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <exception>

#include "app/preview/LivePreview.h"
#include "app/window/AboutForm.h"
#include "app/window/CommandTable.h"
#include "app/window/MainMenu.h"
#include "app/window/Panels.h"
#include "app/window/PreviewPages.h"
#include "app/libraries/SnippetEditing.h"
#include "app/libraries/ScriptLibrary.h"
#include "app/window/ProgramInfo.h"
#include "app/window/SidePanel.h"
#include "app/window/SrcEditSetup.h"
#include "app/window/ToolPages.h"
#include "app/languages/UiLanguage.h"
#include "app/update/UpdateWindow.h"
#include "highlight/HtmlHighlighter.h"
#include "platform/Dialogs.h"
#include "platform/Exception.h"
#include "platform/ProgramDirectory.h"
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
// The command files by area look up their tool buttons and menu items too.
template QToolButton* TOsnovnFRM::Component<QToolButton>(const char* name) const;
template QAction* TOsnovnFRM::Component<QAction>(const char* name) const;
template QMenu* TOsnovnFRM::Component<QMenu>(const char* name) const;

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
  document_ = std::make_unique<TDocumentSession>(SrcEdit->Editor(), dialogs_, ProgramDirectory());
  WebBrowser = Component<TBrowserView>("WebBrowser");
  StatusM = Component<TMarqueePane>("StatusM");
  StatusPanel = Component<QLabel>("StatusPanel");
  EncodingStatus = Component<QLabel>("EncodingStatus");
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

void TOsnovnFRM::ConnectCommands() {
  for (const TCommandRow& row : CommandTable()) {
    // A command with a menu item is that item's action; another has an
    // action of its own, which the window holds so its shortcut works.
    QAction* action = row.Caption != nullptr ? Component<QAction>(row.Name) : new QAction(this);
    if (row.Caption == nullptr) addAction(action);
    QList<QKeySequence> shortcuts;
    for (const char* shortcut : row.Shortcuts) shortcuts.append(QKeySequence(QString::fromUtf8(shortcut)));
    action->setShortcuts(shortcuts);
    connect(action, &QAction::triggered, this, [this, handler = row.Handler] {
      RunCommand([this, handler] { (this->*handler)(); });
    });
    if (row.Button != nullptr) {
      // The button keeps its own picture and hint; it runs the action and
      // is enabled with it.
      auto* button = Component<QToolButton>(row.Button);
      connect(button, &QToolButton::clicked, action, &QAction::trigger);
      connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
    }
    commands_.push_back({action, row.EnabledWhen});
  }
  ConnectLibraryCommands();
  ConnectSessionEnd();
  ConnectDocumentCommands();
  ConnectBrowserPage();
  ConnectPreviewCoupling();
  ConnectSearchCommands();
  ConnectMarkupCommands();
  SrcEdit->Editor().OnStatusChange = [this](TSrcEdit&, TSrcStatusChanges) { UpdateCommandStates(); };
  UpdateCommandStates();
}

void TOsnovnFRM::UpdateCommandStates() {
  const bool hasSelection = SrcEdit->Editor().SelAvail();
  for (const TCommandAction& command : commands_) {
    switch (command.EnabledWhen) {
      case TEnabledWhen::Always: break;
      case TEnabledWhen::EditorHasSelection: command.Action->setEnabled(hasSelection); break;
      case TEnabledWhen::ClipboardFilled: command.Action->setEnabled(clipboardFilled_); break;
    }
  }
}

void TOsnovnFRM::RunCommand(const std::function<void()>& command) {
  try {
    command();
  } catch (const EAbort&) {
  } catch (const std::exception& error) {
    ShowError(dialogs_, error.what());
  }
  // Whatever the command changed, the commands' states follow.
  UpdateCommandStates();
}

}  // namespace tessaly
