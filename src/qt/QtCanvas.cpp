#include "qt/QtCanvas.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <string>
#include <tuple>

#include <QGlyphRun>
#include <QList>
#include <QImage>
#include <QPolygon>

#include "platform/Utf8.h"
#include "platform/text/CharClass.h"
#include "qt/QtFonts.h"

namespace tessaly {

namespace {

// Tabs reach the painter as filler for the columns they skip.
QString DrawableText(std::string_view utf8) {
  QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  text.replace(QChar('\t'), QChar(' '));
  return text;
}

// Scripts whose characters join, combine or reorder: their text is measured
// and drawn whole by Qt's shaper instead of character by character.
bool NeedsShaping(char32_t c) {
  return (c >= 0x0300 && c <= 0x036F) || (c >= 0x0590 && c <= 0x1CFF) || (c >= 0x200C && c <= 0x200F) ||
         (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFB1D && c <= 0xFEFF) || c >= 0x1F000;
}

}  // namespace

QColor ToQColor(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QRect ToQRect(const TRect& rect) { return QRect(rect.Left, rect.Top, rect.Width(), rect.Height()); }

QImage ToQImage(const TBitmap& bitmap) {
  if (bitmap.Empty()) return QImage();
  QImage image(bitmap.Width, bitmap.Height, bitmap.HasMask() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  for (int y = 0; y < bitmap.Height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    const uint8_t* pixel = &bitmap.Pixels[static_cast<size_t>(y) * bitmap.Width * 3];
    for (int x = 0; x < bitmap.Width; ++x, pixel += 3)
      row[x] = bitmap.Transparent(x, y) ? qRgba(0, 0, 0, 0) : qRgb(pixel[0], pixel[1], pixel[2]);
  }
  return image;
}

// A font resolved once for every canvas: pages switch fonts for every run,
// and resolving a face costs far more than drawing with it.
struct QtFontFace {
  explicit QtFontFace(const TFontSpec& spec) : font(ToQFont(spec)), metrics(font), raw(QRawFont::fromFont(font)) {
    advances.fill(-1);
  }
  QFont font;
  QFontMetrics metrics;
  QRawFont raw;
  std::array<int, 128> advances;  // per ASCII character, -1 until measured
  std::unordered_map<char32_t, int> otherAdvances;
};

namespace {

std::shared_ptr<QtFontFace> FaceFor(const TFontSpec& spec) {
  static std::map<std::tuple<std::string, int, int>, std::shared_ptr<QtFontFace>> faces;
  constexpr size_t kMaxFaces = 256;
  const auto key = std::make_tuple(spec.Name, spec.Height, static_cast<int>(spec.Style));
  if (const auto found = faces.find(key); found != faces.end()) return found->second;
  if (faces.size() >= kMaxFaces) faces.clear();  // canvases keep the faces they hold
  return faces[key] = std::make_shared<QtFontFace>(spec);
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter, const TRect& clip) : painter_(painter), face_(FaceFor(font_)), clip_(clip) {
  painter_.setClipRect(ToQRect(clip));
  painter_.setFont(face_->font);
  // Text is laid out left to right in the order it was written; a run that
  // starts with a right-to-left letter must not turn the whole run around.
  painter_.setLayoutDirection(Qt::LeftToRight);
}

void QtCanvas::SetFont(const TFontSpec& font) {
  if (font == font_) return;
  font_ = font;
  face_ = FaceFor(font);
  painter_.setFont(face_->font);
}

const QFontMetrics& QtCanvas::Metrics() const { return face_->metrics; }

int QtCanvas::Advance(char32_t c) {
  if (c == '\t') c = ' ';
  int& advance = c < 0x80 ? face_->advances[c] : face_->otherAdvances.try_emplace(c, -1).first->second;
  // The font's own advance, or the fallback font's for a character it lacks.
  if (advance < 0) advance = Metrics().horizontalAdvance(QString::fromUcs4(&c, 1));
  return advance;
}


TTextMetrics QtCanvas::TextMetrics() {
  TTextMetrics m;
  m.Ascent = Metrics().ascent();
  m.Descent = Metrics().descent();
  m.Height = m.Ascent + m.Descent;
  m.InternalLeading = std::max(0, m.Height - face_->font.pixelSize());
  m.ExternalLeading = std::max(0, Metrics().leading());
  m.AveCharWidth = Metrics().averageCharWidth();
  m.MaxCharWidth = Metrics().maxWidth();
  return m;
}

TSize QtCanvas::TextExtent(std::string_view text) {
  const int height = Metrics().ascent() + Metrics().descent();
  int width = 0;
  for (size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      width += Advance(byte);
      ++i;
      continue;
    }
    const char32_t c = NextUtf8(text, i);
    if (NeedsShaping(c)) return {Metrics().horizontalAdvance(DrawableText(text)), height};
    width += Advance(c);
  }
  return {width, height};
}

void QtCanvas::SetPen(TColor color, int width, TPenStyle style) {
  penColor_ = color;
  penWidth_ = width;
  penStyle_ = style;
}

void QtCanvas::SetBrush(TColor color, TBrushStyle style) {
  brushColor_ = color;
  brushClear_ = style == TBrushStyle::bsClear || color == clNone;
}

void QtCanvas::SetTextBackground(TColor background, bool opaque) {
  textBackground_ = background;
  opaqueText_ = opaque && background != clNone;
}

void QtCanvas::ApplyPen() {
  if (penStyle_ == TPenStyle::psClear || penColor_ == clNone) {
    painter_.setPen(Qt::NoPen);
    return;
  }
  QPen pen(ToQColor(penColor_), std::max(1, penWidth_));
  pen.setStyle(penStyle_ == TPenStyle::psDash ? Qt::DashLine : penStyle_ == TPenStyle::psDot ? Qt::DotLine : Qt::SolidLine);
  painter_.setPen(pen);
  painter_.setBrush(brushClear_ ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brushColor_)));
}

void QtCanvas::FillRect(const TRect& rect) {
  if (!brushClear_) painter_.fillRect(ToQRect(rect), ToQColor(brushColor_));
}

void QtCanvas::FrameRect(const TRect& rect) {
  if (brushClear_ || rect.IsEmpty()) return;
  const QColor color = ToQColor(brushColor_);
  painter_.fillRect(QRect(rect.Left, rect.Top, rect.Width(), 1), color);
  painter_.fillRect(QRect(rect.Left, rect.Bottom - 1, rect.Width(), 1), color);
  painter_.fillRect(QRect(rect.Left, rect.Top, 1, rect.Height()), color);
  painter_.fillRect(QRect(rect.Right - 1, rect.Top, 1, rect.Height()), color);
}

void QtCanvas::Rectangle(const TRect& rect) {
  // The outline lies inside the rectangle, right and bottom edges excluded.
  ApplyPen();
  painter_.drawRect(QRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1));
}

