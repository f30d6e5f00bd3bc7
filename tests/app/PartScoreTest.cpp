// The dialogs of the scores given directly: sport skill (items of the student's grade, part 3),
// attendance score ("DP101", part 0, beside the student's attendance register) and basic
// knowledge ("BP101", part 1). Driven inside their modal loops as a teacher uses them: the checks
// of a typed score, the pending list with one entry per key, the move to the next student, and a
// commit that stores every score or, failing, none and keeps the dialog open.
#include "app/windows/BasicInput.h"
#include "app/windows/DutyInput.h"
#include "app/windows/TechInput.h"
#include "fixtures/EntryFixture.h"
#include "grid/dxDBGrid.h"

namespace {

class PartScoreTest : public TEntryTest {
 protected:
  template <class T>
  static T* Child(TComponent* Owner, const char* Name) {
    return dynamic_cast<T*>(Owner->FindComponent(Name));
  }
  // A score typed into the emptied score box, then Enter.
  void TypeScore(TComboBox* Box, const String& Text) {
    Box->SetText(String());
    Box->SetFocus();
    Pump();
    TypeText(Text);
    PressKey(VK_RETURN);
    Pump();
  }
  // Scores typed one after another into the score box, Enter after each, as a teacher goes down
  // a column of them.
  void TypeScores(TComboBox* Box, std::initializer_list<const char*> Scores) {
    Box->SetText(String());
    Box->SetFocus();
    Pump();
    for (const char* score : Scores) {
      TypeText(score);
      PressKey(VK_RETURN);
    }
    Pump();
  }
  void ClickButton(TComponent* Window, const char* Name) {
    Click(Child<TControl>(Window, Name), {5, 5});
    Pump();
  }
};

TEST_F(PartScoreTest, SportSkillScoresAreGivenInTheItemsOfTheGradeAndStoredWithoutAPerformance) {
  TModalResult result = mrNone;
  TestClock().OnWait([&] {
    TfmTechInput* dialog = fmTechInput;
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Caption(), "运动技能成绩录入");
    EXPECT_EQ(dialog->FormStyle(), fsStayOnTop);
    EXPECT_EQ(dialog->BorderStyle(), bsToolWindow);
    TStrings* items = dialog->lbTechnicalProg->Items();
    ASSERT_EQ(items->Count(), 6);
    EXPECT_EQ(items->Strings(0), "T101  篮球");
    EXPECT_EQ(dialog->cbbNumeric->Items()->Count(), 21);
    EXPECT_EQ(dialog->cbbNumeric->MaxLength(), 3);
    EXPECT_EQ(dialog->deTestDate->Date(), EncodeDate(2026, 10, 12));
    Click(dialog->lbTechnicalProg, {20, 5});
    Pump();
    // The minus never reaches the box; Enter adds and moves on, past the exempt student too.
    TypeScore(dialog->cbbNumeric, "-85");
    EXPECT_EQ(CurrentStudent(), 1002);
    TypeScore(dialog->cbbNumeric, "70");
    EXPECT_EQ(CurrentStudent(), 1003);
    // A student of another class gets the grade of his class; the items stay those of 高一.
    OpenClass("高二(1)班");
    Click(dialog->lbTechnicalProg, {20, 18 + 5});
    Pump();
    TypeScore(dialog->cbbNumeric, "100");
    EXPECT_EQ(CurrentStudent(), 2001) << "the last student stays current";
    EXPECT_EQ(Entries(dialog->lvAchieve),
              (std::vector<TEntryRow>{{"2001", "T102", "100"}, {"1002", "T101", "70"}, {"1001", "T101", "85"}}));
    RenderWindowToPng(dialog->Handle(), "tech-input.png");
    ClickButton(dialog, "btnOk");
  });
  result = ShowTechInput();
  EXPECT_EQ(result, mrOk);
  Pump();
  EXPECT_EQ(fmTechInput, nullptr);
  EXPECT_TRUE(Errors().empty());
  EXPECT_EQ(Rows("select Fd_StuNo, Fd_TestDate, Fd_TestPart, Fd_TermType, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal "
                 "from Tb_ExamProcess order by Fd_ProcID"),
            (std::vector<TEntryRow>{{"2001", "2026-10-12", "3", "1", "T102", "高二", "0", "100"},
                                    {"1002", "2026-10-12", "3", "1", "T101", "高一", "0", "70"},
                                    {"1001", "2026-10-12", "3", "1", "T101", "高一", "0", "85"}}));
}

struct TRefusedScore {
  bool ChooseItem;
  bool ClearDate;
  const char* Score;
  const char* Message;
};

