// Loading the records as nodes: the full reload; the all-records load, which builds the group rows
// and gathers the summaries in one walk over the data set (or regroups the nodes it has after a
// grouping change); and the refresh after a data change, which takes back the former top row, the
// selection and the record nodes it can.
#include <algorithm>
#include <memory>
#include <utility>

#include "controls/Application.h"
#include "grid/dxDBEditStates.h"
#include "grid/dxDBGrid.h"
#include "rtl/ScopeExit.h"

// What one all-records load carries from step to step.
struct TCustomdxDBGrid::TLoadPass {
  bool Smart = false;
  TdxDBGridNodeList* OldNodes = nullptr;
  // The keys of OldNodes in their order; a node taken again leaves a nil behind in OldNodes.
  std::vector<Variant> OldKeys;
  TdxTreeListNode* TopRow = nullptr;
  TBookmark Bookmark;
  bool Bof = true;
  bool Eof = true;
  int Records = 0;
};

namespace {

TdxDBGridNode* GridNode(TdxTreeListNode* Node) { return static_cast<TdxDBGridNode*>(Node); }

// The node of OldNodes with the key, taken out of the list; nil when none is left.
TdxDBGridNode* TakeOldNode(TdxDBGridNodeList& OldNodes, const std::vector<Variant>& OldKeys, const Variant& Key) {
  auto at = std::lower_bound(OldKeys.begin(), OldKeys.end(), Key,
                             [](const Variant& a, const Variant& b) { return VarCompareOrder(a, b) < 0; });
  for (; at != OldKeys.end() && VarCompareOrder(*at, Key) == 0; ++at) {
    TdxDBGridNode*& node = OldNodes[size_t(at - OldKeys.begin())];
    if (node) return std::exchange(node, nullptr);
  }
  return nullptr;
}

}  // namespace

// --- the reload -----------------------------------------------------------------------------------------

void TCustomdxDBGrid::ReloadRecords() {
  const bool smart = IsSmartReloadPending();
  InsideUpdate([&] {
    CloseEditor();
    if (!smart) {
      ClearNodes();
      FLoad.RowsAreAllRecords = false;
    }
    ClearSelection();
    FDataLink->ClearFields();
    if (FDataLink->Active()) BuildLinkFields();
    for (int i = 0; i < GetColumnCount(); ++i)
      if (TdxDBTreeListColumn* column = DBColumn(i)) column->SetFieldName(column->FieldName());
    LoadRecords();
    if (OnReloadGroupList) OnReloadGroupList(this);
  });
}

void TCustomdxDBGrid::LookUpKeyField() {
  TDataSet* dataSet = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  FKeyFieldObject = dataSet && !KeyField().empty() ? dataSet->FindField(KeyField()) : nullptr;
  if (FKeyFieldObject) FKeyFieldObject->FreeNotification(this);
}

// --- loading every record -------------------------------------------------------------------------------

void TCustomdxDBGrid::LoadRecords(TdxDBGridNodeList* OldNodes) {
  if (IsLoading()) return;
  if (IsPartialMode()) {
    LinkPreviewField();
    LoadPartial(pldAround, ptmKeep, false);
    return;
  }
  TValueScope<bool> loading(FLoading, true);
  LookUpKeyField();
  // Without a key the nodes could not find their records again.
  if (!FKeyFieldObject && (FOptions & egoCanNavigation)) return;
  UngroupColumnsWithoutField();
  if (!CanWalkRecords()) return;
  WalkRecords(OldNodes);
}

void TCustomdxDBGrid::UngroupColumnsWithoutField() {
  TDataSet* dataSet = DataSource() ? DataSource()->DataSet() : nullptr;
  if (!dataSet || !dataSet->Active()) return;
  TDepthScope removal(FLoad.GroupRemovalDepth);
  for (int level = GroupColumnCount() - 1; level >= 0; --level)
    if (!GroupColumns(level)->Field()) RemoveGroupColumn(level);
}

bool TCustomdxDBGrid::CanWalkRecords() {
  if (IsCursorMode()) return false;
  for (TdxDBTreeListColumn* column : FGroupColumns)
    if (!column->Field() || column->Field()->IsBlob()) return false;
  TDataSet* dataSet = DataSource() ? DataSource()->DataSet() : nullptr;
  return dataSet && dataSet->Active();
}

