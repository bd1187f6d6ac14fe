// Finding every match of a pattern in every line of the page, as find and
// replace does, beside memmem and the standard Boyer-Moore-Horspool searcher.

#include <benchmark/benchmark.h>

#include <cstring>
#include <functional>
#include <string>

#include "BenchPage.h"
#include "BenchRatios.h"
#include "highlight/SrcEditSearch.h"
#include "platform/CodePage1251.h"

namespace tessaly::bench {

namespace {

struct Mode {
  const char* name;
  bool matchCase;
};

// Counts the matches of one line; each peer resumes after a match, as ours does.
template <typename FindInLine>
void RunPerLine(benchmark::State& state, FindInLine&& findInLine) {
  const BenchPage& page = Page();
  for (auto _ : state) {
    size_t matches = 0;
    for (const std::string& line : page.lines) matches += findInLine(line);
    benchmark::DoNotOptimize(matches);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.text.size()));
}

void Tessaly(benchmark::State& state, std::string pattern, bool matchCase) {
  TSrcEditSearch search;
  search.SetMatchCase(matchCase);
  search.SetSearchPattern(pattern);
  RunPerLine(state, [&search](const std::string& line) { return static_cast<size_t>(search.FindAllIn(line)); });
}

void Memmem(benchmark::State& state, std::string pattern) {
  RunPerLine(state, [&pattern](const std::string& line) {
    size_t matches = 0;
    const char* at = line.data();
    const char* const end = line.data() + line.size();
    while (const void* found = memmem(at, static_cast<size_t>(end - at), pattern.data(), pattern.size())) {
      ++matches;
      at = static_cast<const char*>(found) + pattern.size();
    }
    return matches;
  });
}

template <typename Searcher>
size_t CountWith(const Searcher& searcher, const std::string& line, size_t patternLength) {
  size_t matches = 0;
  for (auto at = line.begin();;) {
    const auto [first, last] = searcher(at, line.end());
    if (first == line.end()) return matches;
    ++matches;
    at = first + static_cast<std::ptrdiff_t>(patternLength);
  }
}

void Horspool(benchmark::State& state, std::string pattern, bool matchCase) {
  if (matchCase) {
    const std::boyer_moore_horspool_searcher searcher(pattern.begin(), pattern.end());
    RunPerLine(state, [&](const std::string& line) { return CountWith(searcher, line, pattern.size()); });
    return;
  }
  const auto fold = [](char c) { return cp1251::ToLower(static_cast<unsigned char>(c)); };
  const auto hash = [fold](char c) { return static_cast<size_t>(fold(c)); };
  const auto equal = [fold](char a, char b) { return fold(a) == fold(b); };
  const std::boyer_moore_horspool_searcher searcher(pattern.begin(), pattern.end(), hash, equal);
  RunPerLine(state, [&](const std::string& line) { return CountWith(searcher, line, pattern.size()); });
}

}  // namespace

void RegisterSearchBenchmarks() {
  const Mode modes[] = {{"match-case", true}, {"ignore-case", false}};
  for (const char* word : {"q", "span", "background-color"}) {
    for (const Mode& mode : modes) {
      // Capitals make the case-insensitive search fold every compared byte.
      const std::string pattern = mode.matchCase ? word : cp1251::UpperCase(word);
      const std::string prefix =
          "search/len:" + std::to_string(pattern.size()) + "/" + mode.name + "/";
      const bool matchCase = mode.matchCase;
      benchmark::RegisterBenchmark((prefix + "tessaly").c_str(),
                                   [pattern, matchCase](benchmark::State& s) { Tessaly(s, pattern, matchCase); })
          ->Unit(benchmark::kMillisecond);
      benchmark::RegisterBenchmark((prefix + "std-horspool").c_str(),
                                   [pattern, matchCase](benchmark::State& s) { Horspool(s, pattern, matchCase); })
          ->Unit(benchmark::kMillisecond);
      CompareThroughput(prefix + "tessaly", prefix + "std-horspool");
      if (matchCase) {
        benchmark::RegisterBenchmark((prefix + "memmem").c_str(),
                                     [pattern](benchmark::State& s) { Memmem(s, pattern); })
            ->Unit(benchmark::kMillisecond);
        CompareThroughput(prefix + "tessaly", prefix + "memmem");
      } else {
        // memmem cannot ignore case: the exact-byte search is the floor to compare with.
        CompareThroughput(prefix + "tessaly", "search/len:" + std::to_string(pattern.size()) + "/match-case/memmem");
      }
    }
  }
}

}  // namespace tessaly::bench
