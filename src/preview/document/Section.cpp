#include "preview/document/Section.h"

#include <algorithm>

#include "platform/CodePage1251.h"
#include "preview/document/Forms.h"
#include "preview/document/Images.h"
#include "preview/document/SectionList.h"

namespace tessaly::preview {

TSection::TSection(TSectionList* document, const TFontState& font, int listLevel, THorzAlign align,
                   int listIndentStep)
    : TSectionBase(document),
      ListLevel(listLevel),
      Indent(listLevel * listIndentStep),
      AlignmentValue(align) {
  ChangeFont(font);
}

TSection::~TSection() = default;

void TSection::AppendCode(char32_t code, int index) {
  Buff.push_back(code);
  SIndices.push_back(index);
  SLengths.push_back(1);
}

void TSection::AppendToken(const TokenObj& token, size_t first) {
  Buff.append(token.S, first);
  SIndices.insert(SIndices.end(), token.I.begin() + static_cast<std::ptrdiff_t>(first), token.I.end());
  SLengths.insert(SLengths.end(), token.L.begin() + static_cast<std::ptrdiff_t>(first), token.L.end());
  onlyFloatingImages_ = false;
}

void TSection::AddToken(const TokenObj& source, bool noBreak) {
  if (source.Empty()) return;
  const char32_t last = Buff.empty() ? U' ' : Buff.back();
  // The no-break marker is reworked in a copy; plain text is appended from `first` on.
  TokenObj reworked;
  const bool hasMarker = source.S.find(kNoBreakSpaceMarker) != std::u32string::npos;
  const TokenObj& token = hasMarker ? reworked : source;
  if (hasMarker) {
    reworked = source;
    if (noBreak) {
      if ((last == ' ' || last == kNoBreakSpaceMarker || last == kNonBreakingSpace) &&
          reworked.S[0] == kNoBreakSpaceMarker)
        reworked.Erase(0);
      // A marker next to a real space, or a second marker, would only double the gap.
      for (int i = 0; i < reworked.Leng();) {
        const bool marker = reworked.S[i] == kNoBreakSpaceMarker;
        const bool afterGap = i > 0 && (reworked.S[i - 1] == ' ' || reworked.S[i - 1] == kNoBreakSpaceMarker);
        const bool beforeSpace = i + 1 < reworked.Leng() && reworked.S[i + 1] == ' ';
        if (marker && (afterGap || beforeSpace)) reworked.Erase(i);
        else ++i;
      }
    }
    std::replace(reworked.S.begin(), reworked.S.end(), kNoBreakSpaceMarker, kNonBreakingSpace);
  }
  size_t first = 0;
  if (!noBreak && last == ' ' && token.S[0] == ' ') first = 1;
  if (first < token.S.size() && (token.S[first] == ' ' || token.S[first] == kNonBreakingSpace) && onlyFloatingImages_)
    ++first;
  if (first < token.S.size()) AppendToken(token, first);
}

void TPreFormated::AddToken(const TokenObj& token, bool) {
  if (static_cast<int>(Buff.size()) > kMaxLength) return;
  AppendToken(token);
}

void TSection::AddChar(char32_t ch, int index) {
  TokenObj token;
  token.AddChar(ch, index);
  AddToken(token, false);
}

void TSection::Unregister(const TFontObj& run) {
  // The run being dropped is the section's last, so it was registered last or nearly so.
  auto& links = Document->LinkList;
  if (auto found = std::find(links.rbegin(), links.rend(), &run); found != links.rend()) links.erase(std::next(found).base());
}

void TSection::ChangeFont(const TFontState& state) {
  const int pos = static_cast<int>(Buff.size());
  auto run = std::make_unique<TFontObj>(this, pos, *state.Font, state.Style, state.SubSup);
  if (state.Link && !state.Link->Empty()) run->UrlTarget = *state.Link;
  auto& links = Document->LinkList;
  if (!Fonts.empty() && Fonts.back()->Pos == pos) {
    Unregister(*Fonts.back());
    Fonts.back() = std::move(run);
  } else {
    Fonts.push_back(std::move(run));
  }
  if (!Fonts.back()->UrlTarget.Empty()) links.push_back(Fonts.back().get());
}

TImageObj* TSection::AddImage(const TAttributeList& attributes, bool noBreak, int index) {
  const int pos = static_cast<int>(Buff.size());
  Images.push_back(std::make_unique<TImageObj>(Document, pos, attributes));
  onlyFloatingImages_ = (pos == 0 || onlyFloatingImages_) && Images.back()->Floating();
  AppendCode(noBreak ? kNoBreakImageCode : kImageCode, index);
  return Images.back().get();
}

namespace {

std::unique_ptr<TFormControlObj> MakeInputControl(TSectionList* document, THtmlForm* form, int pos,
                                                  const TAttributeList& attributes) {
  using Button = TButtonFormControlObj;
  const std::string type = cp1251::LowerCase(Trim(attributes.Text(Attr::TYPE)));
  if (type == "submit") return std::make_unique<Button>(document, form, pos, attributes, Button::Kind::Submit);
  if (type == "reset") return std::make_unique<Button>(document, form, pos, attributes, Button::Kind::Reset);
  if (type == "button") return std::make_unique<Button>(document, form, pos, attributes, Button::Kind::Button);
  if (type == "radio") return std::make_unique<TRadioButtonFormControlObj>(document, form, pos, attributes);
  if (type == "checkbox") return std::make_unique<TCheckBoxFormControlObj>(document, form, pos, attributes);
  if (type == "hidden") return std::make_unique<THiddenFormControlObj>(document, form, -1, attributes);
  if (type == "image") return std::make_unique<TImageFormControlObj>(document, form, pos, attributes);
  return std::make_unique<TEditFormControlObj>(document, form, pos, attributes);
}

}  // namespace

TFormControlObj* TSection::AddFormControl(Sy which, THtmlForm* form, const TAttributeList& attributes,
                                          bool noBreak, int index) {
  const int pos = static_cast<int>(Buff.size());
  std::unique_ptr<TFormControlObj> made;
  if (which == Sy::Select) {
    const TAttribute* size = attributes.Find(Attr::SIZE);
    if (attributes.Has(Attr::MULTIPLE) || (size && size->Value > 1))
      made = std::make_unique<TListBoxFormControlObj>(Document, form, pos, attributes);
    else
      made = std::make_unique<TComboFormControlObj>(Document, form, pos, attributes);
  } else if (which == Sy::TextArea) {
    made = std::make_unique<TTextAreaFormControlObj>(Document, form, pos, attributes);
  } else {
    made = MakeInputControl(Document, form, pos, attributes);
  }
  TFormControlObj* control = form->AddControl(std::move(made));
  Document->FormControlList.push_back(control);
  if (auto* imageControl = dynamic_cast<TImageFormControlObj*>(control)) {
    imageControl->MyImage = AddImage(attributes, noBreak, index);
    imageControl->MyImage->MyFormControl = imageControl;
  } else if (control->HasCodeCharacter()) {
    AppendCode(noBreak ? kNoBreakFormControlCode : kFormControlCode, index);
    onlyFloatingImages_ = false;
    FormControls.push_back(control);
  }
  return control;
}

THorzAlign TSection::FinishLine(int index) {
  if (Buff.empty()) {
    TokenObj space;
    space.AddChar(' ', index);
    AppendToken(space);
  }
  return AlignmentValue;
}

void TSection::Close() {
  if (Closed) return;
  Closed = true;
  Len = static_cast<int>(Buff.size());
  // Runs opened after the last character style nothing.
  while (Fonts.size() > 1 && Fonts.back()->Pos >= Len) {
    Unregister(*Fonts.back());
    Fonts.pop_back();
  }
  for (int pos = 0; pos < Len; ++pos) {
    const int width = SLengths[pos];
    if (pos == 0 || width != SIndexList.back().Width || SIndices[pos] != SIndices[pos - 1] + width)
      SIndexList.push_back({pos, SIndices[pos], width});
  }
  SIndices = {};
  SLengths = {};
  Buff.shrink_to_fit();
}

std::vector<int> TSection::SourceIndices() const {
  if (!Closed) return SIndices;
  std::vector<int> indices(Len);
  for (size_t run = 0; run < SIndexList.size(); ++run) {
    const int end = run + 1 < SIndexList.size() ? SIndexList[run + 1].Pos : Len;
    for (int pos = SIndexList[run].Pos; pos < end; ++pos)
      indices[pos] = SIndexList[run].Index + (pos - SIndexList[run].Pos) * SIndexList[run].Width;
  }
  return indices;
}

const IndexObj* TSection::RunAt(int curs) const {
  const int pos = curs - StartCurs;
  if (pos < 0 || pos >= Len || SIndexList.empty()) return nullptr;
  auto run = std::upper_bound(SIndexList.begin(), SIndexList.end(), pos,
                              [](int p, const IndexObj& r) { return p < r.Pos; });
  return &*--run;
}

int TSection::SourcePosOf(int curs) {
  const IndexObj* run = RunAt(curs);
  return run ? run->Index + (curs - StartCurs - run->Pos) * run->Width : -1;
}

int TSection::SourceLengthOf(int curs) const {
  const IndexObj* run = RunAt(curs);
  return run ? run->Width : -1;
}

int TSection::DocPosOf(int sourceIndex, bool prev) {
  const int runs = static_cast<int>(SIndexList.size());
  auto runLength = [&](int run) { return (run + 1 < runs ? SIndexList[run + 1].Pos : Len) - SIndexList[run].Pos; };
  auto runBytes = [&](int run) { return runLength(run) * SIndexList[run].Width; };
  // The character of run `r` that holds (or comes nearest) the byte `sourceIndex`.
  auto charOf = [&](const IndexObj& r) { return r.Width ? (sourceIndex - r.Index) / r.Width : 0; };
  // Runs follow the source: a section wholly before (or after) the index is
  // passed over without looking at each run.
  if (runs == 0 || (!prev && sourceIndex >= SIndexList.back().Index + runBytes(runs - 1)) ||
      (prev && sourceIndex < SIndexList.front().Index))
    return -1;
  if (prev) {
    for (int run = runs - 1; run >= 0; --run) {
      const IndexObj& r = SIndexList[run];
      if (sourceIndex >= r.Index) return StartCurs + r.Pos + std::min(runLength(run) - 1, charOf(r));
    }
  } else {
    for (int run = 0; run < runs; ++run) {
      const IndexObj& r = SIndexList[run];
      if (sourceIndex < r.Index + runBytes(run)) return StartCurs + r.Pos + std::max(0, charOf(r));
    }
  }
  return -1;
}

void TSection::NumberCursorPositions(int& curs) {
  StartCurs = curs;
  curs += Len;
}

void TSection::FontsChanged() {
  auto apply = [this](TMyFont& font) {
    if (!font.OwnFace) font.Spec.Name = font.FixedPitch ? Document->PreFontName : Document->FontName;
    font.Spec.Charset = Document->CharSet;
    font.SetNominalSize(font.NominalSize, Document->FontSize);
  };
  for (auto& run : Fonts) apply(run->TheFont);
  if (StartFont) apply(*StartFont);
  TSectionBase::FontsChanged();
}

TUListItem::TUListItem(TSectionList* document, const TFontState& font, int listLevel, THorzAlign align, bool plain,
                       int listIndentStep)
    : TSection(document, font, listLevel, align, listIndentStep), Plain(plain) {
  ListType = TListKind::Unordered;
  StartFont = std::make_unique<TMyFont>(Fonts.front()->TheFont);
}

TDListItem::TDListItem(TSectionList* document, const TFontState& font, int listLevel, THorzAlign align)
    : TUListItem(document, font, listLevel, align, true) {
  ListType = TListKind::Definition;
}

TOListItem::TOListItem(TSectionList* document, const TFontState& font, int listLevel, THorzAlign align, int number,
                       char style)
    : TUListItem(document, font, listLevel, align, false), ListNumb(number), ListStyle(style) {
  ListType = TListKind::Ordered;
}

std::string TOListItem::MarkerText() const { return ListMarker(ListNumb, ListStyle); }

std::string ListMarker(int number, char style) {
  static constexpr const char* kRoman[] = {"I",   "II",   "III",  "IV",  "V",  "VI",  "VII",
                                           "VIII", "IX",  "X",    "XI",  "XII", "XIII", "XIV",
                                           "XV",  "XVI",  "XVII", "XVIII", "XIX", "XX"};
  std::string marker;
  switch (style) {
    case 'A':
    case 'a':
      marker = static_cast<char>(style + std::clamp(number - 1, 0, 25));
      break;
    case 'I':
    case 'i':
      marker = kRoman[std::clamp(number, 1, 20) - 1];
      if (style == 'i') marker = cp1251::LowerCase(marker);
      break;
    default:
      marker = std::to_string(number);
      break;
  }
  return marker + ".";
}

}  // namespace tessaly::preview
