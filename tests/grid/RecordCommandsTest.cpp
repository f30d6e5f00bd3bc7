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
  String text = "x";
  Grid->GetNewRowText(0, text);
  EXPECT_EQ(text, "") << "no new record being edited";
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

INSTANTIATE_TEST_SUITE_P(BackEnds, RecordCommandsTest, testing::Values("Mem", "Sqlite"), GridBackEndName);

}  // namespace
