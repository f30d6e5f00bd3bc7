// Template files: the exact bytes of a template built in code and its byte-identical round trip;
// files of versions 21, 22 and 23; add-in objects that are not plugged; the errors that leave one
// empty page (an empty file, unknown block, newer version, truncation, positions that point
// nowhere); frame widths; the template kept in a stored layout.
#include "ReportTestKit.h"

#include "classes/Filer.h"
#include "rtl/Files.h"
#include "support/TempDir.h"

namespace {

class TemplateTest : public TReportTest {
 protected:
  // One page, a master data band, a text object and a line, and a dictionary.
  void BuildSample() {
    Report->SetTwoPass(1);
    TfrPage& page = Page();
    page.Name = "Page1";
    page.LeftMargin = page.TopMargin = page.RightMargin = page.BottomMargin = 36;
    auto& band = Place<TfrBandView>("MasterData1", Bounds(0, 100, 718, 20));
    band.SetBandType(btMasterData);
    band.DisplayFormatText = "dbsPrint";
    auto& memo = Place<TfrMemoView>("mmTitle", Bounds(20, 100, 200, 20));
    memo.Memo.Add("学校");
    memo.Memo.Add("[Fd_Name]");
    memo.FrameTyp = 15;
    memo.FrameWidth = 0.5;
    memo.Font.SetStyle(fsBold);
    memo.Alignment = frtaCenter;
    Place<TfrLineView>("Line1", Bounds(0, 120, 718, 0));
    Report->Dictionary().Variables.SetVariable(" Totals", "");
    Report->Dictionary().Variables.SetVariable("Sum1", "[Price] * 2");
  }

  // The base record of an object as the engine writes it in a template.
  static void BaseRecord(TBytesBuilder& b, const String& name, int minor, TRect bounds, int flags, int frameTyp,
                         int frameWidth, TColor fill, int formatCode, const String& formatText,
                         const std::vector<String>& memo) {
    b.Str(name).Byte(2).Byte(minor);
    b.Int(bounds.Left).Int(bounds.Top).Int(bounds.Width()).Int(bounds.Height());
    b.Word(flags).Word(frameTyp).Int(frameWidth).Int(0).Word(0).Int(fill);
    b.Int(formatCode).Str(formatText).Memo(memo).EmptyMemo().Word(0xFFFF);
    b.Word(0).Str("").Int(2).Int(1).Byte(0);
  }

  // Opens an object block and answers where its NextPos goes.
  static size_t ObjectBlock(TBytesBuilder& b, int type) {
    b.Byte(type).Byte(0);
    const size_t at = b.Size();
    b.Int(0);
    return at;
  }

  static TBytes SampleBytes() {
    TBytesBuilder b;
    b.Byte(24).Word(0).Word(1).Str("");
    b.Byte(0xFF).Int(-1).Int(9).Int(2100).Int(2970).Int(36).Int(36).Int(36).Int(36).Byte(0).Int(65535);
    b.Word(0).Word(0xFFFF).Int(1).Int(0).Byte(0).Str("Page1").Byte(3).Str("Form").Int(int32_t(0x8000000F));
    b.Int(220).Int(120).Int(380).Int(300).Byte(4).EmptyMemo();

    size_t next = ObjectBlock(b, 2);
    BaseRecord(b, "MasterData1", 1, Bounds(0, 100, 718, 20), 48, 5, 1000, 0x1FFFFFFF, 0, "dbsPrint", {});
    b.Str("").Int(1).Int(200).Int(20).Int(1).Str("");
    b.PatchInt(next, int32_t(b.Size()));

    next = ObjectBlock(b, 0);
    BaseRecord(b, "mmTitle", 0, Bounds(20, 100, 200, 20), 0x43, 15, 500, 0x1FFFFFFF, 512 + '.', "",
               {"学校", "[Fd_Name]"});
    b.Str("宋体").Int(11).Word(2).Int(0).Int(frtaCenter).Word(1);
    b.Word(2).Int(0).Int(0xFFFFFF).Str("").Int(2).Int(0);
    b.PatchInt(next, int32_t(b.Size()));

    next = ObjectBlock(b, 4);
    BaseRecord(b, "Line1", 0, Bounds(0, 120, 718, 0), 1, 4, 1000, 0xFFFFFF, 512 + '.', "", {});
    b.PatchInt(next, int32_t(b.Size()));

    b.Byte(0xFE).Word(0xFFFE).Int(2).Str(" Totals").Str("").Str("Sum1").Str("[Price] * 2").Int(0).Int(0);
    return b.Bytes();
  }

