#include "qt/QtCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// Whether any column of [from, to) holds ink.
bool InkBetween(const std::vector<int>& ink, int from, int to) {
  return std::any_of(ink.begin(), ink.end(), [&](int x) { return x >= from && x < to; });
}

TEST(QtCanvas, GridTextGivesWideCharactersTwoCells) {
  const int cell = 14;
  struct Case {
    const char* name;
    const char* utf8;
    std::vector<std::pair<int, int>> inked;  // cell ranges that must hold ink
    std::pair<int, int> blank;               // a cell range that must not
  };
  const Case cases[] = {
      {"plain letters and a wide one", "a\xE4\xB8\xAD\xC3\xA9 x", {{0, 1}, {1, 3}, {3, 4}, {5, 6}}, {4, 5}},
      {"an emoji after a blank", " \xF0\x9F\x98\x80z", {{1, 3}, {3, 4}}, {0, 1}},
      {"right-to-left letters stay in logical order", "\xD7\xA9\xD7\x9C  \xD8\xB3\xD9\x84",
       {{0, 1}, {1, 2}, {4, 5}, {5, 6}}, {2, 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QImage image = PaintImage([&](TCanvas& canvas) {
      canvas.SetFont({"Courier New", -13, 0, DEFAULT_CHARSET, clBlack});
      canvas.SetTextColor(clBlack);
      canvas.SetTextBackground(clWhite, false);
      canvas.GridTextOut(0, 0, 0, {0, 0, 200, 20}, c.utf8, cell);
    });
    const std::vector<int> ink = InkColumns(image, 0, 20);
    for (const auto& [from, to] : c.inked) EXPECT_TRUE(InkBetween(ink, from * cell, to * cell)) << "cells " << from;
    EXPECT_FALSE(InkBetween(ink, c.blank.first * cell + 2, c.blank.second * cell - 2));
  }
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
