// Focus: the focused node and the focused column (a visual position among the shown headers), the
// moves between nodes by direction and by rows, and the visual order of the headers.
#include "treelist/dxTL.h"

bool TCustomdxTreeList::FocusNode(TdxTreeListNode* Node) {
  Node->SetFocused(true);
  return true;
}

void TCustomdxTreeList::SetFocusedNodeAndColumn(TdxTreeListNode* Node, int VisibleColumn, bool MakeVisible) {
  if (!Node) return;
  CloseEditor();
  FFocusedColumnIndex = -2;
  TdxTreeListNode* const oldNode = FFocusedNode;
  const int oldColumn = FFocusedColumn;
  if (FLockUpdate != 0) {
    FFocusedNode = Node;
    FFocusedColumn = VisibleColumn;
    return;
  }
  if (Node != FFocusedNode) {
    if (!IsRowSelect()) {
      FFocusedColumn = VisibleColumn;
      MakeColumnVisible(GetVisibleColumnAt(VisibleColumn));
    }
    FFocusedNode = Node;
    if (oldNode) InvalidateNode(oldNode, false);
    InvalidateNode(Node, false);
  } else if (!IsRowSelect() && VisibleColumn != FFocusedColumn) {
    MakeColumnVisible(GetVisibleColumnAt(VisibleColumn));
    FFocusedColumn = VisibleColumn;
    InvalidateNode(Node, false);
  }
  if (MakeVisible && FFocusedNode) MakeNodeVisible(FFocusedNode);
  const bool nodeChanged = oldNode != FFocusedNode, columnChanged = oldColumn != FFocusedColumn;
  // A search moves the focus itself; any other move ends it.
  if ((nodeChanged || columnChanged) && FSearchLock == 0) EndSearch();
  if (nodeChanged) DoChangeNode(oldNode, FFocusedNode);
  if (columnChanged) DoChangeColumn(FFocusedNode, GetFocusedColumn());
}

void TCustomdxTreeList::SetFocusedAbsoluteIndex(int Index) {
  const int count = GetAbsoluteCount();
  if (count == 0) return;
  Index = std::clamp(Index, 0, count - 1);
  if (Index == GetFocusedAbsoluteIndex() && FFocusedNode) return;
  SetFocusedNodeAndColumn(GetAbsoluteNode(Index), GetFocusedVisibleIndex(), true);
}

int TCustomdxTreeList::GetFocusedAbsoluteIndex() {
  const int index = GetAbsoluteIndex(FFocusedNode);
  return index < 0 ? 0 : index;
}

int TCustomdxTreeList::GetFocusedVisibleIndex() {
  if (IsRowSelect() || FFocusedColumn >= GetVisibleColumnCount()) return 0;
  return FFocusedColumn;
}

void TCustomdxTreeList::SetFocusedVisibleIndex(int Position) {
  if (Position < 0 || Position >= GetVisibleColumnCount() || Position == GetFocusedVisibleIndex()) return;
  SetFocusedNodeAndColumn(FFocusedNode, Position, false);
}

int TCustomdxTreeList::GetFocusedColumn() {
  if (FFocusedColumnIndex == -2) FFocusedColumnIndex = GetVisibleColumnAt(GetFocusedVisibleIndex());
  return FFocusedColumnIndex;
}

// --- moves by direction ------------------------------------------------------------------------------

TdxTreeListNode* TCustomdxTreeList::GetNavigationNode(TdxTreeListNode* Node, TdxTreeListNavigation Direction,
                                                      bool AllNodes) {
  if (!Node) return nullptr;
  switch (Direction) {
    case tlnFirst:
      return GetFirstNode();
    case tlnPrev:
      return Node->GetPrevVisible();
    case tlnNext:
      return AllNodes ? Node->GetNext() : Node->GetNextVisible();
    case tlnLast: {
      if (!AllNodes) return GetLastNode();
      TdxTreeListNode* last = Items(Count() - 1);
      while (last && last->Count() > 0) last = last->GetLastChild();
      return last;
    }
  }
  return nullptr;
}

