// The grid's keys and mouse: the record commands the keys give before the tree list's own keys
// run (deleting after a confirmation, inserting, appending, dropping an untouched new record,
// the records of plain cursor mode walked and selected, group rows opened and closed, a column's
// scroll in row-select mode), and the group-by panel's buttons pressed, dragged off the panel and
// clicked, with headers dropped on the panel to group by them.
#include <algorithm>
#include <utility>

#include "grid/dxDBEditStates.h"
#include "grid/dxDBGrid.h"
#include "rtl/ScopeExit.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"
#include "windows/Scrolling.h"

namespace {

bool IsPageOrEndKey(WORD Key) { return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_HOME || Key == VK_END; }

// The hit kinds of a record's cell area: image, state image, cell, new-item row, row footer and
// preview.
bool IsCellAreaKind(TdxTreeListHitKind Kind) {
  switch (Kind) {
    case hkImage: case hkStateImage: case hkCell: case hkNewItemRow: case hkRowFooter: case hkPreview:
      return true;
    default:
      return false;
  }
}

}  // namespace

// --- keys -----------------------------------------------------------------------------------------------

// The grid's own OnKeyDown handler sees the key first and only once: it is taken off for the
// tree list's handling and put back on every path.
void TCustomdxDBGrid::KeyDown(WORD& Key, TShiftState Shift) {
  TKeyEvent handler = std::exchange(OnKeyDown, nullptr);
  BeginSelection();
  FKeyHandling = true;
  Bracket(
      [&] {
        if (handler) handler(this, Key, Shift);
        if (Key != 0 && !KeyDownForData(Key, Shift)) TCustomdxDBTreeListControl::KeyDown(Key, Shift);
      },
      [&] {
        OnKeyDown = std::move(handler);
        FKeyHandling = false;
        EndSelection();
      });
}

// The keys that act on the data set; true when the key is done with and the tree list's handling
// is not to run.
bool TCustomdxDBGrid::KeyDownForData(WORD& Key, TShiftState Shift) {
  const bool dragging = Dragging() || State() == tlsHeaderDragging || State() == tlsNodeDragging;
  // A partial window reloads under a range selection: the first Shift key anchors it.
  if (IsPartialMode() && (Shift & ssShift) && FDataLink->Active() && !dragging && !SelectionAnchor())
    SetSelectionAnchor(FocusedNode());
  if (Searching() && (Key == VK_BACK || Key == VK_ESCAPE || Key == VK_DELETE ||
                      (Key == VK_RETURN && (Shift & (ssShift | ssCtrl)))))
    return false;
  if (FDataLink->Active() && CanProcessKey(Key, Shift)) {
    TDataSet* dataSet = FDataLink->DataSet();
    if (Key == VK_DELETE && (Shift & ssCtrl) && !dragging) {
      DeleteRecordsCommand();
      return true;
    }
    if (Key == VK_ESCAPE && State() != tlsEditing) {
      FDataLink->Reset();
    } else if (IsCursorMode() ? KeyDownInCursorMode(dataSet, Key, Shift) : KeyDownOverNodes(dataSet, Key, Shift)) {
      return true;
    }
  }
  // Row-select mode has no cell focus to move: Left and Right scroll the grid by a column.
  if ((FOptionsView & edgoRowSelect) && (Key == VK_LEFT || Key == VK_RIGHT) && FocusedNode() &&
      !IsGroupNode(FocusedNode())) {
    if (HandleAllocated()) PostMessage(Handle(), WM_HSCROLL, Key == VK_LEFT ? SB_LINELEFT : SB_LINERIGHT, 0);
    Key = 0;
  }
  return false;
}

