// Find and replace over a scope of lines with the plain-text search engine;
// every replacement goes through SelText, so it can be undone.

#include <algorithm>
#include <optional>

#include "editor/SrcEdit.h"
#include "editor/SrcEditGuards.h"
#include "highlight/SrcEditSearch.h"

namespace tessaly {

TSrcEditSearch& TSrcEdit::SearchEngine() {
  if (!searchEngine_) searchEngine_ = std::make_unique<TSrcEditSearch>();
  return *searchEngine_;
}

namespace {

int LineBreakCount(const std::string& text) {
  int breaks = 0;
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++breaks;
  return breaks;
}

}  // namespace

int TSrcEdit::SearchReplace(const std::string& search, const std::string& replace, TSrcSearchOptions options) {
  TSrcEditSearch* engine = nullptr;
  if (OnSearchEngineOverride) OnSearchEngineOverride(*this, engine);
  if (!engine) engine = &SearchEngine();
  if (search.empty()) return 0;
  TUserLinesChange byUser(*lines_);
  if (options.Has(soSelectedOnly) && !SelAvail()) options.Exclude(soSelectedOnly);
  const bool backwards = options.Has(soBackwards);
  const bool selectedOnly = options.Has(soSelectedOnly);
  const bool columnScope = selectedOnly && selectionMode_ == smColumn;
  const int lastLine = std::max(1, lines_->Count());
  TBufferCoord scopeStart{1, 1}, scopeEnd{static_cast<int>(LineText(lastLine).size()) + 1, lastLine};
  if (selectedOnly) {
    scopeStart = SelectionStart();
    scopeEnd = SelectionEnd();
    if (selectionMode_ == smLine) {
      scopeStart.X = 1;
      scopeEnd.X = static_cast<int>(LineText(scopeEnd.Y).size()) + 1;
    } else if (columnScope && scopeStart.X > scopeEnd.X) {
      std::swap(scopeStart.X, scopeEnd.X);
    }
  } else if (!options.Has(soEntireScope)) {
    if (backwards) scopeEnd = CaretXY();
    else scopeStart = CaretXY();
  }
  engine->SetEncoding(encoding_);
  engine->SetMatchCase(options.Has(soMatchCase));
  engine->SetWholeWordsOnly(options.Has(soWholeWord));
  engine->SetSearchPattern(search);

  const int replaceLength = static_cast<int>(replace.size());
  const bool replacing = options.Has(soReplace) || options.Has(soReplaceAll);
  bool replaceAll = options.Has(soReplaceAll);
  bool prompt = options.Has(soPrompt);
  std::optional<TPaintLock> paintLock;
  std::optional<TUndoGroup> undoGroup;
  if (replaceAll) {
    paintLock.emplace(*this);
    if (!prompt) undoGroup.emplace(*this);
  }
  int found = 0;
  int y = backwards ? scopeEnd.Y : scopeStart.Y;
  int fromColumn = 1;  // after a replacement that split the line, where the rest went
  while (backwards ? y >= scopeStart.Y : y <= scopeEnd.Y) {
    const std::string line = LineText(y);
    const int count = engine->FindAllIn(line);
    bool lineSplit = false;
    for (int k = 0; k < count && !lineSplit; ++k) {
      const int index = backwards ? count - 1 - k : k;
      const int pos = engine->MatchPosition(index);
      // Folding may make a match longer or shorter than the search text.
      const int searchLength = engine->MatchLength(index);
      if (pos < fromColumn) continue;
      if (columnScope) {
        if (pos < scopeStart.X || pos + searchLength > scopeEnd.X) continue;
      } else if ((y == scopeStart.Y && pos < scopeStart.X) || (y == scopeEnd.Y && pos + searchLength > scopeEnd.X)) {
        continue;
      }
      ++found;
      {
        TPaintLock lock(*this);
        PlaceCaret({1, y}, false);
        ScrollCaretCentred();
        SetBlockBegin({pos, y});
        SetBlockEnd({pos + searchLength, y});
        PlaceCaret({backwards ? pos : pos + searchLength, y}, true);
      }
      if (!replacing) return found;
      TSrcReplaceAction action = rpReplace;
      if (prompt && OnReplaceText) OnReplaceText(*this, search, replace, y, pos, action);
      if (action == rpCancel) return found;
      if (action == rpReplaceAll) {
        replaceAll = true;
        prompt = false;
        if (!paintLock) paintLock.emplace(*this);
        if (!undoGroup) undoGroup.emplace(*this);
      }
      if (action != rpSkip) {
        SetSelText(replace);
        const int breaks = LineBreakCount(replace);
        if (!backwards && breaks > 0) {
          // The rest of the line moved down: search it again from the caret.
          if (y == scopeEnd.Y && !columnScope) scopeEnd.X += caretX_ - (pos + searchLength);
          scopeEnd.Y += breaks;
          y = caretY_;
          fromColumn = caretX_;
          lineSplit = true;
        } else if (!backwards && searchLength != replaceLength) {
          engine->ShiftMatchPositions(pos, searchLength - replaceLength);
          if (y == scopeEnd.Y && !columnScope) scopeEnd.X += replaceLength - searchLength;
        }
      }
      if (!replaceAll) return found;
    }
    if (!lineSplit) {
      y += backwards ? -1 : 1;
      fromColumn = 1;
    }
  }
  return found;
}

}  // namespace tessaly
