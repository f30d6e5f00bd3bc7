// The school information, classes and class-order dialogs, driven through injected input on a
// copy of the default database with a small school: what each shows, its checks and messages, and
// what it stores.
#include "app/windows/SetClass.h"
#include "app/windows/SetClassOrder.h"
#include "app/windows/SetSchoolInfo.h"
#include "fixtures/SchoolFixture.h"

namespace {

using SchoolInfoTest = TSchoolTest;

TEST_F(SchoolInfoTest, TheRowIsShownOkWaitsForATypedKeyAndAnEmptyManagerIsRefused) {
  const TModalResult result = RunModal(ShowSetSchoolInfo, {
      [&] {
        EXPECT_EQ(fmSetSchoolInfo->Caption(), "学校信息设置");
        EXPECT_EQ(fmSetSchoolInfo->edtName->Text(), "第一中学");
        EXPECT_EQ(fmSetSchoolInfo->edtZip->Text(), "100010");
        EXPECT_EQ(fmSetSchoolInfo->memIntroduce->Text(), "百年老校");
        EXPECT_FALSE(fmSetSchoolInfo->ActOk->Enabled());
        EXPECT_EQ(fmSetSchoolInfo->ActCancel->Caption(), "关闭");
        EXPECT_EQ(fmSetSchoolInfo->ActiveControl(), fmSetSchoolInfo->edtName);
        RenderWindowToPng(fmSetSchoolInfo->Handle(), "school-info.png");
        PressKey(VK_RETURN);  // Enter moves on and counts as typing
        Pump();
        EXPECT_EQ(fmSetSchoolInfo->ActiveControl(), fmSetSchoolInfo->edtManager);
        EXPECT_TRUE(fmSetSchoolInfo->ActOk->Enabled());
        EXPECT_EQ(fmSetSchoolInfo->ActCancel->Caption(), "取消");
        fmSetSchoolInfo->edtManager->SelectAll();
        PressKey(VK_DELETE);
        Click(Child<TButton>(fmSetSchoolInfo, "btnOk"), {5, 5});
      },
      [&] {
        ASSERT_EQ(MessageTexts(*Dialogs), std::vector<String>{"请输入学校名称/学校负责人姓名。"});
        EXPECT_EQ(Dialogs->Messages[0].Caption, "错误提示");
        EXPECT_TRUE(fmSetSchoolInfo->Visible());
        fmSetSchoolInfo->edtManager->SetFocus();
        Pump();
        TypeText("Zhao");
        Pump();
        fmSetSchoolInfo->memIntroduce->SetFocus();
        Pump();
        TypeText("x");
        Pump();
        Click(Child<TButton>(fmSetSchoolInfo, "btnOk"), {5, 5});
      },
  });
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(Rows("SELECT Fd_SchoolName, Fd_Manager, Fd_Phone, Fd_Introduce FROM Tb_SchoolInfo"),
            (std::vector<std::vector<String>>{{"第一中学", "Zhao", "010-1234", "x百年老校"}}));
  EXPECT_NE(fmSetSchoolInfo, nullptr) << "the dialog is kept";
}

TEST_F(SchoolInfoTest, AnEmptyTableGetsItsOneRowAndLeavingAfterTypingAsksFirst) {
  Db.Connection()->Execute("DELETE FROM Tb_SchoolInfo");
  // Leaving after typing asks; "是" keeps the dialog open, "否" lets it go without saving.
  Dialogs->MessageAnswers = {mrYes, mrNo};
  EXPECT_EQ(RunModal(ShowSetSchoolInfo, {[&] {
                       EXPECT_EQ(fmSetSchoolInfo->edtName->Text(), "");
                       TypeText("Second School");
                       PressKey(VK_ESCAPE);
                     },
                     [&] {
                       EXPECT_TRUE(fmSetSchoolInfo->Visible());
                       PressKey(VK_ESCAPE);
                     }}),
            mrCancel);
  ASSERT_EQ(Dialogs->Messages.size(), 2u);
  EXPECT_EQ(Dialogs->Messages[0].Msg, "数据已更改，需要保存吗？");
  EXPECT_EQ(Dialogs->Messages[0].Caption, "信息提示");
  EXPECT_EQ(Value("SELECT count(*) FROM Tb_SchoolInfo"), "0");

  // Shown again it starts empty; a name and a manager append the row.
  EXPECT_EQ(RunModal(ShowSetSchoolInfo, {[&] {
                       EXPECT_EQ(fmSetSchoolInfo->edtName->Text(), "") << "nothing typed before survives";
                       TypeText("Second School");
                       PressKey(VK_RETURN);
                       TypeText("Qian");
                       Pump();
                       Click(Child<TButton>(fmSetSchoolInfo, "btnOk"), {5, 5});
                     }}),
            mrOk);
  EXPECT_EQ(Rows("SELECT Fd_SchoolName, Fd_Manager, Fd_Zip FROM Tb_SchoolInfo"),
            (std::vector<std::vector<String>>{{"Second School", "Qian", "<null>"}}));
}

class ClassesTest : public TSchoolTest {
 protected:
  // A class added as the administrator does it: the grade picked, the numeral typed, "添加".
  void AddClass(int GradeIndex, const String& Numeral) {
    fmSetClass->cbbGrade->SetItemIndex(GradeIndex);
    fmSetClass->cbxClass->SetFocus();
    fmSetClass->cbxClass->SelectAll();
    TypeText(Numeral);
    Pump();
    Click(Child<TSpeedButton>(fmSetClass, "sbInsert"), {5, 5});
    Pump();
  }
  void SelectLine(const String& Line) {
    const int index = fmSetClass->lbClassList->Items()->IndexOf(Line);
    ASSERT_GE(index, 0) << Line;
    ClickLine(fmSetClass->lbClassList, index);
  }
};

TEST_F(ClassesTest, ClassesAreAddedOnceStoredOnOkAndARemovedStoredClassGoesAtOnce) {
  const TModalResult cancelled = RunModal(ShowSetClass, {[&] {
    EXPECT_EQ(Lines(fmSetClass->lbClassList->Items()),
              (std::vector<String>{"高一(1)班", "高一(2)班", "高二(1)班", "高二'甲班", "高三(1)班"}));
    EXPECT_EQ(fmSetClass->cbbGrade->Text(), "高一");
    EXPECT_EQ(fmSetClass->cbxClass->Items()->Count(), 24);
    EXPECT_FALSE(fmSetClass->ActInsert->Enabled()) << "no numeral yet";
    EXPECT_FALSE(fmSetClass->ActDelete->Enabled()) << "nothing selected";
    EXPECT_EQ(fmSetClass->ActCancel->Caption(), "取消");
    AddClass(0, "三");
    AddClass(0, "三");
    AddClass(0, "(1)");  // a stored class
    AddClass(1, "'乙");
    EXPECT_EQ(MessageTexts(*Dialogs), (std::vector<String>{"该班级已经存在。", "该班级已经存在。"}));
    EXPECT_EQ(Dialogs->Messages[0].Caption, "信息提示");
    SelectLine("高三(1)班");
    EXPECT_TRUE(fmSetClass->ActDelete->Enabled());
    Click(Child<TSpeedButton>(fmSetClass, "sbDelete"), {5, 5});
    Pump();
    EXPECT_EQ(Value("SELECT count(*) FROM Tb_Classes WHERE Fd_Class = '高三(1)'"), "0") << "deleted at once";
    RenderWindowToPng(fmSetClass->Handle(), "set-class.png");
    PressKey(VK_ESCAPE);
  }});
  EXPECT_EQ(cancelled, mrCancel);
  EXPECT_EQ(Value("SELECT count(*) FROM Tb_Classes"), "4") << "added classes are dropped, the deletion stays";

  // Shown again: the stored classes only; an added class and one named with a quote are stored on
  // OK without a display order.
  const TModalResult stored = RunModal(ShowSetClass, {[&] {
    EXPECT_EQ(Lines(fmSetClass->lbClassList->Items()), (std::vector<String>{"高一(1)班", "高一(2)班", "高二(1)班", "高二'甲班"}));
    AddClass(0, "三");
    AddClass(1, "'乙");
    SelectLine("高一三班");
    Click(Child<TSpeedButton>(fmSetClass, "sbDelete"), {5, 5});  // an added class just leaves the list
    Pump();
    Click(Child<TButton>(fmSetClass, "btnOk"), {5, 5});
  }});
  EXPECT_EQ(stored, mrOk);
  EXPECT_EQ(Rows("SELECT Fd_Grade, Fd_Class, Fd_OrderNo FROM Tb_Classes ORDER BY Fd_Class"),
            (std::vector<std::vector<String>>{{"高一", "高一(1)", "1"},
                                              {"高一", "高一(2)", "2"},
                                              {"高二", "高二'乙", "<null>"},
                                              {"高二", "高二'甲", "4"},
                                              {"高二", "高二(1)", "3"}}));
}

TEST_F(ClassesTest, ChoosingANumeralAddsTheClassAndAnEmptyListClosesWithClose) {
  Db.Connection()->Execute("DELETE FROM Tb_Classes");
  EXPECT_EQ(RunModal(ShowSetClass, {[&] {
              EXPECT_TRUE(Lines(fmSetClass->lbClassList->Items()).empty());
              EXPECT_EQ(fmSetClass->ActCancel->Caption(), "关闭");
              EXPECT_FALSE(fmSetClass->actUpdate->Enabled());
              fmSetClass->cbbGrade->SetItemIndex(2);
              fmSetClass->cbxClass->SetFocus();
              PressKey(VK_F4);
              PressKey(VK_DOWN);
              PressKey(VK_DOWN);
              PressKey(VK_RETURN);  // picks "二"
              Pump();
              EXPECT_EQ(Lines(fmSetClass->lbClassList->Items()), std::vector<String>{"高三二班"});
              EXPECT_TRUE(fmSetClass->actUpdate->Enabled());
              // Without a grade, choosing a numeral is refused.
              fmSetClass->cbbGrade->SetItemIndex(-1);
              PressKey(VK_F4);
              PressKey(VK_DOWN);
              PressKey(VK_RETURN);
              Pump();
              EXPECT_EQ(MessageTexts(*Dialogs), std::vector<String>{"请选择年级。"});
              EXPECT_EQ(Dialogs->Messages[0].Caption, "错误提示");
              PressKey(VK_ESCAPE);
            }}),
            mrCancel);
  EXPECT_EQ(Value("SELECT count(*) FROM Tb_Classes"), "0");
}

TEST_F(ClassesTest, ARefusedClassKeepsTheDialogOpenWithWhatIsStillToBeStored) {
  // Someone else stores 高一三 while the dialog is open: OK stores the classes before it, reports
  // the refusal and stays open; the next OK stores the rest.
  const TModalResult result = RunModal(ShowSetClass, {
      [&] {
        AddClass(0, "四");
        AddClass(0, "三");
        AddClass(0, "五");
        Db.Connection()->Execute("INSERT INTO Tb_Classes (Fd_Grade, Fd_Class) VALUES ('高一', '高一三')");
        Click(Child<TButton>(fmSetClass, "btnOk"), {5, 5});
      },
      [&] {
        EXPECT_TRUE(fmSetClass->Visible());
        ASSERT_EQ(Errors().size(), 1u);
        EXPECT_EQ(Value("SELECT count(*) FROM Tb_Classes WHERE Fd_Class = '高一四'"), "1");
        SelectLine("高一三班");
        Click(Child<TSpeedButton>(fmSetClass, "sbDelete"), {5, 5});
        Pump();
        Click(Child<TButton>(fmSetClass, "btnOk"), {5, 5});
      },
  });
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(Rows("SELECT Fd_Class FROM Tb_Classes WHERE Fd_Grade = '高一' ORDER BY Fd_Class"),
            (std::vector<std::vector<String>>{{"高一(1)"}, {"高一(2)"}, {"高一三"}, {"高一五"}, {"高一四"}}));
}

TEST_F(ClassesTest, TheOrderDialogMovesClassesAndStoresEveryPosition) {
  Db.Connection()->Execute("UPDATE Tb_Classes SET Fd_OrderNo = NULL WHERE Fd_Class = '高三(1)'");
  const TModalResult result = RunModal(ShowSetClassOrder, {[&] {
    TListBox* list = fmSetClassOrder->lbClass;
    EXPECT_EQ(fmSetClassOrder->Caption(), "班级排列顺序设置");
    EXPECT_EQ(Lines(list->Items()), (std::vector<String>{"高三(1)", "高一(1)", "高一(2)", "高二(1)", "高二'甲"}));
    EXPECT_FALSE(fmSetClassOrder->actMoveUp->Enabled());
    EXPECT_FALSE(fmSetClassOrder->actUpdate->Enabled());
    ClickLine(list, 0);
    Click(Child<TButton>(fmSetClassOrder, "btnMoveUp"), {5, 5});  // the first stays first
    Pump();
    EXPECT_EQ(list->Items()->Strings(0), "高三(1)");
    EXPECT_TRUE(fmSetClassOrder->actUpdate->Enabled());
    for (int i = 0; i < 6; ++i) Click(Child<TButton>(fmSetClassOrder, "btnMoveDown"), {5, 5});
    Pump();
    EXPECT_EQ(list->ItemIndex(), 4);
    ClickLine(list, 3);
    Click(Child<TButton>(fmSetClassOrder, "btnMoveUp"), {5, 5});
    Pump();
    EXPECT_EQ(Lines(list->Items()), (std::vector<String>{"高一(1)", "高一(2)", "高二'甲", "高二(1)", "高三(1)"}));
    RenderWindowToPng(fmSetClassOrder->Handle(), "class-order.png");
    Click(Child<TButton>(fmSetClassOrder, "btnOk"), {5, 5});
  }});
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(Rows("SELECT Fd_Class, Fd_OrderNo FROM Tb_Classes ORDER BY Fd_OrderNo"),
            (std::vector<std::vector<String>>{
                {"高一(1)", "0"}, {"高一(2)", "1"}, {"高二'甲", "2"}, {"高二(1)", "3"}, {"高三(1)", "4"}}));
}

}  // namespace
