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
  // The toolbar: an etched separator before the group of Print (shadow, then highlight), the drag
  // handle's raised edge in the frame left of the client area, the button face elsewhere.
  TdxBarControl* toolbar = Toolbar->Control();
  HWND wnd = toolbar->Handle();
  const TRect print = toolbar->GetItemRect(Toolbar->ItemLinks()->Items(2)->Control());
  const int middle = print.Left - 3, y = (print.Top + print.Bottom) / 2;
  EXPECT_EQ(ColorToRGB(WindowPixel(wnd, middle - 1, y)), ColorToRGB(clBtnShadow));
  EXPECT_EQ(ColorToRGB(WindowPixel(wnd, middle, y)), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(ColorToRGB(WindowPixel(wnd, middle - 2, y)), ColorToRGB(clBtnFace));
  TRect window;
  GetWindowRect(wnd, window);
  const TPoint client = toolbar->ClientToScreen(TPoint{0, 0});
  const int handle = window.Left + 2 + Manager->GripOffset() - client.X;
  EXPECT_EQ(ColorToRGB(WindowPixel(wnd, handle, y)), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(ColorToRGB(WindowPixel(wnd, handle + 2, y)), ColorToRGB(clBtnShadow));
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
  // The caption in the active caption colour; without AllowClose no close button takes its end.
  const TRect caption = window->FloatingCaptionRect();
  const TPoint origin = window->ClientToScreen(TPoint{0, 0});
  TRect frame;
  GetWindowRect(window->Handle(), frame);
  const auto framePixel = [&](int X, int Y) {
    return ColorToRGB(WindowPixel(window->Handle(), X + frame.Left - origin.X, Y + frame.Top - origin.Y));
  };
  const int endX = caption.Right - 2, midY = (caption.Top + caption.Bottom) / 2;
  EXPECT_EQ(framePixel(caption.Left + 1, caption.Top + 1), ColorToRGB(clActiveCaption));
  EXPECT_FALSE(IsRectEmpty(window->CloseButtonRect()));
  Toolbar->SetAllowClose(false);
  Pump();
  EXPECT_TRUE(IsRectEmpty(window->CloseButtonRect()));
  EXPECT_EQ(framePixel(endX, midY), ColorToRGB(clActiveCaption));
}

TEST_F(BarPainting, ATruncatedBarShowsChevronsInItsMark) {
  Manager->SetStyle(bmsEnhanced);
  BuildBars();
  Toolbar->SetOneOnRow(false);
  ShowForm();
  Form->SetClientWidth(150);
  Pump();
  TdxBarControl* toolbar = Toolbar->Control();
  ASSERT_TRUE(toolbar->Truncated());
  RenderWindowToPng(Form->Handle(), "bars_truncated.png");
  // Two chevrons near the start of the last 11 pixels, the arrow near their bottom.
  const TRect client = toolbar->ClientRect();
  const int left = client.Right - 11;
  int ink = 0;
  for (int x = left; x < client.Right; ++x)
    for (int y = 0; y < client.Bottom; ++y)
      if (ColorToRGB(WindowPixel(toolbar->Handle(), x, y)) == ColorToRGB(clBtnText)) ++ink;
  EXPECT_GE(ink, 2 * 10 + 4);
}

}  // namespace
