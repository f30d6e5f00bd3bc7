// The display order of the shown rows: the sorted reference list (shown nodes ordered by identity,
// each with its display index) and the display list, rebuilt whole or updated for one inserted or
// removed node; the walks that answer while the lists are not valid; the node bookkeeping of
// NodeAdded and DeletingNode; the top row.
#include <algorithm>

#include "treelist/dxTL.h"
#include "rtl/ScopeExit.h"


namespace {

// Calls Visit for every node of List and of the expanded subtrees below it, in display order,
// until Visit answers false. No recursion: trees may be deep.
template <class F>
void WalkShown(const TdxTreeListNodes& List, F Visit) {
  std::vector<std::pair<const TdxTreeListNode*, int>> stack;  // parent (nil: top level), next child
  auto childAt = [&List](const TdxTreeListNode* Parent, int Index) {
    return Parent ? Parent->Items(Index) : (Index < List.Count() ? List[Index] : nullptr);
  };
  stack.emplace_back(nullptr, 0);
  while (!stack.empty()) {
    auto& [parent, next] = stack.back();
    TdxTreeListNode* node = childAt(parent, next++);
    if (!node) {
      stack.pop_back();
      continue;
    }
    if (!Visit(node)) return;
    if (node->Expanded() && node->Count() > 0) stack.emplace_back(node, 0);
  }
}

bool ReferenceBefore(const auto& Reference, const TdxTreeListNode* Node) {
  return std::less<const TdxTreeListNode*>()(Reference.Node, Node);
}

}  // namespace

bool TCustomdxTreeList::AreAbsoluteListsValid() const { return !FOrder.DisplayNodes.empty() && !IsDestroying(); }

int TCustomdxTreeList::IndexInSortedReferences(const TdxTreeListNode* Node) const {
  const auto it = std::lower_bound(
      FOrder.SortedReferences.begin(), FOrder.SortedReferences.end(), Node,
      [](const TdxTreeListSortedReference& r, const TdxTreeListNode* n) { return ReferenceBefore(r, n); });
  return it != FOrder.SortedReferences.end() && it->Node == Node ? int(it - FOrder.SortedReferences.begin()) : -1;
}

// --- walks ------------------------------------------------------------------------------------------

int TCustomdxTreeList::WalkAbsoluteIndex(const TdxTreeListNode* Node) const {
  int index = 0, found = -1;
  WalkShown(FNodes, [&](const TdxTreeListNode* n) {
    if (n == Node) found = index;
    ++index;
    return found < 0;
  });
  return found;
}

TdxTreeListNode* TCustomdxTreeList::WalkAbsoluteNode(int Index) const {
  TdxTreeListNode* found = nullptr;
  int index = 0;
  WalkShown(FNodes, [&](TdxTreeListNode* n) {
    if (index++ == Index) found = n;
    return !found;
  });
  return found;
}

int TCustomdxTreeList::WalkAbsoluteCount() const {
  int count = 0;
  WalkShown(FNodes, [&](const TdxTreeListNode*) { return ++count, true; });
  return count;
}

TdxTreeListNode* TCustomdxTreeList::GetNextNodeUp(TdxTreeListNode* Node) {
  for (; Node; Node = Node->Parent())
    if (TdxTreeListNode* next = Node->GetNextSibling()) return next;
  return nullptr;
}

// --- display-order queries ---------------------------------------------------------------------------

int TCustomdxTreeList::GetAbsoluteCount() {
  return AreAbsoluteListsValid() ? int(FOrder.DisplayNodes.size()) : WalkAbsoluteCount();
}

int TCustomdxTreeList::GetAbsoluteIndex(const TdxTreeListNode* Node) {
  if (!Node || Count() == 0) return -1;
  if (!AreAbsoluteListsValid()) return WalkAbsoluteIndex(Node);
  const int at = IndexInSortedReferences(Node);
  return at < 0 ? -1 : FOrder.SortedReferences[at].Index;
}

