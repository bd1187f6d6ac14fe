#include "strlib/BlockCompression.h"

#include <gtest/gtest.h>

#include <random>

namespace tessaly::strlib {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

TEST(BlockCompression, ExactBytesOfKnownInputs) {
  const struct {
    const char* name;
    std::string input;
    std::string block;
  } cases[] = {
      {"run of 100 equal bytes", std::string(100, 'x'), Bytes({0x40, 0x80, 0x00, 0, 0, 84, 'x'})},
      {"three different bytes are stored", "abc", Bytes({0x80, 'a', 'b', 'c'})},
      {"empty input is stored", "", Bytes({0x80})},
      // 3 literals, then one copy of distance 3 reading what it writes,
      // as long as the input lasts (17 bytes): bits 0,0,0,1.
      {"overlapping copy", "abcabcabcabcabcabcab", Bytes({0x40, 0x10, 0x00, 'a', 'b', 'c', 0x00, 0x3E})},
  };
  for (const auto& c : cases) {
    const std::string block = CompressBlock(c.input);
    EXPECT_EQ(block, c.block) << c.name;
    EXPECT_EQ(DecompressBlock(block), c.input) << c.name;
  }
}

TEST(BlockCompression, DecodesHandMadeItems) {
  const struct {
    const char* name;
    std::string block;
    std::string output;
  } cases[] = {
      {"distance 1 length 18 repeats the last byte", Bytes({0x40, 0x40, 0x00, 'z', 0x00, 0x1F}), std::string(19, 'z')},
      {"longest run", Bytes({0x40, 0x80, 0x00, 0, 0x0F, 0xFF, '-'}), std::string(4111, '-')},
      {"second control word after 16 items",
       Bytes({0x40, 0x00, 0x00, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 'n', 'o', 'p', 0x80,
              0x00, 0x00, 0x1F}),
       "abcdefghijklmnop" + std::string(18, 'p')},
  };
  for (const auto& c : cases) EXPECT_EQ(DecompressBlock(c.block), c.output) << c.name;
}

TEST(BlockCompression, MalformedBlocksRaiseErrors) {
  const struct {
    const char* name;
    std::string block;
  } cases[] = {
      {"empty block", ""},
      {"no room for the control word", Bytes({0x40, 0x80})},
      {"copy item cut short", Bytes({0x40, 0x80, 0x00, 0x01})},
      {"run item cut short", Bytes({0x40, 0x80, 0x00, 0x00, 0x00, 0x10})},
      {"copy before the output's start", Bytes({0x40, 0x80, 0x00, 0x00, 0x20})},
      {"second control word cut short",
       Bytes({0x40, 0x00, 0x00, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 'n', 'o', 'p', 0x80})},
      {"output past the size limit",
       Bytes({0x40, 0xFF, 0xFF, 0, 0x0F, 0xFF, 'a', 0, 0x0F, 0xFF, 'a', 0, 0x0F, 0xFF, 'a', 0, 0x0F, 0xFF, 'a',
              0, 0x0F, 0xFF, 'a', 0, 0x0F, 0xFF, 'a', 0, 0x0F, 0xFF, 'a', 0, 0x0F, 0xFF, 'a', 0, 0x0F, 0xFF, 'a',
              0, 0x0F, 0xFF, 'a', 0, 0x0F, 0xFF, 'a', 0, 0x0F, 0xFF, 'a', 0, 0x0F, 0xFF, 'a', 0, 0x0F, 0xFF, 'a',
              0, 0x0F, 0xFF, 'a', 0, 0x0F, 0xFF, 'a'})},
  };
  for (const auto& c : cases) EXPECT_THROW(DecompressBlock(c.block), ECompressedBlock) << c.name;
  EXPECT_THROW(CompressBlock(std::string(kMaxBlockInput + 1, 'a')), ECompressedBlock);
}

TEST(BlockCompression, RandomInputsRoundTripWithinTheStoredSize) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 300; ++round) {
    // Mixtures of few symbols, runs and noise exercise every item kind.
    const size_t size = random() % (round < 250 ? 3000 : kMaxBlockInput + 1);
    const int alphabet = 1 + static_cast<int>(random() % 40);
    std::string input;
    while (input.size() < size) {
      if (random() % 20 == 0) input.append(std::min<size_t>(size - input.size(), random() % 300), 'r');
      else input += static_cast<char>('a' + random() % alphabet);
    }
    const std::string block = CompressBlock(input);
    ASSERT_LE(block.size(), input.size() + 1);
    ASSERT_EQ(DecompressBlock(block), input) << "round " << round << " size " << size;
  }
}

}  // namespace
}  // namespace tessaly::strlib
