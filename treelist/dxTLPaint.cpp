// The paint pass and the painters above and beside the rows: the group panel, the band headers
// and the column headers (each with its custom-draw event), the new-item row, the indicator, the
// summary footer and the filter status panel. Each paints only where the update area reaches.
#include <algorithm>

#include "editors/dxDrawing.h"
#include "rtl/ScopeExit.h"
#include "treelist/dxTLPaint_p.h"

// The drag feedback comes off the window while it paints and goes back over the new picture.
void TCustomdxTreeList::Paint() {
  WithoutDragFeedback([this] {
    TdxTreeListPainter painter(*this, *Canvas());
    painter.Paint();
  });
}

TColor TCustomdxTreeList::GetGridLineColor(TColor Background) {
  (void)Background;
  if (FLook.GridLineColor != clNone) return FLook.GridLineColor;
  // The looks' own grid: light lines between cells, darker ones in the ultra-flat look.
  return FLook.LookAndFeel == lfUltraFlat ? TColor(0xA0A0A0) : clBtnFace;
}

TdxTreeListPainter::TdxTreeListPainter(TCustomdxTreeList& List, TCanvas& Canvas)
    : FList(List), FCanvas(Canvas), FDC(&Canvas) {
  FList.CalcGeometry(FInfo);
  FHasFocus = FList.IsControlOrEditorFocused();
  FGridWidth = FList.ShowGrid() ? 1 : 0;
  MakeBrushes();
}

TdxTreeListPainter::~TdxTreeListPainter() {
  RestoreClipRect();
}

void TdxTreeListPainter::Paint() {
  PaintGroupPanel();
  PaintBands();
  PaintHeaders();
  PaintNewItemRow();
  PaintIndicator();
  PaintFooter();
  PaintFilterPanel();
  DrawContent();
}

namespace {

HBRUSH SolidBrush(TColor Color) { return CreateSolidBrush(TColor(ColorToRGB(Color))); }

}  // namespace

void TdxTreeListPainter::MakeBrushes() {
  TCustomdxTreeList& l = FList;
  FShadowColor = l.LookAndFeel() == lfUltraFlat ? TColor(0xA0A0A0) : clBtnShadow;
  FBandBrush = SolidBrush(l.BandColor());
  FHeaderBrush = SolidBrush(l.HeaderColor());
  FGroupBrush = SolidBrush(l.GroupNodeColor());
  FBackgroundBrush = SolidBrush(l.Color());
  FShadowBrush = SolidBrush(FShadowColor);
  FHighlightBrush = SolidBrush(l.HighlightColor());
  FTreeLineBrush = SolidBrush(l.TreeLineColor());
  FHideSelectionBrush = SolidBrush(l.HideSelectionColor());
  FRowFooterBrush = SolidBrush(l.RowFooterColor());
  FFixedBandLineBrush = SolidBrush(l.FixedBandLineColor());
  FColumnColors.resize(FInfo.Headers.size());
  for (size_t i = 0; i < FInfo.Headers.size(); ++i) {
    const TColor color = l.GetColumnColor(FInfo.Headers[i].Column);
    FColumnColors[i].Color = color;
    if (ColorToRGB(color) != ColorToRGB(l.Color())) FColumnColors[i].Brush = SolidBrush(color);
  }
}

template <class F>
void TdxTreeListPainter::RunCustomDraw(const TRect& Rect, const TRect& VisibleRect, F Handler) {
  FScratchFont.Assign(FCanvas.Font());
  const bool clip = Rect != VisibleRect;
  if (clip) SetClipRect(VisibleRect);
  const auto restore = ScopeExit([&] {
    if (clip) RestoreClipRect();
  });
  Handler();
}

// --- panels, bands and headers ------------------------------------------------------------------------

void TdxTreeListPainter::PaintGroupPanel() {
  if (RectVisible(FDC, FInfo.GroupPanelRect))
    FList.DrawGroupPanel(&FCanvas, FInfo.GroupPanelRect, FHeaderBrush, FShadowBrush);
}

