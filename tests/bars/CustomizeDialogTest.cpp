// The Customize dialog: one at a time with the managed forms disabled meanwhile, its pages as
// they look, toolbars made, renamed, deleted and toggled, the options written at once, and a
// command dragged from the dialog onto a toolbar by the mouse.
#include "BarsTestKit.h"
#include "bars/dxBarCustLists.h"
#include "bars/dxBarNameEd.h"
#include "bars/dxBarUtils.h"
#include "support/ScriptedDialogs.h"
#include "windows/Focus.h"
#include "windows/MessageQueue.h"
#include "windows/Services.h"
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
    if (Manager) Manager->SetCustomizing(false);
    TProgramBarsTest::TearDown();
  }
  TdxBarCustomizingForm* Open() {
    Manager->SetCustomizing(true);
    Pump();
    return CustomizingForm();
  }
  // A click on the caption of a row of the toolbars list.
  void SelectBarRow(TdxBarCustomizingForm* Dialog, int Row) {
    const TRect r = Dialog->BarsListBox->ItemRect(Row);
    Click(Dialog->BarsListBox, TPoint{r.Left + 60, (r.Top + r.Bottom) / 2});
    Pump();
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
// on; the dialog, the form and the bar stay as they were otherwise. The user's layout store keeps
// it: a form made again from the program's layout has it there.
TEST_F(CustomizeDialog, ACommandDraggedFromTheDialogOntoAToolbarIsPlacedThereAndKept) {
  Manager->SetRegistryPath("Software\\Quorin\\Bars");
  Manager->SetStoreInRegistry(true);
  const String design = WriteLayout(Form);
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
  Manager->SetCustomizing(false);
  Form->Free();
  Form = nullptr;
  Manager = nullptr;
  auto* form = TCustomForm::Create<TForm>(Application);
  ReadLayout(design, form);
  TdxBar* kept = ManagerOfForm(form)->FindBarByCaption("Toolbars");
  ASSERT_NE(kept, nullptr);
  ASSERT_EQ(kept->ItemLinks()->Count(), 5);
  EXPECT_EQ(kept->ItemLinks()->Items(3)->Item()->Caption(), "&Copy");
  form->Free();
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

// A new toolbar floats left of the dialog, or right of it when the dialog is at the screen's left
// edge, level with the dialog's top but not above the work area; it may be renamed and deleted,
// which the bars the form was loaded with may not.
TEST_F(CustomizeDialog, NewToolbarsFloatBesideTheDialogAndOnlyTheyMayBeRenamedOrDeleted) {
  Menus->SetPredefined(true);
  Toolbar->SetPredefined(true);
  TdxBarCustomizingForm* dialog = Open();
  const TRect area = GetWorkAreaAtPoint(TPoint{0, 0});
  struct TPlace {
    int DialogLeft, DialogTop;
    bool Right;
    int BarTop;
  };
  const TPlace places[] = {{400, 300, false, 300}, {area.Left + 20, 300, true, 300}, {400, area.Top - 40, false, area.Top + 10}};
  int made = 0;
  for (const TPlace& place : places) {
    dialog->SetBounds(place.DialogLeft, place.DialogTop, dialog->Width(), dialog->Height());
    SelectBarRow(dialog, 1);
    EXPECT_FALSE(dialog->BBarRename->Enabled());
    EXPECT_FALSE(dialog->BBarDelete->Enabled());
    TestClock().OnWait([&] {
      auto* names = dynamic_cast<TdxBarNameEd*>(Screen->ActiveForm());
      ASSERT_NE(names, nullptr);
      EXPECT_EQ(names->Caption(), "Custom ");
      PressKey(VK_RETURN);  // the proposed name stands
    });
    Click(dialog->BBarNew, TPoint{5, 5});
    Pump();
    TdxBar* bar = Manager->Bars()->Items(Manager->Bars()->Count() - 1);
    EXPECT_EQ(bar->Caption(), "Custom " + std::to_string(++made));
    EXPECT_EQ(bar->DockingStyle(), dsNone);
    EXPECT_TRUE(bar->Visible());
    EXPECT_EQ(bar->FloatLeft(), place.Right ? dialog->Left() + dialog->Width() + 10 : dialog->Left() - 50);
    EXPECT_EQ(bar->FloatTop(), place.BarTop);
    EXPECT_EQ(dialog->BarsListBox->ItemIndex(), dialog->BarsListBox->Items()->Count() - 1);
    EXPECT_TRUE(dialog->BBarRename->Enabled());
    EXPECT_TRUE(dialog->BBarDelete->Enabled());
  }
}

TEST_F(CustomizeDialog, ARenameToAnotherToolbarsNameIsRefusedAndToItsOwnAccepted) {
  TdxBarCustomizingForm* dialog = Open();
  SelectBarRow(dialog, 1);
  TScriptedMessageBox& boxes = MessageBoxes();
  TestClock().OnWait([&] {
    auto* names = dynamic_cast<TdxBarNameEd*>(Screen->ActiveForm());
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(names->Caption(), "Rename Toolbar");
    EXPECT_EQ(names->EName->Text(), "Toolbars");
    names->EName->SetText("Menus");
    PressKey(VK_RETURN);
  });
  TestClock().OnWait([&] {
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text, "A toolbar named 'Menus' already exists. Type another name.");
    EXPECT_TRUE(Screen->ActiveForm() && Screen->ActiveForm()->Visible());
    PressKey(VK_RETURN);  // still "Menus": refused again
  });
  TestClock().OnWait([&] {
    EXPECT_EQ(boxes.Shown.size(), 2u);
    dynamic_cast<TdxBarNameEd*>(Screen->ActiveForm())->EName->SetText("Toolbars");
    PressKey(VK_RETURN);
  });
  Click(dialog->BBarRename, TPoint{5, 5});
  Pump();
  EXPECT_EQ(Toolbar->Caption(), "Toolbars");
  EXPECT_EQ(boxes.Shown.size(), 2u);
  // An empty name cannot be confirmed.
  TestClock().OnWait([&] {
    auto* names = dynamic_cast<TdxBarNameEd*>(Screen->ActiveForm());
    names->EName->SetText(String());
    EXPECT_FALSE(names->BOK->Enabled());
    PressKey(VK_ESCAPE);
  });
  Click(dialog->BBarRename, TPoint{5, 5});
  Pump();
  EXPECT_EQ(Toolbar->Caption(), "Toolbars");
}

TEST_F(CustomizeDialog, ACaptionChangedOutsideTheDialogShowsInItsToolbarsListAtOnce) {
  TStrings* rows = Open()->BarsListBox->Items();
  Toolbar->SetCaption("工具");
  EXPECT_EQ(rows->Strings(rows->IndexOfObject(Toolbar)), "工具");
}

TEST_F(CustomizeDialog, DeletingAToolbarAsksAndSelectsTheNextRow) {
  TdxBar* first = AddBar("First");
  TdxBar* second = AddBar("Second");
  (void)first;
  (void)second;
  TdxBarCustomizingForm* dialog = Open();
  TCheckListBox* list = dialog->BarsListBox;
  ASSERT_EQ(list->Items()->Count(), 4);
  SelectBarRow(dialog, 3);
  MessageBoxes().Answers.push_back(IDCANCEL);
  Click(dialog->BBarDelete, TPoint{5, 5});
  Pump();
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
  EXPECT_EQ(MessageBoxes().Shown[0].Text, "Are you sure you want to delete the 'Second' toolbar?");
  EXPECT_EQ(MessageBoxes().Shown[0].Flags, UINT(MB_OKCANCEL | MB_ICONWARNING));
  EXPECT_EQ(Manager->Bars()->Count(), 4);
  Click(dialog->BBarDelete, TPoint{5, 5});
  Pump();
  EXPECT_EQ(Manager->Bars()->Count(), 3);
  EXPECT_EQ(list->Items()->Count(), 3);
  EXPECT_EQ(list->ItemIndex(), 2);  // the new last row
  EXPECT_EQ(list->BarOf(2)->Caption(), "First");
}

// A click in the check column, a double click or Space toggles a bar; a bar that may not be hidden
// beeps and stays.
TEST_F(CustomizeDialog, TheCheckBoxesToggleTheBars) {
  TdxBarCustomizingForm* dialog = Open();
  TCheckListBox* list = dialog->BarsListBox;
  const TRect toolbarRow = list->ItemRect(1);
  Click(list, TPoint{toolbarRow.Left + 3, toolbarRow.Top + 3});
  Pump();
  EXPECT_FALSE(Toolbar->Visible());
  DoubleClick(list, TPoint{toolbarRow.Left + 40, toolbarRow.Top + 3});
  Pump();
  EXPECT_TRUE(Toolbar->Visible());
  list->SetFocus();
  PressKey(VK_SPACE);
  Pump();
  EXPECT_FALSE(Toolbar->Visible());
  const TRect menusRow = list->ItemRect(0);
  SystemCalls().Calls.clear();
  Click(list, TPoint{menusRow.Left + 3, menusRow.Top + 3});
  Pump();
  EXPECT_TRUE(Menus->Visible());
  ASSERT_EQ(SystemCalls().Calls.size(), 1u);
  EXPECT_EQ(SystemCalls().Calls[0].Kind, "beep");
}

// The options write the manager at once; the full-menus box follows the recent-first box.
TEST_F(CustomizeDialog, TheOptionsWriteTheManagerAtOnce) {
  TdxBarCustomizingForm* dialog = Open();
  dialog->PageControl->SetActivePage(dialog->tsOptions);
  Pump();
  EXPECT_FALSE(dialog->StandardOptionsPanel->Visible());
  EXPECT_TRUE(dialog->EnhancedOptionsPanel->Visible());
  Click(dialog->CBLargeIconsEx, TPoint{5, 5});
  Pump();
  EXPECT_TRUE(Manager->LargeIcons());
  Click(dialog->CBMenusShowRecentItemsFirst, TPoint{5, 5});
  Pump();
  EXPECT_FALSE(Manager->MenusShowRecentItemsFirst());
  EXPECT_FALSE(dialog->CBShowFullMenusAfterDelay->Enabled());
  Click(dialog->CBHint1Ex, TPoint{5, 5});
  Pump();
  EXPECT_FALSE(Manager->ShowHint());
  EXPECT_FALSE(dialog->CBHint2Ex->Enabled());
  dialog->ComboBoxMenuAnimationsEx->SetFocus();
  PressKey(VK_DOWN);
  Pump();
  EXPECT_EQ(Manager->MenuAnimations(), maRandom);
  // The standard style shows its own panel with the same values; its short-cut box stays enabled.
  Manager->SetStyle(bmsStandard);
  Pump();
  EXPECT_TRUE(dialog->StandardOptionsPanel->Visible());
  EXPECT_FALSE(dialog->EnhancedOptionsPanel->Visible());
  EXPECT_TRUE(dialog->CBLargeIcons->Checked());
  EXPECT_FALSE(dialog->CBHint1->Checked());
  EXPECT_TRUE(dialog->CBHint2->Enabled());
  EXPECT_EQ(dialog->ComboBoxMenuAnimations->ItemIndex(), 1);
}

// The help button shows with the manager's ShowHelpButton; it tells the manager and opens the
// help at the manager's context when there is one.
TEST_F(CustomizeDialog, TheHelpButtonTellsTheManagerAndOpensTheHelp) {
  TdxBarCustomizingForm* dialog = Open();
  EXPECT_FALSE(dialog->BHelp->Visible());
  Manager->SetShowHelpButton(true);
  EXPECT_TRUE(dialog->BHelp->Visible());
  int told = 0;
  Manager->OnHelpButtonClick = [&](TObject*) { ++told; };
  Click(dialog->BHelp, TPoint{5, 5});
  Pump();
  EXPECT_EQ(told, 1);
  EXPECT_TRUE(SystemCalls().HelpData.empty());
  Manager->SetHelpContext(120);
  Click(dialog->BHelp, TPoint{5, 5});
  Pump();
  EXPECT_EQ(told, 2);
  ASSERT_EQ(SystemCalls().HelpData.size(), 1u);
  EXPECT_EQ(SystemCalls().HelpData[0], 120u);
}

// While customising, the ends of the selected edit link show the sizing cursor and dragging one
// sets the link's width; Esc keeps the width.
TEST_F(CustomizeDialog, AnEditLinksWidthIsSizedByItsEnds) {
  TdxBarCustomizingForm* dialog = Open();
  dialog->SetBounds(450, 300, dialog->Width(), dialog->Height());
  Pump();
  TdxBarControl* toolbar = Toolbar->Control();
  TdxBarItemLink* link = Toolbar->ItemLinks()->Items(3);
  Click(toolbar, CentreOf(link->Control()));
  Pump();
  ASSERT_EQ(toolbar->SelectedControl(), link->Control());
  const TRect r = toolbar->GetItemRect(link->Control());
  const TPoint rightEnd{r.Right - 3, (r.Top + r.Bottom) / 2};
  MouseMove(toolbar, rightEnd);
  Pump();
  SendMessage(toolbar->Handle(), WM_SETCURSOR, toolbar->Handle().AsWParam(), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), Screen->Cursors(crdxBarEditSizing));
  const int before = link->Width();
  const auto drag = [&](int DX, bool Cancel) {
    MouseDown(toolbar, rightEnd);
    TestClock().OnWait([&] { MouseMove(toolbar, TPoint{rightEnd.X + DX, rightEnd.Y}); });
    TestClock().OnWait([&] {
      if (Cancel) {
        KeyDown(VK_ESCAPE);
      } else {
        MouseUp(toolbar, TPoint{rightEnd.X + DX, rightEnd.Y});
      }
    });
    Pump();
    MouseUp(toolbar, TPoint{rightEnd.X + DX, rightEnd.Y});
    KeyUp(VK_ESCAPE);
    Pump();
  };
  drag(30, true);
  EXPECT_EQ(link->Width(), before);
  // The width is the pointer's distance from the left edge, less the caption's part: the press 3
  // pixels inside the right edge counts.
  drag(30, false);
  EXPECT_EQ(link->Width(), before + 27);
  EXPECT_EQ(link->UserWidth(), before + 27);
  EXPECT_EQ(Toolbar->ItemLinks()->Count(), 4);
}

