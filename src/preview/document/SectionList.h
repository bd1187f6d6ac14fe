#pragma once
// The preview document: the top-level cell plus the page-wide settings and
// the registries of links, forms, image maps and images.

#include <memory>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "preview/document/Cell.h"
#include "preview/document/Fonts.h"
#include "preview/document/Forms.h"
#include "preview/document/Images.h"
#include "preview/document/PreviewContainer.h"
#include "preview/pictures/GifAnimationList.h"

namespace tessaly::preview {

class TPreviewParser;

// Named anchors in the order the page gives them, with the block each names.
struct TNameEntry {
  std::string Name;  // upper case
  TSectionBase* Section;
};
using TNameList = std::vector<TNameEntry>;

// An image waiting for its picture: its name and the object that shows it.
struct TPendingImage {
  std::string Name;
  TImageObj* Image;
};

class TSectionList : public TCell {
public:
  TSectionList();
  ~TSectionList() override;

  // Page-wide settings, set by the viewer before each parse.
  std::string FontName = "Times New Roman";  // at most 33 characters
  std::string PreFontName = "Courier New";   // fixed-pitch face, at most 33 characters
  int FontSize = 12;
  TColor FontColor = clBtnText;
  TColor HotSpotColor = clBlue;
  TColor LinkVisitedColor = clPurple;
  TColor LinkActiveColor = clBlue;
  bool LinksActive = false;  // colour links under the pointer
  TFontStyles UnLine = fsUnderline;  // style of links
  int CharSet = DEFAULT_CHARSET;
  TColor Background = clBtnFace;
  bool ShowImages = true;
  bool ShowDummyCaret = false;
  int MarginWidth = 10;
  int MarginHeight = 5;

  std::string BackgroundImageName;
  std::shared_ptr<TBitmap> BackgroundBitmap;
  bool BackgroundTried = false;

  int YOff = 0;  // scroll position
  bool YOffChange = false;
  int SelB = 0, SelE = 0;
  int CaretPos = 0;   // for the dummy caret

  // Set by layout: the widest line (from the left edge) and the height.
  int MaxWidth = 0;
  int DocHeight = 0;
  int ClientHeight = 0;  // the viewer's, for percent table heights

  std::vector<std::unique_ptr<THtmlForm>> HtmlFormList;
  TGifAnimationList AGifList;  // animated images, advanced by the viewer's timer
  std::vector<std::unique_ptr<TMapItem>> MapList;
  std::vector<TFormControlObj*> FormControlList;
  std::vector<TPendingImage> MissingImages;
  std::vector<TFontObj*> LinkList;  // font runs that are links
  TFontObj* ActiveLink = nullptr;
  TImageObj* ActiveImage = nullptr;

  // Where pictures come from and page events go; set by the viewer. A
  // document without one asks for no pictures and reports nothing.
  TPreviewContainer* Container = nullptr;
  TPreviewParser* Parser = nullptr;

  // What the container's GetImage answers for a picture that will come later.
  static const std::shared_ptr<TBitmap>& PendingImage();

  // Frees every block, form and map, clears the registries and the selection.
  void Clear();
  // Takes new defaults and re-applies them to every block.
  void SetFonts(const std::string& name, const std::string& preName, int size, TColor color, TColor hotSpot,
                TColor visited, TColor active, bool linksActive, TColor background);
  void SetBackground(TColor color);
  void SetBackgroundImageName(const std::string& name);
  // The background picture, asked of the image callback on first use.
  std::shared_ptr<TBitmap> GetBackgroundBitmap();
  // The Y of a top-level block: the heights of the blocks before it.
  int GetSectionY(int index) const;

  // Lays every block out from y at `width`; returns the height below y.
  int DoLayout(TCanvas& canvas, int y, int width);
  // Paints what meets `clip`; the document's origin is at (x, y) on the canvas.
  void Draw(TCanvas& canvas, const TRect& clip, int x, int y);

  THtmlForm* AddForm(const TAttributeList& attributes);
  // Numbers the cursor positions of the whole document from 0.
  void NumberCursorPositions();
};

}  // namespace tessaly::preview
