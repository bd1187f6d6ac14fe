#include "qt/SvgPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <vector>

namespace tessaly {

namespace {

struct Style {
  QString Fill = QStringLiteral("#000");
  QString Stroke = QStringLiteral("none");
  double StrokeWidth = 1;
  Qt::PenCapStyle Cap = Qt::FlatCap;
  Qt::PenJoinStyle Join = Qt::MiterJoin;
  double Opacity = 1, FillOpacity = 1, StrokeOpacity = 1;
  QString FontFamily = QStringLiteral("Sans");
  double FontSize = 12;
  bool Bold = false, Italic = false, Underline = false;
  QString Anchor = QStringLiteral("start");
};

double Number(const QXmlStreamAttributes& attributes, const char* name, double fallback = 0) {
  bool ok = false;
  const double value = attributes.value(QLatin1String(name)).toDouble(&ok);
  return ok ? value : fallback;
}

void ApplyAttributes(const QXmlStreamAttributes& attributes, Style& style) {
  for (const QXmlStreamAttribute& attribute : attributes) {
    const QStringView name = attribute.name();
    const QString value = attribute.value().toString().trimmed();
    if (name == u"fill") style.Fill = value;
    else if (name == u"stroke") style.Stroke = value;
    else if (name == u"stroke-width") style.StrokeWidth = value.toDouble();
    else if (name == u"stroke-linecap")
      style.Cap = value == u"round" ? Qt::RoundCap : value == u"square" ? Qt::SquareCap : Qt::FlatCap;
    else if (name == u"stroke-linejoin")
      style.Join = value == u"round" ? Qt::RoundJoin : value == u"bevel" ? Qt::BevelJoin : Qt::MiterJoin;
    else if (name == u"opacity") style.Opacity *= value.toDouble();
    else if (name == u"fill-opacity") style.FillOpacity = value.toDouble();
    else if (name == u"stroke-opacity") style.StrokeOpacity = value.toDouble();
    else if (name == u"font-family") style.FontFamily = value;
    else if (name == u"font-size") style.FontSize = value.toDouble();
    else if (name == u"font-weight") style.Bold = value == u"bold" || value.toInt() >= 600;
    else if (name == u"font-style") style.Italic = value == u"italic" || value == u"oblique";
    else if (name == u"text-decoration") style.Underline = value.contains(u"underline");
    else if (name == u"text-anchor") style.Anchor = value;
  }
}

// Reads the numbers of a path's data; the letters steer the caller.
class PathScanner {
public:
  explicit PathScanner(const QString& data) : data_(data) {}

