#pragma once
// Font descriptions in the system's terms (face, pixel height, style bits)
// to Qt fonts and back. Faces missing on the machine are matched by
// fontconfig (Courier New, Times New Roman and Arial have metric twins).

#include <QFont>

#include "platform/Graphics.h"

namespace tessaly {

QFont ToQFont(const TFontSpec& spec);
// `base` supplies what a QFont does not carry (charset, colour).
TFontSpec FromQFont(const QFont& font, const TFontSpec& base);
// A face at a point size, as forms state their fonts ("MS Sans Serif" 8 pt).
QFont PointFont(const char* face, int points);

}  // namespace tessaly
