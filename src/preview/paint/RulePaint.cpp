// Horizontal rules: placed between the sides at their Y, drawn solid or embossed.

#include "preview/document/IndentManager.h"
#include "preview/document/SectionList.h"
#include "preview/document/Spaces.h"

namespace tessaly::preview {

int THorzLine::Layout(TCanvas& canvas, int y, IndentManager& indent, int& maxWidth, int& curs) {
  // A rule ends the lists before it.
  indent.SetLevel(0, y, 35);
  XLeft = indent.LeftSide(y);
  XRight = indent.RightSide(y);
  return TSectionBase::Layout(canvas, y, indent, maxWidth, curs);
}

int THorzLine::Paint(TCanvas& canvas, const TRect& clip, IndentManager&, int x, int y) {
  const int available = XRight - XLeft;
  int left = XLeft + 10, right = XRight - 10;
  if (Width.Given()) {
    const int width = Width.Of(available);
    if (Align == THorzAlign::Left) left = XLeft;
    else if (Align == THorzAlign::Right) left = XRight - width;
    else left = XLeft + (available - width) / 2;
    right = left + width;
  }
  const int top = y + (SectionHeight - VSize) / 2;
  const TRect rect{left + x, top, right + x, top + VSize};
  if (IntersectRect(rect, clip).IsEmpty()) return y + SectionHeight;
  if (HasColor) {
    canvas.SetBrush(Color, TBrushStyle::bsSolid);
    canvas.FillRect(rect);
    return y + SectionHeight;
  }
  const TColor background = ColorToRGB(Document->Background);
  TColor shadow = clBtnShadow;
  TColor light = background == clWhite ? clSilver : clBtnHighlight;
  if (NoShade) shadow = light = clBlack;
  canvas.SetPen(shadow, 1, TPenStyle::psSolid);
  canvas.Line({rect.Left, rect.Bottom - 1}, {rect.Left, rect.Top});
  canvas.Line({rect.Left, rect.Top}, {rect.Right, rect.Top});
  canvas.SetPen(light, 1, TPenStyle::psSolid);
  canvas.Line({rect.Right - 1, rect.Top + 1}, {rect.Right - 1, rect.Bottom});
  canvas.Line({rect.Left, rect.Bottom - 1}, {rect.Right, rect.Bottom - 1});
  return y + SectionHeight;
}

}  // namespace tessaly::preview
