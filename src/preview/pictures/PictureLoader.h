#pragma once
// Reading an image for the preview: the format is told by the first bytes
// (or a ".gif" name), GIFs go to the GIF decoder and become animations, BMP,
// JPEG and PNG pictures are decoded and prepared for the display. Whatever
// cannot be read shows the error picture; nothing reaches the user as a message.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Bitmap.h"
#include "preview/pictures/GifAnimation.h"
#include "preview/pictures/PictureFormat.h"

namespace tessaly {

struct TPicture {
  TPictureFormat Format = TPictureFormat::Unknown;
  std::shared_ptr<const TBitmap> Bitmap;     // the picture; for a GIF its strip
  std::unique_ptr<TGifAnimation> Animation;  // GIFs only

  bool Still() const { return !Animation || !Animation->Animated(); }
  int Width() const { return Animation ? Animation->Width() : Bitmap->Width; }
  int Height() const { return Animation ? Animation->Height() : Bitmap->Height; }
  bool Transparent() const { return Bitmap->HasMask(); }
};

// The smallest BMP or JPEG stream worth decoding.
constexpr size_t kMinPictureStream = 20;

// Decoding that says why it failed (EInvalidGraphic, EGifDecoderError,
// EFOpenError): a stream handed over by the page's owner, and a file.
TPicture DecodePicture(std::string_view data);
TPicture DecodePictureFile(const std::string& fileName);

// As the preview reads: nothing on any failure, and the caller shows
// ErrorPicture().
std::optional<TPicture> LoadPicture(std::string_view data);
std::optional<TPicture> LoadPictureFile(const std::string& fileName);

}  // namespace tessaly
