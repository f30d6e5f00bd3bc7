// The side bar's layout, recomputed on every use: the layout rectangle, the header stacks above
// and below the open group's items, the items area and where each shown item lies.
#pragma once

#include "sidebar/dxsbar.h"
#include "windows/Timers.h"

// Timers of the side bar's window.
enum : UINT_PTR { dxsbScrollTimer = 1, dxsbHintTimer = 2 };
// A hint shows at most this long.
inline constexpr UINT dxsbHintTime = 3000;

struct TdxSideBar::TGeometry {
  TRect R;             // the layout rectangle
  int H = 0;           // header height (0 without headers)
  int N = 0;           // visible groups
  int A = -1;          // the open group's position among them
  int T = 0;           // items area: top
  int B = 0;           // items area: bottom
  bool Flat = true;
  bool ShowGroups = true;
  // Header of visible group I: above the items area up to the open one, below it after.
  TRect Header(int I) const;
  TRect ItemsArea() const { return TRect{R.Left, T, R.Right, B}; }
};

// Where one item of the open group lies (client coordinates).
struct TdxSideBar::TItemPlace {
  TdxSideBarItem* Item = nullptr;
  int Index = 0;
  int Y = 0;            // the item's top
  TRect Image;          // large: the image; small: the image centred in the row
  TRect Row;            // small icons: the row the item takes
  TRect CaptionRect;    // where the caption is drawn (large: cut at the items area's bottom - G)
  TRect CaptionBox;     // the caption's text as drawn
  TRect Frame;          // the hot and selected frame, and what a click hits without headers
  int CaptionHeight = 0;
  bool FullyShown = false;  // else cut off at the bottom
  // The gap after the item, where a dragged item is inserted.
  int GapTop = 0;
  int GapHeight = 0;
};
