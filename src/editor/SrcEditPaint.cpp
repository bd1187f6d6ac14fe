// Painting: the gutter with its line numbers and bookmark glyphs, then the
// text lines token by token in the highlighter's colours, with the
// selection, the right edge and the area below the last line.

#include <algorithm>
#include <optional>

#include "editor/BookmarkGlyphs.h"
#include "editor/RowText.h"
#include "editor/SrcEdit.h"
#include "editor/TextDrawer.h"
#include "platform/Canvas.h"
#include "platform/Utf8.h"
#include "platform/text/Decode.h"

namespace tessaly {

void TSrcEdit::SetColor(TColor value) {
  if (value == color_) return;
  color_ = value;
  Invalidate();
}

void TSrcEdit::SetRightEdge(int value) {
  if (value == rightEdge_) return;
  rightEdge_ = value;
  Invalidate();
}

void TSrcEdit::SetRightEdgeColor(TColor value) {
  if (value == rightEdgeColor_) return;
  rightEdgeColor_ = value;
  if (rightEdge_ > 0) Invalidate();
}

TColor TSrcEdit::EditorBackground() const {
  if (highlighter_)
    if (const TSrcHighlighterAttributes* blank = highlighter_->StandardAttri(srWhiteSpace);
        blank && blank->Background() != clNone)
      return blank->Background();
  return color_;
}

bool TSrcEdit::SelectionShown() const { return SelAvail() && !(hideSelection_ && !host_.Focused()); }

void TSrcEdit::Paint(TCanvas& canvas) {
  const TRect clip = canvas.ClipRect();
  const int firstLine = std::max(clip.Top / lineHeight_ + topLine_, topLine_);
  const int lastLine = std::min((clip.Bottom + lineHeight_ - 1) / lineHeight_ + topLine_, lines_->Count());
  int firstColumn = leftChar_;
  if (clip.Left > gutterWidth_ + 2) firstColumn = (clip.Left - gutterWidth_ - 2) / charWidth_ + leftChar_;
  const int lastColumn = (clip.Right + charWidth_ - gutterWidth_ - 3) / charWidth_ + firstColumn;

  // The caret is drawn over the text: hide it while the text changes under
  // it and show it again however the paint ends.
  struct CaretHidden {
    TSrcEdit& editor;
    bool shown;
    ~CaretHidden() {
      if (!shown) return;
      editor.UpdateCaret();
      editor.host_.ShowCaret(true);
    }
  } caretHidden{*this, host_.Focused() && !options_.Has(eoNoCaret)};
  if (caretHidden.shown) host_.ShowCaret(false);

  if (clip.Left < gutterWidth_) {
    canvas.SaveState();
    canvas.IntersectClipRect({0, clip.Top, gutterWidth_, clip.Bottom});
    PaintGutter(canvas, IntersectRect(clip, {0, clip.Top, gutterWidth_, clip.Bottom}), firstLine, lastLine);
    canvas.RestoreState();
  }
  if (clip.Right > gutterWidth_) {
    const TRect text = IntersectRect(clip, {gutterWidth_, clip.Top, clip.Right, clip.Bottom});
    canvas.SaveState();
    canvas.IntersectClipRect(text);
    PaintTextLines(canvas, text, firstLine, lastLine, firstColumn, lastColumn);
    canvas.RestoreState();
  }
  if (OnPaint) OnPaint(*this, canvas);
  if (OnPaintTransient) OnPaintTransient(*this, canvas, ttAfter);
}

// ---- gutter ---------------------------------------------------------------------

void TSrcEdit::PaintGutter(TCanvas& canvas, const TRect& clip, int firstLine, int lastLine) {
  const TColor color = gutter_.Color();
  const int rowRight = gutterWidth_ - 2;  // the last two pixels are the edge lines
  canvas.SetBrush(color, TBrushStyle::bsSolid);
  int fillTop = clip.Top;
  if (gutter_.ShowLineNumbers()) {
    TFontSpec font = gutter_.Font();
    if (!gutter_.UseFontStyle()) {
      font = font_;
      font.Style = 0;
    }
    canvas.SetFont(font);
    canvas.SetTextColor(font.Color);
    canvas.SetTextBackground(color, true);
    const int textHeight = canvas.TextMetrics().Height;
    for (int line = firstLine; line <= lastLine; ++line) {
      const int top = (line - topLine_) * lineHeight_;
      const std::string number = gutter_.FormatLineNumber(line);
      const int x = gutterWidth_ - gutter_.RightOffset() - 2 - canvas.TextExtent(number).cx;
      canvas.ExtTextOut(x, top + (lineHeight_ - textHeight) / 2, etoOpaque,
                        {clip.Left, top, rowRight, top + lineHeight_}, number, 0);
    }
    fillTop = std::max(clip.Top, (lastLine - topLine_ + 1) * lineHeight_);
  }
  const TRect rest{clip.Left, fillTop, std::min(clip.Right, rowRight), clip.Bottom};
  if (!rest.IsEmpty()) canvas.FillRect(rest);

  if (clip.Right > rowRight) {
    canvas.SetPen(color_, 1, TPenStyle::psSolid);
    canvas.Line({rowRight, clip.Top}, {rowRight, clip.Bottom});
    canvas.SetPen(color, 1, TPenStyle::psSolid);
    canvas.Line({rowRight + 1, clip.Top}, {rowRight + 1, clip.Bottom});
  }
  PaintMarks(canvas, firstLine, lastLine);
}

void TSrcEdit::PaintMarks(TCanvas& canvas, int firstLine, int lastLine) {
  if (!bookMarkOptions_.GlyphsVisible || marks_.Count() == 0 || lastLine < firstLine) return;
  const std::vector<TBitmap>* images = bookMarkOptions_.BookmarkImages;
  const auto draw = [&](const TBitmap& bitmap, const TRect& source, int x, int line) {
    const int width = source.Right - source.Left, height = source.Bottom - source.Top;
    const int y = (line - topLine_) * lineHeight_ + std::max(0, (lineHeight_ - height) / 2);
    canvas.DrawBitmap(bitmap, source, {x, y, x + width, y + height});
  };
  // How far right the next picture of a row goes.
  std::vector<int> rowOffsets(static_cast<size_t>(lastLine - firstLine + 1), 0);
  const bool bookmarksFirst = bookMarkOptions_.DrawBookmarksFirst;
  for (const bool firstPass : {true, false})
    for (int i = 0; i < marks_.Count(); ++i) {
      const TSrcEditMark& mark = marks_.Items(i);
      const bool drawnFirst = mark.IsBookmark() == bookmarksFirst;
      if (!mark.Visible || mark.Line < firstLine || mark.Line > lastLine || drawnFirst != firstPass) continue;
      int& offset = rowOffsets[static_cast<size_t>(mark.Line - firstLine)];
      if (!images || mark.InternalImage) {
        if (mark.ImageIndex < 0 || mark.ImageIndex > 9) continue;
        // The editor's own glyphs: only the row's first is drawn.
        const int left = mark.ImageIndex * kBookmarkGlyphWidth;
        if (offset == 0)
          draw(SrcEditInternalImages(), {left, 0, left + kBookmarkGlyphWidth, kBookmarkGlyphHeight},
               bookMarkOptions_.LeftMargin, mark.Line);
      } else {
        if (mark.ImageIndex < 0 || mark.ImageIndex >= static_cast<int>(images->size())) continue;
        if (drawnFirst) offset = 0;
        else if (offset == 0) offset = bookMarkOptions_.Xoffset;
        const TBitmap& image = (*images)[static_cast<size_t>(mark.ImageIndex)];
        draw(image, {0, 0, image.Width, image.Height}, bookMarkOptions_.LeftMargin + offset, mark.Line);
      }
      offset += bookMarkOptions_.Xoffset;
    }
}

// ---- text -----------------------------------------------------------------------

namespace {

// The selected display columns of one line, [Start, End).
struct TLineSelection {
  int Start = 0;
  int End = 0;
  bool Whole = false;  // every painted column is selected
};

TLineSelection LineSelectionOf(const TSrcEdit& editor, int line, int firstColumn, int lastColumn) {
  TLineSelection selection;
  const TBufferCoord start = editor.SelectionStart(), end = editor.SelectionEnd();
  if (line < start.Y || line > end.Y) return selection;
  selection.Start = firstColumn;
  selection.End = lastColumn + 1;
  switch (editor.SelectionMode()) {
    case smColumn: {
      const int a = editor.LogicalToDisplayColumn(start.Y, start.X);
      const int b = editor.LogicalToDisplayColumn(end.Y, end.X);
      selection.Start = std::min(a, b);
      selection.End = std::max(a, b);
      break;
    }
    case smNormal:
      if (line == start.Y) selection.Start = editor.LogicalToDisplayColumn(start.Y, start.X);
      if (line == end.Y) selection.End = editor.LogicalToDisplayColumn(end.Y, end.X);
      break;
    case smLine: break;
  }
  selection.Whole = selection.Start <= firstColumn && selection.End > lastColumn;
  return selection;
}

// Consecutive characters drawn in one colour and style: the row's bytes
// Begin..End, or blank cells beyond the line end.
struct TTextRun {
  int Column = 1;  // display column of the first cell
  int Cells = 0;
  size_t Begin = 0;
  size_t End = 0;
  TColor Foreground = clBlack;
  TColor Background = clWhite;
  TFontStyles Style = 0;
  bool Blank = false;    // white space only
  bool Filler = false;   // beyond the line end: no special-character marks
  bool LineEnd = false;  // the line-end mark
};

// Whether `next` may be drawn as part of `run`.
bool CanJoin(const TTextRun& run, const TTextRun& next, bool wholeLineSelected, bool uniformColours) {
  const bool styleMatches =
      run.Style == next.Style || ((run.Blank || next.Blank) && !((run.Style | next.Style) & fsUnderline));
  const bool coloursMatch = run.Background == next.Background && (run.Foreground == next.Foreground || next.Blank);
  return styleMatches && (coloursMatch || wholeLineSelected || uniformColours);
}

constexpr std::string_view kSpaceMark = "\u00B7";
constexpr std::string_view kTabMark = "\u00BB";
constexpr std::string_view kLineEndMark = "\u00B6";

// Draws the runs of one row, cutting them at the selection's edges.
class TRowPainter {
public:
  TRowPainter(TTextDrawer& drawer, int charWidth, int lineHeight, int textOffset, int tabWidth, int firstColumn,
              int lastColumn, bool showSpecialChars)
      : drawer_(drawer),
        charWidth_(charWidth),
        lineHeight_(lineHeight),
        textOffset_(textOffset),
        tabWidth_(tabWidth),
        firstColumn_(firstColumn),
        lastColumn_(lastColumn),
        showSpecialChars_(showSpecialChars) {}

