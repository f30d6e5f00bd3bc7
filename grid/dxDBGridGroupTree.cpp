// The group tree: group rows found by bisection over their values (or one by one where the rows
// are ordered by their summaries), made when missing, a record moved into the groups of its
// values, and the group and footer summaries gathered record by record and then finished.
#include <algorithm>

#include "grid/dxDBGrid.h"
#include "rtl/Text.h"

namespace {

TdxDBGridNode* GridNode(TdxTreeListNode* Node) { return static_cast<TdxDBGridNode*>(Node); }

// A value as a summary adds it up; what is no number adds 0.
TdxSummaryValue AsSummaryValue(const Variant& Value) {
  if (Value.IsNull() || Value.IsEmpty()) return 0;
  try {
    return TdxSummaryValue(Value.AsDouble());
  } catch (const EVariantError&) {
    return 0;
  } catch (const EConvertError&) {
    return 0;
  }
}

// The first value is taken; then sums and averages add, minimum and maximum compare, counts wait
// for the finish.
void Accumulate(TdxSummaryType Type, TdxSummaryValue Value, TdxSummaryValue& Stored, bool& Assigned) {
  if (!Assigned) {
    Stored = Value;
  } else if (Type == cstSum || Type == cstAvg) {
    Stored += Value;
  } else if (Type == cstMin) {
    if (Stored > Value) Stored = Value;
  } else if (Type == cstMax) {
    if (Stored < Value) Stored = Value;
  }
  Assigned = true;
}

}  // namespace

void TdxDBGridNode::ClearSummaries() {
  SummaryValue = 0;
  SummaryAssigned = false;
  ItemValues.clear();
}

// --- finding and making group rows --------------------------------------------------------------

int TCustomdxDBGrid::CompareGroupValues(const Variant& A, const Variant& B) {
  if (VarIsStr(A) && VarIsStr(B) && IsCaseInsensitive())
    return CompareGroupValuesAsIs(Variant(AnsiUpperCase(VarToStr(A))), Variant(AnsiUpperCase(VarToStr(B))));
  return CompareGroupValuesAsIs(A, B);
}

int TCustomdxDBGrid::CompareGroupValuesAsIs(const Variant& a, const Variant& b) {
  if (a.IsNull() || b.IsNull()) return a.IsNull() == b.IsNull() ? 0 : a.IsNull() ? -1 : 1;
  if (VarCompareOrder(a, b) == 0) return 0;
  if (VarIsStr(a) && VarIsStr(b) && IsAnsiSort()) {
    const int order = AnsiCompareStr(VarToStr(a), VarToStr(b));
    return order < 0 ? -1 : order > 0 ? 1 : 0;
  }
  return VarCompareOrder(a, b);
}

bool TCustomdxDBGrid::IsSortBySummaryColumn(int ColumnIndex) {
  TdxDBTreeListColumn* column = DBColumn(ColumnIndex);
  return column && column->GroupIndex() != -1 && column->SortBySummary();
}

bool TCustomdxDBGrid::FindGroupNode(TdxTreeListNode* Parent, const Variant& Value, TdxTreeListNode*& Position) {
  Position = nullptr;
  const int count = Parent ? Parent->Count() : Count();
  if (count == 0) return false;
  const auto sibling = [&](int i) { return Parent ? Parent->Items(i) : Items(i); };
  TdxDBTreeListColumn* column = GroupColumns(Parent ? Parent->Level() + 1 : 0);
  if (column && IsSortBySummaryColumn(column->GetIndex())) {
    // Ordered by summaries, the rows are not in order of their values: each is compared.
    for (int i = 0; i < count; ++i) {
      Position = sibling(i);
      if (CompareGroupValues(GridNode(Position)->GroupValue, Value) == 0) return true;
    }
    return false;
  }
  const bool descending = column && column->Sorted() == csDown;
  int low = 0, high = count - 1;
  while (low <= high) {
    const int middle = (low + high) / 2;
    int order = CompareGroupValues(GridNode(sibling(middle))->GroupValue, Value);
    if (order == 0) {
      Position = sibling(middle);
      return true;
    }
    if (descending) order = -order;
    if (order < 0)
      low = middle + 1;
    else
      high = middle - 1;
  }
  Position = low < count ? sibling(low) : nullptr;
  return false;
}

TdxDBGridNode* TCustomdxDBGrid::GroupNodeOf(TdxTreeListNode* Parent, int Level, const Variant& Value,
                                            const std::function<String()>& Text, const Variant& Key, int RecNo) {
  TdxTreeListNode* position = nullptr;
  if (FindGroupNode(Parent, Value, position)) return GridNode(position);
  TdxDBGridNode* node = nullptr;
  if (Level == 0)
    node = GridNode(position ? Insert(position) : Add());
  else
    node = GridNode(Parent->AddChild(position));
  node->GroupValue = Value;
  node->KeyValue = Key;
  node->RecNo = RecNo;
  const int column = GroupColumns(Level)->GetIndex();
  node->SetStrings(column, Text());
  node->SetValueRecord(column, {dnvValue, Value});
  DoRefreshNodeData(node);
  return node;
}

