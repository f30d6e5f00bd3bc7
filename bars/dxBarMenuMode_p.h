// The manager's menu settings (dxBarMenuMode.cpp and the menus): keyboard access, animation, and
// which links count as recently used.
#pragma once

#include "bars/dxBarCommon.h"

struct TdxBarMenuSettings {
  bool UseF10ForMenu = true;
  // Keyboard menu access from ordinary forms goes to the main form's manager.
  bool AllowCallFromAnotherForm = false;
  TdxBarMenuAnimations MenuAnimations = maNone;
  bool MenusShowRecentItemsFirst = true;
  bool ShowFullMenusAfterDelay = true;
  int MostRecentItemsPercents = 95;
  // The usage count a link needs to count as recent, from MostRecentItemsPercents.
  int UsageThreshold = 0;
};
