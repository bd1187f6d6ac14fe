#include <gtest/gtest.h>
#include <jpeglib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "GifWriter.h"
#include "platform/DisplayDepth.h"
#include "platform/Files.h"
#include "preview/pictures/BuiltinPictures.h"
#include "preview/pictures/JpegReader.h"
#include "preview/pictures/PictureError.h"
#include "preview/pictures/PictureLoader.h"
#include "preview/pictures/PngCodec.h"

namespace tessaly {
namespace {

TBitmap Gradient(int width, int height) {
  TBitmap bitmap(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, RGB(x * 255 / width, y * 255 / height, 128));
  return bitmap;
}

// Encodes with the same library, at the best quality so colours stay close.
// CMYK is written as Adobe's programs write it, inks inverted: the library
// marks CMYK files as theirs.
enum class TJpegKind { Colour, Grey, Cmyk };
std::string EncodeJpeg(const TBitmap& bitmap, TJpegKind kind) {
  const bool greyscale = kind == TJpegKind::Grey, cmyk = kind == TJpegKind::Cmyk;
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = bitmap.Width;
  info.image_height = bitmap.Height;
  info.input_components = greyscale ? 1 : cmyk ? 4 : 3;
  info.in_color_space = greyscale ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<uint8_t> row;
  while (info.next_scanline < info.image_height) {
    const uint8_t* source = &bitmap.Pixels[static_cast<size_t>(info.next_scanline) * bitmap.Width * 3];
    row.clear();
    for (int x = 0; x < bitmap.Width; ++x) {
      if (greyscale)
        row.push_back(source[x * 3]);
      else
        row.insert(row.end(), source + x * 3, source + x * 3 + 3);
      if (cmyk) row.push_back(255);  // no black
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string bytes(reinterpret_cast<char*>(buffer), size);
  std::free(buffer);
  return bytes;
}

int MaxDifference(const TBitmap& a, const TBitmap& b) {
  int worst = 0;
  for (size_t i = 0; i < a.Pixels.size(); ++i) worst = std::max(worst, std::abs(a.Pixels[i] - b.Pixels[i]));
  return worst;
}

TEST(PictureFormat, IsToldByTheFirstBytes) {
  struct Case {
    std::string data;
    TPictureFormat format;
  };
  const Case cases[] = {
      {"GIF89a", TPictureFormat::Gif89a},  {"GIF87a", TPictureFormat::Gif87a},   {"GIF8", TPictureFormat::Gif87a},
      {"BM\x36", TPictureFormat::Bmp},     {"\x89PNG\r\n", TPictureFormat::Png}, {"\xFF\xD8\xFF", TPictureFormat::Jpeg},
      {"<html>", TPictureFormat::Unknown}, {"", TPictureFormat::Unknown},        {"GIF", TPictureFormat::Unknown},
  };
  for (const Case& c : cases) EXPECT_EQ(RecognizePictureFormat(c.data), c.format) << c.data;
}

TEST(JpegReader, DecodesColourAndKeepsGreyscaleGrey) {
  const TBitmap source = Gradient(32, 16);
  const TJpegPicture colour = ReadJpeg(EncodeJpeg(source, TJpegKind::Colour));
  EXPECT_FALSE(colour.Greyscale);
  ASSERT_EQ(colour.Bitmap.Width, 32);
  ASSERT_EQ(colour.Bitmap.Height, 16);
  EXPECT_LE(MaxDifference(colour.Bitmap, source), 8);

  const TJpegPicture grey = ReadJpeg(EncodeJpeg(source, TJpegKind::Grey));
  EXPECT_TRUE(grey.Greyscale);
  for (int x = 0; x < 32; ++x) {
    const TColor c = grey.Bitmap.Pixel(x, 3);
    EXPECT_EQ(GetRValue(c), GetGValue(c));
    EXPECT_EQ(GetRValue(c), GetBValue(c));
    EXPECT_NEAR(GetRValue(c), x * 255 / 32, 4);
  }
}

TEST(JpegReader, ConvertsCmykToColour) {
  const TBitmap source = Gradient(32, 16);
  const TJpegPicture picture = ReadJpeg(EncodeJpeg(source, TJpegKind::Cmyk));
  EXPECT_FALSE(picture.Greyscale);
  ASSERT_EQ(picture.Bitmap.Width, 32);
  EXPECT_LE(MaxDifference(picture.Bitmap, source), 8);
}

TEST(JpegReader, BrokenDataIsAnErrorButACutTailStillShows) {
  const std::string good = EncodeJpeg(Gradient(64, 64), TJpegKind::Colour);
  EXPECT_THROW(ReadJpeg("\xFF\xD8\xFF\xE0garbage"), EInvalidGraphic);
  EXPECT_THROW(ReadJpeg(good.substr(0, 100)), EInvalidGraphic);
  const TJpegPicture cut = ReadJpeg(good.substr(0, good.size() * 3 / 4));
  EXPECT_EQ(cut.Bitmap.Height, 64);
}

TEST(PngCodec, RoundTripsPixelsAndTheMaskAsAlpha) {
  TBitmap picture = Gradient(5, 3);
  EXPECT_FALSE(ReadPng(EncodePng(picture)).HasMask());
  EXPECT_EQ(ReadPng(EncodePng(picture)).Pixels, picture.Pixels);
  picture.Mask.assign(15, 0);
  picture.Mask[7] = 1;
  const TBitmap back = ReadPng(EncodePng(picture));
  EXPECT_EQ(back.Mask, picture.Mask);
  EXPECT_EQ(back.Pixels, picture.Pixels);
  EXPECT_THROW(ReadPng("\x89PNG\r\n\x1A\nbroken"), EInvalidGraphic);
}

TEST(DecodePicture, EachFormatBecomesAPicture) {
  const TBitmap gradient = Gradient(6, 4);
  const std::string gif = testing::StillGif(2, 1, {1, 0}, {{0, 0, 0}, {255, 0, 0}});
  struct Case {
    std::string data;
    TPictureFormat format;
    int width;
  };
  const Case cases[] = {
      {gif, TPictureFormat::Gif89a, 2},
      {EncodeJpeg(gradient, TJpegKind::Colour), TPictureFormat::Jpeg, 6},
      {EncodePng(gradient), TPictureFormat::Png, 6},
  };
  for (const Case& c : cases) {
    const TPicture picture = DecodePicture(c.data);
    EXPECT_EQ(picture.Format, c.format);
    EXPECT_EQ(picture.Width(), c.width);
    EXPECT_TRUE(picture.Still());
    EXPECT_EQ(picture.Animation != nullptr, c.format == TPictureFormat::Gif89a);
  }
}

TEST(DecodePicture, StreamsThatCannotBeShownGiveNothing) {
  EXPECT_THROW(DecodePicture("BM" + std::string(17, '\0')), EInvalidGraphic);
  EXPECT_THROW(DecodePicture("<html>not a picture</html>"), EInvalidGraphic);
  EXPECT_FALSE(LoadPicture("\xFF\xD8 short").has_value());
  EXPECT_FALSE(LoadPicture("GIF89a broken").has_value());
  EXPECT_FALSE(LoadPictureFile("/nonexistent/picture.bmp").has_value());
}

TEST(DecodePicture, AGifNameSendsAFileToTheGifDecoder) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tessaly-pictures-test";
  std::filesystem::create_directories(folder);
  const std::string png = EncodePng(Gradient(3, 3));
  const std::string gif = testing::StillGif(1, 1, {1}, {{0, 0, 0}, {0, 0, 255}});
  WriteFileAtomically((folder / "png-named.GIF").string(), png);
  WriteFileAtomically((folder / "gif-named.png").string(), gif);
  EXPECT_FALSE(LoadPictureFile((folder / "png-named.GIF").string()).has_value());
  const std::optional<TPicture> picture = LoadPictureFile((folder / "gif-named.png").string());
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->Format, TPictureFormat::Gif89a);
  EXPECT_EQ(picture->Bitmap->Pixel(0, 0), RGB(0, 0, 255));
  std::filesystem::remove_all(folder);
}

TEST(DecodePicture, SmallDisplaysGetPicturesInTheirPalette) {
  SetDisplayDepthClass(ddc8Bit);
  const TPicture picture = DecodePicture(EncodePng(Gradient(16, 16)));
  SetDisplayDepthClass(ddc24Bit);
  const TPalette& shared = SharedPaletteLayout();
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const TColor c = picture.Bitmap->Pixel(x, y);
      EXPECT_TRUE(std::any_of(shared.begin(), shared.end(), [&](const TPaletteEntry& e) { return e.Color() == c; }));
    }
  }
}

TEST(BuiltinPictures, PlaceholderIsOpaqueAndErrorPictureIsMasked) {
  EXPECT_EQ(PlaceholderPicture().Width, 16);
  EXPECT_EQ(PlaceholderPicture().Height, 16);
  EXPECT_FALSE(PlaceholderPicture().HasMask());
  const TBitmap& error = ErrorPicture();
  ASSERT_TRUE(error.HasMask());
  EXPECT_FALSE(error.Transparent(0, 0)) << "the frame is drawn";
  EXPECT_FALSE(error.Transparent(7, 7)) << "the cross is drawn";
  EXPECT_TRUE(error.Transparent(7, 2)) << "the page shows between";
}

TEST(WithLowerLeftTransparency, MasksEveryPixelOfTheLowerLeftColour) {
  TBitmap picture(3, 2, clWhite);
  picture.SetPixel(0, 1, clRed);
  picture.SetPixel(2, 0, clRed);
  const TBitmap masked = WithLowerLeftTransparency(picture);
  EXPECT_EQ(masked.Mask, (std::vector<uint8_t>{0, 0, 1, 1, 0, 0}));
  EXPECT_EQ(masked.Pixels, picture.Pixels);
}

}  // namespace
}  // namespace tessaly
