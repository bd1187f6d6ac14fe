// The update information page parser and the version comparisons on what it
// finds.

#include <cstdint>
#include <string>

#include "update/UpdatePage.h"
#include "update/VersionCompare.h"

using namespace tessaly;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  TTagValues values;
  ParseUpdatePage(SplitLines(text), TTagInfo(), values);
  for (const auto format : {TVersionFormat::vfStandard, TVersionFormat::vfString, TVersionFormat::vfNumber})
    IsNewerVersion(values.Author, values.Version, format);
  return 0;
}
