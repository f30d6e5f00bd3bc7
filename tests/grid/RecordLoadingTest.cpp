// Loading records as rows: every record once with its key and record number, the loads that stop
// (no key field, a grouped column on a blob field), a reload over a pending edit, the refresh that
// gives back the top row and the selection, and the partial window with its size, its edges and
// its growth.
#include "rtl/Convert.h"
#include "support/GridFixture.h"

namespace {

class RecordLoadingTest : public TGridTest {
 protected:
  // All records are rows, identified by their number.
  void LoadAll() {
    Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
    Grid->SetKeyField("No");
  }
  std::vector<int> TopLevelKeys() {
    std::vector<int> keys;
    for (int i = 0; i < Grid->Count(); ++i)
      keys.push_back(static_cast<TdxDBGridNode*>(Grid->Items(i))->KeyValue.AsInteger());
    return keys;
  }
};

TEST_P(RecordLoadingTest, EveryRecordIsOneRowWithItsKeyAndNumber) {
  LoadAll();
  TdxDBGridColumn* name = AddColumn("Name");
  ASSERT_TRUE(DS().Locate("No", Variant(106)));
  Grid->SetDataSource(Source);
  ASSERT_EQ(Grid->Count(), 12);
  for (int i = 0; i < 12; ++i) {
    auto* node = static_cast<TdxDBGridNode*>(Grid->Items(i));
    EXPECT_EQ(node->KeyValue, Variant(Pupils()[size_t(i)].No));
    EXPECT_EQ(node->RecNo, i);
    EXPECT_EQ(node->Strings(name->GetIndex()), Pupils()[size_t(i)].Name);
  }
  EXPECT_EQ(DS().FieldByName("No")->AsInteger(), 106) << "the load ends where the data set stood";
  EXPECT_EQ(Grid->FocusedNode(), NodeOf(106)) << "and the current record's row is focused";
  EXPECT_EQ(Grid->FooterRecordCount(), 12);
}

TEST_P(RecordLoadingTest, LoadsThatStopBeforeReadingARecord) {
  struct Case {
    const char* What;
    std::function<void()> Arrange;
    int Rows;
  };
  const Case cases[] = {
      {"a key field the data set lacks", [&] { Grid->SetKeyField("Nothing"); }, 0},
      {"no key and no navigation",
       [&] {
         Grid->SetKeyField("Nothing");
         Grid->SetOptionsDB(Grid->OptionsDB() & ~edgoCanNavigation);
       },
       12},
      {"a grouped column whose field is gone", [&] { AddColumn("Nothing")->StoreGroupIndex(0); }, 12},
  };
  int made = 0;
  for (const Case& c : cases) {
    Grid = new TTestGrid(Form);
    Grid->SetName("dgCase" + IntToStr(++made));
    LoadAll();
    AddColumn("Name");
    c.Arrange();
    Grid->SetDataSource(Source);
    Grid->ReloadRecords();
    EXPECT_EQ(Grid->Count(), c.Rows) << c.What;
  }
}

TEST_P(RecordLoadingTest, AGroupedBlobStopsTheLoadAndAMissingFieldIsUngrouped) {
  LoadAll();
  TdxDBGridColumn* sex = AddColumn("Sex");
  TdxDBGridColumn* note = AddColumn("Note");
  Grid->SetDataSource(Source);
  sex->SetGroupIndex(0);
  ASSERT_EQ(Grid->Count(), 2);
  // A column cannot be grouped on a blob field by the user; a stored layout can hold one.
  note->StoreGroupIndex(1);
  Grid->RefreshGrouping();
  ASSERT_EQ(Grid->GroupColumnCount(), 2);
  EXPECT_EQ(Grid->Count(), 0) << "a grouped memo field stops the load";
  note->SetGroupIndex(-1);
  sex->SetFieldName("Nothing");
  Grid->ReloadRecords();
  EXPECT_EQ(Grid->GroupColumnCount(), 0);
  EXPECT_EQ(Grid->Count(), 12);
}

TEST_P(RecordLoadingTest, AReloadCancelsAPendingEditAndStaysOnTheRecord) {
  LoadAll();
  TdxDBGridColumn* name = AddColumn("Name");
  Grid->SetDataSource(Source);
  ASSERT_TRUE(DS().Locate("No", Variant(105)));
  DS().Edit();
  DS().FieldByName("Name")->SetAsString("Changed");
  Grid->ReloadRecords();
  EXPECT_EQ(DS().State(), dsBrowse);
  EXPECT_EQ(DS().FieldByName("No")->AsInteger(), 105);
  EXPECT_EQ(DS().FieldByName("Name")->AsString(), "Chen Ba") << "cancelled, not posted";
  EXPECT_EQ(NodeOf(105)->Strings(name->GetIndex()), "Chen Ba");
}

TEST_P(RecordLoadingTest, ARefreshGivesBackTheTopRowAndTheSelection) {
  LoadAll();
  Grid->SetOptionsBehavior(Grid->OptionsBehavior() | edgoMultiSelect);
  for (const bool bookmarks : {false, true}) {
    Grid->SetUseBookmarks(bookmarks);
    TdxDBGridColumn* sex = AddColumn("Sex");
    TdxDBGridColumn* name = AddColumn("Name");
    Grid->SetDataSource(Source);
    sex->SetGroupIndex(0);
    ShowGrid(100, 20);
    for (int i = 0; i < Grid->Count(); ++i) Grid->Items(i)->Expand(true);
    Grid->SetTopIndex(4);
    TdxTreeListNode* top = Grid->TopVisibleNode();
    const Variant topKey = static_cast<TdxDBGridNode*>(top)->KeyValue;
    for (int no : {107, 109}) {
      Grid->SetFocusedNodeAndColumn(NodeOf(no), 0, false);
      NodeOf(no)->SetSelected(true);
    }
    // The focused row stays in view: it is on the top row.
    Grid->SetFocusedNodeAndColumn(top, 0, false);
    ASSERT_EQ(Grid->GetSelectedCount(), 2);
    Grid->RefreshRecords();
    EXPECT_EQ(static_cast<TdxDBGridNode*>(Grid->TopVisibleNode())->KeyValue, topKey) << bookmarks;
    EXPECT_EQ(Grid->GetSelectedCount(), 2) << bookmarks;
    EXPECT_TRUE(NodeOf(107)->Selected()) << bookmarks;
    EXPECT_TRUE(NodeOf(109)->Selected()) << bookmarks;
    EXPECT_EQ(NodeOf(109)->Strings(name->GetIndex()), "Guo Er");
    sex->SetGroupIndex(-1);
    Grid->DestroyColumns();
  }
}

// --- the partial window ----------------------------------------------------------------------------------

TEST_P(RecordLoadingTest, ThePartialWindowIsFivePagesOrTheBufferCount) {
  Grid->SetPartialLoad(true);
  Grid->SetKeyField("No");
  AddColumn("Name");
  Grid->SetPartialLoadBufferCount(10);
  Grid->SetDataSource(Source);
  ShowGrid(29 * 20, 20);
  EXPECT_EQ(Grid->CalcPageRowCount(), 30);
  EXPECT_EQ(Grid->PartialWindowSize(), 150);
  Grid->SetBounds(0, 0, 280, 60);
  EXPECT_EQ(Grid->PartialWindowSize(), 20) << "4 rows a page";
  Grid->SetPartialLoadBufferCount(100);
  EXPECT_EQ(Grid->PartialWindowSize(), 100);
}

TEST_P(RecordLoadingTest, AnEmptySetLoadsNoRowAndReachesBothEdges) {
  Grid->SetPartialLoad(true);
  Grid->SetKeyField("No");
  AddColumn("Name");
  DS().First();
  while (!DS().IsEmpty()) DS().Delete();
  Grid->SetDataSource(Source);
  EXPECT_TRUE(Grid->IsPartialMode());
  EXPECT_EQ(Grid->Count(), 0);
  EXPECT_TRUE(Grid->FirstRecordLoaded);
  EXPECT_TRUE(Grid->LastRecordLoaded);
}

TEST_P(RecordLoadingTest, TheWindowGrowsNearItsEdgesAndReloadsOnlyWhenLeft) {
  Grid->SetPartialLoad(true);
  Grid->SetKeyField("No");
  AddColumn("Name");
  Grid->SetPartialLoadBufferCount(4);
  ASSERT_TRUE(DS().Locate("No", Variant(106)));
  ShowGrid(20, 20);
  Grid->SetDataSource(Source);
  ASSERT_EQ(Grid->PartialWindowSize(), 10);
  // Half a window back from the current record, the rest forwards.
  EXPECT_EQ(TopLevelKeys(), (std::vector<int>{102, 103, 104, 105, 106, 107, 108, 109, 110, 111}));
  EXPECT_FALSE(Grid->FirstRecordLoaded);
  EXPECT_FALSE(Grid->LastRecordLoaded);
  EXPECT_EQ(Grid->FocusedNode(), NodeOf(106));

  int loads = 0;
  Grid->OnRefreshNodeData = [&](TObject*, TdxTreeListNode*) { ++loads; };
  DS().Next();
  EXPECT_EQ(loads, 0) << "a move inside the window loads nothing";
  EXPECT_EQ(Grid->FocusedNode(), NodeOf(107));

  // Two pages from the end the window grows by what is left.
  Grid->SetTopIndex(Grid->Count() - 4);
  EXPECT_EQ(TopLevelKeys().back(), 112);
  EXPECT_TRUE(Grid->LastRecordLoaded);
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(DS().FieldByName("No")->AsInteger(), 107) << "the data set stays on its record";
  Grid->SetTopIndex(1);
  EXPECT_EQ(TopLevelKeys().front(), 101) << "and near the start it grows backwards";
  EXPECT_TRUE(Grid->FirstRecordLoaded);
}

TEST_P(RecordLoadingTest, LeavingThePartialWindowLoadsItAroundTheRecord) {
  Grid->SetPartialLoad(true);
  Grid->SetKeyField("No");
  AddColumn("Name");
  Grid->SetPartialLoadBufferCount(4);
  ShowGrid(20, 20);
  Grid->SetDataSource(Source);
  EXPECT_EQ(TopLevelKeys(), (std::vector<int>{101, 102, 103, 104, 105, 106, 107, 108, 109, 110}))
      << "nothing before the first record: the window goes on forwards";
  DS().Last();
  EXPECT_EQ(Grid->FocusedNode(), NodeOf(112));
  EXPECT_EQ(TopLevelKeys(), (std::vector<int>{108, 109, 110, 111, 112}));
  EXPECT_TRUE(Grid->LastRecordLoaded);
  EXPECT_FALSE(Grid->FirstRecordLoaded);
}

INSTANTIATE_TEST_SUITE_P(BackEnds, RecordLoadingTest, testing::Values("Mem", "Sqlite"), GridBackEndName);

}  // namespace
