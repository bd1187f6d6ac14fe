// bench_srcedit_widget: opening a 10 MB page into the editor widget (load,
// full highlighter scan, first paint) and painting one window of highlighted
// text, beside QScintilla with its HTML lexer and QPlainTextEdit on the same
// page, and one window of Chinese in a UTF-8 page beside it; each run
// reports its peak resident memory, ratios come last.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <memory>

#include "support/PeakMemory.h"
#include "highlight/HtmlHighlighter.h"
#include "platform/Clipboard.h"
#include "platform/Utf8.h"
#include "qt/Cp1251Text.h"
#include "qt/QtSrcEditWidget.h"
#include "support/RatioReporter.h"
#include "support/SampleHtml.h"

#ifdef TESSALY_WITH_QSCINTILLA
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>
#endif

namespace tessaly::bench {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

const std::string& Page() {
  static const std::string page = SampleHtml(10u << 20);
  return page;
}

// Paints the widget's viewport as it would appear on screen.
void Render(QAbstractScrollArea& widget) {
  QImage image(widget.viewport()->size(), QImage::Format_RGB32);
  widget.viewport()->render(&image);
  benchmark::DoNotOptimize(image.constBits());
}

void ReportPeak(benchmark::State& state) { state.counters["peak_MiB"] = PeakMemoryMiB(); }

// ---- ours -------------------------------------------------------------------

void OpenSrcEdit(benchmark::State& state) {
  ResetPeakMemory();
  TMemoryClipboard clipboard;
  THtmlHighlighter highlighter;
  for (auto _ : state) {
    QtSrcEditWidget widget(clipboard);
    widget.resize(kWidth, kHeight);
    widget.Editor().SetText(Page());
    widget.Editor().SetHighlighter(&highlighter);  // the full scan
    Render(widget);
  }
  ReportPeak(state);
}

// One window from the middle of a page held in `encoding`.
void PaintWindow(benchmark::State& state, const std::string& page, text::Encoding encoding) {
  TMemoryClipboard clipboard;
  THtmlHighlighter highlighter;
  QtSrcEditWidget widget(clipboard);
  widget.resize(kWidth, kHeight);
  widget.Editor().SetEncoding(encoding);
  widget.Editor().SetText(page);
  widget.Editor().SetHighlighter(&highlighter);
  widget.Editor().SetTopLine(widget.Editor().LineCount() / 2);
  ResetPeakMemory();
  for (auto _ : state) Render(widget);
  ReportPeak(state);
}

void PaintSrcEdit(benchmark::State& state) { PaintWindow(state, Page(), text::kDefaultEncoding); }

// One window of Chinese text in a UTF-8 page: every character decoded,
// drawn in two cells, from a fallback font.
const std::string& CjkPage() {
  static const std::string page = [] {
    std::string text;
    char32_t c = 0x4E00;
    for (int line = 0; line < 2000; ++line) {
      text += "<p>";
      for (int k = 0; k < 48; ++k) {
        AppendUtf8(text, c);
        c = c == 0x9FA5 ? 0x4E00 : c + 7;
      }
      text += "</p>\r\n";
    }
    return text;
  }();
  return page;
}

void PaintSrcEditCjk(benchmark::State& state) { PaintWindow(state, CjkPage(), text::Encoding::Utf8); }

// ---- QPlainTextEdit ---------------------------------------------------------------

void OpenPlainText(benchmark::State& state) {
  ResetPeakMemory();
  for (auto _ : state) {
    QPlainTextEdit widget;
    widget.resize(kWidth, kHeight);
    widget.setPlainText(QStringFromCp1251(Page()));
    Render(widget);
  }
  ReportPeak(state);
}

void PaintPlainText(benchmark::State& state) {
  QPlainTextEdit widget;
  widget.resize(kWidth, kHeight);
  widget.setPlainText(QStringFromCp1251(Page()));
  widget.verticalScrollBar()->setValue(widget.verticalScrollBar()->maximum() / 2);
  ResetPeakMemory();
  for (auto _ : state) Render(widget);
  ReportPeak(state);
}

// ---- QScintilla ---------------------------------------------------------------------

#ifdef TESSALY_WITH_QSCINTILLA
// Single-byte text, as our editor holds it, styled in full like our scan.
void LoadScintilla(QsciScintilla& widget, QsciLexerHTML& lexer) {
  widget.resize(kWidth, kHeight);
  widget.setLexer(&lexer);
  widget.setFolding(QsciScintilla::NoFoldStyle);
  widget.SendScintilla(QsciScintillaBase::SCI_SETCODEPAGE, 0UL);
  widget.SendScintilla(QsciScintillaBase::SCI_SETTEXT, 0UL, Page().c_str());
  widget.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
}

void OpenScintilla(benchmark::State& state) {
  ResetPeakMemory();
  for (auto _ : state) {
    QsciScintilla widget;
    QsciLexerHTML lexer;
    LoadScintilla(widget, lexer);
    Render(widget);
  }
  ReportPeak(state);
}

void PaintScintilla(benchmark::State& state) {
  QsciScintilla widget;
  QsciLexerHTML lexer;
  LoadScintilla(widget, lexer);
  widget.setFirstVisibleLine(widget.lines() / 2);
  ResetPeakMemory();
  for (auto _ : state) Render(widget);
  ReportPeak(state);
}
#endif

}  // namespace
}  // namespace tessaly::bench

int main(int argc, char** argv) {
  using namespace tessaly::bench;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  std::vector<std::pair<std::string, std::string>> pairs;
  const auto add = [](const char* name, void (*run)(benchmark::State&), int iterations) {
    benchmark::RegisterBenchmark(name, run)->Unit(benchmark::kMillisecond)->Iterations(iterations);
  };
  add("open/srcedit", OpenSrcEdit, 3);
  add("open/qplaintextedit", OpenPlainText, 3);
  add("paint/srcedit", PaintSrcEdit, 50);
  add("paint/qplaintextedit", PaintPlainText, 50);
  add("paint/srcedit-cjk-utf8", PaintSrcEditCjk, 50);
  pairs.emplace_back("open/srcedit/iterations:3", "open/qplaintextedit/iterations:3");
  pairs.emplace_back("paint/srcedit/iterations:50", "paint/qplaintextedit/iterations:50");
  pairs.emplace_back("paint/srcedit-cjk-utf8/iterations:50", "paint/srcedit/iterations:50");
#ifdef TESSALY_WITH_QSCINTILLA
  add("open/qscintilla-html", OpenScintilla, 3);
  add("paint/qscintilla-html", PaintScintilla, 50);
  pairs.emplace_back("open/srcedit/iterations:3", "open/qscintilla-html/iterations:3");
  pairs.emplace_back("paint/srcedit/iterations:50", "paint/qscintilla-html/iterations:50");
#endif
  std::fprintf(stderr, "page: %zu bytes\n", Page().size());
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter(pairs);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