  void BeginRow(int top, const TRowText& row, const TLineSelection& selection, TColor selectedForeground,
                TColor selectedBackground) {
    top_ = top;
    row_ = &row;
    selection_ = selection;
    selectedForeground_ = selectedForeground;
    selectedBackground_ = selectedBackground;
  }

  // The text run of the row's bytes begin..end.
  TTextRun TextRun(size_t begin, size_t end) const {
    TTextRun run;
    run.Begin = begin;
    run.End = end;
    run.Column = row_->CellOf(begin) + 1;
    run.Cells = row_->CellOf(end) - row_->CellOf(begin);
    return run;
  }

  // Before the selection, after it, then the selected piece.
  void Draw(const TTextRun& run) {
    const int start = std::max(run.Column, firstColumn_);
    const int end = std::min(run.Column + run.Cells, lastColumn_ + 1);
    if (start >= end) return;
    int selStart = end, selEnd = end;
    if (selection_.Start < selection_.End) {
      selStart = std::clamp(selection_.Start, start, end);
      selEnd = std::clamp(selection_.End, start, end);
    }
    DrawPiece(run, start, selStart, false);
    DrawPiece(run, selEnd, end, false);
    DrawPiece(run, selStart, selEnd, true);
  }

private:
  struct TBox {
    int Column;
    unsigned char Byte;
  };

