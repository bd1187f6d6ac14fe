#pragma once
// What the main window remembers of text searches for the run: the options
// and text of the last dialog search and the history of texts, and the rules
// the search dialog applies to that history. None of it is saved.

#include <string>
#include <vector>

#include "editor/SrcEditTypes.h"

namespace tessaly {

struct TSearchState {
  bool SearchBackwards = false;
  bool SearchCaseSensitive = false;
  bool SearchFromCaret = false;
  bool SearchSelectedOnly = false;
  bool SearchWholeWords = false;
  // UTF-8, whatever the document's encoding.
  std::string SearchText;
  std::string SearchTextHistory;  // newest first, joined with CR LF
};

// The history a dialog hands back holds no more entries than this.
inline constexpr size_t SearchHistoryMaxCount = 10;

// The editor's options for one search: `continueFromCaret` false searches
// the whole text. Replace options are never set.
TSrcSearchOptions SearchOptions(const TSearchState& state, bool backward, bool continueFromCaret);

// The dialog's close rule for `text` (windows-1251): an empty text changes
// nothing; otherwise the text goes to the top of `history`, replacing an
// entry that differs only in letter case. Returns the text the edit shows.
std::string AddToSearchHistory(std::vector<std::string>& history, const std::string& text);

// The history as stored: its first entries up to the limit, joined with CR
// LF, without a trailing break; and back into entries.
std::string SearchHistoryText(const std::vector<std::string>& history);
std::vector<std::string> SearchHistoryEntries(const std::string& text);

}  // namespace tessaly
