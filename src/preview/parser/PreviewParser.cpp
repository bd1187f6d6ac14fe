#include "preview/parser/PreviewParser.h"

#include <algorithm>

#include "platform/CodePage1251.h"
#include "platform/Utf8.h"
#include "preview/document/Spaces.h"
#include "preview/document/Table.h"

namespace tessaly::preview {

namespace {

constexpr int kHeadingSizes[] = {24, 18, 14, 12, 10, 8};

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
  CurrentAlign = THorzAlign::Left;
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
    R.Start(text, false, Encoding);
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
    R.Start(text, true, Encoding);
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

void TPreviewParser::NewSection(THorzAlign align, TClear clear) {
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
    case Sy::Style: ReadRawBody("</style>"); Next(); break;  // style sheets are not applied
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
  if (Section || R.Token.S != U" ") {
    EnsureSection();
    Section->AddToken(R.Token, R.NoBreak);
  }
  ParaSpacePending = false;
  Next();
}

void TPreviewParser::DoTitle() {
  Next();
  while (R.Sym == Sy::Text) {
    title_ += ToUtf8(R.Token.S);
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
  const THorzAlign align = AlignOf(Attrs().Text(Attr::ALIGN)).value_or(CurrentAlign);
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
  THorzAlign align = AlignOf(Attrs().Text(Attr::ALIGN)).value_or(CurrentAlign);
  R.SkipWhite();
  Next();
  while (R.Sym == Sy::P || R.Sym == Sy::PEnd) {
    align = AlignOf(Attrs().Text(Attr::ALIGN)).value_or(CurrentAlign);
    R.SkipWhite();
    Next();
  }
  NewSection(align);
  ParaSpacePending = true;
}

void TPreviewParser::DoBreak() {
  ParaSpacePending = false;
  TClear clear = TClear::None;
  if (const TAttribute* attribute = Attrs().Find(Attr::CLEAR)) {
    clear = cp1251::SameText(attribute->Text, "left")    ? TClear::Left
            : cp1251::SameText(attribute->Text, "right") ? TClear::Right
                                                         : TClear::Both;
  }
  EnsureSection();
  const THorzAlign align = Section->FinishLine(R.SymbolIndex);
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

}  // namespace tessaly::preview
