// The grid and its data set following each other: the data link's notices (the data set changed,
// scrolled, a record changed, the link became active or inactive) update the nodes and the focused
// row, and the focused row, the vertical scroll bar and the mouse wheel move the data set. A
// change of the focused row's key, level or selected state is told through OnChangeNodeEx.
#include <cstdlib>
#include <utility>

#include "grid/dxDBEditStates.h"
#include "grid/dxDBGrid.h"
#include "rtl/ScopeExit.h"
#include "windows/Paint.h"
#include "windows/Scrolling.h"

namespace {

TdxDBGridNode* GridNode(TdxTreeListNode* Node) { return static_cast<TdxDBGridNode*>(Node); }

// Rows may differ in height: automatic row heights, or preview lines counted per row.
bool RowsMayDifferInHeight(TCustomdxDBGrid& Grid) {
  return Grid.IsRowAutoHeight() || (Grid.IsPreviewVisible() && Grid.IsAutoCalcPreviewLines());
}

}  // namespace

// --- the link's state ------------------------------------------------------------------------------

void TCustomdxDBGrid::ActiveChanged(bool Active) {
  if (IsLoading() || IsDestroying()) return;
  if (!Active) CloseEditor();
  ReloadRecords();
}

void TCustomdxDBGrid::LinksChanged() {
  TCustomdxDBTreeListControl::LinksChanged();
  LookUpKeyField();
  CalcVisibleRowCounts();
  UpdateScrollBars();
  if (!IsCursorMode() && !FLoading) SyncWithDataSet();
}

// --- the focused row follows the data set ----------------------------------------------------------

void TCustomdxDBGrid::SyncWithDataSet() {
  TDataSet* dataSet = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  if (!dataSet || !dataSet->Active() || IsLoading()) return;
  TValueScope<bool> syncing(FReaction.Syncing, true);
  if (!IsCursorMode()) {
    SyncFocusedNode();
    if (HandleAllocated()) UpdateScrollBars();
  } else if (HandleAllocated()) {
    const int active = FDataLink->ActiveRecord();
    if (!FocusedNode() || active != FocusedNode()->Index()) {
      CloseEditor();
      if (active < Count()) SetFocusedNodeAndColumn(Items(active), GetFocusedVisibleIndex(), false);
    }
  }
  CheckEditorValue();
}

TdxDBGridNode* TCustomdxDBGrid::FindNodeByKey(const Variant& Key) {
  if (Key.IsEmpty()) return nullptr;
  std::vector<TdxTreeListNode*> pending;
  for (int i = Count() - 1; i >= 0; --i) pending.push_back(Items(i));
  while (!pending.empty()) {
    TdxTreeListNode* node = pending.back();
    pending.pop_back();
    if (!node->HasChildren()) {
      if (VarSameValue(GridNode(node)->KeyValue, Key)) return GridNode(node);
      continue;
    }
    for (int i = node->Count() - 1; i >= 0; --i) pending.push_back(node->Items(i));
  }
  return nullptr;
}

// The current record's row: through the group rows of its grouped values down to the record with
// its key; a collapsed group row on the way, or the innermost group row when the record is not
// among its rows, stands for it.
TdxTreeListNode* TCustomdxDBGrid::FindCurrentRecordNode() {
  if (!FKeyFieldObject) return nullptr;
  const Variant key = FKeyFieldObject->Value();
  TdxTreeListNode* parent = nullptr;
  for (int level = 0; level < GroupColumnCount(); ++level) {
    TdxDBTreeListColumn* column = GroupColumns(level);
    TdxTreeListNode* group = nullptr;
    if (!column->Field() || !FindGroupNode(parent, column->Field()->Value(), group)) return parent;
    if (!group->Expanded()) return group;
    parent = group;
  }
  if (!parent) {
    // Without grouping the rows usually stand in the data set's order.
    const int recNo = FDataLink->DataSet()->RecNo() - 1;
    if (AllRecordsAreNodes() && recNo >= 0 && recNo < Count() && VarSameValue(GridNode(Items(recNo))->KeyValue, key))
      return Items(recNo);
    return FindNodeByKey(key);
  }
  for (int i = 0; i < parent->Count(); ++i)
    if (VarSameValue(GridNode(parent->Items(i))->KeyValue, key)) return parent->Items(i);
  return parent;
}

