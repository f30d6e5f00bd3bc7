// The shared drawing routines in pixels, and the placement of popups on the work area.
#include <gtest/gtest.h>

#include "editors/dxDrawing.h"
#include "graphics/Gdi.h"
#include "support/GraphicsTestFont.h"
#include "windows/Services.h"

namespace {

struct TSurface {
  TBitmap Bitmap;
  TSurface(int Width, int Height, TColor Color) : Bitmap(Width, Height) {
    Bitmap.Canvas()->Brush()->SetColor(Color);
    Bitmap.Canvas()->FillRect({0, 0, Width, Height});
  }
  HDC DC() { return Bitmap.Canvas()->Handle(); }
  TColor At(int X, int Y) { return Bitmap.Canvas()->Pixel(X, Y); }
};

// A cell 60 x 20 with its text inset by 2; the brush is blue, the background colour green, so
// the two outputs tell themselves apart: wrapped output fills the cell with the brush, one line
// of text fills it with the background colour.
int PaintCellText(TSurface& S, const String& Text, unsigned Flags, int* LineHeight = nullptr) {
  TFont font;
  UseTestFont(&font);
  return DrawTextInRect(S.DC(), Text, -1, {0, 0, 60, 20}, {2, 2, 58, 18}, Flags, CreateSolidBrush(clBlue),
                        font.Handle(), ColorToRGB(clGreen), ColorToRGB(clBlack), LineHeight);
}

TEST(DrawingTest, TextWithALineBreakIsOneLineUnlessAnEllipsisOrMultiLineAllowsWrapping) {
  struct TCase {
    String Text;
    unsigned Flags;
    TColor Corner;
  };
  const TCase cases[] = {
      {"ab\ncd", 0, clGreen},
      {"ab\ncd", dxEndEllipsis, clBlue},
      {"ab", dxLayoutMultiLine, clBlue},
      {"abcdefghijklmnopqrstuvwxyz", 0, clGreen},
      {"ab", dxForceWrap, clBlue},
  };
  for (const TCase& c : cases) {
    TSurface s(60, 20, clWhite);
    PaintCellText(s, c.Text, c.Flags);
    EXPECT_EQ(s.At(0, 0), c.Corner) << c.Text << " flags " << c.Flags;
  }
}

TEST(DrawingTest, ATooWideLineIsClippedAtTheTextRectangleAndTheRestOfTheCellTakesTheBrush) {
  TSurface s(60, 20, clWhite);
  PaintCellText(s, "WWWWWWWWWWWWWWWWWWWW", 0);
  EXPECT_EQ(s.At(59, 10), clBlue);
  EXPECT_EQ(s.At(58, 10), clBlue);
  TSurface kept(60, 20, clWhite);
  PaintCellText(kept, "WWWWWWWWWWWWWWWWWWWW", dxNoBackground);
  EXPECT_EQ(kept.At(59, 10), clWhite);
}

TEST(DrawingTest, MeasuringAnswersTheCellHeightTheTextNeedsAndPaintsNothing) {
  TSurface s(60, 20, clWhite);
  int lineHeight = 0;
  const int height = PaintCellText(s, "ab", dxMeasureOnly, &lineHeight);
  EXPECT_EQ(lineHeight, 12);
  EXPECT_EQ(height, 4 + 12);
  EXPECT_EQ(s.At(0, 0), clWhite);
  EXPECT_EQ(PaintCellText(s, "ab", 0), 0);
}

TEST(DrawingTest, TheFocusRectangleFramesTheTextRectangleOutsideByOne) {
  TSurface s(60, 20, clWhite);
  PaintCellText(s, "ab", dxFocusRect | dxNoBackground);
  int changed = 0;
  for (int x = 1; x < 59; ++x) changed += s.At(x, 1) != clWhite;
  EXPECT_GT(changed, 20);
  EXPECT_EQ(s.At(30, 0), clWhite);
}

TEST(DrawingTest, DitherRectShadesOnTheCheckerboard) {
  TSurface s(8, 8, clWhite);
  DitherRect(s.DC(), {0, 0, 8, 8}, clRed);
  EXPECT_EQ(s.At(0, 0), clRed);
  EXPECT_EQ(s.At(1, 0), clWhite);
  EXPECT_EQ(s.At(1, 1), clRed);
  EXPECT_EQ(s.At(0, 1), clWhite);
}

TEST(DrawingTest, TransparentBitmapsShowTheBrushWhereTheTransparentColourWas) {
  TBitmap picture(4, 4);
  picture.Canvas()->Brush()->SetColor(clOlive);
  picture.Canvas()->FillRect({0, 0, 4, 4});
  picture.Canvas()->SetPixel(1, 1, clRed);
  TSurface s(10, 10, clWhite);
  DrawTransparentBitmap(s.DC(), CreateSolidBrush(clBlue), {2, 2, 6, 6}, picture);
  EXPECT_EQ(s.At(3, 3), clRed);
  EXPECT_EQ(s.At(2, 2), clBlue);
  EXPECT_EQ(s.At(7, 7), clWhite);
  DrawTransparentBitmapAt(s.DC(), CreateSolidBrush(clGreen), {0, 0, 10, 10}, picture, {5, 5, 9, 9});
  EXPECT_EQ(s.At(0, 0), clGreen);
  EXPECT_EQ(s.At(6, 6), clRed);
}

TEST(DrawingTest, ShadowsColoursAndBitmapSizes) {
  TSurface s(10, 10, clWhite);
  DrawShadow(s.DC(), {0, 0, 10, 10}, 2, CreateSolidBrush(clBlack));
  EXPECT_EQ(s.At(5, 8), clBlack);
  EXPECT_EQ(s.At(8, 0), clBlack);
  EXPECT_EQ(s.At(7, 7), clWhite);

  EXPECT_EQ(ColorToImageListColor(clNone), CLR_NONE);
  EXPECT_EQ(ColorToImageListColor(clDefault), CLR_DEFAULT);
  EXPECT_EQ(ColorToImageListColor(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToImageListColor(clRed), ColorToRGB(clRed));

  TBitmap bitmap(20, 5);
  EnsureBitmapSize(bitmap, 10, 8);
  EXPECT_EQ(bitmap.Width(), 20);
  EXPECT_EQ(bitmap.Height(), 8);
}

TEST(DrawingTest, PopupsStayOnTheWorkAreaAndOpenAboveTheirAnchorWhenThereIsMoreRoom) {
  auto saved = SetDesktop(std::make_unique<TFixedDesktop>(TRect{0, 0, 1024, 768}, TRect{0, 0, 1024, 740}));
  struct TCase {
    TPoint P;
    int Width, Height, Anchor;
    TPoint Expected;
  };
  const TCase cases[] = {
      {{100, 640}, 150, 200, 20, {100, 420}},   // 100 pixels above the bottom, more room above: flips
      {{100, 100}, 150, 200, 20, {100, 100}},   // fits below
      {{-10, 100}, 150, 200, 20, {0, 100}},
      {{900, 100}, 200, 200, 20, {824, 100}},
      {{100, 400}, 150, 600, 20, {100, 0}},     // flipped above the top: kept on the work area
      {{100, 300}, 150, 650, 20, {100, 90}},    // fits neither way: kept on the work area
      {{100, 300}, 150, 900, 20, {100, 300}},   // taller than the work area: left alone
  };
  for (const TCase& c : cases) {
    TPoint p = c.P;
    FitPopupToWorkArea(p, c.Width, c.Height, c.Anchor);
    EXPECT_EQ(p, c.Expected) << c.P.X << "," << c.P.Y << " " << c.Height;
  }
  SetDesktop(std::move(saved));
}

}  // namespace
