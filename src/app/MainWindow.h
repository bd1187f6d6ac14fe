#pragma once
// The main editor window `TOsnovnFRM` (instance `OsnovnFRM`): the tool pages,
// the side panel, the preview pages, the menus, the status bar and the
// 40-second status timer.

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QTabWidget;
class QTimer;

namespace tessaly {

class Dialogs;
class QtClipboard;
class QtSrcEditWidget;
class THtmlHighlighter;
class TShell;
class TAboutForm;
class QtPreviewWidget;
class TBrowserView;
class TClockPane;
class TMarqueePane;
class TSizePanel;
class Tform_MainWindow;

class TOsnovnFRM : public QMainWindow {
  Q_OBJECT
public:
  static constexpr int StatusTimerInterval = 40000;  // ms
  // The browser's first page: an empty document.
  static constexpr const char* EmptyPageAddress = "about:<html><body></body></html>";

  // Builds the window and runs its creation step.
  TOsnovnFRM(Dialogs& dialogs, TShell& shell, QWidget* parent = nullptr);
  ~TOsnovnFRM() override;

  // The windows the Help menu shows; they are created after this one.
  void SetAboutForm(TAboutForm* aboutForm) { aboutForm_ = aboutForm; }
  void SetUpdateWindow(Tform_MainWindow* updateWindow) { updateWindow_ = updateWindow; }

  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& fileName) { fileName_ = fileName; }

  // Runs a command the way the message loop runs one: an error it raises is
  // shown in the standard error box and the window goes on.
  void RunCommand(const std::function<void()>& command);

  void FormCreate();
  void Timer1Timer();
  void N4Click();
  void SiteItemClick();
  void UbgradeClick();
  void ExitItemClick();
  void BtnKeyClick();

  // Components, owned through the widget tree and named as the commands,
  // language files and tests know them.
  QTabWidget* EditPageControl = nullptr;
  TSizePanel* PanelSkript = nullptr;
  QTabWidget* SkriptPageControl = nullptr;
  QListWidget* PHPList = nullptr;
  QListWidget* JavaList = nullptr;
  QListWidget* SymbolList = nullptr;
  QTabWidget* HTMLPageControl = nullptr;
  // Where the preview viewer and the source editor are placed.
  QFrame* ViewerArea = nullptr;
  QtPreviewWidget* Viewer = nullptr;
  QFrame* SrcEditArea = nullptr;
  QtSrcEditWidget* SrcEdit = nullptr;
  TBrowserView* WebBrowser = nullptr;
  QMenu* PopupMenuControl = nullptr;
  TMarqueePane* StatusM = nullptr;
  QLabel* StatusPanel = nullptr;
  TClockPane* ClockStatus = nullptr;
  QTimer* Timer1 = nullptr;

private:
  void BuildLayout();
  void PlaceViewer();
  void ConnectCommands();
  void ConnectMenuItem(const char* name, void (TOsnovnFRM::*handler)());
  template <typename T>
  T* Component(const char* name) const;

  Dialogs& dialogs_;
  TShell& shell_;
  TAboutForm* aboutForm_ = nullptr;
  Tform_MainWindow* updateWindow_ = nullptr;
  std::string fileName_;
  std::unique_ptr<QtClipboard> clipboard_;
  std::unique_ptr<THtmlHighlighter> htmlHighlighter_;  // HtmlHighlighter1
};

}  // namespace tessaly
