// The fixture of the records application's tests: the GUI harness with the application's classes
// registered and titled, a database of its own made from the default one (or none), the settings
// pointing at it, and a school to log on to. Rendered pictures go to the test's build folder.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/data/KvData.h"
#include "app/windows/KvMain.h"
#include "app/Startup.h"
#include "app/windows/Logon.h"
#include "settings/Registry.h"
#include "support/DataFixture.h"
#include "support/GuiHarness.h"
#include "support/ScriptedDialogs.h"

class TAppTest : public TGuiTest {
 protected:
  void SetUp() override {
    TGuiTest::SetUp();
    setenv("QUORIN_TEST_OUTPUT", QUORIN_TEST_PICTURES, 0);
    RegisterAppClasses();
    Application->SetTitle("Quorin");
    TRegistry().DeleteKey("\\Software\\Tolvik");
  }
  void TearDown() override {
    TGuiTest::TearDown();
    TRegistry().DeleteKey("\\Software\\Tolvik");
  }

  // The data module, owned by the application, made on the database the settings name.
  TdmGym* MakeDataModule(const std::string& Path) {
    SetDatabaseFile(Path);
    return TdmGym::Create(Application);
  }

  // Three classes, two teachers besides the administrator (one teaching two classes, one none)
  // and the school.
  static void AddSchool(DataFixture& Db) {
    Db.Connection()->Execute(
        "INSERT INTO Tb_Classes (Fd_Grade, Fd_Class, Fd_OrderNo) VALUES"
        " ('高一', '高一(2)班', 2), ('高二', '高二(1)班', 3), ('高一', '高一(1)班', 1);"
        "INSERT INTO Tb_Teachers (Fd_LogID, Fd_Password, Fd_Name, Fd_Rights, Fd_Sex) VALUES"
        " ('zhang', 'Abc1', '张老师', 0, '女'), ('li', 'pw', '李老师', 0, '男');"
        "INSERT INTO Tb_TeacherTask (Fd_LogID, Fd_Classes) VALUES ('zhang', '高二(1)班'), ('zhang', '高一(2)班');"
        "INSERT INTO Tb_SchoolInfo (Fd_SchoolName, Fd_Manager) VALUES ('第一中学', '王主任');");
  }

  TfmLogon* ShownLogon() const { return dynamic_cast<TfmLogon*>(Screen->ActiveForm()); }

  // Answers the log-on dialog of the main window's first activation, typing as a user would.
  void LogOn(const char* LogID, const char* Password) {
    TestClock().OnWait([=, this] {
      ASSERT_NE(ShownLogon(), nullptr);
      Click(ShownLogon()->edtLogon, {5, 5});
      TypeText(LogID);
      Pump();  // the log-on button is enabled
      PressKey(VK_RETURN);
      TypeText(Password);
      PressKey(VK_RETURN);
    });
    TestClock().OnWait([this] { PressKey(VK_RETURN); });  // on the log-on button
  }

  // Starts the program on the database Path, logs on and runs Scenario in the main window; the
  // window closes afterwards, however Scenario ends.
  void RunLoggedOn(const std::string& Path, const char* LogID, const char* Password,
                   const std::function<void()>& Scenario) {
    SetDatabaseFile(Path);
    StartApplication();
    LogOn(LogID, Password);
    TestClock().OnWait([&] {
      Scenario();
      fmKvMain->Close();
    });
    Application->Run();
  }

  // A copy of the database cut off in the middle of a page.
  static std::string DamagedDatabase(const DataFixture& Db) {
    const std::string path = Db.Dir().File("damaged.db");
    std::filesystem::copy_file(Db.Path(), path);
    std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2 + 1000);
    return path;
  }

  // A database file of one table that is none of the program's.
  static std::string ForeignDatabase(const DataFixture& Db) {
    const std::string path = Db.Dir().File("other.db");
    const std::string script = Db.Dir().File("other.sql");
    std::ofstream(script) << "CREATE TABLE Tb_Other (Fd_X INTEGER);\n";
    BuildDatabase(path, {script});
    return path;
  }

  // A copy of the database changed by Sql ("DROP VIEW Vw_Students"), named Name.
  static std::string ChangedDatabase(const DataFixture& Db, const std::string& Name, const String& Sql) {
    const std::string path = Db.Dir().File(Name);
    std::filesystem::copy_file(Db.Path(), path);
    TComponentPtr<TADOConnection> connection = MakeComponent<TADOConnection>();
    connection->SetConnectionString(DataFixture::ConnectionString(path));
    connection->Open();
    connection->Execute(Sql);
    return path;
  }

  // A file that exists but is no database.
  static std::string NotADatabase(const DataFixture& Db) {
    const std::string path = Db.Dir().File("notes.db");
    std::ofstream(path) << "这不是数据库\n";
    return path;
  }

  // The first line of a message: a warning's sentence, before the reason on the lines after it.
  static String FirstLine(const String& Message) { return Message.substr(0, Message.find('\n')); }

  // The messages the application's exception handler showed.
  std::vector<String> Errors() {
    std::vector<String> texts;
    for (const auto& shown : MessageBoxes().Shown) texts.push_back(shown.Text);
    return texts;
  }

  // Every row of the statement on the connection, each value as its text and "<null>" for an
  // empty one.
  static std::vector<std::vector<String>> QueryRows(TADOConnection* Connection, const String& Sql) {
    TComponentPtr<TADOQuery> query = MakeComponent<TADOQuery>();
    query->SetConnection(Connection);
    query->SQL()->SetText(Sql);
    query->Open();
    std::vector<std::vector<String>> rows;
    for (; !query->Eof(); query->Next()) {
      std::vector<String> row;
      for (int i = 0; i < query->FieldCount(); ++i) {
        TField* field = query->Fields()[i];
        row.push_back(field->IsNull() ? String("<null>") : field->AsString());
      }
      rows.push_back(row);
    }
    return rows;
  }

  // The texts of the message dialogs shown through the dialog service.
  static std::vector<String> MessageTexts(const TScriptedDialogs& Dialogs) {
    std::vector<String> texts;
    for (const auto& m : Dialogs.Messages) texts.push_back(m.Msg);
    return texts;
  }
};
