// The grid's option sets: the documented start, the mirroring between the newer four, the older
// pair and the tree list's two sets, the exclusions, the setters' reloads, and the record modes.
#include <bit>
#include <set>

#include "rtl/Convert.h"
#include "support/GridFixture.h"

namespace {

class GridOptionsTest : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    RegisterGridClasses();
    Grid = new TdxDBGrid(Form);
    Grid->SetName("dg1");
  }
  TdxDBGrid* Grid = nullptr;
};

TEST_F(GridOptionsTest, ANewGridStartsWithTheDocumentedSets) {
  EXPECT_EQ(Grid->OptionsBehavior(), edgoAutoSort | edgoDragScroll | edgoEditing | edgoEnterShowEditor |
                                         edgoImmediateEditor | edgoTabThrough | edgoVertThrough);
  EXPECT_EQ(Grid->OptionsCustomize(), edgoBandMoving | edgoBandSizing | edgoColumnMoving | edgoColumnSizing);
  EXPECT_EQ(Grid->OptionsDB(), edgoCancelOnExit | edgoCanDelete | edgoCanInsert | edgoCanNavigation |
                                   edgoConfirmDelete | edgoUseBookmarks);
  EXPECT_EQ(Grid->OptionsView(), edgoBandHeaderWidth | edgoUseBitmap);
  EXPECT_EQ(Grid->Options(), egoColumnSizing | egoColumnMoving | egoEditing | egoTabThrough | egoCanDelete |
                                 egoConfirmDelete | egoCanNavigation | egoCancelOnExit | egoImmediateEditor |
                                 egoCanInsert);
  EXPECT_EQ(Grid->OptionsEx(), egoUseBitmap | egoBandHeaderWidth | egoBandSizing | egoBandMoving | egoVertThrough |
                                   egoEnterShowEditor | egoDragScroll | egoAutoSort);
  EXPECT_EQ(Grid->GetOptions(), tloColumnSizing | tloColumnMoving | tloEditing | tloTabThrough | tloImmediateEditor)
      << "header clicks sort through the grid, not through the tree list's AutoSort";
  EXPECT_EQ(Grid->GetOptionsEx(), tlxUseBitmap | tlxBandHeaderWidth | tlxBandSizing | tlxBandMoving | tlxVertThrough |
                                      tlxEnterShowEditor | tlxDragScroll);
  EXPECT_EQ(Grid->SummarySeparator(), ", ");
  EXPECT_EQ(Grid->PartialLoadBufferCount(), 100);
  EXPECT_EQ(Grid->GrIndicatorWidth(), 12);
  EXPECT_EQ(Grid->GroupPanelColor(), clBtnShadow);
  EXPECT_EQ(Grid->GroupPanelFontColor(), clBtnFace);
  EXPECT_FALSE(Grid->HideFocusRect());
  EXPECT_FALSE(Grid->HideSelection());
  EXPECT_TRUE(Grid->HideLeafIndent());
  EXPECT_TRUE(Grid->ShowGrid());
  EXPECT_EQ(Grid->HideSelectionColor(), Grid->HighlightColor());
  EXPECT_TRUE(Grid->UseBookmarks());
  EXPECT_FALSE(Grid->PartialLoad());
}

// Every older switch has exactly one newer partner; four newer ones have none.
TEST_F(GridOptionsTest, EveryOlderSwitchHasOnePartner) {
  std::set<std::pair<int, uint32_t>> older;
  int alone = 0;
  for (const TdxDBGridOptionLink& link : DBGridOptionLinks()) {
    if (link.OlderSet == gosNone) {
      ++alone;
      continue;
    }
    EXPECT_TRUE(older.insert({link.OlderSet, link.OlderMask}).second) << link.OlderMask;
  }
  EXPECT_EQ(older.size(), 64u);
  EXPECT_EQ(alone, 4);
}

TEST_F(GridOptionsTest, OlderAndNewerSetsMirrorEachOther) {
  Grid->SetOptions(egoLoadAllRecords);
  EXPECT_EQ(Grid->OptionsDB(), edgoLoadAllRecords | edgoUseBookmarks)
      << "the switches without a partner keep their state";
  EXPECT_EQ(Grid->Options(), egoLoadAllRecords);
  EXPECT_EQ(Grid->OptionsBehavior() & edgoEditing, 0u);
  EXPECT_TRUE(Grid->OptionsBehavior() & edgoAutoSort) << "a partner in OptionsEx stays";
  EXPECT_FALSE(Grid->GetOptions() & tloEditing);

  Grid->SetOptionsEx(Grid->OptionsEx() | egoRowSizing | egoNotHideColumn | egoSyncSelection);
  EXPECT_TRUE(Grid->OptionsCustomize() & edgoRowSizing);
  EXPECT_TRUE(Grid->GetOptionsEx() & tlxRowSizing);
  EXPECT_TRUE(Grid->OptionsCustomize() & edgoNotHideColumn);
  EXPECT_TRUE(Grid->OptionsDB() & edgoSyncSelection);

  const TdxDBGridOptions options = Grid->Options();
  const TdxDBGridOptionsEx optionsEx = Grid->OptionsEx();
  Grid->SetOptionsBehavior(Grid->OptionsBehavior() | edgoAutoCopySelectedToClipboard);
  Grid->SetOptionsView(Grid->OptionsView() | edgoHotTrack);
  EXPECT_EQ(Grid->Options(), options) << "switches without a partner never show in the older sets";
  EXPECT_EQ(Grid->OptionsEx(), optionsEx);
  EXPECT_TRUE(Grid->GetOptionsEx() & tlxHotTrack);
  EXPECT_TRUE(Grid->GetOptionsEx() & tlxAutoCopySelectedToClipboard);

  Grid->SetOptionsView(Grid->OptionsView() | edgoIndicator);
  EXPECT_TRUE(Grid->Options() & egoIndicator);
  EXPECT_TRUE(Grid->ShowIndicator());
  Grid->SetOptions(Grid->Options() & ~egoIndicator);
  EXPECT_FALSE(Grid->ShowIndicator());
}

