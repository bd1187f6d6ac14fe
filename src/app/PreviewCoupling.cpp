// The live preview: every edit reloads the viewer at the same place, and
// selections are mapped between the source and the viewer both ways.

#include <QTimer>

#include <algorithm>
#include <chrono>

#include "app/MainWindow.h"
#include "app/ProgramInfo.h"
#include "app/SelectionMapping.h"
#include "app/StatusCounts.h"
#include "platform/CodePage1251.h"
#include "platform/Keys.h"
#include "platform/Shell.h"
#include "qt/Cp1251Text.h"
#include "qt/QtPreviewWidget.h"
#include "qt/QtSrcEditWidget.h"

namespace tessaly {

namespace {

constexpr uint16_t DeleteKey = 46;
// The viewer is scrolled when the mapped caret lies outside its visible
// height less this margin.
constexpr int ScrollMargin = 20;
// However slow a page is, the preview waits at most this long for a pause in
// the typing, and never shows text older than the second figure.
constexpr int LongestReloadDelayMs = 500;
constexpr auto LongestStaleness = std::chrono::milliseconds(1500);

}  // namespace

void TOsnovnFRM::ConnectPreviewCoupling() {
  reloadTimer_ = new QTimer(this);
  reloadTimer_->setSingleShot(true);
  connect(reloadTimer_, &QTimer::timeout, this, [this] { ReloadPendingPreview(); });
  SrcEdit->Editor().OnChange = [this](TSrcEdit&) { SrcEditChange(); };
  SrcEdit->OnClick = [this] { RunCommand([this] { SrcEditClick(); }); };
  SrcEdit->OnKeyUp = [this](uint16_t key, TShiftState) { RunCommand([this, key] { SrcEditKeyUp(key); }); };
  Viewer->OnMouseUp = [this] { RunCommand([this] { ViewerMouseUp(); }); };
  preview::THtmlPreview& viewer = Viewer->Viewer();
  viewer.OnHotSpotCovered = [this](const std::string& address) { viewerHotSpotCovered(address); };
  viewer.OnHotSpotClick = [this](const std::string& address, bool& handled) {
    RunCommand([&] { ViewerHotSpotClick(address, handled); });
  };
}

// A reload waits for a pause in the typing as long as the last reload took,
// so a page that is slow to lay out never holds back the keys: the edits in
// between are taken in one reload of the latest text. Small pages reload at
// once.
void TOsnovnFRM::SrcEditChange() {
  if (LivePreview) {
    const auto now = std::chrono::steady_clock::now();
    if (!reloadPending_) pendingSince_ = now;
    reloadPending_ = true;
    if (!reloadTimer_->isActive() || now - pendingSince_ < LongestStaleness)
      reloadTimer_->start(std::min(lastReloadMs_, LongestReloadDelayMs));
  }
  UpdateStatusCounts();
}

void TOsnovnFRM::ReloadPendingPreview() {
  if (!reloadPending_) return;
  reloadPending_ = false;
  reloadTimer_->stop();
  const auto started = std::chrono::steady_clock::now();
  preview::THtmlPreview& viewer = Viewer->Viewer();
  const int position = viewer.Position();
  // Relative pictures and links resolve against the document's folder.
  try {
    viewer.LoadLines(EditorLines(), fileName_);
  } catch (const std::exception&) {
    // The viewer keeps what it could show; the editor is not disturbed.
  }
  SyncSelection = true;
  viewer.SetPosition(position);
  lastReloadMs_ = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count());
}

void TOsnovnFRM::SrcEditClick() {
  if (!SyncSelection) return;
  ReloadPendingPreview();
  UpdateStatusCounts();
  TSrcEdit& editor = SrcEdit->Editor();
  preview::THtmlPreview& viewer = Viewer->Viewer();
  const TViewerRange range = ViewerRangeOf(viewer, editor.SelStart(), editor.SelEnd(), CrLfTextLength(editor.Lines()));
  UpdateClipboardButtons(range.selected);
  const int c = range.caret, e = range.end;
  int x = 0, y = 0;
  if (c < 0 || !viewer.DisplayPosToXY(c, x, y)) return;
  const int top = viewer.VScrollPosition();
  const int height = Viewer->height();
  // The mapped point is in window coordinates; the scroll rule works in page ones.
  const int pageY = y + top;
  if (pageY < top || pageY > top + height - ScrollMargin) viewer.SetVScrollPosition(pageY - height / 2);
  viewer.SetSelStart(c);
  viewer.SetSelLength(e - c);
}

void TOsnovnFRM::SrcEditKeyUp(uint16_t key) {
  if (key == DeleteKey) SrcEditClick();
}

void TOsnovnFRM::ViewerMouseUp() {
  if (!SyncSelection) return;
  SyncSelection = false;
  struct Restore {
    bool& flag;
    ~Restore() { flag = true; }
  } restore{SyncSelection};
  preview::THtmlPreview& viewer = Viewer->Viewer();
  const int l = viewer.SelLength();
  // The point the selection was started from: the selection runs l
  // characters from it (backwards when l < 0).
  const auto range = SourceRangeOf(viewer, viewer.CaretPos() - l, l);
  if (!range) return;
  TSrcEdit& editor = SrcEdit->Editor();
  editor.SetSelStart(range->selStart);
  editor.SetSelEnd(range->selEnd);
  SrcEdit->setFocus();
}

void TOsnovnFRM::viewerHotSpotCovered(const std::string& address) {
  Viewer->setToolTip(QStringFromCp1251(address));
}

void TOsnovnFRM::ViewerHotSpotClick(const std::string& address, bool& handled) {
  handled = false;  // the viewer follows the link itself afterwards
  const std::string shown = cp1251::ToUtf8(address);
  if (cp1251::SameText(address, ProgramSiteAddress) || cp1251::SameText(address, MakerSiteAddress)) {
    shell_.Open(shown, "");
    return;
  }
  ShowMessage(dialogs_, "Как будто пошла загрузк.... \n" + shown);
}

}  // namespace tessaly
