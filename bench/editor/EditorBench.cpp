// The editing core on a 100,000-line page with the HTML highlighter attached:
// typing one character on the first line (with and without a scan-state
// change that ripples to the end), inserting 1 MB through SelText,
// replace-all of 100,000 matches and its undo, and SelStart on the last
// line. The peer is the plainest model of the same work: a vector of lines.
// Peak memory is the process's resident high-water mark, reset before each
// benchmark.

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "editor/SrcEdit.h"
#include "highlight/HtmlHighlighter.h"
#include "platform/Clipboard.h"
#include "platform/HeadlessControlHost.h"
#include "support/PeakMemory.h"
#include "support/RatioReporter.h"
#include "support/SampleHtml.h"

namespace {

using namespace tessaly;
using bench::PeakMemoryMiB;
using bench::ResetPeakMemory;

constexpr int kLines = 100000;

// The sample page cut to 100,000 lines, each ending in CR LF.
const std::string& Page() {
  static const std::string page = [] {
    const std::string html = bench::SampleHtml(8u << 20);
    size_t end = 0;
    for (int i = 0; i < kLines; ++i) end = html.find("\r\n", end) + 2;
    return html.substr(0, end);
  }();
  return page;
}

// An editor in the program's window with the page loaded and highlighted.
struct PageEditor {
  explicit PageEditor(const std::string& text) {
    editor.SetText(text);
    editor.SetHighlighter(&highlighter);
  }
  THeadlessControlHost host{{648, 400}, 8, 16};
  TMemoryClipboard clipboard;
  THtmlHighlighter highlighter;
  TSrcEdit editor{host, clipboard};
};

void TypeOnFirstLine(benchmark::State& state, const std::string& firstLine, int column, char ch) {
  ResetPeakMemory();
  PageEditor page(firstLine + "\r\n" + Page());
  page.editor.SetCaretXY({column, 1});
  for (auto _ : state) {
    page.editor.RunCommand(ecChar, ch, nullptr);
    state.PauseTiming();
    page.editor.RunCommand(ecDeleteLastChar, '\0', nullptr);
    state.ResumeTiming();
  }
  if (page.editor.LineText(1) != firstLine) state.SkipWithError("the first line changed");
  state.counters["peak_MiB"] = PeakMemoryMiB();
}

void BM_TypeCharFirstLine(benchmark::State& state) { TypeOnFirstLine(state, "<p>text", 4, 'x'); }

// "<!-" becomes "<!--": a comment opens that no later line closes.
void BM_TypeCharFirstLineRippling(benchmark::State& state) { TypeOnFirstLine(state, "<!- text", 4, '-'); }

void BM_VectorTypeCharFirstLine(benchmark::State& state) {
  std::vector<std::string> lines;
  size_t pos = 0;
  for (size_t next; (next = Page().find("\r\n", pos)) != std::string::npos; pos = next + 2)
    lines.push_back(Page().substr(pos, next - pos));
  for (auto _ : state) {
    lines[0].insert(3, 1, 'x');
    state.PauseTiming();
    lines[0].erase(3, 1);
    state.ResumeTiming();
  }
}

void BM_SelTextOneMegabyte(benchmark::State& state) {
  const std::string text = bench::SampleHtml(1u << 20).substr(0, 1u << 20);
  ResetPeakMemory();
  for (auto _ : state) {
    state.PauseTiming();
    auto page = std::make_unique<PageEditor>("");
    state.ResumeTiming();
    page->editor.SetSelText(text);
    state.PauseTiming();
    if (page->editor.LineCount() < 1000) {
      state.SkipWithError("text not inserted");
      break;
    }
    page.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
  state.counters["peak_MiB"] = PeakMemoryMiB();
}

std::string MatchPage() {
  std::string text;
  for (int i = 0; i < kLines; ++i) text += "<td>cell " + std::to_string(i) + "</td>\r\n";
  return text;
}

const TSrcSearchOptions kReplaceAll{soReplaceAll, soEntireScope, soMatchCase};

void BM_ReplaceAll100000(benchmark::State& state) {
  ResetPeakMemory();
  PageEditor page(MatchPage());
  for (auto _ : state) {
    if (page.editor.SearchReplace("cell", "item", kReplaceAll) != kLines) {
      state.SkipWithError("wrong match count");
      break;
    }
    state.PauseTiming();
    page.editor.Undo();
    state.ResumeTiming();
  }
  state.counters["peak_MiB"] = PeakMemoryMiB();
}

void BM_UndoReplaceAll100000(benchmark::State& state) {
  PageEditor page(MatchPage());
  for (auto _ : state) {
    state.PauseTiming();
    page.editor.SearchReplace("cell", "item", kReplaceAll);
    state.ResumeTiming();
    page.editor.Undo();
  }
  if (page.editor.LineText(1) != "<td>cell 0</td>") state.SkipWithError("undo did not restore");
}

void BM_VectorReplaceAll100000(benchmark::State& state) {
  std::vector<std::string> lines;
  for (int i = 0; i < kLines; ++i) lines.push_back("<td>cell " + std::to_string(i) + "</td>");
  for (auto _ : state) {
    for (std::string& line : lines) line.replace(line.find("cell"), 4, "item");
    state.PauseTiming();
    for (std::string& line : lines) line.replace(line.find("item"), 4, "cell");
    state.ResumeTiming();
  }
}

void BM_SelStartLastLine(benchmark::State& state) {
  PageEditor page(Page());
  page.editor.SetCaretXY({3, kLines});
  for (auto _ : state) benchmark::DoNotOptimize(page.editor.SelStart());
}

BENCHMARK(BM_TypeCharFirstLine)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_TypeCharFirstLineRippling)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(5);
BENCHMARK(BM_VectorTypeCharFirstLine)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_SelTextOneMegabyte)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5);
BENCHMARK(BM_ReplaceAll100000)->Unit(benchmark::kMillisecond)->Iterations(2)->Repetitions(5);
BENCHMARK(BM_UndoReplaceAll100000)->Unit(benchmark::kMillisecond)->Iterations(2)->Repetitions(5);
BENCHMARK(BM_VectorReplaceAll100000)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5);
BENCHMARK(BM_SelStartLastLine)->Unit(benchmark::kMicrosecond)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
  return tessaly::bench::RunWithRatios(
      argc, argv,
      {{"BM_TypeCharFirstLine/repeats:5", "BM_VectorTypeCharFirstLine/repeats:5"},
       {"BM_ReplaceAll100000/iterations:2/repeats:5", "BM_VectorReplaceAll100000/iterations:5/repeats:5"}});
}
