// Any bytes as a string library file: loading either succeeds and saves back
// to a file that loads to the same entries, or raises a format error and
// leaves the library as it was.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "strlib/EntryEncoding.h"
#include "strlib/StrLibList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tessaly::strlib;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TStrLibList library;
  library.Add().SetDescription("kept");
  try {
    library.LoadFromBytes(bytes);
  } catch (const EStrLibFormat&) {
    if (library.Count() != 1 || library.Items(0).Description() != "kept") std::abort();
    return 0;
  }
  const std::string saved = library.SaveToBytes();
  TStrLibList reloaded;
  reloaded.LoadFromBytes(saved);
  if (reloaded.SaveToBytes() != saved) std::abort();
  return 0;
}
