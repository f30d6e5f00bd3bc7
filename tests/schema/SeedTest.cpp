// The initial rows of the default database: grades, the administrator, the items of both families,
// standards that follow their rule for every grade, sex and item, terms, and no attendance kind
// that the register lists itself.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "schema/TestDatabase.h"

namespace {

const char* const kFamilies[][2] = {{"Tb_UptoProg", "Tb_UptoStarnd"}, {"Tb_ExamProg", "Tb_ExamStarnd"}};

std::string ThresholdColumns() {
  std::string columns;
  for (int level = 0; level <= 100; level += 5)
    columns += std::string(columns.empty() ? "" : ",") + "a.Fd_Fen" + (level < 10 ? "0" : "") + std::to_string(level);
  return columns;
}

}  // namespace

TEST(Seed, GradesAndTermsInTheirOrder) {
  TestDatabase db(QUORIN_DATABASE_FILE);
  EXPECT_EQ(db.Column("select Fd_Grade from Tb_Grade"), (std::vector<std::string>{"高一", "高二", "高三"}));

  const std::regex dateTime(R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2})");
  const std::vector<Row> terms = db.Rows("select Fd_TermName, Fd_StartDate, Fd_EndDate from Tb_TermType order by Fd_TermID");
  ASSERT_FALSE(terms.empty());
  EXPECT_EQ(terms[0][0], "2026-2027学年第一学期");
  for (const Row& term : terms) {
    EXPECT_TRUE(std::regex_match(term[1], dateTime) && std::regex_match(term[2], dateTime)) << term[0];
    EXPECT_LT(term[1], term[2]) << term[0];
  }
}

// The attendance register lists its six kinds itself, before those of the table: none of them
// may be in the table, or the register would list it twice.
TEST(Seed, NoAttendanceKindThatTheRegisterListsItself) {
  TestDatabase db(QUORIN_DATABASE_FILE);
  EXPECT_EQ(db.Column("select Fd_Name from Tb_Duty where Fd_Name in ('出勤', '迟到', '早退', '旷课', '事假', '病假')"),
            std::vector<std::string>{});
}

TEST(Seed, OneAdministratorAndNothingTheUsersEnter) {
  TestDatabase db(QUORIN_DATABASE_FILE);
  EXPECT_EQ(db.Rows("select Fd_LogID, Fd_Password, Fd_Name, Fd_Rights from Tb_Teachers"),
            (std::vector<Row>{{"admin", "quorin", "管理员", "1"}}));
  for (const char* table : {"Tb_SchoolInfo", "Tb_Classes", "Tb_Students", "Tb_FreeStudent", "Tb_TeacherTask",
                            "Tb_UptoProcess", "Tb_UptoHistory", "Tb_ExamProcess", "Tb_ExamHistory", "Tb_DutyProcess",
                            "Tb_UptoCard", "Tb_ExamCard", "Tb_ClassesSum", "Tb_GradeSum", "Tb_SchoolSum"})
    EXPECT_EQ(db.Value(std::string("select count(*) from ") + table), "0") << table;
}

