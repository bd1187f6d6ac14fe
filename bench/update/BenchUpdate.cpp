// Extraction of a 50 MB archive of HTML pages beside Debian's unzip, and the
// Deflate64 inflater beside zlib on the same content. Ratios are printed
// after the runs.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "TestEncoders.h"
#include "TestFiles.h"
#include "ZipBuilder.h"
#include "update/zip/Decoders.h"
#include "update/zip/UnZip.h"

namespace {

using namespace tessaly;
namespace zt = tessaly::zip::test;

constexpr size_t kPages = 500;
constexpr size_t kPageSize = 100 * 1024;

struct TArchive {
  zt::TScratchDir dir;
  std::string path;
  size_t bytes = 0;
  TArchive() {
    std::vector<zt::TTestEntry> entries;
    for (size_t i = 0; i < kPages; ++i) {
      entries.push_back({.name = "site/section" + std::to_string(i % 10) + "/page" + std::to_string(i) + ".htm",
                         .data = zt::SampleText(kPageSize, static_cast<uint32_t>(i)),
                         .method = 8});
      bytes += kPageSize;
    }
    path = dir.Path() + "site.zip";
    zt::WriteFile(path, zt::BuildZip(entries));
  }
};

const TArchive& Archive() {
  static const TArchive archive;
  return archive;
}

void BM_ExtractTUnZip(benchmark::State& state) {
  const TArchive& archive = Archive();
  for (auto _ : state) {
    zt::TScratchDir out;
    TUnZip unzip;
    unzip.SetArchiveFile(archive.path);
    unzip.SetFileSpec({"*.*"});
    unzip.SetExtractDir(out.Path());
    if (unzip.Extract() != static_cast<int>(kPages)) state.SkipWithError("extraction failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * archive.bytes));
}
BENCHMARK(BM_ExtractTUnZip)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_ExtractDebianUnzip(benchmark::State& state) {
  if (!zt::HaveProgram("unzip")) {
    state.SkipWithError("unzip (Debian package unzip) is not installed");
    return;
  }
  const TArchive& archive = Archive();
  for (auto _ : state) {
    zt::TScratchDir out;
    if (zt::Run("unzip -qq -o " + archive.path + " -d " + out.Path()) != 0) state.SkipWithError("unzip failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * archive.bytes));
}
BENCHMARK(BM_ExtractDebianUnzip)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// The same 20 MB of pages as method 8 (zlib, level 6) and as method 9 (from
// 7-Zip when it is installed, else the test encoder's fixed-code blocks).
struct TInflateInput {
  std::string text = zt::SampleText(20 << 20, 42);
  std::string deflated;
  std::string deflated64;
  std::string deflate64Source = "7-Zip";
  TInflateInput() {
    deflated = zt::DeflateRaw(text);
    if (!ReadSevenZip()) {
      deflated64 = zt::Deflate64(text);
      deflate64Source = "test encoder";
    }
  }
  bool ReadSevenZip() {
    if (!zt::HaveProgram("7z")) return false;
    zt::TScratchDir dir;
    zt::WriteFile(dir.Path() + "p.htm", text);
    if (zt::Run("cd " + dir.Path() + " && 7z a -tzip -mm=Deflate64 -mx=5 a.zip p.htm >/dev/null 2>&1") != 0) return false;
    const zt::TFirstEntry entry = zt::FirstEntry(zt::ReadFile(dir.Path() + "a.zip"));
    deflated64 = entry.compressed;
    return entry.method == 9;
  }
};

const TInflateInput& InflateInput() {
  static const TInflateInput input;
  return input;
}

void Decode(benchmark::State& state, int method, const std::string& compressed) {
  const std::string& text = InflateInput().text;
  const std::span<const uint8_t> in(reinterpret_cast<const uint8_t*>(compressed.data()), compressed.size());
  for (auto _ : state) {
    zip::TDecodeOutput out(text.size(), nullptr);
    zip::DecodeMethod(static_cast<uint16_t>(method), 0, in, out);
    if (out.Written() != text.size()) state.SkipWithError("decoding failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_Inflate64Ours(benchmark::State& state) { Decode(state, 9, InflateInput().deflated64); }
BENCHMARK(BM_Inflate64Ours)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_InflateZlib(benchmark::State& state) { Decode(state, 8, InflateInput().deflated); }
BENCHMARK(BM_InflateZlib)->Unit(benchmark::kMillisecond)->MinTime(2);

// Keeps each run's time per iteration to print the ratios at the end.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (!run.error_occurred) times[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

void PrintRatio(const TRatioReporter& reporter, const char* label, const std::string& ours, const std::string& peer) {
  const auto a = reporter.times.find(ours), b = reporter.times.find(peer);
  if (a == reporter.times.end() || b == reporter.times.end()) return;
  std::printf("%s: %.2fx the peer's time (%s %.1f ms, %s %.1f ms)\n", label, a->second / b->second, ours.c_str(),
              a->second, peer.c_str(), b->second);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  PrintRatio(reporter, "extract 50 MB archive, TUnZip / unzip", "BM_ExtractTUnZip/min_time:3.000/real_time",
             "BM_ExtractDebianUnzip/min_time:3.000/real_time");
  if (reporter.times.count("BM_Inflate64Ours/min_time:2.000")) {
    std::printf("Deflate64 data from %s\n", InflateInput().deflate64Source.c_str());
    PrintRatio(reporter, "inflate 20 MB, method 9 (ours) / method 8 (zlib)", "BM_Inflate64Ours/min_time:2.000",
               "BM_InflateZlib/min_time:2.000");
  }
  benchmark::Shutdown();
  return 0;
}
