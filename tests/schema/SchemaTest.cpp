// The default database the build makes: every table and view the program names, the declared
// types and collations the data-access layer reads, the views' contents, and the program's own
// statements running against it.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>

#include "app/data/KvStatements.h"
#include "schema/TestDatabase.h"
#include "support/TempDir.h"

namespace {

std::set<std::string> ObjectsOfType(TestDatabase& db, const std::string& type) {
  const std::vector<std::string> names =
      db.Column("select name from sqlite_master where type='" + type + "' and name not like 'sqlite_%'");
  return {names.begin(), names.end()};
}

// A copy of the built database with a small school in it, for statements that read or change rows.
class SchoolCopy : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(QUORIN_DATABASE_FILE, FDir.File("school.db"));
    FDb = std::make_unique<TestDatabase>(FDir.File("school.db"), true);
    FDb->Exec(
        "insert into Tb_Classes values ('高一', '高一一', 0), ('高二', '高二一', 1);"
        "insert into Tb_Students (Fd_StuNo, Fd_Name, Fd_Sex, Fd_Class, Fd_FreeSign) values"
        "  (1, '张三', '男', '高一一', 0), (2, '李梅', '女', '高一一', 1), (3, '王五', '男', '高二一', 0),"
        "  (4, '赵六', '男', '已撤销班', 0);"
        "insert into Tb_FreeStudent values (2, '伤病', '一学期', null);"
        "insert into Tb_TeacherTask values ('admin', '高一一');"
        "insert into Tb_UptoProcess (Fd_StuNo, Fd_TestDate, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal) values"
        "  (1, '2026-09-10 08:00:00', 'U21', '高一', 7.8, 85), (3, '2026-09-10 08:00:00', 'u31', '高二', 2.3, 80);"
        "insert into Tb_ExamProcess (Fd_StuNo, Fd_TestDate, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal,"
        "  Fd_TestPart, Fd_TermType) values"
        "  (1, '2026-09-10 08:00:00', 'DP101', '高一', 90, 90, 0, 1),"
        "  (1, '2026-09-10 08:00:00', 'BP101', '高一', 85, 85, 1, 1),"
        "  (1, '2026-09-10 08:00:00', 'E01', '高一', 14.2, 80, 2, 1),"
        "  (1, '2026-09-10 08:00:00', 'T101', '高一', 0, 75, 3, 2),"
        "  (1, '2026-09-10 08:00:00', 'X99', '高一', 0, 60, 3, 99);"
        "insert into Tb_DutyProcess (Fd_StuNo, Fd_TestDate, Fd_Duty) values (1, '2026-09-11 08:00:00', '迟到');"
        "insert into Tb_UptoCard (Fd_StuNo, Fd_Grade, U21, F_U21, Fd_GernalFen) values"
        "  (1, '高一', 7.8, 85, 85), (3, '高二', null, null, 420), (4, '高一', null, null, 250), (9, '高一', null, null, 300);");
  }

  TempDir FDir;
  std::unique_ptr<TestDatabase> FDb;
};

}  // namespace

TEST(Schema, HasEveryTableAndViewTheProgramNames) {
  TestDatabase db(QUORIN_DATABASE_FILE);
  EXPECT_EQ(ObjectsOfType(db, "table"), std::set<std::string>(std::begin(SystemTables), std::end(SystemTables)));
  EXPECT_EQ(ObjectsOfType(db, "view"), std::set<std::string>(std::begin(SystemViews), std::end(SystemViews)));
  for (const char* view : SystemViews) EXPECT_NO_THROW(db.Rows(std::string("select * from ") + view)) << view;
}

