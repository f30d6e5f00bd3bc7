// The terms window: the grid with its dates, adding, changing and deleting terms, the two
// messages of saving, and the key rule of the date boxes.
#include "app/windows/SetTermType.h"
#include "fixtures/SchoolFixture.h"
#include "rtl/Convert.h"
#include "support/FormFixture.h"

namespace {

class TermsTest : public TSchoolTest {
 protected:
  void ClickAction(const char* Button) {
    Click(Child<TControl>(fmSetTermType, Button), {5, 5});
    Pump();
  }
  std::vector<std::vector<String>> Terms() {
    return Rows("SELECT Fd_TermName, Fd_StartDate, Fd_EndDate FROM Tb_TermType ORDER BY Fd_TermID");
  }
  bool Painted(const String& Text) { return RecordPaint(fmSetTermType->dbgStudent).FindText(Text) != nullptr; }
};

TEST_F(TermsTest, TermsAreAddedAndChangedThroughTheirYearMonthAndDayBoxes) {
  const String today = FormatDateTime("yyyy-m-d", Date());
  const TModalResult result = RunModal(ShowSetTermType, {[&] {
    TfmSetTermType* window = fmSetTermType;
    EXPECT_EQ(window->Caption(), "统计类型设置");
    EXPECT_EQ(window->nbSumType->PageIndex(), TfmSetTermType::pgBrowse);
    EXPECT_TRUE(window->actAppend->Enabled() && window->actEdit->Enabled() && window->actDelete->Enabled());
    EXPECT_FALSE(window->actSave->Enabled());
    EXPECT_TRUE(Painted("2026年09月01日"));
    EXPECT_TRUE(Painted("2027年01月22日"));
    EXPECT_EQ(window->dbgStudent->Color(), RGB(66, 207, 219));
    EXPECT_EQ(window->dbgStudent->HighlightColor(), RGB(102, 171, 213));
    EXPECT_EQ(window->dbgStudent->HideSelectionColor(), RGB(102, 171, 213));
    RenderWindowToPng(window->Handle(), "terms.png");

    // Added and saved at once: the placeholder name, starting and ending today.
    ClickAction("btnAppend");
    EXPECT_EQ(window->nbSumType->PageIndex(), TfmSetTermType::pgEdit);
    EXPECT_EQ(window->edtTermName->Text(), "请输入名称");
    EXPECT_FALSE(window->actAppend->Enabled());
    EXPECT_TRUE(window->actSave->Enabled());
    RenderWindowToPng(window->Handle(), "term-edit.png");
    ClickAction("btnSave");
    EXPECT_EQ(window->nbSumType->PageIndex(), TfmSetTermType::pgBrowse);

    // The first term changed: its dates come into the boxes without leading zeros; letters and
    // signs are not taken, Backspace is.
    window->adqSumtype->First();
    ClickAction("btnEdit");
    EXPECT_EQ(window->edtStartYear->Text(), "2026");
    EXPECT_EQ(window->edtStartMonth->Text(), "9");
    EXPECT_EQ(window->edtStartDay->Text(), "1");
    Retype(window->edtEndDay, "2a-5");
    PressKey(VK_BACK);
    TypeText("8");
    Pump();
    EXPECT_EQ(window->edtEndDay->Text(), "28");
    Retype(window->edtTermName, "秋季学期");
    ClickAction("btnSave");
  }, [&] {
    EXPECT_TRUE(Errors().empty());
    PressKey(VK_ESCAPE);
  }});
  EXPECT_EQ(result, mrCancel);
  EXPECT_EQ(fmSetTermType, nullptr);
  EXPECT_EQ(Terms(), (std::vector<std::vector<String>>{{"秋季学期", "2026-9-1", "2027-1-28"},
                                                       {"2026-2027学年第二学期", "2027-2-22", "2027-7-9"},
                                                       {"请输入名称", today, today}}));
}

TEST_F(TermsTest, ABadDateOrAnEmptyBoxKeepsTheTermBeingEdited) {
  const auto before = Terms();
  RunModal(ShowSetTermType, {[&] {
    TfmSetTermType* window = fmSetTermType;
    window->adqSumtype->First();
    ClickAction("btnEdit");
    Retype(window->edtStartYear, "2004");
    Retype(window->edtStartMonth, "2");
    Retype(window->edtStartDay, "30");
    ClickAction("btnSave");
    EXPECT_EQ(Errors(), std::vector<String>{"日期格式不对，请重新检查。"});
    EXPECT_EQ(window->nbSumType->PageIndex(), TfmSetTermType::pgEdit);
    EXPECT_EQ(window->adqSumtype->State(), dsEdit);
    Retype(window->edtStartDay, "29");
    Retype(window->edtTermName, "");
    ClickAction("btnSave");
    EXPECT_EQ(MessageTexts(*Dialogs), std::vector<String>{"数据不完整，不能保存。"});
    EXPECT_EQ(Dialogs->Messages[0].Caption, "错误提示");
    EXPECT_EQ(window->nbSumType->PageIndex(), TfmSetTermType::pgEdit);
    ClickAction("btnCancelEdit");
    EXPECT_EQ(window->nbSumType->PageIndex(), TfmSetTermType::pgBrowse);
    // Closing in the middle of an addition drops it.
    ClickAction("btnAppend");
    Click(Child<TControl>(window, "btnClose"), {5, 5});
  }});
  EXPECT_EQ(Terms(), before);
}

TEST_F(TermsTest, DeletingAsksFirst) {
  Dialogs->MessageAnswers = {mrNo, mrYes};
  RunModal(ShowSetTermType, {[&] {
    fmSetTermType->adqSumtype->Last();
    ClickAction("btnDelete");
    ClickAction("btnDelete");
    Click(Child<TControl>(fmSetTermType, "btnClose"), {5, 5});
  }});
  ASSERT_EQ(Dialogs->Messages.size(), 2u);
  EXPECT_EQ(Dialogs->Messages[0].Msg, "确定要删除该记录吗？");
  EXPECT_EQ(Dialogs->Messages[0].Caption, "信息提示");
  EXPECT_EQ(Dialogs->Messages[0].Buttons, MsgDlgBit(mbYes) | MsgDlgBit(mbNo));
  EXPECT_EQ(Terms(), (std::vector<std::vector<String>>{{"2026-2027学年第一学期", "2026-9-1", "2027-1-22"}}));
}

}  // namespace
