// How bars and menus look: the menu bar with an open menu, a docked and a floating toolbar with
// the item kinds' faces, probed by pixels and written out as pictures.
#include "BarsTestKit.h"
#include "bars/dxBarSubMenu.h"

namespace {

class BarPainting : public TProgramBarsTest {};

TEST_F(BarPainting, MenuBarWithAnOpenMenuAndADockedToolbar) {
  BuildBars();
  ShowForm();
  TdxBarControl* menuBar = Menus->Control();
  const TRect file = menuBar->ItemLinks()->Items(0)->ItemRect();
  Click(menuBar, TPoint{file.Left + 5, file.Top + 5});
  Pump();
  auto* menu = dynamic_cast<TdxBarSubMenuControl*>(File->ItemLinks()->BarControl());
  ASSERT_NE(menu, nullptr);
  ASSERT_TRUE(menu->HandleAllocated());
  menu->FinishAnimation();
  Pump();
  RenderWindowToPng(Form->Handle(), "bars_docked.png");
  RenderWindowToPng(menu->Handle(), "bars_open_menu.png");
  // The menu opens below its item, its left edge at the item's.
  const TPoint below = menuBar->ClientToScreen(TPoint{file.Left, file.Bottom});
  EXPECT_EQ(menu->Left(), below.X);
  EXPECT_EQ(menu->Top(), below.Y);
}

TEST_F(BarPainting, FloatingToolbar) {
  BuildBars();
  ShowForm();
  Toolbar->SetDockingStyle(dsNone);
  Pump();
  TdxBarControl* window = Toolbar->Control();
  ASSERT_TRUE(window->HandleAllocated());
  RenderWindowToPng(window->Handle(), "bars_floating.png");
}

}  // namespace
