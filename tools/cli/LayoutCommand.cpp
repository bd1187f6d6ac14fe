// tessaly-cli layout: where every block and line of a page lands at a width.

#include <functional>
#include <memory>
#include <string>

#include "cli/Command.h"
#include "platform/RecordingCanvas.h"
#include "preview/viewer/HeadlessHost.h"
#include "preview/viewer/HtmlPreview.h"
#include "preview/layout/LayoutDump.h"

namespace tessaly::cli {

// Set by the Qt build: a canvas measuring with the real fonts.
std::function<std::unique_ptr<TCanvas>()>& RealFontCanvas() {
  static std::function<std::unique_ptr<TCanvas>()> factory;
  return factory;
}

namespace {

constexpr const char* kUsage =
    "layout FILE --width W [--real-fonts]\n"
    "      lays the page out as the viewer does when it is W pixels wide (no frame,\n"
    "      no scroll bars: text gets W - 1 - 2 x 10 margin pixels) and prints every\n"
    "      laid-out block: 'section y= h=' (draw= when floats hang below), 'space',\n"
    "      'rule', 'table (x,y WxH) columns=' with its caption and 'cell row,col' boxes;\n"
    "      under a section every 'line (x,y WxH)' with the space added above and below\n"
    "      for tall objects and its text (\\xHH for other bytes; \\x04 an image, \\x02 a\n"
    "      control), then its images ('float left' or 'float right' for floating ones)\n"
    "      and controls with their rectangles. Text is\n"
    "      measured in fixed 8 x 16 pixel cells unless --real-fonts is given.";

int WidthArgument(const Arguments& args, size_t& i) {
  if (i + 1 >= args.size()) throw UsageError{kUsage};
  try {
    const int value = std::stoi(args[++i]);
    if (value > 0 && value <= 100000) return value;
  } catch (const std::exception&) {
  }
  throw UsageError{kUsage};
}

void RunLayout(const Arguments& args) {
  std::string file;
  int width = 0;
  bool realFonts = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--width") width = WidthArgument(args, i);
    else if (args[i] == "--real-fonts") realFonts = true;
    else if (!args[i].empty() && args[i][0] == '-') throw UsageError{kUsage};
    else if (file.empty()) file = args[i];
    else throw UsageError{kUsage};
  }
  if (file.empty() || width == 0) throw UsageError{kUsage};
  if (realFonts && !RealFontCanvas()) throw Exception("--real-fonts needs the Qt build of tessaly-cli");
  std::unique_ptr<TCanvas> canvas = realFonts ? RealFontCanvas()() : std::make_unique<RecordingCanvas>();
  preview::THeadlessHost host({width, 10000});
  preview::THtmlPreview viewer(host, *canvas, &host);
  viewer.SetScrollBars(preview::ssNone);
  viewer.SetBorderStyle(preview::pbNone);
  viewer.LoadFile(file, preview::TDocumentType::Html);
  WriteOut(preview::DumpLayout(viewer.Document()));
}

const CommandRegistration registration("layout", kUsage, RunLayout);

}  // namespace

}  // namespace tessaly::cli
