// The grid's keys and mouse, given as a user gives them: deleting after the confirmation,
// appending and dropping a new record with Down and Up, Esc on an untouched edit, Insert, group
// rows opened with the arrows, the column scroll of row-select mode, the records of plain cursor
// mode walked and selected with Shift, the wheel, and the group-by panel's buttons pressed,
// dragged, dropped and clicked.
#include "support/GridFixture.h"
#include "windows/Focus.h"

namespace {

class InputTest : public TGridTest {
 protected:
  // The grid on the form with the focus, all records as rows unless told otherwise.
  void Show(bool AllRecords = true, int Height = 200) {
    if (AllRecords) Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
    Grid->SetKeyField("No");
    Grid->SetDataSource(Source);
    ShowGrid(Height, 20);
    Grid->SetFocus();
    Pump();
  }
  void Key(int VirtualKey, TShiftState Shift = 0) {
    PressKey(VirtualKey, Shift);
    Pump();
  }
  int CurrentNo() { return DS().FieldByName("No")->AsInteger(); }
  TPoint CellPoint(TdxTreeListNode* Node) {
    const TRect r = Grid->GetNodeCellRect(Node, 0);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
};

TEST_P(InputTest, CtrlDeleteAsksAndDeletesTheSelectedRecordsOrNothing) {
  Grid->SetOptionsBehavior(Grid->OptionsBehavior() | edgoMultiSelect);
  TdxDBGridColumn* sex = AddColumn("Sex");
  AddColumn("Name");
  Show();
  for (int no : {103, 105}) {
    Grid->SetFocusedNodeAndColumn(NodeOf(no), 0, false);
    NodeOf(no)->SetSelected(true);
  }
  MessageBoxes().Answers = {IDCANCEL, IDOK};
  Key(VK_DELETE, ssCtrl);
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
  EXPECT_EQ(MessageBoxes().Shown[0].Text, "Delete all selected records?");
  EXPECT_EQ(MessageBoxes().Shown[0].Caption, "Confirm");
  EXPECT_EQ(DS().RecordCount(), 12) << "Cancel changes nothing";
  Key(VK_DELETE, ssCtrl);
  EXPECT_EQ(DS().RecordCount(), 10);
  EXPECT_EQ(NodeOf(103), nullptr);
  EXPECT_EQ(NodeOf(105), nullptr);

  sex->SetGroupIndex(0);
  Grid->SetFocusedNodeAndColumn(Grid->Items(0), 0, false);
  MessageBoxes().Shown.clear();
  Key(VK_DELETE, ssCtrl);
  EXPECT_TRUE(MessageBoxes().Shown.empty()) << "a group row deletes nothing";
  EXPECT_EQ(DS().RecordCount(), 10);
}

TEST_P(InputTest, DownOnTheLastRowAppendsOnceAndUpDropsTheUntouchedRecord) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoCanAppend);
  AddColumn("Name");
  Show();
  DS().Last();
  Key(VK_DOWN);
  EXPECT_EQ(DS().State(), dsInsert);
  EXPECT_EQ(Grid->Count(), 13);
  Key(VK_DOWN);
  EXPECT_EQ(Grid->Count(), 13) << "an untouched new record is not appended again";
  EXPECT_EQ(DS().State(), dsInsert);
  Key(VK_UP);
  EXPECT_EQ(DS().State(), dsBrowse);
  EXPECT_EQ(Grid->Count(), 12);
  EXPECT_EQ(Grid->FocusedNode(), NodeOf(112)) << "the last row takes the focus";

  Grid->SetOptionsDB(Grid->OptionsDB() & ~edgoCanAppend);
  Key(VK_DOWN);
  EXPECT_EQ(DS().State(), dsBrowse) << "without CanAppend Down appends nothing";
}

