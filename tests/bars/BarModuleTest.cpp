// The bars' module routines: the item-kind registry, window look-ups, text and message helpers,
// menu sounds, mouse-leave tracking and the drawing primitives.
#include "BarsTestKit.h"
#include "bars/dxBarDraw.h"
#include "bars/dxBarUtils.h"
#include "graphics/Gdi.h"
#include "graphics/Metrics.h"
#include "graphics/SystemFonts.h"
#include "windows/Cursors.h"
#include "windows/Window.h"

namespace {

using BarModule = TBarsTest;

TColor Pixel(TBitmap& Bitmap, int X, int Y) { return Bitmap.Canvas()->Pixel(X, Y); }

int CountPixels(TBitmap& Bitmap, TColor Color) {
  int count = 0;
  for (int y = 0; y < Bitmap.Height(); ++y)
    for (int x = 0; x < Bitmap.Width(); ++x) count += Pixel(Bitmap, x, y) == Color;
  return count;
}

TEST_F(BarModule, DesignerListsTheSevenKindsInRegistrationOrder) {
  EXPECT_EQ(CountVisibleBarItemClasses(), 7);
  ASSERT_TRUE(GetVisibleBarItemClass(0));
  EXPECT_EQ(GetVisibleBarItemClass(0)->Name(), "TdxBarButton");
  ASSERT_TRUE(GetVisibleBarItemClass(6));
  EXPECT_EQ(GetVisibleBarItemClass(6)->Name(), "TdxBarContainerItem");
  EXPECT_EQ(GetVisibleBarItemClass(7), nullptr);
  EXPECT_EQ(GetVisibleBarItemClass(-1), nullptr);
}

TEST_F(BarModule, ViewClassIsTheExactItemClassesAndAnUnregisteredKindHasNone) {
  TdxBar* bar = AddBar("Tools");
  auto* item = AddItem<TTestBarItem>("bbTest", "Test");
  Link(bar->ItemLinks(), item);
  const TClassInfo& testClass = *GetClass("TTestBarItem");
  UnregisterBarItemClass(testClass);
  bar->SetVisible(true);
  EXPECT_EQ(bar->ItemLinks()->Items(0)->Control(), nullptr);
  bar->SetVisible(false);
  RegisterBarItemClass(testClass, ItemControlClass<TRecordingControl>(), false);
  bar->SetVisible(true);
  EXPECT_NE(dynamic_cast<TRecordingControl*>(bar->ItemLinks()->Items(0)->Control()), nullptr);
}

TEST_F(BarModule, EditOnRotatedVerticalBarShowsAsButton) {
  struct TCase {
    TdxBarDockingStyle Side;
    bool Rotate;
    bool Button;
  };
  for (const TCase& c : {TCase{dsLeft, true, true}, TCase{dsRight, true, true}, TCase{dsLeft, false, false},
                         TCase{dsTop, true, false}}) {
    TdxBar* bar = AddBar("Bar" + std::to_string(Manager->Bars()->Count()));
    bar->SetDockingStyle(c.Side);
    bar->SetRotateWhenVertical(c.Rotate);
    auto* edit = AddItem<TdxBarEdit>("edt" + std::to_string(Manager->Bars()->Count()));
    Link(bar->ItemLinks(), edit);
    bar->SetVisible(true);
    TdxBarItemControl* control = bar->ItemLinks()->Items(0)->Control();
    ASSERT_TRUE(control);
    EXPECT_EQ(typeid(*control) == typeid(TdxBarButtonControl), c.Button) << c.Side;
    EXPECT_EQ(dynamic_cast<TdxBarEditControl*>(control) != nullptr, !c.Button) << c.Side;
  }
}

TEST_F(BarModule, MenuChainsClimbToTheirToolbar) {
  TdxBar* bar = AddBar("Menus");
  auto* file = AddItem<TdxBarSubItem>("bsFile", "&File");
  auto* recent = AddItem<TdxBarSubItem>("bsRecent", "&Recent");
  TdxBarItemLink* fileLink = Link(bar->ItemLinks(), file);
  Link(file->ItemLinks(), recent);
  bar->SetVisible(true);
  TCustomdxBarControl* toolbar = bar->Control();
  TCustomdxBarControl* fileMenu = file->ItemLinks()->CreateBarControl(fileLink);
  TCustomdxBarControl* recentMenu = recent->ItemLinks()->CreateBarControl();
  recentMenu->SetParentBar(fileMenu);
  EXPECT_EQ(GetOpenerBarControl(fileMenu), toolbar);
  EXPECT_EQ(GetRootBarControl(recentMenu), toolbar);
  EXPECT_EQ(GetRootToolbarControl(recentMenu), toolbar);
  EXPECT_EQ(GetRootBarControl(nullptr), nullptr);

  auto* popup = new TdxBarPopupMenu(Form);
  TCustomdxBarControl* popupWindow = popup->ItemLinks()->CreateBarControl();
  EXPECT_EQ(GetRootBarControl(popupWindow), popupWindow);
  EXPECT_EQ(GetRootToolbarControl(popupWindow), nullptr);
  EXPECT_TRUE(IsBarControlAlive(popupWindow));
  popup->Free();
  EXPECT_FALSE(IsBarControlAlive(popupWindow));
  EXPECT_FALSE(IsBarControlAlive(nullptr));
}

TEST_F(BarModule, IdleTemporaryItemsAreFreedAndShownOnesKept) {
  TdxBar* bar = AddBar("Quick");
  auto* shown = new TdxBarButton(nullptr);
  auto* idle = new TdxBarButton(nullptr);
  AddInternalItem(shown);
  AddInternalItem(idle);
  Link(bar->ItemLinks(), shown);
  bar->SetVisible(true);
  FreeIdleInternalItems();
  EXPECT_TRUE(IsInternalItem(shown));
  EXPECT_FALSE(IsInternalItem(idle));
  EXPECT_EQ(Manager->ItemCount(), 1);
  bar->SetVisible(false);
  FreeIdleInternalItems();
  EXPECT_EQ(Manager->ItemCount(), 0);
}

TEST_F(BarModule, TextAndWidthHelpers) {
  const std::pair<const char*, const char*> captions[] = {
      {"&Open", "Open"}, {"Save &As...", "Save As..."}, {"Fish && Chips", "Fish & Chips"}, {"Tail&", "Tail&"},
      {"&&&A", "&A"},    {"&打开", "打开"},               {"", ""},
  };
  for (const auto& [caption, stripped] : captions) EXPECT_EQ(StripAccelerators(caption), stripped) << caption;
  for (const auto& [width, held] : {std::pair{5, 20}, std::pair{1000, 600}, std::pair{100, 100}, std::pair{20, 20}}) {
    int w = width;
    CheckEditWidth(w);
    EXPECT_EQ(w, held);
  }
}

TEST_F(BarModule, BarFontTakesTheIconTitleHeightButNotBelowElevenPixels) {
  TFont font;
  font.SetHeight(-20);
  HFONT handle;
  CreateBarFontHandle(font, handle, false);
  EXPECT_EQ(handle->LogFont.Height, -20);
  TSystemFonts fonts = DefaultSystemFonts();
  fonts.IconTitle.Height = -9;
  TSystemFontsOverride small(fonts);
  CreateBarFontHandle(font, handle, true);
  EXPECT_EQ(handle->LogFont.Height, -11);
  EXPECT_EQ(CopyFontHandle(font)->LogFont.Height, -20);
}

TEST_F(BarModule, WindowLookUpsClimbToControls) {
  TTestBox* outer = AddBox("outer");
  outer->SetBounds(10, 10, 100, 80);
  auto* inner = new TTestBox(Form);
  inner->SetName("inner");
  inner->SetParent(outer);
  inner->SetBounds(10, 10, 40, 30);
  ShowForm();
  TWindowCreateParams params;
  params.Style = WS_CHILD | WS_VISIBLE;
  params.X = 5;
  params.Y = 5;
  params.Width = 10;
  params.Height = 10;
  params.WndParent = inner->Handle();
  params.WndProc = DefWindowProc;
  const HWND raw = CreateWindowEx(params);
  EXPECT_EQ(WindowAtScreenPoint(inner->ClientToScreen({6, 6})), raw);
  EXPECT_EQ(WindowAtScreenPoint(inner->ClientToScreen({30, 20})), inner->Handle());
  EXPECT_EQ(WindowAtScreenPoint(outer->ClientToScreen({90, 70})), outer->Handle());
  EXPECT_EQ(FindParentControlOfWindow(raw), inner);
  EXPECT_EQ(FindParentControlOfWindow(HWND()), nullptr);
  EXPECT_TRUE(IsParentWindow(raw, Form->Handle()));
  EXPECT_FALSE(IsParentWindow(Form->Handle(), raw));
  EXPECT_FALSE(IsParentWindow(raw, raw));
  DestroyWindow(raw);
}

TEST_F(BarModule, ButtonsFollowTheSwappedMouse) {
  uint8_t keys[256] = {};
  keys[VK_LBUTTON] = 0x80;
  SetKeyboardState(keys);
  EXPECT_TRUE(IsPrimaryButtonDown());
  EXPECT_FALSE(IsSecondaryButtonDown());
  TSystemMetricsOverride swapped({{SM_SWAPBUTTON, 1}});
  EXPECT_FALSE(IsPrimaryButtonDown());
  EXPECT_TRUE(IsSecondaryButtonDown());
}

TEST_F(BarModule, QuitMetWhileDrainingIsPostedAgain) {
  for (void (*drain)() : {&DispatchPendingPaintMessages, &DispatchPendingMouseMessages}) {
    PostQuitMessage(7);
    drain();
    MSG msg;
    ASSERT_TRUE(PeekMessage(msg, HWND(), WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
  }
}

TEST_F(BarModule, MenuSoundsArePlayedAsAliasesWithoutWaiting) {
  PlayMenuSound(msMenuPopup);
  PlayMenuSound(msMenuCommand);
  ASSERT_EQ(SystemCalls().Calls.size(), 2u);
  EXPECT_EQ(SystemCalls().Calls[0].Text, "MenuPopup");
  EXPECT_EQ(SystemCalls().Calls[1].Text, "MenuCommand");
  EXPECT_EQ(SystemCalls().Calls[1].Value, uintptr_t(SND_ALIAS | SND_ASYNC | SND_NODEFAULT | SND_NOWAIT | SND_NOSTOP));
}

TEST_F(BarModule, TrackingASecondWindowTellsTheFirstThatTheMouseLeft) {
  TTestBox* first = AddBox("first");
  TTestBox* second = AddBox("second");
  ShowForm();
  int leaves = 0;
  const HWND wnd = first->Handle();
  WNDPROC inner = GetWindowProc(wnd);
  SetWindowProc(wnd, [&](HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_MOUSELEAVE) ++leaves;
    return CallWindowProc(inner, w, msg, wp, lp);
  });
  const TPoint inside = first->ClientToScreen({5, 5});
  SetCursorPos(inside.X, inside.Y);
  BeginMouseLeaveTracking(wnd);
  BeginMouseLeaveTracking(wnd);
  EXPECT_TRUE(IsMouseLeaveTracked(wnd));
  EXPECT_EQ(leaves, 0);
  BeginMouseLeaveTracking(second->Handle());
  EXPECT_EQ(leaves, 1);
  EXPECT_FALSE(IsMouseLeaveTracked(wnd));
  EndMouseLeaveTracking(wnd);
  EXPECT_EQ(leaves, 1);
  SetWindowProc(wnd, inner);
}

TEST_F(BarModule, ArrowSizeFollowsTheRectangle) {
  struct TCase {
    TRect R;
    bool Down;
    int Size;
  };
  const TCase cases[] = {{Rect(0, 0, 16, 20), true, 3}, {Rect(0, 0, 17, 20), true, 5}, {Rect(0, 0, 18, 20), true, 4},
                         {Rect(0, 0, 30, 10), false, 3}, {Rect(0, 0, 4, 4), true, 3}};
  for (const TCase& c : cases) {
    EXPECT_EQ(ArrowSizeOfRect(c.R, c.Down), c.Size) << c.R.Width();
    TBitmap bitmap(40, 40);
    DrawArrowInRect(bitmap.Canvas(), c.R, c.Down, true, false, false);
    EXPECT_EQ(CountPixels(bitmap, TColor(GetSysColor(COLOR_BTNTEXT))), c.Size * c.Size) << c.R.Width();
  }
}

TEST_F(BarModule, ArrowCornersAndDisabledEdge) {
  TBitmap bitmap(16, 16);
  DrawArrow(bitmap.Canvas(), Rect(0, 0, 16, 16), true, 3, false, false, false);
  const TColor shadow = TColor(GetSysColor(COLOR_BTNSHADOW));
  const TColor highlight = TColor(GetSysColor(COLOR_BTNHIGHLIGHT));
  // X = (16 - 5) div 2 = 5, Y = (16 - 3) div 2 = 6.
  EXPECT_EQ(Pixel(bitmap, 5, 6), shadow);
  EXPECT_EQ(Pixel(bitmap, 9, 6), shadow);
  EXPECT_EQ(Pixel(bitmap, 7, 8), shadow);
  EXPECT_EQ(Pixel(bitmap, 8, 8), highlight);
  EXPECT_EQ(Pixel(bitmap, 10, 6), highlight);

  TBitmap selected(16, 16);
  selected.Canvas()->Brush()->SetColor(clBlack);
  selected.Canvas()->FillRect(Rect(0, 0, 16, 16));
  DrawArrow(selected.Canvas(), Rect(0, 0, 16, 16), false, 3, true, true, false);
  // Right arrow: X = (16 - 3) div 2 = 6, Y = 5; an enabled arrow has no edge.
  const TColor highlightText = TColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
  EXPECT_EQ(Pixel(selected, 6, 5), highlightText);
  EXPECT_EQ(Pixel(selected, 8, 7), highlightText);
  EXPECT_EQ(Pixel(selected, 6, 9), highlightText);
  EXPECT_EQ(CountPixels(selected, highlightText), 9);
}

TEST_F(BarModule, CheckerboardBrushAndHighlightFrame) {
  TBitmap bitmap(8, 8);
  FillRect(bitmap.Canvas(), Rect(0, 0, 8, 8), BarPatternBrush());
  const TColor face = TColor(GetSysColor(COLOR_BTNFACE)), highlight = TColor(GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(Pixel(bitmap, 0, 0), face);
  EXPECT_EQ(Pixel(bitmap, 1, 1), face);
  EXPECT_EQ(Pixel(bitmap, 1, 0), highlight);
  EXPECT_EQ(Pixel(bitmap, 2, 5), highlight);
  FrameHighlightRect(bitmap.Canvas(), Rect(1, 1, 7, 7));
  EXPECT_EQ(Pixel(bitmap, 1, 3), TColor(GetSysColor(COLOR_HIGHLIGHT)));
  EXPECT_EQ(Pixel(bitmap, 2, 3), highlight);
}

TEST_F(BarModule, GradientStripesAndLightenedColours) {
  TBitmap bitmap(4, 512);
  FillGradientRect(*bitmap.Canvas(), Rect(0, 0, 4, 512), TColor(RGB(0, 100, 255)), TColor(RGB(255, 100, 0)));
  EXPECT_EQ(Pixel(bitmap, 0, 0), TColor(RGB(0, 100, 255)));
  EXPECT_EQ(Pixel(bitmap, 0, 1), TColor(RGB(0, 100, 255)));
  EXPECT_EQ(Pixel(bitmap, 3, 2), TColor(RGB(1, 100, 254)));
  EXPECT_EQ(Pixel(bitmap, 0, 511), TColor(RGB(255, 100, 0)));

  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(LightenSysColor(COLOR_BTNFACE, 10, -300, 0), RGB(GetRValue(face) + 10, 0, GetBValue(face)));
  EXPECT_EQ(LightenSysColor(COLOR_BTNHIGHLIGHT, 10, 10, 10), RGB(255, 255, 255));
}

// A 4 x 4 glyph: magenta (its bottom-left colour, hence transparent) around a 2 x 2 blue block.
class BarGlyph : public BarModule {
 protected:
  void SetUp() override {
    BarModule::SetUp();
    Glyph.SetSize(4, 4);
    Glyph.Canvas()->Brush()->SetColor(clFuchsia);
    Glyph.Canvas()->FillRect(Rect(0, 0, 4, 4));
    Glyph.Canvas()->Brush()->SetColor(clBlue);
    Glyph.Canvas()->FillRect(Rect(1, 1, 3, 3));
  }
  std::unique_ptr<TBitmap> Draw(const TdxBarGlyphState& State) {
    auto target = std::make_unique<TBitmap>(20, 20);
    DrawBarGlyph(target->Canvas(), GetSysColorBrush(COLOR_BTNFACE), Rect(0, 0, 20, 20), Rect(8, 8, 12, 12), &Glyph,
                 nullptr, -1, State);
    return target;
  }
  TBitmap Glyph;
  const TColor Face = TColor(GetSysColor(COLOR_BTNFACE));
  const TColor Shadow = TColor(GetSysColor(COLOR_BTNSHADOW));
  const TColor Highlight = TColor(GetSysColor(COLOR_BTNHIGHLIGHT));
};

TEST_F(BarGlyph, PlainHotGreyAndDisabledLooks) {
  auto plain = Draw({});
  EXPECT_EQ(Pixel(*plain, 8, 8), Face);
  EXPECT_EQ(Pixel(*plain, 9, 9), clBlue);
  EXPECT_EQ(Pixel(*plain, 11, 11), Face);

  auto hot = Draw({.Selected = true, .ShadowAllowed = true});
  EXPECT_EQ(Pixel(*hot, 8, 8), clBlue);
  EXPECT_EQ(Pixel(*hot, 11, 11), Shadow);
  EXPECT_EQ(Pixel(*hot, 12, 12), Shadow);
  auto pressed = Draw({.Selected = true, .ShadowAllowed = true, .Down = true});
  EXPECT_EQ(Pixel(*pressed, 9, 9), clBlue);
  EXPECT_EQ(Pixel(*pressed, 12, 12), Face);

  auto grey = Draw({.Grayed = true});
  EXPECT_EQ(Pixel(*grey, 9, 9), TColor(RGB(85, 85, 85)));

  auto disabled = Draw({.Enabled = false});
  EXPECT_EQ(Pixel(*disabled, 9, 9), Shadow);
  EXPECT_EQ(Pixel(*disabled, 10, 10), Shadow);
  EXPECT_EQ(Pixel(*disabled, 11, 11), Highlight);
  auto disabledSelected = Draw({.Enabled = false, .Selected = true});
  EXPECT_EQ(Pixel(*disabledSelected, 11, 11), Face);
}

TEST_F(BarGlyph, ImageListPictureWhenTheGlyphIsEmpty) {
  TImageList images(4, 4);
  images.AddMasked(&Glyph, clFuchsia);
  TBitmap target(20, 20);
  DrawBarGlyph(target.Canvas(), GetSysColorBrush(COLOR_BTNFACE), Rect(0, 0, 20, 20), Rect(0, 0, 4, 4), nullptr,
               &images, 0, {});
  EXPECT_EQ(Pixel(target, 1, 1), clBlue);
  EXPECT_EQ(Pixel(target, 0, 0), Face);
}

TEST_F(BarGlyph, GrayscaleKeepsTheTransparentColour) {
  GrayscaleBitmap(Glyph, RGB(255, 0, 255));
  EXPECT_EQ(Pixel(Glyph, 0, 0), clFuchsia);
  EXPECT_EQ(Pixel(Glyph, 1, 1), TColor(RGB(85, 85, 85)));
}

}  // namespace

namespace {

TEST_F(BarModule, TheFourCursorsAreInTheScreensTable) {
  for (int id : {crdxBarDrag, crdxBarDragCopy, crdxBarDragNoDrop, crdxBarEditSizing}) {
    const HCURSOR cursor = Screen->Cursors(id);
    EXPECT_NE(cursor, Screen->Cursors(crDefault)) << id;
    TBitmap image, mask;
    TPoint hotSpot;
    ASSERT_TRUE(GetCursorImage(cursor, image, mask, hotSpot)) << id;
    EXPECT_EQ(image.Width(), 32);
    EXPECT_EQ(hotSpot.X, id == crdxBarEditSizing ? 16 : 0);
  }
  EXPECT_NE(Screen->Cursors(crdxBarDrag), Screen->Cursors(crdxBarDragCopy));
}

}  // namespace
