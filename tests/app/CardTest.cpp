// The student cards on the fixture school: the best result of each item and its performance, the
// general score over the item categories, the examination card with its half-to-even averages
// and weighted score, one class or the whole school, an empty source, and a failed build that
// leaves the cards as they were.
#include "fixtures/StatisticsFixture.h"

namespace {

const String N = "<null>";

class CardTest : public TStatisticsTest {
 protected:
  void SetUp() override {
    TStatisticsTest::SetUp();
    MakeSchool(FixtureSchool);
  }

  std::vector<TTextRow> GeneralScores() {
    return Rows("select Fd_StuNo, Fd_Grade, Fd_GernalFen from Tb_UptoCard order by Fd_StuNo");
  }
  std::vector<TTextRow> ExamCards() {
    return Rows("select Fd_StuNo, Fd_TestFen, Fd_TechFen, Fd_ClassFen, Fd_BasicFen, Fd_GernalFen"
                " from Tb_ExamCard order by Fd_StuNo");
  }
};

// 1205: of two U11 results the 80 with its time stays; of two U21 results with the same score the
// first; U32 scored 0 writes nothing; the general score takes the best of each category.
TEST_F(CardTest, AClassCardKeepsTheBestResultOfEachItem) {
  Module->BuildClassUptoCard(nullptr, "高一二");
  EXPECT_EQ(GeneralScores(), (std::vector<TTextRow>{{"1201", "高一", "500"},
                                                    {"1202", "高一", "460"},
                                                    {"1203", "高一", "425"},
                                                    {"1204", "高一", "300"},
                                                    {"1205", "高一", "400"},
                                                    {"1206", "高一", "80"}}));
  EXPECT_EQ(Rows("select U11, F_U11, U21, F_U21, U22, F_U22, U31, F_U31, U32, F_U32, U41, F_U41, U42, F_U42,"
                 " U51, F_U51 from Tb_UptoCard where Fd_StuNo = 1205"),
            (std::vector<TTextRow>{{"230.5", "80", "7.5", "90", "150", "85", "2.6", "100", "<null>", "<null>", "40",
                                    "70", "9", "65", "0.15", "60"}}));
  // A category without a scored item adds 0.
  EXPECT_EQ(Rows("select F_U11, F_U21, F_U31, Fd_GernalFen from Tb_UptoCard where Fd_StuNo = 1206"),
            (std::vector<TTextRow>{{"80", "<null>", "<null>", "80"}}));
  EXPECT_FALSE(Module->adqSumProg->Active());
  EXPECT_FALSE(Module->adcConnect->InTransaction());
}

TEST_F(CardTest, TheStatisticsCardCoversEveryStudentWithResults) {
  Module->ClearUptoCard();
  Module->BuildUptoCard(nullptr, "");
  const std::vector<TTextRow> expected = {
      {"1101", "高一", "420"}, {"1102", "高一", "415"}, {"1103", "高一", "350"}, {"1104", "高一", "345"},
      {"1105", "高一", "250"}, {"1106", "高一", "245"}, {"1201", "高一", "500"}, {"1202", "高一", "460"},
      {"1203", "高一", "425"}, {"1204", "高一", "300"}, {"1205", "高一", "400"}, {"1206", "高一", "80"},
      {"2101", "高二", "450"}, {"2102", "高二", "480"}, {"2103", "高二", "420"}, {"2104", "高二", "500"},
      {"2201", "高二", "100"}, {"2202", "高二", "245"}, {"3101", "高三", "420"}, {"3102", "高三", "300"}};
  EXPECT_EQ(GeneralScores(), expected);
}

// The grade of a card is that of the student's first result of a known item; results of items
// no longer listed make no card.
TEST_F(CardTest, GradeComesFromTheFirstResultAndUnknownItemsAreLeftOut) {
  Execute("INSERT INTO Tb_UptoProcess (Fd_StuNo, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal) VALUES"
          " (1107, 'X99', '高三', 1, 100), (1107, 'U31', '高二', 2.1, 40), (1107, 'U51', '高一', 0.2, 30),"
          " (1108, 'X99', '高一', 1, 100)");
  Module->BuildClassUptoCard(nullptr, "高一一");
  EXPECT_EQ(Rows("select Fd_StuNo, Fd_Grade, Fd_GernalFen from Tb_UptoCard where Fd_StuNo > 1106"),
            (std::vector<TTextRow>{{"1107", "高二", "70"}}));
}

// The class name is a bound value: quotes in it neither break the build nor widen it.
TEST_F(CardTest, ClassNamesAreBoundValues) {
  Execute("INSERT INTO Tb_Classes (Fd_Grade, Fd_Class, Fd_OrderNo) VALUES ('高三', '高三''(3)班', 7);"
          "INSERT INTO Tb_Students (Fd_StuNo, Fd_Name, Fd_Sex, Fd_Class) VALUES (3301, '学生', '男', '高三''(3)班');"
          "INSERT INTO Tb_UptoProcess (Fd_StuNo, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal)"
          " VALUES (3301, 'U31', '高三', 2.4, 75)");
  Module->BuildClassUptoCard(nullptr, "高三'(3)班");
  EXPECT_EQ(GeneralScores(), (std::vector<TTextRow>{{"3301", "高三", "75"}}));
  for (const char* name : {"' or '1'='1", "高一一' --"}) {
    Module->BuildClassUptoCard(nullptr, name);
    EXPECT_TRUE(GeneralScores().empty()) << name;
  }
  Module->PrepareExamCard(nullptr, "高一一' or '1'='1");
  EXPECT_TRUE(ExamCards().empty());
}

TEST_F(CardTest, ExamCardsAverageEachPartAndWeighTheScoreHalfToEven) {
  Module->PrepareExamCard(nullptr, "");
  // 1101: (360 + 255 + 80 + 140) / 10 = 83.5 -> 84; 1102: 82.5 -> 82; 1103: 34; 1104: averages
  // 72.5 -> 72 and 73.5 -> 74, (288 + 222) / 10 = 51; 2101 of another class: 120 / 10 = 12.
  const std::vector<TTextRow> school = {{"1101", "90", "85", "80", "70", "84"},
                                        {"1102", "90", "85", "80", "65", "82"},
                                        {"1103", "85", "<null>", "<null>", "<null>", "34"},
                                        {"1104", "72", "74", "<null>", "<null>", "51"},
                                        {"2101", "<null>", "<null>", "<null>", "60", "12"}};
  EXPECT_EQ(ExamCards(), school);
  Module->PrepareExamCard(nullptr, "高一一");
  EXPECT_EQ(ExamCards(), std::vector<TTextRow>(school.begin(), school.begin() + 4));
}

// Only the four parts count.
TEST_F(CardTest, ExamCardsIgnoreOtherParts) {
  Execute("INSERT INTO Tb_ExamProcess (Fd_StuNo, Fd_ProgNo, Fd_FenVal, Fd_TestPart) VALUES (1105, 'E01', 90, 7)");
  Module->PrepareExamCard(nullptr, "高一一");
  EXPECT_TRUE(Rows("select * from Tb_ExamCard where Fd_StuNo = 1105").empty());
}

// An empty value read as a number counts 0: a part whose only scores are empty averages 0 (a part
// without results stays empty), a scored result without a performance gives the performance 0.
TEST_F(CardTest, EmptyValuesReadAsNumbersCountZero) {
  Execute("INSERT INTO Tb_ExamProcess (Fd_StuNo, Fd_ProgNo, Fd_FenVal, Fd_TestPart) VALUES (1106, 'BP101', NULL, 1);"
          "INSERT INTO Tb_UptoProcess (Fd_StuNo, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal)"
          " VALUES (1206, 'U31', '高一', NULL, 40)");
  Module->PrepareExamCard(nullptr, "高一一");
  EXPECT_EQ(Rows("select Fd_TestFen, Fd_BasicFen, Fd_GernalFen from Tb_ExamCard where Fd_StuNo = 1106"),
            (std::vector<TTextRow>{{N, "0", "0"}}));
  Module->BuildClassUptoCard(nullptr, "高一二");
  EXPECT_EQ(Rows("select U31, F_U31, Fd_GernalFen from Tb_UptoCard where Fd_StuNo = 1206"),
            (std::vector<TTextRow>{{"0", "40", "120"}}));
}

// A class card counts the class's 10 students, then its cards; the examination card goes part by
// part over the students, then over its cards.
TEST_F(CardTest, CardBuildsShowEachStepOnTheProgressWindow) {
  TRecordedProgress fitness;
  Module->BuildClassUptoCard(fitness.Window(), "高一二");
  EXPECT_EQ(fitness.Steps(), (std::vector<TShownStep>{{"正在初始化数据...", 1, {0}},
                                                      {"正在统计学生考试成绩...", 10, {0, 10}},
                                                      {"正在统计学生总分...", 6, {0, 6}}}));
  TRecordedProgress exam;
  Module->PrepareExamCard(exam.Window(), "高一一");
  EXPECT_EQ(exam.Steps(), (std::vector<TShownStep>{{"正在初始化数据...", 1, {0}},
                                                   {"统计运动能力得分...", 10, {0, 10}},
                                                   {"统计运动技能得分...", 10, {0, 10}},
                                                   {"统计表现得分...", 10, {0, 10}},
                                                   {"统计基础知识得分...", 10, {0, 10}},
                                                   {"统计学生考试综合得分...", 4, {0, 4}}}));
}

// A large school is built a few hundred students at a time, so the bar moves during each step;
// results under numbers that no student has are built too.
TEST_F(CardTest, ALargeSchoolMovesTheBarAsItsCardsAreBuilt) {
  Execute("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 699)"
          " INSERT INTO Tb_Students (Fd_StuNo, Fd_Name, Fd_Sex, Fd_Class) SELECT 5000 + i, '学生', '男', '高三一' FROM n;"
          "INSERT INTO Tb_UptoProcess (Fd_StuNo, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal)"
          " SELECT Fd_StuNo, 'U31', '高三', 2.4, 75 FROM Tb_Students WHERE Fd_StuNo >= 5000"
          " UNION ALL VALUES (-7, 'U31', '高三', 2.4, 75), (99999, 'U31', '高三', 2.4, 75);"
          "INSERT INTO Tb_ExamProcess (Fd_StuNo, Fd_ProgNo, Fd_FenVal, Fd_TestPart)"
          " SELECT Fd_StuNo, 'E01', 80, 2 FROM Tb_Students WHERE Fd_StuNo >= 5000");
  TRecordedProgress progress;
  Module->ClearUptoCard();
  Module->BuildUptoCard(progress.Window(), "");
  EXPECT_EQ(progress.Steps(), (std::vector<TShownStep>{{"正在统计学生考试成绩...", 728, {0, 300, 600, 728}},
                                                       {"正在统计学生总分...", 722, {0, 293, 593, 722}}}));
  EXPECT_EQ(Rows("select count(*), sum(Fd_GernalFen = 75) from Tb_UptoCard"), (std::vector<TTextRow>{{"722", "702"}}));
  Module->PrepareExamCard(progress.Window(), "高三一");
  EXPECT_EQ(progress.Steps().back(), (TShownStep{"统计学生考试综合得分...", 700, {0, 298, 598, 700}}));
  EXPECT_EQ(Rows("select count(*), min(Fd_GernalFen) from Tb_ExamCard"), (std::vector<TTextRow>{{"700", "32"}}));
}

// Students numbered 10 apart: results under the numbers between them have cards too, also where
// one range of the build ends and the next begins.
TEST_F(CardTest, ResultsBetweenTheStudentsOfALargeSchoolHaveCards) {
  Execute("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 699)"
          " INSERT INTO Tb_Students (Fd_StuNo, Fd_Name, Fd_Sex, Fd_Class) SELECT 6000 + 10 * i, '学生', '男', '高三一' FROM n;"
          "INSERT INTO Tb_UptoProcess (Fd_StuNo, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal)"
          " SELECT Fd_StuNo + 5, 'U31', '高三', 2.4, 75 FROM Tb_Students WHERE Fd_StuNo >= 6000;"
          "INSERT INTO Tb_ExamProcess (Fd_StuNo, Fd_ProgNo, Fd_FenVal, Fd_TestPart)"
          " SELECT Fd_StuNo + 5, 'E01', 80, 2 FROM Tb_Students WHERE Fd_StuNo >= 6000");
  Module->ClearUptoCard();
  Module->BuildUptoCard(nullptr, "");
  EXPECT_EQ(Rows("select count(*) from Tb_UptoCard where Fd_StuNo > 6000 and Fd_StuNo % 10 = 5"),
            (std::vector<TTextRow>{{"700"}}));
  Module->PrepareExamCard(nullptr, "");
  EXPECT_EQ(Rows("select count(*) from Tb_ExamCard where Fd_StuNo > 6000 and Fd_StuNo % 10 = 5"),
            (std::vector<TTextRow>{{"700"}}));
}

TEST_F(CardTest, AnEmptySourceEmptiesTheCards) {
  Module->SumSchool(nullptr);
  Module->PrepareExamCard(nullptr, "");
  ASSERT_FALSE(GeneralScores().empty());
  Execute("DELETE FROM Tb_UptoProcess; DELETE FROM Tb_ExamProcess");
  Module->BuildClassUptoCard(nullptr, "高一一");
  EXPECT_TRUE(GeneralScores().empty());
  Module->SumClasses(nullptr);
  EXPECT_TRUE(GeneralScores().empty());
  Module->PrepareExamCard(nullptr, "");
  EXPECT_TRUE(ExamCards().empty());
}

// An item whose score column the card lacks fails the build, which changes nothing.
TEST_F(CardTest, AFailedBuildLeavesTheCardsAsTheyWere) {
  Module->BuildClassUptoCard(nullptr, "高一二");
  const std::vector<TTextRow> before = Rows("select * from Tb_UptoCard order by Fd_StuNo");
  Execute("INSERT INTO Tb_UptoProg (Fd_ProgNo, Fd_ProgName, Fd_Nutric, Fd_ProgType, Fd_FenField)"
          " VALUES ('U99', '新项目', '米', 5, 'F_U99')");
  EXPECT_THROW(Module->BuildClassUptoCard(nullptr, "高一一"), EDatabaseError);
  EXPECT_EQ(Rows("select * from Tb_UptoCard order by Fd_StuNo"), before);
  EXPECT_FALSE(Module->adcConnect->InTransaction());
  EXPECT_FALSE(Module->adqSumProg->Active());
}

}  // namespace