  void DrawPiece(const TTextRun& run, int from, int to, bool selected) {
    if (from >= to) return;
    std::string text;
    std::vector<TBox> boxes;
    int x = (from - 1) * charWidth_ + textOffset_;
    if (run.LineEnd) {
      text = kLineEndMark;
    } else if (run.Filler) {
      text.assign(static_cast<size_t>(to - from), ' ');
    } else {
      x = AppendCharacters(run, from, to, text, boxes);
    }
    drawer_.SetStyle(run.Style);
    drawer_.SetForeColor(selected ? selectedForeground_ : run.Foreground);
    drawer_.SetBackColor(selected ? selectedBackground_ : run.Background);
    const int left = (from - 1) * charWidth_ + textOffset_;
    drawer_.TextOut(x, top_, {left, top_, left + (to - from) * charWidth_, top_ + lineHeight_}, text);
    for (const TBox& box : boxes) drawer_.HexBox((box.Column - 1) * charWidth_ + textOffset_, top_, box.Byte);
  }

  // The characters of the run whose cells reach into from..to, as Unicode;
  // returns the x of the first one (a wide character may begin left of the
  // piece and is clipped).
  int AppendCharacters(const TTextRun& run, int from, int to, std::string& text, std::vector<TBox>& boxes) const {
    const std::string& bytes = row_->Bytes();
    const bool marks = showSpecialChars_;
    int firstColumn = 0;
    for (size_t i = run.Begin; i < run.End;) {
      const size_t next = row_->CharEnd(i);
      const int column = row_->CellOf(i) + 1, end = row_->CellOf(next) + 1;
      if (end > from && column < to) {
        if (firstColumn == 0) firstColumn = column;
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\t') {
          text += marks && IsTabMarkCell(i) ? kTabMark : " ";
        } else if (byte == ' ') {
          text += marks ? kSpaceMark : " ";
        } else if (byte > 0x20 && byte < 0x7F) {
          text += static_cast<char>(byte);
        } else if (const text::DecodedCharacter c = text::DecodeAt(row_->Encoding(), bytes, i);
                   c.valid && c.codePoint >= 0x20 && c.codePoint != 0x7F) {
          AppendUtf8(text, c.codePoint);
        } else {
          boxes.push_back({column, byte});
          text += ' ';
        }
      }
      i = next;
    }
    return (std::max(firstColumn, 1) - 1) * charWidth_ + textOffset_;
  }

