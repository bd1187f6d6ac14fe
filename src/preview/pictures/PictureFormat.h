#pragma once
// Which kind of picture a stream holds, told by its first bytes.

#include <string_view>

namespace tessaly {

enum class TPictureFormat { Unknown, Gif87a, Gif89a, Bmp, Png, Jpeg };

TPictureFormat RecognizePictureFormat(std::string_view data);
// "gif87a", "gif89a", "bmp", "png", "jpeg" or "unknown".
const char* PictureFormatName(TPictureFormat format);
bool IsGif(TPictureFormat format);

}  // namespace tessaly
