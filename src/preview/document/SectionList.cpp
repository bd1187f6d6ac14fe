#include "preview/document/SectionList.h"

namespace tessaly::preview {

TSectionList::TSectionList() : TCell(this) {}

const std::shared_ptr<TBitmap>& TSectionList::PendingImage() {
  static const auto pending = std::make_shared<TBitmap>();
  return pending;
}

TSectionList::~TSectionList() { Clear(); }

void TSectionList::Clear() {
  // Registries point into the blocks and forms: drop them first.
  LinkList.clear();
  FormControlList.clear();
  AGifList.Clear();
  MissingImages.clear();
  ActiveLink = nullptr;
  ActiveImage = nullptr;
  clear();
  HtmlFormList.clear();
  MapList.clear();
  BackgroundImageName.clear();
  BackgroundBitmap.reset();
  BackgroundTried = false;
  SelB = SelE = 0;
}

void TSectionList::SetFonts(const std::string& name, const std::string& preName, int size, TColor color,
                            TColor hotSpot, TColor visited, TColor active, bool linksActive, TColor background) {
  FontName = name.substr(0, 33);
  PreFontName = preName.substr(0, 33);
  FontSize = size;
  FontColor = color;
  HotSpotColor = hotSpot;
  LinkVisitedColor = visited;
  LinkActiveColor = active;
  LinksActive = linksActive;
  Background = background;
  FontsChanged();
}

void TSectionList::SetBackground(TColor color) {
  Background = color;
}

void TSectionList::SetBackgroundImageName(const std::string& name) {
  BackgroundImageName = name;
  BackgroundBitmap.reset();
  BackgroundTried = false;
}

std::shared_ptr<TBitmap> TSectionList::GetBackgroundBitmap() {
  if (!BackgroundTried && !BackgroundImageName.empty() && Container) {
    BackgroundTried = true;
    BackgroundBitmap = Container->GetImage(BackgroundImageName);
  }
  return BackgroundBitmap;
}

int TSectionList::GetSectionY(int index) const {
  int y = 0;
  for (int i = 0; i < index && i < static_cast<int>(size()); ++i) y += (*this)[i]->SectionHeight;
  return y;
}

THtmlForm* TSectionList::AddForm(const TAttributeList& attributes) {
  HtmlFormList.push_back(std::make_unique<THtmlForm>(this, attributes));
  return HtmlFormList.back().get();
}

void TSectionList::NumberCursorPositions() {
  int curs = 0;
  TCell::NumberCursorPositions(curs);
}

}  // namespace tessaly::preview