TEST(Schema, DeclaredTypesChooseTheFieldClasses) {
  TestDatabase db(QUORIN_DATABASE_FILE);
  struct Case { const char *table, *column, *type; };
  const Case cases[] = {
      {"Tb_Students", "Fd_StuNo", "INTEGER"},      {"Tb_Students", "Fd_Name", "VARCHAR(30)"},
      {"Tb_Students", "Fd_Birthday", "DATETIME"},  {"Tb_Students", "Fd_FreeSign", "BOOLEAN"},
      {"Tb_Teachers", "Fd_LogID", "VARCHAR(16)"},  {"Tb_Teachers", "Fd_Password", "VARCHAR(8)"},
      {"Tb_Teachers", "Fd_Rights", "INTEGER"},     {"Tb_FreeStudent", "Fd_FreeReason", "VARCHAR(50)"},
      {"Tb_SchoolInfo", "Fd_Introduce", "TEXT"},   {"Tb_UptoProcess", "Fd_Achieve", "REAL"},
      {"Tb_UptoProcess", "Fd_FenVal", "INTEGER"},  {"Tb_ExamProcess", "Fd_TestDate", "DATETIME"},
      {"Tb_TermType", "Fd_StartDate", "DATETIME"}, {"Tb_UptoProg", "Fd_ProgType", "INTEGER"},
      {"Tb_ExamCard", "Fd_GernalFen", "INTEGER"},  {"Tb_SchoolSum", "Fd_AutoID", "INTEGER"},
  };
  for (const Case& c : cases) EXPECT_EQ(db.Column(c.table, c.column).DeclaredType, c.type) << c.table << "." << c.column;

  for (const char* table : {"Tb_UptoStarnd", "Tb_ExamStarnd"})
    for (int level = 0; level <= 100; level += 5) {
      const std::string column = "Fd_Fen" + std::string(level < 10 ? "0" : "") + std::to_string(level);
      EXPECT_EQ(db.Column(table, column).DeclaredType, "REAL") << table << "." << column;
    }
}

TEST(Schema, AutoNumbersAreExactlyTheRowIdentities) {
  TestDatabase db(QUORIN_DATABASE_FILE);
  const std::set<std::string> expected = {
      "Tb_CountPoint.Fd_PointID",  "Tb_DutyProcess.Fd_DutyID",  "Tb_ExamHistory.Fd_ProcID",
      "Tb_ExamProcess.Fd_ProcID",  "Tb_ExamStarnd.Fd_StarndID", "Tb_TermType.Fd_TermID",
      "Tb_UptoHistory.Fd_ProcID",  "Tb_UptoProcess.Fd_ProcID",  "Tb_UptoStarnd.Fd_StarndID"};
  // An INTEGER primary key is SQLite's row id and fills itself in when left empty: only auto-numbers
  // may be one, or a row without its typed key would be taken.
  std::set<std::string> autoNumbers, rowIdKeys;
  for (const char* table : SystemTables)
    for (const std::string& column : db.Column(std::string("select name from pragma_table_info('") + table + "')")) {
      const ColumnInfo info = db.Column(table, column);
      const std::string name = std::string(table) + "." + column;
      if (info.AutoIncrement) autoNumbers.insert(name);
      if (info.PrimaryKey && info.DeclaredType == "INTEGER") rowIdKeys.insert(name);
    }
  EXPECT_EQ(autoNumbers, expected);
  EXPECT_EQ(rowIdKeys, expected);
}

TEST(Schema, TextKeysAndJoinColumnsIgnoreCase) {
  TestDatabase db(QUORIN_DATABASE_FILE);
  struct Case { const char *table, *column; };
  const Case cases[] = {
      {"Tb_Teachers", "Fd_LogID"},      {"Tb_TeacherTask", "Fd_LogID"},   {"Tb_TeacherTask", "Fd_Classes"},
      {"Tb_Classes", "Fd_Class"},       {"Tb_Classes", "Fd_Grade"},       {"Tb_Students", "Fd_Class"},
      {"Tb_Students", "Fd_Sex"},        {"Tb_Grade", "Fd_Grade"},         {"Tb_UptoProg", "Fd_ProgNo"},
      {"Tb_ExamProg", "Fd_ProgNo"},     {"Tb_TechProg", "Fd_ProgNo"},     {"Tb_TechProg", "Fd_Grade"},
      {"Tb_UptoStarnd", "Fd_ProgID"},   {"Tb_UptoStarnd", "Fd_Grade"},    {"Tb_UptoStarnd", "Fd_Sex"},
      {"Tb_ExamStarnd", "Fd_ProgID"},   {"Tb_ExamStarnd", "Fd_Grade"},    {"Tb_ExamStarnd", "Fd_Sex"},
      {"Tb_CountPoint", "Fd_ExamNo"},   {"Tb_CountPoint", "Fd_UptoNo"},   {"Tb_Duty", "Fd_Name"},
      {"Tb_UptoProcess", "Fd_ProgNo"},  {"Tb_UptoProcess", "Fd_Grade"},   {"Tb_UptoHistory", "Fd_ProgNo"},
      {"Tb_ExamProcess", "Fd_ProgNo"},  {"Tb_ExamProcess", "Fd_Grade"},   {"Tb_ExamHistory", "Fd_Grade"},
      {"Tb_DutyProcess", "Fd_Duty"},    {"Tb_UptoCard", "Fd_Grade"},      {"Tb_ClassesSum", "Fd_Class"},
      {"Tb_GradeSum", "Fd_Grade"},
  };
  for (const Case& c : cases) EXPECT_EQ(db.Column(c.table, c.column).Collation, "NOCASE") << c.table << "." << c.column;
  EXPECT_EQ(db.Column("Tb_Teachers", "Fd_Password").Collation, "BINARY");

  EXPECT_EQ(db.Value("select Fd_Name from Tb_Teachers where Fd_LogID='ADMIN'"), "管理员");
  EXPECT_EQ(db.Value("select count(*) from Tb_Teachers where Fd_Password='QUORIN'"), "0");
  EXPECT_EQ(db.Value("select count(*) from Tb_UptoStarnd a, Tb_UptoProg b where a.Fd_ProgID = lower(b.Fd_ProgNo)"),
            db.Value("select count(*) from Tb_UptoStarnd"));
}

