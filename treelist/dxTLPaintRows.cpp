// The rows painter, the last painter of a pass. Pass 1 paints the tree indent of every row: level
// columns, dotted or solid tree lines, expand buttons, state images and images. Pass 2 paints
// each row: a group row's text, or the fixed-band lines, the cells with their selection and focus,
// the empty bands, the preview and the row footers; then the row's focus frame, indent lines and
// separator. The grid lines of the whole area go out together at the end.
#include <algorithm>

#include "editors/dxDrawing.h"
#include "rtl/ScopeExit.h"
#include "treelist/dxTLPaint_p.h"

void TdxTreeListPainter::DrawContent() {
  for (const TRect* empty : {&FInfo.EmptyRightRect, &FInfo.EmptyBottomRect})
    if (!IsRectEmpty(*empty) && RectVisible(FDC, *empty)) FillRect(FDC, *empty, FBackgroundBrush);
  if (!RectVisible(FDC, FInfo.RowsRect) || FInfo.Bands.empty() || FInfo.Rows.empty()) return;
  PaintIndentStrip();
  FSegments.clear();
  FCanvas.Font()->Assign(FList.Font());
  SetTextColor(FDC, FList.Font()->Color());
  int y = FInfo.RowsRect.Top;
  for (size_t i = 0; i < FInfo.Rows.size(); ++i) {
    const TdxTreeListRowInfo& row = FInfo.Rows[i];
    {
      const TdxTreeListNodeAccess access(FList, row.Node);
      PaintRow(row, y, i);
    }
    y += row.Height;
  }
  if (FList.ShowGrid())
    AddSegment(FInfo.CellsRight, FInfo.RowsRect.Top, FInfo.CellsRight,
               FInfo.RowsBottom != -1 ? FInfo.RowsBottom + 1 : FInfo.RowsRect.Bottom);
  DrawSegments(FList.ShowGrid() ? FList.GetGridLineColor(FList.Color()) : FList.Color());
}

// --- pass 1: the tree indent ----------------------------------------------------------------------------

void TdxTreeListPainter::PaintIndentStrip() {
  const TRect& rows = FInfo.RowsRect;
  int left = rows.Left, right = rows.Left + FInfo.FirstBandVisibleWidth;
  if (!HasLeftFixed()) {
    right -= FList.LeftCoord();
    left = std::min(left, right);
  }
  SetClipRect({left, rows.Top, right, rows.Bottom});
  const COLORREF savedBk = GetBkColor(FDC);
  const auto restore = ScopeExit([&] {
    SetBkColor(FDC, savedBk);
    RestoreClipRect();
  });
  const bool dotted = FList.LeafIndent() && FList.ShowLines() && FList.TreeLineStyle() == 1;
  FLineBrush = dotted ? CheckerboardBrush() : FTreeLineBrush;
  if (dotted) {
    // The dots keep their place against the rows' origin, whatever its parity.
    const bool sameParity = (rows.Left & 1) == (rows.Top & 1);
    SetBkColor(FDC, sameParity ? FList.TreeLineColor() : FList.Color());
    SetTextColor(FDC, sameParity ? FList.Color() : FList.TreeLineColor());
  }
  int y = rows.Top;
  for (size_t i = 0; i < FInfo.Rows.size(); ++i) {
    TdxTreeListRowInfo& row = FInfo.Rows[i];
    {
      const TdxTreeListNodeAccess access(FList, row.Node);
      PaintRowIndent(row, y, i);
    }
    y += row.Height;
  }
}

