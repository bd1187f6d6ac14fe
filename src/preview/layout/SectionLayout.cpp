// Breaking a section into lines for one width, and its width range.

#include <algorithm>

#include "preview/document/CanvasText.h"
#include "preview/document/Forms.h"
#include "preview/document/Images.h"
#include "preview/document/IndentManager.h"
#include "preview/document/Section.h"
#include "preview/document/SectionList.h"
#include "preview/layout/LineBreaks.h"

namespace tessaly::preview {

namespace {

// Lines may break after a space and around the breakable object codes.
bool IsBreak(char32_t c) { return c == ' ' || c == kFormControlCode || c == kImageCode; }

void PlaceFloatingImage(TImageObj& image, int y, IndentManager& indent) {
  image.DrawX = indent.PlaceFloat(image.ImageAlign == TImageAlign::Left, y, image.ImageWidth, image.HSpace,
                                  image.ImageHeight + 2 * image.VSpace);
  image.Indent = image.DrawX - indent.LfEdge;
  image.DrawY = y + image.VSpace;
}

}  // namespace

void SetControlFont(TCanvas& canvas, const TSectionList& document) {
  TMyFont font;
  font.Spec.Name = document.PreFontName;
  font.Spec.Charset = document.CharSet;
  font.SetPointSize(10);
  canvas.SetFont(font.Spec);
}

TFontObj* TSection::FontAt(int pos) const {
  TFontObj* found = Fonts.empty() ? nullptr : Fonts.front().get();
  for (const auto& run : Fonts) {
    if (run->Pos > pos) break;
    found = run.get();
  }
  return found;
}

TImageObj* TSection::ImageAtPos(int pos) const {
  for (const auto& image : Images)
    if (image->Pos == pos) return image.get();
  return nullptr;
}

TFormControlObj* TSection::ControlAtPos(int pos) const {
  for (TFormControlObj* control : FormControls)
    if (control->Pos == pos) return control;
  return nullptr;
}

int TSection::PieceEnd(int pos, int end) const {
  if (IsObjectCode(Buff[pos])) return pos + 1;
  int next = end;
  for (const auto& run : Fonts)
    if (run->Pos > pos) {
      next = std::min(next, run->Pos);
      break;
    }
  // The next picture or control, by their positions: scanning the text for
  // its code would read the rest of a long paragraph for each of its lines.
  for (const auto& image : Images)
    if (image->Pos > pos) next = std::min(next, image->Pos);
  for (const TFormControlObj* control : FormControls)
    if (control->Pos > pos) next = std::min(next, control->Pos);
  return next;
}

namespace {

int ObjectWidth(const TSection& section, int pos) {
  if (IsImageCode(section.Buff[pos])) {
    const TImageObj* image = section.ImageAtPos(pos);
    return image && !image->Floating() ? image->ImageWidth + 2 * image->HSpace : 0;
  }
  const TFormControlObj* control = section.ControlAtPos(pos);
  return control ? control->Place.Width() : 0;
}

}  // namespace

int TSection::TextWidth(TCanvas& canvas, int start, int end) const {
  int width = 0;
  for (int pos = start; pos < end;) {
    const int pieceEnd = PieceEnd(pos, end);
    if (IsObjectCode(Buff[pos])) {
      width += ObjectWidth(*this, pos);
    } else {
      canvas.SetFont(FontAt(pos)->DrawnSpec());
      width += canvas.TextExtent(CanvasText(std::u32string_view(Buff).substr(pos, pieceEnd - pos))).cx;
    }
    pos = pieceEnd;
  }
  return width;
}

void TSection::MeasureObjects(TCanvas& canvas, IndentManager& indent, int y, int& maxWidth) {
  const int available = indent.RightSide(y) - indent.LeftSide(y);
  for (auto& image : Images) {
    image->Measure(canvas, available);
    maxWidth = std::max(maxWidth, image->ImageWidth + Indent);
  }
  if (FormControls.empty()) return;
  SetControlFont(canvas, *Document);
  for (TFormControlObj* control : FormControls) {
    const TSize size = control->ControlSize(canvas);
    control->Place = {0, 0, size.cx, size.cy};
    maxWidth = std::max(maxWidth, size.cx + Indent);
  }
}

namespace {

// How much of a piece of text in the canvas's current font fits into `room`
// pixels: all of it (with its extent), or the most characters that do.
struct TPieceFit {
  bool Whole = false;
  size_t Count = 0;
  int Extent = 0;
};

TPieceFit FitPiece(TCanvas& canvas, std::u32string_view piece, int room, int overhang) {
  // Only as much of the piece is converted and measured as could fit,
  // growing while all of it does: the whole rest of a long paragraph for
  // each of its lines would make its layout quadratic.
  size_t window = std::min(piece.size(), static_cast<size_t>(std::max(0, room)) * 2 + 64);
  for (;;) {
    const TCanvasText text(piece.substr(0, window));
    const auto fits = [&](size_t n) { return canvas.TextExtent(text.Prefix(n)).cx - overhang <= room; };
    if (window == piece.size()) {
      if (const int whole = canvas.TextExtent(text.Whole()).cx; whole - overhang <= room) return {true, window, whole};
    } else if (fits(window)) {
      window = std::min(piece.size(), window * 2);
      continue;
    }
    size_t lo = 0, hi = window;  // lo characters fit, hi do not
    while (hi - lo > 1) {
      const size_t mid = (lo + hi) / 2;
      (fits(mid) ? lo : hi) = mid;
    }
    return {false, lo, 0};
  }
}

}  // namespace

int TSection::FitCount(TCanvas& canvas, int start, int y, IndentManager& indent,
                       std::vector<TImageObj*>& placedFloats) {
  const int end = static_cast<int>(Buff.size());
  auto room = [&] { return Wraps() ? indent.RightSide(y) - indent.LeftSide(y) : 32000; };
  int width = room();
  int used = 0;
  bool onlyFloats = true;
  int pos = start;
  while (pos < end) {
    const char32_t c = Buff[pos];
    if (IsImageCode(c)) {
      TImageObj* image = ImageAtPos(pos);
      if (image && image->Floating()) {
        // Floats leading the line go beside it at once; later ones follow the line.
        if (onlyFloats) {
          PlaceFloatingImage(*image, y, indent);
          placedFloats.push_back(image);
          width = room();
        }
        ++pos;
        continue;
      }
    }
    onlyFloats = false;
    if (IsObjectCode(c)) {
      const int w = ObjectWidth(*this, pos);
      if (used + w > width && pos > start) break;
      used += w;
      ++pos;
      continue;
    }
    const int pieceEnd = PieceEnd(pos, end);
    canvas.SetFont(FontAt(pos)->DrawnSpec());
    const int overhang = canvas.TextMetrics().Overhang;
    const TPieceFit fit = FitPiece(canvas, std::u32string_view(Buff).substr(pos, pieceEnd - pos), width - used, overhang);
    if (fit.Whole) {
      used += fit.Extent;
      pos = pieceEnd;
      continue;
    }
    pos += static_cast<int>(fit.Count);
    break;
  }
  return pos - start;
}

int TSection::ChooseBreak(int start, int fit) const {
  const int end = static_cast<int>(Buff.size());
  auto withSpaces = [&](int p) {
    while (p < end && Buff[p] == ' ') ++p;
    return p - start;
  };
  if (start + fit >= end) return end - start;
  const int last = start + fit - 1;
  if (Buff[last] == ' ') return withSpaces(last + 1);
  const char32_t next = Buff[start + fit];
  if (next == kFormControlCode || next == kImageCode) return fit;
  for (int p = last; p >= start; --p)
    if ((p > start && IsBreak(Buff[p])) || IdeographicBreak(Buff[p], Buff[p + 1])) return p - start + 1;
  // One word wider than the line: it stays whole and widens the page.
  int p = start + 1;
  while (p < end && !IsBreak(Buff[p]) && !IdeographicBreak(Buff[p - 1], Buff[p])) ++p;
  return withSpaces(p);
}

void TSection::FinishLine(TCanvas& canvas, LineRec& line, IndentManager& indent) {
  const int end = line.Start + line.Ln;
  int textEnd = end;  // trailing spaces do not count for the line's width
  while (textEnd > line.Start && Buff[textEnd - 1] == ' ') --textEnd;
  // Every piece is measured once: its width serves the line's width and the
  // places of the objects after it.
  struct Piece {
    int Pos, End, Width;
  };
  std::vector<Piece> pieces;
  canvas.SetFont(FontAt(line.Start)->DrawnSpec());
  TTextMetrics metrics = canvas.TextMetrics();
  line.LineHt = metrics.Height;
  line.Descent = metrics.Descent;
  line.Width = 0;
  for (int pos = line.Start; pos < end;) {
    const int pieceEnd = PieceEnd(pos, end);
    int width = 0, counted = 0;
    if (IsObjectCode(Buff[pos])) {
      width = counted = ObjectWidth(*this, pos);
    } else {
      canvas.SetFont(FontAt(pos)->DrawnSpec());
      metrics = canvas.TextMetrics();
      line.LineHt = std::max(line.LineHt, metrics.Height);
      line.Descent = std::max(line.Descent, metrics.Descent);
      const TCanvasText text(std::u32string_view(Buff).substr(pos, pieceEnd - pos));
      width = canvas.TextExtent(text.Whole()).cx;
      counted = pieceEnd <= textEnd ? width : pos >= textEnd ? 0 : canvas.TextExtent(text.Prefix(textEnd - pos)).cx;
    }
    line.Width += counted;
    pieces.push_back({pos, pieceEnd, width});
    pos = pieceEnd;
  }
  const int ascent = line.LineHt - line.Descent;
  for (int pos = line.Start; pos < end; ++pos) {
    if (IsImageCode(Buff[pos])) {
      const TImageObj* image = ImageAtPos(pos);
      if (!image || image->Floating()) continue;
      const int excess = image->ImageHeight + 2 * image->VSpace - line.LineHt;
      switch (image->ImageAlign) {
        case TImageAlign::Top: line.SpaceAfter = std::max(line.SpaceAfter, excess); break;
        case TImageAlign::Middle:
          line.SpaceBefore = std::max(line.SpaceBefore, excess / 2);
          line.SpaceAfter = std::max(line.SpaceAfter, excess - excess / 2);
          break;
        default: line.SpaceBefore = std::max(line.SpaceBefore, image->ImageHeight + 2 * image->VSpace - ascent);
      }
    } else if (IsControlCode(Buff[pos])) {
      if (const TFormControlObj* control = ControlAtPos(pos))
        line.SpaceBefore = std::max(line.SpaceBefore, control->Place.Height() - ascent);
    }
  }
  const int left = indent.LeftSide(line.Y), right = indent.RightSide(line.Y);
  const THorzAlign align = Wraps() ? AlignmentValue : THorzAlign::Left;
  if (align == THorzAlign::Center) line.LineIndent = left + std::max(0, (right - left - line.Width) / 2);
  else if (align == THorzAlign::Right) line.LineIndent = std::max(left, right - line.Width - 1);
  else line.LineIndent = left;

  // Inline objects now know their places.
  const int baseline = line.Baseline();
  int x = line.LineIndent;
  for (const Piece& piece : pieces) {
    if (IsImageCode(Buff[piece.Pos])) {
      if (TImageObj* image = ImageAtPos(piece.Pos); image && !image->Floating()) {
        image->DrawX = x + image->HSpace;
        if (image->ImageAlign == TImageAlign::Top) image->DrawY = line.Y + line.SpaceBefore + image->VSpace;
        else if (image->ImageAlign == TImageAlign::Middle) image->DrawY = line.Y + line.SpaceBefore + (line.LineHt - image->ImageHeight) / 2;
        else image->DrawY = baseline - image->ImageHeight - image->VSpace;
      }
    } else if (IsControlCode(Buff[piece.Pos])) {
      if (TFormControlObj* control = ControlAtPos(piece.Pos)) {
        const TSize size{control->Place.Width(), control->Place.Height()};
        control->Place = {x, baseline - size.cy, x + size.cx, baseline};
      }
    }
    x += piece.Width;
  }
}

int TSection::Layout(TCanvas& canvas, int y, IndentManager& indent, int& maxWidth, int& curs) {
  YValue = y;
  NumberCursorPositions(curs);
  Lines.clear();
  indent.SetLevel(ListLevel, y, ListLevel > 0 ? Indent / ListLevel : 35);
  if (ClearValue != TClear::None) {
    const int bottom = indent.FloatBottom(ClearValue, y);
    if (bottom >= y) {
      LineRec gap;
      gap.Start = 0;
      gap.Y = y;
      gap.LineHt = bottom + 1 - y;
      gap.LineIndent = indent.LeftSide(y);
      gap.DrawHeight = gap.LineHt;
      Lines.push_back(gap);
      y = bottom + 1;
    }
  }
  const int end = static_cast<int>(Buff.size());
  if (end > 0) MeasureObjects(canvas, indent, y, maxWidth);
  int floatsBottom = y;
  for (int pos = 0; pos < end;) {
    LineRec line;
    line.Start = pos;
    line.Y = y;
    std::vector<TImageObj*> placedFloats;
    const int fit = std::max(1, FitCount(canvas, pos, y, indent, placedFloats));
    line.Ln = ChooseBreak(pos, fit);
    FinishLine(canvas, line, indent);
    maxWidth = std::max(maxWidth, line.LineIndent - indent.LfEdge + line.Width);
    y += line.Height();
    line.DrawHeight = line.Height();
    for (const auto& image : Images) {
      if (!image->Floating() || image->Pos < pos || image->Pos >= pos + line.Ln) continue;
      if (std::find(placedFloats.begin(), placedFloats.end(), image.get()) == placedFloats.end())
        PlaceFloatingImage(*image, y, indent);
      floatsBottom = std::max(floatsBottom, image->DrawY + image->ImageHeight + image->VSpace);
    }
    line.DrawHeight = std::max(line.DrawHeight, floatsBottom - line.Y);
    Lines.push_back(line);
    pos += line.Ln;
  }
  if (end == 0 && KeepsBlankLine()) {
    LineRec blank;
    blank.Y = y;
    FinishLine(canvas, blank, indent);
    blank.DrawHeight = blank.Height();
    y += blank.Height();
    Lines.push_back(blank);
  }
  FirstLineIndent = Lines.empty() ? indent.LeftSide(YValue) : Lines.back().LineIndent;
  for (const LineRec& line : Lines)
    if (line.Ln > 0) {
      FirstLineIndent = line.LineIndent;
      break;
    }
  SectionHeight = y - YValue;
  if (ListType != TListKind::None) SectionHeight = std::max(SectionHeight, floatsBottom - YValue);
  DrawHeight = std::max(SectionHeight, indent.LowestFloatBottom() - YValue);
  return SectionHeight;
}

void TSection::ShiftY(int dy) {
  TSectionBase::ShiftY(dy);
  for (LineRec& line : Lines) line.Y += dy;
  for (const auto& image : Images) image->DrawY += dy;
  for (TFormControlObj* control : FormControls) {
    control->Place.Top += dy;
    control->Place.Bottom += dy;
  }
}

void TSection::WidthRange(TCanvas& canvas, int& min, int& max) {
  const int end = static_cast<int>(Buff.size());
  min = max = 0;
  if (end == 0) return;
  int unused = 0;
  IndentManager scratch;
  scratch.Reset(0, 0);
  MeasureObjects(canvas, scratch, 0, unused);
  const int whole = TextWidth(canvas, 0, end);
  if (!Wraps()) {
    min = std::min(2000, whole + Indent);
    max = whole + Indent;
    return;
  }
  int floats = 0;
  for (const auto& image : Images) {
    if (image->Floating()) floats += image->ImageWidth + image->HSpace;
    else min = std::max(min, image->ImageWidth + 2 * image->HSpace);
  }
  // Words end at spaces and images, and between ideographs.
  for (int pos = 0; pos < end;) {
    int wordEnd = pos;
    while (wordEnd < end && Buff[wordEnd] != ' ' && !IsImageCode(Buff[wordEnd]) &&
           (wordEnd == pos || !IdeographicBreak(Buff[wordEnd - 1], Buff[wordEnd])))
      ++wordEnd;
    if (wordEnd > pos) min = std::max(min, TextWidth(canvas, pos, wordEnd));
    pos = wordEnd < end && (Buff[wordEnd] == ' ' || IsImageCode(Buff[wordEnd])) ? wordEnd + 1 : wordEnd;
  }
  min += floats + Indent;
  max = whole + floats + Indent;
}

}  // namespace tessaly::preview
