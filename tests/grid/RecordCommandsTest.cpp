// What the grid does to the data set's records: a node deletes its own record, the column of a
// field takes the focus, the new-item row starts a record, leaving the grid drops an untouched new
// record, an untouched edit is reset, and an empty read-only set gives no cell to edit.
#include "support/GridFixture.h"

namespace {

using RecordCommandsTest = TGridTest;

TEST_P(RecordCommandsTest, ANodeDeletesItsOwnRecord) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
  Grid->SetKeyField("No");
  AddColumn("Name");
  AddColumn("No");
  Grid->SetDataSource(Source);
  DS().First();
  NodeOf(104)->DeleteRecord();
  EXPECT_EQ(DS().RecordCount(), 11);
  EXPECT_FALSE(DS().Locate("No", Variant(104))) << "found by its key wherever the data set stood";
  EXPECT_EQ(NodeOf(104), nullptr) << "the rows follow";

  // Without navigation the focus does not move the data set, so nothing is deleted.
  Grid->SetOptionsDB(Grid->OptionsDB() & ~edgoCanNavigation);
  NodeOf(105)->DeleteRecord();
  EXPECT_EQ(DS().RecordCount(), 11);
}

TEST_P(RecordCommandsTest, InPlainCursorModeOnlyTheFocusedRowDeletes) {
  TdxDBGridColumn* name = AddColumn("Name");
  Grid->SetDataSource(Source);
  ShowGrid(210, 20);
  DS().MoveBy(2);
  Grid->SyncWithDataSet();
  static_cast<TdxDBGridNode*>(Grid->Items(5))->DeleteRecord();
  EXPECT_EQ(DS().RecordCount(), 12);
  static_cast<TdxDBGridNode*>(Grid->Items(2))->DeleteRecord();
  EXPECT_EQ(DS().RecordCount(), 11);
  Grid->Relayout();
  EXPECT_EQ(Grid->Items(2)->Strings(name->GetIndex()), "Zhou Qi");
}

TEST_P(RecordCommandsTest, TheColumnOfAFieldTakesTheFocus) {
  AddColumn("Name");
  AddColumn("Sex");
  TdxDBGridColumn* score = AddColumn("Score");
  Grid->SetDataSource(Source);
  ShowGrid(210, 20);
  DS().FieldByName("Score")->FocusControl();
  EXPECT_EQ(Grid->GetFocusedColumn(), score->GetIndex());
  EXPECT_TRUE(Grid->IsControlOrEditorFocused());
  Grid->SetFocusedVisibleIndex(0);
  Grid->SetOptionsView(Grid->OptionsView() | edgoRowSelect);
  DS().FieldByName("Score")->FocusControl();
  EXPECT_EQ(Grid->GetFocusedVisibleIndex(), 0) << "whole rows are focused, not cells";
}

TEST_P(RecordCommandsTest, TheNewItemRowStartsARecordAndLeavingDropsItUntouched) {
  AddColumn("Name");
  Grid->SetDataSource(Source);
  ShowGrid(210, 20);
  TTestBox* other = AddBox("other");
  Grid->SetFocusedVisibleIndex(0);
  Grid->SetFocus();
  Pump();
  EXPECT_EQ(Grid->GetNewRowText(0), "") << "no new record being edited";
  EXPECT_TRUE(Grid->CanEditNewItemRow());
  EXPECT_EQ(DS().State(), dsInsert);
  EXPECT_TRUE(Grid->IsNewItemRowEditing());
  other->SetFocus();
  Pump();
  EXPECT_EQ(DS().State(), dsBrowse) << "an untouched new record is dropped as the grid is left";
  EXPECT_EQ(DS().RecordCount(), 12);

  Grid->SetOptionsDB(Grid->OptionsDB() & ~edgoCancelOnExit);
  Grid->SetFocus();
  Pump();
  DS().Insert();
  other->SetFocus();
  Pump();
  EXPECT_EQ(DS().State(), dsInsert) << "kept when the option is off";
  DS().Cancel();

  bool asked = false;
  Grid->OnEditing = [&](TObject*, TdxTreeListNode*, bool& Allow) {
    asked = true;
    Allow = false;
  };
  EXPECT_FALSE(Grid->CanEditNewItemRow());
  EXPECT_TRUE(asked);
  DS().Cancel();
}

TEST_P(RecordCommandsTest, ResettingTheLinkCancelsOnlyAnUntouchedEdit) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
  Grid->SetKeyField("No");
  AddColumn("Name");
  Grid->SetDataSource(Source);
  DS().Edit();
  DS().FieldByName("Name")->SetAsString("Changed");
  Grid->GetDataLink()->Reset();
  EXPECT_EQ(DS().State(), dsBrowse) << "the grid did not change the record";
  EXPECT_EQ(DS().FieldByName("Name")->AsString(), "Zhang San");

  TdxTreeListNode* node = NodeOf(102);
  Grid->SetFocusedNodeAndColumn(node, 0, false);
  ASSERT_TRUE(Grid->CanEditModify());
  Grid->Take();
  Grid->GetDataLink()->Reset();
  EXPECT_EQ(DS().State(), dsEdit) << "the grid's own edit stays";
  EXPECT_EQ(Grid->Take(), std::vector<String>{"RecordChanged(nil)"});
  DS().Cancel();
}