void TCustomdxDBGrid::SyncFocusedNode() {
  TdxTreeListNode* node = FindCurrentRecordNode();
  if (!node) return;
  // A focused group row holding the current record stands for it.
  TdxTreeListNode* focused = FocusedNode();
  const bool seekDetail = FOptions & egoSeekDetail;
  if (!seekDetail && focused && IsGroupNode(focused) && (node == focused || node->HasAncestor(focused))) return;
  if (seekDetail && IsGroupNode(node))
    while (node->HasChildren()) node = node->GetFirstChild();
  TValueScope<bool> syncing(FReaction.Syncing, true);
  if (node != FocusedNode())
    SetFocusedNodeAndColumn(node, GetFocusedVisibleIndex(), true);
  else
    MakeNodeVisible(node);
}

// --- the data set follows the focused row ------------------------------------------------------------

void TCustomdxDBGrid::DoChangeNode(TdxTreeListNode* OldNode, TdxTreeListNode* Node) {
  if (Node && !FReaction.Syncing && !FReaction.Reacting && FDataLink->Active()) {
    if (IsCursorMode())
      MoveDataSetToRow(Node);
    else
      MoveDataSetToNode(OldNode, Node, IsLocateMode(), GridNode(Node)->KeyValue);
  }
  TCustomdxDBTreeListControl::DoChangeNode(OldNode, Node);
}

// Plain cursor mode: the rows are the data link's buffered records and the active one is the data
// set's current record, so a row focused by the mouse moves the data set by the rows between.
void TCustomdxDBGrid::MoveDataSetToRow(TdxTreeListNode* Node) {
  const int distance = Node->Index() - FDataLink->ActiveRecord();
  if (distance != 0 && (FOptions & egoCanNavigation)) FDataLink->DataSet()->MoveBy(distance);
}

bool TCustomdxDBGrid::MoveDataSetToNode(TdxTreeListNode* OldNode, TdxTreeListNode* Node, bool UseLocate,
                                        const Variant& KeyValue) {
  TDataSet* dataSet = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  if (FLoading || !dataSet || !Node) return true;
  if (Node == OldNode && FKeyFieldObject && VarSameValue(FKeyFieldObject->Value(), KeyValue)) return true;
  if (Node == FReaction.ChangedNode && dataSet->State() == dsInsert) return true;
  if (!(FOptions & egoCanNavigation)) return true;
  // An edit in progress leaves the loading flag down: the data set's posting is heard.
  FLoading = !IsEditState(dataSet->State());
  const bool insertMark = UseLocate;
  Bracket(
      [&] {
        if (UseLocate) {
          FInsertMark = true;
          dataSet->Locate(KeyField(), KeyValue);
          return;
        }
        // The rows are counted from the current record's row; a group row stands for any of its
        // records, so the one the data set is on is looked up below it.
        TdxTreeListNode* from = OldNode && IsGroupNode(OldNode) ? CurrentRecordBelow(OldNode) : OldNode;
        if (!from && FKeyFieldObject) from = FindNodeByKey(FKeyFieldObject->Value());
        if (dataSet->State() == dsInsert && OldNode && OldNode != GetLastNode()) {
          TdxTreeListNode* next = GetNextVisibleNode(OldNode);
          from = next ? next : GetPrevVisibleNode(OldNode) ? GetPrevVisibleNode(OldNode) : OldNode;
        }
        if (from) {
          dataSet->MoveBy(GridNode(Node)->RecNo - GridNode(from)->RecNo);
        } else {
          dataSet->First();
          dataSet->MoveBy(GridNode(Node)->RecNo);
        }
        DataSetScrolled(0);
      },
      [&] {
        if (insertMark) FInsertMark = false;
        FLoading = false;
      });
  return true;
}

