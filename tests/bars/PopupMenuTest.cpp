// Popup menus: the menu at a point from a right-button release over a control that holds the
// mouse, the loop that returns only when the menu has closed, and what that loop does with the
// messages it takes (a command runs, a click that closed the menu is handled afterwards, WM_QUIT
// reaches the loop outside).
#include "BarsTestKit.h"
#include "bars/dxBarPopupMenuLinks.h"
#include "bars/dxBarSubMenu.h"
#include "bars/dxBarUtils.h"
#include "controls/Edit.h"
#include "windows/Caret.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"

namespace {

// A box that notes the WM_COMMAND messages it gets.
class TCommandBox : public TTestBox {
 public:
  using TTestBox::TTestBox;
  std::vector<WPARAM> Commands;

 protected:
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_COMMAND) Commands.push_back(Message.WParam);
    TTestBox::Dispatch(Message);
  }
};

class PopupMenu : public TProgramBarsTest {
 protected:
  void SetUp() override {
    TProgramBarsTest::SetUp();
    BuildBars();
    Grid = AddBox("grid");
    Grid->SetBounds(10, 80, 200, 100);
    Popup = new TdxBarPopupMenu(Form);
    Popup->SetName("popStudent");
    for (const char* caption : {"&Add", "&Delete"}) {
      auto* item = AddItem(String("p") + caption[1], caption);
      item->OnClick = [this, item](TObject*) { Events.push_back(item->Caption()); };
      Link(Popup->ItemLinks(), item);
    }
    Popup->OnPopup = [this](TObject*) { Events.push_back("popup"); };
    Popup->OnCloseUp = [this](TObject*) { Events.push_back("closeup"); };
    // The grid as the program has it: it holds the mouse while a button is down and pops the menu
    // up at the cursor on the right button's release.
    Grid->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
      Events.push_back("grid.down");
      SetCapture(Grid->Handle());
    };
    Grid->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int, int) {
      if (Button != mbRight) return;
      TPoint p;
      GetCursorPos(p);
      Popup->Popup(p.X, p.Y);
      Events.push_back("returned");
    };
    ShowForm();
  }
  TdxBarSubMenuControl* OpenMenu() const { return dynamic_cast<TdxBarSubMenuControl*>(Popup->ItemLinks()->BarControl()); }
  // Right-clicks the grid at Point and runs Steps while the menu's loop waits, one each wait.
  void RightClick(TPoint Point, std::initializer_list<std::function<void()>> Steps) {
    for (const auto& step : Steps) TestClock().OnWait(step);
    Click(Grid, Point, VK_RBUTTON);
    Pump();
  }
  TTestBox* Grid = nullptr;
  TdxBarPopupMenu* Popup = nullptr;
  std::vector<String> Events;
};

TEST_F(PopupMenu, ARightClickOpensItAtThePointAndTheChosenCommandRunsBeforePopupReturns) {
  const TPoint at = Grid->ClientToScreen(TPoint{50, 40});
  RightClick(TPoint{50, 40}, {[&, this] {
                                TdxBarSubMenuControl* menu = OpenMenu();
                                ASSERT_NE(menu, nullptr);
                                EXPECT_EQ(TPoint(menu->Left(), menu->Top()), at);
                                EXPECT_EQ(GetCapture(), HWND());
                                EXPECT_TRUE(Popup->PoppedUp());
                                TdxBarItemControl* remove = Popup->ItemLinks()->Items(1)->Control();
                                MouseMove(menu, CentreOf(remove));
                                Click(menu, CentreOf(remove));
                              }});
  EXPECT_EQ(OpenMenu(), nullptr);
  EXPECT_FALSE(Popup->PoppedUp());
  EXPECT_EQ(Events, (std::vector<String>{"grid.down", "popup", "closeup", "&Delete", "returned"}));
}

// A menu popped up below an owner with no room under it opens above the owner, and the owner's
// extent is forgotten once the menu has closed.
TEST_F(PopupMenu, BelowAnOwnerWithoutRoomUnderItTheMenuOpensAboveTheOwner) {
  const int bottom = GetWorkAreaAtPoint({300, 300}).Bottom;
  std::vector<TRect> shown;
  const auto note = [&, this] {
    shown.push_back(OpenMenu()->BoundsRect());
    PressKey(VK_ESCAPE);
  };
  TestClock().OnWait(note);
  Popup->PopupEx(300, bottom - 2, 0, 20, true);
  TestClock().OnWait(note);
  Popup->Popup(300, bottom - 2);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].Bottom, bottom - 22) << "above the owner's 20 pixels";
  EXPECT_EQ(shown[1].Bottom, bottom - 2) << "a plain popup opens above its point";
}

