// The reload every keystroke causes — parse, layout and a paint of the
// visible window — with real fonts, beside Qt's rich-text engine doing the
// same (setHtml, a complete layout at the same width, a paint of the same
// area) on the same pages. Medians of repeated runs, and their ratios; and
// the same reload of a page of the same size in Russian as UTF-8, against
// the ASCII page.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

#include <cstdio>
#include <map>
#include <string>

#include "SamplePages.h"
#include "preview/viewer/HeadlessHost.h"
#include "preview/viewer/HtmlPreview.h"
#include "qt/QtCanvas.h"

namespace {

using namespace tessaly;
using namespace tessaly::preview;

constexpr int kWindowWidth = 800, kWindowHeight = 600;

const std::string& Page(int64_t bytes, bench::TSampleText text = bench::TSampleText::Ascii) {
  static std::map<std::pair<int64_t, bench::TSampleText>, std::string> pages;
  auto& page = pages[{bytes, text}];
  if (page.empty()) page = bench::SamplePage(static_cast<size_t>(bytes), text);
  return page;
}

void ViewerReload(benchmark::State& state, bench::TSampleText text, text::Encoding encoding) {
  const std::string& page = Page(state.range(0), text);
  QImage measureImage(1, 1, QImage::Format_RGB32);
  QPainter measurePainter(&measureImage);
  QtCanvas measure(measurePainter, {0, 0, 1, 1});
  THeadlessHost host({kWindowWidth, kWindowHeight});
  THtmlPreview viewer(host, measure);
  viewer.SetTextEncoding(encoding);
  QImage window(kWindowWidth, kWindowHeight, QImage::Format_RGB32);
  const TRect clip{0, 0, kWindowWidth, kWindowHeight};
  for (auto _ : state) {
    viewer.LoadText(page, "/bench/page.htm", TDocumentType::Html);
    QPainter painter(&window);
    QtCanvas canvas(painter, clip);
    viewer.Paint(canvas, clip);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(page.size()));
}

void BM_ViewerReload(benchmark::State& state) {
  ViewerReload(state, bench::TSampleText::Ascii, text::Encoding::Windows1251);
}

void BM_ViewerReloadUtf8(benchmark::State& state) {
  ViewerReload(state, bench::TSampleText::RussianUtf8, text::Encoding::Utf8);
}

void BM_QTextDocumentReload(benchmark::State& state) {
  const std::string& page = Page(state.range(0));
  const QString html = QString::fromLatin1(page.data(), static_cast<qsizetype>(page.size()));
  QImage window(kWindowWidth, kWindowHeight, QImage::Format_RGB32);
  // The same text width the viewer lays out in: no frame, a vertical bar, margins of 10.
  const int textWidth = kWindowWidth - 3 - 2 * 10 - THtmlPreview::kScrollBarSize;
  for (auto _ : state) {
    QTextDocument document;
    document.setHtml(html);
    document.setTextWidth(textWidth);
    benchmark::DoNotOptimize(document.documentLayout()->documentSize());
    QPainter painter(&window);
    window.fill(Qt::white);
    document.drawContents(&painter, QRectF(0, 0, kWindowWidth, kWindowHeight));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(page.size()));
}

#define RELOAD_SIZES ->Arg(10 << 10)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond)->Repetitions(5)
BENCHMARK(BM_ViewerReload) RELOAD_SIZES;
BENCHMARK(BM_ViewerReloadUtf8) RELOAD_SIZES;
BENCHMARK(BM_QTextDocumentReload) RELOAD_SIZES;

// Keeps the median CPU time of each benchmark and size for the closing table
// (CPU time, as the machine may be shared while it runs).
class MedianReporter : public benchmark::ConsoleReporter {
public:
  std::map<int64_t, std::map<std::string, double>> Medians;  // size -> benchmark -> ms

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median") continue;
      const std::string name = run.run_name.function_name;
      const int64_t size = std::stoll(run.run_name.args);
      Medians[size][name] = run.GetAdjustedCPUTime();
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\npage bytes   viewer reload ms (CPU)   QTextDocument reload ms (CPU)   ratio\n");
  for (const auto& [size, medians] : reporter.Medians) {
    const auto ours = medians.find("BM_ViewerReload"), qt = medians.find("BM_QTextDocumentReload");
    if (ours == medians.end() || qt == medians.end() || ours->second <= 0) continue;
    std::printf("%-12lld %12.2f       %12.2f              %6.2fx %s\n", static_cast<long long>(size), ours->second,
                qt->second, qt->second >= ours->second ? qt->second / ours->second : ours->second / qt->second,
                qt->second >= ours->second ? "faster" : "slower");
  }
  std::printf("\npage bytes   ASCII reload ms (CPU)   UTF-8 Russian reload ms (CPU)   UTF-8 / ASCII\n");
  for (const auto& [size, medians] : reporter.Medians) {
    const auto ascii = medians.find("BM_ViewerReload"), utf8 = medians.find("BM_ViewerReloadUtf8");
    if (ascii == medians.end() || utf8 == medians.end() || ascii->second <= 0) continue;
    std::printf("%-12lld %12.2f          %12.2f                  %6.2fx\n", static_cast<long long>(size), ascii->second,
                utf8->second, utf8->second / ascii->second);
  }
  benchmark::Shutdown();
  return 0;
}
