// The class-move and promotion dialogs: choosing students by injected clicks and keys, the grade
// rules, and what a move or a promotion stores, a promotion one student at a time in one
// transaction each.
#include "app/windows/SeperateClass.h"
#include "app/windows/UpGrade.h"
#include "fixtures/SchoolFixture.h"

namespace {

TEST(ClassMoveRules, AListLineGivesTheNumberBeforeItsFirstBlank) {
  const std::pair<const char*, int> cases[] = {
      {"1001 张一", 1001}, {"2002 钱 五", 2002}, {"1001", -1}, {" 1001 张一", -1}, {"abc 张一", -1}, {"", -1}};
  for (const auto& [line, number] : cases) EXPECT_EQ(EntryStudentNo(line), number) << line;
}

TEST(ClassMoveRules, PromotionGoesToALaterGradeOfTheGradeNames) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"高一", "高二", true}, {"高一", "高三", true}, {"高二", "高三", true}, {"高二", "高一", false},
      {"高一", "高一", false}, {"初一", "高二", false}, {"高一", "初三", false}, {"", "高一", false}};
  for (const auto& [from, to, later] : cases) EXPECT_EQ(IsLaterGrade(from, to), later) << from << " " << to;
}

class ClassMoveTest : public TSchoolTest {
 protected:
  // Picks a class of a class list with the arrow keys, as the change of a user's pick.
  void ChooseClass(TComboBox* List, const String& ClassName) {
    List->SetFocus();
    Pump();
    const int target = List->Items()->IndexOf(ClassName);
    ASSERT_GE(target, 0) << ClassName;
    for (int keys = 0; List->ItemIndex() != target && keys <= List->Items()->Count(); ++keys) {
      PressKey(List->ItemIndex() < target ? VK_DOWN : VK_UP);
      Pump();
    }
    ASSERT_EQ(List->ItemIndex(), target);
  }
  // Ctrl+clicks on the lines of the source list, selecting each.
  void SelectStudents(TfmMoveStudents* Window, std::initializer_list<int> Lines) {
    for (int line : Lines) {
      KeyDown(VK_CONTROL);
      ClickLine(Window->lbFromStudent, line);
      KeyUp(VK_CONTROL);
    }
    Pump();
  }
  void ClickButton(TfmMoveStudents* Window, const char* Name) {
    Click(Child<TControl>(Window, Name), {5, 5});
    Pump();
  }
  // The last input of a modal step: the window frees itself once its loop has ended.
  void ClickOk(TfmMoveStudents* Window) { Click(Child<TControl>(Window, "btnOk"), {5, 5}); }
  std::vector<std::vector<String>> ClassOf(const String& Numbers) {
    return Rows("SELECT Fd_StuNo, Fd_Class FROM Tb_Students WHERE Fd_StuNo IN (" + Numbers + ") ORDER BY Fd_StuNo");
  }
};

TEST_F(ClassMoveTest, ChosenStudentsGoToAClassOfTheSameGradeAndTheirResultsStay) {
  const String resultsBefore = Value("SELECT count(*) FROM Tb_UptoProcess");
  const TModalResult result = RunModal(ShowSeperatorClass, {[&] {
    TfmSeperatorClass* window = fmSeperatorClass;
    EXPECT_EQ(window->Caption(), "学生分班处理");
    EXPECT_EQ(Lines(window->cbxFrom->Items()),
              (std::vector<String>{"高一(1)", "高一(2)", "高二(1)", "高二'甲", "高三(1)"}));
    EXPECT_EQ(window->cbxFrom->ItemIndex(), -1);
    ChooseClass(window->cbxFrom, "高一(1)");
    EXPECT_EQ(Lines(window->lbFromStudent->Items()), (std::vector<String>{"1001 张一", "1002 李二", "1003 王三"}));
    ClickLine(window->lbFromStudent, 1);
    EXPECT_FALSE(window->actSingleSelect->Enabled()) << "no target class yet";
    ChooseClass(window->cbxTo, "高一(2)");
    EXPECT_TRUE(window->actSingleSelect->Enabled());
    ClickButton(window, "sbSingleSelect");  // 李二 across, then back with the clear button
    EXPECT_EQ(Lines(window->lbToStudent->Items()), std::vector<String>{"1002 李二"});
    ClickButton(window, "sbClearSelect");
    EXPECT_EQ(Lines(window->lbFromStudent->Items()), (std::vector<String>{"1001 张一", "1003 王三", "1002 李二"}));
    SelectStudents(window, {0, 1});
    ClickButton(window, "sbMultSelect");
    EXPECT_EQ(Lines(window->lbToStudent->Items()), (std::vector<String>{"1003 王三", "1001 张一"})) << "reverse order";
    RenderWindowToPng(window->Handle(), "class-move.png");
    ClickOk(window);
  }});
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(fmSeperatorClass, nullptr) << "the dialog freed itself";
  EXPECT_EQ(ClassOf("1001, 1002, 1003"),
            (std::vector<std::vector<String>>{{"1001", "高一(2)"}, {"1002", "高一(1)"}, {"1003", "高一(2)"}}));
  EXPECT_EQ(Value("SELECT count(*) FROM Tb_UptoProcess"), resultsBefore);
  EXPECT_EQ(Value("SELECT count(*) FROM Tb_UptoHistory"), "2") << "a class move archives nothing";
}

