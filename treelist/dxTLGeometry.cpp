// The layout pass: the strips of the client area, the fixed and the scrolling bands, the header
// cells of every band row with their spans, the empty bands and the rows in view, computed afresh
// for every reader; and the rectangles derived from it: a node's row, a cell, the in-place editor
// over it, the parts of a node's tree indent, and the rows that fill a height.
#include <algorithm>

#include "treelist/dxTL.h"
#include "treelist/dxTLDraw.h"

namespace {

constexpr TRect NoRect{-1, -1, -1, -1};

// Two segments with both ends included meet.
bool SegmentsIntersect(int A1, int A2, int B1, int B2) { return A1 <= B2 && B1 <= A2; }

TRect CutHorizontally(const TRect& R, const TRect& Clip) {
  return {std::max(R.Left, Clip.Left), R.Top, std::min(R.Right, Clip.Right), R.Bottom};
}

}  // namespace

void TCustomdxTreeList::CalcRectInfo(TdxTreeListDrawInfo& Info) {
  Info = TdxTreeListDrawInfo{};
  const TdxTreeListMetrics& m = Metrics();
  const TRect c = Info.ClientRect = ClientRect();
  const int top = c.Top + m.GroupPanelHeight;
  if (m.GroupPanelHeight > 0) Info.GroupPanelRect = {c.Left, c.Top, c.Right, top};
  Info.BandRect = {c.Left + m.IndicatorWidth, top, c.Right, top + m.BandHeight};
  Info.HeaderRect = {c.Left + m.IndicatorWidth, Info.BandRect.Bottom, c.Right, Info.BandRect.Bottom + m.HeaderHeight};
  if (m.IndicatorWidth > 0) {
    Info.BandCornerRect = {c.Left, Info.BandRect.Top, Info.BandRect.Left, Info.BandRect.Bottom};
    Info.HeaderCornerRect = {c.Left, Info.HeaderRect.Top, Info.HeaderRect.Left, Info.HeaderRect.Bottom};
  }
  const int newItemRowBottom = Info.HeaderRect.Bottom + m.NewItemRowHeight;
  if (m.NewItemRowHeight > 0) Info.NewItemRowRect = {c.Left, Info.HeaderRect.Bottom, c.Right, newItemRowBottom};
  TRect& rows = Info.RowsRect = {c.Left + m.IndicatorWidth, newItemRowBottom, c.Right,
                                 c.Bottom - m.FooterHeight - m.FilterPanelHeight};
  rows.Bottom = std::max(rows.Bottom, rows.Top);
  Info.IndicatorRect = {c.Left, rows.Top, rows.Left, rows.Bottom};
  Info.FooterRect = {c.Left, rows.Bottom, c.Right, rows.Bottom + m.FooterHeight};
  Info.FilterPanelRect = {c.Left, Info.FooterRect.Bottom, c.Right, Info.FooterRect.Bottom + m.FilterPanelHeight};
}

void TCustomdxTreeList::CalcGeometry(TdxTreeListDrawInfo& Info) {
  CalcRectInfo(Info);
  int scrollLeft = 0, scrollRight = 0;
  CalcFixedBands(Info, scrollLeft, scrollRight);
  CalcScrollingBands(Info, scrollLeft, scrollRight);
  CalcHeaderCells(Info);
  CalcClosingValues(Info, CalcRows(Info));
}

void TCustomdxTreeList::FreeDrawInfo(TdxTreeListDrawInfo& Info) {
  Info.Bands.clear();
  Info.Headers.clear();
  Info.EmptyBands.clear();
  Info.Rows.clear();
}

