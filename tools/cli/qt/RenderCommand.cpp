// tessaly-cli render: a page drawn by the viewer with the real fonts into a
// PNG as tall as the document. Also gives `layout --real-fonts` its canvas.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/EncodingArgument.h"
#include "platform/Files.h"
#include "preview/viewer/HtmlPreview.h"
#include "preview/pictures/PngRowWriter.h"
#include "qt/QtCanvas.h"
#include "qt/QtPreviewWidget.h"

namespace tessaly::cli {

std::function<std::unique_ptr<TCanvas>()>& RealFontCanvas();

namespace {

constexpr const char* kUsage =
    "render FILE --width W --out OUT.png [--encoding NAME]\n"
    "      lays the page out as the viewer does when it is W pixels wide (no frame, no\n"
    "      scroll bars) with the program's viewer settings and real fonts, and writes\n"
    "      the whole document as a PNG W pixels wide and as tall as the document (at\n"
    "      most 1,000,000 pixels; a taller page is cut and the cut told on stderr).\n"
    "      The page's encoding is detected as the editor detects it unless --encoding\n"
    "      names one (UTF-8, windows-1251, koi8-r, ...)";

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

// Rows painted at a time: a tall page is drawn band by band into one file,
// so its height is not bounded by what one picture in memory can hold.
constexpr int kBandHeight = 2048;

// The form controls the viewer placed in `band` (document coordinates), drawn
// from the same widgets the on-screen viewer shows.
void PaintControls(QtPreviewWidget& preview, QPainter& painter, const QRect& band) {
  for (QWidget* child : preview.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (qobject_cast<QScrollBar*>(child) || !child->isVisibleTo(&preview)) continue;
    if (child->geometry().intersects(band)) child->render(&painter, child->pos());
  }
}

void AppendRows(const QImage& band, int rows, std::vector<uint8_t>& rgb, TPngRowWriter& png) {
  for (int y = 0; y < rows; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(band.constScanLine(y));
    for (int x = 0; x < band.width(); ++x) {
      rgb[x * 3] = static_cast<uint8_t>(qRed(line[x]));
      rgb[x * 3 + 1] = static_cast<uint8_t>(qGreen(line[x]));
      rgb[x * 3 + 2] = static_cast<uint8_t>(qBlue(line[x]));
    }
    png.WriteRow(rgb.data());
  }
}

void RunRender(const Arguments& args) {
  std::string file, out;
  int width = 0;
  std::optional<text::Encoding> encoding;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--width") width = IntArgument(args, i);
    else if (args[i] == "--encoding") encoding = EncodingArgument(args, i, kUsage);
    else if (args[i] == "--out" && i + 1 < args.size()) out = args[++i];
    else if (!args[i].empty() && args[i][0] == '-') throw UsageError{kUsage};
    else if (file.empty()) file = args[i];
    else throw UsageError{kUsage};
  }
  if (file.empty() || out.empty() || width == 0) throw UsageError{kUsage};
  EnsureApplication();
  // The viewer's own widget, never shown, hosts the page so that form
  // controls are the widgets the on-screen viewer makes.
  QtPreviewWidget preview;
  preview::THtmlPreview& viewer = preview.Viewer();
  viewer.SetScrollBars(preview::ssNone);
  viewer.SetBorderStyle(preview::pbNone);
  preview.resize(width, 1);
  viewer.LoadFile(file, preview::TDocumentType::Html, encoding);
  const int documentHeight = std::max(viewer.DocumentHeight(), 1);
  const int height = std::min({documentHeight, QWIDGETSIZE_MAX, TPngRowWriter::kMaxHeight});
  if (height < documentHeight) {
    std::fprintf(stderr, "render: page cut at %d of its %d pixels of height; the %d pixels below are left out\n",
                 height, documentHeight, documentHeight - height);
  }
  preview.resize(width, height);

  TPngRowWriter png(width, height);
  QImage band(width, std::min(kBandHeight, height), QImage::Format_RGB32);
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * 3);
  for (int top = 0; top < height; top += band.height()) {
    const int rows = std::min(band.height(), height - top);
    {
      QPainter painter(&band);
      painter.translate(0, -top);
      const TRect clip{0, top, width, top + rows};
      QtCanvas canvas(painter, clip);
      viewer.Paint(canvas, clip);
      PaintControls(preview, painter, QRect(0, top, width, rows));
    }
    AppendRows(band, rows, rgb, png);
  }
  WriteFileAtomically(out, png.Finish());
}

const CommandRegistration registration("render", kUsage, RunRender);
const bool hooked = (RealFontCanvas() = MakeMeasuringCanvas, true);

}  // namespace

}  // namespace tessaly::cli
