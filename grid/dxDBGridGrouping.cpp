// The grouped columns: which columns may group the records, adding and removing one at a level,
// regrouping by the columns' GroupIndex in numeric order, the suspension that rebuilds the group
// tree once, and copying columns with their grouping from another grid.
#include <algorithm>

#include "grid/dxDBGrid.h"
#include "rtl/ScopeExit.h"
#include "rtl/Text.h"

TdxDBTreeListColumn* TCustomdxDBGrid::GroupColumns(int Level) const {
  return Level >= 0 && Level < GroupColumnCount() ? FGroupColumns[size_t(Level)] : nullptr;
}

namespace {

bool IsOnlyVisibleColumn(const TCustomdxDBGrid& Grid, const TdxTreeListColumn* Column) {
  if (!Column->Visible()) return false;
  for (int i = 0; i < Grid.GetColumnCount(); ++i)
    if (Grid.GetColumn(i) != Column && Grid.GetColumn(i)->Visible()) return false;
  return true;
}

}  // namespace

bool TCustomdxDBGrid::CanAddGroupColumn(TdxDBTreeListColumn* Column) {
  if (FDefaultFields || !Column) return false;
  if (!FGrouping.Regrouping) {
    const bool blob = Column->Field() && Column->Field()->IsBlob();
    if (Column->DisableGrouping() || blob || IsOnlyVisibleColumn(*this, Column)) return false;
  }
  if (std::find(FGroupColumns.begin(), FGroupColumns.end(), Column) != FGroupColumns.end()) return false;
  for (TdxDBTreeListColumn* grouped : FGroupColumns) {
    const bool sameField =
        grouped->Field() ? grouped->Field() == Column->Field()
                         : !Column->FieldName().empty() && AnsiSameText(grouped->FieldName(), Column->FieldName());
    if (sameField) return false;
  }
  bool allow = true;
  if (OnAddGroupColumn) OnAddGroupColumn(this, Column, allow);
  return allow;
}

void TCustomdxDBGrid::RenumberGroupColumns() {
  for (size_t i = 0; i < FGroupColumns.size(); ++i) FGroupColumns[i]->StoreGroupIndex(int(i));
}

bool TCustomdxDBGrid::AddGroupColumn(TdxDBTreeListColumn* Column, int Position) {
  if (!CanAddGroupColumn(Column)) return false;
  FGrouping.Changed = true;
  Position = std::clamp(Position, 0, GroupColumnCount());
  FGroupColumns.insert(FGroupColumns.begin() + Position, Column);
  RenumberGroupColumns();
  InsideUpdate([&] {
    if (Column->Sorted() == csNone) {
      Column->StoreSorted(csUp);
      SortColumnChanged(Column);
    }
    if (!(FOptionsCustomize & edgoNotHideColumn)) Column->SetVisible(false);
  });
  if (FGrouping.Suspended == 0) ReloadRecords();
  return true;
}

void TCustomdxDBGrid::RemoveGroupColumn(int Position) {
  TdxDBTreeListColumn* column = GroupColumns(Position);
  if (!column) return;
  InsideUpdate([&] {
    column->SetVisible(true);
    column->StoreSorted(csNone);
    RemoveSortedColumn(column);
    column->StoreGroupIndex(-1);
    FGroupColumns.erase(FGroupColumns.begin() + Position);
    RenumberGroupColumns();
  });
  FGrouping.Changed = true;
  if (FGrouping.Suspended == 0) ReloadRecords();
}

void TCustomdxDBGrid::ClearGrouping() {
  InsideUpdate([this] {
    // The caller regroups: the suspension ends without a reload.
    TDepthScope suspended(FGrouping.Suspended);
    while (!FGroupColumns.empty()) RemoveGroupColumn(0);
  });
}

