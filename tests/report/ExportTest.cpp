// Exporting prepared pages through a filter: the calls a filter receives in order, the lines of a
// text object with the frame sides each carries, a refused export writing nothing, and the pages
// taken back from a preview for the export and given back afterwards.
#include "BuildTestKit.h"
#include "report/FR_Export.h"
#include "rtl/Convert.h"
#include "rtl/Files.h"
#include "support/TempDir.h"

namespace {

class TRecordingFilter : public TfrExportFilter {
 public:
  String Description() const override { return "文本文件"; }
  String FileMask() const override { return "*.txt"; }
  void OnBeginDoc() override { Calls.push_back("begin doc"); }
  void OnEndDoc() override { Calls.push_back("end doc"); }
  void OnBeginPage() override { Calls.push_back("begin page"); }
  void OnEndPage() override { Calls.push_back("end page"); }
  void OnData(TfrView* View) override { Calls.push_back("data " + View->Name); }
  void OnText(const TRect&, int, int, const String& Text, int FrameTyp, TfrView*) override {
    Calls.push_back("text " + Text + " " + IntToStr(FrameTyp));
    Stream->WriteBuffer(Text.data(), int(Text.size()));
  }
  std::vector<String> Calls;
};

class ExportTest : public TBuildTest {
 protected:
  void SetUp() override {
    TBuildTest::SetUp();
    Band(btReportTitle, 20, 60, "ReportTitle1");
    Memo("mmTwo", Bounds(20, 20, 200, 40), "甲\r\n乙").FrameTyp = frftLeft | frftTop | frftRight | frftBottom;
    Report->SetShowProgress(false);
    ASSERT_TRUE(Report->PrepareReport());
  }
  TempDir Dir;
  TRecordingFilter Filter;
};

TEST_F(ExportTest, AFilterReceivesPagesObjectsAndLinesWithTheirFrameSides) {
  const String file = Dir.File("out.txt");
  Report->ExportToFile(&Filter, file);
  const int all = frftLeft | frftTop | frftRight | frftBottom;
  EXPECT_EQ(Filter.Calls, (std::vector<String>{"begin doc", "begin page", "data mmTwo",
                                               "text 甲 " + IntToStr(all & ~frftBottom),
                                               "text 乙 " + IntToStr(all & ~frftTop), "end page", "end doc"}));
  EXPECT_EQ(Filter.FileName, file);
  EXPECT_EQ(Filter.Stream, nullptr);  // the file is closed
  TFileStream written(file, fmOpenRead);
  EXPECT_EQ(written.Size(), int64_t(String("甲乙").size()));
}

TEST_F(ExportTest, ARefusedExportWritesNothing) {
  std::vector<String> after;
  Filter.OnBeforeExport = [](const String&, bool& accept) { accept = false; };
  Filter.OnAfterExport = [&](const String& name) { after.push_back(name); };
  Report->ExportToFile(&Filter, Dir.File("refused.txt"));
  EXPECT_TRUE(Filter.Calls.empty());
  EXPECT_TRUE(after.empty());
  EXPECT_FALSE(FileExists(Dir.File("refused.txt")));

  Filter.OnBeforeExport = nullptr;
  Report->ExportToFile(&Filter, Dir.File("done.txt"));
  EXPECT_EQ(after, std::vector<String>{Dir.File("done.txt")});
}

}  // namespace
