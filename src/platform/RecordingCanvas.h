#pragma once
// A canvas with fixed metrics that writes every drawing call as one readable
// line, so painting and layout can be compared exactly in tests.

#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace tessaly {

class RecordingCanvas : public TCanvas {
public:
  // Every character of every font is one cell of cellWidth x cellHeight pixels;
  // the ascent is three quarters of the cell.
  RecordingCanvas(int cellWidth = 8, int cellHeight = 16, TRect clip = {0, 0, 10000, 10000});

  std::vector<std::string> Log;  // one line per drawing call

  void SetFont(const TFontSpec& font) override;
  const TFontSpec& Font() const override { return font_; }
  TTextMetrics TextMetrics() override;
  TSize TextExtent(std::string_view text) override;

  void SetPen(TColor color, int width, TPenStyle style) override;
  void SetBrush(TColor color, TBrushStyle style) override;
  void SetTextColor(TColor color) override { textColor_ = color; }
  void SetTextBackground(TColor background, bool opaque) override;

  void FillRect(const TRect& rect) override;
  void FrameRect(const TRect& rect) override;
  void Rectangle(const TRect& rect) override;
  void Line(TPoint from, TPoint to) override;
  void Ellipse(const TRect& bounds) override;
  void Polygon(const std::vector<TPoint>& points) override;
  void TextOut(int x, int y, std::string_view text) override;
  void ExtTextOut(int x, int y, unsigned options, const TRect& rect, std::string_view text, int advance) override;
  void GridTextOut(int x, int y, unsigned options, const TRect& rect, std::string_view utf8, int cellWidth) override;
  void DrawBitmap(const TBitmap& bitmap, const TRect& source, const TRect& dest) override;

  TRect ClipRect() const override { return clip_; }
  void IntersectClipRect(const TRect& rect) override;
  void SaveState() override;
  void RestoreState() override;

private:
  void Record(const std::string& line);

  int cellWidth_;
  int cellHeight_;
  TFontSpec font_;
  TColor penColor_ = clBlack;
  TColor brushColor_ = clWhite;
  TColor textColor_ = clBlack;
  TColor textBackground_ = clWhite;
  bool opaqueText_ = true;
  TRect clip_;
  std::vector<TRect> savedClips_;
};

// "R,G,B" or the system colour's name-free form "sys:N".
std::string DescribeColor(TColor color);
std::string DescribeRect(const TRect& rect);

}  // namespace tessaly
