// The editors that the Customize dialog opens for a design (the manager's designing flag set, as
// a form designer would): the new-item dialog with its name proposal and checks, the
// add-to-group dialog, the sub-menu editor that carries its menu along, and the dialog's
// design-time pages for categories, commands and groups.
#include "BarsTestKit.h"
#include "bars/dxBarAddGroupItemsEd.h"
#include "bars/dxBarCustLists.h"
#include "bars/dxBarItemEd.h"
#include "bars/dxBarNameEd.h"
#include "bars/dxBarPopupMenuEd.h"
#include "bars/dxBarUtils.h"
#include "controls/ShortCut.h"
#include "windows/Input.h"
#include "windows/Focus.h"
#include "windows/NonClient.h"

namespace {

class DesignEditors : public TGuiTest {
 protected:
  void SetUp() override {
    TGuiTest::SetUp();
    RegisterBarsClasses();
    Design = TCustomForm::Create<TForm>(Application);
    Design->SetName("Design");
    Design->SetBounds(40, 40, 360, 220);
    Design->SetDesigning(true);
    Manager = new TdxBarManager(Design);
    Manager->SetName("bm");
    Manager->Categories()->Add("File");
    Open = AddItem("bbOpen", "&Open", 1);
    Save = AddItem("bbSave", "&Save", 1);
    Copy = AddItem("bbCopy", "&Copy", 0);
    File = AddItem<TdxBarSubItem>("bsFile", "&File", 1);
    File->ItemLinks()->Add()->SetItem(Open);
    File->ItemLinks()->Add()->SetItem(Save);
  }
  void TearDown() override {
    Manager->SetCustomizing(false);
    FreeSubMenuEditor();
    Design->Free();
    TGuiTest::TearDown();
  }
  template <class T = TdxBarButton>
  T* AddItem(const String& Name, const String& Caption, int Category) {
    auto* item = new T(Design);
    item->SetName(Name);
    item->SetCaption(Caption);
    item->SetCategory(Category);
    return item;
  }
  TForm* Design = nullptr;
  TdxBarManager* Manager = nullptr;
  TdxBarButton* Open = nullptr;
  TdxBarButton* Save = nullptr;
  TdxBarButton* Copy = nullptr;
  TdxBarSubItem* File = nullptr;
};

TEST_F(DesignEditors, TheNewItemNameTakesTheFirstFreeNumberWithoutRegardToCase) {
  AddItem("BarButton1", "", 0);
  AddItem("barbutton2", "", 0);
  EXPECT_EQ(ProposeBarItemName(Manager, "TdxBarButton"), "BarButton3");
  EXPECT_EQ(ProposeBarItemName(Manager, "TdxBarSubItem"), "BarSubItem1");
}

TEST_F(DesignEditors, TheNewItemDialogMakesTheItemOfTheChosenKindAndCategory) {
  TestClock().OnWait([&] {
    auto* dialog = dynamic_cast<TdxBarItemAddEditor*>(Screen->ActiveForm());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Caption(), "Add New Tarnwick Item");
    EXPECT_EQ(dialog->ComboBox1->Items()->Count(), 7);
    EXPECT_EQ(dialog->ComboBox1->Items()->Strings(0), "TdxBarButton");
    EXPECT_EQ(dialog->ComboBox2->ItemIndex(), 1);
    EXPECT_EQ(dialog->Edit1->Text(), "BarButton1");
    EXPECT_EQ(dialog->ActiveControl(), dialog->Edit1);
    RenderWindowToPng(dialog->Handle(), "design_new_item.png");
    dialog->ComboBox1->SetFocus();
    PressKey(VK_DOWN);  // TdxBarEdit
  });
  TestClock().OnWait([&] {
    auto* dialog = dynamic_cast<TdxBarItemAddEditor*>(Screen->ActiveForm());
    EXPECT_EQ(dialog->Edit1->Text(), "BarEdit1");
    dialog->Edit1->SetText("bbOPEN");  // taken, without regard to case
    dialog->Edit2->SetText("Find");
    PressKey(VK_RETURN);
  });
  TestClock().OnWait([&] {
    ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
    EXPECT_EQ(MessageBoxes().Shown[0].Text, "A component named bbOPEN already exists");
    auto* dialog = dynamic_cast<TdxBarItemAddEditor*>(Screen->ActiveForm());
    ASSERT_NE(dialog, nullptr);
    dialog->Edit1->SetText("9lives");
    PressKey(VK_RETURN);
  });
  TestClock().OnWait([&] {
    ASSERT_EQ(MessageBoxes().Shown.size(), 2u);
    auto* dialog = dynamic_cast<TdxBarItemAddEditor*>(Screen->ActiveForm());
    dialog->Edit1->SetText(String());
    PressKey(VK_RETURN);
  });
  TestClock().OnWait([&] {
    ASSERT_EQ(MessageBoxes().Shown.size(), 3u);
    EXPECT_EQ(MessageBoxes().Shown[2].Text, "An item needs a name.");
    dynamic_cast<TdxBarItemAddEditor*>(Screen->ActiveForm())->Edit1->SetText("edFind");
    PressKey(VK_RETURN);
  });
  const int before = Manager->ItemCount();
  TdxBarItem* item = AddBarItem(Manager, 1);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(Manager->ItemCount(), before + 1);
  EXPECT_EQ(item->ClassName(), "TdxBarEdit");
  EXPECT_EQ(item->Name(), "edFind");
  EXPECT_EQ(item->Caption(), "Find");
  EXPECT_EQ(item->Category(), 1);
  EXPECT_TRUE(Manager->Modified());
  TestClock().OnWait([&] { PressKey(VK_ESCAPE); });
  EXPECT_EQ(AddBarItem(Manager, 0), nullptr);
  EXPECT_EQ(Manager->ItemCount(), before + 1);
}