void TdxTreeListPainter::PaintRowIndent(TdxTreeListRowInfo& Row, int Y, size_t Index) {
  TdxTreeListNode* node = Row.Node;
  const TdxTreeListMetrics& m = FList.Metrics();
  const int indent = m.Indent, level = node->Level(), height = Row.Height;
  const bool tree = FList.LeafIndent(), children = node->HasChildren();
  const int topPad = !FList.ShowGrid() && children && !tree ? 1 : 0;
  const int rootShift = FList.RootIndent() ? 0 : indent;
  int levelWidth = 0, width = 0;
  FList.GetNodeIndentWidth(node, levelWidth, width);
  Row.IndentWidth = width;
  TRect area{FInfo.RowsRect.Left - Shift(), Y, FInfo.RowsRect.Left + width - Shift(), Y + height};
  if (!IsRectEmpty(area)) {
    const int limit = GetIndentLineLimit(node, Index);
    const int coloured = level - (children ? 0 : 1);
    const int columns = level + (children || tree ? 1 : 0);
    TRect last;
    HBRUSH lastBrush;
    for (int j = 0; j < columns; ++j) {
      TRect r{FInfo.RowsRect.Left + j * indent - rootShift, Y + (j == columns - 1 ? topPad : 0),
              FInfo.RowsRect.Left + (j + 1) * indent - 1 - rootShift, Y + height};
      if (tree && !FList.ShowGrid())
        ++r.Right;
      else if (FInfo.RowsRect.Left + limit < r.Right)
        r.Bottom = Y + height - FInfo.RowSeparatorWidth;
      OffsetRect(r, -Shift(), 0);
      if (Row.FooterCount > 0) {
        const int above = FList.GetRowFooterCountAbove(node, j);
        if (above != -1) r.Bottom -= above * m.RowFooterHeight;
      }
      TColor color = FList.GroupNodeColor();
      HBRUSH brush = tree ? FBackgroundBrush : FGroupBrush;
      if (!tree && j <= coloured && FList.HasLevelColorEvent()) brush = GetLevelBrush(j, color);
      FillRect(FDC, r, brush);
      last = r;
      lastBrush = brush;
    }
    if (tree && FList.ShowLines()) PaintTreeLines(Row, Y, Index);
    if (children && columns > 0 && !(tree && FList.ShowGrid()))
      FillRect(FDC, {last.Right, last.Top, last.Right + 1, Y + height - FInfo.RowSeparatorWidth}, lastBrush);
    if (FList.ShowButtons() && children) {
      TRect cell{FInfo.RowsRect.Left + level * indent - rootShift - Shift(), Y + topPad, 0,
                 Y + height - FInfo.RowSeparatorWidth};
      cell.Right = cell.Left + indent - 1;
      if (tree) {
        cell.Bottom = Y + height;
        DrawTreeButton(FDC, cell, Y + height / 2, !node->Expanded());
      } else if (FList.LookAndFeel() == lfUltraFlat) {
        DrawUltraFlatGridButton(FDC, cell, !node->Expanded());
      } else {
        DrawGridButton(FDC, cell, !node->Expanded());
      }
    }
  }
  PaintRowImages(Row, Y);
  Row.IndentWidth = std::min(Row.IndentWidth, FInfo.FirstBandVisibleWidth);
}

void TdxTreeListPainter::FillLine(int X1, int Y1, int X2, int Y2) { FillRect(FDC, {X1, Y1, X2 + 1, Y2 + 1}, FLineBrush); }

void TdxTreeListPainter::PaintTreeLines(const TdxTreeListRowInfo& Row, int Y, size_t Index) {
  TdxTreeListNode* node = Row.Node;
  const TdxTreeListMetrics& m = FList.Metrics();
  const int indent = m.Indent, height = Row.Height, middle = Y + height / 2;
  const bool button = FList.ShowButtons() && node->HasChildren();
  const int x0 = FInfo.RowsRect.Left + node->Level() * indent - (FList.RootIndent() ? 0 : indent) - Shift();
  FillLine(x0 + indent / 2 - 1 + (button ? 5 : 0), middle, x0 + indent - 1, middle);
  int xc = x0 + indent / 2 - 1;
  // The first child's line starts at the bottom of its parent's image.
  int y0 = Y;
  if (Index > 0 && m.ImageSize.cy > 0 && node->Parent() && node->Parent()->GetFirstChild() == node)
    y0 -= (FInfo.Rows[Index - 1].Height - m.ImageSize.cy) / 2;
  const bool first = node == FList.GetFirstNode();
  if (button) {
    if (!first) FillLine(xc, y0, xc, middle - 5);
    if (!node->IsLast()) FillLine(xc, middle + 5, xc, Y + height);
  } else {
    const int start = first ? middle : y0, end = node->IsLast() ? middle : Y + height;
    if (end > start) FillLine(xc, start, xc, end);
  }
  for (TdxTreeListNode* parent = node->Parent(); parent; parent = parent->Parent()) {
    xc -= indent;
    if (!parent->IsLast()) FillLine(xc, Y, xc, Y + height);
  }
}

