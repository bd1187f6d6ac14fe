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

struct TTemplateButtonSpec {
  const char* Caption;
  const char* Hint;  // UTF-8
  int Entry;         // index into the template library
};

// Button "1" shows the program's own page (entry 3), then the rest in order.
constexpr TTemplateButtonSpec kTemplateButtons[TemplateCount] = {
    {"1", "шаблон от Velmora", 3}, {"2", "очень простой", 0}, {"3", "немного картинок", 1},
    {"4", " ", 2},                 {"5", " ", 4},             {"6", " ", 5},
    {"7", " ", 6},                 {"8", " ", 7},             {"9", " ", 8},
    {"10", " ", 9},                {"11", " ", 10},           {"12", "с квадратными кнопками", 11},
    {"13", " ", 12},
};

}  // namespace tessaly
