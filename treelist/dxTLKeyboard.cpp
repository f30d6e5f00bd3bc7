// The keyboard: focus moves between nodes, cells and header rows, range selection with Shift,
// expanding and collapsing, opening the editor, and the keys of the incremental search.
#include "rtl/Text.h"
#include "treelist/dxTL.h"
#include "windows/Input.h"

namespace {

bool IsSizingOrMoving(TdxTreeListState State) {
  switch (State) {
    case tlsColumnSizing: case tlsHeaderDragging: case tlsBandSizing: case tlsBandDragging:
    case tlsBandPanelSizing: case tlsHeaderPanelSizing: case tlsRowSizing:
      return true;
    default:
      return false;
  }
}

// Keys that close an open editor before they act.
bool ClosesEditor(WORD Key) {
  return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP ||
         Key == VK_DOWN;
}

bool IsRangeKey(WORD Key) {
  return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME || Key == VK_UP || Key == VK_DOWN;
}

// Ctrl held without Alt, as the keyboard is now.
bool CtrlWithoutAlt() { return GetAsyncKeyState(VK_CONTROL) < 0 && GetAsyncKeyState(VK_MENU) >= 0; }

}  // namespace

void TCustomdxTreeList::KeyDown(WORD& Key, TShiftState Shift) {
  InsideSelection([&] { HandleKeyDown(Key, Shift); });
}

void TCustomdxTreeList::HandleKeyDown(WORD& Key, TShiftState Shift) {
  TCustomdxContainer::KeyDown(Key, Shift);
  if (Key != 0 && !CanProcessKey(Key, Shift)) Key = 0;
  if (Key == 0) return;
  if (IsSizingOrMoving(FState)) {
    if (Key == VK_ESCAPE) CancelDragOperation();
    return;
  }
  if (Count() == 0) return;
  if (FState == tlsEditing && ClosesEditor(Key)) {
    HideEditor();
    if (Key == VK_ESCAPE) return;
  }
  if (IsNewItemRowActive() && (Key == VK_NEXT || Key == VK_DOWN)) {
    SetNewItemRowActive(false);
    SetFocusedNodeAndColumn(FTopVisibleNode ? FTopVisibleNode : GetFirstNode(), GetFocusedVisibleIndex(), true);
    if (!(Shift & (ssCtrl | ssShift)) && FFocus.Node) {
      ClearSelection();
      SetSelectionAnchor(nullptr);
      FFocus.Node->SetSelected(true);
    }
    return;
  }
  if (FSearch.Active && KeyDownSearching(Key, Shift)) return;
  if ((Shift & ssCtrl) && !((Shift & ssShift) && IsRangeKey(Key) && IsAllNodesLoaded()))
    KeyDownWithCtrl(Key);
  else
    KeyDownPlain(Key, Shift);
  if (GetSelectedCount() == 0 && FFocus.Node) FFocus.Node->SetSelected(true);
}

bool TCustomdxTreeList::KeyDownSearching(WORD Key, TShiftState Shift) {
  const bool enter = Key == VK_RETURN && (Shift & (ssCtrl | ssShift));
  if (Key != VK_BACK && Key != VK_ESCAPE && Key != VK_DELETE && !enter) return false;
  SyncSearchColumn();
  if (Key == VK_ESCAPE) {
    EndSearch();
    return true;
  }
  int mode = 0;
  if (Key == VK_BACK && !FSearch.Text.empty())
    Delete(FSearch.Text, Length(FSearch.Text), 1);
  else if (Key == VK_DELETE)
    FSearch.Text.clear();
  else if (enter)
    mode = (Shift & ssCtrl) ? 2 : 1;
  DoSearch(FSearch.Text, mode, false);
  return true;
}

void TCustomdxTreeList::SyncSearchColumn() {
  if (IsRowSelect() || GetFocusedColumn() == FSearch.Column) return;
  FSearch.Column = GetFocusedColumn();
  FSearch.Text.clear();
}

