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
  FFocus.ColumnIndex = -2;
  TdxTreeListNode* const oldNode = FFocus.Node;
  const int oldColumn = FFocus.Column;
  if (FLockUpdate != 0) {
    FFocus.Node = Node;
    FFocus.Column = VisibleColumn;
    return;
  }
  if (Node != FFocus.Node) {
    if (!IsRowSelect()) {
      FFocus.Column = VisibleColumn;
      MakeColumnVisible(GetVisibleColumnAt(VisibleColumn));
    }
    FFocus.Node = Node;
    if (oldNode) InvalidateNode(oldNode, false);
    InvalidateNode(Node, false);
  } else if (!IsRowSelect() && VisibleColumn != FFocus.Column) {
    MakeColumnVisible(GetVisibleColumnAt(VisibleColumn));
    FFocus.Column = VisibleColumn;
    InvalidateNode(Node, false);
  }
  if (MakeVisible && FFocus.Node) MakeNodeVisible(FFocus.Node);
  const bool nodeChanged = oldNode != FFocus.Node, columnChanged = oldColumn != FFocus.Column;
  // A search moves the focus itself; any other move ends it.
  if ((nodeChanged || columnChanged) && FSearch.Lock == 0) EndSearch();
  if (nodeChanged) DoChangeNode(oldNode, FFocus.Node);
  if (columnChanged) DoChangeColumn(FFocus.Node, GetFocusedColumn());
}

void TCustomdxTreeList::SetFocusedAbsoluteIndex(int Index) {
  const int count = GetAbsoluteCount();
  if (count == 0) return;
  Index = std::clamp(Index, 0, count - 1);
  if (Index == GetFocusedAbsoluteIndex() && FFocus.Node) return;
  SetFocusedNodeAndColumn(GetAbsoluteNode(Index), GetFocusedVisibleIndex(), true);
}

int TCustomdxTreeList::GetFocusedAbsoluteIndex() {
  const int index = GetAbsoluteIndex(FFocus.Node);
  return index < 0 ? 0 : index;
}

int TCustomdxTreeList::GetFocusedVisibleIndex() {
  if (IsRowSelect() || FFocus.Column >= GetVisibleColumnCount()) return 0;
  return FFocus.Column;
}

void TCustomdxTreeList::SetFocusedVisibleIndex(int Position) {
  if (Position < 0 || Position >= GetVisibleColumnCount() || Position == GetFocusedVisibleIndex()) return;
  SetFocusedNodeAndColumn(FFocus.Node, Position, false);
}

int TCustomdxTreeList::GetFocusedColumn() {
  if (FFocus.ColumnIndex == -2) FFocus.ColumnIndex = GetVisibleColumnAt(GetFocusedVisibleIndex());
  return FFocus.ColumnIndex;
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
  if (!FFocus.Node) return;
  const bool singleSelected = IsMultiSelect() && GetSelectedCount() == 1 && GetSelectedItem(0) == FFocus.Node;
  TdxTreeListNode* target = GetNavigationNode(FFocus.Node, Direction, AllNodes);
  if (!target || !FocusNode(target)) return;
  if (!singleSelected) return;
  ClearSelection();
  FFocus.Node->SetSelected(true);
}

bool TCustomdxTreeList::GotoNext() {
  TdxTreeListNode* before = FFocus.Node;
  NavigateFocused(tlnNext, false);
  return FFocus.Node != before;
}

bool TCustomdxTreeList::GotoPrev() {
  TdxTreeListNode* before = FFocus.Node;
  NavigateFocused(tlnPrev, false);
  return FFocus.Node != before;
}

void TCustomdxTreeList::MoveFocusedRow(int Delta, bool Shift) {
  if (!FFocus.Node) return;
  // Up keeps a lone selection on the first node, down any selection on the last node.
  const auto clearingRule = [&] {
    const bool keep = Delta < 0 ? GetSelectedCount() == 1 && IsFirstNode(FFocus.Node) : IsLastNode(FFocus.Node);
    if (!keep) ClearSelection();
  };
  bool selectNew = false;
  if (IsMultiSelect()) {
    if (Shift && FSelection.RangeSelecting) {
      if (CompareWithSelectionAnchor(FFocus.Node) == -Delta)
        FFocus.Node->SetSelected(false);
      else
        selectNew = true;
    } else if (Shift) {
      clearingRule();
      if (FSelection.Anchor && IsAllNodesLoaded()) {
        SelectRange(FSelection.Anchor, FFocus.Node);
        const int towardsAnchor = GetAbsoluteIndex(FSelection.Anchor) - GetAbsoluteIndex(FFocus.Node);
        FFocus.Node->SetSelected((towardsAnchor > 0) - (towardsAnchor < 0) != (Delta > 0) - (Delta < 0));
      } else if (!FSelection.Anchor) {
        FSelection.Anchor = FFocus.Node;
        FFocus.Node->SetSelected(true);
      }
      FSelection.RangeSelecting = true;
      selectNew = true;
    } else {
      clearingRule();
      FSelection.Anchor = nullptr;
    }
  }
  SetFocusedAbsoluteIndex(GetFocusedAbsoluteIndex() + Delta);
  if (selectNew && FFocus.Node) FFocus.Node->SetSelected(true);
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
