// Page formation over record sources: pages that fill and break with their headers and footers,
// the first-page and last-page rules, empty sources, groups and their order, master records
// without detail, pages that continue the previous one, forced and band-made page breaks, bands
// taller than a page.
#include "BuildTestKit.h"

#include "rtl/Convert.h"

namespace {

std::vector<std::vector<Variant>> Rows(int Count) {
  std::vector<std::vector<Variant>> rows;
  for (int i = 1; i <= Count; ++i) rows.push_back({"r" + IntToStr(i)});
  return rows;
}

std::vector<String> Names(int From, int To) {
  std::vector<String> names;
  for (int i = From; i <= To; ++i) names.push_back("r" + IntToStr(i));
  return names;
}

class FormationTest : public TBuildTest {
 protected:
  // A list of Count rows under a page header and above a page footer that show the page number.
  void List(int Count) {
    Table("dbsRows", {"Name"}, Rows(Count));
    Band(btPageHeader, 20, 40, "PageHeader1");
    Memo("mmHeader", Bounds(20, 20, 300, 40), "页头 [PAGE#]");
    TextBand(btMasterData, 80, 20, "MasterData1", "mmName", "[Name]", "dbsRows");
    Band(btPageFooter, 200, 30, "PageFooter1");
    Memo("mmFooter", Bounds(20, 200, 200, 30), "第[PAGE#]页");
  }
};

TEST_F(FormationTest, RowsFillPagesBetweenTheirHeadersAndFooters) {
  List(50);
  ASSERT_TRUE(Report->PrepareReport());
  ASSERT_EQ(Pages(), 2);
  // 46 rows of 20 fit between the header's bottom (60) and the footer's top (990).
  std::vector<String> first{"页头 1"}, second{"页头 2"};
  for (const String& name : Names(1, 46)) first.push_back(name);
  for (const String& name : Names(47, 50)) second.push_back(name);
  first.push_back("第1页");
  second.push_back("第2页");
  EXPECT_EQ(Texts(0), first);
  EXPECT_EQ(Texts(1), second);
  const std::vector<TPrinted> page = Printed(0);
  EXPECT_EQ(page[1].Bounds, Bounds(20, 60, 200, 20));
  EXPECT_EQ(page[46].Bounds.Top, 960);
  EXPECT_EQ(page.back().Bounds.Top, 990);
}

TEST_F(FormationTest, FirstAndLastPageRulesOfHeadersAndFooters) {
  struct Case {
    uint16_t HeaderFlags, FooterFlags;
    const char* Expected;
  };
  const uint16_t both = flBandOnFirstPage | flBandOnLastPage;
  for (const Case& c : {Case{both, both, "页头 1 … 第1页 / 页头 2 … 第2页"},
                        Case{0, both, "… 第1页 / 页头 2 … 第2页"},
                        Case{both, flBandOnLastPage, "页头 1 … / 页头 2 … 第2页"},
                        Case{both, flBandOnFirstPage, "页头 1 … 第1页 / 页头 2 …"}}) {
    SCOPED_TRACE(c.Expected);
    Report->Pages().Clear();
    Module.reset();
    SetUp();
    List(50);
    Report->FindObject("PageHeader1")->Flags = c.HeaderFlags;
    Report->FindObject("PageFooter1")->Flags = c.FooterFlags;
    ASSERT_TRUE(Report->PrepareReport());
    String outline;
    for (int page = 0; page < Pages(); ++page) {
      const std::vector<String> texts = Texts(page);
      if (page > 0) outline += " / ";
      String line;
      for (const String& text : texts)
        if (text.rfind("r", 0) != 0) line += (line.empty() ? "" : " ") + text;
        else if (line.find("…") == String::npos) line += (line.empty() ? "" : " ") + String("…");
      outline += line;
    }
    EXPECT_EQ(outline, c.Expected);
  }
}

// The master footer closes records: with none there is nothing to close.
TEST_F(FormationTest, AnEmptySourceFormsAPageOnlyWhenTheReportPrintsEmpty) {
  List(0);
  TextBand(btReportTitle, 300, 20, "ReportTitle1", "mmTitle", "标题");
  TextBand(btMasterFooter, 400, 20, "MasterFooter1", "mmEnd", "完");
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_EQ(AllTexts(), "标题 页头 1 第1页");
  Report->SetPrintIfEmpty(false);
  EXPECT_TRUE(Report->PrepareReport());
  EXPECT_EQ(Pages(), 0);
}

TEST_F(FormationTest, AGroupThatEndsPrintsInnerFootersFirstThenTheNextGroupsHeaders) {
  Table("dbsRows", {"G1", "G2", "Name"}, {{"A", "x", "a1"}, {"A", "x", "a2"}, {"A", "y", "a3"}, {"B", "y", "b1"}});
  TextBand(btGroupHeader, 100, 20, "GroupHeader1", "mmG1", "组1 [G1]", "[G1]");
  TextBand(btGroupHeader, 130, 20, "GroupHeader2", "mmG2", "组2 [G2]", "[G2]");
  TextBand(btMasterData, 160, 20, "MasterData1", "mmName", "[Name]:[LINE#]", "dbsRows");
  TextBand(btGroupFooter, 190, 20, "GroupFooter2", "mmF2", "脚2 [G2]");
  TextBand(btGroupFooter, 220, 20, "GroupFooter1", "mmF1", "脚1 [G1]");
  TextBand(btMasterFooter, 250, 20, "MasterFooter1", "mmEnd", "总脚");
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_EQ(AllTexts(),
            "组1 A 组2 x a1:1 a2:2 脚2 x 组2 y a3:1 脚2 y 脚1 A 组1 B 组2 y b1:1 脚2 y 脚1 B 总脚");
}

// Master rows A of class 甲 and B and C of class 乙, with 2, 0 and 1 detail records, grouped by
// class.
class MasterDetailTest : public FormationTest {
 protected:
  void SetUp() override {
    FormationTest::SetUp();
    TMemDataSet& master =
        Table("dbsMaster", {"Name", "Class", "Details"}, {{"A", "甲", "2"}, {"B", "乙", "0"}, {"C", "乙", "1"}});
    auto* detail = new TroVaziDataset(Module.get());
    detail->SetName("dbsDetail");
    detail->SetRangeEnd(reCount);
    detail->OnFirst = [&master, detail](TObject*) {
      detail->SetRangeEndCount(master.FieldByName("Details")->AsInteger());
    };
    TextBand(btMasterHeader, 60, 20, "MasterHeader1", "mmHead", "主头");
    TextBand(btGroupHeader, 90, 20, "GroupHeader1", "mmGroup", "组[Class]", "[Class]");
    TextBand(btMasterData, 120, 20, "MasterData1", "mmMaster", "[Name]:[LINE#]", "dbsMaster");
    TextBand(btDetailData, 150, 20, "DetailData1", "mmDetail", "[dbsMaster.\"Name\"]-[LINE#]", "dbsDetail");
    TextBand(btMasterFooter, 180, 20, "MasterFooter1", "mmFoot", "主脚");
  }
};

// The group whose first record is dropped stays one group, and its first shown record is line 1.
TEST_F(MasterDetailTest, AMasterRecordWithoutDetailIsDroppedUnlessItPrintsEmpty) {
  ASSERT_TRUE(Report->PrepareReport()) << frState().EvalErrorText;
  EXPECT_EQ(AllTexts(), "组甲 主头 A:1 A-1 A-2 组乙 C:1 C-1 主脚");
  Report->FindObject("MasterData1")->Flags |= flBandPrintIfSubsetEmpty;
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_EQ(AllTexts(), "组甲 主头 A:1 A-1 A-2 组乙 B:1 C:2 C-1 主脚");
}

TEST_F(FormationTest, APageThatPrintsOnThePreviousOneContinuesItUnlessThatEndedAtItsLimit) {
  Table("dbsFirst", {"Name"}, Rows(3));
  Table("dbsSecond", {"Name"}, {{"s1"}, {"s2"}});
  TextBand(btMasterData, 100, 100, "MasterData1", "mmFirst", "[Name]", "dbsFirst");
  TextBand(btMasterData, 100, 20, "MasterData2", "mmSecond", "[Name]", "dbsSecond", 1);
  Page(1).PrintToPrevPage = true;
  ASSERT_TRUE(Report->PrepareReport());
  ASSERT_EQ(Pages(), 1);
  EXPECT_EQ(AllTexts(), "r1 r2 r3 s1 s2");
  EXPECT_EQ(Printed(0)[3].Bounds.Top, 320);

  auto* first = dynamic_cast<TMemDataSet*>(Module->FindComponent("tbldbsFirst"));
  for (int i = 4; i <= 10; ++i) first->AppendRecord({"r" + IntToStr(i)});  // ten rows of 100 end at 1020
  ASSERT_TRUE(Report->PrepareReport());
  ASSERT_EQ(Pages(), 2);
  EXPECT_EQ(Texts(1), (std::vector<String>{"s1", "s2"}));
}

// The first page has printed its footer; the second continues on it, the third does not.
TEST_F(FormationTest, APageContinuesAPageWithItsFooterAndTheNextStartsItsOwn) {
  Table("dbsFirst", {"Name"}, Rows(3));
  Table("dbsSecond", {"Name"}, {{"s1"}, {"s2"}});
  Table("dbsThird", {"Name"}, {{"t1"}});
  TextBand(btMasterData, 100, 100, "MasterData1", "mmFirst", "[Name]", "dbsFirst");
  TextBand(btPageFooter, 300, 30, "PageFooter1", "mmFooter", "脚");
  TextBand(btMasterData, 100, 20, "MasterData2", "mmSecond", "[Name]", "dbsSecond", 1);
  TextBand(btMasterData, 100, 20, "MasterData3", "mmThird", "[Name]", "dbsThird", 2);
  Page(1).PrintToPrevPage = true;
  ASSERT_TRUE(Report->PrepareReport()) << frState().EvalErrorText;
  EXPECT_EQ(AllTexts(), "r1 r2 r3 脚 s1 s2 / t1");
}

TEST_F(FormationTest, RecordsThatStartPagesAndScriptsThatAskForPages) {
  Table("dbsRows", {"Name"}, Rows(3));
  TfrBandView& data = TextBand(btMasterData, 100, 20, "MasterData1", "mmName", "[Name]", "dbsRows");
  data.Flags |= flBandFormNewPage;
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_EQ(AllTexts(), "r1 / r2 / r3");

  TfrView& again = *Report->FindObject("MasterData1");  // the template was read back
  again.Flags &= ~flBandFormNewPage;
  again.Script.SetText("if [LINE#] = 2 then begin NewPage; NewPage end");
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_EQ(AllTexts(), "r1 /  / r2 r3");
}

// A band taller than an empty page prints on the page it begins, past the bottom limit, and a
// page header taller than the page does not form pages without end.
TEST_F(FormationTest, BandsTallerThanAPagePrintWhereTheyBegin) {
  Table("dbsRows", {"Name"}, Rows(2));
  TextBand(btMasterData, 100, 1500, "MasterData1", "mmName", "[Name]", "dbsRows");
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_EQ(AllTexts(), "r1 / r2");

  TextBand(btPageHeader, 1700, 1200, "PageHeader1", "mmHeader", "页头");
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_EQ(AllTexts(), "页头 r1 / 页头 r2");
}

// A hundred and twenty groups wait with the first record.
TEST_F(FormationTest, AnyNumberOfBandsWaitToBeShown) {
  Table("dbsRows", {"Name"}, Rows(2));
  for (int i = 0; i < 120; ++i) {
    Band(btGroupHeader, 1000 + 30 * i, 20, "GroupHeader" + IntToStr(i), "1");
    Memo("mmGroup" + IntToStr(i), Bounds(20, 1000 + 30 * i, 100, 20), "g");
  }
  TextBand(btMasterData, 100, 20, "MasterData1", "mmName", "[Name]", "dbsRows");
  ASSERT_TRUE(Report->PrepareReport()) << frState().EvalErrorText;
  int groups = 0;
  for (int page = 0; page < Pages(); ++page)
    for (const String& text : Texts(page)) groups += text == "g";
  EXPECT_EQ(groups, 120);
  EXPECT_EQ(Texts(Pages() - 1).back(), "r2");
}

}  // namespace