void TCustomdxDBGrid::SetFocusedAbsoluteIndex(int Index) {
  if (!IsCursorMode() || !FDataLink->Active()) return TCustomdxDBTreeListControl::SetFocusedAbsoluteIndex(Index);
  FDataLink->DataSet()->MoveBy(Index - GetFocusedAbsoluteIndex());
}

TdxTreeListNode* TCustomdxDBGrid::GetNavigationNode(TdxTreeListNode* Node, TdxTreeListNavigation Direction,
                                                    bool AllNodes) {
  const bool partialWindow = IsPartialMode() && (!FirstRecordLoaded || !LastRecordLoaded);
  TDataSet* dataSet = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  if (!dataSet || (!IsCursorMode() && !partialWindow))
    return TCustomdxDBTreeListControl::GetNavigationNode(Node, Direction, AllNodes);
  switch (Direction) {
    case tlnFirst:
      dataSet->First();
      break;
    case tlnPrev:
      dataSet->Prior();
      if (dataSet->Bof()) return nullptr;
      break;
    case tlnNext:
      dataSet->Next();
      if (dataSet->Eof()) return nullptr;
      break;
    case tlnLast:
      dataSet->Last();
      break;
  }
  return FocusedNode();
}

void TCustomdxDBGrid::ContainerScrollLines(bool Up, int Count) {
  if (!IsCursorMode()) return TCustomdxDBTreeListControl::ContainerScrollLines(Up, Count);
  if (Up)
    GotoPrev();
  else
    GotoNext();
}

bool TCustomdxDBGrid::CanCacheRowHeight() { return TCustomdxDBTreeListControl::CanCacheRowHeight() && !IsCursorMode(); }

// --- the data set scrolled ----------------------------------------------------------------------------

void TCustomdxDBGrid::DataSetScrolled(int Distance) {
  if (IsCursorMode()) {
    if (HandleAllocated()) ScrollBufferedRows(Distance);
  } else {
    if (IsPartialMode() && Distance != 0 && Count() > 0 && FocusedNode()) {
      // The data set moved Moved records; leaving the window loads it again around the record.
      const int moved = -Distance, focused = GridNode(FocusedNode())->RecNo;
      SavePendingSelection();
      Bracket(
          [&] {
            if (moved < 1 && moved < GridNode(Items(0))->RecNo - focused)
              LoadPartial(pldAround, ptmCurrentAtTop, false);
            else if (moved >= 1 && moved > GridNode(Items(Count() - 1))->RecNo - focused)
              LoadPartial(pldAround, ptmCurrentAtBottom, false);
          },
          [&] { ClearPendingSelection(); });
    }
    SyncWithDataSet();
  }
  if (FOptionsEx & egoSyncSelection) SelectFocusedOnly();
  DoChangeNodeEx();
}

// Plain cursor mode: the focused row is repainted where it was and where it is; the rows move
// with the data set when the distance fits the rows in view, else everything is repainted.
void TCustomdxDBGrid::ScrollBufferedRows(int Distance) {
  if (RowsMayDifferInHeight(*this)) {
    UpdateScrollBars();
    return Invalidate();
  }
  const int rowHeight = CalcRowHeight(FocusedNode());
  const auto focusedRow = [&] {
    const TRect rows = GetRowsRect();
    const int top = rows.Top + (FocusedNode() ? FocusedNode()->Index() : 0) * rowHeight;
    return Rect(rows.Left, top, rows.Right, top + rowHeight);
  };
  const TRect before = focusedRow();
  UpdateScrollBars();
  const TRect after = focusedRow();
  ValidateRect(Handle(), &before);
  ::InvalidateRect(Handle(), &before, false);
  ::InvalidateRect(Handle(), &after, false);
  if (Distance == 0) return;
  if (std::abs(Distance) > FVisibleRowCount) return Invalidate();
  const TRect rows = GetRowsRect();
  ScrollWindowEx(Handle(), 0, Distance * rowHeight, &rows, &rows, nullptr, nullptr, SW_INVALIDATE);
}

