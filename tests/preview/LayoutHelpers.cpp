#include "LayoutHelpers.h"

#include <cstdio>

namespace tessaly::preview::test {

std::shared_ptr<TBitmap> TestImage(const std::string& source) {
  int width = 0, height = 0;
  if (std::sscanf(source.c_str(), "%dx%d", &width, &height) == 2 && width > 0 && height > 0)
    return std::make_shared<TBitmap>(width, height, clGreen);
  if (source.rfind("pending", 0) == 0) return TSectionList::PendingImage();
  return nullptr;
}

void LaidOutPage::Layout(const std::string& source, int width) {
  Container.Images = TestImage;
  Html(source);
  Document->DoLayout(Canvas, 0, width);
}

}  // namespace tessaly::preview::test
