// Hit testing: what lies under a client point, tested in a fixed order over one layout pass: the
// group panel, the band strip and its sizing edges, the header strip and its sizing edges, the
// new-item row, the indicator and the row edges, the filter panel, the footer, and the rows with
// their tree indent, cells, preview and row footers. Every sizing edge reaches 4 pixels.
#include <algorithm>
#include <cstdlib>

#include "treelist/dxTL.h"
#include "treelist/dxTLDraw.h"

namespace {

constexpr int EdgeWidth = 4;

bool Within(TPoint P, const TRect& A, const TRect& B) { return PtInRect(A, P) && PtInRect(B, P); }

// The bottom edge of a panel strip (its corner included) and 4 pixels below it.
bool OnPanelEdge(const TRect& Strip, const TRect& Corner, TPoint P) {
  if (IsRectEmpty(Strip)) return false;
  TRect r = Strip;
  if (!IsRectEmpty(Corner)) r.Left = Corner.Left;
  r.Bottom += EdgeWidth;
  return PtInRect(r, P) && P.Y >= Strip.Bottom - EdgeWidth;
}

// The part of a strip between the fixed bands.
TRect ScrollingPart(const TdxTreeListDrawInfo& Info, TRect Strip) {
  if (!RectIsPoint(Info.FixedLeftRect)) Strip.Left = Info.FixedLeftRect.Right;
  if (!RectIsPoint(Info.FixedRightRect)) Strip.Right = Info.FixedRightRect.Left;
  return Strip;
}

// On the right edge of R, or on the right edge of the scrolling part V when R overhangs it.
bool OnRightEdge(const TRect& R, const TRect& V, int X) {
  return (R.Left <= V.Left && R.Right > V.Right && X >= V.Right - EdgeWidth) || X >= R.Right - EdgeWidth;
}

bool NearEdge(int X, int Edge) { return std::abs(X - Edge) <= EdgeWidth; }

// Outside a strip, on the 4 pixels right of it, with some band shown.
bool RightOfStrip(const TdxTreeListDrawInfo& Info, const TRect& Strip, TPoint P) {
  return !Info.Bands.empty() && PtInRect({Strip.Right, Strip.Top, Strip.Right + EdgeWidth, Strip.Bottom}, P);
}

}  // namespace

TdxTreeListHitKind TCustomdxTreeList::GetHitTestAt(int X, int Y) {
  TdxTreeListHitInfo hit;
  GetHitInfo({X, Y}, hit);
  return hit.HitKind;
}

TdxTreeListNode* TCustomdxTreeList::GetHitNode(int X, int Y) {
  TdxTreeListHitInfo hit;
  GetHitInfo({X, Y}, hit);
  return hit.Node;
}

void TCustomdxTreeList::GetHitInfo(TPoint Point, TdxTreeListHitInfo& HitInfo) {
  TdxTreeListHitInfo& hit = HitInfo = TdxTreeListHitInfo{};
  hit.X = Point.X;
  hit.Y = Point.Y;
  TdxTreeListDrawInfo info;
  CalcGeometry(info);
  if (!PtInRect(info.ClientRect, Point)) return;
  hit.HitKind = hkNone;
  const auto answer = [&](TdxTreeListHitKind Kind) { return hit.HitKind = Kind, true; };
  const bool found =
      (PtInRect(info.GroupPanelRect, Point) && answer(hkGroupPanel)) ||
      (CanSizeBandPanel() && OnPanelEdge(info.BandRect, info.BandCornerRect, Point) && answer(hkBandPanelEdge)) ||
      (PtInRect(info.BandCornerRect, Point) && answer(hkBandCorner)) || HitTestBands(info, hit) ||
      (CanSizeHeaderPanel() && OnPanelEdge(info.HeaderRect, info.HeaderCornerRect, Point) &&
       answer(hkHeaderPanelEdge)) ||
      (PtInRect(info.HeaderCornerRect, Point) && answer(hkHeaderCorner)) || HitTestHeaders(info, hit);
  if (found) return;
  if (PtInRect(info.NewItemRowRect, Point)) {
    hit.HitKind = hkNewItemRow;
    const TRect& row = info.NewItemRowRect;
    for (const TdxTreeListHeaderInfo& h : info.Headers)
      if (Within(Point, {h.Rect.Left, row.Top, h.Rect.Right, row.Bottom - Metrics().NewItemRowSeparator},
                 {h.ClipRect.Left, row.Top, h.ClipRect.Right, row.Bottom})) {
        hit.Band = h.Band;
        hit.Column = h.Column;
        break;
      }
    return;
  }
  if (HitTestIndicator(info, hit)) return;
  if (PtInRect(info.FilterPanelRect, Point)) {
    hit.HitKind = hkFilterPanel;
    return;
  }
  if (PtInRect(info.FooterRect, Point)) return HitTestFooter(info, hit);
  HitTestRows(info, hit);
}

