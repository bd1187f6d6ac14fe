// bench_highlight: HTML scanning and text search throughput beside peers in
// the same run, with the ratios printed at the end.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "BenchPage.h"
#include "BenchRatios.h"

namespace tessaly::bench {

namespace {

std::vector<std::pair<std::string, std::string>>& Comparisons() {
  static std::vector<std::pair<std::string, std::string>> comparisons;
  return comparisons;
}

// The console report, keeping each run's bytes per second.
class ThroughputReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const auto found = run.counters.find("bytes_per_second");
      if (found != run.counters.end()) bytesPerSecond[run.benchmark_name()] = found->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> bytesPerSecond;
};

void PrintRatios(const std::map<std::string, double>& bytesPerSecond) {
  std::printf("\nThroughput ratios (ours / peer, above 1 means faster; MB = 10^6 bytes):\n");
  for (const auto& [ours, peer] : Comparisons()) {
    const auto a = bytesPerSecond.find(ours);
    const auto b = bytesPerSecond.find(peer);
    if (a == bytesPerSecond.end() || b == bytesPerSecond.end() || b->second <= 0) continue;
    std::printf("  %-44s %8.1f MB/s  vs %-44s %8.1f MB/s  ratio %.2f\n", ours.c_str(), a->second / 1e6,
                peer.c_str(), b->second / 1e6, a->second / b->second);
  }
}

}  // namespace

void CompareThroughput(const std::string& ours, const std::string& peer) { Comparisons().emplace_back(ours, peer); }

}  // namespace tessaly::bench

int main(int argc, char** argv) {
  using namespace tessaly::bench;
  if (!RegisterQScintillaBenchmarks(argc, argv))
    std::fprintf(stderr, "QScintilla not built in: its HTML lexer peer is skipped\n");
  RegisterScanBenchmarks();
  RegisterSearchBenchmarks();
  if (!RegisterUtf8SearchBenchmarks()) std::fprintf(stderr, "Qt not built in: the UTF-8 search beside QString is skipped\n");
  std::fprintf(stderr, "page: %zu bytes, %zu lines\n", Page().text.size(), Page().lines.size());

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ThroughputReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  PrintRatios(reporter.bytesPerSecond);
  benchmark::Shutdown();
  return 0;
}
