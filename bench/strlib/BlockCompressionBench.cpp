// Block compression of HTML text: ours beside zlib at level 1 on the same
// pieces of at most 32781 bytes, as the string libraries store them.

#include <zlib.h>

#include <string>
#include <vector>

#include "strlib/BlockCompression.h"
#include "strlib/EntryEncoding.h"
#include "support/RatioReporter.h"
#include "support/SampleHtml.h"

namespace {

using namespace tessaly;

const std::vector<std::string>& Pieces() {
  static const std::vector<std::string> pieces = [] {
    const std::string html = bench::SampleHtml(4 << 20);
    std::vector<std::string> out;
    for (size_t at = 0; at < html.size(); at += strlib::kMaxPiece) out.push_back(html.substr(at, strlib::kMaxPiece));
    return out;
  }();
  return pieces;
}

size_t TotalSize(const std::vector<std::string>& blocks) {
  size_t total = 0;
  for (const std::string& b : blocks) total += b.size();
  return total;
}

std::string ZlibCompress(const std::string& piece) {
  uLongf size = compressBound(piece.size());
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(piece.data()), piece.size(), 1);
  out.resize(size);
  return out;
}

void Report(benchmark::State& state, size_t compressedSize) {
  const size_t original = TotalSize(Pieces());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * original));
  state.counters["ratio"] = static_cast<double>(compressedSize) / static_cast<double>(original);
}

void BM_BlockCompress(benchmark::State& state) {
  size_t compressed = 0;
  for (auto _ : state) {
    compressed = 0;
    for (const std::string& piece : Pieces()) compressed += strlib::CompressBlock(piece).size();
  }
  Report(state, compressed);
}

void BM_ZlibLevel1Compress(benchmark::State& state) {
  size_t compressed = 0;
  for (auto _ : state) {
    compressed = 0;
    for (const std::string& piece : Pieces()) compressed += ZlibCompress(piece).size();
  }
  Report(state, compressed);
}

void BM_BlockDecompress(benchmark::State& state) {
  std::vector<std::string> blocks;
  for (const std::string& piece : Pieces()) blocks.push_back(strlib::CompressBlock(piece));
  for (auto _ : state)
    for (const std::string& block : blocks) benchmark::DoNotOptimize(strlib::DecompressBlock(block));
  Report(state, TotalSize(blocks));
}

void BM_ZlibLevel1Decompress(benchmark::State& state) {
  std::vector<std::string> blocks;
  for (const std::string& piece : Pieces()) blocks.push_back(ZlibCompress(piece));
  std::string out(strlib::kMaxPiece, '\0');
  for (auto _ : state)
    for (const std::string& block : blocks) {
      uLongf size = out.size();
      uncompress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(block.data()),
                 block.size());
      benchmark::DoNotOptimize(out.data());
    }
  Report(state, TotalSize(blocks));
}

BENCHMARK(BM_BlockCompress)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibLevel1Compress)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BlockDecompress)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibLevel1Decompress)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return tessaly::bench::RunWithRatios(argc, argv, {{"BM_BlockCompress", "BM_ZlibLevel1Compress"},
                                                    {"BM_BlockDecompress", "BM_ZlibLevel1Decompress"}});
}
