// The selection contract: the anchor, the range walk, the bracket that fires one count change, the
// same-parent rule and the repaint of selected rows. Storing selected nodes is a descendant's.
#include "treelist/dxTL.h"
#include "rtl/ScopeExit.h"


bool TCustomdxTreeList::CanNodeSelected(TdxTreeListNode* Node) {
  bool allow = true;
  if (OnCanNodeSelected) OnCanNodeSelected(this, Node, allow);
  if (allow && !IsExtMultiSelect())
    if (TdxTreeListNode* first = GetFirstSelectedNode()) allow = Node->Parent() == first->Parent();
  return allow;
}

void TCustomdxTreeList::ClearSelection() {
  FSelection.RangeSelecting = false;
  DoSelectedCountChange();
}

int TCustomdxTreeList::CompareWithSelectionAnchor(TdxTreeListNode* Node) {
  const int node = GetAbsoluteIndex(Node), anchor = GetAbsoluteIndex(FSelection.Anchor);
  return anchor == node ? 0 : anchor > node ? -1 : 1;
}

int TCustomdxTreeList::DeleteSelectedNodes() {
  FSelection.RangeSelecting = false;
  return GetSelectedCount();
}

void TCustomdxTreeList::DoSelectedCountChange() {
  if (!IsDestroying() && FSelection.Lock == 0 && OnSelectedCountChange) OnSelectedCountChange(this);
}

void TCustomdxTreeList::SetNodeSelected(TdxTreeListNode* Node, bool Value) {
  (void)Node, (void)Value;
  DoSelectedCountChange();
}

void TCustomdxTreeList::BeginSelection() {
  if (FSelection.Lock++ == 0) FSelection.SavedCount = GetSelectedCount();
}

void TCustomdxTreeList::EndSelection() {
  if (--FSelection.Lock == 0 && GetSelectedCount() != FSelection.SavedCount) DoSelectedCountChange();
}

void TCustomdxTreeList::InsideSelection(const std::function<void()>& Work) {
  BeginSelection();
  Bracket(Work, [this] { EndSelection(); });
}

void TCustomdxTreeList::SelectRange(TdxTreeListNode* NodeA, TdxTreeListNode* NodeB) {
  // An end hidden by a collapse stands for its nearest shown ancestor.
  const auto shown = [](TdxTreeListNode* Node) {
    while (Node && !Node->IsVisible()) Node = Node->Parent();
    return Node;
  };
  NodeA = shown(NodeA);
  NodeB = shown(NodeB);
  if (!NodeA || !NodeB) return;
  InsideSelection([&] {
    int indexA = GetAbsoluteIndex(NodeA), indexB = GetAbsoluteIndex(NodeB);
    TdxTreeListNode* node = NodeA;
    TdxTreeListNode* last = NodeB;
    if (indexB < indexA) {
      std::swap(node, last);
      std::swap(indexA, indexB);
    }
    // The walk stops at the end node, after as many nodes as the indexes span, or at the last row.
    for (int left = indexB - indexA + 1; node && left > 0; --left) {
      node->SetSelected(true);
      if (node == last) break;
      node = GetNextVisibleNode(node);
    }
  });
}

TdxTreeListNode* TCustomdxTreeList::GetFirstSelectedNode() {
  if (GetSelectedCount() > 0) return GetSelectedItem(0);
  return RangeOrigin;
}

void TCustomdxTreeList::InvalidateSelection() {
  if (FFocus.Node) InvalidateNode(FFocus.Node, false);
  const int count = GetSelectedCount();
  if (count > 10) return Invalidate();
  for (int i = 0; i < count; ++i) InvalidateNode(GetSelectedItem(i), false);
}
