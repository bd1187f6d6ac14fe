#pragma once
// Blocks without text: vertical spaces after paragraphs and headings, and
// horizontal rules.

#include "preview/document/Alignment.h"
#include "preview/document/Attributes.h"
#include "preview/document/Length.h"
#include "preview/document/SectionBase.h"

namespace tessaly::preview {

class TParagraphSpace : public TSectionBase {
public:
  explicit TParagraphSpace(TSectionList* document);
  void ParentChanged() override;
};

class THeadingSpace : public TSectionBase {
public:
  THeadingSpace(TSectionList* document, int level);
  int HeadingLevel;
  void ParentChanged() override;
};

class THorzLine : public TSectionBase {
public:
  THorzLine(TSectionList* document, const TAttributeList& attributes);
  int VSize = 2;          // thickness
  TLength Width;          // not given: full width
  THorzAlign Align = THorzAlign::Center;
  TColor Color = clNone;
  bool HasColor = false;
  bool NoShade = false;
  int XLeft = 0, XRight = 0;  // the sides at its Y, set by layout
  void ParentChanged() override;
  int Layout(TCanvas& canvas, int y, IndentManager& indent, int& maxWidth, int& curs) override;
  int Paint(TCanvas& canvas, const TRect& clip, IndentManager& indent, int x, int y) override;
};

}  // namespace tessaly::preview
