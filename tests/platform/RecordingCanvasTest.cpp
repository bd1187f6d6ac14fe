#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(RecordingCanvas, FixedMetricsAndReadableLog) {
  RecordingCanvas canvas(8, 16);
  EXPECT_EQ(canvas.TextExtent("abc"), (TSize{24, 16}));
  const TTextMetrics metrics = canvas.TextMetrics();
  EXPECT_EQ(metrics.Ascent + metrics.Descent, metrics.Height);

  canvas.SetBrush(clInfoBk, TBrushStyle::bsSolid);
  canvas.FillRect({0, 0, 10, 20});
  canvas.SetTextColor(RGB(0, 0, 255));
  canvas.SetTextBackground(clWhite, false);
  canvas.TextOut(2, 3, "hi");
  canvas.ExtTextOut(0, 0, etoOpaque | etoClipped, {0, 0, 16, 16}, "ab", 8);
  EXPECT_EQ(canvas.Log, (std::vector<std::string>{
                            "fill (0,0)-(10,20) sys:24",
                            "text (2,3) \"hi\" 0,0,255",
                            "exttext (0,0) \"ab\" 0,0,255 opaque (0,0)-(16,16) 255,255,255 clipped (0,0)-(16,16) advance 8",
                        }));
}

TEST(RecordingCanvas, ClipStackRestoresEarlierClip) {
  RecordingCanvas canvas(8, 16, {0, 0, 100, 100});
  canvas.SaveState();
  canvas.IntersectClipRect({10, 10, 200, 50});
  EXPECT_EQ(canvas.ClipRect(), (TRect{10, 10, 100, 50}));
  canvas.RestoreState();
  EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 100, 100}));
}

TEST(Graphics, SystemColoursResolveToPlainOnes) {
  EXPECT_EQ(ColorToRGB(clWindow), clWhite);
  EXPECT_EQ(ColorToRGB(clInfoBk), RGB(255, 255, 225));
  EXPECT_EQ(ColorToRGB(RGB(1, 2, 3)), RGB(1, 2, 3));
  EXPECT_EQ(IntersectRect({0, 0, 5, 5}, {6, 6, 9, 9}), TRect{});
  EXPECT_EQ(UnionRect({}, {1, 1, 2, 2}), (TRect{1, 1, 2, 2}));
}

}  // namespace
}  // namespace tessaly
