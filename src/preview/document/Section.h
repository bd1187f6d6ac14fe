#pragma once
// Text sections: a run of text with embedded objects, its font runs and the
// source index runs that map it back to the page source. List items and
// preformatted lines are sections too.

#include <memory>
#include <string>
#include <vector>

#include "preview/document/Alignment.h"
#include "preview/document/Attributes.h"
#include "preview/document/Fonts.h"
#include "preview/document/SectionBase.h"
#include "preview/document/TokenObj.h"

namespace tessaly::preview {

class TFormControlObj;
class THtmlForm;

// Codes in a section's text that stand for something else.
constexpr char32_t kFormControlCode = 2;
constexpr char32_t kImageCode = 4;
constexpr char32_t kNoBreakSpaceMarker = 5;
constexpr char32_t kNoBreakFormControlCode = 6;
constexpr char32_t kNoBreakImageCode = 7;
constexpr char32_t kNonBreakingSpace = 0xA0;

constexpr bool IsImageCode(char32_t c) { return c == kImageCode || c == kNoBreakImageCode; }
constexpr bool IsControlCode(char32_t c) { return c == kFormControlCode || c == kNoBreakFormControlCode; }
constexpr bool IsObjectCode(char32_t c) { return IsImageCode(c) || IsControlCode(c); }

// From text position Pos on, characters came from consecutive places of the
// source, each Width bytes long, the first at Index. A multi-byte character
// and its single-byte neighbours fall into separate runs; characters of an
// include have width 0.
struct IndexObj {
  int Pos;
  int Index;
  int Width = 1;
  friend bool operator==(const IndexObj&, const IndexObj&) = default;
};

// One laid-out line of a section, in document coordinates.
struct LineRec {
  int Start = 0;        // first character
  int Ln = 0;           // characters
  int Y = 0;            // top
  int LineHt = 0;       // tallest font
  int Descent = 0;      // below the baseline
  int SpaceBefore = 0;  // added above for tall objects
  int SpaceAfter = 0;   // added below
  int LineIndent = 0;   // X of the first character
  int Width = 0;        // without trailing spaces
  int DrawHeight = 0;   // including floats that start in it
  int Height() const { return SpaceBefore + LineHt + SpaceAfter; }
  int Baseline() const { return Y + SpaceBefore + LineHt - Descent; }
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
  TSection(TSectionList* document, const TFontState& font, int listLevel, THorzAlign align,
           int listIndentStep = 35);
  ~TSection() override;

  std::u32string Buff;                  // the text, one code point a character
  std::vector<int> SIndices;            // one per character while filling
  std::vector<unsigned short> SLengths;  // the source bytes of each, while filling
  std::vector<IndexObj> SIndexList;     // runs, once closed
  std::vector<std::unique_ptr<TFontObj>> Fonts;
  std::vector<std::unique_ptr<TImageObj>> Images;
  std::vector<TFormControlObj*> FormControls;  // owned by their forms
  int ListLevel;
  int Indent;
  TListKind ListType = TListKind::None;
  THorzAlign AlignmentValue;
  TClear ClearValue = TClear::None;
  int FirstLineIndent = 0;  // left edge of the first line, set by layout
  std::unique_ptr<TMyFont> StartFont;  // list items: the font their marker is drawn in
  bool Closed = false;
  std::vector<LineRec> Lines;  // rebuilt by every layout

  virtual void AddToken(const TokenObj& token, bool noBreak);
  void AddChar(char32_t ch, int index);
  // A font run from the end of the text on; replaces a run that starts there.
  void ChangeFont(const TFontState& state);
  TImageObj* AddImage(const TAttributeList& attributes, bool noBreak, int index);
  // The control for an INPUT, SELECT or TEXTAREA tag, owned by `form`.
  TFormControlObj* AddFormControl(Sy which, THtmlForm* form, const TAttributeList& attributes, bool noBreak,
                                  int index);
  // BR: an empty line keeps its height through a space; returns the alignment.
  THorzAlign FinishLine(int index);
  // Terminates the text and turns the per-character indices into runs.
  void Close();

