// The fitness and examination result windows, driven as a teacher uses them: the items of the
// class's grade, the value boxes by unit, the checks of a typed result, the pending list and its
// replace rule, the move to the next student with its questions, the commit in one transaction,
// and the standards view beside the window.
#include "app/windows/ExamInput.h"
#include "app/windows/ShowStarnd.h"
#include "app/windows/UptoInput.h"
#include "fixtures/EntryFixture.h"

namespace {

class ResultEntryTest : public TEntryTest {
 protected:
  void TearDown() override {
    if (fmUptoInput) fmUptoInput->Close();
    if (fmExamInput) fmExamInput->Close();
    TEntryTest::TearDown();
  }

  TfmUptoInput* OpenUpto(const String& ClassName = "高一(1)班") {
    ShowUptoInput(ClassName);
    Pump();
    return fmUptoInput;
  }

  // A click on the line of the item list that starts with the item number.
  void ChooseItem(TfmResultEntry* Window, const String& ProgNo) {
    TStrings* items = Window->lbProgType->Items();
    for (int i = 0; i < items->Count(); ++i) {
      if (items->Strings(i).rfind(ProgNo + "  ", 0) != 0) continue;
      Click(Window->lbProgType, {20, i * Window->lbProgType->ItemHeight() + 5});
      Pump();
      return;
    }
    FAIL() << "no item " << ProgNo;
  }

  // Typing into an emptied box and pressing Enter there, as the teacher does.
  void TypeIn(TCustomEdit* Box, const String& Text, bool Enter = true) {
    Box->SetText(String());
    Box->SetFocus();
    Pump();
    TypeText(Text);
    if (Enter) PressKey(VK_RETURN);
    Pump();
  }
  // A time typed into the three boxes, Enter after each.
  void TypeTime(TfmResultEntry* Window, const String& Minutes, const String& Seconds, const String& Hundredths) {
    for (TEdit* box : {Window->edtSecond, Window->edtMillion}) box->SetText(String());
    TypeIn(Window->edtMinute, Minutes);
    TypeText(Seconds);
    PressKey(VK_RETURN);
    TypeText(Hundredths);
    PressKey(VK_RETURN);
    Pump();
  }

  template <class T>
  static T* FindChild(TComponent* Owner, const char* Name) {
    return dynamic_cast<T*>(Owner->FindComponent(Name));
  }

  std::vector<String> ItemLines(TfmResultEntry* Window) {
    std::vector<String> lines;
    for (int i = 0; i < Window->lbProgType->Items()->Count(); ++i) lines.push_back(Window->lbProgType->Items()->Strings(i));
    return lines;
  }
};

TEST_F(ResultEntryTest, TheWindowOffersTheItemsOfTheClassGradeThatHaveStandards) {
  Module->adcConnect->Execute("DELETE FROM Tb_UptoStarnd WHERE Fd_ProgID = 'U51' AND Fd_Grade = '高一'");
  TfmUptoInput* window = OpenUpto();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->Visible());
  EXPECT_FALSE(window->Modal());
  EXPECT_EQ(window->Caption(), "达标成绩录入");
  EXPECT_EQ(window->FormStyle(), fsStayOnTop);
  EXPECT_EQ(window->BorderStyle(), bsToolWindow);
  EXPECT_EQ(window->Grade(), "高一");
  EXPECT_EQ(ItemLines(window), (std::vector<String>{"U11  1000米跑(男)/800米跑(女)", "U21  50米跑", "U22  一分钟跳绳",
                                                    "U31  立定跳远", "U32  掷实心球", "U41  一分钟仰卧起坐",
                                                    "U42  引体向上(男)/斜身引体(女)"}));
  EXPECT_EQ(window->lbProgType->ItemHeight(), 18);
  // Nothing chosen yet: the number box, empty boxes, both automatic boxes checked, no add button.
  EXPECT_TRUE(window->edtNumeric->Visible());
  EXPECT_FALSE(window->pnTime->Visible());
  EXPECT_TRUE(window->cbAutoInsert->Checked() && window->cbAutoMove->Checked());
  EXPECT_FALSE(window->btnInsertAchieve->Visible());
  EXPECT_EQ(window->edtStuNo->Text(), "1001");
  EXPECT_EQ(window->edtName->Text(), "张一");
  EXPECT_EQ(window->deTestDate->Date(), EncodeDate(2026, 10, 12) + EncodeTime(9, 30, 0, 0));
  EXPECT_FALSE(window->actUpdate->Enabled() || window->actClear->Enabled() || window->actDelete->Enabled());
  RenderWindowToPng(window->Handle(), "upto-input.png");

