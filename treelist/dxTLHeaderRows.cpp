// Bands and header rows of the control: the band order and header-row lists built from the model,
// the normalisation of the header rows, the row-count limits, the default layout, the control's
// answers to the tree list's band and column questions, and the band and header moves.
#include <algorithm>
#include <tuple>

#include "rtl/Arith.h"
#include "rtl/ScopeExit.h"
#include "treelist/dxTLControl.h"

// --- the band order and header rows ----------------------------------------------------------------

void TCustomdxTreeListControl::ClearCalcLists() {
  TCustomdxTreeList::ClearCalcLists();
  FBandOrder.clear();
  FBandPositions.clear();
  FHeaderRows.clear();
  FHeaderRowsValid = false;
}

void TCustomdxTreeListControl::RebuildAbsoluteLists() {
  TCustomdxTreeList::RebuildAbsoluteLists();
  BuildBandHeaderLayout();
}

void TCustomdxTreeListControl::LayoutChanged() {
  TCustomdxTreeList::LayoutChanged();
  BuildBandHeaderLayout();
}

void TCustomdxTreeListControl::EnsureHeaderRows() {
  if (!FHeaderRowsValid) BuildBandHeaderLayout();
}

void TCustomdxTreeListControl::BuildBandHeaderLayout() {
  FBandOrder.clear();
  FBandPositions.assign(size_t(FBands->Count()), -1);
  for (int i = 0; i < FBands->Count(); ++i)
    if (FBands->Items(i)->Visible()) {
      FBandPositions[size_t(i)] = int(FBandOrder.size());
      FBandOrder.push_back(i);
    }
  // The shown columns by band, row and list position, grouped into rows inside each band.
  std::vector<std::tuple<int, int, int>> shown;
  for (int c = 0; c < GetColumnCount(); ++c)
    if (IsColumnShown(c)) shown.emplace_back(FColumns[size_t(c)]->BandIndex(), FColumns[size_t(c)]->RowIndex(), c);
  std::sort(shown.begin(), shown.end());
  FHeaderRows.assign(FBandOrder.size(), {});
  int lastBand = -1, lastRow = -1;
  for (const auto& [band, row, column] : shown) {
    auto& rows = FHeaderRows[size_t(FBandPositions[size_t(band)])];
    if (band != lastBand || row != lastRow) rows.emplace_back();
    rows.back().push_back(column);
    lastBand = band;
    lastRow = row;
  }
  FHeaderRowsValid = true;
}

int TCustomdxTreeListControl::GetBandRowCount(int Position) {
  EnsureHeaderRows();
  return Position >= 0 && Position < int(FHeaderRows.size()) ? int(FHeaderRows[size_t(Position)].size()) : 0;
}

int TCustomdxTreeListControl::GetBandRowColumnCount(int Position, int Row) {
  if (Row < 0 || Row >= GetBandRowCount(Position)) return 0;
  return int(FHeaderRows[size_t(Position)][size_t(Row)].size());
}

int TCustomdxTreeListControl::GetBandColumn(int Position, int Row, int Index) {
  if (Index < 0 || Index >= GetBandRowColumnCount(Position, Row)) return -1;
  return FHeaderRows[size_t(Position)][size_t(Row)][size_t(Index)];
}

// --- normalising the header rows -------------------------------------------------------------------

void TCustomdxTreeListControl::NormalizeHeaderRows() {
  if (IsLoading()) return;
  ClearCalcLists();
  for (TdxTreeListColumn* column : FColumns) column->FRowIndex = std::clamp(column->FRowIndex, 0, FHeaderPanelRowCount - 1);
  for (int b = 0; b < FBands->Count(); ++b) CloseRowGaps(b);
  if (IsAutoHeaderPanelHeight() && !FAutoHeightGuard) CalcAutoHeaderPanelHeight();
  if (LockUpdate() == 0) RebuildAbsoluteLists();
}

