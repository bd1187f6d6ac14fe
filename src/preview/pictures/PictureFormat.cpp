#include "preview/pictures/PictureFormat.h"

namespace tessaly {

TPictureFormat RecognizePictureFormat(std::string_view data) {
  if (data.starts_with("GIF8"))
    return data.size() > 4 && data[4] == '9' ? TPictureFormat::Gif89a : TPictureFormat::Gif87a;
  if (data.starts_with("BM")) return TPictureFormat::Bmp;
  if (data.starts_with("\x89PNG")) return TPictureFormat::Png;
  if (data.starts_with("\xFF\xD8")) return TPictureFormat::Jpeg;
  return TPictureFormat::Unknown;
}

const char* PictureFormatName(TPictureFormat format) {
  switch (format) {
    case TPictureFormat::Gif87a: return "gif87a";
    case TPictureFormat::Gif89a: return "gif89a";
    case TPictureFormat::Bmp: return "bmp";
    case TPictureFormat::Png: return "png";
    case TPictureFormat::Jpeg: return "jpeg";
    case TPictureFormat::Unknown: break;
  }
  return "unknown";
}

bool IsGif(TPictureFormat format) { return format == TPictureFormat::Gif87a || format == TPictureFormat::Gif89a; }

}  // namespace tessaly
