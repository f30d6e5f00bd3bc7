// The log-on, database and password dialogs, driven as a user would through injected input:
// each failed attempt gives its message and keeps the dialog open, a good one closes it with OK.
#include <filesystem>
#include <fstream>

#include "AppTestKit.h"
#include "app/windows/ChgPwd.h"
#include "app/windows/Logon.h"
#include "app/windows/SetDatabase.h"

namespace {

class LogonDialogsTest : public TAppTest {
 protected:
  void SetUp() override {
    TAppTest::SetUp();
    AddSchool(Db);
    Module = MakeDataModule(Db.Path());
  }

  template <class T>
  T* Child(TComponent* Owner, const char* Name) {
    return dynamic_cast<T*>(Owner->FindComponent(Name));
  }
  // A log-on typed as a user does it: Enter in each box moves on, from the password box to the
  // log-on button (enabled once the typed name has been seen), which the next Enter presses.
  void TypeLogOn(const char* LogID, const char* Password) {
    TypeText(LogID);
    Pump();
    PressKey(VK_RETURN);
    TypeText(Password);
    PressKey(VK_RETURN);
  }
  DataFixture Db{DataFixture::Default};
  TdmGym* Module = nullptr;
  TScriptedDialogsScope Dialogs;
};

TEST_F(LogonDialogsTest, TheLogOnButtonWaitsForALogInName) {
  TComponentPtr<TfmLogon> logon(TCustomForm::Create<TfmLogon>(Application));
  logon->Show();
  Pump();
  EXPECT_EQ(logon->ActiveControl(), logon->edtLogon);
  EXPECT_FALSE(logon->actLogin->Enabled());
  EXPECT_TRUE(logon->actSetDatabase->Enabled());
  PressKey(VK_TAB);
  TypeText("quorin");
  Pump();
  EXPECT_FALSE(logon->actLogin->Enabled());
  EXPECT_EQ(logon->edtPassword->Text(), "quorin");
  logon->edtLogon->SetFocus();
  TypeText("a");
  Pump();
  EXPECT_TRUE(logon->actLogin->Enabled());
  EXPECT_TRUE(Errors().empty());
}

// Enter in either box moves on, also while the default button 登录 could take it.
TEST_F(LogonDialogsTest, EnterInTheBoxesMovesTheFocusOnAndLogsNobodyOn) {
  TComponentPtr<TfmLogon> logon(TCustomForm::Create<TfmLogon>(Application));
  auto* login = Child<TButton>(logon.get(), "btnLogin");
  TestClock().OnWait([&] {
    TypeText("admin");
    Pump();
    ASSERT_TRUE(logon->actLogin->Enabled());
    PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(logon->ActiveControl(), logon->edtPassword);
    TypeText("quorin");
    PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(logon->ActiveControl(), login);
    EXPECT_EQ(LogUserInfo->Rights, -1);
    EXPECT_EQ(logon->edtLogon->Text(), "admin");
    EXPECT_EQ(logon->edtPassword->Text(), "quorin");
    PressKey(VK_RETURN);  // on the log-on button
  });
  EXPECT_EQ(logon->ShowModal(), mrOk);
  EXPECT_EQ(LogUserInfo->Name, "管理员");
  EXPECT_TRUE(Errors().empty());
}

struct TFailedLogon {
  const char* LogID;
  const char* Password;
  const char* Message;
};

TEST_F(LogonDialogsTest, EachFailedLogOnGivesItsMessageAndKeepsTheDialogOpenWithWhatWasTyped) {
  const TFailedLogon cases[] = {
      {"admin", "wrong", "密码不正确。"},
      {"admin", "QUORIN", "密码不正确。"},
      {"nobody", "quorin", "用户[nobody]不存在。"},
      {"'", "quorin", "用户[']不存在。"},
      {"' or '1'='1", "quorin", "用户[' or '1'='1]不存在。"},
  };
  for (const auto& c : cases) {
    TComponentPtr<TfmLogon> logon(TCustomForm::Create<TfmLogon>(Application));
    TestClock().OnWait([&] { TypeLogOn(c.LogID, c.Password); });
    TestClock().OnWait([&] { PressKey(VK_RETURN); });
    TestClock().OnWait([&] {
      EXPECT_TRUE(logon->Visible());
      EXPECT_EQ(logon->edtLogon->Text(), c.LogID);
      EXPECT_EQ(logon->edtPassword->Text(), c.Password);
      if (String(c.LogID) == "nobody") RenderWindowToPng(logon->Handle(), "logon.png");
      PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(logon->ShowModal(), mrCancel) << c.LogID;
    ASSERT_FALSE(Errors().empty());
    EXPECT_EQ(Errors().back(), c.Message);
    EXPECT_EQ(LogUserInfo->Rights, -1);
  }
  EXPECT_EQ(Errors().size(), std::size(cases));
}

TEST_F(LogonDialogsTest, TheAdministratorLogsOnAndTheItemUnitsAreLoaded) {
  TComponentPtr<TfmLogon> logon(TCustomForm::Create<TfmLogon>(Application));
  TestClock().OnWait([&] { TypeLogOn("admin", "quorin"); });
  TestClock().OnWait([&] { PressKey(VK_RETURN); });
  EXPECT_EQ(logon->ShowModal(), mrOk);
  EXPECT_EQ(LogUserInfo->Name, "管理员");
  EXPECT_GT(NutricList->Count(), 0);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(LogonDialogsTest, WithoutAConnectionLogOnSaysSo) {
  ASSERT_FALSE(Module->ConnectDatabase(Db.Dir().File("gone.db"), DatabaseUser, DatabasePassword).empty());
  TComponentPtr<TfmLogon> logon(TCustomForm::Create<TfmLogon>(Application));
  TestClock().OnWait([&] { TypeLogOn("admin", "quorin"); });
  TestClock().OnWait([&] { PressKey(VK_RETURN); });
  TestClock().OnWait([&] { Click(Child<TButton>(logon.get(), "btnCancel"), {5, 5}); });
  EXPECT_EQ(logon->ShowModal(), mrCancel);
  EXPECT_EQ(Errors(), (std::vector<String>{"数据库连接未初始化。"}));
}

// The database command of the log-on dialog: the file chosen in the database dialog is stored
// and connected, and the log-on goes on in the same dialog.
TEST_F(LogonDialogsTest, TheDatabaseCommandConnectsTheChosenFileAndTheLogOnGoesOn) {
  const std::string missing = Db.Dir().File("gone.db");
  SetDatabaseFile(missing);
  ASSERT_FALSE(Module->ConnectDatabase(missing, DatabaseUser, DatabasePassword).empty());
  Dialogs->OnFileDialog = [&](TFileDialogRequest& Request) {
    Request.FileName = Db.Path();
    return true;
  };
  TComponentPtr<TfmLogon> logon(TCustomForm::Create<TfmLogon>(Application));
  TestClock().OnWait([&] { Click(Child<TButton>(logon.get(), "btnSetDatabase"), {5, 5}); });
  TestClock().OnWait([&] {
    ASSERT_NE(fmSetDatabase, nullptr);
    EXPECT_EQ(fmSetDatabase->edtFile->Text(), missing);
    Click(Child<TButton>(fmSetDatabase, "btnBrowse"), {5, 5});
  });
  TestClock().OnWait([&] {
    EXPECT_EQ(fmSetDatabase->edtFile->Text(), Db.Path());
    RenderWindowToPng(fmSetDatabase->Handle(), "database.png");
    Click(Child<TButton>(fmSetDatabase, "btnOk"), {5, 5});
  });
  TestClock().OnWait([&] {
    EXPECT_TRUE(logon->Visible());
    EXPECT_TRUE(Module->Connected());
    Click(logon->edtLogon, {5, 5});
    TypeLogOn("admin", "quorin");
  });
  TestClock().OnWait([&] { PressKey(VK_RETURN); });
  EXPECT_EQ(logon->ShowModal(), mrOk);
  EXPECT_EQ(GetDatabaseFile(), Db.Path());
  ASSERT_EQ(Dialogs->FileRequests.size(), 1u);
  EXPECT_EQ(Dialogs->FileRequests[0].Filter, "库文件(*.db)|*.db|所有文件(*.*)|*.*");
  EXPECT_EQ(Dialogs->FileRequests[0].FileName, missing);
  EXPECT_TRUE(Errors().empty());
}

struct TRefusedFile {
  std::string Path;
  const char* Warning;
};

TEST_F(LogonDialogsTest, TheDatabaseDialogRefusesWhatItCannotOpenStoresNothingAndCreatesNothing) {
  const std::string notes = NotADatabase(Db);
  const std::string noTables = ForeignDatabase(Db);
  const std::string missing = Db.Dir().File("missing.db");
  const TRefusedFile cases[] = {
      {"", "请输入数据库文件。"},
      {missing, "找不到指定的数据库文件。"},
      {Db.Dir().Path().string(), "找不到指定的数据库文件。"},
      {notes, "系统无法连接指定数据库。"},
      {noTables, "系统无法连接指定数据库。"},
  };
  SetDatabaseFile(Db.Path());
  const auto filesBefore = std::distance(std::filesystem::directory_iterator(Db.Dir().Path()), {});
  fmSetDatabase = TCustomForm::Create<TfmSetDatabase>(Application);
  for (const auto& c : cases)
    TestClock().OnWait([&] {
      fmSetDatabase->edtFile->SetText(c.Path);
      PressKey(VK_RETURN);
    });
  TestClock().OnWait([&] { PressKey(VK_ESCAPE); });
  EXPECT_EQ(ShowSetDatabase(), mrCancel);
  ASSERT_EQ(Dialogs->Messages.size(), std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(FirstLine(Dialogs->Messages[i].Msg), cases[i].Warning) << cases[i].Path;
    EXPECT_EQ(Dialogs->Messages[i].Caption, "警告");
    EXPECT_EQ(Dialogs->Messages[i].DlgType, mtWarning);
    EXPECT_EQ(Dialogs->Messages[i].Buttons, MsgDlgBit(mbOK));
  }
  EXPECT_EQ(GetDatabaseFile(), Db.Path());
  EXPECT_FALSE(std::filesystem::exists(missing));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Db.Dir().Path()), {}), filesBefore);
  std::ifstream in(notes);
  EXPECT_EQ(String(std::istreambuf_iterator<char>(in), {}), "这不是数据库\n");

  // The dialog is kept; shown again it starts from the stored path, and a good file is stored.
  const std::string copy = Db.Dir().File("copy.db");
  std::filesystem::copy_file(Db.Path(), copy);
  TestClock().OnWait([&] {
    EXPECT_EQ(fmSetDatabase->edtFile->Text(), Db.Path());
    fmSetDatabase->edtFile->SetText(copy);
    PressKey(VK_RETURN);
  });
  EXPECT_EQ(ShowSetDatabase(), mrOk);
  EXPECT_EQ(GetDatabaseFile(), copy);
  EXPECT_EQ(Module->adcConnect->DatabaseFile(), Db.Path());  // the program keeps its file
}

class PasswordDialogTest : public LogonDialogsTest {
 protected:
  TModalResult ShowPasswordDialog() {
    fmChgPwd = TCustomForm::Create<TfmChgPwd>(Application);
    return fmChgPwd->ShowModal();
  }
  void TypePasswords(const char* New, const char* Confirmation) {
    TypeText(New);
    PressKey(VK_TAB);
    TypeText(Confirmation);
  }
};

TEST_F(PasswordDialogTest, DifferentEntriesAreRefusedAndTheNewPasswordIsWhatTheNextLogOnNeeds) {
  ASSERT_EQ(Module->Login("ADMIN", "quorin"), "");  // the row is found whatever the case typed
  TestClock().OnWait([&] {
    // A tool window with the system menu, whose minimise box the tool window leaves out.
    const auto style = static_cast<DWORD>(GetWindowLong(fmChgPwd->Handle(), GWL_STYLE));
    EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), DWORD(WS_SYSMENU));
    TypePasswords("new1", "new2");
  });
  TestClock().OnWait([&] { PressKey(VK_RETURN); });
  TestClock().OnWait([&] {
    EXPECT_TRUE(fmChgPwd->Visible());
    RenderWindowToPng(fmChgPwd->Handle(), "password.png");
    fmChgPwd->edtRefPwd->SetText("new1");
    PressKey(VK_RETURN);
  });
  EXPECT_EQ(ShowPasswordDialog(), mrOk);
  Pump();
  EXPECT_EQ(fmChgPwd, nullptr);  // freed itself
  ASSERT_EQ(Dialogs->Messages.size(), 1u);
  EXPECT_EQ(Dialogs->Messages[0].Msg, "密码不正确。");
  EXPECT_EQ(Dialogs->Messages[0].Caption, "错误提示");
  EXPECT_EQ(Module->Login("admin", "quorin"), "密码不正确。");
  EXPECT_EQ(Module->Login("admin", "new1"), "");
  EXPECT_EQ(Db.Value("SELECT Fd_Password FROM Tb_Teachers WHERE Fd_LogID = 'admin'"), "new1");
}

