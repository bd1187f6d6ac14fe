#pragma once
// The browser half of the preview pages: where the source goes on its way to
// the browser page, and how the browser's HTML comes back into the editor.

#include <string>

namespace tessaly {

class TSrcEdit;

inline constexpr const char* BrowserTempFileName = "temp01.htm";

// "temp01.htm" in the document's folder; in the program directory for a
// document without a file name.
std::string BrowserTempFile(const std::string& fileName);

// Replaces the editor's lines by the lines of `bytes` (split as a stream is
// read) as one edit: one Undo gives the old text back, and the modified flag
// follows. Nothing happens when the lines are the same. True when replaced.
bool ReplaceSourceText(TSrcEdit& editor, const std::string& bytes);

}  // namespace tessaly
