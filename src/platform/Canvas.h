#pragma once
// What a custom-drawn control asks of a drawing surface. Text is Unicode in
// UTF-8; callers decode their bytes. Controls are tested against
// RecordingCanvas, whose fixed metrics make layouts exact.

#include <string_view>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Graphics.h"

namespace tessaly {

struct TTextMetrics {
  int Height = 0;  // Ascent + Descent
  int Ascent = 0;
  int Descent = 0;
  int InternalLeading = 0;
  int ExternalLeading = 0;
  int AveCharWidth = 0;
  int MaxCharWidth = 0;
  int Overhang = 0;  // extra width of synthesised bold or italic
};

enum class TPenStyle { psSolid, psDash, psDot, psClear };
enum class TBrushStyle { bsSolid, bsClear };

// ExtTextOut options.
enum : unsigned { etoOpaque = 1, etoClipped = 2 };

class TCanvas {
public:
  virtual ~TCanvas() = default;

  virtual void SetFont(const TFontSpec& font) = 0;
  virtual const TFontSpec& Font() const = 0;
  virtual TTextMetrics TextMetrics() = 0;
  virtual TSize TextExtent(std::string_view text) = 0;

  virtual void SetPen(TColor color, int width, TPenStyle style) = 0;
  virtual void SetBrush(TColor color, TBrushStyle style) = 0;
  virtual void SetTextColor(TColor color) = 0;
  // Opaque text fills its cells with `background`; transparent text leaves them.
  virtual void SetTextBackground(TColor background, bool opaque) = 0;

  virtual void FillRect(const TRect& rect) = 0;   // brush colour
  virtual void FrameRect(const TRect& rect) = 0;  // one-pixel border in the brush colour
  virtual void Rectangle(const TRect& rect) = 0;  // pen outline, brush inside
  virtual void Line(TPoint from, TPoint to) = 0;  // pen; the end point is not drawn
  virtual void Ellipse(const TRect& bounds) = 0;
  virtual void Polygon(const std::vector<TPoint>& points) = 0;

  // Text at (x, y) = top-left of the first cell, in the text colour and the
  // text background mode.
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  // Text with options: etoOpaque fills `rect` with the text background first,
  // etoClipped clips to `rect`. `advance` > 0 places every character that many
  // pixels after the previous one (a fixed-pitch grid).
  virtual void ExtTextOut(int x, int y, unsigned options, const TRect& rect, std::string_view text,
                          int advance) = 0;

  // Unicode text (UTF-8) on a monospace grid of `cellWidth`-pixel cells:
  // each character starts where the cells of the one before end and takes
  // two cells when it is wide (text::CellWidth), one otherwise, whatever the
  // font's own advances; what the font lacks comes from the system's
  // fallback fonts. Options as for ExtTextOut.
  virtual void GridTextOut(int x, int y, unsigned options, const TRect& rect, std::string_view utf8,
                           int cellWidth) = 0;

  // Draws `source` of the bitmap stretched into `dest`; masked pixels stay.
  virtual void DrawBitmap(const TBitmap& bitmap, const TRect& source, const TRect& dest) = 0;

  virtual TRect ClipRect() const = 0;
  virtual void IntersectClipRect(const TRect& rect) = 0;
  virtual void SaveState() = 0;
  virtual void RestoreState() = 0;
};

}  // namespace tessaly