TdxTreeListNode* TCustomdxTreeList::GetAbsoluteNode(int Index) {
  if (!AreAbsoluteListsValid()) return Index < 0 ? nullptr : WalkAbsoluteNode(Index);
  return Index >= 0 && Index < int(FOrder.DisplayNodes.size()) ? FOrder.DisplayNodes[Index] : nullptr;
}

// A node missing from valid lists (hidden by a collapse) is answered by walking from it.
TdxTreeListNode* TCustomdxTreeList::GetNextVisibleNode(TdxTreeListNode* Node) {
  if (!Node) return nullptr;
  if (AreAbsoluteListsValid()) {
    const int at = IndexInSortedReferences(Node);
    if (at >= 0) {
      const size_t next = size_t(FOrder.SortedReferences[at].Index) + 1;
      return next < FOrder.DisplayNodes.size() ? FOrder.DisplayNodes[next] : nullptr;
    }
  }
  if (Node->Expanded() && Node->Count() > 0) return Node->GetFirstChild();
  return GetNextNodeUp(Node);
}

TdxTreeListNode* TCustomdxTreeList::GetPrevVisibleNode(TdxTreeListNode* Node) {
  if (!Node) return nullptr;
  if (AreAbsoluteListsValid()) {
    const int at = IndexInSortedReferences(Node);
    if (at >= 0) {
      const int prev = FOrder.SortedReferences[at].Index - 1;
      return prev >= 0 ? FOrder.DisplayNodes[prev] : nullptr;
    }
  }
  TdxTreeListNode* prev = Node->GetPrevSibling();
  return prev ? prev->GetLastExpandedDescendant() : Node->Parent();
}

TdxTreeListNode* TCustomdxTreeList::GetLastNode() const {
  return Count() > 0 ? Items(Count() - 1)->GetLastExpandedDescendant() : nullptr;
}

bool TCustomdxTreeList::IsBOF() { return Count() == 0 || FFocus.Node == GetFirstNode(); }

bool TCustomdxTreeList::IsEOF() { return Count() == 0 || FFocus.Node == GetLastNode(); }

bool TCustomdxTreeList::IsFirstNode(TdxTreeListNode* Node) { return Node && Node == GetFirstNode(); }

bool TCustomdxTreeList::IsLastNode(TdxTreeListNode* Node) { return Node && Node == GetLastNode(); }

// --- the lists ---------------------------------------------------------------------------------------

void TCustomdxTreeList::ClearCalcLists() {
  if (FOrder.LockClearCalcLists) return;
  FOrder.SortedReferences.clear();
  FOrder.DisplayNodes.clear();
  FFocus.ColumnIndex = -2;
  ClearRowHeightCache();
}

void TCustomdxTreeList::ClearRowHeightCache() {
  if (FOrder.LockClearCalcLists || IsDestroying()) return;
  // Only the children wait on the stack: a flat list of many rows is walked in place.
  std::vector<TdxTreeListNode*> pending;
  const auto forget = [&pending](TdxTreeListNode* Node) {
    Node->RowHeight = 0;
    Node->RowLineCount = 0;
    for (int i = 0; i < Node->Count(); ++i) pending.push_back(Node->Items(i));
  };
  for (TdxTreeListNode* node : FNodes) {
    forget(node);
    while (!pending.empty()) {
      TdxTreeListNode* child = pending.back();
      pending.pop_back();
      forget(child);
    }
  }
}

void TCustomdxTreeList::RebuildAbsoluteLists() {
  if (!FOrder.ChangedNode) {
    RebuildAllReferences();
  } else if (!AreAbsoluteListsValid()) {
    if (!FOrder.ChangedNodeRemoved) RebuildAllReferences();
  } else if (FOrder.ChangedNodeRemoved) {
    RemoveReference(FOrder.ChangedNode);
  } else {
    InsertReference(FOrder.ChangedNode);
  }
}

