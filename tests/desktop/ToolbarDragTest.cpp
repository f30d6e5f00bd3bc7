// Dragging the main window's toolbar with a real pointer: it floats under the pointer and goes on
// following it, docks at the top and floats again within the same drag.
#include <cstdlib>

#include "DesktopFixture.h"

namespace {

class ToolbarDrag : public DesktopTest {
 protected:
  // The one viewable window of the program besides the main window: the floating toolbar.
  XWindowId FloatingBar() {
    for (XWindowId w : X.Clients())
      if (w != MainWindow) return w;
    return 0;
  }
  bool WaitForBarNear(int X_, int Y_) {
    return WaitUntil([&] {
      const XWindowId bar = FloatingBar();
      const XRect r = bar ? X.Geometry(bar) : XRect{};
      return bar && std::abs(r.X - X_) < 40 && std::abs(r.Y - Y_) < 40;
    });
  }
};

// The grip of the docked toolbar (the second row of the top dock) and the offset of the pointer
// from the floating bar's top-left corner once it floated there.
constexpr int kGripX = 4, kGripY = 37;

TEST_F(ToolbarDrag, AFloatedToolbarFollowsThePointerAndDocksAndFloatsAgainInOneDrag) {
  LogOn();
  X.ButtonDown(kGripX, kGripY);
  X.Glide(400, 400);
  ASSERT_TRUE(WaitUntil([&] { return FloatingBar() != 0; })) << "the bar did not float";
  // The bar floats while the pointer glides on: its place once it has taken the queued moves.
  WaitForSettledPlace(FloatingBar());
  const XRect floated = X.Geometry(FloatingBar());
  X.Glide(600, 500);
  EXPECT_TRUE(WaitForBarNear(floated.X + 200, floated.Y + 100)) << "the floating bar stopped following the pointer";
  const XWindowId bar = FloatingBar();
  ASSERT_NE(bar, 0u);
  EXPECT_TRUE(X.IsAbove(bar, MainWindow)) << "the floating bar is under the main window";
  const XRect over = X.Geometry(bar);
  EXPECT_EQ(X.WindowAt(over.CentreX(), over.CentreY()), bar);

  // To the top dock: it docks once the docking wait is over, and floats again further down.
  X.Glide(300, 40);
  ASSERT_TRUE(WaitUntil([&] { return FloatingBar() == 0; })) << "the bar did not dock";
  X.Glide(500, 600);
  EXPECT_TRUE(WaitForBarNear(500 - (400 - floated.X), 600 - (400 - floated.Y)))
      << "the docked bar stopped following the pointer";
  X.ButtonUp();
}

}  // namespace
