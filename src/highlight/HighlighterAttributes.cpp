#include "highlight/HighlighterAttributes.h"

#include <utility>

namespace tessaly {

TSrcHighlighterAttributes::TSrcHighlighterAttributes(std::string attriName) : attriName_(std::move(attriName)) {}

template <typename T>
void TSrcHighlighterAttributes::Assign(T& field, T value) {
  if (field == value) return;
  field = value;
  Changed();
}

void TSrcHighlighterAttributes::SetBackground(TColor value) { Assign(background_, value); }
void TSrcHighlighterAttributes::SetForeground(TColor value) { Assign(foreground_, value); }
void TSrcHighlighterAttributes::SetStyle(TFontStyles value) { Assign(style_, value); }

void TSrcHighlighterAttributes::CaptureDefaults() {
  defaultBackground_ = background_;
  defaultForeground_ = foreground_;
  defaultStyle_ = style_;
}

void TSrcHighlighterAttributes::Changed() {
  if (ChangeHandler) ChangeHandler();
}

}  // namespace tessaly
