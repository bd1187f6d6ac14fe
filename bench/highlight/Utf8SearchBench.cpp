// Case-insensitive search in a UTF-8 page of Russian text, line by line as
// find does, beside QString::indexOf with Qt::CaseInsensitive over the same
// text already decoded to UTF-16 (the decoding is not timed).

#include <benchmark/benchmark.h>

#include <QString>
#include <string>
#include <vector>

#include "BenchPage.h"
#include "BenchRatios.h"
#include "highlight/SrcEditSearch.h"
#include "platform/text/Decode.h"

namespace tessaly::bench {

namespace {

// The first megabyte of the benchmark page, in UTF-8.
struct Utf8Page {
  std::string text;
  std::vector<std::string> lines;
};

const Utf8Page& OneMegabyte() {
  static const Utf8Page page = [] {
    Utf8Page utf8;
    for (const std::string& line : Page().lines) {
      if (utf8.text.size() >= (1u << 20)) break;
      utf8.lines.push_back(text::DecodeToUtf8(text::Encoding::Windows1251, line));
      utf8.text += utf8.lines.back() + "\r\n";
    }
    return utf8;
  }();
  return page;
}

void Tessaly(benchmark::State& state, const std::string& pattern) {
  const Utf8Page& page = OneMegabyte();
  TSrcEditSearch search;
  search.SetEncoding(text::Encoding::Utf8);
  search.SetMatchCase(false);
  search.SetSearchPattern(pattern);
  size_t matches = 0;
  for (auto _ : state) {
    matches = 0;
    for (const std::string& line : page.lines) matches += static_cast<size_t>(search.FindAllIn(line));
    benchmark::DoNotOptimize(matches);
  }
  state.counters["matches"] = static_cast<double>(matches);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.text.size()));
}

void QStringIndexOf(benchmark::State& state, const std::string& pattern) {
  const Utf8Page& page = OneMegabyte();
  const QString text = QString::fromStdString(page.text);
  const QString needle = QString::fromStdString(pattern);
  size_t matches = 0;
  for (auto _ : state) {
    matches = 0;
    for (qsizetype at = text.indexOf(needle, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(needle, at + needle.size(), Qt::CaseInsensitive))
      ++matches;
    benchmark::DoNotOptimize(matches);
  }
  state.counters["matches"] = static_cast<double>(matches);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.text.size()));
}

}  // namespace

bool RegisterUtf8SearchBenchmarks() {
  // Capitals, so that every compared letter is folded.
  for (const char* word : {"ДОСТАВКА", "Background-Color"}) {
    const std::string pattern = word;
    const std::string prefix = "search-utf8-1MB/" + pattern + "/ignore-case/";
    benchmark::RegisterBenchmark((prefix + "tessaly").c_str(), [pattern](benchmark::State& s) { Tessaly(s, pattern); })
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((prefix + "qstring-indexof").c_str(),
                                 [pattern](benchmark::State& s) { QStringIndexOf(s, pattern); })
        ->Unit(benchmark::kMillisecond);
    CompareThroughput(prefix + "tessaly", prefix + "qstring-indexof");
  }
  return true;
}

}  // namespace tessaly::bench
