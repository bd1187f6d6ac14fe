#include "app/SelectionMapping.h"

#include "preview/viewer/HtmlPreview.h"

namespace tessaly {

TViewerRange ViewerRangeOf(preview::THtmlPreview& viewer, int selStart, int selEnd, size_t textLength) {
  const int a = selStart - 1;
  int len = selEnd - selStart;
  if (static_cast<long long>(textLength) < static_cast<long long>(a) + len) len = static_cast<int>(textLength) - a;
  int c = viewer.DisplayPosOf(a, false);
  if (c < 0) c = viewer.DisplayPosOf(a - 1, true);
  int e = c;
  if (len != 0) {
    e = viewer.DisplayPosOf(a + len, false);
    // Nothing shown after the selection (it reaches the page's end): it ends
    // after its last shown character, which stays selected.
    if (e < 0 && (e = viewer.DisplayPosOf(a + len - 1, false)) >= 0) ++e;
  }
  return TViewerRange{c, e, len != 0};
}

std::optional<TSourceRange> SourceRangeOf(preview::THtmlPreview& viewer, int anchor, int selLength) {
  const int p = anchor, l = selLength;
  const int b = l < 0 ? viewer.SourcePosOf(p + l) : viewer.SourcePosOf(p);
  if (b < 0) return std::nullopt;
  if (l == 0) return TSourceRange{b + 1, b + 1};
  if (l < 0) return TSourceRange{b + 1, viewer.SourcePosOf(p - 1) + 2};
  return TSourceRange{b + 1, viewer.SourcePosOf(p + l - 1) + 2};
}

}  // namespace tessaly
