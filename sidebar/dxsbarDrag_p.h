// Where a dragged item would land in the open group, as the side bar marks it while the drag
// passes over (dxsbarDrag.cpp) and paints it (dxsbarPaint.cpp).
#pragma once

class TdxSideBarItem;

struct TdxSideBarDropMark {
  TdxSideBarItem* Item = nullptr;  // the item the mark is drawn beside; nullptr: no mark
  bool After = true;               // below the item, else above it
};
