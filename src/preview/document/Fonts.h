#pragma once
// Fonts of the preview: a font with a nominal size on a 12-point scale, the
// link a run of text belongs to, and the font runs of a section.

#include <memory>
#include <string>
#include <vector>

#include "platform/Graphics.h"

namespace tessaly::preview {

class TSection;

// Screen resolution used to turn point sizes into pixel heights.
constexpr int kPixelsPerInch = 96;

// The seven size steps of FONT SIZE (1..7) as nominal sizes; inside PRE the
// steps are smaller.
int NominalSizeOfStep(int step, bool inPre);
// BIG and SMALL: the next size of the seven, staying at the ends.
int NextLargerSize(int nominal);
int NextSmallerSize(int nominal);

class TMyFont {
public:
  TFontSpec Spec;        // face, pixel height, style, character set, colour
  int NominalSize = 12;  // on a 12-point scale
  bool FixedPitch = false;
  bool OwnFace = false;  // the page chose the face (FACE); default faces follow the viewer

  // Sets the nominal size and the real size defFontSize * nominal / 12 points.
  void SetNominalSize(int nominal, int defFontSize);
  int PointSize() const { return pointSize_; }
  void SetPointSize(int points);

private:
  int pointSize_ = 12;
};

struct TUrlTarget {
  std::string Url;
  std::string Target;
  bool Empty() const { return Url.empty(); }
};

// One font run of a section: from Pos up to the next run.
class TFontObj {
public:
  TFontObj(TSection* section, int pos, const TMyFont& font, TFontStyles extraStyle, int subSup);

  TSection* Section;
  int Pos;
  TMyFont TheFont;
  TUrlTarget UrlTarget;  // empty Url: not a link
  int SubSup;            // 0 none, 1 subscript, 2 superscript
  bool Visited = false;  // a link whose address was visited

  // The font as drawn: sub- and superscripts at three quarters of the size.
  TFontSpec DrawnSpec() const;
};

}  // namespace tessaly::preview