// With Ctrl the focus moves alone; the selection stays as it is.
void TCustomdxTreeList::KeyDownWithCtrl(WORD Key) {
  FSelection.RangeSelecting = false;
  const int index = GetFocusedAbsoluteIndex();
  switch (Key) {
    case VK_SPACE:
      if ((IsRowSelect() || !IsEditingEnabled()) && FFocus.Node) {
        FFocus.Node->SetSelected(!FFocus.Node->Selected());
        SetSelectionAnchor(FFocus.Node);
      }
      break;
    case VK_PRIOR: case VK_NEXT:
      MovePage(Key == VK_NEXT ? 1 : -1);
      break;
    case VK_HOME: case VK_END:
      SetFocusedAbsoluteIndex(Key == VK_HOME ? 0 : GetAbsoluteCount() - 1);
      break;
    case VK_LEFT: case VK_RIGHT:
      SetFocusedVisibleIndex(Key == VK_LEFT ? 0 : GetVisibleColumnCount() - 1);
      break;
    case VK_UP:
      if (IsFirstNode(FFocus.Node))
        SetNewItemRowActive(true);
      else
        SetFocusedAbsoluteIndex(index - 1);
      break;
    case VK_DOWN:
      SetFocusedAbsoluteIndex(index + 1);
      break;
    case VK_INSERT:
      CopySelectedToClipboard();
      break;
    default:
      break;
  }
}

void TCustomdxTreeList::KeyDownPlain(WORD Key, TShiftState Shift) {
  const bool shift = Shift & ssShift;
  switch (Key) {
    case VK_DOWN:
      if (IsVertThrough() && MoveHeaderRow(false)) break;
      MoveFocusedRow(1, shift);
      break;
    case VK_UP:
      if (IsVertThrough() && MoveHeaderRow(true)) break;
      if (IsFirstNode(FFocus.Node))
        SetNewItemRowActive(true);
      else
        MoveFocusedRow(-1, shift);
      break;
    case VK_RIGHT: case VK_LEFT:
      KeyRight(Key == VK_RIGHT);
      break;
    case VK_HOME: case VK_END:
      KeyHomeEnd(Key == VK_END, Shift);
      break;
    case VK_PRIOR: case VK_NEXT:
      KeyPage(Key == VK_NEXT ? 1 : -1, Shift);
      break;
    case VK_TAB:
      KeyTab(Shift);
      break;
    case VK_RETURN:
      if (!IsEnterThrough() || !IsEnterShowEditor()) break;
      if (const int next = NextFocusableColumn(GetFocusedVisibleIndex() + 1, false); next < GetVisibleColumnCount())
        SetFocusedVisibleIndex(next);
      else
        FocusNextNodeFirstColumn(false);
      ShowEditor();
      break;
    case VK_F2:
      ShowEditor();
      break;
    case VK_ESCAPE:
      if (FState == tlsEditing || FSearch.Active) break;
      ClearSelection();
      ResetEditor();
      if (FEdit.InplaceEdit) FEdit.InplaceEdit->MoveCaretToEnd();
      HideEditor();
      break;
    default:
      break;
  }
}

