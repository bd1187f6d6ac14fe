#include "preview/PreviewParser.h"

#include <algorithm>

#include "platform/CodePage1251.h"
#include "preview/Section.h"
#include "preview/Spaces.h"
#include "preview/Table.h"

namespace tessaly::preview {

namespace {

constexpr int kHeadingSizes[] = {24, 18, 14, 12, 10, 8};
constexpr int kLooseItemIndentStep = 15;
constexpr int kMaxItemNumber = 1000000000;

bool IsInlineSymbol(Sy sym) {
  switch (sym) {
    case Sy::Text: case Sy::OtherTag: case Sy::OtherChar:
    case Sy::B: case Sy::BEnd: case Sy::I: case Sy::IEnd: case Sy::U: case Sy::UEnd: case Sy::S: case Sy::SEnd:
    case Sy::TT: case Sy::TTEnd: case Sy::A: case Sy::AEnd: case Sy::Font: case Sy::FontEnd: case Sy::BaseFont:
    case Sy::Sub: case Sy::SubEnd: case Sy::Sup: case Sy::SupEnd: case Sy::Big: case Sy::BigEnd:
    case Sy::Small: case Sy::SmallEnd: case Sy::Img: case Sy::Input: case Sy::Select: case Sy::TextArea:
    case Sy::NoBr: case Sy::NoBrEnd: case Sy::Wbr:
      return true;
    default:
      return false;
  }
}

// The character set a META content-type names, or -1.
int CharsetOfContentType(const std::string& content) {
  struct Key {
    const char* Text;
    int Charset;
  };
  static constexpr Key kKeys[] = {
      {"1252", 0},     {"8859-1", 0},   {"1253", 161},   {"8859-7", 161}, {"1250", 238},
      {"8859-2", 238}, {"1251", 204},   {"8859-5", 204}, {"koi8-r", 204}, {"1254", 162},
      {"8859-3", 162}, {"8859-9", 162}, {"1257", 186},   {"8859-4", 186},
  };
  const std::string lower = cp1251::LowerCase(content);
  for (const Key& key : kKeys)
    if (lower.find(key.Text) != std::string::npos) return key.Charset;
  return -1;
}

}  // namespace

TPreviewParser::SymSet TPreviewParser::Set(std::initializer_list<Sy> symbols) {
  SymSet set;
  for (Sy sym : symbols) set.set(static_cast<size_t>(sym));
  return set;
}

// ---- Entry points ----------------------------------------------------------

void TPreviewParser::Begin(TSectionList& list, TNameList* names) {
  Doc = &list;
  Doc->Parser = this;
  Names = names;
  BaseFontSize = 3;
  CurrentAlign = 1;
  StyleBits = 0;
  SubSup = 0;
  ParaSpacePending = false;
  InPre = false;
  CurrentUrl = {};
  InLink = LinkPushedFont = false;
  CurrentForm = nullptr;
  CurrentCell = Doc;
  InsertPoint = nullptr;
  Section.reset();
  ListLevel = Depth = 0;
  title_.clear();
  base_.clear();
  baseTarget_.clear();
  TMyFont base;
  base.Spec.Name = Doc->FontName;
  base.Spec.Charset = Doc->CharSet;
  base.Spec.Color = Doc->FontColor;
  base.SetNominalSize(12, Doc->FontSize);
  FontStack.assign(1, base);
}

void TPreviewParser::End() {
  // Whatever was being built stays in the document.
  SectionDone();
  Doc->NumberCursorPositions();
  FontStack.clear();
  R.Include = nullptr;
  Meta = nullptr;
  Sound = nullptr;
}

void TPreviewParser::ParseHtmlDocument(std::string_view text, TSectionList& list, TNameList* names,
                                       TMetaHandler meta, TSoundHandler sound, TIncludeHandler include) {
  Begin(list, names);
  Meta = std::move(meta);
  Sound = std::move(sound);
  R.Include = std::move(include);
  try {
    R.Start(text, false);
    Next();
    DoBody({});
  } catch (...) {
    // A page always shows what was built up to the failure.
  }
  End();
}

void TPreviewParser::ParsePlainText(std::string_view text, TSectionList& list, TNameList* names) {
  Begin(list, names);
  try {
    R.Start(text, true);
    DoPlainText();
  } catch (const EParseError&) {
    // Only the parse error is absorbed here; other failures reach the viewer.
  }
  End();
}

// ---- Fonts and sections ----------------------------------------------------

TFontState TPreviewParser::FontState() const {
  return {&FontStack.back(), StyleBits, InLink ? &CurrentUrl : nullptr, SubSup};
}

bool TPreviewParser::PushFont() {
  if (static_cast<int>(FontStack.size()) >= kMaxFontStack) return false;
  FontStack.push_back(FontStack.back());
  return true;
}

void TPreviewParser::PopFont() {
  if (FontStack.size() > 1) FontStack.pop_back();
  FontChanged();
}

void TPreviewParser::FontChanged() {
  if (Section) Section->ChangeFont(FontState());
}

void TPreviewParser::SetFixedPitch(TMyFont& font) const {
  font.Spec.Name = Doc->PreFontName;
  font.OwnFace = false;
  font.FixedPitch = true;
  font.SetNominalSize(10, Doc->FontSize);
}

void TPreviewParser::SectionDone() {
  if (Section) CurrentCell->Add(std::move(Section), InsertPoint);
}

void TPreviewParser::NewSection(int align, int clear) {
  SectionDone();
  Section = std::make_unique<TSection>(Doc, FontState(), ListLevel, align);
  Section->ClearValue = clear;
}

void TPreviewParser::EnsureSection() {
  if (!Section) NewSection(CurrentAlign);
}

void TPreviewParser::AddBlock(std::unique_ptr<TSectionBase> block) {
  SectionDone();
  CurrentCell->Add(std::move(block), InsertPoint);
}

bool TPreviewParser::DocumentEmpty() const {
  return CurrentCell == Doc && Doc->empty() && (!Section || Section->Buff.empty());
}

THtmlForm* TPreviewParser::Form() {
  // A control outside any form gets a form of its own, which later controls share.
  if (!CurrentForm) CurrentForm = Doc->AddForm(TAttributeList());
  return CurrentForm;
}

// ---- The body --------------------------------------------------------------

void TPreviewParser::DoBody(const SymSet& term) {
  while (R.Sym != Sy::Eof && !term[static_cast<size_t>(R.Sym)]) DoSymbol(term);
}

void TPreviewParser::DoSymbol(const SymSet& term) {
  const Sy sym = R.Sym;
  if (ApplyInline(sym)) {
    Next();
    return;
  }
  switch (sym) {
    case Sy::Text: DoText(); break;
    case Sy::Title: DoTitle(); break;
    case Sy::Body: DoBodyTag(); break;
    case Sy::Heading: DoHeading(); break;
    case Sy::HeadingEnd:
      SectionDone();
      AddBlock(std::make_unique<THeadingSpace>(Doc, R.HeadingLevel));
      PopFont();
      Next();
      break;
    case Sy::TT:
      if (PushFont()) SetFixedPitch(FontStack.back());
      FontChanged();
      Next();
      break;
    case Sy::TTEnd: case Sy::BigEnd: case Sy::SmallEnd:
      PopFont();
      Next();
      break;
    case Sy::Big: case Sy::Small:
      if (PushFont()) {
        TMyFont& font = FontStack.back();
        const int size = sym == Sy::Big ? NextLargerSize(font.NominalSize) : NextSmallerSize(font.NominalSize);
        font.SetNominalSize(size, Doc->FontSize);
      }
      FontChanged();
      Next();
      break;
    case Sy::OL: case Sy::UL: case Sy::Dir: case Sy::Menu: case Sy::DL: case Sy::BlockQuote:
      DoLists(sym, term);
      break;
    case Sy::LI: DoLooseListItem(term); break;
    case Sy::Address:
      SectionDone();
      if (PushFont()) FontStack.back().Spec.Style |= fsItalic;
      NewSection(CurrentAlign);
      Next();
      break;
    case Sy::AddressEnd:
      SectionDone();
      PopFont();
      Next();
      break;
    case Sy::Pre:
      if (!DoPre()) Next();
      break;
    case Sy::Center: case Sy::Div: DoCenterDiv(term); break;
    case Sy::Table: DoTable(); break;
    case Sy::Select: DoSelect(); Next(); break;
    case Sy::TextArea: DoTextArea(); Next(); break;
    case Sy::Map:
      if (!DoMap()) Next();
      break;
    case Sy::Script: DoScript(); Next(); break;
    case Sy::P: case Sy::PEnd: DoParagraph(); break;
    case Sy::BR: DoBreak(); break;
    case Sy::HR:
      ParaSpacePending = false;
      AddBlock(std::make_unique<THorzLine>(Doc, Attrs()));
      Next();
      break;
    case Sy::Base:
      if (Attrs().Has(Attr::HREF)) base_ = Trim(Attrs().Text(Attr::HREF));
      if (Attrs().Has(Attr::TARGET)) baseTarget_ = Attrs().Text(Attr::TARGET);
      Next();
      break;
    case Sy::BgSound: {
      const TAttribute* loop = Attrs().Find(Attr::LOOP);
      if (Sound) Sound(Trim(Attrs().Text(Attr::SRC)), loop ? loop->Value : 1, false);
      Next();
      break;
    }
    case Sy::Meta: DoMeta(); Next(); break;
    case Sy::NoBr: case Sy::NoBrEnd:
      R.NoBreak = sym == Sy::NoBr;
      Next();
      break;
    case Sy::Wbr:
      if (R.NoBreak) {
        EnsureSection();
        Section->AddChar(' ', R.SymbolIndex);
      }
      Next();
      break;
    default:  // unknown tags, stray characters, ends without a start
      Next();
      break;
  }
}

bool TPreviewParser::ApplyInline(Sy sym) {
  switch (sym) {
    case Sy::B: case Sy::BEnd: case Sy::I: case Sy::IEnd: case Sy::U: case Sy::UEnd: case Sy::S: case Sy::SEnd:
    case Sy::Sub: case Sy::SubEnd: case Sy::Sup: case Sy::SupEnd:
      ApplyStyle(sym);
      return true;
    case Sy::A: ApplyAnchor(); return true;
    case Sy::AEnd: CloseLink(); return true;
    case Sy::Font: ApplyFont(); return true;
    case Sy::FontEnd: PopFont(); return true;
    case Sy::BaseFont: ApplyBaseFont(); return true;
    case Sy::Img: ApplyImage(); return true;
    case Sy::Input: ApplyInput(); return true;
    case Sy::Form: case Sy::FormEnd: ApplyForm(sym == Sy::Form); return true;
    default: return false;
  }
}

void TPreviewParser::DoText() {
  // A lone space would be dropped from a fresh section anyway; an empty
  // section shows nothing, so none is started for it (blank lines between tags).
  if (Section || R.Token.S != " ") {
    EnsureSection();
    Section->AddToken(R.Token, R.NoBreak);
  }
  ParaSpacePending = false;
  Next();
}

void TPreviewParser::DoTitle() {
  Next();
  while (R.Sym == Sy::Text) {
    title_ += R.Token.S;
    Next();
  }
  if (R.Sym == Sy::TitleEnd) Next();
}

void TPreviewParser::DoBodyTag() {
  if (DocumentEmpty()) {
    for (const auto& attribute : Attrs().Items()) {
      const std::optional<TColor> color = ColorFromString(attribute.Text);
      switch (attribute.Which) {
        case Attr::TEXT:
          if (color) Doc->FontColor = FontStack.front().Spec.Color = *color;
          break;
        case Attr::LINK:
          if (color) Doc->HotSpotColor = *color;
          break;
        case Attr::BGCOLOR:
          if (color) Doc->SetBackground(*color);
          break;
        case Attr::BACKGROUND: Doc->SetBackgroundImageName(Trim(attribute.Text)); break;
        case Attr::VLINK:
          if (color) Doc->LinkVisitedColor = *color;
          break;
        case Attr::OLINK:
          if (color) {
            Doc->LinkActiveColor = *color;
            Doc->LinksActive = true;
          }
          break;
        case Attr::MARGINWIDTH: Doc->MarginWidth = std::clamp(attribute.Value, 0, 200); break;
        case Attr::MARGINHEIGHT: Doc->MarginHeight = std::clamp(attribute.Value, 0, 200); break;
        default: break;
      }
    }
    NewSection(CurrentAlign);
  }
  Next();
}

void TPreviewParser::ApplyStyle(Sy sym) {
  switch (sym) {
    case Sy::B: StyleBits |= fsBold; break;
    case Sy::BEnd: StyleBits &= ~fsBold; break;
    case Sy::I: StyleBits |= fsItalic; break;
    case Sy::IEnd: StyleBits &= ~fsItalic; break;
    case Sy::U: StyleBits |= fsUnderline; break;
    case Sy::UEnd: StyleBits &= ~fsUnderline; break;
    case Sy::S: StyleBits |= fsStrikeOut; break;
    case Sy::SEnd: StyleBits &= ~fsStrikeOut; break;
    case Sy::Sub: SubSup = 1; break;
    case Sy::Sup: SubSup = 2; break;
    default: SubSup = 0; break;  // SUB and SUP ends
  }
  FontChanged();
}

void TPreviewParser::DoHeading() {
  const int level = R.HeadingLevel;
  const int align = AlignOf(Attrs().Text(Attr::ALIGN), CurrentAlign);
  if (static_cast<int>(FontStack.size()) >= kMaxFontStack) {  // no room for its font: no heading
    Next();
    return;
  }
  SectionDone();
  PushFont();
  TMyFont& font = FontStack.back();
  if (level >= 1) {
    font.SetNominalSize(kHeadingSizes[level - 1], Doc->FontSize);
    font.Spec.Style |= fsBold;
  } else {
    font.SetNominalSize(12, Doc->FontSize);
  }
  AddBlock(std::make_unique<THeadingSpace>(Doc, level));
  ParaSpacePending = false;
  NewSection(align);
  Next();
}

void TPreviewParser::DoParagraph() {
  SectionDone();
  if (!ParaSpacePending) AddBlock(std::make_unique<TParagraphSpace>(Doc));
  int align = AlignOf(Attrs().Text(Attr::ALIGN), CurrentAlign);
  R.SkipWhite();
  Next();
  while (R.Sym == Sy::P || R.Sym == Sy::PEnd) {
    align = AlignOf(Attrs().Text(Attr::ALIGN), CurrentAlign);
    R.SkipWhite();
    Next();
  }
  NewSection(align);
  ParaSpacePending = true;
}

void TPreviewParser::DoBreak() {
  ParaSpacePending = false;
  int clear = 0;
  if (const TAttribute* attribute = Attrs().Find(Attr::CLEAR)) {
    clear = cp1251::SameText(attribute->Text, "left") ? 1 : cp1251::SameText(attribute->Text, "right") ? 2 : 3;
  }
  EnsureSection();
  const int align = Section->FinishLine(R.SymbolIndex);
  NewSection(align, clear);
  Next();
}

// ---- Links, fonts, objects -------------------------------------------------

void TPreviewParser::CloseLink() {
  if (!InLink) return;
  InLink = false;
  if (LinkPushedFont) PopFont();
  else FontChanged();
  LinkPushedFont = false;
}

void TPreviewParser::ApplyAnchor() {
  if (const TAttribute* href = Attrs().Find(Attr::HREF)) {
    CloseLink();
    CurrentUrl = {Trim(href->Text), Attrs().Text(Attr::TARGET)};
    InLink = true;
    LinkPushedFont = PushFont();
    if (LinkPushedFont) {
      FontStack.back().Spec.Color = Doc->HotSpotColor;
      FontStack.back().Spec.Style |= Doc->UnLine;
    }
    FontChanged();
  }
  if (const TAttribute* name = Attrs().Find(Attr::NAME); name && Names) {
    std::string anchor = Trim(cp1251::UpperCase(name->Text));
    if (!anchor.empty() && anchor[0] == '#') anchor.erase(0, 1);
    EnsureSection();
    Names->push_back({anchor, Section.get()});
  }
}

int TPreviewParser::SizeStep(const TAttribute& size) const {
  // "+n" and "-n" count from the base step; the clamp first keeps the sum in range.
  const bool relative = size.Text.size() > 1 && (size.Text[0] == '+' || size.Text[0] == '-');
  const int value = std::clamp(size.Value, -100, 100);
  return std::clamp(relative ? BaseFontSize + value : value, 1, 7);
}

void TPreviewParser::ApplyFont() {
  if (!PushFont()) return;
  TMyFont& font = FontStack.back();
  if (auto color = Attrs().Color(Attr::COLOR)) font.Spec.Color = *color;
  if (const TAttribute* size = Attrs().Find(Attr::SIZE)) {
    font.SetNominalSize(NominalSizeOfStep(SizeStep(*size), InPre), Doc->FontSize);
  }
  if (Attrs().Has(Attr::FACE)) {
    std::string face = Attrs().Text(Attr::FACE).substr(0, 50);
    face = Trim(face.substr(0, face.find(',')));
    if (!face.empty()) {
      font.Spec.Name = face;
      font.OwnFace = true;
    }
  }
  FontChanged();
}

void TPreviewParser::ApplyBaseFont() {
  const TAttribute* size = Attrs().Find(Attr::SIZE);
  if (!size) return;
  BaseFontSize = SizeStep(*size);
  if (DocumentEmpty() && PushFont()) {
    FontStack.back().SetNominalSize(NominalSizeOfStep(BaseFontSize, InPre), Doc->FontSize);
    FontChanged();
  }
}

void TPreviewParser::ApplyImage() {
  EnsureSection();
  Section->AddImage(Attrs(), R.NoBreak, R.SymbolIndex);
  ParaSpacePending = false;
}

void TPreviewParser::ApplyInput() {
  EnsureSection();
  Section->AddFormControl(Sy::Input, Form(), Attrs(), R.NoBreak, R.SymbolIndex);
  ParaSpacePending = false;
}

void TPreviewParser::ApplyForm(bool start) { CurrentForm = start ? Doc->AddForm(Attrs()) : nullptr; }

void TPreviewParser::DoMeta() {
  const std::string httpEquiv = Attrs().Text(Attr::HTTP_EQUIV);
  const std::string content = Attrs().Text(Attr::CONTENT);
  if (cp1251::SameText(httpEquiv, "content-type")) {
    if (const int charset = CharsetOfContentType(content); charset >= 0) {
      FontStack.front().Spec.Charset = charset;
      if (FontStack.size() == 1) FontChanged();
    }
  }
  if (Meta) Meta(httpEquiv, Attrs().Text(Attr::NAME), content);
}

// ---- Lists and blocks ------------------------------------------------------

void TPreviewParser::DoLists(Sy start, const SymSet& term) {
  if (Depth >= kMaxNesting) {
    Next();
    return;
  }
  SectionDone();
  int number = 1;
  char style = '1';
  bool plain = false;
  if (start == Sy::OL) {
    if (const TAttribute* first = Attrs().Find(Attr::START); first && first->Value >= 0) number = first->Value;
    if (const std::string type = Attrs().Text(Attr::TYPE); !type.empty()) style = type[0];
  } else if (start == Sy::UL) {
    plain = Attrs().Has(Attr::PLAIN);
  }
  const SymSet listEnd =
      Set({Sy::OLEnd, Sy::ULEnd, Sy::DirEnd, Sy::MenuEnd, Sy::DLEnd, Sy::BlockQuoteEnd});
  const SymSet inner = term | listEnd;
  ++ListLevel;
  ++Depth;
  Next();
  while (R.Sym != Sy::Eof && !inner[static_cast<size_t>(R.Sym)]) {
    switch (R.Sym) {
      case Sy::LI:
        SectionDone();
        if (start == Sy::OL) {
          Section = std::make_unique<TOListItem>(Doc, FontState(), ListLevel, CurrentAlign, number, style);
          if (number < kMaxItemNumber) ++number;
        } else {
          Section = std::make_unique<TUListItem>(Doc, FontState(), ListLevel, CurrentAlign, plain);
        }
        R.SkipWhite();
        Next();
        if (R.Sym == Sy::P) {
          R.SkipWhite();
          Next();
        }
        break;
      case Sy::DD: case Sy::DT:
        SectionDone();
        Section = std::make_unique<TDListItem>(Doc, FontState(), R.Sym == Sy::DT ? ListLevel - 1 : ListLevel,
                                               CurrentAlign);
        R.SkipWhite();
        Next();
        break;
      case Sy::Table:
        EnsureSection();
        Section->FinishLine(R.SymbolIndex);
        DoTable();
        break;
      default:
        DoSymbol(inner);
        break;
    }
  }
  if (listEnd[static_cast<size_t>(R.Sym)]) Next();
  SectionDone();
  --ListLevel;
  --Depth;
}

void TPreviewParser::DoLooseListItem(const SymSet& term) {
  SectionDone();
  Section = std::make_unique<TUListItem>(Doc, FontState(), 1, CurrentAlign, false, kLooseItemIndentStep);
  R.SkipWhite();
  Next();
  while (IsInlineSymbol(R.Sym)) DoSymbol(term);
  SectionDone();
}

void TPreviewParser::DoCenterDiv(const SymSet& term) {
  if (Depth >= kMaxNesting) {
    Next();
    return;
  }
  const int oldAlign = CurrentAlign;
  CurrentAlign = R.Sym == Sy::Center ? 2 : AlignOf(Attrs().Text(Attr::ALIGN), CurrentAlign);
  NewSection(CurrentAlign);
  ++Depth;
  Next();
  DoBody(term | Set({Sy::CenterEnd, Sy::DivEnd}));
  if (R.Sym == Sy::CenterEnd || R.Sym == Sy::DivEnd) Next();
  --Depth;
  CurrentAlign = oldAlign;
  NewSection(CurrentAlign);
}

void TPreviewParser::DoTable() {
  if (Depth >= kMaxNesting) {
    Next();
    return;
  }
  CloseLink();
  SectionDone();
  ParaSpacePending = false;
  TCell* const enclosing = CurrentCell;
  const TSectionBase* const oldInsertPoint = InsertPoint;
  auto made = std::make_unique<THtmlTable>(Doc, Attrs(), CurrentAlign, enclosing, enclosing == Doc);
  THtmlTable* const table = made.get();
  enclosing->Add(std::move(made), InsertPoint);

  const TFontStyles oldStyle = StyleBits;
  const bool oldNoBreak = R.NoBreak;
  const int oldAlign = CurrentAlign, oldListLevel = ListLevel;
  const size_t oldDepth = FontStack.size();
  ++Depth;

  // Between cells, text goes into the enclosing cell ahead of the table.
  auto outsideCells = [&] {
    SectionDone();
    CurrentCell = enclosing;
    InsertPoint = table;
    CurrentAlign = oldAlign;
    ListLevel = oldListLevel;
  };
  auto enterCell = [&](TCell* cell, int align) {
    CurrentCell = cell;
    InsertPoint = nullptr;
    CurrentAlign = align;
    ListLevel = 0;
  };
  TCellList* row = nullptr;
  auto openRow = [&](const TAttributeList& attributes) {
    table->Rows.push_back(std::make_unique<TCellList>(attributes));
    row = table->Rows.back().get();
  };
  const SymSet tableSymbols = Set({Sy::TR, Sy::TREnd, Sy::TD, Sy::TDEnd, Sy::TH, Sy::THEnd, Sy::TableEnd,
                                   Sy::Caption, Sy::CaptionEnd});
  outsideCells();
  Next();
  bool done = false;
  while (!done) {
    switch (R.Sym) {
      case Sy::TR:
        outsideCells();
        openRow(Attrs());
        Next();
        break;
      case Sy::TD: case Sy::TH: {
        outsideCells();
        if (!row) openRow(TAttributeList());
        row->push_back(std::make_unique<TCellObj>(Doc, Attrs(), row->RowVAlign));
        const bool header = R.Sym == Sy::TH;
        const int align = AlignOf(Attrs().Text(Attr::ALIGN), row->RowAlign ? row->RowAlign : header ? 2 : 1);
        StyleBits = header ? StyleBits | fsBold : StyleBits & ~fsBold;
        R.NoBreak = oldNoBreak || (Attrs().Has(Attr::NOWRAP) && !Attrs().Has(Attr::WIDTH));
        enterCell(row->back()->Cell.get(), align);
        Next();
        DoBody(tableSymbols);
        break;
      }
      case Sy::TDEnd: case Sy::THEnd:
        outsideCells();
        Next();
        break;
      case Sy::TREnd:
        outsideCells();
        row = nullptr;
        Next();
        break;
      case Sy::Caption: {
        outsideCells();
        // A second caption adds to the first rather than replacing what may be referenced.
        if (!table->Caption) {
          table->Caption = std::make_unique<TCellObj>(Doc, TAttributeList(), 1);
          table->TopCaption = !cp1251::SameText(Attrs().Text(Attr::ALIGN), "bottom");
        }
        enterCell(table->Caption->Cell.get(), 2);
        Next();
        DoBody(tableSymbols);
        if (R.Sym == Sy::CaptionEnd) Next();
        outsideCells();
        break;
      }
      case Sy::CaptionEnd:
        Next();
        break;
      case Sy::TableEnd:
        Next();
        done = true;
        break;
      case Sy::Eof:
        done = true;
        break;
      default:
        DoBody(tableSymbols);
        break;
    }
  }
  outsideCells();
  InsertPoint = oldInsertPoint;
  StyleBits = oldStyle;
  R.NoBreak = oldNoBreak;
  if (FontStack.size() > oldDepth) FontStack.resize(oldDepth);
  --Depth;
}

// ---- Preformatted text -----------------------------------------------------

bool TPreviewParser::DoPre() {
  SectionDone();
  const size_t oldDepth = FontStack.size();
  if (PushFont()) SetFixedPitch(FontStack.back());
  InPre = true;
  auto newLine = [this] {
    SectionDone();
    Section = std::make_unique<TPreFormated>(Doc, FontState(), ListLevel, CurrentAlign);
  };
  TokenObj pending;
  auto flush = [&] {
    Section->AddToken(pending, false);
    pending.Clear();
  };
  newLine();
  bool handBack = false;
  for (bool done = false; !done;) {
    if (pending.Leng() > 200) flush();
    const int ch = R.Ch;
    if (ch == kEndOfInput) {
      Next();
      handBack = done = true;
    } else if (ch == '\r') {
      flush();
      newLine();
      R.GetCh();
    } else if (ch == '&') {
      R.ReadEntity(pending);
    } else if (ch == '<') {
      Next();
      const Sy sym = R.Sym;
      if (sym == Sy::Text) {
        pending.AddString(R.Token);
        continue;
      }
      flush();
      switch (sym) {
        case Sy::P: case Sy::PEnd: case Sy::BR:
          newLine();
          if (R.Ch == '\r') R.GetCh();
          break;
        case Sy::Select: DoSelect(); break;
        case Sy::TextArea: DoTextArea(); break;
        case Sy::Script: DoScript(); break;
        case Sy::Map:
          DoMap();  // a symbol it stops at is dropped here
          break;
        case Sy::PreEnd: done = true; break;
        case Sy::TDEnd: case Sy::THEnd: handBack = done = true; break;
        default:
          ApplyInline(sym);  // other tags are dropped
          break;
      }
    } else {
      if (ch >= ' ') pending.AddChar(static_cast<char>(ch), R.SourceIndex);
      R.GetCh();
    }
  }
  flush();
  SectionDone();
  InPre = false;
  if (FontStack.size() > oldDepth) FontStack.resize(oldDepth);
  return handBack;
}

void TPreviewParser::DoPlainText() {
  if (PushFont()) SetFixedPitch(FontStack.back());
  TokenObj pending;
  auto flush = [&] {
    Section->AddToken(pending, false);
    pending.Clear();
  };
  Section = std::make_unique<TPreFormated>(Doc, FontState(), 0, 1);
  for (;;) {
    if (pending.Leng() > 200) flush();
    if (R.Ch == kEndOfInput) break;
    if (R.Ch == '\r') {
      flush();
      SectionDone();
      Section = std::make_unique<TPreFormated>(Doc, FontState(), 0, 1);
    } else if (R.Ch >= ' ') {
      pending.AddChar(static_cast<char>(R.Ch), R.SourceIndex);
    }
    R.GetCh();
  }
  flush();
}

// ---- Form controls, maps, scripts ------------------------------------------

void TPreviewParser::DoSelect() {
  ParaSpacePending = false;
  EnsureSection();
  auto* list =
      static_cast<TListBoxFormControlObj*>(Section->AddFormControl(Sy::Select, Form(), Attrs(), R.NoBreak, R.SymbolIndex));
  const bool oldNoBreak = R.NoBreak;
  R.NoBreak = false;
  TOptionObj option;
  bool inOption = false;
  std::string caption;
  auto finishOption = [&] {
    if (!inOption) return;
    inOption = false;
    option.Caption = Trim(caption);
    if (!option.Caption.empty()) list->AddOption(option);
  };
  for (;;) {
    Next();
    if (R.Sym == Sy::Option) {
      finishOption();
      inOption = true;
      option.Selected = Attrs().Has(Attr::SELECTED);
      option.HasValue = Attrs().Has(Attr::VALUE);
      option.Value = Attrs().Text(Attr::VALUE);
      caption.clear();
    } else if (R.Sym == Sy::Text) {
      if (inOption) caption = (caption + R.Token.S).substr(0, 255);
    } else if (R.Sym == Sy::OptionEnd) {
      finishOption();
    } else if (R.Sym == Sy::SelectEnd || R.Sym == Sy::Eof) {
      break;
    }
  }
  finishOption();
  list->ResetToValue();
  R.NoBreak = oldNoBreak;
}

void TPreviewParser::DoTextArea() {
  ParaSpacePending = false;
  EnsureSection();
  auto* area = static_cast<TTextAreaFormControlObj*>(
      Section->AddFormControl(Sy::TextArea, Form(), Attrs(), R.NoBreak, R.SymbolIndex));
  std::string line;
  for (;;) {
    if (R.Ch == kEndOfInput) break;
    if (R.Ch == '\r') {
      area->AddLine(line);
      line.clear();
      R.GetCh();
    } else if (R.Ch == '&') {
      TokenObj entity;
      R.ReadEntity(entity);
      line += entity.S;
    } else if (R.Ch == '<') {
      std::string run(1, '<');
      R.GetCh();
      while (R.Ch != ' ' && R.Ch != '\r' && R.Ch != '>' && R.Ch != kEndOfInput) {
        run.push_back(static_cast<char>(R.Ch));
        R.GetCh();
      }
      if (cp1251::SameText(run, "</textarea")) {
        while (R.Ch != '>' && R.Ch != kEndOfInput) R.GetCh();
        if (R.Ch == '>') R.GetCh();
        break;
      }
      line += run;
    } else {
      line.push_back(static_cast<char>(R.Ch));
      R.GetCh();
    }
  }
  if (!line.empty()) area->AddLine(line);
  area->ResetToValue();
}

bool TPreviewParser::DoMap() {
  auto map = std::make_unique<TMapItem>();
  map->MapName = cp1251::UpperCase(Trim(Attrs().Text(Attr::NAME)));
  int others = 0;
  for (;;) {
    Next();
    switch (R.Sym) {
      case Sy::Area: map->AddArea(Attrs()); break;
      case Sy::Text: break;
      case Sy::MapEnd:
        Doc->MapList.push_back(std::move(map));
        return false;
      case Sy::Eof: return true;
      default:
        if (++others == 3) return true;  // not a map after all: dropped
        break;
    }
  }
}

void TPreviewParser::DoScript() {
  static constexpr std::string_view kEnd = "</script>";
  const std::string name = Attrs().Text(Attr::NAME), language = Attrs().Text(Attr::LANGUAGE);
  std::string script;
  script.reserve(32500);
  bool ended = false;
  while (R.Ch != kEndOfInput && !ended) {
    if (R.Ch == '\r') script += "\r\n";
    else script.push_back(static_cast<char>(R.Ch));
    ended = R.Ch == '>' && script.size() >= kEnd.size() &&
            cp1251::SameText(std::string_view(script).substr(script.size() - kEnd.size()), kEnd);
    if (ended) {
      script.resize(script.size() - kEnd.size());
      R.ScriptMode = false;  // the character after the end tag is read normally
    }
    R.GetCh();
  }
  R.ScriptMode = false;
  if (Doc->ScriptEvent) Doc->ScriptEvent(name, language, script.c_str());
}

}  // namespace tessaly::preview
