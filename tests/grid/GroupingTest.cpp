// Grouping: regrouping by stored indexes, the columns that may not group, grouped columns hidden
// and shown again, the group-by panel's buttons, insertion position, drop mark and painting, and
// the grid lines' colour.
#include "graphics/Metafile.h"
#include "support/GridFixture.h"

namespace {

using GroupingTest = TGridTest;

std::vector<String> GroupFieldNames(TCustomdxDBGrid* Grid) {
  std::vector<String> names;
  for (int level = 0; level < Grid->GroupColumnCount(); ++level)
    names.push_back(Grid->GroupColumns(level)->FieldName());
  return names;
}

TEST_P(GroupingTest, StoredIndexesRegroupInTheirNumericOrder) {
  auto form = TCustomForm::Create<TForm>(Application);
  ReadLayout(
      "object fmGroups: TForm\n"
      "  object dgGroups: TdxDBGrid\n"
      "    object dgGroupsSex: TdxDBGridColumn\n"
      "      FieldName = 'Sex'\n"
      "      GroupIndex = 5\n"
      "    end\n"
      "    object dgGroupsName: TdxDBGridColumn\n"
      "      FieldName = 'Name'\n"
      "      GroupIndex = 2\n"
      "    end\n"
      "    object dgGroupsScore: TdxDBGridColumn\n"
      "      FieldName = 'Score'\n"
      "      GroupIndex = 9\n"
      "    end\n"
      "    object dgGroupsTwin: TdxDBGridColumn\n"
      "      FieldName = 'No'\n"
      "      GroupIndex = 2\n"
      "    end\n"
      "    object dgGroupsNo: TdxDBGridColumn\n"
      "      FieldName = 'No'\n"
      "    end\n"
      "  end\n"
      "end\n",
      form);
  auto* grid = static_cast<TdxDBGrid*>(form->FindComponent("dgGroups"));
  EXPECT_EQ(GroupFieldNames(grid), (std::vector<String>{"Name", "Sex", "Score"}));
  for (int level = 0; level < grid->GroupColumnCount(); ++level)
    EXPECT_EQ(grid->GroupColumns(level)->GroupIndex(), level);
  EXPECT_EQ(grid->ColumnByName("dgGroupsTwin")->GroupIndex(), -1) << "a second column of one index is left out";
  EXPECT_FALSE(grid->ColumnByName("dgGroupsSex")->Visible()) << "grouped columns leave the headers";
  EXPECT_TRUE(grid->ColumnByName("dgGroupsTwin")->Visible());
  EXPECT_EQ(grid->ColumnByName("dgGroupsName")->Sorted(), csUp);
  const String written = WriteLayout(form);
  EXPECT_NE(written.find("GroupIndex = 1"), String::npos) << written;
  form->Free();
}

TEST_P(GroupingTest, ColumnsThatMayNotGroupAreRefusedSilently) {
  TdxDBGridColumn* sex = AddColumn("Sex");
  TdxDBGridColumn* sexAgain = AddColumn("Sex");
  TdxDBGridColumn* note = AddColumn("Note");
  TdxDBGridColumn* name = AddColumn("Name");
  TdxDBGridColumn* missing = AddColumn("Nothing");
  Grid->SetDataSource(Source);
  int asked = 0;
  bool veto = false;
  Grid->OnAddGroupColumn = [&](TObject*, TdxDBTreeListColumn*, bool& Allow) {
    ++asked;
    Allow = !veto;
  };
  ASSERT_TRUE(Grid->CanAddGroupColumn(sex));
  EXPECT_EQ(asked, 1);
  sex->SetGroupIndex(0);
  ASSERT_EQ(Grid->GroupColumnCount(), 1);
  asked = 0;
  name->SetDisableGrouping(true);
  for (TdxDBGridColumn* refused : {sexAgain, note, name})
    EXPECT_FALSE(Grid->CanAddGroupColumn(refused)) << refused->FieldName();
  sexAgain->SetVisible(false);
  note->SetVisible(false);
  missing->SetVisible(false);
  name->SetDisableGrouping(false);
  EXPECT_FALSE(Grid->CanAddGroupColumn(name)) << "the only visible column";
  EXPECT_EQ(asked, 0) << "refusals ask no one";
  missing->SetVisible(true);
  veto = true;
  name->SetGroupIndex(1);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(name->GroupIndex(), -1) << "the handler's veto";
  EXPECT_EQ(Grid->GroupColumnCount(), 1);

  Grid->ClearGrouping();
  Grid->SetDefaultFields(true);
  ASSERT_GT(Grid->GetColumnCount(), 1);
  TdxDBTreeListColumn* column = Grid->DBColumn(1);
  column->SetGroupIndex(0);
  EXPECT_EQ(column->GroupIndex(), -1) << "columns made from the fields never group";
}

TEST_P(GroupingTest, AGroupedColumnLeavesTheHeadersUnlessToldToStay) {
  TdxDBGridColumn* sex = AddColumn("Sex");
  TdxDBGridColumn* name = AddColumn("Name");
  AddColumn("Score");
  Grid->SetDataSource(Source);
  sex->SetGroupIndex(0);
  EXPECT_FALSE(sex->Visible());
  EXPECT_EQ(sex->Sorted(), csUp) << "the group rows are in order";
  EXPECT_TRUE(Grid->AllRecordsAreNodes());
  sex->SetGroupIndex(-1);
  EXPECT_TRUE(sex->Visible());
  EXPECT_EQ(sex->Sorted(), csNone);
  EXPECT_TRUE(Grid->IsCursorMode());

  Grid->SetOptionsCustomize(Grid->OptionsCustomize() | edgoNotHideColumn);
  name->SetGroupIndex(0);
  name->SetSorted(csDown);
  EXPECT_TRUE(name->Visible());
  sex->SetGroupIndex(0);
  EXPECT_EQ(GroupFieldNames(Grid), (std::vector<String>{"Sex", "Name"}));
  name->SetGroupIndex(0);
  EXPECT_EQ(GroupFieldNames(Grid), (std::vector<String>{"Name", "Sex"}));
  EXPECT_EQ(name->Sorted(), csDown) << "a grouped column moved to another level keeps its order";
  name->SetDisableGrouping(true);
  EXPECT_EQ(name->GroupIndex(), -1);
  EXPECT_EQ(GroupFieldNames(Grid), std::vector<String>{"Sex"});
  EXPECT_EQ(sex->GroupIndex(), 0);
  sex->SetFieldName("Nothing");
  EXPECT_EQ(Grid->GroupColumnCount(), 0) << "a grouped column that loses its field is ungrouped";
}

TEST_P(GroupingTest, TheGroupPanelsButtonsInsertionPositionAndDropMark) {
  TdxDBGridColumn* sex = AddColumn("Sex");
  TdxDBGridColumn* name = AddColumn("Name");
  TdxDBGridColumn* score = AddColumn("Score");
  TdxDBGridColumn* no = AddColumn("No");
  Grid->SetDataSource(Source);
  Grid->SetBounds(0, 0, 400, 200);
  Grid->SetParent(Form);
  ShowForm();
  const int row = Grid->GetHeaderRowHeight();
  EXPECT_EQ(Grid->GetGroupPanelHeight(), 0);
  Grid->SetShowGroupPanel(true);
  EXPECT_EQ(Grid->GetGroupPanelHeight(), row + 16);
  sex->SetGroupIndex(0);
  name->SetGroupIndex(1);
  EXPECT_EQ(Grid->GetGroupPanelHeight(), row / 2 + row + 16);
  EXPECT_EQ(Grid->GetGroupIndentWidth(), 32);
  EXPECT_EQ(Grid->GroupPanelColumnRect(0), Rect(8, 8, 108, 8 + row));
  EXPECT_EQ(Grid->GroupPanelColumnRect(2), Rect(216, row + 8, 316, 2 * row + 8));
  EXPECT_EQ(Grid->GroupPanelColumnAt(20, 10), sex);
  EXPECT_EQ(Grid->GroupPanelColumnAt(120, row / 2 + 10), name);
  EXPECT_EQ(Grid->GroupPanelColumnAt(120, 10), nullptr);
  const std::pair<int, int> positions[] = {{0, 0}, {57, 0}, {58, 1}, {161, 1}, {162, 2}, {399, 2}};
  for (const auto& [x, position] : positions) EXPECT_EQ(Grid->GroupPanelInsertPosition(x), position) << x;

  TPoint point = Grid->ClientToScreen(Point(170, 12));
  ASSERT_TRUE(Grid->CalcGroupPanelDropInfo(score, point));
  const TRect third = Grid->GroupPanelColumnRect(2);
  EXPECT_EQ(point, Grid->ClientToScreen(Point(third.Left - 5, third.Top - 9)));
  no->SetDisableGrouping(true);
  point = Grid->ClientToScreen(Point(20, 12));
  ASSERT_TRUE(Grid->CalcGroupPanelDropInfo(no, point));
  EXPECT_EQ(point, Point(-100, -100)) << "no mark for a column that may not group";
  point = Grid->ClientToScreen(Point(20, 150));
  const TPoint below = point;
  EXPECT_FALSE(Grid->CalcGroupPanelDropInfo(score, point)) << "below the panel the headers decide";
  EXPECT_EQ(point, below);
}

TEST_P(GroupingTest, TheGroupPanelPaintsItsHintOrItsButtons) {
  TdxDBGridColumn* sex = AddColumn("Sex");
  TdxDBGridColumn* name = AddColumn("Name");
  AddColumn("Score");
  sex->SetCaption("性别");
  name->SetCaption("姓名");
  Grid->SetDataSource(Source);
  Grid->SetShowGroupPanel(true);
  const TRect panel = Rect(0, 0, 360, Grid->GetGroupPanelHeight());
  const auto record = [&](TMetafile& Metafile) {
    TMetafileCanvas canvas(&Metafile, panel.Width(), 60);
    Grid->DrawGroupPanel(&canvas, panel);
  };
  TMetafile empty;
  record(empty);
  ASSERT_FALSE(empty.Fills().empty());
  EXPECT_EQ(empty.Fills()[0].Bounds, panel);
  EXPECT_EQ(empty.Fills()[0].Color, ColorToRGB(clBtnShadow));
  ASSERT_EQ(empty.TextRuns().size(), 1u);
  EXPECT_EQ(empty.TextRuns()[0].Text, " Drag a column header here to group by that column");

  sex->SetGroupIndex(0);
  name->SetGroupIndex(1);
  TMetafile grouped;
  record(grouped);
  std::vector<String> texts;
  for (const TMetafileTextRun& run : grouped.TextRuns()) texts.push_back(run.Text);
  EXPECT_EQ(texts, (std::vector<String>{"性别", "姓名"}));
  EXPECT_TRUE(PtInRect(Grid->GroupPanelColumnRect(1), grouped.TextRuns()[1].Bounds.TopLeft()));

  bool painted = false;
  Grid->OnBackgroundDrawEvent = [&](TObject*, TCanvas*, TRect Rect) { painted = Rect == panel; };
  TMetafile own;
  record(own);
  EXPECT_TRUE(painted);

  TBitmap picture(panel.Width(), panel.Height());
  Grid->OnBackgroundDrawEvent = nullptr;
  Grid->DrawGroupPanel(picture.Canvas(), panel);
  SaveBitmapToPng(picture, "GroupPanel.png");
}

TEST_P(GroupingTest, AHeaderDroppedOnThePanelGroupsAndAButtonDraggedOffUngroups) {
  Grid->SetKeyField("No");
  TdxDBGridColumn* sex = AddColumn("Sex");
  TdxDBGridColumn* name = AddColumn("Name");
  TdxDBGridColumn* score = AddColumn("Score");
  Grid->SetDataSource(Source);
  Grid->SetShowGroupPanel(true);
  std::vector<std::pair<String, int>> asked;
  bool allow = true;
  Grid->OnEndDragGroupColumn = [&](TObject*, TdxDBTreeListColumn* Column, int Index, bool& Allow) {
    asked.push_back({Column->FieldName(), Index});
    Allow = allow;
  };
  Grid->DropColumnOnGroupPanel(sex, 0);
  Grid->DropColumnOnGroupPanel(name, Grid->GroupPanelColumnRect(0).Left + 10);
  EXPECT_EQ(GroupFieldNames(Grid), (std::vector<String>{"Name", "Sex"})) << "before the first button's middle";
  Grid->DropColumnOnGroupPanel(name, Grid->GroupPanelColumnRect(1).Right);
  EXPECT_EQ(GroupFieldNames(Grid), (std::vector<String>{"Sex", "Name"})) << "a grouped column moves at most to the end";
  EXPECT_EQ(asked, (std::vector<std::pair<String, int>>{{"Sex", 0}, {"Name", 0}, {"Name", 1}}));
  EXPECT_EQ(Grid->Count(), 2) << "the records are grouped";

  allow = false;
  int shown = 0;
  Grid->OnShowHeader = [&](TObject*, TdxTreeListColumn* Column, int Band, int Row, int Index) {
    shown += Column == score && Band == -1 && Row == -1 && Index == -1;
  };
  score->SetVisible(false);
  Grid->DropColumnOnGroupPanel(score, 0);
  EXPECT_EQ(score->GroupIndex(), -1);
  EXPECT_EQ(shown, 1) << "a hidden header refused by the panel is told as shown nowhere";

  int hidden = 0;
  Grid->OnHideHeader = [&](TObject*, TdxTreeListColumn*) { ++hidden; };
  Grid->DragColumnOffGroupPanel(sex);
  EXPECT_EQ(GroupFieldNames(Grid), std::vector<String>{"Name"});
  EXPECT_TRUE(sex->Visible());
  EXPECT_EQ(hidden, 0);
  Grid->DragColumnOffGroupPanel(name);
  EXPECT_TRUE(Grid->IsCursorMode());
  EXPECT_EQ(name->Sorted(), csNone) << "the records keep the data set's order again";
}

TEST_P(GroupingTest, ThePanelSlidesInAndOut) {
  AddColumn("Name");
  Grid->SetDataSource(Source);
  ShowGrid(200, 20);
  Grid->SetColor(clWhite);
  const int height = Grid->GetHeaderRowHeight() + 16;
  Grid->SetShowGroupPanel(true);
  EXPECT_EQ(Grid->GetGroupPanelHeight(), height);
  EXPECT_EQ(WindowPixel(Grid->Handle(), 5, 2), ColorToRGB(clBtnShadow)) << "the strip the rows left";
  EXPECT_EQ(WindowPixel(Grid->Handle(), 5, height - 1), ColorToRGB(clBtnShadow)) << "all the way";
  Pump();
  Grid->SetShowGroupPanel(false);
  EXPECT_EQ(WindowPixel(Grid->Handle(), 5, 199), ColorToRGB(clWhite)) << "hiding uncovers the grid's colour below";
  EXPECT_EQ(Grid->GetGroupPanelHeight(), 0);
}

// A group row is painted in the first column's cell routine but is left-aligned whatever that
// column's alignment; the records' cells keep their columns' alignment.
TEST_P(GroupingTest, AGroupRowIsPaintedLeftAlignedOverARightAlignedColumn) {
  TdxDBGridColumn* sex = AddColumn("Sex");
  TdxDBGridColumn* name = AddColumn("Name");
  for (TdxDBGridColumn* column : {sex, name}) column->SetAlignment(taRightJustify);
  Grid->SetKeyField("No");
  Grid->SetDataSource(Source);
  sex->SetGroupIndex(0);
  ShowGrid(200, 20);
  Grid->ExpandAll();
  ASSERT_EQ(sex->GetIndex(), 0) << "the group rows are painted in this column's cell routine";
  const TRecordedPaint painted = RecordPaint(Grid);
  auto runStartingWith = [&](const String& Prefix) -> const TMetafileTextRun* {
    for (const auto& run : painted.Texts)
      if (run.Text.rfind(Prefix, 0) == 0) return &run;
    return nullptr;
  };
  const TMetafileTextRun* group = runStartingWith(Grid->Items(0)->Strings(0));
  ASSERT_NE(group, nullptr);
  EXPECT_LT(group->Bounds.Left, 40) << "at the left of the row";
  const TRect nameCell = Grid->GetNodeCellRect(Grid->Items(0)->Items(0), 0);
  const TMetafileTextRun* record = runStartingWith(Grid->Items(0)->Items(0)->Strings(name->GetIndex()));
  ASSERT_NE(record, nullptr);
  EXPECT_GT(record->Bounds.Left, nameCell.Left + 40) << "a record's name stays right-aligned";
}

TEST_P(GroupingTest, GridLinesTakeTheirColourFromTheGrouping) {
  TdxDBGridColumn* sex = AddColumn("Sex");
  AddColumn("Name");
  Grid->SetDataSource(Source);
  EXPECT_EQ(Grid->GetGridLineColor(clWindow), clBtnFace);
  EXPECT_EQ(Grid->GetGridLineColor(clBtnFace), clBtnShadow) << "face lines would vanish on a face background";
  sex->SetGroupIndex(0);
  EXPECT_EQ(Grid->GetGridLineColor(clWindow), clBtnShadow);
  Grid->SetGridLineColor(clRed);
  EXPECT_EQ(Grid->GetGridLineColor(clWindow), clRed);
}

// The grid's texts and colours reach the tree list's painting: the preview line shows the preview
// field as the event leaves it, and the lines between rows take the grid's colour (shadow on a
// button-face background, where the tree list alone would draw face).
TEST_P(GroupingTest, ThePreviewAndTheGridLinesArePaintedAsTheGridAnswers) {
  AddColumn("Sex")->SetWidth(200);
  Grid->SetKeyField("No");
  Grid->SetDataSource(Source);
  Grid->SetPreviewFieldName("Name");
  Grid->OnGetPreviewText = [](TObject*, TdxTreeListNode*, String& Text) { Text = "<" + Text + ">"; };
  Grid->SetOptionsView(Grid->OptionsView() | edgoPreview);
  Grid->SetColor(clBtnFace);
  ShowGrid(200, 20);
  TCustomdxTreeList& list = *Grid;
  EXPECT_EQ(list.GetPreviewText(Grid->Items(1)), "<li si>");
  const TRect second = Grid->GetNodeRect(Grid->Items(1));
  int previewInk = 0;
  for (TColor pixel : ComposedPixels(Grid->Handle(), second))
    previewInk += (pixel >> 16 & 0xFF) > 160 && (pixel & 0xFF) < 120 && (pixel >> 8 & 0xFF) < 120;
  EXPECT_GT(previewInk, 0) << "the preview line in the preview font's blue";
  int shadow = 0;
  for (int y = second.Top; y <= second.Bottom; ++y)
    shadow += WindowPixel(Grid->Handle(), second.Left + 150, y) == TColor(ColorToRGB(clBtnShadow));
  EXPECT_GT(shadow, 0) << "the line under the row";
}

TEST_P(GroupingTest, GroupRowsFinishTheirSummariesOverTheRecordsBelow) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
  auto* top = static_cast<TdxDBGridNode*>(Grid->Add());
  auto* two = static_cast<TdxDBGridNode*>(top->AppendChild());
  auto* three = static_cast<TdxDBGridNode*>(top->AppendChild());
  for (int i = 0; i < 2; ++i) two->AppendChild();
  for (int i = 0; i < 3; ++i) three->AppendChild();
  EXPECT_EQ(two->RecordCount(), 2);
  EXPECT_EQ(top->RecordCount(), 5) << "the records of the group rows below";
  top->SummaryValue = 400;
  top->ItemValues = {{10, true}, {20, true}, {7, true}};
  top->FinishSummaries(cstAvg, {cstCount, cstAvg, cstSum});
  EXPECT_EQ(top->SummaryValue, 80);
  EXPECT_EQ(top->ItemValues[0].Value, 5);
  EXPECT_EQ(top->ItemValues[1].Value, 4);
  EXPECT_EQ(top->ItemValues[2].Value, 7);
  two->SummaryValue = 9;
  two->FinishSummaries(cstCount, {});
  EXPECT_EQ(two->SummaryValue, 2);
}

