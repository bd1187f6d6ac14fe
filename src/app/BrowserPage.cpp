#include "app/BrowserPage.h"

#include <QTabWidget>

#include "app/MainWindow.h"
#include "editor/SrcEdit.h"
#include "editor/SrcEditStringList.h"
#include "platform/Paths.h"
#include "platform/ProgramDirectory.h"
#include "qt/BrowserView.h"
#include "qt/QtPreviewWidget.h"
#include "qt/QtPromptWindow.h"
#include "qt/QtSrcEditWidget.h"
#include "visual/BrowserRoundTrip.h"
#include "visual/WBEdit.h"

namespace tessaly {

std::string BrowserTempFile(const std::string& fileName) {
  const std::string folder = fileName.empty() ? ProgramDirectory() : ExtractFilePath(fileName);
  return IncludeTrailingPathDelimiter(folder.empty() ? ProgramDirectory() : folder) + BrowserTempFileName;
}

bool ReplaceSourceText(TSrcEdit& editor, const std::string& bytes) {
  TSrcEditStringList lines;
  lines.SetText(bytes);
  // The list's text ends every line with CR LF; inserted text has no break
  // after its last line.
  std::string text = lines.Text();
  if (text.size() >= 2) text.resize(text.size() - 2);
  std::string current = editor.Lines().Text();
  if (current.size() >= 2) current.resize(current.size() - 2);
  if (text == current) return false;
  editor.SelectAll();
  editor.SetSelText(text);
  return true;
}

}  // namespace tessaly

// ---- the main window's browser half -----------------------------------------

namespace tessaly {

namespace {

// The pause after navigating, so the page is mostly there when the user
// starts editing.
constexpr int BrowserSettleMilliseconds = 400;
constexpr int BrowserPageIndex = 1;

}  // namespace

void TOsnovnFRM::CreateBrowserEditing() {
  wbEdit_ = std::make_unique<visual::TWBEdit>(dialogs_, std::make_unique<QtPromptWindow>(dialogs_));
}

void TOsnovnFRM::ConnectBrowserPage() {
  browserTrip_ = std::make_unique<visual::TBrowserRoundTrip>();
  WebBrowser->OnDocumentComplete = [this](BrowserControl& browser) {
    RunCommand([this, &browser] { WebBrowserDocumentComplete(browser); });
  };
  connect(HTMLPageControl, &QTabWidget::currentChanged, this,
          [this] { RunCommand([this] { HTMLPageControlTabClick(); }); });
}

void TOsnovnFRM::WebBrowserDocumentComplete(BrowserControl& browser) {
  if (wbEdit_ == nullptr || browser.Document() == nullptr) return;
  wbEdit_->Attach(browser.Document(), true);
  browserTrip_->DocumentComplete(*browser.Document());
}

void TOsnovnFRM::HTMLPageControlTabClick() {
  const int page = HTMLPageControl->currentIndex();
  // A click on the tab already shown changes nothing, the source least of all.
  if (page == shownPage_) return;
  shownPage_ = page;
  if (page == BrowserPageIndex) {
    ShowSourceInBrowser();
  } else {
    TakeSourceFromBrowser();
  }
}

void TOsnovnFRM::ShowSourceInBrowser() {
  // Whatever the browser holds now does not stand for the source any more.
  browserTrip_->Forget();
  const std::string path = BrowserTempFile(fileName_);
  SrcEdit->Editor().Lines().SaveToFile(path);
  WebBrowser->Navigate(path);
  WebBrowser->ActivateDocument();
  WebBrowser->Pause(BrowserSettleMilliseconds);
  BrowserEditMode = true;
}

visual::TBrowserSource TOsnovnFRM::SaveToStream() { return browserTrip_->Take(*WebBrowser); }

void TOsnovnFRM::TakeSourceFromBrowser() {
  BrowserEditMode = false;
  // On failure the error box says why and the editor keeps its text.
  const visual::TBrowserSource source = SaveToStream();
  if (source.Edited) ReplaceSourceText(SrcEdit->Editor(), source.Bytes);
  Viewer->Viewer().LoadLines(EditorLines(), std::string());
}

}  // namespace tessaly
