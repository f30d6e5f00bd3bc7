// Incremental search: a text typed into a column finds the first node, from the focused one on,
// whose cell text starts with it (upper-case forms compared); the walk wraps once at the ends.
#include "rtl/ScopeExit.h"
#include "rtl/Text.h"
#include "treelist/dxTL.h"

bool TCustomdxTreeList::StartSearch(int Column, const String& Text) {
  CloseEditor();
  if (Column < 0) Column = GetFocusedColumn();
  FSearchColumn = Column;
  {
    TDepthScope searching(FSearchLock);
    SetFocusedVisibleIndex(GetVisibleColumnPos(Column));
  }
  FSearching = true;
  FSearchText = Text;
  DoSearch(FSearchText, 0, true);
  return !FSearchText.empty();
}

void TCustomdxTreeList::DoSearch(String& Text, int Mode, bool ClearOnFail) {
  TDepthScope searching(FSearchLock);
  TdxTreeListNode* found = nullptr;
  if (FSearchColumn >= 0 && Count() > 0) {
    if (SearchText(FSearchColumn, Text, found, Mode))
      FocusNode(found);
    else if (ClearOnFail)
      Text.clear();
    else if (Mode == 0 && !Text.empty())
      Delete(Text, Length(Text), 1);
  }
  if (FFocusedNode) {
    if (IsMultiSelect()) {
      ClearSelection();
      FFocusedNode->SetSelected(true);
    }
    MakeNodeVisible(FFocusedNode);
    InvalidateNode(FFocusedNode, false);
  }
}

void TCustomdxTreeList::EndSearch() {
  if (!FSearching) return;
  FSearching = false;
  if (FLockUpdate == 0 && FFocusedNode) InvalidateNode(FFocusedNode, false);
}

bool TCustomdxTreeList::NodeMatches(TdxTreeListNode* Node, int Column, const String& Text) {
  return AnsiSameTextUpper(Copy(GetCellText(Node, Column), 1, Length(Text)), Text);
}

// One step of the walk: every node in tree order with AutoExpandOnSearch, else the shown rows.
TdxTreeListNode* TCustomdxTreeList::SearchStep(TdxTreeListNode* Node, bool Backward) {
  if (FAutoExpandOnSearch) return Backward ? Node->GetPrev() : Node->GetNext();
  return Backward ? Node->GetPrevVisible() : Node->GetNextVisible();
}

bool TCustomdxTreeList::SearchText(int Column, const String& Text, TdxTreeListNode*& Node, int Mode) {
  TdxTreeListNode* const start = FFocusedNode;
  if (!start) return false;
  if (Mode == 0 && NodeMatches(start, Column, Text)) {
    Node = start;
    return true;
  }
  const bool backward = Mode == 1;
  bool wrapped = false;
  for (TdxTreeListNode* node = SearchStep(start, backward);;) {
    if (!node) {
      // A second end means the start is not on the walk (a hidden focused node): nothing more to see.
      if (wrapped) return false;
      wrapped = true;
      node = backward ? GetNavigationNode(start, tlnLast, FAutoExpandOnSearch) : GetFirstNode();
      continue;
    }
    if (node == start) return false;
    if (NodeMatches(node, Column, Text)) {
      Node = node;
      return true;
    }
    node = SearchStep(node, backward);
  }
}
