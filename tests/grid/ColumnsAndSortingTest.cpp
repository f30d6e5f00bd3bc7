// The grid's columns over their lives and its sorting: header clicks and their events, one sorted
// column at a time, grouped columns outside the sorted list, a loaded layout's sorting, renamed
// and freed columns, columns copied with their grouping, node ranges and the key order of nodes,
// and the filter side of a column.
#include "rtl/Text.h"
#include "support/GridFixture.h"

namespace {

using ColumnsAndSortingTest = TGridTest;

TEST_P(ColumnsAndSortingTest, HeaderClicksSortOneColumnAtATime) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
  TdxDBGridColumn* name = AddColumn("Name");
  TdxDBGridColumn* score = AddColumn("Score");
  TdxDBGridColumn* sex = AddColumn("Sex");
  Grid->SetDataSource(Source);
  std::vector<String> clicked;
  bool refuse = false;
  Grid->OnColumnClick = [&](TObject*, TdxDBTreeListColumn* Column) { clicked.push_back(Column->FieldName()); };
  Grid->OnColumnSorting = [&](TObject*, TdxDBTreeListColumn*, bool& Allow) { Allow = !refuse; };
  Grid->DoHeaderClick(name->GetIndex());
  EXPECT_EQ(name->Sorted(), csUp);
  Grid->DoHeaderClick(score->GetIndex());
  EXPECT_EQ(score->Sorted(), csUp);
  EXPECT_EQ(name->Sorted(), csNone) << "one sorted column at a time";
  refuse = true;
  Grid->DoHeaderClick(name->GetIndex());
  EXPECT_EQ(name->Sorted(), csNone) << "the sorting event said no";
  EXPECT_EQ(clicked, (std::vector<String>{"Name", "Score", "Name"}));

  sex->SetGroupIndex(0);
  EXPECT_EQ(sex->Sorted(), csUp);
  EXPECT_EQ(Grid->GetSortedColumnCount(), 1) << "a grouped column sorts its groups, not the records";
  EXPECT_EQ(Grid->GetSortedColumn(0), score);

  Grid->SetOptionsDB(Grid->OptionsDB() & ~edgoLoadAllRecords);
  sex->SetGroupIndex(-1);
  ASSERT_TRUE(Grid->IsCursorMode());
  EXPECT_FALSE(Grid->IsAutoSort()) << "the data set's buffer is not sorted";
}

TEST_P(ColumnsAndSortingTest, ALoadedGridKeepsOneSortedColumnUnlessItMultiSorts) {
  const auto load = [this](const String& Behavior) {
    auto* form = TCustomForm::Create<TForm>(Application);
    ReadLayout(
        "object fmSorted: TForm\n"
        "  object dgSorted: TdxDBGrid\n"
        "    OptionsBehavior = [" +
            Behavior +
            "]\n"
            "    OptionsDB = [edgoCanNavigation, edgoLoadAllRecords]\n"
            "    object dgSortedName: TdxDBGridColumn\n"
            "      Sorted = csUp\n"
            "      FieldName = 'Name'\n"
            "    end\n"
            "    object dgSortedScore: TdxDBGridColumn\n"
            "      Sorted = csDown\n"
            "      FieldName = 'Score'\n"
            "    end\n"
            "  end\n"
            "end\n",
        form);
    auto* grid = static_cast<TdxDBGrid*>(form->FindComponent("dgSorted"));
    const std::pair<int, bool> sorted{grid->GetSortedColumnCount(), grid->DBColumn(1)->Sorted() != csNone};
    form->Free();
    return sorted;
  };
  EXPECT_EQ(load("edgoAutoSort"), std::make_pair(1, false));
  EXPECT_EQ(load("edgoAutoSort, edgoMultiSort"), std::make_pair(2, true));
}

