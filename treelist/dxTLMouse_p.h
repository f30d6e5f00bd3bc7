// The state of the tree list's mouse gestures: the last press, the window timers the gestures run
// (the delayed editor, drag scrolling, expand on hover) and the filter panel's hint. Held by
// TCustomdxTreeList; dxTLMouse.cpp, dxTLEditing.cpp, dxTLDragging.cpp and dxTLMessages.cpp use it.
#pragma once

#include <memory>

#include "editors/dxPopup.h"
#include "treelist/dxTLDrawInfo.h"

struct TdxTreeListPressState {
  // The gesture of the last press: its hit, where it was, whether it carried Ctrl or Shift, landed
  // on a selected node (the selection collapses to it on release) or on the new-item row.
  TdxTreeListHitInfo DownHitInfo;
  TPoint DownPoint;
  bool ModifierClick = false;
  bool ReselectOnRelease = false;
  bool NewItemRowClicked = false;
  // Timers of this control's window (never shared between controls): the delayed editor (2),
  // the scrolling of drag-select and drags (1, one direction at a time), expand on hover (101).
  bool EditorTimer = false;
  bool ScrollTimer = false;
  int ScrollTimerDirection = 0;  // 1 left, 2 up, 3 right, 4 down
  bool ExpandTimer = false;
  TPoint LastHitTestPoint;
  std::unique_ptr<TdxContainerHintWindow> FilterHint;
  bool FilterHintTimer = false;
};
