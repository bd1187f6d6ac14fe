#pragma once
// The page templates built into the program ("Шаблоны" tool page) and the
// buttons that apply them.

#include <string_view>

#include "strlib/StrLibList.h"

namespace tessaly {

constexpr int TemplateCount = 13;

// The library file bytes of the templates, identifiers 0 to 12.
std::string_view BuiltinTemplateLibrary();
void LoadShablonList(strlib::TStrLibList& list);

// The entry each template button applies, button "1" first: the program's
// own page (entry 3) leads, then the others in order. The buttons' captions
// and hints are in the tool page table.
constexpr int kTemplateButtonEntries[TemplateCount] = {3, 0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12};

}  // namespace tessaly
