// Encoding detection and UTF-8 stepping over 10 MB pages: ASCII, UTF-8 and
// windows-1251. Opening a UTF-8 page should cost little more than an ASCII
// one, and detection of 10 MB should take well under 10 ms.

#include <string>

#include "platform/text/Decode.h"
#include "platform/text/Detect.h"
#include "platform/text/Stepping.h"
#include "support/RatioReporter.h"
#include "support/SampleHtml.h"

namespace {

using namespace tessaly;

constexpr std::size_t kPageBytes = 10 << 20;

const std::string& Windows1251Page() {
  static const std::string page = bench::SampleHtml(kPageBytes);
  return page;
}

const std::string& Utf8Page() {
  static const std::string page = text::DecodeToUtf8(text::Encoding::Windows1251, Windows1251Page());
  return page;
}

const std::string& AsciiPage() {
  static const std::string page = [] {
    std::string ascii = Windows1251Page();
    for (char& c : ascii)
      if (static_cast<unsigned char>(c) >= 0x80) c = 'a';
    return ascii;
  }();
  return page;
}

void Detect(benchmark::State& state, const std::string& page) {
  for (auto _ : state) benchmark::DoNotOptimize(text::Detect(page));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}

void Step(benchmark::State& state, const std::string& page) {
  for (auto _ : state) {
    std::size_t characters = 0;
    for (std::size_t at = 0; at < page.size(); at = text::NextUtf8Boundary(page, at)) ++characters;
    benchmark::DoNotOptimize(characters);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}

void BM_DetectAscii(benchmark::State& state) { Detect(state, AsciiPage()); }
void BM_DetectUtf8(benchmark::State& state) { Detect(state, Utf8Page()); }
void BM_DetectWindows1251(benchmark::State& state) { Detect(state, Windows1251Page()); }
void BM_StepAscii(benchmark::State& state) { Step(state, AsciiPage()); }
void BM_StepUtf8(benchmark::State& state) { Step(state, Utf8Page()); }

BENCHMARK(BM_DetectAscii)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DetectUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DetectWindows1251)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepAscii)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepUtf8)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return tessaly::bench::RunWithRatios(argc, argv, {{"BM_DetectUtf8", "BM_DetectAscii"},
                                                    {"BM_StepUtf8", "BM_StepAscii"}});
}
