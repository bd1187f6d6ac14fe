// bench_documents: opening a 1 MB and a 10 MB page through the main window
// (the file read, its encoding detected, the editor loaded, the viewer laid
// out, the window painted) and saving the 10 MB page, beside a window of
// stock Qt widgets doing the same work (QPlainTextEdit for the source,
// QTextBrowser for the page); then a 10 MB page in pure ASCII against the same
// page in UTF-8 with Cyrillic, Greek and Chinese words. Each run reports its
// peak resident memory, ratios come last.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTextBrowser>


#include "platform/Files.h"
#include "platform/ProgramDirectory.h"
#include "qt/Cp1251Text.h"
#include "support/PeakMemory.h"
#include "support/RatioReporter.h"
#include "support/WindowBench.h"

namespace tessaly::bench {
namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 700;

std::string PagePath(size_t megabytes, SampleText kind = SampleText::Cp1251) {
  return SamplePagePath(megabytes << 20, kind);
}

void Render(QWidget& window) {
  QImage image(window.size(), QImage::Format_RGB32);
  window.render(&image);
  benchmark::DoNotOptimize(image.constBits());
}

void ReportPeak(benchmark::State& state) { state.counters["peak_MiB"] = PeakMemoryMiB(); }

struct Editor : BenchWindow {
  Editor() {
    Window().resize(kWidth, kHeight);
    Window().show();
  }
};

void OpenInWindow(benchmark::State& state, const std::string& path) {
  ResetPeakMemory();
  Editor editor;
  TOsnovnFRM& window = editor.Window();
  for (auto _ : state) {
    editor.dialogs.AnswerOpenFile(path);
    window.Open1Click();
    // The preview takes a new document on the event loop's next pass.
    window.ReloadPendingPreview();
    Render(window);
  }
  ReportPeak(state);
}

void OpenInWindow(benchmark::State& state) {
  OpenInWindow(state, PagePath(static_cast<size_t>(state.range(0))));
}
void OpenAsciiInWindow(benchmark::State& state) { OpenInWindow(state, PagePath(10, SampleText::Ascii)); }
void OpenUtf8InWindow(benchmark::State& state) { OpenInWindow(state, PagePath(10, SampleText::Utf8)); }

void SaveFromWindow(benchmark::State& state) {
  Editor editor;
  TOsnovnFRM& window = editor.Window();
  editor.dialogs.AnswerOpenFile(PagePath(10));
  window.Open1Click();
  // The copy is saved beside the sample pages, not over them.
  editor.dialogs.AnswerSaveFile(Folder().File("saved.htm"));
  window.Saveas1Click();
  ResetPeakMemory();
  for (auto _ : state) window.Save1Click();
  ReportPeak(state);
}

// ---- stock Qt widgets -----------------------------------------------------------

struct StockWindow {
  StockWindow() {
    splitter.setOrientation(Qt::Vertical);
    splitter.addWidget(&page);
    splitter.addWidget(&source);
    splitter.resize(kWidth, kHeight);
    splitter.show();
  }
  QSplitter splitter;
  QTextBrowser page;
  QPlainTextEdit source;
};

void OpenInStockWidgets(benchmark::State& state, const std::string& path, QString (*decode)(std::string_view)) {
  ResetPeakMemory();
  StockWindow window;
  for (auto _ : state) {
    const QString text = decode(ReadFileBytes(path));
    window.source.setPlainText(text);
    window.page.setHtml(text);
    Render(window.splitter);
  }
  ReportPeak(state);
}

QString FromUtf8(std::string_view bytes) { return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())); }

void OpenInStockWidgets(benchmark::State& state) {
  OpenInStockWidgets(state, PagePath(static_cast<size_t>(state.range(0))), QStringFromCp1251);
}
void OpenUtf8InStockWidgets(benchmark::State& state) {
  OpenInStockWidgets(state, PagePath(10, SampleText::Utf8), FromUtf8);
}

void SaveFromStockWidgets(benchmark::State& state) {
  StockWindow window;
  window.source.setPlainText(QStringFromCp1251(ReadFileBytes(PagePath(10))));
  const std::string path = Folder().File("saved-stock.htm");
  ResetPeakMemory();
  for (auto _ : state) WriteFileAtomically(path, Cp1251FromQString(window.source.toPlainText()));
  ReportPeak(state);
}

}  // namespace
}  // namespace tessaly::bench

int main(int argc, char** argv) {
  using namespace tessaly::bench;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  tessaly::PrepareApplication();
  QApplication application(argc, argv);
  tessaly::SetUpApplication(application);
  tessaly::SetProgramDirectory(Folder().File("program"));
  const auto add = [](const char* name, void (*run)(benchmark::State&), int iterations) {
    return benchmark::RegisterBenchmark(name, run)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(iterations)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true);
  };
  add("open/window", OpenInWindow, 2)->Arg(1)->Arg(10);
  add("open/stock-widgets", OpenInStockWidgets, 2)->Arg(1)->Arg(10);
  add("open-ascii/window/10", OpenAsciiInWindow, 2);
  add("open-utf8/window/10", OpenUtf8InWindow, 2);
  add("open-utf8/stock-widgets/10", OpenUtf8InStockWidgets, 2);
  add("save/window", SaveFromWindow, 3);
  add("save/stock-widgets", SaveFromStockWidgets, 3);
  const std::vector<std::pair<std::string, std::string>> pairs = {
      {"open/window/1/iterations:2/repeats:3", "open/stock-widgets/1/iterations:2/repeats:3"},
      {"open/window/10/iterations:2/repeats:3", "open/stock-widgets/10/iterations:2/repeats:3"},
      {"save/window/iterations:3/repeats:3", "save/stock-widgets/iterations:3/repeats:3"},
      // Goal: UTF-8 costs at most 10% more than ASCII.
      {"open-utf8/window/10/iterations:2/repeats:3", "open-ascii/window/10/iterations:2/repeats:3"},
      {"open-utf8/window/10/iterations:2/repeats:3", "open-utf8/stock-widgets/10/iterations:2/repeats:3"},
  };
  return RunWithRatios(argc, argv, pairs);
}