void TdxTreeListPainter::PaintRowImages(const TdxTreeListRowInfo& Row, int Y) {
  TdxTreeListNode* node = Row.Node;
  const TdxTreeListMetrics& m = FList.Metrics();
  const int bottom = Y + Row.Height - FInfo.RowSeparatorWidth - Row.RowFootersHeight;
  HBRUSH brush = FBackgroundBrush;
  if (!FList.LeafIndent() && (Row.Group || node->HasChildren())) {
    TColor color = FList.GroupNodeColor();
    brush = FList.HasLevelColorEvent() ? GetLevelBrush(node->Level(), color) : FGroupBrush;
  }
  int levelWidth = 0, width = 0;
  FList.GetNodeIndentWidth(node, levelWidth, width);
  int x = FInfo.RowsRect.Left + levelWidth - Shift();
  if (const int state = FList.GetNodeStateIndex(node); state != -1) {
    const TRect cell{x, Y, x + m.StateImageSize.cx, bottom};
    FillRect(FDC, cell, brush);
    DrawImageCentered(FDC, cell, FList.StateImages(), state);
    x += m.StateImageSize.cx;
  }
  const TRect cell{x, Y, x + m.ImageSize.cx, bottom};
  FillRect(FDC, cell, brush);
  DrawImageCentered(FDC, cell, FList.Images(), Row.Selected ? FList.GetNodeSelectedIndex(node) : FList.GetNodeImageIndex(node));
}

int TdxTreeListPainter::GetIndentLineLimit(TdxTreeListNode* Node, size_t RowIndex) {
  const int indent = FList.Metrics().Indent;
  int limit = Node->Level() * indent;
  if (Node->Expanded())
    limit += indent - 1;
  else if (!Node->HasChildren() && Node->IsLast())
    limit -= indent;
  if (RowIndex + 1 < FInfo.Rows.size() && FInfo.Rows[RowIndex + 1].Node->Level() < Node->Level())
    limit = FInfo.Rows[RowIndex + 1].Node->Level() * indent;
  if (Node == FList.GetLastNode()) limit = 0;
  if (!FList.RootIndent()) limit -= indent;
  return limit;
}

// --- pass 2: the rows -----------------------------------------------------------------------------------

void TdxTreeListPainter::PaintRow(const TdxTreeListRowInfo& Row, int Y, size_t Index) {
  const int topPad = !FList.ShowGrid() && Row.Node->HasChildren() && !FList.LeafIndent() ? 1 : 0;
  if (Row.Group) {
    PaintGroupRow(Row, Y, topPad);
  } else {
    PaintFixedBandRowLines(Row, Y);
    PaintCells(Row, Y, topPad);
    PaintPreview(Row, Y);
    PaintRowFooters(Row, Y);
  }
  PaintRowFocus(Row, Y);
  AddIndentGridLines(Row, Y);
  AddRowSeparator(Row, Y, Index);
}

TRect TdxTreeListPainter::GetRowCellsRect(int IndentWidth, int Top, int Bottom) {
  const TRect& rows = FInfo.RowsRect;
  TRect r{rows.Left + IndentWidth - Shift(), Top, FList.GetBandsWidth() + rows.Left - FGridWidth - Shift(), Bottom};
  if (HasRightFixed()) r.Right = std::min(r.Right, rows.Right - FGridWidth);
  return r;
}

void TdxTreeListPainter::PaintGroupRow(const TdxTreeListRowInfo& Row, int Y, int TopPad) {
  TdxTreeListNode* node = Row.Node;
  const TRect r = GetRowCellsRect(Row.IndentWidth, Y + TopPad, Y + Row.Height - FInfo.RowSeparatorWidth);
  if (FClipNeeded) SetClipRect({FInfo.RowsRect.Left, r.Top, FInfo.RowsRect.Right, r.Bottom});
  const auto restore = ScopeExit([&] { RestoreClipRect(); });
  const bool selected = Row.Selected && (!FList.IsNewItemRowActive() || FList.IsMultiSelect());
  const TCellColors colors = GetRowColors(node, selected, true, node->Level(), -1);
  SetBkColor(FDC, colors.BkColor);
  SetTextColor(FDC, colors.TextColor);
  FList.DrawCellText(&FCanvas, r, &FBitmap, node, 0, -1, Row.Selected, FHasFocus && node->Focused(), colors.BkColor,
                     colors.Brush, false, 3, false, false);
  if (!FList.IsNewItemRowActive() && node->Focused()) DrawFocusMark(r);
}

