#pragma once
// The live preview: the viewer under the editor shows the editor's text,
// reloaded after each edit at the same place, and selections are mapped
// between the two both ways. It holds only the editor, the viewer and the
// document session; the window forwards its events here.

#include <QTimer>
#include <chrono>
#include <string>

namespace tessaly {

class TDocumentSession;
class TSrcEdit;
struct TLinesChange;
namespace preview {
class THtmlPreview;
}

// What following a link in the preview does.
enum class TLinkAction {
  OpenOutside,  // the program's and its maker's sites open in the desktop's browser
  Announce,     // anything else: a message, then the viewer follows the link itself
};
TLinkAction LinkActionOf(const std::string& address);

class TLivePreview {
public:
  // Listens to every change of the editor's lines until destroyed.
  TLivePreview(TSrcEdit& editor, preview::THtmlPreview& viewer, const TDocumentSession& session);
  ~TLivePreview();
  TLivePreview(const TLivePreview&) = delete;
  TLivePreview& operator=(const TLivePreview&) = delete;
  // Runs a reload the edits since the last one still wait for.
  void ReloadPending();
  bool Pending() const { return pending_; }

  // A click or a key in the editor: the viewer shows the editor's selection
  // (scrolled into view within `viewerHeight`). Returns whether it did.
  bool SourceClicked(int viewerHeight);
  // The mouse let go in the viewer: the editor selects the same text.
  // Returns whether it did.
  bool ViewerMouseUp();

  // Both are off until a document is shown.
  bool LivePreview = false;
  bool SyncSelection = false;

private:
  // A whole new text put in by the program (a document arrived) is shown
  // from its top as soon as the change ends; edits wait for a pause.
  void LinesChanged(const TLinesChange& change);
  void Reload(bool keepPosition);

  TSrcEdit& editor_;
  preview::THtmlPreview& viewer_;
  const TDocumentSession& session_;
  QTimer timer_;
  bool pending_ = false;
  bool newDocument_ = false;
  int lastReloadMs_ = 0;
  std::chrono::steady_clock::time_point pendingSince_;
};

}  // namespace tessaly
