// Laying out and painting the whole document.

#include "preview/document/SectionList.h"

namespace tessaly::preview {

int TSectionList::DoLayout(TCanvas& canvas, int y, int width) {
  int curs = 0;
  MaxWidth = 0;
  DocHeight = TCell::DoLayout(canvas, y, 0, width, MaxWidth, curs);
  return DocHeight;
}

namespace {

// Tiles the picture from the document's origin over the clip rectangle.
void TileBackground(TCanvas& canvas, const TBitmap& tile, const TRect& clip, int x, int y) {
  const int w = tile.Width, h = tile.Height;
  auto firstTile = [](int origin, int edge, int size) {
    const int offset = (edge - origin) % size;
    return edge - (offset < 0 ? offset + size : offset);
  };
  for (int top = firstTile(y, clip.Top, h); top < clip.Bottom; top += h)
    for (int left = firstTile(x, clip.Left, w); left < clip.Right; left += w)
      canvas.DrawBitmap(tile, {0, 0, w, h}, {left, top, left + w, top + h});
}

}  // namespace

void TSectionList::Draw(TCanvas& canvas, const TRect& clip, int x, int y) {
  canvas.SetBrush(Background, TBrushStyle::bsSolid);
  canvas.FillRect(clip);
  if (ShowImages && !BackgroundImageName.empty()) {
    const std::shared_ptr<TBitmap> tile = GetBackgroundBitmap();
    if (tile && tile != PendingImage() && !tile->Empty()) TileBackground(canvas, *tile, clip, x, y);
  }
  for (TFormControlObj* control : FormControlList) control->Shown = false;
  TCell::Draw(canvas, clip, x, y);
  // Controls scrolled out of sight are taken off the surface.
  for (TFormControlObj* control : FormControlList)
    if (!control->Shown && control->HasCodeCharacter() && Container) Container->PlaceControl(*control, TRect{});
}

}  // namespace tessaly::preview
