// The recording canvas: replaying gives the pixels of drawing directly, scales into other
// rectangles, and lists its text runs for searching.
#include <gtest/gtest.h>

#include "graphics/Metafile.h"
#include "support/PixelCanvas.h"

namespace {

// A scene that uses every kind of primitive and most device-context state.
void DrawScene(HDC dc, TBitmap& glyph) {
  TRegion clip = CreateRectRgn(0, 0, 120, 80);
  CombineRgn(clip, clip, CreateEllipticRgn(90, 50, 110, 70), RGN_DIFF);
  SelectClipRgn(dc, &clip);
  FillRect(dc, Rect(0, 0, 120, 80), GetSysColorBrush(COLOR_BTNFACE));
  TRect edge = Rect(4, 4, 60, 30);
  DrawEdge(dc, edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST | BF_MIDDLE);
  SetTextColor(dc, clNavy);
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, CreateFontIndirect(TLogFont{}));
  DrawText(dc, "体育成绩 Score", -1, edge, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  SetBrushOrgEx(dc, 3, 1);
  SetTextColor(dc, clRed);
  SetBkColor(dc, clWhite);
  FillRect(dc, Rect(64, 4, 116, 30), CreatePatternBrush(CheckerboardPattern()));
  SetROP2(dc, R2_XORPEN);
  SelectObject(dc, CreatePen(PS_SOLID, 1, clAqua));
  MoveToEx(dc, 0, 40);
  LineTo(dc, 119, 79);
  SetROP2(dc, R2_COPYPEN);
  SelectObject(dc, CreatePen(PS_DASH, 1, clGreen));
  Polyline(dc, {{2, 76}, {60, 50}, {100, 76}});
  SelectObject(dc, CreateSolidBrush(clYellow));
  Ellipse(dc, 70, 36, 100, 60);
  BitBlt(dc, 10, 50, glyph.Width(), glyph.Height(), glyph.Canvas(), 0, 0, SRCINVERT);
  DrawFocusRect(dc, Rect(2, 34, 50, 48));
  SetBkMode(dc, OPAQUE);
  const TRect box = Rect(30, 60, 70, 72);
  ExtTextOut(dc, 32, 60, ETO_OPAQUE | ETO_CLIPPED, &box, "第二行");
}

void FillGlyph(TBitmap& glyph) {
  glyph.SetSize(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) glyph.ScanLine(y)[x] = TPixelCanvas::Pixel32(RGB(x * 30, y * 30, 90));
}

}  // namespace

TEST(Metafile, ReplayGivesThePixelsOfDrawingDirectly) {
  TBitmap glyph;
  FillGlyph(glyph);
  TPixelCanvas direct(120, 80, clSilver), replayed(120, 80, clSilver);
  DrawScene(direct.DC(), glyph);
  TMetafile metafile;
  {
    TMetafileCanvas recorder(&metafile, 120, 80);
    DrawScene(&recorder, glyph);
  }
  EXPECT_GT(metafile.RecordCount(), 10);
  replayed.Canvas()->Draw(0, 0, &metafile);
  int differing = 0;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 120; ++x) differing += direct.At(x, y) != replayed.At(x, y);
  EXPECT_EQ(differing, 0);

  // Replaying inside a clip region leaves the outside alone.
  TPixelCanvas clipped(120, 80, clSilver);
  IntersectClipRect(clipped.DC(), 0, 0, 60, 80);
  clipped.Canvas()->Draw(0, 0, &metafile);
  EXPECT_EQ(clipped.At(100, 10), ColorToRGB(clSilver));
  EXPECT_EQ(clipped.At(20, 2), direct.At(20, 2));
}

TEST(Metafile, TextRunsAreListedInOrderWithTheirBounds) {
  TMetafile metafile;
  {
    TMetafileCanvas canvas(&metafile, 300, 100);
    canvas.Font()->SetName(TestFontName);
    canvas.Font()->SetHeight(-12);
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect(Rect(0, 0, 300, 100));
    canvas.TextOut(10, 20, "高一(1)班");
    canvas.Rectangle(0, 0, 5, 5);
    canvas.TextOut(10, 40, "张三 95");
  }
  const auto runs = metafile.TextRuns();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].Text, "高一(1)班");
  EXPECT_EQ(runs[0].Bounds, Rect(10, 20, 10 + 12 + 12 + 18 + 12, 32));
  EXPECT_EQ(runs[1].Text, "张三 95");
  EXPECT_LT(runs[0].RecordIndex, runs[1].RecordIndex);
  EXPECT_EQ(runs[1].RecordIndex, metafile.RecordCount() - 1);
}

TEST(Metafile, StretchedReplayScalesCoordinatesAndFonts) {
  TMetafile metafile;
  {
    TMetafileCanvas canvas(&metafile, 20, 10);
    FillRect(&canvas, Rect(5, 0, 10, 5), CreateSolidBrush(clRed));
  }
  TPixelCanvas big(40, 20);
  big.Canvas()->StretchDraw(Rect(0, 0, 40, 20), &metafile);
  EXPECT_EQ(big.At(10, 0), ColorToRGB(clRed));
  EXPECT_EQ(big.At(19, 9), ColorToRGB(clRed));
  EXPECT_TRUE(big.IsBackground(20, 9));
  EXPECT_TRUE(big.IsBackground(19, 10));
  EXPECT_TRUE(big.IsBackground(9, 0));
}

TEST(Metafile, ForeignDataIsKeptButRecordingsCannotBeSaved) {
  TMetafile foreign;
  foreign.LoadFromBytes({1, 0, 0, 0, 0x6C});
  EXPECT_FALSE(foreign.Empty());
  EXPECT_EQ(foreign.SaveToBytes(), (TBytes{1, 0, 0, 0, 0x6C}));
  TPixelCanvas c(4, 4);
  c.Canvas()->StretchDraw(Rect(0, 0, 4, 4), &foreign);
  EXPECT_TRUE(c.IsBackground(1, 1));
  TMetafile recorded;
  { TMetafileCanvas canvas(&recorded, 4, 4); canvas.FillRect(Rect(0, 0, 2, 2)); }
  EXPECT_THROW(recorded.SaveToBytes(), EInvalidGraphicOperation);
}
