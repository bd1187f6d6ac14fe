// The window's handlers of the preview pages: the live preview under the
// editor, a few lines each over the live preview object, and the browser
// page.

#include <QTabWidget>

#include "app/documents/DocumentSession.h"
#include "app/preview/BrowserPage.h"
#include "app/preview/LivePreview.h"
#include "app/window/MainWindow.h"
#include "platform/CodePage1251.h"
#include "platform/Files.h"
#include "platform/Keys.h"
#include "platform/Shell.h"
#include "platform/text/Encoding.h"
#include "qt/BrowserView.h"
#include "qt/Cp1251Text.h"
#include "qt/QtPreviewWidget.h"
#include "qt/QtPromptWindow.h"
#include "qt/QtSrcEditWidget.h"
#include "visual/BrowserRoundTrip.h"
#include "visual/WBEdit.h"

namespace tessaly {

namespace {

constexpr uint16_t DeleteKey = 46;

}  // namespace

void TOsnovnFRM::ConnectPreviewCoupling() {
  livePreview_ = std::make_unique<TLivePreview>(SrcEdit->Editor(), Viewer->Viewer(), *document_);
  SrcEdit->Editor().OnChange.Add(this, [this](TSrcEdit&) { SrcEditChange(); });
  SrcEdit->OnClick = [this] { RunCommand([this] { SrcEditClick(); }); };
  SrcEdit->OnKeyUp = [this](uint16_t key, TShiftState) { RunCommand([this, key] { SrcEditKeyUp(key); }); };
  Viewer->OnMouseUp = [this] { RunCommand([this] { ViewerMouseUp(); }); };
  preview::THtmlPreview& viewer = Viewer->Viewer();
  viewer.OnHotSpotCovered = [this](const std::string& address) { viewerHotSpotCovered(address); };
  viewer.OnHotSpotClick = [this](const std::string& address, bool& handled) {
    RunCommand([&] { ViewerHotSpotClick(address, handled); });
  };
}

// The live preview hears the editor's changes itself.
void TOsnovnFRM::SrcEditChange() { UpdateStatusCounts(); }

void TOsnovnFRM::ReloadPendingPreview() { livePreview_->ReloadPending(); }

bool TOsnovnFRM::PreviewPending() const { return livePreview_->Pending(); }

void TOsnovnFRM::SrcEditClick() {
  if (!livePreview_->SyncSelection) return;
  UpdateStatusCounts();
  livePreview_->SourceClicked(Viewer->height());
}

void TOsnovnFRM::SrcEditKeyUp(uint16_t key) {
  if (key == DeleteKey) SrcEditClick();
}

void TOsnovnFRM::ViewerMouseUp() {
  if (livePreview_->ViewerMouseUp()) SrcEdit->setFocus();
}

void TOsnovnFRM::viewerHotSpotCovered(const std::string& address) {
  Viewer->setToolTip(QString::fromStdString(address));
}

void TOsnovnFRM::ViewerHotSpotClick(const std::string& address, bool& handled) {
  handled = false;  // the viewer follows the link itself afterwards
  // The page's addresses are Unicode (UTF-8), as everything the viewer reads.
  switch (LinkActionOf(address)) {
    case TLinkAction::OpenOutside: shell_.Open(address, ""); return;
    case TLinkAction::Announce: ShowMessage(dialogs_, "Как будто пошла загрузк.... \n" + address); return;
  }
}

// ---- the browser page ----------------------------------------------------------
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
  const std::string path = BrowserTempFile(document_->FileName());
  // The browser reads the page in the document's encoding: a UTF-8 text
  // gets a mark no declaration can overrule, another encoding is what the
  // browser assumes where the page declares none.
  const text::Encoding held = text::HeldEncoding(document_->Format().Encoding);
  const std::string mark = held == text::Encoding::Utf8 ? std::string(text::ByteOrderMark(held)) : std::string();
  WriteFileAtomically(path, mark + SrcEdit->Editor().Lines().Text());
  WebBrowser->SetDefaultEncoding(std::string(text::Name(held)));
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
  // An edited page comes back as one edit, which the live preview follows,
  // in the document's encoding (character references for what it lacks).
  if (source.Edited) ReplaceSourceText(SrcEdit->Editor(), document_->Encoded(source.Html));
}

}  // namespace tessaly
