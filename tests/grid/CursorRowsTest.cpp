// Plain cursor mode: the rows in view size the data link's buffer, the nodes are the buffered rows
// and read their values from them, the focus follows the link's current row, the selection keeps
// records by bookmark, and the vertical scroll bar shows the record number.
#include "support/GridFixture.h"

namespace {

using CursorRowsTest = TGridTest;

TEST_P(CursorRowsTest, TheRowsInViewSizeTheBufferAndTheNodesAreItsRows) {
  TdxDBGridColumn* name = AddColumn("Name");
  TdxDBGridColumn* score = AddColumn("Score");
  Grid->SetDataSource(Source);
  ShowGrid(210, 20);
  ASSERT_TRUE(Grid->IsCursorMode());
  EXPECT_EQ(Grid->FullyVisibleRows(), 10);
  EXPECT_EQ(Grid->VisibleRows(), 11) << "the cut-off row at the bottom counts as in view";
  EXPECT_EQ(Grid->GetVisibleRowCount(), 10);
  EXPECT_EQ(Grid->GetDataLink()->BufferCount(), 10);
  ASSERT_EQ(Grid->Count(), 10);
  EXPECT_EQ(Grid->GetRowsRect().Height(), 200) << "the rows end at the last buffered row";
  EXPECT_EQ(Grid->Items(3)->Strings(name->GetIndex()), "Zhou Qi");
  EXPECT_EQ(Grid->GetNodeValue(Grid->Items(0), score->GetIndex()), Variant(81.5));
  EXPECT_TRUE(Grid->GetNodeValue(Grid->Items(2), score->GetIndex()).IsNull());
  EXPECT_EQ(Grid->GetDataLink()->ActiveRecord(), 0) << "reading a row puts the current row back";
  EXPECT_EQ(Grid->FocusedNode(), Grid->Items(0));

  DS().MoveBy(4);
  Grid->SyncWithDataSet();
  EXPECT_EQ(Grid->FocusedNode(), Grid->Items(4));
  DS().MoveBy(7);
  EXPECT_EQ(Grid->Items(9)->Strings(name->GetIndex()), "Xu Wu") << "the buffer moved on to the last ten records";
  Grid->SyncWithDataSet();
  EXPECT_EQ(Grid->FocusedNode(), Grid->Items(9));

  Grid->SetBounds(0, 0, 280, 100);
  EXPECT_EQ(Grid->FullyVisibleRows(), 5);
  EXPECT_EQ(Grid->Count(), 5);
  while (!DS().IsEmpty()) DS().Delete();
  EXPECT_EQ(Grid->Count(), 1) << "without records one empty row";
  DS().Close();
  EXPECT_EQ(Grid->Count(), 0) << "a closed data set shows no row";
  EXPECT_EQ(Grid->FocusedNode(), nullptr);
  EXPECT_EQ(Grid->GetRowsRect().Height(), 0);
  DS().Open();
  EXPECT_EQ(Grid->Count(), 1) << "opened again without records";
}

TEST_P(CursorRowsTest, TheSelectionKeepsRecordsByBookmark) {
  Grid->SetOptionsBehavior(Grid->OptionsBehavior() | edgoMultiSelect);
  TdxDBGridColumn* name = AddColumn("Name");
  Grid->SetDataSource(Source);
  ShowGrid(210, 20);
  ASSERT_EQ(Grid->Count(), 10);
  Grid->Items(2)->SetSelected(true);
  EXPECT_EQ(Grid->GetSelectedCount(), 1);
  EXPECT_TRUE(Grid->IsNodeSelected(Grid->Items(2)));
  EXPECT_FALSE(Grid->IsNodeSelected(Grid->Items(3)));
  Grid->Items(2)->SetSelected(true);
  EXPECT_EQ(Grid->GetSelectedCount(), 1) << "a record is selected once";

  DS().MoveBy(11);
  ASSERT_EQ(Grid->Items(0)->Strings(name->GetIndex()), "Wang Wu");
  EXPECT_TRUE(Grid->IsNodeSelected(Grid->Items(0))) << "the record, not the row, is selected";
  EXPECT_FALSE(Grid->IsNodeSelected(Grid->Items(2)));

  Grid->SetSelectionAnchor(Grid->Items(0));
  EXPECT_FALSE(Grid->AnchorBookmark().empty());
  EXPECT_EQ(Grid->CompareWithSelectionAnchor(Grid->FocusedNode()), 1) << "the current record comes after the anchor";
  DS().First();
  EXPECT_EQ(Grid->CompareWithSelectionAnchor(Grid->FocusedNode()), -1);

  Grid->ClearSelection();
  EXPECT_EQ(Grid->GetSelectedCount(), 0);
  Grid->SetOptionsBehavior(Grid->OptionsBehavior() & ~edgoMultiSelect);
  Grid->Items(2)->SetSelected(true);
  EXPECT_EQ(Grid->GetSelectedCount(), 0) << "only in multi-select mode";
}

TEST_P(CursorRowsTest, TheScrollBarShowsTheRecordNumber) {
  AddColumn("Name");
  Grid->SetDataSource(Source);
  TdxTreeListScrollRange range = VScrollInfo(*Grid);
  EXPECT_EQ(range.Max, 4) << "without a window";
  EXPECT_EQ(range.Page, 0);
  ShowGrid(210, 20);
  DS().MoveBy(4);
  range = VScrollInfo(*Grid);
  EXPECT_EQ(range.Min, 1);
  EXPECT_EQ(range.Page, 10);
  EXPECT_EQ(range.Max, 12 + 10 - 1);
  EXPECT_EQ(range.Pos, 5);
  Grid->UpdateScrollBars();
  SCROLLINFO shown;
  shown.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  ASSERT_TRUE(Grid->GetScrollInfo(SB_VERT, shown)) << "the window's own bar shows the record number";
  EXPECT_EQ(shown.nMin, 1);
  EXPECT_EQ(shown.nMax, 12 + 10 - 1);
  EXPECT_EQ(int(shown.nPage), 10);
  EXPECT_EQ(shown.nPos, 5);
  DS().Close();
  range = VScrollInfo(*Grid);
  EXPECT_EQ(range.Max, 4);
  EXPECT_EQ(range.Pos, 5) << "the position stays where it was";
}

INSTANTIATE_TEST_SUITE_P(BackEnds, CursorRowsTest, testing::Values("Mem", "Sqlite"), GridBackEndName);

// A data set that cannot number its records.
class TUnnumberedData : public TMemDataSet {
 public:
  explicit TUnnumberedData(TComponent* AOwner) : TMemDataSet(AOwner) {}
  bool IsSequenced() const override { return false; }
};

class UnnumberedCursorTest : public TControlsTest {};

TEST_F(UnnumberedCursorTest, ThePositionIsTopMiddleOrBottom) {
  RegisterGridClasses();
  auto* data = new TUnnumberedData(Form);
  data->FieldDefs().Add("Name", ftString, 20);
  data->Open();
  for (const TPupil& p : Pupils()) data->AppendRecord({p.Name});
  auto* source = new TDataSource(Form);
  source->SetDataSet(data);
  auto* grid = new TdxDBGrid(Form);
  grid->SetDataSource(source);
  grid->SetBounds(0, 0, 200, 150);
  grid->SetParent(Form);
  ShowForm();
  const std::pair<std::function<void()>, int> cases[] = {
      {[&] { data->First(); }, 0}, {[&] { data->Last(); }, 4}, {[&] { data->MoveBy(-3); }, 2}};
  for (const auto& [move, position] : cases) {
    move();
    const TdxTreeListScrollRange range = VScrollInfo(*grid);
    EXPECT_EQ(range.Min, 0);
    EXPECT_EQ(range.Max, 4);
    EXPECT_EQ(range.Page, 0);
    EXPECT_EQ(range.Pos, position);
  }
}

}  // namespace
