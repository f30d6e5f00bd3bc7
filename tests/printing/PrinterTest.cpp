// The printer: documents printed to PDF files and read back with pdfinfo, page geometry at the
// printer's resolution, paper changes between pages, aborting, and misuse.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "graphics/Gdi.h"
#include "printing/Printers.h"
#include "rtl/Arith.h"
#include "support/PdfReader.h"
#include "support/TempDir.h"

namespace {

void ExpectPage(const std::string& info, int page, double width, double height) {
  const TPdfPageSize size = PdfPageSizeMM(info, page);
  EXPECT_NEAR(size.Width, width, kPdfHalfPoint) << "page " << page << "\n" << info;
  EXPECT_NEAR(size.Height, height, kPdfHalfPoint) << "page " << page;
}

void DrawPage(TPrinter& printer, const String& text) {
  TCanvas* canvas = printer.Canvas();
  canvas->Font()->SetName("宋体");
  canvas->Font()->SetSize(12);
  canvas->Rectangle(0, 0, printer.PageWidth(), printer.PageHeight());
  canvas->TextOut(printer.XDpi() / 2, printer.YDpi() / 2, text);
}

class PrinterTest : public ::testing::Test {
 protected:
  TempDir Dir;
  std::string Pdf = Dir.File("out.pdf");
  TPrinter Printer;
};

TEST_F(PrinterTest, ATwoPageDocumentToPdfHasTwoPagesOfThePaperChosen) {
  Printer.SetOutputFileName(Pdf);
  Printer.SetPaperSizeMM(210, 297);
  Printer.SetTitle("学生成绩表");
  Printer.BeginDoc();
  DrawPage(Printer, "第一页");
  Printer.NewPage();
  EXPECT_EQ(Printer.PageNumber(), 2);
  DrawPage(Printer, "第二页");
  Printer.EndDoc();
  EXPECT_FALSE(Printer.Printing());

  const std::string info = PdfInfo(Pdf, 2);
  EXPECT_EQ(PdfField(info, "Pages"), "2") << info;
  EXPECT_EQ(PdfField(info, "Title"), "学生成绩表");
  ExpectPage(info, 1, 210, 297);
  ExpectPage(info, 2, 210, 297);
  // Kept for a look where the build keeps test output.
  if (const char* output = std::getenv("QUORIN_TEST_OUTPUT"))
    std::filesystem::copy_file(Pdf, std::filesystem::path(output) / "TwoPages.pdf",
                               std::filesystem::copy_options::overwrite_existing);
}

TEST_F(PrinterTest, PaperAndOrientationChangedWhilePrintingApplyFromTheNextPage) {
  Printer.SetOutputFileName(Pdf);
  Printer.SetPaperName("A5");
  Printer.BeginDoc();
  DrawPage(Printer, "A5");
  Printer.SetPaperSizeMM(100, 150);
  Printer.SetOrientation(poLandscape);
  Printer.NewPage();
  EXPECT_GT(Printer.PageWidth(), Printer.PageHeight());
  DrawPage(Printer, "100 x 150");
  Printer.EndDoc();
  const std::string info = PdfInfo(Pdf, 2);
  ExpectPage(info, 1, 148, 210);
  ExpectPage(info, 2, 150, 100);
}

TEST_F(PrinterTest, GeometryAndFontsFollowThePrintersResolution) {
  Printer.SetOutputFileName(Pdf);
  Printer.SetPaperSizeMM(210, 297);
  const int dpi = Printer.XDpi();
  EXPECT_GE(dpi, 300);
  EXPECT_NEAR(Printer.PhysicalWidth(), 210 / 25.4 * dpi, dpi / 144.0);
  EXPECT_NEAR(Printer.PhysicalHeight(), 297 / 25.4 * dpi, dpi / 144.0);
  EXPECT_EQ(Printer.OffsetX(), 0);  // a PDF page is printable to its edges
  EXPECT_EQ(Printer.PageWidth(), Printer.PhysicalWidth());

  Printer.BeginDoc();
  TCanvas* canvas = Printer.Canvas();
  canvas->Font()->SetSize(9);
  EXPECT_EQ(canvas->Font()->Height(), -MulDiv(9, dpi, 72));
  EXPECT_GT(canvas->TextHeight("中"), dpi / 10);
  Printer.EndDoc();
}

TEST_F(PrinterTest, AnAbortedDocumentLeavesNoFile) {
  Printer.SetOutputFileName(Pdf);
  Printer.BeginDoc();
  DrawPage(Printer, "作废");
  Printer.Abort();
  EXPECT_FALSE(Printer.Printing());
  EXPECT_TRUE(Printer.Aborted());
  EXPECT_FALSE(std::filesystem::exists(Pdf));
  Printer.BeginDoc();  // the printer can be used again
  Printer.EndDoc();
  EXPECT_TRUE(std::filesystem::exists(Pdf));
}

TEST_F(PrinterTest, MisuseIsReportedAsPrinterErrors) {
  EXPECT_THROW(Printer.NewPage(), EPrinter);
  EXPECT_THROW(Printer.EndDoc(), EPrinter);
  EXPECT_THROW(Printer.SetPaperName("Z9"), EPrinter);
  EXPECT_THROW(Printer.SetPaperSizeMM(0, 297), EPrinter);
  EXPECT_THROW(Printer.SetPrinterIndex(static_cast<int>(Printer.Printers().size())), EPrinter);
  if (Printer.Printers().empty()) {
    // Without an installed printer only a file can be printed to.
    try {
      Printer.BeginDoc();
      FAIL();
    } catch (const EPrinter& e) {
      EXPECT_EQ(e.Message(), "系统中没有安装打印机。");
    }
  }
  Printer.SetOutputFileName(Pdf);
  Printer.BeginDoc();
  EXPECT_THROW(Printer.BeginDoc(), EPrinter);
  EXPECT_THROW(Printer.SetOutputFileName(Dir.File("other.pdf")), EPrinter);
  Printer.EndDoc();
}

}  // namespace