// Empty rows between the used ones close from the bottom up; rows past the used count fold into the
// last used row.
void TCustomdxTreeListControl::CloseRowGaps(int BandIndex) {
  const auto usedRows = [&] {
    std::vector<int> rows;
    for (TdxTreeListColumn* c : FColumns)
      if (c->Visible() && c->BandIndex() == BandIndex) rows.push_back(c->RowIndex());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
  };
  const auto setRow = [](TdxTreeListColumn* c, int Row) { c->FRowIndex = c->FStoredRowIndex = Row; };
  for (int r = int(usedRows().size()) - 1; r >= 0; --r) {
    const std::vector<int> rows = usedRows();
    if (std::binary_search(rows.begin(), rows.end(), r)) continue;
    for (TdxTreeListColumn* c : FColumns)
      if (c->Visible() && c->BandIndex() == BandIndex && c->RowIndex() > r) setRow(c, c->RowIndex() - 1);
  }
  const int count = int(usedRows().size());
  for (TdxTreeListColumn* c : FColumns)
    if (c->BandIndex() == BandIndex && c->RowIndex() >= count) setRow(c, std::max(count - 1, 0));
}

void TCustomdxTreeListControl::CalcAutoHeaderPanelHeight() {
  int highest = -1;
  for (int c = 0; c < GetColumnCount(); ++c)
    if (IsColumnShown(c)) highest = std::max(highest, FColumns[size_t(c)]->StoredRowIndex());
  if (highest < 0) return;
  const auto resetGuard = ScopeExit([this] { FAutoHeightGuard = false; });
  FAutoHeightGuard = true;
  SetHeaderPanelRowCount(highest + 1);
}

// --- row counts and the default layout --------------------------------------------------------------

void TCustomdxTreeListControl::SetBandMaxRowCount(int Value) {
  FBandMaxRowCount = std::max(Value, 1);
  SetBandRowCount(FBandRowCount);
}

void TCustomdxTreeListControl::SetBandRowCount(int Value) {
  Value = std::clamp(Value, 1, FBandMaxRowCount);
  if (Value == FBandRowCount) return;
  FBandRowCount = Value;
  if (IsAutoHeaderPanelHeight())
    InsideUpdate([this] { CalcAutoHeaderPanelHeight(); });
  else
    Relayout();
}

void TCustomdxTreeListControl::SetHeaderPanelMaxRowCount(int Value) {
  FHeaderPanelMaxRowCount = std::max(Value, 1);
  SetHeaderPanelRowCount(FHeaderPanelRowCount);
}

void TCustomdxTreeListControl::SetHeaderPanelRowCount(int Value) {
  Value = std::clamp(Value, 1, FHeaderPanelMaxRowCount);
  if (Value == FHeaderPanelRowCount) return;
  if (!FAutoHeightGuard) ResetAutoHeaderPanelHeight();
  FHeaderPanelRowCount = Value;
  if (Value > 1) FDefaultLayout = false;
  NormalizeHeaderRows();
  Relayout();
}

void TCustomdxTreeListControl::SetHeaderMinRowCount(int Value) {
  Value = std::max(Value, 1);
  if (Value == FHeaderMinRowCount) return;
  FHeaderMinRowCount = Value;
  Relayout();
}

void TCustomdxTreeListControl::SetDefaultLayout(bool Value) {
  if (Value == FDefaultLayout) return;
  if (Value && !IsLoading()) ApplyDefaultLayout();
  FDefaultLayout = Value;
}

void TCustomdxTreeListControl::ApplyDefaultLayout() {
  InsideUpdate([this] {
    SetShowBands(false);
    SetHeaderPanelRowCount(1);
    while (FBands->Count() > 1) FBands->Delete(FBands->Count() - 1);
    if (FBands->Count() == 0) FBands->Add();
    FBands->Items(0)->SetVisible(true);
    for (TdxTreeListColumn* column : FColumns) column->SetBandIndex(0);
  });
}

void TCustomdxTreeListControl::BandsChanged() { Relayout(); }

