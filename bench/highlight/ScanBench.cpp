// The HTML highlighter over the whole page, line by line as the editor scans
// it after loading a file, and as the painter walks tokens.

#include <benchmark/benchmark.h>

#include "BenchPage.h"
#include "BenchRatios.h"
#include "highlight/HtmlHighlighter.h"

namespace tessaly::bench {

namespace {

// Scans every line of the page in order, carrying the state over as the
// editor does; `scanLine` takes each line from its first token on.
template <typename ScanLine>
void ScanPage(benchmark::State& state, ScanLine&& scanLine) {
  const BenchPage& page = Page();
  THtmlHighlighter highlighter;
  for (auto _ : state) {
    highlighter.ResetScanState();
    size_t sum = 0;
    for (size_t i = 0; i < page.lines.size(); ++i) {
      highlighter.StartLine(page.lines[i], static_cast<int>(i));
      sum += scanLine(highlighter);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.text.size()));
}

// What the editor does when a highlighter is assigned: each line scanned to
// its end for the state the next one starts in.
void FullRescan(benchmark::State& state) {
  ScanPage(state, [](THtmlHighlighter& highlighter) {
    highlighter.ScanToLineEnd();
    return static_cast<size_t>(highlighter.GetScanState());
  });
}

// What painting does per token: its start, bytes and attribute.
void TokenWalk(benchmark::State& state) {
  ScanPage(state, [](THtmlHighlighter& highlighter) {
    size_t sum = 0;
    for (; !highlighter.AtLineEnd(); highlighter.NextToken())
      sum += static_cast<size_t>(highlighter.CurrentTokenStart()) + highlighter.CurrentTokenBytes().size() +
             (highlighter.CurrentTokenAttri() != nullptr);
    return sum;
  });
}

}  // namespace

void RegisterScanBenchmarks() {
  benchmark::RegisterBenchmark("scan/tessaly-rescan", FullRescan)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("scan/tessaly-tokens", TokenWalk)->Unit(benchmark::kMillisecond);
  CompareThroughput("scan/tessaly-rescan", "scan/qscintilla-html-lexer");
  CompareThroughput("scan/tessaly-tokens", "scan/qscintilla-html-lexer");
}

}  // namespace tessaly::bench
