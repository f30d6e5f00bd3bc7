// The standards editors on the main window's standards queries: thresholds shown and written as
// times or numbers, the key filters of the upper levels, the tab order, and a failed save that
// changes nothing.
#include "app/windows/EditExamStandard.h"
#include "app/windows/EditUptoStandard.h"
#include "fixtures/SchoolFixture.h"
#include "rtl/Convert.h"

namespace {

TEST(StandardTimes, AThresholdSplitsIntoMinutesSecondsAndThousandths) {
  const std::pair<double, TTimeParts> cases[] = {
      {65.5, {1, 5, 500}}, {12.005, {0, 12, 5}}, {135, {2, 15, 0}}, {0, {0, 0, 0}}, {-1, {0, 0, 0}}, {59.9995, {1, 0, 0}}};
  for (const auto& [value, parts] : cases) {
    const TTimeParts split = SplitThreshold(value);
    EXPECT_EQ((std::tuple{split.Minutes, split.Seconds, split.Thousandths}),
              (std::tuple{parts.Minutes, parts.Seconds, parts.Thousandths}))
        << value;
  }
}

TEST(StandardTimes, TheThreeBoxesAddUpWithoutLimits) {
  EXPECT_DOUBLE_EQ(GetTimeValue("1", "5", "500"), 65.5);
  EXPECT_DOUBLE_EQ(GetTimeValue("", "12", "5"), 12.005) << "thousandths, not tenths";
  EXPECT_DOUBLE_EQ(GetTimeValue("1", "75", "0"), 135.0);
  EXPECT_DOUBLE_EQ(GetTimeValue("", "", ""), 0.0);
  EXPECT_THROW(GetTimeValue("1a", "", ""), EConvertError);
}

class StandardsEditTest : public TSchoolTest {
 protected:
  // The main window's fitness standards page for a grade and sex, on the row of an item.
  void ShowUptoStandard(const String& ProgNo) {
    TADOQuery* standards = Module->adqUptoStarnd;
    standards->Close();
    standards->SQL()->SetText(
        "select a.*,b.Fd_ProgName,b.Fd_Nutric,b.Fd_ProgType from Tb_UptoStarnd a,Tb_Uptoprog b where a.Fd_ProgID = "
        "b.Fd_ProgNo and a.Fd_Sex=:ASex and a.Fd_Grade =:AGrade");
    standards->Parameters()[0].SetValue("男");
    standards->Parameters()[1].SetValue("高一");
    standards->Open();
    ASSERT_TRUE(standards->Locate("Fd_ProgID", Variant(ProgNo)));
  }
  String Stored(const String& ProgNo, const String& Field) {
    return Value("SELECT " + Field + " FROM Tb_UptoStarnd WHERE Fd_Grade = '高一' AND Fd_Sex = '男' AND Fd_ProgID = '" +
                 ProgNo + "'");
  }
  TEdit* Box(const String& Name) { return Child<TEdit>(fmEditUptoStarnd, Name.c_str()); }
  std::vector<String> TimeBoxes(int Level) {
    const String level = IntToStr(Level);
    return {Box("edtMin" + level)->Text(), Box("edtSec" + level)->Text(), Box("edtmill" + level)->Text()};
  }
  void Save() { Click(Child<TControl>(fmEditUptoStarnd, "btnSave"), {5, 5}); }
};

TEST_F(StandardsEditTest, ATimeRowShowsMinutesSecondsAndThousandthsAndStoresThemBack) {
  Db.Connection()->Execute(
      "UPDATE Tb_UptoStarnd SET Fd_Fen50 = 65.5, Fd_Fen55 = -1, Fd_Fen60 = 0 WHERE Fd_ProgID = 'U11' AND "
      "Fd_Grade = '高一' AND Fd_Sex = '男'");
  ShowUptoStandard("U11");
  const String before = Stored("U11", "Fd_Fen90");
  const TModalResult result = RunModal(ShowEditUptoStarnd, {[&] {
    EXPECT_EQ(fmEditUptoStarnd->Caption(), "考核项目评分标准修改");
    EXPECT_EQ(fmEditUptoStarnd->nbStarnd->PageIndex(), TfmEditStarnd::pgTime);
    EXPECT_EQ(TimeBoxes(50), (std::vector<String>{"1", "5", "500"}));
    EXPECT_EQ(TimeBoxes(55), (std::vector<String>{"0", "0", "0"}));
    EXPECT_EQ(TimeBoxes(60), (std::vector<String>{"0", "0", "0"}));
    RenderWindowToPng(fmEditUptoStarnd->Handle(), "edit-standard-time.png");
    // Minutes 1, seconds 75: 135 seconds. Letters are dropped in the upper boxes; Backspace edits.
    Box("edtMin70")->SetText("1");
    Box("edtSec70")->SetFocus();
    Pump();
    Box("edtSec70")->SelectAll();
    TypeText("7a6.");
    PressKey(VK_BACK);
    TypeText("5");
    Pump();
    EXPECT_EQ(Box("edtSec70")->Text(), "75");
    PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(fmEditUptoStarnd->ActiveControl(), Box("edtmill70")) << "Enter moves on";
    Box("edtMill70")->SetText("");  // the name is found whatever its case
    Save();
  }});
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(Stored("U11", "Fd_Fen50"), "65.5");
  EXPECT_EQ(Stored("U11", "Fd_Fen55"), "0") << "a threshold of none is stored as 0 from the time page";
  EXPECT_EQ(Stored("U11", "Fd_Fen70"), "135");
  EXPECT_EQ(Stored("U11", "Fd_Fen90"), before);
  EXPECT_EQ(Module->adqUptoStarnd->FieldByName("Fd_Fen70")->AsFloat(), 135.0) << "the main window's grid sees it";
  EXPECT_NE(fmEditUptoStarnd, nullptr) << "kept for the next use";
}

TEST_F(StandardsEditTest, ANumberRowShowsTwoDecimalsStoresAnEmptyBoxAsNoneAndRefusesText) {
  Db.Connection()->Execute(
      "UPDATE Tb_UptoStarnd SET Fd_Fen20 = 12.5, Fd_Fen25 = -1 WHERE Fd_ProgID = 'U31' AND Fd_Grade = '高一' AND "
      "Fd_Sex = '男'");
  ShowUptoStandard("U31");
  const String level100 = Stored("U31", "Fd_Fen100");
  RunModal(ShowEditUptoStarnd, {[&] {
    EXPECT_EQ(fmEditUptoStarnd->nbStarnd->PageIndex(), TfmEditStarnd::pgNumber);
    EXPECT_EQ(Box("edtNo20")->Text(), "12.50");
    EXPECT_EQ(Box("edtNo25")->Text(), "") << "none shows empty";
    RenderWindowToPng(fmEditUptoStarnd->Handle(), "edit-standard-number.png");
    // The tab order runs from level 30 to 100, then 0 to 25.
    Box("edtNo100")->SetFocus();
    Pump();
    PressKey(VK_TAB);
    Pump();
    EXPECT_EQ(fmEditUptoStarnd->ActiveControl(), Box("edtNo0"));
    // Backspace deletes in every box; a letter goes into a lower box only.
    Box("edtNo25")->SetText("3.1");
    Box("edtNo25")->SetFocus();
    Pump();
    PressKey(VK_END);
    PressKey(VK_BACK);
    Pump();
    EXPECT_EQ(Box("edtNo25")->Text(), "3.");
    Box("edtNo30")->SetFocus();
    Pump();
    PressKey(VK_END);
    PressKey(VK_BACK);
    TypeText("x.5");
    Pump();
    EXPECT_NE(Box("edtNo30")->Text().find(".5"), String::npos);
    EXPECT_EQ(Box("edtNo30")->Text().find('x'), String::npos);
    Box("edtNo100")->SetText("");
    Box("edtNo20")->SetFocus();
    Pump();
    TypeText("a");
    Pump();
    Save();
  }});
  ASSERT_EQ(Errors().size(), 1u) << "the conversion error";
  EXPECT_EQ(Stored("U31", "Fd_Fen20"), "12.5") << "nothing written";
  EXPECT_EQ(Stored("U31", "Fd_Fen100"), level100);
  EXPECT_EQ(Module->adqUptoStarnd->State(), dsBrowse);

  // Shown again, nothing typed survives; an emptied box stores none.
  RunModal(ShowEditUptoStarnd, {[&] {
    EXPECT_EQ(Box("edtNo20")->Text(), "12.50");
    Box("edtNo100")->SetText("");
    Save();
  }});
  EXPECT_EQ(Stored("U31", "Fd_Fen100"), "-1");
  EXPECT_EQ(Stored("U31", "Fd_Fen20"), "12.5");
}

TEST_F(StandardsEditTest, TheExaminationEditorWritesTheExaminationRow) {
  TADOQuery* standards = Module->adqExamStarnd;
  standards->SQL()->SetText(
      "select a.*,b.Fd_ProgName,b.Fd_Nutric from Tb_ExamStarnd a,Tb_ExamProg b where a.Fd_ProgID = b.Fd_ProgNo and "
      "a.Fd_Sex=:ASex and a.Fd_Grade =:AGrade");
  standards->Parameters()[0].SetValue("女");
  standards->Parameters()[1].SetValue("高二");
  standards->Open();
  ASSERT_TRUE(standards->Locate("Fd_ProgID", Variant("E02")));
  RunModal(ShowEditExamStarnd, {[&] {
    EXPECT_EQ(fmEditExamStarnd->nbStarnd->PageIndex(), TfmEditStarnd::pgNumber);
    Child<TEdit>(fmEditExamStarnd, "edtNo100")->SetText("2.75");
    Click(Child<TControl>(fmEditExamStarnd, "btnSave"), {5, 5});
  }});
  EXPECT_EQ(Value("SELECT Fd_Fen100 FROM Tb_ExamStarnd WHERE Fd_ProgID = 'E02' AND Fd_Grade = '高二' AND Fd_Sex = '女'"),
            "2.75");
}

}  // namespace