void TdxTreeListPainter::PaintBands() {
  if (RectVisible(FDC, FInfo.BandCornerRect))
    DrawPanelCorner(FDC, FInfo.BandCornerRect, FBandBrush, FList.FButtons.BandCornerDown, FList.LookAndFeel());
  if (RectVisible(FDC, FInfo.BandRect)) {
    FCanvas.Font()->Assign(FList.BandFont());
    SetTextColor(FDC, FList.BandFont()->Color());
    for (const TdxTreeListBandInfo& band : FInfo.Bands) PaintBand(band);
  }
  PaintFixedBandLines();
}

void TdxTreeListPainter::PaintBand(const TdxTreeListBandInfo& Band) {
  TdxHeaderButtonContent content;
  content.Alignment = FList.GetVisibleBandAlignment(Band.Band);
  content.Text = FList.GetVisibleBandCaption(Band.Band);
  content.Pressed = FList.FButtons.PressedBand == Band.Band && FList.FButtons.PressedBandDown;
  content.MultiLine = FList.Metrics().BandRowCount > 1;
  content.Look = FList.LookAndFeel();
  HBRUSH brush = FBandBrush;
  bool done = false;
  const bool custom = FList.HasCustomDrawBand();
  if (custom) {
    TColor color = FList.BandColor();
    RunCustomDraw(Band.Rect, Band.ClipRect, [&] {
      FList.DoCustomDrawBand(Band.Band, &FCanvas, Band.Rect, Band.ClipRect, content.Text, color, FCanvas.Font(),
                             content.Alignment, done);
    });
    if (!done && ColorToRGB(color) != ColorToRGB(FList.BandColor())) brush = SolidBrush(color);
  }
  if (!done) DrawHeaderButton(FDC, Band.Rect, Band.ClipRect, brush, FBitmap, content);
  if (custom) FCanvas.Font()->Assign(&FScratchFont);
}

void TdxTreeListPainter::PaintFixedBandLines() {
  const int w = FList.FixedBandLineWidth();
  const TRect& left = FInfo.FixedLeftRect;
  const TRect& right = FInfo.FixedRightRect;
  if (!IsRectEmpty(left) && RectVisible(FDC, left)) FillRect(FDC, {left.Right - w, left.Top, left.Right, left.Bottom}, FFixedBandLineBrush);
  if (!IsRectEmpty(right) && RectVisible(FDC, right))
    FillRect(FDC, {right.Left, right.Top, right.Left + w, right.Bottom}, FFixedBandLineBrush);
}

void TdxTreeListPainter::PaintHeaders() {
  if (RectVisible(FDC, FInfo.HeaderCornerRect))
    DrawPanelCorner(FDC, FInfo.HeaderCornerRect, FHeaderBrush, FList.FButtons.HeaderCornerDown, FList.LookAndFeel());
  if (RectVisible(FDC, FInfo.HeaderRect) && !FInfo.Headers.empty()) {
    FCanvas.Font()->Assign(FList.HeaderFont());
    SetTextColor(FDC, FList.HeaderFont()->Color());
    for (const TdxTreeListHeaderInfo& header : FInfo.Headers) PaintHeader(header);
  }
  for (const TdxTreeListEmptyBandInfo& band : FInfo.EmptyBands)
    if (!IsRectEmpty(band.Rect) && RectVisible(FDC, band.Rect)) FillRect(FDC, band.Rect, FShadowBrush);
}

