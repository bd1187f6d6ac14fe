#pragma once
// What a custom-drawn control (the source editor, the preview) asks of the
// window it lives in. The toolkit side implements it; tests use a fake.

#include <functional>
#include <string>

#include "platform/Graphics.h"

namespace tessaly {

class TCanvas;

enum class TScrollBarKind { sbHorizontal, sbVertical };

struct TScrollInfo {
  int Min = 0;
  int Max = 0;
  int Page = 0;
  int Pos = 0;
  friend bool operator==(const TScrollInfo&, const TScrollInfo&) = default;
};

enum class TCursorShape { crDefault, crArrow, crIBeam, crHandPoint, crDrag, crNoDrop, crSizeAll, crHourGlass };

class TControlHost {
public:
  virtual ~TControlHost() = default;

  virtual TSize ClientSize() const = 0;
  // `rect` null means the whole client area.
  virtual void Invalidate(const TRect* rect, bool erase) = 0;
  // Moves the pixels of `area` by (dx, dy) and invalidates what is uncovered.
  virtual void ScrollArea(int dx, int dy, const TRect& area) = 0;
  // Paints what is invalid now rather than on the next event.
  virtual void UpdateNow() = 0;

  virtual void SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info) = 0;
  virtual TScrollInfo ScrollInfo(TScrollBarKind bar) const = 0;
  virtual void ShowScrollBar(TScrollBarKind bar, bool visible) = 0;
  // Enables the arrow at the bar's start and the one at its end; a bar with
  // both disabled has nothing to scroll.
  virtual void EnableScrollArrows(TScrollBarKind, bool /*first*/, bool /*last*/) {}

  virtual void CreateCaret(int width, int height) = 0;
  virtual void DestroyCaret() = 0;
  virtual void SetCaretPos(int x, int y) = 0;
  virtual void ShowCaret(bool visible) = 0;

  virtual void SetCapture(bool capture) = 0;
  virtual bool HasCapture() const = 0;
  virtual bool Focused() const = 0;
  virtual void SetFocus() = 0;
  virtual void SetCursor(TCursorShape shape) = 0;
  // A small hint window near `at` (client coordinates); empty text hides it.
  virtual void ShowHintText(const std::string& text, TPoint at) = 0;

  // Repeating timers on the user-interface thread; StartTimer returns an id > 0.
  virtual int StartTimer(int intervalMs, std::function<void()> tick) = 0;
  virtual void StopTimer(int id) = 0;
  // Runs `call` after the current event has been handled.
  virtual void PostCall(std::function<void()> call) = 0;
  // Lets pending events run (long operations keep the window alive).
  virtual void ProcessEvents() = 0;

  // A canvas for measuring text outside painting (character cells, line
  // heights); nullptr when the window cannot measure yet.
  virtual TCanvas* MeasureCanvas() { return nullptr; }
  // How far the pointer must move with a button held before a drag starts.
  virtual int DragThreshold() const { return 4; }
  // Lines one notch of the mouse wheel scrolls; -1 means a page.
  virtual int WheelScrollLines() const { return 3; }
  // Starts the platform's drag of the control's selection; the drop comes
  // back to the target control.
  virtual void BeginDrag() {}
};

}  // namespace tessaly
