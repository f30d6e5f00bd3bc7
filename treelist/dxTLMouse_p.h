// The state of the tree list's mouse gestures: the last press, the nodes pressed and under the
// pointer, the window timers the gestures run (the delayed editor, drag scrolling, expand on
// hover), the filter panel's hint, and the buttons held down as the painters show them. Held by
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
  // The node pressed, the one under the pointer (with HotTrack) and the focused one before the
  // press; cleared when their node goes.
  TdxTreeListNode* PressedNode = nullptr;
  TdxTreeListNode* HotNode = nullptr;
  TdxTreeListNode* NodeBeforePress = nullptr;
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

// Buttons the mouse holds down, as the painters show them: the pressed band (visible position)
// and header (column), each with whether the mouse is still over it; the corner buttons of the
// band and header panels; the filter panel's close button under the mouse and held down.
struct TdxTreeListButtonState {
  int PressedBand = -1;
  bool PressedBandDown = false;
  int PressedHeader = -1;
  bool PressedHeaderDown = false;
  bool BandCornerDown = false;
  bool HeaderCornerDown = false;
  bool FilterCloseHot = false;
  bool FilterCloseDown = false;
  // The header whose drop-down button is held (with whether the mouse is still over it) and the
  // one whose button the mouse is over (with HotTrack).
  int PressedFilterButton = -1;
  bool PressedFilterButtonDown = false;
  int HotFilterButton = -1;
};