  int Layout(TCanvas& canvas, int y, IndentManager& indent, int& maxWidth, int& curs) override;
  int Paint(TCanvas& canvas, const TRect& clip, IndentManager& indent, int x, int y) override;
  bool LinkAt(TCanvas& canvas, int x, int y, TFontObj*& font, TUrlTarget*& target) override;
  TImageObj* ImageAt(int x, int y, TPoint& inImage) override;
  int CursorAt(TCanvas& canvas, int x, int y) override;
  bool CursorPoint(TCanvas& canvas, int curs, TPoint& at) override;
  bool CharAt(int curs, char32_t& ch, TSection*& section) override;
  void WidthRange(TCanvas& canvas, int& min, int& max) override;
  void ShiftY(int dy) override;
  int SourcePosOf(int curs) override;
  // The bytes of source the character at a cursor position came from, or -1.
  int SourceLengthOf(int curs) const;
  int DocPosOf(int sourceIndex, bool prev) override;
  void NumberCursorPositions(int& curs) override;
  void FontsChanged() override;

  // The run that draws character `pos`, the image or control at a code character.
  TFontObj* FontAt(int pos) const;
  TImageObj* ImageAtPos(int pos) const;
  TFormControlObj* ControlAtPos(int pos) const;
  // The end of the piece that starts at `pos`: the next font change or object.
  int PieceEnd(int pos, int end) const;
  // The width of characters [start, end) drawn in one line.
  int TextWidth(TCanvas& canvas, int start, int end) const;

  // The source index of every character, expanded from the runs.
  std::vector<int> SourceIndices() const;
  // Preformatted lines never wrap.
  virtual bool Wraps() const { return true; }
  // An empty section still takes one line of its font.
  virtual bool KeepsBlankLine() const { return false; }
  // The list marker drawn on the first line ("" for none).
  virtual std::string MarkerText() const { return {}; }

protected:
  void AppendToken(const TokenObj& token, size_t first = 0);
  void AppendCode(char32_t code, int index);
  void Unregister(const TFontObj& run);  // from the document's link list

private:
  const IndexObj* RunAt(int curs) const;  // the index run holding a cursor position, or none
  int FitCount(TCanvas& canvas, int start, int y, IndentManager& indent, std::vector<TImageObj*>& placedFloats);
  int ChooseBreak(int start, int fit) const;
  void FinishLine(TCanvas& canvas, LineRec& line, IndentManager& indent);
  void DrawLine(TCanvas& canvas, const LineRec& line, int dx, int dy);
  void DrawMarker(TCanvas& canvas, int dx, int dy);
  void MeasureObjects(TCanvas& canvas, IndentManager& indent, int y, int& maxWidth);

  bool onlyFloatingImages_ = false;  // every character so far is a floating image
};

// One line of a PRE block or of plain text: no whitespace collapsing.
class TPreFormated : public TSection {
public:
  using TSection::TSection;
  static constexpr int kMaxLength = 20000;
  void AddToken(const TokenObj& token, bool noBreak) override;
  bool Wraps() const override { return false; }
  bool KeepsBlankLine() const override { return LineEnded; }
  // The source line was closed by a line end (or P, BR): a blank line of
  // code keeps its height.
  bool LineEnded = false;
};

class TUListItem : public TSection {
public:
  TUListItem(TSectionList* document, const TFontState& font, int listLevel, THorzAlign align, bool plain,
             int listIndentStep = 35);
  bool Plain;  // UL PLAIN: no bullet
};

class TDListItem : public TUListItem {
public:
  TDListItem(TSectionList* document, const TFontState& font, int listLevel, THorzAlign align);
};

class TOListItem : public TUListItem {
public:
  TOListItem(TSectionList* document, const TFontState& font, int listLevel, THorzAlign align, int number,
             char style);
  int ListNumb;
  char ListStyle;  // '1', 'A', 'a', 'I', 'i'
  std::string MarkerText() const override;
};

// "A", "xiv" ... for an item number in the given numbering style, with the full stop.
std::string ListMarker(int number, char style);

}  // namespace tessaly::preview
