#include "qt/QtFonts.h"

namespace tessaly {

QFont ToQFont(const TFontSpec& spec) {
  QFont font(QString::fromStdString(spec.Name));
  // A negative height is the character height in pixels; a positive one the
  // cell height, of which the character takes most.
  font.setPixelSize(spec.Height < 0 ? -spec.Height : spec.Height > 0 ? spec.Height * 4 / 5 : 13);
  font.setBold(spec.Style & fsBold);
  font.setItalic(spec.Style & fsItalic);
  font.setUnderline(spec.Style & fsUnderline);
  font.setStrikeOut(spec.Style & fsStrikeOut);
  return font;
}

TFontSpec FromQFont(const QFont& font, const TFontSpec& base) {
  TFontSpec spec = base;
  spec.Name = font.family().toStdString();
  const int pixels = font.pixelSize() > 0 ? font.pixelSize() : qRound(font.pointSizeF() * 96 / 72);
  spec.Height = -pixels;
  spec.Style = (font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0) | (font.underline() ? fsUnderline : 0) |
               (font.strikeOut() ? fsStrikeOut : 0);
  return spec;
}

QFont PointFont(const char* face, int points) {
  QFont font(QString::fromUtf8(face));
  font.setPointSize(points);
  return font;
}

}  // namespace tessaly
