#include "app/preview/LivePreview.h"

#include <algorithm>

#include "app/documents/DocumentSession.h"
#include "app/preview/SelectionMapping.h"
#include "app/window/ProgramInfo.h"
#include "app/window/StatusCounts.h"
#include "editor/SrcEdit.h"
#include "editor/SrcEditStringList.h"
#include "platform/CodePage1251.h"
#include "preview/viewer/HtmlPreview.h"

namespace tessaly {

namespace {

// The viewer is scrolled when the mapped caret lies outside its visible
// height less this margin.
constexpr int ScrollMargin = 20;
// However slow a page is, the preview waits at most this long for a pause in
// the typing, and never shows text older than the second figure.
constexpr int LongestReloadDelayMs = 500;
constexpr auto LongestStaleness = std::chrono::milliseconds(1500);

}  // namespace

TLinkAction LinkActionOf(const std::string& address) {
  return cp1251::SameText(address, ProgramSiteAddress) || cp1251::SameText(address, MakerSiteAddress)
             ? TLinkAction::OpenOutside
             : TLinkAction::Announce;
}

TLivePreview::TLivePreview(TSrcEdit& editor, preview::THtmlPreview& viewer, const TDocumentSession& session)
    : editor_(editor), viewer_(viewer), session_(session) {
  timer_.setSingleShot(true);
  QObject::connect(&timer_, &QTimer::timeout, [this] { ReloadPending(); });
  editor_.Lines().OnLinesChange.Add(this, [this](const TLinesChange& change) { LinesChanged(change); });
}

TLivePreview::~TLivePreview() { editor_.Lines().OnLinesChange.Remove(this); }

// A reload waits for a pause in the typing as long as the last reload took,
// so a page that is slow to lay out never holds back the keys: the edits in
// between are taken in one reload of the latest text. Small pages reload at
// once.
void TLivePreview::LinesChanged(const TLinesChange& change) {
  if (change.Kind == TLinesChangeKind::lcReplaced && !change.ByUser) {
    LivePreview = true;
    SyncSelection = true;
    newDocument_ = true;
  }
  if (!LivePreview) return;
  const auto now = std::chrono::steady_clock::now();
  if (!pending_) pendingSince_ = now;
  pending_ = true;
  if (newDocument_)
    timer_.start(0);
  else if (!timer_.isActive() || now - pendingSince_ < LongestStaleness)
    timer_.start(std::min(lastReloadMs_, LongestReloadDelayMs));
}

void TLivePreview::ReloadPending() {
  if (!pending_) return;
  pending_ = false;
  timer_.stop();
  Reload(!std::exchange(newDocument_, false));
}

void TLivePreview::Reload(bool keepPosition) {
  const auto started = std::chrono::steady_clock::now();
  const int position = keepPosition ? viewer_.Position() : 0;
  if (!keepPosition) viewer_.ClearPage();
  // Always the editor's text, so the viewer's source indexes count what the
  // editor counts; relative pictures and links resolve against the
  // document's folder.
  try {
    viewer_.SetTextEncoding(session_.Format().Encoding);
    viewer_.LoadLines(editor_.Lines().Strings(), session_.FileName());
  } catch (const std::exception&) {
    // The viewer keeps what it could show; the editor is not disturbed.
  }
  SyncSelection = true;
  viewer_.SetPosition(position);
  lastReloadMs_ = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count());
}

bool TLivePreview::SourceClicked(int viewerHeight) {
  if (!SyncSelection) return false;
  ReloadPending();
  const TViewerRange range = ViewerRangeOf(viewer_, TEditorOffset{editor_.SelStart()}, TEditorOffset{editor_.SelEnd()},
                                           CrLfTextLength(editor_.Lines()));
  const int c = range.caret, e = range.end;
  int x = 0, y = 0;
  if (c < 0 || !viewer_.DisplayPosToXY(c, x, y)) return false;
  const int top = viewer_.VScrollPosition();
  // The mapped point is in window coordinates; the scroll rule works in page ones.
  const int pageY = y + top;
  if (pageY < top || pageY > top + viewerHeight - ScrollMargin) viewer_.SetVScrollPosition(pageY - viewerHeight / 2);
  viewer_.SetSelStart(c);
  viewer_.SetSelLength(e - c);
  return true;
}

bool TLivePreview::ViewerMouseUp() {
  if (!SyncSelection) return false;
  SyncSelection = false;
  struct Restore {
    bool& flag;
    ~Restore() { flag = true; }
  } restore{SyncSelection};
  const int l = viewer_.SelLength();
  // The point the selection was started from: the selection runs l
  // characters from it (backwards when l < 0).
  const auto range = SourceRangeOf(viewer_, viewer_.CaretPos() - l, l);
  if (!range) return false;
  editor_.SetSelStart(range->selStart.Value);
  editor_.SetSelEnd(range->selEnd.Value);
  return true;
}

}  // namespace tessaly
