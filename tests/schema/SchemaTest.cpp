// The default database the build makes: every table and view the program names, the declared
// types and collations the data-access layer reads, the views' contents, and every statement the
// program composes running against it.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>

#include "schema/TestDatabase.h"
#include "support/TempDir.h"

namespace {

const char* const kTables[] = {
    "Tb_Classes",     "Tb_ClassesSum",  "Tb_CountPoint", "Tb_Duty",        "Tb_DutyProcess", "Tb_ExamCard",
    "Tb_ExamHistory", "Tb_ExamProcess", "Tb_ExamProg",   "Tb_ExamStarnd",  "Tb_FreeStudent", "Tb_Grade",
    "Tb_GradeSum",    "Tb_SchoolInfo",  "Tb_SchoolSum",  "Tb_Students",    "Tb_Teachers",    "Tb_TeacherTask",
    "Tb_TechProg",    "Tb_TermType",    "Tb_UptoCard",   "Tb_UptoHistory", "Tb_UptoProcess", "Tb_UptoProg",
    "Tb_UptoStarnd"};
const char* const kViews[] = {"Vw_ExamProcess", "Vw_Students", "Vw_UptoCard"};

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
  EXPECT_EQ(ObjectsOfType(db, "table"), std::set<std::string>(std::begin(kTables), std::end(kTables)));
  EXPECT_EQ(ObjectsOfType(db, "view"), std::set<std::string>(std::begin(kViews), std::end(kViews)));
  for (const char* view : kViews) EXPECT_NO_THROW(db.Rows(std::string("select * from ") + view)) << view;
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
  for (const char* table : kTables)
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

// Each statement as the program composes it, with sample values where it concatenates them.
TEST_F(SchoolCopy, EveryStatementOfTheProgramRuns) {
  const char* const statements[] = {
      // log-in and the data module
      "select * from Tb_Teachers where Fd_LogID='admin'",
      "select Fd_SchoolName,Fd_Manager from Tb_SchoolInfo",
      "select * from Tb_Classes order by Fd_OrderNo",
      "select a.*,b.Fd_Grade from Tb_TeacherTask a,Tb_Classes b\nwhere a.Fd_Classes = b.Fd_Class and a.Fd_LogID='admin'",
      "select Fd_ProgNo,Fd_Nutric from Tb_UptoProg",
      "select Fd_ProgNo,Fd_Nutric from Tb_ExamProg",
      "select * from Tb_Students",
      // tables opened by name
      "select * from Tb_Grade", "select * from Tb_Duty", "select * from Tb_TermType", "select * from Tb_CountPoint",
      "select * from Tb_FreeStudent", "select * from Tb_DutyProcess", "select * from Vw_ExamProcess",
      // main window
      "select * from Tb_Students where Fd_Class=:AClass order by Fd_StuNo",
      "select * from Tb_Teachers",
      "select a.*,b.Fd_ProgName,b.Fd_Nutric,b.Fd_ProgType from Tb_UptoStarnd a,Tb_Uptoprog b where a.Fd_ProgID = "
      "b.Fd_ProgNo and a.Fd_Sex=:ASex and a.Fd_Grade =:AGrade",
      "select a.*,b.Fd_ProgName,b.Fd_Nutric from Tb_ExamStarnd a,Tb_ExamProg b where a.Fd_ProgID = b.Fd_ProgNo and "
      "a.Fd_Sex=:ASex and a.Fd_Grade =:AGrade",
      // classes, promotion, teachers
      "select Fd_OrderNo,Fd_Class from Tb_Classes order by Fd_OrderNo",
      "select * from Tb_Students where Fd_Class='高一一'",
      "Insert into Tb_ExamHistory (Fd_StuNo,Fd_TestPart, Fd_TestDate,Fd_TermType,Fd_ProgNo,Fd_Grade,Fd_Achieve,"
      "Fd_FenVal)\nselect Fd_StuNo,Fd_TestPart, Fd_TestDate,Fd_TermType,Fd_ProgNo,Fd_Grade,Fd_Achieve,Fd_FenVal from "
      "Tb_ExamProcess\nWhere Fd_StuNo=3",
      "delete from Tb_ExamProcess \nWhere Fd_StuNo=3",
      "Insert into Tb_UptoHistory (Fd_StuNo,Fd_TestDate,Fd_ProgNo,Fd_Grade,Fd_Achieve,Fd_FenVal)\nselect "
      "Fd_StuNo,Fd_TestDate,Fd_ProgNo,Fd_Grade,Fd_Achieve,Fd_FenVal from Tb_UptoProcess\nWhere Fd_StuNo=3",
      "delete from Tb_UptoProcess \nWhere Fd_StuNo=3",
      "select * from Tb_TeacherTask where Fd_LogID ='admin'",
      "update Tb_TeacherTask set Fd_LogID=:ANewLogID where Fd_LogID=:AOldLogID",
      "select * from Tb_TeacherTask",
      // scoring and result entry
      "select * from Tb_UptoStarnd \nwhere Fd_Grade=:AGrade and Fd_Sex=:ASex and Fd_ProgID=:AProgID",
      "select * from Tb_ExamStarnd \nwhere Fd_Grade=:AGrade and Fd_Sex=:ASex and Fd_ProgID=:AProgID",
      "select distinct a.Fd_ProgID,b.Fd_ProgName,b.Fd_Nutric \nfrom Tb_UptoStarnd a,Tb_UptoProg b \nwhere "
      "a.Fd_ProgID = b.Fd_ProgNo and a.Fd_Grade=:AGrade",
      "select distinct a.Fd_ProgID,b.Fd_ProgName,b.Fd_Nutric \nfrom Tb_ExamStarnd a,Tb_ExamProg b \nwhere "
      "a.Fd_ProgID = b.Fd_ProgNo and a.Fd_Grade=:AGrade",
      "select * from Tb_Uptoprocess",
      "select * from Tb_Examprocess",
      "select Fd_ProgNo,Fd_ProgName from Tb_TechProg \nwhere Fd_Grade=:AGrade",
      // result correction
      "select a.*,b.Fd_Progname,b.Fd_Nutric from Tb_UptoProcess a,Tb_UptoProg b where a.Fd_ProgNo = b.Fd_ProgNo and "
      "a.Fd_StuNo=:AStuNo",
      "select a.*,b.Fd_Progname,b.Fd_Nutric from Tb_ExamProcess a,Tb_ExamProg b where a.Fd_ProgNo = b.Fd_ProgNo and "
      "a.Fd_StuNo=:AStuNo",
      "select * from Tb_UptoProcess order by Fd_ProcID",
      "select * from Tb_ExamProcess order by Fd_ProcID",
      // cards
      "delete from Tb_UptoCard",
      "select * from Tb_UptoProg order by Fd_ProgNo",
      "select * from Tb_UptoCard",
      "select a.*,b.Fd_FenField,b.Fd_ProgType,b.Fd_Nutric\nfrom Tb_UptoProcess a,Tb_UptoProg b,Tb_Students c\nwhere "
      "a.Fd_ProgNo = b.Fd_ProgNo and a.Fd_StuNo=c.Fd_StuNo and c.Fd_Class='高一一'",
      "delete from Tb_ExamCard",
      "select * from Tb_ExamCard",
      "select Fd_StuNo,avg(Fd_FenVal)as Fd_Avg from Tb_ExamProcess where Fd_TestPart=2 group by Fd_StuNo",
      "select a.Fd_StuNo,avg(Fd_FenVal)as Fd_Avg from Tb_ExamProcess a,Tb_Students b where a.Fd_StuNo=b.Fd_StuNo and "
      "b.Fd_Class='高一一' and a.Fd_TestPart=3 group by a.Fd_StuNo",
      // statistics
      "select a.*,b.Fd_FenField,b.Fd_ProgType,b.Fd_Nutric\nfrom Tb_UptoProcess a,Tb_UptoProg b\nwhere a.Fd_ProgNo = "
      "b.Fd_ProgNo",
      "delete from Tb_ClassesSum", "select * from Tb_ClassesSum",
      "delete from Tb_GradeSum", "select * from Tb_GradeSum",
      "delete from Tb_SchoolSum", "select * from Tb_SchoolSum",
      "select Fd_Class,Count(*) as Fd_Count from Tb_Students group by Fd_Class",
      "select Fd_Class,Count(*) as Fd_Count from Tb_Students where Fd_Sex='男' group by Fd_Class",
      "select Fd_Class,Count(*) as Fd_Count from Tb_Students where Fd_FreeSign=true group by Fd_Class",
      "select Fd_Grade,Count(*) as Fd_Count from Vw_Students where Fd_Sex='男' group by Fd_Grade",
      "select Fd_Grade,Count(*) as Fd_Count from Vw_Students where Fd_FreeSign=true group by Fd_Grade",
      "select Count(*) as Fd_Count from Vw_Students where Fd_FreeSign=true",
      "Select Fd_Class,Count(*)as Fd_Count From Vw_UptoCard where Fd_GernalFen>=420 group by Fd_Class",
      "Select Fd_Grade,Count(*)as Fd_Count From Vw_UptoCard where Fd_GernalFen>=350 and Fd_GernalFen<=415 group by "
      "Fd_Grade",
      "Select Count(*)as Fd_Count From Vw_UptoCard where Fd_GernalFen<250",
      // reports
      "select a.*,b.Fd_Name,b.Fd_Class,b.Fd_Sex from Tb_FreeStudent a,Tb_Students b where a.Fd_StuNo = b.Fd_StuNo",
      "select a.* from Tb_Students a where not Exists(select b.Fd_StuNo from Tb_UptoProcess b where "
      "b.Fd_StuNo=a.Fd_StuNo) and Fd_Class='高一一'",
      "select a.U11,a.F_U11,a.U21,a.F_U21,a.Fd_StuNo,a.Fd_GernalFen,b.Fd_Name from Tb_UptoCard a,Tb_Students b where "
      "a.Fd_StuNo=b.Fd_StuNo",
      "select a.*,b.Fd_Name from Tb_ExamCard a, tb_Students b where a.Fd_StuNo = b.Fd_StuNo",
      // print configuration, terms, item lists
      "select Distinct a.Fd_ProgID,a.Fd_Grade,b.Fd_ProgName,b.Fd_FenField,b.Fd_ProgType from Tb_UptoStarnd "
      "a,Tb_UptoProg b where a.Fd_ProgID=b.Fd_ProgNo ",
      "select Distinct a.Fd_ProgID,a.Fd_Grade,b.Fd_ProgName,b.Fd_FenField from Tb_ExamStarnd a,Tb_ExamProg b where "
      "a.Fd_ProgID=b.Fd_ProgNo ",
      "select * from Tb_TermType order by Fd_TermID",
      "select * from Tb_ExamProg order by Fd_ProgNo",
      "select * from Tb_UptoProg order by Fd_ProgType,Fd_ProgNo",
      // searches and the student filter
      "select a.*,b.Fd_Nutric,b.Fd_ProgName from Tb_UptoHistory a,Tb_UptoProg b where a.Fd_ProgNo = b.Fd_ProgNo and "
      "a.Fd_StuNo=:AStuNo and Fd_Grade=:AGrade and Fd_TestDate>=:AStartDate and Fd_TestDate<=:AEndDate",
      "select a.*,b.Fd_Nutric,b.Fd_ProgName from Tb_ExamProcess a,Tb_ExamProg b where a.Fd_ProgNo = b.Fd_ProgNo and "
      "a.Fd_StuNo=:AStuNo  and Fd_TestDate<=:AEndDate",
      "select * from Tb_DutyProcess where  Fd_StuNo=:AStuNo and Fd_Duty=:ADuty and Fd_TestDate>=:AStartDate and "
      "Fd_TestDate<=:AEndDate",
      "select * from Tb_Students where Fd_Class='高一一' and Fd_Sex='男' and Fd_FreeSign=true",
      "select * from Tb_Students where Fd_Class='高一一' and Fd_FreeSign=false",
      // student and teacher deletion
      "delete from Tb_UptoProcess where Fd_StuNo=1", "delete from Tb_UptoHistory where Fd_StuNo=1",
      "delete from Tb_ExamProcess where Fd_StuNo=1", "delete from Tb_ExamHistory where Fd_StuNo=1",
      "delete from Tb_FreeStudent where Fd_StuNo=1",
  };
  for (const char* sql : statements) EXPECT_NO_THROW(FDb->Rows(sql)) << sql;
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
