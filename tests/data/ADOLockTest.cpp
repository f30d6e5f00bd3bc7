// Another program holding locks on the file: a refused commit or batch leaves nothing open and a
// retry reaches the file, a locked file says it is busy, and a statement that never ends is
// stopped at the time limit.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>

#include "MarksFile.h"
#include "data/ADODB.h"
#include "support/TempDir.h"

namespace {

// A second connection to the file, as another program would hold one.
class OtherProgram {
 public:
  explicit OtherProgram(const std::string& path) { sqlite3_open_v2(path.c_str(), &FDb, SQLITE_OPEN_READWRITE, nullptr); }
  ~OtherProgram() { sqlite3_close(FDb); }
  OtherProgram(const OtherProgram&) = delete;
  OtherProgram& operator=(const OtherProgram&) = delete;

  // A read lock stays until the transaction that read ends: nobody can commit meanwhile.
  void HoldReadLock() { Exec("BEGIN; SELECT count(*) FROM Marks"); }
  // Nobody can even read meanwhile.
  void HoldWriteLock() { Exec("BEGIN EXCLUSIVE"); }
  void LetGo() { Exec("COMMIT"); }
  // One value, as text, of what the file holds.
  std::string Value(const char* sql) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(FDb, sql, -1, &statement, nullptr);
    std::string value = "<error>";
    if (sqlite3_step(statement) == SQLITE_ROW)
      value = sqlite3_column_text(statement, 0) ? reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)) : "<null>";
    sqlite3_finalize(statement);
    return value;
  }

 private:
  void Exec(const char* sql) { ASSERT_EQ(sqlite3_exec(FDb, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(FDb); }
  sqlite3* FDb = nullptr;
};

// The message of the error Action raises; "<no error>" when it raises none.
std::string ErrorOf(const std::function<void()>& Action) {
  try {
    Action();
  } catch (const EDatabaseError& e) {
    return e.Message();
  }
  return "<no error>";
}

// The first line of an error: the sentence before the statement it names.
std::string Reason(const std::string& Message) { return Message.substr(0, Message.find('\n')); }

const std::string Busy = "数据库正忙（database is locked），请稍后再试。";

class ADOLockTest : public testing::Test {
 protected:
  ADOLockTest() {
    Connection->SetConnectionString("Data Source=" + Path);
    Connection->SetCommandTimeout(1);  // waits for locks for a second at most
    Connection->Open();
  }
  template <class T>
  TComponentPtr<T> DataSet() {
    TComponentPtr<T> dataSet = MakeComponent<T>();
    dataSet->SetConnection(Connection.get());
    return dataSet;
  }
  std::string Names() { return Other.Value("select group_concat(Name || ifnull(Score, ''), ',') from Marks"); }

  TempDir Dir;
  std::string Path = MarksFile(Dir.File("marks.db"));
  TComponentPtr<TADOConnection> Connection = MakeComponent<TADOConnection>();
  OtherProgram Other{Path};
};

TEST_F(ADOLockTest, ARefusedCommitRollsBackAndTheNextTransactionReachesTheFile) {
  Connection->BeginTrans();
  Connection->Execute("insert into Marks (Name) values ('丁')");
  Other.HoldReadLock();
  const std::string error = ErrorOf([&] { Connection->CommitTrans(); });
  EXPECT_EQ(Reason(error), Busy);
  EXPECT_NE(error.find("撤销"), std::string::npos) << error;
  EXPECT_FALSE(Connection->InTransaction());
  Other.LetGo();
  EXPECT_EQ(Names(), "甲81.5,乙67.0,丙");

  EXPECT_EQ(Connection->BeginTrans(), 1);
  Connection->Execute("insert into Marks (Name) values ('戊')");
  Connection->CommitTrans();
  EXPECT_EQ(Names(), "甲81.5,乙67.0,丙,戊");
}

TEST_F(ADOLockTest, ARefusedBatchWritesNothingKeepsItsChangesAndARetryWritesThemAll) {
  auto marks = DataSet<TADOTable>();
  marks->SetTableName("Marks");
  marks->SetLockType(ltBatchOptimistic);
  marks->Open();
  marks->Edit();
  marks->FieldByName("Score")->SetAsFloat(90);
  marks->Post();
  marks->Next();
  marks->Delete();
  marks->AppendRecord({Variant::Null(), "丁", 59});
  Other.HoldReadLock();
  EXPECT_EQ(Reason(ErrorOf([&] { marks->UpdateBatch(); })), Busy);
  Other.LetGo();
  EXPECT_EQ(Names(), "甲81.5,乙67.0,丙");
  EXPECT_EQ(marks->UpdateStatus(), usInserted);

  marks->UpdateBatch();
  EXPECT_EQ(Names(), "甲90.0,丙,丁59.0");
  EXPECT_EQ(marks->FieldByName("Id")->AsInteger(), 4);
}

TEST_F(ADOLockTest, ALockedFileSaysItIsBusyAndReadsOnceTheLockIsGone) {
  Other.HoldWriteLock();
  TComponentPtr<TADOConnection> late = MakeComponent<TADOConnection>();
  late->SetConnectionString("Data Source=" + Path);
  late->SetCommandTimeout(1);
  EXPECT_EQ(ErrorOf([&] { late->Open(); }), "无法打开数据库文件“" + Path + "”：" + Busy);
  auto marks = DataSet<TADOTable>();
  marks->SetTableName("Marks");
  EXPECT_EQ(Reason(ErrorOf([&] { marks->Open(); })), Busy);
  Other.LetGo();
  marks->Open();  // the table's description was not kept from the failed attempt
  EXPECT_EQ(marks->FieldCount(), 3);
  EXPECT_EQ(marks->RecordCount(), 3);
  late->Open();
  EXPECT_TRUE(late->Connected());
}

TEST_F(ADOLockTest, AStatementRunningPastTheLimitIsStoppedAndTheConnectionGoesOn) {
  Connection->Execute(
      "create view Endless as with recursive n(i) as (select 1 union all select i + 1 from n) select i from n;"
      "create view EndlessCount as select count(*) as Total from Endless");
  // One step that never ends, and rows that never end.
  for (const char* sql : {"select * from EndlessCount", "select * from Endless"}) {
    auto query = DataSet<TADOQuery>();
    query->SQL()->SetText(sql);
    const auto readAll = [&] {
      query->Open();
      query->Last();
    };
    EXPECT_EQ(Reason(ErrorOf(readAll)), "数据库语句运行超过 1 秒，已被中止。") << sql;
  }
  EXPECT_THROW(Connection->Execute("insert into Marks (Name) select 'x' from EndlessCount"), EDatabaseError);
  EXPECT_EQ(Connection->Execute("update Marks set Score = 60 where Score is null"), 1);
  EXPECT_EQ(Names(), "甲81.5,乙67.0,丙60.0");
}

}  // namespace