TEST_P(RecordCommandsTest, AnEmptySetThatTakesNoInsertIsReadOnly) {
  Grid->SetOptionsDB(Grid->OptionsDB() & ~edgoCanInsert);
  TdxDBGridColumn* name = AddColumn("Name");
  Grid->SetDataSource(Source);
  EXPECT_FALSE(Grid->IsEmptyReadOnly());
  DS().First();
  while (!DS().IsEmpty()) DS().Delete();
  EXPECT_TRUE(Grid->IsEmptyReadOnly());
  EXPECT_TRUE(name->ReadOnly());
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoCanInsert);
  EXPECT_FALSE(name->ReadOnly());
}

TEST_P(RecordCommandsTest, TheEditColourEventHasTheLastWord) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
  Grid->SetKeyField("No");
  TdxDBGridColumn* name = AddColumn("Name");
  name->SetColor(clYellow);
  Grid->SetDataSource(Source);
  TdxTreeListNode* node = NodeOf(103);
  Grid->SetFocusedNodeAndColumn(node, 0, false);
  EXPECT_EQ(Grid->GetEditColor(), clYellow);
  Grid->OnGetEditColor = [&](TObject*, TdxTreeListNode* ANode, TdxDBTreeListColumn* AColumn, TColor& AColor) {
    if (ANode == node && AColumn == name) AColor = clAqua;
  };
  EXPECT_EQ(Grid->GetEditColor(), clAqua);
}

// --- the record commands --------------------------------------------------------------------------------

// All records are rows, identified by their number, several of them selectable.
void AllRecordsMultiSelect(TCustomdxDBGrid* Grid) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
  Grid->SetOptionsBehavior(Grid->OptionsBehavior() | edgoMultiSelect);
  Grid->SetKeyField("No");
}

TEST_P(RecordCommandsTest, DeletingAsksFirstAndTakesTheSelectedRecords) {
  AllRecordsMultiSelect(Grid);
  TdxDBGridColumn* sex = AddColumn("Sex");
  AddColumn("Name");
  Grid->SetDataSource(Source);
  ShowGrid(200, 20);
  for (int no : {103, 105}) {
    Grid->SetFocusedNodeAndColumn(NodeOf(no), 0, false);
    NodeOf(no)->SetSelected(true);
  }
  MessageBoxes().Answers = {IDCANCEL};
  EXPECT_TRUE(Grid->DeleteRecordsCommand());
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
  EXPECT_EQ(MessageBoxes().Shown[0].Caption, "Confirm");
  EXPECT_EQ(MessageBoxes().Shown[0].Text, "Delete all selected records?");
  EXPECT_EQ(DS().RecordCount(), 12) << "cancelled";
  EXPECT_TRUE(Grid->DeleteRecordsCommand());
  EXPECT_EQ(DS().RecordCount(), 10);
  EXPECT_EQ(NodeOf(103), nullptr);
  EXPECT_EQ(NodeOf(105), nullptr);
  EXPECT_EQ(Grid->GetSelectedCount(), 0);

  MessageBoxes().Shown.clear();
  Grid->SetFocusedNodeAndColumn(NodeOf(110), 0, false);
  EXPECT_TRUE(Grid->DeleteRecordsCommand());
  EXPECT_EQ(MessageBoxes().Shown.at(0).Text, "Delete record?");
  EXPECT_EQ(NodeOf(110), nullptr);

  sex->SetGroupIndex(0);
  Grid->SetFocusedNodeAndColumn(Grid->Items(0), 0, false);
  MessageBoxes().Shown.clear();
  EXPECT_FALSE(Grid->DeleteRecordsCommand()) << "a group row deletes nothing";
  EXPECT_TRUE(MessageBoxes().Shown.empty());
  EXPECT_EQ(DS().RecordCount(), 9);
}