// The other groups under "< Groups >" only when there are other groups; the categories with their
// items after; members already in the group are still listed (in grey) and headings are never
// chosen.
TEST_F(DesignEditors, TheAddToGroupDialogListsGroupsAndItemsUnderHeadings) {
  TdxBarGroup* group = Manager->AddGroup();
  group->SetName("grFile");
  group->Add(Open);
  {
    TComponentPtr<TfrmAddGroupItems> dialog(new TfrmAddGroupItems(group));
    TStrings* rows = dialog->lbGroupItems->Items();
    EXPECT_EQ(rows->Text(), "~Default\r\n&Copy\r\n~File\r\n&Open\r\n&Save\r\n&File\r\n");
  }
  TdxBarGroup* other = Manager->AddGroup();
  other->SetName("grOther");
  TComponentPtr<TfrmAddGroupItems> dialog(new TfrmAddGroupItems(group));
  TStrings* rows = dialog->lbGroupItems->Items();
  EXPECT_EQ(rows->Strings(0), "~< Groups >");
  EXPECT_EQ(rows->Strings(1), "grOther");
  EXPECT_TRUE(dialog->IsHeading(0));
  EXPECT_FALSE(dialog->IsHeading(1));
  dialog->lbGroupItems->SetSelected(0, true);
  dialog->lbGroupItems->SetSelected(1, true);
  dialog->lbGroupItems->SetSelected(rows->IndexOf("&Save"), true);
  EXPECT_EQ(dialog->Chosen(), (std::vector<TComponent*>{other, Save}));
  dialog.reset();
  // OK appends the chosen rows to the list.
  TestClock().OnWait([&] {
    auto* shown = dynamic_cast<TfrmAddGroupItems*>(Screen->ActiveForm());
    ASSERT_NE(shown, nullptr);
    shown->lbGroupItems->SetSelected(1, true);
    RenderWindowToPng(shown->Handle(), "design_add_group_items.png");
    PressKey(VK_RETURN);
  });
  std::vector<TComponent*> list{Copy};
  EXPECT_TRUE(ChooseGroupItems(group, list));
  EXPECT_EQ(list, (std::vector<TComponent*>{Copy, other}));
  TestClock().OnWait([&] { PressKey(VK_ESCAPE); });
  EXPECT_FALSE(ChooseGroupItems(group, list));
  EXPECT_EQ(list.size(), 2u);
}