// Enter leaves the score in the box selected, so the next score typed replaces it.
TEST_F(PartScoreTest, EachScoreTypedAfterAnAddReplacesTheOneKeptInTheBox) {
  TestClock().OnWait([&] {
    Click(fmTechInput->lbTechnicalProg, {20, 5});
    Pump();
    TypeScores(fmTechInput->cbbNumeric, {"50", "30"});
    EXPECT_EQ(Entries(fmTechInput->lvAchieve), (std::vector<TEntryRow>{{"1002", "T101", "30"}, {"1001", "T101", "50"}}));
    ClickButton(fmTechInput, "btnCancel");
  });
  ShowTechInput();
  GoToStudent(1001);
  TestClock().OnWait([&] {
    TypeScores(fmBasicInput->cbbAchieve, {"50", "30"});
    EXPECT_EQ(Entries(fmBasicInput->lvAchieve), (std::vector<TEntryRow>{{"1002", "30"}, {"1001", "50"}}));
    PressKey(VK_ESCAPE);
  });
  ShowBasicInput();
  EXPECT_TRUE(Errors().empty());
}

TEST_F(PartScoreTest, ASportSkillScoreThatFailsItsChecksIsRefusedWithItsMessage) {
  const TRefusedScore cases[] = {
      {false, false, "80", "请选择学生考试项目。"},
      {true, true, "80", "请输入考试日期。"},
      {true, false, "101", "成绩范围在0 ~ 100之间。"},
      {true, false, "", "输入的成绩错误。"},
  };
  for (const auto& c : cases) {
    TestClock().OnWait([&] {
      TfmTechInput* dialog = fmTechInput;
      if (c.ChooseItem) Click(dialog->lbTechnicalProg, {20, 5});
      Pump();
      if (c.ClearDate) dialog->deTestDate->SetDate(NullDate);
      TypeScore(dialog->cbbNumeric, c.Score);
      EXPECT_EQ(dialog->Pending().Count(), 0) << c.Message;
      EXPECT_EQ(CurrentStudent(), 1001);
      ClickButton(dialog, "btnCancel");
    });
    EXPECT_EQ(ShowTechInput(), mrCancel);
    Pump();
    ASSERT_FALSE(Errors().empty()) << c.Message;
    EXPECT_EQ(Errors().back(), c.Message);
  }
  EXPECT_EQ(Errors().size(), std::size(cases));
}

// The dialog used to close silently, losing the scores; now the error shows and the dialog stays.
TEST_F(PartScoreTest, AFailedSportSkillCommitShowsItsErrorAndKeepsTheDialogWithItsScores) {
  TestClock().OnWait([&] {
    TfmTechInput* dialog = fmTechInput;
    Click(dialog->lbTechnicalProg, {20, 5});
    Pump();
    TypeScore(dialog->cbbNumeric, "85");
    TypeScore(dialog->cbbNumeric, "75");
    RefuseRowsOf("Tb_ExamProcess", 1002);
    ClickButton(dialog, "btnOk");
    EXPECT_TRUE(dialog->Visible());
    EXPECT_EQ(dialog->Pending().Count(), 2);
    EXPECT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Rows("select count(*) from Tb_ExamProcess")[0][0], "0");
    AcceptRowsAgain();
    ClickButton(dialog, "btnOk");
  });
  EXPECT_EQ(ShowTechInput(), mrOk);
  EXPECT_EQ(Rows("select count(*) from Tb_ExamProcess")[0][0], "2");
}