void QtCanvas::Line(TPoint from, TPoint to) {
  ApplyPen();
  painter_.drawLine(from.X, from.Y, to.X, to.Y);
}

void QtCanvas::Ellipse(const TRect& bounds) {
  ApplyPen();
  painter_.drawEllipse(QRect(bounds.Left, bounds.Top, bounds.Width() - 1, bounds.Height() - 1));
}

void QtCanvas::Polygon(const std::vector<TPoint>& points) {
  ApplyPen();
  QPolygon polygon;
  for (const TPoint& p : points) polygon << QPoint(p.X, p.Y);
  painter_.drawPolygon(polygon);
}

void QtCanvas::DrawText(int x, int y, std::string_view text, int advance) {
  if (text.empty()) return;
  const QString drawable = DrawableText(text);
  QList<QPointF> positions;
  positions.reserve(static_cast<qsizetype>(text.size()));
  std::vector<size_t> starts;  // where each character begins in `text`
  starts.reserve(text.size());
  bool shaped = false;
  int pen = 0;
  for (size_t i = 0; i < text.size();) {
    starts.push_back(i);
    const auto byte = static_cast<unsigned char>(text[i]);
    const char32_t c = byte < 0x80 ? (++i, byte) : NextUtf8(text, i);
    shaped = shaped || NeedsShaping(c);
    positions.append(QPointF(pen, 0));
    pen += advance > 0 ? advance : Advance(c);
  }
  starts.push_back(text.size());
  QGlyphRun run;
  run.setRawFont(face_->raw);
  const QList<quint32> glyphs = face_->raw.glyphIndexesForString(drawable);
  const bool missing = std::find(glyphs.begin(), glyphs.end(), 0u) != glyphs.end();
  painter_.setPen(ToQColor(textColor_));
  if (glyphs.size() != positions.size() || missing || shaped) {
    // Joined or combined characters, or ones the font lacks: Qt shapes the
    // text and falls back to other fonts. On a grid every character keeps its cells.
    if (advance <= 0) {
      painter_.drawText(x, y + Metrics().ascent(), drawable);
      return;
    }
    for (size_t i = 0; i + 1 < starts.size(); ++i)
      painter_.drawText(x + static_cast<int>(positions[static_cast<qsizetype>(i)].x()), y + Metrics().ascent(),
                        DrawableText(text.substr(starts[i], starts[i + 1] - starts[i])));
    return;
  }
  run.setGlyphIndexes(glyphs);
  run.setPositions(positions);
  run.setUnderline(face_->font.underline());
  run.setStrikeOut(face_->font.strikeOut());
  painter_.drawGlyphRun(QPointF(x, y + Metrics().ascent()), run);
}

