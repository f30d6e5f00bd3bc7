// The group tree and what it shows: group rows in the order of their values (descending, Null
// first, letter case merged when asked), the group and footer summaries of each kind, a record
// edited into another group, and the texts of group rows, row footers and cells.
#include <algorithm>

#include "rtl/Convert.h"
#include "support/GridFixture.h"

namespace {

class GroupTreeTest : public TGridTest {
 protected:
  void SetUp() override {
    TGridTest::SetUp();
    Grid->SetKeyField("No");
    Sex = AddColumn("Sex");
    Name = AddColumn("Name");
    Score = AddColumn("Score");
  }
  // The group values of the top-level rows, as texts ("" for Null).
  std::vector<String> GroupTexts() {
    std::vector<String> texts;
    for (int i = 0; i < Grid->Count(); ++i)
      texts.push_back(VarToStr(static_cast<TdxDBGridNode*>(Grid->Items(i))->GroupValue));
    return texts;
  }
  TdxDBGridNode* Group(int Index) { return static_cast<TdxDBGridNode*>(Grid->Items(Index)); }
  TdxDBGridNode* GroupOf(const String& Value) {
    for (int i = 0; i < Grid->Count(); ++i)
      if (VarToStr(Group(i)->GroupValue) == Value) return Group(i);
    return nullptr;
  }

  TdxDBGridColumn* Sex = nullptr;
  TdxDBGridColumn* Name = nullptr;
  TdxDBGridColumn* Score = nullptr;
};

TEST_P(GroupTreeTest, GroupRowsFollowTheirColumnsOrderWithNullFirst) {
  Grid->SetDataSource(Source);
  Score->SetGroupIndex(0);
  ASSERT_EQ(Grid->Count(), 12);
  EXPECT_EQ(GroupTexts().front(), "") << "the record without a score groups first";
  EXPECT_EQ(GroupTexts()[1], "58");
  EXPECT_EQ(GroupTexts().back(), "95");
  Score->SetSorted(csDown);
  EXPECT_EQ(GroupTexts().front(), "95");
  EXPECT_EQ(GroupTexts().back(), "") << "and last when the order is turned round";

  Score->SetGroupIndex(-1);
  Sex->SetGroupIndex(0);
  const std::vector<String> up = GroupTexts();
  ASSERT_EQ(up.size(), 2u);
  Sex->SetGroupIndex(-1);
  // Outside the cursor modes a column keeps its sort order until it groups.
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
  Sex->SetSorted(csDown);
  Sex->SetGroupIndex(0);
  EXPECT_EQ(GroupTexts(), (std::vector<String>{up[1], up[0]})) << "a column sorted down groups from the greatest";
  for (int i = 0; i < Grid->Count(); ++i) EXPECT_EQ(Group(i)->Count(), 6);
  EXPECT_EQ(Group(0)->KeyValue, static_cast<TdxDBGridNode*>(Group(0)->GetFirstChild())->KeyValue)
      << "a group row stands for its first record";
}

TEST_P(GroupTreeTest, CaseInsensitiveGroupingMergesTextsThatDifferInCase) {
  ASSERT_TRUE(DS().Locate("No", Variant(101)));
  DS().Edit();
  DS().FieldByName("Name")->SetAsString("LI SI");
  DS().Post();
  Grid->SetDataSource(Source);
  Name->SetGroupIndex(0);
  EXPECT_EQ(Grid->Count(), 12) << "by case";
  Grid->SetOptionsBehavior(Grid->OptionsBehavior() | edgoCaseInsensitive);
  Grid->ReloadRecords();
  ASSERT_EQ(Grid->Count(), 11);
  TdxTreeListNode* position = nullptr;
  ASSERT_TRUE(Grid->FindGroupNode(nullptr, Variant("Li Si"), position));
  EXPECT_EQ(position->Count(), 2);
}

TEST_P(GroupTreeTest, AnEmptyLevelAnswersNotFoundAndNoPosition) {
  TdxTreeListNode* position = Grid->Add();
  EXPECT_FALSE(Grid->FindGroupNode(position, Variant("x"), position));
  EXPECT_EQ(position, nullptr);
}

TEST_P(GroupTreeTest, GroupSummariesOfEachKind) {
  // The girls' scores: 67, 90, 72, 95, 77, 69.
  struct Case {
    TdxSummaryType Type;
    double Value;
  };
  const Case cases[] = {{cstSum, 470}, {cstMin, 67}, {cstMax, 95}, {cstCount, 6}, {cstAvg, 470.0 / 6}};
  Grid->SetDataSource(Source);
  Sex->SetSummaryField("Score");
  for (const Case& c : cases) {
    Sex->SetSummaryType(c.Type);
    std::vector<TdxSummaryValue> read;
    Sex->OnSummary = [&](TObject*, TDataSet*, TdxSummaryValue& Value) { read.push_back(Value); };
    Sex->SetGroupIndex(0);
    TdxDBGridNode* girls = GroupOf("女");
    ASSERT_NE(girls, nullptr);
    EXPECT_NEAR(double(girls->SummaryValue), c.Value, 1e-9) << int(c.Type);
    EXPECT_EQ(read.size(), 12u);
    if (c.Type == cstCount) {
      EXPECT_TRUE(std::all_of(read.begin(), read.end(), [](TdxSummaryValue v) { return v == 0; }))
          << "a count never reads its field";
    }
    Sex->SetGroupIndex(-1);
  }
}

TEST_P(GroupTreeTest, FooterSummariesAndAnAverageOverNoRecord) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
  Score->SetSummaryFooterType(cstAvg);
  Name->SetSummaryFooterType(cstCount);
  Grid->SetDataSource(Source);
  EXPECT_NEAR(double(Score->FooterValue), (81.5 + 67 + 90 + 58 + 72 + 88 + 95 + 61 + 77 + 83 + 69) / 12, 1e-9)
      << "a record without a score adds 0";
  EXPECT_EQ(Name->FooterValue, 12);
  EXPECT_EQ(Grid->GetRowFooterText(nullptr, Name->GetIndex(), -1), "12");

