// Printing prepared pages: the page-number list, which pages print in what order for copies and
// collation, paper changes within one job, stopping after the current page, and the progress
// window that the work runs under. The virtual printer prints into PDF files read back here.
#include "BuildTestKit.h"

#include <filesystem>

#include "printing/Printers.h"
#include "report/FR_Export.h"
#include "rtl/Convert.h"
#include "report/FR_ProgressForm.h"
#include "support/GuiHarness.h"
#include "support/PdfReader.h"
#include "support/TempDir.h"

namespace {

std::vector<int> Range(int From, int To) {
  std::vector<int> pages;
  for (int i = From; i <= To; ++i) pages.push_back(i);
  return pages;
}

TEST(PageNumbersTest, ListsRangesOpenEndsBlanksAndNothing) {
  std::vector<int> first = {1, 3};
  for (int i : Range(5, 12)) first.push_back(i);
  const struct {
    const char* Text;
    std::vector<int> Pages;
  } cases[] = {
      {"1,3,5-12", first},
      {"7-", Range(7, 12)},
      {" 2 , 4 - 5 ", {2, 4, 5}},
      {"", {}},
      {"5-3", {}},
      {"10-20", {10, 11, 12}},  // no page past the last
  };
  for (const auto& c : cases) EXPECT_EQ(frPageNumbers(c.Text, 12), c.Pages) << c.Text;
  for (const char* bad : {"1;3", "a-", "1,,x"}) EXPECT_THROW(frPageNumbers(bad, 9), EConvertError) << bad;
}

// Five pages "P1" to "P5"; the second is drawn into the printable area, the third is landscape.
class PrintingTest : public TBuildTest {
 protected:
  void SetUp() override {
    TBuildTest::SetUp();
    for (int i = 0; i < 5; ++i) {
      if (i == 2) Page(i).ChangePaper(9, 0, 0, 1, frDefaultBin);
      if (i == 1) Page(i).StretchToPrintable = false;
      TextBand(btReportTitle, 20, 40, "Title" + IntToStr(i + 1), "mm" + IntToStr(i + 1), "P" + IntToStr(i + 1),
               String(), i);
    }
    Report->SetShowProgress(false);
    ASSERT_TRUE(Report->PrepareReport());
    ASSERT_EQ(Pages(), 5);
    Dialogs->OnFileDialog = [this](TFileDialogRequest& request) {
      request.FileName = Pdf;
      return true;
    };
  }
  // The texts of the printed PDF's pages.
  std::vector<std::string> PrintedTexts(int Count) {
    std::vector<std::string> texts;
    for (int page = 1; page <= Count; ++page) texts.push_back(PdfPageText(Pdf, page));
    return texts;
  }
  TempDir Dir;
  std::string Pdf = Dir.File("printed.pdf");
};

TEST_F(PrintingTest, PagesPrintByListOddOrEvenAndByCopiesAndCollation) {
  using Texts = std::vector<std::string>;
  const struct {
    const char* Pages;
    int Copies;
    bool Collate;
    int Which;
    Texts Expected;
  } cases[] = {
      {"", 1, true, ppOdd, {"P1", "P3", "P5"}},
      {"", 1, true, ppEven, {"P2", "P4"}},
      {"1,4-", 1, true, ppAll, {"P1", "P4", "P5"}},
      {"1-2", 3, true, ppAll, {"P1", "P2", "P1", "P2", "P1", "P2"}},
      // A PDF file holds one copy: the pages repeat in place of the printer's copies.
      {"1-2", 3, false, ppAll, {"P1", "P1", "P1", "P2", "P2", "P2"}},
      {"1-2", 0, true, ppAll, {"P1", "P2"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Pages + std::string(" copies ") + std::to_string(c.Copies));
    Report->PrintPrepared(c.Pages, c.Copies, c.Collate, c.Which);
    const std::string info = PdfInfo(Pdf, 1);
    ASSERT_EQ(PdfField(info, "Pages"), std::to_string(c.Expected.size())) << info;
    EXPECT_EQ(PrintedTexts(int(c.Expected.size())), c.Expected);
  }
  Report->PrintPrepared("9", 1, true, ppAll);  // no such page: nothing prints
  EXPECT_EQ(Dialogs->FileRequests.size(), std::size(cases) + 1);  // every print asks for its file
  EXPECT_EQ(Printer()->Copies(), 1);
}

TEST_F(PrintingTest, APageOfOtherPaperChangesItWithinTheOneJob) {
  Report->SetTitle("成绩单");
  Report->PrintPrepared("2-4", 1, true, ppAll);
  const std::string info = PdfInfo(Pdf, 3);
  EXPECT_EQ(PdfField(info, "Pages"), "3") << info;
  EXPECT_EQ(PdfField(info, "Title"), "成绩单");
  const double sizes[][2] = {{210, 297}, {297, 210}, {210, 297}};
  for (int page = 1; page <= 3; ++page) {
    const TPdfPageSize size = PdfPageSizeMM(info, page);
    EXPECT_NEAR(size.Width, sizes[page - 1][0], kPdfHalfPoint) << "page " << page << "\n" << info;
    EXPECT_NEAR(size.Height, sizes[page - 1][1], kPdfHalfPoint) << "page " << page;
  }
}

// Reports of A4 pages in given orientations, printed to the virtual printer's PDF file.
class PaperPrintingTest : public TBuildTest {
 protected:
  void SetUp() override {
    TBuildTest::SetUp();
    Report->SetShowProgress(false);
    Dialogs->OnFileDialog = [this](TFileDialogRequest& request) {
      request.FileName = Pdf;
      return true;
    };
  }
  // Builds pages of these orientations (0 portrait, 1 landscape).
  void Build(const std::vector<int>& Orientations) {
    Report->Pages().Clear();
    for (int i = 0; i < int(Orientations.size()); ++i) {
      Page(i).ChangePaper(frDefaultPaper, 0, 0, Orientations[size_t(i)], frDefaultBin);
      TextBand(btReportTitle, 20, 40, "Title" + IntToStr(i), "mm" + IntToStr(i), "P", String(), i);
    }
    ASSERT_TRUE(Report->PrepareReport());
    ASSERT_EQ(Pages(), int(Orientations.size()));
  }
  TempDir Dir;
  std::string Pdf = Dir.File("paper.pdf");
};

// Whatever paper the printer held, and even when the printer layer was not yet bound to the
// platform's printer while the report was built (the program's first print), every PDF page
// takes its prepared page's size and orientation.
TEST_F(PaperPrintingTest, EveryPageTakesItsOwnPaperWhateverThePrinterHeld) {
  const struct {
    const char* Name;
    bool Unbound;                     // the layer knows no platform printer while building
    double HeldWidth, HeldHeight;     // the platform printer's paper before printing, portrait mm
    TPrinterOrientation HeldOrientation;
    std::vector<int> Orientations;
  } cases[] = {
      {"landscape, first print", true, 210, 297, poPortrait, {1}},
      {"portrait, first print", true, 210, 297, poLandscape, {0}},
      {"landscape after portrait", false, 210, 297, poPortrait, {1}},
      {"portrait after landscape", false, 210, 297, poLandscape, {0}},
      {"landscape on A3", false, 297, 420, poPortrait, {1}},
      {"mixed from portrait", false, 210, 297, poLandscape, {0, 1, 0}},
      {"mixed from landscape", true, 210, 297, poPortrait, {1, 0, 1, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    if (c.Unbound) frPrinter().SetPrinter(nullptr);
    Build(c.Orientations);
    Printer()->SetPaperSizeMM(c.HeldWidth, c.HeldHeight);
    Printer()->SetOrientation(c.HeldOrientation);
    Report->PrintPrepared("", 1, true, ppAll);
    const std::string info = PdfInfo(Pdf, Pages());
    ASSERT_EQ(PdfField(info, "Pages"), std::to_string(Pages())) << info;
    for (int i = 0; i < Pages(); ++i) {
      const bool landscape = Report->EMFPages().Pages(i).Orientation == 1;
      EXPECT_EQ(landscape, c.Orientations[size_t(i)] == 1);
      const TPdfPageSize size = PdfPageSizeMM(info, i + 1);
      EXPECT_NEAR(size.Width, landscape ? 297 : 210, kPdfHalfPoint) << "page " << i + 1 << "\n" << info;
      EXPECT_NEAR(size.Height, landscape ? 210 : 297, kPdfHalfPoint) << "page " << i + 1;
    }
  }
}

// A page drawn over the whole sheet puts an object as far from the sheet's corner as it stands
// from the page's; a page drawn into the printable area shrinks into it past its margins.
TEST_F(PrintingTest, ObjectsLandWhereTheirPageGeometryPutsThem) {
  Report->PrintPrepared("1-3", 1, true, ppAll);
  auto mm = [](double units) { return units * 25.4 / frUnitsPerInch; };
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const TfrPreparedPage& page = Report->EMFPages().Pages(i);
    const TfrPrnInfo& info = page.PrnInfo;
    const TRect object = Printed(i)[0].Bounds;
    double left = object.Left, top = object.Top;
    if (!page.StretchToPrintable) {
      left = info.OffsetX + page.Margins[0] +
             object.Left * double(info.PrintableWidth - page.Margins[0] - page.Margins[2]) / info.PageWidth;
      top = info.OffsetY + page.Margins[1] +
            object.Top * double(info.PrintableHeight - page.Margins[1] - page.Margins[3]) / info.PageHeight;
    }
    // The text starts a little inside its object.
    const TPdfWordBox word = PdfWordBoxMM(Pdf, i + 1, "P" + std::to_string(i + 1));
    EXPECT_GE(word.Left, mm(left) - kPdfHalfPoint);
    EXPECT_LE(word.Left, mm(left) + 1.5);
    EXPECT_GE(word.Top, mm(top) - kPdfHalfPoint);
    EXPECT_LE(word.Top, mm(top) + 1.5);
  }
  EXPECT_EQ(Report->EMFPages().Pages(1).StretchToPrintable, 0);
}

TEST_F(PrintingTest, StoppingAbortsTheJobAfterTheCurrentPageAndNoFileMeansNoPrint) {
  std::vector<int> reported;
  Report->OnProgress = [&](int page) {
    reported.push_back(page);
    Report->SetTerminated(true);
  };
  Report->PrintPrepared("", 1, true, ppAll);
  EXPECT_EQ(reported, std::vector<int>{1});
  EXPECT_TRUE(Printer()->Aborted());
  EXPECT_FALSE(Printer()->Printing());

  Dialogs->OnFileDialog = nullptr;  // the file dialog cancelled
  bool printing = false;
  Report->OnPrintReport = [&] { printing = true; };
  Report->PrintPrepared("", 1, true, ppAll);
  EXPECT_FALSE(printing);
}

// Printing and exporting under the engine's progress window.
class ProgressPrintingTest : public TBuildTestOf<TGuiTest> {
 protected:
  void SetUp() override {
    TBuildTestOf<TGuiTest>::SetUp();
    for (int i = 0; i < 3; ++i) TextBand(btReportTitle, 20, 40, "Title" + IntToStr(i), "mm" + IntToStr(i), "P", String(), i);
    ASSERT_TRUE(Report->PrepareReport());
    frUseProgressForm();
    Form = dynamic_cast<TfrProgressForm*>(frProgressView());
    ASSERT_NE(Form, nullptr);
    Dialogs->OnFileDialog = [this](TFileDialogRequest& request) {
      request.FileName = Pdf;
      return true;
    };
  }
  void TearDown() override {
    SetProgressView(nullptr);
    TBuildTestOf<TGuiTest>::TearDown();
  }
  TempDir Dir;
  std::string Pdf = Dir.File("printed.pdf");
  TfrProgressForm* Form = nullptr;
};

TEST_F(ProgressPrintingTest, CancelStopsTheJobAfterThePageBeingPrinted) {
  Report->OnPrintReport = [&] { Click(Form->Button1, {5, 5}); };
  Report->PrintPrepared("", 1, true, ppAll);
  EXPECT_TRUE(Report->Terminated());
  EXPECT_TRUE(Printer()->Aborted());
  EXPECT_EQ(Form->Label1->Caption(), "正在打印页:  1");
  EXPECT_EQ(Form->Caption(), "正在准备报表");
  EXPECT_FALSE(std::filesystem::exists(Pdf));
}

// A page text that names no pages fails the print under the window as it fails without it: the
// window closes, the caller gets the error, and the next print asks for its file again.
TEST_F(ProgressPrintingTest, AFailingPrintClosesTheWindowAndReachesTheCaller) {
  EXPECT_THROW(Report->PrintPrepared("a-", 1, true, ppAll), EConvertError);
  EXPECT_FALSE(Form->Visible());
  EXPECT_FALSE(Printer()->Printing());
  Report->PrintPrepared("", 1, true, ppAll);
  EXPECT_EQ(Dialogs->FileRequests.size(), 2u);
  EXPECT_EQ(PdfField(PdfInfo(Pdf, 1), "Pages"), "3");
}

TEST_F(ProgressPrintingTest, ExportingAlwaysShowsTheWindowWithThePageCount) {
  class TCountingFilter : public TfrExportFilter {
   public:
    String Description() const override { return "文本"; }
    String FileMask() const override { return "*.txt"; }
    void OnEndPage() override { ++Pages; }
    int Pages = 0;
  } filter;
  Report->SetShowProgress(false);
  Report->SetTitle("成绩");
  Report->ExportToFile(&filter, Dir.File("out.txt"));
  EXPECT_EQ(filter.Pages, 3);
  EXPECT_EQ(Form->Caption(), "成绩 - 正在准备报表");
  EXPECT_EQ(Form->Label1->Caption(), "正在处理页:  3 从 3");
}

class ProgressFormTest : public TGuiTest {};

TEST_F(ProgressFormTest, RunsTheStepOnScreenAndCancelTerminatesTheReport) {
  RegisterReportClasses();
  frResetState();
  auto report = MakeComponent<TfrReport>();
  frState().RootReport = report.get();
  TfrProgressForm form(nullptr);
  bool shown = false;
  EXPECT_EQ(form.Execute("报表 - 正在准备报表", [&] {
    shown = form.Visible();
    form.SetFirstLabel("正在处理页:  1");
    form.Close(mrOk);
  }), mrOk);
  EXPECT_TRUE(shown);
  EXPECT_EQ(form.Caption(), "报表 - 正在准备报表");
  EXPECT_EQ(form.Label1->Caption(), "正在处理页:  1");
  EXPECT_EQ(form.Button1->Caption(), "取消");
  EXPECT_FALSE(report->Terminated());

  form.SetSecondLabel("x");
  EXPECT_EQ(form.Execute("c", [&] {
    EXPECT_EQ(form.Label2->Caption(), "");
    Click(form.Button1, {5, 5});
    form.ProcessMessages();
  }), mrCancel);
  EXPECT_TRUE(report->Terminated());
  frResetState();
}

}  // namespace