TEST_P(RecordCommandsTest, AnAppendedRecordIsAppendedOnceAndDroppedUntouched) {
  AllRecordsMultiSelect(Grid);
  AddColumn("Name");
  Grid->SetDataSource(Source);
  DS().Last();
  Grid->FocusedNode()->SetSelected(true);
  Grid->AppendRecordCommand();
  EXPECT_EQ(DS().State(), dsInsert);
  EXPECT_EQ(Grid->Count(), 13);
  EXPECT_EQ(Grid->GetSelectedCount(), 0) << "a lone selected row is let go";
  EXPECT_TRUE(Grid->IsUntouchedInsert());
  Grid->AppendRecordCommand();
  EXPECT_EQ(Grid->Count(), 13) << "an untouched new record is not appended again";
  EXPECT_TRUE(Grid->CancelUntouchedInsert());
  EXPECT_EQ(DS().State(), dsBrowse);
  EXPECT_EQ(Grid->Count(), 12);
  EXPECT_EQ(Grid->FocusedNode(), NodeOf(112));

  ASSERT_TRUE(DS().Locate("No", Variant(105)));
  EXPECT_TRUE(Grid->InsertRecordCommand());
  EXPECT_EQ(Grid->FocusedNode(), Grid->Items(4)) << "inserted before the record";
  EXPECT_FALSE(Grid->CancelUntouchedInsert()) << "only a new record at the end is dropped so";
  DS().FieldByName("Name")->SetAsString("Touched");
  EXPECT_FALSE(Grid->IsUntouchedInsert());
  DS().Cancel();
}

// Plain cursor mode: the selection grows and shrinks by runs of records from the anchor.
class ScrollSelectTest : public TGridTest {
 protected:
  void SetUp() override {
    TGridTest::SetUp();
    Grid->SetOptionsBehavior(Grid->OptionsBehavior() | edgoMultiSelect);
    AddColumn("Name");
    AddColumn("No");
    Grid->SetDataSource(Source);
    ShowGrid(100, 20);
  }
  std::vector<int> SelectedNos() {
    std::vector<int> nos;
    const TBookmark current = DS().Bookmark();
    for (const TdxDBSelectionEntry& entry : Grid->Selection()) {
      DS().GotoBookmark(entry.Bookmark);
      nos.push_back(DS().FieldByName("No")->AsInteger());
    }
    DS().GotoBookmark(current);
    return nos;
  }
  int CurrentNo() { return DS().FieldByName("No")->AsInteger(); }
};

TEST_P(ScrollSelectTest, RunsFromTheAnchorToTheEnds) {
  ASSERT_TRUE(DS().Locate("No", Variant(109)));
  Grid->ScrollSelect(false, 0);
  EXPECT_EQ(SelectedNos(), (std::vector<int>{109, 110, 111, 112})) << "the first move takes the anchor";
  EXPECT_EQ(CurrentNo(), 112);
  Grid->ScrollSelect(true, 0);
  EXPECT_EQ(SelectedNos(), (std::vector<int>{101, 102, 103, 104, 105, 106, 107, 108, 109}));
  EXPECT_EQ(CurrentNo(), 101);
}

TEST_P(ScrollSelectTest, WalkingBackShrinksTowardsTheAnchorFirst) {
  struct Case {
    std::vector<std::pair<bool, int>> Moves;  // up, N
    std::vector<int> Selected;
    int Current;
  };
  const Case cases[] = {
      {{{false, 3}, {true, 2}}, {105, 106}, 106},
      {{{false, 3}, {true, 3}}, {105}, 105},
      {{{false, 1}, {true, 3}}, {103, 104, 105}, 103},
      {{{true, 2}, {true, 9}}, {101, 102, 103, 104, 105}, 101},
      {{{false, 9}}, {105, 106, 107, 108, 109, 110, 111, 112}, 112},
  };
  for (const Case& c : cases) {
    Grid->ClearSelection();
    Grid->SetSelectionAnchor(nullptr);
    ASSERT_TRUE(DS().Locate("No", Variant(105)));
    Grid->SyncWithDataSet();
    for (const auto& [up, n] : c.Moves) Grid->ScrollSelect(up, n);
    EXPECT_EQ(SelectedNos(), c.Selected) << c.Current;
    EXPECT_EQ(CurrentNo(), c.Current);
  }
}

TEST_P(ScrollSelectTest, CopyingRowsAsTextWalksTheRecords) {
  TStringList all;
  Grid->CopyAllToStrings(&all);
  ASSERT_EQ(all.Count(), 13) << "the header line and every record, not only the buffered rows";
  EXPECT_EQ(all[0], Grid->GetHeadersAsText().substr(0, Grid->GetHeadersAsText().size() - 2));
  EXPECT_EQ(all[12], "Xu Wu\t112");
  ASSERT_TRUE(DS().Locate("No", Variant(110)));
  Grid->ScrollSelect(false, 1);
  TStringList selected;
  Grid->CopySelectedToStrings(&selected);
  EXPECT_EQ(selected.Count(), 3);
  EXPECT_EQ(selected[1], "He San\t110");
  EXPECT_EQ(selected[2], "Lin Si\t111");
  EXPECT_EQ(CurrentNo(), 111) << "the data set goes back";
}

INSTANTIATE_TEST_SUITE_P(BackEnds, ScrollSelectTest, testing::Values("Mem", "Sqlite"), GridBackEndName);

INSTANTIATE_TEST_SUITE_P(BackEnds, RecordCommandsTest, testing::Values("Mem", "Sqlite"), GridBackEndName);

}  // namespace