TEST_F(ClassMoveTest, AMoveAcrossGradesIsRefusedAndAClassNamedWithAQuoteWorks) {
  RunModal(ShowSeperatorClass, {[&] {
    ChooseClass(fmSeperatorClass->cbxFrom, "高二'甲");
    EXPECT_EQ(Lines(fmSeperatorClass->lbFromStudent->Items()), std::vector<String>{"2002 钱五"});
    ChooseClass(fmSeperatorClass->cbxTo, "高三(1)");
    ClickLine(fmSeperatorClass->lbFromStudent, 0);
    ClickButton(fmSeperatorClass, "sbSingleSelect");
    ClickOk(fmSeperatorClass);
  }});
  EXPECT_EQ(MessageTexts(*Dialogs), std::vector<String>{"学生分班只能在同年级进行。"});
  EXPECT_EQ(Dialogs->Messages[0].Caption, "错误提示");
  EXPECT_EQ(ClassOf("2002"), (std::vector<std::vector<String>>{{"2002", "高二'甲"}}));

  RunModal(ShowSeperatorClass, {[&] {
    ChooseClass(fmSeperatorClass->cbxFrom, "高二'甲");
    ChooseClass(fmSeperatorClass->cbxTo, "高二(1)");
    ClickLine(fmSeperatorClass->lbFromStudent, 0);
    ClickButton(fmSeperatorClass, "sbSingleSelect");
    ClickOk(fmSeperatorClass);
  }});
  EXPECT_EQ(ClassOf("2002"), (std::vector<std::vector<String>>{{"2002", "高二(1)"}}));
}

TEST_F(ClassMoveTest, PromotionArchivesEachStudentsResultsUnchangedAndMovesTheClass) {
  const auto uptoBefore = Rows("SELECT Fd_TestDate, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal FROM Tb_UptoProcess "
                               "WHERE Fd_StuNo = 2001 ORDER BY Fd_ProcID");
  const auto examBefore = Rows("SELECT Fd_TestPart, Fd_TestDate, Fd_TermType, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal "
                               "FROM Tb_ExamProcess WHERE Fd_StuNo = 2001 ORDER BY Fd_ProcID");
  ASSERT_EQ(uptoBefore.size(), 2u);
  ASSERT_EQ(examBefore.size(), 2u);
  const TModalResult result = RunModal(ShowUpGrade, {[&] {
    EXPECT_EQ(fmUpGrade->Caption(), "学生升级");
    ChooseClass(fmUpGrade->cbxFrom, "高二(1)");
    ChooseClass(fmUpGrade->cbxTo, "高三(1)");
    ClickLine(fmUpGrade->lbFromStudent, 0);
    ClickButton(fmUpGrade, "sbSingleSelect");
    RenderWindowToPng(fmUpGrade->Handle(), "upgrade.png");
    ClickOk(fmUpGrade);
  }});
  EXPECT_EQ(result, mrOk);
  EXPECT_TRUE(Errors().empty());
  EXPECT_EQ(ClassOf("2001"), (std::vector<std::vector<String>>{{"2001", "高三(1)"}}));
  EXPECT_EQ(Value("SELECT count(*) FROM Tb_UptoProcess WHERE Fd_StuNo = 2001"), "0");
  EXPECT_EQ(Value("SELECT count(*) FROM Tb_ExamProcess WHERE Fd_StuNo = 2001"), "0");
  EXPECT_EQ(Rows("SELECT Fd_TestDate, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal FROM Tb_UptoHistory "
                 "WHERE Fd_StuNo = 2001 AND Fd_Grade = '高二' ORDER BY Fd_ProcID"),
            uptoBefore);
  EXPECT_EQ(Rows("SELECT Fd_TestPart, Fd_TestDate, Fd_TermType, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal "
                 "FROM Tb_ExamHistory WHERE Fd_StuNo = 2001 AND Fd_Grade = '高二' ORDER BY Fd_ProcID"),
            examBefore);
  EXPECT_EQ(Value("SELECT count(*) FROM Tb_UptoProcess WHERE Fd_StuNo = 1001"), "2") << "other students keep theirs";
}

