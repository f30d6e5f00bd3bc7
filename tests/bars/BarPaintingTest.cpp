// How bars and menus look: the menu bar with an open menu, a docked and a floating toolbar with
// the item kinds' faces, probed by pixels and written out as pictures.
#include "BarsTestKit.h"
#include "bars/dxBarDraw.h"
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
  RenderScreenToPng({Form, menu}, "bars_menu_open.png");
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

namespace {

// The program's look: the flat style, the menu bar with File open over the form, the toolbar
// docked below it, and then floating.
class FlatBars : public TProgramBarsTest {
 protected:
  void SetUp() override {
    TProgramBarsTest::SetUp();
    Manager->SetStyle(bmsFlat);
    BuildBars();
    ShowForm();
  }
  // A pixel of a bar window in window coordinates (the frame included).
  static COLORREF FramePixel(TWinControl* Window, int X, int Y) {
    TRect frame;
    GetWindowRect(Window->Handle(), frame);
    const TPoint client = Window->ClientToScreen(TPoint{0, 0});
    return ColorToRGB(WindowPixel(Window->Handle(), X + frame.Left - client.X, Y + frame.Top - client.Y));
  }
  static COLORREF Face() { return ColorToRGB(clBtnFace); }
  static COLORREF Bar() { return LightenSysColor(COLOR_BTNFACE, 10, 10, 10); }
};

TEST_F(FlatBars, TheMenuBarWithAnOpenMenuAndADockedToolbar) {
  TdxBarControl* menuBar = Menus->Control();
  Click(menuBar, CentreOf(menuBar->ItemLinks()->Items(0)->Control()));
  Pump();
  auto* menu = dynamic_cast<TdxBarSubMenuControl*>(File->ItemLinks()->BarControl());
  ASSERT_NE(menu, nullptr);
  menu->FinishAnimation();
  Pump();
  RenderScreenToPng({Form, menu}, "bars_flat_menu_open.png");
  // In the menu the glyph column runs on past the separator before Exit.
  const TRect exit = menu->ItemLinks()->Items(2)->ItemRect();
  EXPECT_EQ(ColorToRGB(WindowPixel(menu->Handle(), exit.Left + 2, exit.Top - 2)), LightenSysColor(COLOR_BTNFACE, 0, 0, 16));
  // The menu bar keeps the button face; the toolbar takes the lighter bar colour.
  const TRect menuClient = menuBar->ClientRect();
  EXPECT_EQ(ColorToRGB(WindowPixel(menuBar->Handle(), menuClient.Right - 20, 1)), Face());
  TdxBarControl* toolbar = Toolbar->Control();
  EXPECT_EQ(ColorToRGB(WindowPixel(toolbar->Handle(), toolbar->ClientWidth() - 14, 1)), Bar());
  // Rounded corners: the outer ring and the corner pixels of the next ring in the button face.
  const int w = toolbar->Width(), h = toolbar->Height();
  for (const TPoint& p : {TPoint{0, 0}, TPoint{1, 1}, TPoint{w - 2, 1}, TPoint{1, h - 2}, TPoint{w - 2, h - 2}})
    EXPECT_EQ(FramePixel(toolbar, p.X, p.Y), Face()) << p.X << "," << p.Y;
  EXPECT_EQ(FramePixel(toolbar, w / 2, 1), Bar());
  // The drag handle is dotted: shadow and bar colour in turn.
  const int handle = 2 + Manager->GripOffset(), middle = h / 2;
  EXPECT_NE(FramePixel(toolbar, handle, middle), FramePixel(toolbar, handle, middle + 1));
  EXPECT_EQ(FramePixel(toolbar, handle, middle) == ColorToRGB(clBtnShadow) ? FramePixel(toolbar, handle, middle + 1)
                                                                            : FramePixel(toolbar, handle, middle),
            Bar());
  // A separator is one shadow line in the middle of its 5 pixels.
  const TRect print = toolbar->GetItemRect(Toolbar->ItemLinks()->Items(2)->Control());
  const int y = (print.Top + print.Bottom) / 2;
  EXPECT_EQ(ColorToRGB(WindowPixel(toolbar->Handle(), print.Left - 3, y)), ColorToRGB(clBtnShadow));
  EXPECT_EQ(ColorToRGB(WindowPixel(toolbar->Handle(), print.Left - 2, y)), Bar());
  EXPECT_EQ(ColorToRGB(WindowPixel(toolbar->Handle(), print.Left - 4, y)), Bar());
}

TEST_F(FlatBars, AFloatingToolbar) {
  Toolbar->SetDockingStyle(dsNone);
  Pump();
  TdxBarControl* window = Toolbar->Control();
  ASSERT_TRUE(window->HandleAllocated());
  RenderScreenToPng({window}, "bars_flat_floating.png");
  // The window frame outside, a highlight frame inside it; the caption in the inactive caption
  // colour.
  EXPECT_EQ(FramePixel(window, 0, window->Height() / 2), ColorToRGB(clWindowFrame));
  EXPECT_EQ(FramePixel(window, 1, window->Height() / 2), ColorToRGB(clBtnHighlight));
  const TRect caption = window->FloatingCaptionRect();
  EXPECT_EQ(FramePixel(window, caption.Left + 1, caption.Top + 1), ColorToRGB(clInactiveCaption));
}

}  // namespace
