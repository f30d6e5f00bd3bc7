// Sorting the grid's rows: the record rows by the sort column (the first sorted column that does
// not group), the group rows of a level by their grouped column's values or summaries. In the
// cursor modes the records keep the data set's order, so only grouped columns stay sorted there.
#include "grid/dxDBGrid.h"
#include "rtl/Text.h"

TdxDBTreeListColumn* TCustomdxDBGrid::SortColumn() {
  TdxDBTreeListColumn* found = nullptr;
  for (int i = 0; i < GetColumnCount() && !found; ++i)
    if (TdxDBTreeListColumn* column = DBColumn(i); column && column->Sorted() != csNone && column->GroupIndex() == -1)
      found = column;
  if (!IsMultiSort()) return found;
  if (GetSortedColumnCount() > 0) return dynamic_cast<TdxDBTreeListColumn*>(GetSortedColumn(0));
  if (found) AddSortedColumn(found);
  return found;
}

void TCustomdxDBGrid::ApplySorting() {
  InsideUpdate([this] {
    TdxDBTreeListColumn* column = SortColumn();
    if (column && column->Sorted() != csNone)
      SortNodes(GroupColumnCount(), column->GetIndex(), column->Sorted() == csDown);
  });
}

namespace {

// An ungrouped column bound to the field of a grouped one sorts nothing of its own.
bool SharesGroupedField(TCustomdxDBGrid& Grid, TdxDBTreeListColumn* Column) {
  if (Column->GroupIndex() != -1) return false;
  for (int level = 0; level < Grid.GroupColumnCount(); ++level) {
    TdxDBTreeListColumn* grouped = Grid.GroupColumns(level);
    if (grouped != Column && !Column->FieldName().empty() && AnsiSameText(grouped->FieldName(), Column->FieldName()))
      return true;
  }
  return false;
}

}  // namespace

void TCustomdxDBGrid::SortColumnChanged(TdxTreeListColumn* Column) {
  auto* column = dynamic_cast<TdxDBTreeListColumn*>(Column);
  if (IsLoading() || !column || SharesGroupedField(*this, column)) return;
  if (InCursorMode()) return ClearCursorModeSorting();
  if (IsMultiSort()) SortColumn();
  TCustomdxDBTreeListControl::SortColumnChanged(Column);
  if (!IsAutoSort() || IsSortLocked() || column->Sorted() == csNone) return;
  const int level = column->GroupIndex() != -1 ? column->GroupIndex() : GroupColumnCount();
  InsideUpdate([&] { SortNodes(level, column->GetIndex(), column->Sorted() == csDown); });
}

void TCustomdxDBGrid::SortNodes(int Level, int ColumnIndex, bool Descending) {
  TCustomdxDBTreeListControl::SortNodes(Level, ColumnIndex, Descending);
  if (Level == GroupColumnCount()) OrderGroupsBySummary();
}

void TCustomdxDBGrid::ClearCursorModeSorting() {
  for (int i = 0; i < GetColumnCount(); ++i)
    if (TdxDBTreeListColumn* column = DBColumn(i); column && column->GroupIndex() == -1) {
      column->StoreSorted(csNone);
      RemoveSortedColumn(column);
    }
}
