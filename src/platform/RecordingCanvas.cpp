#include "platform/RecordingCanvas.h"

#include "platform/Exception.h"
#include "platform/Utf8.h"

namespace tessaly {

std::string DescribeColor(TColor color) {
  if (color == clNone) return "none";
  if (color & 0x80000000u) return Format("sys:%u", color & 0xFF);
  return Format("%d,%d,%d", GetRValue(color), GetGValue(color), GetBValue(color));
}

std::string DescribeRect(const TRect& rect) {
  return Format("(%d,%d)-(%d,%d)", rect.Left, rect.Top, rect.Right, rect.Bottom);
}

RecordingCanvas::RecordingCanvas(int cellWidth, int cellHeight, TRect clip)
    : cellWidth_(cellWidth), cellHeight_(cellHeight), clip_(clip) {}

void RecordingCanvas::Record(const std::string& line) { Log.push_back(line); }

void RecordingCanvas::SetFont(const TFontSpec& font) {
  if (font == font_) return;
  font_ = font;
  Record(Format("font %s %d style=%d", font.Name.c_str(), font.Height, font.Style));
}

TTextMetrics RecordingCanvas::TextMetrics() {
  TTextMetrics m;
  m.Height = cellHeight_;
  m.Ascent = cellHeight_ * 3 / 4;
  m.Descent = cellHeight_ - m.Ascent;
  m.AveCharWidth = cellWidth_;
  m.MaxCharWidth = cellWidth_;
  return m;
}

TSize RecordingCanvas::TextExtent(std::string_view text) {
  return {static_cast<int>(Utf8Length(text)) * cellWidth_, cellHeight_};
}

void RecordingCanvas::SetPen(TColor color, int, TPenStyle) { penColor_ = color; }

void RecordingCanvas::SetBrush(TColor color, TBrushStyle style) {
  brushColor_ = style == TBrushStyle::bsClear ? clNone : color;
}

void RecordingCanvas::SetTextBackground(TColor background, bool opaque) {
  textBackground_ = background;
  opaqueText_ = opaque;
}

void RecordingCanvas::FillRect(const TRect& rect) {
  Record("fill " + DescribeRect(rect) + " " + DescribeColor(brushColor_));
}

void RecordingCanvas::FrameRect(const TRect& rect) {
  Record("frame " + DescribeRect(rect) + " " + DescribeColor(brushColor_));
}

void RecordingCanvas::Rectangle(const TRect& rect) {
  Record("rectangle " + DescribeRect(rect) + " pen " + DescribeColor(penColor_) + " brush " +
         DescribeColor(brushColor_));
}

void RecordingCanvas::Line(TPoint from, TPoint to) {
  Record(Format("line (%d,%d)-(%d,%d) ", from.X, from.Y, to.X, to.Y) + DescribeColor(penColor_));
}

void RecordingCanvas::Ellipse(const TRect& bounds) {
  Record("ellipse " + DescribeRect(bounds) + " " + DescribeColor(brushColor_));
}

void RecordingCanvas::Polygon(const std::vector<TPoint>& points) {
  std::string line = "polygon";
  for (const TPoint& p : points) line += Format(" (%d,%d)", p.X, p.Y);
  Record(line + " " + DescribeColor(brushColor_));
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
  Record(Format("text (%d,%d) \"", x, y) + std::string(text) + "\" " + DescribeColor(textColor_) +
         (opaqueText_ ? " on " + DescribeColor(textBackground_) : std::string()));
}

void RecordingCanvas::ExtTextOut(int x, int y, unsigned options, const TRect& rect, std::string_view text,
                                 int advance) {
  std::string line = Format("exttext (%d,%d) \"", x, y) + std::string(text) + "\" " + DescribeColor(textColor_);
  if (options & etoOpaque) line += " opaque " + DescribeRect(rect) + " " + DescribeColor(textBackground_);
  if (options & etoClipped) line += " clipped " + DescribeRect(rect);
  if (advance > 0) line += Format(" advance %d", advance);
  Record(line);
}

void RecordingCanvas::GridTextOut(int x, int y, unsigned options, const TRect& rect, std::string_view utf8,
                                  int cellWidth) {
  std::string line = Format("gridtext (%d,%d) \"", x, y) + std::string(utf8) + "\" " + DescribeColor(textColor_);
  if (options & etoOpaque) line += " opaque " + DescribeRect(rect) + " " + DescribeColor(textBackground_);
  if (options & etoClipped) line += " clipped " + DescribeRect(rect);
  Record(line + Format(" cell %d", cellWidth));
}

void RecordingCanvas::DrawBitmap(const TBitmap& bitmap, const TRect& source, const TRect& dest) {
  Record(Format("bitmap %dx%d", bitmap.Width, bitmap.Height) + (bitmap.HasMask() ? " masked " : " ") +
         DescribeRect(source) + " -> " + DescribeRect(dest));
}

void RecordingCanvas::IntersectClipRect(const TRect& rect) { clip_ = IntersectRect(clip_, rect); }

void RecordingCanvas::SaveState() { savedClips_.push_back(clip_); }

void RecordingCanvas::RestoreState() {
  if (savedClips_.empty()) return;
  clip_ = savedClips_.back();
  savedClips_.pop_back();
}

}  // namespace tessaly
