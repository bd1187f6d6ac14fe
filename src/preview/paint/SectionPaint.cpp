// Drawing a laid-out section and finding what lies under a point.

#include <algorithm>

#include "preview/document/CanvasText.h"
#include "preview/document/Forms.h"
#include "preview/document/Images.h"
#include "preview/document/IndentManager.h"
#include "preview/document/Section.h"
#include "preview/document/SectionList.h"

namespace tessaly::preview {

namespace {

// Backgrounds on which list bullets take their colour by level.
bool IsLightBackground(TColor background) {
  const TColor rgb = ColorToRGB(background);
  if (background == clBtnFace || (background == clWindow && rgb == clWhite)) return true;
  return (background & 0x80000000u) == 0 && (rgb == clWhite || rgb == clSilver);
}

}  // namespace

// The colour a run is drawn in: links follow their visited and hover state.
static TColor RunColor(const TFontObj& run, const TSectionList& document) {
  if (run.UrlTarget.Empty()) return run.TheFont.Spec.Color;
  if (document.LinksActive && document.ActiveLink == &run) return document.LinkActiveColor;
  if (run.Visited) return document.LinkVisitedColor;
  return run.TheFont.Spec.Color;
}

// The top of a run's text cells for a line's baseline.
static int RunTop(const TFontObj& run, const TTextMetrics& metrics, int baseline) {
  int top = baseline - metrics.Ascent;
  if (run.SubSup == 1) top += metrics.Descent / 2 + 1;
  else if (run.SubSup == 2) top -= metrics.Height / 3;
  return top;
}

void TSection::DrawLine(TCanvas& canvas, const LineRec& line, int dx, int dy) {
  const int end = line.Start + line.Ln;
  const int baseline = line.Baseline() + dy;
  const int selB = Document->SelB - StartCurs, selE = Document->SelE - StartCurs;
  const TColor background = Document->Background;
  int x = line.LineIndent + dx;
  for (int pos = line.Start; pos < end;) {
    const int pieceEnd = PieceEnd(pos, end);
    if (IsImageCode(Buff[pos])) {
      if (const TImageObj* image = ImageAtPos(pos); image && !image->Floating()) {
        image->Draw(canvas, image->DrawX + dx, image->DrawY + dy);
        x += image->ImageWidth + 2 * image->HSpace;
      }
    } else if (IsControlCode(Buff[pos])) {
      if (TFormControlObj* control = ControlAtPos(pos)) {
        const TRect& r = control->Place;
        if (Document->Container)
          Document->Container->PlaceControl(*control, {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy});
        control->Shown = true;
        x += r.Width();
      }
    } else {
      const TFontObj& run = *FontAt(pos);
      TFontSpec spec = run.DrawnSpec();
      spec.Color = RunColor(run, *Document);
      canvas.SetFont(spec);
      const TTextMetrics metrics = canvas.TextMetrics();
      const int top = RunTop(run, metrics, baseline);
      // Up to three parts: before, inside and after the selection.
      const int cuts[] = {pos, std::clamp(selB, pos, pieceEnd), std::clamp(selE, pos, pieceEnd), pieceEnd};
      for (int part = 0; part < 3; ++part) {
        if (cuts[part] >= cuts[part + 1]) continue;
        const std::string text = CanvasText(std::u32string_view(Buff).substr(cuts[part], cuts[part + 1] - cuts[part]));
        if (part == 1) {
          canvas.SetTextColor(background);
          canvas.SetTextBackground(spec.Color, true);
        } else {
          canvas.SetTextColor(spec.Color);
          canvas.SetTextBackground(background, false);
        }
        canvas.TextOut(x, top, text);
        x += canvas.TextExtent(text).cx;
      }
    }
    pos = pieceEnd;
  }
  const int caret = Document->CaretPos - StartCurs;
  if (Document->ShowDummyCaret && Document->SelB == Document->SelE && caret >= line.Start &&
      (caret < end || (caret == end && end == static_cast<int>(Buff.size())))) {
    canvas.SetFont(FontAt(std::max(caret - 1, line.Start))->DrawnSpec());
    const int height = canvas.TextMetrics().Height;
    const int caretX = line.LineIndent + dx + TextWidth(canvas, line.Start, caret);
    canvas.SetBrush(Document->FontColor, TBrushStyle::bsSolid);
    canvas.FillRect({caretX, baseline - (line.LineHt - line.Descent), caretX + 1, baseline - (line.LineHt - line.Descent) + height});
  }
}

void TSection::DrawMarker(TCanvas& canvas, int dx, int dy) {
  if (Lines.empty() || !StartFont) return;
  const LineRec* first = &Lines.front();
  if (first->Ln == 0 && Lines.size() > 1) first = &Lines[1];
  const int textEdge = FirstLineIndent + dx;
  if (ListType == TListKind::Ordered) {
    canvas.SetFont(StartFont->Spec);
    const std::string marker = MarkerText();
    const int width = canvas.TextExtent(marker).cx;
    canvas.SetTextColor(StartFont->Spec.Color);
    canvas.SetTextBackground(Document->Background, false);
    canvas.TextOut(textEdge - 5 - width, first->Baseline() + dy - canvas.TextMetrics().Ascent, marker);
  } else if (ListType == TListKind::Unordered && !static_cast<const TUListItem*>(this)->Plain) {
    const int cx = textEdge - 8, cy = first->Y + dy + first->Height() / 2;
    const TRect circle{cx - 2, cy - 2, cx + 3, cy + 3};
    if (IsLightBackground(Document->Background)) {
      static constexpr TColor kLevelColors[] = {clRed, clNavy, clMaroon};
      // Nesting level 0 is the outermost list.
      if (ListLevel >= 1 && ListLevel <= 6) {
        const TColor color = kLevelColors[(ListLevel - 1) % 3];
        canvas.SetPen(color, 1, TPenStyle::psSolid);
        canvas.SetBrush(color, TBrushStyle::bsSolid);
      }
    } else {
      canvas.SetPen(StartFont->Spec.Color, 1, TPenStyle::psSolid);
      canvas.SetBrush(Document->Background, TBrushStyle::bsClear);
    }
    canvas.Ellipse(circle);
  }
}

int TSection::Paint(TCanvas& canvas, const TRect& clip, IndentManager&, int x, int y) {
  const int dy = y - YValue;
  for (const LineRec& line : Lines) {
    const int top = line.Y + dy;
    if (top >= clip.Bottom) break;
    if (top + line.Height() <= clip.Top || line.Ln == 0) continue;
    if (!Wraps()) {
      canvas.SaveState();
      canvas.IntersectClipRect({clip.Left, top, clip.Right, top + line.Height()});
    }
    DrawLine(canvas, line, x, dy);
    if (!Wraps()) canvas.RestoreState();
  }
  if (ListType == TListKind::Ordered || ListType == TListKind::Unordered) DrawMarker(canvas, x, dy);
  for (const auto& image : Images)
    if (image->Floating()) {
      const TRect r{image->DrawX + x, image->DrawY + dy, image->DrawX + x + image->ImageWidth,
                    image->DrawY + dy + image->ImageHeight};
      if (!IntersectRect(r, clip).IsEmpty()) image->Draw(canvas, r.Left, r.Top);
    }
  return y + SectionHeight;
}

namespace {

// The text index under x in a line: -1 left of it, the line's end right of it.
int IndexInLine(TCanvas& canvas, const TSection& section, const LineRec& line, int x) {
  if (x < line.LineIndent) return -1;
  const int end = line.Start + line.Ln;
  int left = line.LineIndent;
  for (int pos = line.Start; pos < end; ++pos) {
    const int right = line.LineIndent + section.TextWidth(canvas, line.Start, pos + 1);
    if (x >= left && x < right) return pos;
    left = right;
  }
  return end;
}

const LineRec* LineAtY(const std::vector<LineRec>& lines, int y) {
  for (const LineRec& line : lines)
    if (y >= line.Y && y < line.Y + line.Height()) return &line;
  return nullptr;
}

}  // namespace

bool TSection::LinkAt(TCanvas& canvas, int x, int y, TFontObj*& font, TUrlTarget*& target) {
  const LineRec* line = LineAtY(Lines, y);
  if (!line) return false;
  const int index = IndexInLine(canvas, *this, *line, x);
  if (index < 0 || index >= line->Start + line->Ln) return false;
  TFontObj* run = FontAt(index);
  if (!run || run->UrlTarget.Empty()) return false;
  font = run;
  target = &run->UrlTarget;
  return true;
}

TImageObj* TSection::ImageAt(int x, int y, TPoint& inImage) {
  for (const auto& image : Images)
    if (image->DrawRect().Contains({x, y})) {
      inImage = {x - image->DrawX, y - image->DrawY};
      return image.get();
    }
  return nullptr;
}

int TSection::CursorAt(TCanvas& canvas, int x, int y) {
  const LineRec* line = LineAtY(Lines, y);
  if (!line || line->Ln == 0) return -1;
  const int index = IndexInLine(canvas, *this, *line, x);
  return StartCurs + std::clamp(index, line->Start, line->Start + line->Ln - 1);
}

bool TSection::CursorPoint(TCanvas& canvas, int curs, TPoint& at) {
  const int index = curs - StartCurs;
  if (index < 0 || index > Len) return false;
  for (const LineRec& line : Lines) {
    if (line.Ln == 0 || index < line.Start || index > line.Start + line.Ln) continue;
    at = {line.LineIndent + TextWidth(canvas, line.Start, index), line.Y};
    return true;
  }
  return false;
}

bool TSection::CharAt(int curs, char32_t& ch, TSection*& section) {
  const int index = curs - StartCurs;
  if (index < 0 || index >= static_cast<int>(Buff.size())) return false;
  ch = Buff[index] == kNonBreakingSpace ? ' ' : Buff[index];
  section = this;
  return true;
}

}  // namespace tessaly::preview