TEST(Seed, ItemsHaveUnitsCategoriesAndScoreColumns) {
  TestDatabase db(QUORIN_DATABASE_FILE);
  EXPECT_EQ(db.Column("select distinct Fd_ProgType from Tb_UptoProg order by 1"),
            (std::vector<std::string>{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(db.Column("select Fd_Nutric from Tb_UptoProg union select Fd_Nutric from Tb_ExamProg order by 1"),
            (std::vector<std::string>{"个", "次", "秒", "米"}));
  for (const auto& family : kFamilies) {
    const std::string items = family[0];
    EXPECT_EQ(db.Value("select count(*) from " + items + " where coalesce(Fd_ProgName,'')='' or coalesce(Fd_FenField,'')=''"),
              "0") << items;
    EXPECT_EQ(db.Value("select count(distinct Fd_FenField) from " + items), db.Value("select count(*) from " + items))
        << items;
  }
  // The fitness card holds a performance and a score column for every fitness item.
  for (const Row& item : db.Rows("select Fd_ProgNo, Fd_FenField from Tb_UptoProg")) {
    EXPECT_EQ(db.Column("Tb_UptoCard", item[0]).DeclaredType, "REAL") << item[0];
    EXPECT_EQ(db.Column("Tb_UptoCard", item[1]).DeclaredType, "INTEGER") << item[1];
  }
}

TEST(Seed, PartScoresAndSportSkillsAreNoExaminationItems) {
  TestDatabase db(QUORIN_DATABASE_FILE);
  EXPECT_EQ(db.Value("select count(*) from Tb_ExamProg where Fd_ProgNo in ('BP101','DP101')"), "0");
  EXPECT_EQ(db.Value("select count(*) from Tb_ExamProg e, Tb_TechProg t where e.Fd_ProgNo=t.Fd_ProgNo"), "0");
  EXPECT_EQ(db.Value("select count(*) from Tb_UptoProg u, Tb_ExamProg e where u.Fd_ProgNo=e.Fd_ProgNo"), "0");
  EXPECT_EQ(db.Rows("select g.Fd_Grade, count(t.Fd_ProgNo) from Tb_Grade g left join Tb_TechProg t on "
                    "t.Fd_Grade=g.Fd_Grade group by g.Fd_Grade order by g.rowid"),
            (std::vector<Row>{{"高一", "6"}, {"高二", "6"}, {"高三", "6"}}));
  EXPECT_EQ(db.Value("select count(*) from Tb_TechProg where Fd_Grade not in (select Fd_Grade from Tb_Grade)"), "0");
  // Linked items share their unit.
  EXPECT_EQ(db.Value("select count(*) from Tb_CountPoint p join Tb_ExamProg e on e.Fd_ProgNo=p.Fd_ExamNo "
                     "join Tb_UptoProg u on u.Fd_ProgNo=p.Fd_UptoNo where e.Fd_Nutric=u.Fd_Nutric"),
            db.Value("select count(*) from Tb_CountPoint"));
}

TEST(Seed, EveryGradeSexAndItemHasOneStandardsRow) {
  TestDatabase db(QUORIN_DATABASE_FILE);
  for (const auto& family : kFamilies) {
    const std::string items = family[0], standards = family[1];
    EXPECT_EQ(db.Value("select count(*) from " + items + " i, Tb_Grade g, (select '男' as Sex union select '女') s "
                       "where (select count(*) from " + standards + " a where a.Fd_ProgID=i.Fd_ProgNo and "
                       "a.Fd_Grade=g.Fd_Grade and a.Fd_Sex=s.Sex) <> 1"),
              "0") << standards;
    EXPECT_EQ(db.Value("select count(*) from " + standards + " a where a.Fd_ProgID not in (select Fd_ProgNo from " +
                       items + ")"),
              "0") << standards;
  }
}

// Thresholds are set (positive) at every level and run from worst at level 0 to best at level 100:
// falling for times, rising for every other unit; level 100 is better than level 0.
TEST(Seed, ThresholdsRiseTowardsTheBestPerformance) {
  TestDatabase db(QUORIN_DATABASE_FILE);
  for (const auto& family : kFamilies) {
    const std::vector<Row> rows =
        db.Rows("select a.Fd_ProgID||' '||a.Fd_Grade||' '||a.Fd_Sex, b.Fd_Nutric, " + ThresholdColumns() + " from " +
                family[1] + " a join " + family[0] + " b on b.Fd_ProgNo=a.Fd_ProgID");
    ASSERT_FALSE(rows.empty());
    for (const Row& row : rows) {
      const double direction = row[1] == "秒" ? -1.0 : 1.0;
      for (size_t i = 2; i < row.size(); ++i) {
        EXPECT_GT(std::stod(row[i]), 0.0) << row[0] << " level " << (i - 2) * 5;
        if (i > 2) {
          EXPECT_GE(direction * (std::stod(row[i]) - std::stod(row[i - 1])), 0.0) << row[0] << " level " << (i - 2) * 5;
        }
      }
      EXPECT_GT(direction * (std::stod(row.back()) - std::stod(row[2])), 0.0) << row[0];
    }
  }
}

// Spot values of the rule: level 0, pass (60) and excellent (100) marks of 高一, the line between
// them, and the grade step of later grades.
TEST(Seed, ThresholdsFollowTheMarksOfTheRule) {
  TestDatabase db(QUORIN_DATABASE_FILE);
  struct Case { const char *table, *item, *grade, *sex, *column; double expected; };
  const Case cases[] = {
      {"Tb_UptoStarnd", "U21", "高一", "男", "Fd_Fen100", 7.1},  {"Tb_UptoStarnd", "U21", "高一", "男", "Fd_Fen60", 9.1},
      {"Tb_UptoStarnd", "U21", "高一", "男", "Fd_Fen00", 10.1},  {"Tb_UptoStarnd", "U21", "高一", "男", "Fd_Fen80", 8.1},
      {"Tb_UptoStarnd", "U21", "高三", "男", "Fd_Fen100", 6.9},  {"Tb_UptoStarnd", "U11", "高一", "女", "Fd_Fen60", 274},
      {"Tb_UptoStarnd", "U11", "高二", "男", "Fd_Fen100", 215},  {"Tb_UptoStarnd", "U41", "高一", "女", "Fd_Fen100", 53},
      {"Tb_UptoStarnd", "U51", "高三", "女", "Fd_Fen60", 0.08},  {"Tb_ExamStarnd", "E02", "高二", "男", "Fd_Fen100", 2.63},
      {"Tb_ExamStarnd", "E01", "高一", "女", "Fd_Fen30", 19.8},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(std::stod(db.Value(std::string("select ") + c.column + " from " + c.table + " where Fd_ProgID='" +
                                        c.item + "' and Fd_Grade='" + c.grade + "' and Fd_Sex='" + c.sex + "'")),
                     c.expected)
        << c.table << " " << c.item << " " << c.grade << " " << c.sex << " " << c.column;
}
