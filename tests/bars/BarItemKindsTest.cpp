// The item kinds: check groups, edits, combos with prefix matching, sub items, and list and
// container items that expand into links.
#include "BarsTestKit.h"

namespace {

using BarItemKinds = TBarsTest;

TEST_F(BarItemKinds, CheckGroupKeepsOneButtonDown) {
  std::vector<TdxBarButton*> buttons;
  for (int i = 0; i < 3; ++i) {
    auto* button = AddItem("bbRadio" + std::to_string(i));
    button->SetButtonStyle(bsChecked);
    button->SetGroupIndex(1);
    buttons.push_back(button);
  }
  buttons[0]->Click();
  EXPECT_TRUE(buttons[0]->Down());
  buttons[1]->Click();
  EXPECT_FALSE(buttons[0]->Down());
  EXPECT_TRUE(buttons[1]->Down());
  buttons[1]->Click();
  EXPECT_TRUE(buttons[1]->Down());
  buttons[2]->SetAllowAllUp(true);
  EXPECT_TRUE(buttons[0]->AllowAllUp());
  buttons[1]->Click();
  EXPECT_FALSE(buttons[1]->Down());
}

TEST_F(BarItemKinds, OnlyCheckButtonsGoDownAndChangingStyleReleases) {
  auto* button = AddItem("bbPlain");
  button->SetDown(true);
  EXPECT_FALSE(button->Down());
  button->SetGroupIndex(4);
  EXPECT_EQ(button->GroupIndex(), 0);
  button->SetButtonStyle(bsChecked);
  button->SetGroupIndex(4);
  button->SetDown(true);
  button->SetButtonStyle(bsDropDown);
  EXPECT_FALSE(button->Down());
  EXPECT_EQ(button->GroupIndex(), 4);
}

TEST_F(BarItemKinds, EditLimitsAndAccelerators) {
  auto* edit = AddItem<TdxBarEdit>("edName", "&Name");
  for (const auto& [width, held] : {std::pair{5, 20}, std::pair{1000, 600}, std::pair{150, 150}}) {
    edit->SetWidth(width);
    EXPECT_EQ(edit->Width(), held);
  }
  edit->SetMaxLength(-3);
  EXPECT_EQ(edit->MaxLength(), 0);
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  edit->SetText("abc");
  edit->SetText("abc");
  EXPECT_EQ(changes, 1);
  int curChanges = 0;
  edit->OnCurChange = [&](TObject*) { ++curChanges; };
  edit->CurChange();
  EXPECT_EQ(curChanges, 1);
  EXPECT_FALSE(edit->CanClick());

  TdxBar* bar = AddBar("Tools");
  TdxBarItemLink* onBar = Link(bar->ItemLinks(), edit);
  auto* menu = AddItem<TdxBarSubItem>("bsMenu");
  TdxBarItemLink* inMenu = Link(menu->ItemLinks(), edit);
  EXPECT_FALSE(edit->IsAccelAvailable(onBar));
  EXPECT_TRUE(edit->IsAccelAvailable(inMenu));
  edit->SetShowCaption(true);
  EXPECT_TRUE(edit->IsAccelAvailable(onBar));

  auto* button = AddItem("bbGo", "&Go");
  TdxBarItemLink* buttonOnBar = Link(bar->ItemLinks(), button);
  EXPECT_FALSE(button->IsAccelAvailable(buttonOnBar));
  button->SetPaintStyle(psCaptionGlyph);
  EXPECT_TRUE(button->IsAccelAvailable(buttonOnBar));
  EXPECT_TRUE(button->IsAccelAvailable(Link(menu->ItemLinks(), button)));
  button->SetEnabled(false);
  EXPECT_FALSE(button->IsAccelAvailable(buttonOnBar));
}

TEST_F(BarItemKinds, ComboFindsTheLongestSharedStart) {
  auto* combo = AddItem<TdxBarCombo>("cbFruit");
  combo->Items()->SetText("apple\napricot\nbanana\n");
  const std::pair<const char*, int> cases[] = {{"apx", 0}, {"APR", 1}, {"B", 2}, {"cherry", -1}, {"", -1}};
  for (const auto& [text, index] : cases) EXPECT_EQ(combo->BestPrefixMatch(text), index) << text;
}

TEST_F(BarItemKinds, ComboIndexTextAndList) {
  auto* combo = AddItem<TdxBarCombo>("cbSize");
  combo->Items()->SetText("small\nmedium\nlarge\n");
  int changes = 0;
  combo->OnChange = [&](TObject*) { ++changes; };
  combo->SetItemIndex(1);
  EXPECT_EQ(combo->Text(), "medium");
  combo->SetItemIndex(7);
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Text(), "");
  EXPECT_EQ(changes, 2);
  combo->SetText("LARGE");
  EXPECT_EQ(combo->ItemIndex(), 2);
  combo->SetSorted(true);
  EXPECT_EQ(combo->Items()->CommaText(), "large,medium,small");
  EXPECT_EQ(combo->ItemIndex(), 0);
  combo->Items()->Clear();
  EXPECT_EQ(combo->ItemIndex(), -1);