// The innermost group row of a record node's own values, the rows made where missing.
TdxDBGridNode* TCustomdxDBGrid::GroupPathOf(TdxDBGridNode* Record) {
  TdxTreeListNode* parent = nullptr;
  for (int level = 0; level < GroupColumnCount(); ++level) {
    const int column = GroupColumns(level)->GetIndex();
    parent = GroupNodeOf(
        parent, level, TCustomdxDBTreeListControl::GetNodeValue(Record, column),
        [&] { return TCustomdxDBTreeListControl::GetNodeString(Record, column); }, Record->KeyValue, Record->RecNo);
  }
  return GridNode(parent);
}

void TCustomdxDBGrid::CollectRecordNodes(TdxTreeListNode* Node, std::vector<TdxDBGridNode*>& Records) {
  const int count = Node ? Node->Count() : Count();
  for (int i = 0; i < count; ++i) {
    TdxTreeListNode* child = Node ? Node->Items(i) : Items(i);
    if (child->HasChildren())
      CollectRecordNodes(child, Records);
    else
      Records.push_back(GridNode(child));
  }
}

void TCustomdxDBGrid::FreeNodeAndEmptyGroups(TdxTreeListNode* Node) {
  while (Node) {
    TdxTreeListNode* parent = Node->Parent();
    Node->Free();
    Node = parent && parent->Count() == 0 ? parent : nullptr;
  }
}

void TCustomdxDBGrid::RegroupNode(TdxTreeListNode* Node) {
  InsideUpdate([&] {
    if (auto* record = GridNode(Node); record && !FGroupColumns.empty()) {
      TdxDBGridNode* group = GroupPathOf(record);
      TdxTreeListNode* former = record->Parent();
      if (former != group) {
        record->InternalMove(group, natAddChildLast);
        while (former && former->Count() == 0) {
          TdxTreeListNode* above = former->Parent();
          former->Free();
          former = above;
        }
      }
    }
    ClearGroupSummaries();
    ResetFooterSummaries();
    DoBeforeCalcSummary();
    std::vector<TdxDBGridNode*> records;
    if (FGroupColumns.empty())
      for (int i = 0; i < Count(); ++i) records.push_back(GridNode(Items(i)));
    else
      CollectRecordNodes(nullptr, records);
    for (TdxDBGridNode* record : records) {
      if (!FGroupColumns.empty()) AddToGroupSummaries(GridNode(record->Parent()), record);
      AddToFooterSummaries(record);
    }
    FLoad.FooterRecordCount = int(records.size());
    ApplySorting();
    FinishSummaries(false);
    OrderGroupsBySummary();
    TakeFirstChildKeys(nullptr);
  });
}

// --- summaries ----------------------------------------------------------------------------------

namespace {

// The value a record gives a summary of Field: from the data set's current record, or from a
// node's value in the column that shows the field.
TdxSummaryValue SummaryInput(TCustomdxDBGrid& Grid, TField* Field, TdxSummaryType Type, TdxDBGridNode* FromNode) {
  if (Type == cstCount || !Field) return 0;
  if (!FromNode) return AsSummaryValue(Field->Value());
  TdxDBTreeListColumn* shown = Grid.FindColumnByFieldName(Field->FieldName());
  return shown ? AsSummaryValue(Grid.TCustomdxDBTreeListControl::GetNodeValue(FromNode, shown->GetIndex())) : 0;
}

}  // namespace

void TCustomdxDBGrid::AddToGroupSummaries(TdxDBGridNode* Group, TdxDBGridNode* FromNode) {
  TDataSet* dataSet = FDataLink->DataSet();
  for (; Group; Group = GridNode(Group->Parent())) {
    TdxDBTreeListColumn* column = GroupColumns(Group->Level());
    if (!column) continue;
    const TdxSummaryType type = column->SummaryType();
    if (type != cstNone || OnGroupSummary) {
      TdxSummaryValue value = SummaryInput(*this, column->SummaryFieldObject, type, FromNode);
      if (column->OnSummary && dataSet) column->OnSummary(column, dataSet, value);
      if (OnGroupSummary && dataSet) OnGroupSummary(this, Group, dataSet, value);
      Accumulate(type, value, Group->SummaryValue, Group->SummaryAssigned);
    }
    TdxDBGridSummaryGroup* summaries = column->SummaryGroup;
    if (!summaries || summaries->SummaryItems()->Count() == 0) continue;
    TdxDBGridSummaryItems* items = summaries->SummaryItems();
    if (Group->ItemValues.empty()) Group->ItemValues.resize(size_t(items->Count()));
    for (int i = 0; i < items->Count() && i < int(Group->ItemValues.size()); ++i) {
      TdxDBGridSummaryItem* item = items->Items(i);
      const TdxSummaryType itemType = item->SummaryType();
      TdxSummaryValue value = itemType == cstNone ? 0 : SummaryInput(*this, item->Field, itemType, FromNode);
      if (item->OnSummary) item->OnSummary(item, dataSet, value);
      TdxGroupItemValue& entry = Group->ItemValues[size_t(i)];
      Accumulate(itemType, value, entry.Value, entry.Assigned);
    }
  }
}

