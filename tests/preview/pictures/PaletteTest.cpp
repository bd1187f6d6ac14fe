#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "preview/pictures/ColorLookup.h"
#include "preview/pictures/ColorQuantizer.h"
#include "preview/pictures/ColorReduction.h"
#include "preview/pictures/DitherEngine.h"

namespace tessaly {
namespace {

TBitmap Flat(int width, int height, TColor color) { return TBitmap(width, height, color); }

std::vector<int> Indexes(const TIndexedPicture& picture) {
  return std::vector<int>(picture.Indexes.begin(), picture.Indexes.end());
}

bool InPalette(const TBitmap& bitmap, const TPalette& palette) {
  for (int y = 0; y < bitmap.Height; ++y) {
    for (int x = 0; x < bitmap.Width; ++x) {
      const TColor c = bitmap.Pixel(x, y);
      if (std::none_of(palette.begin(), palette.end(), [&](const TPaletteEntry& e) { return e.Color() == c; })) {
        return false;
      }
    }
  }
  return true;
}

// Scoped display depth for the tests that depend on it.
struct DepthGuard {
  explicit DepthGuard(TDisplayDepthClass depth) { SetDisplayDepthClass(depth); }
  ~DepthGuard() { SetDisplayDepthClass(ddc24Bit); }
};

TEST(SharedPalette, LayoutOfStaticColoursCubeAndGreys) {
  const TPalette& p = SharedPaletteLayout();
  ASSERT_EQ(p.size(), 256u);
  const TPalette& statics = SystemStaticColors();
  EXPECT_TRUE(std::equal(statics.begin(), statics.begin() + 10, p.begin()));
  EXPECT_TRUE(std::equal(statics.begin() + 10, statics.end(), p.begin() + 246));
  struct Entry {
    int index;
    TPaletteEntry color;
  };
  for (const Entry& e : {Entry{10, {55, 55, 55}}, Entry{11, {115, 55, 55}}, Entry{16, {55, 115, 55}},
                         Entry{46, {55, 55, 115}}, Entry{224, {235, 255, 255}}, Entry{225, {135, 135, 135}},
                         Entry{231, {170, 170, 170}}, Entry{245, {250, 250, 250}}}) {
    EXPECT_EQ(p[e.index], e.color) << "index " << e.index;
  }
  EXPECT_EQ(std::count(p.begin(), p.end(), TPaletteEntry{255, 255, 255}), 1);
}

TEST(SharedPalette, ExistsOnlyOnEightBitDisplays) {
  EXPECT_EQ(SharedPalette(), nullptr);
  {
    DepthGuard depth(ddc8Bit);
    EXPECT_EQ(SharedPalette(), &SharedPaletteLayout());
  }
  DepthGuard depth(ddc4Bit);
  EXPECT_EQ(SharedPalette(), nullptr);
}

TEST(WebCubeColorLookup, LevelsIndexesAndColours) {
  struct Case {
    TPaletteEntry in;
    int index;
    TPaletteEntry used;
  };
  const Case cases[] = {
      {{0, 0, 0}, 0, {0, 0, 0}},     {{255, 255, 255}, 215, {255, 255, 255}}, {{47, 0, 0}, 0, {0, 0, 0}},
      {{48, 0, 0}, 36, {51, 0, 0}},  {{127, 128, 0}, 84, {102, 102, 0}},      {{0, 0, 200}, 3, {0, 0, 153}},
      {{0, 0, 201}, 4, {0, 0, 204}},
  };
  TWebCubeColorLookup lookup;
  for (const Case& c : cases) {
    TPaletteEntry used;
    EXPECT_EQ(lookup.Lookup(c.in.Red, c.in.Green, c.in.Blue, used), c.index);
    EXPECT_EQ(used, c.used);
    EXPECT_EQ(WebCubePalette()[c.index], c.used);
  }
}

TEST(FastColorLookup, PresetFirstEntryNearestByAbsoluteDifferencesAndFirstUseWins) {
  const TPalette palette = {{0, 0, 0}, {100, 0, 0}, {0, 100, 0}, {3, 3, 3}};
  TPaletteEntry used;
  {
    TFastColorLookup lookup(palette);
    EXPECT_EQ(lookup.Lookup(3, 3, 3, used), 0) << "the first entry of a key is preset";
    EXPECT_EQ(lookup.Lookup(100, 100, 0, used), 1) << "equal distances: the first entry";
    EXPECT_EQ(lookup.Lookup(63, 56, 0, used), 1);
    EXPECT_EQ(used, (TPaletteEntry{100, 0, 0}));
    EXPECT_EQ(lookup.Lookup(56, 63, 0, used), 1) << "same key: the remembered entry";
  }
  TFastColorLookup fresh(palette);
  EXPECT_EQ(fresh.Lookup(56, 63, 0, used), 2);
}

// The ramp's grey 250 shares pure white's key and comes first in the
// palette, so it takes the key before the static white.
TEST(FastColorLookup, PureWhiteOnTheSharedPaletteTakesTheFirstEntryOfItsKey) {
  TFastColorLookup lookup(SharedPaletteLayout());
  TPaletteEntry used;
  EXPECT_EQ(lookup.Lookup(255, 255, 255, used), 245);
  EXPECT_EQ(used, (TPaletteEntry{250, 250, 250}));
}

// Grey 100 over black and white, worked by hand: the second row runs right to
// left and starts with the errors the first row left below.
TEST(FloydSteinberg, SerpentineDiffusionGivesTheWorkedIndexes) {
  const TPalette blackWhite = {{0, 0, 0}, {255, 255, 255}};
  TFastColorLookup lookup(blackWhite);
  TFloydSteinbergEngine engine(lookup, 4);
  std::vector<int> indexes(8);
  for (int y = 0; y < 2; ++y) {
    for (int i = 0; i < 4; ++i) {
      const int x = engine.Column();
      indexes[y * 4 + x] = engine.Dither(100, 100, 100);
    }
    engine.NextLine();
  }
  EXPECT_EQ(indexes, (std::vector<int>{0, 1, 0, 0, 1, 0, 0, 1}));
}

// The same diffusion written plainly over a whole error plane.
std::vector<int> ReferenceFloydSteinberg(const TBitmap& picture, const TPalette& palette) {
  const int w = picture.Width, h = picture.Height;
  std::vector<std::array<int, 3>> errors(static_cast<size_t>(w + 2) * (h + 1));
  auto err = [&](int x, int y) -> std::array<int, 3>& { return errors[static_cast<size_t>(y) * (w + 2) + x + 1]; };
  TFastColorLookup lookup(palette);
  std::vector<int> result(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    const int dir = y % 2 == 0 ? 1 : -1;
    for (int i = 0; i < w; ++i) {
      const int x = dir > 0 ? i : w - 1 - i;
      const TColor c = picture.Pixel(x, y);
      const int source[3] = {GetRValue(c), GetGValue(c), GetBValue(c)};
      int value[3];
      for (int k = 0; k < 3; ++k) value[k] = std::clamp(source[k] + (err(x, y)[k] + 8) / 16, 0, 255);
      TPaletteEntry used;
      result[static_cast<size_t>(y) * w + x] = lookup.Lookup(value[0], value[1], value[2], used);
      const int got[3] = {used.Red, used.Green, used.Blue};
      for (int k = 0; k < 3; ++k) {
        const int d = value[k] - got[k];
        if (x + dir >= 0 && x + dir < w) err(x + dir, y)[k] += 7 * d;
        err(x - dir, y + 1)[k] += 3 * d;
        err(x, y + 1)[k] += 5 * d;
        err(x + dir, y + 1)[k] += d;
      }
    }
  }
  return result;
}

TEST(FloydSteinberg, MatchesAPlainErrorPlaneOnARandomPicture) {
  std::mt19937 random(7);
  TBitmap picture(37, 23);
  for (uint8_t& byte : picture.Pixels) byte = static_cast<uint8_t>(random());
  for (const TPalette& palette : {SystemStaticColors(), SharedPaletteLayout()}) {
    const std::optional<TIndexedPicture> reduced =
        Reduce(picture, palette.size() == 20 ? rmSystemPalette : rmSharedPalette, dmFloydSteinberg);
    EXPECT_EQ(Indexes(*reduced), ReferenceFloydSteinberg(picture, palette)) << palette.size() << " colours";
  }
}

TEST(Reduce, FlatColoursOfThePaletteStayFlat) {
  struct Case {
    TReductionMode mode;
    TColor color;
    int index;
  };
  for (const Case& c :
       {Case{rmWebCube, RGB(102, 153, 204), 94}, Case{rmSharedPalette, RGB(115, 165, 205), 10 + 1 + 12 + 108},
        Case{rmSystemPalette, RGB(192, 220, 192), 8}}) {
    for (const TDitherMode dither : {dmNearest, dmFloydSteinberg}) {
      const std::optional<TIndexedPicture> reduced = Reduce(Flat(9, 7, c.color), c.mode, dither);
      ASSERT_TRUE(reduced.has_value());
      EXPECT_EQ(Indexes(*reduced), std::vector<int>(63, c.index)) << "mode " << c.mode << " dither " << dither;
    }
  }
}

TEST(Reduce, ModesChooseTheirPalettes) {
  TBitmap picture(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) picture.SetPixel(x, y, RGB(x * 16, y * 16, 128));
  EXPECT_FALSE(Reduce(picture, rmNone, dmNearest).has_value());
  struct Case {
    TReductionMode mode;
    size_t size;
  };
  for (const Case& c :
       {Case{rmSystemPalette, 20}, Case{rmWebCube, 216}, Case{rmSharedPalette, 256}, Case{rmOptimized, 256}}) {
    const std::optional<TIndexedPicture> reduced = Reduce(picture, c.mode, dmNearest);
    EXPECT_EQ(reduced->Palette.size(), c.size) << "mode " << c.mode;
    EXPECT_TRUE(InPalette(reduced->ToBitmap(), reduced->Palette));
  }
}

TEST(Reduce, OptimizedPaletteKeepsThePicturesOwnColoursBetweenTheStaticOnes) {
  TBitmap picture(3, 1);
  picture.SetPixel(0, 0, RGB(255, 0, 0));
  picture.SetPixel(1, 0, RGB(0, 255, 0));
  picture.SetPixel(2, 0, RGB(0, 0, 255));
  const TPalette palette = OptimizedPalette(picture);
  ASSERT_EQ(palette.size(), 256u);
  // Tree order: blue (child 1), green (2), red (4); black fills the rest.
  EXPECT_EQ(palette[10], (TPaletteEntry{0, 0, 255}));
  EXPECT_EQ(palette[11], (TPaletteEntry{0, 255, 0}));
  EXPECT_EQ(palette[12], (TPaletteEntry{255, 0, 0}));
  EXPECT_EQ(palette[13], (TPaletteEntry{0, 0, 0}));
  EXPECT_EQ(palette[255], (TPaletteEntry{255, 255, 255}));
  EXPECT_EQ(Indexes(*Reduce(picture, rmOptimized, dmFloydSteinberg)), (std::vector<int>{12, 11, 10}));
}

TEST(ColorQuantizer, MergesTheDeepestBranchesAndAveragesTheirPixels) {
  TColorQuantizer quantizer(2, 8);
  quantizer.AddColor(0, 0, 0);
  quantizer.AddColor(0, 0, 3);
  quantizer.AddColor(255, 255, 255);
  quantizer.AddColor(255, 255, 255);
  EXPECT_EQ(quantizer.LeafCount(), 2);
  EXPECT_EQ(quantizer.Palette(), (TPalette{{0, 0, 1}, {255, 255, 255}}));

  std::mt19937 random(3);
  TColorQuantizer many(16, 8);
  for (int i = 0; i < 5000; ++i) many.AddColor(random(), random(), random());
  EXPECT_LE(many.LeafCount(), 16);
  EXPECT_EQ(many.Palette().size(), static_cast<size_t>(many.LeafCount()));
}

TEST(PreparePicture, ReducesOnlyForSmallDisplaysAndKeepsTheMask) {
  TBitmap picture(8, 8);
  for (int i = 0; i < 64; ++i) picture.SetPixel(i % 8, i / 8, RGB(i * 4, 255 - i * 4, i * 2));
  picture.Mask.assign(64, 0);
  picture.Mask[5] = 1;
  EXPECT_EQ(PreparePicture(picture, ddc24Bit).Pixels, picture.Pixels);
  const TBitmap eight = PreparePicture(picture, ddc8Bit);
  EXPECT_TRUE(InPalette(eight, SharedPaletteLayout()));
  EXPECT_EQ(eight.Mask, picture.Mask);
  EXPECT_TRUE(InPalette(PreparePicture(picture, ddc4Bit), SystemStaticColors()));
}

}  // namespace
}  // namespace tessaly