TEST_P(ColumnsAndSortingTest, SummaryItemsFollowARenamedOrFreedColumn) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
  TdxDBGridColumn* score = AddColumn("Score");
  TdxDBGridColumn* sex = AddColumn("Sex");
  AddColumn("Name");
  TdxDBGridSummaryGroup* group = Grid->SummaryGroups()->Add();
  group->SetName("Scores");
  TdxDBGridSummaryItem* item = group->SummaryItems()->Add();
  item->SetColumnName(score->Name());
  Grid->SetDataSource(Source);
  score->SetName("dgScore");
  EXPECT_EQ(item->ColumnName(), "dgScore");
  Grid->LinkGroupSummaryFields();
  EXPECT_EQ(item->Field, DS().FieldByName("Score"));
  sex->SetSummaryGroupName("Scores");
  score->SetSummaryField("No");
  Grid->LinkGroupSummaryFields();
  EXPECT_EQ(sex->SummaryGroup, group);
  EXPECT_EQ(score->SummaryFieldObject, DS().FieldByName("No"));
  group->SetDefaultGroup(true);
  Grid->LinkGroupSummaryFields();
  EXPECT_EQ(score->SummaryGroup, group) << "a column naming no group takes the default group";

  sex->SetGroupIndex(0);
  ASSERT_EQ(Grid->GroupColumnCount(), 1);
  sex->Free();
  EXPECT_EQ(Grid->GroupColumnCount(), 0) << "a freed column leaves the grouping";
  score->Free();
  EXPECT_EQ(item->ColumnName(), "") << "and the summary items that named it";
}

TEST_P(ColumnsAndSortingTest, CopiedColumnsKeepTheirGrouping) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
  AddColumn("Name");
  TdxDBGridColumn* sex = AddColumn("Sex");
  AddColumn("Score");
  Grid->SetDataSource(Source);
  sex->SetGroupIndex(0);
  auto* copy = new TdxDBGrid(Form);
  copy->SetName("dg2");
  copy->SetDataSource(Source);
  copy->AssignColumns(Grid);
  ASSERT_EQ(copy->GetColumnCount(), 3);
  ASSERT_EQ(copy->GroupColumnCount(), 1);
  EXPECT_EQ(copy->GroupColumns(0)->FieldName(), "Sex");
  EXPECT_NE(copy->GroupColumns(0), sex);
}

TEST_P(ColumnsAndSortingTest, NodeRangesAndTheKeyOrderOfNodes) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
  Grid->SetOptionsBehavior(Grid->OptionsBehavior() | edgoMultiSelect);
  Grid->SetUseBookmarks(false);
  Grid->SetKeyField("No");
  AddColumn("Name");
  Grid->SetDataSource(Source);
  // The loaded rows, moved out of the key order.
  std::vector<TdxTreeListNode*> nodes;
  for (int no : {105, 101, 103, 102}) nodes.push_back(Grid->Items(no - 101));
  nodes[0]->MoveTo(nodes[1], natInsert);
  EXPECT_GT(Grid->CompareIndexes(nodes[0], nodes[1]), 0) << "by their keys, not their places";
  EXPECT_EQ(Grid->CompareIndexes(nodes[2], nodes[2]), 0);
  nodes[3]->SetSelected(true);
  Grid->SelectRange(nodes[2], nodes[0]);
  EXPECT_EQ(Grid->GetSelectedCount(), 4) << "the range joins the node selected before";
  for (int i = 1; i < Grid->GetSelectedCount(); ++i)
    EXPECT_LT(Grid->GetSelectedItem(i - 1), Grid->GetSelectedItem(i)) << "kept in address order";
  int index = 0;
  EXPECT_TRUE(Grid->SelectedNodeIndexOf(nodes[1], index));

  Grid->SetFocusedNodeAndColumn(nodes[1], 0, false);
  Grid->SelectFocusedOnly();
  EXPECT_EQ(Grid->GetSelectedCount(), 1);
  EXPECT_EQ(Grid->GetSelectedItem(0), nodes[1]);
  DS().Edit();
  Grid->SelectRange(nodes[0], nodes[3]);
  EXPECT_EQ(Grid->GetSelectedCount(), 1) << "not while a record is edited";
  DS().Cancel();
}