// The attendance score: the register of the current student beside it, one score per student
// (a second replaces the first and goes to the top), the next student after each, and on OK
// part 0 "DP101" under the grade and term current at that moment.
TEST_F(PartScoreTest, AttendanceScoresAreOnePerStudentAndStoredUnderTheGradeAndTermOfTheCommit) {
  Module->adcConnect->Execute(
      "INSERT INTO Tb_DutyProcess (Fd_StuNo, Fd_TestDate, Fd_Duty) VALUES (1001, '2026-09-07 08:00:00', '出勤'),"
      " (1001, '2026-09-14 08:00:00', '迟到'), (1002, '2026-09-07 08:00:00', '病假')");
  TestClock().OnWait([&] {
    TfmDutyInput* dialog = fmDutyInput;
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Caption(), "学生出勤成绩录入");
    EXPECT_EQ(dialog->deTestDate->Date(), EncodeDate(2026, 10, 12));
    EXPECT_EQ(dialog->cbbAchieve->Text(), "");
    EXPECT_EQ(dialog->cbbAchieve->Items()->Count(), 11);
    auto* grid = Child<TdxDBGrid>(dialog, "dgStudents");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->Bands()->Items(0)->Caption(), "学生基本资料");
    EXPECT_EQ(grid->Count(), 2) << "the register of 1001";
    EXPECT_EQ(grid->Items(1)->Strings(1), "迟到");
    EXPECT_TRUE(dialog->actInsert->Enabled());
    EXPECT_FALSE(dialog->actClear->Enabled() || dialog->actDelete->Enabled());
    TypeScore(dialog->cbbAchieve, "9a0");
    EXPECT_EQ(CurrentStudent(), 1002) << "no question for the exempt student";
    EXPECT_EQ(grid->Count(), 1) << "the register follows the student";
    Pump();
    TypeScore(dialog->cbbAchieve, "100");
    GoToStudent(1001);
    TypeScore(dialog->cbbAchieve, "80");
    EXPECT_EQ(Entries(dialog->lvAchieve), (std::vector<TEntryRow>{{"1001", "80"}, {"1002", "100"}}));
    EXPECT_EQ(CurrentStudent(), 1002);
    RenderWindowToPng(dialog->Handle(), "duty-input.png");
    // The term picked and the class of the student current at OK go with every score.
    dialog->cbbTermType->SetFocus();
    PressKey(VK_DOWN);
    OpenClass("高二(1)班");
    ClickButton(dialog, "btnOk");
  });
  EXPECT_EQ(ShowDutyInput(), mrOk);
  Pump();
  EXPECT_EQ(fmDutyInput, nullptr);
  EXPECT_TRUE(Errors().empty());
  EXPECT_EQ(Rows("select Fd_StuNo, Fd_TestDate, Fd_TestPart, Fd_TermType, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal "
                 "from Tb_ExamProcess order by Fd_ProcID"),
            (std::vector<TEntryRow>{{"1001", "2026-10-12", "0", "2", "DP101", "高二", "80", "80"},
                                    {"1002", "2026-10-12", "0", "2", "DP101", "高二", "100", "100"}}));
}

struct TRefusedPartScore {
  bool ClearDate;
  const char* Score;
  const char* Message;
};

TEST_F(PartScoreTest, APartScoreThatFailsItsChecksIsRefusedWithItsMessage) {
  const TRefusedPartScore cases[] = {
      {true, "80", "请输入学生日期"},
      {false, "", "请输入学生成绩"},
      {false, "101", "学生成绩范围在0~100范围内。"},
  };
  for (const auto& c : cases) {
    TestClock().OnWait([&] {
      TfmBasicInput* dialog = fmBasicInput;
      if (c.ClearDate) dialog->deTestDate->SetDate(NullDate);
      TypeScore(dialog->cbbAchieve, c.Score);
      EXPECT_EQ(dialog->Pending().Count(), 0) << c.Message;
      EXPECT_EQ(CurrentStudent(), 1001);
      PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(ShowBasicInput(), mrCancel);
    Pump();
    ASSERT_FALSE(Errors().empty()) << c.Message;
    EXPECT_EQ(Errors().back(), c.Message);
  }
  EXPECT_EQ(Errors().size(), std::size(cases));
}

// Basic knowledge is part 1 "BP101"; a failed commit used to close the dialog and lose the
// scores: now it shows its error, stores nothing and keeps them for another try.
TEST_F(PartScoreTest, AFailedBasicKnowledgeCommitKeepsTheDialogSoThatARetryStoresEachScoreOnce) {
  TestClock().OnWait([&] {
    TfmBasicInput* dialog = fmBasicInput;
    EXPECT_EQ(dialog->Caption(), "学生基础知识成绩录入");
    EXPECT_EQ(Child<TComponent>(dialog, "dgStudents"), nullptr);
    TypeScore(dialog->cbbAchieve, "60");
    TypeScore(dialog->cbbAchieve, "70");
    TypeScore(dialog->cbbAchieve, "0");
    RenderWindowToPng(dialog->Handle(), "basic-input.png");
    RefuseRowsOf("Tb_ExamProcess", 1003);
    ClickButton(dialog, "btnOk");
    EXPECT_TRUE(dialog->Visible());
    EXPECT_EQ(dialog->Pending().Count(), 3);
    EXPECT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Rows("select count(*) from Tb_ExamProcess")[0][0], "0");
    AcceptRowsAgain();
    // Deleting and clearing ask nothing.
    dialog->lvAchieve->SetSelected(dialog->lvAchieve->Items()->Item(0));
    Pump();
    ClickButton(dialog, "btnDelete");
    EXPECT_EQ(dialog->Pending().Count(), 2);
    EXPECT_TRUE(Dialogs->Messages.empty());
    ClickButton(dialog, "btnOk");
  });
  EXPECT_EQ(ShowBasicInput(), mrOk);
  EXPECT_EQ(Rows("select Fd_StuNo, Fd_TestPart, Fd_ProgNo, Fd_Grade, Fd_FenVal from Tb_ExamProcess order by Fd_ProcID"),
            (std::vector<TEntryRow>{{"1002", "1", "BP101", "高一", "70"}, {"1001", "1", "BP101", "高一", "60"}}));
}

}  // namespace
