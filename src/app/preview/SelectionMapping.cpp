#include "app/preview/SelectionMapping.h"

#include <algorithm>

#include "preview/viewer/HtmlPreview.h"

namespace tessaly {

namespace {

int DisplayPosOf(preview::THtmlPreview& viewer, TSourceIndex index, bool prev) {
  return viewer.DisplayPosOf(index.Value, prev);
}

TSourceIndex SourcePosOf(preview::THtmlPreview& viewer, int displayPos) { return {viewer.SourcePosOf(displayPos)}; }

// The place after the selected character at display position `last`: the
// selection's end, after all the bytes the character came from.
TEditorOffset EndAfter(preview::THtmlPreview& viewer, int last) {
  return {EditorOffsetBefore(SourcePosOf(viewer, last)).Value + std::max(1, viewer.SourceLengthOf(last))};
}

}  // namespace

TViewerRange ViewerRangeOf(preview::THtmlPreview& viewer, TEditorOffset selStart, TEditorOffset selEnd,
                           size_t textLength) {
  const TSourceIndex a = SourceIndexAfter(selStart);
  int len = selEnd.Value - selStart.Value;
  if (static_cast<long long>(textLength) < static_cast<long long>(a.Value) + len)
    len = static_cast<int>(textLength) - a.Value;
  int c = DisplayPosOf(viewer, a, false);
  if (c < 0) c = DisplayPosOf(viewer, {a.Value - 1}, true);
  int e = c;
  if (len != 0) {
    e = DisplayPosOf(viewer, {a.Value + len}, false);
    // Nothing shown after the selection (it reaches the page's end): it ends
    // after its last shown character, which stays selected.
    if (e < 0 && (e = DisplayPosOf(viewer, {a.Value + len - 1}, false)) >= 0) ++e;
  }
  return TViewerRange{c, e, len != 0};
}

std::optional<TSourceRange> SourceRangeOf(preview::THtmlPreview& viewer, int anchor, int selLength) {
  const int p = anchor, l = selLength;
  const TSourceIndex b = l < 0 ? SourcePosOf(viewer, p + l) : SourcePosOf(viewer, p);
  if (b.Value < 0) return std::nullopt;
  const TEditorOffset start = EditorOffsetBefore(b);
  if (l == 0) return TSourceRange{start, start};
  return TSourceRange{start, EndAfter(viewer, l < 0 ? p - 1 : p + l - 1)};
}

}  // namespace tessaly
