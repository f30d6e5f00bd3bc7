// The searches of the current student's records and the student filter: the rows they find and
// their parameters, the table chosen by the grade, the end date's whole day, the grids' texts,
// and the filter's values bound and its close rule.
#include "app/windows/DutySearch.h"
#include "app/windows/ExamHistorySearch.h"
#include "app/windows/MultCondition.h"
#include "app/windows/uptoHistorySearch.h"
#include "fixtures/SchoolFixture.h"
#include "support/FormFixture.h"

namespace {

const THistoryTables UptoTables{"Tb_UptoProcess", "Tb_UptoHistory", "Tb_UptoProg"};

// What the searches find is asserted through their windows below; here, the parameters each
// condition adds, which the windows bind by position after the student's number.
struct THistoryCase {
  const char* Grade;
  const char* CurrentGrade;
  bool Start, End;
  int Count;
};

TEST(SearchSql, EachConditionGivenAddsItsParameter) {
  const THistoryCase cases[] = {
      {"", "高二", false, false, 0},  {"", "", false, false, 0},      {"高二", "高二", false, false, 1},
      {"高一", "高二", false, false, 1}, {"", "高二", false, true, 1}, {"高二", "高二", true, true, 3},
  };
  for (const auto& c : cases)
    EXPECT_EQ(BuildHistorySql(UptoTables, c.CurrentGrade, {c.Grade, c.Start, c.End}).Count, c.Count)
        << c.Grade << c.Start << c.End;
  EXPECT_EQ(BuildDutySql({"迟到", true, false}).Count, 2);
  EXPECT_EQ(BuildDutySql({}).Count, 0);
}

class SearchesTest : public TSchoolTest {
 protected:
  // Types a date into an editor, digits only: the mask puts the separators.
  void TypeDate(TdxDateEdit* Editor, const String& Digits) {
    Editor->SetFocus();
    Pump();
    TypeText(Digits);
    Pump();
  }
  void Search(TfmRecordSearch* Window) {
    Click(Child<TControl>(Window, "sbSearch"), {5, 5});
    Pump();
  }
  static bool Painted(TWinControl* Grid, const String& Text) { return RecordPaint(Grid).FindText(Text) != nullptr; }
  std::vector<String> Found(TfmRecordSearch* Window, const char* Field) {
    std::vector<String> values;
    for (Window->adqSql->First(); !Window->adqSql->Eof(); Window->adqSql->Next())
      values.push_back(Window->adqSql->FieldByName(Field)->AsString());
    return values;
  }
};

TEST_F(SearchesTest, TheFitnessHistoryListsTheArchiveOrTheCurrentGradeWithTheEndDatesWholeDay) {
  ShowStudents("高二(1)");
  GoToStudent(2001);
  RunModal(ShowUptoHistorySearch, {[&] {
    TfmUptoHistorySearch* window = fmUptoHistorySearch;
    EXPECT_EQ(window->Caption(), "达标历史成绩查询");
    EXPECT_EQ(window->DBEdit1->Text(), "2001");
    EXPECT_EQ(window->DBEdit2->Text(), "赵四");
    EXPECT_EQ(window->CurrentGrade(), "高二");
    EXPECT_EQ(window->cbbGrade->Text(), "");
    EXPECT_EQ(Lines(window->cbbGrade->Items()), (std::vector<String>{"高一", "高二", "高三"}));
    EXPECT_FALSE(IsDateGiven(window->deStart));
    EXPECT_FALSE(window->adqSql->Active()) << "nothing is searched before 查找";
    Search(window);  // no grade, no dates: the archive
    EXPECT_EQ(Found(window, "Fd_ProgNo"), (std::vector<String>{"U21", "U31"}));
    EXPECT_TRUE(Painted(window->dgUptoProgress, "2025-04-10"));
    EXPECT_TRUE(Painted(window->dgUptoProgress, "8\"10"));
    EXPECT_TRUE(Painted(window->dgUptoProgress, "2.05"));
    // The present grade: the current table; the end date takes in the result of 09:30 that day.
    window->cbbGrade->SetFocus();
    Pump();
    TypeText("高二");
    Pump();
    TypeDate(window->deEnd, "20261012");
    EXPECT_TRUE(IsDateGiven(window->deEnd));
    Search(window);
    EXPECT_EQ(Found(window, "Fd_ProgNo"), std::vector<String>{"U11"});
    EXPECT_TRUE(Painted(window->dgUptoProgress, "3'35\"50"));
    TypeDate(window->deStart, "20261013");
    Search(window);
    EXPECT_TRUE(Found(window, "Fd_ProgNo").empty()) << "a start after the end finds nothing";
    TypeDate(window->deEnd, "20261031");
    Search(window);
    EXPECT_EQ(Found(window, "Fd_ProgNo"), std::vector<String>{"U21"});
    RenderWindowToPng(window->Handle(), "upto-history.png");
    Click(Child<TControl>(window, "btnClose"), {5, 5});
  }});
  EXPECT_EQ(fmUptoHistorySearch, nullptr) << "freed when closed";
}

TEST_F(SearchesTest, ResultsOfUnknownItemsAndStudentsOutsideEveryClassAreHandled) {
  ShowStudents("高一(1)");
  GoToStudent(1001);
  Db.Connection()->Execute("DELETE FROM Tb_Classes WHERE Fd_Class = '高一(1)'");
  RunModal(ShowUptoHistorySearch, {[&] {
    EXPECT_EQ(fmUptoHistorySearch->CurrentGrade(), "");
    Search(fmUptoHistorySearch);  // an empty grade is the class's (none): the current table
    EXPECT_EQ(Found(fmUptoHistorySearch, "Fd_ProgNo"), std::vector<String>{"U21"}) << "U99 has no item";
    PressKey(VK_ESCAPE);
  }});
}

TEST_F(SearchesTest, TheExaminationHistoryJoinsTheExaminationItems) {
  ShowStudents("高二(1)");
  GoToStudent(2001);
  RunModal(ShowExamHistorySearch, {[&] {
    TfmExamHistorySearch* window = fmExamHistorySearch;
    EXPECT_EQ(window->Caption(), "考核历史成绩查询");
    Search(window);
    EXPECT_EQ(Found(window, "Fd_ProgName"), std::vector<String>{"立定跳远"});
    window->cbbGrade->SetFocus();
    Pump();
    TypeText("高二");
    Search(window);
    EXPECT_EQ(Found(window, "Fd_ProgNo"), std::vector<String>{"E01"}) << "the attendance score is no item";
    EXPECT_TRUE(Painted(window->dgUptoProgress, "13\"20"));
    PressKey(VK_ESCAPE);
  }});
}

TEST_F(SearchesTest, TheAttendanceSearchFiltersByKindAndDates) {
  Db.Connection()->Execute("INSERT INTO Tb_Duty (Fd_Name) VALUES ('公假'), ('迟到')");
  ShowStudents("高二(1)");
  GoToStudent(2001);
  RunModal(ShowDutySearch, {[&] {
    TfmDutySearch* window = fmDutySearch;
    EXPECT_EQ(window->Caption(), "学生出勤情况查询");
    EXPECT_EQ(Lines(window->cbbDutyType->Items()), (std::vector<String>{"公假", "迟到"})) << "the school's kinds";
    Search(window);
    EXPECT_EQ(Found(window, "Fd_Duty"), (std::vector<String>{"出勤", "迟到", "出勤"}));
    TypeDate(window->deStart, "20261019");
    TypeDate(window->deEnd, "20261026");
    Search(window);
    EXPECT_EQ(Found(window, "Fd_Duty"), (std::vector<String>{"迟到", "出勤"})) << "both ends of the range count";
    window->cbbDutyType->SetFocus();
    Pump();
    TypeText("迟到");
    Search(window);
    EXPECT_EQ(Found(window, "Fd_Duty"), std::vector<String>{"迟到"});
    RenderWindowToPng(window->Handle(), "duty-search.png");
    PressKey(VK_ESCAPE);
  }});
}

class StudentFilterTest : public TSchoolTest {
 protected:
  std::vector<String> FilteredStudents(const TStudentQuery& Query) {
    Query.AssignTo(Module->adqStudents);
    Module->adqStudents->Open();
    std::vector<String> numbers;
    for (Module->adqStudents->First(); !Module->adqStudents->Eof(); Module->adqStudents->Next())
      numbers.push_back(Module->adqStudents->FieldByName("Fd_StuNo")->AsString());
    return numbers;
  }
  // The filter shown by the main window's command, with Steps run inside it.
  bool RunFilter(TStudentQuery& Query, std::initializer_list<std::function<void()>> Steps) {
    for (const auto& step : Steps) TestClock().OnWait(step);
    const bool ok = RunStudentFilter(Query);
    Pump();
    return ok;
  }
  TfmMultCondition* Filter() {
    for (int i = 0; i < Screen->FormCount(); ++i)
      if (auto* filter = dynamic_cast<TfmMultCondition*>(Screen->Forms(i))) return filter;
    return nullptr;
  }
};

TEST_F(StudentFilterTest, TheQueryBindsTheClassAndTheSexAndStatesTheExemption) {
  TComponentPtr<TfmMultCondition> filter(TCustomForm::Create<TfmMultCondition>(Application));
  EXPECT_EQ(filter->cbbClass->Text(), "高一(1)");
  EXPECT_EQ(Lines(filter->cbbSex->Items()), (std::vector<String>{"(全部)", "男", "女"}));
  EXPECT_TRUE(filter->rbAll->Checked());
  TStudentQuery query = filter->BuildStudentQuery();
  EXPECT_EQ(query.Description, "高一(1)");
  EXPECT_EQ(FilteredStudents(query), (std::vector<String>{"1001", "1002", "1003"}));
  filter->rbIn->SetChecked(true);
  EXPECT_EQ(FilteredStudents(filter->BuildStudentQuery()), std::vector<String>{"1002"});
  filter->rbOut->SetChecked(true);
  filter->cbbSex->SetItemIndex(1);
  query = filter->BuildStudentQuery();
  EXPECT_EQ(FilteredStudents(query), (std::vector<String>{"1001", "1003"}));
  filter->cbbClass->SetItemIndex(filter->cbbClass->Items()->IndexOf("高二'甲"));
  filter->cbbSex->SetItemIndex(2);
  filter->rbAll->SetChecked(true);
  EXPECT_EQ(FilteredStudents(filter->BuildStudentQuery()), std::vector<String>{"2002"}) << "a quote is only a character";
}

TEST_F(StudentFilterTest, OnlyTheButtonsCloseTheFilterAndOkNeedsAClass) {
  TStudentQuery query;
  EXPECT_FALSE(RunFilter(query, {[&] {
    ASSERT_NE(Filter(), nullptr);
    EXPECT_EQ(Filter()->Caption(), "学生信息综合查询组合");
    RenderWindowToPng(Filter()->Handle(), "student-filter.png");
    Filter()->Close();  // the close box does nothing
    Pump();
    EXPECT_TRUE(Filter()->Visible());
    PressKey(VK_ESCAPE);  // as "取消"
  }}));
  EXPECT_EQ(Filter(), nullptr) << "freed after each use";

  EXPECT_TRUE(RunFilter(query, {[&] {
    Filter()->cbbSex->SetFocus();
    Pump();
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);  // 女
    PressKey(VK_RETURN);
  }}));
  EXPECT_EQ(query.Description, "高一(1)");
  EXPECT_EQ(FilteredStudents(query), std::vector<String>{"1002"});

  Db.Connection()->Execute("DELETE FROM Tb_Classes");
  EXPECT_FALSE(RunFilter(query, {[&] {
                            EXPECT_EQ(Filter()->cbbClass->Text(), "");
                            PressKey(VK_RETURN);
                          },
                          [&] {
                            EXPECT_EQ(Errors(), std::vector<String>{"请选择班级。"});
                            EXPECT_TRUE(Filter()->Visible());
                            PressKey(VK_ESCAPE);
                          }}));
}

}  // namespace