  // A class the user does not have: no grade, no items.
  window->Close();
  Pump();
  EXPECT_EQ(fmUptoInput, nullptr);
  window = OpenUpto("高三(9)班");
  EXPECT_EQ(window->Grade(), "");
  EXPECT_TRUE(ItemLines(window).empty());
}

// 50 m (U21) is a time, the standing long jump (U31) a distance; the boxes follow the unit.
TEST_F(ResultEntryTest, TimesAndDistancesAreTypedScoredAndListedNewestFirst) {
  TfmUptoInput* window = OpenUpto();
  ChooseItem(window, "U21");
  EXPECT_EQ(window->ProgNo(), "U21");
  EXPECT_EQ(window->Unit(), "秒");
  EXPECT_TRUE(window->pnTime->Visible());
  EXPECT_FALSE(window->edtNumeric->Visible());
  TStandardThresholds boys{};
  ASSERT_TRUE(LoadStandardRow(Module->adqExecSql, sfUpto, "高一", "男", "U21", boys));
  const int expected = ScoreTimeItem(8.5, boys);

  // Letters and signs never reach the boxes; Enter moves on and adds from the hundredths. The
  // next student is exempt: the teacher stays on him.
  Dialogs->MessageAnswers = {mrCancel};
  TypeTime(window, "", "8a", "5-");
  EXPECT_EQ(window->edtSecond->Text(), "8");
  EXPECT_EQ(window->edtMillion->Text(), "5");
  EXPECT_EQ(window->ActiveControl(), window->edtMinute) << "the focus goes back to the minutes";
  EXPECT_EQ(CurrentStudent(), 1002);
  EXPECT_EQ(Entries(window->lvAchieve), (std::vector<TEntryRow>{{"1001", "U21", "8\"50", IntToStr(expected)}}));
  EXPECT_EQ(window->edtSecond->Text(), "8") << "the boxes keep their text";

  // The same student and item again: one entry, at the top, with the second value.
  GoToStudent(1001);
  ChooseItem(window, "U31");
  EXPECT_TRUE(window->edtNumeric->Visible());
  EXPECT_FALSE(window->pnTime->Visible());
  window->cbAutoMove->SetChecked(false);
  TypeIn(window->edtNumeric, "2.1a5");
  ChooseItem(window, "U21");
  TypeTime(window, "", "9", "05");
  EXPECT_EQ(CurrentStudent(), 1001);
  const auto entries = Entries(window->lvAchieve);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0][0], "1001");
  EXPECT_EQ(entries[0][1], "U21");
  EXPECT_EQ(entries[0][2], "9\"5");
  EXPECT_EQ(entries[1], (TEntryRow{"1001", "U31", "2.15", entries[1][3]}));
  EXPECT_DOUBLE_EQ(window->Pending().Record(0).Achieve, 9.05);
  EXPECT_DOUBLE_EQ(window->Pending().Record(1).Achieve, 2.15);
  EXPECT_TRUE(Errors().empty());
  RenderWindowToPng(window->Handle(), "upto-input-entries.png");
}

// A column of counts typed one after another: after each Enter the box keeps the count selected,
// so the next one typed replaces it rather than being appended to it.
TEST_F(ResultEntryTest, EachCountTypedAfterAnAddReplacesTheOneKeptInTheBox) {
  TfmUptoInput* window = OpenUpto();
  ChooseItem(window, "U41");
  Dialogs->MessageAnswers = {mrCancel};  // stays on the exempt student after the first count
  TypeIn(window->edtNumeric, "50");
  EXPECT_EQ(window->edtNumeric->Text(), "50") << "the box keeps the count";
  TypeText("30");
  PressKey(VK_RETURN);
  Pump();
  ASSERT_EQ(window->Pending().Count(), 2);
  EXPECT_DOUBLE_EQ(window->Pending().Record(0).Achieve, 30);
  EXPECT_DOUBLE_EQ(window->Pending().Record(1).Achieve, 50);
}