void TCustomdxDBGrid::WalkRecords(TdxDBGridNodeList* OldNodes) {
  TDataSet* dataSet = DataSource()->DataSet();
  TLoadPass pass;
  pass.Smart = IsSmartReloadPending();
  pass.OldNodes = OldNodes;
  if (OldNodes)
    for (TdxDBGridNode* node : *OldNodes) pass.OldKeys.push_back(node->KeyValue);
  SetSelectionAnchor(nullptr);
  LinkPreviewField();
  LinkGroupSummaryFields();
  if (!pass.Smart) {
    LinkFooterSummaryFields();
    ResetFooterSummaries();
  }
  if (FLoad.TopLocateValue.IsNull() || FLoad.TopLocateValue.IsEmpty()) {
    FLoad.TopLocateValue = Variant();
    FLoad.TopLocateLevel = 0;
  }
  if (!pass.Smart) {
    dataSet->DisableControls();
    // A pending change of the current record is dropped, not posted, before the walk.
    if (FDataLink->Active() && IsEditState(dataSet->State())) dataSet->Cancel();
    pass.Bookmark = dataSet->Bookmark();
  }
  std::unique_ptr<TScreenCursorScope> hourglass;
  if ((FOptions & egoShowHourGlass) && Screen) hourglass = std::make_unique<TScreenCursorScope>(crHourGlass);
  pass.Bof = dataSet->Bof();
  pass.Eof = dataSet->Eof();
  Bracket(
      [&] {
        if (OnClearNodeData) OnClearNodeData(this);
        DoBeforeCalcSummary();
        if (pass.Smart)
          RegroupLoadedNodes(pass);
        else
          ReadRecords(dataSet, pass);
        if (!TopVisibleNode()) ResetTopAndFocus();
        FLoad.FooterRecordCount = pass.Records;
        if (OldNodes)
          for (TdxDBGridNode* node : *OldNodes)
            if (node) FreeNodeAndEmptyGroups(node);
        ApplySorting();
        FinishSummaries(pass.Smart);
        OrderGroupsBySummary();
        TakeFirstChildKeys(nullptr);
        FLoad.RowsAreAllRecords = true;
        if (!pass.Smart) RestorePosition(dataSet, pass);
        if (pass.TopRow) SetTopIndex(GetAbsoluteIndex(pass.TopRow));
      },
      [&] {
        if (!pass.Smart) dataSet->EnableControls();
      });
}

// One node per record, under the group rows of its values, taken from the old nodes by its key
// when one is there.
// Records the filter hides are read again with the others and go to the hidden ones anew; only
// the records that pass count.
void TCustomdxDBGrid::ReadRecords(TDataSet* DataSet, TLoadPass& Pass) {
  const bool grouped = !FGroupColumns.empty();
  FreeAuxiliaryNodes();
  if (FFilterActive) PrepareFilter();
  DataSet->First();
  // The rows are all read now: the node list takes them without growing step by step.
  if (!grouped) TopLevelNodes().SetCapacity(Count() + DataSet->RecordCount());
  for (int recNo = 0; !DataSet->Eof(); ++recNo, DataSet->Next()) {
    TdxDBGridNode* node = grouped ? PlaceRecordInGroups(recNo, Pass) : GridNode(Add());
    RefreshNodeData(node);
    node->RecNo = recNo;
    DoRefreshNodeData(node);
    if (!FilterNode(node)) continue;
    ++Pass.Records;
    RestoreSelection(node, DataSet);
    if (grouped) AddToGroupSummaries(GridNode(node->Parent()), nullptr);
    AddToFooterSummaries(nullptr);
    NoteTopRow(node, Pass);
  }
}

