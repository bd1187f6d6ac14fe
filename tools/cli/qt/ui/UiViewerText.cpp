#include "cli/qt/ui/UiViewerText.h"

#include <memory>

#include "cli/qt/ui/UiScript.h"
#include "platform/CodePage1251.h"
#include "preview/document/DocumentDump.h"
#include "preview/viewer/HtmlPreview.h"
#include "preview/document/Section.h"

namespace tessaly::cli {

std::string FromUtf8Checked(const std::string& utf8) {
  bool lossless = true;
  std::string bytes = cp1251::FromUtf8(utf8, &lossless);
  if (!lossless) throw ScriptError("text the windows-1251 code page cannot hold: " + utf8);
  return bytes;
}

std::vector<std::string> ViewerLines(preview::THtmlPreview& viewer) {
  std::vector<std::string> lines;
  preview::ForEachSection(viewer.Document(), [&](const preview::TSection& section) { lines.push_back(cp1251::ToUtf8(section.Buff)); });
  return lines;
}

int FindViewerText(preview::THtmlPreview& viewer, const std::string& utf8) {
  const std::string wanted = FromUtf8Checked(utf8);
  int found = -1;
  preview::ForEachSection(viewer.Document(), [&](const preview::TSection& section) {
    if (found >= 0 || wanted.empty()) return;
    const size_t at = section.Buff.find(wanted);
    if (at != std::string::npos) found = section.StartCurs + static_cast<int>(at);
  });
  return found;
}

std::string ViewerText(preview::THtmlPreview& viewer, int start, int length) {
  std::string bytes;
  for (int pos = start; pos < start + length; ++pos) {
    char ch = 0;
    preview::TSection* section = nullptr;
    if (viewer.Document().CharAt(pos, ch, section)) bytes += ch;
  }
  return cp1251::ToUtf8(bytes);
}

}  // namespace tessaly::cli
