// Drawing geometry of report objects: scaling with rounding halves to even, the inner rectangle
// between the frame parts, background and frame pixels in each line style, the region an object
// covers, alignment within the band, and printing an object into a prepared page.
#include "ReportTestKit.h"

#include "report/FR_Band.h"
#include "report/FR_Utils.h"
#include "rtl/Arith.h"
#include "support/PixelCanvas.h"

namespace {

class ViewDrawTest : public TReportTest {
 protected:
  // A text object without text: only its background and frame are drawn.
  TfrMemoView& Box(TRect bounds) {
    auto& memo = Place<TfrMemoView>("box", bounds);
    memo.FrameColor = clRed;
    memo.FillColor = clYellow;
    memo.FrameTyp = frftLeft | frftTop | frftRight | frftBottom;
    return memo;
  }
};

TEST_F(ViewDrawTest, BeginDrawScalesTheGeometryAndSplitsTheFrame) {
  auto& view = Box(Bounds(10, 20, 101, 50));
  view.FrameWidth = 2;
  view.ScaleX = view.ScaleY = 1.5;
  view.OffsetX = 5;
  view.OffsetY = 7;
  frState().PrintMode = true;
  TPixelCanvas canvas(10, 10);
  view.BeginDraw(canvas.Canvas());
  EXPECT_EQ(view.Left, 20);
  EXPECT_EQ(view.Top, 37);
  EXPECT_EQ(view.Width, 152);  // 151.5 to the even neighbour
  EXPECT_EQ(view.Height, 75);
  EXPECT_DOUBLE_EQ(view.FrameWidth, 3);
  EXPECT_EQ(view.GapX, 3 + 2);      // the gap scaled, plus the frame's outer part
  EXPECT_EQ(view.GapY, 2 + 2 / 2);  // 1.5 to 2, plus half the outer part
  // Inner part round(2.5 / 2 ... (3 - 1) / 2) = 1, outer part round(1.5) = 2.
  EXPECT_EQ(view.DrawRect, (TRect{21, 38, int(Round(111 * 1.5 + 5)) - 2 + 1, 112 - 2 + 1}));
  view.EndDraw();
  EXPECT_EQ(BoundsOf(view), Bounds(10, 20, 101, 50));
  EXPECT_DOUBLE_EQ(view.FrameWidth, 2);
  EXPECT_EQ(view.GapX, 2);

  // Outside print mode the scale is dropped.
  frState().PrintMode = false;
  view.BeginDraw(canvas.Canvas());
  EXPECT_EQ(view.Left, 10);
  EXPECT_DOUBLE_EQ(view.ScaleX, 1);
  view.EndDraw();
}

TEST_F(ViewDrawTest, BackgroundAndSolidFrameCoverTheirPixels) {
  frState().PrintMode = true;
  auto& view = Box(Bounds(10, 10, 40, 20));
  TPixelCanvas canvas(70, 50);
  view.Draw(canvas.Canvas());
  const COLORREF red = ColorToRGB(clRed), yellow = ColorToRGB(clYellow);
  for (TPoint p : {TPoint{50, 20}, TPoint{10, 20}, TPoint{30, 30}, TPoint{30, 10}, TPoint{50, 30}, TPoint{10, 10}})
    EXPECT_EQ(canvas.At(p.X, p.Y), red) << p.X << "," << p.Y << canvas.Picture(5, 5, 56, 36);
  EXPECT_EQ(canvas.At(30, 20), yellow);
  EXPECT_TRUE(canvas.IsBackground(51, 20));
  EXPECT_TRUE(canvas.IsBackground(30, 31));

  // No fill and no frame: nothing at all while printing.
  canvas.Clear();
  view.FillColor = frTransparent;
  view.FrameTyp = 0;
  view.Draw(canvas.Canvas());
  EXPECT_EQ(canvas.Picture(), TPixelCanvas(70, 50).Picture());
}

TEST_F(ViewDrawTest, StyledFramesAreOnePixelLinesSideBySideWithTheFillInTheGaps) {
  frState().PrintMode = true;
  auto& view = Box(Bounds(10, 10, 60, 20));
  view.FrameTyp = frftTop;
  view.FrameStyle = frsDash;
  view.FrameWidth = 3;
  TPixelCanvas canvas(90, 40);
  view.Draw(canvas.Canvas());
  const COLORREF red = ColorToRGB(clRed), yellow = ColorToRGB(clYellow);
  // Three lines at y 9, 10 and 11; dashes of 18 pixels from x 10, then 6 pixels of fill colour.
  for (int y : {9, 10, 11}) {
    EXPECT_EQ(canvas.At(12, y), red) << y << canvas.Picture(5, 5, 75, 15);
    EXPECT_EQ(canvas.At(30, y), yellow) << y;
    EXPECT_EQ(canvas.At(40, y), red) << y;
  }
  EXPECT_NE(canvas.At(12, 8), red);
  EXPECT_NE(canvas.At(12, 12), red);

  // Without a fill the gaps stay as they were.
  canvas.Clear();
  view.FillColor = frTransparent;
  view.Draw(canvas.Canvas());
  EXPECT_TRUE(canvas.IsBackground(30, 9));
  EXPECT_EQ(canvas.At(12, 9), red);
}

TEST_F(ViewDrawTest, DoubleFramesAreTwoFrameLinesAroundALineOfTheFill) {
  frState().PrintMode = true;
  auto& view = Box(Bounds(10, 20, 60, 20));
  view.FrameTyp = frftTop;
  view.FrameStyle = frsDouble;
  view.FrameWidth = 1;
  view.FillColor = clLime;
  TPixelCanvas canvas(90, 50);
  view.Draw(canvas.Canvas());
  EXPECT_EQ(canvas.At(30, 19), ColorToRGB(clRed)) << canvas.Picture(5, 15, 75, 25);
  EXPECT_EQ(canvas.At(30, 20), ColorToRGB(clLime));
  EXPECT_EQ(canvas.At(30, 21), ColorToRGB(clRed));
  EXPECT_EQ(canvas.At(30, 22), ColorToRGB(clLime));  // the background below
}

TEST_F(ViewDrawTest, TheClipRegionCoversTheFrameOutsideTheObject) {
  auto& view = Box(Bounds(10, 10, 40, 20));
  struct Case {
    uint16_t Style;
    double Width;
    bool Extended;
    TRect Box;
  };
  for (const Case& c : {Case{frsSolid, 3, false, {8, 8, 52, 32}}, Case{frsSolid, 3, true, {-2, -2, 62, 42}},
                        Case{frsDouble, 2, false, {7, 7, 53, 33}}, Case{frsSolid, 1, false, {10, 10, 51, 31}}}) {
    view.FrameStyle = c.Style;
    view.FrameWidth = c.Width;
    TRect box;
    GetRgnBox(view.GetClipRegion(c.Extended), box);
    EXPECT_EQ(box, c.Box) << c.Style << " " << c.Width << " " << c.Extended;
  }
  view.FrameTyp = frftLeft;
  view.FrameWidth = 3;
  view.FrameStyle = frsSolid;
  TRect box;
  GetRgnBox(view.GetClipRegion(false), box);
  EXPECT_EQ(box, (TRect{8, 10, 51, 31}));
}

TEST_F(ViewDrawTest, ObjectsAlignWithinTheMarginsOrTheBandUnderThem) {
  TfrPage& page = Page();
  page.LeftMargin = page.RightMargin = 36;
  frState().ActivePage = &page;
  auto& view = Place<TfrMemoView>("m", Bounds(100, 110, 50, 10));
  struct Case {
    uint8_t Align;
    bool PrintMode;
    TRect Bounds;
  };
  auto& band = Place<TfrBandView>("Band1", Bounds(0, 100, 758, 40));
  band.SetBandType(btMasterData);
  auto& cross = Place<TfrBandView>("Cross", Bounds(300, 0, 60, 500));
  cross.SetBandType(btCrossData);
  for (const Case& c : {Case{baLeft, true, Bounds(36, 110, 50, 10)}, Case{baRight, true, Bounds(722 - 50, 110, 50, 10)},
                        Case{baCenter, true, Bounds(36 + (686 - 50) / 2, 110, 50, 10)},
                        Case{baWidth, true, Bounds(36, 110, 685, 10)}, Case{baBottom, false, Bounds(100, 130, 50, 10)},
                        Case{baTop, false, Bounds(100, 100, 50, 10)}, Case{baWidth, false, Bounds(36, 110, 685, 10)}}) {
    view.SetBounds(100, 110, 50, 10);
    view.BandAlign = c.Align;
    frState().PrintMode = c.PrintMode;
    view.AlignToBand(&frScratchCanvas());
    EXPECT_EQ(BoundsOf(view), c.Bounds) << int(c.Align) << " " << c.PrintMode;
    EXPECT_EQ(frState().ActiveView, &view);
  }
  view.SetBounds(310, 50, 20, 10);
  view.BandAlign = baWidth;
  frState().PrintMode = false;
  view.AlignToBand(&frScratchCanvas());
  EXPECT_EQ(BoundsOf(view), Bounds(300, 50, 60, 10));  // a cross band gives its own width
}

TEST_F(ViewDrawTest, AligningTheTemplatesObjectsMovesOnlyThoseWithABandAlignment) {
  Page(0).LeftMargin = Page(0).RightMargin = 36;
  auto& right = Place<TfrMemoView>("r", Bounds(100, 10, 50, 10));
  right.BandAlign = baRight;
  auto& plain = Place<TfrMemoView>("p", Bounds(100, 30, 50, 10));
  auto& centred = Place<TfrLineView>("c", Bounds(0, 0, 100, 1), 1);
  centred.BandAlign = baCenter;
  Report->Pages().AlignObjects();
  EXPECT_EQ(right.Left, 722 - 50);
  EXPECT_EQ(plain.Left, 100);
  EXPECT_EQ(centred.Left, 18 + (722 - 100) / 2);  // the second page has the printer's margins
  EXPECT_EQ(frState().ActivePage, nullptr);
}

TEST_F(ViewDrawTest, PrintingWritesThePreparedRecordAlignedToTheBandAtWork) {
  TfrPage& page = Page();
  frState().ActivePage = &page;
  frState().PrintMode = true;
  TfrBand band(btMasterData, &page);
  band.Top = 300;
  band.Height = 50;
  frState().ActiveBand = &band;
  auto& line = Place<TfrLineView>("Line1", Bounds(0, 310, 100, 0));
  line.BandAlign = baBottom;
  line.Memo.Add("[1 + 2]");
  line.Tag = "共[2 * 3]人";
  line.Script.Add("Ran := 1;");
  TMemoryStream stream;
  line.Print(stream);
  EXPECT_EQ(line.Top, 350);  // on the band's bottom
  EXPECT_EQ(frVariables().Variable("Ran").AsInteger(), 1);  // the script ran
  EXPECT_EQ(line.Tag, "共[2 * 3]人");

  stream.SetPosition(0);
  uint8_t type;
  stream.ReadBuffer(&type, 1);
  EXPECT_EQ(type, gtLine);
  TfrLineView read;
  read.InPreparedPage = true;
  read.LoadFromStream(stream);
  EXPECT_EQ(stream.Position(), stream.Size());
  EXPECT_EQ(read.Name, "Line1");
  EXPECT_EQ(read.Tag, "共6人");             // the tag's expressions are expanded
  EXPECT_EQ(read.Memo.Text(), "[1 + 2]\r\n");  // the base object does not expand its text
  EXPECT_TRUE(read.Script.Count() == 0);
  EXPECT_EQ(read.BandAlign, baBottom);

  // An invisible object writes nothing.
  TMemoryStream none;
  line.Visible = false;
  line.Print(none);
  EXPECT_EQ(none.Size(), 0);
  frState().ActiveBand = nullptr;
}

}  // namespace
