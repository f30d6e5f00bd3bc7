// Sizing by the mouse: the inverted line, its limits, the widths and heights applied on release,
// fitting a column to its content, and a right click that cancels.
#include "support/TreeListFixture.h"

namespace {

class SizingTest : public TInputTreeListTest {
 protected:
  void SetUp() override {
    TInputTreeListTest::SetUp();
    ShowList();
    List->SetOptions(List->GetOptions() & ~tloAutoWidth);
    Pump();
  }
  // The right edge of column A's header, where sizing starts.
  TPoint EdgeOfA() {
    const TRect cell = List->GetNodeCellRect(List->TopVisibleNode(), 0);
    return {cell.Right - 1, List->Metrics().HeaderHeight / 2};
  }
  int WidthOfA() { return List->GetNodeCellRect(List->TopVisibleNode(), 0).Width(); }
};

TEST_F(SizingTest, TheLineInvertsThePixelsAndARightClickRestoresThem) {
  const TPoint edge = EdgeOfA();
  ASSERT_EQ(List->GetHitTestAt(edge.X, edge.Y), hkHeaderEdge);
  const int probeY = List->GetNodeRect(Row(1)).Top + 3, x = edge.X + 20;
  const TColor before = WindowPixel(List->Handle(), x, probeY);
  const int width = WidthOfA();
  MouseDown(List, edge);
  MouseMove(List, {x, edge.Y});
  Pump();
  EXPECT_EQ(List->SizingLinePosition(), x);
  EXPECT_EQ(WindowPixel(List->Handle(), x, probeY), TColor(~before & 0xFFFFFF)) << "the line inverts";
  MouseDown(List, {x, edge.Y}, VK_RBUTTON);
  MouseUp(List, {x, edge.Y}, VK_RBUTTON);
  MouseUp(List, {x, edge.Y});
  Pump();
  EXPECT_EQ(List->State(), tlsNormal);
  EXPECT_EQ(WindowPixel(List->Handle(), x, probeY), before) << "erased exactly";
  EXPECT_EQ(WidthOfA(), width) << "the old width stays";
}

TEST_F(SizingTest, AColumnEdgeStopsAtTheMinimumAndTheReleaseSetsIt) {
  int changes = 0;
  List->OnChangedColumnsWidth = [&](TObject*) { ++changes; };
  const TPoint edge = EdgeOfA();
  const int left = 0;  // column A's header starts at the client's left
  MouseDown(List, edge);
  MouseMove(List, {left + 3, edge.Y});
  Pump();
  EXPECT_EQ(List->SizingLinePosition(), left + List->Columns(0)->MinWidth() - 1);
  MouseUp(List, {left + 3, edge.Y});
  Pump();
  EXPECT_EQ(List->Columns(0)->Width(), List->Columns(0)->MinWidth());
  EXPECT_EQ(changes, 1);
  MouseDown(List, EdgeOfA());
  MouseUp(List, EdgeOfA());
  Pump();
  EXPECT_EQ(changes, 1) << "a release where the line started changes nothing";
}

TEST_F(SizingTest, ADoubleClickOnTheEdgeFitsTheContent) {
  Row(0)->SetStrings(0, "a much longer text than the column shows");
  const int width = WidthOfA();
  DoubleClick(List, EdgeOfA());
  Pump();
  EXPECT_GT(WidthOfA(), width);
  EXPECT_EQ(List->State(), tlsNormal) << "no sizing gesture";
}

TEST_F(SizingTest, RowAndHeaderPanelEdgesSizeRowsAndHeaderRows) {
  List->SetOptionsEx(List->GetOptionsEx() | tlxRowSizing | tlxHeaderPanelSizing);
  Pump();
  const TRect row = List->GetNodeRect(Row(0));
  const int x = row.Left + 20;
  ASSERT_EQ(List->GetHitTestAt(x, row.Bottom - 1), hkRowEdge);
  MouseDown(List, {x, row.Bottom - 1});
  MouseMove(List, {x, row.Bottom + 9});
  MouseUp(List, {x, row.Bottom + 9});
  Pump();
  EXPECT_EQ(List->GetNodeRect(Row(0)).Height(), row.Height() + 9) << "the row ends at the line";

  const int header = List->Metrics().HeaderHeight, line = List->Metrics().HeaderRowHeight;
  ASSERT_EQ(List->GetHitTestAt(x, header - 1), hkHeaderPanelEdge);
  MouseDown(List, {x, header - 1});
  MouseMove(List, {x, header - 1 + line / 2 - 2});
  MouseUp(List, {x, header - 1 + line / 2 - 2});
  Pump();
  EXPECT_EQ(List->HeaderPanelRowCount(), 1) << "less than half a line changes nothing";
  MouseDown(List, {x, header - 1});
  MouseMove(List, {x, header + line});
  MouseUp(List, {x, header + line});
  Pump();
  EXPECT_EQ(List->HeaderPanelRowCount(), 2);
}

}  // namespace
