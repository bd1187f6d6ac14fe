#include <gtest/gtest.h>

#include "GifWriter.h"
#include "preview/pictures/GifDecoder.h"

namespace tessaly {
namespace {

using namespace tessaly::testing;

const TPalette kFourColors = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};

// An image block 4 x 1 whose data are the given 3-bit codes (minimum size 2:
// clear 4, end 5, first free entry 6).
std::string CodesImage(std::initializer_list<int> codes) {
  std::string packed;
  uint32_t bits = 0;
  int count = 0;
  for (int code : codes) {
    bits |= static_cast<uint32_t>(code) << count;
    count += 3;
    while (count >= 8) {
      packed += static_cast<char>(bits & 0xFF);
      bits >>= 8;
      count -= 8;
    }
  }
  if (count) packed += static_cast<char>(bits);
  return "," + std::string("\0\0\0\0\x04\0\x01\0\0\x02", 10) + SubBlocks(packed);
}

TGifDecoder Decode(const std::string& data) {
  TGifDecoder decoder;
  decoder.Read(data);
  return decoder;
}

TEST(GifDecoder, ReadsScreenTableAndPixelsOfAStillImage) {
  const std::vector<uint8_t> pixels = {0, 1, 2, 3, 3, 2, 1, 0};
  const TGifDecoder gif = Decode(StillGif(4, 2, pixels, kFourColors));
  EXPECT_EQ(gif.Signature(), "GIF89a");
  EXPECT_EQ(gif.LogicalScreen().Width, 4);
  EXPECT_EQ(gif.LogicalScreen().Height, 2);
  ASSERT_EQ(gif.Images().size(), 1u);
  const TGifImageDescriptor& image = gif.Images()[0];
  EXPECT_EQ(image.ColorTable, gif.LogicalScreen().GlobalTable);
  EXPECT_EQ(gif.ColorTables()[image.ColorTable].Colors[1], (TPaletteEntry{255, 0, 0}));
  EXPECT_EQ(image.Pixels, pixels);
  EXPECT_EQ(gif.LoopCount(), -1);
}

// Long runs and many distinct strings exercise the code that is being
// defined (KwKwK), width growth up to 12 bits and both kinds of full table.
TEST(GifDecoder, LzwRoundTripsAcrossCodeWidthsAndFullTables) {
  std::vector<uint8_t> pixels(200 * 150);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>((i * 7 + i / 13) % 251);
  std::fill(pixels.begin() + 5000, pixels.begin() + 9000, 42);
  for (const bool clearWhenFull : {true, false}) {
    for (const int codeSize : {2, 8}) {
      std::vector<uint8_t> source = pixels;
      if (codeSize == 2)
        for (uint8_t& p : source) p &= 3;
      const std::string data = GifHeader(200, 150, TPalette(256)) + "," + std::string("\0\0\0\0\xC8\0\x96\0\0", 9) +
                               static_cast<char>(codeSize) + SubBlocks(LzwEncode(source, codeSize, clearWhenFull)) +
                               ";";
      const TGifDecoder gif = Decode(data);
      EXPECT_EQ(gif.Images()[0].Pixels, source) << "clearWhenFull " << clearWhenFull << " size " << codeSize;
    }
  }
}

TEST(GifDecoder, LocalTableTakesPrecedenceOverGlobal) {
  const TPalette local = {{9, 9, 9}, {8, 8, 8}};
  TTestImage image{0, 0, 2, 1, {1, 0}, local};
  const TGifDecoder gif = Decode(GifHeader(2, 1, kFourColors) + ImageBlock(image) + ";");
  const TGifImageDescriptor& d = gif.Images()[0];
  EXPECT_TRUE(d.HasLocalTable);
  EXPECT_NE(d.ColorTable, gif.LogicalScreen().GlobalTable);
  EXPECT_EQ(gif.ColorTables()[d.ColorTable].Colors[1], (TPaletteEntry{8, 8, 8}));
}

TEST(GifDecoder, InterlacedRowsLandInTheirPasses) {
  for (const int height : {1, 2, 5, 9, 17}) {
    std::vector<uint8_t> pixels(static_cast<size_t>(height) * 3);
    for (int y = 0; y < height; ++y) std::fill_n(pixels.begin() + y * 3, 3, static_cast<uint8_t>(y));
    TTestImage image{0, 0, 3, height, pixels};
    image.Interlaced = true;
    const TGifDecoder gif = Decode(GifHeader(3, height, TPalette(256)) + ImageBlock(image) + ";");
    EXPECT_TRUE(gif.Images()[0].Interlaced);
    EXPECT_EQ(gif.Images()[0].Pixels, pixels) << "height " << height;
  }
}

TEST(GifDecoder, ExtraPixelsBeyondTheImageAreDropped) {
  const std::vector<uint8_t> tooMany = {0, 1, 2, 3, 3, 2, 1, 0, 1, 1};
  const std::string data = GifHeader(2, 2, kFourColors) + "," + std::string("\0\0\0\0\x02\0\x02\0\0\x02", 10) +
                           SubBlocks(LzwEncode(tooMany, 2)) + ";";
  EXPECT_EQ(Decode(data).Images()[0].Pixels, (std::vector<uint8_t>{0, 1, 2, 3}));
}

TEST(GifDecoder, KeepsExtensionsWithTheFollowingImageAndReadsTheLoopCount) {
  const std::string data = GifHeader(1, 1, kFourColors) + NetscapeLoop(2) + Comment("hello") + GraphicControl(2, 7, 3) +
                           ImageBlock({0, 0, 1, 1, {3}}) + ImageBlock({0, 0, 1, 1, {1}}) + ";";
  const TGifDecoder gif = Decode(data);
  EXPECT_EQ(gif.LoopCount(), 2);
  ASSERT_EQ(gif.Images().size(), 2u);
  const TGifImageDescriptor& first = gif.Images()[0];
  ASSERT_TRUE(first.GraphicControl.has_value());
  EXPECT_EQ(first.GraphicControl->Disposal, 2);
  EXPECT_EQ(first.GraphicControl->Delay, 7);
  EXPECT_TRUE(first.GraphicControl->HasTransparency);
  EXPECT_EQ(first.GraphicControl->TransparentIndex, 3);
  ASSERT_EQ(first.Comments.size(), 1u);
  EXPECT_EQ(first.Comments[0], TGifSubBlocks{"hello"});
  ASSERT_EQ(first.Applications.size(), 1u);
  EXPECT_EQ(first.Applications[0].Identifier, "NETSCAPE");
  EXPECT_EQ(first.Applications[0].Authentication, "2.0");
  EXPECT_FALSE(gif.Images()[1].GraphicControl.has_value());
  EXPECT_EQ(gif.Images()[1].Index, 1);
}

TEST(GifDecoder, EndsAtTrailerZeroByteOrEndOfData) {
  const std::string image = GifHeader(1, 1, kFourColors, "gif87a") + ImageBlock({0, 0, 1, 1, {2}});
  for (const std::string& ending : {std::string(";"), std::string(1, '\0'), std::string(), std::string(";garbage")}) {
    EXPECT_EQ(Decode(image + ending).Images().size(), 1u);
  }
}

TEST(GifDecoder, ABrokenCommentAfterAnImageEndsReadingQuietly) {
  const std::string data = GifHeader(1, 1, kFourColors) + ImageBlock({0, 0, 1, 1, {2}}) + "!\xFE\x09short";
  EXPECT_EQ(Decode(data).Images().size(), 1u);
}

TEST(GifDecoder, LzwParticularsAfterAClearCode) {
  struct Case {
    const char* name;
    std::string image;
    std::vector<uint8_t> pixels;
  };
  const Case cases[] = {
      {"repeated clears are skipped", CodesImage({4, 4, 4, 1, 2, 5}), {1, 2, 0, 0}},
      {"a first code not yet in the table reads as 0", CodesImage({4, 6, 1, 5}), {0, 1, 0, 0}},
      {"no leading clear", CodesImage({3, 3, 6, 5}), {3, 3, 3, 3}},
      {"data used up without an end code", CodesImage({4, 2, 2}), {2, 2, 0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Decode(GifHeader(4, 1, kFourColors) + c.image + ";").Images()[0].Pixels, c.pixels) << c.name;
  }
}

struct ErrorCase {
  const char* name;
  std::string data;
  TGifError code;
  const char* message;
};

TEST(GifDecoder, EveryMalformedInputGivesItsError) {
  const std::string header = GifHeader(2, 1, kFourColors);
  const std::string image = ImageBlock({0, 0, 2, 1, {1, 2}});
  const ErrorCase cases[] = {
      {"signature", "GIF88a" + header.substr(6) + image, geSignature, "TGifDecoder: Invalid GIF Signature Code"},
      {"short signature", "GIF8", geUnexpectedEof, "TGifDecoder: Unexpected end of file"},
      {"no colour table", GifHeader(2, 1, {}) + image, geNoColorTable,
       "TGifDecoder: No Local or Global Color Table for Image"},
      {"unknown block", header + "x" + image, geUnknownOperation, "TGifDecoder: Unknown Graphics Operation Code"},
      {"graphic control size", header + "!\xF9\x05" + std::string(6, '\0') + image, geExtensionBlockSize,
       "TGifDecoder: Invalid Extension Block Size"},
      {"graphic control terminator", header + "!\xF9\x04" + std::string(4, '\0') + "\x01" + image,
       geExtensionTerminator, "TGifDecoder: Invalid Extension Block Terminator"},
      {"plain text size", header + "!\x01\x0B" + std::string(12, '\0') + image, geExtensionBlockSize,
       "TGifDecoder: Invalid Extension Block Size"},
      {"application size", header + "!\xFF\x0ANETSCAPE2." + std::string(1, '\0') + image, geExtensionBlockSize,
       "TGifDecoder: Invalid Extension Block Size"},
      {"unknown extension", header + "!\xFA\x00" + image, geSpecial, "TGifDecoder: unknown extension: 00FA"},
      {"code size 0", header + "," + std::string("\0\0\0\0\x02\0\x01\0\0\0\0", 11) + image, geLzwCodeSize,
       "TGifDecoder: Invalid LZW Code Size"},
      {"code size 12", header + "," + std::string("\0\0\0\0\x02\0\x01\0\0\x0C\0", 11) + image, geLzwCodeSize,
       "TGifDecoder: Invalid LZW Code Size"},
      {"end right after clear", header + CodesImage({4, 5}), geLzwDataFormat, "TGifDecoder: Invalid LZW Data Format"},
      {"code past next free", header + CodesImage({4, 1, 7, 5}), geLzwDataFormat,
       "TGifDecoder: Invalid LZW Data Format"},
      {"no image", header + ";", geNoImage, "TGifDecoder: No Image Description"},
      {"short sub-block", header + image.substr(0, image.size() - 3), geUnexpectedEof,
       "TGifDecoder: Unexpected end of file"},
      {"short colour table", header.substr(0, 20), geUnexpectedEof, "TGifDecoder: Unexpected end of file"},
      {"broken comment before any image", header + "!\xFE\x09short", geUnexpectedEof,
       "TGifDecoder: Unexpected end of file"},
      {"huge image", GifHeader(65535, 65535, kFourColors) + "," + std::string("\0\0\0\0\xFF\xFF\xFF\xFF\0\x02\0", 11),
       geBitmapImage, "TGifDecoder: Invalid Bitmap Image"},
  };
  for (const ErrorCase& c : cases) {
    try {
      Decode(c.data);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const EGifDecoderError& error) {
      EXPECT_EQ(error.Code(), c.code) << c.name;
      EXPECT_STREQ(error.what(), c.message) << c.name;
    }
  }
}

}  // namespace
}  // namespace tessaly
