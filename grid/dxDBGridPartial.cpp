// Partial mode: the nodes are a window of consecutive records around the current one, at least
// max(5 pages, PartialLoadBufferCount) records. The window is loaded anew when the data set leaves
// it, grows when the top row comes near one of its ends, and covers a range being selected.
// Record numbers count from the record current at the last reload (0), negative before it.
#include <algorithm>

#include "grid/dxDBEditStates.h"
#include "grid/dxDBGrid.h"
#include "rtl/ScopeExit.h"

int TCustomdxDBGrid::CalcPageRowCount() { return GetRowsRect().Height() / std::max(1, CalcRowHeight(nullptr)) + 1; }

int TCustomdxDBGrid::PartialWindowSize() { return std::max(5 * CalcPageRowCount(), FPartialLoadBufferCount); }

void TCustomdxDBGrid::LoadPartial(TdxPartialLoadDirection Direction, TdxPartialTopMode TopMode, bool KeepPosition) {
  TDataSet* dataSet = FDataLink->DataSet();
  if (!dataSet || !dataSet->Active()) return;
  TValueScope<bool> loading(FLoading, true);
  TDepthScope depth(FLoad.Depth);
  FLoad.RowsAreAllRecords = false;
  LookUpKeyField();
  InsideUpdate([&] {
    dataSet->DisableControls();
    Bracket(
        [&] {
          if (IsEditState(dataSet->State())) dataSet->Cancel();
          const TBookmark bookmark = dataSet->Bookmark();
          const bool bof = dataSet->Bof(), eof = dataSet->Eof();
          if (FDataLink->BufferCount() != 1) FDataLink->SetBufferCount(1);
          if (IsEditState(dataSet->State())) dataSet->Cancel();
          if (Direction == pldAfter || Direction == pldBefore)
            ExtendWindow(dataSet, Direction == pldAfter);
          else
            ReloadWindow(dataSet, Direction, TopMode, KeepPosition);
          if (!bookmark.empty() && dataSet->BookmarkValid(bookmark)) dataSet->GotoBookmark(bookmark);
          if (bof && !dataSet->Bof()) dataSet->Prior();
          if (eof && !dataSet->Eof()) dataSet->Next();
        },
        [&] { dataSet->EnableControls(); });
  });
}

void TCustomdxDBGrid::ReloadWindow(TDataSet* DataSet, TdxPartialLoadDirection Direction, TdxPartialTopMode TopMode,
                                   bool KeepPosition) {
  TdxTreeListNode* top = TopVisibleNode();
  TdxTreeListNode* focused = FocusedNode();
  const int distance = top && focused ? GetAbsoluteIndex(focused) - GetAbsoluteIndex(top) : 0;
  ClearNodes();
  if (DataSet->IsEmpty()) {
    FirstRecordLoaded = LastRecordLoaded = true;
    return;
  }
  if (Direction == pldAll)
    LoadEveryRecord(DataSet);
  else
    LoadAroundCurrent(DataSet, KeepPosition);
  // The first node made is the current record's, and so the top row: the top row is put back at
  // its distance above the current record, or the current record goes to the top or the bottom.
  const int current = GetTopIndex();
  const int above = TopMode == ptmKeep ? distance : TopMode == ptmCurrentAtTop ? 0 : FFullyVisibleRowCount - 1;
  SetTopIndex(std::max(current - above, 0));
}

// Half a window back from the current record and the rest forwards; a selection kept by bookmark
// (and, with KeepPosition, the selection anchor) widens the window to cover it, with half a window
// more after its last record.
void TCustomdxDBGrid::LoadAroundCurrent(TDataSet* DataSet, bool KeepPosition) {
  const auto compare = [DataSet](const TBookmark& a, const TBookmark& b) { return DataSet->CompareBookmarks(a, b); };
  TBookmark lo, hi;
  const auto widen = [&](const TBookmark& Bookmark) {
    if (Bookmark.empty()) return;
    if (lo.empty() || compare(Bookmark, lo) < 0) lo = Bookmark;
    if (hi.empty() || compare(Bookmark, hi) > 0) hi = Bookmark;
  };
  if (!FLoad.PendingBookmarks.empty()) {
    lo = FLoad.PendingBookmarks.front();
    hi = FLoad.PendingBookmarks.back();
    widen(DataSet->Bookmark());
  }
  if (KeepPosition) {
    widen(FReaction.AnchorBookmark);
    widen(DataSet->Bookmark());
  }
  const int window = PartialWindowSize(), half = window / 2;
  int recNo = 0, loaded = 0, stepped = 0;
  for (;;) {
    AddRecordNode(DataSet, recNo--, true);
    ++loaded;
    if (DataSet->MoveBy(-1) == 0) break;
    ++stepped;
    if (loaded >= half && (lo.empty() || compare(DataSet->Bookmark(), lo) < 0)) break;
  }
  FirstRecordLoaded = DataSet->Bof();
  DataSet->MoveBy(stepped + 1);
  int limit = std::max(window, window - loaded + half);
  for (int count = half, next = 1; !DataSet->Eof(); ++count, DataSet->Next()) {
    if (count >= limit) {
      if (hi.empty() || compare(DataSet->Bookmark(), hi) > 0) break;
      if (compare(DataSet->Bookmark(), hi) == 0) limit = count + half;
    }
    AddRecordNode(DataSet, next++, false);
  }
  LastRecordLoaded = DataSet->Eof();
  if (BookmarksInUse())
    FSelection.erase(std::unique(FSelection.begin(), FSelection.end(),
                                 [&](const TdxDBSelectionEntry& a, const TdxDBSelectionEntry& b) {
                                   return compare(a.Bookmark, b.Bookmark) == 0;
                                 }),
                     FSelection.end());
}