TEST_P(InputTest, EscapeCancelsAnUntouchedEditAndInsertStartsARecordInTheEditor) {
  AddColumn("Name");
  Show();
  ASSERT_TRUE(DS().Locate("No", Variant(104)));
  DS().Edit();
  Key(VK_ESCAPE);
  EXPECT_EQ(DS().State(), dsBrowse);

  Key(VK_INSERT);
  EXPECT_EQ(DS().State(), dsInsert);
  EXPECT_EQ(Grid->State(), tlsEditing) << "the new record is edited at once";
  EXPECT_EQ(Grid->Count(), 13);
}

// Text typed ahead into a cell reaches the record in the order typed, whether Enter opened the
// editor first or the first key opened it.
TEST_P(InputTest, TextTypedIntoACellKeepsItsOrderWithOrWithoutEnterFirst) {
  Grid->SetOptionsView(Grid->OptionsView() & ~edgoRowSelect);
  AddColumn("Name");
  Show();
  for (const int no : {104, 105}) {
    const bool enterFirst = no == 104;
    Grid->SetFocusedNodeAndColumn(NodeOf(no), 0, false);
    Pump();
    if (enterFirst) {
      Key(VK_RETURN);
      ASSERT_EQ(Grid->State(), tlsEditing);
    }
    TypeText("abc");
    Pump();
    ASSERT_EQ(Grid->State(), tlsEditing);
    EXPECT_EQ(VarToStr(Grid->InplaceEditor()->GetEditValue()), "abc") << "Enter first: " << enterFirst;
    Key(VK_RETURN);
    ASSERT_TRUE(DS().Locate("No", Variant(no)));
    EXPECT_EQ(DS().FieldByName("Name")->AsString(), "abc") << "Enter first: " << enterFirst;
  }
}

TEST_P(InputTest, ArrowsOpenAndCloseAGroupRowAndScrollByAColumnInRowSelectMode) {
  Grid->SetOptionsView(Grid->OptionsView() & ~edgoRowSelect);
  TdxDBGridColumn* sex = AddColumn("Sex");
  for (const char* field : {"Name", "No", "Score", "Note"}) AddColumn(field)->SetWidth(160);
  Show();
  sex->SetGroupIndex(0);
  TdxTreeListNode* group = Grid->Items(0);
  group->SetExpanded(false);
  Grid->SetFocusedNodeAndColumn(group, 0, true);
  Key(VK_RIGHT);
  EXPECT_TRUE(group->Expanded());
  Key(VK_LEFT);
  EXPECT_FALSE(group->Expanded());

  Grid->SetOptionsView(Grid->OptionsView() | edgoRowSelect);
  group->SetExpanded(true);
  Grid->SetFocusedNodeAndColumn(group->GetFirstChild(), 0, true);
  ASSERT_EQ(Grid->LeftCoord(), 0);
  Key(VK_RIGHT);
  EXPECT_GT(Grid->LeftCoord(), 0) << "the grid scrolls instead of moving a cell focus";
  Key(VK_LEFT);
  EXPECT_EQ(Grid->LeftCoord(), 0);
}

TEST_P(InputTest, PlainCursorModeWalksAndSelectsTheRecordsThroughTheDataSet) {
  Grid->SetOptionsBehavior(Grid->OptionsBehavior() | edgoMultiSelect);
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoCanAppend);
  AddColumn("Name");
  AddColumn("No");
  Show(false, 100);
  ASSERT_TRUE(Grid->IsCursorMode());
  Key(VK_END, ssCtrl);
  EXPECT_EQ(CurrentNo(), 112);
  Key(VK_HOME, ssCtrl);
  EXPECT_EQ(CurrentNo(), 101);

  ASSERT_TRUE(DS().Locate("No", Variant(109)));
  Grid->SyncWithDataSet();
  Key(VK_END, ssShift);
  EXPECT_EQ(Grid->GetSelectedCount(), 4) << "the anchor and every record after it";
  EXPECT_EQ(CurrentNo(), 112);
  Key(VK_HOME, ssShift);
  EXPECT_EQ(Grid->GetSelectedCount(), 9) << "the anchor and every record before it";
  EXPECT_EQ(CurrentNo(), 101);

  Grid->ClearSelection();
  Grid->SetSelectionAnchor(nullptr);
  Key(VK_NEXT, ssShift);
  EXPECT_EQ(Grid->GetSelectedCount(), 5) << "the current record anchors the first page";

  DS().Last();
  Grid->SyncWithDataSet();
  Key(VK_DOWN);
  EXPECT_EQ(DS().State(), dsInsert) << "Down at the end appends";
  Key(VK_UP);
  EXPECT_EQ(DS().State(), dsBrowse) << "Up drops the untouched new record";
  EXPECT_EQ(DS().RecordCount(), 12);

  DS().First();
  Grid->SyncWithDataSet();
  Wheel(Grid, Point(10, 10), -120);
  Pump();
  EXPECT_EQ(CurrentNo(), 102) << "the wheel moves one record";
}