// The commands list draws a sub item's triangle 9 pixels left of the row's end and 7 below its top,
// in the text colour; the selected row is in the highlight colours outside the flat style.
TEST_F(CustomizeDialog, TheCommandsListDrawsRowsAsMenusDo) {
  TdxBarCustomizingForm* dialog = Open();
  dialog->PageControl->SetActivePage(dialog->tsItems);
  Pump();
  TCommandsListBox* commands = dialog->LCommands;
  const int file = commands->Items()->IndexOf("&File");
  const int open = commands->Items()->IndexOf("&Open...");
  commands->SetItemIndex(open);
  Pump();
  const TRect row = commands->ItemRect(file);
  HWND wnd = commands->Handle();
  const int x = row.Right - 9, y = row.Top + 7;
  EXPECT_EQ(ColorToRGB(WindowPixel(wnd, x, y)), ColorToRGB(clBtnText));
  EXPECT_EQ(ColorToRGB(WindowPixel(wnd, x, y + 6)), ColorToRGB(clBtnText));
  EXPECT_EQ(ColorToRGB(WindowPixel(wnd, x + 3, y + 3)), ColorToRGB(clBtnText));
  EXPECT_EQ(ColorToRGB(WindowPixel(wnd, x + 4, y + 3)), ColorToRGB(clBtnFace));
  const TRect selected = commands->ItemRect(open);
  EXPECT_EQ(ColorToRGB(WindowPixel(wnd, selected.Right - 4, selected.Top + 2)), ColorToRGB(clHighlight));
  EXPECT_EQ(commands->RowHeight, 22);
  EXPECT_EQ(row.Height(), 22);
}

}  // namespace
