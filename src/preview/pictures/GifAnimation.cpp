#include "preview/pictures/GifAnimation.h"

#include <algorithm>
#include <chrono>
#include <new>

#include "platform/Files.h"

namespace tessaly {

int64_t MillisecondClock() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TGifAnimation::TGifAnimation(const TGifDecoder& decoder)
    : strip_(std::make_shared<const TMaskedBitmap>(ComposeGifStrip(decoder))),
      palette_(SharedPalette()),
      frames_(GifFrames(decoder)),
      width_(decoder.LogicalScreen().Width),
      height_(decoder.LogicalScreen().Height),
      loopCount_(std::max(0, decoder.LoopCount())) {
  frames_.resize(static_cast<size_t>(GifStripFrameCount(decoder)));
}

std::unique_ptr<TGifAnimation> TGifAnimation::MakeCopy() const {
  std::unique_ptr<TGifAnimation> copy(new TGifAnimation);
  copy->strip_ = strip_;
  copy->palette_ = palette_;
  copy->frames_ = frames_;
  copy->width_ = width_;
  copy->height_ = height_;
  copy->loopCount_ = loopCount_;
  copy->isCopy_ = true;
  return copy;
}

void TGifAnimation::SetCurrentFrame(int frame) {
  currentFrame_ = std::clamp(frame, 1, NumFrames());
  currentDelay_ = frames_[currentFrame_ - 1].Delay;
}

TRect TGifAnimation::FrameRect() const { return {(currentFrame_ - 1) * width_, 0, currentFrame_ * width_, height_}; }

void TGifAnimation::Draw(TCanvas& canvas, const TRect& dest) {
  canvas.DrawBitmap(*strip_, FrameRect(), dest);
  paintRect_ = dest;
}

void TGifAnimation::StartAnimating(int64_t now) {
  animating_ = true;
  lastChange_ = now;
  currentDelay_ = frames_[currentFrame_ - 1].Delay;
}

bool TGifAnimation::Advance(int64_t now) {
  if (!animating_ || now - lastChange_ < currentDelay_) return false;
  if (currentFrame_ == NumFrames()) {
    if (loopCount_ > 0 && iteration_ >= loopCount_) {
      animating_ = false;  // the last frame stays
      return false;
    }
    ++iteration_;
  }
  currentFrame_ = currentFrame_ % NumFrames() + 1;
  lastChange_ = now;
  currentDelay_ = std::max(1, frames_[currentFrame_ - 1].Delay);
  return true;
}

std::unique_ptr<TGifAnimation> ReadGif(std::string_view data) {
  TGifDecoder decoder;
  decoder.Read(data);
  return std::make_unique<TGifAnimation>(decoder);
}

std::unique_ptr<TGifAnimation> ReadGifFromMemory(std::string_view data, bool& still) {
  still = false;
  try {
    std::unique_ptr<TGifAnimation> animation = ReadGif(data);
    still = animation->NumFrames() < 2;
    return animation;
  } catch (const Exception&) {
  } catch (const std::bad_alloc&) {
  }
  return nullptr;
}

std::unique_ptr<TGifAnimation> ReadGifFromFile(const std::string& fileName, bool& still) {
  still = false;
  try {
    return ReadGifFromMemory(ReadFileBytes(fileName), still);
  } catch (const Exception&) {
  }
  return nullptr;
}

}  // namespace tessaly