// The fixed bands take their place at the sides of the band strip and leave the scrolling area
// ScrollLeft .. ScrollRight between them; a band strip wider than all bands ends with them.
void TCustomdxTreeList::CalcFixedBands(TdxTreeListDrawInfo& Info, int& ScrollLeft, int& ScrollRight) {
  const TdxTreeListMetrics& m = Metrics();
  TRect& bands = Info.BandRect;
  const int fixedBottom = Info.RowsRect.Top - (m.NewItemRowHeight > 0 ? m.NewItemRowSeparator : 0);
  Info.Bands.reserve(size_t(GetVisibleBandCount()));
  ScrollLeft = bands.Left;
  if (GetFixedLeftBand() == 0) {
    const int w = CalcBandWidth(0) + GetGroupIndentWidth();
    ScrollLeft += w;
    Info.FixedLeftRect = {bands.Left, bands.Top, bands.Left + w, fixedBottom};
    const TRect r{bands.Left, bands.Top, Info.FixedLeftRect.Right - FLook.FixedBandLineWidth, bands.Bottom};
    Info.Bands.push_back({0, r, r});
    Info.FixedLeftBand = 0;
  }
  const int total = GetBandsWidth();
  if (bands.Width() > total) {
    bands.Right = Info.HeaderRect.Right = bands.Left + total;
    Info.EmptyRightRect = {bands.Right, bands.Top, Info.ClientRect.Right, Info.RowsRect.Bottom};
    if (m.NewItemRowHeight > 0) Info.NewItemRowRect.Right = bands.Right;
  }
  ScrollRight = bands.Right;
  if (const int last = GetFixedRightBand(); last >= 0) {
    const int w = CalcBandWidth(last);
    const int left = std::max({bands.Right - w, Info.FixedLeftRect.Right, Info.IndicatorRect.Right});
    Info.FixedRightRect = {left, bands.Top, left + w, fixedBottom};
    Info.FixedRightBand = last;
    ScrollRight = left;
  }
}

// The scrolling bands, shifted by LeftCoord, each kept when it meets the scrolling area and cut to
// it; then the fixed-right band, so the entries stand in display order.
void TCustomdxTreeList::CalcScrollingBands(TdxTreeListDrawInfo& Info, int ScrollLeft, int ScrollRight) {
  const TRect& bands = Info.BandRect;
  const int first = Info.FixedLeftBand == 0 ? 1 : 0;
  const int end = Info.FixedRightBand >= 0 ? Info.FixedRightBand : GetVisibleBandCount();
  int x = -FLeftCoord;
  for (int b = first; b < end; ++b) {
    const int w = CalcBandWidth(b) + (b == 0 ? GetGroupIndentWidth() : 0);
    if (SegmentsIntersect(x, x + w, 0, ScrollRight - ScrollLeft)) {
      const TRect r{ScrollLeft + x, bands.Top, ScrollLeft + x + w, bands.Bottom};
      Info.Bands.push_back({b, r, {std::max(r.Left, ScrollLeft), r.Top, std::min(r.Right, ScrollRight), r.Bottom}});
    }
    x += w;
    if (Info.FixedRightBand >= 0) Info.LastScrollBand = b;
    // The walk compares the offset from the area's left with the area's right edge.
    if (x > ScrollRight) break;
  }
  if (Info.FixedRightBand >= 0) {
    const TRect r{Info.FixedRightRect.Left + FLook.FixedBandLineWidth, bands.Top, Info.FixedRightRect.Right,
                  bands.Bottom};
    Info.Bands.push_back({Info.FixedRightBand, r, {r.Left, r.Top, bands.Right, r.Bottom}});
  }
}

void TCustomdxTreeList::CalcHeaderCells(TdxTreeListDrawInfo& Info) {
  const int panelRows = GetHeaderPanelRowCount(), rowHeight = Metrics().HeaderRowHeight;
  for (const TdxTreeListBandInfo& band : Info.Bands) {
    const int rows = GetBandRowCount(band.Band);
    for (int r = 0; r < rows; ++r) CalcBandHeaderRow(Info, band, r);
    if (rows > 0) continue;
    const TRect& b = band.Rect;
    const int width = b.Width();
    if (!SegmentsIntersect(b.Left, b.Left + width, band.ClipRect.Left, band.ClipRect.Right)) continue;
    const TRect area{b.Left, b.Bottom, b.Left + width, b.Bottom + panelRows * rowHeight};
    Info.EmptyBands.push_back({band.Band, CutHorizontally(area, band.ClipRect), b.Right > band.ClipRect.Right});
  }
}

bool TCustomdxTreeList::IsLastScrollBand(const TdxTreeListDrawInfo& Info, int Band) {
  return Info.FixedRightBand >= 0 ? Band == Info.LastScrollBand : Band == GetVisibleBandCount() - 1;
}

