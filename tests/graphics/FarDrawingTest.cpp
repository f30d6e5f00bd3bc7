// Drawing that reaches far beyond the canvas: lines of every pen and block copies whose ends lie
// millions of pixels away give, on the canvas, exactly the pixels of the whole drawing, and cost
// no more than the canvas they land on.
#include <gtest/gtest.h>

#include <climits>

#include "support/PixelCanvas.h"

namespace {

struct TPenCase {
  const char* Name;
  int Style;
  int Width;
};

const TPenCase PenCases[] = {{"solid", PS_SOLID, 1}, {"dash", PS_DASH, 1}, {"dot", PS_DOT, 1},
                             {"dash-dot-dot", PS_DASHDOTDOT, 1}, {"wide", PS_SOLID, 5}};

void SelectPen(TPixelCanvas& c, const TPenCase& pen) { SelectObject(c.DC(), CreatePen(pen.Style, pen.Width, clBlack)); }

void Line(TPixelCanvas& c, TPoint from, TPoint to) {
  MoveToEx(c.DC(), from.X, from.Y);
  LineTo(c.DC(), to.X, to.Y);
}

}  // namespace

// The same lines on a canvas that holds them whole and on a small window onto them: the pixels in
// the window agree, dash phase included, whichever end the line starts from. (A wide pen is a
// polygon whose edges move by a pixel with the place it is cut at; the next test draws them.)
TEST(FarDrawing, AThinLineCutByTheCanvasKeepsItsPixelsAndDashes) {
  const int shift = 350;  // the small canvas's origin on the large one
  const struct {
    TPoint From, To;
  } lines[] = {{{-300, -290}, {300, 310}}, {{300, 13}, {-300, 17}},  {{7, -300}, {29, 300}},
               {{-300, 30}, {300, 30}},    {{25, 300}, {25, -300}}, {{-270, 150}, {285, -120}}};
  for (const TPenCase& pen : PenCases)
    for (const auto& line : lines) {
      if (pen.Width > 1) continue;
      TPixelCanvas large(700, 700), small(40, 40);
      SelectPen(large, pen);
      SelectPen(small, pen);
      Line(large, {line.From.X + shift, line.From.Y + shift}, {line.To.X + shift, line.To.Y + shift});
      Line(small, line.From, line.To);
      int painted = 0;
      for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
          ASSERT_EQ(small.At(x, y), large.At(x + shift, y + shift))
              << pen.Name << " (" << line.From.X << "," << line.From.Y << ") at " << x << "," << y << small.Picture();
          painted += small.IsBackground(x, y) ? 0 : 1;
        }
      EXPECT_GT(painted, 0) << pen.Name << " (" << line.From.X << "," << line.From.Y << ")";
    }
}

TEST(FarDrawing, LinesWithEndsAtTheLimitsOfTheCoordinatesDrawTheirVisiblePart) {
  for (const TPenCase& pen : PenCases) {
    TPixelCanvas c(30, 30);
    SelectPen(c, pen);
    Line(c, {INT_MIN / 2, 5}, {INT_MAX / 2, 5});
    Line(c, {12, INT_MAX - 1}, {12, INT_MIN + 1});
    // A diagonal through (0, 0) and (29, 29): every pixel of it lies on the canvas's diagonal.
    Line(c, {-1'000'000'000, -1'000'000'000}, {1'000'000'000, 1'000'000'000});
    EXPECT_FALSE(c.IsBackground(0, 5) && c.IsBackground(1, 5) && c.IsBackground(2, 5)) << pen.Name << c.Picture();
    EXPECT_FALSE(c.IsBackground(12, 27) && c.IsBackground(12, 28) && c.IsBackground(12, 29)) << pen.Name;
    EXPECT_FALSE(c.IsBackground(20, 20) && c.IsBackground(21, 21) && c.IsBackground(22, 22)) << pen.Name;
    if (pen.Width == 1) {
      EXPECT_TRUE(c.IsBackground(20, 21)) << pen.Name << c.Picture();
    }
  }
}

// A picture stretched over millions of pixels: the canvas shows the nearest source pixels around
// the place where the source's pixels meet.
TEST(FarDrawing, AStretchedCopyFarLargerThanTheCanvasShowsItsVisiblePart) {
  TPixelCanvas source(2, 2);
  const COLORREF colours[2][2] = {{RGB(10, 0, 0), RGB(20, 0, 0)}, {RGB(30, 0, 0), RGB(40, 0, 0)}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) source.Bitmap().ScanLine(y)[x] = TPixelCanvas::Pixel32(colours[y][x]);
  const int half = 1 << 29;
  for (bool mirrored : {false, true}) {
    TPixelCanvas c(20, 20);
    // The source's pixels meet at (10, 10) of the canvas.
    if (mirrored)
      StretchBlt(c.DC(), 10 + half, 10 - half, -2 * half, 2 * half, source.DC(), 0, 0, 2, 2, SRCCOPY);
    else
      StretchBlt(c.DC(), 10 - half, 10 - half, 2 * half, 2 * half, source.DC(), 0, 0, 2, 2, SRCCOPY);
    const int left = mirrored ? 1 : 0, right = mirrored ? 0 : 1;
    EXPECT_EQ(c.At(0, 0), colours[0][left]) << mirrored;
    EXPECT_EQ(c.At(9, 9), colours[0][left]) << mirrored;
    EXPECT_EQ(c.At(10, 9), colours[0][right]) << mirrored;
    EXPECT_EQ(c.At(9, 10), colours[1][left]) << mirrored;
    EXPECT_EQ(c.At(19, 19), colours[1][right]) << mirrored;
  }
}

TEST(FarDrawing, ACopyPartlyOutsideTheSourceDrawsOnlyWhereTheSourceHasPixels) {
  TPixelCanvas source(4, 4, clRed), c(10, 10);
  BitBlt(c.DC(), 0, 0, 10, 10, source.DC(), -2, -3, SRCCOPY);
  EXPECT_EQ(c.At(2, 3), ColorToRGB(clRed));
  EXPECT_EQ(c.At(5, 6), ColorToRGB(clRed));
  EXPECT_TRUE(c.IsBackground(1, 3));
  EXPECT_TRUE(c.IsBackground(2, 2));
  EXPECT_TRUE(c.IsBackground(6, 6));
  EXPECT_TRUE(c.IsBackground(5, 7));
}
