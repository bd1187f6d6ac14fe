#include "cli/qt/ui/UiViewerText.h"

#include "platform/Utf8.h"
#include "preview/document/DocumentDump.h"
#include "preview/document/Section.h"
#include "preview/viewer/HtmlPreview.h"

namespace tessaly::cli {

std::vector<std::string> ViewerLines(preview::THtmlPreview& viewer) {
  std::vector<std::string> lines;
  preview::ForEachSection(viewer.Document(), [&](const preview::TSection& section) { lines.push_back(ToUtf8(section.Buff)); });
  return lines;
}

int FindViewerText(preview::THtmlPreview& viewer, const std::string& utf8) {
  const std::u32string wanted = ToUtf32(utf8);
  int found = -1;
  preview::ForEachSection(viewer.Document(), [&](const preview::TSection& section) {
    if (found >= 0 || wanted.empty()) return;
    const size_t at = section.Buff.find(wanted);
    if (at != std::u32string::npos) found = section.StartCurs + static_cast<int>(at);
  });
  return found;
}

std::string ViewerText(preview::THtmlPreview& viewer, int start, int length) {
  std::u32string text;
  for (int pos = start; pos < start + length; ++pos) {
    char32_t ch = 0;
    preview::TSection* section = nullptr;
    if (viewer.Document().CharAt(pos, ch, section)) text += ch;
  }
  return ToUtf8(text);
}

}  // namespace tessaly::cli