void TCustomdxTreeListControl::BandDeleted(int Index) {
  for (TdxTreeListColumn* c : FColumns) {
    if (c->FBandIndex == Index)
      c->FBandIndex = -1;
    else if (c->FBandIndex > Index)
      --c->FBandIndex;
  }
}

void TCustomdxTreeListControl::BandMoved(int OldIndex, int NewIndex) {
  constexpr int Moving = -2;
  for (TdxTreeListColumn* c : FColumns) {
    if (c->FBandIndex == OldIndex)
      c->FBandIndex = Moving;
    else if (NewIndex > OldIndex && c->FBandIndex > OldIndex && c->FBandIndex <= NewIndex)
      --c->FBandIndex;
    else if (NewIndex < OldIndex && c->FBandIndex >= NewIndex && c->FBandIndex < OldIndex)
      ++c->FBandIndex;
  }
  for (TdxTreeListColumn* c : FColumns)
    if (c->FBandIndex == Moving) c->FBandIndex = NewIndex;
}

// --- band answers -----------------------------------------------------------------------------------

int TCustomdxTreeListControl::GetBandIndexByPosition(int Position) { return FBands->VisibleIndexToIndex(Position); }

int TCustomdxTreeListControl::GetBandPosition(int BandIndex) { return FBands->IndexToVisibleIndex(BandIndex); }

namespace {

TdxTreeListBand* BandByIndex(TdxTreeListBands* Bands, int Index) {
  return Index >= 0 && Index < Bands->Count() ? Bands->Items(Index) : nullptr;
}

}  // namespace

TAlignment TCustomdxTreeListControl::GetVisibleBandAlignment(int Position) {
  TdxTreeListBand* band = BandAt(Position);
  return band ? band->Alignment() : taLeftJustify;
}

String TCustomdxTreeListControl::GetVisibleBandCaption(int Position) {
  TdxTreeListBand* band = BandAt(Position);
  return band ? band->Caption() : String();
}

int TCustomdxTreeListControl::GetVisibleBandWidth(int Position) {
  TdxTreeListBand* band = BandAt(Position);
  return band ? band->Width() : 0;
}

int TCustomdxTreeListControl::GetBandMinWidth(int Position) {
  TdxTreeListBand* band = BandAt(Position);
  return band ? band->MinWidth() : 0;
}

int TCustomdxTreeListControl::GetFixedLeftBand() {
  TdxTreeListBand* first = BandAt(0);
  return first && first->Fixed() == bfLeft ? 0 : -1;
}

int TCustomdxTreeListControl::GetFixedRightBand() {
  const int last = FBands->VisibleCount() - 1;
  TdxTreeListBand* band = BandAt(last);
  return band && band->Fixed() == bfRight ? last : -1;
}

bool TCustomdxTreeListControl::IsBandOnlyOwnColumns(int Position) {
  TdxTreeListBand* band = BandAt(Position);
  return band && band->OnlyOwnColumns();
}

bool TCustomdxTreeListControl::IsBandSizable(int Position) {
  TdxTreeListBand* band = BandAt(Position);
  return TCustomdxTreeList::IsBandSizable(Position) && band && band->Sizing();
}

// --- column answers ---------------------------------------------------------------------------------

int TCustomdxTreeListControl::GetColumnBandIndex(int Column) {
  TdxTreeListColumn* c = ColumnAt(Column);
  return c ? c->BandIndex() : -1;
}

int TCustomdxTreeListControl::GetColumnRowIndex(int Column) {
  TdxTreeListColumn* c = ColumnAt(Column);
  return c ? c->RowIndex() : 0;
}

TAlignment TCustomdxTreeListControl::GetColumnAlignment(TdxTreeListNode* Node, int Column) {
  (void)Node;
  TdxTreeListColumn* c = ColumnAt(Column);
  return c ? c->Alignment() : taLeftJustify;
}

TAlignment TCustomdxTreeListControl::GetColumnHeaderAlignment(int Column) {
  TdxTreeListColumn* c = ColumnAt(Column);
  return c ? c->HeaderAlignment() : taLeftJustify;
}

