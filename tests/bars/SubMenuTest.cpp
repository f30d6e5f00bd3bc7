// Menus: opening from the menu bar by mouse and keyboard, the hover delay of sub items, where a
// menu goes in the work area, the opening animation, buttons with drop-down menus, and combos.
#include "BarsTestKit.h"
#include "bars/dxBarHint.h"
#include "bars/dxBarSubMenu.h"
#include "bars/dxBarUtils.h"
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

// Every command of the menu bar, a nested menu "&Insert" in Edit's menu among them, is reached in
// each of the three ways a user has: the mouse, Alt with the arrows and Enter, and accelerators.
class EveryCommand : public SubMenu {
 protected:
  struct TCommand {
    int Menu;
    std::vector<int> Path;  // link indexes from the menu down to the command
    String Caption;
  };
  void SetUp() override {
    SubMenu::SetUp();
    auto* insert = AddItem<TdxBarSubItem>("mInsert", "&Insert");
    for (const char* caption : {"&Date", "&Time"}) {
      auto* item = AddItem(String("c") + caption[1], caption);
      item->OnClick = [this, item](TObject*) { Ran.push_back(item->Caption()); };
      Link(insert->ItemLinks(), item);
    }
    Link(MenuItem(1)->ItemLinks(), insert, true);
    for (int menu = 0; menu < Menus->ItemLinks()->Count(); ++menu) Collect(menu, MenuItem(menu), {});
    ASSERT_EQ(Commands.size(), 8u);
  }
  void Collect(int Menu, const TCustomdxBarSubItem* Sub, const std::vector<int>& Path) {
    for (int i = 0; i < Sub->ItemLinks()->Count(); ++i) {
      std::vector<int> path = Path;
      path.push_back(i);
      TdxBarItem* item = Sub->ItemLinks()->Items(i)->Item();
      if (auto* nested = dynamic_cast<TCustomdxBarSubItem*>(item)) {
        Collect(Menu, nested, path);
      } else {
        Commands.push_back({Menu, path, item->Caption()});
      }
    }
  }
  static char Accelerator(const String& Caption) { return static_cast<char>(toupper(Caption[Caption.find('&') + 1])); }
  // The captions of the sub items on the way to a command: the menu's, then the nested ones.
  std::vector<String> CaptionsOnTheWay(const TCommand& Command) const {
    std::vector<String> captions{MenuItem(Command.Menu)->Caption()};
    const TCustomdxBarSubItem* sub = MenuItem(Command.Menu);
    for (size_t i = 0; i + 1 < Command.Path.size(); ++i) {
      sub = static_cast<TCustomdxBarSubItem*>(sub->ItemLinks()->Items(Command.Path[i])->Item());
      captions.push_back(sub->Caption());
    }
    return captions;
  }
  void ExpectRanAndClosed(const TCommand& Command, const char* How) {
    ASSERT_FALSE(Ran.empty()) << How << " " << Command.Caption;
    EXPECT_EQ(Ran.back(), Command.Caption) << How;
    EXPECT_EQ(ActiveBarControl(), nullptr) << How << " " << Command.Caption;
    Ran.clear();
  }
  std::vector<TCommand> Commands;
};

TEST_F(EveryCommand, RunsFromTheMouse) {
  for (const TCommand& c : Commands) {
    Click(MenuBar(), CentreOf(MenuBarControl(c.Menu)));
    Pump();
    const TCustomdxBarSubItem* sub = MenuItem(c.Menu);
    for (int index : c.Path) {
      TdxBarSubMenuControl* menu = OpenMenuOf(sub);
      ASSERT_NE(menu, nullptr) << c.Caption;
      TdxBarItemControl* control = menu->ItemLinks()->Items(index)->Control();
      sub = dynamic_cast<TCustomdxBarSubItem*>(control->Item());
      MouseMove(menu, CentreOf(control));
      Click(menu, CentreOf(control));
      Pump();
    }
    ExpectRanAndClosed(c, "mouse");
  }
}

