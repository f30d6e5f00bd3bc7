// The layout store: reading a stored layout, writing the exact keys, erasing only the control's own
// sections, paths, values out of range, the sort order in multi-sort mode, the registry, and the
// once-only automatic load and save.
#include <fstream>

#include "settings/IniFiles.h"
#include "settings/Registry.h"
#include "support/TempDir.h"
#include "support/TreeListFixture.h"

namespace {

const char* const kFixture =
    "[\\fmMain_dg1]\nShowGrid=1\nShowPreviewGrid=1\nBandRowCount=1\nDefaultRowHeight=17\nHeaderPanelRowCount=1\n"
    "[\\fmMain_dg1\\Band\\Band0]\nID=0\nVisible=1\nIndex=0\nWidth=250\n"
    "[\\fmMain_dg1\\Columns\\dg1Column1]\nBandIndex=0\nRowIndex=0\nColIndex=0\nVisible=1\nIndex=1\nWidth=80\n"
    "Sorted=2\nSortedOrder=0\nStoredRowIndex=0\n"
    "[\\fmMain_dg1\\Columns\\dg1Column2]\nBandIndex=0\nRowIndex=0\nColIndex=1\nVisible=0\nIndex=0\nWidth=120\n"
    "Sorted=0\nSortedOrder=-1\nStoredRowIndex=0\n"
    "[\\fmMain_dg10]\nShowGrid=0\n";

class LayoutStoreTest : public TTreeListTest {
 protected:
  void SetUp() override {
    TTreeListTest::SetUp();
    Form->SetName("fmMain");
    List->SetParent(Form);
    First = AddColumn("一");
    Second = AddColumn("二");
  }
  String WriteFile(const String& Text) {
    const String name = Dir.File("layout.ini");
    std::ofstream(name) << Text;
    return name;
  }
  String Read(const String& File, const String& Section, const String& Ident) {
    TMemIniFile ini(File);
    return ini.ReadString(Section, Ident, "(none)");
  }
  TStringList Sections(const String& File) {
    TMemIniFile ini(File);
    TStringList sections;
    ini.ReadSections(&sections);
    return sections;
  }
  TempDir Dir;
  TdxTreeListColumn* First = nullptr;
  TdxTreeListColumn* Second = nullptr;
};

TEST_F(LayoutStoreTest, ReadsAStoredLayout) {
  List->SetShowGrid(false);
  List->LoadLayoutFromIniFile(WriteFile(kFixture));
  EXPECT_TRUE(List->ShowGrid());
  EXPECT_EQ(List->DefaultRowHeight(), 17);
  EXPECT_EQ(List->GetColumn(0), Second) << "ordered by the stored indexes";
  EXPECT_EQ(List->GetColumn(1), First);
  EXPECT_EQ(First->Width(), 80);
  EXPECT_EQ(First->Sorted(), csUp);
  EXPECT_EQ(List->GetSortedColumn(0), First);
  EXPECT_FALSE(Second->Visible());
  EXPECT_EQ(Second->Width(), 120);
  EXPECT_EQ(List->Bands()->Items(0)->Width(), 250);
}

TEST_F(LayoutStoreTest, SavingKeepsOtherControlsSections) {
  const String file = WriteFile(String(kFixture) + "[\\fmMain_dg1Old\\Columns\\x]\nWidth=5\n[\\fmMain_dg1\\Columns\\gone]\nWidth=5\n");
  First->SetWidth(90);
  List->SaveLayoutToIniFile(file);
  EXPECT_EQ(Read(file, "\\fmMain_dg10", "ShowGrid"), "0") << "dg10 is another control";
  EXPECT_EQ(Read(file, "\\fmMain_dg1Old\\Columns\\x", "Width"), "5");
  EXPECT_EQ(Read(file, "\\fmMain_dg1\\Columns\\gone", "Width"), "(none)") << "a column no longer there";
  EXPECT_EQ(Read(file, "\\fmMain_dg1\\Columns\\dg1Column1", "Width"), "90");
  First->SetWidth(30);
  Second->SetVisible(false);
  List->LoadLayoutFromIniFile(file);
  EXPECT_EQ(First->Width(), 90) << "read back as saved";
  EXPECT_TRUE(Second->Visible());

  TMemIniFile ini(file);
  TStringList keys;
  ini.ReadSection("\\fmMain_dg1\\Columns\\dg1Column2", &keys);
  EXPECT_EQ(keys.CommaText(), "BandIndex,RowIndex,ColIndex,Visible,Index,Width,Sorted,SortedOrder,StoredRowIndex");
  ini.ReadSection("\\fmMain_dg1\\Band\\Band0", &keys);
  EXPECT_EQ(keys.CommaText(), "ID,Visible,Index,Width");
  ini.ReadSection("\\fmMain_dg1", &keys);
  EXPECT_EQ(keys.CommaText(), "ShowGrid,ShowPreviewGrid,BandRowCount,DefaultRowHeight,HeaderPanelRowCount");
}

TEST_F(LayoutStoreTest, PathsHaveOneLeadingBackslashAndNoTrailing) {
  const String file = Dir.File("paths.ini");
  const std::pair<const char*, const char*> cases[] = {
      {"grid\\\\", "\\grid"}, {"\\grid", "\\grid"}, {"", "\\fmMain_dg1"}, {"\\", ""}};
  for (const auto& [given, section] : cases) {
    List->SetIniSectionName(given);
    List->SaveLayoutToIniFile(file);
    EXPECT_EQ(Read(file, section, "BandRowCount"), "1") << given;
    EXPECT_EQ(Read(file, String(section) + "\\Band\\Band0", "ID"), "0") << given;
  }
  EXPECT_GE(Sections(file).IndexOf("\\grid"), 0) << "an empty path erases nothing";
}

TEST_F(LayoutStoreTest, StoredValuesOutOfRangeAreNotTaken) {
  List->SetHeaderPanelMaxRowCount(5);
  List->SetHeaderPanelRowCount(3);
  List->SetOptionsEx(List->GetOptionsEx() | tlxAutoHeaderPanelHeight);
  const String file = WriteFile(
      "[\\fmMain_dg1]\nHeaderPanelRowCount=-1\n"
      "[\\fmMain_dg1\\Columns\\dg1Column1]\nSorted=7\nWidth=999999999\nIndex=-3\n"
      "[\\fmMain_dg1\\Columns\\dg1Column2]\nSorted=1\nWidth=-5\nIndex=abc\n");
  First->SetSorted(csUp);
  List->LoadLayoutFromIniFile(file);
  EXPECT_TRUE(List->IsAutoHeaderPanelHeight()) << "-1 leaves the count and the option";
  EXPECT_EQ(First->Sorted(), csNone);
  EXPECT_EQ(Second->Sorted(), csDown);
  EXPECT_EQ(First->Width(), 100000);
  EXPECT_EQ(Second->Width(), Second->MinWidth());
  EXPECT_EQ(List->GetColumn(0), First) << "indexes that are no places keep the order";
}

TEST_F(LayoutStoreTest, MultiSortRestoresTheSortOrder) {
  TdxTreeListColumn* third = AddColumn("三");
  List->SetOptionsEx(List->GetOptionsEx() | tlxMultiSort);
  const String file = WriteFile(
      "[\\fmMain_dg1\\Columns\\dg1Column1]\nSorted=2\nSortedOrder=2\n"
      "[\\fmMain_dg1\\Columns\\dg1Column2]\nSorted=1\nSortedOrder=0\n"
      "[\\fmMain_dg1\\Columns\\dg1Column3]\nSorted=2\nSortedOrder=1\n");
  List->LoadLayoutFromIniFile(file);
  EXPECT_EQ(List->GetSortedColumn(0), Second);
  EXPECT_EQ(List->GetSortedColumn(1), third);
  EXPECT_EQ(List->GetSortedColumn(2), First);

  List->SetOptionsEx(List->GetOptionsEx() & ~tlxMultiSort);
  for (TdxTreeListColumn* c : {First, Second, third}) c->SetSorted(csNone);
  List->LoadLayoutFromIniFile(file);
  EXPECT_EQ(List->GetSortedColumn(0), First) << "without multi-sort, in the order the setters ran";
}

TEST_F(LayoutStoreTest, TheRegistryKeepsTheSameKeys) {
  First->SetWidth(70);
  Second->SetVisible(false);
  List->SaveLayoutToRegistry("Software\\Quorin\\Layouts\\dg1");
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\Software\\Quorin\\Layouts\\dg1\\Columns\\dg1Column1", false));
  EXPECT_EQ(registry.ReadString("Width"), "70");

  First->SetWidth(200);
  Second->SetVisible(true);
  List->LoadLayoutFromRegistry("Software\\Quorin\\Layouts\\dg1");
  EXPECT_EQ(First->Width(), 70);
  EXPECT_FALSE(Second->Visible());
  List->LoadLayoutFromRegistry("Software\\Quorin\\Layouts\\nothing");
  EXPECT_EQ(First->Width(), 70) << "a missing key loads nothing";
}

TEST_F(LayoutStoreTest, LoadedOnceAfterLoadingAndSavedOnceAtTheEnd) {
  const String file = Dir.File("auto.ini");
  auto* saver = new TTestTreeList(Form);
  saver->SetName("dgAuto");
  saver->SetIniFileName(file);
  saver->SetOptions(saver->GetOptions() | tloStoreToIniFile);
  saver->CreateColumnOf<TdxTreeListColumn>(Form)->SetWidth(66);
  saver->Free();
  ASSERT_EQ(Read(file, "\\_dgAuto\\Columns\\dgAutoColumn1", "Width"), "66") << "saved by the destructor";

  auto* loader = new TTestTreeList(Form);
  loader->SetName("dgAuto");
  loader->SetIniFileName(file);
  loader->SetOptions(loader->GetOptions() | tloStoreToIniFile);
  TdxTreeListColumn* column = loader->CreateColumnOf<TdxTreeListColumn>(Form);
  loader->RunLoaded();
  EXPECT_EQ(column->Width(), 66);
  column->SetWidth(44);
  loader->RunLoaded();
  EXPECT_EQ(column->Width(), 44) << "only once";
  loader->Free();
}

}  // namespace