void QtCanvas::TextOut(int x, int y, std::string_view text) {
  if (opaqueText_) {
    const TSize extent = TextExtent(text);
    painter_.fillRect(QRect(x, y, extent.cx, extent.cy), ToQColor(textBackground_));
  }
  DrawText(x, y, text, 0);
}

void QtCanvas::ExtTextOut(int x, int y, unsigned options, const TRect& rect, std::string_view text, int advance) {
  if (options & etoClipped) {
    painter_.save();
    painter_.setClipRect(ToQRect(rect), Qt::IntersectClip);
  }
  if ((options & etoOpaque) && textBackground_ != clNone) painter_.fillRect(ToQRect(rect), ToQColor(textBackground_));
  DrawText(x, y, text, advance);
  if (options & etoClipped) painter_.restore();
}

void QtCanvas::GridTextOut(int x, int y, unsigned options, const TRect& rect, std::string_view utf8, int cellWidth) {
  if (options & etoClipped) {
    painter_.save();
    painter_.setClipRect(ToQRect(rect), Qt::IntersectClip);
  }
  if ((options & etoOpaque) && textBackground_ != clNone) painter_.fillRect(ToQRect(rect), ToQColor(textBackground_));
  if (!utf8.empty()) {
    // The text, and the first cell of each of its UTF-16 units.
    QString text;
    std::vector<int> cells;
    text.reserve(static_cast<qsizetype>(utf8.size()));
    cells.reserve(utf8.size() + 1);
    int cell = 0;
    for (size_t i = 0; i < utf8.size();) {
      const auto byte = static_cast<unsigned char>(utf8[i]);
      const char32_t c = byte < 0x80 ? utf8[i++] : NextUtf8(utf8, i);
      if (c < 0x10000) {
        text += QChar(static_cast<char16_t>(c));
        cells.push_back(cell);
      } else {
        text += QChar(QChar::highSurrogate(c));
        text += QChar(QChar::lowSurrogate(c));
        cells.insert(cells.end(), 2, cell);
      }
      cell += text::CellWidth(c);
    }
    cells.push_back(cell);
    painter_.setPen(ToQColor(textColor_));
    if (!DrawPlainGridText(x, y, text, cells, cellWidth)) DrawShapedGridText(x, y, text, cells, cellWidth);
  }
  if (options & etoClipped) painter_.restore();
}

bool QtCanvas::DrawPlainGridText(int x, int y, const QString& text, const std::vector<int>& cells, int cellWidth) {
  // Below the Hebrew block no script joins or reorders its letters.
  for (QChar c : text)
    if (c.unicode() >= 0x0590) return false;
  QList<quint32> glyphs(text.size());
  int count = static_cast<int>(text.size());
  if (!face_->raw.glyphIndexesForChars(text.constData(), count, glyphs.data(), &count) || count != text.size())
    return false;
  QList<QPointF> positions;
  positions.reserve(count);
  for (int i = 0; i < count; ++i) {
    if (glyphs[i] == 0 && text[i] != QLatin1Char(' ')) return false;  // missing from the font
    positions.append(QPointF(cells[static_cast<size_t>(i)] * cellWidth, 0));
  }
  QGlyphRun run;
  run.setRawFont(face_->raw);
  run.setGlyphIndexes(glyphs);
  run.setPositions(positions);
  run.setUnderline(face_->font.underline());
  run.setStrikeOut(face_->font.strikeOut());
  painter_.drawGlyphRun(QPointF(x, y + Metrics().ascent()), run);
  return true;
}

