// The Customize dialog: one at a time with the managed forms disabled meanwhile, its pages as
// they look, toolbars made, renamed, deleted and toggled, the options written at once, and a
// command dragged from the dialog onto a toolbar by the mouse.
#include "BarsTestKit.h"
#include "bars/dxBarCustLists.h"
#include "bars/dxBarNameEd.h"
#include "bars/dxBarUtils.h"
#include "support/ScriptedDialogs.h"
#include "windows/Focus.h"
#include "windows/Window.h"

namespace {

class CustomizeDialog : public TProgramBarsTest {
 protected:
  void SetUp() override {
    TProgramBarsTest::SetUp();
    BuildBars();
    ShowForm();
  }
  void TearDown() override {
    Manager->SetCustomizing(false);
    TProgramBarsTest::TearDown();
  }
  TdxBarCustomizingForm* Open() {
    Manager->SetCustomizing(true);
    Pump();
    return CustomizingForm();
  }
  // Answers the next name dialog with Text (OK), or cancels it.
  void AnswerNameDialog(const String& Text, bool Confirm = true) {
    TestClock().OnWait([=, this] {
      auto* dialog = dynamic_cast<TdxBarNameEd*>(Screen->ActiveForm());
      ASSERT_NE(dialog, nullptr);
      dialog->EName->SetText(Text);
      PressKey(Confirm ? VK_RETURN : VK_ESCAPE);
    });
  }
};

TEST_F(CustomizeDialog, OpensOnceAndClosingEnablesExactlyTheWindowsItDisabled) {
  auto* other = TCustomForm::Create<TForm>(Application);
  other->Show();
  auto* otherManager = new TdxBarManager(other);
  (void)otherManager;
  auto* plain = TCustomForm::Create<TForm>(Application);
  plain->Show();
  EnableWindow(other->Handle(), false);  // disabled already: stays so
  Pump();
  int shown = 0, hidden = 0;
  Manager->OnShowCustomizingForm = [&](TObject*) { ++shown; };
  Manager->OnHideCustomizingForm = [&](TObject*) { ++hidden; };
  TdxBarCustomizingForm* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(Manager->IsCustomizing());
  EXPECT_EQ(Manager->CustomizingForm(), dialog);
  EXPECT_FALSE(IsWindowEnabled(Form->Handle()));
  EXPECT_TRUE(IsWindowEnabled(plain->Handle()));
  // Opening again makes no second dialog; another manager cannot customise meanwhile.
  ShowCustomizingForm(Manager, true);
  otherManager->SetCustomizing(true);
  EXPECT_EQ(CustomizingForm(), dialog);
  EXPECT_FALSE(otherManager->IsCustomizing());
  EXPECT_EQ(shown, 1);
  // The Close button frees the dialog and ends customising.
  Click(dialog->BClose, TPoint{10, 10});
  Pump();
  EXPECT_EQ(CustomizingForm(), nullptr);
  EXPECT_FALSE(Manager->IsCustomizing());
  EXPECT_EQ(hidden, 1);
  EXPECT_TRUE(IsWindowEnabled(Form->Handle()));
  EXPECT_FALSE(IsWindowEnabled(other->Handle()));
  // A disabled window that went meanwhile is skipped.
  EnableWindow(other->Handle(), true);
  Open();
  ASSERT_FALSE(IsWindowEnabled(other->Handle()));
  other->Free();
  Manager->SetCustomizing(false);
  EXPECT_TRUE(IsWindowEnabled(Form->Handle()));
  plain->Free();
}

TEST_F(CustomizeDialog, ThePagesAsTheyLook) {
  Manager->SetStyle(bmsEnhanced);
  TdxBarCustomizingForm* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  RenderWindowToPng(dialog->Handle(), "customize_toolbars.png");
  dialog->PageControl->SetActivePage(dialog->tsItems);
  dialog->LCommands->SetItemIndex(1);
  Pump();
  RenderWindowToPng(dialog->Handle(), "customize_commands.png");
  dialog->PageControl->SetActivePage(dialog->tsOptions);
  Pump();
  RenderWindowToPng(dialog->Handle(), "customize_options_enhanced.png");
  Manager->SetStyle(bmsStandard);
  Pump();
  RenderWindowToPng(dialog->Handle(), "customize_options_standard.png");
}

// The command goes where the mouse drops it: after the control whose second half it is released
// on; the dialog, the form and the bar stay as they were otherwise.
TEST_F(CustomizeDialog, ACommandDraggedFromTheDialogOntoAToolbarIsPlacedThere) {
  TdxBarCustomizingForm* dialog = Open();
  dialog->SetBounds(450, 300, dialog->Width(), dialog->Height());
  dialog->PageControl->SetActivePage(dialog->tsItems);
  Pump();
  TCommandsListBox* commands = dialog->LCommands;
  const int row = commands->Items()->IndexOf("&Copy");
  ASSERT_GE(row, 0);
  TdxBarItem* copy = commands->ItemOf(row);
  const TRect rowRect = commands->ItemRect(row);
  const TPoint press{rowRect.Left + 30, (rowRect.Top + rowRect.Bottom) / 2};
  const TPoint start = commands->ClientToScreen(press);
  TdxBarControl* toolbar = Toolbar->Control();
  const TRect print = toolbar->GetItemRect(Toolbar->ItemLinks()->Items(2)->Control());
  const TPoint drop = toolbar->ClientToScreen(TPoint{print.Right - 3, (print.Top + print.Bottom) / 2});
  TestClock().OnWait([&] { MouseAt(TMouseInput::Move, TPoint{start.X + 10, start.Y}); });
  TestClock().OnWait([&] { MouseAt(TMouseInput::Move, TPoint{drop.X - 40, drop.Y}); });
  TestClock().OnWait([&] {
    MouseAt(TMouseInput::Move, drop);
    EXPECT_EQ(Screen->Cursor(), crdxBarDragCopy);
  });
  TestClock().OnWait([&] { MouseAt(TMouseInput::Release, drop); });
  MouseDown(commands, press);
  Pump();
  ASSERT_EQ(Toolbar->ItemLinks()->Count(), 5);
  EXPECT_EQ(Toolbar->ItemLinks()->Items(3)->Item(), copy);
  EXPECT_FALSE(Toolbar->ItemLinks()->Items(3)->OwnBeginGroup());
  EXPECT_EQ(Screen->Cursor(), crDefault);
  EXPECT_EQ(GetCapture(), HWND());
  EXPECT_TRUE(Manager->Modified());
  // The new link's view is the selected one, and the toolbar shows it.
  TdxBarItemControl* view = Toolbar->ItemLinks()->Items(3)->Control();
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(Manager->SelectedItemControl(), view);
  RenderScreenToPng({Form, dialog}, "customize_dropped_command.png");
}

// Passing over a sub item on the menu bar opens its menu, and a link dropped in the menu joins it.
TEST_F(CustomizeDialog, ALinkDraggedOverAMenuBarItemGoesIntoItsMenu) {
  TdxBarCustomizingForm* dialog = Open();
  dialog->SetBounds(450, 300, dialog->Width(), dialog->Height());
  Pump();
  TdxBarControl* toolbar = Toolbar->Control();
  TdxBarControl* menuBar = Menus->Control();
  const TRect newRect = toolbar->GetItemRect(Toolbar->ItemLinks()->Items(0)->Control());
  const TPoint press{(newRect.Left + newRect.Right) / 2, (newRect.Top + newRect.Bottom) / 2};
  const TRect fileRect = menuBar->GetItemRect(Menus->ItemLinks()->Items(0)->Control());
  const TPoint overFile = menuBar->ClientToScreen(TPoint{fileRect.Left + 5, fileRect.Top + 5});
  TPoint intoMenu;
  TestClock().OnWait([&] { MouseAt(TMouseInput::Move, overFile); });
  TestClock().OnWait([&] {
    auto* menu = dynamic_cast<TdxBarSubMenuControl*>(File->ItemLinks()->BarControl());
    ASSERT_NE(menu, nullptr);
    const TRect save = menu->GetItemRect(File->ItemLinks()->Items(1)->Control());
    intoMenu = menu->ClientToScreen(TPoint{save.Left + 10, save.Bottom - 3});
    MouseAt(TMouseInput::Move, intoMenu);
  });
  TestClock().OnWait([&] {
    RenderScreenToPng({Form, File->ItemLinks()->BarControl()}, "customize_drag_into_menu.png");
    MouseAt(TMouseInput::Release, intoMenu);
  });
  MouseDown(toolbar, press);
  Pump();
  MouseMove(toolbar, TPoint{press.X, press.Y + 5});
  Pump();
  ASSERT_EQ(File->ItemLinks()->Count(), 4);
  EXPECT_EQ(File->ItemLinks()->Items(2)->Item()->Caption(), "New");
  EXPECT_EQ(Toolbar->ItemLinks()->Count(), 3);
}

}  // namespace
