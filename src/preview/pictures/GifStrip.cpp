#include "preview/pictures/GifStrip.h"

#include <algorithm>
#include <cstring>

namespace tessaly {

namespace {

constexpr int kMinimumDelayMs = 30;
constexpr int kDisposalRestoreBackground = 2;

bool HasTransparency(const TGifImageDescriptor& image) {
  return image.GraphicControl && image.GraphicControl->HasTransparency;
}

// Frame areas within the strip: area `frame` starts at frame * screen width.
class TStripWriter {
public:
  TStripWriter(TMaskedBitmap& strip, int screenWidth) : strip_(strip), screenWidth_(screenWidth) {}

  void CopyArea(int from, int to) {
    for (int y = 0; y < strip_.Height; ++y) {
      const size_t row = static_cast<size_t>(y) * strip_.Width;
      std::memcpy(&strip_.Pixels[(row + Offset(to)) * 3], &strip_.Pixels[(row + Offset(from)) * 3],
                  static_cast<size_t>(screenWidth_) * 3);
      if (strip_.HasMask()) {
        std::memcpy(&strip_.Mask[row + Offset(to)], &strip_.Mask[row + Offset(from)], screenWidth_);
      }
    }
  }

  void ClearMask(int frame, const TRect& rect) {
    for (int y = rect.Top; y < rect.Bottom; ++y) {
      uint8_t* row = &strip_.Mask[static_cast<size_t>(y) * strip_.Width + Offset(frame)];
      std::fill(row + rect.Left, row + rect.Right, 1);
    }
  }

  // Opaque pixels of the image over the area; transparent ones leave it.
  void DrawImage(int frame, const TGifImageDescriptor& image, const TGifColorTable& table, const TRect& rect) {
    const bool transparent = HasTransparency(image);
    const int transparentIndex = transparent ? image.GraphicControl->TransparentIndex : -1;
    for (int y = rect.Top; y < rect.Bottom; ++y) {
      const uint8_t* source = image.Pixels.data() + static_cast<size_t>(y - image.Top) * image.Width;
      const size_t row = static_cast<size_t>(y) * strip_.Width + Offset(frame);
      for (int x = rect.Left; x < rect.Right; ++x) {
        const uint8_t index = source[x - image.Left];
        if (index == transparentIndex) continue;
        const TPaletteEntry& color = table.Colors[index];
        uint8_t* pixel = &strip_.Pixels[(row + x) * 3];
        pixel[0] = color.Red;
        pixel[1] = color.Green;
        pixel[2] = color.Blue;
        if (strip_.HasMask()) strip_.Mask[row + x] = 0;
      }
    }
  }

private:
  size_t Offset(int frame) const { return static_cast<size_t>(frame) * screenWidth_; }

  TMaskedBitmap& strip_;
  int screenWidth_;
};

}  // namespace

std::vector<TGifFrame> GifFrames(const TGifDecoder& decoder) {
  std::vector<TGifFrame> frames;
  for (const TGifImageDescriptor& image : decoder.Images()) {
    TGifFrame frame;
    frame.Left = image.Left;
    frame.Top = image.Top;
    frame.Width = image.Width;
    frame.Height = image.Height;
    // A missing or zero delay counts as one hundredth.
    const int hundredths = image.GraphicControl && image.GraphicControl->Delay > 0 ? image.GraphicControl->Delay : 1;
    frame.Delay = std::max(kMinimumDelayMs, hundredths * 10);
    frame.Disposal = image.GraphicControl ? image.GraphicControl->Disposal & 3 : 0;
    frames.push_back(frame);
  }
  return frames;
}

int GifStripFrameCount(const TGifDecoder& decoder) {
  const TGifLogicalScreen& screen = decoder.LogicalScreen();
  const size_t screenPixels = static_cast<size_t>(screen.Width) * screen.Height;
  const size_t fitting = screenPixels == 0 ? 0 : kMaxPicturePixels / screenPixels;
  const size_t count = std::min(decoder.Images().size(), fitting);
  if (count == 0) throw EGifDecoderError(geBitmapImage);
  return static_cast<int>(count);
}

TMaskedBitmap ComposeGifStrip(const TGifDecoder& decoder) {
  const TGifLogicalScreen& screen = decoder.LogicalScreen();
  const std::vector<TGifImageDescriptor>& images = decoder.Images();
  const size_t frameCount = static_cast<size_t>(GifStripFrameCount(decoder));

  TMaskedBitmap strip(screen.Width * static_cast<int>(frameCount), screen.Height, clBlack);
  // Where no frame has drawn yet the page shows through.
  if (std::any_of(images.begin(), images.begin() + frameCount, HasTransparency)) {
    strip.Mask.assign(static_cast<size_t>(strip.Width) * strip.Height, 1);
  }

  // Frames reaching past the logical screen are cut at its edge rather than
  // drawn into their neighbours.
  const TRect screenRect{0, 0, screen.Width, screen.Height};
  const std::vector<TGifFrame> frames = GifFrames(decoder);
  auto visibleRect = [&](const TGifFrame& f) {
    return IntersectRect(screenRect, {f.Left, f.Top, f.Left + f.Width, f.Top + f.Height});
  };

  TStripWriter writer(strip, screen.Width);
  for (size_t i = 0; i < frameCount; ++i) {
    const int frame = static_cast<int>(i);
    if (i > 0) {
      writer.CopyArea(frame - 1, frame);
      if (frames[i - 1].Disposal == kDisposalRestoreBackground && strip.HasMask()) {
        writer.ClearMask(frame, visibleRect(frames[i - 1]));
      }
    }
    const TRect rect = visibleRect(frames[i]);
    if (!rect.IsEmpty()) writer.DrawImage(frame, images[i], decoder.ColorTables()[images[i].ColorTable], rect);
  }
  return strip;
}

}  // namespace tessaly