bool TCustomdxTreeList::HitTestBands(const TdxTreeListDrawInfo& Info, TdxTreeListHitInfo& Hit) {
  const TPoint p{Hit.X, Hit.Y};
  const TRect& strip = Info.BandRect;
  if (IsRectEmpty(strip)) return false;
  if (!PtInRect(strip, p)) {
    const int last = Info.Bands.empty() ? -1 : Info.Bands.back().Band;
    if (!RightOfStrip(Info, strip, p) || !CanSizeBand(last)) return false;
    Hit.Band = last;
    Hit.HitKind = hkBandEdge;
    return true;
  }
  Hit.HitKind = hkBand;
  const TRect v = ScrollingPart(Info, strip);
  for (size_t i = 0; i < Info.Bands.size(); ++i) {
    const TdxTreeListBandInfo& band = Info.Bands[i];
    if (!Within(p, band.Rect, band.ClipRect)) {
      if (CanSizeBand(band.Band) && band.Rect.Right < p.X && p.X <= band.Rect.Right + EdgeWidth) {
        Hit.Band = band.Band;
        Hit.HitKind = hkBandEdge;
        return true;
      }
      continue;
    }
    Hit.Band = band.Band;
    if (!CanSizeBand(band.Band)) return true;
    if (OnRightEdge(band.Rect, v, p.X)) {
      Hit.HitKind = hkBandEdge;
    } else if (i > 0 && NearEdge(p.X, Info.Bands[i - 1].Rect.Right) && CanSizeBand(Info.Bands[i - 1].Band)) {
      Hit.Band = Info.Bands[i - 1].Band;
      Hit.HitKind = hkBandEdge;
    }
    return true;
  }
  return true;
}

TdxTreeListHitKind TCustomdxTreeList::BandEdgeBefore(int Band, TdxTreeListHitInfo& Hit) {
  Hit.Band = Band;
  if (!IsBandWidthByHeaders()) return CanSizeBand(Band) ? hkBandEdge : hkNone;
  const int rows = GetBandRowCount(Band);
  if (rows <= 0) return hkNone;
  const int column = GetBandColumn(Band, rows - 1, GetBandRowColumnCount(Band, rows - 1) - 1);
  Hit.Column = column;
  return column >= 0 && CanSizeColumn(column) ? hkHeaderEdge : hkNone;
}

bool TCustomdxTreeList::HitTestHeaders(const TdxTreeListDrawInfo& Info, TdxTreeListHitInfo& Hit) {
  const TPoint p{Hit.X, Hit.Y};
  const TRect& strip = Info.HeaderRect;
  if (IsRectEmpty(strip)) return false;
  if (!PtInRect(strip, p)) {
    if (!RightOfStrip(Info, strip, p)) return false;
    const TdxTreeListHitKind kind = BandEdgeBefore(Info.Bands.back().Band, Hit);
    if (kind == hkNone) {
      Hit.Band = Hit.Column = -1;
      return false;
    }
    Hit.HitKind = kind;
    return true;
  }
  Hit.HitKind = hkNone;
  for (size_t i = 0; i < Info.Headers.size(); ++i)
    if (Within(p, Info.Headers[i].Rect, Info.Headers[i].ClipRect)) {
      HitTestHeaderCell(Info, i, Hit);
      break;
    }
  return true;
}