void TCustomdxTreeList::CalcBandHeaderRow(TdxTreeListDrawInfo& Info, const TdxTreeListBandInfo& Band, int Row) {
  const int panelRows = GetHeaderPanelRowCount(), rowHeight = Metrics().HeaderRowHeight;
  const int bandRows = GetBandRowCount(Band.Band);
  const std::vector<int> widths = CalcRowColumnWidths(Band.Band, Row);
  const int n = int(widths.size());
  const TRect& b = Band.Rect;
  int x = 0;
  for (int p = 0; p < n; ++p) {
    const int span = GetColumnRowSpan(Band.Band, Row, p);
    const TRect cell{b.Left + x, b.Bottom + Row * rowHeight, b.Left + x + widths[size_t(p)],
                     b.Bottom + (Row + span) * rowHeight};
    x += widths[size_t(p)];
    if (!SegmentsIntersect(cell.Left, cell.Right, Band.ClipRect.Left, Band.ClipRect.Right)) continue;
    TdxTreeListHeaderInfo h;
    h.Column = GetBandColumn(Band.Band, Row, p);
    h.Band = Band.Band;
    h.Row = Row;
    h.Position = p;
    h.RowSpan = span;
    h.MultiLine = IsColumnMultiLine(h.Column);
    h.FirstInRow = p == 0;
    h.LastInRow = p == n - 1;
    h.First = p == 0 && Band.Band == 0;
    h.Last = p == n - 1 && IsLastScrollBand(Info, Band.Band);
    h.Rect = cell;
    h.ClipRect = CutHorizontally(cell, Band.ClipRect);
    if (Row == bandRows - 1 && Row + span < panelRows)
      h.BelowRect = {h.ClipRect.Left, cell.Bottom, h.ClipRect.Right, b.Bottom + panelRows * rowHeight};
    Info.Headers.push_back(h);
  }
}

// A header spans one row, except in its band's last row, where it reaches down as many rows as its
// column's header lines (all the rows for 0), within the header panel.
int TCustomdxTreeList::GetColumnRowSpan(int Band, int Row, int Position) {
  if (Row != GetBandRowCount(Band) - 1) return 1;
  const int panelRows = GetHeaderPanelRowCount();
  int span = GetColumnMaxLineCount(GetBandColumn(Band, Row, Position));
  if (span <= 0) span = panelRows;
  return Row + span > panelRows ? std::max(panelRows - Row, 1) : span;
}

// The rows in view from the top visible node down to the bottom of the rows area; answers the y
// where they end.
int TCustomdxTreeList::CalcRows(TdxTreeListDrawInfo& Info) {
  const TdxTreeListMetrics& m = Metrics();
  const bool multiLine = IsMultiLineRows(), preview = IsPreviewVisible();
  Info.Rows.reserve(size_t(Info.RowsRect.Height() / std::max(FLook.RowHeight, 1) + 1));
  int y = Info.RowsRect.Top;
  for (TdxTreeListNode* node = FTopVisibleNode; node && y < Info.RowsRect.Bottom; node = GetNextVisibleNode(node)) {
    TdxTreeListRowInfo row;
    row.Node = node;
    row.Group = IsGroupNode(node);
    row.Selected = node->Selected();
    row.Height = CalcNodeRowHeight(node, FLook.RowHeight);
    row.FooterCount = GetRowFooterCount(node);
    row.RowFootersHeight = row.FooterCount * m.RowFooterHeight;
    row.IndicatorKind = GetIndicatorKind(node, row.Selected);
    row.PreviewLines = preview ? GetPreviewLineCount(node) : 0;
    int lineHeight = FLook.RowHeight;
    row.LineCount = multiLine ? GetNodeLineCount(node, lineHeight) : -1;
    Info.Rows.push_back(row);
    y += row.Height;
  }
  return y;
}

void TCustomdxTreeList::CalcClosingValues(TdxTreeListDrawInfo& Info, int RowsEnd) {
  const bool fixedLeft = !RectIsPoint(Info.FixedLeftRect), fixedRight = !RectIsPoint(Info.FixedRightRect);
  const int shift = fixedLeft ? 0 : FLeftCoord;
  TRect& rows = Info.RowsRect;
  Info.CellsRight = GetBandsWidth() + rows.Left - 1 - shift;
  if (fixedRight) Info.CellsRight = std::min(Info.CellsRight, rows.Right - 1);
  if (RowsEnd < rows.Bottom) {
    Info.RowsBottom = RowsEnd - 1;
    Info.EmptyBottomRect = {Info.ClientRect.Left, RowsEnd, Info.CellsRight + 1, rows.Bottom};
    Info.IndicatorRect.Bottom = RowsEnd;
  }
  int& first = Info.FirstBandVisibleWidth;
  first = GetVisibleBandCount() > 0 ? CalcBandWidth(0) + GetGroupIndentWidth() : 0;
  if (fixedLeft) first = std::min(first, Info.FixedLeftRect.Right - FLook.FixedBandLineWidth - rows.Left);
  if (fixedRight && rows.Left + first - shift > Info.FixedRightRect.Left) first = Info.FixedRightRect.Left - rows.Left + shift;
  Info.RowSeparatorWidth = FLook.ShowGrid ? GetRowSeparatorWidth() : 0;
  for (TRect* strip : {&Info.BandRect, &Info.BandCornerRect, &Info.HeaderRect, &Info.HeaderCornerRect})
    if (strip->Top == strip->Bottom) *strip = TRect{};
}