TdxDBGridNode* TCustomdxDBGrid::PlaceRecordInGroups(int RecNo, TLoadPass& Pass) {
  const Variant key = FKeyFieldObject ? FKeyFieldObject->Value() : Variant();
  TdxTreeListNode* parent = nullptr;
  for (int level = 0; level < GroupColumnCount(); ++level) {
    TdxDBTreeListColumn* column = GroupColumns(level);
    parent = GroupNodeOf(
        parent, level, column->Field()->Value(),
        [column] { return VarToStr(column->FilterTextToValue(column->GetDisplayText(nullptr))); }, key, RecNo);
  }
  TdxDBGridNode* node = Pass.OldNodes ? TakeOldNode(*Pass.OldNodes, Pass.OldKeys, key) : nullptr;
  if (!node) return GridNode(parent->AppendChild());
  // A node already last under its group stays, so that a group of one keeps its expansion.
  if (node->Parent() != parent || !node->IsLast()) node->InternalMove(parent, natAddChildLast);
  return node;
}

// After a grouping change the record nodes are grouped anew without reading the data set: the
// former group rows go, and each record node goes under the group rows of its own values.
void TCustomdxDBGrid::RegroupLoadedNodes(TLoadPass& Pass) {
  std::vector<TdxDBGridNode*> records;
  CollectRecordNodes(nullptr, records);
  for (TdxDBGridNode* node : records) node->Detach();
  while (Count() > 0) Items(Count() - 1)->Free();
  for (TdxDBGridNode* node : records) {
    // The group rows are looked up while the record is out of the tree, so that it is never taken
    // for one of them.
    TdxDBGridNode* group = FGroupColumns.empty() ? nullptr : GroupPathOf(node);
    node->AddToTopLevel();
    if (!group) {
      RestoreSelection(node, nullptr);
    } else {
      TdxTreeListNode::MoveFromTopLevel(this, Count() - 1, group);
      AddToGroupSummaries(group, node);
    }
    ++Pass.Records;
  }
}

void TCustomdxDBGrid::NoteTopRow(TdxDBGridNode* Node, TLoadPass& Pass) {
  if (Pass.TopRow || FLoad.TopLocateValue.IsEmpty() || !VarSameValue(Node->KeyValue, FLoad.TopLocateValue)) return;
  TdxTreeListNode* row = Node;
  while (row->Parent() && row->Level() > FLoad.TopLocateLevel) row = row->Parent();
  Pass.TopRow = row;
}

void TCustomdxDBGrid::RestorePosition(TDataSet* DataSet, const TLoadPass& Pass) {
  if (!Pass.Bookmark.empty() && DataSet->BookmarkValid(Pass.Bookmark)) DataSet->GotoBookmark(Pass.Bookmark);
  // Going back to the bookmark leaves both ends; a data set that stood at one stands there again.
  if (Pass.Bof && !DataSet->Bof()) DataSet->Prior();
  if (Pass.Eof && !DataSet->Eof()) DataSet->Next();
  SeekCollapsedGroup(DataSet);
}

// With CollapsedReload, a current record under a collapsed group row moves to the group's first
// record.
void TCustomdxDBGrid::SeekCollapsedGroup(TDataSet* DataSet) {
  if (!(FOptionsEx & egoCollapsedReload) || FGroupColumns.empty() || Count() == 0 || !(FOptions & egoCanNavigation))
    return;
  TdxTreeListNode* group = nullptr;
  if (!FindGroupNode(nullptr, GroupColumns(0)->Field()->Value(), group) || group->Expanded()) return;
  if (IsLocateMode()) {
    // The move is the grid's own: the loading flag is lowered for it.
    const bool loading = std::exchange(FLoading, false);
    Bracket([&] { MoveDataSetToNode(FocusedNode(), group, true, GridNode(group)->KeyValue); },
            [&] { FLoading = loading; });
  } else {
    DataSet->First();
    DataSet->MoveBy(GridNode(group)->RecNo);
  }
}

// --- the selection kept over a reload ------------------------------------------------------------------

void TCustomdxDBGrid::SavePendingSelection() {
  ClearPendingSelection();
  if (BookmarksInUse()) {
    // The selection is in the data set's bookmark order already.
    for (const TdxDBSelectionEntry& entry : FSelection)
      if (!entry.Bookmark.empty()) FLoad.PendingBookmarks.push_back(entry.Bookmark);
    return;
  }
  for (const TdxDBSelectionEntry& entry : FSelection)
    if (entry.Node) FLoad.PendingKeys.push_back(GridNode(entry.Node)->KeyValue);
  std::sort(FLoad.PendingKeys.begin(), FLoad.PendingKeys.end(),
            [](const Variant& a, const Variant& b) { return VarCompareOrder(a, b) < 0; });
}

