#pragma once
// What the driver reads of the viewer's page.

#include <string>
#include <vector>

namespace tessaly::preview {
class THtmlPreview;
}

namespace tessaly::cli {

// Script text (UTF-8) as document bytes (windows-1251); a character the code
// page cannot hold is a script error.
std::string FromUtf8Checked(const std::string& utf8);

// The page's displayed text, one text block a line, as UTF-8.
std::vector<std::string> ViewerLines(preview::THtmlPreview& viewer);
// The document position of the first occurrence of `utf8` in one text block; -1 when none.
int FindViewerText(preview::THtmlPreview& viewer, const std::string& utf8);
// The displayed characters from `start`, `length` of them, as UTF-8.
std::string ViewerText(preview::THtmlPreview& viewer, int start, int length);

}  // namespace tessaly::cli