  void SkipSeparators() {
    while (pos_ < data_.size() && (data_[pos_].isSpace() || data_[pos_] == ',')) ++pos_;
  }
  bool AtEnd() { SkipSeparators(); return pos_ >= data_.size(); }
  bool AtNumber() {
    SkipSeparators();
    if (pos_ >= data_.size()) return false;
    const QChar c = data_[pos_];
    return c.isDigit() || c == '-' || c == '+' || c == '.';
  }
  QChar Command() { SkipSeparators(); return data_[pos_++]; }
  bool Read(double& value) {
    if (!AtNumber()) return false;
    qsizetype end = pos_ + 1;
    bool seenDot = data_[pos_] == '.', seenExponent = false;
    while (end < data_.size()) {
      const QChar c = data_[end];
      if (c.isDigit()) ++end;
      else if (c == '.' && !seenDot && !seenExponent) { seenDot = true; ++end; }
      else if ((c == 'e' || c == 'E') && !seenExponent) {
        seenExponent = true;
        ++end;
        if (end < data_.size() && (data_[end] == '-' || data_[end] == '+')) ++end;
      } else break;
    }
    bool ok = false;
    value = data_.mid(pos_, end - pos_).toDouble(&ok);
    pos_ = end;
    return ok;
  }
  bool Read(QPointF& point) {
    double x = 0, y = 0;
    if (!Read(x) || !Read(y)) return false;
    point = {x, y};
    return true;
  }

private:
  const QString& data_;
  qsizetype pos_ = 0;
};

QPainterPath ParsePath(const QString& data) {
  QPainterPath path;
  PathScanner scan(data);
  QPointF current, start, lastControl;
  QChar previous;
  while (!scan.AtEnd()) {
    const QChar command = scan.Command();
    const bool relative = command.isLower();
    QChar upper = command.toUpper();
    const auto absolute = [&](QPointF p) { return relative ? p + current : p; };
    if (upper == 'Z') {
      path.closeSubpath();
      current = start;
      previous = upper;
      continue;
    }
    // A command letter may be followed by several argument groups.
    do {
      QPointF p, c1, c2;
      double value = 0;
      if (upper == 'M') {
        if (!scan.Read(p)) return path;
        current = start = absolute(p);
        path.moveTo(current);
      } else if (upper == 'L') {
        if (!scan.Read(p)) return path;
        current = absolute(p);
        path.lineTo(current);
      } else if (upper == 'H' || upper == 'V') {
        if (!scan.Read(value)) return path;
        if (upper == 'H') current.setX(relative ? current.x() + value : value);
        else current.setY(relative ? current.y() + value : value);
        path.lineTo(current);
      } else if (upper == 'C') {
        if (!scan.Read(c1) || !scan.Read(c2) || !scan.Read(p)) return path;
        c1 = absolute(c1), c2 = absolute(c2), p = absolute(p);
        path.cubicTo(c1, c2, p);
        lastControl = c2, current = p;
      } else if (upper == 'S') {
        if (!scan.Read(c2) || !scan.Read(p)) return path;
        c1 = previous == 'C' || previous == 'S' ? 2 * current - lastControl : current;
        c2 = absolute(c2), p = absolute(p);
        path.cubicTo(c1, c2, p);
        lastControl = c2, current = p;
      } else if (upper == 'Q') {
        if (!scan.Read(c1) || !scan.Read(p)) return path;
        c1 = absolute(c1), p = absolute(p);
        path.quadTo(c1, p);
        lastControl = c1, current = p;
      } else if (upper == 'T') {
        if (!scan.Read(p)) return path;
        c1 = previous == 'Q' || previous == 'T' ? 2 * current - lastControl : current;
        p = absolute(p);
        path.quadTo(c1, p);
        lastControl = c1, current = p;
      } else {
        return path;  // arcs and unknown commands end the path
      }
      previous = upper;
      // Further coordinate pairs after a moveto are linetos.
      if (upper == 'M') upper = 'L';
    } while (scan.AtNumber());
  }
  return path;
}

QPolygonF ParsePoints(const QString& data) {
  QPolygonF polygon;
  PathScanner scan(data);
  QPointF p;
  while (scan.Read(p)) polygon << p;
  return polygon;
}

QColor ColorOf(const QString& paint, double opacity) {
  if (paint.isEmpty() || paint == u"none") return {};
  QColor color(paint);
  color.setAlphaF(color.alphaF() * opacity);
  return color;
}

void Draw(QPainter& painter, const QPainterPath& path, const Style& style) {
  const QColor fill = ColorOf(style.Fill, style.Opacity * style.FillOpacity);
  const QColor stroke = ColorOf(style.Stroke, style.Opacity * style.StrokeOpacity);
  if (fill.isValid()) painter.fillPath(path, fill);
  if (stroke.isValid() && style.StrokeWidth > 0) {
    painter.strokePath(path, QPen(stroke, style.StrokeWidth, Qt::SolidLine, style.Cap, style.Join));
  }
}

QPainterPath TextPath(const QXmlStreamAttributes& attributes, const QString& text, const Style& style) {
  QFont font(style.FontFamily);
  font.setPixelSize(qMax(1, qRound(style.FontSize)));
  font.setBold(style.Bold);
  font.setItalic(style.Italic);
  font.setUnderline(style.Underline);
  QPainterPath path;
  path.addText(0, 0, font, text);
  const double width = path.boundingRect().right();
  double x = Number(attributes, "x");
  if (style.Anchor == u"middle") x -= width / 2;
  else if (style.Anchor == u"end") x -= width;
  path.translate(x, Number(attributes, "y"));
  return path;
}

QPainterPath ShapePath(QStringView element, const QXmlStreamAttributes& a) {
  QPainterPath path;
  if (element == u"path") {
    path = ParsePath(a.value(QLatin1String("d")).toString());
  } else if (element == u"rect") {
    const QRectF box(Number(a, "x"), Number(a, "y"), Number(a, "width"), Number(a, "height"));
    const double rx = Number(a, "rx", Number(a, "ry")), ry = Number(a, "ry", rx);
    path.addRoundedRect(box, rx, ry);
  } else if (element == u"circle") {
    const double r = Number(a, "r");
    path.addEllipse(QPointF(Number(a, "cx"), Number(a, "cy")), r, r);
  } else if (element == u"ellipse") {
    path.addEllipse(QPointF(Number(a, "cx"), Number(a, "cy")), Number(a, "rx"), Number(a, "ry"));
  } else if (element == u"line") {
    path.moveTo(Number(a, "x1"), Number(a, "y1"));
    path.lineTo(Number(a, "x2"), Number(a, "y2"));
  } else if (element == u"polyline" || element == u"polygon") {
    path.addPolygon(ParsePoints(a.value(QLatin1String("points")).toString()));
    if (element == u"polygon") path.closeSubpath();
  }
  return path;
}

}  // namespace

bool RenderSvg(const QByteArray& svg, QPainter& painter, const QRectF& target) {
  QXmlStreamReader reader(svg);
  std::vector<Style> styles;
  bool inSvg = false;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  while (!reader.atEnd()) {
    const auto token = reader.readNext();
    if (token == QXmlStreamReader::EndElement) {
      if (!styles.empty()) styles.pop_back();
      continue;
    }
    if (token != QXmlStreamReader::StartElement) continue;
    const QStringView name = reader.name();
    const QXmlStreamAttributes attributes = reader.attributes();
    if (!inSvg) {
      if (name != u"svg") break;
      inSvg = true;
      QStringList box = attributes.value(QLatin1String("viewBox")).toString().split(QRegularExpression("[\\s,]+"), Qt::SkipEmptyParts);
      QRectF view = box.size() == 4 ? QRectF(box[0].toDouble(), box[1].toDouble(), box[2].toDouble(), box[3].toDouble())
                                    : QRectF(0, 0, Number(attributes, "width", 16), Number(attributes, "height", 16));
      if (view.isEmpty()) view = QRectF(0, 0, 16, 16);
      painter.translate(target.topLeft());
      painter.scale(target.width() / view.width(), target.height() / view.height());
      painter.translate(-view.topLeft());
      styles.emplace_back();
      ApplyAttributes(attributes, styles.back());
      continue;
    }
    Style style = styles.empty() ? Style() : styles.back();
    ApplyAttributes(attributes, style);
    if (name == u"text") {
      const QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
      Draw(painter, TextPath(attributes, text, style), style);
      continue;  // readElementText consumed the end element
    }
    if (name != u"g") Draw(painter, ShapePath(name, attributes), style);
    styles.push_back(style);
  }
  painter.restore();
  return inSvg && !reader.hasError();
}

QIcon SvgIcon(const QByteArray& svg) {
  // Pixel sizes cover 16 and 24 px tool bars at one, one and a half and two
  // times density; the icon picks the nearest for each screen.
  QIcon icon;
  for (const int size : {16, 24, 32, 36, 48, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    RenderSvg(svg, painter, QRectF(0, 0, size, size));
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace tessaly
