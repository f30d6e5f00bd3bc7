// Menus: opening from the menu bar by mouse and keyboard, the hover delay of sub items, where a
// menu goes in the work area, the opening animation, buttons with drop-down menus, and combos.
#include "BarsTestKit.h"
#include "bars/dxBarHint.h"
#include "bars/dxBarSubMenu.h"
#include "controls/ListBox.h"
#include "windows/Input.h"

namespace {

class SubMenu : public TProgramBarsTest {
 protected:
  void SetUp() override {
    TProgramBarsTest::SetUp();
    BuildBars();
    ShowForm();
  }
  TdxBarControl* MenuBar() const { return Menus->Control(); }
  TdxBarItemControl* MenuBarControl(int Index) const { return Menus->ItemLinks()->Items(Index)->Control(); }
  static TdxBarSubMenuControl* OpenMenuOf(const TCustomdxBarSubItem* Item) {
    return dynamic_cast<TdxBarSubMenuControl*>(Item->ItemLinks()->BarControl());
  }
  TCustomdxBarSubItem* MenuItem(int Index) const {
    return static_cast<TCustomdxBarSubItem*>(Menus->ItemLinks()->Items(Index)->Item());
  }
};

TEST_F(SubMenu, TheMouseOpensMenusBelowTheMenuBarAndSwitchesThemWithoutDelay) {
  Click(MenuBar(), CentreOf(MenuBarControl(0)));
  Pump();
  TdxBarSubMenuControl* file = OpenMenuOf(File);
  ASSERT_NE(file, nullptr);
  EXPECT_TRUE(file->Visible());
  const TRect r = MenuBar()->GetItemRect(MenuBarControl(0));
  EXPECT_EQ(TPoint(file->Left(), file->Top()), MenuBar()->ClientToScreen(TPoint{r.Left, r.Bottom}));

  MouseMove(MenuBar(), CentreOf(MenuBarControl(1)));
  Pump();
  EXPECT_EQ(OpenMenuOf(File), nullptr);
  ASSERT_NE(OpenMenuOf(MenuItem(1)), nullptr);

  // A command of the open menu runs on its click, and every menu closes.
  TdxBarSubMenuControl* edit = OpenMenuOf(MenuItem(1));
  TdxBarItemControl* paste = edit->ItemLinks()->Items(1)->Control();
  MouseMove(edit, CentreOf(paste));
  Click(edit, CentreOf(paste));
  Pump();
  EXPECT_EQ(Ran, std::vector<String>{"&Paste"});
  EXPECT_EQ(OpenMenuOf(MenuItem(1)), nullptr);
  EXPECT_EQ(ActiveBarControl(), nullptr);
}

TEST_F(SubMenu, EveryCommandIsReachableFromTheKeyboard) {
  // Alt, then Down opens the first menu with its first command selected; Enter runs the one chosen.
  Press(VK_MENU);
  Press(VK_DOWN);
  TdxBarSubMenuControl* file = OpenMenuOf(File);
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->SelectedControl(), file->ItemLinks()->Items(0)->Control());
  Press(VK_DOWN);
  Press(VK_RETURN);
  EXPECT_EQ(Ran, std::vector<String>{"&Save"});
  EXPECT_EQ(ActiveBarControl(), nullptr);

  // Right moves to the next menu; Esc closes it and the menu bar gives the keyboard back.
  Press(VK_MENU);
  Press(VK_DOWN);
  Press(VK_RIGHT);
  EXPECT_EQ(OpenMenuOf(File), nullptr);
  ASSERT_NE(OpenMenuOf(MenuItem(1)), nullptr);
  Press(VK_ESCAPE);
  EXPECT_EQ(OpenMenuOf(MenuItem(1)), nullptr);
  EXPECT_EQ(ActiveBarControl(), nullptr);

  // Accelerators: Alt+H opens Help, A runs its command.
  Press(VK_MENU);
  Press('H');
  ASSERT_NE(OpenMenuOf(MenuItem(2)), nullptr);
  Press('A');
  EXPECT_EQ(Ran.back(), "&About...");
  EXPECT_EQ(OpenMenuOf(MenuItem(2)), nullptr);
}