TEST_F(SchoolCopy, KeysRefuseDuplicatesAndValuesOutsideTheirRange) {
  const char* const refused[] = {
      "insert into Tb_Teachers (Fd_LogID) values ('Admin')",
      "insert into Tb_Classes (Fd_Grade, Fd_Class) values ('高一', '高一一')",
      "insert into Tb_Students (Fd_StuNo, Fd_Name) values (1, '重号')",
      "insert into Tb_Students (Fd_Name) values ('无编号')",
      "insert into Tb_Students (Fd_StuNo) values (2147483648)",
      "insert into Tb_TeacherTask values ('ADMIN', '高一一')",
      "insert into Tb_UptoProg (Fd_ProgNo, Fd_Nutric) values ('U99', '公斤')",
      "insert into Tb_UptoProg (Fd_ProgNo, Fd_ProgType) values ('U99', 6)",
      "insert into Tb_UptoStarnd (Fd_ProgID, Fd_Grade, Fd_Sex) values ('u21', '高一', '男')",
  };
  for (const char* sql : refused) EXPECT_ANY_THROW(FDb->Exec(sql)) << sql;

  // A yes/no column left out of an insert is "no", as the statistics count with "=false".
  FDb->Exec("insert into Tb_Students (Fd_StuNo) values (2147483647)");
  EXPECT_EQ(FDb->Value("select Fd_FreeSign from Tb_Students where Fd_StuNo=2147483647"), "0");
  FDb->Exec("insert into Tb_CountPoint (Fd_ExamNo, Fd_UptoNo) values ('E02', 'U31')");
  EXPECT_EQ(FDb->Value("select count(*) from Tb_CountPoint where Fd_ExamNo='E02'"), "2");
}

TEST_F(SchoolCopy, StudentsViewAddsTheGradeOfTheClass) {
  const std::vector<Row> expected = {{"1", "男", "0", "高一一", "高一"},
                                     {"2", "女", "1", "高一一", "高一"},
                                     {"3", "男", "0", "高二一", "高二"},
                                     {"4", "男", "0", "已撤销班", "<null>"}};
  EXPECT_EQ(FDb->Rows("select Fd_StuNo, Fd_Sex, Fd_FreeSign, Fd_Class, Fd_Grade from Vw_Students order by Fd_StuNo"),
            expected);
  EXPECT_EQ(FDb->Value("select count(*) from Vw_Students where Fd_Class='高一一' and Fd_FreeSign=true"), "1");
}

TEST_F(SchoolCopy, UptoCardViewTakesClassAndGradeFromTheStudent) {
  // The card of student 9, who does not exist, is not a card of the school.
  const std::vector<Row> expected = {
      {"1", "高一一", "高一", "85"}, {"3", "高二一", "高二", "420"}, {"4", "已撤销班", "<null>", "250"}};
  EXPECT_EQ(FDb->Rows("select Fd_StuNo, Fd_Class, Fd_Grade, Fd_GernalFen from Vw_UptoCard order by Fd_StuNo"), expected);
}