TEST_F(PasswordDialogTest, TwoEmptyEntriesStoreAnEmptyPassword) {
  ASSERT_EQ(Module->Login("zhang", "Abc1"), "");
  TestClock().OnWait([&] { TypePasswords("", ""); });
  TestClock().OnWait([&] { PressKey(VK_RETURN); });
  EXPECT_EQ(ShowPasswordDialog(), mrOk);
  EXPECT_EQ(Module->Login("zhang", ""), "");
  EXPECT_EQ(Module->Login("admin", "quorin"), "");  // other users keep theirs
}

TEST_F(PasswordDialogTest, AUserNoLongerInTheTableIsReportedAndCancelChangesNothing) {
  ASSERT_EQ(Module->Login("li", "pw"), "");
  Db.Connection()->Execute("DELETE FROM Tb_Teachers WHERE Fd_LogID = 'li'");
  TestClock().OnWait([&] { TypePasswords("x", "x"); });
  TestClock().OnWait([&] { PressKey(VK_RETURN); });
  TestClock().OnWait([&] {
    EXPECT_TRUE(fmChgPwd->Visible());
    PressKey(VK_ESCAPE);
  });
  EXPECT_EQ(ShowPasswordDialog(), mrCancel);
  ASSERT_EQ(Dialogs->Messages.size(), 1u);
  EXPECT_EQ(Dialogs->Messages[0].Msg, "用户[li]不存在。");
  EXPECT_EQ(Dialogs->Messages[0].Caption, "错误提示");
  EXPECT_EQ(Module->Login("admin", "quorin"), "");
}

}  // namespace