// A menu of three sub items, each with one command, opened from File.
class SubMenuDelay : public SubMenu {
 protected:
  void SetUp() override {
    SubMenu::SetUp();
    for (const char* caption : {"&One", "&Two", "T&hree"}) {
      const String number = std::to_string(Subs.size());
      auto* sub = AddItem<TdxBarSubItem>("sub" + number, caption);
      Link(sub->ItemLinks(), AddItem("inner" + number, "Inner"));
      Subs.push_back(sub);
      Link(File->ItemLinks(), sub);
    }
    Click(MenuBar(), CentreOf(MenuBarControl(0)));
    Pump();
    Menu = OpenMenuOf(File);
  }
  void HoverSub(int Index) {
    MouseMove(Menu, CentreOf(Menu->ItemLinks()->Items(3 + Index)->Control()));
    Pump();
  }
  std::vector<TdxBarSubItem*> Subs;
  TdxBarSubMenuControl* Menu = nullptr;
};

TEST_F(SubMenuDelay, OnlyTheLastOfSubItemsCrossedQuicklyOpens) {
  ASSERT_NE(Menu, nullptr);
  for (int i = 0; i < 3; ++i) {
    HoverSub(i);
    Advance(100);
  }
  EXPECT_EQ(OpenMenuOf(Subs[2]), nullptr);
  Advance(300);
  EXPECT_EQ(OpenMenuOf(Subs[0]), nullptr);
  EXPECT_EQ(OpenMenuOf(Subs[1]), nullptr);
  TdxBarSubMenuControl* third = OpenMenuOf(Subs[2]);
  ASSERT_NE(third, nullptr);
  // Beside its item, clear of the menu's frame.
  const TRect r = Menu->GetItemRect(Menu->ItemLinks()->Items(5)->Control());
  EXPECT_EQ(third->Left(), Menu->ClientToScreen(TPoint{r.Right, 0}).X);
}

TEST_F(SubMenuDelay, LeavingASubItemClosesItsMenuAfterTheDelayUnlessThePointerComesBack) {
  HoverSub(0);
  Advance(400);
  ASSERT_NE(OpenMenuOf(Subs[0]), nullptr);
  MouseMove(Menu, CentreOf(Menu->ItemLinks()->Items(0)->Control()));
  Pump();
  Advance(200);
  EXPECT_NE(OpenMenuOf(Subs[0]), nullptr);
  HoverSub(0);
  Advance(600);
  EXPECT_NE(OpenMenuOf(Subs[0]), nullptr);
  MouseMove(Menu, CentreOf(Menu->ItemLinks()->Items(0)->Control()));
  Pump();
  Advance(400);
  EXPECT_EQ(OpenMenuOf(Subs[0]), nullptr);
}

// --- recent links first and tall menus ----------------------------------------------------------

class RecentMenu : public SubMenu {
 protected:
  // File's menu with the usage of Open and Save counted, Exit never used: it shows two of three.
  void SetUp() override {
    SubMenu::SetUp();
    Manager->SetStyle(bmsEnhanced);
    TdxBarItemLinks* links = File->ItemLinks();
    const int counts[] = {20, 25, 0}, positions[] = {1, 0, 2};
    for (int i = 0; i < 3; ++i) links->Items(i)->SetStoredUsage(positions[i], counts[i]);
    links->ApplyStoredUsage(false);
    ASSERT_EQ(links->CalcRecentItemCount(), 2);
  }
};

TEST_F(RecentMenu, AMenuShowsItsRecentLinksAndCtrlDownExpandsIt) {
  Press(VK_MENU);
  Press(VK_DOWN);
  TdxBarSubMenuControl* file = OpenMenuOf(File);
  ASSERT_NE(file, nullptr);
  EXPECT_TRUE(file->HasMark());
  EXPECT_EQ(file->ItemLinks()->ShownItemCount(), 2);
  EXPECT_FALSE(IsRectEmpty(file->ExpandButtonRect()));
  file->FinishAnimation();
  Pump();
  RenderWindowToPng(file->Handle(), "bars_recent_menu.png");
  Press(VK_DOWN, ssCtrl);
  file = OpenMenuOf(File);
  ASSERT_NE(file, nullptr);
  EXPECT_FALSE(file->HasMark());
  EXPECT_EQ(file->ItemLinks()->ShownItemCount(), 3);
  EXPECT_TRUE(file->ItemLinks()->Items(2)->Control()->RarelyUsed());
  file->FinishAnimation();
  Pump();
  EXPECT_FALSE(file->BottomArrowShown());
  RenderWindowToPng(file->Handle(), "bars_expanded_menu.png");
}

TEST_F(RecentMenu, AMenuLeftOpenExpandsAfterFourSeconds) {
  Click(MenuBar(), CentreOf(MenuBarControl(0)));
  Pump();
  ASSERT_NE(OpenMenuOf(File), nullptr);
  ASSERT_TRUE(OpenMenuOf(File)->HasMark());
  Advance(3900);
  EXPECT_TRUE(OpenMenuOf(File)->HasMark());
  Advance(200);
  ASSERT_NE(OpenMenuOf(File), nullptr);
  EXPECT_FALSE(OpenMenuOf(File)->HasMark());
}