// The vertical scroll bar of plain cursor mode moves the data set.
void TCustomdxDBGrid::WMVScroll(TMessage& Message) {
  TDataSet* dataSet = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  if (!dataSet) return;
  CloseEditor();
  const int active = FDataLink->ActiveRecord();
  switch (LOWORD(Message.WParam)) {
    case SB_LINEUP:
      dataSet->MoveBy(-1 - active);
      break;
    case SB_LINEDOWN:
      dataSet->MoveBy(FDataLink->RecordCount() - active);
      break;
    case SB_PAGEUP:
      dataSet->MoveBy(-GetVisibleRowCount());
      break;
    case SB_PAGEDOWN:
      dataSet->MoveBy(GetVisibleRowCount());
      break;
    case SB_THUMBPOSITION:
      ThumbTo(dataSet, HIWORD(Message.WParam));
      break;
    case SB_TOP:
      dataSet->First();
      break;
    case SB_BOTTOM:
      dataSet->Last();
      break;
  }
}

// A sequenced data set goes to the record of the thumb's track position; another knows only its
// five positions: first, a page up, the middle, a page down, last.
void TCustomdxDBGrid::ThumbTo(TDataSet* DataSet, int Position) {
  if (DataSet->IsSequenced()) {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    const int track = ::GetScrollInfo(Handle(), SB_VERT, info) ? info.nTrackPos : Position;
    if (track <= 1)
      DataSet->First();
    else if (track < DataSet->RecordCount())
      DataSet->SetRecNo(track);
    else
      DataSet->Last();
    return;
  }
  switch (Position) {
    case 0:
      DataSet->First();
      break;
    case 1:
      DataSet->MoveBy(-GetVisibleRowCount());
      break;
    case 3:
      DataSet->MoveBy(GetVisibleRowCount());
      break;
    case 4:
      DataSet->Last();
      break;
  }
}

void TCustomdxDBGrid::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_VSCROLL && IsCursorMode()) {
    if (TakeFocus()) WMVScroll(Message);
    return;
  }
  TCustomdxDBTreeListControl::Dispatch(Message);
}

// --- the data set changed -------------------------------------------------------------------------------

void TCustomdxDBGrid::DataSetChanged() {
  if (FReaction.SelectionDepth == 0) CheckFocusState();
  TDataSet* dataSet = FDataLink->DataSet();
  const bool smart = CanSmartRefresh();
  bool refreshed = false;
  if (smart && !FReaction.RefreshPending) {
    TValueScope<bool> reacting(FReaction.Reacting, true);
    refreshed = RefreshChangedRecord();
  }
  FReaction.RefreshPending = FInsertMark && !FLoading;
  if (dataSet->State() != dsInsert) FReaction.ChangedNode = nullptr;
  if (FInsertMark) {
    FInsertMark = false;
    return;
  }
  if (FLoading) return;
  if (AllRecordsAreNodes() && IsDataSetLockedByControl(dataSet)) return DataSetScrolled(0);
  if (IsCursorMode()) return ReactInCursorMode(dataSet);
  const TDataSetState state = dataSet->State();
  if (state == dsEdit || state == dsSetKey) return;
  if (state == dsInsert && FKeyFieldObject) {
    InsertRecordNode(IsAtEnd(dataSet));
    if (FOptions & egoResetColumnFocus) SetFocusedVisibleIndex(0);
    return;
  }
  if (!refreshed) {
    TValueScope<bool> reacting(FReaction.Reacting, true);
    RefreshRecords();
  }
  SyncFocusedNode();
}

