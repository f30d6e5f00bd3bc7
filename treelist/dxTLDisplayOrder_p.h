// The display order's lists and the bookkeeping that updates them for one node: the sorted
// reference list, the display list, the node last changed and the facts of a node being freed.
// Held by TCustomdxTreeList; dxTLDisplayOrder.cpp keeps it, dxTLCore.cpp and dxTLNode.cpp feed it.
#pragma once

#include <vector>

class TdxTreeListNode;

// One entry of the sorted reference list: a shown node and its display index.
struct TdxTreeListSortedReference {
  TdxTreeListNode* Node;
  int Index;
};

struct TdxTreeListDisplayOrder {
  std::vector<TdxTreeListSortedReference> SortedReferences;
  std::vector<TdxTreeListNode*> DisplayNodes;
  TdxTreeListNode* ChangedNode = nullptr;
  bool ChangedNodeRemoved = false;
  // Set by a node being freed: it was a shown row, under this parent.
  bool DeletedNodeWasShown = false;
  TdxTreeListNode* DeletedNodeParent = nullptr;
  // Holds the lists through ClearCalcLists while set.
  bool LockClearCalcLists = false;
};