  DS().First();
  while (!DS().IsEmpty()) DS().Delete();
  EXPECT_EQ(Grid->Count(), 0);
  EXPECT_EQ(Score->FooterValue, 0) << "an average over no record";
  EXPECT_EQ(Name->FooterValue, 0);
}

TEST_P(GroupTreeTest, ASmartRefreshMovesOnlyTheEditedRecordAndDropsItsEmptyGroup) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoSmartRefresh);
  Grid->SetDataSource(Source);
  Name->SetGroupIndex(0);
  ASSERT_EQ(Grid->Count(), 12);
  TdxDBGridNode* other = NodeOf(102);
  ASSERT_TRUE(DS().Locate("No", Variant(104)));
  DS().Edit();
  DS().FieldByName("Name")->SetAsString("Ai Zhou");
  DS().Post();
  EXPECT_EQ(Grid->Count(), 12);
  EXPECT_EQ(GroupOf("Zhou Qi"), nullptr) << "the emptied group is gone";
  ASSERT_NE(GroupOf("Ai Zhou"), nullptr);
  EXPECT_EQ(GroupOf("Ai Zhou"), Group(0)) << "the new group in its place";
  EXPECT_EQ(NodeOf(104)->Parent(), GroupOf("Ai Zhou"));
  EXPECT_EQ(NodeOf(102), other) << "the other rows were not made again";
  EXPECT_EQ(Grid->FocusedNode(), GroupOf("Ai Zhou")) << "the collapsed group row stands for its record";
}

TEST_P(GroupTreeTest, ASmartRefreshDropsTheRowsOfDeletedRecords) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoSmartRefresh);
  Grid->SetDataSource(Source);
  Name->SetGroupIndex(0);
  ASSERT_TRUE(DS().Locate("No", Variant(105)));
  DS().Delete();
  EXPECT_EQ(NodeOf(105), nullptr) << "deleted elsewhere: the records no longer match the rows";
  EXPECT_EQ(Grid->Count(), 11);
  NodeOf(107)->DeleteRecord();
  EXPECT_EQ(NodeOf(107), nullptr) << "deleted by its row";
  EXPECT_EQ(GroupOf("Ma Shi"), nullptr);
  EXPECT_EQ(Grid->FooterRecordCount(), 10);
}

TEST_P(GroupTreeTest, ASmartReloadRegroupsTheRowsAndCountsThem) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoSmartReload);
  Grid->SetDataSource(Source);
  Sex->SetGroupIndex(0);
  TdxDBGridNode* record = NodeOf(106);
  int reads = 0;
  Grid->OnRefreshNodeData = [&](TObject*, TdxTreeListNode* Node) { reads += Node->Level() == 2; };
  Name->SetGroupIndex(1);
  EXPECT_EQ(reads, 0) << "no record was read again";
  EXPECT_EQ(NodeOf(106), record);
  EXPECT_EQ(record->Level(), 2);
  EXPECT_EQ(Grid->FooterRecordCount(), 12) << "the rows regrouped, not 0";
}

// --- texts -------------------------------------------------------------------------------------------