TEST_P(GroupingTest, WhenARefreshOrReloadMayKeepTheNodes) {
  TdxDBGridColumn* sex = AddColumn("Sex");
  TdxDBGridColumn* name = AddColumn("Name");
  Grid->SetKeyField("No");
  Grid->SetDataSource(Source);
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoSmartReload);
  bool pending = false;
  Grid->OnReloadGroupList = [&](TObject*) { pending = Grid->IsSmartReloadPending(); };
  sex->SetGroupIndex(0);
  name->SetGroupIndex(1);
  EXPECT_TRUE(pending) << "the grouping changed under all records";
  EXPECT_FALSE(Grid->IsSmartReloadPending()) << "only until the reload is done";
  name->SetGroupIndex(-1);
  sex->SetGroupIndex(-1);

  sex->SetGroupIndex(0);
  DS().MoveBy(2);
  EXPECT_FALSE(Grid->CanSmartRefresh()) << "the option is off";
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoSmartRefresh);
  DS().First();
  EXPECT_FALSE(Grid->CanSmartRefresh()) << "at the first record";
  DS().MoveBy(2);
  Grid->ClearNodes();
  Grid->Add();
  EXPECT_FALSE(Grid->CanSmartRefresh()) << "a lone record row under grouped columns";
  Grid->Add()->AppendChild();
  EXPECT_TRUE(Grid->CanSmartRefresh());
  Grid->SetPartialLoad(true);
  sex->SetGroupIndex(-1);
  EXPECT_FALSE(Grid->CanSmartRefresh()) << "a partial window is loaded anew";
}

INSTANTIATE_TEST_SUITE_P(BackEnds, GroupingTest, testing::Values("Mem", "Sqlite"), GridBackEndName);

}  // namespace
