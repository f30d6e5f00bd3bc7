// The correction of stored results: the student's results with their texts, a new performance
// asked for and rescored against the standards of the row's grade for the student's present sex,
// one correction per result with the old and new values, and a commit that writes every
// correction into its row or, failing, none and keeps the dialog.
#include "app/windows/EditExamAchieve.h"
#include "app/windows/EditUptoAchieve.h"
#include "app/windows/InputAchieve.h"
#include "fixtures/EntryFixture.h"

namespace {

class EditAchieveTest : public TEntryTest {
 protected:
  void SetUp() override {
    TEntryTest::SetUp();
    // 1001's results: the 50 m run and the long jump in 高一, the long jump again as taken in 高二,
    // and one of an item that no longer exists; 1003 has one of her own.
    Module->adcConnect->Execute(
        "INSERT INTO Tb_UptoProcess (Fd_StuNo, Fd_TestDate, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal) VALUES"
        " (1001, '2026-09-01 10:15:00', 'U21', '高一', 8.5, 60), (1001, '2026-09-02 00:00:00', 'U31', '高一', 2.1, 70),"
        " (1001, '2026-09-03 00:00:00', 'U31', '高二', 2.1, 65), (1001, '2026-09-04 00:00:00', 'X99', '高一', 3, 50),"
        " (1003, '2026-09-01 00:00:00', 'U21', '高一', 9.1, 70);"
        "INSERT INTO Tb_ExamProcess (Fd_StuNo, Fd_TestDate, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal, Fd_TestPart,"
        " Fd_TermType) VALUES (1001, '2026-09-01 00:00:00', 'E01', '高一', 13.5, 80, 2, 1),"
        " (1001, '2026-09-01 00:00:00', 'DP101', '高一', 90, 90, 0, 1);");
  }

  // Moves the grid to the result Fd_ProcID, clicks "修改" and answers the input box: a time as
  // minutes, seconds and hundredths, or a number; Cancel when Typed is empty.
  void Change(TfmEditAchieve* Dialog, int ProcID, std::vector<String> Typed) {
    ASSERT_TRUE(Dialog->adqUptoAchieve->Locate("Fd_ProcID", Variant(ProcID)));
    Pump();
    TestClock().OnWait([Typed, this] {
      auto* box = dynamic_cast<TfmInputAchieveBox*>(Screen->ActiveForm());
      ASSERT_NE(box, nullptr);
      if (Typed.empty()) return PressKey(VK_ESCAPE);
      EXPECT_EQ(box->TimeMode(), Typed.size() == 3);
      for (const String& text : Typed) {
        TypeText(text);
        PressKey(VK_RETURN);
      }
      PressKey(VK_RETURN);  // on OK
    });
    Click(dynamic_cast<TControl*>(Dialog->FindComponent("btnChange")), {5, 5});
    Pump();
  }
  void ClickButton(TComponent* Dialog, const char* Name) {
    Click(dynamic_cast<TControl*>(Dialog->FindComponent(Name)), {5, 5});
    Pump();
  }
  // The text the grid shows in a cell: the field's text as its drawing handler gives it.
  static String CellText(TdxDBGrid* Grid, int Row, TdxDBGridColumn* Column) {
    TdxTreeListNode* node = Grid->Items(Row);
    String text = node->Strings(Column->GetIndex());
    TColor color = clWindow;
    TAlignment alignment = taLeftJustify;
    bool done = false;
    Grid->OnCustomDrawCell(Grid, nullptr, TRect{}, node, Column, false, false, false, text, color, Grid->Font(),
                           alignment, done);
    return text;
  }
  int Score(const String& Grade, const String& Sex, const String& ProgNo, double Achieve, const String& Unit) {
    TStandardThresholds thresholds{};
    LoadStandardRow(Module->adqExecSql, sfUpto, Grade, Sex, ProgNo, thresholds);
    return ScoreItem(Achieve, thresholds, Unit);
  }
};

TEST_F(EditAchieveTest, TheStudentsResultsShowWithTheirDatesAndPerformancesAsTheirUnitsShowThem) {
  TestClock().OnWait([&] {
    TfmEditUptoAchieve* dialog = fmEditUptoAchieve;
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Caption(), "达标成绩维护");
    TdxDBGrid* grid = dialog->dgUptoProgress;
    EXPECT_EQ(grid->Bands()->Items(0)->Caption(), "学生达标考试记录");
    EXPECT_EQ(dialog->edtName->Text(), "张一");
    ASSERT_EQ(grid->Count(), 3) << "the item that no longer exists is left out";
    EXPECT_EQ(CellText(grid, 0, dialog->clmTestDate), "2026-09-01");
    EXPECT_EQ(CellText(grid, 0, dialog->clmAchieve), "8\"50");
    EXPECT_EQ(CellText(grid, 1, dialog->clmAchieve), "2.10");
    EXPECT_EQ(grid->Items(1)->Strings(2), "立定跳远");
    EXPECT_FALSE(dialog->actUpdate->Enabled() || dialog->actClear->Enabled() || dialog->actDelete->Enabled());
    EXPECT_TRUE(dialog->actChangeAchieve->Enabled());
    EXPECT_TRUE(dynamic_cast<TButton*>(dialog->FindComponent("btnOk"))->Default());
    PressKey(VK_ESCAPE);
  });
  EXPECT_EQ(ShowEditUptoAchieve(), mrCancel);
  Pump();
  EXPECT_EQ(fmEditUptoAchieve, nullptr);
}

