// The teacher dialogs on the main window's teachers query: adding teachers, editing one with its
// checks and a renamed log-in, the classes a teacher teaches, and the rights.
#include "app/windows/EditTeacher.h"
#include "app/windows/NewTeachers.h"
#include "app/windows/SetTeacherRights.h"
#include "app/windows/SetTeacherTask.h"
#include "fixtures/SchoolFixture.h"

namespace {

class TeachersTest : public TSchoolTest {
 protected:
  void SetUp() override {
    TSchoolTest::SetUp();
    ShowTeachers();
  }
  void GoToTeacher(const String& LogID) { ASSERT_TRUE(Module->adqTeachers->Locate("Fd_LogID", Variant(LogID))); }
  void ClickNamed(TComponent* Window, const char* Name) {
    Click(Child<TControl>(Window, Name), {5, 5});
    Pump();
  }
  std::vector<std::vector<String>> Tasks() {
    return Rows("SELECT Fd_LogID, Fd_Classes FROM Tb_TeacherTask ORDER BY Fd_LogID, Fd_Classes");
  }
};

struct TTeacherCheck {
  const char* LogID;
  const char* Password;
  const char* Confirmation;
  const char* Name;
  int Sex;
  int Rights;
  const char* Message;
};

TEST_F(TeachersTest, ANewTeacherIsCheckedInOrder) {
  const TTeacherCheck cases[] = {
      {"", "1", "2", "", -1, -1, "请输入登录号。"},
      {"wang", "1", "2", "", -1, -1, "密码不匹配。"},
      {"wang", "1", "1", "", -1, -1, "请输入教师姓名。"},
      {"wang", "", "", "王", -1, -1, "请指定教师性别。"},
      {"wang", "", "", "王", 0, -1, "请选择教师担任职务。"},
      {"wang", "", "", "王", 1, 0, ""},
  };
  TComponentPtr<TfmNewTeacher> window(TCustomForm::Create<TfmNewTeacher>(Application));
  EXPECT_EQ(window->cbbTask->Text(), "体育老师") << "the first rights are chosen";
  EXPECT_EQ(window->cbbSex->ItemIndex(), -1) << "the sex is not";
  for (const auto& c : cases) {
    window->edtLogID->SetText(c.LogID);
    window->edtPwd->SetText(c.Password);
    window->edtRefPwd->SetText(c.Confirmation);
    window->edtName->SetText(c.Name);
    window->cbbSex->SetItemIndex(c.Sex);
    window->cbbTask->SetItemIndex(c.Rights);
    EXPECT_EQ(window->CheckInput(), c.Message) << c.Message;
  }
}

TEST_F(TeachersTest, TeachersAreAddedOneAfterAnotherAndADuplicateLogInIsRefused) {
  const TModalResult result = RunModal(ShowNewTeacher, {
      [&] {
        EXPECT_EQ(fmNewTeacher->Caption(), "添加教师资料");
        EXPECT_EQ(fmNewTeacher->ActiveControl(), fmNewTeacher->edtName);
        TypeText("Wang");
        PressKey(VK_RETURN);  // on to the sex
        PressKey(VK_DOWN);
        PressKey(VK_RETURN);
        PressKey(VK_RETURN);  // keeps 体育老师
        TypeText("5551234");
        PressKey(VK_RETURN);
        TypeText("10a00-8");
        PressKey(VK_RETURN);
        Pump();
        EXPECT_EQ(fmNewTeacher->edtZip->Text(), "10008") << "digits only";
        EXPECT_EQ(fmNewTeacher->ActiveControl(), fmNewTeacher->mmAddress);
        PressKey(VK_RETURN);
        TypeText("wang");
        Pump();
        RenderWindowToPng(fmNewTeacher->Handle(), "new-teacher.png");
        ClickNamed(fmNewTeacher, "btnAdd");
        EXPECT_EQ(Value("SELECT Fd_Name || '|' || Fd_Sex || '|' || Fd_Rights || '|' || Fd_Zip || '|' || "
                        "ifnull(Fd_Password, 'null') || '|' || ifnull(Fd_Address, 'null') FROM Tb_Teachers "
                        "WHERE Fd_LogID = 'wang'"),
                  "Wang|男|0|10008|null|null");
        EXPECT_EQ(Module->adqTeachers->FieldByName("Fd_LogID")->AsString(), "wang") << "the grid shows it";
        EXPECT_EQ(fmNewTeacher->edtName->Text(), "Wang") << "the fields keep their text";
        // The same log-in again: refused, nothing pending in the shared query.
        ClickNamed(fmNewTeacher, "btnAdd");
        EXPECT_EQ(Errors(), std::vector<String>{"添加教师资料出错。"});
        EXPECT_EQ(Module->adqTeachers->State(), dsBrowse);
        Retype(fmNewTeacher->edtLogID, "wang2");
        ClickNamed(fmNewTeacher, "btnAdd");
        Click(Child<TControl>(fmNewTeacher, "btnClose"), {5, 5});
      },
  });
  EXPECT_EQ(result, mrCancel);
  EXPECT_EQ(fmNewTeacher, nullptr);
  EXPECT_EQ(Value("SELECT count(*) FROM Tb_Teachers WHERE Fd_Name = 'Wang'"), "2");
  EXPECT_EQ(Errors().size(), 1u);
}

// The edited teacher's checks read the row: a teacher stored without a sex or with rights that
// have no name is refused until they are chosen.
TEST_F(TeachersTest, AnEditedTeacherNeedsASexAndRights) {
  Db.Connection()->Execute("UPDATE Tb_Teachers SET Fd_Sex = NULL, Fd_Rights = 5 WHERE Fd_LogID = 'li'");
  ShowTeachers();
  GoToTeacher("li");
  TComponentPtr<TfmEditTeacher> window(TCustomForm::Create<TfmEditTeacher>(Application));
  window->Show();
  Pump();
  EXPECT_EQ(window->cbbSex->ItemIndex(), -1);
  EXPECT_EQ(window->cbbTask->ItemIndex(), -1) << "rights without a name select nothing";
  EXPECT_EQ(window->CheckInput(), "请选择教师性别。");
  window->cbbSex->SetItemIndex(0);
  EXPECT_EQ(window->CheckInput(), "请选择教师担任职务。");
  window->cbbTask->SetItemIndex(0);
  EXPECT_EQ(window->CheckInput(), "");
  window->Hide();
}

TEST_F(TeachersTest, ARenamedLogInKeepsItsClassesAndAFailedCheckKeepsTheDialogOpen) {
  GoToTeacher("zhang");
  const TModalResult result = RunModal(ShowEditTeacher, {
      [&] {
        EXPECT_EQ(fmEditTeacher->Caption(), "教师信息设置");
        EXPECT_EQ(fmEditTeacher->edtLogID->Text(), "zhang");
        EXPECT_EQ(fmEditTeacher->edtRefPwd->Text(), "Abc1");
        EXPECT_EQ(fmEditTeacher->cbbTask->Text(), "体育老师");
        EXPECT_EQ(fmEditTeacher->cbbSex->Text(), "女");
        EXPECT_FALSE(fmEditTeacher->btnOk->Enabled());
        EXPECT_EQ(fmEditTeacher->btnCancel->Caption(), "关闭");
        RenderWindowToPng(fmEditTeacher->Handle(), "edit-teacher.png");
        Retype(fmEditTeacher->edtLogID, "");
        EXPECT_TRUE(fmEditTeacher->btnOk->Enabled());
        EXPECT_EQ(fmEditTeacher->btnCancel->Caption(), "取消");
        ClickNamed(fmEditTeacher, "btnOk");
        Retype(fmEditTeacher->edtLogID, "zhangsan");
        Retype(fmEditTeacher->edtRefPwd, "Abc2");
        ClickNamed(fmEditTeacher, "btnOk");
        Retype(fmEditTeacher->edtRefPwd, "Abc1");
        Retype(Child<TDBEdit>(fmEditTeacher, "edtName"), "");
        ClickNamed(fmEditTeacher, "btnOk");
        EXPECT_EQ(Errors(), (std::vector<String>{"晴输入教师登录号。", "密码不匹配。", "请输入教师姓名。"}));
        EXPECT_TRUE(fmEditTeacher->Visible());
        EXPECT_EQ(Module->adqTeachers->State(), dsEdit);
        EXPECT_EQ(Value("SELECT count(*) FROM Tb_Teachers WHERE Fd_LogID = 'zhang'"), "1") << "nothing stored";
        Retype(Child<TDBEdit>(fmEditTeacher, "edtName"), "张三");
        fmEditTeacher->cbbTask->SetFocus();
        Pump();
        PressKey(VK_DOWN);  // 教研室主任
        Pump();
        Click(fmEditTeacher->btnOk, {5, 5});
      },
  });
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(Rows("SELECT Fd_LogID, Fd_Name, Fd_Rights, Fd_Password FROM Tb_Teachers WHERE Fd_Sex = '女'"),
            (std::vector<std::vector<String>>{{"zhangsan", "张三", "1", "Abc1"}}));
  EXPECT_EQ(Tasks(), (std::vector<std::vector<String>>{{"zhangsan", "高一(2)"}, {"zhangsan", "高二(1)"}}));
  EXPECT_EQ(Module->adqTeachers->State(), dsBrowse);
}

TEST_F(TeachersTest, ARefusedRenameStoresNothingAndClosingDropsTheEdit) {
  GoToTeacher("zhang");
  RunModal(ShowEditTeacher, {
      [&] {
        Retype(fmEditTeacher->edtLogID, "li");  // taken
        ClickNamed(fmEditTeacher, "btnOk");
        EXPECT_EQ(Errors(), std::vector<String>{"修改教师资料出错。"});
        EXPECT_TRUE(fmEditTeacher->Visible());
        fmEditTeacher->Close();
      },
  });
  EXPECT_EQ(Module->adqTeachers->State(), dsBrowse) << "no half-edited teacher is left for the next post";
  EXPECT_EQ(Module->adqTeachers->FieldByName("Fd_LogID")->AsString(), "zhang");
  EXPECT_EQ(Tasks(), (std::vector<std::vector<String>>{{"zhang", "高一(2)"}, {"zhang", "高二(1)"}}));
}

TEST_F(TeachersTest, RemovingAndAddingAClassBeforeOkLeavesItAndNewClassesAreStored) {
  GoToTeacher("zhang");
  const TModalResult result = RunModal([] { return ShowSetTeacherTask("zhang"); }, {
      [&] {
        EXPECT_EQ(fmSetTeacherTask->edtTeacher->Text(), "zhang[张老师]");
        EXPECT_EQ(Lines(fmSetTeacherTask->lbTask->Items()), (std::vector<String>{"高一(2)班", "高二(1)班"}));
        EXPECT_EQ(fmSetTeacherTask->cbClass->Text(), "高一(1)");
        ClickLine(fmSetTeacherTask->lbTask, 1);
        ClickNamed(fmSetTeacherTask, "sbRemove");
        for (const char* name : {"高二(1)", "高二'甲", "高二'甲", "高一(2)"}) {
          fmSetTeacherTask->cbClass->SetItemIndex(fmSetTeacherTask->cbClass->Items()->IndexOf(name));
          ClickNamed(fmSetTeacherTask, "sbAppend");
        }
        EXPECT_EQ(Lines(fmSetTeacherTask->lbTask->Items()), (std::vector<String>{"高一(2)班", "高二(1)班", "高二'甲班"}));
        RenderWindowToPng(fmSetTeacherTask->Handle(), "teacher-task.png");
        Click(Child<TControl>(fmSetTeacherTask, "btnOk"), {5, 5});
      },
  });
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(fmSetTeacherTask, nullptr);
  EXPECT_EQ(Tasks(), (std::vector<std::vector<String>>{{"zhang", "高一(2)"}, {"zhang", "高二'甲"}, {"zhang", "高二(1)"}}));

  // Removing a stored class and confirming deletes its row; the other teacher has none to lose.
  RunModal([] { return ShowSetTeacherTask("zhang"); }, {[&] {
             ClickLine(fmSetTeacherTask->lbTask, 0);
             ClickNamed(fmSetTeacherTask, "sbRemove");
             Click(Child<TControl>(fmSetTeacherTask, "btnOk"), {5, 5});
           }});
  EXPECT_EQ(Tasks(), (std::vector<std::vector<String>>{{"zhang", "高二'甲"}, {"zhang", "高二(1)"}}));
}

TEST_F(TeachersTest, TheRightsDialogSetsTheRightsAndShowsNothingOnAnEmptyPage) {
  GoToTeacher("li");
  EXPECT_EQ(RunModal(ShowSetTeacherRights, {[&] {
              EXPECT_EQ(fmSetTeacherRights->edtLogId->Text(), "li");
              EXPECT_EQ(fmSetTeacherRights->edtName->Text(), "李老师");
              EXPECT_EQ(fmSetTeacherRights->cbbPartner->Text(), "体育老师");
              fmSetTeacherRights->cbbPartner->SetFocus();
              Pump();
              PressKey(VK_DOWN);
              Pump();
              RenderWindowToPng(fmSetTeacherRights->Handle(), "teacher-rights.png");
              PressKey(VK_RETURN);
            }}),
            mrOk);
  EXPECT_EQ(Value("SELECT Fd_Rights FROM Tb_Teachers WHERE Fd_LogID = 'li'"), "1");

  Db.Connection()->Execute("UPDATE Tb_Teachers SET Fd_Rights = 7 WHERE Fd_LogID = 'li'");
  Module->adqTeachers->Close();
  Module->adqTeachers->SQL()->SetText("select * from Tb_Teachers where Fd_LogID = 'nobody'");
  Module->adqTeachers->Open();
  EXPECT_EQ(RunModal(ShowSetTeacherRights, {[&] {
              EXPECT_EQ(fmSetTeacherRights->edtLogId->Text(), "");
              EXPECT_EQ(fmSetTeacherRights->cbbPartner->ItemIndex(), -1);
              PressKey(VK_RETURN);
            }}),
            mrOk);
  EXPECT_EQ(Value("SELECT Fd_Rights FROM Tb_Teachers WHERE Fd_LogID = 'li'"), "7");
  EXPECT_TRUE(Errors().empty());
}

// The main window's teacher deletion: a teacher added later under the same log-in name does not
// inherit the deleted one's classes.
TEST_F(TeachersTest, ADeletedTeacherTakesTheClassesTaughtAlong) {
  Db.Connection()->Execute("INSERT INTO Tb_TeacherTask (Fd_LogID, Fd_Classes) VALUES ('li', '高三(1)')");
  GoToTeacher("zhang");
  Module->DeleteCurrentTeacher();
  EXPECT_EQ(Value("SELECT count(*) FROM Tb_Teachers WHERE Fd_LogID = 'zhang'"), "0");
  EXPECT_EQ(Tasks(), (std::vector<std::vector<String>>{{"li", "高三(1)"}}));
  EXPECT_FALSE(Module->adqTeachers->Locate("Fd_LogID", Variant("zhang")));

  // A refused deletion keeps the classes too.
  Db.Connection()->Execute(
      "CREATE TRIGGER Tr_Keep BEFORE DELETE ON Tb_Teachers BEGIN SELECT RAISE(ABORT, '不能删除'); END");
  GoToTeacher("li");
  EXPECT_THROW(Module->DeleteCurrentTeacher(), std::exception);
  EXPECT_EQ(Tasks(), (std::vector<std::vector<String>>{{"li", "高三(1)"}}));
}

}  // namespace