void TCustomdxDBGrid::LoadEveryRecord(TDataSet* DataSet) {
  FLoad.PendingBookmarks.clear();
  DataSet->First();
  for (int recNo = 0; !DataSet->Eof(); DataSet->Next()) AddRecordNode(DataSet, recNo++, false);
  FirstRecordLoaded = LastRecordLoaded = true;
}

// Up to a window more after the last node or before the first, from the focused node's record.
void TCustomdxDBGrid::ExtendWindow(TDataSet* DataSet, bool After) {
  const int step = After ? 1 : -1;
  int recNo = 0;
  auto* focused = static_cast<TdxDBGridNode*>(FocusedNode());
  if (Count() > 0 && focused) {
    const auto* edge = static_cast<TdxDBGridNode*>(After ? Items(Count() - 1) : Items(0));
    recNo = edge->RecNo + step;
    DataSet->MoveBy(recNo - focused->RecNo);
  }
  const int window = PartialWindowSize();
  for (int added = 0; added < window && !(After ? DataSet->Eof() : DataSet->Bof()); ++added) {
    AddRecordNode(DataSet, recNo, !After);
    recNo += step;
    DataSet->MoveBy(step);
  }
  (After ? LastRecordLoaded : FirstRecordLoaded) = After ? DataSet->Eof() : DataSet->Bof();
}

TdxDBGridNode* TCustomdxDBGrid::AddRecordNode(TDataSet* DataSet, int RecNo, bool Backwards) {
  auto* node = static_cast<TdxDBGridNode*>(Backwards ? Insert(GetFirstNode()) : Add());
  node->RecNo = RecNo;
  RefreshNodeData(node);
  RestoreSelection(node, DataSet);
  const TBookmark bookmark = DataSet->Bookmark();
  int index = 0;
  if (InRangeToSelect(DataSet, bookmark) && !SelectionIndexOf(bookmark, index)) {
    FSelection.insert(FSelection.begin() + index, {bookmark, node});
    SelectionChanged();
  }
  DoRefreshNodeData(node);
  return node;
}

bool TCustomdxDBGrid::InRangeToSelect(TDataSet* DataSet, const TBookmark& Bookmark) {
  return !FLoad.RangeFirst.empty() && DataSet->CompareBookmarks(FLoad.RangeFirst, Bookmark) <= 0 &&
         DataSet->CompareBookmarks(Bookmark, FLoad.RangeLast) <= 0;
}

void TCustomdxDBGrid::SetTopVisibleNode(TdxTreeListNode* Node) {
  TCustomdxDBTreeListControl::SetTopVisibleNode(Node);
  if (!Node || FLoad.Depth > 0 || IsDestroying() || !IsPartialMode() || !HandleAllocated()) return;
  const int page = CalcPageRowCount(), index = GetAbsoluteIndex(Node);
  if (!FirstRecordLoaded && index <= page)
    LoadPartial(pldBefore, ptmKeep, false);
  else if (!LastRecordLoaded && index >= Count() - 2 * page)
    LoadPartial(pldAfter, ptmKeep, false);
}

// A range selected in partial mode is the run of records from the selection anchor to the current
// record: the window is loaded again around the current record so that it covers the anchor, and
// the records of the run are selected as they are read.
void TCustomdxDBGrid::SelectRange(TdxTreeListNode* NodeA, TdxTreeListNode* NodeB) {
  TDataSet* dataSet = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  if (!IsPartialMode() || !IsBookmarkSelection() || !dataSet)
    return TCustomdxDBTreeListControl::SelectRange(NodeA, NodeB);
  if (IsEditState(dataSet->State()) || !(FOptions & egoMultiSelect)) return;
  TBookmark first = FReaction.AnchorBookmark.empty() ? dataSet->Bookmark() : FReaction.AnchorBookmark, last = dataSet->Bookmark();
  if (dataSet->CompareBookmarks(first, last) > 0) std::swap(first, last);
  BeginSelection();
  Bracket(
      [&] {
        SavePendingSelection();
        FLoad.RangeFirst = first;
        FLoad.RangeLast = last;
        LoadPartial(pldAround, ptmKeep, true);
      },
      [&] {
        FLoad.RangeFirst.clear();
        FLoad.RangeLast.clear();
        ClearPendingSelection();
        EndSelection();
      });
}