TEST_F(SubMenu, AMenuTallerThanTheScreenScrollsEvery80ms) {
  for (int i = 0; i < 60; ++i) Link(MenuItem(1)->ItemLinks(), AddItem("tall" + std::to_string(i), "Line " + std::to_string(i)));
  Click(MenuBar(), CentreOf(MenuBarControl(1)));
  Pump();
  TdxBarSubMenuControl* menu = OpenMenuOf(MenuItem(1));
  ASSERT_NE(menu, nullptr);
  ASSERT_TRUE(menu->BottomArrowShown());
  EXPECT_FALSE(menu->TopArrowShown());
  const TRect arrow = menu->BottomArrowRect();
  MouseMove(menu, TPoint{(arrow.Left + arrow.Right) / 2, (arrow.Top + arrow.Bottom) / 2});
  Pump();
  Advance(80);
  EXPECT_EQ(menu->TopIndex(), 1);
  Advance(160);
  EXPECT_EQ(menu->TopIndex(), 3);
  EXPECT_TRUE(menu->TopArrowShown());
}

// --- placement and animation ---------------------------------------------------------------------

TEST(MenuPlacement, MenusStayInsideTheWorkArea) {
  const TRect area{0, 0, 800, 600};
  struct TCase {
    const char* What;
    TPoint Pos;
    TSize Size;
    int ExtentH, ExtentV;
    TRect Bounds;
    bool FlippedH, FlippedV;
  };
  const TCase cases[] = {
      {"fits", {100, 100}, {150, 200}, 0, 20, {100, 100, 250, 300}, false, false},
      {"below a bar at the right edge moves left", {700, 100}, {150, 200}, 0, 20, {650, 100, 800, 300}, false, false},
      {"below a bar near the bottom opens above it", {100, 500}, {150, 200}, 0, 20, {100, 280, 250, 480}, false, true},
      {"beside an item at the right edge flips left", {700, 100}, {150, 200}, 120, 0, {430, 100, 580, 300}, true, false},
      {"beside an item near the bottom moves up", {100, 500}, {150, 200}, 120, 0, {100, 400, 250, 600}, false, false},
      {"taller than the screen is shortened", {100, 20}, {150, 900}, 0, 20, {100, 20, 250, 600}, false, false},
  };
  for (const TCase& c : cases) {
    const TdxBarMenuPlacement p = CalcMenuPlacement(c.Pos, c.Size, c.ExtentH, c.ExtentV, false, false, area);
    EXPECT_EQ(p.Bounds, c.Bounds) << c.What;
    EXPECT_EQ(p.FlippedH, c.FlippedH) << c.What;
    EXPECT_EQ(p.FlippedV, c.FlippedV) << c.What;
  }
}

TEST(MenuPlacement, AnimationFramesGrowToTheFullMenu) {
  const std::vector<TRect> slide = MenuAnimationFrames(maSlide, 120, 340, false, false);
  ASSERT_EQ(slide.size(), 20u);
  EXPECT_EQ(slide.front(), TRect(0, 0, 120, 17));
  EXPECT_EQ(slide.back(), TRect(0, 0, 120, 340));
  // Growing upwards keeps the bottom edge.
  EXPECT_EQ(MenuAnimationFrames(maSlide, 120, 340, false, true).front(), TRect(0, 323, 120, 340));
  // An unfold grows both sides so that they arrive together.
  const std::vector<TRect> unfold = MenuAnimationFrames(maUnfold, 120, 200, false, false);
  ASSERT_EQ(unfold.size(), 15u);
  EXPECT_EQ(unfold.front(), TRect(0, 0, 8, 88));
  EXPECT_EQ(unfold.back(), TRect(0, 0, 120, 200));
}

TEST_F(SubMenu, AKeyEndsTheOpeningAnimationAtTheFinalPlace) {
  Manager->SetMenuAnimations(maSlide);
  Press(VK_MENU);
  Press(VK_DOWN);
  TdxBarSubMenuControl* file = OpenMenuOf(File);
  ASSERT_NE(file, nullptr);
  ASSERT_TRUE(file->Animating());
  const int fullHeight = file->CalcClientSize().cy + 2;
  EXPECT_LT(file->Height(), fullHeight);
  Press(VK_DOWN);
  EXPECT_FALSE(file->Animating());
  EXPECT_EQ(file->Height(), fullHeight);
}

