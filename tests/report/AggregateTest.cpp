// Band aggregates: sums, counts, averages, minimums and maximums per group and over the report,
// rows of an invisible band, page totals, totals of two data bands, and aggregates over no rows.
#include "BuildTestKit.h"

#include "report/FR_Aggr.h"
#include "rtl/Convert.h"

namespace {

class AggregateTest : public TBuildTest {
 protected:
  void Scores(const std::vector<std::vector<Variant>>& Rows) {
    Table("dbsRows", {"Class", "Score#"}, Rows);
    TextBand(btGroupHeader, 60, 20, "GroupHeader1", "mmClass", "[Class]", "[Class]");
    TextBand(btMasterData, 100, 20, "MasterData1", "mmScore", "[Score]", "dbsRows");
  }
};

TEST_F(AggregateTest, GroupFootersAndTheSummaryAggregateTheirRows) {
  Scores({{"甲", 60}, {"甲", 80}, {"乙", -5}, {"乙", -3}});
  Band(btGroupFooter, 140, 20, "GroupFooter1");
  Memo("mmGroup", Bounds(20, 140, 400, 20),
       "[SUM([Score])] [COUNT(MasterData1)] [AVG([Score])] [MIN([Score])] [MAX([Score])]");
  Band(btReportSummary, 180, 20, "ReportSummary1");
  Memo("mmTotal", Bounds(20, 180, 400, 20), "[SUM([Score])] [AVG([Score])] [MAX([Score])]");
  ASSERT_TRUE(Report->PrepareReport()) << frState().EvalErrorText;
  // The summary's average is over all four rows, though the group footers started theirs afresh;
  // a maximum of negative scores is negative.
  EXPECT_EQ(AllTexts(), "甲 60 80 140 2 70 60 80 乙 -5 -3 -8 2 -4 -5 -3 132 33 80");
}

TEST_F(AggregateTest, AggregatesOverNoRowsAreEmptyButSumsAndCounts) {
  Scores({});
  Band(btReportSummary, 180, 20, "ReportSummary1");
  Memo("mmTotal", Bounds(20, 180, 400, 20), "合计[SUM([Score])],[MIN([Score])],[AVG([Score])],[COUNT(MasterData1)]");
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_EQ(AllTexts(), "合计0,,,0");
}

TEST_F(AggregateTest, AnInvisibleBandCountsOnlyForItemsThatAskForIt) {
  Scores({{"甲", 60}, {"甲", 80}, {"甲", -5}, {"甲", -3}});
  Report->FindObject("MasterData1")->Script.SetText("MasterData1.Visible := [Score] > 0");
  Band(btReportSummary, 180, 20, "ReportSummary1");
  Memo("mmTotal", Bounds(20, 180, 400, 20), "[SUM([Score])] [SUM([Score], MasterData1, 1)] [COUNT(MasterData1, 1)]");
  ASSERT_TRUE(Report->PrepareReport()) << frState().EvalErrorText;
  EXPECT_EQ(AllTexts(), "甲 60 80 140 132 4");
}

// Three rows of 300 fit a page; the page footer is left off the first page.
TEST_F(AggregateTest, PageTotalsStartAgainOnEveryPage) {
  std::vector<std::vector<Variant>> rows;
  for (int i = 1; i <= 7; ++i) rows.push_back({"甲", i});
  Table("dbsRows", {"Class", "Score#"}, rows);
  TextBand(btMasterData, 100, 300, "MasterData1", "mmScore", "[Score]", "dbsRows");
  TfrBandView& footer = Band(btPageFooter, 500, 30, "PageFooter1");
  footer.Flags = flBandOnLastPage;
  Memo("mmPage", Bounds(20, 500, 200, 30), "本页[SUM([Score])]");
  ASSERT_TRUE(Report->PrepareReport()) << frState().EvalErrorText;
  EXPECT_EQ(AllTexts(), "1 2 3 / 4 5 6 本页15 / 7 本页7");
}

TEST_F(AggregateTest, ABandAggregatesEachDataBandItNames) {
  Scores({{"甲", 60}, {"甲", 80}});
  Table("dbsOther", {"Points#"}, {{4}, {6}});
  TextBand(btMasterData, 400, 20, "MasterData2", "mmPoints", "[dbsOther.\"Points\"]", "dbsOther");
  Band(btReportSummary, 500, 20, "ReportSummary1");
  Memo("mmTotal", Bounds(20, 500, 400, 20),
       "[SUM([Score], MasterData1)] [SUM([dbsOther.\"Points\"], MasterData2)]");
  ASSERT_TRUE(Report->PrepareReport()) << frState().EvalErrorText;
  EXPECT_EQ(AllTexts(), "甲 60 80 4 6 140 10");
}

TEST_F(AggregateTest, AValueStoredUnderAnItemsNameIsWhatTheFunctionsRead) {
  TfrBand band(btReportSummary, &Page());
  const String sum = frAggregateItemName("Summary", afSum, "[Score]", "");
  const String avg = frAggregateItemName("Summary", afAvg, "[Score]", "");
  band.SetAggregateValue(sum, 42);
  band.SetAggregateValue(avg, 42);
  EXPECT_EQ(band.GetAggregateValue(sum).AsInteger(), 42);
  // An average over no rows has no value, whatever its total.
  EXPECT_TRUE(band.GetAggregateValue(avg).IsEmpty());
}

}  // namespace
