#include "preview/pictures/PngRowWriter.h"

#include <png.h>

#include <cstdio>

#include "preview/pictures/PictureError.h"

namespace tessaly {

struct TPngRowWriter::TState {
  png_structp Png = nullptr;
  png_infop Info = nullptr;
  std::string Bytes;
  int Height = 0;
  int RowsWritten = 0;
  char Message[160] = "";

  ~TState() { png_destroy_write_struct(&Png, &Info); }
  [[noreturn]] void Fail() const { throw EInvalidGraphic(std::string("PNG error: ") + Message); }
};

namespace {
void OnWarning(png_structp, png_const_charp) {}
void Flush(png_structp) {}
}  // namespace

TPngRowWriter::TPngRowWriter(int width, int height) : state_(std::make_unique<TState>()) {
  if (width <= 0 || height <= 0) throw EInvalidGraphic("PNG error: empty picture");
  TState& state = *state_;
  state.Height = height;
  auto onError = [](png_structp png, png_const_charp message) {
    auto* failed = static_cast<TState*>(png_get_error_ptr(png));
    std::snprintf(failed->Message, sizeof failed->Message, "%s", message);
    png_longjmp(png, 1);
  };
  auto append = [](png_structp png, png_bytep data, size_t length) {
    static_cast<TState*>(png_get_io_ptr(png))->Bytes.append(reinterpret_cast<const char*>(data), length);
  };
  state.Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, onError, OnWarning);
  if (state.Png) state.Info = png_create_info_struct(state.Png);
  if (!state.Info) throw EInvalidGraphic("PNG error: out of memory");
  if (setjmp(png_jmpbuf(state.Png))) state.Fail();
  png_set_write_fn(state.Png, &state, append, Flush);
  png_set_IHDR(state.Png, state.Info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(state.Png, state.Info);
}

TPngRowWriter::~TPngRowWriter() = default;

const int TPngRowWriter::kMaxHeight = PNG_USER_HEIGHT_MAX;

void TPngRowWriter::WriteRow(const uint8_t* rgb) {
  TState& state = *state_;
  if (state.RowsWritten >= state.Height) throw EInvalidGraphic("PNG error: more rows than the picture has");
  if (setjmp(png_jmpbuf(state.Png))) state.Fail();
  png_write_row(state.Png, rgb);
  ++state.RowsWritten;
}

std::string TPngRowWriter::Finish() {
  TState& state = *state_;
  if (state.RowsWritten != state.Height) throw EInvalidGraphic("PNG error: rows missing");
  if (setjmp(png_jmpbuf(state.Png))) state.Fail();
  png_write_end(state.Png, state.Info);
  return std::move(state.Bytes);
}

}  // namespace tessaly