TBitmap* TCustomdxTreeListControl::GetColumnHeaderGlyph(int Column) {
  TdxTreeListColumn* c = ColumnAt(Column);
  return c && c->HasHeaderGlyph() ? c->HeaderGlyph() : nullptr;
}

bool TCustomdxTreeListControl::HasHeaderGlyph(int Column) {
  TdxTreeListColumn* c = ColumnAt(Column);
  return c && c->HasHeaderGlyph();
}

unsigned TCustomdxTreeListControl::GetHeaderButtonState(int Column) {
  TdxTreeListColumn* c = ColumnAt(Column);
  return c && c->CanShowHeaderFilter() ? TCustomdxTreeList::GetHeaderButtonState(Column) : 0;
}

int TCustomdxTreeListControl::GetColumnMaxLineCount(int Column) {
  TdxTreeListColumn* c = ColumnAt(Column);
  return c ? c->HeaderMaxLineCount() : 1;
}

int TCustomdxTreeListControl::GetColumnMinWidth(int Column) {
  TdxTreeListColumn* c = ColumnAt(Column);
  if (!c) return 0;
  return c->Sizing() ? c->MinWidth() : c->Width();
}

int TCustomdxTreeListControl::GetColumnWidth(int Column) {
  TdxTreeListColumn* c = ColumnAt(Column);
  return c ? c->Width() : 0;
}

TdxTreeListColumnSort TCustomdxTreeListControl::GetColumnSorted(int Column) {
  TdxTreeListColumn* c = ColumnAt(Column);
  if (!c) return csNone;
  TdxTreeListColumnSort sorted = c->Sorted();
  if (OnGetColumnSorted) OnGetColumnSorted(this, c, sorted);
  return sorted;
}

bool TCustomdxTreeListControl::IsColumnTabStop(int Column) {
  TdxTreeListColumn* c = ColumnAt(Column);
  return c && c->TabStop();
}

String TCustomdxTreeListControl::GetColumnHeaderText(int Column) {
  TdxTreeListColumn* c = ColumnAt(Column);
  return c && !c->DisableCaption() ? c->Caption() : String();
}

TColor TCustomdxTreeListControl::GetColumnColor(int Column) {
  TdxTreeListColumn* c = ColumnAt(Column);
  return c ? c->Color() : Color();
}

TFont* TCustomdxTreeListControl::GetColumnFont(int Column) {
  TdxTreeListColumn* c = ColumnAt(Column);
  return c ? c->Font() : Font();
}

bool TCustomdxTreeListControl::HasColumnFont(int Column) {
  TdxTreeListColumn* c = ColumnAt(Column);
  return c && c->HasFont();
}

bool TCustomdxTreeListControl::IsColumnShown(int Column) {
  TdxTreeListColumn* c = ColumnAt(Column);
  if (!c || !c->Visible()) return false;
  TdxTreeListBand* band = BandByIndex(FBands.get(), c->BandIndex());
  return band && band->Visible();
}

bool TCustomdxTreeListControl::IsColumnSizable(int Column) {
  TdxTreeListColumn* c = ColumnAt(Column);
  return c && c->Sizing();
}

bool TCustomdxTreeListControl::IsHeaderHidden(int Column) {
  TdxTreeListColumn* c = ColumnAt(Column);
  if (!c || c->DisableCustomizing()) return false;
  if (!c->Visible() || c->BandIndex() < 0) return true;
  return ShowHiddenInCustomizeBox() && !IsColumnShown(Column);
}

// --- moving, showing and hiding bands and headers ---------------------------------------------------

void TCustomdxTreeListControl::MoveBand(int FromPosition, int ToPosition) {
  TdxTreeListBand* band = BandAt(FromPosition);
  const int target = GetBandIndexByPosition(ToPosition);
  if (band && target >= 0) band->SetIndex(target);
}

