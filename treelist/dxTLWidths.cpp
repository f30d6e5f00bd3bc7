// Band and column widths: the least and the natural width of a band, the display widths with
// AutoWidth sharing the bands area, the offsets and widths of the scrolling part, the display
// widths of the columns of a header row, and the rules that apply a width the user gives a band
// or a column.
#include <algorithm>
#include <numeric>

#include "rtl/Arith.h"
#include "treelist/dxTL.h"

namespace {

// New widths for Absorbers (indexes into Widths) so that together they give up Growth pixels, each
// in proportion to its width, the last taking the remainder so that the total is exact.
void Absorb(std::vector<int>& Widths, const std::vector<int>& Absorbers, int Growth) {
  int oldTotal = 0;
  for (int i : Absorbers) oldTotal += Widths[size_t(i)];
  if (Absorbers.empty() || oldTotal <= 0) return;
  const int newTotal = oldTotal - Growth;
  int given = 0;
  for (size_t k = 0; k + 1 < Absorbers.size(); ++k) {
    int& w = Widths[size_t(Absorbers[k])];
    w = MulDiv(w, newTotal, oldTotal);
    given += w;
  }
  Widths[size_t(Absorbers.back())] = newTotal - given;
}

// Part of Amount in proportion Part / Whole; nothing when there is no whole to share by.
int ShareOf(int Amount, int Part, int Whole) { return Whole > 0 ? MulDiv(Amount, Part, Whole) : 0; }

// The indexes right of Index, or left of it when it is the last of Count.
std::vector<int> AbsorbersOf(int Index, int Count) {
  std::vector<int> absorbers;
  if (Index < Count - 1)
    for (int i = Index + 1; i < Count; ++i) absorbers.push_back(i);
  else
    for (int i = 0; i < Index; ++i) absorbers.push_back(i);
  return absorbers;
}

}  // namespace

int TCustomdxTreeList::BandMinWidth(int Band) {
  int width = IsBandSizable(Band) ? GetBandMinWidth(Band) : GetVisibleBandWidth(Band);
  for (int r = 0; r < GetBandRowCount(Band); ++r) {
    int row = 0;
    for (int p = 0; p < GetBandRowColumnCount(Band, r); ++p) row += GetColumnMinWidth(GetBandColumn(Band, r, p));
    width = std::max(width, row);
  }
  return width;
}

int TCustomdxTreeList::BandNaturalWidth(int Band) {
  int width = 0;
  if (IsBandHeaderWidth())
    for (int r = 0; r < GetBandRowCount(Band); ++r) {
      int row = 0;
      for (int p = 0; p < GetBandRowColumnCount(Band, r); ++p) row += GetColumnWidth(GetBandColumn(Band, r, p));
      width = std::max(width, row);
    }
  if (width == 0) width = GetVisibleBandWidth(Band);
  return std::max(width, BandMinWidth(Band));
}

int TCustomdxTreeList::GetBandsWidth() {
  const int count = GetVisibleBandCount();
  if (count == 0) return 0;
  const int indent = GetGroupIndentWidth();
  if (!IsAutoWidth()) {
    const std::vector<int> widths = CalcBandWidths();
    return std::accumulate(widths.begin(), widths.end(), indent);
  }
  int minimums = indent;
  bool sizable = false;
  for (int b = 0; b < count; ++b) {
    minimums += BandMinWidth(b);
    sizable = sizable || IsBandSizable(b);
  }
  const int area = ClientWidth() - Metrics().IndicatorWidth;
  return !sizable || minimums > area ? minimums : area;
}

int TCustomdxTreeList::CalcBandWidth(int Band) {
  const std::vector<int> widths = CalcBandWidths();
  return Band >= 0 && Band < int(widths.size()) ? widths[size_t(Band)] : 0;
}

