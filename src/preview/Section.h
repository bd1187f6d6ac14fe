#pragma once
// Text sections: a run of text with embedded objects, its font runs and the
// source index runs that map it back to the page source. List items and
// preformatted lines are sections too.

#include <memory>
#include <string>
#include <vector>

#include "preview/Attributes.h"
#include "preview/Fonts.h"
#include "preview/SectionBase.h"
#include "preview/TokenObj.h"

namespace tessaly::preview {

class TFormControlObj;
class THtmlForm;

// Codes in a section's text that stand for something else.
constexpr char kFormControlCode = 2;
constexpr char kImageCode = 4;
constexpr char kNoBreakSpaceMarker = 5;
constexpr char kNoBreakFormControlCode = 6;
constexpr char kNoBreakImageCode = 7;
constexpr char kNonBreakingSpace = static_cast<char>(160);

// From text position Pos on, characters came from consecutive source indices
// starting at Index.
struct IndexObj {
  int Pos;
  int Index;
  friend bool operator==(const IndexObj&, const IndexObj&) = default;
};

// Everything the parser has in effect when a font run starts.
struct TFontState {
  const TMyFont* Font;
  TFontStyles Style = 0;
  const TUrlTarget* Link = nullptr;  // nullptr or empty: not a link
  int SubSup = 0;
};

class TSection : public TSectionBase {
public:
  // Lists: 0 none, 1 ordered, 2 unordered, 3 definition.
  TSection(TSectionList* document, const TFontState& font, int listLevel, int align, int listIndentStep = 35);
  ~TSection() override;

  std::string Buff;                     // the text; c_str() gives the terminating zero
  std::vector<int> SIndices;            // one per character while filling
  std::vector<IndexObj> SIndexList;     // runs, once closed
  std::vector<std::unique_ptr<TFontObj>> Fonts;
  std::vector<std::unique_ptr<TImageObj>> Images;
  std::vector<TFormControlObj*> FormControls;  // owned by their forms
  int ListLevel;
  int Indent;
  int ListType = 0;
  int AlignmentValue;     // 1 left, 2 centre, 3 right
  int ClearValue = 0;     // 0 none, 1 left, 2 right, 3 both
  int FirstLineIndent = 0;  // left edge of the first line, set by layout
  std::unique_ptr<TMyFont> StartFont;  // list items: the font their marker is drawn in
  bool Closed = false;

  virtual void AddToken(const TokenObj& token, bool noBreak);
  void AddChar(char ch, int index);
  // A font run from the end of the text on; replaces a run that starts there.
  void ChangeFont(const TFontState& state);
  TImageObj* AddImage(const TAttributeList& attributes, bool noBreak, int index);
  // The control for an INPUT, SELECT or TEXTAREA tag, owned by `form`.
  TFormControlObj* AddFormControl(Sy which, THtmlForm* form, const TAttributeList& attributes, bool noBreak,
                                  int index);
  // BR: an empty line keeps its height through a space; returns the alignment.
  int FinishLine(int index);
  // Terminates the text and turns the per-character indices into runs.
  void Close();

  int SourcePosOf(int curs) override;
  int DocPosOf(int sourceIndex, bool prev) override;
  void NumberCursorPositions(int& curs) override;
  void FontsChanged() override;

  // The source index of every character, expanded from the runs.
  std::vector<int> SourceIndices() const;
  // The list marker drawn on the first line ("" for none).
  virtual std::string MarkerText() const { return {}; }

protected:
  void AppendToken(const TokenObj& token, size_t first = 0);
  void AppendCode(char code, int index);
  void Unregister(const TFontObj& run);  // from the document's link list

private:
  bool onlyFloatingImages_ = false;  // every character so far is a floating image
};

// One line of a PRE block or of plain text: no whitespace collapsing.
class TPreFormated : public TSection {
public:
  using TSection::TSection;
  static constexpr int kMaxLength = 20000;
  void AddToken(const TokenObj& token, bool noBreak) override;
};

class TUListItem : public TSection {
public:
  TUListItem(TSectionList* document, const TFontState& font, int listLevel, int align, bool plain,
             int listIndentStep = 35);
  bool Plain;  // UL PLAIN: no bullet
};

class TDListItem : public TUListItem {
public:
  TDListItem(TSectionList* document, const TFontState& font, int listLevel, int align);
};

class TOListItem : public TUListItem {
public:
  TOListItem(TSectionList* document, const TFontState& font, int listLevel, int align, int number, char style);
  int ListNumb;
  char ListStyle;  // '1', 'A', 'a', 'I', 'i'
  std::string MarkerText() const override;
};

// "A", "xiv" ... for an item number in the given numbering style, with the full stop.
std::string ListMarker(int number, char style);

}  // namespace tessaly::preview