// Plain cursor mode: the rows are the data set's buffer, so the ends, appending and the Shift
// selection go through the data set itself.
bool TCustomdxDBGrid::KeyDownInCursorMode(TDataSet* DataSet, WORD Key, TShiftState Shift) {
  const bool canEdit = DataSet->CanModify() && (FOptions & egoEditing);
  const bool ctrl = Shift & ssCtrl, shift = Shift & ssShift;
  switch (Key) {
    case VK_END: case VK_HOME:
      if (shift || !((FOptionsView & edgoRowSelect) || ctrl)) break;
      if (Key == VK_END)
        DataSet->Last();
      else
        DataSet->First();
      if (!ctrl) {
        ClearSelection();
        if (FocusedNode()) FocusedNode()->SetSelected(true);
      }
      return true;
    case VK_UP:
      if (!canEdit) break;
      if (!CancelUntouchedInsert()) TCustomdxDBTreeListControl::KeyDown(Key, Shift);
      return true;
    case VK_DOWN:
      if (!canEdit) break;
      if (IsUntouchedInsert()) {
        if (!IsAtEnd(DataSet)) DataSet->Cancel();
        return true;
      }
      TCustomdxDBTreeListControl::KeyDown(Key, Shift);
      if ((FOptions & egoCanAppend) && (FOptions & egoCanInsert) && DataSet->Eof()) AppendRecordCommand();
      return true;
    case VK_INSERT:
      if (!ctrl) InsertRecordCommand();
      break;
    default:
      break;
  }
  if ((FOptions & egoMultiSelect) && shift && IsPageOrEndKey(Key)) {
    KeyDownSelectRun(Key);
    return true;
  }
  return false;
}

// Shift with Page Up, Page Down, Home and End selects the run of records from the anchor: a page
// is the rows from the focused one to the top or last row, a whole page less one from there.
void TCustomdxDBGrid::KeyDownSelectRun(WORD Key) {
  const int focused = FocusedNode() ? FocusedNode()->Index() : 0;
  const int top = TopVisibleNode() ? TopVisibleNode()->Index() : 0;
  const int last = Count() - 1;
  const int page = FFullyVisibleRowCount - 1;
  switch (Key) {
    case VK_PRIOR:
      return ScrollSelect(true, std::max(focused == top ? page : focused - top, 1));
    case VK_NEXT:
      return ScrollSelect(false, std::max(focused == last ? page : last - focused, 1));
    default:
      return ScrollSelect(Key == VK_HOME, 0);
  }
}

// All records or a window of them are nodes: group rows open and close with Left and Right, and
// Up and Down leave, post or drop the new record at the ends.
bool TCustomdxDBGrid::KeyDownOverNodes(TDataSet* DataSet, WORD Key, TShiftState Shift) {
  TdxTreeListNode* focused = FocusedNode();
  const bool rowSelect = FOptionsView & edgoRowSelect;
  const bool canInsert = DataSet->CanModify() && IsInsertAllowed();
  switch (Key) {
    case VK_LEFT: case VK_RIGHT:
      if (rowSelect || !focused || !IsGroupNode(focused) || focused->Expanded() != (Key == VK_LEFT)) return false;
      focused->SetExpanded(Key == VK_RIGHT);
      return true;
    case VK_INSERT:
      if ((Shift & ssCtrl) || !InsertRecordCommand()) return false;
      ShowEditor();
      return true;
    case VK_UP:
      if (!IsEditState(DataSet->State())) return false;
      if (CancelUntouchedInsert()) return true;
      if (IsFirstNode(focused)) DataSet->Post();
      return false;
    case VK_DOWN:
      if (!IsLastNode(focused)) return false;
      if (IsUntouchedInsert()) return true;
      if ((FOptions & egoCanAppend) && canInsert) {
        AppendRecordCommand();
        return true;
      }
      if (IsEditState(DataSet->State())) DataSet->Post();
      return false;
    default:
      return false;
  }
}

// --- the mouse --------------------------------------------------------------------------------------------

void TCustomdxDBGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TdxTreeListHitKind kind = GetHitTestAt(X, Y);
  if (kind == hkGroupPanel && GroupColumnCount() > 0) {
    TdxDBTreeListColumn* column = GroupPanelColumnAt(X, Y);
    if (column && (GetOptions() & tloColumnMoving) && !column->DisableDragging()) {
      FGrouping.PressedColumn = column;
      if (Button == mbLeft && !(Shift & (ssRight | ssMiddle))) {
        FGrouping.PanelDownPoint = Point(X, Y);
        FGrouping.PanelPressed = true;
        Shift &= ~ssDouble;
      }
    }
  }
  if (Button == mbLeft && (Shift & ssDouble) && State() == tlsNormal && IsCellPress(X, Y)) {
    KillEditorTimer();
    DblClick();
    return;
  }
  TCustomdxDBTreeListControl::MouseDown(Button, Shift, X, Y);
}

// A press in the cell area of a record's row.
bool TCustomdxDBGrid::IsCellPress(int X, int Y) {
  TdxTreeListHitInfo hit;
  GetHitInfo(Point(X, Y), hit);
  return IsCellAreaKind(hit.HitKind) && hit.Node && !IsGroupNode(hit.Node);
}

void TCustomdxDBGrid::MouseMove(TShiftState Shift, int X, int Y) {
  if (FGrouping.PanelPressed &&
      (std::abs(X - FGrouping.PanelDownPoint.X) > 5 || std::abs(Y - FGrouping.PanelDownPoint.Y) > 5)) {
    FGrouping.PanelPressed = false;
    StartDragHeader(FGrouping.PressedColumn->GetIndex());
  }
  TCustomdxDBTreeListControl::MouseMove(Shift, X, Y);
}

void TCustomdxDBGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (TdxDBTreeListColumn* pressed = FGrouping.PressedColumn) {
    if (State() == tlsHeaderDragging) {
      EndDragHeader(true);
    } else if (Button == mbLeft) {
      SetState(tlsNormal);
      if (IsAutoSort()) ChangeColumnSort(pressed);
    }
  }
  FGrouping.PressedColumn = nullptr;
  FGrouping.PanelPressed = false;
  TCustomdxDBTreeListControl::MouseUp(Button, Shift, X, Y);
}

// --- dropping a dragged header -----------------------------------------------------------------------------

// The pressed button is forgotten only after the drop: the tree list asks whether it may hide it.
void TCustomdxDBGrid::EndDragHeader(bool Accept) {
  auto* column = DBColumn(DraggedHeader());
  TdxDBTreeListColumn* pressed = FGrouping.PressedColumn;
  TPoint cursor;
  GetCursorPos(cursor);
  const TPoint client = HandleAllocated() ? ScreenToClient(cursor) : cursor;
  if (Accept && column && IsInGroupPanel(client)) {
    // Only the panel takes the column: no place among the headers.
    TCustomdxDBTreeListControl::EndDragHeader(false);
    FGrouping.PressedColumn = nullptr;
    DropColumnOnGroupPanel(column, client.X);
    return;
  }
  TCustomdxDBTreeListControl::EndDragHeader(Accept);
  FGrouping.PressedColumn = nullptr;
  if (Accept && column && column == pressed && column->GroupIndex() != -1) DragColumnOffGroupPanel(column);
}

bool TCustomdxDBGrid::CanHideDraggedHeader(int Column) {
  return TCustomdxDBTreeListControl::CanHideDraggedHeader(Column) ||
         (FGrouping.PressedColumn && FGrouping.PressedColumn->GetIndex() == Column);
}

TRect TCustomdxDBGrid::GetDragHeaderRect(int Column) {
  if (!FGrouping.PressedColumn || FGrouping.PressedColumn->GetIndex() != Column || FGrouping.PressedColumn->GroupIndex() < 0)
    return TCustomdxDBTreeListControl::GetDragHeaderRect(Column);
  return GroupPanelColumnRect(FGrouping.PressedColumn->GroupIndex());
}