// Without AutoWidth the natural widths. With it, the bands area W is shared in proportion to the
// natural widths; when some share falls below its band's minimum, the bands whose shares fit take
// their minimum and a proportion of what the minimums leave. The last band takes the remainder.
std::vector<int> TCustomdxTreeList::CalcBandWidths() {
  const int count = GetVisibleBandCount();
  std::vector<int> natural(size_t(std::max(count, 0)));
  for (int b = 0; b < count; ++b) natural[size_t(b)] = BandNaturalWidth(b);
  if (!IsAutoWidth() || count == 0) return natural;
  const int area = GetBandsWidth() - GetGroupIndentWidth();
  const int total = std::accumulate(natural.begin(), natural.end(), 0);
  std::vector<int> minimum(natural.size()), share(natural.size());
  int minimums = 0, fitting = 0;
  for (int b = 0; b < count; ++b) {
    minimum[size_t(b)] = BandMinWidth(b);
    minimums += minimum[size_t(b)];
    share[size_t(b)] = ShareOf(area, natural[size_t(b)], total);
    if (IsBandSizable(b) && share[size_t(b)] > minimum[size_t(b)]) fitting += natural[size_t(b)];
  }
  std::vector<int> widths(natural.size());
  int used = 0;
  for (int b = 0; b + 1 < count; ++b) {
    const size_t i = size_t(b);
    if (!IsBandSizable(b))
      widths[i] = natural[i];
    else if (fitting == total)
      widths[i] = share[i];
    else
      widths[i] = minimum[i] + (share[i] > minimum[i] ? MulDiv(area - minimums, natural[i], fitting) : 0);
    used += widths[i];
  }
  widths.back() = area - used;
  return widths;
}

int TCustomdxTreeList::BandRectWidth(int Band) {
  const bool fixed = Band == GetFixedLeftBand() || Band == GetFixedRightBand();
  return CalcBandWidth(Band) + (Band == 0 ? GetGroupIndentWidth() : 0) - (fixed ? FLook.FixedBandLineWidth : 0);
}

int TCustomdxTreeList::GetBandOffset(int Band) {
  const int count = GetVisibleBandCount();
  if (count < 2 || Band < 0 || Band >= count || Band == GetFixedLeftBand() || Band == GetFixedRightBand()) return 0;
  const std::vector<int> widths = CalcBandWidths();
  int offset = 0;
  for (int b = GetFixedLeftBand() == 0 ? 1 : 0; b < Band; ++b) offset += widths[size_t(b)] + (b == 0 ? GetGroupIndentWidth() : 0);
  return offset;
}

namespace {

int FixedBandsWidth(TCustomdxTreeList& List) {
  int width = 0;
  if (List.GetFixedLeftBand() == 0) width += List.CalcBandWidth(0) + List.GetGroupIndentWidth();
  if (const int right = List.GetFixedRightBand(); right >= 0) width += List.CalcBandWidth(right);
  return width;
}

}  // namespace

int TCustomdxTreeList::GetScrollableBandsWidth() { return GetBandsWidth() - FixedBandsWidth(*this); }

int TCustomdxTreeList::GetScrollableClientWidth() {
  return std::max(0, ClientWidth() - Metrics().IndicatorWidth - FixedBandsWidth(*this));
}

// --- columns in a header row ---------------------------------------------------------------------

std::vector<int> TCustomdxTreeList::CalcRowColumnWidths(int Band, int Row) {
  const int n = GetBandRowColumnCount(Band, Row);
  std::vector<int> result(size_t(std::max(n, 0)));
  if (n <= 0) return result;
  const int indent = Band == 0 ? GetGroupIndentWidth() : 0;
  const int bandWidth = BandRectWidth(Band);
  int shared = bandWidth - indent, total = 0, minimums = 0, fitting = 0;
  bool tooNarrow = false;
  for (int p = 0; p < n; ++p) {
    const int column = GetBandColumn(Band, Row, p);
    total += GetColumnWidth(column);
    minimums += GetColumnMinWidth(column);
  }
  for (int p = 0; p < n; ++p) {
    const int column = GetBandColumn(Band, Row, p);
    if (!IsColumnSizable(column)) continue;
    if (ShareOf(shared, GetColumnWidth(column), total) >= GetColumnMinWidth(column))
      fitting += GetColumnWidth(column);
    else
      tooNarrow = true;
  }
  int x = 0;
  for (int p = 0; p < n; ++p) {
    const int column = GetBandColumn(Band, Row, p);
    const int width = GetColumnWidth(column), least = GetColumnMinWidth(column);
    int w = width;
    if (p == n - 1) {
      w = bandWidth - x;
    } else if (IsColumnSizable(column)) {
      const int share = ShareOf(shared, width, total);
      if (fitting == total || (share > least && !tooNarrow))
        w = share;
      else if (share <= least)
        w = least;
      else
        w = MulDiv(shared - minimums, width, fitting) + least;
    } else {
      shared -= width;
      total -= width;
      minimums -= width;
    }
    if (p == 0 && n > 1) w += indent;
    result[size_t(p)] = w;
    x += w;
  }
  return result;
}

