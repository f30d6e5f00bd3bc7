// The tree list's edit state: the in-place editor, the cell it edits and whether the new-item row
// is being edited. Held by TCustomdxTreeList; dxTLEditing.cpp keeps it.
#pragma once

class TdxInplaceEdit;
class TdxTreeListNode;

struct TdxTreeListEditState {
  TdxInplaceEdit* InplaceEdit = nullptr;
  TdxTreeListNode* Node = nullptr;
  int Column = -1;
  bool NewItemRowActive = false;
};
