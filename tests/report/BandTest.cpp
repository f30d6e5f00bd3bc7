// Runtime bands as they print: stretching to their text and moving whole or splitting across pages,
// columns of a band and of a page, headers that repeat, child bands, the band events, and objects
// taller than a page.
#include "BuildTestKit.h"

#include "report/FR_Picture.h"
#include "rtl/Convert.h"

namespace {

std::vector<std::vector<Variant>> Rows(int Count) {
  std::vector<std::vector<Variant>> rows;
  for (int i = 1; i <= Count; ++i) rows.push_back({"r" + IntToStr(i)});
  return rows;
}

class BandTest : public TBuildTest {};

// A 3-line text (53 pixels) in a band that begins 40 pixels above the bottom limit.
TEST_F(BandTest, AStretchedBandMovesWholeToTheNextPageOrSplitsWhenItMayBreak) {
  Table("dbsRows", {"Name"}, {{"一\r\n二\r\n三"}});
  TextBand(btReportTitle, 2000, 960, "ReportTitle1", "mmTitle", "标题");
  TfrBandView& data = Band(btMasterData, 100, 20, "MasterData1", "dbsRows");
  data.Flags |= flStretched;
  Memo("mmText", Bounds(20, 100, 200, 20), "[Name]");
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_EQ(AllTexts(), "标题 / 一|二|三");
  EXPECT_EQ(Printed(1)[0].Bounds, Bounds(20, 20, 200, 53));

  Report->FindObject("MasterData1")->Flags |= flBandBreaked;
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_EQ(AllTexts(), "标题 一|二 / 三");
  EXPECT_EQ(Printed(0)[1].Bounds.Top, 980);
  EXPECT_EQ(Printed(1)[0].Bounds.Top, 20);
}

TEST_F(BandTest, ABandWithColumnsPrintsItsRecordsSideBySide) {
  Table("dbsRows", {"Name"}, Rows(4));
  TfrBandView& data = Band(btMasterData, 100, 20, "MasterData1", "dbsRows");
  data.Columns = 3;
  data.ColumnWidth = 200;
  data.ColumnGap = 20;
  Memo("mmName", Bounds(20, 100, 200, 20), "[Name]");
  TextBand(btMasterFooter, 200, 20, "MasterFooter1", "mmEnd", "完");
  TextBand(btReportSummary, 300, 20, "ReportSummary1", "mmTotal", "合计");
  ASSERT_TRUE(Report->PrepareReport());
  std::vector<TPoint> places;
  for (const TPrinted& object : Printed(0)) places.push_back(object.Bounds.TopLeft());
  // The footer closes the half-filled row, once: the summary follows it directly.
  EXPECT_EQ(places, (std::vector<TPoint>{{20, 20}, {240, 20}, {460, 20}, {20, 40}, {20, 60}, {20, 80}}));
}

// Ten rows of 100 fill a column of a two-column page; the master header repeats at the top of each
// new column and page.
TEST_F(BandTest, PageColumnsContinueAtTheColumnTopAndRepeatTheirHeaders) {
  Table("dbsRows", {"Name"}, Rows(25));
  Page().Columns = 2;
  Page().ColumnGap = 20;
  Band(btColumnHeader, 60, 30, "ColumnHeader1");
  Memo("mmColumn", Bounds(20, 60, 200, 30), "栏头");
  TfrBandView& header = Band(btMasterHeader, 100, 70, "MasterHeader1");
  header.Flags |= flBandRepeatHeader;
  Memo("mmHeader", Bounds(20, 100, 200, 20), "表头");
  TextBand(btMasterData, 300, 100, "MasterData1", "mmName", "[Name]", "dbsRows");
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_EQ(AllTexts(),
            "栏头 表头 r1 r2 r3 r4 r5 r6 r7 r8 r9 栏头 表头 r10 r11 r12 r13 r14 r15 r16 r17 r18 / "
            "栏头 表头 r19 r20 r21 r22 r23 r24 r25");
  const std::vector<TPrinted> page = Printed(0);
  EXPECT_EQ(page[11].Bounds.TopLeft(), (TPoint{20 + 349 + 20, 20}));
  EXPECT_EQ(page[13].Bounds.TopLeft(), (TPoint{389, 120}));
}

// Nine rows of 100 and the column footer fill the first column; the summary goes on in the second
// without a second column footer.
TEST_F(BandTest, ASummaryThatMovesToTheNextColumnPrintsNoSecondColumnFooter) {
  Table("dbsRows", {"Name"}, Rows(9));
  Page().Columns = 2;
  TextBand(btMasterData, 100, 100, "MasterData1", "mmName", "[Name]", "dbsRows");
  TextBand(btColumnFooter, 300, 20, "ColumnFooter1", "mmColumnFooter", "栏脚");
  TextBand(btReportSummary, 400, 100, "ReportSummary1", "mmTotal", "合计");
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_EQ(AllTexts(), "r1 r2 r3 r4 r5 r6 r7 r8 r9 栏脚 合计");
  EXPECT_EQ(Printed(0).back().Bounds.TopLeft(), (TPoint{20 + 359 + 0, 20}));
}

TEST_F(BandTest, ChildBandsFollowAndALoopOfChildrenIsNotMade) {
  Table("dbsRows", {"Name"}, Rows(2));
  TfrBandView& data = Band(btMasterData, 100, 20, "MasterData1", "dbsRows");
  data.ChildBand = "Child1";
  Memo("mmName", Bounds(20, 100, 200, 20), "[Name]");
  TfrBandView& child = Band(btChild, 150, 20, "Child1");
  child.ChildBand = "MasterData1";
  Memo("mmChild", Bounds(20, 150, 200, 20), "子[dbsRows.\"Name\"]");
  std::vector<String> events;
  Report->OnBeginBand = [&](TfrBand* band) {
    if (band->View) events.push_back("<" + band->Name);
  };
  Report->OnEndBand = [&](TfrBand* band) {
    if (band->View) events.push_back(band->Name + ">");
  };
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_EQ(AllTexts(), "r1 子r1 r2 子r2");
  EXPECT_EQ(events, (std::vector<String>{"<MasterData1", "<Child1", "Child1>", "MasterData1>", "<MasterData1",
                                         "<Child1", "Child1>", "MasterData1>"}));
}

// A picture taller than an empty page, in a band that may split, prints there cut to the page;
// one that begins lower goes to the next page first.
TEST_F(BandTest, AnObjectTallerThanAPagePrintsCutOnAnEmptyPage) {
  Table("dbsRows", {"Name"}, {{"r1"}});
  TfrBandView& data = Band(btMasterData, 100, 1510, "MasterData1", "dbsRows");
  data.Flags |= flBandBreaked;
  Memo("mmName", Bounds(400, 100, 200, 20), "[Name]");
  auto picture = std::make_unique<TfrPictureView>();
  picture->Name = "Picture1";
  picture->SetBounds(20, 100, 300, 1500);
  Page().Objects.push_back(std::move(picture));
  ASSERT_TRUE(Report->PrepareReport());
  ASSERT_EQ(Pages(), 1);
  EXPECT_EQ(Printed(0)[1].Bounds, Bounds(20, 20, 300, 998));

  Report->FindObject("Picture1")->Top = 130;
  ASSERT_TRUE(Report->PrepareReport());
  ASSERT_EQ(Pages(), 2);
  EXPECT_EQ(Printed(0).size(), 1u);
  EXPECT_EQ(Printed(1)[0].Bounds, Bounds(20, 20, 300, 998));
}

}  // namespace