TEST_F(ClassMoveTest, PromotionToTheSameOrAnEarlierGradeChangesNothing) {
  for (const char* target : {"高二'甲", "高一(1)"}) {
    RunModal(ShowUpGrade, {[&] {
      ChooseClass(fmUpGrade->cbxFrom, "高二(1)");
      ChooseClass(fmUpGrade->cbxTo, target);
      ClickLine(fmUpGrade->lbFromStudent, 0);
      ClickButton(fmUpGrade, "sbSingleSelect");
      ClickOk(fmUpGrade);
    }});
  }
  EXPECT_EQ(MessageTexts(*Dialogs), (std::vector<String>{"升级必须是从低年级到高年级升级。", "升级必须是从低年级到高年级升级。"}));
  EXPECT_EQ(Dialogs->Messages[0].Caption, "信息提示");
  EXPECT_EQ(ClassOf("2001"), (std::vector<std::vector<String>>{{"2001", "高二(1)"}}));
  EXPECT_EQ(Value("SELECT count(*) FROM Tb_UptoProcess WHERE Fd_StuNo = 2001"), "2");
}

// The database refuses to move 1001: the students before him stay promoted, and he keeps his class
// and his current results, none of which reach the history tables.
TEST_F(ClassMoveTest, AStudentWhosePromotionFailsKeepsHisClassAndHisResultsWhole) {
  Db.Connection()->Execute(
      "CREATE TRIGGER Tr_Refuse BEFORE UPDATE OF Fd_Class ON Tb_Students WHEN new.Fd_StuNo = 1001 "
      "BEGIN SELECT RAISE(ABORT, '不能调整该学生'); END");
  RunModal(ShowUpGrade, {[&] {
    ChooseClass(fmUpGrade->cbxFrom, "高一(1)");
    ChooseClass(fmUpGrade->cbxTo, "高二(1)");
    SelectStudents(fmUpGrade, {0, 2});
    ClickButton(fmUpGrade, "sbMultSelect");
    EXPECT_EQ(Lines(fmUpGrade->lbToStudent->Items()), (std::vector<String>{"1003 王三", "1001 张一"}));
    ClickOk(fmUpGrade);
  }});
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_NE(Errors()[0].find("不能调整该学生"), String::npos);
  EXPECT_EQ(ClassOf("1001, 1003"), (std::vector<std::vector<String>>{{"1001", "高一(1)"}, {"1003", "高二(1)"}}));
  EXPECT_EQ(Value("SELECT count(*) FROM Tb_UptoProcess WHERE Fd_StuNo = 1001"), "2");
  EXPECT_EQ(Value("SELECT count(*) FROM Tb_ExamProcess WHERE Fd_StuNo = 1001"), "1");
  EXPECT_EQ(Value("SELECT count(*) FROM Tb_UptoHistory WHERE Fd_StuNo = 1001"), "0");
  EXPECT_EQ(Value("SELECT count(*) FROM Tb_ExamHistory WHERE Fd_StuNo = 1001"), "0");
}

}  // namespace
