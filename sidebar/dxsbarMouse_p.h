// The state the side bar's mouse handling keeps between messages (dxsbarMouse.cpp): the item and
// header under the mouse or pressed, the scroll buttons with their repeat timer, and the item hint.
#pragma once

#include "rtl/Types.h"

class TdxSideBarItem;
class THintWindow;

struct TdxSideBarMouseState {
  TdxSideBarItem* HotItem = nullptr;
  bool HotPressed = false;
  TdxSideBarItem* SelectedItem = nullptr;
  bool ItemPressed = false;  // a left press on an item waits for its release
  TPoint PressPoint;
  int HotHeader = -1;          // flat style: the header under the mouse, or the one pressed
  bool HeaderDown = false;     // the left button went down on it
  bool HeaderPressed = false;  // shown pressed (the mouse is over it while down)
};

// The up and down buttons over the open group's items.
struct TdxSideBarScrollState {
  bool UpShown = false;
  bool UpPressed = false;
  bool DownShown = false;
  bool DownPressed = false;
  bool TimerRunning = false;
};

struct TdxSideBarHintState {
  bool TimerRunning = false;
  THintWindow* Window = nullptr;  // owned by the side bar as its component
  bool Showing = false;
};