struct TRefusedEntry {
  const char* ProgNo;  // empty: no item chosen
  bool ClearDate;
  const char* Number;
  const char* Seconds;
  const char* Hundredths;
  const char* Message;
};

TEST_F(ResultEntryTest, AResultThatFailsItsChecksIsRefusedWithItsMessageAndNothingChanges) {
  const TRefusedEntry cases[] = {
      {"", false, "2.1", "", "", "请选择学生考试项目。"},
      {"U31", true, "2.1", "", "", "请输入考试日期。"},
      {"U31", false, "", "", "", "输入的成绩内容无法转换。"},
      {"U31", false, ".", "", "", "输入的成绩内容无法转换。"},
      {"U31", false, "99999999", "", "", "输入的成绩内容无法转换。"},
      {"U21", false, "", "", "5", "输入的成绩内容无法转换。"},
      {"U21", false, "", "8", "", "输入的成绩内容无法转换。"},
  };
  for (const auto& c : cases) {
    TfmUptoInput* window = OpenUpto();
    if (*c.ProgNo) ChooseItem(window, c.ProgNo);
    if (c.ClearDate) window->deTestDate->SetDate(NullDate);
    window->edtNumeric->SetText(c.Number);
    window->edtSecond->SetText(c.Seconds);
    window->edtMillion->SetText(c.Hundredths);
    TCustomEdit* box = window->pnTime->Visible() ? window->edtMillion : window->edtNumeric;
    box->SetFocus();
    PressKey(VK_RETURN);
    Pump();
    ASSERT_FALSE(Errors().empty()) << c.Message;
    EXPECT_EQ(Errors().back(), c.Message);
    EXPECT_EQ(window->Pending().Count(), 0) << c.Message;
    EXPECT_EQ(CurrentStudent(), 1001) << c.Message;
    window->Close();
    Pump();
  }
  EXPECT_EQ(Errors().size(), std::size(cases));
}

// Without the automatic add, Enter adds nothing; the button "加入" shows and adds.
TEST_F(ResultEntryTest, WithoutTheAutomaticAddTheButtonAdds) {
  TfmUptoInput* window = OpenUpto();
  ChooseItem(window, "U31");
  Click(window->cbAutoInsert, {4, 4});
  Pump();
  EXPECT_FALSE(window->cbAutoInsert->Checked());
  EXPECT_TRUE(window->btnInsertAchieve->Visible());
  EXPECT_EQ(window->btnInsertAchieve->Caption(), "加入");
  TypeIn(window->edtNumeric, "2.3");
  EXPECT_EQ(window->Pending().Count(), 0);
  EXPECT_EQ(window->ActiveControl(), window->edtNumeric);
  Dialogs->MessageAnswers = {mrCancel};
  Click(window->btnInsertAchieve, {5, 5});
  Pump();
  EXPECT_EQ(window->Pending().Count(), 1);
  EXPECT_EQ(CurrentStudent(), 1002);
  Click(window->cbAutoInsert, {4, 4});
  Pump();
  EXPECT_FALSE(window->btnInsertAchieve->Visible());
}

// The students of 高一(1)班 in order: 1001 boy, 1002 exempt boy, 1003 girl, 1004 exempt girl,
// 1005 boy. Pull-ups (U42) have no standards for the girls.
struct TMoveCase {
  const char* ProgNo;
  int From;
  std::vector<TModalResult> Answers;
  int Stop;
  std::vector<const char*> Questions;
};

