// Quick customisation through a toolbar's mark: the popup with the links that did not fit and
// "&Add or Remove Buttons", whose check entries show and hide the toolbar's links, "&Reset
// Toolbar" where the toolbar may be reset, the popup kept on the screen, and closing it.
#include "BarsTestKit.h"
#include "bars/dxBarQuickCust.h"
#include "bars/dxBarUtils.h"
#include "windows/Focus.h"

namespace {

class QuickCustomization : public TBarsTest {
 protected:
  void SetUp() override {
    TBarsTest::SetUp();
    Form->SetClientWidth(400);
    Tools = SizedBar("Tools", {{60, 22}, {60, 22}, {-60, 22}, {60, 22}});
    for (int i = 0; i < Tools->ItemLinks()->Count(); ++i) {
      TdxBarItem* item = Tools->ItemLinks()->Items(i)->Item();
      item->SetCaption(item->Name());
    }
    Dock(Tools, dsTop, 0, 0, true);
    ShowForm();
  }
  TdxBarControl* Window() const { return Tools->Control(); }
  // Pressed and released apart, as a hand does: the button is still down while the press is handled.
  void ClickMark() {
    const TRect mark = Window()->MarkRect();
    const TPoint p{(mark.Left + mark.Right) / 2, (mark.Top + mark.Bottom) / 2};
    MouseDown(Window(), p);
    Pump();
    MouseUp(Window(), p);
    Pump();
  }
  static std::vector<String> Captions(const TdxBarItemLinks* Links) {
    std::vector<String> captions;
    for (int i = 0; i < Links->Count(); ++i) {
      const TdxBarItemLink* link = Links->Items(i);
      captions.push_back((link->BeginGroup() ? "|" : "") + (link->Control() ? link->Control()->GetCaption() : link->Caption()));
    }
    return captions;
  }
  // Opens "&Add or Remove Buttons" from the open quick-customising window.
  TdxBarSubMenuControl* OpenAddRemoveMenu() {
    TdxBarQuickControl* quick = QuickControl();
    TdxBarItemLinks* links = quick->ItemLinks();
    Click(quick, CentreOf(links->Items(links->Count() - 1)->Control()));
    Pump();
    return dynamic_cast<TdxBarSubMenuControl*>(quick->AddRemoveItem()->ItemLinks()->BarControl());
  }
  void ClickEntry(TdxBarSubMenuControl* Menu, int Index) {
    Click(Menu, CentreOf(Menu->ItemLinks()->Items(Index)->Control()));
    Pump();
  }
  TdxBar* Tools = nullptr;
};

TEST_F(QuickCustomization, ABarWhoseLinksAllFitOpensWithAddOrRemoveButtonsOnly) {
  ASSERT_TRUE(Window()->HasMark());
  ClickMark();
  TdxBarQuickControl* quick = QuickControl();
  ASSERT_NE(quick, nullptr);
  EXPECT_EQ(Window()->MarkState(), 2);
  EXPECT_EQ(Captions(quick->ItemLinks()), (std::vector<String>{"&Add or Remove Buttons"}));
  EXPECT_TRUE(quick->AddRemoveItem()->Enabled());
  // Below the mark, its right edge at the mark's.
  const TRect mark = Window()->MarkRect();
  const TPoint markBottomRight = Window()->ClientToScreen(TPoint{mark.Right, mark.Bottom});
  EXPECT_EQ(quick->Top(), markBottomRight.Y);
  EXPECT_EQ(quick->Left() + quick->Width(), markBottomRight.X);
  // The mark again closes it (not so soon that the click counts as a double click).
  Advance(1000);
  ClickMark();
  EXPECT_EQ(QuickControl(), nullptr);
  EXPECT_EQ(Window()->MarkState(), 1);
}

TEST_F(QuickCustomization, TheLinksThatDidNotFitComeFirst) {
  Form->SetClientWidth(160);
  Pump();
  ASSERT_TRUE(Window()->Truncated());
  std::vector<String> expected;
  for (int i = 0; i < Tools->ItemLinks()->Count(); ++i)
    if (Tools->ItemLinks()->IndexOfShown(Tools->ItemLinks()->Items(i)) < 0)
      expected.push_back(Tools->ItemLinks()->Items(i)->Item()->Name());
  ASSERT_EQ(expected.size(), 2u);
  expected.push_back("|&Add or Remove Buttons");
  ClickMark();
  TdxBarQuickControl* quick = QuickControl();
  ASSERT_NE(quick, nullptr);
  std::vector<String> captions = Captions(quick->ItemLinks());
  if (!captions.empty() && captions[0][0] == '|') captions[0] = captions[0].substr(1);
  EXPECT_EQ(captions, expected);
  RenderScreenToPng({Form, quick}, "quick_customization.png");
  // A command there runs and closes the window.
  auto* first = static_cast<TSizedItem*>(quick->ItemLinks()->Items(0)->Item());
  Click(quick, CentreOf(quick->ItemLinks()->Items(0)->Control()));
  Pump();
  EXPECT_EQ(first->Clicks, 1);
  EXPECT_EQ(QuickControl(), nullptr);
  EXPECT_EQ(Window()->MarkState(), 0);
}

TEST_F(QuickCustomization, TheCheckEntriesShowAndHideTheToolbarsLinksAtOnce) {
  ClickMark();
  TdxBarSubMenuControl* menu = OpenAddRemoveMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(Captions(menu->ItemLinks()), (std::vector<String>{"bb1", "bb2", "bb3", "bb4", "|&Customize..."}));
  RenderScreenToPng({Form, QuickControl(), menu}, "quick_add_remove_menu.png");
  ClickEntry(menu, 1);
  EXPECT_FALSE(Tools->ItemLinks()->Items(1)->Visible());
  EXPECT_EQ(Tools->ItemLinks()->VisibleItemCount(), 3);
  ClickMark();
  menu = OpenAddRemoveMenu();
  ASSERT_NE(menu, nullptr);
  ClickEntry(menu, 1);
  Advance(1000);
  EXPECT_TRUE(Tools->ItemLinks()->Items(1)->Visible());
}

TEST_F(QuickCustomization, WithoutQuickCustomizingTheAddOrRemoveEntryIsDisabled) {
  Tools->SetAllowQuickCustomizing(false);
  Form->SetClientWidth(160);
  Pump();
  ASSERT_TRUE(Window()->HasMark());
  ClickMark();
  ASSERT_NE(QuickControl(), nullptr);
  EXPECT_FALSE(QuickControl()->AddRemoveItem()->Enabled());
}

// Near the right edge of the screen the window ends at the work area's right; near the bottom it
// opens above the mark; beside a bar docked at a side it goes left of the mark when it must.
TEST_F(QuickCustomization, TheWindowStaysInsideTheWorkArea) {
  ClickMark();
  TdxBarQuickControl* quick = QuickControl();
  ASSERT_NE(quick, nullptr);
  const TRect area = GetWorkAreaAtPoint(TPoint{0, 0});
  const TSize size{120, 60};
  const TRect nearRight{area.Right - 5, 100, area.Right + 6, 122};
  EXPECT_EQ(quick->PlaceFor(nearRight, size).X + size.cx, area.Right);
  const TRect nearBottom{300, area.Bottom - 30, 311, area.Bottom - 8};
  EXPECT_EQ(quick->PlaceFor(nearBottom, size).Y, nearBottom.Top - size.cy);
  // A bar docked at a side opens it right of the mark, top-aligned, or left of the mark at the
  // screen's right edge, ending at the work area's bottom.
  Advance(1000);
  ClickMark();
  ASSERT_EQ(QuickControl(), nullptr);
  Dock(Tools, dsRight);
  Pump();
  ClickMark();
  quick = QuickControl();
  ASSERT_NE(quick, nullptr);
  const TRect beside{100, 100, 122, 111};
  EXPECT_EQ(quick->PlaceFor(beside, size), (TPoint{beside.Right, beside.Top}));
  const TRect corner{area.Right - 22, area.Bottom - 20, area.Right, area.Bottom - 9};
  EXPECT_EQ(quick->PlaceFor(corner, size), (TPoint{corner.Left - size.cx, area.Bottom - size.cy}));
}

// The window closes once the selection went to another bar window and stayed there for 200 ms.
TEST_F(QuickCustomization, SelectingInAnotherWindowClosesItAfterTheCheck) {
  ClickMark();
  ASSERT_NE(QuickControl(), nullptr);
  Window()->SetSelected(Tools->ItemLinks()->Items(0)->Control());
  Advance(150);
  EXPECT_NE(QuickControl(), nullptr);
  Advance(60);
  Pump();
  EXPECT_EQ(QuickControl(), nullptr);
  EXPECT_EQ(Window()->MarkState(), 0);
}

// A toolbar read from the form's layout, which may be reset, offers "&Reset Toolbar"; the
// customize entry then follows it without a separator of its own.
TEST_F(QuickCustomization, ResetToolbarIsOfferedForABarTheFormWasLoadedWith) {
  auto* source = TCustomForm::Create<TForm>(Application);
  source->SetName("Source");
  auto* manager = new TdxBarManager(source);
  manager->SetName("bmSource");
  TdxBar* bar = manager->Bars()->Add();
  bar->SetCaption("Loaded");
  for (const char* name : {"bbA", "bbB"}) {
    auto* item = new TdxBarButton(source);
    item->SetName(name);
    item->SetCaption(name);
    item->SetCategory(0);
    bar->ItemLinks()->Add()->SetItem(item);
  }
  bar->SetDockingStyle(dsTop);
  bar->SetVisible(true);
  const String text = WriteLayout(source);
  source->Free();
  auto* copy = TCustomForm::Create<TForm>(Application);
  ReadLayout(text, copy);
  copy->SetBounds(50, 50, 400, 200);
  copy->Show();
  Pump();
  TdxBar* loaded = ManagerOfForm(copy)->Bars()->Items(0);
  ASSERT_TRUE(loaded->CanReset());
  TdxBarControl* window = loaded->Control();
  const TRect mark = window->MarkRect();
  Click(window, TPoint{(mark.Left + mark.Right) / 2, (mark.Top + mark.Bottom) / 2});
  Pump();
  TdxBarSubMenuControl* menu = OpenAddRemoveMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(Captions(menu->ItemLinks()), (std::vector<String>{"bbA", "bbB", "|&Reset Toolbar", "&Customize..."}));
  copy->Free();
}

}  // namespace
