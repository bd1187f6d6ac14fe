#pragma once
// The main editor window `TOsnovnFRM` (instance `OsnovnFRM`): the tool pages,
// the side panel, the preview pages, the menus, the status bar and the
// 40-second status timer. It is a host: its commands live in files by area
// (documents, life cycle, creation steps, ...), each a few lines over plain
// functions.

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/documents/DocumentSession.h"
#include "app/documents/RecentFiles.h"
#include "app/search/SearchState.h"
#include "app/window/CommandTable.h"
#include "platform/Dialogs.h"
#include "platform/Keys.h"
#include "strlib/StrLibList.h"

class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QTabWidget;
class QTimer;
class QCloseEvent;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;

namespace tessaly {

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
class TSnippetEditing;
class TScriptLibrary;
class TLivePreview;
class TUiLanguage;
class BrowserControl;
struct TMarkupCommand;
namespace visual {
class TWBEdit;
class TBrowserRoundTrip;
struct TBrowserSource;
}  // namespace visual

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

  const std::string& FileName() const;
  TDocumentSession& Document() const { return *document_; }
  Dialogs& UserDialogs() const { return dialogs_; }

  // Runs a command the way the message loop runs one: an error it raises is
  // shown in the standard error box and the window goes on; a user's Cancel
  // (EAbort) ends it silently.
  void RunCommand(const std::function<void()>& command);

  // Creation and life cycle (CreationSteps.cpp, WindowLifecycle.cpp).
  void FormCreate();
  void FormCloseQuery(bool& canClose);
  void FormClose();
  void FormDestroy();

  // Documents (DocumentCommands.cpp), forwarded to the document session.
  // Cancel in a question or dialog raises EAbort, which ends the calling
  // command.
  void New1Click();
  void Open1Click();
  void Save1Click();
  void Saveas1Click();
  void PromptSaveChanges();
  void ApplyTemplate(const std::vector<std::string>& lines);
  // Files dropped from the desktop's file manager.
  void WMDropFiles(const std::vector<std::string>& paths);
  void UpdateStatusCounts();

  // The live preview (PreviewCoupling.cpp).
  void SrcEditChange();
  void SrcEditClick();
  void SrcEditKeyUp(uint16_t key);
  void ViewerMouseUp();
  void viewerHotSpotCovered(const std::string& address);
  void ViewerHotSpotClick(const std::string& address, bool& handled);
  // Runs a reload the edits since the last one still wait for.
  void ReloadPendingPreview();
  bool PreviewPending() const;

  // Templates, the entity table and the snippet libraries (LibraryCommands.cpp).
  void TemplateButtonClick(int button);  // button 0 is the one captioned "1"
  void JavaListDblClick();
  void SymbolListDblClick();
  void AddScriptJavaBtnClick();  // a new snippet
  void ToolButton33Click();      // edit the selected snippet
  void ToolButton34Click();      // delete the selected snippet
  // The preview pages' browser half (BrowserPage.cpp).
  void HTMLPageControlTabClick();
  void WebBrowserDocumentComplete(BrowserControl& browser);
  // The browser's document as source bytes, when the user edited it; raises
  // EBrowserError when the browser cannot hand it over.
  visual::TBrowserSource SaveToStream();
  // The browser editing object; none before its creation step.
  visual::TWBEdit* WBEdit() const { return wbEdit_.get(); }

  // The language menu (LanguageCommands.cpp).
  void LanguageEnglish1Click();
  void RuslangClick();  // a language file chosen in a dialog
  // The markup buttons, one table row each, and the editing buttons of
  // "Стандартная" (MarkupButtons.cpp).
  void MarkupButtonClick(const TMarkupCommand& command);
  void EditCut();
  void EditCopy();
  void EditPaste();
  void BtnUndoClick();
  void BtnRedoClick();
  // Each command's action enabled as its row of the command table says.
  void UpdateCommandStates();

  void Timer1Timer();    // the 40-second tick: the marquee shows the file name again
  void N4Click();        // Help > About...
  void SiteItemClick();  // Help > the program's site
  void UbgradeClick();   // Help > check for an update
  void ExitItemClick();
  void BtnKeyClick();    // line numbers on or off

  // Text search and the whole-text transform (SearchCommands.cpp).
  void BtnFindClick();
  void ShowSearchDialog();
  void FindNextMatch(bool backward);
  void SrcEditKeyDown(uint16_t& key, TShiftState shift);
  void FormatTextBTNClick();

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
  QLabel* EncodingStatus = nullptr;
  TClockPane* ClockStatus = nullptr;
  QTimer* Timer1 = nullptr;
  strlib::TStrLibList ShablonList;
  std::unique_ptr<TScriptLibrary> JavaScriptList;
  std::unique_ptr<TScriptLibrary> PHPScriptList;
  std::unique_ptr<TUiLanguage> mLang;

  bool BrowserEditMode = false;
  bool ContinueFromCaret = false;
  TSearchState Search;  // for the run, not saved

protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  void BuildLayout();
  void PlaceViewer();
  void ConnectCommands();
  void ConnectSessionEnd();
  void ConnectPreviewCoupling();
  void ConnectDocumentCommands();
  void DocumentShown(TDocumentArrival arrival);
  void DocumentFormatChanged();
  void ReopenWithEncoding(text::Encoding encoding);
  void ConvertToEncoding(text::Encoding encoding);
  void ChooseDefaultEncoding(text::Encoding encoding);
  void ShowRecentFiles();
  void OpenRecent(const std::string& path);
  // Creation steps of this area (the others are in their areas' files).
  static const std::vector<void (TOsnovnFRM::*)()>& CreationSteps();
  void StartLanguage();  // 1
  void ResetModified();
  void RegisterFileDrops();
  void ShowFirstPages();
  void ShowEmptyBrowserPage();
  void LoadJavaScriptList();  // 4
  void LoadPHPScriptList();   // 5
  void FillSymbolList();      // 8
  void ConnectLibraryCommands();
  void CreateBrowserEditing();
  void ConnectBrowserPage();
  void ConnectSearchCommands();
  void ConnectMarkupCommands();
  void SourceMarkup(const TMarkupCommand& command);
  void BrowserMarkup(const TMarkupCommand& command);
  void ShowSourceInBrowser();
  void TakeSourceFromBrowser();
  template <typename T>
  T* Component(const char* name) const;

  Dialogs& dialogs_;
  TShell& shell_;
  struct TCommandAction {
    QAction* Action;
    TEnabledWhen EnabledWhen;
  };
  std::vector<TCommandAction> commands_;
  bool clipboardFilled_ = false;  // Cut or Copy ran: Paste can run
  TAboutForm* aboutForm_ = nullptr;
  Tform_MainWindow* updateWindow_ = nullptr;
  std::unique_ptr<TDocumentSession> document_;
  std::unique_ptr<TRecentFiles> recent_;
  QMenu* recentMenu_ = nullptr;
  std::unique_ptr<TLivePreview> livePreview_;
  std::unique_ptr<QtClipboard> clipboard_;
  std::unique_ptr<THtmlHighlighter> htmlHighlighter_;  // HtmlHighlighter1
  std::unique_ptr<TSnippetEditing> snippetEditing_;
  std::unique_ptr<visual::TWBEdit> wbEdit_;
  std::unique_ptr<visual::TBrowserRoundTrip> browserTrip_;
  int shownPage_ = 0;  // the preview page the last switch went to
};

}  // namespace tessaly