// One changed record, found by its key, is read again and moved to its groups; a node being
// inserted whose record was not kept goes, and so does the node of a record the grid deleted.
// False when the records no longer match the nodes and the grid must refresh them all.
bool TCustomdxDBGrid::RefreshChangedRecord() {
  if (IsCursorMode() || !FKeyFieldObject || !(FOptions & egoCanNavigation)) return false;
  TDataSet* dataSet = FDataLink->DataSet();
  TdxTreeListNode* changed = nullptr;
  if (FReaction.DeletingNode) {
    FreeNodeAndEmptyGroups(std::exchange(FReaction.DeletingNode, nullptr));
  } else {
    TdxDBGridNode* node = FindNodeByKey(FKeyFieldObject->Value());
    // A new record's row had no key: kept when its record was posted, dropped when not.
    TdxTreeListNode* inserted =
        FReaction.ChangedNode && !IsGroupNode(FReaction.ChangedNode) && FReaction.ChangedKey.IsEmpty() ? FReaction.ChangedNode : nullptr;
    if (inserted && node && node != inserted)
      FreeNodeAndEmptyGroups(std::exchange(FReaction.ChangedNode, nullptr));
    else if (inserted && dataSet->State() != dsInsert)
      node = GridNode(inserted);
    changed = node;
    if (changed) {
      RefreshNodeData(changed);
      DoRefreshNodeData(changed);
    }
  }
  std::vector<TdxDBGridNode*> records;
  CollectRecordNodes(nullptr, records);
  if (!RecordCountIs(int(records.size()))) return false;
  RegroupNode(changed);
  if (!FocusedNode() && Count() > 0) SetFocusedNodeAndColumn(GetFirstNode(), GetFocusedVisibleIndex(), false);
  return true;
}

bool TCustomdxDBGrid::RecordCountIs(int Expected) {
  try {
    return FDataLink->DataSet()->RecordCount() == Expected;
  } catch (const EDatabaseError&) {
    return false;
  }
}

void TCustomdxDBGrid::ReactInCursorMode(TDataSet* DataSet) {
  if (!HandleAllocated()) return;
  if (!(DataSet->IsEmpty() && DataSet->State() == dsInsert)) UpdateScrollBars();
  CheckEditorValue();
  if (DataSet->State() == dsInsert && (FOptions & egoResetColumnFocus)) SetFocusedVisibleIndex(0);
  Invalidate();
}

void TCustomdxDBGrid::InsertRecordNode(bool AtEof) {
  TdxTreeListNode* focused = FocusedNode();
  while (focused && focused->HasChildren()) focused = focused->GetFirstChild();
  TdxTreeListNode* node = nullptr;
  if (AtEof || !focused) {
    TdxTreeListNode* last = Count() > 0 ? Items(Count() - 1) : nullptr;
    while (last && last->HasChildren()) last = last->GetLastChild();
    node = last && last->Parent() ? last->Parent()->AppendChild() : Add();
    GridNode(node)->RecNo = last ? GridNode(last)->RecNo + 1 : 0;
  } else {
    node = focused->Parent() ? focused->Parent()->AddChild(focused) : Insert(focused);
    GridNode(node)->RecNo = GridNode(focused)->RecNo;
  }
  RefreshNodeData(node);
  DoRefreshNodeData(node);
  FReaction.ChangedNode = node;
  FReaction.ChangedKey = Variant();
  TValueScope<bool> syncing(FReaction.Syncing, true);
  SetFocusedNodeAndColumn(node, GetFocusedVisibleIndex(), true);
}

// --- a record changed ------------------------------------------------------------------------------------

