#include "app/search/SearchState.h"

#include <algorithm>

#include "platform/text/CaseFold.h"
#include "strlib/StrLibItem.h"

namespace tessaly {

TSrcSearchOptions SearchOptions(const TSearchState& state, bool backward, bool continueFromCaret) {
  TSrcSearchOptions options;
  if (backward) options.Include(soBackwards);
  if (state.SearchCaseSensitive) options.Include(soMatchCase);
  if (!continueFromCaret) options.Include(soEntireScope);
  if (state.SearchSelectedOnly) options.Include(soSelectedOnly);
  if (state.SearchWholeWords) options.Include(soWholeWord);
  return options;
}

std::string AddToSearchHistory(std::vector<std::string>& history, const std::string& text) {
  if (text.empty()) return text;
  const auto same = std::find_if(history.begin(), history.end(),
                                 [&](const std::string& entry) { return text::FoldCase(entry) == text::FoldCase(text); });
  if (same != history.end()) history.erase(same);
  history.insert(history.begin(), text);
  return text;
}

std::string SearchHistoryText(const std::vector<std::string>& history) {
  std::string text;
  const size_t count = std::min(history.size(), SearchHistoryMaxCount);
  for (size_t i = 0; i < count; ++i) {
    if (i > 0) text += "\r\n";
    text += history[i];
  }
  return text;
}

std::vector<std::string> SearchHistoryEntries(const std::string& text) { return strlib::SplitLines(text); }

}  // namespace tessaly
