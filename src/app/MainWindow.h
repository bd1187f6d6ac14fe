#pragma once
// The main editor window `TOsnovnFRM` (instance `OsnovnFRM`): the tool pages,
// the side panel, the preview pages, the menus, the status bar and the
// 40-second status timer. It is a host: its commands live in files by area
// (documents, life cycle, creation steps, ...), each a few lines over plain
// functions.

#include <QMainWindow>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/DocumentText.h"
#include "app/SearchState.h"
#include "platform/Dialogs.h"
#include "platform/Keys.h"
#include "strlib/StrLibList.h"

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
class TScriptCommands;
class TScriptLibrary;
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

  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& fileName) { fileName_ = fileName; }
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

  // Documents (DocumentCommands.cpp). Cancel in a question or dialog raises
  // EAbort, which ends the calling command.
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
  bool PreviewPending() const { return reloadPending_; }

  // Templates, the entity table and the snippet libraries (LibraryCommands.cpp).
  void TemplateButtonClick(int button);  // button 0 is the one captioned "1"
  void JavaListDblClick();
  void SymbolListDblClick();
  void AddScriptJavaBtnClick();
  void ToolButton33Click();
  void ToolButton34Click();
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
  void RuslangClick();
  // The markup buttons, one table row each, and the editing buttons of
  // "Стандартная" (MarkupButtons.cpp).
  void MarkupButtonClick(const TMarkupCommand& command);
  void EditCut();
  void EditCopy();
  void EditPaste();
  void BtnUndoClick();
  void BtnRedoClick();
  // Cut and Copy follow whether the editor has a selection; the editor's
  // click handler calls this. Paste is left as it is.
  void UpdateClipboardButtons(bool hasSelection);

  void Timer1Timer();
  void N4Click();
  void SiteItemClick();
  void UbgradeClick();
  void ExitItemClick();
  void BtnKeyClick();

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
  TClockPane* ClockStatus = nullptr;
  QTimer* Timer1 = nullptr;
  strlib::TStrLibList ShablonList;
  std::unique_ptr<TScriptLibrary> JavaScriptList;
  std::unique_ptr<TScriptLibrary> PHPScriptList;
  TFileDialogSpec OpenDialog = HtmlFileDialogSpec();
  TFileDialogSpec SaveDialog1 = HtmlFileDialogSpec();
  std::unique_ptr<TUiLanguage> mLang;

  bool BrowserEditMode = false;
  bool LivePreview = false;
  bool SyncSelection = false;
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
  void ConnectMenuItem(const char* name, void (TOsnovnFRM::*handler)());
  void ConnectToolButton(const char* name, void (TOsnovnFRM::*handler)());
  void ConnectSessionEnd();
  void ConnectPreviewCoupling();
  // Creation steps of this area (the others are in their areas' files).
  static const std::vector<void (TOsnovnFRM::*)()>& CreationSteps();
  void StartLanguage();  // 1
  void ConnectLanguageCommands();
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
  // The editor's lines, for the viewer and for saving.
  std::vector<std::string> EditorLines() const;
  // Writes the editor's lines to `path`, with the footer when `addFooter`.
  void WriteDocument(const std::string& path, bool addFooter);
  void ShowFileSaved();
  template <typename T>
  T* Component(const char* name) const;

  Dialogs& dialogs_;
  TShell& shell_;
  TAboutForm* aboutForm_ = nullptr;
  Tform_MainWindow* updateWindow_ = nullptr;
  std::string fileName_;
  QTimer* reloadTimer_ = nullptr;
  bool reloadPending_ = false;
  int lastReloadMs_ = 0;
  std::chrono::steady_clock::time_point pendingSince_;
  std::unique_ptr<QtClipboard> clipboard_;
  std::unique_ptr<THtmlHighlighter> htmlHighlighter_;  // HtmlHighlighter1
  std::unique_ptr<TScriptCommands> scriptCommands_;
  std::unique_ptr<visual::TWBEdit> wbEdit_;
  std::unique_ptr<visual::TBrowserRoundTrip> browserTrip_;
  int shownPage_ = 0;  // the preview page the last switch went to
};

}  // namespace tessaly
