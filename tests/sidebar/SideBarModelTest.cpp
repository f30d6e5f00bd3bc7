// The side bar's model: values shown from a stored item while IsDefault holds, the stored-item
// cascade across side bars, which group is open after changes, the item click with stored items
// and actions, ignored out-of-range values, the store's categories, what its customization window
// hears, and the stored layout.
#include "SideBarKit.h"

#include "classes/Filer.h"
#include "classes/LayoutText.h"
#include "controls/ActnList.h"

namespace {

class SideBarModel : public TSideBarTest {
 protected:
  void SetUp() override {
    TSideBarTest::SetUp();
    store = new TdxSideBarStore(Form);
    store->SetName("Store");
    stored = AddStored("siStudents", "学生资料");
  }
  TdxStoredSideItem* AddStored(const String& Name, const String& Caption) {
    auto* item = new TdxStoredSideItem(Form);
    item->SetName(Name);
    item->SetStore(store);
    item->SetCaption(Caption);
    return item;
  }
  TdxSideBarStore* store = nullptr;
  TdxStoredSideItem* stored = nullptr;
};

TEST_F(SideBarModel, AnItemShowsItsStoredItemUntilGivenADifferentValueOfItsOwn) {
  TdxSideBar* bar = AddSideBar();
  bar->SetStore(store);
  TdxSideBarItem* item = AddGroup(bar, "信息栏目")->Items()->Add();
  stored->SetTag(7);
  stored->SetHint("学生|查看学生资料");
  item->SetStoredItem(stored);
  EXPECT_TRUE(item->IsDefault());
  EXPECT_EQ(item->Caption(), "学生资料");
  EXPECT_EQ(item->Tag(), 7);
  stored->SetCaption("学生名册");
  EXPECT_EQ(item->Caption(), "学生名册");

  item->SetCaption("学生名册");  // the stored item's value: still its own
  EXPECT_TRUE(item->IsDefault());
  item->SetCaption("我的学生");
  EXPECT_FALSE(item->IsDefault());
  stored->SetCaption("学生");
  EXPECT_EQ(item->Caption(), "我的学生");
  EXPECT_EQ(item->Hint(), "学生|查看学生资料");  // copied when IsDefault went off

  item->SetIsDefault(true);
  EXPECT_EQ(item->Caption(), "学生");
  stored->SetCaption("学生资料");
  EXPECT_EQ(item->Caption(), "学生资料");
}

TEST_F(SideBarModel, FreeingAStoredItemDeletesItsItemsInEverySideBarOfTheStore) {
  TdxSideBar* left = AddSideBar("sbLeft");
  TdxSideBar* right = AddSideBar("sbRight", 200);
  std::vector<String> deleted;
  for (TdxSideBar* bar : {left, right}) {
    bar->SetStore(store);
    TdxSideGroup* group = AddGroup(bar, "组", {"自己的"});
    group->Items()->Add()->SetStoredItem(stored);
    bar->OnDeleteItem = [&deleted](TObject* sender, TdxSideBarItem* item) {
      deleted.push_back(static_cast<TdxSideBar*>(sender)->Name() + ":" + item->Caption());
    };
  }
  stored->Free();
  EXPECT_EQ(deleted, (std::vector<String>{"sbLeft:学生资料", "sbRight:学生资料"}));
  for (TdxSideBar* bar : {left, right}) {
    ASSERT_EQ(bar->Groups()->Items(0)->Items()->Count(), 1);
    EXPECT_EQ(Item(bar, 0, 0)->Caption(), "自己的");
  }
  // The store takes its remaining stored items, and their side-bar items, with it.
  TdxSideBar* third = AddSideBar("sbThird", 300);
  third->SetStore(store);
  AddGroup(third, "组")->Items()->Add()->SetStoredItem(AddStored("siTeachers", "教师资料"));
  store->Free();
  EXPECT_EQ(third->Groups()->Items(0)->Items()->Count(), 0);
  EXPECT_EQ(third->Store(), nullptr);
}

TEST_F(SideBarModel, TheOpenGroupFollowsNewDeletedAndHiddenGroups) {
  TdxSideBar* bar = AddSideBar();
  int changes = 0;
  bar->OnChangeActiveGroup = [&changes](TObject*) { ++changes; };
  EXPECT_EQ(bar->ActiveGroupIndex(), -1);
  TdxSideGroup* first = AddGroup(bar, "一");
  EXPECT_EQ(bar->ActiveGroup(), first);  // the first group opens
  TdxSideGroup* second = AddGroup(bar, "二");
  TdxSideGroup* third = AddGroup(bar, "三");
  EXPECT_EQ(bar->ActiveGroup(), first);
  bar->SetActiveGroupIndex(1);
  EXPECT_EQ(bar->ActiveGroup(), second);
  changes = 0;
  delete second;  // the open group goes: the first visible one opens
  EXPECT_EQ(bar->ActiveGroup(), first);
  EXPECT_EQ(bar->ActiveGroupIndex(), 0);
  EXPECT_EQ(changes, 1);

  bar->SetActiveGroupIndex(1);
  EXPECT_EQ(bar->ActiveGroup(), third);
  first->SetVisible(false);  // the open group's place among the visible ones changes
  EXPECT_EQ(bar->ActiveGroupIndex(), 0);
  third->SetVisible(false);  // nothing visible: no group is open
  EXPECT_EQ(bar->ActiveGroup(), nullptr);
  EXPECT_EQ(bar->ActiveGroupIndex(), -1);
  first->SetVisible(true);
  third->SetVisible(true);
  bar->SetActiveGroupIndex(5);  // out of range: the first visible group
  EXPECT_EQ(bar->ActiveGroup(), first);
}

TEST_F(SideBarModel, ItemClicksRunTheStoredItemOrItsActionAndOnItemClickUnlessTheStoredItemHandlesIt) {
  TdxSideBar* bar = AddSideBar();
  bar->SetStore(store);
  TdxSideGroup* group = AddGroup(bar, "组", {"自己的"});
  auto* action = new TAction(Form);
  int executed = 0;
  action->OnExecute = [&executed](TObject*) { ++executed; };
  TdxStoredSideItem* withAction = AddStored("siAction", "动作");
  withAction->SetAction(action);
  group->Items()->Add()->SetStoredItem(withAction);
  group->Items()->Add()->SetStoredItem(stored);
  std::vector<String> clicks;
  bar->OnItemClick = [&clicks](TObject*, TdxSideBarItem* item) { clicks.push_back(item->Caption()); };
  stored->OnClick = [&clicks](TObject*, TdxSideBarItem* item) { clicks.push_back("stored:" + item->Caption()); };

  for (int i = 0; i < 3; ++i) bar->DoItemClick(Item(bar, 0, i));
  EXPECT_EQ(clicks, (std::vector<String>{"自己的", "", "stored:学生资料"}));
  EXPECT_EQ(executed, 1);

  clicks.clear();
  Item(bar, 0, 0)->SetEnabled(false);
  bar->DoItemClick(Item(bar, 0, 0));
  EXPECT_TRUE(clicks.empty());
}

TEST_F(SideBarModel, AStoredItemFollowsItsActionAndAHiddenActionDisablesIt) {
  auto* action = new TAction(Form);
  action->SetCaption("学生资料(&S)");
  action->SetHint("学生|查看学生资料");
  action->SetImageIndex(3);
  stored->SetAction(action);
  EXPECT_EQ(stored->Caption(), "学生资料(&S)");
  EXPECT_EQ(stored->Hint(), "学生|查看学生资料");
  EXPECT_EQ(stored->LargeImage(), 3);
  EXPECT_TRUE(stored->Enabled());
  action->SetVisible(false);
  EXPECT_FALSE(stored->Enabled());
  action->SetVisible(true);
  action->SetEnabled(false);
  EXPECT_FALSE(stored->Enabled());
  EXPECT_FALSE(stored->StoresOwnValues());
}

TEST_F(SideBarModel, ValuesOutOfRangeAreIgnored) {
  TdxSideBar* bar = AddSideBar();
  struct TCase {
    const char* What;
    std::function<void()> Set;
    std::function<int()> Get;
    int Kept;
  };
  const TCase cases[] = {
      {"SpaceHeight 4", [&] { bar->SetSpaceHeight(4); }, [&] { return bar->SpaceHeight(); }, 7},
      {"GroupHeightOffSet 10", [&] { bar->SetGroupHeightOffSet(10); }, [&] { return bar->GroupHeightOffSet(); }, 0},
      {"GroupHeightOffSet -1", [&] { bar->SetGroupHeightOffSet(-1); }, [&] { return bar->GroupHeightOffSet(); }, 0},
      {"ScrollDelay 0", [&] { bar->SetScrollDelay(0); }, [&] { return bar->ScrollDelay(); }, 300},
      {"Step 0", [&] { bar->BkGround()->SetStep(0); }, [&] { return bar->BkGround()->Step(); }, 2},
      {"DefaultLargeImage -2", [&] { store->SetDefaultLargeImage(-2); }, [&] { return store->DefaultLargeImage(); }, -1},
      {"DefaultSmallImage -3", [&] { store->SetDefaultSmallImage(-3); }, [&] { return store->DefaultSmallImage(); }, -1},
      {"Category 5 of 1", [&] { stored->SetCategory(5); }, [&] { return stored->Category(); }, 0},
  };
  for (const TCase& c : cases) {
    c.Set();
    EXPECT_EQ(c.Get(), c.Kept) << c.What;
  }
  bar->SetSpaceHeight(5);
  EXPECT_EQ(bar->SpaceHeight(), 5);
  bar->SetGroupHeightOffSet(9);
  EXPECT_EQ(bar->GroupHeightOffSet(), 9);
}

// Another bar's look is copied, never shared: changing the source afterwards leaves the copy.
TEST_F(SideBarModel, TheLookIsCopiedFromAnotherBar) {
  TdxSideBar* source = AddSideBar("sbSource");
  TdxSideBar* bar = AddSideBar("sbCopy", 200);
  source->BkGround()->SetFillStyle(bfsVert);
  source->BkPicture()->Bitmap()->SetSize(8, 6);
  source->GroupFont()->SetSize(14);
  source->ItemFont()->SetColor(clRed);
  bar->SetBkGround(source->BkGround());
  bar->SetBkPicture(source->BkPicture());
  bar->SetGroupFont(source->GroupFont());
  bar->SetItemFont(source->ItemFont());
  source->BkGround()->SetFillStyle(bfsNone);
  source->GroupFont()->SetSize(9);
  EXPECT_EQ(bar->BkGround()->FillStyle(), bfsVert);
  EXPECT_EQ(bar->BkPicture()->Width(), 8);
  EXPECT_EQ(bar->GroupFont()->Size(), 14);
  EXPECT_EQ(bar->ItemFont()->Color(), clRed);
}

TEST_F(SideBarModel, CategoriesThatHoldItemsCannotGoAndTheRestRenumberTheirItems) {
  TStrings* categories = store->Categories();
  ASSERT_EQ(categories->Text(), "Default\r\n");
  categories->Add("学生");
  categories->Add("教师");
  TdxStoredSideItem* teachers = AddStored("siTeachers", "教师资料");
  teachers->SetCategory(2);

  EXPECT_THROW(
      {
        try {
          categories->Delete(2);
        } catch (const EdxSideBarError& e) {
          EXPECT_STREQ(e.what(), "Can't delete the group. It has items.");
          throw;
        }
      },
      EdxSideBarError);
  EXPECT_EQ(categories->Count(), 3);
  EXPECT_THROW(categories->Clear(), EdxSideBarError);

  categories->Delete(1);  // empty: the later category moves down
  EXPECT_EQ(teachers->Category(), 1);
  categories->Insert(0, "行政");
  EXPECT_EQ(teachers->Category(), 2);
  EXPECT_EQ(stored->Category(), 1);
  categories->Exchange(0, 2);
  EXPECT_EQ(teachers->Category(), 0);
  categories->Move(0, 2);  // 教师, Default, 行政 -> Default, 行政, 教师: the items keep their names
  EXPECT_EQ(categories->Strings(teachers->Category()), "教师");
  EXPECT_EQ(categories->Strings(stored->Category()), "Default");

  TStringList shorter;
  shorter.Add("一");
  EXPECT_THROW(store->SetCategories(&shorter), EdxSideBarError);
  TStringList longer;
  for (const char* name : {"甲", "乙", "丙", "丁"}) longer.Add(name);
  store->SetCategories(&longer);
  EXPECT_EQ(categories->Count(), 4);
  EXPECT_EQ(categories->Strings(teachers->Category()), "丙");

  teachers->Free();
  stored->Free();
  categories->Clear();
  EXPECT_EQ(categories->Text(), "Default\r\n");  // an emptied list gets its default back
}

// A customization window (outside the side bar) hears of each change of a stored item, and of
// the whole list when stored items come and go.
TEST_F(SideBarModel, TheStoreTellsItsCustomizationWindowOfChangedItemsAndOfTheList) {
  struct TRecorder : TdxSideBarStoreCustomizer {
    std::vector<TdxStoredSideItem*> told;
    void Refresh(TdxStoredSideItem* Item) override { told.push_back(Item); }
  } window;
  store->SetCustomizer(&window);
  stored->SetCaption("学生");
  stored->SetCaption("学生");  // unchanged: nothing to tell
  stored->SetEnabled(false);
  TdxStoredSideItem* added = AddStored("siTeachers", "教师资料");
  added->Free();
  store->SetCustomizer(nullptr);
  stored->SetHint("closed");
  EXPECT_EQ(window.told, (std::vector<TdxStoredSideItem*>{stored, stored, nullptr, added, nullptr}));
}

// What a form stores of a side bar, its store and stored items reads back into the same tree.
TEST_F(SideBarModel, TheStoredLayoutReadsBackWithItsLinks) {
  TImageList* images = AddImages("ilLarge", 32, {clRed, clBlue});
  TdxSideBar* bar = AddSideBar();
  bar->SetStore(store);
  bar->SetLargeImages(images);
  bar->SetCanSelected(true);
  bar->BkGround()->SetFillStyle(bfsVert);
  bar->BkGround()->SetEndColor(static_cast<TColor>(RGB(66, 207, 219)));
  TdxSideGroup* group = AddGroup(bar, "信息栏目", {"学生资料", "教师资料"});
  group->Items()->Add()->SetStoredItem(stored);
  AddGroup(bar, "")->SetIconType(dxsgSmallIcon);
  Item(bar, 0, 1)->SetLargeImage(1);
  const String first = PrintLayout(TWriter(Form).WriteRootComponent());
  for (const char* name : {"sbInfoList", "siStudents", "Store", "ilLarge"}) Form->FindComponent(name)->Free();

  TReader(Form).ReadRootComponent(ParseLayout(first));
  auto* again = dynamic_cast<TdxSideBar*>(Form->FindComponent("sbInfoList"));
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(PrintLayout(TWriter(Form).WriteRootComponent()), first);
  EXPECT_EQ(again->ActiveGroupIndex(), 0);
  EXPECT_TRUE(again->CanSelected());
  EXPECT_EQ(again->LargeImages(), Form->FindComponent("ilLarge"));
  ASSERT_EQ(again->Groups()->Count(), 2);
  EXPECT_EQ(again->Groups()->Items(1)->Caption(), "");
  EXPECT_EQ(again->Groups()->Items(1)->IconType(), dxsgSmallIcon);
  EXPECT_EQ(Item(again, 0, 1)->LargeImage(), 1);
  EXPECT_EQ(Item(again, 0, 2)->StoredItem(), Form->FindComponent("siStudents"));
  EXPECT_EQ(Item(again, 0, 2)->Caption(), "学生资料");
  EXPECT_EQ(again->Store()->StoredItemCount(), 1);
}

}  // namespace
