// The virtual printer and page geometry: the paper table, sizes in engine units, landscape, the
// equality of papers, and a page's margins and paper properties.
#include "ReportTestKit.h"

namespace {

using PrinterTest = TReportTest;

TEST_F(PrinterTest, TheVirtualPrinterIsTheOnlyPrinterAndKnowsSixtySevenPapers) {
  const TfrPrinter& printer = frPrinter();
  EXPECT_EQ(printer.Printers(), (std::vector<String>{"虚拟打印机"}));
  EXPECT_TRUE(printer.IsVirtual());
  ASSERT_EQ(frPaperSizes().size(), 67u);
  EXPECT_EQ(printer.PaperCodes().size(), 67u);
  EXPECT_EQ(printer.PaperCodes()[46], 47);
  EXPECT_EQ(printer.PaperCodes()[47], 50);  // 48 and 49 are not in the table
  EXPECT_EQ(printer.PaperCodes().back(), frCustomPaper);
  EXPECT_EQ(printer.PaperNames()[0], "");   // the string table has no paper names
  EXPECT_EQ(printer.BinCodes(), (std::vector<int>{frDefaultBin}));
}

TEST_F(PrinterTest, PaperSizesAndGeometryInEngineUnits) {
  struct Case {
    int Code, Orientation;
    int Width, Height;          // tenths of a millimetre, as the paper lies
    int PageWidth, PageHeight;  // engine units
  };
  for (const Case& c : {Case{9, 0, 2100, 2970, 758, 1071}, Case{9, 1, 2970, 2100, 1071, 758},
                        Case{1, 0, 2159, 2794, 779, 1008}, Case{8, 0, 2970, 4200, 1071, 1515}}) {
    TfrPrinter& printer = frPrinter();
    printer.SetPrinterInfo(c.Code, 0, 0, c.Orientation, frDefaultBin, false);
    EXPECT_EQ(printer.PaperWidth(), c.Width) << c.Code;
    EXPECT_EQ(printer.PaperHeight(), c.Height) << c.Code;
    TfrPrnInfo info;
    printer.FillPrnInfo(info);
    EXPECT_EQ(info.PageWidth, c.PageWidth) << c.Code;
    EXPECT_EQ(info.PageHeight, c.PageHeight) << c.Code;
    EXPECT_EQ(info.OffsetX, 18);  // 5 millimetres
    EXPECT_EQ(info.OffsetY, 18);
    EXPECT_EQ(info.PrintableWidth, c.PageWidth - 36);
    EXPECT_EQ(info.PrintableHeight, c.PageHeight - 36);
    EXPECT_EQ(info.PageWidthDevice, 0);
  }
  TfrPrinter& printer = frPrinter();
  printer.SetPrinterInfo(frCustomPaper, 1000, 1500, 0, frDefaultBin, false);
  EXPECT_EQ(printer.PaperWidth(), 1000);
  EXPECT_EQ(printer.PaperHeight(), 1500);
}

TEST_F(PrinterTest, PapersAreEqualByCodeOrientationAndBinUnlessCustom) {
  TfrPrinter& printer = frPrinter();
  printer.SetPrinterInfo(9, 0, 0, 0, 7, true);
  EXPECT_TRUE(printer.IsEqual(9, 1, 1, 0, 7));
  EXPECT_TRUE(printer.IsEqual(9, 1, 1, 0, frDefaultBin));  // the printer's own bin matches any
  EXPECT_TRUE(printer.IsEqual(9, 1, 1, 0, -1));
  EXPECT_FALSE(printer.IsEqual(9, 0, 0, 0, 8));
  EXPECT_FALSE(printer.IsEqual(9, 0, 0, 1, 7));
  EXPECT_FALSE(printer.IsEqual(8, 0, 0, 0, 7));
  printer.SetPrinterInfo(frCustomPaper, 1000, 1500, 0, frDefaultBin, true);
  EXPECT_TRUE(printer.IsEqual(frCustomPaper, 1001, 1499, 0, 3));
  EXPECT_FALSE(printer.IsEqual(frCustomPaper, 1002, 1500, 0, 3));
  EXPECT_FALSE(printer.IsEqual(frCustomPaper, 1000, 1500, 1, 3));
  // An equal paper is not taken again.
  printer.SetPrinterInfo(frCustomPaper, 1001, 1500, 0, frDefaultBin, false);
  EXPECT_EQ(printer.PaperWidth(), 1000);
}

TEST_F(PrinterTest, PagesTakeThePrintersPaperAndMeasureTheirMargins) {
  TfrPage page(9, 0, 0, frDefaultBin, 1);
  EXPECT_EQ(page.Width, 2970);
  EXPECT_EQ(page.Height, 2100);
  EXPECT_EQ(page.PaperBin, 65535);
  EXPECT_EQ(page.PrnInfo.PageWidth, 1071);
  EXPECT_EQ(page.GetLeftMargin(), 18);  // no margin: the printer's offset
  EXPECT_EQ(page.GetRightMargin(), 18 + 1035);
  EXPECT_EQ(page.GetBottomMargin(), 18 + 722);
  page.LeftMargin = page.TopMargin = page.RightMargin = page.BottomMargin = 36;
  EXPECT_EQ(page.GetLeftMargin(), 36);
  EXPECT_EQ(page.GetTopMargin(), 36);
  EXPECT_EQ(page.GetRightMargin(), 1071 - 36);
  EXPECT_EQ(page.GetBottomMargin(), 758 - 36);
  page.StretchToPrintable = false;
  EXPECT_EQ(page.GetLeftMargin(), 0);
  EXPECT_EQ(page.GetRightMargin(), 1071);
  EXPECT_EQ(page.GetBottomMargin(), 758);
}

TEST_F(PrinterTest, PagePropertiesConvertPaperToPixelsAndReadMarginsWhileBuilding) {
  TfrPage& page = Page();
  EXPECT_EQ(page.GetProperty("Width").AsInteger(), 756);  // 2100 tenths of a millimetre
  page.SetProperty("WIDTH", 720);
  EXPECT_EQ(page.Width, 2000);
  page.SetProperty("LeftMargin", 40);
  EXPECT_EQ(page.GetProperty("LEFTMARGIN").AsInteger(), 40);
  page.SetProperty("LeftMargin", 0);
  EXPECT_EQ(page.GetProperty("LeftMargin").AsInteger(), 0);
  frState().PrintMode = true;
  EXPECT_EQ(page.GetProperty("LeftMargin").AsInteger(), 18);
  frState().PrintMode = false;
  page.EnsureProperties();
  const TfrProp* size = page.FindProperty("Size");
  ASSERT_NE(size, nullptr);
  EXPECT_EQ(size->EnumValues.size(), 67u);
  EXPECT_NE(page.FindProperty("OnBeforePrint"), nullptr);
  EXPECT_EQ(page.FindProperty("Caption"), nullptr);

  TfrPage dialog(9, 0, 0, frDefaultBin, 0);
  dialog.SetProperty("Type", 1);
  dialog.SetProperty("Width", 500);
  dialog.SetProperty("Left", 12);
  EXPECT_EQ(dialog.FormWidth, 500);
  EXPECT_EQ(dialog.FormLeft, 12);
  EXPECT_EQ(dialog.GetProperty("Caption").AsString(), "Form");
  dialog.EnsureProperties();
  EXPECT_NE(dialog.FindProperty("OnActivate"), nullptr);
  EXPECT_EQ(dialog.FindProperty("Size"), nullptr);
}

TEST_F(PrinterTest, DefaultPageNamesTakeTheLowestFreeNumber) {
  Page(0).Name = "Page1";
  Page(1).Name = "page3";
  TfrPage& page = Page(2);
  page.SetDefaultName();
  EXPECT_EQ(page.Name, "Page2");
}

}  // namespace