TEST_P(InputTest, ShiftArrowsSelectARunOfRecordsInThePartialWindow) {
  Grid->SetOptionsBehavior(Grid->OptionsBehavior() | edgoMultiSelect);
  Grid->SetPartialLoad(true);
  AddColumn("Name");
  Show(false);
  ASSERT_TRUE(Grid->IsPartialMode());
  ASSERT_TRUE(DS().Locate("No", Variant(104)));
  Grid->SyncWithDataSet();
  for (int i = 0; i < 3; ++i) Key(VK_DOWN, ssShift);
  EXPECT_EQ(CurrentNo(), 107);
  EXPECT_EQ(Grid->GetSelectedCount(), 4) << "from the record the first Shift key stood on";
  for (int no : {104, 105, 106, 107}) EXPECT_TRUE(Grid->IsNodeSelected(NodeOf(no))) << no;
}

TEST_P(InputTest, ADoubleClickOnARecordsCellIsTheGridsOwn) {
  Grid->SetOptionsBehavior(Grid->OptionsBehavior() & ~edgoImmediateEditor);
  AddColumn("Name");
  Show();
  int doubleClicks = 0;
  Grid->OnDblClick = [&](TObject*) { ++doubleClicks; };
  DoubleClick(Grid, CellPoint(NodeOf(103)));
  Pump();
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_EQ(Grid->State(), tlsNormal);
}

// A click on a row moves the data set to its record, with all records loaded and in plain cursor
// mode (the students' list of the main window), in row select.
TEST_P(InputTest, AClickOnARowMovesTheDataSetToItsRecord) {
  Grid->SetOptionsBehavior(Grid->OptionsBehavior() & ~edgoImmediateEditor);
  Grid->SetOptionsView(Grid->OptionsView() | edgoRowSelect);
  AddColumn("Name");
  AddColumn("No");
  for (const bool allRecords : {true, false}) {
    SCOPED_TRACE(allRecords ? "all records" : "cursor mode");
    Grid->SetOptionsDB(Grid->OptionsDB() & ~edgoLoadAllRecords);
    Show(allRecords);
    ASSERT_EQ(Grid->IsCursorMode(), !allRecords);
    DS().First();
    Grid->SyncWithDataSet();
    for (const int row : {2, 1}) {
      Click(Grid, CellPoint(Grid->Items(row)));
      Pump();
      EXPECT_EQ(CurrentNo(), 101 + row);
    }
  }
}

