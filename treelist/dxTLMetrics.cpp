// The tree list's metrics: the heights of bands, headers, rows, footers and preview measured from
// the fonts, the least row height with the images and the grid lines, the image lists that size
// the tree indent, and the relayout that measures them and rebuilds what depends on them.
#include <algorithm>

#include "treelist/dxTL.h"
#include "windows/Paint.h"

namespace {

// What a standard look adds to the heights of bands, headers and the footer (its raised edge).
int RaisedEdge(const TdxTreeListMetrics& M) { return M.Flat ? 0 : 1; }

int LineHeightOf(TCanvas& Canvas, const TFont* Font) {
  Canvas.Font()->Assign(Font);
  return Canvas.TextHeight("Wg");
}

TSize ImageSizeOf(const TImageList* List) { return List ? TSize{List->Width(), List->Height()} : TSize{}; }

}  // namespace

const TdxTreeListMetrics& TCustomdxTreeList::Metrics() {
  if (!FMeasures.Calculated) CalcMetrics();
  return FMeasures.Metrics;
}

void TCustomdxTreeList::RecalcMetrics() {
  if (IsLoading() || IsDestroying()) return;
  CalcMetrics();
  ClearCalcLists();
  LayoutChanged();
  RebuildAbsoluteLists();
  LinksChanged();
  if (!FTopVisibleNode && Count() > 0) SetTopVisibleNode(GetFirstNode());
  CalcVisibleRowCounts();
  FLeftCoord = std::clamp(FLeftCoord, 0, std::max(0, GetScrollableBandsWidth() - GetScrollableClientWidth()));
  Invalidate();
}

void TCustomdxTreeList::CalcMetrics() {
  TdxTreeListMetrics& m = FMeasures.Metrics;
  TCanvas canvas;  // measures without a surface, as the screen does
  m.BandRowCount = GetBandPanelRowCount();
  m.HeaderPanelRowCount = GetHeaderPanelRowCount();
  m.HeaderLineCount = GetHeaderMinRowCount();
  m.Flat = FLook.LookAndFeel != lfStandard;
  m.BandLineHeight = LineHeightOf(canvas, FLook.BandFont.get());
  m.BandHeight = FLook.ShowBands ? m.BandRowCount * m.BandLineHeight + 5 + RaisedEdge(m) : 0;
  m.HeaderLineHeight = LineHeightOf(canvas, FLook.HeaderFont.get());
  m.HeaderRowHeight = m.HeaderLineHeight * m.HeaderLineCount + 5 + RaisedEdge(m);
  m.HeaderHeight = FLook.ShowHeader ? m.HeaderRowHeight * m.HeaderPanelRowCount : 0;
  m.DropArrowRect = {0, 0, 11, m.HeaderRowHeight + 18};
  m.GroupPanelHeight = GetGroupPanelHeight();
  m.IndicatorWidth = FLook.ShowIndicator ? GetMinIndicatorWidth() : 0;
  m.TextHeight = LineHeightOf(canvas, Font());
  m.HorzStep = canvas.TextWidth("0");
  const int grid = FLook.ShowGrid && FLook.ShowPreviewGrid ? 1 : 0;
  m.FooterLineHeight = m.TextHeight + 7;
  m.RowFooterHeight = m.HeaderPanelRowCount * m.FooterLineHeight + 2 + grid;
  m.FooterHeight = FLook.ShowFooter ? m.FooterLineHeight * m.HeaderPanelRowCount + 3 + RaisedEdge(m) : 0;
  m.FilterPanelHeight = IsFilterStatusVisible() ? std::max(m.TextHeight + 5, 17) : 0;
  m.ImageSize = ImageSizeOf(FMeasures.Images);
  m.StateImageSize = ImageSizeOf(FMeasures.StateImages);
  m.Indent = 16;
  m.PreviewLineHeight = LineHeightOf(canvas, FLook.PreviewFont.get());
  FMeasures.Calculated = true;
  m.RowLineHeight = CalcRowLineHeight();
  // A height the user gave is kept; the row shows at least the least height, and the user's
  // height comes back when the least height shrinks again. Equal to it, the row follows the fonts.
  if (!FLook.RowHeightAssigned) FLook.UserRowHeight = m.RowLineHeight;
  FLook.RowHeight = std::max(FLook.UserRowHeight, m.RowLineHeight);
  if (FLook.UserRowHeight == m.RowLineHeight) FLook.RowHeightAssigned = false;
  m.NewItemRowSeparator = m.Flat ? 5 : 6;
  const bool newItemRow = FLook.ShowNewItemRow && m.HeaderPanelRowCount == 1 && GetVisibleBandCount() > 0;
  m.NewItemRowHeight = newItemRow ? FLook.RowHeight + m.NewItemRowSeparator : 0;
}

