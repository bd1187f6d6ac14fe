#pragma once
// Selections mapped between the source text and the page the viewer shows.
// Editor offsets count from 1 (SelStart is the caret before the first
// selected character), the viewer's source indexes and display positions
// from 0.

#include <cstddef>
#include <optional>

namespace tessaly {

namespace preview {
class THtmlPreview;
}

// The viewer's caret and selection end for an editor selection
// [selStart, selEnd) of a text `textLength` characters long.
// `caret` is negative when no displayed character stands for the caret's
// place; `selected` tells whether the selection, clipped to the text, is
// empty.
struct TViewerRange {
  int caret;
  int end;
  bool selected;
};
TViewerRange ViewerRangeOf(preview::THtmlPreview& viewer, int selStart, int selEnd, size_t textLength);

// The editor's SelStart and SelEnd for the viewer's selection of `selLength`
// characters from the point it was started at, `anchor` (backwards when
// selLength < 0). Nothing when that point stands for no source character.
struct TSourceRange {
  int selStart;
  int selEnd;
};
std::optional<TSourceRange> SourceRangeOf(preview::THtmlPreview& viewer, int anchor, int selLength);

}  // namespace tessaly
