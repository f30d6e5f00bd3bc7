// The control's sorted columns: the list in priority order, the sort lock, the header-click cycle
// and the rebuild of the list from the columns' stored sort positions.
#include <algorithm>

#include "rtl/ScopeExit.h"
#include "treelist/dxTLControl.h"
#include "windows/Input.h"

void TCustomdxTreeListControl::EndSorting() {
  if (--FSortLock == 0) ApplySorting();
}

void TCustomdxTreeListControl::InsideSorting(const std::function<void()>& Work) {
  BeginSorting();
  Bracket(Work, [this] { EndSorting(); });
}

int TCustomdxTreeListControl::AddSortedColumn(TdxTreeListColumn* Column) {
  if (!Column || Column->Sorted() == csNone) return 0;
  const auto found = std::find(FSortedColumns.begin(), FSortedColumns.end(), Column);
  if (found != FSortedColumns.end()) return int(found - FSortedColumns.begin()) + 1;
  FSortedColumns.push_back(Column);
  return int(FSortedColumns.size());
}

void TCustomdxTreeListControl::RemoveSortedColumn(TdxTreeListColumn* Column) { std::erase(FSortedColumns, Column); }

void TCustomdxTreeListControl::SortColumnChanged(TdxTreeListColumn* Column) {
  if (Column->Sorted() != csNone) AddSortedColumn(Column);
}

bool TCustomdxTreeListControl::DoColumnSorting(TdxTreeListColumn* Column) {
  bool allow = true;
  if (OnCanSortColumn) OnCanSortColumn(this, Column, allow);
  return allow;
}

void TCustomdxTreeListControl::ChangeColumnSort(TdxTreeListColumn* Column) {
  if (!DoColumnSorting(Column)) return;
  if (GetKeyState(VK_CONTROL) < 0)
    Column->SetSorted(csNone);
  else
    Column->SetSorted(Column->Sorted() == csUp ? csDown : csUp);
}

void TCustomdxTreeListControl::DoHeaderClick(int Column) {
  TdxTreeListColumn* column = ColumnAt(Column);
  if (!column) return;
  if (OnHeaderClick) OnHeaderClick(this, column);
  if (IsAutoSort()) ChangeColumnSort(column);
}

void TCustomdxTreeListControl::BeginSortingUpdate() {
  BeginUpdate();
  if (IsMultiSort()) BeginSorting();
}

void TCustomdxTreeListControl::InsideSortingUpdate(const std::function<void()>& Work) {
  BeginSortingUpdate();
  Bracket(Work, [this] { EndSortingUpdate(); });
}

void TCustomdxTreeListControl::EndSortingUpdate() {
  Bracket(
      [this] {
        if (IsMultiSort()) EndSorting();
      },
      [this] { EndUpdate(); });
}

void TCustomdxTreeListControl::RebuildSortedColumns() {
  for (TdxTreeListColumn* column : FColumns) AddSortedColumn(column);
  std::stable_sort(FSortedColumns.begin(), FSortedColumns.end(), [](const TdxTreeListColumn* a, const TdxTreeListColumn* b) {
    return a->StoredSortedOrder < b->StoredSortedOrder;
  });
}

bool TCustomdxTreeListControl::IsSortedColumnDescending(int Position) {
  TdxTreeListColumn* column = GetSortedColumn(Position);
  return column && column->Sorted() == csDown;
}

int TCustomdxTreeListControl::GetSortedColumnIndex(int Position) { return ColumnIndexOf(GetSortedColumn(Position)); }