  String LastMessage() const { return Dialogs->Messages.empty() ? String() : Dialogs->Messages.back().Msg; }

  // A version-24 template with one page and a text object named Memo1 after the given block.
  static TBytes WithBlockBeforeMemo(const std::function<void(TBytesBuilder&)>& block) {
    TBytesBuilder b;
    b.Byte(24).Word(0).Word(0).Str("");
    b.Byte(0xFF).Int(-1).Int(9).Int(2100).Int(2970).Int(0).Int(0).Int(0).Int(0).Byte(0).Int(65535);
    b.Word(0).Word(0xFFFF).Int(1).Int(0).Byte(0).Str("Page1").Byte(3).Str("Form").Int(0).Int(0).Int(0).Int(0);
    b.Int(0).Byte(4).EmptyMemo();
    block(b);
    const size_t next = ObjectBlock(b, 0);
    BaseRecord(b, "Memo1", 0, Bounds(0, 0, 50, 20), 0x43, 0, 1000, 0x1FFFFFFF, 0, "", {"文本"});
    b.Str("宋体").Int(11).Word(0).Int(0).Int(0).Word(1).Word(2).Int(0).Int(0xFFFFFF).Str("").Int(2).Int(0);
    b.PatchInt(next, int32_t(b.Size()));
    return b.Bytes();
  }
};

TEST_F(TemplateTest, ATemplateBuiltInCodeWritesTheExactBytesAndRoundTrips) {
  BuildSample();
  const TBytes expected = SampleBytes();
  ASSERT_EQ(Saved(), expected);

  ASSERT_TRUE(Load(expected));
  EXPECT_TRUE(Dialogs->Messages.empty()) << LastMessage();
  EXPECT_EQ(Saved(), expected);
  EXPECT_EQ(Report->TwoPass(), 1);
  ASSERT_EQ(Report->Pages().Count(), 1);
  const TfrPage& page = Report->Pages().Pages(0);
  ASSERT_EQ(page.Objects.size(), 3u);
  auto* memo = dynamic_cast<TfrMemoView*>(Report->FindObject("MMTITLE"));
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(memo->Name, "mmTitle");
  EXPECT_EQ(memo->Memo.Text(), "学校\r\n[Fd_Name]\r\n");
  EXPECT_DOUBLE_EQ(memo->FrameWidth, 0.5);
  EXPECT_EQ(memo->Font.Style(), TFontStyles(fsBold));
  EXPECT_EQ(dynamic_cast<TfrBandView&>(*page.Objects[0]).DataSource(), "dbsPrint");
  EXPECT_EQ(Report->FindObject("nothing"), nullptr);
  EXPECT_EQ(VarToStr(Report->Dictionary().Variables.Variable("Sum1")), "[Price] * 2");
}

TEST_F(TemplateTest, StringsAndEmptyListsHaveTheirEncodings) {
  TBytesBuilder b;
  b.Str("abc").EmptyMemo();
  EXPECT_EQ(b.Bytes(), (TBytes{0x03, 0x00, 0x61, 0x62, 0x63, 0x00, 0x00, 0x00, 0x00}));
}

TEST_F(TemplateTest, VersionTwentyTwoUsesOldStringsSkipsSixBytesAndGeneratesNames) {
  TBytesBuilder b;
  b.Byte(22).Word(0).Word(0).OldStr("");
  b.Byte(0xFF).Int(9).Int(2100).Int(2970).Int(0).Int(0).Int(0).Int(0).Byte(0);  // no marker
  b.Byte(1).Byte(2).Byte(3).Byte(4).Byte(5).Byte(6);                               // skipped
  b.Word(0).Word(0xFFFF).Int(1).Int(0);
  for (int i = 0; i < 2; ++i) {
    b.Byte(0).Byte(0);  // a text object on page 0, without NextPos
    b.Int(10).Int(20 + 30 * i).Int(100).Int(20).Word(0x43).Word(0).Int(1).Int(0).Word(0).Int(0x1FFFFFFF);
    b.Int(0).OldStr("").OldStr("第一行\r第二行");
    b.OldStr("宋体").Int(9).Word(0).Int(0).Int(0).Word(134).Word(2).Int(0).Int(0xFFFFFF).OldStr("");
  }
  b.Byte(2).Byte(0);  // a band
  b.Int(0).Int(0).Int(718).Int(40).Word(48).Word(btPageHeader).Int(0).Int(0).Word(0).Int(0x1FFFFFFF);
  b.Int(0).OldStr("").OldStr("");
  ASSERT_TRUE(Load(b.Bytes()));
  EXPECT_TRUE(Dialogs->Messages.empty()) << LastMessage();
  const TfrPage& page = Report->Pages().Pages(0);
  EXPECT_EQ(page.Name, "Page1");
  EXPECT_EQ(page.PaperBin, 65535);  // no bin in the file: the printer's own
  EXPECT_EQ(page.Width, 2100);
  ASSERT_EQ(page.Objects.size(), 3u);
  const auto& first = dynamic_cast<TfrMemoView&>(*page.Objects[0]);
  EXPECT_EQ(first.Name, "Memo1");
  EXPECT_EQ(page.Objects[1]->Name, "Memo2");
  EXPECT_EQ(page.Objects[2]->Name, "Band1");
  EXPECT_EQ(first.Memo.Count(), 2);
  EXPECT_EQ(first.Memo[1], "第二行");
  EXPECT_EQ(first.Font.Charset(), 1);  // the stored character set is not read before 23
  EXPECT_EQ(first.BandAlign, baNone);
  EXPECT_EQ(first.Restrictions, 0);
  EXPECT_EQ(first.Tag, "");
  EXPECT_EQ(first.GapX, 2);
  EXPECT_EQ(first.GapY, 1);
  EXPECT_EQ(first.Flags, 0x43);
  const auto& band = dynamic_cast<TfrBandView&>(*page.Objects[2]);
  EXPECT_EQ(band.Columns, 1);
  EXPECT_EQ(band.ColumnWidth, 200);
  EXPECT_EQ(band.ColumnGap, 20);
}

TEST_F(TemplateTest, VersionTwentyOneHasNoVersionByteAndWrapsEveryText) {
  TBytesBuilder b;
  b.Word(0xFFFF).Word(0).OldStr("");  // the first byte is no version: there is no version byte
  b.Byte(0xFF).Int(9).Int(2100).Int(2970).Int(0).Int(0).Int(0).Int(0).Byte(1).Int(0).Word(0);
  b.Word(0).Word(0xFFFF).Int(1).Int(0);
  b.Byte(0).Byte(0);
  b.Int(0).Int(0).Int(50).Int(20).Word(0).Word(0).Int(1).Int(0).Word(0).Int(0x1FFFFFFF);
  b.Int(0).OldStr("").OldStr("x");
  b.OldStr("宋体").Int(9).Word(0).Int(0).Int(0).Word(1).Word(2).Int(0).Int(0xFFFFFF).OldStr("");
  ASSERT_TRUE(Load(b.Bytes()));
  EXPECT_EQ(frState().FileVersion, 21);
  EXPECT_EQ(Report->UseDefaultPrinter(), 0xFFFF);
  const TfrPage& page = Report->Pages().Pages(0);
  EXPECT_EQ(page.Orientation, 1);
  EXPECT_EQ(page.Width, 2970);  // landscape A4
  const auto& memo = dynamic_cast<TfrMemoView&>(*page.Objects[0]);
  EXPECT_EQ(memo.Flags, flWordWrap);
}

TEST_F(TemplateTest, VersionTwentyThreeReadsNamesScriptsAndVisibilityButNoBinOrLaterFields) {
  TBytesBuilder b;
  b.Byte(23).Word(0).Word(0).Str("");
  b.Byte(0xFF).Int(-1).Int(9).Int(2100).Int(2970).Int(0).Int(0).Int(0).Int(0).Byte(0);
  b.Word(0).Word(0xFFFF).Int(1).Int(0);
  b.Byte(4).Byte(0);  // a line
  b.Str("Rule").Int(0).Int(0).Int(100).Int(0).Word(1).Word(4).Int(2).Int(0).Word(0).Int(0xFFFFFF);
  b.Int(0).Str("").EmptyMemo().Memo({"Hide;"}).Word(0);
  ASSERT_TRUE(Load(b.Bytes()));
  const TfrPage& page = Report->Pages().Pages(0);
  EXPECT_EQ(page.Name, "Page1");
  EXPECT_EQ(page.PaperBin, 65535);
  ASSERT_EQ(page.Objects.size(), 1u);
  EXPECT_EQ(page.Objects[0]->Name, "Rule");
  EXPECT_EQ(page.Objects[0]->Script.Text(), "Hide;\r\n");
  EXPECT_FALSE(page.Objects[0]->Visible);
  EXPECT_DOUBLE_EQ(page.Objects[0]->FrameWidth, 2);
}

TEST_F(TemplateTest, DialogPageFieldsReadAsTheirKinds) {
  BuildSample();
  TfrPage& page = Page();
  page.Type = ptDialog;
  TBytes bytes = Saved();
  // The page record's border style and position bytes, as older writers stored them.
  const size_t border = 1 + 2 + 2 + 3 + 1 + 4 * 8 + 1 + 4 + 2 + 2 + 4 + 4 + 1 + (2 + 5 + 1);
  ASSERT_EQ(bytes[border], 3);
  bytes[border] = 1;
  const size_t position = border + 1 + (2 + 4 + 1) + 4 + 16;
  ASSERT_EQ(bytes[position], 4);
  bytes[position] = 1;
  ASSERT_TRUE(Load(bytes));
  EXPECT_EQ(Report->Pages().Pages(0).Type, ptDialog);
  EXPECT_EQ(Report->Pages().Pages(0).BorderStyle, 2);
  EXPECT_EQ(Report->Pages().Pages(0).Position, 4);
}

TEST_F(TemplateTest, AnUnpluggedAddInIsReportedAndTheOtherObjectsLoad) {
  const TBytes bytes = WithBlockBeforeMemo([](TBytesBuilder& b) {
    b.Byte(10).Str("TfrCheckBoxView").Byte(0);
    const size_t next = b.Size();
    b.Int(0).Str("CheckBox1").Byte(2).Byte(0).Int(1).Int(2).Int(3);  // a record no class can read
    b.PatchInt(next, int32_t(b.Size()));
  });
  ASSERT_TRUE(Load(bytes));
  ASSERT_EQ(Dialogs->Messages.size(), 1u);
  EXPECT_EQ(Dialogs->Messages[0].Caption, "错误");
  EXPECT_EQ(Dialogs->Messages[0].DlgType, mtError);
  EXPECT_EQ(LastMessage(),
            "Report contains the following non-plugged components:\rTfrCheckBoxView\r"
            "You must include these components into your project.");
  ASSERT_EQ(Report->Pages().Pages(0).Objects.size(), 1u);
  EXPECT_EQ(Report->Pages().Pages(0).Objects[0]->Name, "Memo1");
}

TEST_F(TemplateTest, ARegisteredAddInClassLoadsAndAFramedTextBecomesAText) {
  class TfrTestAddIn : public TfrView {
   public:
    TfrTestAddIn() : TfrView(gtAddIn, "AddIn") {}
    String ClassName() const override { return "TfrTestAddIn"; }
    void Draw(TCanvas*) override {}
  };
  frRegisterObject("TfrTestAddIn", [] { return std::make_unique<TfrTestAddIn>(); });
  Place<TfrTestAddIn>("Extra", Bounds(0, 0, 10, 10));
  const TBytes bytes = Saved();
  ASSERT_TRUE(Load(bytes));
  frUnregisterObject("TfrTestAddIn");
  EXPECT_EQ(Report->FindObject("Extra")->ClassName(), "TfrTestAddIn");
  EXPECT_EQ(Report->FindObject("Extra")->Typ, gtAddIn);

  const TBytes framed = WithBlockBeforeMemo([](TBytesBuilder& b) {
    b.Byte(10).Str("TfrFramedMemoView").Byte(0);
    const size_t next = b.Size();
    b.Int(0);
    BaseRecord(b, "Framed", 0, Bounds(0, 0, 9, 9), 0x43, 0, 1000, 0x1FFFFFFF, 0, "", {"框"});
    b.Str("宋体").Int(9).Word(0).Int(0).Int(0).Word(1).Word(2).Int(0).Int(0xFFFFFF).Str("").Int(2).Int(0);
    for (int i = 0; i < 8; ++i) b.Byte(0xEE);  // the framed text's own bytes, dropped
    b.PatchInt(next, int32_t(b.Size()));
  });
  ASSERT_TRUE(Load(framed));
  EXPECT_EQ(Report->FindObject("Framed")->ClassName(), "TfrMemoView");
  EXPECT_NE(Report->FindObject("Memo1"), nullptr);
}

TEST_F(TemplateTest, UnreadableFilesLeaveOneEmptyPageAndReportFailure) {
  BuildSample();
  const TBytes good = Saved();
  struct Case {
    const char* What;
    TBytes Bytes;
  };
  TBytes newer = good;
  newer[0] = 25;
  TBytes truncated(good.begin(), good.begin() + 150);
  const TBytes unknownBlock = WithBlockBeforeMemo([](TBytesBuilder& b) { b.Byte(0x0B); });
  const TBytes backwards = WithBlockBeforeMemo([](TBytesBuilder& b) {
    b.Byte(5).Byte(0).Int(10);  // an object that makes nothing, whose NextPos points backwards
  });
  const TBytes pastTheEnd = WithBlockBeforeMemo([](TBytesBuilder& b) { b.Byte(5).Byte(0).Int(1 << 30); });
  const TBytes badPage = WithBlockBeforeMemo([](TBytesBuilder& b) { b.Byte(0).Byte(7).Int(0); });
  const std::string text = "班级,姓名\r\n";
  for (const Case& c : {Case{"empty", {}}, Case{"text", TBytes(text.begin(), text.end())},
                        Case{"newer version", newer}, Case{"truncated", truncated}, Case{"block 0x0B", unknownBlock},
                        Case{"position backwards", backwards}, Case{"position past the end", pastTheEnd},
                        Case{"page index past the pages", badPage}}) {
    ASSERT_TRUE(Load(good));
    Dialogs->Messages.clear();
    EXPECT_FALSE(Load(c.Bytes)) << c.What;
    ASSERT_EQ(Dialogs->Messages.size(), 1u) << c.What;
    EXPECT_EQ(LastMessage(), "不支持的FRF格式") << c.What;
    EXPECT_EQ(Dialogs->Messages[0].Caption, "错误");
    ASSERT_EQ(Report->Pages().Count(), 1) << c.What;
    EXPECT_TRUE(Report->Pages().Pages(0).Objects.empty()) << c.What;
    EXPECT_EQ(Report->FindObject("mmTitle"), nullptr) << c.What;  // the earlier template is gone
  }
}

TEST_F(TemplateTest, ObjectCodesFiveToNineArePassedOverByTheirPosition) {
  const TBytes bytes = WithBlockBeforeMemo([](TBytesBuilder& b) {
    b.Byte(7).Byte(0);
    const size_t next = b.Size();
    b.Int(0).Int(12345).Str("unknown record");
    b.PatchInt(next, int32_t(b.Size()));
  });
  ASSERT_TRUE(Load(bytes));
  EXPECT_TRUE(Dialogs->Messages.empty()) << LastMessage();
  EXPECT_NE(Report->FindObject("Memo1"), nullptr);
}

TEST_F(TemplateTest, FrameWidthsRoundTripWholeAndFractional) {
  struct Case {
    double Width;
    int32_t Stored;
  };
  for (const Case& c : {Case{0.5, 500}, Case{3, 3000}, Case{12, 12000}, Case{0, 0}, Case{1.25, 1250}}) {
    EXPECT_EQ(frEncodeFrameWidth(c.Width), c.Stored) << c.Width;
    EXPECT_DOUBLE_EQ(frDecodeFrameWidth(c.Stored), c.Width) << c.Width;
  }
  // Older writers stored whole widths as they were: up to 10 they read back unchanged.
  EXPECT_DOUBLE_EQ(frDecodeFrameWidth(3), 3);
  EXPECT_DOUBLE_EQ(frDecodeFrameWidth(10), 10);
  // A negative width has no stored form: it reads and writes as 0, so it cannot grow with each
  // save; a width too great for the record is stored as the greatest it holds.
  EXPECT_EQ(frEncodeFrameWidth(-2), 0);
  EXPECT_DOUBLE_EQ(frDecodeFrameWidth(-5), 0);
  EXPECT_EQ(frEncodeFrameWidth(1e12), INT32_MAX);
}

TEST_F(TemplateTest, ReadingLeavesNoPageOfTheOldTemplateAtWork) {
  BuildSample();
  const TBytes bytes = Saved();
  TfrPage other(9, 0, 0, frDefaultBin, 0);
  frState().ActivePage = &other;
  ASSERT_TRUE(Load(bytes));
  EXPECT_EQ(frState().ActivePage, &other);  // a page of another template stays at work
  frState().ActivePage = &Report->Pages().Pages(0);
  ASSERT_TRUE(Load(bytes));
  EXPECT_EQ(frState().ActivePage, nullptr);  // its own page was freed
  EXPECT_EQ(frState().ActiveReport, Report.get());
}

TEST_F(TemplateTest, AMissingFileIsNoTemplateAndAnEmptyFileReplacesTheTemplateWithNothing) {
  BuildSample();
  TempDir dir;
  EXPECT_FALSE(Report->LoadFromFile(dir.File("none.frf")));
  EXPECT_EQ(Report->FileName(), "Untitled");
  const String file = dir.File("样表.frf");
  {
    TFileStream out(file, fmCreate);
    Report->SaveToStream(out);
  }
  Report->Clear();
  EXPECT_TRUE(Report->LoadFromFile(file));
  EXPECT_EQ(Report->FileName(), file);
  EXPECT_NE(Report->FindObject("mmTitle"), nullptr);

  const String empty = dir.File("空.frf");
  { TFileStream out(empty, fmCreate); }
  EXPECT_FALSE(Report->LoadFromFile(empty));
  EXPECT_EQ(LastMessage(), "不支持的FRF格式");
  ASSERT_EQ(Report->Pages().Count(), 1);
  EXPECT_TRUE(Report->Pages().Pages(0).Objects.empty());
  EXPECT_EQ(Report->Dictionary().Variables.Count(), 0);
}

TEST_F(TemplateTest, AStoredLayoutKeepsTheTemplateOnlyWhenAskedTo) {
  TComponentPtr<TComponent> module = MakeComponent<TComponent>();
  auto* report = new TfrReport(module.get());
  report->SetName("rptPrint");
  report->SetTitle("班级成绩");
  auto memo = std::make_unique<TfrMemoView>();
  memo->Name = "mmClass";
  report->Pages().Add().Objects.push_back(std::move(memo));
  String layout = WriteLayout(module.get());
  EXPECT_NE(layout.find("ReportForm = {\n      18000000}"), String::npos) << layout;  // the Integer 24 alone

  report->SetStoreInDFM(true);
  layout = WriteLayout(module.get());
  TComponentPtr<TComponent> copy = MakeComponent<TComponent>();
  ReadLayout(layout, copy.get());
  auto* read = dynamic_cast<TfrReport*>(copy->FindComponent("rptPrint"));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Title(), "班级成绩");
  EXPECT_TRUE(read->StoreInDFM());
  EXPECT_NE(read->FindObject("mmClass"), nullptr);
}

}  // namespace
