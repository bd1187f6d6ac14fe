#pragma once
// A GIF as the preview shows it: the composed strip, the frame records and
// the animation state. Further IMG elements of a cached GIF get copies that
// share the strip and keep their own frame position.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"
#include "preview/pictures/GifStrip.h"
#include "preview/pictures/Palette.h"

namespace tessaly {

// The system millisecond clock the animations are timed with.
int64_t MillisecondClock();

class TGifAnimation {
public:
  // Composes the strip of a decoded GIF; EGifDecoderError when it cannot.
  explicit TGifAnimation(const TGifDecoder& decoder);

  // A copy for a further IMG element: shares the strip, frame 1, iteration 1.
  std::unique_ptr<TGifAnimation> MakeCopy() const;

  int NumFrames() const { return static_cast<int>(frames_.size()); }
  bool Animated() const { return frames_.size() > 1; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int LoopCount() const { return loopCount_; }  // 0 = endless
  bool Transparent() const { return strip_->HasMask(); }
  bool IsCopy() const { return isCopy_; }
  const std::vector<TGifFrame>& Frames() const { return frames_; }

  const TMaskedBitmap& Strip() const { return *strip_; }
  std::shared_ptr<const TMaskedBitmap> SharedStrip() const { return strip_; }
  // The shared palette when the strip was made for a 256-colour display.
  const TPalette* Palette() const { return palette_; }

  int CurrentFrame() const { return currentFrame_; }  // 1-based
  void SetCurrentFrame(int frame);
  int CurrentIteration() const { return iteration_; }
  // The current frame's slice of the strip.
  TRect FrameRect() const;

  // Draws the current frame stretched to `dest`, through the mask when
  // transparent, and remembers `dest`.
  void Draw(TCanvas& canvas, const TRect& dest);
  const TRect& PaintRect() const { return paintRect_; }

  bool Animating() const { return animating_; }
  void StartAnimating(int64_t now);
  void StopAnimating() { animating_ = false; }
  // One timer tick: moves to the next frame when the current one has shown
  // long enough. True when the frame changed (PaintRect() needs repainting).
  bool Advance(int64_t now);

private:
  TGifAnimation() = default;

  std::shared_ptr<const TMaskedBitmap> strip_;
  const TPalette* palette_ = nullptr;
  std::vector<TGifFrame> frames_;
  int width_ = 0;
  int height_ = 0;
  int loopCount_ = 0;
  bool isCopy_ = false;

  int currentFrame_ = 1;
  int iteration_ = 1;
  bool animating_ = false;
  int64_t lastChange_ = 0;
  int currentDelay_ = 0;
  TRect paintRect_;
};

// Decodes and composes a GIF; EGifDecoderError (or EFOpenError for a file)
// on failure.
std::unique_ptr<TGifAnimation> ReadGif(std::string_view data);

// As the preview reads GIFs: nothing on any failure, so the caller shows the
// error picture. `still` tells whether the result has fewer than two frames.
std::unique_ptr<TGifAnimation> ReadGifFromMemory(std::string_view data, bool& still);
std::unique_ptr<TGifAnimation> ReadGifFromFile(const std::string& fileName, bool& still);

}  // namespace tessaly
