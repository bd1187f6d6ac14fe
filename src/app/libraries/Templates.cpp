#include "app/libraries/Templates.h"

#include <cstddef>

namespace tessaly {

// Generated at build time from data/templates.
extern const unsigned char kBuiltinTemplateBytes[];
extern const size_t kBuiltinTemplateSize;

std::string_view BuiltinTemplateLibrary() {
  return {reinterpret_cast<const char*>(kBuiltinTemplateBytes), kBuiltinTemplateSize};
}

void LoadShablonList(strlib::TStrLibList& list) { list.LoadFromBytes(BuiltinTemplateLibrary(), "templates"); }

}  // namespace tessaly