// Right and Left: through the tree with row select (into children, out to parents), else between
// the visible columns, on to the next or previous node with HorzThrough.
void TCustomdxTreeList::KeyRight(bool Right) {
  TdxTreeListNode* node = FFocus.Node;
  if (!node) return;
  const auto focusAndSelect = [this](TdxTreeListNode* Target) {
    ClearSelection();
    SetFocusedNodeAndColumn(Target, GetFocusedVisibleIndex(), true);
    Target->SetSelected(true);
  };
  if (IsRowSelect()) {
    MakeNodeVisible(node);
    if (IsNewItemRowActive()) return;
    if (Right) {
      if (node->Count() == 0) {
        ClearSelection();
        SetFocusedAbsoluteIndex(GetFocusedAbsoluteIndex() + 1);
      } else if (node->Expanded()) {
        focusAndSelect(node->GetFirstChild());
      } else {
        node->SetExpanded(true);
      }
    } else if (node->Expanded() && node->Count() > 0) {
      node->SetExpanded(false);
    } else if (node->Parent() && node->Parent()->GetFirstChild() == node) {
      focusAndSelect(node->Parent());
    } else {
      ClearSelection();
      SetFocusedAbsoluteIndex(GetFocusedAbsoluteIndex() - 1);
    }
    return;
  }
  const int position = GetFocusedVisibleIndex();
  if (Right && position == GetVisibleColumnCount() - 1 && IsHorzThrough())
    FocusNextNodeFirstColumn(false);
  else if (!Right && position == 0 && IsHorzThrough())
    FocusNextNodeFirstColumn(true);
  else
    SetFocusedVisibleIndex(position + (Right ? 1 : -1));
}

void TCustomdxTreeList::KeyHomeEnd(bool End, TShiftState Shift) {
  if (!IsRowSelect() && !(Shift & ssShift)) return SetFocusedVisibleIndex(End ? GetVisibleColumnCount() - 1 : 0);
  ClearSelection();
  const int target = End ? GetAbsoluteCount() - 1 : 0;
  if ((Shift & ssShift) && IsAllNodesLoaded()) {
    if (!SelectionAnchor()) SetSelectionAnchor(FFocus.Node);
    SetFocusedAbsoluteIndex(target);
    SelectRange(SelectionAnchor(), FFocus.Node);
  } else {
    SetSelectionAnchor(nullptr);
    SetFocusedAbsoluteIndex(target);
  }
}

void TCustomdxTreeList::KeyPage(int Delta, TShiftState Shift) {
  ClearSelection();
  const bool range = (Shift & ssShift) && IsAllNodesLoaded();
  if (range && !SelectionAnchor())
    SetSelectionAnchor(FFocus.Node);
  else if (!range)
    SetSelectionAnchor(nullptr);
  if (Delta < 0 && IsFirstNode(FFocus.Node))
    SetNewItemRowActive(true);
  else
    MovePage(Delta);
  if ((Shift & ssShift) && SelectionAnchor()) SelectRange(SelectionAnchor(), FFocus.Node);
}

void TCustomdxTreeList::KeyTab(TShiftState Shift) {
  if (Shift & ssAlt) return;
  const bool backward = Shift & ssShift;
  if (IsRowSelect()) {
    ClearSelection();
    SetFocusedAbsoluteIndex(GetFocusedAbsoluteIndex() + (backward ? -1 : 1));
    return;
  }
  const int next = NextFocusableColumn(GetFocusedVisibleIndex() + (backward ? -1 : 1), backward);
  if (next >= 0 && next < GetVisibleColumnCount())
    SetFocusedVisibleIndex(next);
  else if (IsTabThrough())
    FocusNextNodeFirstColumn(backward);
}

void TCustomdxTreeList::MovePage(int Delta) {
  const int count = GetAbsoluteCount(), index = GetFocusedAbsoluteIndex();
  if (count < 2) return SetFocusedAbsoluteIndex(index + Delta);
  CalcVisibleRowCounts();
  const int top = std::max(GetTopIndex(), 0);
  const int bottom = std::min(top + FFullyVisibleRowCount - 1, count - 1);
  if (top < index && index < bottom)
    SetFocusedAbsoluteIndex(Delta > 0 ? bottom : top);
  else
    SetFocusedAbsoluteIndex(index + Delta * std::max(1, FFullyVisibleRowCount - 1));
}

int TCustomdxTreeList::NextFocusableColumn(int Start, bool Backward) {
  const int count = GetVisibleColumnCount(), step = Backward ? -1 : 1;
  int position = Start;
  while (position >= 0 && position < count && !IsColumnTabStop(GetVisibleColumnAt(position))) position += step;
  return position;
}

