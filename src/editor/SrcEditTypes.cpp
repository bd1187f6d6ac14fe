#include "editor/SrcEditTypes.h"

#include <array>
#include <cstring>

namespace tessaly {

namespace {

constexpr std::array<const char*, kSrcEditorOptionCount> kOptionNames{
    "eoAltSetsColumnMode", "eoAutoIndent",     "eoAutoSizeMaxLeftChar", "eoDisableScrollArrows",
    "eoDragDropEditing",   "eoDropFiles",      "eoEnhanceHomeKey",      "eoGroupUndo",
    "eoHalfPageScroll",    "eoHideShowScrollbars", "eoKeepCaretX",      "eoNoCaret",
    "eoNoSelection",       "eoRightMouseMovesCursor", "eoScrollByOneLess", "eoScrollHintFollows",
    "eoScrollPastEof",     "eoScrollPastEol",  "eoShowScrollHint",      "eoShowSpecialChars",
    "eoSmartTabDelete",    "eoSmartTabs",      "eoSpecialLineDefaultFg", "eoTabIndent",
    "eoTabsToSpaces",      "eoTrimTrailingSpaces",
};

}  // namespace

const char* SrcEditorOptionName(TSrcEditorOption option) { return kOptionNames.at(option); }

int SrcEditorOptionByName(const char* name) {
  for (size_t i = 0; i < kOptionNames.size(); ++i)
    if (std::strcmp(kOptionNames[i], name) == 0) return static_cast<int>(i);
  return -1;
}

}  // namespace tessaly