TEST_F(ResultEntryTest, MovingOnAsksBeforePassingExemptStudentsAndStudentsOfTheOtherSex) {
  const char* exempt = "此学生免试体育，取消输入该生成绩并移动到下一条记录吗？";
  const char* boysOnly = "该考试项目只针对于男生，继续移动到下一条记录吗";
  const TMoveCase cases[] = {
      {"U31", 1001, {mrOk}, 1003, {exempt}},
      {"U31", 1001, {mrCancel}, 1002, {exempt}},
      {"U31", 1003, {mrOk}, 1005, {exempt}},
      {"U42", 1001, {mrOk, mrOk, mrOk}, 1005, {exempt, boysOnly, exempt}},
      {"U42", 1001, {mrOk, mrCancel}, 1003, {exempt, boysOnly}},
      {"U31", 1005, {}, 1005, {}},
  };
  for (const auto& c : cases) {
    TfmUptoInput* window = OpenUpto();
    ChooseItem(window, c.ProgNo);
    GoToStudent(c.From);
    Dialogs->Messages.clear();
    Dialogs->MessageAnswers.assign(c.Answers.begin(), c.Answers.end());
    TypeIn(window->edtNumeric, "5");
    EXPECT_EQ(CurrentStudent(), c.Stop) << c.ProgNo << " from " << c.From;
    ASSERT_EQ(Dialogs->Messages.size(), c.Questions.size()) << c.ProgNo << " from " << c.From;
    for (size_t i = 0; i < c.Questions.size(); ++i) {
      EXPECT_EQ(Dialogs->Messages[i].Msg, c.Questions[i]);
      EXPECT_EQ(Dialogs->Messages[i].Caption, "信息提示");
      EXPECT_EQ(Dialogs->Messages[i].Buttons, MsgDlgBit(mbOK) | MsgDlgBit(mbCancel));
    }
    window->Close();
    Pump();
  }
  EXPECT_TRUE(Errors().empty());
}

// Cancel stays on the exempt student, whose result can still be added.
TEST_F(ResultEntryTest, AResultCanStillBeAddedForAnExemptStudentOnWhomTheMoveStopped) {
  TfmUptoInput* window = OpenUpto();
  ChooseItem(window, "U31");
  Dialogs->MessageAnswers = {mrCancel};
  TypeIn(window->edtNumeric, "2.2");
  ASSERT_EQ(CurrentStudent(), 1002);
  Dialogs->MessageAnswers = {mrCancel};
  TypeIn(window->edtNumeric, "2.4");
  EXPECT_EQ(Entries(window->lvAchieve)[0][0], "1002");
  EXPECT_EQ(window->Pending().Count(), 2);
}

TEST_F(ResultEntryTest, ChoosingTheItemAlreadyChosenReadsNoStandardsAgain) {
  TfmUptoInput* window = OpenUpto();
  ChooseItem(window, "U31");
  const double before = window->Standards().Thresholds("男")[20];
  Module->adcConnect->Execute("UPDATE Tb_UptoStarnd SET Fd_Fen100 = 9.99 WHERE Fd_ProgID = 'U31'");
  ChooseItem(window, "U31");
  EXPECT_DOUBLE_EQ(window->Standards().Thresholds("男")[20], before);
  ChooseItem(window, "U32");
  ChooseItem(window, "U31");
  EXPECT_DOUBLE_EQ(window->Standards().Thresholds("男")[20], 9.99);
}

TEST_F(ResultEntryTest, DeletingAndClearingAskFirstAndFollowTheSelection) {
  TfmUptoInput* window = OpenUpto();
  ChooseItem(window, "U31");
  window->cbAutoMove->SetChecked(false);
  TypeIn(window->edtNumeric, "2.1");
  GoToStudent(1003);
  TypeIn(window->edtNumeric, "1.9");
  EXPECT_TRUE(window->actClear->Enabled() && window->actUpdate->Enabled());
  EXPECT_FALSE(window->actDelete->Enabled());
  window->lvAchieve->SetSelected(window->lvAchieve->Items()->Item(1));
  Pump();
  EXPECT_TRUE(window->actDelete->Enabled());
  Dialogs->MessageAnswers = {mrCancel};
  Click(FindChild<TButton>(window, "btnDelete"), {5, 5});
  Pump();
  EXPECT_EQ(window->Pending().Count(), 2);
  Click(FindChild<TButton>(window, "btnDelete"), {5, 5});
  Pump();
  EXPECT_EQ(Entries(window->lvAchieve).size(), 1u);
  EXPECT_EQ(Entries(window->lvAchieve)[0][0], "1003");
  Dialogs->MessageAnswers = {mrCancel};
  Click(FindChild<TButton>(window, "btnClear"), {5, 5});
  Pump();
  EXPECT_EQ(window->Pending().Count(), 1);
  Click(FindChild<TButton>(window, "btnClear"), {5, 5});
  Pump();
  EXPECT_EQ(window->Pending().Count(), 0);
  EXPECT_FALSE(window->actClear->Enabled() || window->actUpdate->Enabled() || window->actDelete->Enabled());
  EXPECT_EQ(MessageTexts(*Dialogs), (std::vector<String>{"确实要删除选定的该笔学生成绩资料吗？", "确实要删除选定的该笔学生成绩资料吗？",
                                                        "确实要删除输入的所有资料吗？", "确实要删除输入的所有资料吗？"}));
}

