// Keyboard and mouse on bars through the bars' hooks: Alt and F10 open the main menu, short cuts
// and accelerators, keys in menu mode, clicks outside open menus, hot tracking, the click path of
// item controls, and edit items ending with Enter or Esc.
#include "BarsTestKit.h"
#include "controls/ActnList.h"
#include "windows/Focus.h"
#include "windows/Window.h"
#include "windows/MessageQueue.h"

namespace {

class BarInput : public TBarsTest {
 protected:
  void SetUp() override {
    TBarsTest::SetUp();
    Form->SetClientWidth(400);
    Form->SetClientHeight(200);
    Box = AddBox("box");
    Box->SetBounds(10, 120, 80, 24);
    Menus = SizedBar("Menus", {{40, 22}, {40, 22}, {40, 22}, {40, 22}});
    const char* captions[] = {"&Open", "&Print", "&Save", "&Sort"};
    for (int i = 0; i < 4; ++i) {
      auto* item = static_cast<TSizedItem*>(Menus->ItemLinks()->Items(i)->Item());
      item->SetCaption(captions[i]);
      item->SetPaintStyle(psCaption);
    }
    Menus->SetIsMainMenu(true);
    Dock(Menus, dsTop);
    ShowForm();
  }
  TSizedItem* ItemOf(int Index) const { return static_cast<TSizedItem*>(Menus->ItemLinks()->Items(Index)->Item()); }
  TdxBarItemControl* ControlOf(int Index) const { return Menus->ItemLinks()->Items(Index)->Control(); }
  TdxBarControl* MainWindow() const { return Menus->Control(); }
  // A menu of the first link's sub item opened from the main menu in menu mode, as a menu would
  // open, with one button in it.
  TCustomdxBarControl* OpenMenu(TSizedItem*& Button) {
    auto* file = AddItem<TdxBarSubItem>("bsFile", "&File");
    TdxBarItemLink* fileLink = Link(Menus->ItemLinks(), file);
    Button = AddItem<TSizedItem>("bbClose", "&Close");
    Link(file->ItemLinks(), Button);
    MainWindow()->EnterMenuMode(fileLink->Control());
    TCustomdxBarControl* menu = file->ItemLinks()->CreateBarControl(fileLink);
    menu->SetParentBar(MainWindow());
    menu->CreateControls();
    menu->SetMenuMode(true);
    return menu;
  }

