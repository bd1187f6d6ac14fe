#pragma once
// Console output of Google Benchmark followed by one line per pair of
// benchmarks that measure the same work: how many times faster the first is.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tessaly::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
  // Pairs of (ours, peer) benchmark names as Google Benchmark prints them.
  explicit RatioReporter(std::vector<std::pair<std::string, std::string>> pairs) : pairs_(std::move(pairs)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    // With repetitions the median stands for the benchmark; otherwise its one run.
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
        seconds_[run.run_name.str()] = run.GetAdjustedRealTime();
      else if (run.run_type == Run::RT_Iteration && run.iterations > 0 && run.repetitions <= 1)
        seconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const auto& [ours, peer] : pairs_) {
      const auto a = seconds_.find(ours), b = seconds_.find(peer);
      if (a == seconds_.end() || b == seconds_.end() || a->second <= 0) continue;
      std::printf("ratio %-44s vs %-44s %.2fx %s\n", ours.c_str(), peer.c_str(),
                  b->second >= a->second ? b->second / a->second : a->second / b->second,
                  b->second >= a->second ? "faster" : "slower");
    }
  }

private:
  std::vector<std::pair<std::string, std::string>> pairs_;
  std::map<std::string, double> seconds_;
};

// main() for a benchmark program that prints ratios for `pairs`.
inline int RunWithRatios(int argc, char** argv, std::vector<std::pair<std::string, std::string>> pairs) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter(std::move(pairs));
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace tessaly::bench
