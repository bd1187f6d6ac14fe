#pragma once
// A control host without a window: it remembers what the control asked for
// (invalid areas, scroll bars, caret, capture, focus, timers), measures text
// with fixed character cells, and lets the caller fire timers and posted
// calls by hand. Tests and the command-line tools drive controls through it.

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "platform/ControlHost.h"
#include "platform/RecordingCanvas.h"

namespace tessaly {

class THeadlessControlHost : public TControlHost {
public:
  THeadlessControlHost(TSize clientSize, int cellWidth, int cellHeight)
      : clientSize_(clientSize), canvas_(cellWidth, cellHeight) {}

  void SetClientSize(TSize size) { clientSize_ = size; }

  TSize ClientSize() const override { return clientSize_; }
  void Invalidate(const TRect* rect, bool) override {
    Invalidated.push_back(rect ? *rect : TRect{0, 0, clientSize_.cx, clientSize_.cy});
  }
  void ScrollArea(int dx, int dy, const TRect& area) override {
    Scrolled.push_back({dx, dy});
    Invalidated.push_back(area);
  }
  void UpdateNow() override {}

  void SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info) override { scrollInfo_[bar] = info; }
  TScrollInfo ScrollInfo(TScrollBarKind bar) const override {
    const auto found = scrollInfo_.find(bar);
    return found == scrollInfo_.end() ? TScrollInfo{} : found->second;
  }
  void ShowScrollBar(TScrollBarKind bar, bool visible) override { scrollBarVisible_[bar] = visible; }
  void EnableScrollArrows(TScrollBarKind bar, bool first, bool last) override { scrollArrows_[bar] = {first, last}; }
  // Whether the start and end arrows are enabled (both until told otherwise).
  std::pair<bool, bool> ScrollArrows(TScrollBarKind bar) const {
    const auto found = scrollArrows_.find(bar);
    return found == scrollArrows_.end() ? std::pair<bool, bool>{true, true} : found->second;
  }
  bool ScrollBarVisible(TScrollBarKind bar) const {
    const auto found = scrollBarVisible_.find(bar);
    return found == scrollBarVisible_.end() || found->second;
  }

  void CreateCaret(int width, int height) override {
    CaretSize = {width, height};
    HasCaret = true;
  }
  void DestroyCaret() override { HasCaret = false; }
  void SetCaretPos(int x, int y) override { CaretPos = {x, y}; }
  void ShowCaret(bool visible) override { CaretVisible = visible; }

  void SetCapture(bool capture) override { capture_ = capture; }
  bool HasCapture() const override { return capture_; }
  bool Focused() const override { return focused_; }
  void SetFocus() override { focused_ = true; }
  void SetFocused(bool focused) { focused_ = focused; }
  void SetCursor(TCursorShape shape) override { Cursor = shape; }
  void ShowHintText(const std::string& text, TPoint) override { HintText = text; }

  int StartTimer(int intervalMs, std::function<void()> tick) override {
    timers_[nextTimer_] = {intervalMs, std::move(tick)};
    return nextTimer_++;
  }
  void StopTimer(int id) override { timers_.erase(id); }
  bool TimerRunning(int id) const { return timers_.count(id) != 0; }
  size_t RunningTimers() const { return timers_.size(); }
  // One tick of every running timer.
  void TickTimers() {
    std::vector<std::function<void()>> ticks;
    for (const auto& [id, timer] : timers_) ticks.push_back(timer.tick);
    for (const auto& tick : ticks) tick();
  }

  void PostCall(std::function<void()> call) override { posted_.push_back(std::move(call)); }
  void ProcessEvents() override {
    std::vector<std::function<void()>> calls;
    calls.swap(posted_);
    for (const auto& call : calls) call();
  }

  TCanvas* MeasureCanvas() override { return &canvas_; }
  int DragThreshold() const override { return DragDistance; }
  int WheelScrollLines() const override { return WheelLines; }
  void BeginDrag() override { ++DragsStarted; }

  std::vector<TRect> Invalidated;
  std::vector<TPoint> Scrolled;
  TSize CaretSize;
  TPoint CaretPos;
  bool HasCaret = false;
  bool CaretVisible = false;
  TCursorShape Cursor = TCursorShape::crDefault;
  std::string HintText;
  int DragDistance = 4;
  int WheelLines = 3;
  int DragsStarted = 0;

private:
  struct Timer {
    int interval;
    std::function<void()> tick;
  };
  TSize clientSize_;
  RecordingCanvas canvas_;
  std::map<TScrollBarKind, TScrollInfo> scrollInfo_;
  std::map<TScrollBarKind, bool> scrollBarVisible_;
  std::map<TScrollBarKind, std::pair<bool, bool>> scrollArrows_;
  bool capture_ = false;
  bool focused_ = false;
  std::map<int, Timer> timers_;
  int nextTimer_ = 1;
  std::vector<std::function<void()>> posted_;
};

}  // namespace tessaly
