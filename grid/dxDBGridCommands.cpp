// The grid's record commands: deleting the focused or the selected records after a confirmation,
// inserting and appending records and dropping an untouched new one, extending the selection of
// plain cursor mode by whole runs of records, and copying rows as text.
#include <utility>

#include "grid/dxDBEditStates.h"
#include "grid/dxDBGrid.h"
#include "grid/dxDBGridStrings.h"
#include "rtl/ScopeExit.h"
#include "windows/Services.h"

namespace {

TdxDBGridNode* GridNode(TdxTreeListNode* Node) { return static_cast<TdxDBGridNode*>(Node); }

}  // namespace

// --- deleting -----------------------------------------------------------------------------------------

bool TCustomdxDBGrid::ConfirmDelete() {
  if (!(FOptions & egoConfirmDelete)) return true;
  const String question = dxGridText(GetSelectedCount() > 0 ? dxSDeleteRecordsQuestion : dxSDeleteRecordQuestion);
  const HWND owner = HandleAllocated() ? Handle() : HWND();
  return MessageBox(owner, question, dxGridText(dxSConfirmCaption), MB_OKCANCEL | MB_ICONQUESTION) != IDCANCEL;
}

bool TCustomdxDBGrid::DeleteRecordsCommand() {
  TDataSet* dataSet = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  TdxTreeListNode* focused = FocusedNode();
  const bool allowed = (FOptions & egoCanDelete) && (FOptions & egoCanNavigation) && !IsReadOnly() && focused &&
                       !IsGroupNode(focused) && dataSet && !dataSet->IsEmpty() && dataSet->CanModify();
  if (!allowed) return false;
  if (!ConfirmDelete()) return true;
  if (GetSelectedCount() == 0)
    GridNode(focused)->DeleteRecord();
  else
    DeleteSelectedNodes();
  return true;
}

int TCustomdxDBGrid::DeleteSelectedNodes() {
  // The inherited step resets the range; the entries are taken first.
  const std::vector<TdxDBSelectionEntry> entries = FSelection;
  const int count = TCustomdxDBTreeListControl::DeleteSelectedNodes();
  TDataSet* dataSet = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  if (!dataSet) return count;
  CloseEditor();
  dataSet->DisableControls();
  TBookmark bookmark;
  Bracket(
      [&] {
        bookmark = dataSet->Bookmark();
        if (IsEditState(dataSet->State())) dataSet->Cancel();
        for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
          if (!IsCursorMode() && entry->Node && IsNodeAlive(entry->Node)) {
            GridNode(entry->Node)->DeleteRecord();
          } else if (!entry->Bookmark.empty() && dataSet->BookmarkValid(entry->Bookmark)) {
            dataSet->GotoBookmark(entry->Bookmark);
            dataSet->Delete();
          }
        }
      },
      [&] {
        ClearSelection();
        if (!bookmark.empty() && dataSet->BookmarkValid(bookmark)) dataSet->GotoBookmark(bookmark);
        dataSet->EnableControls();
      });
  return count;
}

// --- new records ----------------------------------------------------------------------------------------

bool TCustomdxDBGrid::InsertRecordCommand() {
  TDataSet* dataSet = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  if (!dataSet) return false;
  if (IsCursorMode()) {
    if (!(FOptions & egoCanInsert) || !(FOptions & egoCanNavigation)) return false;
    ClearSelection();
    dataSet->Insert();
    return true;
  }
  if ((FOptionsView & edgoRowSelect) || !dataSet->CanModify() || !IsInsertAllowed()) return false;
  CloseEditor();
  ClearSelection();
  dataSet->Insert();
  return true;
}

bool TCustomdxDBGrid::IsUntouchedInsert() {
  TDataSet* dataSet = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  return dataSet && dataSet->State() == dsInsert && !dataSet->Modified() && !FDataLink->Modified();
}

void TCustomdxDBGrid::AppendRecordCommand() {
  if (IsUntouchedInsert()) return;
  if (!RangeSelecting() && !FReaction.RangeByKeys && GetSelectedCount() == 1) ClearSelection();
  FDataLink->DataSet()->Append();
}

bool TCustomdxDBGrid::CancelUntouchedInsert() {
  if (!IsUntouchedInsert() || !IsAtEnd(FDataLink->DataSet())) return false;
  FDataLink->DataSet()->Cancel();
  if (!IsCursorMode())
    if (TdxTreeListNode* last = GetLastNode()) SetFocusedNodeAndColumn(last, GetFocusedVisibleIndex(), true);
  return true;
}

void TCustomdxDBGrid::ClearSelection() {
  FReaction.RangeByKeys = false;
  TCustomdxDBTreeListControl::ClearSelection();
}

