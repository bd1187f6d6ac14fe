// The block builders of the preview parser: lists, aligned blocks, tables
// and preformatted text.

#include <algorithm>

#include "platform/CodePage1251.h"
#include "preview/parser/PreviewParser.h"
#include "preview/document/Table.h"

namespace tessaly::preview {

namespace {

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

}  // namespace

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
  const THorzAlign oldAlign = CurrentAlign;
  CurrentAlign = R.Sym == Sy::Center ? THorzAlign::Center : AlignOf(Attrs().Text(Attr::ALIGN)).value_or(CurrentAlign);
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
  const THorzAlign oldAlign = CurrentAlign;
  const int oldListLevel = ListLevel;
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
  auto enterCell = [&](TCell* cell, THorzAlign align) {
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
        const THorzAlign align = AlignOf(Attrs().Text(Attr::ALIGN))
                                     .value_or(row->RowAlign.value_or(header ? THorzAlign::Center : THorzAlign::Left));
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
          table->Caption = std::make_unique<TCellObj>(Doc, TAttributeList(), TVertAlign::Middle);
          table->TopCaption = !cp1251::SameText(Attrs().Text(Attr::ALIGN), "bottom");
        }
        enterCell(table->Caption->Cell.get(), THorzAlign::Center);
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
  // The line end right after the PRE tag opens no blank line.
  bool firstLine = true;
  auto newLine = [&](bool lineEnd) {
    auto* line = dynamic_cast<TPreFormated*>(Section.get());
    if (line && !(firstLine && lineEnd)) line->LineEnded = true;
    firstLine = false;
    SectionDone();
    Section = std::make_unique<TPreFormated>(Doc, FontState(), ListLevel, CurrentAlign);
  };
  TokenObj pending;
  auto flush = [&] {
    Section->AddToken(pending, false);
    pending.Clear();
  };
  Section = std::make_unique<TPreFormated>(Doc, FontState(), ListLevel, CurrentAlign);
  bool handBack = false;
  for (bool done = false; !done;) {
    if (pending.Leng() > 200) flush();
    const int ch = R.Ch;
    if (ch == kEndOfInput) {
      Next();
      handBack = done = true;
    } else if (ch == '\r') {
      flush();
      newLine(true);
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
          newLine(false);
          if (R.Ch == '\r') R.GetCh();
          break;
        case Sy::Select: DoSelect(); break;
        case Sy::TextArea: DoTextArea(); break;
        case Sy::Script: DoScript(); break;
        case Sy::Style: ReadRawBody("</style>"); break;
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
      if (ch >= ' ') R.TakeCh(pending);
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
  Section = std::make_unique<TPreFormated>(Doc, FontState(), 0, THorzAlign::Left);
  for (;;) {
    if (pending.Leng() > 200) flush();
    if (R.Ch == kEndOfInput) break;
    if (R.Ch == '\r') {
      flush();
      static_cast<TPreFormated&>(*Section).LineEnded = true;
      SectionDone();
      Section = std::make_unique<TPreFormated>(Doc, FontState(), 0, THorzAlign::Left);
    } else if (R.Ch >= ' ') {
      R.TakeCh(pending);
    }
    R.GetCh();
  }
  flush();
}

}  // namespace tessaly::preview
