// What the window shows: columns and bands scrolled into view as the focus moves, the horizontal
// position kept in range, and repaints limited to the rows that changed.
#include "support/TreeListFixture.h"
#include "windows/Paint.h"

namespace {

class ViewTest : public TTreeListTest {
 protected:
  void SetUp() override {
    TTreeListTest::SetUp();
    List->SetBounds(0, 0, 150, 100);
  }
};

TEST_F(ViewTest, TheFocusedColumnIsScrolledIntoView) {
  for (int i = 0; i < 3; ++i) AddColumn("C" + std::to_string(i));
  Build("a");
  List->SetOptions(List->GetOptions() & ~tloRowSelect);
  int changes = 0;
  List->OnChangeLeftCoord = [&](TObject*) { ++changes; };
  const std::pair<int, int> cases[] = {{2, 150}, {0, 0}, {1, 50}, {1, 50}};
  for (const auto& [column, left] : cases) {
    List->SetFocusedVisibleIndex(column);
    EXPECT_EQ(List->LeftCoord(), left) << column;
  }
  EXPECT_EQ(changes, 3);
}

TEST_F(ViewTest, BandsScrollIntoViewButNeverPastTheirLeftEdge) {
  List->SetDefaultLayout(false);
  List->SetOptionsEx(List->GetOptionsEx() & ~tlxBandHeaderWidth);
  List->SetBounds(0, 0, 200, 100);
  List->Bands()->Items(0)->SetWidth(100);
  List->Bands()->Add()->SetWidth(200);
  List->Bands()->Add()->SetWidth(150);
  List->MakeBandVisible(2);
  EXPECT_EQ(List->LeftCoord(), 250);
  List->MakeBandVisible(0);
  EXPECT_EQ(List->LeftCoord(), 0);
  List->MakeBandVisible(1);
  EXPECT_EQ(List->LeftCoord(), 100) << "a band wider than the view shows its left edge";
  List->Bands()->Items(0)->SetFixed(bfLeft);
  List->SetLeftCoord(0);
  List->MakeBandVisible(0);
  EXPECT_EQ(List->LeftCoord(), 0) << "a fixed band does not scroll";
}

TEST_F(ViewTest, OnlyTheRowsThatChangedAreRepainted) {
  AddColumn("A");
  Build("a\nb\nc");
  List->SetParent(Form);
  ShowForm();
  const auto updated = [&] {
    TRect r;
    const bool any = GetUpdateRect(List->Handle(), &r, false);
    ValidateRect(List->Handle(), nullptr);
    return any ? r : TRect{};
  };
  updated();
  const TRect b = List->GetNodeRect(N("b"));
  List->InvalidateNode(N("b"), false);
  EXPECT_EQ(updated(), TRect(0, b.Top, b.Right, b.Bottom)) << "the row with its indicator cell";
  List->InvalidateNode(N("b"), true);
  EXPECT_EQ(updated(), TRect(0, b.Top, b.Right, List->GetRowsRect().Bottom)) << "from the row down";
  N("b")->SetFocused(true);
  EXPECT_EQ(updated(), TRect(0, List->GetNodeRect(N("a")).Top, b.Right, b.Bottom)) << "the old and the new focus";
  List->SetRowsInView(1);
  List->SetTopIndex(2);
  updated();
  List->InvalidateNode(N("c"), false);
  EXPECT_FALSE(IsRectEmpty(updated()));
  List->InvalidateNode(N("a"), false);
  EXPECT_TRUE(IsRectEmpty(updated())) << "a row out of view";
  List->InvalidateNode(N("a"), true);
  // The rows now leave room for the vertical scroll bar.
  const TRect rows = List->GetRowsRect();
  EXPECT_EQ(updated(), TRect(0, rows.Top, rows.Right, rows.Bottom)) << "a change above the view moves every row in view";
}

}  // namespace
