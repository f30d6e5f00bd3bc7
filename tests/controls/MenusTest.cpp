// Menus: a popup menu driven by keys and by the mouse (sub-menus, separators, disabled items,
// accelerators), opened by a right click on its control, short cuts of a form's menus, radio
// items, items following an action, and menus read from a layout.
#include "ControlsTestKit.h"
#include "classes/Filer.h"
#include "controls/ActnList.h"
#include "controls/Menus.h"
#include "windows/Focus.h"

namespace {

class Menus : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    Menu = new TPopupMenu(Form);
    Zoom = AddItem(Menu->Items(), "放大(&Z)");
    AddItem(Menu->Items(), "-");
    Shrink = AddItem(Menu->Items(), "缩小(&S)");
    Shrink->SetEnabled(false);
    Pages = AddItem(Menu->Items(), "页面(&P)");
    One = AddItem(Pages, "单页");
    Two = AddItem(Pages, "双页");
    for (TMenuItem* radio : {One, Two}) radio->SetRadioItem(true);
    One->SetChecked(true);
    Print = AddItem(Menu->Items(), "打印(&R)");
    Print->SetShortCut(ShortCut('P', ssCtrl));
    Box = AddBox("box");
    ShowForm();
  }
  TMenuItem* AddItem(TMenuItem* Parent, const String& Caption) {
    auto* item = new TMenuItem(Form);
    item->SetCaption(Caption);
    item->OnClick = [this, Caption](TObject*) { Clicked.push_back(Caption); };
    Parent->Add(item);
    return item;
  }
  // Opens the menu at (200, 200) and runs the given keys in its loop, one per wait.
  void PopupWithKeys(const std::vector<int>& Keys) {
    for (int key : Keys) TestClock().OnWait([this, key] { PressKey(key); });
    Menu->Popup(200, 200);
    Pump();
  }
  // A point inside the Row-th item row of a menu level opened at Origin (separators are 8 high).
  static TPoint ItemPoint(TPoint Origin, int Top) { return TPoint{Origin.X + 30, Origin.Y + 3 + Top + 10}; }

  TPopupMenu* Menu = nullptr;
  TMenuItem *Zoom, *Shrink, *Pages, *One, *Two, *Print;
  TTestBox* Box = nullptr;
  std::vector<String> Clicked;
};

TEST_F(Menus, TheKeyboardMovesThroughItemsAndSubMenus) {
  const struct {
    std::vector<int> Keys;
    std::vector<String> Clicked;
  } cases[] = {
      {{VK_DOWN, VK_RETURN}, {"放大(&Z)"}},
      {{VK_UP, VK_RETURN}, {"打印(&R)"}},                                   // round from the top
      {{VK_DOWN, VK_DOWN, VK_RETURN, VK_ESCAPE}, {}},                       // a disabled item is not chosen
      {{VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}, {"双页"}},  // past the separator, into the sub-menu
      {{VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_ESCAPE, VK_ESCAPE}, {}},     // Escape closes one level at a time
      {{VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_LEFT, VK_UP, VK_UP, VK_RETURN}, {"放大(&Z)"}},
      {{'R'}, {"打印(&R)"}},                                                 // the accelerator letter
      {{'P', VK_RETURN}, {"单页"}},                                          // opens the sub-menu on its first item
  };
  for (const auto& c : cases) {
    Clicked.clear();
    PopupWithKeys(c.Keys);
    EXPECT_EQ(Clicked, c.Clicked) << "keys " << c.Keys.size();
    EXPECT_EQ(GetCapture(), HWND());
  }
}

TEST_F(Menus, TheMouseChoosesItemsAndAPressOutsideDismisses) {
  const TPoint origin{200, 200};
  TestClock().OnWait([&] {
    RenderWindowToPng(GetTopLevelWindows().front(), "PopupMenu.png");
    MouseAt(TMouseInput::Move, ItemPoint(origin, 0));
  });
  TestClock().OnWait([&] { MouseAt(TMouseInput::Press, ItemPoint(origin, 0)); });
  TestClock().OnWait([&] { MouseAt(TMouseInput::Release, ItemPoint(origin, 0)); });
  Menu->Popup(origin.X, origin.Y);
  EXPECT_EQ(Clicked, (std::vector<String>{"放大(&Z)"}));

  // Hovering over "页面" opens its sub-menu; a click there chooses in it.
  Clicked.clear();
  const TPoint pages = ItemPoint(origin, 20 + 8 + 20);
  TestClock().OnWait([&] { MouseAt(TMouseInput::Move, pages); });
  TestClock().OnWait([&] {
    RenderWindowToPng(GetTopLevelWindows().front(), "PopupSubMenu.png");
    TRect sub;
    GetWindowRect(GetTopLevelWindows().front(), sub);
    MouseAt(TMouseInput::Press, ItemPoint(sub.TopLeft(), 20));
    MouseAt(TMouseInput::Release, ItemPoint(sub.TopLeft(), 20));
  });
  Menu->Popup(origin.X, origin.Y);
  EXPECT_EQ(Clicked, (std::vector<String>{"双页"}));

  Clicked.clear();
  TestClock().OnWait([&] { MouseAt(TMouseInput::Press, {20, 20}); });
  TestClock().OnWait([&] { MouseAt(TMouseInput::Release, {20, 20}); });
  Menu->Popup(origin.X, origin.Y);
  EXPECT_TRUE(Clicked.empty());
}