  EXPECT_TRUE(combo->CheckKeyForDropDownWindow(VK_DOWN, 0));
  EXPECT_FALSE(combo->CheckKeyForDropDownWindow(VK_DOWN, ssShift));
  EXPECT_FALSE(combo->CheckKeyForDropDownWindow('A', 0));
  auto* custom = AddItem<TCustomdxBarCombo>("cbCustom");
  EXPECT_TRUE(custom->CheckKeyForDropDownWindow('A', 0));
  EXPECT_FALSE(custom->CheckKeyForDropDownWindow(VK_ESCAPE, 0));
  custom->OnCheckKeyForDropDownWindow = [](TObject*, WORD Key, TShiftState, bool& Accept) { Accept = Key == VK_ESCAPE; };
  EXPECT_TRUE(custom->CheckKeyForDropDownWindow(VK_ESCAPE, 0));
}

TEST_F(BarItemKinds, SubItemsRefuseToHoldThemselvesAndDropAGoneDetachingBar) {
  auto* file = AddItem<TdxBarSubItem>("bsFile", "&File");
  auto* recent = AddItem<TdxBarSubItem>("bsRecent", "&Recent");
  Link(file->ItemLinks(), recent);
  EXPECT_FALSE(file->CanContainItem(file));
  EXPECT_FALSE(recent->CanContainItem(file));
  EXPECT_TRUE(file->CanContainItem(AddItem("bbOpen")));
  EXPECT_FALSE(file->CanClick());

  AddBar("One");
  TdxBar* two = AddBar("Two");
  file->SetDetachingBar(7);
  EXPECT_EQ(file->DetachingBar(), -1);
  file->SetDetachingBar(1);
  EXPECT_EQ(file->DetachingBar(), 1);
  delete two;
  EXPECT_EQ(file->DetachingBar(), -1);
  file->SetBarSize(-4);
  EXPECT_EQ(file->BarSize(), 0);
}

