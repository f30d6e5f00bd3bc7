// What a manager keeps of the MDI child whose menus its menu bar merged (dxBarMdi.cpp).
#pragma once

#include "windows/Messages.h"

struct TdxBarMdiState {
  HWND MergedChild;
  bool Maximized = false;
  // Whether the merged child's own menu bar showed before merging hid it.
  bool ChildBarVisible = true;
  // The menu bar's Locked as MergeMDIChild found it.
  bool MainBarLocked = false;
  // Published: the child's menus merge even when it is not maximised.
  bool AlwaysMerge = false;
};
