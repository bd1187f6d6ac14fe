#pragma once
// A window of a given size that shows nothing: for laying pages out and
// painting them off-screen (command line, benchmarks, fuzzing). Timers never
// fire and posted calls run at once. As the viewer's container it has no
// widgets for form controls and lets the page's events pass; a subclass
// overrides the ones it wants to see.

#include "platform/ControlHost.h"
#include "preview/document/PreviewContainer.h"

namespace tessaly::preview {

class THeadlessHost : public TControlHost, public TPreviewContainer {
public:
  explicit THeadlessHost(TSize size) : size_(size) {}
  void SetSize(TSize size) { size_ = size; }

  TSize ClientSize() const override { return size_; }
  void Invalidate(const TRect*, bool) override {}
  void ScrollArea(int, int, const TRect&) override {}
  void UpdateNow() override {}
  void SetScrollInfo(TScrollBarKind, const TScrollInfo&) override {}
  TScrollInfo ScrollInfo(TScrollBarKind) const override { return {}; }
  void ShowScrollBar(TScrollBarKind, bool) override {}
  void CreateCaret(int, int) override {}
  void DestroyCaret() override {}
  void SetCaretPos(int, int) override {}
  void ShowCaret(bool) override {}
  void SetCapture(bool) override {}
  bool HasCapture() const override { return false; }
  bool Focused() const override { return false; }
  void SetFocus() override {}
  void SetCursor(TCursorShape) override {}
  void ShowHintText(const std::string&, TPoint) override {}
  int StartTimer(int, std::function<void()>) override { return 1; }
  void StopTimer(int) override {}
  void PostCall(std::function<void()> call) override { call(); }
  void ProcessEvents() override {}

private:
  TSize size_;
};

}  // namespace tessaly::preview
