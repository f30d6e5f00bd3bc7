// The selection of the data-bound control: entries of a record's bookmark and its node, kept in
// the data set's bookmark order (or by node address when nodes are selected without bookmarks),
// the cached last bookmark lookup, and selecting a range of nodes or of records.
#include <algorithm>

#include "grid/dxDBCtrl.h"
#include "rtl/ScopeExit.h"

TdxTreeListNode* TCustomdxDBTreeListControl::GetSelectedItem(int Index) {
  return Index >= 0 && Index < GetSelectedCount() ? FSelection[size_t(Index)].Node : nullptr;
}

bool TCustomdxDBTreeListControl::SelectionIndexOf(const TBookmark& Bookmark, int& Index) {
  if (FLookupCacheIndex >= 0 && Bookmark == FLookupCacheBookmark) {
    Index = FLookupCacheIndex;
    return FLookupCacheFound;
  }
  TDataSet* dataSet = GetDataSource() ? GetDataSource()->DataSet() : nullptr;
  int low = 0, high = GetSelectedCount() - 1;
  bool found = false;
  while (dataSet && low <= high) {
    const int middle = (low + high) / 2;
    const int order = dataSet->CompareBookmarks(FSelection[size_t(middle)].Bookmark, Bookmark);
    if (order < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      found = found || order == 0;
    }
  }
  Index = low;
  FLookupCacheBookmark = Bookmark;
  FLookupCacheIndex = Index;
  FLookupCacheFound = found;
  return found;
}

bool TCustomdxDBTreeListControl::SelectedNodeIndexOf(const TdxTreeListNode* Node, int& Index) const {
  const auto at =
      std::lower_bound(FSelection.begin(), FSelection.end(), Node,
                       [](const TdxDBSelectionEntry& e, const TdxTreeListNode* n) { return std::less<>()(e.Node, n); });
  Index = int(at - FSelection.begin());
  return at != FSelection.end() && at->Node == Node;
}

void TCustomdxDBTreeListControl::ClearSelection() {
  if (FSelection.empty()) return;
  if (!IsDestroying()) InvalidateSelection();
  FSelection.clear();
  SelectionChanged();
  TCustomdxTreeListControl::ClearSelection();
}

void TCustomdxDBTreeListControl::SelectRange(TdxTreeListNode* NodeA, TdxTreeListNode* NodeB) {
  TDataSet* dataSet = GetDataSource() ? GetDataSource()->DataSet() : nullptr;
  const TDataSetState state = dataSet ? dataSet->State() : dsInactive;
  if (state == dsEdit || state == dsInsert || state == dsSetKey || !IsMultiSelect()) return;
  BeginSelection();
  Bracket(
      [&] {
        if (IsCursorMode())
          TCustomdxTreeListControl::SelectRange(NodeA, NodeB);
        else if (!IsBookmarkSelection())
          SelectNodeRange(NodeA, NodeB);
        else if (GetDataLink()->Active())
          SelectRecordRange(NodeA, NodeB);
      },
      [this] { EndSelection(); });
}

// Every selectable node between the two in display order joins the node selection, which stays
// sorted by node address.
void TCustomdxDBTreeListControl::SelectNodeRange(TdxTreeListNode* NodeA, TdxTreeListNode* NodeB) {
  if (CompareNodeOrder(NodeA, NodeB) > 0) std::swap(NodeA, NodeB);
  InsideUpdate([&] {
    const int first = GetAbsoluteIndex(NodeA), last = GetAbsoluteIndex(NodeB);
    std::vector<TdxTreeListNode*> nodes;
    for (int i = first; first >= 0 && i <= last; ++i) {
      TdxTreeListNode* node = GetAbsoluteNode(i);
      if (!node || !CanNodeSelected(node)) continue;
      // The first node decides which nodes may join the rest (a same-parent rule).
      if (nodes.empty()) RangeOrigin = node;
      nodes.push_back(node);
    }
    RangeOrigin = nullptr;
    for (const TdxDBSelectionEntry& entry : FSelection) nodes.push_back(entry.Node);
    std::sort(nodes.begin(), nodes.end(), std::less<>());
    nodes.erase(std::unique(nodes.begin(), nodes.end()), nodes.end());
    FSelection.clear();
    for (TdxTreeListNode* node : nodes) FSelection.push_back({TBookmark(), node});
    SelectionChanged();
  });
}

// Walks from the first node to the last focusing and selecting each, so that each record's
// bookmark is taken; the focus goes back where it was. The data set's controls come back while the
// range selection is marked, so that the reaction to the data set does not reload the nodes.
void TCustomdxDBTreeListControl::SelectRecordRange(TdxTreeListNode* NodeA, TdxTreeListNode* NodeB) {
  int first = GetAbsoluteIndex(NodeA), last = GetAbsoluteIndex(NodeB);
  if (first > last) {
    std::swap(NodeA, NodeB);
    std::swap(first, last);
  }
  TDataSet* dataSet = GetDataLink()->DataSet();
  TdxTreeListNode* focused = FocusedNode();
  dataSet->DisableControls();
  InsideUpdate([&] {
    bool walked = false;
    Bracket(
        [&] {
          TdxTreeListNode* node = NodeA;
          for (int left = last - first + 1; node && left > 0; --left) {
            node->SetFocused(true);
            node->SetSelected(true);
            if (node == NodeB) break;
            node = GetNextVisibleNode(node);
          }
          if (focused) focused->SetFocused(true);
          walked = true;
        },
        // A failed walk gives the controls back as they are; a finished one marks the range first.
        [&] {
          if (!walked) return dataSet->EnableControls();
          SetRangeSelecting(true);
          auto marked = ScopeExit([this] { SetRangeSelecting(false); });
          dataSet->EnableControls();
        });
  });
}