std::vector<int> TCustomdxTreeList::CalcColumnPositions() {
  std::vector<int> positions(size_t(std::max(GetTotalColumnCount(), 0)));
  const int indent = GetGroupIndentWidth();
  for (int b = 0; b < GetVisibleBandCount(); ++b)
    for (int r = 0; r < GetBandRowCount(b); ++r) {
      const std::vector<int> widths = CalcRowColumnWidths(b, r);
      for (size_t p = 0; p < widths.size(); ++p) {
        const int column = GetBandColumn(b, r, int(p));
        if (column >= 0 && column < int(positions.size()))
          positions[size_t(column)] = widths[p] - (b == 0 && p == 0 ? indent : 0);
      }
    }
  return positions;
}

int TCustomdxTreeList::GetColumnPosition(int Column) {
  const std::vector<int> positions = CalcColumnPositions();
  return Column >= 0 && Column < int(positions.size()) ? positions[size_t(Column)] : 0;
}

// --- widths the user gives ---------------------------------------------------------------------------

void TCustomdxTreeList::ApplyBandWidth(int Band, int Width) {
  if (Band < 0 || Band >= GetVisibleBandCount()) return;
  const int newWidth = Width - (Band == 0 ? GetGroupIndentWidth() : 0);
  if (IsAutoWidth()) return ApplyAutoWidthBandWidth(Band, newWidth);
  const int oldWidth = CalcBandWidth(Band);
  std::vector<int> columns;
  for (int r = 0; r < GetBandRowCount(Band); ++r)
    for (int p = 0; p < GetBandRowColumnCount(Band, r); ++p) columns.push_back(GetBandColumn(Band, r, p));
  InsideUpdate([&] {
    if (oldWidth > 0)
      for (int column : columns) SetColumnWidthByUser(column, MulDiv(GetColumnWidth(column), newWidth, oldWidth));
    SetBandWidthByUser(Band, newWidth);
  });
}

void TCustomdxTreeList::ApplyAutoWidthBandWidth(int Band, int Width) {
  std::vector<int> widths = CalcBandWidths();
  Absorb(widths, AbsorbersOf(Band, int(widths.size())), Width - widths[size_t(Band)]);
  widths[size_t(Band)] = Width;
  InsideUpdate([&] {
    for (size_t b = 0; b < widths.size(); ++b) SetBandWidthByUser(int(b), widths[b]);
  });
}

void TCustomdxTreeList::ApplyColumnWidth(int Column, int Width) {
  int band = -1, row = -1, position = -1;
  for (int b = 0; b < GetVisibleBandCount() && band < 0; ++b)
    for (int r = 0; r < GetBandRowCount(b) && band < 0; ++r)
      for (int p = 0; p < GetBandRowColumnCount(b, r); ++p)
        if (GetBandColumn(b, r, p) == Column) band = b, row = r, position = p;
  if (band < 0) return;
  std::vector<int> widths = CalcRowColumnWidths(band, row);
  if (band == 0) widths[0] -= GetGroupIndentWidth();
  if (IsBandHeaderWidth() && !IsAutoWidth() && GetBandRowCount(band) < 2) {
    const int bandWidth = CalcBandWidth(band) - widths[size_t(position)] + Width;
    InsideUpdate([&] {
      SetColumnWidthByUser(Column, Width);
      SetBandWidthByUser(band, bandWidth);
    });
    return;
  }
  Absorb(widths, AbsorbersOf(position, int(widths.size())), Width - widths[size_t(position)]);
  widths[size_t(position)] = Width;
  const int rowTotal = std::accumulate(widths.begin(), widths.end(), 0);
  // The other header rows of a band sized by its headers follow the new row total.
  std::vector<std::pair<int, int>> others;
  if (IsBandHeaderWidth())
    for (int r = 0; r < GetBandRowCount(band); ++r) {
      if (r == row) continue;
      std::vector<int> rowWidths, rowColumns;
      for (int p = 0; p < GetBandRowColumnCount(band, r); ++p) {
        rowColumns.push_back(GetBandColumn(band, r, p));
        rowWidths.push_back(GetColumnWidth(rowColumns.back()));
      }
      const int sum = std::accumulate(rowWidths.begin(), rowWidths.end(), 0);
      std::vector<int> all(rowWidths.size());
      std::iota(all.begin(), all.end(), 0);
      if (!all.empty()) Absorb(rowWidths, all, sum - rowTotal);
      for (size_t k = 0; k < rowColumns.size(); ++k) others.emplace_back(rowColumns[k], rowWidths[k]);
    }
  std::vector<int> columns;
  for (int p = 0; p < int(widths.size()); ++p) columns.push_back(GetBandColumn(band, row, p));
  InsideUpdate([&] {
    for (size_t p = 0; p < columns.size(); ++p) SetColumnWidthByUser(columns[p], widths[p]);
    for (const auto& [column, width] : others) SetColumnWidthByUser(column, width);
  });
}