void TdxTreeListPainter::PaintFixedBandRowLines(const TdxTreeListRowInfo& Row, int Y) {
  const TdxTreeListMetrics& m = FList.Metrics();
  const bool preview = Row.PreviewLines > 0;
  int bottom = Y + Row.Height - Row.PreviewLines * m.PreviewLineHeight - (preview && GridBoth() ? 1 : 0) -
               (preview ? 2 + FInfo.RowSeparatorWidth : 0) - Row.RowFootersHeight;
  if (!IsRectEmpty(FInfo.FooterRect)) bottom = std::min(bottom, FInfo.FooterRect.Top);
  const int w = FList.FixedBandLineWidth();
  if (HasLeftFixed())
    FillRect(FDC, {FInfo.FixedLeftRect.Right - w, Y, FInfo.FixedLeftRect.Right, bottom}, FFixedBandLineBrush);
  if (HasRightFixed())
    FillRect(FDC, {FInfo.FixedRightRect.Left, Y, FInfo.FixedRightRect.Left + w, bottom}, FFixedBandLineBrush);
}

int TdxTreeListPainter::SingleRowCellsBottom(const TdxTreeListRowInfo& Row, int Y) {
  const int preview = Row.PreviewLines * FList.Metrics().PreviewLineHeight;
  return Y + Row.Height - preview - FInfo.RowSeparatorWidth - Row.RowFootersHeight -
         (Row.PreviewLines > 0 ? 2 + (GridBoth() ? 1 : 0) : 0);
}

void TdxTreeListPainter::PaintCells(const TdxTreeListRowInfo& Row, int Y, int TopPad) {
  PrepareCellClip(Y, Y + Row.Height, FInfo.RowsRect.Left + Row.IndentWidth, FInfo.RowsRect.Left);
  const auto restore = ScopeExit([&] { RestoreClipRect(); });
  for (size_t i = 0; i < FInfo.Headers.size(); ++i) PaintCell(Row, Y, TopPad, i);
  PaintEmptyBands(Row, Y, TopPad);
}

void TdxTreeListPainter::PaintCell(const TdxTreeListRowInfo& Row, int Y, int TopPad, size_t Index) {
  TCustomdxTreeList& l = FList;
  const TdxTreeListHeaderInfo& h = FInfo.Headers[Index];
  TdxTreeListNode* node = Row.Node;
  ToggleCellClip(h.Band);
  const int left = h.Rect.Left + Shift() - FInfo.RowsRect.Left;
  const int shift = h.Band == 0 && left < Row.IndentWidth ? Row.IndentWidth - left : 0;
  if (h.Rect.Left + shift >= h.Rect.Right) return;
  const int lineHeight = l.DefaultRowHeight(), previewGrid = l.ShowPreviewGrid() ? FGridWidth : 0;
  TRect cell{h.Rect.Left + shift, Y + h.Row * lineHeight + TopPad, h.Rect.Right,
             Y + (h.Row + h.RowSpan) * lineHeight - previewGrid + TopPad};
  if (l.GetHeaderPanelRowCount() == 1) cell.Bottom = SingleRowCellsBottom(Row, Y);
  const bool keepsRight = h.LastInRow && (h.Band == FInfo.FixedLeftBand || l.IsLastScrollBand(FInfo, h.Band));
  if (!keepsRight) cell.Right -= previewGrid;
  const int bands = l.GetVisibleBandCount();
  if (l.ShowGrid() && !l.ShowPreviewGrid() && h.LastInRow && (h.Band == bands - 1 || bands == 1)) cell.Right -= FGridWidth;
  bool selected = IsCellSelected(Row, h.Column);
  if (l.HideSelection() && !FHasFocus) selected = false;
  const TCellColors colors = GetRowColors(node, selected, Row.Group, node->Level(), int(Index));
  if (RectVisible(FDC, {cell.Left, cell.Top, cell.Right, cell.Bottom + 1})) {
    SetBkColor(FDC, colors.BkColor);
    SetTextColor(FDC, colors.TextColor);
    const int focusedColumn = l.GetFocusedColumn();
    const bool focused =
        FHasFocus && node->Focused() && (l.IsInvertSelect() || l.IsRowSelect() || h.Column == focusedColumn);
    const bool multiLine = h.RowSpan > 1 || Row.LineCount > 1 || h.MultiLine;
    l.DrawCell(&FCanvas, cell, &FBitmap, node, h.Column, selected, focused, colors.BkColor, colors.TextColor,
               colors.Brush, multiLine, 0, h.First, h.Last, FColumnColors[Index].Color, FColumnColors[Index].Brush);
    if (!l.IsNewItemRowActive() && !l.IsRowSelect() && !l.IsInvertSelect() && node->Focused() &&
        h.Column == focusedColumn)
      DrawFocusMark(cell);
  }
  if (GridBoth()) AddCellGridLines(Row, Y, Index, cell, keepsRight);
  if (!IsRectEmpty(h.BelowRect) && !Row.Group)
    FillBelowHeader(Row, Y, TopPad, Index, cell, GetRowColors(node, selected, Row.Group, node->Level(), -1).Brush);
}

