// The class, grade and school statistics on the fixture school: student counts, band counts,
// rates rounded half to even, points and unit points; units with nobody to be tested; a school
// without students; one transaction per run; the progress window and the hourglass cursor.
#include "fixtures/StatisticsFixture.h"

namespace {

const char* const SummaryColumns =
    "Fd_AllTotal, Fd_BoyTotal, Fd_GirlTotal, Fd_FreeTotal, Fd_TestTotal,"
    " Fd_ExcelCount, Fd_ExcelRation, Fd_ExcelFen, Fd_GoodCount, Fd_GoodRation, Fd_GoodFen,"
    " Fd_CommonCount, Fd_CommonRation, Fd_CommonFen, Fd_UnthroughCount, Fd_UnthroughRation, Fd_UnthroughFen,"
    " Fd_GernalFen";

const String N = "<null>";

class StatsTest : public TStatisticsTest {
 protected:
  // The rows of a summary table; classes in display order, grades in table order.
  std::vector<TTextRow> Summary(const String& Table, const String& Key, const String& Order) {
    return Rows("select " + Key + ", " + SummaryColumns + " from " + Table + " t order by " + Order);
  }
  std::vector<TTextRow> Classes() {
    return Summary("Tb_ClassesSum", "Fd_Class",
                   "(select c.Fd_OrderNo from Tb_Classes c where c.Fd_Class = t.Fd_Class)");
  }
  std::vector<TTextRow> Grades() {
    return Summary("Tb_GradeSum", "Fd_Grade", "(select g.rowid from Tb_Grade g where g.Fd_Grade = t.Fd_Grade)");
  }
  std::vector<TTextRow> School() { return Summary("Tb_SchoolSum", "Fd_AutoID", "Fd_AutoID"); }
};

class StatsFixtureTest : public StatsTest {
 protected:
  void SetUp() override {
    StatsTest::SetUp();
    MakeSchool(FixtureSchool);
  }
};

// Columns: key; all, boys, girls, exempt, tested; count, rate and points of excellent, good,
// pass and fail; unit points.
TEST_F(StatsFixtureTest, ClassesAreCountedAndRatedByBand) {
  Module->SumClasses(nullptr);
  const std::vector<TTextRow> expected = {
      // 420 | 415, 350 | 345, 250 | 245 of 8 tested: 12.5 -> 12, 25, 25, 12.5 -> 12.
      {"高一一", "10", "4", "6", "2", "8", "1", "12", "72", "2", "25", "100", "2", "25", "75", "1", "12", "0", "247"},
      // Three excellent of 8: 37.5 -> 38, points 228.
      {"高一二", "10", "4", "6", "2", "8", "3", "38", "228", "1", "12", "48", "1", "12", "36", "1", "12", "0", "312"},
      // No boys, nobody exempt, everybody excellent.
      {"高二一", "4", N, "4", N, "4", "4", "100", "600", N, N, N, N, N, N, N, N, N, "600"},
      // Fail band only.
      {"高二二", "2", "1", "1", N, "2", N, N, N, N, N, N, N, N, N, "2", "100", "0", "0"},
      // Everybody exempt: nobody to be tested, so every rate is 0.
      {"高三一", "2", "1", "1", "2", "0", "1", "0", "0", N, N, N, "1", "0", "0", N, N, N, "0"},
  };
  EXPECT_EQ(Classes(), expected);
  EXPECT_EQ(Rows("select count(*) from Tb_UptoCard"), (std::vector<TTextRow>{{"20"}}));
  EXPECT_FALSE(Module->adcConnect->InTransaction());
}

TEST_F(StatsFixtureTest, GradesAreCountedFromTheirClasses) {
  Module->SumGrades(nullptr);
  const std::vector<TTextRow> expected = {
      {"高一", "20", "8", "12", "4", "16", "4", "25", "150", "3", "19", "76", "3", "19", "57", "2", "12", "0", "283"},
      {"高二", "6", "1", "5", N, "6", "4", "67", "402", N, N, N, N, N, N, "2", "33", "0", "402"},
      {"高三", "2", "1", "1", "2", "0", "1", "0", "0", N, N, N, "1", "0", "0", N, N, N, "0"},
  };
  EXPECT_EQ(Grades(), expected);
}

// The school row always has all four bands, 0 included.
TEST_F(StatsFixtureTest, TheSchoolHasOneRowWithEveryBand) {
  Module->SumSchool(nullptr);
  EXPECT_EQ(School(),
            (std::vector<TTextRow>{{"1", "28", "10", "18", "6", "22", "9", "41", "246", "3", "14", "56", "4", "18",
                                    "54", "4", "18", "0", "356"}}));
  Execute("DELETE FROM Tb_UptoProcess WHERE Fd_StuNo IN (1102, 1103, 1205)");
  Module->SumSchool(nullptr);
  EXPECT_EQ(Rows("select Fd_GoodCount, Fd_GoodRation, Fd_GoodFen, Fd_GernalFen from Tb_SchoolSum"),
            (std::vector<TTextRow>{{"0", "0", "0", "300"}}));
}

// A student whose class is gone still counts for the school, under an empty grade.
TEST_F(StatsFixtureTest, AStudentOutsideEveryClassCountsUnderAnEmptyGrade) {
  Execute("INSERT INTO Tb_Students (Fd_StuNo, Fd_Name, Fd_Sex, Fd_Class) VALUES (9001, '学生', '男', '高四一')");
  Module->SumGrades(nullptr);
  EXPECT_EQ(Rows("select Fd_Grade, Fd_AllTotal, Fd_BoyTotal, Fd_TestTotal from Tb_GradeSum where Fd_Grade is null"),
            (std::vector<TTextRow>{{N, "1", "1", "1"}}));
}

// A failure part-way (in the last band, after the cards, the counts and three bands were written)
// gives back the whole run.
TEST_F(StatsFixtureTest, ARunIsOneTransaction) {
  Module->SumGrades(nullptr);
  const std::vector<TTextRow> cards = Rows("select * from Tb_UptoCard order by Fd_StuNo");
  const std::vector<TTextRow> grades = Grades();
  Execute("DELETE FROM Tb_UptoProcess WHERE Fd_StuNo < 2000;"
          "CREATE TRIGGER Tr_Fail AFTER UPDATE OF Fd_UnthroughCount ON Tb_GradeSum"
          " BEGIN SELECT RAISE(ABORT, 'injected'); END");
  try {
    Module->SumGrades(nullptr);
    ADD_FAILURE() << "the run went through";
  } catch (const EDatabaseError& e) {
    EXPECT_NE(String(e.Message()).find("injected"), String::npos) << e.Message();
  }
  EXPECT_FALSE(Module->adcConnect->InTransaction());
  EXPECT_EQ(Rows("select * from Tb_UptoCard order by Fd_StuNo"), cards);
  EXPECT_EQ(Grades(), grades);
  Execute("DROP TRIGGER Tr_Fail");
  Module->SumGrades(nullptr);
  EXPECT_EQ(Grades().size(), 3u);
  EXPECT_EQ(Rows("select count(*) from Tb_UptoCard"), (std::vector<TTextRow>{{"8"}}));
}

// The card steps move the bar over the school's 28 students, then over the 20 cards made; the
// count and band steps only show their texts.
TEST_F(StatsFixtureTest, AClassRunShowsEachOfItsSteps) {
  TRecordedProgress progress;
  Module->SumClasses(progress.Window());
  const std::vector<TShownStep> expected = {
      {"正在初始化数据...", 1, {0}},
      {"正在统计学生考试成绩...", 28, {0, 28}},
      {"正在统计学生总分...", 20, {0, 20}},
      {"正在统计班级人数...", 1, {0}},
      {"统计班级总人数", 1, {0}},
      {"统计班级男生人数", 1, {0}},
      {"统计班级免体人数", 1, {0}},
      {"统计班级女生人数和应测人数", 1, {0}},
      {"正在统计班级成绩...", 1, {0}},
      {"统计班级优秀率", 1, {0}},
      {"统计班级良好率", 1, {0}},
      {"统计班级及格率", 1, {0}},
      {"统计班级总分", 1, {0}},
  };
  EXPECT_EQ(progress.Steps(), expected);
}

// The counts and bands of the grade and school runs; the grade run has no text of its own for the
// exempt count.
TEST_F(StatsFixtureTest, GradeAndSchoolRunsShowTheirOwnTexts) {
  const std::pair<TdmGym::TSumLevel, std::vector<String>> runs[] = {
      {TdmGym::slGrades,
       {"正在统计年级人数...", "统计年级总人数", "统计年级男生总人数", "统计年级女生总人数和应测人数", "正在统计年级成绩...",
        "统计年级优秀率", "统计年级良好率", "统计年级及格率", "统计年级总分"}},
      {TdmGym::slSchool,
       {"正在统计学校总人数...", "统计学校总人数", "统计学校男生总人数", "统计学校免体总人数", "统计学校女生总人数和应测总人数",
        "正在统计学校总成绩...", "统计学校优秀率", "统计学校良好率", "统计学校及格率", "统计学校总分"}},
  };
  for (const auto& [level, texts] : runs) {
    TRecordedProgress progress;
    Module->SumUnits(progress.Window(), level);
    std::vector<String> shown;
    for (const TShownStep& step : progress.Steps()) shown.push_back(step.Text);
    EXPECT_EQ(shown, texts);
  }
}

TEST_F(StatsFixtureTest, RunsWorkUnderTheHourglassInAWindowFreedAfterwards) {
  TProgressTask* shown = nullptr;
  RunProgressTask([&](TProgressTask* Progress) {
    shown = Progress;
    EXPECT_TRUE(Progress->Visible());
    EXPECT_EQ(Screen->Cursor(), crHourGlass);
    Module->SumClasses(Progress);
  });
  EXPECT_NE(shown, nullptr);
  EXPECT_EQ(Screen->Cursor(), crDefault);
  for (int i = 0; i < Screen->FormCount(); ++i) EXPECT_NE(Screen->Forms(i), shown);
}

TEST_F(StatsFixtureTest, AFailedRunFreesTheWindowAndRestoresTheCursor) {
  Execute("INSERT INTO Tb_UptoProg (Fd_ProgNo, Fd_ProgName, Fd_Nutric, Fd_ProgType, Fd_FenField)"
          " VALUES ('U99', '新项目', '米', 5, 'F_U99')");
  const int forms = Screen->FormCount();
  EXPECT_THROW(RunProgressTask([&](TProgressTask* Progress) { Module->SumSchool(Progress); }), EDatabaseError);
  EXPECT_EQ(Screen->Cursor(), crDefault);
  EXPECT_EQ(Screen->FormCount(), forms);
}

class StatsEmptySchoolTest : public StatsTest {
 protected:
  void SetUp() override {
    StatsTest::SetUp();
    MakeSchool(EmptySchool);
  }
};

// With nobody to be tested the rates are 0 and the run goes on; empty sources give empty tables.
TEST_F(StatsEmptySchoolTest, ASchoolWithoutStudentsGetsZerosAndEmptyTables) {
  Module->SumSchool(nullptr);
  EXPECT_EQ(School(),
            (std::vector<TTextRow>{{"1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0",
                                    "0", "0", "0"}}));
  Module->SumClasses(nullptr);
  Module->SumGrades(nullptr);
  EXPECT_TRUE(Classes().empty());
  EXPECT_TRUE(Grades().empty());
  EXPECT_TRUE(Rows("select * from Tb_UptoCard").empty());
}

}  // namespace