  TTestBox* Box = nullptr;
  TdxBar* Menus = nullptr;
};

TEST_F(BarInput, AltAloneOpensTheMainMenuAndEscGivesTheFocusBack) {
  ASSERT_TRUE(Box->Focused());
  Press(VK_MENU);
  EXPECT_EQ(Manager->KeyboardModeBarControl(), MainWindow());
  EXPECT_EQ(ActiveBarControl(), MainWindow());
  EXPECT_EQ(MainWindow()->SelectedControl(), ControlOf(0));
  Press(VK_RIGHT);
  EXPECT_EQ(MainWindow()->SelectedControl(), ControlOf(1));
  Press(VK_END);
  EXPECT_EQ(MainWindow()->SelectedControl(), ControlOf(3));
  Press(VK_RIGHT);
  EXPECT_EQ(MainWindow()->SelectedControl(), ControlOf(0));
  Press(VK_ESCAPE);
  EXPECT_EQ(ActiveBarControl(), nullptr);
  EXPECT_EQ(Manager->KeyboardModeBarControl(), nullptr);
  EXPECT_EQ(MainWindow()->SelectedControl(), nullptr);
  EXPECT_TRUE(Box->Focused());

  // Alt held while a letter is typed is no lone Alt.
  KeyDown(VK_MENU);
  PressKey('X');
  KeyUp(VK_MENU);
  Pump();
  EXPECT_EQ(ActiveBarControl(), nullptr);
}

TEST_F(BarInput, F10OpensTheMainMenuOnlyAloneAndWhenTheManagerUsesIt) {
  struct TCase {
    bool UseF10;
    TShiftState Shift;
    bool Opens;
  };
  for (const TCase& c : {TCase{true, 0, true}, TCase{true, ssCtrl, false}, TCase{false, 0, false}}) {
    Manager->SetUseF10ForMenu(c.UseF10);
    Press(VK_F10, c.Shift);
    EXPECT_EQ(ActiveBarControl() == MainWindow(), c.Opens) << c.UseF10 << c.Shift;
    Manager->CloseActiveMenus();
  }
  // In menu mode F10 leaves it only when the manager uses F10; Alt always does.
  Manager->SetUseF10ForMenu(false);
  Press(VK_MENU);
  Press(VK_F10);
  EXPECT_EQ(ActiveBarControl(), MainWindow());
  Press(VK_MENU);
  EXPECT_EQ(ActiveBarControl(), nullptr);
  Manager->SetUseF10ForMenu(true);
  Press(VK_MENU);
  Press(VK_F10);
  EXPECT_EQ(ActiveBarControl(), nullptr);
}

TEST_F(BarInput, AShortCutRunsTheBoundActionOnce) {
  auto* actions = new TActionList(Form);
  auto* action = new TAction(Form);
  action->SetActionList(actions);
  action->SetCaption("&Open");
  action->SetShortCut(scCtrl | 'O');
  int runs = 0;
  action->OnExecute = [&](TObject*) { ++runs; };
  ItemOf(0)->SetAction(action);
  Press('O', ssCtrl);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(ActiveBarControl(), nullptr);
}

TEST_F(BarInput, AcceleratorsRunAUniqueLinkAndSelectDuplicatesInTurn) {
  Press('P', ssAlt);
  EXPECT_EQ(ItemOf(1)->Clicks, 1);
  EXPECT_EQ(ActiveBarControl(), nullptr);

  Press('S', ssAlt);
  EXPECT_EQ(ActiveBarControl(), MainWindow());
  EXPECT_EQ(MainWindow()->SelectedControl(), ControlOf(2));
  Press('S');
  EXPECT_EQ(MainWindow()->SelectedControl(), ControlOf(3));
  Press('S');
  EXPECT_EQ(MainWindow()->SelectedControl(), ControlOf(2));
  EXPECT_EQ(ItemOf(2)->Clicks + ItemOf(3)->Clicks, 0);
  // In menu mode a unique letter activates its link as Enter would.
  Press('O');
  EXPECT_EQ(ItemOf(0)->Clicks, 1);
  EXPECT_EQ(ActiveBarControl(), nullptr);
}

TEST_F(BarInput, ClicksOutsideTheOpenMenusCloseThemAndStrayReleasesGoNowhere) {
  TSizedItem* close = nullptr;
  TCustomdxBarControl* menu = OpenMenu(close);
  ASSERT_EQ(ActiveBarControl(), menu);
  int rightReleases = 0;
  Box->OnMouseUp = [&](TObject*, TMouseButton Button, TShiftState, int, int) { rightReleases += Button == mbRight; };
  MouseUp(Box, TPoint{5, 5}, VK_RBUTTON);
  Pump();
  EXPECT_EQ(rightReleases, 0);
  EXPECT_EQ(ActiveBarControl(), menu);
  Click(Box, TPoint{5, 5});
  Pump();
  EXPECT_EQ(ActiveBarControl(), nullptr);
  EXPECT_FALSE(MainWindow()->MenuMode());
  EXPECT_FALSE(menu->MenuMode());
}

TEST_F(BarInput, MouseMessagesOfWindowsOutsideTheActiveChainAreDropped) {
  TdxBar* tools = SizedBar("Tools", {{40, 22}});
  Dock(tools, dsTop, 1, 0, true);
  Pump();
  Press(VK_MENU);
  ASSERT_EQ(ActiveBarControl(), MainWindow());
  const TPoint p = CentreOf(tools->ItemLinks()->Items(0)->Control());
  tools->Control()->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(p));
  tools->Control()->Perform(WM_LBUTTONUP, 0, PointToLParam(p));
  EXPECT_EQ(static_cast<TSizedItem*>(tools->ItemLinks()->Items(0)->Item())->Clicks, 0);
  EXPECT_EQ(ActiveBarControl(), MainWindow());
}

