// Every method's decoder against the test encoders, Debian's unzip and 7-Zip
// confirming that those encoders write the real formats, and one row per kind
// of damaged data with its exact error.

#include <gtest/gtest.h>

#include <functional>

#include "TestEncoders.h"
#include "TestFiles.h"
#include "ZipBuilder.h"
#include "update/zip/DecodeError.h"
#include "update/zip/Decoders.h"

namespace tessaly::zip {
namespace {

using test::TTestEntry;

std::string Decode(int method, uint16_t flags, const std::string& compressed, uint64_t size) {
  std::string result;
  TDecodeOutput out(size, [&](const uint8_t* data, size_t n) { result.append(reinterpret_cast<const char*>(data), n); });
  const std::span<const uint8_t> in(reinterpret_cast<const uint8_t*>(compressed.data()), compressed.size());
  EXPECT_TRUE(DecodeMethod(static_cast<uint16_t>(method), flags, in, out));
  EXPECT_EQ(out.Written(), result.size());
  return result;
}

struct TMethodCase {
  const char* label;
  int method;
  uint16_t flags;
};

const TMethodCase kMethods[] = {
    {"shrunk", 1, 0},          {"reduced1", 2, 0},         {"reduced2", 3, 0},        {"reduced3", 4, 0},
    {"reduced4", 5, 0},        {"imploded4k2", 6, 0},      {"imploded8k2", 6, 2},     {"imploded4k3", 6, 4},
    {"imploded8k3", 6, 6},     {"deflated", 8, 0},         {"deflated64", 9, 0},
};

const std::vector<std::pair<const char*, std::string>>& Inputs() {
  static const std::vector<std::pair<const char*, std::string>> inputs = {
      {"empty", ""},
      {"one byte", "x"},
      {"runs", std::string(5000, 'a') + std::string(70000, '\x90') + "b"},
      {"text", test::SampleText(150000, 1)},
      {"noise", test::NoiseBytes(20000, 2)},
  };
  return inputs;
}

class MethodRoundTrip : public ::testing::TestWithParam<TMethodCase> {};

TEST_P(MethodRoundTrip, DecodesWhatTheEncoderWrote) {
  const TMethodCase& c = GetParam();
  for (const auto& [label, data] : Inputs()) {
    const std::string compressed = test::Compress({.data = data, .method = c.method, .flags = c.flags});
    EXPECT_EQ(Decode(c.method, c.flags, compressed, data.size()), data) << label;
  }
}

// unzip -t checks what the encoders wrote against another implementation of
// the formats; it has no unreducing, and 7-Zip also reads Deflate64.
TEST_P(MethodRoundTrip, ArchiveIsAcceptedByOtherTools) {
  const TMethodCase& c = GetParam();
  if (c.method >= 2 && c.method <= 5) GTEST_SKIP() << "Debian's unzip has no unreducing";
  if (!test::HaveProgram("unzip")) GTEST_SKIP() << "unzip (Debian package unzip) is not installed";
  test::TScratchDir dir;
  std::vector<TTestEntry> entries;
  for (const auto& [label, data] : Inputs())
    entries.push_back({.name = std::string(label) + ".bin", .data = data, .method = c.method, .flags = c.flags});
  test::WriteFile(dir.Path() + "a.zip", test::BuildZip(entries));
  EXPECT_EQ(test::Run("unzip -tqq " + dir.Path() + "a.zip >/dev/null 2>&1"), 0);
  if (c.method == 9 && test::HaveProgram("7z")) {
    EXPECT_EQ(test::Run("7z t " + dir.Path() + "a.zip >/dev/null 2>&1"), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Methods, MethodRoundTrip, ::testing::ValuesIn(kMethods),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(Unshrink, PartialClearsFreeOnlyLeafCodes) {
  const std::string data = test::SampleText(200000, 7);
  for (const int clearEvery : {50, 700, 5000}) {
    const std::string compressed = test::Shrink(data, clearEvery);
    EXPECT_EQ(Decode(1, 0, compressed, data.size()), data) << clearEvery;
    if (!test::HaveProgram("unzip")) continue;
    test::TScratchDir dir;
    test::WriteFile(dir.Path() + "a.zip", test::BuildZip({{.name = "a", .data = data, .method = 1, .compressed = compressed}}));
    EXPECT_EQ(test::Run("unzip -tqq " + dir.Path() + "a.zip >/dev/null 2>&1"), 0) << clearEvery;
  }
}

// Archives of 7-Zip's own Deflate64 encoder, when it is installed.
TEST(Inflate64, ReadsSevenZipOutput) {
  if (!test::HaveProgram("7z")) GTEST_SKIP() << "7z (Debian package p7zip-full) is not installed";
  test::TScratchDir dir;
  const std::string data = test::SampleText(400000, 3);
  test::WriteFile(dir.Path() + "page.htm", data);
  ASSERT_EQ(test::Run("cd " + dir.Path() + " && 7z a -tzip -mm=Deflate64 -mx=9 a.zip page.htm >/dev/null 2>&1"), 0);
  const test::TFirstEntry entry = test::FirstEntry(test::ReadFile(dir.Path() + "a.zip"));
  ASSERT_EQ(entry.method, 9);
  EXPECT_EQ(Decode(9, 0, entry.compressed, data.size()), data);
}

struct TDamageCase {
  const char* label;
  int method;
  std::function<std::string()> data;
  uint64_t size;
  const char* error;
};

std::string Bits(const std::vector<std::pair<uint32_t, int>>& fields) {
  std::string out;
  uint32_t current = 0;
  int used = 0;
  for (const auto& [value, count] : fields) {
    for (int i = 0; i < count; ++i) {
      current |= ((value >> i) & 1) << used;
      if (++used == 8) {
        out += static_cast<char>(current);
        current = 0;
        used = 0;
      }
    }
  }
  if (used > 0) out += static_cast<char>(current);
  return out;
}

std::string Truncated(std::string s, size_t keep) { return s.substr(0, keep); }

const TDamageCase kDamage[] = {
    {"block type 3", 9, [] { return Bits({{1, 1}, {3, 2}}); }, 10, "invalid block type"},
    {"stored lengths", 9, [] { return Bits({{1, 1}, {0, 2}, {0, 5}, {5, 16}, {5, 16}}); }, 5, "invalid stored block lengths"},
    {"287 literal codes", 9, [] { return Bits({{1, 1}, {2, 2}, {30, 5}, {0, 5}, {0, 4}}); }, 5, "too many length or distance symbols"},
    {"empty code length code", 9, [] { return Bits({{1, 1}, {2, 2}, {0, 5}, {0, 5}, {0, 4}, {0, 12}}); }, 5, "invalid code lengths set"},
    {"repeat with nothing before", 9,
     // Code-length code: symbols 16 and 0 of one bit each; 16 comes first.
     [] { return Bits({{1, 1}, {2, 2}, {0, 5}, {0, 5}, {0, 4}, {1, 3}, {0, 3}, {0, 3}, {1, 3}, {1, 1}}); }, 5,
     "invalid bit length repeat"},
    {"no end-of-block code", 9,
     [] { return Bits({{1, 1}, {2, 2}, {0, 5}, {0, 5}, {0, 4}, {1, 3}, {0, 3}, {0, 3}, {1, 3}}) + std::string(40, '\0'); },
     5, "missing end-of-block code"},
    // Fixed codes go first bit highest, so they are given here bit-reversed.
    {"length code 286", 9, [] { return Bits({{1, 1}, {1, 2}, {0x63, 8}}); }, 5, "invalid literal/length code"},
    {"distance before start", 9, [] { return Bits({{1, 1}, {1, 2}, {0x40, 7}, {0, 5}}); }, 5, "invalid distance too far back"},
    {"cut short", 9, [] { return Truncated(test::Deflate64(test::SampleText(5000, 4)), 100); }, 5000, "unexpected end of data"},
    {"longer than stated", 9, [] { return test::Deflate64(std::string(300000, 'q')); }, 1000, "more data than the entry's size"},
    {"deflate cut short", 8, [] { return Truncated(test::DeflateRaw(test::SampleText(5000, 4)), 100); }, 5000, "unexpected end of data"},
    {"deflate bad block", 8, [] { return Bits({{1, 1}, {3, 2}}); }, 5, "invalid block type"},
    {"shrink first code not a byte", 1, [] { return Bits({{300, 9}}); }, 5, "invalid first code"},
    {"shrink unknown code", 1, [] { return Bits({{65, 9}, {400, 9}}); }, 5, "invalid code"},
    {"shrink control 3", 1, [] { return Bits({{65, 9}, {256, 9}, {3, 9}}); }, 5, "invalid control code"},
    {"shrink code size 14", 1,
     [] { return Bits({{65, 9}, {256, 9}, {1, 9}, {256, 10}, {1, 10}, {256, 11}, {1, 11}, {256, 12}, {1, 12}, {256, 13}, {1, 13}}); },
     5, "invalid code size"},
    {"reduce follower set of 33", 2, [] { return Bits({{33, 6}}) + std::string(300, '\0'); }, 5, "invalid follower set"},
    {"reduce follower index", 2,
     // Set 0 (read last) holds three followers; index 3 does not exist.
     [] {
       std::vector<std::pair<uint32_t, int>> f(255, {0, 6});
       f.push_back({3, 6});
       for (int i = 0; i < 3; ++i) f.push_back({'a', 8});
       f.push_back({0, 1});
       f.push_back({3, 2});
       return Bits(f);
     },
     5, "invalid follower index"},
    {"explode tree too long", 6, [] { return Bits({{4, 8}, {0xFF, 8}, {0xFF, 8}, {0xFF, 8}, {0xFF, 8}, {0xFF, 8}}); }, 5, "invalid Shannon-Fano tree"},
    {"explode tree incomplete", 6, [] { return Bits({{3, 8}, {0xF6, 8}, {0xF6, 8}, {0xF6, 8}, {0xF6, 8}}); }, 5, "invalid Shannon-Fano tree"},
    {"explode cut short", 6, [] { return Truncated(test::Implode(test::SampleText(5000, 5), 0), 200); }, 5000, "unexpected end of data"},
    {"unshrink cut short", 1, [] { return Truncated(test::Shrink(test::SampleText(5000, 5), 0), 200); }, 5000, "unexpected end of data"},
};

class DamagedData : public ::testing::TestWithParam<TDamageCase> {};

TEST_P(DamagedData, FailsWithItsOwnError) {
  const TDamageCase& c = GetParam();
  try {
    Decode(c.method, 0, c.data(), c.size);
    FAIL() << "no error";
  } catch (const EDecodeError& error) {
    EXPECT_STREQ(error.what(), c.error);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, DamagedData, ::testing::ValuesIn(kDamage), [](const auto& info) { return zip::test::TestName(info.param.label); });

}  // namespace
}  // namespace tessaly::zip