// A time corrected to 65.5 s, the same row again, a second row of the same item (taken in 高二:
// its standards score it), and a correction given up: one entry per row, the newest value, the
// stored values beside it; OK writes the performances and scores and nothing else.
TEST_F(EditAchieveTest, CorrectionsAreRescoredListedOncePerResultAndWrittenIntoTheirRows) {
  TestClock().OnWait([&] {
    TfmEditUptoAchieve* dialog = fmEditUptoAchieve;
    Change(dialog, 1, {"1", "5", "5"});
    EXPECT_EQ(Entries(dialog->lvChangedList),
              (std::vector<TEntryRow>{{"50米跑", "1'5\"50", IntToStr(Score("高一", "男", "U21", 65.5, "秒")), "8\"50", "60"}}));
    Change(dialog, 3, {"2.45"});
    Change(dialog, 1, {"", "7", "1"});
    Change(dialog, 2, {});
    const auto entries = Entries(dialog->lvChangedList);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], (TEntryRow{"立定跳远", "2.45", IntToStr(Score("高二", "男", "U31", 2.45, "米")), "2.10", "65"}));
    EXPECT_EQ(entries[1][0], "50米跑");
    EXPECT_EQ(entries[1][1], "7\"10");
    EXPECT_EQ(entries[1][3], "8\"50");
    RenderWindowToPng(dialog->Handle(), "edit-upto-achieve.png");
    ClickButton(dialog, "btnOk");
  });
  EXPECT_EQ(ShowEditUptoAchieve(), mrOk);
  EXPECT_TRUE(Errors().empty());
  EXPECT_EQ(Rows("select Fd_ProcID, Fd_StuNo, Fd_TestDate, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal from Tb_UptoProcess "
                 "where Fd_ProcID <= 3 order by Fd_ProcID"),
            (std::vector<TEntryRow>{
                {"1", "1001", "2026-9-1 10:15:00", "U21", "高一", "7.1", IntToStr(Score("高一", "男", "U21", 7.1, "秒"))},
                {"2", "1001", "2026-9-2", "U31", "高一", "2.1", "70"},
                {"3", "1001", "2026-9-3", "U31", "高二", "2.45", IntToStr(Score("高二", "男", "U31", 2.45, "米"))}}));
}

