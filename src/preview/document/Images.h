#pragma once
// Images placed in text and the image maps that make parts of them links.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "preview/pictures/GifAnimation.h"
#include "preview/document/Alignment.h"
#include "preview/document/Attributes.h"
#include "preview/document/Fonts.h"
#include "preview/document/Length.h"

namespace tessaly::preview {

class TSectionList;
class TImageFormControlObj;

class TFloatingObj {
public:
  virtual ~TFloatingObj() = default;
  int Pos = 0;           // text position of the object's code character
  TImageAlign ImageAlign = TImageAlign::Bottom;
  int ImageWidth = 0;    // as drawn
  int ImageHeight = 0;
  int HSpace = 0;
  int VSpace = 0;
  int Indent = 0;        // X from the left edge when floating
  int DrawX = 0;         // where layout put it, document coordinates
  int DrawY = 0;
  bool Floating() const { return ImageAlign == TImageAlign::Left || ImageAlign == TImageAlign::Right; }
};

class TImageObj : public TFloatingObj {
public:
  TImageObj(TSectionList* document, int pos, const TAttributeList& attributes);

  std::string Source;        // SRC
  std::string Alt;
  std::optional<int> SpecHeight;  // HEIGHT, at least 1
  TLength SpecWidth;         // WIDTH
  bool NoBorder = false;     // BORDER=0
  bool Transparent = false;  // TRANSP
  bool IsMap = false;
  bool UseMap = false;
  std::string MapName;       // upper case, without '#'
  bool Active = false;       // animate while hovered
  std::shared_ptr<TBitmap> Bitmap;  // shared with the image cache; carries the mask
  std::unique_ptr<TGifAnimation> Animation;  // animated GIFs: this image's own frame position
  bool ImageKnown = false;   // the drawn size is final
  enum class TLoad { NotAsked, Pending, Loaded, Failed } LoadState = TLoad::NotAsked;
  TImageFormControlObj* MyFormControl = nullptr;  // INPUT TYPE=IMAGE it stands for
  TSectionList* Document;

  // Asks the document for the picture once, then sets the drawn size for a
  // line `availableWidth` wide.
  void Measure(TCanvas& canvas, int availableWidth);
  // The picture drawn: the image, or the placeholder or error picture.
  const TBitmap& Picture() const;
  void Draw(TCanvas& canvas, int x, int y) const;
  TRect DrawRect() const { return {DrawX, DrawY, DrawX + ImageWidth, DrawY + ImageHeight}; }
};

// A clickable region of an image map, in image coordinates.
struct TAreaRegion {
  enum class Shape { Rect, Circle, Polygon } Kind = Shape::Rect;
  std::vector<TPoint> Points;  // Rect: top-left, bottom-right; Circle: centre, (radius, 0)
  bool Contains(TPoint p) const;
};

class TMapItem {
public:
  std::string MapName;  // upper case
  struct Area {
    std::string Href;   // empty for NOHREF
    TAreaRegion Region;
  };
  std::vector<Area> Areas;
  std::vector<std::string> Targets;  // parallel to Areas

  // Adds an area from the attributes of an AREA tag; too few coordinates drop it.
  void AddArea(const TAttributeList& attributes);
  // The address and target of the first area holding the point.
  bool GetURL(TPoint p, std::string& url, std::string& target) const;
};

// COORDS: numbers split at commas and spaces, at most 301, up to the first empty piece.
std::vector<int> ParseCoords(std::string_view coords);

}  // namespace tessaly::preview
