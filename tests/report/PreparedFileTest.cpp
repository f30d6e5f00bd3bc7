// Prepared-report files: written and read back whole, the block positions, the older formats,
// and damaged or compressed files refused with the pages left as they were.
#include "BuildTestKit.h"
#include "ReportTestKit.h"
#include "support/TempDir.h"

namespace {

// Two pages: an A4 page with margins and three texts, and a landscape page with one text.
class PreparedFileTest : public TBuildTest {
 protected:
  void SetUp() override {
    TBuildTest::SetUp();
    Band(btReportTitle, 20, 60, "ReportTitle1");
    Memo("mmTitle", Bounds(20, 20, 200, 20), "成绩表");
    Memo("mmClass", Bounds(20, 40, 200, 20), "高一(1)班");
    Memo("mmDate", Bounds(300, 40, 100, 20), "2026");
    TfrPage& second = Page(1);
    second.ChangePaper(9, 0, 0, 1, frDefaultBin);
    Band(btReportTitle, 20, 40, "ReportTitle2", String(), 1);
    Memo("mmSecond", Bounds(20, 20, 200, 20), "第二页", 1);
    ASSERT_TRUE(Report->PrepareReport());
    ASSERT_EQ(Pages(), 2);
  }
  TBytes Saved() {
    TMemoryStream stream;
    Report->EMFPages().PreparedSaveToStream(stream);
    return StreamBytes(stream);
  }
  void Load(const TBytes& bytes) {
    TMemoryStream stream;
    FillStream(stream, bytes);
    Report->EMFPages().PreparedLoadFromStream(stream);
  }
};

int32_t IntAt(const TBytes& bytes, size_t at) {
  return int32_t(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t(bytes[at + 3]) << 24);
}

TEST_F(PreparedFileTest, AFileReadBackKeepsPagesPaperMarginsAndObjects) {
  const String before = AllTexts();
  const TfrPreparedPage first = [&] {
    TfrPreparedPage copy;
    const TfrPreparedPage& page = Report->EMFPages().Pages(0);
    copy.Size = page.Size, copy.Width = page.Width, copy.Height = page.Height;
    std::copy(std::begin(page.Margins), std::end(page.Margins), copy.Margins);
    return copy;
  }();
  TempDir dir;
  const String file = dir.File("report.frp");
  Report->SavePreparedFile(file);
  Report->EMFPages().Clear();
  Report->SetCanRebuild(true);
  Report->LoadPreparedFile(file);

  ASSERT_EQ(Pages(), 2);
  EXPECT_FALSE(Report->CanRebuild());
  EXPECT_EQ(AllTexts(), before);
  const TfrPreparedPage& page = Report->EMFPages().Pages(0);
  EXPECT_EQ(page.Size, first.Size);
  EXPECT_EQ(page.Width, first.Width);
  EXPECT_EQ(page.Height, first.Height);
  EXPECT_TRUE(std::equal(std::begin(page.Margins), std::end(page.Margins), first.Margins));
  EXPECT_EQ(page.PrnInfo.PageWidth, 758);
  EXPECT_EQ(Report->EMFPages().Pages(1).Orientation, 1);
  EXPECT_EQ(Report->EMFPages().Pages(1).PrnInfo.PageWidth, 1071);
  EXPECT_EQ(Printed(0)[1].Bounds, Bounds(20, 40, 200, 20));
}

TEST_F(PreparedFileTest, EachBlockStartsWithThePositionOfTheNext) {
  const TBytes bytes = Saved();
  ASSERT_EQ(bytes[0], 24);
  EXPECT_EQ(bytes[1], 0);  // not compressed
  const size_t name = 2 + 2 + size_t(bytes[2] | bytes[3] << 8) + 1;
  EXPECT_EQ(IntAt(bytes, name), 2);
  const int32_t second = IntAt(bytes, name + 4);
  ASSERT_GT(second, int32_t(name + 8));
  EXPECT_EQ(IntAt(bytes, size_t(second)), int32_t(bytes.size()));
}

TEST_F(PreparedFileTest, AFileWithoutVersionByteAndAnEmptyFileRead) {
  // No version byte: the compressed byte first, a zero-terminated printer name, and pages without
  // bin or margins.
  TBytesBuilder noVersion;
  noVersion.Byte(0).OldStr("虚拟打印机").Int(1);
  const size_t at = noVersion.Size();
  noVersion.Int(0).Word(9).Int(2100).Int(2970).Byte(1).Byte(0).Byte(24);
  noVersion.PatchInt(at, int32_t(noVersion.Size()));
  Load(noVersion.Bytes());
  ASSERT_EQ(Pages(), 1);
  EXPECT_EQ(Report->EMFPages().Pages(0).Orientation, 1);
  EXPECT_EQ(Report->EMFPages().Pages(0).PaperBin, -1);
  EXPECT_TRUE(Printed(0).empty());

  TBytesBuilder none;
  none.Byte(24).Byte(0).Str("虚拟打印机").Int(0);
  Load(none.Bytes());
  EXPECT_EQ(Pages(), 0);
}

TEST_F(PreparedFileTest, AFileWhoseFirstByteIsTwoToTwentyThreeIsAMetafileFile) {
  for (int first : {2, 23}) {
    SCOPED_TRACE(first);
    // The old text list (its one line the printer), then a page whose picture is a metafile.
    TBytesBuilder old;
    old.OldStr(String(1, char(first)) + "LPT1").Int(1);
    const size_t at = old.Size();
    old.Int(0).Word(9).Int(2100).Int(2970).Byte(0).Byte(0).Byte(1).Byte(2).Byte(3);
    old.PatchInt(at, int32_t(old.Size()));
    Load(old.Bytes());
    ASSERT_EQ(Pages(), 1);
    const std::vector<TPrinted> printed = Printed(0);
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0].Bounds, Bounds(0, 0, 758, 1071));
  }
}

TEST_F(PreparedFileTest, DamagedOrCompressedFilesAreRefusedAndThePagesKept) {
  const TBytes good = Saved();
  const size_t name = 2 + 2 + size_t(good[2] | good[3] << 8) + 1;
  auto with = [&](size_t at, int32_t value) {
    TBytes bytes = good;
    for (int k = 0; k < 4; ++k) bytes[at + size_t(k)] = uint8_t(uint32_t(value) >> (8 * k));
    return bytes;
  };
  TBytes compressed = good;
  compressed[1] = 1;
  const struct {
    const char* What;
    TBytes Bytes;
  } cases[] = {
      {"a block pointing back at itself", with(name + 4, int32_t(name + 4))},
      {"a block pointing past the end", with(name + 4, int32_t(good.size() + 100))},
      {"a huge page count", with(name, 0x7FFFFFFF)},
      {"a negative page count", with(name, -1)},
      {"a file cut short", TBytes(good.begin(), good.end() - 7)},
      {"a compressed file", compressed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    EXPECT_THROW(Load(c.Bytes), EReadError);
    EXPECT_EQ(Pages(), 2);
  }
}

TEST_F(PreparedFileTest, AMissingFileRaisesAnOpenError) {
  TempDir dir;
  EXPECT_THROW(Report->LoadPreparedFile(dir.File("none.frp")), EFOpenError);
  EXPECT_EQ(Pages(), 2);
}

}  // namespace