void TdxTreeListPainter::AddCellGridLines(const TdxTreeListRowInfo& Row, int Y, size_t Index, const TRect& Cell,
                                          bool KeepsRight) {
  const TdxTreeListHeaderInfo& h = FInfo.Headers[Index];
  const int lineHeight = FList.DefaultRowHeight(), panelRows = FList.GetHeaderPanelRowCount();
  if (panelRows > 1 && RectVisible(FDC, {Cell.Left, Cell.Top, Cell.Right, Cell.Bottom + 1}))
    AddClippedHorizontal(Cell.Left, Cell.Right, Cell.Bottom);
  if (KeepsRight || (FClipSet && (Cell.Right < FCellClip.Left || Cell.Right >= FCellClip.Right))) return;
  int end = Cell.Bottom + 1;
  if (h.LastInRow) {
    end = panelRows == 1 ? SingleRowCellsBottom(Row, Y) : Y + panelRows * lineHeight;
  } else if (Index + 1 < FInfo.Headers.size()) {
    const TdxTreeListHeaderInfo& next = FInfo.Headers[Index + 1];
    if (next.Band == h.Band && next.Row == h.Row)
      end = std::max(end, Y + (h.Row + next.RowSpan) * lineHeight - FGridWidth + 1);
  }
  AddSegment(Cell.Right, Cell.Top, Cell.Right, end);
}

// The part of the header rows under a header that ends above the last row, in the cell's colour;
// its edges meet the grid lines of the neighbouring cells.
void TdxTreeListPainter::FillBelowHeader(const TdxTreeListRowInfo& Row, int Y, int TopPad, size_t Index,
                                         const TRect& Cell, const HBRUSH& Brush) {
  (void)Row;
  const TdxTreeListHeaderInfo& h = FInfo.Headers[Index];
  const int lineHeight = FList.DefaultRowHeight(), panelRows = FList.GetHeaderPanelRowCount();
  TRect area{Cell.Left, Y + (h.Row + h.RowSpan) * lineHeight + TopPad, Cell.Right,
             Y + panelRows * lineHeight + TopPad - (GridBoth() ? 1 : 0)};
  if (GridBoth()) area.Right += FGridWidth;
  const TdxTreeListHeaderInfo* previous = Index > 0 ? &FInfo.Headers[Index - 1] : nullptr;
  const TdxTreeListHeaderInfo* next = Index + 1 < FInfo.Headers.size() ? &FInfo.Headers[Index + 1] : nullptr;
  const auto sameRow = [&](const TdxTreeListHeaderInfo* Other) {
    return Other && Other->Band == h.Band && Other->Row == h.Row;
  };
  if (h.LastInRow) {
    --area.Right;
    if (sameRow(previous) && previous->RowSpan < h.RowSpan) --area.Left;
  } else if (sameRow(next)) {
    if (next->RowSpan < h.RowSpan) --area.Right;
    if (next->RowSpan > h.RowSpan) --area.Left;
  }
  if (!IsRectEmpty(area)) FillRect(FDC, area, Brush);
}

void TdxTreeListPainter::PaintEmptyBands(const TdxTreeListRowInfo& Row, int Y, int TopPad) {
  const int lineHeight = FList.DefaultRowHeight(), panelRows = FList.GetHeaderPanelRowCount();
  const HBRUSH brush = GetRowColors(Row.Node, false, Row.Group, Row.Node->Level(), -1).Brush;
  for (const TdxTreeListEmptyBandInfo& band : FInfo.EmptyBands) {
    TRect area{band.Band != 0 ? band.Rect.Left : FInfo.RowsRect.Left + Row.IndentWidth - Shift(), Y + TopPad,
               band.Rect.Right, Y + panelRows * lineHeight + TopPad - (GridBoth() ? 1 : 0)};
    if (panelRows == 1) area.Bottom = SingleRowCellsBottom(Row, Y);
    const int x = band.Rect.Right - 1;
    const bool inClip = !FClipNeeded || (x >= FCellClip.Left && x < FCellClip.Right);
    if (GridBoth() && band.Band != FInfo.FixedLeftBand && !FList.IsLastScrollBand(FInfo, band.Band) && !band.CutRight &&
        inClip) {
      AddSegment(x, area.Top, x, area.Bottom + 1);
      --area.Right;
    }
    if (!IsRectEmpty(area)) FillRect(FDC, area, brush);
  }
}

