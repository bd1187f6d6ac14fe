// Character stepping: one row per kind of byte sequence, asserting where
// every character starts, and a seeded random check that stepping forward
// and backward agree and never split a valid sequence.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "platform/text/Decode.h"
#include "platform/text/Stepping.h"

namespace tessaly::text {
namespace {

std::vector<std::size_t> ForwardBoundaries(Encoding encoding, std::string_view bytes) {
  std::vector<std::size_t> boundaries{0};
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t next = NextBoundary(encoding, bytes, at);
    if (next <= at || next - at != CharLength(encoding, bytes, at)) return {};  // stuck or inconsistent
    boundaries.push_back(at = next);
  }
  return boundaries;
}

std::vector<std::size_t> BackwardBoundaries(Encoding encoding, std::string_view bytes) {
  std::vector<std::size_t> boundaries{bytes.size()};
  for (std::size_t at = bytes.size(); at > 0;) {
    const std::size_t previous = PreviousBoundary(encoding, bytes, at);
    if (previous >= at) return {};
    boundaries.insert(boundaries.begin(), at = previous);
  }
  return boundaries;
}

struct StepRow {
  const char* name;
  std::string bytes;
  std::vector<std::size_t> boundaries;
  std::size_t invalid;
};

const StepRow kRows[] = {
    {"ascii", "ab", {0, 1, 2}, 0},
    {"NUL is a character", std::string("a\0b", 3), {0, 1, 2, 3}, 0},
    {"two bytes", "\xC3\xA9", {0, 2}, 0},
    {"three bytes", "\xE2\x82\xAC", {0, 3}, 0},
    {"four bytes", "\xF0\x9F\x98\x80", {0, 4}, 0},
    {"highest code point", "\xF4\x8F\xBF\xBF", {0, 4}, 0},
    {"last before the surrogates", "\xED\x9F\xBF", {0, 3}, 0},
    {"truncated at the end", "\xE2\x82", {0, 1, 2}, 2},
    {"truncated before ASCII", "\xE2\x82" "A", {0, 1, 2, 3}, 2},
    {"truncated four-byte", "\xF0\x9F\x98" "A", {0, 1, 2, 3, 4}, 3},
    {"lead byte followed by a lead byte", "\xC3\xC3\xA9", {0, 1, 3}, 1},
    {"overlong two-byte C0", "\xC0\xAF", {0, 1, 2}, 2},
    {"overlong two-byte C1", "\xC1\xBF", {0, 1, 2}, 2},
    {"overlong three-byte", "\xE0\x80\xAF", {0, 1, 2, 3}, 3},
    {"overlong four-byte", "\xF0\x80\x80\xAF", {0, 1, 2, 3, 4}, 4},
    {"surrogate", "\xED\xA0\x80", {0, 1, 2, 3}, 3},
    {"above U+10FFFF", "\xF4\x90\x80\x80", {0, 1, 2, 3, 4}, 4},
    {"lead byte F5", "\xF5\x80\x80\x80", {0, 1, 2, 3, 4}, 4},
    {"bytes FE FF", "\xFE\xFF", {0, 1, 2}, 2},
    {"stray continuation bytes", "\x80\xBF", {0, 1, 2}, 2},
    {"continuation after a whole character", "\xC3\xA9\xA9", {0, 2, 3}, 1},
    {"stray continuation after a four-byte character", "\xF0\x9F\x98\x80\x80", {0, 4, 5}, 1},
};

class StepCases : public testing::TestWithParam<StepRow> {};

TEST_P(StepCases, BoundariesForwardAndBack) {
  const StepRow& row = GetParam();
  EXPECT_EQ(ForwardBoundaries(Encoding::Utf8, row.bytes), row.boundaries);
  EXPECT_EQ(BackwardBoundaries(Encoding::Utf8, row.bytes), row.boundaries);
  for (std::size_t at = 0; at <= row.bytes.size(); ++at) {
    const bool expected = std::find(row.boundaries.begin(), row.boundaries.end(), at) != row.boundaries.end();
    EXPECT_EQ(IsBoundary(Encoding::Utf8, row.bytes, at), expected) << "offset " << at;
  }
  EXPECT_EQ(CountInvalidUtf8(row.bytes), row.invalid);
  EXPECT_EQ(Decode(Encoding::Utf8, row.bytes).invalidBytes, row.invalid);
}

INSTANTIATE_TEST_SUITE_P(TextStepping, StepCases, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<StepRow>& info) {
                           std::string name;
                           for (const char* c = info.param.name; *c; ++c)
                             name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                           return name;
                         });