// --- indents, rows and cells -------------------------------------------------------------------------

void TCustomdxTreeList::GetNodeIndentWidth(TdxTreeListNode* Node, int& ButtonsWidth, int& FullWidth) {
  const TdxTreeListMetrics& m = Metrics();
  const int level = Node->Level();
  ButtonsWidth = (Node->HasChildren() || LeafIndent() ? level + 1 : level) * m.Indent;
  if (!RootIndent()) ButtonsWidth -= m.Indent;
  FullWidth = ButtonsWidth + (GetNodeStateIndex(Node) != -1 ? m.StateImageSize.cx : 0) + m.ImageSize.cx;
}

void TCustomdxTreeList::CalcNodeIndentRects(TdxTreeListNode* Node, int Top, int Bottom, int Limit, TRect& ImageRect,
                                            TRect& StateImageRect, TRect& ButtonRect, TRect& IndentRect) {
  const TdxTreeListMetrics& m = Metrics();
  const int indent = m.Indent, level = Node->Level();
  const int leafShift = !Node->HasChildren() && !LeafIndent() ? indent : 0;
  const int start = (level + 1) * indent;
  ImageRect = StateImageRect = ButtonRect = IndentRect = TRect{};
  if (Node->HasChildren() && FLook.ShowButtons) ButtonRect = {level * indent, Top, start, Bottom};
  if (GetNodeStateIndex(Node) != -1)
    StateImageRect = {start - leafShift, Top, start - leafShift + m.StateImageSize.cx, Bottom};
  if (GetNodeImageIndex(Node) != -1 || GetNodeSelectedIndex(Node) != -1) {
    if (!IsRectEmpty(StateImageRect))
      ImageRect = {StateImageRect.Right, Top, StateImageRect.Right + m.ImageSize.cx, Bottom};
    else
      ImageRect = {start - leafShift, Top, start - leafShift + m.ImageSize.cx - 1, Bottom};
  }
  int x = 0;
  bool found = false;
  for (const TRect* part : {&ImageRect, &StateImageRect, &ButtonRect})
    if (!RectIsPoint(*part) && (!found || part->Left < x)) x = part->Left, found = true;
  if (x > 0) IndentRect = {0, Top, x, Bottom};
  for (TRect* part : {&ImageRect, &StateImageRect, &ButtonRect, &IndentRect}) {
    if (RectIsPoint(*part)) continue;
    if (!RootIndent()) OffsetRect(*part, -indent, 0);
    part->Right = std::min(part->Right, Limit);
    if (part->Left >= Limit) *part = TRect{};
  }
}

TRect TCustomdxTreeList::GetRowsRect() {
  TdxTreeListDrawInfo info;
  CalcRectInfo(info);
  return info.RowsRect;
}

TRect TCustomdxTreeList::GetNodeRect(TdxTreeListNode* Node) {
  const TRect rows = GetRowsRect();
  int y = rows.Top;
  for (TdxTreeListNode* node = FTopVisibleNode; node && y < rows.Bottom; node = GetNextVisibleNode(node)) {
    const int height = CalcNodeRowHeight(node, FLook.RowHeight);
    if (node == Node) return {rows.Left, y, rows.Right, y + height};
    y += height;
  }
  return NoRect;
}

TRect TCustomdxTreeList::GetNodeFullRect(TdxTreeListNode* Node) {
  TRect r = GetNodeRect(Node);
  if (r.Left != -1) r.Bottom = GetRowsRect().Bottom;
  return r;
}

namespace {

const TdxTreeListHeaderInfo* FindHeader(const TdxTreeListDrawInfo& Info, int Column) {
  for (const TdxTreeListHeaderInfo& h : Info.Headers)
    if (h.Column == Column) return &h;
  return nullptr;
}

}  // namespace

