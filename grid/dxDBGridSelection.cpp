// The grid's selection in each record mode: records by bookmark (of the focused record, or of any
// buffered row in plain cursor mode), nodes by address, the anchor bookmark of plain cursor mode,
// and the rule that group rows and records are never selected together.
#include <algorithm>

#include "grid/dxDBGrid.h"

bool TCustomdxDBGrid::CanNodeSelected(TdxTreeListNode* Node) {
  bool allow = true;
  if (OnCanNodeSelected) OnCanNodeSelected(this, Node, allow);
  if (allow && !IsCursorMode())
    if (TdxTreeListNode* first = GetFirstSelectedNode()) allow = IsGroupNode(first) == IsGroupNode(Node);
  return allow;
}

// The bookmark of a buffered row, read by pointing the link's active record at it for the moment.
TBookmark TCustomdxDBGrid::BufferedRowBookmark(TdxTreeListNode* Node) {
  if (!IsBufferedRow(Node)) return TBookmark();
  const int saved = FDataLink->ActiveRecord();
  FDataLink->SetActiveRecord(Node->Index());
  const TBookmark bookmark = FDataLink->DataSet()->Bookmark();
  FDataLink->SetActiveRecord(saved);
  return bookmark;
}

bool TCustomdxDBGrid::IsNodeSelected(TdxTreeListNode* Node) {
  int index = 0;
  if (IsCursorMode()) {
    const TBookmark bookmark = BufferedRowBookmark(Node);
    return !bookmark.empty() && SelectionIndexOf(bookmark, index);
  }
  if (IsBookmarkSelection())
    return std::any_of(FSelection.begin(), FSelection.end(),
                       [Node](const TdxDBSelectionEntry& e) { return e.Node == Node; });
  return SelectedNodeIndexOf(Node, index);
}

void TCustomdxDBGrid::SetNodeSelected(TdxTreeListNode* Node, bool Value) {
  if (!Node || !IsMultiSelect() || !FDataLink->Active()) return;
  if (Value && !CanNodeSelected(Node)) return;
  if (IsBookmarkSelection())
    SetBookmarkSelected(Node, Value);
  else
    SetNodePointerSelected(Node, Value);
  InvalidateNode(Node, false);
  TCustomdxDBTreeListControl::SetNodeSelected(Node, Value);
}

void TCustomdxDBGrid::SetBookmarkSelected(TdxTreeListNode* Node, bool Value) {
  TDataSet* dataSet = FDataLink->DataSet();
  if ((FOptionsBehavior & edgoExtMultiSelect) && !FGroupColumns.empty()) {
    // Records under groups are found by their node; a new one takes the current record's place.
    const auto entry = std::find_if(FSelection.begin(), FSelection.end(),
                                    [Node](const TdxDBSelectionEntry& e) { return e.Node == Node; });
    if ((entry != FSelection.end()) == Value) return;
    if (!Value) {
      FSelection.erase(entry);
    } else {
      const TBookmark bookmark = dataSet->Bookmark();
      if (bookmark.empty()) return;
      int index = 0;
      SelectionIndexOf(bookmark, index);
      FSelection.insert(FSelection.begin() + index, {bookmark, Node});
    }
    return SelectionChanged();
  }
  TBookmark bookmark;
  if (IsCursorMode())
    bookmark = BufferedRowBookmark(Node);
  else if (Node == FocusedNode())
    bookmark = dataSet->Bookmark();
  if (bookmark.empty()) return;
  int index = 0;
  if (SelectionIndexOf(bookmark, index) == Value) return;
  if (Value)
    FSelection.insert(FSelection.begin() + index, {bookmark, IsCursorMode() ? nullptr : Node});
  else
    FSelection.erase(FSelection.begin() + index);
  SelectionChanged();
}

void TCustomdxDBGrid::SetNodePointerSelected(TdxTreeListNode* Node, bool Value) {
  int index = 0;
  if (SelectedNodeIndexOf(Node, index) == Value) return;
  if (Value)
    FSelection.insert(FSelection.begin() + index, {TBookmark(), Node});
  else
    FSelection.erase(FSelection.begin() + index);
  SelectionChanged();
}

int TCustomdxDBGrid::CompareWithSelectionAnchor(TdxTreeListNode* Node) {
  if (!IsCursorMode() || !FDataLink->Active()) return TCustomdxDBTreeListControl::CompareWithSelectionAnchor(Node);
  const int order = FDataLink->DataSet()->CompareBookmarks(FDataLink->DataSet()->Bookmark(), FReaction.AnchorBookmark);
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

void TCustomdxDBGrid::SetSelectionAnchor(TdxTreeListNode* Node) {
  TCustomdxDBTreeListControl::SetSelectionAnchor(Node);
  if (IsCursorMode())
    FReaction.AnchorBookmark = BufferedRowBookmark(Node);
  else if (IsPartialMode() && FDataLink->Active())
    // A range of the partial window runs from this record, whatever window is loaded by then.
    FReaction.AnchorBookmark = Node ? FDataLink->DataSet()->Bookmark() : TBookmark();
}

void TCustomdxDBGrid::InvalidateSelection() {
  if (!IsCursorMode()) return TCustomdxDBTreeListControl::InvalidateSelection();
  if (GetSelectedCount() == 0) {
    if (FocusedNode()) InvalidateNode(FocusedNode(), false);
    return;
  }
  for (int i = 0; i < Count(); ++i)
    if (IsNodeSelected(Items(i))) InvalidateNode(Items(i), false);
}