TEST_F(Menus, ARightClickOpensTheControlsPopupMenuUnlessAutoPopupIsOff) {
  Box->SetPopupMenu(Menu);
  TestClock().OnWait([&] { PressKey(VK_DOWN); });
  TestClock().OnWait([&] { PressKey(VK_RETURN); });
  Click(Box, {5, 5}, VK_RBUTTON);
  Pump();
  EXPECT_EQ(Clicked, (std::vector<String>{"放大(&Z)"}));
  EXPECT_EQ(Menu->PopupComponent(), Box);

  Menu->SetAutoPopup(false);
  Click(Box, {5, 5}, VK_RBUTTON);
  Pump();  // no menu: its loop would wait for keys that never come
  EXPECT_EQ(Clicked.size(), 1u);
}

TEST_F(Menus, TheControlsOwnContextPopupStepComesFirstAndMayKeepTheMenuAway) {
  Box->SetPopupMenu(Menu);
  std::vector<TPoint> asked;
  bool handle = true;
  Box->OnContextPopup = [&](TObject*, TPoint MousePos, bool& Handled) {
    asked.push_back(MousePos);
    Handled = handle;
  };
  Click(Box, {5, 7}, VK_RBUTTON);
  Pump();  // handled: no menu, whose loop would wait for keys that never come
  SendMessage(Box->Handle(), WM_CONTEXTMENU, Box->Handle().AsWParam(), MAKELPARAM(-1, -1));
  EXPECT_EQ(asked, (std::vector<TPoint>{{5, 7}, {-1, -1}}));
  EXPECT_TRUE(Clicked.empty());
  handle = false;
  TestClock().OnWait([&] { PressKey(VK_ESCAPE); });
  Click(Box, {5, 7}, VK_RBUTTON);
  Pump();
  EXPECT_EQ(asked.size(), 3u);
  EXPECT_EQ(Menu->PopupComponent(), Box);
}

TEST_F(Menus, ShortCutsOfTheFormsMenusClickTheirEnabledItems) {
  auto* main = new TMainMenu(Form);
  TMenuItem* open = AddItem(main->Items(), "打开");
  open->SetShortCut(ShortCut('O', ssCtrl));
  PressKey('O', ssCtrl);
  PressKey('P', ssCtrl);  // the popup menu's item
  Pump();
  EXPECT_EQ(Clicked, (std::vector<String>{"打开", "打印(&R)"}));
  open->SetEnabled(false);
  PressKey('O', ssCtrl);
  Pump();
  EXPECT_EQ(Clicked.size(), 2u);
}

TEST_F(Menus, RadioItemsOfAGroupExcludeEachOther) {
  Two->SetChecked(true);
  EXPECT_FALSE(One->Checked());
  TMenuItem* other = AddItem(Pages, "其他");
  other->SetRadioItem(true);
  other->SetGroupIndex(1);
  other->SetChecked(true);
  EXPECT_TRUE(Two->Checked());
}

TEST_F(Menus, AnItemFollowsItsActionAndRunsIt) {
  auto* list = new TActionList(Form);
  auto* action = new TAction(Form);
  action->SetActionList(list);
  action->SetCaption("保存");
  int runs = 0;
  action->OnExecute = [&](TObject*) { ++runs; };
  auto* item = new TMenuItem(Form);
  Menu->Items()->Add(item);
  item->SetAction(action);
  EXPECT_EQ(item->Caption(), "保存");
  action->SetEnabled(false);
  EXPECT_FALSE(item->Enabled());
  action->SetEnabled(true);
  action->SetChecked(true);
  EXPECT_TRUE(item->Checked());
  item->Click();
  EXPECT_EQ(runs, 1);
  delete item;
  EXPECT_EQ(Menu->Items()->IndexOf(item), -1);
}

TEST_F(Menus, MenusAreReadFromLayoutsWithTheirItemTree) {
  const String layout = R"(object MenuForm: TForm
  object ProcMenu: TPopupMenu
    AutoPopup = False
    object N200: TMenuItem
      Caption = '200%'
      RadioItem = True
    end
    object N1: TMenuItem
      Caption = '-'
    end
    object mnuPage: TMenuItem
      Caption = '页面'
      object mnuOne: TMenuItem
        Caption = '单页'
        ShortCut = 16433
      end
    end
  end
end
)";
  TCustomForm* form = TCustomForm::Create<TForm>(Application);
  ReadLayout(layout, form);
  auto* menu = dynamic_cast<TPopupMenu*>(form->FindComponent("ProcMenu"));
  ASSERT_NE(menu, nullptr);
  EXPECT_FALSE(menu->AutoPopup());
  ASSERT_EQ(menu->Items()->Count(), 3);
  EXPECT_TRUE(menu->Items()->Items(1)->IsLine());
  TMenuItem* page = menu->Items()->Items(2);
  ASSERT_EQ(page->Count(), 1);
  EXPECT_EQ(page->Items(0)->ShortCut(), ShortCut('1', ssCtrl));
  EXPECT_EQ(page->Items(0)->GetParentComponent(), page);
  EXPECT_EQ(page->GetParentComponent(), menu);
  const String written = WriteLayout(form);
  EXPECT_NE(written.find("    object mnuPage: TMenuItem\n      Caption = '页面'\n      object mnuOne: TMenuItem\n"),
            String::npos)
      << written;
}

}  // namespace
