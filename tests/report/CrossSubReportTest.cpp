// Cross-tab columns that continue across prepared pages with their header repeated, row totals of a
// cross footer, and two sub-reports side by side that continue together on the next page.
#include "BuildTestKit.h"

#include "rtl/Convert.h"

namespace {

class CrossTest : public TBuildTest {
 protected:
  // Rows r1 and r2, a cross header 100 wide at 20 that repeats, and a column 150 wide per record
  // of dbsCols.
  void CrossTab(int Columns) {
    Table("dbsRows", {"Name"}, {{"r1"}, {"r2"}});
    std::vector<std::vector<Variant>> columns;
    for (int i = 1; i <= Columns; ++i) columns.push_back({"c" + IntToStr(i), i});
    Table("dbsCols", {"Item", "Qty#"}, columns);
    Band(btMasterData, 100, 20, "MasterData1", "dbsRows");
    TfrBandView& header = Band(btCrossHeader, 0, 0, "CrossHeader1");
    header.SetBounds(20, 0, 100, 0);
    header.Flags |= flBandRepeatHeader;
    Memo("mmRow", Bounds(20, 100, 100, 20), "[dbsRows.\"Name\"]");
    Band(btCrossData, 0, 0, "CrossData1", "dbsCols").SetBounds(130, 0, 150, 0);
    Memo("mmCell", Bounds(130, 100, 150, 20), "[dbsCols.\"Item\"]");
  }
};

TEST_F(CrossTest, ColumnsThatDoNotFitContinueOnTheNextPageAtTheSameHeight) {
  CrossTab(6);
  ASSERT_TRUE(Report->PrepareReport()) << frState().EvalErrorText;
  ASSERT_EQ(Pages(), 2);
  EXPECT_EQ(AllTexts(), "r1 c1 c2 c3 c4 r2 c1 c2 c3 c4 / r1 c5 c6 r2 c5 c6");
  std::vector<TPoint> places;
  for (const TPrinted& object : Printed(1)) places.push_back(object.Bounds.TopLeft());
  EXPECT_EQ(places, (std::vector<TPoint>{{20, 20}, {120, 20}, {270, 20}, {20, 40}, {120, 40}, {270, 40}}));
}

TEST_F(CrossTest, ACrossFooterTotalsTheColumnsOfItsRow) {
  CrossTab(3);
  Band(btCrossFooter, 0, 0, "CrossFooter1").SetBounds(300, 0, 100, 0);
  Memo("mmTotal", Bounds(300, 100, 100, 20), "[SUM([dbsCols.\"Qty\"])]");
  ASSERT_TRUE(Report->PrepareReport()) << frState().EvalErrorText;
  EXPECT_EQ(AllTexts(), "r1 c1 c2 c3 6 r2 c1 c2 c3 6");
  EXPECT_EQ(Printed(0)[4].Bounds.Left, 570);
}

class SubReportTest : public TBuildTest {};

// One record whose band holds two sub-reports: 30 rows of 50 on the left, 5 on the right.
TEST_F(SubReportTest, SubReportsSideBySideContinueTogetherWithoutRunningTheBandsScriptAgain) {
  std::vector<std::vector<Variant>> left, right;
  for (int i = 1; i <= 30; ++i) left.push_back({"L" + IntToStr(i)});
  for (int i = 1; i <= 5; ++i) right.push_back({"R" + IntToStr(i)});
  Table("dbsLeft", {"Name"}, left);
  Table("dbsRight", {"Name"}, right);
  TfrBandView& data = Band(btMasterData, 100, 20, "MasterData1", "1");
  data.Script.SetText("Runs := Runs + 1");
  for (int page = 1; page <= 2; ++page) {
    auto sub = std::make_unique<TfrSubReportView>();
    sub->Name = "SubReport" + IntToStr(page);
    sub->SetBounds(page == 1 ? 20 : 400, 100, 300, 20);
    sub->SubPage = page;
    Page().Objects.push_back(std::move(sub));
    Band(btMasterData, 100, 50, "SubData" + IntToStr(page), page == 1 ? "dbsLeft" : "dbsRight", page);
    Memo("mmSub" + IntToStr(page), Bounds(0, 100, 200, 20), "[Name]", page);
  }
  frVariables().SetVariable("Runs", 0);
  ASSERT_TRUE(Report->PrepareReport()) << frState().EvalErrorText;
  ASSERT_EQ(Pages(), 2);
  std::vector<String> first, second;
  for (int i = 1; i <= 20; ++i) first.push_back("L" + IntToStr(i));
  for (int i = 1; i <= 5; ++i) first.push_back("R" + IntToStr(i));
  for (int i = 21; i <= 30; ++i) second.push_back("L" + IntToStr(i));
  EXPECT_EQ(Texts(0), first);
  EXPECT_EQ(Texts(1), second);
  EXPECT_EQ(Printed(0)[20].Bounds.TopLeft(), (TPoint{400, 20}));
  EXPECT_EQ(Printed(1)[0].Bounds.TopLeft(), (TPoint{20, 20}));
  EXPECT_EQ(frVariables().Variable("Runs").AsInteger(), 1);
}

}  // namespace
