// bench_browser_roundtrip: the source's way through the browser page on a
// 100 KB page: write temp01.htm, load it, attach design mode and take the
// baseline (the switch to the page, without its fixed 400 ms pause), make one
// edit, and serialise it back to source bytes (the switch back). Wall-clock
// time: most of the work happens in the engine's own processes. Medians of
// repeated runs.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <memory>

#include "platform/ScriptedDialogs.h"
#include "qt/BrowserView.h"
#include "qt/QtPromptWindow.h"
#include "support/SampleHtml.h"
#include "visual/BrowserRoundTrip.h"
#include "visual/WBEdit.h"

namespace tessaly::bench {
namespace {

constexpr int kLoadLimitMs = 30000;

struct Page {
  QTemporaryDir dir;
  std::string source = SampleHtml(100u << 10);
  std::string path = QDir(dir.path()).filePath(QStringLiteral("temp01.htm")).toStdString();
  ScriptedDialogs dialogs;
  TBrowserView view;
  visual::TWBEdit edit{dialogs, std::make_unique<QtPromptWindow>(dialogs)};
  visual::TBrowserRoundTrip trip;

  Page() {
    view.SetPageScripts(false);
    view.resize(800, 600);
    view.show();
    view.OnDocumentComplete = [this](BrowserControl& browser) {
      edit.Attach(browser.Document(), true);
      trip.DocumentComplete(*browser.Document());
    };
  }

  void SwitchToBrowser(benchmark::State& state) {
    std::ofstream(path, std::ios::binary) << source;
    trip.Forget();
    view.Navigate(path);
    if (!view.WaitComplete(kLoadLimitMs)) state.SkipWithError("the page did not load");
  }
};

// Made after the application object and gone before it: the engine's
// profile must outlive its pages.
std::unique_ptr<Page> thePage;
Page& ThePage() { return *thePage; }

void RoundTripOneEdit(benchmark::State& state) {
  Page& page = ThePage();
  size_t bytes = 0;
  for (auto _ : state) {
    page.SwitchToBrowser(state);
    page.view.SelectText("editor");
    page.edit.Bold();
    const visual::TBrowserSource back = page.trip.Take(page.view);
    if (!back.Edited) state.SkipWithError("the edit did not come back");
    bytes = back.Html.size();
  }
  state.counters["source_KiB"] = static_cast<double>(page.source.size()) / 1024;
  state.counters["back_KiB"] = static_cast<double>(bytes) / 1024;
}

void RoundTripUnedited(benchmark::State& state) {
  Page& page = ThePage();
  for (auto _ : state) {
    page.SwitchToBrowser(state);
    if (page.trip.Take(page.view).Edited) state.SkipWithError("an unedited page came back");
  }
}

void SerializeOnly(benchmark::State& state) {
  Page& page = ThePage();
  page.SwitchToBrowser(state);
  for (auto _ : state) benchmark::DoNotOptimize(page.view.Document()->Serialize());
}

}  // namespace
}  // namespace tessaly::bench

int main(int argc, char** argv) {
  using namespace tessaly::bench;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  tessaly::TBrowserView::PrepareProcess();
  QApplication application(argc, argv);
  thePage = std::make_unique<Page>();
  // Starts the engine before anything is timed.
  ThePage().view.Navigate("about:<html><body></body></html>");
  ThePage().view.WaitComplete(kLoadLimitMs);
  const auto add = [](const char* name, void (*run)(benchmark::State&)) {
    benchmark::RegisterBenchmark(name, run)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(5)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
  };
  add("roundtrip/100KB/one-edit", RoundTripOneEdit);
  add("roundtrip/100KB/unedited", RoundTripUnedited);
  add("serialize/100KB", SerializeOnly);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  thePage.reset();
  return 0;
}
