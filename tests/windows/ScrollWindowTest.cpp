// Scrolling a window's pixels: the painted rows move, only the uncovered strip is invalidated,
// an invalid area moves with the pixels, and the clip rectangle limits what changes.
#include "WindowTestKit.h"

#include "graphics/Region.h"
#include "windows/Scrolling.h"

namespace {

class ScrollWindow : public TGuiTest {
 protected:
  void SetUp() override {
    TGuiTest::SetUp();
    window = std::make_unique<TLoggingWindow>(HWND(), Bounds(50, 50, 100, 80));
    // Row y is painted in the colour RGB(0, y + offset, 0).
    window->Handler = [this](TMessage& m) {
      if (m.Msg != WM_PAINT) return false;
      PAINTSTRUCT ps;
      BeginPaint(window->Handle, ps);
      painted.push_back(ps.rcPaint);
      for (int y = 0; y < 80; ++y) FillRect(ps.hdc, TRect{0, y, 100, y + 1}, CreateSolidBrush(RGB(0, y + offset, 0)));
      EndPaint(window->Handle, ps);
      return true;
    };
    Pump();
    painted.clear();
  }
  void TearDown() override {
    window.reset();
    TGuiTest::TearDown();
  }
  int Green(int X, int Y) { return GetGValue(WindowPixel(window->Handle, X, Y)); }
  TRect UpdateArea() {
    TRect r;
    GetUpdateRect(window->Handle, &r, false);
    return r;
  }
  std::unique_ptr<TLoggingWindow> window;
  std::vector<TRect> painted;
  int offset = 0;
};

TEST_F(ScrollWindow, PixelsMoveAndOnlyTheUncoveredStripIsInvalidated) {
  TRect update;
  TRegion region;
  const int kind = ScrollWindowEx(window->Handle, 0, -10, nullptr, nullptr, &region, &update, SW_INVALIDATE);
  EXPECT_EQ(kind, SIMPLEREGION);
  EXPECT_EQ(update, (TRect{0, 70, 100, 80}));
  EXPECT_EQ(UpdateArea(), (TRect{0, 70, 100, 80}));
  EXPECT_EQ(Green(5, 0), 10);   // row 10 moved to row 0
  EXPECT_EQ(Green(5, 69), 79);
  offset = 10;
  Pump();
  ASSERT_EQ(painted.size(), 1u);
  EXPECT_EQ(painted[0], (TRect{0, 70, 100, 80}));
  EXPECT_EQ(Green(5, 75), 85);  // the strip is painted as the content scrolled by 10 shows it
  EXPECT_EQ(Green(5, 60), 70);
}

TEST_F(ScrollWindow, ScrollAndClipRectanglesLimitWhatMoves) {
  const TRect scroll{20, 20, 60, 60};
  const TRect clip{20, 20, 60, 60};
  TRect update;
  ScrollWindowEx(window->Handle, 5, 0, &scroll, &clip, nullptr, &update, SW_INVALIDATE | SW_ERASE);
  EXPECT_EQ(update, (TRect{20, 20, 25, 60}));
  EXPECT_EQ(Green(10, 30), 30);  // outside: unchanged
  EXPECT_EQ(Green(62, 30), 30);  // right of the clip: nothing lands there
  EXPECT_EQ(Green(40, 30), 30);  // moved sideways: the row is the same colour
}

TEST_F(ScrollWindow, AnInvalidAreaInsideMovesWithThePixels) {
  const TRect stale{0, 30, 100, 40};
  InvalidateRect(window->Handle, &stale, false);
  ScrollWindowEx(window->Handle, 0, -20, nullptr, nullptr, nullptr, nullptr, 0);
  EXPECT_EQ(UpdateArea(), (TRect{0, 10, 100, 20}));
}

TEST_F(ScrollWindow, ChildWindowsMoveOnlyWhenAsked) {
  TLoggingWindow child(window->Handle, Bounds(10, 40, 20, 10));
  ScrollWindowEx(window->Handle, 0, -5, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE);
  TRect r;
  GetWindowRect(child.Handle, r);
  EXPECT_EQ(r.TopLeft(), (TPoint{60, 90}));
  ::ScrollWindow(window->Handle, 3, -5, nullptr, nullptr);
  GetWindowRect(child.Handle, r);
  EXPECT_EQ(r.TopLeft(), (TPoint{63, 85}));
}

}  // namespace
