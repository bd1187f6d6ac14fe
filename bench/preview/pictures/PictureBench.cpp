// GIF decoding beside giflib on the same files in the same run, and
// Floyd–Steinberg reduction to the shared palette.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>

#include "GifWriter.h"
#include "preview/pictures/ColorReduction.h"
#include "preview/pictures/GifAnimation.h"

#ifdef TESSALY_HAVE_GIFLIB
#include <gif_lib.h>
#endif

namespace {

using namespace tessaly;
using namespace tessaly::testing;

// Smooth shapes with a little noise: compresses about like a real picture.
std::vector<uint8_t> Scene(int width, int height, int frame, std::mt19937& random) {
  std::vector<uint8_t> pixels(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double wave = std::sin(x / 17.0 + frame / 4.0) * std::cos(y / 23.0 - frame / 7.0);
      pixels[static_cast<size_t>(y) * width + x] = static_cast<uint8_t>(120 + 110 * wave + random() % 6);
    }
  }
  return pixels;
}

TPalette Rainbow() {
  TPalette palette;
  for (int i = 0; i < 256; ++i) {
    palette.push_back({static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), static_cast<uint8_t>((i * 3) & 255)});
  }
  return palette;
}

// 500 x 375, 40 frames: a full first frame, then changing regions.
const std::string& AnimatedGif() {
  static const std::string data = [] {
    std::mt19937 random(1);
    std::string gif = GifHeader(500, 375, Rainbow()) + NetscapeLoop(0);
    gif += GraphicControl(1, 4) + ImageBlock(TTestImage(0, 0, 500, 375, Scene(500, 375, 0, random)));
    for (int f = 1; f < 40; ++f) {
      const int left = (f * 37) % 250, top = (f * 23) % 180;
      gif += GraphicControl(1, 4, 0) + ImageBlock(TTestImage(left, top, 250, 190, Scene(250, 190, f, random)));
    }
    return gif + ";";
  }();
  return data;
}

// 2000 x 1500, one frame.
const std::string& StillGifFile() {
  static const std::string data = [] {
    std::mt19937 random(2);
    return StillGif(2000, 1500, Scene(2000, 1500, 0, random), Rainbow());
  }();
  return data;
}

const std::string& GifFor(int which) { return which == 0 ? AnimatedGif() : StillGifFile(); }
const char* GifName(int which) { return which == 0 ? "animated" : "still"; }

void SetBytes(benchmark::State& state, int which) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(GifFor(which).size()));
  state.SetLabel(GifName(which));
}

void BM_TessalyGifDecode(benchmark::State& state) {
  const std::string& data = GifFor(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TGifDecoder decoder;
    decoder.Read(data);
    benchmark::DoNotOptimize(decoder.Images().data());
  }
  SetBytes(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_TessalyGifDecode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Decoding plus composing the strip, as the preview loads a GIF.
void BM_TessalyGifLoad(benchmark::State& state) {
  const std::string& data = GifFor(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ReadGif(data));
  SetBytes(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_TessalyGifLoad)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

#ifdef TESSALY_HAVE_GIFLIB
struct TMemoryInput {
  const std::string* data;
  size_t pos;
};

int ReadMemory(GifFileType* file, GifByteType* buffer, int size) {
  auto* input = static_cast<TMemoryInput*>(file->UserData);
  const size_t count = std::min(static_cast<size_t>(size), input->data->size() - input->pos);
  std::memcpy(buffer, input->data->data() + input->pos, count);
  input->pos += count;
  return static_cast<int>(count);
}

// giflib's whole-file read: every frame decoded into its raster.
void BM_GiflibSlurp(benchmark::State& state) {
  const std::string& data = GifFor(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TMemoryInput input{&data, 0};
    int error = 0;
    GifFileType* file = DGifOpen(&input, ReadMemory, &error);
    if (!file || DGifSlurp(file) != GIF_OK) state.SkipWithError("giflib could not read the file");
    benchmark::DoNotOptimize(file->SavedImages);
    DGifCloseFile(file, &error);
  }
  SetBytes(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_GiflibSlurp)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
#endif

const TBitmap& Photo() {
  static const TBitmap picture = [] {
    TBitmap bitmap(1000, 1000);
    std::mt19937 random(3);
    for (int y = 0; y < 1000; ++y) {
      for (int x = 0; x < 1000; ++x) {
        const int r = static_cast<int>(128 + 120 * std::sin(x / 40.0)) + random() % 8;
        const int g = static_cast<int>(128 + 120 * std::cos(y / 55.0)) + random() % 8;
        const int b = (x + y) / 8 % 256;
        bitmap.SetPixel(x, y, RGB(std::min(r, 255), std::min(g, 255), b));
      }
    }
    return bitmap;
  }();
  return picture;
}

void BM_Reduce(benchmark::State& state) {
  const auto dither = static_cast<TDitherMode>(state.range(0));
  const TBitmap& picture = Photo();
  for (auto _ : state) benchmark::DoNotOptimize(Reduce(picture, rmSharedPalette, dither));
  const double pixels = static_cast<double>(picture.Width) * picture.Height;
  state.counters["Mpx/s"] =
      benchmark::Counter(pixels / 1e6 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.SetLabel(dither == dmFloydSteinberg ? "Floyd-Steinberg, shared palette" : "nearest, shared palette");
}
BENCHMARK(BM_Reduce)->Arg(dmFloydSteinberg)->Arg(dmNearest)->Unit(benchmark::kMillisecond);

// Keeps each run's CPU time (the machine may be shared) so the ratios to
// the peer can be printed at the end.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      // With repetitions the median stands for the benchmark.
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      times_[run.run_name.str()] = run.GetAdjustedCPUTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatios() const {
#ifdef TESSALY_HAVE_GIFLIB
    std::printf("\nGIF decoding, CPU time of giflib / CPU time of ours (above 1: ours is faster)\n");
    for (const char* arg : {"0", "1"}) {
      const double peer = Time("BM_GiflibSlurp/", arg);
      const double decode = Time("BM_TessalyGifDecode/", arg);
      const double load = Time("BM_TessalyGifLoad/", arg);
      if (peer <= 0 || decode <= 0 || load <= 0) continue;
      std::printf("  %-8s decode %.2f   decode + compose strip %.2f\n", GifName(arg[0] - '0'), peer / decode,
                  peer / load);
    }
#else
    std::printf("\ngiflib not built in: no GIF peer ratios\n");
#endif
  }

private:
  double Time(const std::string& name, const char* arg) const {
    const auto found = times_.find(name + arg);
    return found == times_.end() ? 0 : found->second;
  }
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::printf("animated GIF %zu bytes (500x375, 40 frames), still GIF %zu bytes (2000x1500)\n", AnimatedGif().size(),
              StillGifFile().size());
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