void TCustomdxTreeList::RebuildAllReferences() {
  FOrder.DisplayNodes.clear();
  WalkShown(FNodes, [this](TdxTreeListNode* n) { return FOrder.DisplayNodes.push_back(n), true; });
  FOrder.SortedReferences.clear();
  FOrder.SortedReferences.reserve(FOrder.DisplayNodes.size());
  for (size_t i = 0; i < FOrder.DisplayNodes.size(); ++i)
    FOrder.SortedReferences.push_back({FOrder.DisplayNodes[i], int(i)});
  // Nodes made one after another mostly lie in address order already.
  const auto before = [](const TdxTreeListSortedReference& a, const TdxTreeListSortedReference& b) {
    return ReferenceBefore(a, b.Node);
  };
  if (!std::is_sorted(FOrder.SortedReferences.begin(), FOrder.SortedReferences.end(), before))
    std::sort(FOrder.SortedReferences.begin(), FOrder.SortedReferences.end(), before);
}

void TCustomdxTreeList::InsertReference(TdxTreeListNode* Node) {
  // The new node takes the place of the node that follows its subtree.
  TdxTreeListNode* follower = GetNextNodeUp(Node);
  int index = int(FOrder.DisplayNodes.size());
  if (follower) {
    const int at = IndexInSortedReferences(follower);
    if (at < 0) return RebuildAllReferences();
    index = FOrder.SortedReferences[at].Index;
  }
  if (index < int(FOrder.DisplayNodes.size()))
    for (TdxTreeListSortedReference& reference : FOrder.SortedReferences)
      if (reference.Index >= index) ++reference.Index;
  const auto place = std::lower_bound(
      FOrder.SortedReferences.begin(), FOrder.SortedReferences.end(), Node,
      [](const TdxTreeListSortedReference& r, const TdxTreeListNode* n) { return ReferenceBefore(r, n); });
  FOrder.SortedReferences.insert(place, {Node, index});
  FOrder.DisplayNodes.insert(FOrder.DisplayNodes.begin() + index, Node);
  ClearRowHeightOfNeighbour(Node->Parent());
}

void TCustomdxTreeList::RemoveReference(TdxTreeListNode* Node) {
  const int at = IndexInSortedReferences(Node);
  if (at < 0) return;
  const int index = FOrder.SortedReferences[at].Index;
  FOrder.SortedReferences.erase(FOrder.SortedReferences.begin() + at);
  for (TdxTreeListSortedReference& reference : FOrder.SortedReferences)
    if (reference.Index > index) --reference.Index;
  FOrder.DisplayNodes.erase(FOrder.DisplayNodes.begin() + index);
  ClearRowHeightOfNeighbour(FOrder.DeletedNodeParent);
}

// The tree lines of the last two children change when a sibling comes or goes.
void TCustomdxTreeList::ClearRowHeightOfNeighbour(TdxTreeListNode* Parent) {
  if (!Parent || Parent->Count() < 1) return;
  for (int i = std::max(0, Parent->Count() - 2); i < Parent->Count(); ++i) Parent->Items(i)->RowHeight = 0;
}

void TCustomdxTreeList::NodeListChanged(TdxTreeListNode* Node, bool Removing) {
  FOrder.ChangedNode = Node;
  FOrder.ChangedNodeRemoved = Removing;
  const auto forget = ScopeExit([this] { FOrder.ChangedNode = nullptr; });
  RebuildAbsoluteLists();
}

// --- node bookkeeping --------------------------------------------------------------------------------

void TCustomdxTreeList::NodeAdded(TdxTreeListNode* Node) {
  CancelEditState();
  if (!FTopVisibleNode) SetTopVisibleNode(Node);
  if (!FFocus.Node) FFocus.Node = FTopVisibleNode;
  if (FLockUpdate != 0) return;
  if (!IsLoading() && !IsDestroying() && Node->IsVisible()) NodeListChanged(Node, false);
  TdxTreeListNode* from = Node->GetPrevSiblingOrParent();
  InvalidateNode(from ? from : Node, true);
}