TEST_F(PopupMenu, TheFocusedControlAndTheCaptureHolderAreToldToCancel) {
  Grid->SetFocus();
  TTestBox* other = AddBox("other");
  Pump();
  SetCapture(other->Handle());
  TestClock().OnWait([this] { PressKey(VK_ESCAPE); });
  Popup->Popup(300, 300);
  EXPECT_EQ(GetCapture(), HWND());
  EXPECT_EQ(std::count(Grid->Events.begin(), Grid->Events.end(), "grid.cancelmode"), 1);
  EXPECT_EQ(std::count(other->Events.begin(), other->Events.end(), "other.cancelmode"), 1);
  EXPECT_EQ(OpenMenu(), nullptr);
}

TEST_F(PopupMenu, AClickThatClosedTheMenuIsHandledAfterPopupReturns) {
  RightClick(TPoint{50, 40}, {[this] { Click(Grid, TPoint{150, 90}); }});
  EXPECT_EQ(OpenMenu(), nullptr);
  EXPECT_EQ(Events, (std::vector<String>{"grid.down", "popup", "closeup", "returned", "grid.down"}));
}

TEST_F(PopupMenu, QuittingWhileItIsOpenReachesTheLoopOutside) {
  TestClock().OnWait([] { PostQuitMessage(5); });
  Popup->Popup(300, 300);
  MSG msg;
  ASSERT_TRUE(PeekMessage(msg, HWND(), WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 5u);
  ASSERT_NE(OpenMenu(), nullptr);
  OpenMenu()->CloseMenu();
  EXPECT_EQ(OpenMenu(), nullptr);
}

TEST_F(PopupMenu, CommandMessagesGoNowhereWhileItIsOpenAndPopupOnAnOpenMenuDoesNothing) {
  auto* target = Add<TCommandBox>("target", TRect{220, 10, 260, 30});
  TestClock().OnWait([this, target] {
    PostMessage(target->Handle(), WM_COMMAND, 1, 0);
    Popup->Popup(10, 10);
    EXPECT_EQ(OpenMenu()->Left(), 300);
  });
  TestClock().OnWait([this] { PressKey(VK_ESCAPE); });
  Popup->Popup(300, 300);
  EXPECT_EQ(OpenMenu(), nullptr);
  PostMessage(target->Handle(), WM_COMMAND, 2, 0);
  Pump();
  EXPECT_EQ(target->Commands, std::vector<WPARAM>{2});
}

TEST_F(PopupMenu, NoManagerNoPopupMenuAndTheManagerIsKept) {
  Popup->SetBarManager(nullptr);
  EXPECT_EQ(Popup->BarManager(), Manager);
  delete Manager;
  Manager = nullptr;
  EXPECT_THROW(TdxBarPopupMenu{nullptr}, Exception);
}

}  // namespace