TEST_F(DesignEditors, TheSubMenuEditorCarriesItsMenuAndItsCloseBoxClosesIt) {
  Design->Show();
  Pump();
  ShowSubMenuEditor(File->ItemLinks());
  Pump();
  TdxBarSubMenuEditor* editor = SubMenuEditor();
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(Manager->IsCustomizing());
  ASSERT_NE(CustomizingForm(), nullptr);
  EXPECT_EQ(CustomizingForm()->PageControl->ActivePage(), CustomizingForm()->tsItems);
  TdxBarSubMenuControl* menu = editor->Menu();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->Left(), editor->Left());
  EXPECT_EQ(menu->Top(), editor->Top() + editor->Height());
  EXPECT_EQ(editor->Width(), menu->Width());
  RenderWindowToPng(menu->Handle(), "design_submenu_editor_menu.png");
  editor->SetBounds(editor->Left() + 30, editor->Top() + 20, editor->Width(), editor->Height());
  Pump();
  EXPECT_EQ(menu->Left(), editor->Left());
  EXPECT_EQ(menu->Top(), editor->Top() + editor->Height());
  // The editor's size is fixed at the menu's width and its own height.
  MINMAXINFO limits{};
  SendMessage(editor->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(limits.ptMinTrackSize, (TPoint{menu->Width(), editor->Height()}));
  EXPECT_EQ(limits.ptMaxTrackSize, limits.ptMinTrackSize);
  SendMessage(editor->Handle(), WM_NCLBUTTONDOWN, HTCLOSE, 0);
  Pump();
  EXPECT_EQ(File->ItemLinks()->BarControl(), nullptr);
}

// At design time the dialog shows every command with a short cut in three columns, and the groups.
TEST_F(DesignEditors, TheDesignTimePagesShowAllCommandsAndTheGroups) {
  Open->SetShortCut(ShortCut('O', ssCtrl));
  Design->Show();
  Manager->SetCustomizing(true);
  Pump();
  TdxBarCustomizingForm* dialog = CustomizingForm();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->tsAllCommands->TabVisible());
  EXPECT_TRUE(dialog->tsGroups->TabVisible());
  EXPECT_FALSE(dialog->BBarReset->Visible());
  EXPECT_EQ(dialog->LAllCommands->Items()->Text(), "bbOpen\r\nbbSave\r\nbbCopy\r\n");
  dialog->PageControl->SetActivePage(dialog->tsAllCommands);
  Pump();
  RenderWindowToPng(dialog->Handle(), "design_all_commands.png");
  Click(dialog->CBShowCommandsWithShortCut, TPoint{5, 5});
  Pump();
  EXPECT_EQ(dialog->LAllCommands->Items()->Text(), "bbOpen\r\nbbSave\r\nbbCopy\r\nbsFile\r\n");
  dialog->PageControl->SetActivePage(dialog->tsItems);
  Pump();
  RenderWindowToPng(dialog->Handle(), "design_commands.png");

  // Groups: one added and selected, items added through the add-to-group dialog, moved, deleted.
  dialog->PageControl->SetActivePage(dialog->tsGroups);
  Pump();
  Click(dialog->btnGroupAdd, TPoint{5, 5});
  Pump();
  ASSERT_EQ(Manager->GroupCount(), 1);
  EXPECT_EQ(Manager->Groups(0)->Name(), "dxBarGroup1");
  EXPECT_EQ(dialog->lbGroups->ItemIndex(), 0);
  TestClock().OnWait([&] {
    auto* choose = dynamic_cast<TfrmAddGroupItems*>(Screen->ActiveForm());
    ASSERT_NE(choose, nullptr);
    TStrings* rows = choose->lbGroupItems->Items();
    choose->lbGroupItems->SetSelected(rows->IndexOf("&Open"), true);
    choose->lbGroupItems->SetSelected(rows->IndexOf("&Save"), true);
    PressKey(VK_RETURN);
  });
  Click(dialog->btnGroupItemAdd, TPoint{5, 5});
  Pump();
  TdxBarGroup* group = Manager->Groups(0);
  ASSERT_EQ(group->Count(), 2);
  EXPECT_EQ(dialog->lbGroupItems->Items()->Text(), "bbOpen\r\nbbSave\r\n");
  const TRect second = dialog->lbGroupItems->ItemRect(1);
  Click(dialog->lbGroupItems, TPoint{second.Left + 3, second.Top + 3});
  Pump();
  EXPECT_TRUE(dialog->btnMoveUp->Enabled());
  EXPECT_FALSE(dialog->btnMoveDown->Enabled());
  Click(dialog->btnMoveUp, TPoint{5, 5});
  Pump();
  EXPECT_EQ(group->Items(0), Save);
  EXPECT_FALSE(dialog->btnMoveUp->Enabled());
  RenderWindowToPng(dialog->Handle(), "design_groups.png");
  Click(dialog->btnGroupItemDelete, TPoint{5, 5});
  Pump();
  EXPECT_EQ(group->Count(), 1);
  Click(dialog->btnGroupDelete, TPoint{5, 5});
  Pump();
  EXPECT_EQ(Manager->GroupCount(), 0);
  EXPECT_EQ(dialog->lbGroups->Items()->Count(), 0);
  EXPECT_FALSE(dialog->btnGroupItemAdd->Enabled());
}

