// Which files a connection opens: an existing, undamaged SQLite file with whatever tables it has,
// named in the connection string quoted or not.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "MarksFile.h"
#include "data/ADODB.h"
#include "rtl/StringList.h"
#include "support/TempDir.h"

namespace {

TComponentPtr<TADOConnection> Connection(const std::string& connectionString) {
  TComponentPtr<TADOConnection> connection = MakeComponent<TADOConnection>();
  connection->SetConnectionString(connectionString);
  return connection;
}

TEST(ADOConnectionTest, OnlyAnExistingUndamagedDatabaseFileOpens) {
  TempDir dir;
  const std::string missing = dir.File("missing.db");
  const std::string text = dir.File("notes.db");
  const std::string damaged = dir.File("damaged.db");
  std::ofstream(text) << "just some text, long enough to look like a header of something";
  std::filesystem::copy_file(QUORIN_DATABASE_FILE, damaged);
  std::filesystem::resize_file(damaged, std::filesystem::file_size(damaged) / 2 + 1000);  // within a page
  const std::pair<std::string, const char*> cases[] = {
      {missing, "不存在"}, {text, "不是数据库"}, {dir.Path().string(), "不存在"}, {damaged, "数据库已损坏"}};
  for (const auto& [path, message] : cases) {
    TComponentPtr<TADOConnection> connection = Connection("Data Source=" + path);
    try {
      connection->Open();
      ADD_FAILURE() << path << " opened";
    } catch (const EDatabaseError& e) {
      EXPECT_NE(e.Message().find(path), std::string::npos) << e.Message();
      EXPECT_NE(e.Message().find(message), std::string::npos) << e.Message();
    }
    EXPECT_FALSE(connection->Connected());
  }
  EXPECT_FALSE(std::filesystem::exists(missing));
  EXPECT_THROW(Connection("Provider=Microsoft.Jet.OLEDB.4.0")->Open(), EDatabaseError);
}

// The file of a grid's or a report's test: one table of its own, in a folder whose name holds
// the connection string's separator.
TEST(ADOConnectionTest, AFileOfItsOwnTableServesQueriesAndTables) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path() / "成绩;2024");
  const std::string path = dir.File("成绩;2024/marks.db");
  MakeMarksFile(path);
  TComponentPtr<TADOConnection> connection =
      Connection("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + QuotedConnectionValue(path) + ";User ID=admin");
  TStringList tables;
  connection->GetTableNames(&tables);
  ASSERT_EQ(tables.Count(), 1);
  EXPECT_EQ(tables[0], "Marks");

  TComponentPtr<TADOTable> marks = MakeComponent<TADOTable>();
  marks->SetConnection(connection.get());
  marks->SetTableName("marks");
  marks->Open();
  EXPECT_EQ(marks->RecordCount(), 3);
  ASSERT_TRUE(marks->Locate("Name", Variant("丙")));
  marks->Edit();
  marks->FieldByName("Score")->SetAsFloat(70);
  marks->Post();
  marks->AppendRecord({Variant::Null(), "丁", 59});

  TComponentPtr<TADOQuery> passed = MakeComponent<TADOQuery>();
  passed->SetConnection(connection.get());
  passed->SQL()->SetText("select group_concat(Name, ',') as Names from (select Name from Marks where Score >= :Pass order by Score)");
  passed->Parameters().ParamByName("Pass").SetValue(60);
  passed->Open();
  EXPECT_EQ(passed->FieldByName("Names")->AsString(), "乙,丙,甲");
}

TEST(ADOConnectionTest, TheFileNameIsReadFromTheConnectionStringQuotedOrNot) {
  const std::pair<std::string, std::string> cases[] = {
      {"Data Source=/data/a.db", "/data/a.db"},
      {"Provider=P; data source = /data/a b.db ;User ID=admin", "/data/a b.db"},
      {"Provider=P;Data Source=\"/data/a;b.db\";User ID=admin", "/data/a;b.db"},
      {"Data Source='/data/it''s;1.db';Persist Security Info=False", "/data/it's;1.db"},
      {"Data Source=\"say \"\"hi\"\".db\"", "say \"hi\".db"},
      {"Data Source=" + QuotedConnectionValue("/x/\"q\";'s'=1.db") + ";User ID=x", "/x/\"q\";'s'=1.db"},
      {"Provider=P;;Data Source=/data/a.db", "/data/a.db"},
      {"Provider=P;User ID=admin", ""},
      {"Data Source=\"\";Provider=P", ""},
  };
  for (const auto& [text, file] : cases) EXPECT_EQ(Connection(text)->DatabaseFile(), file) << text;
}

}  // namespace
