#pragma once
// Whole-text transforms of the source that need no window.

#include <string>
#include <vector>

namespace tessaly {

// "Форматировать текст": a list item opened on one line and closed alone on
// the next is joined into one line, and lines holding only blanks (codes up
// to 32) are dropped. The "<li>" and "</li>" tests are plain substring tests
// on the lower-case line, so tags with attributes or spaces do not count.
std::vector<std::string> FormatTextLines(const std::vector<std::string>& lines);

}  // namespace tessaly