  // The middle cell of a tab's span in the expanded line shows the tab mark.
  bool IsTabMarkCell(size_t offset) const {
    const std::string& bytes = row_->Bytes();
    const int position = row_->CellOf(offset);
    const int spanEnd = (position / tabWidth_ + 1) * tabWidth_;
    size_t start = offset;
    while (row_->CellOf(start) > spanEnd - tabWidth_ && start > 0 && bytes[start - 1] == '\t') --start;
    const int spanStart = row_->CellOf(start);
    return position == spanStart + (spanEnd - spanStart - 1) / 2;
  }

  TTextDrawer& drawer_;
  int charWidth_, lineHeight_, textOffset_, tabWidth_, firstColumn_, lastColumn_;
  bool showSpecialChars_;
  int top_ = 0;
  const TRowText* row_ = nullptr;
  TLineSelection selection_;
  TColor selectedForeground_ = clHighlightText;
  TColor selectedBackground_ = clHighlight;
};

}  // namespace

// Whether a line ends inside a comment: text that would follow it is
// scanned as comment.
bool TSrcEdit::LineEndsInComment(int lineIndex) {
  int32_t endState;
  if (lineIndex + 1 < lines_->Count()) {
    endState = lines_->ScanState(lineIndex + 1);
  } else {
    const std::string& text = lines_->ExpandedText(lineIndex);
    highlighter_->SetScanState(lines_->ScanState(lineIndex));
    highlighter_->StartLine(text, lineIndex);
    highlighter_->ScanToLineEnd();
    endState = highlighter_->GetScanState();
  }
  static const std::string kProbe = "x";
  highlighter_->SetScanState(endState);
  highlighter_->StartLine(kProbe, lineIndex + 1);
  return !highlighter_->AtLineEnd() && highlighter_->CurrentTokenAttri() == highlighter_->StandardAttri(srComment);
}