TEST_F(EveryCommand, RunsFromAltTheArrowsAndEnter) {
  for (const TCommand& c : Commands) {
    Press(VK_MENU);
    for (int i = 0; i < c.Menu; ++i) Press(VK_RIGHT);
    Press(VK_DOWN);  // opens the menu with its first command selected
    for (size_t level = 0; level < c.Path.size(); ++level) {
      for (int i = 0; i < c.Path[level]; ++i) Press(VK_DOWN);
      if (level + 1 < c.Path.size()) Press(VK_RIGHT);  // into the nested menu, its first command selected
    }
    Press(VK_RETURN);
    ExpectRanAndClosed(c, "arrows");
  }
}

TEST_F(EveryCommand, RunsFromItsAccelerators) {
  for (const TCommand& c : Commands) {
    Press(VK_MENU);
    for (const String& caption : CaptionsOnTheWay(c)) Press(Accelerator(caption));
    Press(Accelerator(c.Caption));
    ExpectRanAndClosed(c, "accelerators");
  }
}

TEST_F(EveryCommand, EscAndLeftStepBackOneMenuAtATime) {
  Press(VK_MENU);
  Press(VK_RIGHT);
  Press(VK_DOWN);
  TdxBarSubMenuControl* edit = OpenMenuOf(MenuItem(1));
  ASSERT_NE(edit, nullptr);
  Press(VK_DOWN);
  Press(VK_DOWN);
  Press(VK_RIGHT);
  auto* insert = static_cast<TCustomdxBarSubItem*>(edit->ItemLinks()->Items(2)->Item());
  ASSERT_NE(OpenMenuOf(insert), nullptr);
  // Left closes the nested menu only; Right opens it again; Esc closes it only.
  Press(VK_LEFT);
  EXPECT_EQ(OpenMenuOf(insert), nullptr);
  EXPECT_EQ(OpenMenuOf(MenuItem(1)), edit);
  EXPECT_EQ(edit->SelectedControl(), edit->ItemLinks()->Items(2)->Control());
  Press(VK_RIGHT);
  ASSERT_NE(OpenMenuOf(insert), nullptr);
  Press(VK_ESCAPE);
  EXPECT_EQ(OpenMenuOf(insert), nullptr);
  EXPECT_EQ(OpenMenuOf(MenuItem(1)), edit);
  // Left in a menu opened from the menu bar moves to the neighbouring menu.
  Press(VK_LEFT);
  EXPECT_EQ(OpenMenuOf(MenuItem(1)), nullptr);
  ASSERT_NE(OpenMenuOf(File), nullptr);
  Press(VK_ESCAPE);
  EXPECT_EQ(OpenMenuOf(File), nullptr);
  EXPECT_EQ(ActiveBarControl(), nullptr);
  EXPECT_TRUE(Ran.empty());
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

TEST_F(RecentMenu, DownOnTheLastRecentLinkExpandsAndMovesOn) {
  Press(VK_MENU);
  Press(VK_DOWN);
  Press(VK_DOWN);
  TdxBarSubMenuControl* file = OpenMenuOf(File);
  ASSERT_TRUE(file && file->HasMark());
  EXPECT_EQ(file->SelectedControl(), file->ItemLinks()->Items(1)->Control());
  Press(VK_DOWN);
  file = OpenMenuOf(File);
  ASSERT_NE(file, nullptr);
  EXPECT_FALSE(file->HasMark());
  EXPECT_EQ(file->SelectedControl(), file->ItemLinks()->Items(2)->Control());
  Press(VK_RETURN);
  EXPECT_EQ(Ran, std::vector<String>{"E&xit"});
}

TEST_F(RecentMenu, RestingOnTheExpandButtonExpandsAfterASecond) {
  Click(MenuBar(), CentreOf(MenuBarControl(0)));
  Pump();
  TdxBarSubMenuControl* file = OpenMenuOf(File);
  ASSERT_TRUE(file && file->HasMark());
  const TRect button = file->ExpandButtonRect();
  MouseMove(file, TPoint{(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2});
  Pump();
  Advance(900);
  EXPECT_TRUE(OpenMenuOf(File)->HasMark());
  Advance(100);
  ASSERT_NE(OpenMenuOf(File), nullptr);
  EXPECT_FALSE(OpenMenuOf(File)->HasMark());
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

// --- list items ------------------------------------------------------------------------------------

// A list item "Recent" of two files in File's menu before Exit, whose data is asked for each time.
class ListInMenu : public SubMenu {
 protected:
  void SetUp() override {
    SubMenu::SetUp();
    Files = AddItem<TdxBarListItem>("liRecent", "Recent");
    Files->Items()->Add("a.txt");
    Files->Items()->Add("b.txt");
    Files->OnGetData = [this](TObject*) { ++Asked; };
    Files->OnClick = [this](TObject*) { Ran.push_back("Recent " + std::to_string(Files->ItemIndex())); };
    File->ItemLinks()->Items(2)->SetIndex(3);
    Link(File->ItemLinks(), Files)->SetIndex(2);
  }
  TdxBarListItem* Files = nullptr;
  int Asked = 0;
};

TEST_F(ListInMenu, ItsLinesStandInItsPlaceWhileTheMenuIsOpen) {
  Click(MenuBar(), CentreOf(MenuBarControl(0)));
  Pump();
  TdxBarSubMenuControl* file = OpenMenuOf(File);
  ASSERT_NE(file, nullptr);
  TdxBarItemLinks* links = File->ItemLinks();
  std::vector<String> shown;
  for (int i = 0; i < links->ShownItemCount(); ++i) shown.push_back(links->ShownItems(i)->Caption());
  EXPECT_EQ(shown, (std::vector<String>{"&Open...", "&Save", "&1 a.txt", "&2 b.txt", "E&xit"}));
  EXPECT_TRUE(links->ShownItems(2)->BeginGroup());
  EXPECT_EQ(Asked, 1);
  // Its accelerator runs a line: the list item takes its index and reports the click.
  Press('2');
  EXPECT_EQ(Ran, std::vector<String>{"Recent 1"});
  EXPECT_EQ(OpenMenuOf(File), nullptr);
  EXPECT_EQ(links->Count(), 4);
  EXPECT_FALSE(links->Items(2)->Expanded());
  // The next opening asks for the data again.
  Click(MenuBar(), CentreOf(MenuBarControl(0)));
  Pump();
  EXPECT_EQ(Asked, 2);
  EXPECT_EQ(File->ItemLinks()->ShownItemCount(), 5);
  Press(VK_ESCAPE);
}

TEST_F(ListInMenu, OnAToolbarItsLinkOpensAMenuOfItsLines) {
  Link(Toolbar->ItemLinks(), Files);
  Pump();
  TdxBarItemControl* control = Toolbar->ItemLinks()->Items(4)->Control();
  Click(Toolbar->Control(), CentreOf(control));
  Pump();
  TdxBarSubMenuControl* menu = OpenMenuOf(Files);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(Files->ItemLinks()->ShownItemCount(), 2);
  TdxBarItemControl* second = Files->ItemLinks()->Items(1)->Control();
  MouseMove(menu, CentreOf(second));
  Click(menu, CentreOf(second));
  Pump();
  // Opening a sub item's menu reports a click of the item too, before any line is chosen.
  EXPECT_EQ(Ran, (std::vector<String>{"Recent -1", "Recent 1"}));
  EXPECT_EQ(OpenMenuOf(Files), nullptr);
  EXPECT_EQ(Files->ItemLinks()->Count(), 0);
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

TEST_F(SubMenu, AHintNearTheWorkAreasEdgesStaysInside) {
  CreateBarHintWindow();
  TdxBarHintWindow* hint = BarHintWindow();
  const TRect area = GetWorkAreaAtPoint(TPoint{100, 100});
  // Near the bottom its top goes 50 pixels above the hint point (30 above the cursor); near the
  // right edge it ends at the edge.
  hint->ActivateHint(TPoint{area.Right - 5, area.Bottom - 5}, "Print the card", Manager);
  EXPECT_EQ(hint->Top(), area.Bottom - 5 - 50);
  EXPECT_EQ(hint->Left() + hint->Width(), area.Right);
  hint->ActivateHint(TPoint{area.Left + 10, area.Top + 10}, "Print the card", Manager);
  EXPECT_EQ(TPoint(hint->Left(), hint->Top()), TPoint(area.Left + 10, area.Top + 10));
}

}  // namespace
