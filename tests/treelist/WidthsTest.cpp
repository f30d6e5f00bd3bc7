// Band and column widths (AutoWidth shares, minimums, columns that keep their width, the group
// indent, offsets of scrolling bands), the rules that apply a width the user gives, and row
// heights with grid lines, preview, group rows, row footers and multi-line cells.
#include "support/TreeListFixture.h"

namespace {

class WidthsTest : public TTreeListTest {
 protected:
  void SetUp() override {
    TTreeListTest::SetUp();
    List->SetBounds(0, 0, 600, 300);
  }
  // Bands of the given widths and minimums without columns, sized by themselves.
  void Bands(std::initializer_list<std::pair<int, int>> WidthsAndMinimums) {
    List->SetDefaultLayout(false);
    List->SetOptionsEx(List->GetOptionsEx() & ~tlxBandHeaderWidth);
    while (List->Bands()->Count() < int(WidthsAndMinimums.size())) List->Bands()->Add();
    int i = 0;
    for (const auto& [width, minimum] : WidthsAndMinimums) {
      List->Bands()->Items(i)->SetMinWidth(minimum);
      List->Bands()->Items(i++)->SetWidth(width);
    }
  }
  std::vector<int> BandWidths() {
    std::vector<int> widths;
    for (int b = 0; b < List->GetVisibleBandCount(); ++b) widths.push_back(List->CalcBandWidth(b));
    return widths;
  }
  void AutoWidth() { List->SetOptions(List->GetOptions() | tloAutoWidth); }
};

TEST_F(WidthsTest, AutoWidthSharesTheBandsArea) {
  Bands({{100, 30}, {200, 30}, {100, 30}});
  EXPECT_EQ(BandWidths(), std::vector<int>({100, 200, 100}));
  AutoWidth();
  EXPECT_EQ(BandWidths(), std::vector<int>({150, 300, 150}));
  List->SetBounds(0, 0, 200, 300);
  List->Bands()->Items(2)->SetWidth(400);
  List->Bands()->Items(0)->SetMinWidth(80);
  EXPECT_EQ(BandWidths(), std::vector<int>({80, 50, 70})) << "a band below its minimum keeps it";
  List->SetBounds(0, 0, 100, 300);
  EXPECT_EQ(List->GetBandsWidth(), 140) << "the minimums when they do not fit";
  List->Bands()->Items(1)->SetSizing(false);
  List->SetBounds(0, 0, 600, 300);
  EXPECT_EQ(BandWidths()[1], 200) << "a band that may not be sized keeps its width";
}

TEST_F(WidthsTest, ColumnsShareTheirBandRow) {
  for (int i = 0; i < 3; ++i) AddColumn("C" + std::to_string(i));
  AutoWidth();
  List->SetBounds(0, 0, 400, 300);
  EXPECT_EQ(List->CalcRowColumnWidths(0, 0), std::vector<int>({133, 133, 134})) << "the last takes the remainder";
  List->GetColumn(0)->SetSizing(false);
  EXPECT_EQ(List->CalcRowColumnWidths(0, 0), std::vector<int>({100, 150, 150}));
  List->GetColumn(0)->SetSizing(true);
  List->GroupIndent = 20;
  EXPECT_EQ(List->CalcRowColumnWidths(0, 0)[0], 20 + 127) << "the first column holds the group indent";
  List->GroupIndent = 0;
  List->GetColumn(1)->SetMinWidth(300);
  EXPECT_EQ(List->CalcRowColumnWidths(0, 0)[1], 300) << "never below the minimum";
  List->GetColumn(1)->SetVisible(false);
  List->GetColumn(2)->SetVisible(false);
  EXPECT_EQ(List->CalcRowColumnWidths(0, 0), std::vector<int>({400})) << "alone, the whole band";
}

TEST_F(WidthsTest, ColumnsOfNoWidthShareNothing) {
  for (int i = 0; i < 3; ++i) {
    TdxTreeListColumn* column = AddColumn("C" + std::to_string(i));
    column->SetMinWidth(0);
    column->SetWidth(0);
  }
  List->SetBounds(0, 0, 400, 300);
  for (bool autoWidth : {false, true}) {
    if (autoWidth) AutoWidth();
    const int band = List->CalcBandWidth(0);
    EXPECT_EQ(List->CalcRowColumnWidths(0, 0), std::vector<int>({0, 0, band}))
        << "AutoWidth " << autoWidth << ": no negative widths, the last column fills the band";
  }
}

TEST_F(WidthsTest, OffsetsOfTheScrollingBands) {
  Bands({{100, 30}, {200, 30}, {150, 30}, {80, 30}});
  EXPECT_EQ(List->GetBandOffset(2), 300);
  List->Bands()->Items(0)->SetFixed(bfLeft);
  EXPECT_EQ(List->GetBandOffset(0), 0) << "a fixed band";
  EXPECT_EQ(List->GetBandOffset(2), 200) << "counted from the first scrolling band";
  List->Bands()->Items(3)->SetFixed(bfRight);
  EXPECT_EQ(List->GetScrollableBandsWidth(), 350);
  EXPECT_EQ(List->GetScrollableClientWidth(), 600 - 180);
  List->SetBounds(0, 0, 400, 300);
  List->SetLeftCoord(1000);
  EXPECT_EQ(List->LeftCoord(), 350 - 220) << "no empty space on the right";
  List->SetLeftCoord(-5);
  EXPECT_EQ(List->LeftCoord(), 0);
}

TEST_F(WidthsTest, WidthsTheUserGivesABand) {
  AddColumn("A");
  AddColumn("B");
  List->ApplyBandWidth(0, 300);
  EXPECT_EQ(List->GetColumn(0)->Width(), 150) << "the columns scale with their band";
  EXPECT_EQ(List->GetColumn(1)->Width(), 150);
  Bands({{100, 30}, {200, 30}, {100, 30}});
  AutoWidth();
  List->ApplyBandWidth(0, 250);
  EXPECT_EQ(BandWidths(), std::vector<int>({250, 233, 117})) << "the bands right of it give the room";
  List->ApplyBandWidth(2, 200);
  EXPECT_EQ(BandWidths(), std::vector<int>({207, 193, 200})) << "the last takes room from the left";
}

TEST_F(WidthsTest, WidthsTheUserGivesAColumn) {
  TdxTreeListColumn* a = AddColumn("A");
  TdxTreeListColumn* b = AddColumn("B");
  List->ApplyColumnWidth(0, 150);
  EXPECT_EQ(a->Width(), 150) << "a band sized by its headers grows";
  EXPECT_EQ(b->Width(), 100);
  EXPECT_EQ(List->CalcBandWidth(0), 250);
  AddColumn("C");
  AutoWidth();
  List->SetBounds(0, 0, 400, 300);
  List->ApplyColumnWidth(0, 200);
  EXPECT_EQ(List->CalcRowColumnWidths(0, 0), std::vector<int>({200, 100, 100})) << "the others keep the row's total";
}

// --- row heights ----------------------------------------------------------------------------------------

TEST_F(WidthsTest, RowHeightsWithGridPreviewAndGroups) {
  AddColumn("A");
  Build("g\n  a\n  b");
  List->SetShowGrid(true);
  const auto height = [&](const std::string& Node) { return List->CalcNodeRowHeight(N(Node), 17, true); };
  EXPECT_EQ(height("a"), 17);
  List->GroupParents = true;
  EXPECT_EQ(height("g"), 17) << "a group row: one line";
  List->SetOptions(List->GetOptions() | tloPreview);
  List->SetOptionsEx(List->GetOptionsEx() & ~tlxAutoCalcPreviewLines);
  EXPECT_EQ(height("a"), 1 + 17 + 2 * 13 + 1 + 2 - 1) << "two preview lines, their margin and grid line";
  EXPECT_EQ(height("g"), 17) << "group rows show no preview";
  List->SetOptionsEx(List->GetOptionsEx() | tlxAutoCalcPreviewLines);
  List->PreviewColumn = 0;
  EXPECT_EQ(List->GetPreviewLineCount(N("a")), 1) << "as many lines as the text takes";
  String words;
  for (int i = 0; i < 40; ++i) words += "word ";
  N("b")->SetStrings(0, words);
  EXPECT_EQ(List->GetPreviewLineCount(N("b")), 2) << "at most PreviewLines";
  List->SetOptions(List->GetOptions() & ~tloPreview);
  List->SetShowGrid(false);
  List->SetHideLeafIndent(true);
  EXPECT_EQ(height("g"), 17 + 1) << "a grid-style parent without grid lines is one pixel higher";
}

TEST_F(WidthsTest, RowFootersEndTheLastLeafOfTheirGroups) {
  AddColumn("A");
  Build("g\n  h\n    a\n    b\n  i");
  List->RowFooterLevels = {0, 1};
  List->SetShowRowFooter(true);
  EXPECT_EQ(List->GetRowFooterCount(N("b")), 1) << "b ends h";
  EXPECT_EQ(List->GetRowFooterLevel(N("b"), 0), 1);
  EXPECT_EQ(List->GetRowFooterCount(N("i")), 1);
  N("i")->Free();
  EXPECT_EQ(List->GetRowFooterCount(N("b")), 2) << "b ends h and g";
  EXPECT_EQ(List->GetRowFooterLevel(N("b"), 1), 0);
  EXPECT_EQ(List->GetRowFooterCountAbove(N("b"), 1), 1);
  EXPECT_EQ(List->GetRowFooterCountAbove(N("a"), 1), -1) << "a ends nothing";
  EXPECT_EQ(List->CalcNodeRowHeight(N("b"), 16, true), 16 + 2 * List->Metrics().RowFooterHeight);
  List->SetShowRowFooter(false);
  EXPECT_EQ(List->GetRowFooterCount(N("b")), 0);
}

TEST_F(WidthsTest, MultiLineRowsGrowWithTheirText) {
  TdxTreeListColumn* column = AddColumn("A");
  column->SetWidth(100);
  Build("short\nlong");
  N("long")->SetStrings(0, "one two three four five six seven eight nine ten");
  List->SetOptionsEx(List->GetOptionsEx() | tlxRowAutoHeight);
  List->SetMaxRowLineCount(3);
  EXPECT_TRUE(List->IsMultiLineRows());
  List->ClearRowHeightCache();
  EXPECT_EQ(List->CalcNodeRowHeight(N("short"), 16, true), 16);
  const int capped = List->CalcNodeRowHeight(N("long"), 16, true);
  EXPECT_EQ(capped, 3 * 13) << "three lines of the wrapped text";
  int lineHeight = 16;
  EXPECT_EQ(List->GetNodeLineCount(N("long"), lineHeight), 3);
  List->OnCalcRowLineHeight = [](TObject*, TdxTreeListNode*, TdxTreeListColumn*, const String&, int, int, int, bool,
                                 bool, int& Lines, int& Height, bool& Done) {
    Lines = 2;
    Height = 50;
    Done = true;
  };
  List->ClearRowHeightCache();
  EXPECT_EQ(List->CalcNodeRowHeight(N("long"), 16, true), 50) << "the handler measures";
}

TEST_F(WidthsTest, TheColumnPositionCacheFollowsTheLayout) {
  TdxTreeListColumn* a = AddColumn("A");
  AddColumn("B");
  EXPECT_EQ(List->GetColumnPosition(0), 100);
  a->SetWidth(140);
  EXPECT_EQ(List->GetColumnPosition(0), 140);
  AutoWidth();
  List->SetBounds(0, 0, 480, 300);
  EXPECT_EQ(List->GetColumnPosition(0), 280) << "a new size clears the cache";
  EXPECT_EQ(List->GetColumnPosition(5), 0);
}

}  // namespace
