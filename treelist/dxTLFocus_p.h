// The focus: the focused node and the focused column. Held by TCustomdxTreeList; dxTLFocus.cpp
// keeps it.
#pragma once

class TdxTreeListNode;

struct TdxTreeListFocusState {
  TdxTreeListNode* Node = nullptr;
  // The visual position of the focused column (-1: none) and the column index it gives (-2: not
  // computed yet).
  int Column = -1;
  int ColumnIndex = -2;
};
