// Incremental search: a text typed into a column finds the first node, from the focused one on,
// whose cell text starts with it (upper-case forms compared); the walk wraps once at the ends.
#include "rtl/ScopeExit.h"
#include "rtl/Text.h"
#include "treelist/dxTL.h"

bool TCustomdxTreeList::StartSearch(int Column, const String& Text) {
  CloseEditor();
  if (Column < 0) Column = GetFocusedColumn();
  FSearch.Column = Column;
  {
    TDepthScope searching(FSearch.Lock);
    SetFocusedVisibleIndex(GetVisibleColumnPos(Column));
  }
  FSearch.Active = true;
  FSearch.Text = Text;
  DoSearch(FSearch.Text, 0, true);
  return !FSearch.Text.empty();
}

void TCustomdxTreeList::DoSearch(String& Text, int Mode, bool ClearOnFail) {
  TDepthScope searching(FSearch.Lock);
  TdxTreeListNode* found = nullptr;
  if (FSearch.Column >= 0 && Count() > 0) {
    if (SearchText(FSearch.Column, Text, found, Mode))
      FocusNode(found);
    else if (ClearOnFail)
      Text.clear();
    else if (Mode == 0 && !Text.empty())
      Delete(Text, Length(Text), 1);
  }
  if (FFocus.Node) {
    if (IsMultiSelect()) {
      ClearSelection();
      FFocus.Node->SetSelected(true);
    }
    MakeNodeVisible(FFocus.Node);
    InvalidateNode(FFocus.Node, false);
  }
}

void TCustomdxTreeList::EndSearch() {
  if (!FSearch.Active) return;
  FSearch.Active = false;
  if (FLockUpdate == 0 && FFocus.Node) InvalidateNode(FFocus.Node, false);
}

bool TCustomdxTreeList::NodeMatches(TdxTreeListNode* Node, int Column, const String& Text) {
  return AnsiSameTextUpper(Copy(GetCellText(Node, Column), 1, Length(Text)), Text);
}

// One step of the walk: every node in tree order with AutoExpandOnSearch, else the shown rows.
TdxTreeListNode* TCustomdxTreeList::SearchStep(TdxTreeListNode* Node, bool Backward) {
  if (FLook.AutoExpandOnSearch) return Backward ? Node->GetPrev() : Node->GetNext();
  return Backward ? Node->GetPrevVisible() : Node->GetNextVisible();
}

bool TCustomdxTreeList::SearchText(int Column, const String& Text, TdxTreeListNode*& Node, int Mode) {
  TdxTreeListNode* const start = FFocus.Node;
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
      node = backward ? GetNavigationNode(start, tlnLast, FLook.AutoExpandOnSearch) : GetFirstNode();
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
