// What expressions and scripts reach through the report while it builds: line and record counters,
// the page's position, array elements and counters in script variables, function calls that no
// library answers, object methods, and assignments to the page's position and the progress text.
#include "BuildTestKit.h"

#include "report/FR_Progress.h"
#include "rtl/Convert.h"

namespace {

class ValueTest : public TBuildTest {
 protected:
  void Rows(const std::vector<std::vector<Variant>>& Rows) {
    Table("dbsRows", {"Class", "Name"}, Rows);
    Band(btMasterData, 100, 20, "MasterData1", "dbsRows");
  }
};

TEST_F(ValueTest, LinesCountWithinTheirGroupAndThroughTheData) {
  Rows({{"甲", "a"}, {"甲", "b"}, {"乙", "c"}});
  Band(btGroupHeader, 60, 20, "GroupHeader1", "[Class]");
  Memo("mmName", Bounds(20, 100, 300, 20), "[Name] [LINE#] [LINETHROUGH#] [CURRENT#]");
  ASSERT_TRUE(Report->PrepareReport()) << frState().EvalErrorText;
  EXPECT_EQ(AllTexts(), "a 1 1 1 b 2 2 2 c 1 3 3");
}

TEST_F(ValueTest, ThePagesPositionIsReadAndSetByScripts) {
  Rows({{"甲", "a"}, {"甲", "b"}, {"甲", "c"}});
  Memo("mmName", Bounds(20, 100, 400, 20), "[Name] [CURY] [FREESPACE] [PAGEHEIGHT] [PAGEWIDTH] [FINALPASS]");
  Report->FindObject("MasterData1")->Script.SetText(
      "begin if [LINE#] = 2 then CurY := CurY + 100; if [LINE#] = 3 then begin NewPage; CurY := 500 end end");
  ASSERT_TRUE(Report->PrepareReport()) << frState().EvalErrorText;
  EXPECT_EQ(AllTexts(), "a 20 1000 1020 758 True b 140 880 1020 758 True / c 500 520 1020 758 True");
}

TEST_F(ValueTest, ArraysAndCountersLiveInScriptVariables) {
  Rows({{"甲", "a"}});
  Memo("mmName", Bounds(20, 100, 300, 20), "[Arr[1]] [Arr['2']] [Counter]");
  Memo("mmNote", Bounds(400, 100, 300, 20), "注");
  Report->FindObject("MasterData1")->Script.SetText(
      "begin Arr[1] := 7; Arr['2'] := Arr['1'] * 2; Counter := 0; Inc(Counter); Inc(Counter); Dec(Counter); "
      "mmNote.Lines[0] := 'note' end");
  ASSERT_TRUE(Report->PrepareReport()) << frState().EvalErrorText;
  EXPECT_EQ(AllTexts(), "7 14 1 note");
  EXPECT_EQ(frVariables().Variable("Arr_Arr_2").AsInteger(), 14);
}

TEST_F(ValueTest, CallsGoToTheLibrariesThenTheReportThenTheApplication) {
  Rows({{"甲", "a"}});
  Memo("mmName", Bounds(20, 100, 300, 20), "[UpperCase('x')] [Twice(4)] [Missing(1)]");
  Memo("mmHidden", Bounds(400, 100, 300, 20), "隐");
  Report->FindObject("MasterData1")->Script.SetText("mmHidden.Hide;");
  std::vector<String> asked;
  Report->OnUserFunction = [&](const String& name, const Variant& p1, const Variant&, const Variant&, Variant& value) {
    asked.push_back(name);
    if (name == "TWICE") value = frParser().Calc(VarToStr(p1)) * Variant(2);
  };
  ASSERT_TRUE(Report->PrepareReport()) << frState().EvalErrorText;
  EXPECT_EQ(AllTexts(), "X 8 0");
  EXPECT_EQ(asked, (std::vector<String>{"TWICE", "MISSING"}));
}

TEST_F(ValueTest, AssignmentsReachTheDictionaryAndTheProgressText) {
  struct TLabels : TfrProgressView {
    int Execute(const String&, const std::function<void()>& Step) override {
      Step();
      return mrOk;
    }
    void Close(int) override {}
    void SetFirstLabel(const String&) override {}
    void SetSecondLabel(const String& Text) override { Seen->push_back(Text); }
    void ProcessMessages() override {}
    std::vector<String>* Seen;
  };
  std::vector<String> seen;
  auto labels = std::make_unique<TLabels>();
  labels->Seen = &seen;
  SetProgressView(std::move(labels));
  Rows({{"甲", "a"}, {"甲", "b"}});
  Report->Dictionary().Variables.SetVariable("Total", 0);
  Memo("mmName", Bounds(20, 100, 300, 20), "[Name] [Total]");
  Report->FindObject("MasterData1")->Script.SetText("begin Total := Total + 10; Progress := [Name] end");
  const bool built = Report->PrepareReport();
  SetProgressView(nullptr);
  ASSERT_TRUE(built) << frState().EvalErrorText;
  EXPECT_EQ(AllTexts(), "a 10 b 20");
  EXPECT_EQ(seen, (std::vector<String>{"a", "b"}));
  EXPECT_LT(frVariables().IndexOf("Total"), 0);
}

}  // namespace