TEST_F(BarItemKinds, ListItemGeneratesNumberedButtonsWithGroups) {
  auto* list = AddItem<TdxBarListItem>("liWindows");
  list->Items()->SetText("alpha\n-\nbeta\n");
  auto* menu = AddItem<TdxBarSubItem>("bsWindow");
  TdxBarItemLink* source = Link(menu->ItemLinks(), list);
  list->AddListedItemLinks(menu->ItemLinks(), 1, source, true);
  ASSERT_EQ(menu->ItemLinks()->Count(), 3);
  TdxBarItemLink* first = menu->ItemLinks()->Items(1);
  TdxBarItemLink* second = menu->ItemLinks()->Items(2);
  EXPECT_EQ(first->Caption(), "&1 alpha");
  EXPECT_EQ(second->Caption(), "&2 beta");
  EXPECT_TRUE(first->OwnBeginGroup());
  EXPECT_TRUE(second->OwnBeginGroup());
  EXPECT_EQ(first->SourceLink(), source);
  EXPECT_EQ(second->Item()->Tag(), 2);

  int clicks = 0;
  list->OnClick = [&](TObject*) { ++clicks; };
  second->Item()->Click();
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->DataIndex(), 1);
  EXPECT_EQ(clicks, 1);
  list->SetDataIndex(0);
  EXPECT_EQ(list->ItemIndex(), 0);

  list->DeleteListedItemLinks(menu->ItemLinks(), 1);
  EXPECT_EQ(menu->ItemLinks()->Count(), 1);
  TdxBarButton* generated = list->GeneratedButton(0);
  ASSERT_TRUE(generated);
  list->AddListedItemLinks(menu->ItemLinks(), 1, source, false);
  EXPECT_EQ(list->GeneratedButton(0), generated);
  list->ClearItemList();
  EXPECT_EQ(list->GeneratedButton(0), generated);
  list->DeleteListedItemLinks(menu->ItemLinks(), 1);
  list->ClearItemList();
  EXPECT_EQ(list->GeneratedButton(0), nullptr);
  EXPECT_EQ(Manager->FindItemByName("liWindows"), list);
}

TEST_F(BarItemKinds, ListItemHotKeysRunOnToLetters) {
  auto* list = AddItem<TdxBarListItem>("liMany");
  for (int i = 1; i <= 12; ++i) list->Items()->Add("w" + std::to_string(i));
  list->SetShowCheck(true);
  list->SetItemIndex(10);
  auto* menu = AddItem<TdxBarSubItem>("bsMany");
  list->AddListedItemLinks(menu->ItemLinks(), 0, nullptr, false);
  ASSERT_EQ(menu->ItemLinks()->Count(), 12);
  EXPECT_EQ(menu->ItemLinks()->Items(8)->Caption(), "&9 w9");
  EXPECT_EQ(menu->ItemLinks()->Items(9)->Caption(), "&A w10");
  EXPECT_EQ(menu->ItemLinks()->Items(11)->Caption(), "&C w12");
  auto* checked = dynamic_cast<TdxBarButton*>(menu->ItemLinks()->Items(10)->Item());
  EXPECT_TRUE(checked->Down());
  EXPECT_FALSE(dynamic_cast<TdxBarButton*>(menu->ItemLinks()->Items(9)->Item())->Down());
  list->SetShowNumbers(false);
  list->DeleteListedItemLinks(menu->ItemLinks(), 0);
  list->AddListedItemLinks(menu->ItemLinks(), 0, nullptr, false);
  EXPECT_EQ(menu->ItemLinks()->Items(0)->Caption(), "w1");
}

TEST_F(BarItemKinds, ContainerItemCopiesItsLinks) {
  auto* container = AddItem<TdxBarContainerItem>("ciTools");
  auto* cut = AddItem("bbCut");
  auto* copy = AddItem("bbCopy");
  Link(container->ItemLinks(), cut, false);
  Link(container->ItemLinks(), copy, true);
  int data = 0;
  container->OnGetData = [&](TObject*) { ++data; };
  TdxBar* bar = AddBar("Tools");
  TdxBarItemLink* source = Link(bar->ItemLinks(), container);
  container->AddListedItemLinks(bar->ItemLinks(), 1, source, true);
  ASSERT_EQ(bar->ItemLinks()->Count(), 3);
  EXPECT_EQ(bar->ItemLinks()->Items(1)->Item(), cut);
  EXPECT_TRUE(bar->ItemLinks()->Items(1)->OwnBeginGroup());
  EXPECT_TRUE(bar->ItemLinks()->Items(2)->OwnBeginGroup());
  EXPECT_EQ(bar->ItemLinks()->Items(2)->SourceLink(), source);
  EXPECT_EQ(data, 1);
  container->AddListedItemLinks(container->ItemLinks(), 0, nullptr, false);
  EXPECT_EQ(container->ItemLinks()->Count(), 2);
  container->DeleteListedItemLinks(bar->ItemLinks(), 1);
  EXPECT_EQ(bar->ItemLinks()->Count(), 1);
}

}  // namespace