void TdxTreeListPainter::PaintPreview(const TdxTreeListRowInfo& Row, int Y) {
  if (Row.PreviewLines <= 0) return;
  TdxTreeListNode* node = Row.Node;
  const int bottom = Y + Row.Height - FInfo.RowSeparatorWidth - Row.RowFootersHeight;
  const TRect r = GetRowCellsRect(Row.IndentWidth, bottom - 2 - Row.PreviewLines * FList.Metrics().PreviewLineHeight,
                                  bottom);
  if (FClipNeeded) SetClipRect({FInfo.RowsRect.Left, r.Top, FInfo.RowsRect.Right, r.Bottom});
  const auto restore = ScopeExit([&] { RestoreClipRect(); });
  const bool selected = Row.Selected && (!FList.IsNewItemRowActive() || FList.IsMultiSelect());
  const TCellColors colors = GetRowColors(node, selected, Row.Group, node->Level(), -1);
  SetBkColor(FDC, colors.BkColor);
  SetTextColor(FDC, colors.TextColor);
  FList.DrawPreview(&FCanvas, r, &FBitmap, node, colors.BkColor, colors.TextColor, colors.Brush, Row.Selected);
  if (GridBoth()) AddClippedHorizontal(r.Left, r.Right, r.Top - 1);
}

void TdxTreeListPainter::PaintRowFooters(const TdxTreeListRowInfo& Row, int Y) {
  TCustomdxTreeList& l = FList;
  TdxTreeListNode* node = Row.Node;
  const TdxTreeListMetrics& m = l.Metrics();
  const int lineHeight = m.FooterLineHeight, lastBand = l.GetVisibleBandCount() - 1;
  for (int f = 0; f < Row.FooterCount; ++f) {
    TRect r = l.GetRowFooterRect(FInfo, node, f, Y + Row.Height - Row.RowFootersHeight, FGridWidth);
    if (GridBoth()) {
      AddSegment(r.Left, r.Top, r.Right, r.Top);
      if (FInfo.RowsRect.Right > r.Right) AddSegment(r.Right, r.Top, r.Right, r.Bottom);
    }
    r.Top += FGridWidth;
    const int footerLevel = l.GetRowFooterLevel(node, f);
    TColor color = l.RowFooterColor();
    const HBRUSH brush = l.HasLevelColorEvent() ? GetLevelBrush(footerLevel, color) : FRowFooterBrush;
    FillRect(FDC, r, brush);
    FClipNeeded = (HasLeftFixed() || HasRightFixed() || l.LeftCoord() != 0) && l.GetBandsWidth() > FInfo.RowsRect.Width();
    FCellClip = {HasLeftFixed() ? FInfo.FixedLeftRect.Right
                                : std::max(r.Left - l.LeftCoord(), FInfo.RowsRect.Left - m.IndicatorWidth),
                 r.Top, HasRightFixed() ? FInfo.FixedRightRect.Left : r.Right, r.Bottom};
    const auto restore = ScopeExit([&] { RestoreClipRect(); });
    const int indentWidth = Row.IndentWidth - (node->Level() - 1 - footerLevel) * m.Indent;
    for (const TdxTreeListHeaderInfo& h : FInfo.Headers) {
      ToggleCellClip(h.Band);
      const int left = h.Rect.Left + Shift() - FInfo.RowsRect.Left;
      const int shift = h.Band == 0 && left < indentWidth ? indentWidth - left : 0;
      TRect cell{h.Rect.Left + shift, r.Top + 1 + h.Row * lineHeight, h.Rect.Right,
                 r.Top + 1 + (h.Row + h.RowSpan) * lineHeight};
      InflateRect(cell, -1, -1);
      if (h.FirstInRow && h.Band == 0) ++cell.Left;
      if (h.LastInRow && h.Band == lastBand) cell.Right -= 2;
      if (!l.IsRowFooterCell(node, h.Column, f)) continue;
      DrawFooterCellFrame(FDC, cell, l.LookAndFeel());
      InflateRect(cell, -1, -1);
      SetBkColor(FDC, ColorToRGB(color));
      SetTextColor(FDC, l.RowFooterTextColor());
      l.DrawCellText(&FCanvas, cell, &FBitmap, node, h.Column, f, false, false, ColorToRGB(color), brush, h.RowSpan > 1,
                     1, false, false);
    }
  }
}

