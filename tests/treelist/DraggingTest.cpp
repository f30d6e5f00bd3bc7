// Dragging: nodes through the drag-and-drop with expanding on hover and Esc, headers dropped off
// the header area, the bands scrolled while a header rests at the area's edge, and the places a
// moved header or band would take.
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

namespace {

// Two bands, A and B in the first and C in the second, 60 pixels each, with room right of them.
class DropPlaceTest : public TInputTreeListTest {
 protected:
  void SetUp() override {
    TInputTreeListTest::SetUp();
    ShowList();
    List->InsideUpdate([&] {
      List->SetOptions(List->GetOptions() & ~tloAutoWidth);
      List->SetShowBands(true);
      List->Bands()->Add();
      List->Columns(2)->SetBandIndex(1);
      for (int c = 0; c < 3; ++c) List->Columns(c)->SetWidth(60);
    });
    Pump();
    Measure();
  }
  void Measure() { List->CalcGeometry(Info); }
  // The captions of the shown headers in the order they show.
  std::string Order() const {
    std::string order;
    for (int p = 0; p < List->GetVisibleColumnCount(); ++p)
      order += (p ? " " : "") + List->Columns(List->GetVisibleColumnAt(p))->Caption();
    return order;
  }
  TRect HeaderOf(int Column) const {
    for (const TdxTreeListHeaderInfo& h : Info.Headers)
      if (h.Column == Column) return h.Rect;
    return {};
  }
  TRect BandAt(int Position) const {
    for (const TdxTreeListBandInfo& b : Info.Bands)
      if (b.Band == Position) return b.Rect;
    return {};
  }
  // A point at a share of the rectangle's width, halfway down.
  static TPoint At(const TRect& R, int Percent) { return {R.Left + R.Width() * Percent / 100, (R.Top + R.Bottom) / 2}; }
  TPoint RightOfTheBands(const TRect& Strip) const { return {Info.Bands.back().Rect.Right + 20, (Strip.Top + Strip.Bottom) / 2}; }
  void StartMove(TPoint Point) {
    Advance(GetDoubleClickTime() + 1);  // not a double click of the last move's release
    MouseDown(List, Point);
    MouseMove(List, {Point.X + 10, Point.Y});
    Pump();
  }
  void EndMove(TPoint Point) {
    MouseMove(List, Point);
    MouseUp(List, Point);
    Pump();
  }

  struct TCase {
    const char* Where;
    TPoint Point;
    int Target, Band = -1, Index = -1;
  };
  void ExpectPlaces(std::initializer_list<TCase> Cases, bool BandMode) {
    for (const TCase& c : Cases) {
      const TCustomdxTreeList::TDropInfo drop = List->CalcHeaderDropInfo(List->ClientToScreen(c.Point), BandMode);
      EXPECT_EQ(drop.Target, c.Target) << c.Where;
      EXPECT_EQ(drop.Arrows != TPoint(-100, -100), c.Target == -3) << c.Where << ": arrows only at a place";
      if (c.Target == -3) {
        EXPECT_EQ(std::pair(drop.Band, drop.Index), std::pair(c.Band, c.Index)) << c.Where;
      }
    }
  }
  TdxTreeListDrawInfo Info;
};

TEST_F(DropPlaceTest, AHeaderGoesBesideTheHeaderUnderThePointer) {
  StartMove(At(HeaderOf(0), 30));
  ASSERT_EQ(List->State(), tlsHeaderDragging);
  const TPoint rows{At(HeaderOf(1), 50).X, (Info.RowsRect.Top + Info.RowsRect.Bottom) / 2};
  ExpectPlaces({{"on itself", At(HeaderOf(0), 70), -2},
                {"left half of the next", At(HeaderOf(1), 30), -2},
                {"right half of the next", At(HeaderOf(1), 70), -3, 0, 2},
                {"left half in the other band", At(HeaderOf(2), 30), -3, 1, 0},
                {"right half in the other band", At(HeaderOf(2), 70), -3, 1, 1},
                {"right of the bands", RightOfTheBands(Info.HeaderRect), -3, 1, 1},
                {"over the rows", rows, -1}},
               false);
  List->Bands()->Items(1)->SetOnlyOwnColumns(true);
  Measure();
  ExpectPlaces({{"a band of its own columns", At(HeaderOf(2), 30), -2},
                {"right of such a band", RightOfTheBands(Info.HeaderRect), -2}},
               false);
  EndMove(At(HeaderOf(2), 30));
  EXPECT_EQ(Order(), "A B C") << "a refused drop moves nothing";
  StartMove(At(HeaderOf(0), 30));
  ASSERT_EQ(List->State(), tlsHeaderDragging);
  EndMove(At(HeaderOf(1), 70));
  EXPECT_EQ(Order(), "B A C");
}

TEST_F(DropPlaceTest, ABandGoesBesideTheBandUnderThePointer) {
  StartMove(At(BandAt(0), 30));
  ASSERT_EQ(List->State(), tlsBandDragging);
  ExpectPlaces({{"on itself", At(BandAt(0), 70), -2},
                {"left half of the next", At(BandAt(1), 30), -2},
                {"right half of the next", At(BandAt(1), 70), -3, 2},
                {"right of the bands", RightOfTheBands(Info.BandRect), -3, 2},
                {"over the headers", At(HeaderOf(2), 50), -1}},
               true);
  EndMove(RightOfTheBands(Info.BandRect));
  EXPECT_EQ(Order(), "C A B") << "the first band went last";

  List->Bands()->Items(0)->SetFixed(bfRight);
  Pump();
  Measure();
  StartMove(At(BandAt(0), 30));
  ASSERT_EQ(List->State(), tlsBandDragging);
  ExpectPlaces({{"after the fixed right band", At(BandAt(1), 70), -2}}, true);
  KeyDown(VK_ESCAPE);
  Pump();
  MouseUp(List, At(BandAt(0), 30));
  Pump();
}

}  // namespace
