// The data module: connecting to a database file, the log-in check with its messages and what a
// log-in loads (user, school, classes, item units), the list-filling routines, and the students
// query giving up a row it cannot post.
#include <filesystem>
#include <set>

#include "AppTestKit.h"
#include "rtl/StringList.h"

namespace {

class DataModuleTest : public TAppTest {
 protected:
  void SetUp() override {
    TAppTest::SetUp();
    AddSchool(Db);
    Module = MakeDataModule(Db.Path());
    ASSERT_TRUE(Module->Connected());
  }

  std::vector<String> ClassNames() const {
    std::vector<String> names;
    for (int i = 0; i < LogUserInfo->ClassList->Count(); ++i) {
      const auto* info = dynamic_cast<TGradeInfo*>(LogUserInfo->ClassList->Objects(i));
      names.push_back(LogUserInfo->ClassList->Strings(i) + "/" + info->Class + "/" + info->Grade);
    }
    return names;
  }

  DataFixture Db{DataFixture::Default};
  TdmGym* Module = nullptr;
};

TEST_F(DataModuleTest, CreationMakesTheUserAndTheItemListAndConnectsWithoutAMessage) {
  EXPECT_EQ(dmGym, Module);
  ASSERT_NE(LogUserInfo, nullptr);
  ASSERT_NE(NutricList, nullptr);
  EXPECT_EQ(LogUserInfo->Rights, -1);
  EXPECT_EQ(NutricList->Count(), 0);
  EXPECT_EQ(Module->adcConnect->DatabaseFile(), Db.Path());
  EXPECT_TRUE(MessageBoxes().Shown.empty());
}

struct TLoginCase {
  const char* LogID;
  const char* Password;
  const char* Error;
};

// Typed names are bound as parameters: quotes and SQL in the name find nobody.
TEST_F(DataModuleTest, LogInAnswersThePartsMessagesAndAFailedOneChangesNothing) {
  const TLoginCase cases[] = {
      {"admin", "QUORIN", "密码不正确。"},
      {"admin", "quorin ", "密码不正确。"},
      {"admin", "' or '1'='1", "密码不正确。"},
      {"nobody", "quorin", "用户[nobody]不存在。"},
      {"", "quorin", "用户[]不存在。"},
      {"'", "quorin", "用户[']不存在。"},
      {"' or '1'='1", "quorin", "用户[' or '1'='1]不存在。"},
      {"admin'--", "quorin", "用户[admin'--]不存在。"},
      {"x' union select 'x','pw','黑客',1,'男','','','' --", "pw",
       "用户[x' union select 'x','pw','黑客',1,'男','','','' --]不存在。"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Module->Login(c.LogID, c.Password), c.Error) << c.LogID;
    EXPECT_EQ(LogUserInfo->Rights, -1);
    EXPECT_EQ(LogUserInfo->LogID, "");
  }
  EXPECT_FALSE(Module->adqLogin->Active());
}

TEST_F(DataModuleTest, TheAdministratorLogsOnWithAnyCaseOfTheNameAndWorksWithEveryClassInOrder) {
  EXPECT_EQ(Module->Login("ADMIN", "quorin"), "");
  EXPECT_EQ(LogUserInfo->LogID, "ADMIN");  // as typed
  EXPECT_EQ(LogUserInfo->Name, "管理员");
  EXPECT_EQ(LogUserInfo->Rights, 1);
  EXPECT_EQ(LogUserInfo->SchoolName, "第一中学");
  EXPECT_EQ(LogUserInfo->Manager, "王主任");
  EXPECT_EQ(LogUserInfo->Flags, 0);
  EXPECT_EQ(ClassNames(), (std::vector<String>{"高一(1)班/高一(1)班/高一", "高一(2)班/高一(2)班/高一",
                                               "高二(1)班/高二(1)班/高二"}));
  EXPECT_FALSE(Module->adqLogin->Active());
}

TEST_F(DataModuleTest, ATeacherWorksWithTheAssignedClassesAndALaterLogOnStartsAfresh) {
  ASSERT_EQ(Module->Login("zhang", "Abc1"), "");
  EXPECT_EQ(LogUserInfo->Rights, 0);
  EXPECT_EQ(ClassNames().size(), 2u);
  ASSERT_EQ(Module->Login("admin", "quorin"), "");
  EXPECT_EQ(ClassNames().size(), 3u);
  // A teacher without classes keeps the list as it was, with the flag saying there are none.
  ASSERT_EQ(Module->Login("li", "pw"), "");
  EXPECT_EQ(LogUserInfo->Flags, lfNoClasses);
  EXPECT_EQ(LogUserInfo->Name, "李老师");
  EXPECT_EQ(ClassNames().size(), 3u);
  ASSERT_EQ(Module->Login("zhang", "Abc1"), "");
  EXPECT_EQ(LogUserInfo->Flags, 0);
  const std::vector<String> names = ClassNames();
  EXPECT_EQ(std::set<String>(names.begin(), names.end()),
            (std::set<String>{"高二(1)班/高二(1)班/高二", "高一(2)班/高一(2)班/高一"}));
}

TEST_F(DataModuleTest, AMissingSchoolRowIsFlaggedAndTheLogOnSucceeds) {
  Db.Connection()->Execute("DELETE FROM Tb_SchoolInfo");
  ASSERT_EQ(Module->Login("admin", "quorin"), "");
  EXPECT_EQ(LogUserInfo->Flags, lfNoSchoolInfo);
  EXPECT_EQ(LogUserInfo->SchoolName, "");
}

TEST_F(DataModuleTest, TheItemUnitsListTheFitnessItemsFirstAndKeepBothOfADuplicateNumber) {
  Db.Connection()->Execute(
      "INSERT INTO Tb_ExamProg (Fd_ProgNo, Fd_ProgName, Fd_Nutric, Fd_FenField) VALUES ('U21', '重号', '米', 'F_X')");
  Module->LoadNutricList();
  const int upto = std::stoi(Db.Value("SELECT count(*) FROM Tb_UptoProg"));
  const int exam = std::stoi(Db.Value("SELECT count(*) FROM Tb_ExamProg"));
  ASSERT_EQ(NutricList->Count(), upto + exam);
  EXPECT_EQ(NutricList->Strings(0), "U11");
  EXPECT_EQ(NutricList->Strings(upto), "E01");
  const int first = NutricList->IndexOf("U21");
  EXPECT_LT(first, upto);
  EXPECT_EQ(dynamic_cast<TBasicNutric*>(NutricList->Objects(first))->Nutric, "秒");
  EXPECT_EQ(dynamic_cast<TBasicNutric*>(NutricList->Objects(NutricList->Count() - 1))->Nutric, "米");
  Module->LoadNutricList();  // rebuilt, not appended
  EXPECT_EQ(NutricList->Count(), upto + exam);
}

TEST_F(DataModuleTest, ListsFillFromTheTablesAndAnEmptyTableKeepsWhatTheyHeld) {
  TStringList grades;
  Module->FillGradeList(&grades);
  EXPECT_EQ(grades.Text(), "高一\r\n高二\r\n高三\r\n");
  TStringList classes;
  Module->FillClassList(&classes);
  EXPECT_EQ(classes.Text(), "高一(2)班\r\n高二(1)班\r\n高一(1)班\r\n");  // table order
  TStringList withGrades;
  withGrades.Add("旧班");
  Module->FillClassGradeList(&withGrades);
  Module->FillClassGradeList(&withGrades);  // the objects of the replaced lines are freed
  ASSERT_EQ(withGrades.Count(), 3);
  EXPECT_EQ(dynamic_cast<TGradeInfo*>(withGrades.Objects(1))->Grade, "高二");
  FreeClassGradeList(&withGrades);
  EXPECT_EQ(withGrades.Count(), 0);
  EXPECT_FALSE(Module->adtClass->Active());

  Db.Connection()->Execute("DELETE FROM Tb_Classes; DELETE FROM Tb_Grade");
  Module->FillGradeList(&grades);
  Module->FillClassList(&classes);
  EXPECT_EQ(grades.Count(), 3);
  EXPECT_EQ(classes.Count(), 3);
}

TEST_F(DataModuleTest, TheGradeOfAClassIsFoundByItsExactName) {
  EXPECT_EQ(Module->GetClassGrade("高二(1)班"), "高二");
  EXPECT_EQ(Module->GetClassGrade("高三(9)班"), "");
  EXPECT_TRUE(Module->adtClass->Active());
}

TEST_F(DataModuleTest, AStudentRowThatCannotBePostedIsGivenUpAndTheErrorGoesOn) {
  Db.Connection()->Execute("INSERT INTO Tb_Students (Fd_StuNo, Fd_Name, Fd_Class) VALUES (101, '甲', '高一(1)班')");
  Module->adqStudents->Open();
  Module->adqStudents->Append();
  Module->adqStudents->FieldByName("Fd_StuNo")->SetAsInteger(101);
  Module->adqStudents->FieldByName("Fd_Name")->SetAsString("重复");
  EXPECT_THROW(Module->adqStudents->Post(), EDatabaseError);
  EXPECT_EQ(Module->adqStudents->State(), dsBrowse);
  EXPECT_EQ(Module->adqStudents->RecordCount(), 1);
}

TEST_F(DataModuleTest, AFileThatCannotBeOpenedLeavesTheModuleUnconnectedAndCreatesNothing) {
  const std::string missing = Db.Dir().File("missing.db");
  const std::string noView = ChangedDatabase(Db, "noview.db", "DROP VIEW Vw_Students");
  for (const std::string& path :
       {missing, NotADatabase(Db), Db.Dir().Path().string(), ForeignDatabase(Db), DamagedDatabase(Db), noView}) {
    EXPECT_EQ(Module->ConnectDatabase(path, DatabaseUser, DatabasePassword), "无法连接数据库，请设置数据库。");
    EXPECT_FALSE(Module->Connected());
    EXPECT_EQ(Module->Login("admin", "quorin"), "数据库连接未初始化。");
  }
  EXPECT_FALSE(std::filesystem::exists(missing));
  try {
    OpenSystemDatabase(*Module->adcConnect, noView, DatabaseUser, DatabasePassword);
    ADD_FAILURE() << "a database without a view opened";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "“" + noView + "”不是本系统的数据库（缺少视图 Vw_Students）。");
  }
  EXPECT_EQ(Module->ConnectDatabase(Db.Path(), DatabaseUser, DatabasePassword), "");
  EXPECT_EQ(Module->Login("admin", "quorin"), "");
}