TEST(TextStepping, PreviousFromInsideACharacterFindsItsStart) {
  const std::string euro = "a\xE2\x82\xAC";
  EXPECT_EQ(PreviousBoundary(Encoding::Utf8, euro, 3), 1u);
  EXPECT_EQ(PreviousBoundary(Encoding::Utf8, euro, 2), 1u);
  EXPECT_EQ(PreviousBoundary(Encoding::Utf8, euro, 99), 1u);  // past the end: from the end
  EXPECT_EQ(NextBoundary(Encoding::Utf8, euro, 4), 4u);
}

TEST(TextStepping, SingleByteAndUtf16Documents) {
  const std::string bytes = "\xC3\xA9\xE2\x82\xAC";
  EXPECT_EQ(ForwardBoundaries(Encoding::Windows1251, bytes), (std::vector<std::size_t>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(BackwardBoundaries(Encoding::Koi8R, bytes), (std::vector<std::size_t>{0, 1, 2, 3, 4, 5}));
  // A UTF-16 document is held as UTF-8.
  EXPECT_EQ(ForwardBoundaries(Encoding::Utf16LE, bytes), (std::vector<std::size_t>{0, 2, 5}));
}

// Bytes that make every kind of sequence likely.
std::string RandomBytes(std::mt19937& random) {
  static const unsigned char kPicks[] = {'a',  0x00, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0, 0xC2,
                                         0xDF, 0xE0, 0xE1, 0xED, 0xEF, 0xF0, 0xF3, 0xF4, 0xF5, 0xFF};
  std::uniform_int_distribution<std::size_t> length(0, 40), pick(0, sizeof kPicks - 1);
  std::string bytes(length(random), '\0');
  for (char& b : bytes) b = static_cast<char>(kPicks[pick(random)]);
  return bytes;
}

TEST(TextStepping, RandomBytesStepTheSameBothWaysAndKeepSequencesWhole) {
  std::mt19937 random(20261209);
  for (int round = 0; round < 20000; ++round) {
    const std::string bytes = RandomBytes(random);
    const std::vector<std::size_t> forward = ForwardBoundaries(Encoding::Utf8, bytes);
    ASSERT_FALSE(forward.empty());
    ASSERT_EQ(BackwardBoundaries(Encoding::Utf8, bytes), forward) << testing::PrintToString(bytes);

    // Every valid sequence is one character: its start and end are
    // boundaries and nothing inside it is.
    for (std::size_t at = 0; at < bytes.size(); ++at) {
      if ((static_cast<unsigned char>(bytes[at]) & 0xC0) == 0x80) continue;
      const std::size_t length = ValidUtf8SequenceLength(bytes, at);
      if (length == 0) continue;
      ASSERT_TRUE(IsBoundary(Encoding::Utf8, bytes, at)) << testing::PrintToString(bytes) << " at " << at;
      ASSERT_EQ(NextBoundary(Encoding::Utf8, bytes, at), at + length);
      for (std::size_t inside = at + 1; inside < at + length; ++inside)
        ASSERT_FALSE(IsBoundary(Encoding::Utf8, bytes, inside));
    }

    // Decoding takes the same steps, and the valid characters encode back.
    const DecodedText decoded = Decode(Encoding::Utf8, bytes);
    ASSERT_EQ(decoded.characters.size() + 1, forward.size());
    for (std::size_t i = 0; i < decoded.characters.size(); ++i) ASSERT_EQ(decoded.characters[i].source, forward[i]);
  }
}

}  // namespace
}  // namespace tessaly::text
