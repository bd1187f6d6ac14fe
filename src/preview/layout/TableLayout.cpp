// Table layout: spans, column ranges and percentages, column widths, row
// heights, and the placement of the cells.

#include <algorithm>
#include <numeric>

#include "preview/document/IndentManager.h"
#include "preview/document/PreviewErrors.h"
#include "preview/document/SectionList.h"
#include "preview/document/Table.h"

namespace tessaly::preview {

namespace {

int Sum(const std::vector<int>& v, int from = 0, int count = -1) {
  const int end = count < 0 ? static_cast<int>(v.size()) : from + count;
  return std::accumulate(v.begin() + from, v.begin() + end, 0);
}

// Adds `amount` to the chosen columns in proportion to their weights, or in
// equal parts when every weight is 0; the rounding rest goes to the first.
void Share(std::vector<int>& widths, const std::vector<int>& columns, const std::vector<int>& weights, int amount) {
  if (columns.empty() || amount == 0) return;
  long long total = 0;
  for (int c : columns) total += weights[c];
  int given = 0;
  for (int c : columns) {
    const int part = total > 0 ? static_cast<int>(amount * static_cast<long long>(weights[c]) / total)
                               : amount / static_cast<int>(columns.size());
    widths[c] += part;
    given += part;
  }
  widths[columns.front()] += amount - given;
}

// A spanning cell's excess over its columns goes to them in proportion to
// their current values, or wholly to the first when they are all 0.
void Spread(std::vector<int>& v, int from, int count, int value) {
  const int sum = Sum(v, from, count);
  if (value <= sum) return;
  std::vector<int> columns(count);
  std::iota(columns.begin(), columns.end(), from);
  if (sum == 0) v[from] += value;
  else Share(v, columns, std::vector<int>(v), value - sum);
}

std::vector<int> MinMaxRule(int work, const std::vector<int>& mn, const std::vector<int>& mx) {
  const int minTotal = Sum(mn), maxTotal = Sum(mx);
  if (minTotal >= work || maxTotal == minTotal) return minTotal >= work ? mn : mx;
  if (maxTotal <= work) return mx;
  std::vector<int> widths(mn.size());
  for (size_t i = 0; i < mn.size(); ++i)
    widths[i] = mn[i] + static_cast<int>(static_cast<long long>(work - minTotal) * (mx[i] - mn[i]) / (maxTotal - minTotal));
  return widths;
}

}  // namespace

void THtmlTable::ExpandSpans() {
  if (spansExpanded_) return;
  spansExpanded_ = true;
  for (size_t r = 0; r < Rows.size(); ++r) {
    TCellList& row = *Rows[r];
    for (size_t c = 0; c < row.size(); ++c) {
      TCellObj* cell = row[c].get();
      if (!cell) continue;
      if (!cell->Cell->BkGnd && (row.BkGnd || BkGnd)) {
        cell->Cell->BkColor = row.BkGnd ? row.BkColor : BkColor;
        cell->Cell->BkGnd = true;
      }
      for (int extra = 1; extra < cell->ColSpan && row.size() <= kMaxColumns; ++extra)
        row.insert(row.begin() + static_cast<std::ptrdiff_t>(c) + 1, nullptr);
      for (int down = 1; down < cell->RowSpan && r + down < Rows.size(); ++down) {
        TCellList& below = *Rows[r + down];
        const size_t at = std::min(c, below.size());
        for (int extra = 0; extra < cell->ColSpan && below.size() <= kMaxColumns; ++extra)
          below.insert(below.begin() + static_cast<std::ptrdiff_t>(at), nullptr);
      }
    }
  }
  NumCols = 0;
  for (const auto& row : Rows) NumCols = std::max(NumCols, static_cast<int>(row->size()));
}

void THtmlTable::ColumnRanges(TCanvas& canvas, int workWidth, std::vector<int>& mn, std::vector<int>& mx) {
  mn.assign(NumCols, 0);
  mx.assign(NumCols, 0);
  const int extra = 2 * CellPadding + CellSpacing;
  std::vector<TCellPlace> bySpan;
  for (size_t r = 0; r < Rows.size(); ++r)
    for (size_t c = 0; c < Rows[r]->size(); ++c)
      if (TCellObj* cell = (*Rows[r])[c].get()) bySpan.push_back({cell, static_cast<int>(r), static_cast<int>(c), {}});
  std::stable_sort(bySpan.begin(), bySpan.end(),
                   [](const TCellPlace& a, const TCellPlace& b) { return a.Cell->ColSpan < b.Cell->ColSpan; });
  for (const TCellPlace& place : bySpan) {
    int cellMin = 0, cellMax = 0;
    place.Cell->Cell->WidthRange(canvas, cellMin, cellMax);
    cellMin += extra;
    cellMax += extra;
    if (const int pixels = place.Cell->SpecWd.PixelCount(); pixels > 0) {
      cellMin = std::max(cellMin, pixels + extra);
      cellMax = std::max(cellMax, pixels + extra);
    }
    const int span = std::min(place.Cell->ColSpan, NumCols - place.Col);
    Spread(mn, place.Col, span, cellMin);
    Spread(mx, place.Col, span, cellMax);
    mx[place.Col] = std::max(mx[place.Col], mn[place.Col]);
  }
  for (int c = 0; c < NumCols; ++c) mx[c] = std::max(mx[c], mn[c]);
  // Percent shares: own percentages, and pixel widths as shares of the working width.
  Percents.assign(NumCols, 0);
  for (const TCellPlace& place : bySpan) {
    const TCellObj& cell = *place.Cell;
    if (!cell.SpecWd.Positive()) continue;
    const int share = cell.SpecWd.IsPercent() ? cell.SpecWd.Tenths()
                                              : std::min(1000, cell.SpecWd.PixelCount() * 1000 / std::max(workWidth, 1));
    const int span = std::min(cell.ColSpan, NumCols - place.Col);
    if (span == 1) {
      Percents[place.Col] = std::max(Percents[place.Col], share);
      continue;
    }
    // Shares already set stay; the rest is split over the others.
    std::vector<int> open;
    int set = 0;
    for (int c = place.Col; c < place.Col + span; ++c) {
      if (Percents[c] > 0) set += Percents[c];
      else open.push_back(c);
    }
    if (open.empty() || share <= set) continue;
    for (int c : open) Percents[c] = (share - set) / static_cast<int>(open.size());
  }
}

void THtmlTable::ColumnWidths(int work, bool ownWidth, const std::vector<int>& mn, const std::vector<int>& mx) {
  Widths.clear();
  if (NumCols == 0) return;
  const int minTotal = Sum(mn);
  bool anyPixelCell = false;
  for (const auto& row : Rows)
    for (const auto& cell : *row)
      if (cell && cell->SpecWd.PixelCount() > 0) anyPixelCell = true;
  if (!ownWidth && anyPixelCell) {
    Widths = MinMaxRule(work, mn, mx);
    return;
  }
  if (minTotal >= work) {
    Widths = mn;
    return;
  }
  std::vector<int> percent = Percents;
  const int shareSum = Sum(percent);
  if (ownWidth) {
    Widths.assign(NumCols, 0);
    std::vector<bool> fixed(NumCols, false);
    std::vector<int> plain, openPercent;
    for (int c = 0; c < NumCols; ++c) {
      if (percent[c] == 0) {
        Widths[c] = mn[c];
        plain.push_back(c);
        continue;
      }
      Widths[c] = work * percent[c] / 1000;
      if (Widths[c] < mn[c]) {
        Widths[c] = mn[c];
        fixed[c] = true;
      } else {
        openPercent.push_back(c);
      }
    }
    const int rest = work - Sum(Widths);
    if (rest > 0) {
      if (plain.empty()) {
        Share(Widths, openPercent, percent, rest);
      } else {
        std::vector<int> spare(NumCols, 0);
        int spareTotal = 0;
        for (int c : plain) spareTotal += spare[c] = mx[c] - mn[c];
        Share(Widths, plain, spareTotal >= rest / 2 ? spare : std::vector<int>(NumCols, 0), rest);
      }
    }
    for (int round = 0; round < 4 && Sum(Widths) > work && !openPercent.empty(); ++round) {
      const int excess = Sum(Widths) - work;
      long long shares = 0;
      for (int c : openPercent) shares += percent[c];
      if (shares == 0) break;
      std::vector<int> stillOpen;
      for (int c : openPercent) {
        const int cut = static_cast<int>(excess * static_cast<long long>(percent[c]) / shares);
        if (Widths[c] - cut < mn[c]) {
          Widths[c] = mn[c];
          fixed[c] = true;
        } else {
          Widths[c] -= cut;
          stillOpen.push_back(c);
        }
      }
      openPercent = stillOpen;
    }
    const int diff = work - Sum(Widths);
    if (diff > 0) {
      Widths[0] += diff;
    } else if (diff < 0) {
      for (int c = 0; c < NumCols; ++c)
        if (!fixed[c] && Widths[c] + diff >= mn[c]) {
          Widths[c] += diff;
          break;
        }
    }
    return;
  }
  if (shareSum < 1 || shareSum > 1000) {
    Widths = MinMaxRule(work, mn, mx);
    return;
  }
  int needed = 0, otherMax = 0;
  std::vector<int> others, percentCols;
  for (int c = 0; c < NumCols; ++c) {
    if (percent[c] > 0) {
      needed = std::max(needed, static_cast<int>(mx[c] * 1000LL / percent[c]));
      percentCols.push_back(c);
    } else {
      otherMax += mx[c];
      others.push_back(c);
    }
  }
  if (shareSum < 1000) needed = std::max(needed, static_cast<int>(otherMax * 1000LL / (1000 - shareSum)));
  if (needed <= work) {
    Widths.assign(NumCols, 0);
    for (int c : percentCols) Widths[c] = static_cast<int>(needed * static_cast<long long>(percent[c]) / 1000);
    Share(Widths, others, mx, static_cast<int>(needed * static_cast<long long>(1000 - shareSum) / 1000));
    return;
  }
  // Too narrow: shares that cannot hold their column's minimum are dropped,
  // the others scaled to what the plain columns leave free.
  int percentTotal = 0, othersMin = 0;
  for (int c = 0; c < NumCols; ++c) {
    if (percent[c] > 0 && work * percent[c] / 1000 < mn[c]) percent[c] = 0;
    if (percent[c] > 0) percentTotal += work * percent[c] / 1000;
    else othersMin += mn[c];
  }
  const int room = work - othersMin;
  std::vector<int> pmn = mn, pmx = mx;
  for (int c = 0; c < NumCols; ++c)
    if (percent[c] > 0) {
      int w = work * percent[c] / 1000;
      if (percentTotal > room && percentTotal > 0) w = std::max(mn[c], static_cast<int>(w * static_cast<long long>(room) / percentTotal));
      pmn[c] = pmx[c] = w;
    }
  Widths = MinMaxRule(work, pmn, pmx);
}

std::vector<int> THtmlTable::RowHeights(TCanvas& canvas, std::vector<int>& contentHeights) {
  std::vector<int> heights(Rows.size(), 0);
  const int extra = 2 * CellPadding + CellSpacing;
  contentHeights.assign(Places.size(), 0);
  // Every cell is laid out once, from y = 0 at its final X; placing the rows
  // later only moves it down.
  for (size_t i = 0; i < Places.size(); ++i) {
    const TCellPlace& place = Places[i];
    int unusedWidth = 0, unusedCurs = 0;
    contentHeights[i] = place.Cell->Cell->DoLayout(canvas, 0, place.Box.Left + CellPadding,
                                                   place.Box.Width() - 2 * CellPadding, unusedWidth, unusedCurs);
  }
  std::vector<size_t> byRowSpan(Places.size());
  for (size_t i = 0; i < byRowSpan.size(); ++i) byRowSpan[i] = i;
  std::stable_sort(byRowSpan.begin(), byRowSpan.end(),
                   [this](size_t a, size_t b) { return Places[a].Cell->RowSpan < Places[b].Cell->RowSpan; });
  for (const size_t i : byRowSpan) {
    const TCellPlace& place = Places[i];
    const int height = std::max(contentHeights[i], place.Cell->SpecHt - 2 * CellPadding) + extra;
    const int span = std::min(place.Cell->RowSpan, static_cast<int>(Rows.size()) - place.Row);
    if (span <= 1) {
      heights[place.Row] = std::max(heights[place.Row], height);
      continue;
    }
    const int sum = Sum(heights, place.Row, span);
    if (height <= sum) continue;
    const int excess = height - sum;
    for (int r = place.Row; r < place.Row + span; ++r) heights[r] += excess / span;
    heights[place.Row + span - 1] += excess % span;
  }
  return heights;
}

int THtmlTable::Layout(TCanvas& canvas, int y, IndentManager& indent, int& maxWidth, int& curs) {
  YValue = y;
  ExpandSpans();
  if (NumCols > kMaxColumns) throw EProcessError("Table has too many Columns");
  const int left = indent.LeftSide(y), right = indent.RightSide(y);
  const int available = right - left;
  const int specified = SpecWidth.Positive() ? SpecWidth.Of(available) : 0;
  const int work = std::max((specified > 0 ? specified : available) - CellSpacing, 20);

  std::vector<int> mn, mx;
  ColumnRanges(canvas, work, mn, mx);
  ColumnWidths(work, specified > 0, mn, mx);
  int columnsWidth = CellSpacing + Sum(Widths);
  int captionMin = 0, captionMax = 0;
  if (Caption) Caption->Cell->WidthRange(canvas, captionMin, captionMax);
  const int tableWidth = std::max(columnsWidth, captionMin);
  const int columnsLeft = (tableWidth - columnsWidth) / 2;

  // The table's X is known before its height: cells are laid out there.
  int x = left;
  if (Float) x = Align == THorzAlign::Left ? left : right - tableWidth;
  else if (Align == THorzAlign::Center) x = left + std::max(0, (available - tableWidth) / 2);
  else if (Align == THorzAlign::Right) x = std::max(left, right - tableWidth);
  const int top = Float ? y + VSpace : y;

  // Cell boxes; their rows are placed once the heights are known.
  Places.clear();
  std::vector<int> columnX(NumCols + 1, x + columnsLeft + CellSpacing);
  for (int c = 0; c < NumCols; ++c) columnX[c + 1] = columnX[c] + Widths[c];
  for (size_t r = 0; r < Rows.size(); ++r)
    for (size_t c = 0; c < Rows[r]->size(); ++c)
      if (TCellObj* cell = (*Rows[r])[c].get()) {
        const int last = std::min(static_cast<int>(c) + cell->ColSpan, NumCols);
        Places.push_back({cell, static_cast<int>(r), static_cast<int>(c),
                          {columnX[c], 0, columnX[last] - CellSpacing, 0}});
      }
  std::vector<int> contentHeights;
  std::vector<int> heights = RowHeights(canvas, contentHeights);
  int rowsHeight = Sum(heights);
  const int wanted = SpecHeight.Of(Document->ClientHeight - 2 * Document->MarginHeight - CellSpacing - 3);
  if (!heights.empty() && wanted - CellSpacing > rowsHeight) {
    const int missing = wanted - CellSpacing - rowsHeight;
    const int rows = static_cast<int>(heights.size());
    for (int& h : heights) h += missing / rows;
    heights.back() += missing % rows;
    rowsHeight = Sum(heights);
  }

  int unused = 0;
  int rowsTop = top, captionHeight = 0;
  if (Caption) {
    captionHeight = Caption->Cell->DoLayout(canvas, TopCaption ? top : 0, x, tableWidth, unused, unused);
    if (TopCaption) rowsTop += captionHeight;
  }
  std::vector<int> rowY(heights.size() + 1, rowsTop + CellSpacing);
  for (size_t r = 0; r < heights.size(); ++r) rowY[r + 1] = rowY[r] + heights[r];
  for (size_t i = 0; i < Places.size(); ++i) {
    TCellPlace& place = Places[i];
    const int lastRow = std::min(place.Row + place.Cell->RowSpan, static_cast<int>(heights.size()));
    place.Box.Top = rowY[place.Row];
    place.Box.Bottom = rowY[lastRow] - CellSpacing;
    const int free = place.Box.Height() - 2 * CellPadding - contentHeights[i];
    const TVertAlign align = place.Cell->VAlign;
    const int shift = align == TVertAlign::Top ? 0 : align == TVertAlign::Middle ? free / 2 : free;
    place.Cell->Cell->ShiftY(place.Box.Top + CellPadding + std::max(0, shift));
  }
  if (Caption && !TopCaption) Caption->Cell->ShiftY(rowY.back());

  const int height = CellSpacing + rowsHeight + captionHeight;
  if (Float) indent.PlaceFloat(Align == THorzAlign::Left, y, tableWidth, HSpace + 1, height + 2 * VSpace);
  TableRect = {x, top, x + tableWidth, top + height};
  maxWidth = std::max(maxWidth, x - indent.LfEdge + tableWidth);
  NumberCursorPositions(curs);
  SectionHeight = Float ? 0 : height;
  DrawHeight = Float ? height + 2 * VSpace : height;
  return SectionHeight;
}

void THtmlTable::WidthRange(TCanvas& canvas, int& min, int& max) {
  ExpandSpans();
  if (NumCols > kMaxColumns) throw EProcessError("Table has too many Columns");
  std::vector<int> mn, mx;
  ColumnRanges(canvas, 1000, mn, mx);
  min = CellSpacing + Sum(mn);
  max = CellSpacing + Sum(mx);
  if (SpecWidth.PixelCount() > 0) max = std::max(min, SpecWidth.PixelCount());
  if (Caption) {
    int captionMin = 0, captionMax = 0;
    Caption->Cell->WidthRange(canvas, captionMin, captionMax);
    min = std::max(min, captionMin);
    max = std::max(max, min);
  }
}

}  // namespace tessaly::preview
