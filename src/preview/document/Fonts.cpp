#include "preview/document/Fonts.h"

#include <algorithm>
#include <iterator>

namespace tessaly::preview {

namespace {
constexpr int kStepSizes[] = {8, 10, 12, 14, 18, 24, 36};
constexpr int kPreStepSizes[] = {7, 8, 10, 12, 15, 20, 30};

int PixelHeight(int points) { return -(points * kPixelsPerInch / 72); }
}  // namespace

int NominalSizeOfStep(int step, bool inPre) {
  step = std::clamp(step, 1, 7);
  return inPre ? kPreStepSizes[step - 1] : kStepSizes[step - 1];
}

int NextLargerSize(int nominal) {
  for (int size : kStepSizes)
    if (size > nominal) return size;
  return kStepSizes[std::size(kStepSizes) - 1];
}

int NextSmallerSize(int nominal) {
  for (auto it = std::rbegin(kStepSizes); it != std::rend(kStepSizes); ++it)
    if (*it < nominal) return *it;
  return kStepSizes[0];
}

void TMyFont::SetNominalSize(int nominal, int defFontSize) {
  NominalSize = nominal;
  SetPointSize(defFontSize * nominal / 12);
}

void TMyFont::SetPointSize(int points) {
  pointSize_ = std::max(points, 1);
  Spec.Height = PixelHeight(pointSize_);
}

TFontObj::TFontObj(TSection* section, int pos, const TMyFont& font, TFontStyles extraStyle, int subSup)
    : Section(section), Pos(pos), TheFont(font), SubSup(subSup) {
  TheFont.Spec.Style |= extraStyle;
}

TFontSpec TFontObj::DrawnSpec() const {
  TFontSpec spec = TheFont.Spec;
  if (SubSup != 0) spec.Height = PixelHeight(std::max(TheFont.PointSize() * 3 / 4, 1));
  return spec;
}

}  // namespace tessaly::preview