// The database refuses the second correction: nothing is written, the error shows and the dialog
// stays; a row deleted meanwhile is skipped when the corrections are written again.
TEST_F(EditAchieveTest, AFailedCommitWritesNoCorrectionAndKeepsTheDialog) {
  TestClock().OnWait([&] {
    TfmEditUptoAchieve* dialog = fmEditUptoAchieve;
    Change(dialog, 1, {"", "9", "0"});
    Change(dialog, 2, {"2.3"});
    Module->adcConnect->Execute("UPDATE Tb_UptoProcess SET Fd_StuNo = 1001 WHERE Fd_ProcID = 2");
    RefuseRowsOf("Tb_UptoProcess", 1001, "UPDATE");
    ClickButton(dialog, "btnOk");
    EXPECT_TRUE(dialog->Visible());
    EXPECT_EQ(Errors().size(), 1u);
    EXPECT_EQ(dialog->Pending().Count(), 2);
    EXPECT_EQ(Rows("select Fd_Achieve from Tb_UptoProcess where Fd_ProcID <= 2 order by Fd_ProcID"),
              (std::vector<TEntryRow>{{"8.5"}, {"2.1"}}));
    AcceptRowsAgain();
    Module->adcConnect->Execute("DELETE FROM Tb_UptoProcess WHERE Fd_ProcID = 1");
    ClickButton(dialog, "btnOk");
  });
  EXPECT_EQ(ShowEditUptoAchieve(), mrOk);
  EXPECT_EQ(Rows("select Fd_ProcID, Fd_Achieve from Tb_UptoProcess where Fd_ProcID <= 2"),
            (std::vector<TEntryRow>{{"2", "2.3"}}));
}

// The examination dialog shows the examination items only: the attendance score is no item of
// the item table.
TEST_F(EditAchieveTest, TheExaminationDialogCorrectsExaminationResults) {
  TestClock().OnWait([&] {
    TfmEditExamAchieve* dialog = fmEditExamAchieve;
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Caption(), "考核成绩维护");
    ASSERT_EQ(dialog->dgUptoProgress->Count(), 1);
    EXPECT_EQ(CellText(dialog->dgUptoProgress, 0, dialog->clmAchieve), "13\"50");
    Change(dialog, 1, {"", "12", "9"});
    // Enter on the grid presses the default button.
    dialog->dgUptoProgress->SetFocus();
    PressKey(VK_RETURN);
  });
  EXPECT_EQ(ShowEditExamAchieve(), mrOk);
  EXPECT_EQ(Rows("select Fd_Achieve, Fd_TestPart, Fd_TermType from Tb_ExamProcess where Fd_ProcID = 1"),
            (std::vector<TEntryRow>{{"12.9", "2", "1"}}));
}

// A performance the box cannot read keeps the box open; given up, it lists no correction.
TEST_F(EditAchieveTest, AnEntryTheBoxRefusesNeverBecomesACorrection) {
  TestClock().OnWait([&] {
    TfmEditUptoAchieve* dialog = fmEditUptoAchieve;
    ASSERT_TRUE(dialog->adqUptoAchieve->Locate("Fd_ProcID", Variant(2)));
    TestClock().OnWait([&] {
      PressKey(VK_RETURN);  // from the empty number box to OK
      PressKey(VK_RETURN);  // refused: nothing typed
    });
    TestClock().OnWait([&] {
      EXPECT_NE(dynamic_cast<TfmInputAchieveBox*>(Screen->ActiveForm()), nullptr) << "the box stays open";
      PressKey(VK_ESCAPE);
    });
    ClickButton(dialog, "btnChange");
    EXPECT_EQ(dialog->Pending().Count(), 0);
    ClickButton(dialog, "btnCancel");
  });
  EXPECT_EQ(ShowEditUptoAchieve(), mrCancel);
  EXPECT_EQ(MessageTexts(*Dialogs), (std::vector<String>{"请输入成绩"}));
  EXPECT_EQ(Rows("select Fd_Achieve, Fd_FenVal from Tb_UptoProcess where Fd_ProcID = 2"),
            (std::vector<TEntryRow>{{"2.1", "70"}}));
}

}  // namespace
