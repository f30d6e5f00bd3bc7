// The selection's state: the anchor of range selection, the depth of the selection bracket with
// the selected count at its start, and whether a range is being selected. Held by
// TCustomdxTreeList; dxTLSelection.cpp keeps it.
#pragma once

class TdxTreeListNode;

struct TdxTreeListSelectionState {
  TdxTreeListNode* Anchor = nullptr;
  int Lock = 0;
  int SavedCount = 0;
  bool RangeSelecting = false;
};