// Three results of two students: stored newest first, each once, and the window closes.
TEST_F(ResultEntryTest, CommittingStoresEveryPendingResultNewestFirstAndClosesTheWindow) {
  TfmUptoInput* window = OpenUpto();
  ChooseItem(window, "U31");
  window->cbAutoMove->SetChecked(false);
  TypeIn(window->edtNumeric, "2.1");
  ChooseItem(window, "U32");
  TypeIn(window->edtNumeric, "6.5");
  GoToStudent(1003);
  window->deTestDate->SetDate(EncodeDate(2026, 10, 13));
  TypeIn(window->edtNumeric, "5.25");
  const std::vector<TEntryRow> entries = Entries(window->lvAchieve);
  Click(FindChild<TButton>(window, "btnOk"), {5, 5});
  Pump();
  EXPECT_EQ(fmUptoInput, nullptr);
  const auto rows = Rows("select Fd_StuNo, Fd_TestDate, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal from Tb_UptoProcess "
                         "order by Fd_ProcID");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (TEntryRow{"1003", "2026-10-13", "U32", "高一", "5.25", entries[0][3]}));
  EXPECT_EQ(rows[1], (TEntryRow{"1001", "2026-10-12 9:30:00", "U32", "高一", "6.5", entries[1][3]}));
  EXPECT_EQ(rows[2], (TEntryRow{"1001", "2026-10-12 9:30:00", "U31", "高一", "2.1", entries[2][3]}));
  EXPECT_TRUE(Errors().empty());
}

// The database refuses the second row: nothing is stored, the error shows, the window stays with
// every entry; once the database takes the rows, committing again stores each once.
TEST_F(ResultEntryTest, AFailedCommitStoresNothingAndKeepsTheWindowSoThatARetryStoresEachResultOnce) {
  TfmUptoInput* window = OpenUpto();
  ChooseItem(window, "U31");
  window->cbAutoMove->SetChecked(false);
  for (int stuNo : {1001, 1003, 1005}) {
    GoToStudent(stuNo);
    TypeIn(window->edtNumeric, "2.2");
  }
  RefuseRowsOf("Tb_UptoProcess", 1003);
  Click(FindChild<TButton>(window, "btnOk"), {5, 5});
  Pump();
  ASSERT_EQ(fmUptoInput, window);
  EXPECT_TRUE(window->Visible());
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_NE(Errors()[0].find("拒绝保存"), String::npos) << Errors()[0];
  EXPECT_EQ(Rows("select count(*) from Tb_UptoProcess")[0][0], "0");
  EXPECT_EQ(window->Pending().Count(), 3);
  EXPECT_FALSE(window->adqStarnd->Active());

  AcceptRowsAgain();
  Click(FindChild<TButton>(window, "btnOk"), {5, 5});
  Pump();
  EXPECT_EQ(fmUptoInput, nullptr);
  const auto rows = Rows("select Fd_StuNo from Tb_UptoProcess order by Fd_ProcID");
  EXPECT_EQ(rows, (std::vector<TEntryRow>{{"1005"}, {"1003"}, {"1001"}}));
}

TEST_F(ResultEntryTest, TheStandardsButtonOpensTheViewBesideTheWindowAndClosingTheWindowClosesIt) {
  TfmUptoInput* window = OpenUpto();
  ChooseItem(window, "U21");
  Click(FindChild<TButton>(window, "btnStarnd"), {5, 5});
  Pump();
  ASSERT_NE(fmShowStarnd, nullptr);
  EXPECT_EQ(fmShowStarnd->Top() + fmShowStarnd->Height(), window->Top() + window->Height());
  EXPECT_EQ(fmShowStarnd->lvStarnd->Items()->Item(20)->SubItems()->Strings(0),
            FormatAchieve("秒", window->Standards().Thresholds("男")[20]));
  ChooseItem(window, "U31");
  EXPECT_EQ(fmShowStarnd->lvStarnd->Items()->Item(20)->SubItems()->Strings(1),
            FormatAchieve("米", window->Standards().Thresholds("女")[20]));
  Click(FindChild<TButton>(window, "btnCancel"), {5, 5});
  Pump();
  EXPECT_EQ(fmUptoInput, nullptr);
  EXPECT_EQ(fmShowStarnd, nullptr);
}

