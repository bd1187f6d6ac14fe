#include "preview/pictures/PictureLoader.h"

#include <strings.h>

#include <new>

#include "platform/Files.h"
#include "preview/pictures/BmpReader.h"
#include "preview/pictures/ColorReduction.h"
#include "preview/pictures/JpegReader.h"
#include "preview/pictures/PictureError.h"
#include "preview/pictures/PngCodec.h"

namespace tessaly {

namespace {

TPicture GifPicture(std::string_view data, TPictureFormat format) {
  TPicture picture;
  picture.Format = format;
  picture.Animation = ReadGif(data);
  picture.Bitmap = picture.Animation->SharedStrip();
  return picture;
}

TPicture StillPicture(TPictureFormat format, TBitmap bitmap) {
  TPicture picture;
  picture.Format = format;
  picture.Bitmap = std::make_shared<const TBitmap>(PreparePicture(bitmap));
  return picture;
}

TPicture DecodeRecognized(std::string_view data, TPictureFormat format) {
  switch (format) {
    case TPictureFormat::Gif87a:
    case TPictureFormat::Gif89a: return GifPicture(data, format);
    case TPictureFormat::Bmp: return StillPicture(format, ReadBmp(data));
    case TPictureFormat::Jpeg: return StillPicture(format, ReadJpeg(data).Bitmap);
    case TPictureFormat::Png: return StillPicture(format, ReadPng(data));
    case TPictureFormat::Unknown: break;
  }
  throw EInvalidGraphic("Unknown picture format");
}

bool HasGifExtension(const std::string& fileName) {
  return fileName.size() >= 4 && strcasecmp(fileName.c_str() + fileName.size() - 4, ".gif") == 0;
}

template <typename Decode>
std::optional<TPicture> Quietly(Decode decode) {
  try {
    return decode();
  } catch (const Exception&) {
  } catch (const std::bad_alloc&) {
  }
  return std::nullopt;
}

}  // namespace

TPicture DecodePicture(std::string_view data) {
  const TPictureFormat format = RecognizePictureFormat(data);
  if ((format == TPictureFormat::Bmp || format == TPictureFormat::Jpeg) && data.size() < kMinPictureStream) {
    throw EInvalidGraphic("Picture data too short");
  }
  return DecodeRecognized(data, format);
}

TPicture DecodePictureFile(const std::string& fileName) {
  const std::string data = ReadFileBytes(fileName);
  const TPictureFormat format = RecognizePictureFormat(data);
  // The name decides for GIFs, so a misnamed file still meets the GIF decoder.
  if (HasGifExtension(fileName)) return GifPicture(data, IsGif(format) ? format : TPictureFormat::Gif89a);
  return DecodeRecognized(data, format);
}

std::optional<TPicture> LoadPicture(std::string_view data) {
  return Quietly([&] { return DecodePicture(data); });
}

std::optional<TPicture> LoadPictureFile(const std::string& fileName) {
  return Quietly([&] { return DecodePictureFile(fileName); });
}

}  // namespace tessaly
