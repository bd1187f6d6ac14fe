#include <gtest/gtest.h>

#include "preview/pictures/PictureError.h"
#include "preview/pictures/PngCodec.h"
#include "preview/pictures/PngRowWriter.h"

namespace tessaly {
namespace {

TEST(PngRowWriter, RowsComeBackInOrder) {
  TPngRowWriter writer(2, 3);
  const uint8_t rows[3][6] = {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {13, 14, 15, 16, 17, 18}};
  for (const auto& row : rows) writer.WriteRow(row);
  const TBitmap picture = ReadPng(writer.Finish());
  ASSERT_EQ(picture.Width, 2);
  ASSERT_EQ(picture.Height, 3);
  EXPECT_EQ(picture.Pixels, std::vector<uint8_t>(&rows[0][0], &rows[0][0] + 18));
}

TEST(PngRowWriter, RowsMissingOrTooManyAreErrors) {
  const uint8_t row[3] = {0, 0, 0};
  TPngRowWriter short_(1, 2);
  short_.WriteRow(row);
  EXPECT_THROW(short_.Finish(), EInvalidGraphic);
  short_.WriteRow(row);
  EXPECT_THROW(short_.WriteRow(row), EInvalidGraphic);
  EXPECT_THROW(TPngRowWriter(0, 5), EInvalidGraphic);
}

}  // namespace
}  // namespace tessaly