void TCustomdxTreeList::DeletingNode(TdxTreeListNode* Node, TdxTreeListNode* PrevSiblingOrParent,
                                     TdxTreeListNode* NextVisible, bool WasLast, bool WasVisible) {
  (void)WasLast;
  if (OnDeletion) OnDeletion(this, Node);
  if (FClearing) return;
  if (IsNodeSelected(Node)) SetNodeSelected(Node, false);
  if (Count() == 0) {
    if (!IsDestroying()) ClearCalcLists();
    ClearNodeReferences();
    if (FLockUpdate == 0 && !IsDestroying()) Invalidate();
    return;
  }
  TdxTreeListNode* target = PrevSiblingOrParent ? PrevSiblingOrParent : NextVisible;
  const bool wasTop = FTopVisibleNode == Node, wasFocused = FFocus.Node == Node;
  MoveReferencesAway(Node, target);
  CancelEditState();
  if (FOrder.DeletedNodeWasShown && FLockUpdate == 0 && !IsDestroying()) NodeListChanged(Node, true);
  if (WasVisible) InvalidateNode(wasTop || wasFocused ? target : (PrevSiblingOrParent ? PrevSiblingOrParent : NextVisible), true);
}

void TCustomdxTreeList::MoveReferencesAway(TdxTreeListNode* Node, TdxTreeListNode* Target) {
  if (FTopVisibleNode == Node) SetTopVisibleNode(Target);
  if (FFocus.Node == Node) FFocus.Node = Target;
  if (FSelection.Anchor == Node) FSelection.Anchor = Target;
  if (RangeOrigin == Node) RangeOrigin = nullptr;
  for (TdxTreeListNode** reference :
       {&FPress.PressedNode, &FPress.HotNode, &FPress.NodeBeforePress, &FDrag.DragNode, &FEdit.Node})
    if (*reference == Node) *reference = nullptr;
}

// --- the top row -------------------------------------------------------------------------------------

void TCustomdxTreeList::SetTopVisibleNode(TdxTreeListNode* Node) {
  FTopVisibleNode = Node;
  if (OnChangeTopVisibleNode && !IsDestroying()) OnChangeTopVisibleNode(this);
}

int TCustomdxTreeList::GetTopIndex() { return FTopVisibleNode ? GetAbsoluteIndex(FTopVisibleNode) : -1; }

void TCustomdxTreeList::SetTopIndex(int Index) {
  CloseEditor();
  CalcVisibleRowCounts();
  const int count = GetAbsoluteCount();
  if (Index == GetTopIndex() || count <= 1) return;
  Index = std::clamp(Index, 0, std::max(0, count - FFullyVisibleRowCount));
  const int oldTop = GetTopIndex();
  if (Index == oldTop) return;
  SetTopVisibleNode(GetAbsoluteNode(Index));
  if (FLockUpdate != 0 || !HandleAllocated()) return;
  UpdateScrollBars();
  // A move of at most a page shifts the painted rows; a longer one paints everything.
  if (oldTop < 0 || std::abs(Index - oldTop) > FFullyVisibleRowCount) return Invalidate();
  int distance = 0;
  for (int i = std::min(Index, oldTop); i < std::max(Index, oldTop); ++i) distance += CalcRowHeight(GetAbsoluteNode(i));
  WithoutDragFeedback([&] { ScrollRowsArea(Index > oldTop ? -distance : distance); });
}

void TCustomdxTreeList::MakeNodeVisible(TdxTreeListNode* Node) {
  if (!Node) return;
  const auto scrollTo = [this, Node] {
    CalcVisibleRowCounts();
    const int index = GetAbsoluteIndex(Node), top = GetTopIndex();
    if (index >= 0 && (top < 0 || index < top))
      SetTopIndex(index);
    else if (index >= top + FFullyVisibleRowCount)
      SetTopIndex(index - FFullyVisibleRowCount + 1);
  };
  if (Node->IsVisible()) return scrollTo();
  InsideUpdate([&] {
    std::vector<TdxTreeListNode*> ancestors;
    for (TdxTreeListNode* p = Node->Parent(); p; p = p->Parent()) ancestors.push_back(p);
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it) (*it)->SetExpanded(true);
    scrollTo();
  });
}
