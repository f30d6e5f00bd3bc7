// The preview window over a report of three pages: its layout, the eleven toolbar buttons clicked
// through the message path (zoom, pages, a prepared-report file saved and opened, printing to a
// PDF file that is read back), the keys it hands to the preview, and its life: closed by its close
// box it is freed, and the next report makes a new one.
#include "controls/SpeedButton.h"
#include "fixtures/ReportsFixture.h"
#include "report/FR_PreviewDlgs.h"
#include "printing/Printers.h"
#include "report/FR_Prntr.h"
#include "rtl/Files.h"
#include "support/PdfReader.h"

namespace {

class PreviewWindowTest : public TReportsTest {
 protected:
  void SetUp() override {
    TReportsTest::SetUp();
    // Enough students in 高一(2)班 for three pages of the student list.
    Module->adcConnect->Execute(
        "WITH RECURSIVE n(i) AS (SELECT 3 UNION ALL SELECT i + 1 FROM n WHERE i < 80)"
        " INSERT INTO Tb_Students (Fd_StuNo, Fd_Name, Fd_Sex, Fd_Class) SELECT 2025200 + i, '学生' || i, '男', "
        "'高一(2)班' FROM n");
  }
  static void PrintStudents() { PrintListReport(lrStudents, "高一(2)班"); }

  TSpeedButton* Button(TfmRptPreview& Preview, int Tag) {
    for (int i = 0; i < Preview.pnToolbar->ControlCount(); ++i)
      if (auto* button = dynamic_cast<TSpeedButton*>(Preview.pnToolbar->Controls(i)); button && button->Tag() == Tag)
        return button;
    return nullptr;
  }
  void ClickButton(TfmRptPreview& Preview, int Tag) {
    Click(Button(Preview, Tag), {12, 12});
    Pump();
  }