// The categories are added, renamed and deleted through the name dialog and a question, the
// commands moved within their category, and a command dragged onto a category joins it.
TEST_F(DesignEditors, CategoriesAndCommandsAreEditedAtDesignTime) {
  Design->Show();
  Manager->SetCustomizing(true);
  Pump();
  TdxBarCustomizingForm* dialog = CustomizingForm();
  dialog->SetBounds(450, 300, dialog->Width(), dialog->Height());
  dialog->PageControl->SetActivePage(dialog->tsItems);
  Pump();
  TestClock().OnWait([&] {
    auto* names = dynamic_cast<TdxBarNameEd*>(Screen->ActiveForm());
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(names->Caption(), "Insert Category");
    EXPECT_EQ(names->LName->Caption(), "&Category name:");
    names->EName->SetText("Edit");
    PressKey(VK_RETURN);
  });
  dialog->LCategories->SetFocus();
  PressKey(VK_INSERT);  // before the selected "Default"
  Pump();
  EXPECT_EQ(Manager->Categories()->Text(), "Edit\r\nDefault\r\nFile\r\n");
  EXPECT_EQ(Copy->Category(), 1);
  EXPECT_EQ(dialog->SelectedCategory(), 0);
  // The categories menu's Delete asks first.
  MessageBoxes().Answers.push_back(IDOK);
  dialog->CategoriesPopupMenu->ItemLinks()->Items(5)->Item()->Click();
  Pump();
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
  EXPECT_EQ(MessageBoxes().Shown[0].Text, "Are you sure you want to delete the 'Edit' category?");
  EXPECT_EQ(Manager->Categories()->Text(), "Default\r\nFile\r\n");

  // In "File": Ctrl+Down moves the selected command after its neighbour.
  dialog->SelectCategory(1);
  Pump();
  EXPECT_EQ(dialog->LCommands->Items()->Text(), "&Open\r\n&Save\r\n&File\r\n");
  dialog->LCommands->SetFocus();
  dialog->LCommands->SetItemIndex(0);
  PressKey(VK_DOWN, ssCtrl);
  Pump();
  EXPECT_EQ(dialog->LCommands->Items()->Text(), "&Save\r\n&Open\r\n&File\r\n");
  std::vector<TdxBarItem*> order;
  Manager->GetItemsOfCategory(1, order);
  EXPECT_EQ(order, (std::vector<TdxBarItem*>{Save, Open, File}));

  // Dragged onto "Default" in the categories list, "&Open" joins that category after its commands.
  const int row = dialog->LCommands->Items()->IndexOf("&Open");
  const TRect r = dialog->LCommands->ItemRect(row);
  const TPoint press{r.Left + 30, (r.Top + r.Bottom) / 2};
  const TRect target = dialog->LCategories->ItemRect(0);
  const TPoint drop = dialog->LCategories->ClientToScreen(TPoint{target.Left + 10, target.Top + 3});
  TestClock().OnWait([&] { MouseAt(TMouseInput::Move, dialog->LCommands->ClientToScreen(TPoint{press.X, press.Y + 8})); });
  TestClock().OnWait([&] { MouseAt(TMouseInput::Move, drop); });
  TestClock().OnWait([&] {
    EXPECT_EQ(dialog->SelectedCategory(), 0);
    EXPECT_EQ(Screen->Cursor(), crdxBarDrag);
    MouseAt(TMouseInput::Release, drop);
  });
  MouseDown(dialog->LCommands, press);
  Pump();
  EXPECT_EQ(Open->Category(), 0);
  std::vector<TdxBarItem*> defaults;
  Manager->GetItemsOfCategory(0, defaults);
  EXPECT_EQ(defaults, (std::vector<TdxBarItem*>{Copy, Open}));
}

}  // namespace