void TSrcEdit::PaintTextLines(TCanvas& canvas, const TRect& clip, int firstLine, int lastLine, int firstColumn,
                              int lastColumn) {
  const TColor background = EditorBackground();
  const bool showSpecialChars = options_.Has(eoShowSpecialChars);
  const bool highlighted = highlighter_ && highlighter_->Enabled();
  const int edgeX = rightEdge_ * charWidth_ + textOffset_;
  const bool edgeShown = rightEdge_ > 0 && edgeX >= clip.Left && edgeX < clip.Right;
  const auto drawEdge = [&](int top, int bottom) {
    if (!edgeShown) return;
    canvas.SetPen(rightEdgeColor_, 1, TPenStyle::psSolid);
    canvas.Line({edgeX, top}, {edgeX, bottom});
  };

  canvas.SetBrush(background, TBrushStyle::bsSolid);
  if (clip.Left < gutterWidth_ + 2) canvas.FillRect({gutterWidth_, clip.Top, gutterWidth_ + 2, clip.Bottom});

  const bool selectionShown = SelectionShown();
  const bool singleByte = text::IsSingleByte(encoding_);
  TTextDrawer drawer(canvas, font_, charWidth_, lineHeight_);
  TRowPainter row(drawer, charWidth_, lineHeight_, textOffset_, tabWidth_, firstColumn, lastColumn, showSpecialChars);
  for (int line = firstLine; line <= lastLine; ++line) {
    const int index = line - 1;
    const int top = (line - topLine_) * lineHeight_;
    const TRowText rowText = singleByte ? TRowText::SingleByte(lines_->ExpandedText(index), encoding_)
                                        : TRowText::MultiByte(lines_->Get(index), encoding_, tabWidth_);
    const std::string& text = rowText.Bytes();
    TColor foreground = font_.Color, lineBackground = background;
    bool special = false;
    if (OnSpecialLineColors) {
      TColor specialForeground = foreground, specialBackground = lineBackground;
      OnSpecialLineColors(*this, line, special, specialForeground, specialBackground);
      if (special) {
        foreground = specialForeground;
        lineBackground = specialBackground;
      }
    }
    TColor selectedForeground = selectedColor_.Foreground(), selectedBackground = selectedColor_.Background();
    if (special) {
      selectedForeground = lineBackground;
      selectedBackground = foreground;
    }
    const TLineSelection selection =
        selectionShown ? LineSelectionOf(*this, line, firstColumn, lastColumn) : TLineSelection{};
    row.BeginRow(top, rowText, selection, selectedForeground, selectedBackground);
    TTextRun plain = row.TextRun(0, text.size());
    plain.Foreground = foreground;
    plain.Background = lineBackground;
    plain.Style = font_.Style;

    if (!highlighted) {
      row.Draw(plain);
    } else {
      const bool uniformColours = special && !options_.Has(eoSpecialLineDefaultFg);
      const TSrcHighlighterAttributes* blank = highlighter_->StandardAttri(srWhiteSpace);
      highlighter_->SetScanState(lines_->ScanState(index));
      highlighter_->StartLine(text, index);
      std::optional<TTextRun> run;
      for (; !highlighter_->AtLineEnd(); highlighter_->NextToken()) {
        const auto begin = static_cast<size_t>(highlighter_->CurrentTokenStart());
        TTextRun next = row.TextRun(begin, begin + highlighter_->CurrentTokenText().size());
        if (next.Column + next.Cells <= firstColumn) continue;
        if (next.Column > lastColumn) break;
        next.Foreground = foreground;
        next.Background = lineBackground;
        next.Style = font_.Style;
        if (const TSrcHighlighterAttributes* attri = highlighter_->CurrentTokenAttri()) {
          next.Blank = attri == blank;
          next.Style = attri->Style();
          next.Foreground = attri->Foreground() != clNone ? attri->Foreground() : font_.Color;
          next.Background = attri->Background() != clNone ? attri->Background() : background;
          if (special) {
            next.Background = lineBackground;
            if (uniformColours) next.Foreground = foreground;
          }
        }
        if (run && CanJoin(*run, next, selection.Whole, uniformColours)) {
          run->End = next.End;
          run->Cells = next.Column + next.Cells - run->Column;
          run->Blank = run->Blank && next.Blank;
        } else {
          if (run) row.Draw(*run);
          run = next;
        }
      }
      if (run) row.Draw(*run);
    }

    int column = rowText.CellOf(text.size()) + 1;
    if (showSpecialChars && column <= lastColumn) {
      TTextRun mark;
      mark.Column = column;
      mark.Cells = 1;
      mark.Foreground = foreground;
      mark.Background = lineBackground;
      mark.Style = font_.Style;
      mark.Filler = mark.LineEnd = true;
      if (highlighted)
        if (const TSrcHighlighterAttributes* attri =
                highlighter_->StandardAttri(LineEndsInComment(index) ? srComment : srWhiteSpace)) {
          if (attri->Foreground() != clNone) mark.Foreground = attri->Foreground();
          if (attri->Background() != clNone) mark.Background = attri->Background();
        }
      row.Draw(mark);
      ++column;
    }
    if (column <= lastColumn) {
      TTextRun filler;
      filler.Column = column;
      filler.Cells = lastColumn - column + 1;
      filler.Foreground = foreground;
      filler.Background = lineBackground;
      filler.Style = font_.Style;
      filler.Filler = true;
      row.Draw(filler);
    }
    drawEdge(top, top + lineHeight_);
  }

  const int below = std::max(clip.Top, (lastLine - topLine_ + 1) * lineHeight_);
  if (below < clip.Bottom) {
    canvas.SetBrush(background, TBrushStyle::bsSolid);
    canvas.FillRect({std::max(clip.Left, gutterWidth_ + 2), below, clip.Right, clip.Bottom});
    drawEdge(below, clip.Bottom);
  }
}

}  // namespace tessaly
