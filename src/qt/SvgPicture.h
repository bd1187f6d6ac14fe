#pragma once
// Pictures drawn from a small subset of SVG, so the program's own vector
// icons stay sharp at every screen density without an SVG module:
// svg (viewBox), g, path (M L H V C S Q T Z, absolute and relative), rect,
// circle, ellipse, line, polyline, polygon and text; the presentation
// attributes fill, stroke, stroke-width, stroke-linecap, stroke-linejoin,
// opacity, fill-opacity, stroke-opacity and the font attributes, inherited
// through groups. Anything else is skipped.

#include <QByteArray>
#include <QIcon>
#include <QRectF>

class QPainter;

namespace tessaly {

// Draws the picture scaled into `target`. Returns false when the text is not
// an SVG document.
bool RenderSvg(const QByteArray& svg, QPainter& painter, const QRectF& target);

// An icon with pixmaps of the picture at the usual tool-bar sizes.
QIcon SvgIcon(const QByteArray& svg);

}  // namespace tessaly