void TCustomdxTreeList::HitTestHeaderCell(const TdxTreeListDrawInfo& Info, size_t Index, TdxTreeListHitInfo& Hit) {
  const TdxTreeListHeaderInfo& h = Info.Headers[Index];
  const TdxTreeListHeaderInfo* previous = Index > 0 ? &Info.Headers[Index - 1] : nullptr;
  Hit.HitKind = hkHeader;
  Hit.Band = h.Band;
  Hit.Column = h.Column;
  if (OnRightEdge(h.Rect, ScrollingPart(Info, Info.HeaderRect), Hit.X)) {
    if (CanSizeColumn(h.Column) && (!h.LastInRow || IsBandWidthByHeaders()))
      Hit.HitKind = hkHeaderEdge;
    else if (h.LastInRow && CanSizeBand(h.Band))
      Hit.HitKind = hkBandEdge;
    return;
  }
  const bool firstOfRow = h.Position == 0 || !previous || previous->Band != h.Band || previous->Row != h.Row;
  if (firstOfRow) {
    // The left edge of a band's first header sizes the band before it.
    if (h.Position == 0 && h.Band > 0 && Hit.X < h.Rect.Left + EdgeWidth) {
      const TdxTreeListHitKind kind = BandEdgeBefore(h.Band - 1, Hit);
      if (kind != hkNone) Hit.HitKind = kind;
    }
    return;
  }
  if (NearEdge(Hit.X, previous->Rect.Right) && CanSizeColumn(previous->Column)) {
    Hit.Column = previous->Column;
    Hit.HitKind = hkHeaderEdge;
  }
}

// The indicator column; with the indicator hidden its test area spans the rows, where only row
// edges are found and the rows are then tested as they are.
bool TCustomdxTreeList::HitTestIndicator(const TdxTreeListDrawInfo& Info, TdxTreeListHitInfo& Hit) {
  const TPoint p{Hit.X, Hit.Y};
  TRect area = Info.IndicatorRect;
  const bool shown = Metrics().IndicatorWidth > 0;
  if (!shown) area.Right = Info.RowsRect.Right;
  if (IsRectEmpty(area)) return false;
  const bool rowsFound = !Info.Rows.empty();
  if (PtInRect(area, p)) {
    Hit.HitKind = hkIndicator;
    int top = Info.RowsRect.Top;
    for (size_t i = 0; i < Info.Rows.size(); top += Info.Rows[i].Height, ++i) {
      const int bottom = top + Info.Rows[i].Height;
      if (p.Y < top || p.Y >= bottom) continue;
      Hit.RowIndex = int(i);
      Hit.Node = Info.Rows[i].Node;
      if (!CanSizeRow()) break;
      if (i > 0 && top != Info.RowsRect.Top && p.Y <= top + EdgeWidth) {
        Hit.RowIndex = int(i) - 1;
        Hit.Node = Info.Rows[i - 1].Node;
        Hit.HitKind = hkRowEdge;
      } else if (p.Y >= bottom - EdgeWidth) {
        Hit.HitKind = hkRowEdge;
      }
      break;
    }
  } else if (rowsFound && CanSizeRow() && PtInRect({area.Left, area.Bottom, area.Right, area.Bottom + EdgeWidth}, p)) {
    Hit.RowIndex = int(Info.Rows.size()) - 1;
    Hit.Node = Info.Rows.back().Node;
    Hit.HitKind = hkRowEdge;
  } else {
    return false;
  }
  if (shown || Hit.HitKind == hkRowEdge) return true;
  Hit.HitKind = hkNone;
  Hit.RowIndex = -1;
  Hit.Node = nullptr;
  return false;
}

void TCustomdxTreeList::HitTestFooter(const TdxTreeListDrawInfo& Info, TdxTreeListHitInfo& Hit) {
  Hit.HitKind = hkFooter;
  const int lineHeight = Metrics().FooterLineHeight;
  for (const TdxTreeListHeaderInfo& h : Info.Headers) {
    const int top = Info.FooterRect.Top + h.Row * lineHeight + (h.Row == 0 ? 2 : 3);
    const int bottom = top + h.RowSpan * lineHeight;
    if (Within({Hit.X, Hit.Y}, {h.Rect.Left, top, h.Rect.Right, bottom}, {h.ClipRect.Left, top, h.ClipRect.Right, bottom})) {
      Hit.Band = h.Band;
      Hit.Column = h.Column;
      return;
    }
  }
}

