// Sizing and drawing images placed in text.

#include <algorithm>

#include "preview/document/Images.h"
#include "preview/document/SectionList.h"
#include "preview/pictures/BuiltinPictures.h"

namespace tessaly::preview {

namespace {

// The ALT text is set in a small sans-serif face: 8 points at 96 dpi.
void SetAltFont(TCanvas& canvas) {
  TFontSpec spec;
  spec.Name = "Arial";
  spec.Height = -(8 * kPixelsPerInch / 72);
  spec.Color = clBlack;
  canvas.SetFont(spec);
}

TSize AltTextSize(TCanvas& canvas, const std::string& alt) {
  if (alt.empty()) return {0, 0};
  SetAltFont(canvas);
  return canvas.TextExtent(alt);
}

}  // namespace

const TBitmap& TImageObj::Picture() const {
  if (LoadState == TLoad::Failed) return ErrorPicture();
  if (LoadState == TLoad::Loaded && Bitmap && Document->ShowImages) return *Bitmap;
  return PlaceholderPicture();
}

void TImageObj::Measure(TCanvas& canvas, int availableWidth) {
  if (LoadState == TLoad::NotAsked && Document->ShowImages && Document->Container) {
    Bitmap = Document->Container->GetImage(Source);
    if (Bitmap == TSectionList::PendingImage()) {
      LoadState = TLoad::Pending;
      Bitmap.reset();
      Document->MissingImages.push_back({Source, this});
    } else {
      LoadState = Bitmap && !Bitmap->Empty() ? TLoad::Loaded : TLoad::Failed;
      // TRANSP: the colour of the lower-left pixel shows what lies behind.
      if (LoadState == TLoad::Loaded && Transparent) Bitmap = std::make_shared<TBitmap>(WithLowerLeftTransparency(*Bitmap));
      if (LoadState == TLoad::Loaded) Animation = Document->Container->GetAnimation(Source);
      // Hover images (ACTIVE) join the animated ones only under the pointer.
      if (Animation && !Active) Document->AGifList.Add(*Animation);
    }
  }
  const bool real = LoadState == TLoad::Loaded && Bitmap && Document->ShowImages;
  const TBitmap& picture = Picture();
  const int naturalW = picture.Width, naturalH = picture.Height;
  const bool bothGiven = SpecWidth.IsPixels() && SpecHeight;
  ImageKnown = true;
  if (!real) {
    if (bothGiven) {
      ImageWidth = SpecWidth.PixelCount();
      ImageHeight = *SpecHeight;
    } else {
      ImageWidth = naturalW;
      ImageHeight = naturalH;
      ImageKnown = false;
    }
  } else if (SpecWidth.IsPercent()) {
    ImageWidth = SpecWidth.Of(std::max(availableWidth, 0));
    ImageHeight = SpecHeight.value_or(naturalH);
  } else if (bothGiven) {
    ImageWidth = SpecWidth.PixelCount();
    ImageHeight = *SpecHeight;
  } else if (SpecHeight) {
    ImageHeight = *SpecHeight;
    ImageWidth = naturalH > 0 ? naturalW * *SpecHeight / naturalH : naturalW;
  } else if (SpecWidth.IsPixels()) {
    ImageWidth = SpecWidth.PixelCount();
    ImageHeight = naturalW > 0 ? naturalH * ImageWidth / naturalW : naturalH;
  } else {
    ImageWidth = naturalW;
    ImageHeight = naturalH;
  }
  // Until the picture arrives the box holds the ALT text; without one the
  // placeholder keeps its own 16 x 16.
  if (!ImageKnown && !Alt.empty()) {
    const TSize alt = AltTextSize(canvas, Alt);
    ImageWidth = std::max(ImageWidth, alt.cx + 2 + 24);
    ImageHeight = std::max({ImageHeight, 24, alt.cy});
  }
}

void TImageObj::Draw(TCanvas& canvas, int x, int y) const {
  const TBitmap& picture = Picture();
  const bool placeholder = &picture != Bitmap.get();
  if (placeholder && !ImageKnown) {
    // The placeholder sits in the top-left corner of the ALT text's box.
    canvas.SetBrush(clSilver, TBrushStyle::bsClear);
    canvas.SetPen(clGray, 1, TPenStyle::psSolid);
    canvas.Rectangle({x, y, x + ImageWidth, y + ImageHeight});
    canvas.DrawBitmap(picture, {0, 0, picture.Width, picture.Height},
                      {x + 2, y + 2, x + 2 + picture.Width, y + 2 + picture.Height});
    if (!Alt.empty()) {
      SetAltFont(canvas);
      canvas.SetTextColor(clBlack);
      canvas.SetTextBackground(clWhite, false);
      canvas.TextOut(x + 2 + picture.Width + 4, y + 2, Alt);
    }
    return;
  }
  if (Animation && &picture == Bitmap.get()) Animation->Draw(canvas, {x, y, x + ImageWidth, y + ImageHeight});
  else canvas.DrawBitmap(picture, {0, 0, picture.Width, picture.Height}, {x, y, x + ImageWidth, y + ImageHeight});
}

}  // namespace tessaly::preview