bool QtCanvas::DrawOneGlyphPerCharacter(const QTextLayout& layout, const QTextLine& line, int x, qreal baseline,
                                        const QString& text, const std::vector<int>& cells, int cellWidth) {
  // Only where shaping neither joins, reorders nor stacks: then the glyphs,
  // left to right, are the characters in order (Chinese, Japanese, emoji).
  std::vector<int> starts;  // the first cell of each character
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.isLowSurrogate()) continue;
    const char32_t code = c.isHighSurrogate() && i + 1 < text.size() ? QChar::surrogateToUcs4(c, text[i + 1]) : c.unicode();
    if ((code >= 0x0300 && code < 0x1100) || QChar::isMark(code) || code == 0x200D || (code >= 0xFE00 && code <= 0xFE0F))
      return false;
    starts.push_back(cells[static_cast<size_t>(i)]);
  }
  QList<QGlyphRun> runs = layout.glyphRuns();
  size_t glyphs = 0;
  for (const QGlyphRun& run : runs) glyphs += static_cast<size_t>(run.glyphIndexes().size());
  if (glyphs != starts.size()) return false;
  std::sort(runs.begin(), runs.end(), [](const QGlyphRun& a, const QGlyphRun& b) {
    return a.positions().front().x() < b.positions().front().x();
  });
  size_t k = 0;
  for (QGlyphRun& run : runs) {
    QList<QPointF> positions = run.positions();
    for (QPointF& p : positions) p = QPointF(starts[k++] * cellWidth, p.y() - line.ascent());
    run.setPositions(positions);
    painter_.drawGlyphRun(QPointF(x, baseline), run);
  }
  return true;
}

void QtCanvas::DrawShapedGridText(int x, int y, const QString& text, const std::vector<int>& cells, int cellWidth) {
  // Shaped as a whole with fallback fonts, in logical order even for
  // right-to-left letters (a left-to-right override), then every character's
  // glyphs moved to its own cells.
  static const QString kOverride(QChar(0x202D));
  QTextLayout layout(kOverride + text, face_->font);
  QTextOption option;
  option.setTextDirection(Qt::LeftToRight);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  layout.endLayout();
  if (!line.isValid()) return;
  const qreal baseline = y + Metrics().ascent();
  if (DrawOneGlyphPerCharacter(layout, line, x, baseline, text, cells, cellWidth)) return;
  for (qsizetype i = 0; i < text.size();) {
    qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    for (QGlyphRun run : layout.glyphRuns(static_cast<int>(i + 1), static_cast<int>(length))) {
      QList<QPointF> positions = run.positions();
      if (positions.isEmpty()) continue;
      const qreal left = positions.front().x();
      for (QPointF& p : positions) p = QPointF(p.x() - left + cells[static_cast<size_t>(i)] * cellWidth, p.y() - line.ascent());
      run.setPositions(positions);
      painter_.drawGlyphRun(QPointF(x, baseline), run);
    }
    i += length;
  }
}

void QtCanvas::DrawBitmap(const TBitmap& bitmap, const TRect& source, const TRect& dest) {
  if (bitmap.Empty() || dest.IsEmpty()) return;
  painter_.drawImage(ToQRect(dest), ToQImage(bitmap), ToQRect(source));
}

void QtCanvas::IntersectClipRect(const TRect& rect) {
  clip_ = IntersectRect(clip_, rect);
  painter_.setClipRect(ToQRect(clip_));
}

void QtCanvas::SaveState() {
  savedClips_.push_back(clip_);
  painter_.save();
}

void QtCanvas::RestoreState() {
  if (savedClips_.empty()) return;
  clip_ = savedClips_.back();
  savedClips_.pop_back();
  painter_.restore();
}

}  // namespace tessaly
