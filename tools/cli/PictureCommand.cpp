// tessaly-cli picture: decodes a picture file as the preview does and tells
// what it found; --out writes it (a GIF's whole strip) as PNG.

#include <cstdlib>
#include <string>

#include "cli/Command.h"
#include "platform/DisplayDepth.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "preview/pictures/PictureLoader.h"
#include "preview/pictures/PngCodec.h"

namespace tessaly::cli {

namespace {

constexpr const char* kUsage = "picture FILE [--out OUT.png] [--depth 4|8|24]";

struct PictureOptions {
  std::string file;
  std::string out;
  TDisplayDepthClass depth = ddc24Bit;
};

PictureOptions ParseOptions(const Arguments& args) {
  PictureOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--out" && hasValue) {
      options.out = args[++i];
    } else if (args[i] == "--depth" && hasValue) {
      const std::string& bits = args[++i];
      if (bits != "4" && bits != "8" && bits != "24") throw UsageError{kUsage};
      options.depth = DepthClassOfBits(std::atoi(bits.c_str()));
    } else if (options.file.empty() && !args[i].starts_with("--")) {
      options.file = args[i];
    } else {
      throw UsageError{kUsage};
    }
  }
  if (options.file.empty()) throw UsageError{kUsage};
  return options;
}

void RunPicture(const Arguments& args) {
  const PictureOptions options = ParseOptions(args);
  SetDisplayDepthClass(options.depth);
  TPicture picture;
  try {
    picture = DecodePictureFile(options.file);
  } catch (const EFOpenError&) {
    throw;
  } catch (const Exception& error) {
    const char* format = PictureFormatName(RecognizePictureFormat(ReadFileBytes(options.file)));
    throw Exception(Format("cannot decode %s (format %s): %s", options.file.c_str(), format, error.what()));
  }

  std::string report =
      Format("format %s\nsize %d %d\n", PictureFormatName(picture.Format), picture.Width(), picture.Height());
  const TGifAnimation* gif = picture.Animation.get();
  report += Format("frames %d\nloop %d\ntransparent %d\n", gif ? gif->NumFrames() : 1, gif ? gif->LoopCount() : 0,
                   picture.Transparent() ? 1 : 0);
  if (gif) {
    for (size_t i = 0; i < gif->Frames().size(); ++i) {
      const TGifFrame& frame = gif->Frames()[i];
      report += Format("frame %zu delay %d disposal %d\n", i + 1, frame.Delay, frame.Disposal);
    }
  }
  WriteOut(report);
  if (!options.out.empty()) WriteFileAtomically(options.out, EncodePng(*picture.Bitmap));
}

const CommandRegistration registration("picture", kUsage, RunPicture);

}  // namespace

}  // namespace tessaly::cli