TRect TCustomdxTreeList::GetNodeCellRect(TdxTreeListNode* Node, int VisualColumn) {
  const int column = GetVisibleColumnAt(VisualColumn);
  if (column < 0 || !Node) return NoRect;
  TdxTreeListDrawInfo info;
  CalcGeometry(info);
  const TdxTreeListHeaderInfo* h = FindHeader(info, column);
  int top = info.RowsRect.Top;
  const TdxTreeListRowInfo* row = nullptr;
  for (const TdxTreeListRowInfo& r : info.Rows) {
    if (r.Node == Node) {
      row = &r;
      break;
    }
    top += r.Height;
  }
  if (!h || !row) return NoRect;
  int buttons = 0, full = 0;
  GetNodeIndentWidth(Node, buttons, full);
  TRect cell{h->Rect.Left, 0, h->Rect.Right, 0};
  if (h->Band == 0) {
    const int headerLeft = h->Rect.Left + (RectIsPoint(info.FixedLeftRect) ? FLeftCoord : 0);
    cell.Left += std::max(0, buttons - (headerLeft - info.RowsRect.Left));
  }
  const int pad = !FLook.ShowGrid && Node->HasChildren() && !LeafIndent() ? 1 : 0;
  cell.Top = top + h->Row * FLook.RowHeight + pad;
  cell.Bottom = top + (h->Row + h->RowSpan) * FLook.RowHeight + pad - (FLook.ShowGrid && FLook.ShowPreviewGrid ? 1 : 0);
  if (IsMultiLineRows()) cell.Bottom = cell.Top + row->Height - info.RowSeparatorWidth - row->RowFootersHeight;
  return cell;
}

TRect TCustomdxTreeList::GetEditorRect(TdxTreeListNode* Node, int VisualColumn) {
  TRect r = GetNodeCellRect(Node, VisualColumn);
  if (r.Left == -1 && r.Right == -1) return r;
  TdxTreeListDrawInfo info;
  CalcGeometry(info);
  const TdxTreeListHeaderInfo& h = *FindHeader(info, GetVisibleColumnAt(VisualColumn));
  const int lastBand = GetVisibleBandCount() - 1;
  const bool gridBoth = FLook.ShowGrid && FLook.ShowPreviewGrid;
  if (gridBoth) {
    const bool keepsRight = h.LastInRow && (h.Band == info.FixedLeftBand ||
                                            (info.FixedRightBand >= 0 && h.Band == info.FixedRightBand - 1));
    if (!keepsRight) --r.Right;
  } else if (h.LastInRow && h.Band == lastBand && (!IsInvertSelect() || FLook.ShowGrid)) {
    --r.Right;
  }
  int buttons = 0, full = 0;
  GetNodeIndentWidth(Node, buttons, full);
  const bool firstOfBand0 = h.Band == 0 && h.FirstInRow;
  const int shift = RectIsPoint(info.FixedLeftRect) ? FLeftCoord : 0;
  if (firstOfBand0) r.Left = std::max(r.Left, info.RowsRect.Left + full - shift);
  if (IsNewItemRowActive()) {
    if (firstOfBand0) r.Left -= full;
    r.Top = info.NewItemRowRect.Top;
    r.Bottom = r.Top + FLook.RowHeight - (gridBoth ? 1 : 0);
  }
  if (IsInvertSelect()) {
    ++r.Top;
    --r.Bottom;
    if (firstOfBand0) ++r.Left;
    if (h.LastInRow && h.Band == lastBand) --r.Right;
  }
  return r;
}

// --- rows that fill a height ---------------------------------------------------------------------------

int TCustomdxTreeList::CalcRowsInHeight(TdxTreeListNode* TopNode, int Height, int& Visible, int& FullyVisible) {
  int used = 0;
  Visible = FullyVisible = 0;
  const auto add = [&](TdxTreeListNode* Node) {
    used += CalcNodeRowHeight(Node, FLook.RowHeight);
    ++Visible;
    if (used <= Height) ++FullyVisible;
  };
  for (TdxTreeListNode* node = TopNode; node && used < Height; node = GetNextVisibleNode(node)) add(node);
  for (TdxTreeListNode* node = TopNode ? GetPrevVisibleNode(TopNode) : nullptr; node && used < Height;
       node = GetPrevVisibleNode(node))
    add(node);
  Visible = std::max(Visible, 1);
  FullyVisible = std::max(FullyVisible, 1);
  return used;
}

void TCustomdxTreeList::CalcVisibleRowCounts() {
  TdxTreeListNode* top = FTopVisibleNode ? FTopVisibleNode : GetFirstNode();
  CalcRowsInHeight(top, GetRowsRect().Height(), FVisibleRowCount, FFullyVisibleRowCount);
}