void TdxTreeListPainter::PaintRowFocus(const TdxTreeListRowInfo& Row, int Y) {
  TCustomdxTreeList& l = FList;
  if (l.IsNewItemRowActive() || !(l.IsRowSelect() || l.IsInvertSelect()) || !Row.Node->Focused()) return;
  TRect r = GetRowCellsRect(Row.IndentWidth, Y, Y + Row.Height - FInfo.RowSeparatorWidth - Row.RowFootersHeight);
  if (!l.LeafIndent() && !l.ShowGrid() && Row.Node->HasChildren()) ++r.Top;
  DrawFocusMark(r);
}

void TdxTreeListPainter::AddIndentGridLines(const TdxTreeListRowInfo& Row, int Y) {
  TdxTreeListNode* node = Row.Node;
  const TdxTreeListMetrics& m = FList.Metrics();
  const bool tree = FList.LeafIndent();
  const int lines = tree ? (FList.ShowGrid() ? node->Level() + 1 : 0) : node->Level();
  for (int j = 0; j < lines; ++j) {
    const int x = FInfo.RowsRect.Left + (j + 1) * m.Indent - 1 - (FList.RootIndent() ? 0 : m.Indent);
    int bottom = Y + Row.Height;
    const int above = Row.FooterCount > 0 ? FList.GetRowFooterCountAbove(node, j) : 0;
    if (above > 0) bottom -= m.RowFooterHeight * above + FInfo.RowSeparatorWidth;
    if (x >= FInfo.RowsRect.Left + FInfo.FirstBandVisibleWidth || x - Shift() < FInfo.RowsRect.Left) continue;
    AddSegment(x - Shift(), Y, x - Shift(), bottom);
  }
}

void TdxTreeListPainter::AddRowSeparator(const TdxTreeListRowInfo& Row, int Y, size_t Index) {
  TCustomdxTreeList& l = FList;
  TdxTreeListNode* node = Row.Node;
  const bool tree = l.LeafIndent(), children = node->HasChildren();
  if (!l.ShowGrid() && (!children || tree)) return;
  const int indent = l.Metrics().Indent, bottom = Y + Row.Height;
  // A grid-style parent without grid lines is parted from the row above by its top pad.
  const bool atTop = !tree && !l.ShowGrid() && children;
  int start = atTop ? node->Level() * indent - (l.RootIndent() ? 0 : indent) : GetIndentLineLimit(node, Index);
  const int offset = atTop ? Row.Height - 1 : 0;
  start = std::min(start, FInfo.FirstBandVisibleWidth);
  int x = std::max(FInfo.RowsRect.Left + start - Shift(), FInfo.RowsRect.Left);
  const int width = l.ShowGrid() ? FInfo.RowSeparatorWidth : 1;
  const auto lines = [&](int X1, int X2) {
    for (int i = 0; i < width; ++i) AddSegment(X1, bottom + i - width - offset, X2, bottom + i - width - offset);
  };
  if (!Row.Group && Row.PreviewLines == 0 && Row.FooterCount == 0) {
    if (HasLeftFixed()) {
      lines(x, FInfo.FixedLeftRect.Right - l.FixedBandLineWidth());
      x = FInfo.FixedLeftRect.Right;
    }
    if (HasRightFixed()) {
      lines(x, FInfo.FixedRightRect.Left);
      x = FInfo.FixedRightRect.Left + l.FixedBandLineWidth();
    }
  }
  lines(x, FInfo.CellsRight + (l.ShowGrid() ? 0 : 1));
}

// --- colours, selection, focus, clipping, grid lines ------------------------------------------------------

TdxTreeListPainter::TCellColors TdxTreeListPainter::GetRowColors(TdxTreeListNode* Node, bool Selected, bool IsGroup,
                                                                 int Level, int HeaderIndex) {
  TCustomdxTreeList& l = FList;
  const bool dragFocus = !FHasFocus && l.FDragObject && Node && Node->Focused();
  if (dragFocus || (Selected && !(l.HideSelection() && !FHasFocus))) {
    if (dragFocus || FHasFocus) return {ColorToRGB(l.HighlightColor()), ColorToRGB(l.HighlightTextColor()), FHighlightBrush};
    return {ColorToRGB(l.HideSelectionColor()), ColorToRGB(l.HideSelectionTextColor()), FHideSelectionBrush};
  }
  if (!l.LeafIndent() && (IsGroup || (Node && Node->HasChildren()))) {
    TColor color = l.GroupNodeColor();
    const HBRUSH brush = GetLevelBrush(Level, color);
    const TColor text = l.GroupNodeTextColor() == clNone ? l.Font()->Color() : l.GroupNodeTextColor();
    return {ColorToRGB(color), ColorToRGB(text), brush};
  }
  const int column = HeaderIndex >= 0 ? FInfo.Headers[size_t(HeaderIndex)].Column : -1;
  const TColor text = column >= 0 && l.HasColumnFont(column) ? l.GetColumnFont(column)->Color() : l.Font()->Color();
  if (HeaderIndex >= 0 && FColumnColors[size_t(HeaderIndex)].Brush)
    return {ColorToRGB(FColumnColors[size_t(HeaderIndex)].Color), ColorToRGB(text), FColumnColors[size_t(HeaderIndex)].Brush};
  return {ColorToRGB(l.Color()), ColorToRGB(text), FBackgroundBrush};
}

