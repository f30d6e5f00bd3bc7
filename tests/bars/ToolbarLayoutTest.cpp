// The line layout of toolbars: wrapping at group boundaries, groups split over lines, a single
// line keeping its most recently used links, aligned items, vertical columns running from the
// right, and the bound on shrinking a floating bar to a height.
#include "BarsTestKit.h"

namespace {

class ToolbarLayout : public TBarsTest {
 protected:
  void SetUp() override {
    TBarsTest::SetUp();
    Form->SetClientWidth(300);
    Form->SetClientHeight(200);
  }
  static TRect RectOf(TdxBar* Bar, int Index) { return Bar->ItemLinks()->Items(Index)->ItemRect(); }
  // A floating bar Width pixels wide inside.
  static void Float(TdxBar* Bar, int Width) {
    Bar->SetFloatClientWidth(Width);
    Bar->SetVisible(true);
  }
};

TEST_F(ToolbarLayout, WrappingBreaksBeforeTheGroupThatDoesNotFit) {
  // The third button begins a group; the fourth does not fit after it.
  TdxBar* bar = SizedBar("Tools", {{30, 22}, {30, 22}, {-30, 22}, {30, 22}});
  Float(bar, 100);
  EXPECT_EQ(bar->Control()->ClientWidth(), 60);
  EXPECT_EQ(RectOf(bar, 0), Bounds(0, 0, 30, 22));
  EXPECT_EQ(RectOf(bar, 1), Bounds(30, 0, 30, 22));
  // A line that begins a group lies a separator (6 pixels) below the line before it.
  EXPECT_EQ(RectOf(bar, 2), Bounds(0, 28, 30, 22));
  EXPECT_EQ(RectOf(bar, 3), Bounds(30, 28, 30, 22));
  EXPECT_EQ(bar->Control()->ClientHeight(), 50);
  EXPECT_TRUE(bar->ItemLinks()->Items(1)->Control()->LineEnd());
}

TEST_F(ToolbarLayout, AGroupSplitOverLinesEndsItsLastLine) {
  // One group of four that needs two lines, then a short group that would fit after it.
  TdxBar* bar = SizedBar("Tools", {{30, 22}, {30, 22}, {30, 22}, {30, 22}, {-10, 22}});
  Float(bar, 100);
  EXPECT_EQ(RectOf(bar, 2), Bounds(60, 0, 30, 22));
  // Inside a group the next line follows at once.
  EXPECT_EQ(RectOf(bar, 3), Bounds(0, 22, 30, 22));
  EXPECT_EQ(RectOf(bar, 4), Bounds(0, 50, 10, 22));
}

TEST_F(ToolbarLayout, AFloatingBarIsNeverNarrowerThanItsWidestControl) {
  TdxBar* bar = SizedBar("Tools", {{30, 22}, {50, 22}});
  Float(bar, 10);
  EXPECT_EQ(bar->Control()->ClientWidth(), 50);
  EXPECT_EQ(RectOf(bar, 1), Bounds(0, 22, 50, 22));
}

TEST_F(ToolbarLayout, ShrinkingToAHeightStopsAtTheWidestControl) {
  TdxBar* bar = SizedBar("Tools", {{30, 22}, {40, 22}, {30, 22}});
  Float(bar, 200);
  TdxBarControl* window = bar->Control();
  EXPECT_EQ(window->CalcSizeForHeight(44), TSize(70, 44));
  // Taller than one control a line: the narrowest width there is.
  EXPECT_EQ(window->CalcSizeForHeight(1000), TSize(40, 66));
  EXPECT_EQ(window->CalcSizeForHeight(10), TSize(100, 22));
}

class SingleLine : public ToolbarLayout {
 protected:
  // Five 30-pixel buttons used in the order 5, 1, 3, 2, 4 (most recent first), docked at the top
  // without a mark.
  TdxBar* UsedBar() {
    TdxBar* bar = SizedBar("Tools", {{30, 22}, {30, 22}, {30, 22}, {30, 22}, {30, 22}});
    bar->SetShowMark(false);
    const int positions[] = {1, 3, 2, 4, 0};
    for (int i = 0; i < 5; ++i) bar->ItemLinks()->Items(i)->SetStoredUsage(positions[i], 30);
    bar->ItemLinks()->ApplyStoredUsage(false);
    return bar;
  }
  static std::vector<int> ShownIndexes(TdxBar* Bar) {
    std::vector<int> shown;
    for (int i = 0; i < Bar->ItemLinks()->Count(); ++i)
      if (!IsRectEmpty(RectOf(Bar, i))) shown.push_back(i + 1);
    return shown;
  }
};

TEST_F(SingleLine, AShortLineKeepsItsMostRecentlyUsedLinks) {
  // 100 pixels inside: 10 of frame and drag handle make the row 110 long.
  Form->SetClientWidth(110);
  TdxBar* bar = UsedBar();
  Dock(bar, dsTop);
  EXPECT_EQ(bar->Control()->Width(), 110);
  EXPECT_EQ(ShownIndexes(bar), (std::vector<int>{1, 3, 5}));
  EXPECT_EQ(RectOf(bar, 2).Left, 30);
  EXPECT_EQ(RectOf(bar, 4).Left, 60);
  EXPECT_TRUE(bar->Control()->Truncated());
}

TEST_F(SingleLine, WithoutRecentItemsTheLastLinksAreCutOff) {
  Form->SetClientWidth(110);
  TdxBar* bar = UsedBar();
  bar->SetUseRecentItems(false);
  Dock(bar, dsTop);
  EXPECT_EQ(ShownIndexes(bar), (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(bar->Control()->Truncated());
  Form->SetClientWidth(300);
  EXPECT_EQ(ShownIndexes(bar), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_FALSE(bar->Control()->Truncated());
}

TEST_F(SingleLine, AnAlignedItemMovesOnlyInASingleLine) {
  TdxBar* bar = SizedBar("Tools", {{30, 22}, {30, 22}, {30, 22}});
  bar->SetShowMark(false);
  bar->SetUseRecentItems(false);
  bar->ItemLinks()->Items(1)->Item()->SetAlign(iaRight);
  Float(bar, 90);
  EXPECT_EQ(RectOf(bar, 1), Bounds(30, 0, 30, 22));
  EXPECT_FALSE(bar->Control()->Truncated());
  bar->SetVisible(false);
  bar->SetWholeRow(true);
  Dock(bar, dsTop);
  // The row is 300 long; 290 inside: the item ends the line and the links after it go.
  EXPECT_EQ(RectOf(bar, 1).Right, 290);
  EXPECT_TRUE(IsRectEmpty(RectOf(bar, 2)));
  EXPECT_TRUE(bar->Control()->Truncated());
}

TEST_F(SingleLine, AClientAlignedItemFillsTheRestOfTheLine) {
  TdxBar* bar = SizedBar("Tools", {{30, 22}, {30, 22}});
  bar->SetShowMark(false);
  bar->SetWholeRow(true);
  bar->ItemLinks()->Items(1)->Item()->SetAlign(iaClient);
  Dock(bar, dsTop);
  EXPECT_EQ(RectOf(bar, 1), Bounds(30, 0, 260, 22));
}

TEST_F(ToolbarLayout, AWrappingBarAtTheLeftRunsItsColumnsFromTheRight) {
  Form->SetClientHeight(100);
  TdxBar* bar = SizedBar("Tools", {{22, 30}, {22, 30}, {22, 30}, {22, 30}});
  bar->SetMultiLine(true);
  Dock(bar, dsLeft);
  TdxBarControl* window = bar->Control();
  ASSERT_EQ(window->ClientWidth(), 44);
  EXPECT_EQ(RectOf(bar, 0), Bounds(22, 0, 22, 30));
  EXPECT_EQ(RectOf(bar, 1), Bounds(22, 30, 22, 30));
  EXPECT_EQ(RectOf(bar, 2), Bounds(0, 0, 22, 30));
  EXPECT_EQ(Site(dsLeft)->Width(), window->Width());
}

}  // namespace