void TCustomdxDBGrid::AddToFooterSummaries(TdxDBGridNode* FromNode) {
  TDataSet* dataSet = FDataLink->DataSet();
  for (TdxDBTreeListColumn* column : FLoad.FooterColumns) {
    TdxSummaryValue value = SummaryInput(*this, column->FooterField, column->SummaryFooterType(), FromNode);
    if (column->OnSummaryFooter && dataSet) column->OnSummaryFooter(column, dataSet, value);
    Accumulate(column->SummaryFooterType(), value, column->FooterValue, column->FooterValueAssigned);
  }
}

void TCustomdxDBGrid::ResetFooterSummaries() {
  FLoad.FooterColumns.clear();
  for (int i = 0; i < GetColumnCount(); ++i)
    if (TdxDBTreeListColumn* column = DBColumn(i)) {
      column->FooterValue = 0;
      column->FooterValueAssigned = false;
      if (column->SummaryFooterType() != cstNone) FLoad.FooterColumns.push_back(column);
    }
}

void TCustomdxDBGrid::ClearGroupSummaries() {
  std::vector<TdxTreeListNode*> pending;
  for (int i = 0; i < Count(); ++i) pending.push_back(Items(i));
  while (!pending.empty()) {
    TdxTreeListNode* node = pending.back();
    pending.pop_back();
    if (!node->HasChildren()) continue;
    GridNode(node)->ClearSummaries();
    for (int i = 0; i < node->Count(); ++i) pending.push_back(node->Items(i));
  }
}

void TCustomdxDBGrid::FinishSummaries(bool KeepAverages) {
  FLoad.FooterColumns.clear();
  for (int i = 0; i < Count(); ++i) FinishGroupSummaries(Items(i));
  for (int i = 0; i < GetColumnCount(); ++i) {
    TdxDBTreeListColumn* column = DBColumn(i);
    if (!column) continue;
    if (column->SummaryFooterType() == cstCount) column->FooterValue = FLoad.FooterRecordCount;
    if (column->SummaryFooterType() == cstAvg && FLoad.FooterRecordCount >= 1 && !KeepAverages)
      column->FooterValue /= FLoad.FooterRecordCount;
  }
  if (OnCalcSummary) OnCalcSummary(this);
}

void TCustomdxDBGrid::FinishGroupSummaries(TdxTreeListNode* Node) {
  if (!Node->HasChildren()) return;
  TdxDBTreeListColumn* column = GroupColumns(Node->Level());
  if (!column) return;
  std::vector<TdxSummaryType> itemTypes;
  if (TdxDBGridSummaryGroup* summaries = column->SummaryGroup)
    for (int i = 0; i < summaries->SummaryItems()->Count(); ++i)
      itemTypes.push_back(summaries->SummaryItems()->Items(i)->SummaryType());
  GridNode(Node)->FinishSummaries(column->SummaryType(), itemTypes);
  for (int i = 0; i < Node->Count(); ++i) FinishGroupSummaries(Node->Items(i));
}

TdxSummaryValue TCustomdxDBGrid::GetGroupSummaryValue(TdxTreeListNode* Node) {
  return Node ? GridNode(Node)->SummaryValue : 0;
}

void TCustomdxDBGrid::OrderGroupsBySummary() {
  for (int level = 0; level < GroupColumnCount(); ++level) {
    TdxDBTreeListColumn* column = GroupColumns(level);
    if (column->SortBySummary() && column->Sorted() != csNone)
      TCustomdxDBTreeListControl::SortNodes(level, column->GetIndex(), column->Sorted() == csDown);
  }
}

// A group row stands for the first record below it: its key and record number.
void TCustomdxDBGrid::TakeFirstChildKeys(TdxTreeListNode* Node) {
  const int count = Node ? Node->Count() : Count();
  for (int i = 0; i < count; ++i) {
    TdxTreeListNode* child = Node ? Node->Items(i) : Items(i);
    if (!child->HasChildren()) continue;
    TakeFirstChildKeys(child);
    TdxDBGridNode* first = GridNode(child->GetFirstChild());
    GridNode(child)->KeyValue = first->KeyValue;
    GridNode(child)->RecNo = first->RecNo;
  }
}