TEST_F(SchoolCopy, ExamProcessViewNamesEveryPartAndKeepsUnknownItems) {
  const std::vector<Row> expected = {
      {"DP101", "0", "出勤成绩", "<null>", "出勤成绩", "2026-2027学年第一学期"},
      {"BP101", "1", "基础知识", "<null>", "基础知识", "2026-2027学年第一学期"},
      {"E01", "2", "100米跑", "秒", "考核项目", "2026-2027学年第一学期"},
      {"T101", "3", "篮球", "<null>", "运动技能", "2026-2027学年第二学期"},
      {"X99", "3", "<null>", "<null>", "运动技能", "<null>"}};
  EXPECT_EQ(FDb->Rows("select Fd_ProgNo, Fd_TestPart, Fd_ProgName, Fd_Nutric, Fd_PartName, Fd_TermName"
                      " from Vw_ExamProcess where Fd_StuNo=1 order by Fd_ProcID"),
            expected);
}

// Every statement the program gives the database whole or with a table's name put in, the texts
// taken from the program; parameters left unbound are null. The card and statistics builds and the
// searches' conditions compose theirs from the school's items and run them in their own tests.
TEST_F(SchoolCopy, EveryStatementOfTheProgramRuns) {
  std::vector<String> statements = {
      ViewCountSql, LoginTeacherSql, SchoolInfoSql, AllClassesSql, TeacherClassesSql, UptoNutricsSql, ExamNutricsSql,
      ClassStudentsSql, ClassStudentListSql, TeachersSql, ClassOrderSql, TeacherTasksSql, RenameTeacherTasksSql,
      ArchiveExamSql, DeleteExamSql, ArchiveUptoSql, DeleteUptoSql, UptoItemsSql, ExamItemsSql, TechItemsSql, TermsSql,
      UptoStandardsSql, ExamStandardsSql, UptoPrintItemsSql, ExamPrintItemsSql, UptoItemsByNumberSql, ClearUptoCardSql,
      ClearExamCardSql, ExemptStudentsSql, UntestedStudentsSql, ClassSumsSql, GradeSumsSql, SchoolSumsSql,
      ExamCardPrintSql, DutySearchSql, UptoCardPrintSql("a.U11,a.F_U11,a.U21,a.F_U21,")};
  for (const String family : StandardFamilies) {
    for (String (*make)(const String&) : {StandardRowSql, GradeItemsSql, ResultsToAppendSql, StudentResultsSql,
                                          ResultsByProcSql})
      statements.push_back(make(family));
    for (const char* results : {"Process", "History"})
      statements.push_back(HistorySearchSql("Tb_" + family + results, "Tb_" + family + "Prog"));
  }
  for (const char* table : RenumberedStudentTables) statements.push_back(RenumberStudentRowsSql(table));
  for (const char* table : StudentTables) statements.push_back(DeleteStudentRowsSql(table));
  for (const char* table : TeacherTables) statements.push_back(DeleteTeacherRowsSql(table));
  for (const String& sql : statements) EXPECT_NO_THROW(FDb->Rows(sql)) << sql;
}

TEST_F(SchoolCopy, StatementsFindRowsWhateverTheCaseOfTheirText) {
  // Promotion archives by student number: the rows arrive in the history with their values.
  FDb->Exec("Insert into Tb_UptoHistory (Fd_StuNo,Fd_TestDate,Fd_ProgNo,Fd_Grade,Fd_Achieve,Fd_FenVal) select "
            "Fd_StuNo,Fd_TestDate,Fd_ProgNo,Fd_Grade,Fd_Achieve,Fd_FenVal from Tb_UptoProcess Where Fd_StuNo=3");
  EXPECT_EQ(FDb->Rows("select Fd_StuNo, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal from Tb_UptoHistory"),
            (std::vector<Row>{{"3", "u31", "高二", "2.3", "80"}}));
  // The item number was typed in lower case; the join with the item table still finds the item.
  EXPECT_EQ(FDb->Value("select b.Fd_ProgName from Tb_UptoHistory a,Tb_UptoProg b where a.Fd_ProgNo = b.Fd_ProgNo"),
            "立定跳远");
  EXPECT_EQ(FDb->Value("select count(*) from Tb_Students where Fd_Class='高一一' and Fd_FreeSign=false"), "1");
}
