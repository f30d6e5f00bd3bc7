// The side bar's groups and items kept in the registry: written when the side bar goes, read when
// a stored layout loads it; stale keys go, a count of 0 keeps the layout's groups, a stored item
// that is gone leaves the item's own values, and damaged or unreadable data keeps the layout's
// groups and is reported rather than failing the load.
#include "SideBarKit.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "classes/Filer.h"
#include "settings/Registry.h"
#include "support/TempDir.h"

namespace {

const char* const Key = "Software\\Tolvik\\SideBar";

class SideBarRegistry : public TSideBarTest {
 protected:
  void SetUp() override {
    const char* previous = std::getenv("QUORIN_REGISTRY");
    FPrevious = previous ? previous : "";
    setenv("QUORIN_REGISTRY", RegistryFile().c_str(), 1);
    TSideBarTest::SetUp();
    store = new TdxSideBarStore(Form);
    store->SetName("Store");
    auto* stored = new TdxStoredSideItem(Form);
    stored->SetName("siStudents");
    stored->SetStore(store);
    stored->SetCaption("学生资料");
  }
  void TearDown() override {
    TSideBarTest::TearDown();
    setenv("QUORIN_REGISTRY", FPrevious.c_str(), 1);
  }
  std::string RegistryFile() const { return Dir.File("registry.ini"); }
  std::string RegistryText() const {
    std::ifstream in(RegistryFile(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // A side bar read from a stored layout with one group of its own, kept in the registry.
  TdxSideBar* LoadSideBar() {
    ReadLayout(
        "object Form1: TForm\n"
        "  object sbStored: TdxSideBar\n"
        "    Store = Store\n"
        "    RegistryPath = 'Software\\Tolvik\\SideBar'\n"
        "    StoreInRegistry = True\n"
        "    Groups = <\n"
        "      item\n"
        "        Caption = '原有'\n"
        "      end>\n"
        "  end\n"
        "end\n",
        Form);
    return dynamic_cast<TdxSideBar*>(Form->FindComponent("sbStored"));
  }

  TdxSideBarStore* store = nullptr;

 private:
  TempDir Dir;
  std::string FPrevious;
};

TEST_F(SideBarRegistry, TheGroupsWrittenWhenTheSideBarGoesReadBackWhenItLoads) {
  TdxSideBar* bar = AddSideBar();
  bar->SetStore(store);
  TdxSideGroup* info = AddGroup(bar, "信息栏目", {"教师资料"});
  TdxSideBarItem* teachers = Item(bar, 0, 0);
  teachers->SetCustomData("T01");
  teachers->SetHint("教师|全部教师");
  teachers->SetLargeImage(1);
  teachers->SetSmallImage(2);
  teachers->SetTag(5);
  info->Items()->Add()->SetStoredItem(store->FindStoredItem("SISTUDENTS"));
  AddGroup(bar, "设置", {"口令"})->SetIconType(dxsgSmallIcon);
  bar->SetRegistryPath(Key);
  bar->SetStoreInRegistry(true);
  bar->Free();

  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("\\Software\\Tolvik\\SideBar", false));
  EXPECT_EQ(reg.ReadInteger("GroupCount"), 2);
  ASSERT_TRUE(reg.OpenKey("\\Software\\Tolvik\\SideBar\\Group1", false));
  EXPECT_EQ(reg.ReadString("Caption"), "设置");
  EXPECT_EQ(reg.ReadInteger("IconType"), 1);
  EXPECT_EQ(reg.ReadInteger("ItemCount"), 1);
  ASSERT_TRUE(reg.OpenKey("\\Software\\Tolvik\\SideBar\\Group0\\Item0", false));
  EXPECT_EQ(reg.ReadString("Hint"), "教师|全部教师");
  EXPECT_FALSE(reg.ValueExists("StoredItem"));
  ASSERT_TRUE(reg.OpenKey("\\Software\\Tolvik\\SideBar\\Group0\\Item1", false));
  EXPECT_EQ(reg.ReadString("StoredItem"), "siStudents");
  EXPECT_TRUE(reg.ReadBool("IsDefault"));

  TdxSideBar* again = LoadSideBar();
  ASSERT_EQ(again->Groups()->Count(), 2);  // the layout's own group is replaced
  EXPECT_EQ(again->Groups()->Items(0)->Caption(), "信息栏目");
  EXPECT_EQ(again->Groups()->Items(1)->IconType(), dxsgSmallIcon);
  EXPECT_EQ(again->ActiveGroupIndex(), 0);
  TdxSideBarItem* item = Item(again, 0, 0);
  EXPECT_EQ(item->Caption(), "教师资料");
  EXPECT_EQ(item->CustomData(), "T01");
  EXPECT_EQ(item->Hint(), "教师|全部教师");
  EXPECT_EQ(item->LargeImage(), 1);
  EXPECT_EQ(item->SmallImage(), 2);
  EXPECT_EQ(item->Tag(), 5);
  EXPECT_EQ(Item(again, 0, 1)->StoredItem(), store->FindStoredItem("siStudents"));
  EXPECT_EQ(Item(again, 1, 0)->Caption(), "口令");
}

TEST_F(SideBarRegistry, SavingAgainWritesTheSameTreeAndDropsKeysOfGroupsAndItemsThatWent) {
  TdxSideBar* bar = AddSideBar();
  AddGroup(bar, "一", {"甲", "乙"});
  AddGroup(bar, "二", {"丙"});
  bar->SetRegistryPath(Key);
  bar->SaveToRegistry();
  const std::string first = RegistryText();
  bar->SaveToRegistry();
  EXPECT_EQ(RegistryText(), first);

  delete bar->Groups()->Items(1);
  delete Item(bar, 0, 1);
  bar->SaveToRegistry();
  TRegistry reg;
  EXPECT_TRUE(reg.KeyExists("\\Software\\Tolvik\\SideBar\\Group0\\Item0"));
  EXPECT_FALSE(reg.KeyExists("\\Software\\Tolvik\\SideBar\\Group0\\Item1"));
  EXPECT_FALSE(reg.KeyExists("\\Software\\Tolvik\\SideBar\\Group1"));
  ASSERT_TRUE(reg.OpenKey("\\Software\\Tolvik\\SideBar", false));
  EXPECT_EQ(reg.ReadInteger("GroupCount"), 1);
}

TEST_F(SideBarRegistry, ACountOfNoneKeepsTheLayoutsGroupsAndMissingOrMistypedValuesTakeTheirDefaults) {
  {
    TRegistry reg;
    reg.OpenKey("\\Software\\Tolvik\\SideBar", true);
    reg.WriteInteger("GroupCount", 0);
  }
  TdxSideBar* bar = LoadSideBar();
  ASSERT_EQ(bar->Groups()->Count(), 1);
  EXPECT_EQ(bar->Groups()->Items(0)->Caption(), "原有");
  bar->SetStoreInRegistry(false);
  bar->Free();

  {
    TRegistry reg;
    reg.OpenKey("\\Software\\Tolvik\\SideBar", true);
    reg.WriteInteger("GroupCount", 2);  // the key of group 1 is missing
    reg.OpenKey("\\Software\\Tolvik\\SideBar\\Group0", true);
    reg.WriteString("Caption", "组");
    reg.WriteInteger("ItemCount", 2);  // the key of item 1 is missing
    reg.OpenKey("\\Software\\Tolvik\\SideBar\\Group0\\Item0", true);
    reg.WriteString("Caption", "旧项");
    reg.WriteString("StoredItem", "siGone");  // no such stored item any more
    reg.WriteInteger("LargeImage", 4);
    reg.WriteString("IsDefault", "是");  // of the wrong type
  }
  bar = LoadSideBar();
  ASSERT_EQ(bar->Groups()->Count(), 2);
  EXPECT_EQ(bar->Groups()->Items(1)->Caption(), "New Group");
  ASSERT_EQ(bar->Groups()->Items(0)->Items()->Count(), 1);
  TdxSideBarItem* item = Item(bar, 0, 0);
  EXPECT_EQ(item->Caption(), "旧项");
  EXPECT_EQ(item->StoredItem(), nullptr);
  EXPECT_EQ(item->LargeImage(), 4);
  EXPECT_EQ(item->SmallImage(), -1);
  EXPECT_TRUE(item->IsDefault());
  EXPECT_EQ(item->Tag(), 0);
  EXPECT_TRUE(MessageBoxes().Shown.empty());
}

TEST_F(SideBarRegistry, DamagedOrUnreadableDataKeepsTheLayoutsGroupsAndIsReported) {
  {
    TRegistry reg;
    reg.OpenKey("\\Software\\Tolvik\\SideBar", true);
    reg.WriteInteger("GroupCount", 2000000000);
  }
  TdxSideBar* bar = LoadSideBar();
  ASSERT_EQ(bar->Groups()->Count(), 1);
  EXPECT_EQ(bar->Groups()->Items(0)->Caption(), "原有");
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
  EXPECT_NE(MessageBoxes().Shown[0].Text.find("GroupCount"), String::npos);
  bar->SetStoreInRegistry(false);
  bar->Free();

  std::ofstream(RegistryFile(), std::ios::trunc) << "not a settings file\n";
  bar = LoadSideBar();
  EXPECT_EQ(bar->Groups()->Items(0)->Caption(), "原有");
  EXPECT_EQ(MessageBoxes().Shown.size(), 2u);
  EXPECT_NO_THROW(bar->Free());  // the save fails and is reported; the side bar still goes
  EXPECT_EQ(MessageBoxes().Shown.size(), 3u);
  EXPECT_EQ(Form->FindComponent("sbStored"), nullptr);
}

}  // namespace
