// What the grid keeps while it groups: the suspension of regrouping and whether the grouping
// changed meanwhile, the regrouping in progress, and the group-by panel's press.
#pragma once

#include "rtl/Types.h"

class TdxDBTreeListColumn;

struct TdxDBGridGroupingState {
  bool Regrouping = false;
  bool Changed = false;
  int Suspended = 0;
  bool RegroupAfterLoad = false;
  // The group-by panel's press: the grouped column whose button was pressed, where, and whether
  // a move may still drag it.
  TdxDBTreeListColumn* PressedColumn = nullptr;
  TPoint PanelDownPoint;
  bool PanelPressed = false;
};
