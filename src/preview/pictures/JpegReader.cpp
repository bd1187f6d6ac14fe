#include "preview/pictures/JpegReader.h"

#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <string>
#include <vector>

#include "preview/pictures/PictureError.h"

namespace tessaly {

namespace {

// Progressive files can announce any number of scans; past this many a file
// is taken as broken rather than decoded for minutes.
constexpr int kMaxScans = 500;
constexpr long kMaxLibraryMemory = 512L << 20;

// The library reports fatal errors by calling error_exit, which must not
// return: it jumps back into ReadJpeg, which then throws.
struct TErrorManager {
  jpeg_error_mgr Base;
  std::jmp_buf Jump;
  char Message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info) {
  auto* manager = reinterpret_cast<TErrorManager*>(info->err);
  info->err->format_message(info, manager->Message);
  std::longjmp(manager->Jump, 1);
}

// Warnings (corrupt but readable data) are not shown: the picture is.
void OutputMessage(j_common_ptr) {}

void LimitScans(j_common_ptr info) {
  const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->input_scan_number > kMaxScans) {
    auto* manager = reinterpret_cast<TErrorManager*>(info->err);
    std::snprintf(manager->Message, sizeof manager->Message, "more than %d scans", kMaxScans);
    std::longjmp(manager->Jump, 1);
  }
}

// CMYK (and YCCK, which the library turns into CMYK) becomes RGB here: the
// library does not convert it. Files written by Adobe's programs store the
// inks inverted, which their marker tells.
void CmykToRgb(const std::vector<uint8_t>& row, size_t width, bool inverted, uint8_t* target) {
  for (size_t x = 0; x < width; ++x) {
    const uint8_t* ink = &row[x * 4];
    const int k = inverted ? ink[3] : 255 - ink[3];
    for (int c = 0; c < 3; ++c) target[x * 3 + c] = static_cast<uint8_t>((inverted ? ink[c] : 255 - ink[c]) * k / 255);
  }
}

// Decodes into `picture`; false with `message` set when the library gives
// up. The C++ objects live in the caller, so the jump back from the error
// handler skips no destructor and leaves them in a state safe to destroy.
bool Decode(std::string_view data, TJpegPicture& picture, std::vector<uint8_t>& row, std::string& message) {
  jpeg_decompress_struct info;
  TErrorManager errors;
  jpeg_progress_mgr progress{};
  info.err = jpeg_std_error(&errors.Base);
  errors.Base.error_exit = ErrorExit;
  errors.Base.output_message = OutputMessage;
  errors.Message[0] = '\0';
  if (setjmp(errors.Jump)) {
    jpeg_destroy_decompress(&info);
    message = errors.Message;
    return false;
  }
  jpeg_create_decompress(&info);
  info.mem->max_memory_to_use = kMaxLibraryMemory;
  progress.progress_monitor = LimitScans;
  info.progress = &progress;
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.data()), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);

  picture.Greyscale = info.jpeg_color_space == JCS_GRAYSCALE;
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = picture.Greyscale ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
  if (static_cast<size_t>(info.image_width) * info.image_height > kMaxPicturePixels) {
    jpeg_destroy_decompress(&info);
    message = "picture too large";
    return false;
  }
  jpeg_start_decompress(&info);
  picture.Bitmap = TBitmap(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  row.resize(static_cast<size_t>(info.output_width) * info.output_components);
  while (info.output_scanline < info.output_height) {
    const auto y = info.output_scanline;
    JSAMPROW rows[1] = {row.data()};
    jpeg_read_scanlines(&info, rows, 1);
    uint8_t* target = &picture.Bitmap.Pixels[static_cast<size_t>(y) * info.output_width * 3];
    if (picture.Greyscale) {
      for (size_t x = 0; x < info.output_width; ++x) target[x * 3] = target[x * 3 + 1] = target[x * 3 + 2] = row[x];
    } else if (cmyk) {
      CmykToRgb(row, info.output_width, info.saw_Adobe_marker, target);
    } else {
      std::copy(row.begin(), row.end(), target);
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

TJpegPicture ReadJpeg(std::string_view data) {
  TJpegPicture picture;
  std::vector<uint8_t> row;
  std::string message;
  if (!Decode(data, picture, row, message)) throw EInvalidGraphic("JPEG error: " + message);
  return picture;
}

}  // namespace tessaly