void TCustomdxDBGrid::SetColumnGroupIndex(TdxDBTreeListColumn* Column, int Index) {
  if (Index < -1 || (Index == Column->GroupIndex() && !FGrouping.Regrouping)) return;
  const auto at = std::find(FGroupColumns.begin(), FGroupColumns.end(), Column);
  const int position = at == FGroupColumns.end() ? -1 : int(at - FGroupColumns.begin());
  const std::vector<TdxDBTreeListColumn*> before = FGroupColumns;
  InsideUpdate([&] {
    RegroupAfter([&] {
      if (Index == -1) {
        if (position >= 0) RemoveGroupColumn(position);
        Column->StoreGroupIndex(-1);
      } else {
        // A grouped column moves to its new level keeping its sort order.
        if (position >= 0) FGroupColumns.erase(FGroupColumns.begin() + position);
        if (!AddGroupColumn(Column, Index)) {
          if (position >= 0) {
            FGroupColumns.insert(FGroupColumns.begin() + position, Column);
            RemoveGroupColumn(position);
          }
          Column->StoreGroupIndex(-1);
        }
      }
      RenumberGroupColumns();
      FGrouping.Changed = FGrouping.Changed || FGroupColumns != before;
    });
  });
}

void TCustomdxDBGrid::RegroupAfter(const std::function<void()>& Work) {
  SuspendGrouping();
  // A failed change ends the suspension without regrouping over a half-changed grouping.
  auto endOnFailure = ScopeExit([this] { --FGrouping.Suspended; });
  Work();
  endOnFailure.Dismiss();
  ResumeGrouping();
}

void TCustomdxDBGrid::ResumeGrouping() {
  if (FGrouping.Suspended > 0) --FGrouping.Suspended;
  if (FGrouping.Suspended > 0) return;
  if (FGrouping.Changed) {
    ReloadRecords();
    FGrouping.Changed = false;
  } else {
    RefreshRecords();
  }
}

void TCustomdxDBGrid::RefreshGrouping() {
  if ((FOptionsDB & edgoSmartRefresh) && !FGrouping.RegroupAfterLoad && !IsCursorMode()) {
    // The group tree is built again over the grouped columns as they stand.
    InsideUpdate([this] {
      FGrouping.Changed = true;
      ReloadRecords();
      FGrouping.Changed = false;
    });
    return;
  }
  FGrouping.Regrouping = true;
  auto regrouped = ScopeExit([this] { FGrouping.Regrouping = false; });
  RegroupByGroupIndex();
}

// The columns with a GroupIndex are grouped again in the numeric order of their indexes, each at
// its own index (clamped), so that 5, 2 and 9 become the levels 0, 1 and 2 in the order 2, 5, 9. A
// later column with the index of an earlier one is ungrouped.
void TCustomdxDBGrid::RegroupByGroupIndex() {
  std::vector<TdxDBTreeListColumn*> keyed;
  for (int i = 0; i < GetColumnCount(); ++i)
    if (TdxDBTreeListColumn* column = DBColumn(i); column && column->GroupIndex() >= 0) keyed.push_back(column);
  std::stable_sort(keyed.begin(), keyed.end(), [](const TdxDBTreeListColumn* a, const TdxDBTreeListColumn* b) {
    return a->GroupIndex() < b->GroupIndex();
  });
  for (size_t i = 1; i < keyed.size(); ++i)
    if (keyed[i]->GroupIndex() == keyed[i - 1]->GroupIndex()) keyed[i]->StoreGroupIndex(-1);
  std::erase_if(keyed, [](const TdxDBTreeListColumn* c) { return c->GroupIndex() < 0; });
  FGroupColumns.clear();
  if (keyed.empty()) {
    if (!IsCursorMode()) ReloadRecords();
    return;
  }
  RegroupAfter([&] {
    for (TdxDBTreeListColumn* column : keyed) SetColumnGroupIndex(column, column->GroupIndex());
    FGrouping.Changed = true;
  });
}

void TCustomdxDBGrid::AssignColumns(TCustomdxTreeListControl* Source) {
  InsideUpdate([&] {
    RegroupAfter([&] {
      ClearGrouping();
      TCustomdxDBTreeListControl::AssignColumns(Source);
      if (auto* grid = dynamic_cast<TCustomdxDBGrid*>(Source))
        for (int level = 0; level < grid->GroupColumnCount(); ++level)
          if (TdxDBTreeListColumn* column = ColumnByName(grid->GroupColumns(level)->Name()))
            AddGroupColumn(column, level);
    });
  });
}

void TCustomdxDBGrid::DoEndDragGroupColumn(TdxDBTreeListColumn* Column, int NewGroupIndex, bool& Allow) {
  if (OnEndDragGroupColumn) OnEndDragGroupColumn(this, Column, NewGroupIndex, Allow);
}
