// The grid applying its filter: records that fail it leave the tree for the tree list's list of
// kept nodes (taking along group rows they leave empty) and come back under their groups when
// they pass again; the focus and the summaries follow. With AutoDataSetFilter the data set gets
// the criteria's expression. Also the filter's answers to the tree list: the status text, the
// close button's caption and the mark on a filtered column's header button.
#include <algorithm>

#include "data/DataSet.h"
#include "grid/dxDBGrid.h"
#include "grid/dxDBGridFilterPopup.h"
#include "grid/dxDBGridStrings.h"

namespace {

TdxDBGridNode* GridNode(TdxTreeListNode* Node) { return static_cast<TdxDBGridNode*>(Node); }

}  // namespace

// --- the filter in force ----------------------------------------------------------------------------

void TCustomdxDBGrid::FilterChanged() {
  FFilterActive = FFilter->Criteria().Count() > 0;
  ApplyFilter();
  NotifyFilterChanged();
}

void TCustomdxDBGrid::FilterCriteriaChanged() {
  FFilterActive = false;
  FilterChanged();
}

bool TCustomdxDBGrid::IsNodeFiltered(TdxTreeListNode* Node) { return !FFilterActive || FFilter->Evaluate(Node); }

void TCustomdxDBGrid::PrepareFilter() { FFilter->Prepare(); }

// The headers' marks and the status panel change with the filter, whatever the record mode.
void TCustomdxDBGrid::ApplyFilter() {
  InsideUpdate([this] {
    PrepareFilter();
    if (CanFilterNodes()) RefilterNodes(nullptr, true);
  });
  Invalidate();
}

bool TCustomdxDBGrid::FilterNode(TdxTreeListNode* Node) {
  if (!FFilterActive || !CanFilterNodes()) return true;
  return RefilterNodes(Node, false);
}

bool TCustomdxDBGrid::RefilterNodes(TdxTreeListNode* Node, bool Regroup) {
  // One node (a load's new record) is only tested; the tree's references go only when it hides.
  if (Node && IsNodeFiltered(Node)) {
    if (Regroup) RegroupNode(nullptr);
    return true;
  }
  bool focusHidden = false;
  InsideUpdate([&] {
    if (!Node) CloseEditor();
    TdxTreeListNode* focus = FocusedNode();
    const int focusedColumn = GetFocusedVisibleIndex();
    ClearNodeReferences();
    std::vector<TdxDBGridNode*> failing;
    if (Node) {
      failing.push_back(GridNode(Node));
    } else {
      std::vector<TdxDBGridNode*> records;
      CollectRecordNodes(nullptr, records);
      TdxTreeListNodes& hidden = AuxiliaryNodes();
      for (int i = hidden.Count() - 1; i >= 0; --i) {
        TdxDBGridNode* node = GridNode(hidden[i]);
        if (!IsNodeFiltered(node)) continue;
        hidden.Delete(i);
        ShowFilteredOutNode(node);
      }
      for (TdxDBGridNode* node : records)
        if (!IsNodeFiltered(node)) failing.push_back(node);
    }
    const bool hadFocus = focus != nullptr;
    for (TdxDBGridNode* node : failing) HideFilteredNode(node, focus);
    if (!Node) {
      ResetTopAndFocus();
      focusHidden = hadFocus && (!focus || AuxiliaryNodes().IndexOf(focus) >= 0);
      if (focusHidden)
        FollowCurrentRecord();
      else if (focus)
        SetFocusedNodeAndColumn(focus, focusedColumn, false);
    }
    if (Regroup) RegroupNode(nullptr);
  });
  if (Node) return false;
  // The current record is hidden: the data set moves to the record that has the focus now.
  if (focusHidden && FocusedNode())
    MoveDataSetToNode(nullptr, FocusedNode(), IsLocateMode(), GridNode(FocusedNode())->KeyValue);
  if (FocusedNode()) MakeNodeVisible(FocusedNode());
  return true;
}

