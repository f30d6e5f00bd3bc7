// The grid and its data set following each other: the data set follows the focused row by Locate
// or by record numbers, the scroll bar and the wheel of plain cursor mode move the data set, the
// window shows the right rows after every move, an open editor follows its field until the user
// types, a new record gets its row, and OnChangeNodeEx tells a change of the focused row's state.
#include "support/GridFixture.h"
#include "windows/Scrolling.h"

namespace {

class ReactionsTest : public TGridTest {
 protected:
  void LoadAll() {
    Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
    Grid->SetKeyField("No");
  }
  int CurrentNo() { return DS().FieldByName("No")->AsInteger(); }
};

TEST_P(ReactionsTest, TheDataSetFollowsTheFocusedRowByLocateOrByRecordNumbers) {
  LoadAll();
  AddColumn("Name");
  Grid->SetDataSource(Source);
  Grid->Take();
  Grid->SetFocusedNodeAndColumn(NodeOf(105), 0, false);
  EXPECT_EQ(CurrentNo(), 105);
  EXPECT_EQ(Grid->Take(), (std::vector<String>{"DataSetScrolled(-4)", "DataSetScrolled(0)"}))
      << "moved by the record numbers, then the grid's own notice";

  Grid->SetOptionsDB(Grid->OptionsDB() | edgoUseLocate);
  ASSERT_TRUE(Grid->IsLocateMode());
  Grid->Take();
  Grid->SetFocusedNodeAndColumn(NodeOf(102), 0, false);
  EXPECT_EQ(CurrentNo(), 102);
  EXPECT_EQ(Grid->Take(), (std::vector<String>{"DataSetChanged"})) << "located by the key";
  EXPECT_EQ(Grid->FocusedNode(), NodeOf(102));

  DS().Last();
  EXPECT_EQ(Grid->FocusedNode(), NodeOf(112)) << "and the focused row follows the data set";
  Grid->SetOptionsDB(Grid->OptionsDB() & ~edgoCanNavigation);
  Grid->SetFocusedNodeAndColumn(NodeOf(101), 0, false);
  EXPECT_EQ(CurrentNo(), 112) << "without navigation the data set stays";
}

TEST_P(ReactionsTest, TheScrollBarOfPlainCursorModeMovesTheDataSet) {
  AddColumn("Name");
  Grid->SetDataSource(Source);
  ShowGrid(100, 20);
  ASSERT_EQ(Grid->Count(), 5);
  DS().MoveBy(4);
  ASSERT_EQ(Grid->GetDataLink()->ActiveRecord(), 4) << "the last buffered row";
  struct Case {
    int Code;
    int Position;
    int No;
  };
  const Case cases[] = {
      {SB_LINEDOWN, 0, 106},  // the record after the buffer
      {SB_LINEUP, 0, 101},    // from the first row of 102..106: the record before it
      {SB_PAGEDOWN, 0, 106}, {SB_BOTTOM, 0, 112}, {SB_PAGEUP, 0, 107}, {SB_TOP, 0, 101}, {SB_THUMBTRACK, 0, 101},
  };
  for (const Case& c : cases) {
    Grid->Perform(WM_VSCROLL, MAKEWPARAM(c.Code, c.Position), 0);
    EXPECT_EQ(CurrentNo(), c.No) << c.Code;
  }
  Grid->ContainerScrollLines(false, 3);
  EXPECT_EQ(CurrentNo(), 102) << "the wheel moves one record";
  Grid->ContainerScrollLines(true, 3);
  EXPECT_EQ(CurrentNo(), 101);
}

// Whether the buffered rows are scrolled (a short move) or painted anew (a long one), the window
// shows what a full repaint shows.
TEST_P(ReactionsTest, PlainCursorModeShowsTheRowsOfTheRecordsAfterEveryMove) {
  AddColumn("Name");
  AddColumn("No");
  Grid->SetDataSource(Source);
  ShowGrid(100, 20);
  const TRect rows = Grid->ClientRect();
  for (int distance : {4, 1, 2, -6, -1, 9}) {
    DS().MoveBy(distance);
    Pump();
    const std::vector<TColor> shown = ComposedPixels(Grid->Handle(), rows);
    Grid->Invalidate();
    Pump();
    EXPECT_EQ(shown, ComposedPixels(Grid->Handle(), rows)) << "after a move of " << distance;
  }
}

TEST_P(ReactionsTest, AnOpenEditorTakesTheFieldsNewValueUntilTheUserChangesIt) {
  LoadAll();
  TdxDBGridColumn* name = AddColumn("Name");
  Grid->SetDataSource(Source);
  ShowGrid(200, 20);
  Grid->SetFocusedNodeAndColumn(NodeOf(103), Grid->GetVisibleColumnPos(name->GetIndex()), true);
  Grid->ShowEditor();
  ASSERT_EQ(Grid->State(), tlsEditing);
  EXPECT_EQ(VarToStr(Grid->InplaceEditor()->GetEditValue()), "Wang Wu");
  DS().Edit();
  DS().FieldByName("Name")->SetAsString("Wang Liu");
  EXPECT_EQ(VarToStr(Grid->InplaceEditor()->GetEditValue()), "Wang Liu") << "changed under the editor";
  Grid->InplaceEditor()->SetModified(true);
  DS().FieldByName("Name")->SetAsString("Wang Qi");
  EXPECT_EQ(VarToStr(Grid->InplaceEditor()->GetEditValue()), "Wang Liu") << "the user's text stays";
  DS().Cancel();
}

TEST_P(ReactionsTest, ANewRecordGetsItsRowAndTheFirstColumn) {
  LoadAll();
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoResetColumnFocus);
  AddColumn("Name");
  AddColumn("Sex");
  Grid->SetDataSource(Source);
  ASSERT_TRUE(DS().Locate("No", Variant(104)));
  Grid->SetFocusedVisibleIndex(1);
  DS().Insert();
  ASSERT_EQ(Grid->Count(), 13);
  EXPECT_EQ(Grid->FocusedNode(), Grid->Items(3)) << "before the record it was inserted at";
  EXPECT_EQ(Grid->ChangedNode(), Grid->FocusedNode());
  EXPECT_EQ(Grid->GetFocusedVisibleIndex(), 0);
  DS().FieldByName("No")->SetAsInteger(120);
  DS().FieldByName("Name")->SetAsString("New One");
  DS().Post();
  ASSERT_EQ(Grid->Count(), 13);
  EXPECT_EQ(NodeOf(120)->Strings(0), "New One");
  EXPECT_EQ(Grid->FocusedNode(), NodeOf(120));

