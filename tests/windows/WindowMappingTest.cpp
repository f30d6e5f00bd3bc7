// Points between windows, the child under a point, the scroll range and the flat bars' calls on
// the same bars, and the invalid area as a region: the window calls the controls build on.
#include "WindowTestKit.h"

#include "graphics/Region.h"
#include "windows/Paint.h"
#include "windows/Scrolling.h"

namespace {

using WindowMapping = TGuiTest;

TEST_F(WindowMapping, PointsMapBetweenClientAreasAndTheScreen) {
  TLoggingWindow top(HWND(), Bounds(100, 50, 300, 200), 0, WS_VISIBLE | WS_POPUP);
  TLoggingWindow child(top.Handle, Bounds(20, 30, 100, 60));
  TPoint points[2] = {{0, 0}, {5, 7}};
  MapWindowPoints(child.Handle, top.Handle, points, 2);
  EXPECT_EQ(points[0], (TPoint{20, 30}));
  EXPECT_EQ(points[1], (TPoint{25, 37}));
  MapWindowPoints(top.Handle, HWND(), points, 1);
  EXPECT_EQ(points[0], (TPoint{120, 80}));
  MapWindowPoints(HWND(), child.Handle, points, 1);
  EXPECT_EQ(points[0], (TPoint{0, 0}));

  EXPECT_EQ(ChildWindowFromPointEx(top.Handle, {25, 35}, 0), child.Handle);
  EXPECT_EQ(ChildWindowFromPointEx(top.Handle, {5, 5}, 0), top.Handle);
  EXPECT_EQ(GetAncestorRoot(child.Handle), top.Handle);
}

TEST_F(WindowMapping, TheRangeAndTheFlatCallsShareTheWindowsBars) {
  TLoggingWindow window(HWND(), Bounds(0, 0, 200, 100), 0, WS_VISIBLE | WS_POPUP | WS_VSCROLL);
  ASSERT_TRUE(SetScrollRange(window.Handle, SB_VERT, 0, 50, false));
  int min = -1, max = -1;
  ASSERT_TRUE(GetScrollRange(window.Handle, SB_VERT, min, max));
  EXPECT_EQ(min, 0);
  EXPECT_EQ(max, 50);
  ASSERT_TRUE(InitializeFlatSB(window.Handle));
  FlatSB_SetScrollPos(window.Handle, SB_VERT, 20, false);
  EXPECT_EQ(GetScrollPos(window.Handle, SB_VERT), 20);
  EXPECT_EQ(FlatSB_GetScrollPos(window.Handle, SB_VERT), 20);
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  ASSERT_TRUE(FlatSB_GetScrollInfo(window.Handle, SB_VERT, info));
  EXPECT_EQ(info.nMax, 50);
  UninitializeFlatSB(window.Handle);
  EXPECT_EQ(GetScrollPos(window.Handle, SB_VERT), 20);
}

TEST_F(WindowMapping, TheUpdateRegionIsTheUnionOfWhatWasInvalidated) {
  TLoggingWindow window(HWND(), Bounds(0, 0, 200, 100), 0, WS_VISIBLE | WS_POPUP);
  Pump();
  const TRect a{10, 10, 30, 20};
  const TRect b{50, 40, 60, 90};
  InvalidateRect(window.Handle, &a, false);
  InvalidateRect(window.Handle, &b, false);
  TRegion region;
  EXPECT_NE(GetUpdateRgn(window.Handle, region, false), NULLREGION);
  EXPECT_TRUE(PtInRegion(region, 15, 15));
  EXPECT_TRUE(PtInRegion(region, 55, 85));
  EXPECT_FALSE(PtInRegion(region, 40, 30));
}

}  // namespace
