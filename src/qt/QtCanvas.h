#pragma once
// The canvas of the core's custom-drawn controls on a QPainter. Text arrives
// as UTF-8; a tab is drawn as blank space. Every character has a whole-pixel
// advance and a text's extent is the sum of its characters' advances, as on
// the system the layout rules were made for; glyphs are placed at exactly
// those positions. Characters the font lacks come from Qt's fallback fonts,
// and scripts that join or reorder (Arabic, Hebrew, Indic) are measured and
// drawn whole, shaped by Qt.

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <array>

#include <vector>

#include "platform/Canvas.h"

namespace tessaly {

class QtCanvas : public TCanvas {
public:
  // `clip` is the area the painter may draw in (the paint event's rectangle).
  QtCanvas(QPainter& painter, const TRect& clip);

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
  void DrawText(int x, int y, std::string_view text, int advance);
  // Grid text in the font's own glyphs, when it has them all and nothing
  // needs shaping; false leaves it to DrawShapedGridText.
  bool DrawPlainGridText(int x, int y, const QString& text, const std::vector<int>& cells, int cellWidth);
  void DrawShapedGridText(int x, int y, const QString& text, const std::vector<int>& cells, int cellWidth);
  // The shaped glyphs moved to their cells in one go when each character
  // became one glyph; false leaves it to the character-by-character way.
  bool DrawOneGlyphPerCharacter(const QTextLayout& layout, const QTextLine& line, int x, qreal baseline,
                                const QString& text, const std::vector<int>& cells, int cellWidth);
  void ApplyPen();
  int Advance(char32_t c);
  const QFontMetrics& Metrics() const;

  QPainter& painter_;
  TFontSpec font_;
  std::shared_ptr<struct QtFontFace> face_;
  TColor penColor_ = clBlack;
  int penWidth_ = 1;
  TPenStyle penStyle_ = TPenStyle::psSolid;
  TColor brushColor_ = clWhite;
  bool brushClear_ = false;
  TColor textColor_ = clBlack;
  TColor textBackground_ = clWhite;
  bool opaqueText_ = true;
  TRect clip_;
  std::vector<TRect> savedClips_;
};

QColor ToQColor(TColor color);
QRect ToQRect(const TRect& rect);
// The picture as a Qt image; masked pixels become fully transparent.
QImage ToQImage(const TBitmap& bitmap);

}  // namespace tessaly