// A record shown again goes under the group rows of its values (made where missing), among its
// siblings in the order of the records, which a sort then rearranges as it does every row.
void TCustomdxDBGrid::ShowFilteredOutNode(TdxDBGridNode* Node) {
  TdxTreeListNode* parent = FGroupColumns.empty() ? nullptr : GroupPathOf(Node);
  const int count = parent ? parent->Count() : Count();
  const auto sibling = [&](int i) { return GridNode(parent ? parent->Items(i) : Items(i)); };
  int low = 0, high = count;
  while (low < high) {
    const int middle = (low + high) / 2;
    if (sibling(middle)->RecNo <= Node->RecNo)
      low = middle + 1;
    else
      high = middle;
  }
  if (low < count)
    Node->InternalMove(sibling(low), natInsert);
  else if (parent)
    Node->InternalMove(parent, natAddChildLast);
  else
    Node->AddToTopLevel();
}

// A hidden record leaves the selection (nothing done to the selection may reach a record the user
// does not see) and the tree; group rows it leaves empty are freed.
void TCustomdxDBGrid::HideFilteredNode(TdxDBGridNode* Node, TdxTreeListNode*& Focused) {
  const auto entry = std::remove_if(FSelection.begin(), FSelection.end(),
                                    [Node](const TdxDBSelectionEntry& e) { return e.Node == Node; });
  if (entry != FSelection.end()) {
    FSelection.erase(entry, FSelection.end());
    SelectionChanged();
  }
  if (Node == FReaction.ChangedNode) FReaction.ChangedNode = nullptr;
  TdxTreeListNode* parent = Node->Parent();
  Node->Detach();
  AuxiliaryNodes().Add(Node);
  while (parent && parent->Count() == 0) {
    TdxTreeListNode* above = parent->Parent();
    if (Focused == parent) Focused = nullptr;
    parent->Free();
    parent = above;
  }
}

// The focused record went: group rows stand for their first records again, and the focus goes
// where the current record lies (its group row when that is still shown, else the first row).
void TCustomdxDBGrid::FollowCurrentRecord() {
  TakeFirstChildKeys(nullptr);
  SyncFocusedNode();
}

// --- the data set and the event ------------------------------------------------------------------------

// The expression is matched exactly: a value ending in "*" is no pattern of the value's start.
void TCustomdxDBGrid::NotifyFilterChanged() {
  TDataSet* dataSet = DataSource() ? DataSource()->DataSet() : nullptr;
  const String text = FFilter->GetFilterText();
  if (OnFilterChanged) OnFilterChanged(this, dataSet, text);
  if (!FFilter->AutoDataSetFilter() || !dataSet) return;
  dataSet->SetFilter(text);
  TFilterOptions options = dataSet->FilterOptions() | foNoPartialCompare;
  if (FFilter->CaseInsensitive())
    options |= foCaseInsensitive;
  else
    options &= ~TFilterOptions(foCaseInsensitive);
  dataSet->SetFilterOptions(options);
  dataSet->SetFiltered(!text.empty());
}

// --- the tree list's questions ---------------------------------------------------------------------------

bool TCustomdxDBGrid::HasFilter() { return FFilter->Criteria().Count() > 0; }

String TCustomdxDBGrid::GetFilterText() { return FFilter->Criteria().GetFilterText(true); }

String TCustomdxDBGrid::GetFilterCaption() { return dxGridText(dxSClearFilter); }

bool TCustomdxDBGrid::IsFilterStatusVisible() {
  switch (FFilter->FilterStatus()) {
    case fsNone: return false;
    case fsAlways: return true;
    default: return FFilterActive;
  }
}

bool TCustomdxDBGrid::IsHeaderFilterActive() { return FFilter->Active(); }

unsigned TCustomdxDBGrid::GetHeaderButtonState(int Column) {
  unsigned state = TCustomdxDBTreeListControl::GetHeaderButtonState(Column);
  if (!(state & hbsExists)) return state;
  TdxDBTreeListColumn* column = DBColumn(Column);
  if (FFilter->HasColumnFilter(column)) state |= hbsActive;
  if (IsFilterPopupShown() && FFilterPopup->Column() == column) state |= hbsPressed;
  return state;
}

void TCustomdxDBGrid::CancelDragOperation() {
  TCustomdxDBTreeListControl::CancelDragOperation();
  if (IsFilterPopupShown()) FFilterPopup->Close(false);
}
