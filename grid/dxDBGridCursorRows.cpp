// Plain cursor mode, where the nodes are the data link's buffered rows: the rows that fit the
// window size the link's buffer, a node's values are read by pointing the link's active record at
// its row, the focus follows the link's current row, and the vertical scroll bar shows the record
// number.
#include <algorithm>

#include "grid/dxDBGrid.h"
#include "rtl/ScopeExit.h"
#include "rtl/ScopeExit.h"

// --- the rows area ----------------------------------------------------------------------------------

TRect TCustomdxDBGrid::GetRowsRect() {
  TRect rect = ClientRect();
  rect.Top += GetGroupPanelHeight();
  if (ShowBands()) rect.Top += BandRowCount() * GetHeaderRowHeight();
  if (ShowHeader()) rect.Top += HeaderPanelRowCount() * GetHeaderRowHeight();
  if (ShowFooter()) rect.Bottom -= DefaultRowHeight();
  rect.Bottom = std::max(rect.Top, rect.Bottom);
  if (!IsCursorMode() || FKeepFullRowsArea) return rect;
  int bottom = rect.Top;
  for (int i = 0; i < Count(); ++i) bottom += CalcRowHeight(Items(i));
  rect.Bottom = std::min(rect.Bottom, bottom);
  return rect;
}

int TCustomdxDBGrid::CalcRowHeight(TdxTreeListNode* Node) {
  (void)Node;
  return std::max(1, DefaultRowHeight());
}

namespace {

// Rows of one height: the focused row's height, freshly computed, decides for all.
bool RowsHaveOneHeight(TCustomdxDBGrid& Grid) {
  const bool preview = Grid.IsPreviewVisible() && Grid.IsAutoCalcPreviewLines();
  return !Grid.IsRowAutoHeight() && !preview;
}

}  // namespace

void TCustomdxDBGrid::CalcVisibleRowCounts() {
  FKeepFullRowsArea = true;
  const int height = GetRowsRect().Height();
  FKeepFullRowsArea = false;
  const int rowHeight = CalcRowHeight(FocusedNode());
  FFullyVisibleRowCount = height / rowHeight;
  FVisibleRowCount = FFullyVisibleRowCount + (height % rowHeight != 0);
  if (IsCursorMode() && FDataLink->Active() && !RowsHaveOneHeight(*this)) CountVariableRows(height);
  FFullyVisibleRowCount = std::max(FFullyVisibleRowCount, 1);
  FVisibleRowCount = std::max(FVisibleRowCount, 1);
}

// Rows of several heights are counted from the top; while they leave room, one more record is
// buffered and counted, and a last row cut off at the bottom is given back.
void TCustomdxDBGrid::CountVariableRows(int Height) {
  const auto countRows = [&] {
    int used = 0, visible = 0, fully = 0;
    for (TdxTreeListNode* node = TopVisibleNode() ? TopVisibleNode() : GetFirstNode(); node && used < Height;
         node = GetNextVisibleNode(node)) {
      used += CalcRowHeight(node);
      ++visible;
      if (used <= Height) ++fully;
    }
    FVisibleRowCount = visible;
    FFullyVisibleRowCount = fully;
    return used;
  };
  int used = countRows();
  if (used >= Height) return;
  BeginUpdate();
  // The rows only change the count in view: the update ends without a relayout.
  Bracket(
      [&] {
        bool grew = true;
        while (used < Height && FVisibleRowCount <= FFullyVisibleRowCount) {
          FDataLink->SetBufferCount(Count() + 1);
          if (FDataLink->RecordCount() < FDataLink->BufferCount()) {
            grew = false;
            break;
          }
          Add();
          used = countRows();
        }
        if (grew && FFullyVisibleRowCount > 0 && FFullyVisibleRowCount < FVisibleRowCount) {
          Items(Count() - 1)->Free();
          FDataLink->SetBufferCount(Count());
        }
      },
      [this] { CancelUpdate(); });
}

void TCustomdxDBGrid::CreateWnd() {
  TCustomdxDBTreeListControl::CreateWnd();
  Relayout();
}

