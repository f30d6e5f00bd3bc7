// Dragging: nodes through the drag-and-drop with expanding on hover and Esc, headers dropped off
// the header area, and the bands scrolled while a header rests at the area's edge.
#include "controls/DragDrop.h"
#include "support/TreeListFixture.h"

namespace {

class DraggingTest : public TInputTreeListTest {
 protected:
  // The point on a row's expand button.
  TPoint ButtonOf(TdxTreeListNode* Node) {
    const TRect row = List->GetNodeRect(Node);
    for (int x = row.Left; x < row.Left + 60; ++x)
      if (List->GetHitTestAt(x, row.Top + 5) == hkButton) return {x, row.Top + 5};
    ADD_FAILURE() << "no button";
    return {};
  }
  void StartNodeDrag(TdxTreeListNode* Node) {
    const TPoint start = CellPoint(Node, 1);
    MouseDown(List, start);
    for (int dx = 4; dx <= 24; dx += 4) MouseMove(List, {start.X + dx, start.Y});
    Pump();
  }
  void MoveTo(TPoint Point) {
    MouseMove(List, Point);
    Pump();
  }
};

TEST_F(DraggingTest, ADraggedNodeRestingOnAnExpandButtonOpensIt) {
  Build("p\n  q\n    r");
  ShowList(2);
  List->SetDragMode(dmAutomatic);
  List->OnDragOver = [](TObject*, TObject*, int, int, TDragState, bool& Accept) { Accept = true; };
  StartNodeDrag(Row(0));
  ASSERT_EQ(List->State(), tlsNodeDragging);
  EXPECT_NE(List->GetDragImages(), nullptr);
  MoveTo(ButtonOf(N("p")));
  Advance(List->WaitForExpandNodeTime() - 10);
  EXPECT_FALSE(N("p")->Expanded());
  Advance(10);
  EXPECT_TRUE(N("p")->Expanded());
  KeyDown(VK_ESCAPE);
  Pump();
  EXPECT_EQ(List->State(), tlsNormal) << "Esc ends the drag";
  EXPECT_EQ(List->GetDragImages(), nullptr);
  MouseUp(List, ButtonOf(N("p")));
  Pump();
}

TEST_F(DraggingTest, DragCollapseTogglesAgainAfterTwiceTheWait) {
  Build("p\n  q");
  ShowList(2);
  List->SetOptionsEx(List->GetOptionsEx() | tlxDragCollapse);
  List->SetDragMode(dmAutomatic);
  StartNodeDrag(Row(1));
  MoveTo(ButtonOf(N("p")));
  const std::pair<DWORD, bool> steps[] = {{500, true}, {999, true}, {1, false}, {1000, true}};
  for (const auto& [time, expanded] : steps) {
    Advance(time);
    EXPECT_EQ(N("p")->Expanded(), expanded) << time;
  }
  KeyDown(VK_ESCAPE);
  Pump();
  MouseUp(List, ButtonOf(N("p")));
  Pump();
}

TEST_F(DraggingTest, AHeaderDroppedOffTheHeadersIsHiddenWithExtCustomizing) {
  ShowList();
  const auto dropBelow = [&] {
    const TPoint b = CellPoint(Row(0), 1);
    const TPoint header{b.X, List->Metrics().HeaderHeight / 2};
    MouseDown(List, header);
    MouseMove(List, {header.X, header.Y + 10});
    MouseMove(List, {header.X, header.Y + 60});
    MouseUp(List, {header.X, header.Y + 60});
    Pump();
  };
  dropBelow();
  EXPECT_EQ(List->GetVisibleColumnCount(), 3) << "without ExtCustomizing nothing changes";
  List->SetOptions(List->GetOptions() | tloExtCustomizing);
  dropBelow();
  EXPECT_EQ(List->GetVisibleColumnCount(), 2);
  EXPECT_FALSE(List->Columns(1)->Visible());
}

TEST_F(DraggingTest, AHeaderAtTheRightEdgeScrollsTheBands) {
  ShowList();
  List->SetOptions(List->GetOptions() & ~tloAutoWidth);
  for (int c = 0; c < 3; ++c) List->Columns(c)->SetWidth(200);
  Pump();
  const TPoint header{50, List->Metrics().HeaderHeight / 2};
  MouseDown(List, header);
  MouseMove(List, {header.X + 10, header.Y});
  Pump();
  MouseMove(List, {List->GetRowsRect().Right - 5, header.Y});
  Pump();
  ASSERT_EQ(List->State(), tlsHeaderDragging);
  const std::pair<DWORD, int> steps[] = {{99, 0}, {1, 32}, {100, 64}};
  for (const auto& [time, left] : steps) {
    Advance(time);
    EXPECT_EQ(List->LeftCoord(), left) << time;
  }
  KeyDown(VK_ESCAPE);
  Pump();
  EXPECT_EQ(List->State(), tlsNormal);
  const int left = List->LeftCoord();
  Advance(300);
  EXPECT_EQ(List->LeftCoord(), left) << "the scrolling stops with the move";
  MouseUp(List, header);
  Pump();
}

}  // namespace

namespace {

class BandDraggingTest : public TInputTreeListTest {};

TEST_F(BandDraggingTest, ABandCaptionMovedPastTheNextBandGoesAfterIt) {
  ShowList();
  List->SetShowBands(true);
  List->Bands()->Items(0)->SetCaption("One");
  List->Bands()->Add()->SetCaption("Two");
  Pump();
  std::vector<String> clicked;
  List->OnBandClick = [&](TObject*, TdxTreeListBand* Band) { clicked.push_back(Band->Caption()); };
  const int y = List->Metrics().BandHeight / 2;
  const int rightOfTwo = List->ClientWidth() - 10;  // the bands share the width: Two ends at the right
  Click(List, {20, y});
  Pump();
  EXPECT_EQ(clicked, std::vector<String>{"One"}) << "a press and release on a caption is a click";
  MouseDown(List, {20, y});
  MouseMove(List, {30, y});
  Pump();
  ASSERT_EQ(List->State(), tlsBandDragging);
  MouseMove(List, {rightOfTwo, y});
  Pump();
  MouseUp(List, {rightOfTwo, y});
  Pump();
  EXPECT_EQ(List->State(), tlsNormal);
  EXPECT_EQ(List->GetVisibleBandCaption(0), "Two");
  EXPECT_EQ(clicked.size(), 1u);
}

}  // namespace
