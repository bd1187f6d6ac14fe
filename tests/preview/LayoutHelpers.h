#pragma once
// Laying pages out in tests on the fixed-metric recording canvas (8 x 16
// cells). Image names "WxH..." give a picture of that size, "pending..." one
// that comes later, anything else fails to load.

#include <string>

#include "ParseHelpers.h"
#include "platform/RecordingCanvas.h"

namespace tessaly::preview::test {

// Pictures by name, as described above.
std::shared_ptr<TBitmap> TestImage(const std::string& source);

struct LaidOutPage : ParsedPage {
  RecordingCanvas Canvas;
  // Parses `source` and lays it out `width` pixels wide from y = 0.
  void Layout(const std::string& source, int width);
};

}  // namespace tessaly::preview::test
