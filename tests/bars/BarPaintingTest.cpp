// How bars and menus look: the menu bar with an open menu, a docked and a floating toolbar with
// the item kinds' faces, probed by pixels and written out as pictures.
#include "BarsTestKit.h"
#include "bars/dxBarSubMenu.h"
#include "controls/ShortCut.h"

namespace {

class BarPainting : public TBarsTest {
 protected:
  void SetUp() override {
    TBarsTest::SetUp();
    Form->SetClientWidth(420);
    Form->SetClientHeight(220);
  }

  TdxBarSubItem* Menu(TdxBar* Bar, const String& Caption, std::initializer_list<const char*> Commands) {
    auto* sub = AddItem<TdxBarSubItem>("m" + std::to_string(++FNames), Caption);
    Link(Bar->ItemLinks(), sub);
    bool group = false;
    for (const char* command : Commands) {
      if (String(command) == "-") {
        group = true;
        continue;
      }
      auto* item = AddItem("c" + std::to_string(++FNames), command);
      Link(sub->ItemLinks(), item, std::exchange(group, false));
    }
    return sub;
  }

  // The menu bar "Menus" in row 0 and the toolbar "Toolbars" in row 1, as the program has them.
  void BuildBars() {
    Menus = AddBar("Menus");
    Menus->SetIsMainMenu(true);
    File = Menu(Menus, "&File", {"&Open...", "&Save", "-", "E&xit"});
    File->ItemLinks()->Items(1)->Item()->SetShortCut(ShortCut('S', ssCtrl));
    Menu(Menus, "&Edit", {"&Copy", "&Paste"});
    Menu(Menus, "&Help", {"&About..."});
    Dock(Menus, dsTop, 0);
    Toolbar = AddBar("Toolbars");
    Link(Toolbar->ItemLinks(), AddItem("tNew", "New"));
    Checked = AddItem("tBold", "Bold");
    Checked->SetButtonStyle(bsChecked);
    Checked->SetDown(true);
    Link(Toolbar->ItemLinks(), Checked);
    Link(Toolbar->ItemLinks(), AddItem("tPrint", "Print"), true);
    Edit = AddItem<TdxBarEdit>("tFind", "Find");
    Edit->SetShowCaption(true);
    Edit->SetWidth(80);
    Edit->SetText("text");
    Link(Toolbar->ItemLinks(), Edit, true);
    Dock(Toolbar, dsTop, 1, 0, true);
  }

  TdxBar* Menus = nullptr;
  TdxBar* Toolbar = nullptr;
  TdxBarSubItem* File = nullptr;
  TdxBarButton* Checked = nullptr;
  TdxBarEdit* Edit = nullptr;

 private:
  int FNames = 0;
};

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
