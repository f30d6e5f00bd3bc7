// The program's start-up road as a user meets it: the splash window during start-up, the main
// window with the log-on dialog at its first activation, the status bar after a log-on or a
// cancel, and a start without a database.
#include "AppTestKit.h"
#include "app/windows/KvMain.h"
#include "app/windows/Logon.h"
#include "app/windows/SetDatabase.h"
#include "app/windows/Splash.h"
#include "report/FR_ScriptDlg.h"

namespace {

// Records the start-up as the application sees it: each window or module it comes to own, named
// by the program variable it lands in once the next step begins, and the splash window's leaving.
// The title counts as set first when it is there as the first of them comes.
class TStartupRecorder : public TComponent {
 public:
  using TComponent::TComponent;
  String ClassName() const override { return "TStartupRecorder"; }
  std::vector<String> Steps() {
    NameLastMade();
    return FSteps;
  }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (AComponent == this) return;
    NameLastMade();
    if (Operation == opInsert) {
      if (!FSeenFirst && Application->Title() == "Quorin") FSteps.push_back("title");
      FSeenFirst = true;
      FMade = AComponent;
    } else if (AComponent == FSplash) {
      FSteps.push_back("splash freed");
    }
  }

 private:
  void NameLastMade() {
    if (!FMade) return;
    if (FMade == fmSplash) {
      FSplash = fmSplash;
      FSteps.push_back(fmSplash->Visible() ? "splash shown" : "splash hidden");
    } else if (FMade == dmGym) {
      FSteps.push_back("data module");
    } else if (FMade == fmKvMain) {
      FSteps.push_back("main window");
    }
    FMade = nullptr;
  }

  std::vector<String> FSteps;
  TComponent* FMade = nullptr;
  TComponent* FSplash = nullptr;
  bool FSeenFirst = false;
};

class StartupTest : public TAppTest {
 protected:
  void TearDown() override {
    SetScriptDialogs(nullptr);
    TAppTest::TearDown();
  }

  std::vector<String> StatusTexts() const {
    std::vector<String> texts;
    for (int i = 0; i < fmKvMain->StatusBar->Panels()->Count(); ++i)
      texts.push_back(fmKvMain->StatusBar->Panels()->Items(i)->Text());
    return texts;
  }
  bool SplashExists() const {
    for (int i = 0; i < Screen->FormCount(); ++i)
      if (dynamic_cast<TfmSplash*>(Screen->Forms(i))) return true;
    return false;
  }

  DataFixture Db{DataFixture::Default};
};

TEST_F(StartupTest, TheProgramStartsInOrderAndTheAdministratorLogsOnIntoTheStatusBar) {
  SetDatabaseFile(Db.Path());
  Application->SetTitle(String());
  TComponentPtr<TStartupRecorder> recorder(new TStartupRecorder(Application));
  StartApplication();
  EXPECT_EQ(recorder->Steps(),
            (std::vector<String>{"title", "splash shown", "data module", "main window", "splash freed"}));
  EXPECT_EQ(Application->Title(), "Quorin");
  EXPECT_EQ(fmSplash, nullptr);
  EXPECT_FALSE(SplashExists());
  ASSERT_NE(dmGym, nullptr);
  EXPECT_TRUE(dmGym->Connected());
  ASSERT_NE(fmKvMain, nullptr);
  EXPECT_EQ(Application->MainForm(), fmKvMain);
  EXPECT_EQ(fmKvMain->Caption(), "Quorin");
  EXPECT_EQ(fmKvMain->BoundsRect(), TRect(0, 0, 1024, 768));
  EXPECT_EQ(AppPath, ApplicationFolder());
  EXPECT_EQ(StatusTexts(), (std::vector<String>{"", "登录者", "", "登录者身份", ""}));
  EXPECT_TRUE(MessageBoxes().Shown.empty());

  LogOn("admin", "quorin");
  TestClock().OnWait([this] {
    EXPECT_EQ(StatusTexts(), (std::vector<String>{"成功登录", "登录者", "管理员", "登录者身份", "教研室主任"}));
    RenderWindowToPng(fmKvMain->Handle(), "main.png");
    fmKvMain->Close();  // no question on the way out
  });
  Application->Run();
  EXPECT_TRUE(MessageBoxes().Shown.empty());
}