// The next node's first focusable column, or the previous node's last one; the column stays when
// there is no such node.
void TCustomdxTreeList::FocusNextNodeFirstColumn(bool Backward) {
  ClearSelection();
  TdxTreeListNode* before = FFocus.Node;
  SetFocusedAbsoluteIndex(GetFocusedAbsoluteIndex() + (Backward ? -1 : 1));
  if (FFocus.Node == before) return;
  const int count = GetVisibleColumnCount();
  const int position = Backward ? NextFocusableColumn(count - 1, true) : NextFocusableColumn(0, false);
  if (position >= 0 && position < count) SetFocusedVisibleIndex(position);
}

// VertThrough: Up and Down walk the header rows of the focused column's band first. Answers true
// when the move stayed on the node; a wrap past the first or last row leaves the node move to the
// caller.
bool TCustomdxTreeList::MoveHeaderRow(bool Up) {
  if (IsRowSelect() || !FFocus.Node || IsGroupNode(FFocus.Node)) return false;
  const int column = GetFocusedColumn();
  if (column < 0) return false;
  const int band = GetBandPosition(GetColumnBandIndex(column));
  const int rows = GetBandRowCount(band);
  if (rows < 2) return false;
  int y = -1, x = -1;
  for (int r = 0; r < rows && y < 0; ++r)
    for (int p = 0; p < GetBandRowColumnCount(band, r); ++p)
      if (GetBandColumn(band, r, p) == column) y = r, x = p;
  if (y < 0) return false;
  if (Up ? y == 0 && IsFirstNode(FFocus.Node) : y == rows - 1 && IsLastNode(FFocus.Node)) return false;
  const bool wrapped = Up ? y < 1 : y >= rows - 1;
  const int target = Up ? (wrapped ? rows - 1 : y - 1) : (wrapped ? 0 : y + 1);
  x = std::min(x, GetBandRowColumnCount(band, target) - 1);
  if (x < 0) return false;
  SetFocusedVisibleIndex(GetVisibleColumnPos(GetBandColumn(band, target, x)));
  return !wrapped;
}

// --- characters --------------------------------------------------------------------------------------

void TCustomdxTreeList::KeyPress(TKeyChar& Key) {
  const bool ctrlOnly = CtrlWithoutAlt();
  if (FState == tlsNormal && !FSearch.Active && IsAutoSearch() && Key != 8 && Key != 9 && Key != 13 && Key != 27 &&
      !ctrlOnly)
    StartSearch(-1, String());
  if (!FSearch.Active && IsEnterShowEditor() && FState != tlsEditing) {
    if (Key == 13) {
      ShowEditor();
    } else if (Key == 8 || Key == 22 || Key == 24 || Key >= 32) {
      ShowEditorChar(Key);
      if (!FEdit.InplaceEdit || FState != tlsEditing) TCustomdxContainer::KeyPress(Key);
    } else {
      TCustomdxContainer::KeyPress(Key);
    }
  } else {
    TCustomdxContainer::KeyPress(Key);
  }
  if (FState != tlsEditing && FFocus.Node) KeyPressCommand(Key);
  if (FSearch.Active && Key > 31 && !ctrlOnly) {
    SyncSearchColumn();
    FSearch.Text += CodePointToUtf8(Key);
    DoSearch(FSearch.Text, 0, false);
  }
}

// Ctrl+C copies the selection (AutoCopySelectedToClipboard); "*" opens the whole subtree, "+" and
// "-" expand and collapse the focused node.
void TCustomdxTreeList::KeyPressCommand(TKeyChar Key) {
  TdxTreeListNode* node = FFocus.Node;
  if (Key == 3 && (FOptionsEx & tlxAutoCopySelectedToClipboard)) {
    CopySelectedToClipboard();
  } else if (Key == '*') {
    if (node->Count() > 0) node->Expand(true);
  } else if (Key == '+' || Key == '-') {
    node->MakeVisible();
    node->SetExpanded(Key == '+');
  }
}
