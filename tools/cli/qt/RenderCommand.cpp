// tessaly-cli render: a page drawn by the viewer with the real fonts into a
// PNG as tall as the document. Also gives `layout --real-fonts` its canvas.

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <functional>
#include <memory>
#include <string>

#include "cli/Command.h"
#include "platform/Exception.h"
#include "preview/HeadlessHost.h"
#include "preview/HtmlPreview.h"
#include "qt/QtCanvas.h"

namespace tessaly::cli {

std::function<std::unique_ptr<TCanvas>()>& RealFontCanvas();

namespace {

constexpr const char* kUsage =
    "render FILE --width W --out OUT.png\n"
    "      lays the page out as the viewer does when it is W pixels wide (no frame, no\n"
    "      scroll bars) with the program's viewer settings and real fonts, and writes\n"
    "      the whole document as a PNG W pixels wide and as tall as the document";

// Fonts need a running application; the command line has none of its own.
// It lives until the process ends: tearing it down among the exit handlers
// would outlive parts of Qt it depends on.
void EnsureApplication() {
  if (QCoreApplication::instance()) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tessaly-cli";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

struct PainterHolder {
  QImage Image{1, 1, QImage::Format_RGB32};
  QPainter Painter{&Image};
};

// A canvas for measuring only, on a one-pixel picture.
class MeasuringCanvas : private PainterHolder, public QtCanvas {
public:
  MeasuringCanvas() : QtCanvas(Painter, {0, 0, 1, 1}) {}
};

std::unique_ptr<TCanvas> MakeMeasuringCanvas() {
  EnsureApplication();
  return std::make_unique<MeasuringCanvas>();
}

int IntArgument(const Arguments& args, size_t& i) {
  if (i + 1 >= args.size()) throw UsageError{kUsage};
  try {
    const int value = std::stoi(args[++i]);
    if (value > 0 && value <= 20000) return value;
  } catch (const std::exception&) {
  }
  throw UsageError{kUsage};
}

void RunRender(const Arguments& args) {
  std::string file, out;
  int width = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--width") width = IntArgument(args, i);
    else if (args[i] == "--out" && i + 1 < args.size()) out = args[++i];
    else if (!args[i].empty() && args[i][0] == '-') throw UsageError{kUsage};
    else if (file.empty()) file = args[i];
    else throw UsageError{kUsage};
  }
  if (file.empty() || out.empty() || width == 0) throw UsageError{kUsage};
  std::unique_ptr<TCanvas> measure = MakeMeasuringCanvas();
  preview::THeadlessHost host({width, 1});
  preview::THtmlPreview viewer(host, *measure);
  viewer.SetScrollBars(preview::ssNone);
  viewer.SetBorderStyle(preview::pbNone);
  viewer.LoadFile(file, 0);
  // Large pictures stay within what a PNG writer handles comfortably.
  const int height = std::clamp(viewer.DocumentHeight(), 1, 30000);
  host.SetSize({width, height});
  QImage image(width, height, QImage::Format_RGB32);
  {
    QPainter painter(&image);
    const TRect clip{0, 0, width, height};
    QtCanvas canvas(painter, clip);
    viewer.Paint(canvas, clip);
  }
  if (!image.save(QString::fromStdString(out), "PNG")) throw Exception("cannot write " + out);
}

const CommandRegistration registration("render", kUsage, RunRender);
const bool hooked = (RealFontCanvas() = MakeMeasuringCanvas, true);

}  // namespace

}  // namespace tessaly::cli
