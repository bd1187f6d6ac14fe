#include "preview/document/Spaces.h"

#include "platform/CodePage1251.h"
#include "preview/document/SectionList.h"

namespace tessaly::preview {

namespace {
int Scaled(const TSectionList* document, int height) { return height * document->FontSize / 12; }
}  // namespace

TParagraphSpace::TParagraphSpace(TSectionList* document) : TSectionBase(document) { TParagraphSpace::ParentChanged(); }

void TParagraphSpace::ParentChanged() { SectionHeight = Scaled(Document, 14); }

THeadingSpace::THeadingSpace(TSectionList* document, int level) : TSectionBase(document), HeadingLevel(level) {
  THeadingSpace::ParentChanged();
}

void THeadingSpace::ParentChanged() {
  static constexpr int kHeights[] = {16, 12, 10, 8, 6, 4};
  const int height = HeadingLevel >= 1 && HeadingLevel <= 6 ? kHeights[HeadingLevel - 1] : 8;
  SectionHeight = Scaled(Document, height);
}

THorzLine::THorzLine(TSectionList* document, const TAttributeList& attributes) : TSectionBase(document) {
  for (const auto& attribute : attributes.Items()) {
    switch (attribute.Which) {
      case Attr::SIZE:
        if (attribute.Value >= 1 && attribute.Value <= 20) VSize = attribute.Value;
        break;
      case Attr::WIDTH:
        // A negative width draws a rule as wide as one without any.
        if (attribute.Text.find('%') != std::string::npos) {
          if (attribute.Value <= 100) Width = attribute.Value >= 0 ? TLength::Percent(attribute.Value) : TLength();
        } else {
          Width = attribute.Value >= 0 ? TLength::Pixels(attribute.Value) : TLength();
        }
        break;
      case Attr::ALIGN:
        if (cp1251::SameText(attribute.Text, "left")) Align = THorzAlign::Left;
        else if (cp1251::SameText(attribute.Text, "right")) Align = THorzAlign::Right;
        break;
      case Attr::COLOR: ReadColor(attribute, Color, HasColor); break;
      case Attr::NOSHADE:
        NoShade = true;
        break;
      default:
        break;
    }
  }
  THorzLine::ParentChanged();
}

void THorzLine::ParentChanged() { SectionHeight = Scaled(Document, 20) + VSize - 2; }

}  // namespace tessaly::preview
