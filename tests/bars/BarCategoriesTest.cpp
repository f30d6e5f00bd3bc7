// Categories that keep their items while the list changes, per-category visibility with bars
// hidden when they empty, and item groups.
#include "BarsTestKit.h"

namespace {

class BarCategories : public TBarsTest {
 protected:
  void SetUp() override {
    TBarsTest::SetUp();
    Categories()->Clear();
    for (const char* name : {"A", "B", "C"}) Categories()->Add(name);
    A = AddItem("a", "a", 0);
    B = AddItem("b", "b", 1);
    C = AddItem("c", "c", 2);
  }
  TdxBarManagerCategories* Categories() { return Manager->Categories(); }
  String CategoryOf(const TdxBarItem* Item) { return Categories()->Strings(Item->Category()); }
  TdxBarButton *A, *B, *C;
};

TEST_F(BarCategories, ItemsKeepTheirCategoryNameThroughMoveInsertAndExchange) {
  Categories()->Move(0, 2);
  EXPECT_EQ(Categories()->CommaText(), "B,C,A");
  EXPECT_EQ(CategoryOf(A), "A");
  EXPECT_EQ(CategoryOf(B), "B");
  EXPECT_EQ(CategoryOf(C), "C");
  Categories()->Move(2, 0);
  EXPECT_EQ(Categories()->CommaText(), "A,B,C");
  EXPECT_EQ(CategoryOf(A), "A");
  EXPECT_EQ(CategoryOf(C), "C");
  Categories()->Insert(1, "X");
  EXPECT_EQ(Categories()->CommaText(), "A,X,B,C");
  EXPECT_EQ(CategoryOf(B), "B");
  EXPECT_EQ(CategoryOf(C), "C");
  Categories()->Exchange(0, 3);
  EXPECT_EQ(CategoryOf(A), "A");
  EXPECT_EQ(CategoryOf(C), "C");
  Categories()->Add("Z");
  EXPECT_EQ(CategoryOf(C), "C");
}

TEST_F(BarCategories, DeletingACategoryDestroysItsItemsAndDefaultComesBack) {
  TdxBar* bar = AddBar("Tools");
  Link(bar->ItemLinks(), B);
  Categories()->Delete(1);
  EXPECT_EQ(Form->FindComponent("b"), nullptr);
  EXPECT_EQ(bar->ItemLinks()->Count(), 0);
  EXPECT_EQ(CategoryOf(C), "C");
  EXPECT_EQ(Manager->ItemCount(), 2);
  Categories()->Delete(0);
  Categories()->Delete(0);
  EXPECT_EQ(Manager->ItemCount(), 0);
  EXPECT_EQ(Categories()->CommaText(), "Default");
  EXPECT_THROW(Categories()->Delete(5), EListError);
}

TEST_F(BarCategories, HidingACategoryHidesTheBarsItEmptiesAndShowsThemAgain) {
  Manager->SetAutoHideEmptyBars(true);
  TdxBar* onlyB = AddBar("OnlyB");
  Link(onlyB->ItemLinks(), B);
  TdxBar* mixed = AddBar("Mixed");
  Link(mixed->ItemLinks(), B);
  Link(mixed->ItemLinks(), C);
  TdxBar* empty = AddBar("Empty");
  TdxBar* hiddenAlready = AddBar("Hidden");
  Link(hiddenAlready->ItemLinks(), B);
  for (TdxBar* bar : {onlyB, mixed, empty}) bar->SetVisible(true);
  auto* own = AddItem("own", "own", 1);
  own->SetVisible(ivInCustomizing);

  Manager->SetCategoryItemsVisible(1, ivNever);
  EXPECT_EQ(B->Visible(), ivNever);
  EXPECT_EQ(own->Visible(), ivInCustomizing);
  EXPECT_FALSE(onlyB->Visible());
  EXPECT_TRUE(onlyB->HiddenWhenEmpty());
  EXPECT_TRUE(mixed->Visible());
  EXPECT_TRUE(empty->Visible());
  EXPECT_FALSE(hiddenAlready->HiddenWhenEmpty());
  EXPECT_EQ(Manager->CategoryItemsVisible(1), ivNever);

  Manager->SetCategoryItemsVisible(1, ivAlways);
  EXPECT_EQ(B->Visible(), ivAlways);
  EXPECT_TRUE(onlyB->Visible());
  EXPECT_FALSE(onlyB->HiddenWhenEmpty());
  EXPECT_FALSE(hiddenAlready->Visible());
  EXPECT_FALSE(Manager->UpdateLocked());
}

TEST_F(BarCategories, OutOfRangeCategoriesReadAsNeverAndAreIgnored) {
  EXPECT_EQ(Manager->CategoryItemsVisible(7), ivNever);
  EXPECT_FALSE(Manager->CategoryVisible(-1));
  Manager->SetCategoryItemsVisible(7, ivNever);
  Manager->SetCategoryVisible(7, false);
  EXPECT_EQ(Manager->CategoryItemsVisible(0), ivAlways);
  EXPECT_TRUE(Manager->CategoryVisible(0));
  A->SetCategory(9);
  EXPECT_EQ(A->Category(), 0);
}

TEST_F(BarCategories, VisibilityOfCategoriesTravelsInTheLayout) {
  Manager->SetCategoryItemsVisible(1, ivInCustomizing);
  Manager->SetCategoryVisible(2, false);
  const String text = WriteLayout(Form);
  EXPECT_NE(text.find("Categories.ItemsVisibles = (\n      2\n      1\n      2)"), String::npos) << text;

  auto* copy = TCustomForm::Create<TForm>(Application);
  ReadLayout(text, copy);
  TdxBarManager* read = ManagerOfForm(copy);
  EXPECT_EQ(read->CategoryItemsVisible(1), ivInCustomizing);
  EXPECT_FALSE(read->CategoryVisible(2));
  EXPECT_EQ(read->FindItemByName("b")->Visible(), ivInCustomizing);
  copy->Free();
}

using BarGroups = BarCategories;

TEST_F(BarGroups, MembersAndTheRecursionCheck) {
  TdxBarGroup* outer = Manager->AddGroup();
  TdxBarGroup* inner = Manager->AddGroup();
  outer->Add(A);
  outer->Add(inner);
  outer->Add(A);
  outer->Add(nullptr);
  outer->Add(Form);
  inner->Add(B);
  EXPECT_EQ(outer->Count(), 2);
  for (TdxBarGroup* group : {outer, inner}) {
    try {
      inner->Add(group);
      ADD_FAILURE();
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), "You cannot create recursive groups");
    }
  }
  EXPECT_EQ(inner->Count(), 1);
  EXPECT_EQ(Manager->GroupCount(), 2);
  inner->SetIndex(0);
  EXPECT_EQ(Manager->Groups(0), inner);
  B->Free();
  EXPECT_EQ(inner->Count(), 0);
}