void TdxTreeListPainter::PaintHeader(const TdxTreeListHeaderInfo& Header) {
  const int column = Header.Column;
  TdxHeaderButtonContent content;
  content.Alignment = FList.GetColumnHeaderAlignment(column);
  content.Glyph = FList.HasHeaderGlyph(column) ? FList.GetColumnHeaderGlyph(column) : nullptr;
  content.Text = FList.GetColumnHeaderText(column);
  content.Sorted = FList.GetColumnSorted(column);
  content.ButtonState = FList.GetHeaderButtonState(column);
  content.Pressed = FList.FButtons.PressedHeader == column && FList.FButtons.PressedHeaderDown;
  content.MultiLine = Header.RowSpan > 1 || FList.Metrics().HeaderLineCount > 1;
  content.Look = FList.LookAndFeel();
  content.EdgeKind = Header.FirstInRow && Header.LastInRow ? ekAlone
                     : Header.FirstInRow                   ? ekFirst
                     : Header.LastInRow                    ? ekLast
                                                           : ekMiddle;
  HBRUSH brush = FHeaderBrush;
  bool done = false;
  const bool custom = FList.HasCustomDrawHeader(column);
  if (custom) {
    TColor color = FList.HeaderColor();
    RunCustomDraw(Header.Rect, Header.ClipRect, [&] {
      FList.DoCustomDrawHeader(column, &FCanvas, Header.Rect, Header.ClipRect, content.Text, color, FCanvas.Font(),
                               content.Alignment, content.Sorted, done);
    });
    if (!done && ColorToRGB(color) != ColorToRGB(FList.HeaderColor())) brush = SolidBrush(color);
  }
  if (!done) DrawHeaderButton(FDC, Header.Rect, Header.ClipRect, brush, FBitmap, content);
  if (!IsRectEmpty(Header.BelowRect)) FillRect(FDC, Header.BelowRect, FShadowBrush);
  if (custom) FCanvas.Font()->Assign(&FScratchFont);
}

// --- the new-item row ------------------------------------------------------------------------------------

void TdxTreeListPainter::PaintNewItemRow() {
  const TRect& strip = FInfo.NewItemRowRect;
  if (!RectVisible(FDC, strip)) return;
  const TdxTreeListMetrics& m = FList.Metrics();
  TRect row{FInfo.RowsRect.Left, strip.Top, FInfo.RowsRect.Left + FList.GetBandsWidth() - Shift(), strip.Bottom};
  if (HasRightFixed()) row.Right = std::min(row.Right, FInfo.RowsRect.Right);
  {
    SetClipRect(row);
    const auto restore = ScopeExit([&] { RestoreClipRect(); });
    TRect frame = row;
    DrawHeaderFrame(FDC, frame, FHeaderBrush, false, ekAlone, FList.LookAndFeel() == lfStandard ? lfStandard : lfFlat);
  }
  if (m.IndicatorWidth > 0) {
    const TRect cell{strip.Left, strip.Top, strip.Left + m.IndicatorWidth, strip.Bottom};
    DrawIndicatorCell(FDC, cell, cell, FHeaderBrush, FBitmap, ikInsert, FList.LookAndFeel());
  }
  FSegments.clear();
  PaintNewItemRowCells(row);
  if (FList.ShowGrid()) DrawSegments(FList.GetGridLineColor(FList.Color()));
}

