// Reports from the program's own commands: the modal preview above every window of the program,
// printing through the preview's print button to PDF files whose pages keep the report's paper
// and orientation, and Escape closing the preview.
#include <cstdio>
#include <filesystem>
#include <memory>

#include "DesktopFixture.h"

namespace {

// The preview's print button, in its client coordinates.
constexpr int kPrintX = 263, kPrintY = 16;

class Reports : public DesktopTest {
 protected:
  // Opens the n-th command of the report menu and answers its preview window. The menu keys wait
  // for the main window to be active again: after a preview closes, the window manager may still
  // be handing the focus back.
  XWindowId OpenReport(int Index) {
    if (!WaitForActive(MainWindow)) return 0;
    RunMenuCommand("p", Index);
    return WaitForWindow("报表预览");
  }
  // Prints the shown preview to Pdf through the print dialog and the file dialog.
  void PrintTo(XWindowId Preview, const std::string& Pdf) {
    const auto [x, y] = At(Preview, kPrintX, kPrintY);
    ClickUntil(x, y, [&] { return PrintDialog() != 0; });
    const XWindowId dialog = PrintDialog();
    ASSERT_NE(dialog, 0u) << "no print dialog";
    EXPECT_EQ(X.TransientFor(dialog), Preview);
    EXPECT_TRUE(WaitForActive(dialog));
    X.Key("Return");
    const XWindowId files = WaitForNewWindow({MainWindow, Preview, dialog});
    ASSERT_NE(files, 0u) << "no file dialog";
    EXPECT_EQ(X.TransientFor(files), Preview);
    EXPECT_TRUE(WaitForActive(files));
    X.Key("ctrl+a");
    X.Type(Pdf);
    X.Key("Return");
    ASSERT_TRUE(WaitUntil([&] { return !X.IsShown(files) && std::filesystem::exists(Pdf); }));
    ASSERT_TRUE(WaitUntil([&] { return PdfInfo(Pdf).find("Page size:") != std::string::npos; }));
  }
  // The print dialog, not the print button's hint of the same caption.
  XWindowId PrintDialog() {
    for (XWindowId w : X.Clients())
      if (X.Title(w) == "打印" && !IsHint(w)) return w;
    return 0;
  }
  // What pdfinfo says about the file's pages.
  static std::string PdfInfo(const std::string& Pdf) {
    std::unique_ptr<FILE, int (*)(FILE*)> out(popen(("pdfinfo '" + Pdf + "' 2>/dev/null").c_str(), "r"), pclose);
    std::string text;
    char buffer[256];
    while (out && fgets(buffer, sizeof buffer, out.get())) text += buffer;
    return text;
  }
};

// Each landscape report printed first (the printer still holding its portrait paper), then the
// portrait students list: each PDF page has its prepared page's size and orientation.
class LandscapeFirst : public Reports, public testing::WithParamInterface<int> {};

TEST_P(LandscapeFirst, PrintedPagesKeepTheirPaperAndOrientation) {
  LogOn();
  struct Case {
    int Index;
    const char* File;
    const char* PageSize;
  };
  for (const Case& c : {Case{GetParam(), "landscape.pdf", "842 x 595 pts"}, Case{8, "students.pdf", "595 x 842 pts"}}) {
    SCOPED_TRACE(c.File);
    const XWindowId preview = OpenReport(c.Index);
    ASSERT_NE(preview, 0u) << "no preview";
    PrintTo(preview, FilePath(c.File));
    EXPECT_NE(PdfInfo(FilePath(c.File)).find(c.PageSize), std::string::npos) << PdfInfo(FilePath(c.File));
    X.Key("Escape");
    EXPECT_TRUE(WaitForNoWindow("报表预览"));
  }
}

// 学生达标体育成绩打印, 班级达标成绩统计报表 and 年级达标成绩统计报表: the report menu's landscape
// fitness cards and statistics.
INSTANTIATE_TEST_SUITE_P(Reports, LandscapeFirst, testing::Values(1, 3, 4));

// Escape in the preview closes the preview window, as its close button does, and gives the main
// window back.
TEST_F(Reports, EscapeClosesThePreviewWindow) {
  LogOn();
  const XWindowId preview = OpenReport(3);
  ASSERT_NE(preview, 0u);
  EXPECT_EQ(X.TransientFor(preview), MainWindow);
  ASSERT_TRUE(WaitForActive(preview));
  X.Key("Escape");
  EXPECT_TRUE(WaitForNoWindow("报表预览")) << "the preview window stayed";
  EXPECT_TRUE(WaitForActive(MainWindow));
  EXPECT_EQ(X.Clients(), std::vector<XWindowId>{MainWindow});
  Shot("preview-after-escape");
}

// The modeless stay-on-top entry window does not cover the modal preview opened over the main
// window, and is back on top of the main window once the preview is closed.
TEST_F(Reports, TheModalPreviewComesAboveTheStayOnTopEntryWindow) {
  LogOn();
  RunMenuCommand("s", 3);
  const XWindowId entry = WaitForWindow("达标成绩录入");
  ASSERT_NE(entry, 0u);
  X.Click(600, 200);  // the students grid: the main window takes the keys again
  ASSERT_TRUE(WaitForActive(MainWindow));
  EXPECT_TRUE(X.IsAbove(entry, MainWindow));
  const XWindowId preview = OpenReport(3);
  ASSERT_NE(preview, 0u);
  const XRect box = X.Geometry(entry);
  EXPECT_EQ(X.WindowAt(box.CentreX(), box.CentreY()), preview) << "the entry window covers the preview";
  EXPECT_TRUE(WaitForActive(preview));
  const auto [closeX, closeY] = At(preview, 298, 16);
  EXPECT_TRUE(ClickUntil(closeX, closeY, [&] { return X.FindClient("报表预览") == 0; }));
  EXPECT_TRUE(WaitUntil([&] { return X.WindowAt(box.CentreX(), box.CentreY()) == entry; }));
}

}  // namespace
