#pragma once
// The colours the selection is painted in.

#include <functional>

#include "platform/Graphics.h"

namespace tessaly {

class TSrcSelectedColor {
public:
  std::function<void()> OnChange;

  TColor Background() const { return background_; }
  void SetBackground(TColor value) { Assign(background_, value); }
  TColor Foreground() const { return foreground_; }
  void SetForeground(TColor value) { Assign(foreground_, value); }

private:
  void Assign(TColor& field, TColor value) {
    if (field == value) return;
    field = value;
    if (OnChange) OnChange();
  }

  TColor background_ = clHighlight;
  TColor foreground_ = clHighlightText;
};

}  // namespace tessaly