TEST_P(ColumnsAndSortingTest, TheFilterSideOfAColumn) {
  TdxDBGridColumn* no = AddColumn("No");
  TdxDBGridColumn* name = AddColumn("Name");
  Grid->SetDataSource(Source);
  EXPECT_EQ(no->FilterTextToValue("42"), Variant(42));
  EXPECT_EQ(no->FilterTextToValue(""), Variant("")) << "an empty text is no number";
  EXPECT_EQ(no->FilterTextToValue("4x"), Variant("4x")) << "a text that is no number stays text";
  EXPECT_EQ(no->GetFilterVarType(), varInteger);
  EXPECT_EQ(name->GetFilterVarType(), varString);
  EXPECT_EQ(no->GetFilterOperators(), 0xFF);

  int changes = 0;
  name->OnChange = [&](TObject*) { ++changes; };
  TdxInplaceEdit* editor = Grid->GetEditor(name->GetIndex());
  name->SetReadOnly(true);
  name->InitFilterEditor(editor);
  EXPECT_FALSE(editor->ReadOnly()) << "a filter value is always typed";
  EXPECT_FALSE(editor->OnChange);
  EXPECT_TRUE(name->OnChange) << "the column keeps its own handler";
  name->SetFilterEditValue(editor, Variant::Null());
  String text;
  EXPECT_EQ(name->GetFilterEditValue(editor, text), Variant(""));
  name->SetFilterEditValue(editor, Variant(7));
  EXPECT_EQ(name->GetFilterEditValue(editor, text), Variant("7"));
  EXPECT_EQ(text, "7");
  EXPECT_EQ(changes, 0);
}

TEST_P(ColumnsAndSortingTest, RecordRowsSortOnlyWhereAllRecordsAreRows) {
  TdxDBGridColumn* sex = AddColumn("Sex");
  TdxDBGridColumn* name = AddColumn("Name");
  Grid->SetKeyField("No");
  Grid->SetDataSource(Source);
  name->SetSorted(csUp);
  EXPECT_EQ(name->Sorted(), csNone) << "the buffered rows keep the data set's order";

  sex->SetGroupIndex(0);
  name->SetSorted(csDown);
  ASSERT_EQ(Grid->Count(), 2);
  for (int g = 0; g < Grid->Count(); ++g) {
    TdxTreeListNode* group = Grid->Items(g);
    for (int i = 1; i < group->Count(); ++i)
      EXPECT_GT(CompareStr(group->Items(i - 1)->Strings(name->GetIndex()), group->Items(i)->Strings(name->GetIndex())),
                0)
          << "the records below each group row, greatest first";
  }
  EXPECT_EQ(Grid->SortColumn(), name);
  Grid->RefreshRecords();
  for (int g = 0; g < Grid->Count(); ++g) {
    TdxTreeListNode* group = Grid->Items(g);
    EXPECT_GT(CompareStr(group->Items(0)->Strings(name->GetIndex()), group->Items(1)->Strings(name->GetIndex())), 0)
        << "and again after a refresh";
  }
}

// The group rows in their own order, each with its records in the sort column's order: the load
// that grouping and every later reload run sorts the record level, not the group rows.
TEST_P(ColumnsAndSortingTest, AGroupedGridSortsTheRecordsInsideEachGroupOnEveryLoad) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
  Grid->SetKeyField("No");
  TdxDBGridColumn* sex = AddColumn("Sex");
  TdxDBGridColumn* score = AddColumn("Score");
  Grid->SetDataSource(Source);
  score->SetSorted(csDown);
  sex->SetGroupIndex(0);
  const auto rows = [this] {
    String text;
    for (int g = 0; g < Grid->Count(); ++g) {
      auto* group = static_cast<TdxDBGridNode*>(Grid->Items(g));
      text += (g ? "; " : "") + VarToStr(group->GroupValue) + ":";
      for (int i = 0; i < group->Count(); ++i)
        text += " " + VarToStr(static_cast<TdxDBGridNode*>(group->Items(i))->KeyValue);
    }
    return text;
  };
  const String sorted = "女: 108 104 110 106 112 102; 男: 107 111 101 109 105 103";
  EXPECT_EQ(rows(), sorted) << "after grouping";
  Grid->ReloadRecords();
  EXPECT_EQ(rows(), sorted) << "after a reload";
  sex->SetSorted(csDown);
  Grid->ReloadRecords();
  EXPECT_EQ(rows(), "男: 107 111 101 109 105 103; 女: 108 104 110 106 112 102") << "groups descending";
}

INSTANTIATE_TEST_SUITE_P(BackEnds, ColumnsAndSortingTest, testing::Values("Mem", "Sqlite"), GridBackEndName);

}  // namespace