void TCustomdxDBGrid::RecordChanged(TField* Field) {
  TDataSet* dataSet = FDataLink->DataSet();
  if (!IsCursorMode() && ((dataSet->State() == dsInsert && !FReaction.ChangedNode) || dataSet->State() == dsSetKey)) return;
  TdxTreeListNode* node = FocusedNode();
  SyncEditorWithRecord(Field, node);
  if (IsGroupNode(node) && !IsCursorMode())
    if (TdxDBGridNode* record = CurrentRecordBelow(node)) node = record;
  if (!FReaction.ChangedNode && node) FReaction.ChangedKey = GridNode(node)->KeyValue;
  FReaction.ChangedNode = node;
}

void TCustomdxDBGrid::ResolveEditNode(TdxTreeListNode*& Node) {
  if (Node && !IsCursorMode() && (FOptions & egoCanNavigation) && FKeyFieldObject) {
    if (IsGroupNode(Node))
      if (TdxDBGridNode* record = CurrentRecordBelow(Node)) Node = record;
    if (!IsGroupNode(Node)) {
      RefreshNodeData(Node);
      DoRefreshNodeData(Node);
    }
  }
  if (RowsMayDifferInHeight(*this)) {
    ClearRowHeightCache();
    Invalidate();
  } else if (Node) {
    InvalidateNode(Node, false);
  }
}

TdxDBGridNode* TCustomdxDBGrid::CurrentRecordBelow(TdxTreeListNode* Group) {
  if (!FKeyFieldObject) return nullptr;
  std::vector<TdxDBGridNode*> records;
  CollectRecordNodes(Group, records);
  const Variant key = FKeyFieldObject->Value();
  for (TdxDBGridNode* record : records)
    if (VarSameValue(record->KeyValue, key)) return record;
  return nullptr;
}

void TCustomdxDBGrid::DeletingNode(TdxTreeListNode* Node, TdxTreeListNode* PrevSiblingOrParent,
                                   TdxTreeListNode* NextVisible, bool WasLast, bool WasVisible) {
  TCustomdxDBTreeListControl::DeletingNode(Node, PrevSiblingOrParent, NextVisible, WasLast, WasVisible);
  if (Node == FReaction.ChangedNode) FReaction.ChangedNode = nullptr;
  if (Node == FReaction.DeletingNode) FReaction.DeletingNode = nullptr;
}

// --- the focused row's state --------------------------------------------------------------------------

void TCustomdxDBGrid::KeepFocusState() {
  TdxTreeListNode* node = FocusedNode();
  FReaction.FocusState.Level = node ? node->Level() : -1;
  FReaction.FocusState.Selected = node && IsNodeSelected(node);
  FReaction.FocusState.Key = node && !IsCursorMode() ? GridNode(node)->KeyValue : Variant();
}

// OnChangeNodeEx tells a change of the focused row's level, selected state or key.
void TCustomdxDBGrid::CheckFocusState() {
  const TdxDBGridReactionState::TFocusState kept = FReaction.FocusState;
  KeepFocusState();
  const bool sameKey = kept.Key.VarType() == FReaction.FocusState.Key.VarType() && VarSameValue(kept.Key, FReaction.FocusState.Key);
  if (kept.Level != FReaction.FocusState.Level || kept.Selected != FReaction.FocusState.Selected || !sameKey) DoChangeNodeEx();
}

void TCustomdxDBGrid::BeginSelection() {
  if (FReaction.SelectionDepth++ == 0) KeepFocusState();
  TCustomdxDBTreeListControl::BeginSelection();
}

void TCustomdxDBGrid::EndSelection() {
  Bracket([this] { TCustomdxDBTreeListControl::EndSelection(); },
          [this] {
            if (--FReaction.SelectionDepth == 0 && !IsDestroying()) CheckFocusState();
          });
}

void TCustomdxDBGrid::DoSelectedCountChange() {
  TCustomdxDBTreeListControl::DoSelectedCountChange();
  if (FReaction.SelectionDepth == 0 && !IsDestroying()) CheckFocusState();
}