  DS().Append();
  EXPECT_EQ(Grid->Count(), 14);
  EXPECT_EQ(Grid->FocusedNode(), Grid->Items(13)) << "an appended record's row goes last";
  DS().Cancel();
  EXPECT_EQ(Grid->Count(), 13);
}

TEST_P(ReactionsTest, OnChangeNodeExTellsAChangedKeyOrSelectedState) {
  LoadAll();
  Grid->SetOptionsBehavior(Grid->OptionsBehavior() | edgoMultiSelect);
  AddColumn("Name");
  Grid->SetDataSource(Source);
  int told = 0;
  Grid->OnChangeNodeEx = [&](TObject*) { ++told; };
  DS().Edit();
  DS().FieldByName("Name")->SetAsString("Still Zhang");
  DS().Post();
  EXPECT_EQ(told, 0) << "the same row, key and state";
  Grid->FocusedNode()->SetSelected(true);
  EXPECT_EQ(told, 1) << "the focused row became selected";
  told = 0;
  DS().Delete();
  EXPECT_GE(told, 1) << "another record is focused";
  EXPECT_EQ(Grid->FocusedNode(), NodeOf(102));
}

TEST_P(ReactionsTest, AFocusedGroupRowStandsForItsRecords) {
  LoadAll();
  TdxDBGridColumn* sex = AddColumn("Sex");
  AddColumn("Name");
  Grid->SetDataSource(Source);
  sex->SetGroupIndex(0);
  TdxTreeListNode* group = Grid->Items(1);
  group->Expand(false);
  Grid->SetFocusedNodeAndColumn(group, 0, false);
  EXPECT_EQ(Grid->FocusedNode(), group) << "the data set went to its first record, the focus stayed";
  EXPECT_EQ(DS().FieldByName("No")->AsInteger(),
            static_cast<TdxDBGridNode*>(group->GetFirstChild())->KeyValue.AsInteger());
  const int first = DS().FieldByName("No")->AsInteger();
  Grid->SetOptionsBehavior(Grid->OptionsBehavior() | edgoSeekDetail);
  Grid->SyncWithDataSet();
  EXPECT_EQ(Grid->FocusedNode(), NodeOf(first)) << "with SeekDetail the record takes the focus";
}

INSTANTIATE_TEST_SUITE_P(BackEnds, ReactionsTest, testing::Values("Mem", "Sqlite"), GridBackEndName);

}  // namespace