HBRUSH TdxTreeListPainter::GetLevelBrush(int Level, TColor& Color) {
  if (!FList.HasLevelColorEvent()) return FGroupBrush;
  FList.DoGetLevelColor(Level, Color);
  if (Color == FList.GroupNodeColor()) return FGroupBrush;
  FLevelBrush = CreateSolidBrush(TColor(ColorToRGB(Color)));
  return FLevelBrush;
}

// In single selection only the focused cell of a selected row is highlighted (with InvertSelect,
// every other cell of it); in multi-selection a selected row shows all its cells, except that with
// InvertSelect the focused row leaves its focused cell unhighlighted.
bool TdxTreeListPainter::IsCellSelected(const TdxTreeListRowInfo& Row, int Column) {
  TCustomdxTreeList& l = FList;
  if (!Row.Selected || (l.IsNewItemRowActive() && !l.IsMultiSelect())) return false;
  const bool invert = l.IsInvertSelect();
  if (l.IsRowSelect() || (l.IsMultiSelect() && (!invert || l.IsNewItemRowActive() || !Row.Node->Focused()))) return true;
  return (Column == l.GetFocusedColumn()) != invert;
}

void TdxTreeListPainter::DrawFocusMark(const TRect& Rect) {
  if (FHasFocus) {
    if (!FList.IsHideFocusRect()) DrawFocusRectangle(FDC, Rect);
  } else if (!FList.HideFocusRect() && !FList.FDragObject) {
    DrawInvertedFrame(FDC, Rect);
  }
}

void TdxTreeListPainter::SetClipRect(const TRect& Rect) {
  RestoreClipRect();
  FHadClip = GetClipRgn(FDC, FSavedClip) == 1;
  IntersectClipRect(FDC, Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
  FClipSet = true;
}

void TdxTreeListPainter::RestoreClipRect() {
  if (!FClipSet) return;
  SelectClipRgn(FDC, FHadClip ? &FSavedClip : nullptr);
  FClipSet = false;
}

void TdxTreeListPainter::PrepareCellClip(int Top, int Bottom, int Left, int Least) {
  FClipNeeded = (HasLeftFixed() || HasRightFixed() || FList.LeftCoord() != 0) &&
                FList.GetBandsWidth() > FInfo.RowsRect.Width();
  FCellClip = {HasLeftFixed() ? FInfo.FixedLeftRect.Right : std::max(Left - FList.LeftCoord(), Least), Top,
               HasRightFixed() ? FInfo.FixedRightRect.Left : FInfo.RowsRect.Right, Bottom};
}

void TdxTreeListPainter::ToggleCellClip(int Band) {
  if (!FClipNeeded) return;
  const bool fixed = Band == FInfo.FixedLeftBand || Band == FInfo.FixedRightBand;
  if (!fixed && !FClipSet)
    SetClipRect(FCellClip);
  else if (fixed && FClipSet)
    RestoreClipRect();
}

void TdxTreeListPainter::AddSegment(int X1, int Y1, int X2, int Y2) {
  FSegments.push_back({X1, Y1});
  FSegments.push_back({X2, Y2});
}

void TdxTreeListPainter::AddClippedHorizontal(int X1, int X2, int Y) {
  if (FClipSet) {
    X1 = std::max(X1, FCellClip.Left);
    X2 = std::min(X2, FCellClip.Right);
  }
  if (X1 < X2) AddSegment(X1, Y, X2, Y);
}

void TdxTreeListPainter::DrawSegments(TColor Color) {
  if (FSegments.empty()) return;
  const HPEN old = SelectObject(FDC, CreatePen(PS_SOLID, 1, Color));
  PolyPolyline(FDC, FSegments, std::vector<int>(FSegments.size() / 2, 2));
  SelectObject(FDC, old);
  FSegments.clear();
}