TEST_F(GridOptionsTest, ExclusionsBetweenSwitches) {
  Grid->SetOptionsView(edgoInvertSelect | edgoRowSelect);
  EXPECT_EQ(Grid->OptionsView(), edgoInvertSelect);
  EXPECT_FALSE(Grid->Options() & egoRowSelect);
  EXPECT_TRUE(Grid->OptionsEx() & egoInvertSelect);
  EXPECT_TRUE(Grid->GetOptionsEx() & tlxInvertSelect);
  EXPECT_FALSE(Grid->GetOptions() & tloRowSelect);

  Grid->SetOptionsDB(edgoLoadAllRecords | edgoPartialLoad);
  EXPECT_EQ(Grid->OptionsDB(), edgoLoadAllRecords);

  // Columns made from the fields and all records as nodes exclude each other, either way round.
  Grid->SetOptionsDB(0);
  Grid->SetDefaultFields(true);
  Grid->SetOptionsDB(edgoLoadAllRecords);
  EXPECT_FALSE(Grid->DefaultFields());
  EXPECT_EQ(Grid->OptionsDB(), edgoLoadAllRecords) << "the switch just set stays set";
  Grid->SetDefaultFields(true);
  EXPECT_FALSE(Grid->OptionsDB() & edgoLoadAllRecords);
  Grid->SetPartialLoad(true);
  EXPECT_FALSE(Grid->DefaultFields()) << "a partial window has no columns of its own fields either";
}

class GridOptionsDataTest : public TGridTest {};

TEST_P(GridOptionsDataTest, ASetterReloadsOnlyForAChange) {
  Grid->SetKeyField("No");
  AddColumn("Name");
  AddColumn("No");
  Grid->SetDataSource(Source);
  int reloads = 0;
  Grid->OnClearNodeData = [&](TObject*) { ++reloads; };
  Grid->SetOptionsDB(Grid->OptionsDB());
  Grid->SetOptions(Grid->Options());
  EXPECT_EQ(reloads, 0) << "the same value again";
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
  EXPECT_GT(reloads, 0);
  reloads = 0;
  Grid->SetPartialLoadBufferCount(20);
  EXPECT_EQ(reloads, 0);
}

TEST_P(GridOptionsDataTest, TheRecordModeFollowsTheSwitchesTheLinkAndTheGrouping) {
  TdxDBGridColumn* sex = AddColumn("Sex");
  AddColumn("Name");
  struct Case {
    TdxDBGridOptionsDB Options;
    bool Linked;
    bool Grouped;
    bool Cursor, Plain, Partial, All;
  };
  const Case cases[] = {
      {0, true, false, true, true, false, false},
      {edgoPartialLoad, true, false, true, false, true, false},
      {edgoLoadAllRecords, true, false, false, false, false, true},
      {0, true, true, false, false, false, true},
      {0, false, true, true, true, false, false},
      {edgoPartialLoad, true, true, false, false, false, true},
  };
  for (const Case& c : cases) {
    Grid->SetDataSource(c.Linked ? Source : nullptr);
    Grid->SetOptionsDB(c.Options | edgoCanNavigation);
    sex->SetGroupIndex(c.Grouped ? 0 : -1);
    ASSERT_EQ(sex->GroupIndex(), c.Grouped ? 0 : -1);
    const String what = IntToStr(int(&c - cases));
    EXPECT_EQ(Grid->InCursorMode(), c.Cursor) << what;
    EXPECT_EQ(Grid->IsCursorMode(), c.Plain) << what;
    EXPECT_EQ(Grid->IsPartialMode(), c.Partial) << what;
    EXPECT_EQ(Grid->AllRecordsAreNodes(), c.All) << what;
    EXPECT_EQ(Grid->IsAllNodesLoaded(), !c.Plain) << what;
    EXPECT_EQ(Grid->IsBookmarkSelection(), c.Plain || Grid->UseBookmarks()) << what;
  }
}

TEST_P(GridOptionsDataTest, SwitchingBookmarksOnClearsTheSelection) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
  Grid->SetOptionsBehavior(Grid->OptionsBehavior() | edgoMultiSelect);
  Grid->SetUseBookmarks(false);
  Grid->SetKeyField("No");
  AddColumn("Name");
  Grid->SetDataSource(Source);
  TdxTreeListNode* node = Grid->Add();
  node->SetSelected(true);
  ASSERT_EQ(Grid->GetSelectedCount(), 1);
  Grid->SetUseBookmarks(true);
  EXPECT_EQ(Grid->GetSelectedCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(BackEnds, GridOptionsDataTest, testing::Values("Mem", "Sqlite"), GridBackEndName);

}  // namespace
