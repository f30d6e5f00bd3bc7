// The database dialog's refusals that need more than a wrong file name: a damaged file is refused
// with the reason, and a choice that cannot be stored keeps the dialog open.
#include <cstdlib>
#include <filesystem>

#include "AppTestKit.h"
#include "app/windows/SetDatabase.h"

namespace {

class SetDatabaseTest : public TAppTest {
 protected:
  void SetUp() override {
    TAppTest::SetUp();
    Module = MakeDataModule(Db.Path());
    fmSetDatabase = TCustomForm::Create<TfmSetDatabase>(Application);
  }
  // Chooses Path and presses Enter, then Escape unless the dialog has closed.
  TModalResult Choose(const std::string& Path) {
    TestClock().OnWait([&] {
      fmSetDatabase->edtFile->SetText(Path);
      PressKey(VK_RETURN);
    });
    TestClock().OnWait([&] { PressKey(VK_ESCAPE); });
    return ShowSetDatabase();
  }

  DataFixture Db{DataFixture::Default};
  TdmGym* Module = nullptr;
  TScriptedDialogsScope Dialogs;
};

// Points the settings at another file while it lives.
class TRegistryFileScope {
 public:
  explicit TRegistryFileScope(const std::string& Path) : FPrevious(std::getenv("QUORIN_REGISTRY")) {
    setenv("QUORIN_REGISTRY", Path.c_str(), 1);
  }
  ~TRegistryFileScope() { setenv("QUORIN_REGISTRY", FPrevious.c_str(), 1); }

 private:
  std::string FPrevious;
};

TEST_F(SetDatabaseTest, ADamagedFileIsRefusedWithTheReasonAndAPathWithSeparatorsIsStored) {
  SetDatabaseFile(Db.Path());
  const std::string damaged = DamagedDatabase(Db);
  EXPECT_EQ(Choose(damaged), mrCancel);
  ASSERT_EQ(Dialogs->Messages.size(), 1u);
  EXPECT_EQ(Dialogs->Messages[0].Msg,
            "系统无法连接指定数据库。\n无法打开数据库文件“" + damaged + "”：数据库已损坏（database disk image is malformed）。");
  EXPECT_EQ(GetDatabaseFile(), Db.Path());

  const std::string separated = Db.Dir().File("体育;\"第一\".db");
  std::filesystem::copy_file(Db.Path(), separated);
  EXPECT_EQ(Choose(separated), mrOk);
  EXPECT_EQ(GetDatabaseFile(), separated);
}

TEST_F(SetDatabaseTest, AChoiceThatCannotBeStoredKeepsTheDialogOpen) {
  std::ofstream(Db.Dir().File("plain-file")) << "x";
  const TRegistryFileScope unwritable(Db.Dir().File("plain-file/registry.ini"));  // its folder cannot be made
  EXPECT_EQ(Choose(Db.Path()), mrCancel);
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
  EXPECT_EQ(MessageBoxes().Shown[0].Text.rfind("无法保存设置文件", 0), 0u) << MessageBoxes().Shown[0].Text;
  EXPECT_TRUE(Dialogs->Messages.empty());
  EXPECT_EQ(Module->adcConnect->DatabaseFile(), Db.Path());
}

}  // namespace
