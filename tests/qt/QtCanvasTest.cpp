#include "qt/QtCanvas.h"

#include <gtest/gtest.h>

#include <QImage>

#include "qt/Cp1251Text.h"

namespace tessaly {
namespace {

// Paints on a white 200 x 60 image through the canvas.
template <typename Paint>
QImage PaintImage(Paint paint) {
  QImage image(200, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QtCanvas canvas(painter, {0, 0, 200, 60});
  paint(canvas);
  painter.end();
  return image;
}

// Columns of the image that hold a pixel other than white.
std::vector<int> InkColumns(const QImage& image, int top, int bottom) {
  std::vector<int> columns;
  for (int x = 0; x < image.width(); ++x)
    for (int y = top; y < bottom; ++y)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) {
        columns.push_back(x);
        break;
      }
  return columns;
}

TEST(Cp1251Text, ConvertsBothWays) {
  const std::string bytes = "\xCF\xF0\xE8\xE2\xE5\xF2 \xB9\x98";
  EXPECT_EQ(QStringFromCp1251(bytes), QString::fromUtf8("Привет №\u0098"));
  bool lossless = false;
  EXPECT_EQ(Cp1251FromQString(QStringFromCp1251(bytes), &lossless), bytes);
  EXPECT_TRUE(lossless);
  EXPECT_EQ(Cp1251FromQString(QString::fromUtf8("a€中😀"), &lossless), "a\x88??");
  EXPECT_FALSE(lossless);
}

TEST(QtCanvas, FillsFramesAndClips) {
  const QImage image = PaintImage([](TCanvas& canvas) {
    canvas.SetBrush(RGB(255, 0, 0), TBrushStyle::bsSolid);
    canvas.FillRect({0, 0, 10, 10});
    canvas.SetBrush(clBlue, TBrushStyle::bsSolid);
    canvas.FrameRect({20, 0, 30, 10});
    canvas.SaveState();
    canvas.IntersectClipRect({40, 0, 45, 10});
    canvas.SetBrush(clLime, TBrushStyle::bsSolid);
    canvas.FillRect({40, 0, 60, 10});
    canvas.RestoreState();
    canvas.SetBrush(clInfoBk, TBrushStyle::bsSolid);
    canvas.FillRect({60, 0, 70, 10});
  });
  EXPECT_EQ(image.pixel(9, 9), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(10, 10), qRgb(255, 255, 255)) << "right and bottom edges are outside";
  EXPECT_EQ(image.pixel(20, 5), qRgb(0, 0, 255));
  EXPECT_EQ(image.pixel(29, 5), qRgb(0, 0, 255));
  EXPECT_EQ(image.pixel(25, 5), qRgb(255, 255, 255)) << "a frame leaves the inside";
  EXPECT_EQ(image.pixel(44, 5), qRgb(0, 255, 0));
  EXPECT_EQ(image.pixel(45, 5), qRgb(255, 255, 255)) << "clipped";
  EXPECT_EQ(image.pixel(65, 5), qRgb(255, 255, 225)) << "system colours resolve";
}

TEST(QtCanvas, FixedAdvancePutsEveryByteInItsCell) {
  const int advance = 14;  // wider than the font's own advance
  const QImage image = PaintImage([&](TCanvas& canvas) {
    canvas.SetFont({"Courier New", -13, 0, DEFAULT_CHARSET, clBlack});
    canvas.SetTextColor(clBlack);
    canvas.SetTextBackground(clWhite, false);
    canvas.ExtTextOut(0, 0, 0, {0, 0, 200, 20}, "\xC6\t\xC6", advance);
  });
  const std::vector<int> ink = InkColumns(image, 0, 20);
  ASSERT_FALSE(ink.empty());
  EXPECT_LT(ink.front(), advance);
  for (int x : ink) EXPECT_TRUE(x < advance || x >= 2 * advance) << "the tab cell stays blank, column " << x;
  EXPECT_GE(ink.back(), 2 * advance);
}

TEST(QtCanvas, OpaqueTextFillsItsRectangleAndMetricsAddUp) {
  QImage image(100, 40, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QtCanvas canvas(painter, {0, 0, 100, 40});
  canvas.SetFont({"Courier New", -13, fsBold, DEFAULT_CHARSET, clBlack});
  const TTextMetrics metrics = canvas.TextMetrics();
  EXPECT_EQ(metrics.Ascent + metrics.Descent, metrics.Height);
  EXPECT_GT(metrics.AveCharWidth, 0);
  EXPECT_EQ(canvas.TextExtent("abcd").cx, 2 * canvas.TextExtent("ab").cx) << "a fixed-pitch face";
  canvas.SetTextColor(clWhite);
  canvas.SetTextBackground(clNavy, true);
  canvas.ExtTextOut(0, 0, etoOpaque, {0, 0, 50, 20}, "", 0);
  painter.end();
  EXPECT_EQ(image.pixel(49, 19), qRgb(0, 0, 128));
  EXPECT_EQ(image.pixel(50, 19), qRgb(255, 255, 255));
}

TEST(QtCanvas, BitmapsKeepTheirMaskedPixels) {
  TBitmap bitmap(2, 1, clRed);
  bitmap.Mask = {0, 1};
  const QImage image = PaintImage([&](TCanvas& canvas) { canvas.DrawBitmap(bitmap, {0, 0, 2, 1}, {0, 0, 20, 10}); });
  EXPECT_EQ(image.pixel(5, 5), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(15, 5), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace tessaly