TEST_F(BarGroups, EnabledAndVisibleReachNestedMembers) {
  TdxBarGroup* outer = Manager->AddGroup();
  TdxBarGroup* inner = Manager->AddGroup();
  outer->Add(A);
  outer->Add(inner);
  inner->Add(B);
  outer->SetEnabled(false);
  EXPECT_FALSE(A->Enabled());
  EXPECT_FALSE(B->Enabled());
  EXPECT_FALSE(inner->Enabled());
  EXPECT_TRUE(C->Enabled());
  outer->SetVisible(ivNever);
  EXPECT_EQ(A->Visible(), ivNever);
  EXPECT_EQ(B->Visible(), ivNever);
  EXPECT_FALSE(Manager->UpdateLocked());
}

TEST_F(BarGroups, AMemberMissingFromTheLayoutIsLeftOut) {
  TdxBarGroup* group = Manager->AddGroup();
  group->SetName("grAll");
  group->Add(A);
  group->Add(B);
  String text = WriteLayout(Form);
  ASSERT_NE(text.find("Items = (\n        a\n        b)"), String::npos) << text;
  text.replace(text.find("object b: "), 10, "object x: ");

  auto* copy = TCustomForm::Create<TForm>(Application);
  ReadLayout(text, copy);
  TdxBarManager* read = ManagerOfForm(copy);
  ASSERT_EQ(read->GroupCount(), 1);
  ASSERT_EQ(read->Groups(0)->Count(), 1);
  EXPECT_EQ(read->Groups(0)->Items(0)->Name(), "a");
  copy->Free();
}

}  // namespace