TEST_F(DataModuleTest, AFileWhosePathHoldsTheConnectionStringsSeparatorConnects) {
  std::filesystem::create_directory(Db.Dir().Path() / "体育;2024");
  const std::string path = Db.Dir().File("体育;2024/成绩 'a'=1.db");
  std::filesystem::copy_file(Db.Path(), path);
  EXPECT_EQ(Module->ConnectDatabase(path, DatabaseUser, DatabasePassword), "");
  EXPECT_EQ(Module->adcConnect->DatabaseFile(), path);
  EXPECT_EQ(Module->Login("admin", "quorin"), "");
}

// Another program reading the file refuses the rebuild's commit; nothing of it may stay open, or
// every later rebuild would only nest in it and never reach the file.
TEST_F(DataModuleTest, ARebuildWhoseCommitIsRefusedLeavesNoTransactionAndTheNextReachesTheFile) {
  TComponentPtr<TADOConnection> other = MakeComponent<TADOConnection>();
  other->SetConnectionString(DatabaseConnectionString(Db.Path(), DatabaseUser, DatabasePassword));
  other->Open();
  other->BeginTrans();
  other->Execute("select count(*) from Tb_Grade");  // its read lock lasts until its transaction ends
  Module->adcConnect->SetCommandTimeout(1);
  const auto addGrade = [&](const char* Grade) {
    Module->RebuildInTransaction([&] { Module->adcConnect->Execute("insert into Tb_Grade values ('" + String(Grade) + "')"); });
  };
  EXPECT_THROW(addGrade("高四"), EDatabaseError);
  EXPECT_FALSE(Module->adcConnect->InTransaction());
  other->RollbackTrans();
  addGrade("高五");
  EXPECT_EQ(Db.Value("select group_concat(Fd_Grade) from Tb_Grade where Fd_Grade in ('高四', '高五')"), "高五");
}

using DataModuleStartTest = TAppTest;

TEST_F(DataModuleStartTest, WithoutADatabaseCreationShowsTheMessageOnceAndTheModuleIsMade) {
  TempDir dir;
  TdmGym* module = MakeDataModule(dir.File("none.db"));
  ASSERT_NE(module, nullptr);
  EXPECT_FALSE(module->Connected());
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
  EXPECT_EQ(MessageBoxes().Shown[0].Text, "无法连接数据库，请设置数据库。");
  EXPECT_NE(LogUserInfo, nullptr);
  EXPECT_FALSE(std::filesystem::exists(dir.File("none.db")));
  module->Free();
  EXPECT_EQ(dmGym, nullptr);
  EXPECT_EQ(LogUserInfo, nullptr);
  EXPECT_EQ(NutricList, nullptr);
}

}  // namespace
