// Loading and saving a 50 MB, 1,000,000-line page with the line buffer, beside
// the plainest standard-library reading (getline into a vector of strings).
// Peak memory is the process's resident high-water mark during the run,
// reset before each benchmark.

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "editor/SrcEditStringList.h"
#include "platform/Files.h"
#include "support/PeakMemory.h"
#include "support/RatioReporter.h"

namespace {

using namespace tessaly;
using bench::PeakMemoryMiB;
using bench::ResetPeakMemory;

constexpr int kLines = 1000000;

const std::string& PagePath() {
  static const std::string path = [] {
    const std::string file = "/tmp/tessaly-bench-page-" + std::to_string(::getpid()) + ".htm";
    std::string text;
    text.reserve(52u << 20);
    for (int i = 0; i < kLines; ++i) {
      text += "  <tr><td class=\"c" + std::to_string(i % 13) + "\">";
      text.append(static_cast<size_t>(i % 39), 'x');
      text += "</td></tr>\r\n";
    }
    WriteFileAtomically(file, text);
    return file;
  }();
  return path;
}

void Finish(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(ReadFileBytes(PagePath()).size()));
  state.counters["peak_MiB"] = PeakMemoryMiB();
}

void BM_LineBufferLoad(benchmark::State& state) {
  PagePath();
  ResetPeakMemory();
  for (auto _ : state) {
    TSrcEditStringList lines;
    lines.LoadFromFile(PagePath());
    if (lines.Count() != kLines) state.SkipWithError("wrong line count");
  }
  Finish(state);
}

void BM_GetlineLoad(benchmark::State& state) {
  PagePath();
  ResetPeakMemory();
  for (auto _ : state) {
    std::ifstream in(PagePath(), std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(std::move(line));
    }
    benchmark::DoNotOptimize(lines.data());
  }
  Finish(state);
}

void BM_LineBufferSave(benchmark::State& state) {
  TSrcEditStringList lines;
  lines.LoadFromFile(PagePath());
  const std::string out = PagePath() + ".saved";
  ResetPeakMemory();
  for (auto _ : state) lines.SaveToFile(out);
  std::remove(out.c_str());
  Finish(state);
}

void BM_OfstreamSave(benchmark::State& state) {
  TSrcEditStringList lines;
  lines.LoadFromFile(PagePath());
  const std::string out = PagePath() + ".saved";
  ResetPeakMemory();
  for (auto _ : state) {
    std::ofstream file(out, std::ios::binary);
    for (int i = 0; i < lines.Count(); ++i) file << lines.Get(i) << "\r\n";
  }
  std::remove(out.c_str());
  Finish(state);
}

BENCHMARK(BM_LineBufferLoad)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GetlineLoad)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LineBufferSave)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OfstreamSave)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  const int result = tessaly::bench::RunWithRatios(
      argc, argv, {{"BM_LineBufferLoad/iterations:3", "BM_GetlineLoad/iterations:3"},
                   {"BM_LineBufferSave/iterations:3", "BM_OfstreamSave/iterations:3"}});
  std::remove(PagePath().c_str());
  return result;
}