// --- extending the selection of plain cursor mode -----------------------------------------------------

void TCustomdxDBGrid::ScrollSelect(bool Up, int N) {
  TDataSet* dataSet = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  if (!(FOptions & egoMultiSelect) || !dataSet || Count() == 0 || !IsCursorMode()) return;
  BeginSelection();
  dataSet->DisableControls();
  Bracket([&] { SelectRunFromAnchor(dataSet, Up, N); },
          [&] {
            if (FSelection.size() == 1 && FSelection.front().Bookmark.empty()) FSelection.clear();
            SelectionChanged();
            dataSet->EnableControls();
            Invalidate();
            EndSelection();
          });
}

// The run always holds the anchor. Walking back towards the anchor shrinks it first and, once
// past the anchor, grows it on the other side; any other walk grows it beyond the current record.
void TCustomdxDBGrid::SelectRunFromAnchor(TDataSet* DataSet, bool Up, int N) {
  const int step = Up ? -1 : 1;
  const TBookmark current = DataSet->Bookmark();
  if (FReaction.AnchorBookmark.empty()) FReaction.AnchorBookmark = current;
  const TBookmark anchor = FReaction.AnchorBookmark;
  FSelection.clear();
  if (N == 0) {
    if (Up)
      DataSet->First();
    else
      DataSet->Last();
  } else {
    const int order = DataSet->CompareBookmarks(anchor, current);
    int left = N;
    if ((Up && order < 0) || (!Up && order > 0))
      while (left > 0 && DataSet->CompareBookmarks(DataSet->Bookmark(), anchor) != 0 && DataSet->MoveBy(step) != 0)
        --left;
    while (left > 0 && DataSet->MoveBy(step) != 0) --left;
  }
  const TBookmark end = DataSet->Bookmark();
  const bool anchorFirst = DataSet->CompareBookmarks(anchor, end) <= 0;
  DataSet->GotoBookmark(anchorFirst ? anchor : end);
  const TBookmark& last = anchorFirst ? end : anchor;
  for (;;) {
    FSelection.push_back({DataSet->Bookmark(), nullptr});
    if (DataSet->CompareBookmarks(DataSet->Bookmark(), last) >= 0 || DataSet->MoveBy(1) == 0) break;
  }
  DataSet->GotoBookmark(end);
  FReaction.RangeByKeys = true;
}

// --- copying rows as text -------------------------------------------------------------------------------

// The current record's texts in the shown columns, in their visual order, joined by TAB.
String TCustomdxDBGrid::CurrentRecordText() {
  String text;
  for (int p = 0, count = GetVisibleColumnCount(); p < count; ++p) {
    TdxDBTreeListColumn* column = DBColumn(GetVisibleColumnAt(p));
    if (p > 0) text += "\t";
    if (column && column->Field()) text += column->Field()->DisplayText();
  }
  return text;
}

namespace {

String HeaderLine(TCustomdxDBGrid& Grid) {
  String header = Grid.GetHeadersAsText();
  if (header.size() >= 2) header.resize(header.size() - 2);
  return header;
}

}  // namespace

void TCustomdxDBGrid::CopyAllToStrings(TStrings* Strings) {
  TDataSet* dataSet = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  if (!IsCursorMode() || !dataSet) return TCustomdxDBTreeListControl::CopyAllToStrings(Strings);
  Strings->Add(HeaderLine(*this));
  dataSet->DisableControls();
  const TBookmark bookmark = dataSet->Bookmark();
  Bracket(
      [&] {
        for (dataSet->First(); !dataSet->Eof(); dataSet->Next()) Strings->Add(CurrentRecordText());
      },
      [&] {
        if (!bookmark.empty() && dataSet->BookmarkValid(bookmark)) dataSet->GotoBookmark(bookmark);
        dataSet->EnableControls();
      });
}

void TCustomdxDBGrid::CopySelectedToStrings(TStrings* Strings) {
  TDataSet* dataSet = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  if (!IsCursorMode() || !dataSet || !(FOptions & egoMultiSelect))
    return TCustomdxDBTreeListControl::CopySelectedToStrings(Strings);
  Strings->Add(HeaderLine(*this));
  dataSet->DisableControls();
  const TBookmark bookmark = dataSet->Bookmark();
  Bracket(
      [&] {
        for (const TdxDBSelectionEntry& entry : FSelection)
          if (dataSet->BookmarkValid(entry.Bookmark)) {
            dataSet->GotoBookmark(entry.Bookmark);
            Strings->Add(CurrentRecordText());
          }
      },
      [&] {
        if (!bookmark.empty() && dataSet->BookmarkValid(bookmark)) dataSet->GotoBookmark(bookmark);
        dataSet->EnableControls();
      });
}
