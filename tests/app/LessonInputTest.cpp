// The attendance register, driven from the keyboard as a teacher records a lesson: the kinds, one
// entry per student recorded when the kind list closes, the move to the next student, and a
// commit that stores every entry or, failing, none and keeps the window.
#include "app/windows/LessonInput.h"
#include "fixtures/EntryFixture.h"

namespace {

class LessonInputTest : public TEntryTest {
 protected:
  void SetUp() override {
    TEntryTest::SetUp();
    ShowLessonInput();
    Pump();
    Window = fmLessonInput;
    ASSERT_NE(Window, nullptr);
  }
  void TearDown() override {
    if (fmLessonInput) fmLessonInput->Close();
    TEntryTest::TearDown();
  }

  // Opens the kind list, moves Steps items down in it and closes it with Key (Enter picks the
  // item, Escape picks nothing).
  void ChooseKind(int Steps, int Key = VK_RETURN) {
    Window->cbbLessonType->SetFocus();
    Pump();
    PressKey(VK_F4);
    for (int i = 0; i < Steps; ++i) PressKey(VK_DOWN);
    PressKey(Key);
    Pump();
  }
  void ClickButton(const char* Name) {
    Click(dynamic_cast<TControl*>(Window->FindComponent(Name)), {5, 5});
    Pump();
  }

  TfmLessonInput* Window = nullptr;
};

TEST_F(LessonInputTest, TheKindsAreTheBuiltInOnesThenThoseOfTheTable) {
  EXPECT_EQ(Window->Caption(), "学生出勤情况录入");
  EXPECT_EQ(Window->FormStyle(), fsStayOnTop);
  EXPECT_EQ(Window->BorderStyle(), bsToolWindow);
  EXPECT_EQ(Window->cbbLessonType->Style(), csDropDownList);
  EXPECT_EQ(Window->deTestDate->Date(), EncodeDate(2026, 10, 12) + EncodeTime(9, 30, 0, 0));
  Window->Close();
  Pump();
  Module->adcConnect->Execute("DELETE FROM Tb_Duty; INSERT INTO Tb_Duty (Fd_Name) VALUES ('公假'), ('迟到')");
  ShowLessonInput();
  Pump();
  Window = fmLessonInput;
  TStrings* kinds = Window->cbbLessonType->Items();
  std::vector<String> texts;
  for (int i = 0; i < kinds->Count(); ++i) texts.push_back(kinds->Strings(i));
  EXPECT_EQ(texts, (std::vector<String>{"出勤", "迟到", "早退", "旷课", "事假", "病假", "公假", "迟到"}));
  EXPECT_FALSE(Window->actUpdate->Enabled() || Window->actClear->Enabled() || Window->actDelete->Enabled());
}

// A list closed before any kind was picked records nothing; afterwards closing it records the
// kind shown. A second kind for a student replaces the first, even on another date, and goes
// to the top; the last student stays current.
TEST_F(LessonInputTest, ClosingTheKindListRecordsTheStudentOnceWithTheKindShown) {
  ChooseKind(0, VK_ESCAPE);
  EXPECT_EQ(Window->Pending().Count(), 0);
  EXPECT_EQ(CurrentStudent(), 1001);
  ChooseKind(1);  // 出勤
  ChooseKind(0, VK_ESCAPE);
  ChooseKind(3);  // 旷课
  EXPECT_EQ(CurrentStudent(), 1004);
  GoToStudent(1001);
  Window->deTestDate->SetDate(EncodeDate(2026, 10, 13));
  ChooseKind(1);  // 事假
  GoToStudent(1005);
  ChooseKind(1);  // 病假
  EXPECT_EQ(CurrentStudent(), 1005);
  EXPECT_EQ(Entries(Window->lvInputList),
            (std::vector<TEntryRow>{{"1005", "病假"}, {"1001", "事假"}, {"1003", "旷课"}, {"1002", "出勤"}}));
  EXPECT_EQ(Window->Pending().Record(1).TestDate, EncodeDate(2026, 10, 13));
  RenderWindowToPng(Window->Handle(), "lesson-input.png");

  // Deleting and clearing ask nothing.
  Window->lvInputList->SetSelected(Window->lvInputList->Items()->Item(0));
  Pump();
  ClickButton("btnDelete");
  EXPECT_EQ(Window->Pending().Count(), 3);
  ClickButton("btnClear");
  EXPECT_EQ(Window->Pending().Count(), 0);
  EXPECT_TRUE(Dialogs->Messages.empty());
  EXPECT_TRUE(Errors().empty());
}

TEST_F(LessonInputTest, AFailedCommitStoresNothingAndARetryStoresEachEntryOnce) {
  ChooseKind(1);  // 出勤
  ChooseKind(2);  // 早退
  Window->cbAutoMove->SetChecked(false);
  ChooseKind(3);  // 病假
  RefuseRowsOf("Tb_DutyProcess", 1002);
  ClickButton("btnOk");
  ASSERT_EQ(fmLessonInput, Window);
  EXPECT_TRUE(Window->Visible());
  EXPECT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Window->Pending().Count(), 3);
  EXPECT_EQ(Rows("select count(*) from Tb_DutyProcess")[0][0], "0");
  AcceptRowsAgain();
  ClickButton("btnOk");
  EXPECT_EQ(fmLessonInput, nullptr);
  EXPECT_EQ(Rows("select Fd_StuNo, Fd_TestDate, Fd_Duty from Tb_DutyProcess order by Fd_DutyID"),
            (std::vector<TEntryRow>{{"1003", "2026-10-12 9:30:00", "病假"},
                                    {"1002", "2026-10-12 9:30:00", "早退"},
                                    {"1001", "2026-10-12 9:30:00", "出勤"}}));
}

}  // namespace