void TCustomdxDBGrid::ClearPendingSelection() {
  FLoad.PendingBookmarks.clear();
  FLoad.PendingKeys.clear();
}

void TCustomdxDBGrid::RestoreSelection(TdxDBGridNode* Node, TDataSet* DataSet) {
  int index = 0;
  if (BookmarksInUse()) {
    if (FLoad.PendingBookmarks.empty() || !DataSet) return;
    const TBookmark bookmark = DataSet->Bookmark();
    const auto at = std::lower_bound(
        FLoad.PendingBookmarks.begin(), FLoad.PendingBookmarks.end(), bookmark,
        [DataSet](const TBookmark& a, const TBookmark& b) { return DataSet->CompareBookmarks(a, b) < 0; });
    if (at == FLoad.PendingBookmarks.end() || DataSet->CompareBookmarks(*at, bookmark) != 0) return;
    FLoad.PendingBookmarks.erase(at);
    if (SelectionIndexOf(bookmark, index))
      FSelection[size_t(index)].Node = Node;
    else
      FSelection.insert(FSelection.begin() + index, {bookmark, Node});
  } else {
    const auto at = std::lower_bound(FLoad.PendingKeys.begin(), FLoad.PendingKeys.end(), Node->KeyValue,
                                     [](const Variant& a, const Variant& b) { return VarCompareOrder(a, b) < 0; });
    if (at == FLoad.PendingKeys.end() || VarCompareOrder(*at, Node->KeyValue) != 0) return;
    FLoad.PendingKeys.erase(at);
    if (!SelectedNodeIndexOf(Node, index)) FSelection.insert(FSelection.begin() + index, {TBookmark(), Node});
  }
  SelectionChanged();
}

// --- the refresh after a data change -------------------------------------------------------------------

void TCustomdxDBGrid::RefreshRecords() {
  FLoad.TopLocateValue = Variant();
  FLoad.TopLocateLevel = 0;
  FGrouping.Changed = false;
  if (FGroupColumns.empty() && !(FOptions & egoLoadAllRecords) && !IsPartialMode()) return RefreshBufferedRows();
  InsideUpdate([this] {
    SavePendingSelection();
    if (TdxTreeListNode* top = TopVisibleNode()) {
      FLoad.TopLocateValue = GridNode(top)->KeyValue;
      FLoad.TopLocateLevel = top->Level();
    }
    const bool loneRecord = Count() == 1 && !Items(0)->HasChildren();
    if (AllRecordsAreNodes() && (FGroupColumns.empty() || loneRecord)) {
      ClearNodes();
      ClearSelection();
    }
    TdxDBGridNodeList oldNodes;
    if (Count() > 0 && IsGroupNode(Items(0))) {
      ClearGroupSummaries();
      CollectRecordNodes(nullptr, oldNodes);
      std::stable_sort(oldNodes.begin(), oldNodes.end(), [](const TdxDBGridNode* a, const TdxDBGridNode* b) {
        return VarCompareOrder(a->KeyValue, b->KeyValue) < 0;
      });
    }
    Bracket([&] { LoadRecords(&oldNodes); }, [this] { ClearPendingSelection(); });
  });
}

// In plain cursor mode the rows are made again from the buffer; the selected records stay
// selected by their bookmarks, each once.
void TCustomdxDBGrid::RefreshBufferedRows() {
  std::vector<TdxDBSelectionEntry> kept = FSelection;
  ClearNodes();
  TDataSet* dataSet = DataSource() ? DataSource()->DataSet() : nullptr;
  const auto same = [dataSet](const TdxDBSelectionEntry& a, const TdxDBSelectionEntry& b) {
    return dataSet ? dataSet->CompareBookmarks(a.Bookmark, b.Bookmark) == 0 : a.Bookmark == b.Bookmark;
  };
  kept.erase(std::unique(kept.begin(), kept.end(), same), kept.end());
  FSelection = std::move(kept);
  SelectionChanged();
}