TEST_F(SubMenu, TheAnimationRunsOnTheClockToTheFinalPlace) {
  Manager->SetMenuAnimations(maSlide);
  Press(VK_MENU);
  Press(VK_DOWN);
  TdxBarSubMenuControl* file = OpenMenuOf(File);
  ASSERT_TRUE(file && file->Animating());
  Advance(500);
  EXPECT_FALSE(file->Animating());
  EXPECT_EQ(file->Height(), file->CalcClientSize().cy + 2);
}

// --- buttons in menus and drop-down buttons --------------------------------------------------------

TEST_F(SubMenu, AButtonThatDoesNotCloseTheMenuLeavesItOpen) {
  auto* toggle = static_cast<TdxBarButton*>(File->ItemLinks()->Items(0)->Item());
  toggle->SetCloseSubMenuOnClick(false);
  Click(MenuBar(), CentreOf(MenuBarControl(0)));
  Pump();
  TdxBarSubMenuControl* file = OpenMenuOf(File);
  ASSERT_NE(file, nullptr);
  TdxBarItemControl* open = file->ItemLinks()->Items(0)->Control();
  MouseMove(file, CentreOf(open));
  Click(file, CentreOf(open));
  Pump();
  EXPECT_EQ(Ran, std::vector<String>{"&Open..."});
  EXPECT_EQ(OpenMenuOf(File), file);
}

TEST_F(SubMenu, ADropDownButtonOpensItsMenuOnlyFromTheArrow) {
  auto* popup = new TdxBarPopupMenu(Form);
  popup->SetBarManager(Manager);
  Link(popup->ItemLinks(), AddItem("pOne", "One"));
  auto* button = static_cast<TdxBarButton*>(Toolbar->ItemLinks()->Items(0)->Item());
  int clicks = 0;
  button->OnClick = [&clicks](TObject*) { ++clicks; };
  button->SetButtonStyle(bsDropDown);
  button->SetDropDownMenu(popup);
  Pump();
  auto* control = static_cast<TdxBarButtonControl*>(Toolbar->ItemLinks()->Items(0)->Control());
  TdxBarControl* bar = Toolbar->Control();
  const TRect arrow = control->ArrowRect();
  ASSERT_FALSE(IsRectEmpty(arrow));
  const TRect face = bar->GetItemRect(control);
  Click(bar, TPoint{face.Left + 3, face.Top + 5});
  Pump();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(popup->ItemLinks()->BarControl(), nullptr);
  MouseDown(bar, TPoint{arrow.Left + 2, arrow.Top + 5});
  Pump();
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(control->IsDroppedDown());
  ASSERT_NE(popup->ItemLinks()->BarControl(), nullptr);
  EXPECT_EQ(popup->ItemLinks()->BarControl()->Top(), bar->ClientToScreen(TPoint{0, face.Bottom}).Y);
  MouseUp(bar, TPoint{arrow.Left + 2, arrow.Top + 5});
  Press(VK_ESCAPE);
}

// --- combos ---------------------------------------------------------------------------------------

TEST(ComboDropDown, TheDropDownWindowStaysInsideTheWorkArea) {
  const TRect area{0, 0, 800, 600};
  const TRect opener{700, 500, 790, 522};
  EXPECT_EQ(CalcComboDropDownPos({700, 522}, {150, 120}, opener, false, area), TPoint(650, 380));
  EXPECT_EQ(CalcComboDropDownPos({100, 22}, {150, 120}, TRect{100, 0, 190, 22}, false, area), TPoint(100, 22));
  EXPECT_EQ(CalcComboDropDownPos({790, 500}, {150, 120}, opener, true, area), TPoint(550, 480));
  EXPECT_EQ(CalcComboDropDownPos({-20, 10}, {150, 120}, TRect{-20, -5, 0, 10}, false, area), TPoint(0, 10));
}

// A combo "Size" with three lines on the toolbar, the line ItemIndex current, being typed in.
class ComboOnToolbar : public SubMenu {
 protected:
  void Edit(int ItemIndex) {
    Combo = AddItem<TdxBarCombo>("cbSize", "Size");
    for (const char* line : {"Small", "Medium", "Large"}) Combo->Items()->Add(line);
    Combo->SetItemIndex(ItemIndex);
    Link(Toolbar->ItemLinks(), Combo);
    Pump();
    Control = static_cast<TdxBarComboControl*>(Toolbar->ItemLinks()->Items(4)->Control());
    const TRect edit = Control->GetEditRect();
    Click(Toolbar->Control(), TPoint{edit.Left + 3, edit.Top + 3});
    Pump();
  }
  TdxBarCombo* Combo = nullptr;
  TdxBarComboControl* Control = nullptr;
};