void TCustomdxTreeListControl::HideBand(int BandIndex) {
  TdxTreeListBand* band = BandByIndex(FBands.get(), BandIndex);
  if (!band) return;
  band->SetVisible(false);
  if (OnHideBand) OnHideBand(this, band);
}

void TCustomdxTreeListControl::ShowBand(int BandIndex, int Position) {
  TdxTreeListBand* band = BandByIndex(FBands.get(), BandIndex);
  if (!band) return;
  InsideUpdate([&] {
    band->SetVisible(true);
    const int last = FBands->VisibleCount() - 1;
    band->SetIndex(GetBandIndexByPosition(std::clamp(Position, 0, last)));
  });
  if (OnShowBand) OnShowBand(this, band, Position);
}

void TCustomdxTreeListControl::MoveColumn(int Column, int Position, int Row, int Index) {
  TdxTreeListColumn* c = ColumnAt(Column);
  if (!c) return;
  InsideUpdate([&] {
    c->SetBandIndex(GetBandIndexByPosition(Position));
    c->SetRowIndex(Row);
    c->SetColIndex(Index);
  });
  if (OnHeaderMoved) OnHeaderMoved(this, c);
}

void TCustomdxTreeListControl::HideHeader(int Column) {
  TdxTreeListColumn* c = ColumnAt(Column);
  if (!c) return;
  c->SetVisible(false);
  if (OnHideHeader) OnHideHeader(this, c);
}

void TCustomdxTreeListControl::ShowColumnHeader(int Column, int Position, int Row, int Index) {
  TdxTreeListColumn* c = ColumnAt(Column);
  if (!c) return;
  InsideUpdate([&] {
    c->SetBandIndex(GetBandIndexByPosition(Position));
    c->SetVisible(true);
    c->SetRowIndex(Row);
    c->SetColIndex(Index);
  });
  if (OnShowHeader) OnShowHeader(this, c, c->BandIndex(), c->RowIndex(), c->ColIndex());
}

// --- widths the user gives --------------------------------------------------------------------------

void TCustomdxTreeListControl::SetBandWidthByUser(int Position, int Value) {
  if (TdxTreeListBand* band = BandAt(Position)) band->SetWidth(Value);
}

void TCustomdxTreeListControl::SetColumnWidthByUser(int Column, int Value) {
  TdxTreeListColumn* c = ColumnAt(Column);
  if (c && c->Sizing()) c->SetWidthByUser(Value);
}

void TCustomdxTreeListControl::ScaleHiddenBandWidths(int New, int Old) {
  if (Old == 0) return;
  InsideUpdate([&] {
    for (int i = 0; i < FBands->Count(); ++i) {
      TdxTreeListBand* band = FBands->Items(i);
      if (!band->Visible() && band->Sizing()) band->SetWidth(MulDiv(band->Width(), New, Old));
    }
  });
}

void TCustomdxTreeListControl::ScaleHiddenColumnWidths(int Position, int New, int Old) {
  const int bandIndex = GetBandIndexByPosition(Position);
  if (Old == 0 || bandIndex < 0) return;
  InsideUpdate([&] {
    for (TdxTreeListColumn* c : FColumns)
      if (c->BandIndex() == bandIndex && !c->Visible() && c->Sizing()) c->SetWidth(MulDiv(c->Width(), New, Old));
  });
}

void TCustomdxTreeListControl::ApplyBandBestFit(int Position) {
  InsideUpdate([&] {
    for (int r = 0; r < GetBandRowCount(Position); ++r)
      for (int p = 0; p < GetBandRowColumnCount(Position, r); ++p) ApplyBestFit(ColumnAt(GetBandColumn(Position, r, p)));
  });
  if (OnChangedColumnsWidth) OnChangedColumnsWidth(this);
}

void TCustomdxTreeListControl::ApplyColumnBestFit(int Column) {
  if (TdxTreeListColumn* c = ColumnAt(Column)) ApplyBestFit(c);
  if (OnChangedColumnsWidth) OnChangedColumnsWidth(this);
}