// The examination window: its items, today's date without a time, the term of each result as it
// stood when the result was added (the first term until one is picked), part 2.
TEST_F(ResultEntryTest, ExaminationResultsCarryThePartAndTheTermCurrentWhenTheyWereAdded) {
  ShowExamInput("高一(1)班");
  Pump();
  TfmExamInput* window = fmExamInput;
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Caption(), "考核成绩录入");
  EXPECT_EQ(window->FormStyle(), fsStayOnTop);
  EXPECT_EQ(window->deTestDate->Date(), EncodeDate(2026, 10, 12));
  EXPECT_EQ(ItemLines(window).size(), 6u);
  EXPECT_EQ(ItemLines(window)[0], "E01  100米跑");
  auto* terms = FindChild<TDBLookupComboBox>(window, "cbbTermType");
  ASSERT_NE(terms, nullptr);
  EXPECT_EQ(terms->Items()->Count(), 2);
  EXPECT_EQ(terms->Text(), "2026-2027学年第一学期");
  EXPECT_EQ(FindChild<TButton>(window, "btnStarnd")->Caption(), "考核标准");
  EXPECT_EQ(FindChild<TAction>(window, "actShowStarnd")->Caption(), "考试标准查看");

  ChooseItem(window, "E02");
  window->cbAutoMove->SetChecked(false);
  TypeIn(window->edtNumeric, "2.3");
  terms->SetFocus();
  PressKey(VK_DOWN);  // the second term
  Pump();
  EXPECT_EQ(terms->Text(), "2026-2027学年第二学期");
  ChooseItem(window, "E01");
  TypeTime(window, "", "13", "2");
  RenderWindowToPng(window->Handle(), "exam-input.png");
  EXPECT_EQ(Entries(window->lvAchieve)[0][2], "13\"20");
  Click(FindChild<TButton>(window, "btnOk"), {5, 5});
  Pump();
  EXPECT_EQ(fmExamInput, nullptr);
  const auto rows = Rows("select Fd_StuNo, Fd_TestDate, Fd_TestPart, Fd_TermType, Fd_ProgNo, Fd_Grade, Fd_Achieve "
                         "from Tb_ExamProcess order by Fd_ProcID");
  EXPECT_EQ(rows, (std::vector<TEntryRow>{{"1001", "2026-10-12", "2", "2", "E01", "高一", "13.2"},
                                          {"1001", "2026-10-12", "2", "1", "E02", "高一", "2.3"}}));
}

// A failed commit no longer closes the window silently: the error shows and the results stay.
TEST_F(ResultEntryTest, AFailedExaminationCommitShowsItsErrorAndKeepsTheWindow) {
  ShowExamInput("高一(1)班");
  Pump();
  TfmExamInput* window = fmExamInput;
  ChooseItem(window, "E02");
  Dialogs->MessageAnswers = {mrOk};
  TypeIn(window->edtNumeric, "2.3");
  TypeIn(window->edtNumeric, "1.8");
  ASSERT_EQ(CurrentStudent(), 1005);
  RefuseRowsOf("Tb_ExamProcess", 1001);
  Click(FindChild<TButton>(window, "btnOk"), {5, 5});
  Pump();
  ASSERT_EQ(fmExamInput, window);
  EXPECT_EQ(Errors().size(), 1u);
  EXPECT_EQ(window->Pending().Count(), 2);
  EXPECT_EQ(Rows("select count(*) from Tb_ExamProcess")[0][0], "0");
}

// A typed text that is no date is refused with the window's own message, and the box keeps the
// focus.
TEST_F(ResultEntryTest, ATypedDateThatIsNoDateIsRefusedWithTheWindowsMessage) {
  TfmUptoInput* window = OpenUpto();
  window->deTestDate->SetFocus();
  Pump();
  PressKey(VK_HOME);
  TypeText("20261345");
  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(Errors(), (std::vector<String>{"输入的日期错误。"}));
  EXPECT_EQ(window->ActiveControl(), window->deTestDate);
}

}  // namespace
