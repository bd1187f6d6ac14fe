// The HTML highlighter over the whole page, line by line as the editor scans
// it after loading a file, and as the painter walks tokens.

#include <benchmark/benchmark.h>

#include "BenchPage.h"
#include "BenchRatios.h"
#include "highlight/HtmlHighlighter.h"

namespace tessaly::bench {

namespace {

// What the editor does when a highlighter is assigned: every line scanned to
// its end, carrying the state over.
void FullRescan(benchmark::State& state) {
  const BenchPage& page = Page();
  THtmlHighlighter highlighter;
  for (auto _ : state) {
    highlighter.ResetScanState();
    int32_t states = 0;
    for (size_t i = 0; i < page.lines.size(); ++i) {
      states += highlighter.GetScanState();
      highlighter.StartLine(page.lines[i], static_cast<int>(i));
      highlighter.ScanToLineEnd();
    }
    benchmark::DoNotOptimize(states);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.text.size()));
}

// What painting does per token: its start, bytes and attribute.
void TokenWalk(benchmark::State& state) {
  const BenchPage& page = Page();
  THtmlHighlighter highlighter;
  for (auto _ : state) {
    highlighter.ResetScanState();
    size_t sum = 0;
    for (size_t i = 0; i < page.lines.size(); ++i) {
      for (highlighter.StartLine(page.lines[i], static_cast<int>(i)); !highlighter.AtLineEnd();
           highlighter.NextToken()) {
        sum += static_cast<size_t>(highlighter.CurrentTokenStart()) + highlighter.CurrentTokenBytes().size() +
               (highlighter.CurrentTokenAttri() != nullptr);
      }
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.text.size()));
}

}  // namespace

void RegisterScanBenchmarks() {
  benchmark::RegisterBenchmark("scan/tessaly-rescan", FullRescan)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("scan/tessaly-tokens", TokenWalk)->Unit(benchmark::kMillisecond);
  CompareThroughput("scan/tessaly-rescan", "scan/qscintilla-html-lexer");
  CompareThroughput("scan/tessaly-tokens", "scan/qscintilla-html-lexer");
}

}  // namespace tessaly::bench