void TdxTreeListPainter::PaintNewItemRowCells(const TRect& Row) {
  TCustomdxTreeList& l = FList;
  const int top = Row.Top, rowHeight = l.DefaultRowHeight();
  const int bottom = top + rowHeight - (GridBoth() ? 1 : 0);
  PrepareCellClip(top, top + rowHeight, FInfo.RowsRect.Left, FInfo.RowsRect.Left);
  const auto restore = ScopeExit([&] { RestoreClipRect(); });
  const bool active = l.IsNewItemRowActive(), invert = l.IsInvertSelect();
  const int focused = l.GetFocusedColumn();
  FCanvas.Font()->Assign(l.Font());
  for (size_t i = 0; i < FInfo.Headers.size(); ++i) {
    const TdxTreeListHeaderInfo& h = FInfo.Headers[i];
    ToggleCellClip(h.Band);
    TRect cell{h.Rect.Left, top, h.Rect.Right, bottom};
    const bool keepsRight = h.LastInRow && (h.Band == FInfo.FixedLeftBand || l.IsLastScrollBand(FInfo, h.Band));
    if (!keepsRight && GridBoth()) cell.Right -= FGridWidth;
    bool selected = active && (l.IsRowSelect() || (l.IsMultiSelect() && !invert) || ((h.Column == focused) != invert));
    if (l.HideSelection() && !FHasFocus) selected = false;
    const TCellColors colors = GetRowColors(l.GetFocusedNode(), selected, false, 0, int(i));
    SetBkColor(FDC, colors.BkColor);
    SetTextColor(FDC, colors.TextColor);
    l.DrawCell(&FCanvas, cell, &FBitmap, l.GetFocusedNode(), h.Column, selected, false, colors.BkColor, colors.TextColor,
               colors.Brush, h.MultiLine, 2, h.First, h.Last, FColumnColors[i].Color, FColumnColors[i].Brush);
    if (selected && !l.IsRowSelect() && !invert && h.Column == focused) DrawFocusMark(cell);
    if (!GridBoth()) continue;
    AddClippedHorizontal(cell.Left, cell.Right, cell.Bottom);
    if (!keepsRight && (!FClipNeeded || (cell.Right >= FCellClip.Left && cell.Right < FCellClip.Right)))
      AddSegment(cell.Right, top, cell.Right, cell.Bottom + 1);
  }
  if (active && (l.IsRowSelect() || invert)) {
    TRect r{FInfo.RowsRect.Left - Shift(), top, FInfo.RowsRect.Left + l.GetBandsWidth() - Shift(), top + rowHeight};
    if (l.ShowGrid() && HasRightFixed()) r.Right = std::min(r.Right, FInfo.RowsRect.Right - 1);
    DrawFocusMark(r);
  }
  if (l.ShowGrid()) AddSegment(FInfo.RowsRect.Left - Shift(), top + rowHeight - 1, FInfo.CellsRight + 1, top + rowHeight - 1);
  for (const TdxTreeListEmptyBandInfo& band : FInfo.EmptyBands) {
    FillRect(FDC, {band.Rect.Left, top, band.Rect.Right, top + rowHeight}, FBackgroundBrush);
    const bool fixed = band.Band == FInfo.FixedLeftBand || band.Band == FInfo.FixedRightBand;
    const int x = band.Rect.Right - 1;
    if (GridBoth() && !fixed && !band.CutRight && (!FClipNeeded || (x >= FCellClip.Left && x < FCellClip.Right)))
      AddSegment(x, top, x, top + rowHeight);
  }
}

// --- indicator, footer, filter panel ------------------------------------------------------------------

void TdxTreeListPainter::PaintIndicator() {
  const TRect& strip = FInfo.IndicatorRect;
  if (!RectVisible(FDC, strip) || FInfo.Rows.empty()) return;
  int y = FInfo.RowsRect.Top;
  for (const TdxTreeListRowInfo& row : FInfo.Rows) {
    const TRect cell{strip.Left, y, strip.Right, y + row.Height};
    TRect visible = cell;
    if (!IsRectEmpty(FInfo.FooterRect)) visible.Bottom = std::min(visible.Bottom, FInfo.FooterRect.Top);
    DrawIndicatorCell(FDC, cell, visible, FHeaderBrush, FBitmap, row.IndicatorKind, FList.LookAndFeel());
    y += row.Height;
  }
  ExcludeClipRect(FDC, strip.Left, strip.Top, strip.Right, strip.Bottom);
}

