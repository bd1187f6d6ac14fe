#pragma once
// The frames of a GIF composed once, at load time, into one strip: all frames
// side by side, each the size of the logical screen and each starting from
// the previous result, with a transparency mask when the GIF has one.

#include <vector>

#include "platform/Bitmap.h"
#include "preview/pictures/GifDecoder.h"

namespace tessaly {

// A bitmap carrying its own mask (non-zero = transparent) when transparent.
using TMaskedBitmap = TBitmap;

// One frame's record: where it lies on the logical screen, how long it shows
// and what happens to its area before the next frame.
struct TGifFrame {
  int Disposal = 0;  // 0 to 3
  int Left = 0, Top = 0, Width = 0, Height = 0;
  int Delay = 0;  // milliseconds
};

// Delay and disposal of every image of the decoded GIF.
std::vector<TGifFrame> GifFrames(const TGifDecoder& decoder);

// How many frames the strip holds: all of them, unless a long animation
// would make the strip too large to keep; then the first ones that fit.
// EGifDecoderError (geBitmapImage) when the logical screen is empty or not
// even one frame fits.
int GifStripFrameCount(const TGifDecoder& decoder);

// The strip, logical width x GifStripFrameCount() wide.
TMaskedBitmap ComposeGifStrip(const TGifDecoder& decoder);

}  // namespace tessaly
