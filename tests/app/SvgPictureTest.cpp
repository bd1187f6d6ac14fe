#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include "qt/SvgPicture.h"

namespace tessaly {

namespace {

QImage Render(const QByteArray& svg, bool* ok = nullptr) {
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  const bool rendered = RenderSvg(svg, painter, QRectF(0, 0, 16, 16));
  painter.end();
  if (ok != nullptr) *ok = rendered;
  return image;
}

QByteArray Svg(const char* body) {
  return QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 16 16\">") + body + "</svg>";
}

}  // namespace

TEST(SvgPicture, DrawsShapesWhereTheyBelong) {
  struct Case {
    const char* name;
    QByteArray svg;
    QPoint inside, outside;
    QRgb colour;
  };
  const std::vector<Case> cases = {
      {"rect", Svg("<rect x='8' y='0' width='8' height='8' fill='#ff0000'/>"), {12, 4}, {4, 4}, qRgb(255, 0, 0)},
      {"absolute path", Svg("<path d='M0 8H8V16H0Z' fill='#00f'/>"), {4, 12}, {12, 12}, qRgb(0, 0, 255)},
      {"relative path", Svg("<path d='m8 8h8v8h-8z' fill='lime'/>"), {12, 12}, {4, 12}, qRgb(0, 255, 0)},
      {"implicit lineto", Svg("<path d='M0 0 16 0 16 4 0 4z' fill='#000'/>"), {8, 2}, {8, 8}, qRgb(0, 0, 0)},
      {"group fill", Svg("<g fill='#ff0000'><circle cx='8' cy='8' r='4'/></g>"), {8, 8}, {1, 1}, qRgb(255, 0, 0)},
      {"polygon", Svg("<polygon points='0,0 16,0 0,16' fill='#00f'/>"), {3, 3}, {14, 14}, qRgb(0, 0, 255)},
      {"stroke only", Svg("<line x1='0' y1='8' x2='16' y2='8' stroke='#f00' stroke-width='4'/>"), {8, 8}, {8, 1},
       qRgb(255, 0, 0)},
      {"viewBox scaling",
       QByteArray("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 32 32'><rect width='16' height='32' "
                  "fill='#f00'/></svg>"),
       {4, 8}, {12, 8}, qRgb(255, 0, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    bool ok = false;
    const QImage image = Render(c.svg, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(image.pixel(c.inside), c.colour | 0xFF000000u);
    EXPECT_EQ(qAlpha(image.pixel(c.outside)), 0);
  }
}

TEST(SvgPicture, RefusesWhatIsNotAPicture) {
  for (const char* text : {"", "<html><body/></html>", "not xml at all"}) {
    SCOPED_TRACE(text);
    bool ok = true;
    const QImage image = Render(QByteArray(text), &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(qAlpha(image.pixel(8, 8)), 0);
  }
}

TEST(SvgPicture, EveryShippedIconDrawsSomething) {
  const QDir icons(QStringLiteral(TESSALY_SOURCE_DIR "/data/icons"));
  const QStringList names = icons.entryList({QStringLiteral("*.svg")}, QDir::Files);
  ASSERT_FALSE(names.isEmpty());
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    QFile file(icons.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    bool ok = false;
    const QImage image = Render(file.readAll(), &ok);
    EXPECT_TRUE(ok);
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) painted += qAlpha(image.pixel(x, y)) > 0;
    // A picture whose path broke off early covers only a sliver of the grid.
    EXPECT_GT(painted, 20);
  }
}

}  // namespace tessaly