void TCustomdxDBGrid::Resize() {
  TCustomdxDBTreeListControl::Resize();
  Relayout();
}

// --- the nodes follow the buffer --------------------------------------------------------------------

void TCustomdxDBGrid::UpdateScrollBars() {
  if (FUpdatingScrollBars) return;
  TValueScope<bool> updating(FUpdatingScrollBars, true);
  // The bars first: counting the rows in view sizes the buffer the nodes then follow.
  TCustomdxDBTreeListControl::UpdateScrollBars();
  if (IsCursorMode()) {
    const bool rows = FDataLink->Active() && FDataLink->RecordCount() > 0 && HandleAllocated();
    if (rows && FDataLink->BufferCount() != FFullyVisibleRowCount) FDataLink->SetBufferCount(FFullyVisibleRowCount);
    if (rows && FDataLink->ActiveRecord() != GetFocusedAbsoluteIndex()) HideEditor();
    // A closed data set has no row to show; an open one without records (or before the window
    // exists) keeps one empty row.
    MatchNodesToBuffer(rows ? FDataLink->RecordCount() : FDataLink->Active() ? 1 : 0);
    SyncWithDataSet();
  } else if (FDataLink->Active()) {
    FDataLink->SetBufferCount(1);
  }
}

void TCustomdxDBGrid::MatchNodesToBuffer(int Rows) {
  FLoad.RowsAreAllRecords = false;
  if (Count() == Rows) return;
  while (Count() < Rows) Add();
  while (Count() > Rows) Items(Count() - 1)->Free();
  ClearCalcLists();
  RebuildAbsoluteLists();
  Invalidate();
}

int TCustomdxDBGrid::GetVisibleRowCount() {
  return IsCursorMode() ? FFullyVisibleRowCount : TCustomdxDBTreeListControl::GetVisibleRowCount();
}

// --- the scroll bar -----------------------------------------------------------------------------------

void TCustomdxDBGrid::GetVScrollInfo(TdxTreeListScrollRange& Range) {
  if (!IsCursorMode()) return TCustomdxDBTreeListControl::GetVScrollInfo(Range);
  Range = {0, 4, 0, FScrollPos};
  TDataSet* dataSet = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  if (!dataSet || !dataSet->Active() || !HandleAllocated()) return;
  if (!dataSet->IsSequenced()) {
    Range.Pos = dataSet->Bof() ? 0 : dataSet->Eof() ? 4 : 2;
    FScrollPos = Range.Pos;
    return;
  }
  Range.Min = 1;
  Range.Page = FFullyVisibleRowCount;
  Range.Max = dataSet->RecordCount() + Range.Page - 1;
  const TDataSetState state = dataSet->State();
  if (state == dsInactive || state == dsBrowse || state == dsEdit) {
    try {
      const int recNo = dataSet->RecNo();
      if (recNo != -1) FScrollPos = recNo;
    } catch (const EDatabaseError&) {
      // A position that cannot be read leaves the thumb where it was.
    }
  }
  Range.Pos = FScrollPos;
}

// --- reading a buffered row ---------------------------------------------------------------------------

bool TCustomdxDBGrid::IsBufferedRow(TdxTreeListNode* Node) const {
  if (!Node || !FDataLink->Active()) return false;
  const int row = Node->Index();
  return row >= 0 && row < FDataLink->RecordCount();
}

void TCustomdxDBGrid::BeginNodeAccess(TdxTreeListNode* Node) {
  if (!IsCursorMode() || !FDataLink->Active()) return;
  if (FNodeAccessDepth++ == 0) FReaction.SavedActiveRecord = FDataLink->ActiveRecord();
  if (IsBufferedRow(Node)) FDataLink->SetActiveRecord(Node->Index());
}

void TCustomdxDBGrid::EndNodeAccess(TdxTreeListNode* Node) {
  (void)Node;
  if (FNodeAccessDepth == 0) return;
  if (--FNodeAccessDepth == 0 && FDataLink->Active()) FDataLink->SetActiveRecord(FReaction.SavedActiveRecord);
}