// The group-by panel over the headers.
class GroupPanelInputTest : public InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    Sex = AddColumn("Sex");
    Name = AddColumn("Name");
    Score = AddColumn("Score");
    Grid->SetShowGroupPanel(true);
    Show();
    Grid->SetShowHeader(true);
    Pump();
  }
  // The first point of the header row over the column's header.
  TPoint HeaderPoint(TdxDBGridColumn* Column) {
    const int y = Grid->GetGroupPanelHeight() + Grid->Metrics().HeaderHeight / 2;
    for (int x = 0; x < Grid->ClientWidth(); ++x) {
      TdxTreeListHitInfo hit;
      Grid->GetHitInfo(Point(x, y), hit);
      if (hit.HitKind == hkHeader && hit.Column == Column->GetIndex()) return {x + 10, y};
    }
    ADD_FAILURE() << "no header of " << Column->FieldName();
    return {0, y};
  }
  TPoint ButtonPoint(int N) {
    const TRect button = Grid->GroupPanelColumnRect(N);
    return {button.Left + 20, (button.Top + button.Bottom) / 2};
  }
  void Drag(TPoint From, TPoint To) {
    MouseDown(Grid, From);
    MouseMove(Grid, {(From.X + To.X) / 2, (From.Y + To.Y) / 2});
    MouseMove(Grid, To);
    MouseUp(Grid, To);
    Pump();
  }
  TdxDBGridColumn* Sex = nullptr;
  TdxDBGridColumn* Name = nullptr;
  TdxDBGridColumn* Score = nullptr;
};

TEST_P(GroupPanelInputTest, AHeaderDroppedOnThePanelGroupsAndAButtonDraggedOffUngroups) {
  Drag(HeaderPoint(Sex), ButtonPoint(0));
  EXPECT_EQ(Sex->GroupIndex(), 0);
  EXPECT_FALSE(Sex->Visible()) << "a grouped column leaves the headers";
  EXPECT_EQ(Grid->Count(), 2);
  Drag(HeaderPoint(Name), ButtonPoint(0));
  EXPECT_EQ(Name->GroupIndex(), 0) << "before the first button's middle";
  EXPECT_EQ(Sex->GroupIndex(), 1);

  Drag(ButtonPoint(1), HeaderPoint(Score));
  EXPECT_EQ(Sex->GroupIndex(), -1);
  EXPECT_TRUE(Sex->Visible()) << "back among the headers";
  EXPECT_EQ(Name->GroupIndex(), 0);
  EXPECT_EQ(Grid->State(), tlsNormal);
}

TEST_P(GroupPanelInputTest, AButtonDragsAfterMoreThanFivePixelsAndAClickSorts) {
  Sex->SetGroupIndex(0);
  Pump();
  const TPoint at = ButtonPoint(0);
  MouseDown(Grid, at);
  MouseMove(Grid, {at.X + 5, at.Y + 5});
  Pump();
  EXPECT_NE(Grid->State(), tlsHeaderDragging) << "5 pixels are a click still";
  MouseMove(Grid, {at.X + 6, at.Y});
  Pump();
  EXPECT_EQ(Grid->State(), tlsHeaderDragging);
  EXPECT_EQ(Grid->DraggedHeader(), Sex->GetIndex());
  MouseUp(Grid, {at.X + 6, at.Y});
  Pump();
  EXPECT_EQ(Sex->GroupIndex(), 0) << "dropped on the panel: still grouped there";
  EXPECT_EQ(Grid->State(), tlsNormal);

  const TdxTreeListColumnSort before = Sex->Sorted();
  Click(Grid, at);
  Pump();
  EXPECT_NE(Sex->Sorted(), before) << "a click turns the order as a header click does";
  EXPECT_NE(Sex->Sorted(), csNone);
}

TEST_P(GroupPanelInputTest, TheGroupPanelIsPaintedWithTheGrid) {
  Sex->SetGroupIndex(0);
  Pump();
  RenderWindowToPng(Grid->Handle(), "GroupPanelGrid.png");
  const TRect button = Grid->GroupPanelColumnRect(0);
  EXPECT_EQ(WindowPixel(Grid->Handle(), button.Right + 20, 4), ColorToRGB(clBtnShadow)) << "the panel's colour";
  EXPECT_EQ(WindowPixel(Grid->Handle(), button.Left + 4, button.Top + 4), ColorToRGB(Grid->HeaderColor()))
      << "the button's face";
}

INSTANTIATE_TEST_SUITE_P(BackEnds, InputTest, testing::Values("Mem", "Sqlite"), GridBackEndName);
INSTANTIATE_TEST_SUITE_P(BackEnds, GroupPanelInputTest, testing::Values("Mem", "Sqlite"), GridBackEndName);

}  // namespace
