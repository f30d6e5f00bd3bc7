// What the grid keeps while it follows its data set: whether it is reacting or moving the data set
// itself, the node being changed or deleted with its key, and the focused row as last seen.
#pragma once

#include "data/DataSet.h"
#include "rtl/Variant.h"

class TdxTreeListNode;

struct TdxDBGridReactionState {
  // Reloading or refreshing after a data change, and following the data set.
  bool Reacting = false;
  bool Syncing = false;
  // The node being inserted or edited with the key it had.
  TdxTreeListNode* ChangedNode = nullptr;
  Variant ChangedKey;
  // A change noticed while the grid moved the data set.
  bool RefreshPending = false;
  // The node whose record the grid deletes, with its key.
  TdxTreeListNode* DeletingNode = nullptr;
  Variant DeletingKey;
  int SavedActiveRecord = 0;
  // ScrollSelect made the selection: a range, which the Down key's append keeps.
  bool RangeByKeys = false;
  TBookmark AnchorBookmark;
  // The focused row's level, selection and key as last seen, checked when a selection ends.
  int SelectionDepth = 0;
  struct TFocusState {
    int Level = -1;
    bool Selected = false;
    Variant Key;
  } FocusState;
};
