// Templates and prepared reports written by the engine's own writer with numbers that fit on no
// page (positions and sizes of millions of pixels, frame widths, font sizes, spacings, columns,
// paper): they read with every such number bounded and then draw and measure on any canvas.
#include "BuildTestKit.h"
#include "graphics/Metafile.h"
#include "report/FR_Limits.h"
#include "support/PixelCanvas.h"
#include "support/TempDir.h"

namespace {

constexpr int32_t Extremes[] = {INT32_MIN, -1'610'612'736, -2'000'000, 2'000'000, INT32_MAX};

// The Integer after the first occurrence of Marker (a string written with its closing 0) set to
// Value.
void PatchIntAfter(TBytes& Bytes, const String& Marker, int32_t Value) {
  const std::string marker = Marker + '\0';
  const auto at = std::search(Bytes.begin(), Bytes.end(), marker.begin(), marker.end());
  ASSERT_NE(at, Bytes.end()) << Marker;
  const size_t i = size_t(at - Bytes.begin()) + marker.size();
  for (int k = 0; k < 4; ++k) Bytes[i + size_t(k)] = uint8_t(uint32_t(Value) >> (8 * k));
}

class CraftedFilesTest : public TBuildTest {
 protected:
  // A framed text with every number it stores set to Value; its font is named "FontX", so that the
  // font size after the name can be set too.
  TfrMemoView& ExtremeMemo(const String& Name, int32_t Value) {
    TfrMemoView& memo = Memo(Name, Bounds(0, 0, 1, 1), "学校 [1]\r第二行");
    memo.SetBounds(Value, Value, Value, Value);
    memo.FrameTyp = frftLeft | frftTop | frftRight | frftBottom;
    memo.FrameWidth = std::abs(double(Value));
    memo.FrameStyle = frsDash;
    memo.FillColor = clYellow;
    memo.GapX = memo.GapY = Value;
    memo.LineSpacing = memo.CharSpacing = Value;
    memo.Flags |= flWordWrap | flUnderlines;
    memo.Font.SetName("FontX");
    return memo;
  }

  void ExpectBounded(const TfrView& View, int32_t Value) {
    const int32_t coordinate = std::clamp(Value, -frMaxCoordinate, frMaxCoordinate);
    EXPECT_EQ((std::vector{View.Left, View.Top, View.Width, View.Height}), std::vector<int>(4, coordinate)) << Value;
    EXPECT_EQ(View.GapX, coordinate) << Value;
    EXPECT_LE(View.FrameWidth, frMaxFrameWidth) << Value;
    EXPECT_GE(View.FrameWidth, 0) << Value;
    if (const auto* memo = dynamic_cast<const TfrMemoView*>(&View)) {
      EXPECT_EQ(memo->LineSpacing, coordinate) << Value;
      EXPECT_EQ(memo->CharSpacing, coordinate) << Value;
      EXPECT_LE(std::abs(memo->Font.Size()), frMaxFontSize) << Value;
    }
  }

  // Draws every object of a page onto a small canvas and into a recording, in print mode at a
  // preview's scale and in layout mode.
  void DrawEverywhere(const std::vector<std::unique_ptr<TfrView>>& Objects) {
    TPixelCanvas canvas(60, 60);
    TMetafile metafile;
    TMetafileCanvas recording(&metafile, 60, 60);
    for (bool printMode : {true, false}) {
      frState().PrintMode = printMode;
      for (const auto& view : Objects)
        for (TCanvas* target : {canvas.Canvas(), static_cast<TCanvas*>(&recording)}) {
          view->ScaleX = view->ScaleY = 1.5;
          view->Draw(target);
        }
    }
    frState().PrintMode = false;
  }
};

TEST_F(CraftedFilesTest, ATemplatesObjectsReadWithTheirNumbersBounded) {
  for (int32_t value : Extremes) {
    SCOPED_TRACE(value);
    Report->Pages().Clear();
    Page().Columns = value;
    Page().ColumnGap = Page().LeftMargin = value;
    ExtremeMemo("mmExtreme", value);
    TfrBandView& band = Band(btMasterData, 0, 1, "MasterData1");
    band.Columns = band.NewColumnAfter = value;
    band.ColumnWidth = band.ColumnGap = value;
    TMemoryStream stream;
    Report->SaveToStream(stream);
    TBytes bytes = StreamBytes(stream);
    PatchIntAfter(bytes, "FontX", value);
    FillStream(stream, bytes);
    ASSERT_TRUE(Report->LoadFromStream(stream));

    TfrPage& page = Report->Pages().Pages(0);
    const int32_t coordinate = std::clamp(value, -frMaxCoordinate, frMaxCoordinate);
    EXPECT_EQ(page.Columns, std::clamp(value, 0, frMaxColumns));
    EXPECT_EQ(page.ColumnGap, coordinate);
    EXPECT_EQ(page.LeftMargin, coordinate);
    ExpectBounded(*Report->FindObject("mmExtreme"), value);
    const auto& read = dynamic_cast<const TfrBandView&>(*Report->FindObject("MasterData1"));
    EXPECT_EQ(read.Columns, std::clamp(value, 0, frMaxColumns));
    EXPECT_EQ(read.NewColumnAfter, std::clamp(value, 0, frMaxColumns));
    EXPECT_EQ(read.ColumnWidth, coordinate);
    EXPECT_EQ(read.ColumnGap, coordinate);
    DrawEverywhere(page.Objects);
  }
}

// A frame millions of pixels long and wide, in every style, across the page a preview draws: the
// page reads with its numbers bounded and draws in its place; so does a page of paper without
// size.
TEST_F(CraftedFilesTest, APreparedPageWithHugeFramesAndPaperOpensAndDraws) {
  // Where each style paints: a double frame's lines lie a frame width either side of the edges.
  const struct {
    uint16_t Style;
    TPoint Painted;
  } cases[] = {{frsSolid, {5, 10}}, {frsDash, {5, 10}}, {frsDouble, {25, 25}}};
  for (const auto& c : cases) {
    const uint16_t style = c.Style;
    SCOPED_TRACE(style);
    TfrEMFPages& pages = Report->EMFPages();
    pages.Clear();
    pages.Insert(0, Page());
    TfrPreparedPage& record = pages.Pages(0);
    record.Width = record.Height = INT32_MAX;
    for (int& margin : record.Margins) margin = INT32_MIN;
    // The right side of this frame runs down the left edge of the page.
    TfrMemoView frame;
    frame.Name = "Frame";
    frame.SetBounds(-1'000'000'000, 5, 1'000'000'000, 2'000'000'000);
    frame.FrameTyp = frftLeft | frftTop | frftRight | frftBottom;
    frame.FrameWidth = 1e6;
    frame.FrameStyle = style;
    frame.FrameColor = clRed;
    frame.WriteToPreparedPage(record.Stream);
    ExtremeMemo("mmExtreme", INT32_MIN).WriteToPreparedPage(record.Stream);
    // A second page of a custom paper without size.
    pages.Insert(1, Page());
    pages.Pages(1).Size = frCustomPaper;
    pages.Pages(1).Width = pages.Pages(1).Height = 0;
    frame.WriteToPreparedPage(pages.Pages(1).Stream);
    TMemoryStream file;
    pages.PreparedSaveToStream(file);
    TBytes bytes = StreamBytes(file);
    PatchIntAfter(bytes, "FontX", INT32_MIN);
    FillStream(file, bytes);

    auto other = MakeComponent<TfrReport>();
    other->EMFPages().PreparedLoadFromStream(file);
    TfrPreparedPage& read = other->EMFPages().Pages(0);
    EXPECT_EQ(read.Width, frMaxPaperTenths);
    EXPECT_EQ(read.Height, frMaxPaperTenths);
    EXPECT_EQ(read.Margins[0], -frMaxCoordinate);
    other->EMFPages().RebuildPage(0);
    const auto& objects = read.Page->Objects;
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ((std::vector{objects[0]->Left, objects[0]->Top, objects[0]->Width, objects[0]->Height}),
              (std::vector{-frMaxCoordinate, 5, frMaxCoordinate, frMaxCoordinate}));
    EXPECT_EQ(objects[0]->FrameWidth, frMaxFrameWidth);
    ExpectBounded(*objects[1], INT32_MIN);

    TPixelCanvas canvas(100, 100);
    other->EMFPages().Draw(0, canvas.Canvas(), Bounds(0, 0, read.PrnInfo.PageWidth, read.PrnInfo.PageHeight));
    EXPECT_EQ(canvas.At(c.Painted.X, c.Painted.Y), ColorToRGB(clRed)) << canvas.Picture();
    TMetafile metafile;
    {
      TMetafileCanvas recording(&metafile, read.PrnInfo.PageWidth, read.PrnInfo.PageHeight);
      other->EMFPages().Draw(0, &recording, Bounds(0, 0, read.PrnInfo.PageWidth, read.PrnInfo.PageHeight));
    }
    DrawEverywhere(objects);

    const TfrPreparedPage& unsized = other->EMFPages().Pages(1);
    EXPECT_EQ(unsized.Width, frMinPaperTenths);
    ASSERT_GT(unsized.PrnInfo.PageWidth, 0);
    canvas.Clear();
    other->EMFPages().Draw(1, canvas.Canvas(), Bounds(0, 0, 100, 100));
  }
}

// An old template whose objects carry no names gives each the first free generated name, and a
// dictionary holds every name it lists: ten thousand of the one and a hundred thousand of the
// other read without searching the report or the list again for each.
TEST_F(CraftedFilesTest, ManyUnnamedObjectsAndManyDictionaryNamesRead) {
  TBytesBuilder b;
  b.Byte(22).Word(0).Word(0).OldStr("");
  b.Byte(0xFF).Int(9).Int(2100).Int(2970).Int(36).Int(36).Int(36).Int(36).Byte(0);
  for (int k = 0; k < 6; ++k) b.Byte(0);
  b.Word(0).Word(0).Int(1).Int(0);
  const int objects = 10001, names = 100000;  // names go up to Line10000; the last has none
  for (int i = 0; i < objects; ++i) {
    b.Byte(gtLine).Byte(0);
    b.Int(1).Int(2).Int(3).Int(0).Word(0).Word(frftLeft).Int(1).Int(0).Word(0).Int(0xFFFFFF).Int(0);
    b.OldStr("").OldStr("");
  }
  b.Byte(0xFE).Word(0xFFFF).Int(names);
  for (int i = 0; i < names; ++i) b.Str("v" + std::to_string(i)).Str(std::to_string(i));
  b.Int(0).Int(0);
  TMemoryStream stream;
  FillStream(stream, b.Bytes());
  ASSERT_TRUE(Report->LoadFromStream(stream));

  const auto& read = Report->Pages().Pages(0).Objects;
  ASSERT_EQ(read.size(), size_t(objects));
  EXPECT_EQ(read.front()->Name, "Line1");
  EXPECT_EQ(read[objects - 2]->Name, "Line10000");
  EXPECT_EQ(read.back()->Name, "");
  TfrVariables& variables = Report->Dictionary().Variables;
  EXPECT_EQ(variables.Count(), names);
  EXPECT_EQ(VarToStr(variables.Variable(" V99999")), "99999");
}

TEST_F(CraftedFilesTest, AFolderOpenedAsAPreparedReportIsReportedInChinese) {
  TempDir dir;
  try {
    Report->LoadPreparedFile(dir.Path().string());
    FAIL() << "a folder opened";
  } catch (const EStreamError& e) {
    EXPECT_EQ(e.Message(), "报表文件已损坏，无法打开。");
  }
}

}  // namespace
