// Parse throughput of the preview parser beside Qt's rich-text HTML import
// (QTextDocument::setHtml) on the same pages, with the ratio printed.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "SamplePages.h"
#include "preview/parser/PreviewParser.h"

#ifdef TESSALY_BENCH_WITH_QT
#include <QGuiApplication>
#include <QString>
#include <QTextDocument>
#endif

namespace {

using tessaly::bench::SamplePage;
using namespace tessaly::preview;

const std::string& Page(int64_t bytes) {
  static std::map<int64_t, std::string> pages;
  auto& page = pages[bytes];
  if (page.empty()) page = SamplePage(static_cast<size_t>(bytes));
  return page;
}

void BM_PreviewParser(benchmark::State& state) {
  const std::string& page = Page(state.range(0));
  TPreviewParser parser;
  TSectionList document;
  TNameList names;
  for (auto _ : state) {
    document.Clear();
    names.clear();
    parser.ParseHtmlDocument(page, document, &names, nullptr, nullptr, nullptr);
    benchmark::DoNotOptimize(document.size());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(page.size()));
}
BENCHMARK(BM_PreviewParser)->Arg(10 << 10)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);

#ifdef TESSALY_BENCH_WITH_QT
void BM_QTextDocumentSetHtml(benchmark::State& state) {
  const std::string& page = Page(state.range(0));
  const QString html = QString::fromLatin1(page.data(), static_cast<qsizetype>(page.size()));
  for (auto _ : state) {
    QTextDocument document;
    document.setHtml(html);
    benchmark::DoNotOptimize(document.blockCount());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(page.size()));
}
BENCHMARK(BM_QTextDocumentSetHtml)->Arg(10 << 10)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);
#endif

// Keeps each run's throughput so the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  std::map<std::string, std::map<std::string, double>> Throughput;  // size -> benchmark -> bytes/s

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const auto rate = run.counters.find("bytes_per_second");
      if (rate == run.counters.end()) continue;
      const std::string name = run.benchmark_name();
      const size_t slash = name.find('/');
      Throughput[name.substr(slash + 1)][name.substr(0, slash)] = rate->second.value;
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
#ifdef TESSALY_BENCH_WITH_QT
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
#endif
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\npage bytes   preview parser MB/s   QTextDocument::setHtml MB/s   ratio\n");
  for (const auto& [size, rates] : reporter.Throughput) {
    const auto ours = rates.find("BM_PreviewParser"), qt = rates.find("BM_QTextDocumentSetHtml");
    if (ours == rates.end()) continue;
    const double oursMB = ours->second / 1e6;
    if (qt == rates.end()) {
      std::printf("%-12s %10.1f            (Qt not built)\n", size.c_str(), oursMB);
      continue;
    }
    const double qtMB = qt->second / 1e6;
    std::printf("%-12s %10.1f            %10.1f                  %6.1fx\n", size.c_str(), oursMB, qtMB, oursMB / qtMB);
  }
  benchmark::Shutdown();
  return 0;
}
