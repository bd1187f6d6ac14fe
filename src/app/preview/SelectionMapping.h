#pragma once
// Selections mapped between the source text and the page the viewer shows.
// The editor and the viewer count the same characters from different
// origins; each count has its own type so no conversion is forgotten.

#include <cstddef>
#include <optional>

namespace tessaly {

namespace preview {
class THtmlPreview;
}

// A place in the editor's text as SelStart and SelEnd give it: 1 is the
// place before the first character.
struct TEditorOffset {
  int Value;
};
// A byte of the source as the viewer's source indexes count it: 0 is the
// first; a character stands at the index of its first byte.
struct TSourceIndex {
  int Value;
};
// The character right after an editor place, and the place before a character.
inline TSourceIndex SourceIndexAfter(TEditorOffset offset) { return {offset.Value - 1}; }
inline TEditorOffset EditorOffsetBefore(TSourceIndex index) { return {index.Value + 1}; }

// The viewer's caret and selection end (display positions) for an editor
// selection [selStart, selEnd) of a text `textLength` characters long.
// `caret` is negative when no displayed character stands for the caret's
// place; `selected` tells whether the selection, clipped to the text, is
// empty.
struct TViewerRange {
  int caret;
  int end;
  bool selected;
};
TViewerRange ViewerRangeOf(preview::THtmlPreview& viewer, TEditorOffset selStart, TEditorOffset selEnd,
                           size_t textLength);

// The editor's SelStart and SelEnd for the viewer's selection of `selLength`
// characters from the display position it was started at, `anchor`
// (backwards when selLength < 0). Nothing when that point stands for no
// source character.
struct TSourceRange {
  TEditorOffset selStart;
  TEditorOffset selEnd;
};
std::optional<TSourceRange> SourceRangeOf(preview::THtmlPreview& viewer, int anchor, int selLength);

}  // namespace tessaly