TEST_F(ComboOnToolbar, DownShowsTheNextLineAndEnterCommitsIt) {
  Edit(1);
  TdxBarCombo* combo = Combo;
  TdxBarComboControl* control = Control;
  ASSERT_TRUE(control->Focused());
  Press(VK_DOWN);
  EXPECT_EQ(control->GetText(), "Large");
  EXPECT_EQ(combo->ItemIndex(), 1);
  Press(VK_RETURN);
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Text(), "Large");
}

TEST_F(ComboOnToolbar, F4DropsTheListWhoseLinesPreviewAndAReleaseChooses) {
  Edit(0);
  TdxBarCombo* combo = Combo;
  TdxBarComboControl* control = Control;
  TdxBarControl* bar = Toolbar->Control();
  const TRect edit = control->GetEditRect();
  Press(VK_F4);
  ASSERT_TRUE(control->DroppedDown());
  TWinControl* list = combo->GetDropDownWindow();
  ASSERT_TRUE(list->Visible());
  // Below the field, left of it the caption.
  const TPoint below = bar->ClientToScreen(TPoint{edit.Left, bar->GetItemRect(control).Bottom});
  EXPECT_EQ(list->Top(), below.Y);
  RenderWindowToPng(list->Handle(), "bars_combo_list.png");
  Press(VK_DOWN);
  EXPECT_EQ(control->GetText(), "Medium");
  EXPECT_EQ(combo->ItemIndex(), 0);
  Press(VK_F4);
  EXPECT_FALSE(control->DroppedDown());
  EXPECT_FALSE(list->Visible());
  // The mouse: the line under a release is chosen and the list closes.
  const TRect button = control->DropButtonRect();
  Click(bar, TPoint{(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2});
  Pump();
  ASSERT_TRUE(control->DroppedDown());
  auto* box = static_cast<TCustomListBox*>(list);
  const TRect third = box->ItemRect(2);
  Click(box, TPoint{third.Left + 5, third.Top + 2});
  Pump();
  EXPECT_FALSE(control->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), 2);
}

// --- hints ----------------------------------------------------------------------------------------

TEST_F(SubMenu, HintsShowAfterTheDelayHideLaterAndFollowAtOnceWithinTheGrace) {
  Manager->SetShowShortCutInHint(true);
  auto* print = static_cast<TdxBarButton*>(Toolbar->ItemLinks()->Items(2)->Item());
  print->SetHint("Print the card|Prints the card of the student");
  print->SetShortCut(ShortCut('P', ssCtrl));
  static_cast<TdxBarButton*>(Toolbar->ItemLinks()->Items(1)->Item())->SetHint("Bold");
  Toolbar->ItemLinks()->Items(0)->Item()->SetHint(String());
  TdxBarControl* bar = Toolbar->Control();
  const auto hover = [&](int Index) {
    MouseMove(bar, CentreOf(Toolbar->ItemLinks()->Items(Index)->Control()));
    Pump();
  };
  const auto hintShown = [] { return BarHintWindow() && BarHintWindow()->Visible(); };
  hover(2);
  Advance(900);
  EXPECT_FALSE(hintShown());
  Advance(100);
  ASSERT_TRUE(hintShown());
  EXPECT_EQ(BarHintWindow()->Caption(), "Print the card (Ctrl+P)");
  // Below the pointer.
  TPoint cursor;
  GetCursorPos(cursor);
  EXPECT_EQ(BarHintWindow()->Top(), cursor.Y + 20);
  Advance(10000);
  EXPECT_FALSE(hintShown());

  // Moving from one hint to the next, or on within 400 ms after a hint went, shows it at once.
  hover(0);
  Advance(1000);
  hover(2);
  Advance(1000);
  ASSERT_TRUE(hintShown());
  hover(1);
  EXPECT_TRUE(hintShown());
  EXPECT_EQ(BarHintWindow()->Caption(), "Bold");
  const TRect gap = bar->GetItemRect(Toolbar->ItemLinks()->Items(2)->Control());
  MouseMove(bar, TPoint{gap.Left - 3, gap.Top + 5});
  Pump();
  EXPECT_FALSE(hintShown());
  Advance(200);
  hover(2);
  EXPECT_TRUE(hintShown());
  // After the grace the delay holds again.
  MouseMove(bar, TPoint{gap.Left - 3, gap.Top + 5});
  Pump();
  Advance(400);
  hover(2);
  EXPECT_FALSE(hintShown());
  Advance(1000);
  EXPECT_TRUE(hintShown());
}

}  // namespace