TEST_P(GroupTreeTest, AGroupRowReadsCaptionValueSummariesAndTheEventsText) {
  Sex->SetCaption("性别");
  Sex->SetSummaryType(cstCount);
  Grid->SetDataSource(Source);
  Sex->SetGroupIndex(0);
  Grid->OnGetGroupText = [](TObject*, TdxTreeListNode* Node, String& Text) {
    Text = "[" + IntToStr(Node->Count()) + "]";
  };
  EXPECT_EQ(GroupOf("女")->Strings(Name->GetIndex()), "性别 : 女 (COUNT=6) [6]");
  EXPECT_EQ(Grid->GetColumnAlignment(GroupOf("女"), Score->GetIndex()), taLeftJustify);
  EXPECT_EQ(Grid->GetNodeValue(GroupOf("女"), Sex->GetIndex()), Variant("女"));
  Sex->OnGetText = [](TObject*, TdxTreeListNode*, String& Text) { Text = "<" + Text + ">"; };
  Grid->OnGetGroupText = nullptr;
  EXPECT_EQ(GroupOf("女")->Strings(0), "性别 : <女> (COUNT=6) ");
  EXPECT_EQ(NodeOf(102)->Strings(Name->GetIndex()), "li si");
}

TEST_P(GroupTreeTest, SummaryItemsJoinBySeparatorAndNamedOnesGoToRowFooters) {
  TdxDBGridSummaryGroup* summaries = Grid->SummaryGroups()->Add();
  summaries->SetName("Scores");
  summaries->SetBeginSummaryText("{");
  summaries->SetEndSummaryText("}");
  const std::pair<TdxSummaryType, String> items[] = {
      {cstSum, ""}, {cstNone, ""}, {cstMax, ""}, {cstMin, Score->Name()}};
  for (const auto& [type, column] : items) {
    TdxDBGridSummaryItem* item = summaries->SummaryItems()->Add();
    item->SetSummaryType(type);
    item->SetSummaryField("Score");
    item->SetColumnName(column);
  }
  Sex->SetSummaryGroupName("Scores");
  Grid->SetSummarySeparator("; ");
  Grid->SetDataSource(Source);
  Sex->SetGroupIndex(0);
  TdxDBGridNode* girls = GroupOf("女");
  EXPECT_EQ(Grid->GetGroupSummaryText(girls, Sex), "{(SUM=470.00); (MAX=95.00)}")
      << "no separator for the item without a kind, none for the item of a column";
  EXPECT_TRUE(Grid->IsLevelWithRowFooter(0));
  EXPECT_FALSE(Grid->IsLevelWithRowFooter(1));
  TdxTreeListNode* last = girls->GetLastChild();
  EXPECT_TRUE(Grid->IsRowFooterCell(last, Score->GetIndex(), 0));
  EXPECT_FALSE(Grid->IsRowFooterCell(last, Name->GetIndex(), 0));
  EXPECT_FALSE(Grid->IsRowFooterCell(girls->GetFirstChild(), Score->GetIndex(), 0)) << "not the group's end";
  EXPECT_EQ(Grid->GetRowFooterText(last, Score->GetIndex(), 0), "MIN=67.00");

  summaries->SummaryItems()->Items(3)->SetColumnName("");
  EXPECT_FALSE(Grid->IsLevelWithRowFooter(0)) << "no item names a column";
}

// A summary group added to a live grid regroups it, and the reload reads the new group's items.
TEST_P(GroupTreeTest, ASummaryGroupJoinsAGridThatLoadsAllRecordsOrIsGrouped) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
  Grid->SetDataSource(Source);
  Sex->SetSummaryGroupName("Scores");
  TdxDBGridSummaryGroup* scores = Grid->SummaryGroups()->Add();
  scores->SetName("Scores");
  TdxDBGridSummaryItem* sum = scores->SummaryItems()->Add();
  sum->SetSummaryType(cstSum);
  sum->SetSummaryField("Score");
  Sex->SetGroupIndex(0);
  EXPECT_EQ(Grid->GetGroupSummaryText(GroupOf("女"), Sex), "(SUM=470.00)");

  TdxDBGridSummaryGroup* counts = Grid->SummaryGroups()->Add();
  counts->SetName("Counts");
  counts->SummaryItems()->Add()->SetSummaryType(cstCount);
  Sex->SetSummaryGroupName("Counts");
  Grid->RefreshGrouping();
  EXPECT_EQ(Grid->GetGroupSummaryText(GroupOf("女"), Sex), "(COUNT=6)");
}

INSTANTIATE_TEST_SUITE_P(BackEnds, GroupTreeTest, testing::Values("Mem", "Sqlite"), GridBackEndName);

}  // namespace