TEST_F(BarInput, CustomisingPastTheDisabledFormStillReachesTheBars) {
  Manager->SetCustomizing(true);
  TdxBarCustomizingForm* customizing = CustomizingForm();
  ASSERT_NE(customizing, nullptr);
  customizing->SetBounds(600, 400, customizing->Width(), customizing->Height());
  Pump();
  ASSERT_FALSE(IsWindowEnabled(Form->Handle()));
  ASSERT_EQ(GetActiveWindow(), customizing->Handle());
  Click(MainWindow(), CentreOf(ControlOf(2)));
  Pump();
  EXPECT_EQ(Manager->SelectedItemControl(), ControlOf(2));
  EXPECT_EQ(ItemOf(2)->Clicks, 0);
  Manager->SetCustomizing(false);
  EXPECT_EQ(CustomizingForm(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(Form->Handle()));
}

TEST_F(BarInput, AnUnmovedMouseKeepsTheSelection) {
  MouseMove(MainWindow(), CentreOf(ControlOf(1)));
  Pump();
  Press(VK_MENU);
  ASSERT_EQ(MainWindow()->SelectedControl(), ControlOf(0));
  // A window that appears under the pointer hears a move that is none.
  SendMessage(MainWindow()->Handle(), WM_MOUSEMOVE, 0, PointToLParam(CentreOf(ControlOf(1))));
  EXPECT_EQ(MainWindow()->SelectedControl(), ControlOf(0));
  MouseMove(MainWindow(), CentreOf(ControlOf(3)));
  Pump();
  EXPECT_EQ(MainWindow()->SelectedControl(), ControlOf(3));
  EXPECT_TRUE(ControlOf(3)->Hot());
}

TEST_F(BarInput, AClickOnAToolbarButtonRunsItsCommand) {
  Click(MainWindow(), CentreOf(ControlOf(1)));
  Pump();
  EXPECT_EQ(ItemOf(1)->Clicks, 1);
  EXPECT_EQ(ActiveBarControl(), nullptr);
  EXPECT_EQ(GetCapture(), HWND());
  // Released elsewhere, the press runs nothing.
  MouseDown(MainWindow(), CentreOf(ControlOf(2)));
  MouseMove(MainWindow(), TPoint{MainWindow()->ClientWidth() - 2, 2});
  MouseUp(MainWindow(), TPoint{MainWindow()->ClientWidth() - 2, 2});
  Pump();
  EXPECT_EQ(ItemOf(2)->Clicks, 0);
  EXPECT_EQ(ActiveBarControl(), nullptr);
}

TEST_F(BarInput, RecalcLayoutMessageLaysTheWindowOutAgain) {
  const int width = ControlOf(0)->Parent()->GetItemRect(ControlOf(0)).Width();
  ItemOf(0)->Size.cx = 70;
  PostMessage(MainWindow()->Handle(), WM_DXBAR_RECALCLAYOUT);
  Pump();
  EXPECT_EQ(MainWindow()->GetItemRect(ControlOf(0)).Width(), width + 30);
}

TEST_F(BarInput, TheClickPathSoundsCountsClosesThenRuns) {
  TSizedItem* close = nullptr;
  TCustomdxBarControl* menu = OpenMenu(close);
  TdxBarItemLink* link = close->Links(0);
  TdxBarItemLink* fileLink = Manager->FindItemByName("bsFile")->Links(0);
  const int uses = link->UseCount(), fileUses = fileLink->UseCount();
  close->SetEnabled(false);
  link->Control()->Click(false);
  EXPECT_EQ(ActiveBarControl(), menu);
  close->SetEnabled(true);
  bool closedFirst = false;
  close->OnClick = [&](TObject*) { closedFirst = ActiveBarControl() == nullptr; };
  link->Control()->Click(false);
  EXPECT_TRUE(closedFirst);
  EXPECT_EQ(link->UseCount(), uses + 1);
  EXPECT_EQ(fileLink->UseCount(), fileUses + 1);
  ASSERT_FALSE(SystemCalls().Calls.empty());
  EXPECT_EQ(SystemCalls().Calls.back().Text, "MenuCommand");
  EXPECT_FALSE(link->Control()->Pressed());
}

TEST_F(BarInput, AGeneratedLinkCountsItsUseForTheLinkItStandsFor) {
  TdxBarItemLink* source = Menus->ItemLinks()->Items(0);
  TdxBarItemLink* generated = Menus->ItemLinks()->Items(1);
  generated->SetSourceLink(source);
  const int sourceUses = source->UseCount(), uses = generated->UseCount();
  MainWindow()->EnterMenuMode(generated->Control());
  generated->Control()->Click(false);
  EXPECT_EQ(source->UseCount(), sourceUses + 1);
  EXPECT_EQ(generated->UseCount(), uses + 1);
}

class EditInput : public BarInput {
 protected:
  void SetUp() override {
    BarInput::SetUp();
    Edit = AddItem<TSizedEdit>("edFind", "Find");
    Edit->SetText("old");
    Edit->OnChange = [this](TObject*) { ++Changes; };
    Link(Menus->ItemLinks(), Edit);
    Pump();
  }
  TdxBarWinControl* EditControl() const { return static_cast<TdxBarWinControl*>(Edit->Links(0)->Control()); }
  // Clicks into the edit and replaces its text by typing.
  void TypeIntoEdit(const String& Text) {
    Click(MainWindow(), CentreOf(EditControl()));
    Pump();
    ASSERT_TRUE(EditControl()->Focused());
    EXPECT_EQ(EditControl()->GetText(), Edit->Text());
    TypeText(Text);
    Pump();
  }
  TSizedEdit* Edit = nullptr;
  int Changes = 0;
};

TEST_F(EditInput, EnterKeepsTheTypedTextAndEscDropsIt) {
  TypeIntoEdit("new");
  Press(VK_ESCAPE);
  EXPECT_FALSE(EditControl()->Focused());
  EXPECT_EQ(Edit->Text(), "old");
  EXPECT_EQ(Changes, 0);
  EXPECT_TRUE(Box->Focused());

  TypeIntoEdit("new");
  Press(VK_RETURN);
  EXPECT_EQ(Edit->Text(), "new");
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(ActiveBarControl(), nullptr);
  EXPECT_TRUE(Box->Focused());
}

TEST_F(EditInput, LeavingTheEditKeepsTheTextOnlyWithAlwaysSaveText) {
  TypeIntoEdit("lost");
  Click(Box, TPoint{5, 5});
  Pump();
  EXPECT_FALSE(EditControl()->Focused());
  EXPECT_EQ(Edit->Text(), "old");
  Manager->SetAlwaysSaveText(true);
  TypeIntoEdit("kept");
  Click(Box, TPoint{5, 5});
  Pump();
  EXPECT_EQ(Edit->Text(), "kept");
}

TEST_F(EditInput, TheWholeTextIsKeptAndMaxLengthLimitsTyping) {
  const String longText(300, 'x');
  Edit->SetText(longText);
  TypeIntoEdit("y");
  EXPECT_EQ(EditControl()->GetText(), "y");
  EditControl()->SetText(longText + "z");
  Press(VK_RETURN);
  EXPECT_EQ(Edit->Text(), longText + "z");
  Edit->SetText("");
  Edit->SetMaxLength(3);
  Edit->Links(0)->Links()->RefreshControls();
  TypeIntoEdit("abcdef");
  Press(VK_RETURN);
  EXPECT_EQ(Edit->Text(), "abc");
}

// The program's menu bar typed at with Alt+letter as one chord: Alt down, the letter down and up,
// Alt up.
class MainMenuChord : public TProgramBarsTest {
 protected:
  void SetUp() override {
    TProgramBarsTest::SetUp();
    BuildBars();
    Students = Menu(Menus, "学生管理(&S)", {"学生查询(&Q)", "学生档案(&R)"});
    ShowForm();
  }
  TCustomdxBarControl* StudentsMenu() const { return Students->ItemLinks()->BarControl(); }
  // Typed by a hand, each key handled while it is still held, or queued all at once.
  void Chord(int Letter, bool AllAtOnce) {
    const std::pair<int, bool> keys[] = {{VK_MENU, true}, {Letter, true}, {Letter, false}, {VK_MENU, false}};
    for (const auto& [key, down] : keys) {
      if (down) {
        KeyDown(key);
      } else {
        KeyUp(key);
      }
      if (!AllAtOnce) Pump();
    }
    Pump();
  }
  TdxBarSubItem* Students = nullptr;
};

// The chord opens the menu of its letter from the menu bar in menu mode; Alt is up afterwards, so
// the letter alone opens nothing, and the menu takes Esc and clicks.
TEST_F(MainMenuChord, AltLetterOpensAMenuThatStillTakesEscAndClicks) {
  for (const bool allAtOnce : {false, true}) {
    Ran.clear();
    Chord('S', allAtOnce);
    ASSERT_NE(StudentsMenu(), nullptr) << allAtOnce;
    EXPECT_EQ(ActiveBarControl(), StudentsMenu());
    EXPECT_EQ(Manager->KeyboardModeBarControl(), Menus->Control());
    EXPECT_GE(GetKeyState(VK_MENU), 0);
    Press(VK_ESCAPE);
    EXPECT_EQ(StudentsMenu(), nullptr);
    EXPECT_EQ(ActiveBarControl(), nullptr);
    Press('S');
    EXPECT_EQ(ActiveBarControl(), nullptr);

    Chord('S', allAtOnce);
    TCustomdxBarControl* menu = StudentsMenu();
    ASSERT_NE(menu, nullptr);
    Click(menu, CentreOf(Students->ItemLinks()->Items(1)->Control()));
    Pump();
    EXPECT_EQ(Ran, (std::vector<String>{"学生档案(&R)"}));
    EXPECT_EQ(ActiveBarControl(), nullptr);
    EXPECT_EQ(StudentsMenu(), nullptr);
  }
}

}  // namespace
