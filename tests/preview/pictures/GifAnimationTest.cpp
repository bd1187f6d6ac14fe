#include <gtest/gtest.h>

#include "GifWriter.h"
#include "platform/RecordingCanvas.h"
#include "preview/pictures/GifAnimation.h"
#include "preview/pictures/GifAnimationList.h"

namespace tessaly {
namespace {

using namespace tessaly::testing;

const TPalette kColors = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
constexpr TColor kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

TGifDecoder Decode(const std::string& data) {
  TGifDecoder decoder;
  decoder.Read(data);
  return decoder;
}

std::vector<TColor> Row(const TBitmap& strip, int y = 0) {
  std::vector<TColor> colors;
  for (int x = 0; x < strip.Width; ++x) colors.push_back(strip.Pixel(x, y));
  return colors;
}

std::vector<int> MaskRow(const TBitmap& strip, int y = 0) {
  std::vector<int> mask;
  for (int x = 0; x < strip.Width; ++x) mask.push_back(strip.Transparent(x, y) ? 1 : 0);
  return mask;
}

TEST(GifStrip, TransparentPixelsOfTheFirstFrameAreBlackAndMasked) {
  const TMaskedBitmap strip = ComposeGifStrip(
      Decode(GifHeader(3, 1, kColors) + GraphicControl(0, 0, 3) + ImageBlock({0, 0, 2, 1, {3, 1}}) + ";"));
  EXPECT_EQ(Row(strip), (std::vector<TColor>{clBlack, kRed, clBlack}));
  // The pixel no frame covered shows the page too.
  EXPECT_EQ(MaskRow(strip), (std::vector<int>{1, 0, 1}));
}

TEST(GifStrip, EachFrameStartsFromThePreviousResult) {
  const std::string data = GifHeader(3, 1, kColors) + ImageBlock({0, 0, 1, 1, {1}}) + ImageBlock({1, 0, 1, 1, {2}}) +
                           ImageBlock({2, 0, 1, 1, {3}}) + ";";
  const TMaskedBitmap strip = ComposeGifStrip(Decode(data));
  EXPECT_FALSE(strip.HasMask());
  EXPECT_EQ(Row(strip), (std::vector<TColor>{kRed, clBlack, clBlack, kRed, kGreen, clBlack, kRed, kGreen, kBlue}));
}

TEST(GifStrip, DisposalDecidesWhatTheNextFrameShowsOfThePrevious) {
  struct Case {
    int disposal;           // as stored in the graphic control block
    bool transparency;      // the GIF has a transparent index
    std::vector<int> mask;  // the second frame's mask
  };
  const Case cases[] = {
      {0, true, {0, 0}}, {1, true, {0, 0}}, {2, true, {1, 1}},
      {3, true, {0, 0}}, {6, true, {1, 1}},  // only the low two bits count
      {7, true, {0, 0}}, {2, false, {}},
  };
  for (const Case& c : cases) {
    const int transparent = c.transparency ? 3 : -1;
    const std::string data = GifHeader(2, 1, kColors) + GraphicControl(c.disposal, 0, transparent) +
                             ImageBlock({0, 0, 2, 1, {1, 2}}) + GraphicControl(0, 0, transparent) +
                             ImageBlock({1, 0, 1, 1, {3}}) + ";";
    const TMaskedBitmap strip = ComposeGifStrip(Decode(data));
    // The pixels stay; with a mask the disposed area shows the page.
    EXPECT_EQ(strip.Pixel(2, 0), kRed) << "disposal " << c.disposal;
    EXPECT_EQ(strip.Pixel(3, 0), c.transparency ? kGreen : kBlue) << "disposal " << c.disposal;
    const std::vector<int> mask = MaskRow(strip);
    EXPECT_EQ(strip.HasMask() ? std::vector<int>(mask.begin() + 2, mask.end()) : std::vector<int>{}, c.mask)
        << "disposal " << c.disposal;
  }
}

TEST(GifStrip, FramesReachingPastTheScreenAreCut) {
  const std::string data =
      GifHeader(2, 2, kColors) + ImageBlock({1, 1, 3, 2, {1, 2, 3, 3, 3, 3}}) + ImageBlock({0, 0, 1, 1, {2}}) + ";";
  const TMaskedBitmap strip = ComposeGifStrip(Decode(data));
  EXPECT_EQ(Row(strip, 1), (std::vector<TColor>{clBlack, kRed, clBlack, kRed}));
  EXPECT_EQ(Row(strip, 0), (std::vector<TColor>{clBlack, clBlack, kGreen, clBlack}));
}

TEST(GifStrip, AnEmptyLogicalScreenCannotBeShown) {
  const TGifDecoder gif = Decode(GifHeader(0, 0, kColors) + ImageBlock({0, 0, 1, 1, {1}}) + ";");
  EXPECT_THROW(ComposeGifStrip(gif), EGifDecoderError);
}

TEST(GifFrames, DelayIsAtLeast30MsAndDisposalKeepsTwoBits) {
  const std::string data = GifHeader(1, 1, kColors) + GraphicControl(0, 0) + ImageBlock({0, 0, 1, 1, {1}}) +
                           GraphicControl(5, 2) + ImageBlock({0, 0, 1, 1, {1}}) + GraphicControl(1, 3) +
                           ImageBlock({0, 0, 1, 1, {1}}) + GraphicControl(3, 5) + ImageBlock({0, 0, 1, 1, {1}}) +
                           ImageBlock({0, 0, 1, 1, {1}}) + ";";
  std::vector<std::pair<int, int>> got;
  for (const TGifFrame& frame : GifFrames(Decode(data))) got.emplace_back(frame.Delay, frame.Disposal);
  EXPECT_EQ(got, (std::vector<std::pair<int, int>>{{30, 0}, {30, 1}, {30, 1}, {50, 3}, {30, 0}}));
}

// Three frames of 100, 200 and 300 ms.
std::string ThreeFrames(int loop) {
  std::string data = GifHeader(2, 1, kColors);
  if (loop >= 0) data += NetscapeLoop(loop);
  for (int i = 1; i <= 3; ++i) data += GraphicControl(0, i * 10) + ImageBlock({0, 0, 2, 1, {uint8_t(i), 0}});
  return data + ";";
}

// The frame shown after each of the given times, with the animation started at 0.
std::vector<int> FramesAt(TGifAnimation& animation, const std::vector<int64_t>& times) {
  std::vector<int> frames;
  animation.StartAnimating(0);
  for (int64_t t : times) {
    animation.Advance(t);
    frames.push_back(animation.CurrentFrame());
  }
  return frames;
}

TEST(GifAnimation, StepsWhenTheFrameDelayHasPassed) {
  TGifAnimation animation(Decode(ThreeFrames(-1)));
  EXPECT_EQ(FramesAt(animation, {50, 100, 250, 300, 599, 600, 650, 700}), (std::vector<int>{1, 2, 2, 3, 3, 1, 1, 2}));
  EXPECT_EQ(animation.CurrentIteration(), 2);
}

TEST(GifAnimation, LoopCountPlaysThatManyTimesAndStopsOnTheLastFrame) {
  struct Case {
    int loop;  // NETSCAPE count, -1 for none
    int stored;
    bool stillAnimating;
  };
  for (const Case& c : {Case{2, 2, false}, Case{1, 1, false}, Case{0, 0, true}, Case{-1, 0, true}}) {
    TGifAnimation animation(Decode(ThreeFrames(c.loop)));
    EXPECT_EQ(animation.LoopCount(), c.stored);
    std::vector<int64_t> ticks;
    for (int64_t t = 50; t <= 3000; t += 50) ticks.push_back(t);
    const std::vector<int> frames = FramesAt(animation, ticks);
    EXPECT_EQ(animation.Animating(), c.stillAnimating) << "loop " << c.loop;
    if (!c.stillAnimating) {
      EXPECT_EQ(animation.CurrentFrame(), 3);
      EXPECT_EQ(std::count(frames.begin(), frames.end(), 1) > 0, true);
      // Each pass ends on frame 3; it is entered once per pass.
      int passes = 0;
      for (size_t i = 0; i < frames.size(); ++i) passes += frames[i] == 3 && (i == 0 || frames[i - 1] != 3);
      EXPECT_EQ(passes, c.loop) << "loop " << c.loop;
    }
  }
}

TEST(GifAnimation, ZeroDelaysAnimateEvery30Ms) {
  std::string data = GifHeader(1, 1, kColors);
  for (int i = 0; i < 3; ++i) data += GraphicControl(0, 0) + ImageBlock({0, 0, 1, 1, {1}});
  TGifAnimation animation(Decode(data + ";"));
  EXPECT_EQ(FramesAt(animation, {29, 30, 59, 60}), (std::vector<int>{1, 2, 2, 3}));
}

TEST(GifAnimation, CopiesShareTheStripAndKeepTheirOwnPosition) {
  TGifAnimation original(Decode(ThreeFrames(2)));
  original.SetCurrentFrame(3);
  const std::unique_ptr<TGifAnimation> copy = original.MakeCopy();
  EXPECT_EQ(&copy->Strip(), &original.Strip());
  EXPECT_TRUE(copy->IsCopy());
  EXPECT_FALSE(original.IsCopy());
  EXPECT_EQ(copy->CurrentFrame(), 1);
  EXPECT_EQ(copy->CurrentIteration(), 1);
  EXPECT_EQ(copy->NumFrames(), 3);
  EXPECT_EQ(copy->LoopCount(), 2);
  EXPECT_EQ(copy->Width(), 2);
  EXPECT_EQ(original.CurrentFrame(), 3);
}

TEST(GifAnimation, DrawsTheCurrentFrameSliceThroughTheMask) {
  const std::string data = GifHeader(2, 1, kColors) + GraphicControl(0, 0, 0) + ImageBlock({0, 0, 2, 1, {1, 0}}) +
                           ImageBlock({0, 0, 2, 1, {2, 2}}) + ";";
  TGifAnimation animation(Decode(data));
  EXPECT_TRUE(animation.Transparent());
  animation.SetCurrentFrame(2);
  RecordingCanvas canvas;
  animation.Draw(canvas, {10, 10, 30, 20});
  ASSERT_EQ(canvas.Log.size(), 1u);
  EXPECT_EQ(canvas.Log[0], "bitmap 4x1 masked (2,0)-(4,1) -> (10,10)-(30,20)");
  EXPECT_EQ(animation.PaintRect(), (TRect{10, 10, 30, 20}));
}

TEST(GifAnimationList, TicksInvalidateImagesWhoseFrameChanged) {
  TGifAnimation first(Decode(ThreeFrames(-1)));
  TGifAnimation second(Decode(ThreeFrames(-1)));
  RecordingCanvas canvas;
  first.Draw(canvas, {0, 0, 2, 1});
  second.Draw(canvas, {5, 5, 7, 6});
  TGifAnimationList list;
  std::vector<TRect> invalidated;
  list.OnInvalidate = [&](const TRect& r) { invalidated.push_back(r); };
  list.Add(first);
  list.Add(second);
  list.Add(first);
  list.Restart(1000);
  second.SetCurrentFrame(3);  // 300 ms to wait
  list.Tick(1100);
  EXPECT_EQ(invalidated, (std::vector<TRect>{{0, 0, 2, 1}}));
  list.Remove(first);
  list.Tick(1300);
  EXPECT_EQ(invalidated.size(), 2u);
  EXPECT_EQ(second.CurrentFrame(), 1);
  EXPECT_EQ(first.CurrentFrame(), 2);
}

TEST(GifAnimationList, HoverImagesAnimateOnlyUnderThePointer) {
  std::string twoFrames = GifHeader(1, 1, kColors);
  for (int i = 0; i < 2; ++i) twoFrames += ImageBlock({0, 0, 1, 1, {1}});
  TGifAnimation swap(Decode(twoFrames + ";"));
  TGifAnimation longer(Decode(ThreeFrames(-1)));
  TGifAnimationList list;
  int invalidations = 0;
  list.OnInvalidate = [&](const TRect&) { ++invalidations; };

  list.PointerEntered(swap, 0);
  EXPECT_EQ(swap.CurrentFrame(), 2);
  EXPECT_FALSE(swap.Animating());
  EXPECT_FALSE(list.Contains(swap));
  list.PointerLeft(swap);
  EXPECT_EQ(swap.CurrentFrame(), 1);

  list.PointerEntered(longer, 0);
  EXPECT_TRUE(longer.Animating());
  EXPECT_TRUE(list.Contains(longer));
  list.Tick(100);
  EXPECT_EQ(longer.CurrentFrame(), 2);
  list.PointerLeft(longer);
  EXPECT_FALSE(longer.Animating());
  EXPECT_EQ(longer.CurrentFrame(), 1);
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(invalidations, 4);
}

TEST(ReadGif, FailuresGiveNothingAndStillnessIsReported) {
  bool still = true;
  EXPECT_EQ(ReadGifFromMemory("GIF89a\x01", still), nullptr);
  EXPECT_EQ(ReadGifFromFile("/nonexistent/picture.gif", still), nullptr);
  EXPECT_NE(ReadGifFromMemory(StillGif(1, 1, {1}, kColors), still), nullptr);
  EXPECT_TRUE(still);
  EXPECT_NE(ReadGifFromMemory(ThreeFrames(0), still), nullptr);
  EXPECT_FALSE(still);
}

}  // namespace
}  // namespace tessaly

namespace tessaly {
namespace {

// A long animation keeps its first frames rather than failing altogether.
TEST(GifStrip, ALongAnimationKeepsTheFramesThatFit) {
  const std::string frame = testing::ImageBlock({0, 0, 4096, 2048, {1}});
  std::string data = testing::GifHeader(4096, 4096, kColors);
  for (int i = 0; i < 9; ++i) data += frame;
  const TGifDecoder gif = Decode(data + ";");
  EXPECT_EQ(gif.Images().size(), 8u) << "the ninth frame's pixels pass the limit";
  EXPECT_EQ(GifStripFrameCount(gif), 4) << "four screens fill the strip";
}

}  // namespace
}  // namespace tessaly