void TCustomdxTreeList::NavigateFocused(TdxTreeListNavigation Direction, bool AllNodes) {
  if (!FFocusedNode) return;
  const bool singleSelected = IsMultiSelect() && GetSelectedCount() == 1 && GetSelectedItem(0) == FFocusedNode;
  TdxTreeListNode* target = GetNavigationNode(FFocusedNode, Direction, AllNodes);
  if (!target || !FocusNode(target)) return;
  if (!singleSelected) return;
  ClearSelection();
  FFocusedNode->SetSelected(true);
}

bool TCustomdxTreeList::GotoNext() {
  TdxTreeListNode* before = FFocusedNode;
  NavigateFocused(tlnNext, false);
  return FFocusedNode != before;
}

bool TCustomdxTreeList::GotoPrev() {
  TdxTreeListNode* before = FFocusedNode;
  NavigateFocused(tlnPrev, false);
  return FFocusedNode != before;
}

void TCustomdxTreeList::MoveFocusedRow(int Delta, bool Shift) {
  if (!FFocusedNode) return;
  // Up keeps a lone selection on the first node, down any selection on the last node.
  const auto clearingRule = [&] {
    const bool keep = Delta < 0 ? GetSelectedCount() == 1 && IsFirstNode(FFocusedNode) : IsLastNode(FFocusedNode);
    if (!keep) ClearSelection();
  };
  bool selectNew = false;
  if (IsMultiSelect()) {
    if (Shift && FRangeSelecting) {
      if (CompareWithSelectionAnchor(FFocusedNode) == -Delta)
        FFocusedNode->SetSelected(false);
      else
        selectNew = true;
    } else if (Shift) {
      clearingRule();
      if (FSelectionAnchor && IsAllNodesLoaded()) {
        SelectRange(FSelectionAnchor, FFocusedNode);
        const int towardsAnchor = GetAbsoluteIndex(FSelectionAnchor) - GetAbsoluteIndex(FFocusedNode);
        FFocusedNode->SetSelected((towardsAnchor > 0) - (towardsAnchor < 0) != (Delta > 0) - (Delta < 0));
      } else if (!FSelectionAnchor) {
        FSelectionAnchor = FFocusedNode;
        FFocusedNode->SetSelected(true);
      }
      FRangeSelecting = true;
      selectNew = true;
    } else {
      clearingRule();
      FSelectionAnchor = nullptr;
    }
  }
  SetFocusedAbsoluteIndex(GetFocusedAbsoluteIndex() + Delta);
  if (selectNew && FFocusedNode) FFocusedNode->SetSelected(true);
}

// --- visual order of the headers ---------------------------------------------------------------------

namespace {

// Calls Visit(column) for each shown header in visual order until it answers false.
template <class F>
void ForEachVisibleHeader(TCustomdxTreeList& List, F Visit) {
  const int bands = List.GetVisibleBandCount();
  int rows = 0;
  for (int b = 0; b < bands; ++b) rows = std::max(rows, List.GetBandRowCount(b));
  for (int r = 0; r < rows; ++r)
    for (int b = 0; b < bands; ++b)
      for (int p = 0; p < List.GetBandRowColumnCount(b, r); ++p)
        if (!Visit(List.GetBandColumn(b, r, p))) return;
}

}  // namespace

int TCustomdxTreeList::GetVisibleColumnCount() {
  int count = 0;
  for (int c = 0; c < GetTotalColumnCount(); ++c) count += IsColumnShown(c);
  return count;
}

int TCustomdxTreeList::GetVisibleColumnAt(int Position) {
  int found = -1, position = 0;
  ForEachVisibleHeader(*this, [&](int Column) {
    if (position++ == Position) found = Column;
    return found < 0;
  });
  return found;
}

int TCustomdxTreeList::GetVisibleColumnPos(int ColumnIndex) {
  int found = -1, position = 0;
  ForEachVisibleHeader(*this, [&](int Column) {
    if (Column == ColumnIndex) found = position;
    ++position;
    return found < 0;
  });
  return found < 0 ? 0 : found;
}