TEST_F(StartupTest, WithoutADatabaseStartUpSaysSoOnceAndACancelledLogOnLoadsNothing) {
  TempDir empty;
  SetDatabaseFile(empty.File("none.db"));
  StartApplication();
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
  EXPECT_EQ(MessageBoxes().Shown[0].Text, "无法连接数据库，请设置数据库。");
  EXPECT_FALSE(dmGym->Connected());
  TestClock().OnWait([this] {
    ASSERT_NE(ShownLogon(), nullptr);
    PressKey(VK_ESCAPE);
  });
  TestClock().OnWait([this] {
    EXPECT_EQ(StatusTexts(), (std::vector<String>{"没有登录", "登录者", "未知", "登录者身份", "未知"}));
    EXPECT_EQ(LogUserInfo->Rights, -1);
    EXPECT_EQ(NutricList->Count(), 0);
    fmKvMain->Close();
  });
  Application->Run();
  EXPECT_EQ(MessageBoxes().Shown.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(empty.File("none.db")));
}

// The road of a first start on a machine without the database: the file is chosen from the
// log-on dialog (a wrong one first), and the log-on then works.
TEST_F(StartupTest, TheLogOnDialogsDatabaseCommandConnectsAChosenFileAndTheLogOnWorks) {
  TScriptedDialogsScope dialogs;
  TempDir empty;
  SetDatabaseFile(empty.File("none.db"));
  const std::string notes = NotADatabase(Db);
  StartApplication();
  TestClock().OnWait([this] { Click(dynamic_cast<TButton*>(ShownLogon()->FindComponent("btnSetDatabase")), {5, 5}); });
  TestClock().OnWait([&] {
    ASSERT_NE(fmSetDatabase, nullptr);
    fmSetDatabase->edtFile->SetText(notes);
    Click(dynamic_cast<TButton*>(fmSetDatabase->FindComponent("btnOk")), {5, 5});
  });
  TestClock().OnWait([&] {
    EXPECT_TRUE(fmSetDatabase->Visible());
    fmSetDatabase->edtFile->SetText(Db.Path());
    Click(dynamic_cast<TButton*>(fmSetDatabase->FindComponent("btnOk")), {5, 5});
  });
  LogOn("admin", "quorin");
  TestClock().OnWait([this] {
    EXPECT_EQ(StatusTexts()[0], "成功登录");
    EXPECT_EQ(StatusTexts()[2], "管理员");
    fmKvMain->Close();
  });
  Application->Run();
  ASSERT_EQ(MessageTexts(*dialogs).size(), 1u);
  EXPECT_EQ(FirstLine(MessageTexts(*dialogs)[0]), "系统无法连接指定数据库。");
  EXPECT_EQ(GetDatabaseFile(), Db.Path());
  EXPECT_TRUE(dmGym->Connected());
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);  // the start-up message only
}

TEST_F(StartupTest, ReportScriptsAskThroughTheProgramsMessageAndInputBoxes) {
  TScriptedDialogsScope dialogs;
  SetDatabaseFile(Db.Path());
  StartApplication();
  dialogs->InputAnswers.push_back(String("42"));
  EXPECT_EQ(frScriptDialogs().InputBox("成绩", "请输入", "0"), "42");
  MessageBoxes().Answers.push_back(IDNO);
  EXPECT_EQ(frScriptDialogs().MessageBox("继续打印吗？", "信息提示", MB_YESNO), IDNO);
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
  EXPECT_EQ(MessageBoxes().Shown[0].Text, "继续打印吗？");
}

}  // namespace
