// The grid's data link (focusing the column of a field, the grouping held while the fields
// change), the grid's nodes (a group row's summaries, deleting a record row's record), and what
// the grid does when its data source or a field goes away.
#include "grid/dxDBGrid.h"
#include "rtl/ScopeExit.h"

TdxGridDataLink::TdxGridDataLink(TCustomdxDBGrid* Grid) : TdxDBTreeListControlDataLink(Grid), FGrid(Grid) {}

void TdxGridDataLink::FocusControl(TField*& Field) {
  if (!Field || !(FGrid->FOptions & egoCanNavigation)) return;
  if (!FGrid->IsCursorMode()) {
    TdxTreeListNode* node = FGrid->FocusedNode();
    while (node && node->Count() > 0) node = node->GetFirstChild();
    if (node) {
      node->SetFocused(true);
      FGrid->MakeNodeVisible(node);
    }
  }
  if (FGrid->FOptionsView & edgoRowSelect) return;
  TdxDBTreeListColumn* column = FGrid->FindColumnByFieldName(Field->FieldName());
  if (!column) return;
  FGrid->SetFocusedVisibleIndex(FGrid->GetVisibleColumnPos(column->GetIndex()));
  if (FGrid->GetFocusedColumn() == column->GetIndex() && FGrid->TakeFocus()) Field = nullptr;
}

void TdxGridDataLink::LayoutChanged() {
  const bool hold = !FGrid->IsCursorMode();
  if (hold) FGrid->SuspendGrouping();
  Bracket([this] { FGrid->Relayout(); },
          [this, hold] {
            if (hold) FGrid->ResumeGrouping();
          });
  if (FGrid->FGrouping.Suspended == 0) TdxDBTreeListControlDataLink::LayoutChanged();
}

// --- a group row's summaries ------------------------------------------------------------------------

int TdxDBGridNode::RecordCount() const {
  int records = 0;
  for (int i = 0; i < Count(); ++i) {
    const TdxTreeListNode* child = Items(i);
    records += child->HasChildren() ? static_cast<const TdxDBGridNode*>(child)->RecordCount() : 1;
  }
  return records;
}

namespace {

void FinishSummary(TdxSummaryType Type, int Records, TdxSummaryValue& Value) {
  if (Type == cstCount) Value = Records;
  if (Type == cstAvg && Records > 0) Value /= Records;
}

}  // namespace

void TdxDBGridNode::FinishSummaries(TdxSummaryType Type, const std::vector<TdxSummaryType>& ItemTypes) {
  const int records = RecordCount();
  FinishSummary(Type, records, SummaryValue);
  for (size_t i = 0; i < ItemValues.size() && i < ItemTypes.size(); ++i)
    FinishSummary(ItemTypes[i], records, ItemValues[i].Value);
}

// --- deleting a node's record -----------------------------------------------------------------------

void TdxDBGridNode::DeleteRecord() {
  auto* grid = static_cast<TCustomdxDBGrid*>(Owner());
  TdxDBTreeListControlDataLink* link = grid->GetDataLink();
  if (!link->Active()) return;
  TDataSet* dataSet = link->DataSet();
  if (grid->IsCursorMode()) {
    // The data set stands on the focused row's record.
    if (this != grid->FocusedNode()) return;
  } else {
    if (HasChildren() || !(grid->FOptions & egoCanNavigation)) return;
    // The move is the grid's own: the data set's notices of it reload nothing.
    if (grid->KeyFieldObject())
      grid->MoveDataSetToNode(grid->FocusedNode(), this, true, KeyValue);
    else if (this != grid->FocusedNode())
      return;
    if (grid->KeyFieldObject() && !VarSameValue(grid->KeyFieldObject()->Value(), KeyValue)) return;
  }
  grid->FReaction.DeletingNode = this;
  grid->FReaction.DeletingKey = KeyValue;
  auto deleted = ScopeExit([grid] {
    grid->FReaction.DeletingNode = nullptr;
    grid->FReaction.DeletingKey = Variant();
  });
  dataSet->Delete();
}

// --- components going away --------------------------------------------------------------------------

void TCustomdxDBGrid::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation != opRemove) return TCustomdxDBTreeListControl::Notification(AComponent, Operation);
  const bool keyField = AComponent == FKeyFieldObject;
  const bool bound = ForgetField(AComponent);
  for (int g = 0; FSummaryGroups && g < FSummaryGroups->Count(); ++g) {
    TdxDBGridSummaryItems* items = FSummaryGroups->Items(g)->SummaryItems();
    for (int i = 0; i < items->Count(); ++i)
      if (items->Items(i)->Field == AComponent) items->Items(i)->Field = nullptr;
  }
  TCustomdxDBTreeListControl::Notification(AComponent, Operation);
  if (FDataLink && AComponent == DataSource()) SetDataSource(nullptr);
  TDataSet* dataSet = DataSource() ? DataSource()->DataSet() : nullptr;
  if ((!bound && !keyField) || IsDestroying() || !dataSet || (dataSet->ComponentState() & csDestroying)) return;
  InsideUpdate([&] {
    for (int i = 0; i < GetColumnCount(); ++i)
      if (TdxDBTreeListColumn* column = DBColumn(i); column && !column->Field())
        column->SetFieldName(column->FieldName());
    if (keyField && !IsCursorMode()) ActiveChanged(FDataLink->Active());
  });
}