namespace {

// The grid and an edit box of the form with popup menu links; the menu notes where it opened.
class PopupLinks : public PopupMenu {
 protected:
  void SetUp() override {
    PopupMenu::SetUp();
    Grid->OnMouseUp = nullptr;
    Edit = Add<TEdit>("edtName", TRect{220, 80, 320, 101});
    Popup->OnCloseUp = nullptr;
    GridLink = Manager->PopupMenuLinks()->Add();
    GridLink->SetControl(Grid);
    GridLink->SetPopupMenu(Popup);
    EditLink = Manager->PopupMenuLinks()->Add();
    EditLink->SetControl(Edit);
    EditLink->SetPopupMenu(Popup);
    Pump();
  }
  // Notes where the open menu stands and closes it with Esc.
  void NoteAndClose() {
    if (TdxBarSubMenuControl* menu = OpenMenu()) OpenedAt.push_back(TPoint{menu->Left(), menu->Top()});
    PressKey(VK_ESCAPE);
  }
  TEdit* Edit = nullptr;
  TdxBarPopupMenuLink* GridLink = nullptr;
  TdxBarPopupMenuLink* EditLink = nullptr;
  std::vector<TPoint> OpenedAt;
};

TEST_F(PopupLinks, ARightClickOpensTheLinkedMenuAtThePointer) {
  RightClick(TPoint{30, 20}, {[this] {
                                ASSERT_NE(OpenMenu(), nullptr);
                                EXPECT_EQ(TPoint(OpenMenu()->Left(), OpenMenu()->Top()), Grid->ClientToScreen(TPoint{30, 20}));
                                PressKey(VK_DOWN);
                                PressKey(VK_RETURN);
                              }});
  EXPECT_EQ(Events, (std::vector<String>{"grid.down", "popup", "&Add"}));
  EXPECT_EQ(OpenMenu(), nullptr);
}

TEST_F(PopupLinks, TheMenuKeysOpenItAtTheCaretOfTheFocusedEdit) {
  Edit->SetFocus();
  TypeText("abc");
  Pump();
  TPoint caret;
  ASSERT_TRUE(GetCaretPos(caret));
  for (const auto& press : std::vector<std::function<void()>>{[this] { PressKey(VK_F10, ssShift); },
                                                               [this] { PressKey(VK_APPS); }}) {
    TestClock().OnWait([this] {
      MSG pending;
      EXPECT_FALSE(PeekMessage(pending, Edit->Handle(), WM_CONTEXTMENU, WM_CONTEXTMENU, PM_NOREMOVE));
      NoteAndClose();
    });
    press();
    Pump();
  }
  const TPoint at = Edit->ClientToScreen(caret);
  EXPECT_EQ(OpenedAt, (std::vector<TPoint>{at, at}));
  EXPECT_TRUE(Edit->Focused());
}

TEST_F(PopupLinks, OnActionMovesTheMenuOrKeepsItAwayAndTheClickGoesOn) {
  std::vector<bool> byMouse;
  bool allow = true;
  GridLink->OnAction = [&](TdxBarPopupMenuLink* Link, int& X, int& Y, bool ClickedByMouse, bool& AllowPopup) {
    EXPECT_EQ(Link, GridLink);
    EXPECT_EQ(TPoint(X, Y), TPoint(30, 20));
    byMouse.push_back(ClickedByMouse);
    X += 5;
    AllowPopup = allow;
  };
  RightClick(TPoint{30, 20}, {[this] { NoteAndClose(); }});
  EXPECT_EQ(OpenedAt, std::vector<TPoint>{Grid->ClientToScreen(TPoint{35, 20})});
  // Refused: no menu, and the grid's own context-menu step still hears of the click.
  allow = false;
  int ownSteps = 0;
  Grid->OnContextPopup = [&](TObject*, TPoint, bool&) { ++ownSteps; };
  Click(Grid, TPoint{30, 20}, VK_RBUTTON);
  Pump();
  EXPECT_EQ(OpenedAt.size(), 1u);
  EXPECT_EQ(byMouse, (std::vector<bool>{true, true}));
  EXPECT_EQ(ownSteps, 2);  // once from the link, once from the click that went on
}

TEST_F(PopupLinks, AControlThatHandlesItsOwnContextMenuGetsNoBarMenu) {
  int ownSteps = 0;
  Grid->OnContextPopup = [&](TObject*, TPoint, bool& Handled) {
    ++ownSteps;
    Handled = true;
  };
  Click(Grid, TPoint{30, 20}, VK_RBUTTON);
  Pump();
  EXPECT_TRUE(OpenedAt.empty());
  EXPECT_EQ(ownSteps, 1);  // the click was taken: no second context-menu request
}

TEST_F(PopupLinks, LinksTakeOnlyControlsOfTheManagersFormAndForgetWhatIsFreed) {
  auto* other = TCustomForm::Create<TForm>(Application);
  auto* elsewhere = new TTestBox(other);
  elsewhere->SetParent(other);
  TdxBarPopupMenuLink* link = Manager->PopupMenuLinks()->Add();
  link->SetControl(elsewhere);
  EXPECT_EQ(link->Control(), nullptr);
  other->Free();
  Edit->Free();
  EXPECT_EQ(EditLink->Control(), nullptr);
  Popup->Free();
  EXPECT_EQ(GridLink->PopupMenu(), nullptr);
}

}  // namespace
