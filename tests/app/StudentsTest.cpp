// The new-student and student windows: the checks, the key rules, the exemption group, the
// student and exemption rows they write, and a changed student number carrying every row of the
// student in one transaction.
#include "app/windows/EditStudent.h"
#include "app/windows/NewStudents.h"
#include "fixtures/SchoolFixture.h"
#include "rtl/Convert.h"

namespace {

class StudentsTest : public TSchoolTest {
 protected:
  void SetUp() override {
    TSchoolTest::SetUp();
    ShowStudents("高一(1)");
  }
  void ClickNamed(TComponent* Window, const char* Name) {
    Click(Child<TControl>(Window, Name), {5, 5});
    Pump();
  }
  // The students of the students query, by number.
  std::vector<String> ListedStudents() {
    std::vector<String> numbers;
    TADOQuery* students = Module->adqStudents;
    for (students->First(); !students->Eof(); students->Next()) numbers.push_back(students->FieldByName("Fd_StuNo")->AsString());
    return numbers;
  }
  // How many rows each table keeps under a student number, in the order of Counted.
  std::vector<String> RowsUnder(int StuNo) {
    std::vector<String> counts;
    for (const char* table : Counted)
      counts.push_back(Value(String("SELECT count(*) FROM ") + table + " WHERE Fd_StuNo = " + IntToStr(StuNo)));
    return counts;
  }
  static constexpr const char* Counted[] = {"Tb_Students",    "Tb_UptoProcess", "Tb_UptoHistory", "Tb_ExamProcess",
                                            "Tb_ExamHistory", "Tb_DutyProcess", "Tb_FreeStudent"};
};

struct TStudentCheck {
  const char* No;
  const char* Name;
  const char* Year;
  const char* Month;
  const char* Day;
  bool Exempt;
  const char* FreeTime;
  const char* Reason;
  const char* Message;
};

TEST_F(StudentsTest, ANewStudentIsCheckedInOrder) {
  const TStudentCheck cases[] = {
      {"", "", "", "", "", false, "", "", "学生编号不能为空。"},
      {"1005", "", "", "", "", false, "", "", "学生姓名不能为空。"},
      {"1005", "周六", "2001", "2", "", false, "", "", "请填写学生完整出生日期。"},
      {"1005", "周六", "2001", "2", "30", false, "", "", "学生出生日期格式不对，请重新输入。"},
      {"1005", "周六", "2001", "13", "1", false, "", "", "学生出生日期格式不对，请重新输入。"},
      {"1005", "周六", "2001", "2", "28", true, "", "", "请输入免试体育时间。"},
      {"1005", "周六", "2001", "2", "28", true, "一年", "", "请输入免试原因信息。"},
      {"1005", "周六", "2001", "2", "28", true, "一年", "哮喘", ""},
      {"99999999999", "周六", "2001", "2", "28", false, "", "", ""},
  };
  TComponentPtr<TfmNewStudents> window(TCustomForm::Create<TfmNewStudents>(Application));
  for (const auto& c : cases) {
    window->edtNo->SetText(c.No);
    window->edtName->SetText(c.Name);
    window->edtYear->SetText(c.Year);
    window->edtMonth->SetText(c.Month);
    window->edtDay->SetText(c.Day);
    window->cbSign->SetChecked(c.Exempt);
    window->edtFreeTime->SetText(c.FreeTime);
    window->memFreeReason->SetText(c.Reason);
    EXPECT_EQ(window->CheckInput(), c.Message) << c.Message;
  }
}

TEST_F(StudentsTest, StudentsAreTypedInOneAfterAnotherWithTheirExemptions) {
  Db.Connection()->Execute("INSERT INTO Tb_FreeStudent (Fd_StuNo, Fd_FreeReason, Fd_Remark) VALUES (1006, '旧', '旧备注')");
  const TModalResult result = RunModal([] { return ShowNewStudents("高一(1)"); }, {
      [&] {
        TfmNewStudents* window = fmNewStudents;
        EXPECT_EQ(window->Caption(), "添加学生资料");
        EXPECT_EQ(window->Width(), 344);
        EXPECT_FALSE(window->gbFreeGymBox->Visible());
        EXPECT_EQ(window->edtClass->Text(), "高一(1)");
        EXPECT_EQ(window->cbbSex->Text(), "男");
        EXPECT_EQ(window->actCancel->Caption(), "关闭");
        // Letters are dropped; Backspace takes a mistyped digit back, in the number and the date.
        TypeText("10a06");
        PressKey(VK_BACK);
        TypeText("5");
        Pump();
        EXPECT_EQ(window->edtNo->Text(), "1005");
        PressKey(VK_RETURN);
        TypeText("Zhou");
        PressKey(VK_RETURN);
        PressKey(VK_DOWN);  // 女
        PressKey(VK_RETURN);
        TypeText("2011");
        PressKey(VK_BACK);
        TypeText("0");
        Pump();
        EXPECT_EQ(window->edtYear->Text(), "2010");
        PressKey(VK_RETURN);
        TypeText("1");
        PressKey(VK_RETURN);
        TypeText("2");
        PressKey(VK_RETURN);  // the class box hands the focus on
        Pump();
        EXPECT_EQ(window->ActiveControl(), window->edtInSchool);
        TypeText("2026");
        PressKey(VK_RETURN);
        PressKey(VK_SPACE);  // checks the exemption
        Pump();
        EXPECT_EQ(window->Width(), 610);
        EXPECT_TRUE(window->gbFreeGymBox->Visible());
        EXPECT_FALSE(window->actAppend->Enabled()) << "the exemption is not typed yet";
        PressKey(VK_RETURN);
        TypeText("asthma");
        PressKey(VK_RETURN);  // a memo of this window moves on too
        TypeText("2026");
        Pump();
        EXPECT_TRUE(window->actAppend->Enabled());
        EXPECT_EQ(window->actCancel->Caption(), "取消");
        RenderWindowToPng(window->Handle(), "new-student.png");
        ClickNamed(window, "btnAppend");
        EXPECT_EQ(window->edtNo->Text(), "") << "emptied for the next student";
        EXPECT_EQ(window->edtClass->Text(), "高一(1)");
        EXPECT_FALSE(window->cbSign->Checked());
        EXPECT_EQ(window->ActiveControl(), window->edtNo);
        // Unchecking narrows the window; what the exemption boxes hold stays.
        EXPECT_EQ(window->Width(), 344);
        // An exempt student whose number has a stray exemption row takes that row over.
        for (const auto& [box, text] : std::initializer_list<std::pair<TCustomEdit*, const char*>>{
                 {window->edtNo, "1006"}, {window->edtName, "Wu"}, {window->edtYear, "2010"}, {window->edtMonth, "5"},
                 {window->edtDay, "6"}, {window->edtFreeTime, "半年"}, {window->memFreeReason, "手术"}})
          box->SetText(text);
        window->cbSign->SetChecked(true);
        Pump();
        ClickNamed(window, "btnAppend");
        // A number already taken, and one beyond 32 bits, are refused.
        for (const char* number : {"1001", "99999999999"}) {
          for (const auto& [box, text] : std::initializer_list<std::pair<TCustomEdit*, const char*>>{
                   {window->edtNo, number}, {window->edtName, "X"}, {window->edtYear, "2010"}, {window->edtMonth, "5"},
                   {window->edtDay, "6"}})
            box->SetText(text);
          Pump();
          ClickNamed(window, "btnAppend");
        }
        EXPECT_EQ(Errors(), (std::vector<String>{"添加学生资料出错，可能是学生编号重复。", "添加学生资料出错，可能是学生编号重复。"}));
        EXPECT_EQ(Module->adqStudents->State(), dsBrowse);
        ClickNamed(window, "btnCancel");  // "取消" empties the boxes
        EXPECT_EQ(window->edtNo->Text(), "");
        EXPECT_TRUE(window->Visible());
        Click(Child<TControl>(window, "btnCancel"), {5, 5});  // now "关闭"
      },
  });
  EXPECT_EQ(result, mrCancel);
  EXPECT_EQ(ListedStudents(), (std::vector<String>{"1001", "1002", "1003", "1005", "1006"}));
  EXPECT_EQ(Rows("SELECT Fd_StuNo, Fd_Name, Fd_Sex, Fd_InSchool, Fd_Birthday, Fd_Class, Fd_FreeSign FROM Tb_Students "
                 "WHERE Fd_StuNo BETWEEN 1005 AND 1006 ORDER BY Fd_StuNo"),
            (std::vector<std::vector<String>>{{"1005", "Zhou", "女", "2026", "2010-1-2", "高一(1)", "True"},
                                              {"1006", "Wu", "男", "<null>", "2010-5-6", "高一(1)", "True"}}));
  EXPECT_EQ(Rows("SELECT Fd_StuNo, Fd_FreeReason, Fd_FreeDate, Fd_Remark FROM Tb_FreeStudent WHERE Fd_StuNo >= 1005 "
                 "ORDER BY Fd_StuNo"),
            (std::vector<std::vector<String>>{{"1005", "asthma", "2026", "<null>"}, {"1006", "手术", "半年", "旧备注"}}));
}

TEST_F(StudentsTest, AStudentWhoseExemptionRowIsRefusedIsNotKept) {
  Db.Connection()->Execute(
      "CREATE TRIGGER Tr_Refuse BEFORE INSERT ON Tb_FreeStudent BEGIN SELECT RAISE(ABORT, '不能免试'); END");
  RunModal([] { return ShowNewStudents("高一(1)"); }, {[&] {
             TfmNewStudents* window = fmNewStudents;
             for (const auto& [box, text] : std::initializer_list<std::pair<TCustomEdit*, const char*>>{
                      {window->edtNo, "1007"}, {window->edtName, "Zheng"}, {window->edtYear, "2010"},
                      {window->edtMonth, "5"}, {window->edtDay, "6"}, {window->edtFreeTime, "一年"},
                      {window->memFreeReason, "哮喘"}})
               box->SetText(text);
             window->cbSign->SetChecked(true);
             Pump();
             ClickNamed(window, "btnAppend");
             EXPECT_EQ(window->edtNo->Text(), "1007") << "the boxes keep what was typed";
             PressKey(VK_ESCAPE);  // "取消" empties the boxes
             Pump();
             PressKey(VK_ESCAPE);  // "关闭"
           }});
  EXPECT_EQ(Errors(), std::vector<String>{"添加学生资料出错，可能是学生编号重复。"});
  EXPECT_EQ(RowsUnder(1007), (std::vector<String>{"0", "0", "0", "0", "0", "0", "0"}));
  EXPECT_EQ(ListedStudents(), (std::vector<String>{"1001", "1002", "1003"}));
}

TEST_F(StudentsTest, AChangedNumberCarriesEveryRowOfTheStudentInOneTransaction) {
  const std::vector<String> before = RowsUnder(1001);
  EXPECT_EQ(before, (std::vector<String>{"1", "2", "0", "1", "0", "1", "0"}));
  GoToStudent(1001);
  const TModalResult result = RunModal(ShowEditStudent, {
      [&] {
        TfmEditStudent* window = fmEditStudent;
        EXPECT_EQ(window->Caption(), "学生资料设置");
        EXPECT_EQ(window->Width(), 344);
        EXPECT_EQ(window->edtYear->Text(), "2010");
        EXPECT_EQ(window->edtMonth->Text(), "3");
        EXPECT_EQ(window->edtDay->Text(), "4");
        EXPECT_FALSE(window->btnOk->Enabled());
        EXPECT_EQ(window->btnClose->Caption(), "关闭");
        // A number another student has: refused, and nothing of either student moves.
        Retype(window->DBEdit1, "1003");
        EXPECT_TRUE(window->btnOk->Enabled());
        EXPECT_EQ(window->btnClose->Caption(), "取消");
        ClickNamed(window, "btnOk");
        ASSERT_EQ(Errors().size(), 1u);
        EXPECT_EQ(RowsUnder(1001), before);
        EXPECT_EQ(RowsUnder(1003), (std::vector<String>{"1", "0", "0", "0", "0", "0", "0"}));
        EXPECT_TRUE(window->Visible());
        // The data module gave up the refused row; a free number is taken.
        EXPECT_EQ(window->DBEdit1->Text(), "1001");
        Retype(window->DBEdit1, "1101");
        Retype(window->edtDay, "5");
        ClickNamed(window, "btnOk");
        EXPECT_EQ(window->btnClose->Caption(), "关闭") << "saved: the window stays, browsing";
        EXPECT_FALSE(window->btnOk->Enabled());
        Click(window->btnClose, {5, 5});
      },
  });
  EXPECT_EQ(result, mrCancel);
  EXPECT_EQ(Errors().size(), 1u);
  EXPECT_EQ(RowsUnder(1001), (std::vector<String>{"0", "0", "0", "0", "0", "0", "0"}));
  EXPECT_EQ(RowsUnder(1101), before);
  EXPECT_EQ(Value("SELECT Fd_Birthday FROM Tb_Students WHERE Fd_StuNo = 1101"), "2010-3-5");
}

TEST_F(StudentsTest, TheExemptionFollowsTheFlagAndTheNumber) {
  GoToStudent(1002);
  RunModal(ShowEditStudent, {
      [&] {
        TfmEditStudent* window = fmEditStudent;
        EXPECT_EQ(window->Width(), 610);
        EXPECT_TRUE(window->gbFreeGymBox->Visible());
        EXPECT_EQ(window->memFreeReason->Text(), "腿部骨折");
        EXPECT_EQ(window->edtFreeTime->Text(), "2026学年");
        EXPECT_EQ(window->memFreeRemark->Text(), "医院证明");
        EXPECT_FALSE(window->btnOk->Enabled()) << "filling the boxes is no typing";
        RenderWindowToPng(window->Handle(), "edit-student.png");
        // Typing in an exemption box enables OK; a new number moves the exemption row along.
        window->edtFreeTime->SetFocus();
        Pump();
        PressKey(VK_END);
        TypeText("x");
        Pump();
        EXPECT_TRUE(window->btnOk->Enabled());
        Retype(window->DBEdit1, "1202");
        ClickNamed(window, "btnOk");
        EXPECT_EQ(Rows("SELECT Fd_StuNo, Fd_FreeReason, Fd_FreeDate, Fd_Remark FROM Tb_FreeStudent"),
                  (std::vector<std::vector<String>>{{"1202", "腿部骨折", "2026学年x", "医院证明"}}));
        // Unchecked, the exemption row goes; an incomplete birth date is refused first.
        window->DBCheckBox1->SetFocus();
        Pump();
        PressKey(VK_SPACE);
        Pump();
        EXPECT_EQ(window->Width(), 344);
        Retype(window->edtMonth, "");
        ClickNamed(window, "btnOk");
        EXPECT_EQ(Errors(), std::vector<String>{"请输入学生完整出生日期。"});
        Retype(window->edtMonth, "11");
        ClickNamed(window, "btnOk");
        Click(window->btnClose, {5, 5});
      },
  });
  EXPECT_EQ(Value("SELECT count(*) FROM Tb_FreeStudent"), "0");
  EXPECT_EQ(Value("SELECT Fd_FreeSign FROM Tb_Students WHERE Fd_StuNo = 1202"), "False");
}

TEST_F(StudentsTest, CancelDropsTheChangesAndKeepsTheWindowAndCloseClosesIt) {
  GoToStudent(1003);
  RunModal(ShowEditStudent, {
      [&] {
        TfmEditStudent* window = fmEditStudent;
        EXPECT_EQ(window->edtYear->Text(), "") << "no birth date";
        ClickNamed(window, "btnHelp");
        ASSERT_EQ(SystemCalls().Calls.size(), 1u);
        EXPECT_EQ(SystemCalls().Calls[0].Kind, "help");
        EXPECT_EQ(SystemCalls().HelpData, std::vector<uintptr_t>{1}) << "topic 1";
        Retype(Child<TDBEdit>(window, "DBEdit2"), "Wang");
        ClickNamed(window, "btnClose");
        EXPECT_TRUE(window->Visible());
        EXPECT_EQ(Child<TDBEdit>(window, "DBEdit2")->Text(), "王三");
        EXPECT_EQ(window->btnClose->Caption(), "关闭");
        Retype(Child<TDBEdit>(window, "DBEdit2"), "Wang");
        window->Close();  // the close box drops the change too
      },
  });
  EXPECT_EQ(Module->adqStudents->State(), dsBrowse);
  EXPECT_EQ(Value("SELECT Fd_Name FROM Tb_Students WHERE Fd_StuNo = 1003"), "王三");
}

}  // namespace