void TCustomdxTreeList::HitTestRows(const TdxTreeListDrawInfo& Info, TdxTreeListHitInfo& Hit) {
  if (Info.Rows.empty() || Info.Bands.empty()) return;
  const TPoint p{Hit.X, Hit.Y};
  const int gridWidth = FLook.ShowGrid ? 1 : 0;
  int top = Info.RowsRect.Top;
  for (size_t i = 0; i < Info.Rows.size(); top += Info.Rows[i].Height, ++i) {
    const TdxTreeListRowInfo& row = Info.Rows[i];
    const int bottom = top + row.Height;
    if (p.Y < top || p.Y >= bottom) continue;
    Hit.RowIndex = int(i);
    Hit.Node = row.Node;
    Hit.HitKind = p.X < Info.CellsRight ? hkCell : hkRow;
    for (int j = 0; j < row.FooterCount && row.Node; ++j)
      if (PtInRect(GetRowFooterRect(Info, row.Node, j, bottom - row.RowFootersHeight, gridWidth), p)) {
        Hit.HitKind = hkRowFooter;
        Hit.FooterLine = j;
        break;
      }
    if (Hit.HitKind != hkRowFooter && row.Node) {
      int buttons = 0, full = 0;
      GetNodeIndentWidth(row.Node, buttons, full);
      const int w = std::min(full, Info.FirstBandVisibleWidth) - (RectIsPoint(Info.FixedLeftRect) ? FLeftCoord : 0);
      if (p.X < Info.RowsRect.Left + w) Hit.HitKind = HitTestNodeIndent(Info, p, top, row);
    }
    const int previewTop = bottom - row.PreviewLines * Metrics().PreviewLineHeight - Info.RowSeparatorWidth - 2 -
                           row.RowFootersHeight;
    if (Hit.HitKind == hkCell && row.PreviewLines > 0 && previewTop <= p.Y &&
        p.Y <= bottom - Info.RowSeparatorWidth - row.RowFootersHeight)
      Hit.HitKind = hkPreview;
    if (Hit.HitKind == hkCell || Hit.HitKind == hkRowFooter) FindHitColumn(Info, top, row, Hit);
    return;
  }
}

TdxTreeListHitKind TCustomdxTreeList::HitTestNodeIndent(const TdxTreeListDrawInfo& Info, TPoint Point, int RowTop,
                                                        const TdxTreeListRowInfo& Row) {
  const bool scrolls = RectIsPoint(Info.FixedLeftRect);
  const TPoint p{Point.X + (scrolls ? FLeftCoord : 0) - Info.RowsRect.Left, Point.Y};
  TRect image, state, button, indent;
  CalcNodeIndentRects(Row.Node, RowTop, RowTop + Row.Height, Info.FirstBandVisibleWidth, image, state, button, indent);
  if (PtInRect(indent, p)) return hkIndent;
  if (PtInRect(button, p)) return hkButton;
  if (PtInRect(state, p)) return hkStateImage;
  if (PtInRect(image, p)) return hkImage;
  return hkNone;
}

void TCustomdxTreeList::FindHitColumn(const TdxTreeListDrawInfo& Info, int RowTop, const TdxTreeListRowInfo& Row,
                                      TdxTreeListHitInfo& Hit) {
  const TPoint p{Hit.X, Hit.Y};
  const int bottom = RowTop + Row.Height;
  TRect band{0, RowTop, 0, bottom};
  if (Hit.HitKind == hkRowFooter)
    band = GetRowFooterRect(Info, Row.Node, Hit.FooterLine, bottom - Row.RowFootersHeight, FLook.ShowGrid ? 1 : 0);
  const bool singleRow = GetHeaderPanelRowCount() == 1;
  for (const TdxTreeListHeaderInfo& h : Info.Headers) {
    int top = band.Top, cellBottom = band.Bottom;
    if (Hit.HitKind == hkCell) {
      top = RowTop + h.Row * FLook.RowHeight;
      cellBottom = singleRow ? bottom - Row.PreviewLines * Metrics().PreviewLineHeight - Row.RowFootersHeight
                             : top + h.RowSpan * FLook.RowHeight;
    }
    if (Within(p, {h.Rect.Left, top, h.Rect.Right, cellBottom}, {h.ClipRect.Left, top, h.ClipRect.Right, cellBottom})) {
      Hit.Band = h.Band;
      Hit.Column = h.Column;
      return;
    }
  }
}