  TempDir Dir;
};

TEST_F(PreviewWindowTest, StartsMaximisedAtFullSizeWithElevenFlatButtons) {
  const TShownReport shown = RunReport(PrintStudents, [&](TfmRptPreview& preview) {
    EXPECT_EQ(preview.WindowState(), wsMaximized);
    EXPECT_EQ(preview.pnToolbar->Height(), 33);
    EXPECT_EQ(preview.pnToolbar->Align(), alTop);
    EXPECT_EQ(preview.frpPreview->Align(), alClient);
    EXPECT_EQ(preview.frpPreview->ScrollBars(), ssBoth);
    EXPECT_EQ(preview.frpPreview->BevelOuter(), bvNone);
    const char* const hints[] = {"100%放大", "充满", "横向充满", "首页", "上一页", "下一页", "尾页",
                                 "打开报表文件", "保存报表文件", "打印", "关闭"};
    for (int tag = 1; tag <= 11; ++tag) {
      TSpeedButton* button = Button(preview, tag);
      ASSERT_NE(button, nullptr) << tag;
      EXPECT_EQ(button->Hint(), hints[tag - 1]);
      EXPECT_TRUE(button->Flat());
      EXPECT_FALSE(button->Glyph()->Empty());
    }
    EXPECT_EQ(preview.frpPreview->Window()->ZoomMode(), zmPercent);
    EXPECT_DOUBLE_EQ(preview.frpPreview->Window()->Scale(), 1.0);
    RenderWindowToPng(preview.Handle(), "report-preview.png");
  });
  EXPECT_EQ(shown.Pages, 3);
}

TEST_F(PreviewWindowTest, TheToolbarZoomsAndTurnsPages) {
  RunReport(PrintStudents, [&](TfmRptPreview& preview) {
    TfrPreview& frp = *preview.frpPreview;
    const struct {
      int Tag;
      TfrZoomMode Mode;
      int Page;
    } steps[] = {{2, zmWholePage, 1}, {3, zmPageWidth, 1}, {1, zmPercent, 1}, {7, zmPercent, 3},
                 {5, zmPercent, 2},   {4, zmPercent, 1},   {6, zmPercent, 2}};
    for (const auto& step : steps) {
      ClickButton(preview, step.Tag);
      EXPECT_EQ(frp.Window()->ZoomMode(), step.Mode) << step.Tag;
      EXPECT_EQ(frp.Page(), step.Page) << step.Tag;
    }
    EXPECT_DOUBLE_EQ(frp.Window()->Scale(), 1.0);
    // Keys reach the preview from the window: Ctrl+End the last page, Ctrl+PgUp the one before.
    PressKey(VK_END, ssCtrl);
    Pump();
    EXPECT_EQ(frp.Page(), 3);
    PressKey(VK_PRIOR, ssCtrl);
    Pump();
    EXPECT_EQ(frp.Page(), 2);
  });
}

// Saved, then opened again; printed through the print dialog to the virtual printer's PDF file.
TEST_F(PreviewWindowTest, SavesOpensAndPrintsToAPdfFileThatReadsBack) {
  const std::string saved = Dir.File("students.frp"), pdf = Dir.File("students.pdf");
  Dialogs->OnFileDialog = [&](TFileDialogRequest& Request) {
    Request.FileName = Request.Filter.find("*.pdf") != String::npos ? pdf : saved;
    Request.FilterIndex = 1;
    return true;
  };
  RunReport(PrintStudents, [&](TfmRptPreview& preview) {
    ClickButton(preview, 9);
    ASSERT_TRUE(FileExists(saved));
    ClickButton(preview, 8);
    EXPECT_EQ(preview.frpPreview->AllPages(), 3);
    TestClock().OnWait([&] {
      for (int i = 0; i < Screen->FormCount(); ++i)
        if (auto* dialog = dynamic_cast<TfrPrintForm*>(Screen->Forms(i))) Click(dialog->OkBtn, {5, 5});
    });
    ClickButton(preview, 10);
  });
  const std::string info = PdfInfo(pdf, 3);
  EXPECT_EQ(PdfField(info, "Pages"), "3") << info;
  const TPdfPageSize size = PdfPageSizeMM(info, 1);
  EXPECT_NEAR(size.Width, 210, kPdfHalfPoint);
  EXPECT_NEAR(size.Height, 297, kPdfHalfPoint);
  const std::string page1 = PdfPageText(pdf, 1);
  for (const char* text : {"学生资料表", "学校：第一中学", "班级：高一(2)班", "蒋华", "第 1 页，共 3 页"})
    EXPECT_NE(page1.find(text), std::string::npos) << text << " in " << page1;
  EXPECT_EQ(page1.find("1899"), std::string::npos);  // a missing birthday prints as nothing
  // The captions repeat on every page.
  const std::string page2 = PdfPageText(pdf, 2);
  for (const char* caption : {"序号", "学号", "出生日期", "备注"}) EXPECT_NE(page2.find(caption), std::string::npos);
  EXPECT_NE(page2.find("第 2 页，共 3 页"), std::string::npos);
  EXPECT_NE(PdfPageText(pdf, 3).find("合计：80 人"), std::string::npos);
}

// The landscape reports print on landscape paper also as the program's first print, when the
// printer layer met the platform's printer only at the print: nothing of their right side is lost.
TEST_F(PreviewWindowTest, LandscapeReportsPrintOnLandscapePaperAtTheFirstPrint) {
  ConfigureUptoItems({"U11", "U21"});
  const std::string pdf = Dir.File("landscape.pdf");
  Dialogs->OnFileDialog = [&](TFileDialogRequest& Request) {
    Request.FileName = pdf;
    return true;
  };
  const struct {
    const char* Template;
    std::function<void()> Run;
  } reports[] = {
      {"RptAchieveClass", [] { PrintStatisticsReport(TdmGym::slClasses, "高一(2)班"); }},
      {"RptAchieveUptoGrade", [] { PrintStatisticsReport(TdmGym::slGrades, "高一(2)班"); }},
      {"RptStudentUpto", [] { PrintStudentUptoReport("高一(2)班"); }},
  };
  for (const auto& report : reports) {
    SCOPED_TRACE(report.Template);
    frPrinter().SetPrinter(nullptr);
    Printer()->SetOrientation(poPortrait);
    RunReport(report.Run, [&](TfmRptPreview& preview) {
      TestClock().OnWait([&] {
        for (int i = 0; i < Screen->FormCount(); ++i)
          if (auto* dialog = dynamic_cast<TfrPrintForm*>(Screen->Forms(i))) Click(dialog->OkBtn, {5, 5});
      });
      ClickButton(preview, 10);
    });
    const std::string info = PdfInfo(pdf, 1);
    const TPdfPageSize size = PdfPageSizeMM(info, 1);
    EXPECT_NEAR(size.Width, 297, kPdfHalfPoint) << info;
    EXPECT_NEAR(size.Height, 210, kPdfHalfPoint);
    const std::string page1 = PdfPageText(pdf, 1);
    for (const char* text : {"学校：第一中学", "打印人：管理员", "打印日期"})
      EXPECT_NE(page1.find(text), std::string::npos) << text << " in " << page1;
  }
}

// Escape reaches the embedded preview's own key handling, which closes the window holding it as
// its close box does; the preview keeps its window, pages and scroll bars until then.
TEST_F(PreviewWindowTest, EscapeClosesTheWindowAsItsCloseBoxDoesAndNeverEmptiesIt) {
  const TShownReport shown = RunReport(PrintStudents, [&](TfmRptPreview& preview) {
    PressKey(VK_ESCAPE);
    Pump();
    EXPECT_EQ(preview.ModalResult(), mrCancel);
    EXPECT_EQ(preview.frpPreview->ComponentCount(), 1);  // the hidden window that does the work
    ASSERT_EQ(preview.frpPreview->ControlCount(), 1);    // its page area, borrowed
    EXPECT_EQ(preview.frpPreview->AllPages(), 3);
    EXPECT_TRUE(preview.frpPreview->Window()->VScrollBar->Visible());
  });
  EXPECT_TRUE(shown.Shown);
  EXPECT_EQ(fmRptPreview, nullptr);
  EXPECT_EQ(Windows("TfmRptPreview"), 0);
  EXPECT_EQ(Module->rptPrint->Preview(), nullptr);
}

TEST_F(PreviewWindowTest, ClosedByItsCloseBoxItIsFreedAndTheNextReportMakesANewOne) {
  bool closed = false;
  TestClock().OnWait([&] {
    ASSERT_NE(fmRptPreview, nullptr);
    fmRptPreview->Close();
    closed = true;
  });
  PrintStudents();
  Pump();
  EXPECT_TRUE(closed);
  EXPECT_EQ(fmRptPreview, nullptr);
  EXPECT_EQ(Windows("TfmRptPreview"), 0);
  // The report let go of the freed window's preview; the next one shows in a new window.
  EXPECT_EQ(Module->rptPrint->Preview(), nullptr);
  const TShownReport again = RunReport(PrintStudents);
  EXPECT_TRUE(again.Shown);
  EXPECT_EQ(again.Pages, 3);
}

}  // namespace