// The least height of one header row of a data row: a text line with its margins, at least 16,
// raised to the images and to the tallest column font, then the grid line and the inverted
// selection's frame.
int TCustomdxTreeList::CalcRowLineHeight() {
  const TdxTreeListMetrics& m = FMeasures.Metrics;
  const int grid = FLook.ShowGrid && FLook.ShowPreviewGrid ? 1 : 0;
  const int rows = m.HeaderPanelRowCount;
  int height = std::max(m.TextHeight + 3, 16);
  for (const int tall : {m.ImageSize.cy, m.StateImageSize.cy, GetMaxCellTextHeight()})
    if (tall > rows * (height + grid)) height = tall;
  height += grid;
  if (IsInvertSelect()) height += 2;
  return height;
}

int TCustomdxTreeList::GetMaxCellTextHeight() {
  int tallest = 0;
  for (int c = 0; c < GetTotalColumnCount(); ++c)
    if (IsColumnShown(c)) tallest = std::max(tallest, GetCellTextHeight(c));
  return tallest;
}

int TCustomdxTreeList::GetCellTextHeight(int Column) {
  if (!HasColumnFont(Column)) return 0;
  TCanvas canvas;
  return LineHeightOf(canvas, GetColumnFont(Column)) + 3;
}

// --- image lists -------------------------------------------------------------------------------------

void TCustomdxTreeList::SetImages(TImageList* Value) {
  if (Value == FMeasures.Images) return;
  InsideUpdate([&] {
    FMeasures.ImagesLink.OnChange = [this](TObject* Sender) { ImagesChanged(Sender); };
    SetImageListReference(FMeasures.Images, Value, FMeasures.ImagesLink, this);
  });
}

void TCustomdxTreeList::SetStateImages(TImageList* Value) {
  if (Value == FMeasures.StateImages) return;
  InsideUpdate([&] {
    FMeasures.StateImagesLink.OnChange = [this](TObject* Sender) { ImagesChanged(Sender); };
    SetImageListReference(FMeasures.StateImages, Value, FMeasures.StateImagesLink, this);
  });
}

void TCustomdxTreeList::ImagesChanged(TObject* Sender) {
  (void)Sender;
  if (HandleAllocated()) Relayout();
}

void TCustomdxTreeList::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomdxContainer::Notification(AComponent, Operation);
  if (Operation != opRemove || (AComponent != FMeasures.Images && AComponent != FMeasures.StateImages)) return;
  // The list is being freed: only its address may be compared, and it forgets the link itself.
  if (AComponent == FMeasures.Images) FMeasures.Images = nullptr;
  if (AComponent == FMeasures.StateImages) FMeasures.StateImages = nullptr;
  Relayout();
}

// --- repainting the panels ----------------------------------------------------------------------------

namespace {

TRect StripOf(TCustomdxTreeList& List, TRect TdxTreeListDrawInfo::*Strip) {
  TdxTreeListDrawInfo info;
  List.CalcRectInfo(info);
  return info.*Strip;
}

// Repaints a strip now when the window exists.
void RepaintNow(TCustomdxTreeList& List, TRect TdxTreeListDrawInfo::*Strip) {
  if (!List.HandleAllocated()) return;
  List.InvalidateRect(StripOf(List, Strip));
  UpdateWindow(List.Handle());
}

}  // namespace

void TCustomdxTreeList::InvalidateBandArea() { RepaintNow(*this, &TdxTreeListDrawInfo::BandRect); }

void TCustomdxTreeList::InvalidateBandCorner() { RepaintNow(*this, &TdxTreeListDrawInfo::BandCornerRect); }

void TCustomdxTreeList::InvalidateHeaderArea() { RepaintNow(*this, &TdxTreeListDrawInfo::HeaderRect); }

void TCustomdxTreeList::InvalidateHeaderCorner() { RepaintNow(*this, &TdxTreeListDrawInfo::HeaderCornerRect); }

void TCustomdxTreeList::InvalidateNewItemRow() { InvalidateRect(StripOf(*this, &TdxTreeListDrawInfo::NewItemRowRect)); }

// --- keeping the display widths when AutoWidth goes -------------------------------------------------------

// The widths shown while AutoWidth held become the widths the bands and columns keep: a single
// band sized by its headers through its first column, else the first band through the bands.
void TCustomdxTreeList::KeepDisplayWidths() {
  if (IsBandHeaderWidth() && GetVisibleColumnCount() > 0 && GetVisibleBandCount() == 1) {
    const int column = GetVisibleColumnAt(0);
    ApplyColumnWidth(column, GetColumnPosition(column));
  } else if (GetVisibleBandCount() > 0) {
    ApplyBandWidth(0, CalcBandWidth(0) + GetGroupIndentWidth());
  }
}
