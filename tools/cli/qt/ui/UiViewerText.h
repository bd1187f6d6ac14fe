#pragma once
// What the driver reads of the viewer's page. The page's text is Unicode;
// scripts write and read it as UTF-8.

#include <string>
#include <vector>

namespace tessaly::preview {
class THtmlPreview;
}

namespace tessaly::cli {

// The page's displayed text, one text block a line, as UTF-8.
std::vector<std::string> ViewerLines(preview::THtmlPreview& viewer);
// The document position of the first occurrence of `utf8` in one text block; -1 when none.
int FindViewerText(preview::THtmlPreview& viewer, const std::string& utf8);
// The displayed characters from `start`, `length` of them, as UTF-8.
std::string ViewerText(preview::THtmlPreview& viewer, int start, int length);

}  // namespace tessaly::cli