void TdxTreeListPainter::PaintFooter() {
  const TRect& strip = FInfo.FooterRect;
  if (!RectVisible(FDC, strip)) return;
  const TdxTreeListMetrics& m = FList.Metrics();
  const TdxLookAndFeel look = FList.LookAndFeel();
  const int overhang = m.Flat ? 1 : 2;
  TRect r = strip;
  if (!HasLeftFixed() && FList.LeftCoord() != 0) r.Left -= overhang;
  if (!HasRightFixed() && FList.GetBandsWidth() + FInfo.RowsRect.Left - FList.LeftCoord() > r.Right) r.Right += overhang;
  if (m.Flat) {
    DrawEdge(FDC, r, BDR_SUNKENOUTER, BF_TOP);
    ++r.Top;
    if (look == lfUltraFlat)
      FillRect(FDC, r, FHeaderBrush);
    else
      DrawEdge(FDC, r, BDR_RAISEDINNER, BF_RECT);
  } else {
    FrameRect(FDC, r, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(r, -1, -1);
    --r.Left;
    DrawEdge(FDC, r, BDR_RAISEDINNER, BF_RECT);
  }
  InflateRect(r, -1, -1);
  FillRect(FDC, r, FHeaderBrush);
  PrepareCellClip(strip.Top, strip.Bottom, FInfo.RowsRect.Left, FInfo.RowsRect.Left - m.IndicatorWidth);
  {
    const auto restore = ScopeExit([&] { RestoreClipRect(); });
    FCanvas.Font()->Assign(FList.Font());
    for (const TdxTreeListHeaderInfo& header : FInfo.Headers) {
      ToggleCellClip(header.Band);
      PaintFooterCell(header, r.Top);
    }
  }
  ExcludeClipRect(FDC, strip.Left, strip.Top, strip.Right, strip.Bottom);
}

void TdxTreeListPainter::PaintFooterCell(const TdxTreeListHeaderInfo& Header, int Top) {
  const int lineHeight = FList.Metrics().FooterLineHeight;
  const int x = Header.Rect.Left + Shift();
  const int shift = Header.Band == 0 && x < FInfo.RowsRect.Left ? FInfo.RowsRect.Left - x : 0;
  if (Header.Rect.Left + shift >= Header.Rect.Right) return;
  TRect cell{Header.Rect.Left + shift, Top + Header.Row * lineHeight, Header.Rect.Right,
             Top + (Header.Row + Header.RowSpan) * lineHeight};
  InflateRect(cell, -1, -1);
  if (Header.FirstInRow && Header.Band == 0) ++cell.Left;
  if (Header.LastInRow && Header.Band == FList.GetVisibleBandCount() - 1) cell.Right -= 2;
  if (!FList.IsExistFooterCell(Header.Column)) return;
  DrawFooterCellFrame(FDC, cell, FList.LookAndFeel());
  InflateRect(cell, -1, -1);
  const COLORREF bk = ColorToRGB(FList.HeaderColor());
  SetBkColor(FDC, bk);
  SetTextColor(FDC, FList.Font()->Color());
  FList.DrawCellText(&FCanvas, cell, &FBitmap, nullptr, Header.Column, -1, false, false, bk, FHeaderBrush,
                     Header.RowSpan >= 2, 1, false, false);
}

void TdxTreeListPainter::PaintFilterPanel() {
  const TRect& strip = FInfo.FilterPanelRect;
  if (!RectVisible(FDC, strip)) return;
  const bool filter = FList.HasFilter();
  FCanvas.Font()->Assign(FList.Font());
  TRect text = strip;
  InflateRect(text, -2, -2);
  // The close button stands left of the text.
  if (filter) text.Left += 18;
  DrawTextInRect(FDC, FList.GetFilterText(), -1, strip, text, dxLayoutCenter, FShadowBrush, FCanvas.Font()->Handle(),
                 ColorToRGB(FShadowColor), ColorToRGB(clBtnHighlight), nullptr);
  if (filter) {
    TRect box{strip.Left, strip.Top, strip.Left + 12, strip.Top + 11};
    OffsetRect(box, 3, (strip.Height() - 11) / 2);
    DrawFilterCloseButton(FDC, box, FList.FButtons.FilterCloseHot && !FList.FButtons.FilterCloseDown,
                          FList.FButtons.FilterCloseHot && FList.FButtons.FilterCloseDown);
  }
  ExcludeClipRect(FDC, strip.Left, strip.Top, strip.Right, strip.Bottom);
}
