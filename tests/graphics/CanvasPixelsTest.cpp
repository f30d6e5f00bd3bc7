// Pixel rules of the canvas: exclusive rectangles, the end-pixel rule of lines, raster
// operations, pattern brushes at the brush origin, clipping, origins and saved state.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include <QImage>
#include <QPainter>

#include "graphics/CanvasQt.h"
#include "support/PixelCanvas.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels Painted(const TPixelCanvas& c, int w, int h) {
  Pixels out;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (!c.IsBackground(x, y)) out.insert({x, y});
  return out;
}

}  // namespace

TEST(CanvasPixels, RectanglesExcludeTheirRightColumnAndBottomRow) {
  TPixelCanvas c(12, 8);
  FillRect(c.DC(), Rect(2, 2, 5, 4), CreateSolidBrush(clRed));
  EXPECT_EQ(c.At(2, 2), ColorToRGB(clRed));
  EXPECT_EQ(c.At(4, 3), ColorToRGB(clRed));
  EXPECT_TRUE(c.IsBackground(5, 3));
  EXPECT_TRUE(c.IsBackground(4, 4));

  c.Clear();
  c.Canvas()->Brush()->SetColor(clBlue);
  c.Canvas()->Rectangle(1, 1, 6, 4);  // outline x 1..5, y 1..3
  EXPECT_EQ(c.At(1, 1), ColorToRGB(clBlack));
  EXPECT_EQ(c.At(5, 3), ColorToRGB(clBlack));
  EXPECT_EQ(c.At(2, 2), ColorToRGB(clBlue));
  EXPECT_TRUE(c.IsBackground(6, 3)) << c.Picture();
  EXPECT_TRUE(c.IsBackground(5, 4)) << c.Picture();

  c.Clear();
  FrameRect(c.DC(), Rect(1, 1, 5, 4), CreateSolidBrush(clGreen));
  EXPECT_EQ(Painted(c, 12, 8).size(), 10u) << c.Picture();
  EXPECT_TRUE(c.IsBackground(2, 2));
}

TEST(CanvasPixels, LinesLeaveOutTheirEndPixelInEveryDirection) {
  const TPoint ends[] = {{15, 10}, {5, 10}, {10, 15}, {10, 5}, {15, 15}, {5, 5}, {15, 5}, {5, 15}, {17, 12}, {4, 7}};
  for (const TPoint& e : ends) {
    TPixelCanvas forward(21, 21), backward(21, 21);
    MoveToEx(forward.DC(), 10, 10);
    LineTo(forward.DC(), e.X, e.Y);
    MoveToEx(backward.DC(), e.X, e.Y);
    LineTo(backward.DC(), 10, 10);
    Pixels f = Painted(forward, 21, 21), b = Painted(backward, 21, 21);
    EXPECT_TRUE(f.count({10, 10})) << e.X << "," << e.Y;
    EXPECT_FALSE(f.count({e.X, e.Y})) << e.X << "," << e.Y << forward.Picture();
    EXPECT_EQ(int(f.size()), std::max(std::abs(e.X - 10), std::abs(e.Y - 10)));
    // Both directions cover the same pixels apart from the excluded end.
    f.insert({e.X, e.Y});
    b.insert({10, 10});
    EXPECT_EQ(f, b) << e.X << "," << e.Y;
  }
}

TEST(CanvasPixels, PolylineAndPolygonJoinWithoutGapsOrOverdraw) {
  TPixelCanvas c(12, 12);
  SetROP2(c.DC(), R2_NOT);
  Polygon(c.DC(), {{1, 1}, {8, 1}, {8, 6}, {1, 6}});
  // Every outline pixel inverted once: none was drawn twice.
  EXPECT_EQ(c.At(1, 1), RGB(0, 0, 0));
  EXPECT_EQ(c.At(8, 1), RGB(0, 0, 0));
  EXPECT_EQ(c.At(8, 6), RGB(0, 0, 0));
  EXPECT_EQ(c.At(1, 6), RGB(0, 0, 0));
  EXPECT_EQ(c.At(4, 3), RGB(0, 0, 0)) << "white brush inverted";
  EXPECT_TRUE(c.IsBackground(9, 3));

  c.Clear();
  SetROP2(c.DC(), R2_COPYPEN);
  PolyPolyline(c.DC(), {{0, 0}, {5, 0}, {0, 2}, {0, 6}}, {2, 2});
  EXPECT_EQ(Painted(c, 12, 12).size(), 9u) << c.Picture();
}

TEST(CanvasPixels, BinaryRasterOperationsCombinePenAndDestination) {
  const COLORREF d = RGB(0x30, 0xC0, 0x5A), p = RGB(0xF0, 0x0F, 0x33);
  struct Case { int rop; COLORREF expected; };
  const Case cases[] = {
      {R2_COPYPEN, p}, {R2_NOT, ~d & 0xFFFFFF}, {R2_XORPEN, p ^ d}, {R2_NOTXORPEN, ~(p ^ d) & 0xFFFFFF},
      {R2_MASKPEN, p & d}, {R2_MERGEPEN, p | d}, {R2_BLACK, 0}, {R2_WHITE, 0xFFFFFF}, {R2_NOP, d},
      {R2_NOTCOPYPEN, ~p & 0xFFFFFF},
  };
  for (const Case& k : cases) {
    TPixelCanvas c(8, 2, TColor(d));
    SelectObject(c.DC(), CreatePen(PS_SOLID, 1, TColor(p)));
    SetROP2(c.DC(), k.rop);
    MoveToEx(c.DC(), 0, 0);
    LineTo(c.DC(), 8, 0);
    EXPECT_EQ(c.At(3, 0), k.expected) << "R2 " << k.rop;
    EXPECT_EQ(c.At(3, 1), d);
  }
}

TEST(CanvasPixels, XorDrawingTwiceRestoresThePixels) {
  TPixelCanvas c(24, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 24; ++x) c.Bitmap().ScanLine(y)[x] = TPixelCanvas::Pixel32(RGB(x * 10, y * 15, 77));
  TBitmap before;
  before.Assign(&c.Bitmap());
  auto same = [&] {
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 24; ++x)
        if (c.Bitmap().ScanLine(y)[x] != before.ScanLine(y)[x]) return false;
    return true;
  };
  SetBkColor(c.DC(), clBlack);
  SetTextColor(c.DC(), clWhite);
  DrawFocusRect(c.DC(), Rect(2, 2, 20, 12));
  EXPECT_FALSE(same());
  // A dotted frame: alternate pixels of the top row change, the inside does not.
  EXPECT_NE(c.At(2, 2) == RGB(20, 30, 77), c.At(3, 2) == RGB(30, 30, 77));
  EXPECT_EQ(c.At(10, 6), RGB(100, 90, 77));
  DrawFocusRect(c.DC(), Rect(2, 2, 20, 12));
  EXPECT_TRUE(same());

  InvertRect(c.DC(), Rect(1, 1, 9, 9));
  EXPECT_EQ(c.At(1, 1), ~RGB(10, 15, 77) & 0xFFFFFF);
  InvertRect(c.DC(), Rect(1, 1, 9, 9));
  SelectObject(c.DC(), GetStockPen(BLACK_PEN));
  SetROP2(c.DC(), R2_NOTXORPEN);
  for (int pass = 0; pass < 2; ++pass) {
    MoveToEx(c.DC(), 12, 0);
    LineTo(c.DC(), 12, 16);
  }
  EXPECT_TRUE(same());
}

TEST(CanvasPixels, MonochromePatternIsColouredAndAnchoredAtTheBrushOrigin) {
  TPixelCanvas c(16, 16);
  SetTextColor(c.DC(), clRed);
  SetBkColor(c.DC(), clBlue);
  const HBRUSH checker = CreatePatternBrush(CheckerboardPattern());
  FillRect(c.DC(), Rect(0, 0, 16, 16), checker);
  EXPECT_EQ(c.At(0, 0), ColorToRGB(clRed));  // black bit: text colour
  EXPECT_EQ(c.At(1, 0), ColorToRGB(clBlue));
  SetBrushOrgEx(c.DC(), 1, 0);
  FillRect(c.DC(), Rect(0, 0, 16, 16), checker);
  EXPECT_EQ(c.At(0, 0), ColorToRGB(clBlue));
  EXPECT_EQ(c.At(1, 0), ColorToRGB(clRed));

  // A pattern with a single marked pixel shows where the pattern starts.
  TBitmap marker(8, 8);
  marker.ScanLine(0)[0] = TPixelCanvas::Pixel32(ColorToRGB(clLime));
  for (const TPoint origin : {TPoint{0, 0}, TPoint{3, 5}}) {
    c.Clear();
    SetBrushOrgEx(c.DC(), origin.X, origin.Y);
    FillRect(c.DC(), Rect(0, 0, 16, 16), CreatePatternBrush(marker));
    EXPECT_EQ(c.At(origin.X, origin.Y), ColorToRGB(clLime));
    EXPECT_EQ(c.At(origin.X + 8, origin.Y + 8), ColorToRGB(clLime));
    EXPECT_EQ(c.At(origin.X + 1, origin.Y), ColorToRGB(clWhite));
  }
}

TEST(CanvasPixels, HatchGapsFollowTheBackgroundMode) {
  TPixelCanvas c(8, 8, clSilver);
  SetBkColor(c.DC(), clYellow);
  SetBkMode(c.DC(), TRANSPARENT);
  FillRect(c.DC(), Rect(0, 0, 8, 8), CreateHatchBrush(HS_HORIZONTAL, clRed));
  EXPECT_EQ(c.At(2, 3), ColorToRGB(clRed));
  EXPECT_EQ(c.At(2, 4), ColorToRGB(clSilver));
  SetBkMode(c.DC(), OPAQUE);
  FillRect(c.DC(), Rect(0, 0, 8, 8), CreateHatchBrush(HS_HORIZONTAL, clRed));
  EXPECT_EQ(c.At(2, 4), ColorToRGB(clYellow));
}

TEST(CanvasPixels, ClipRegionWithAHole) {
  TPixelCanvas c(20, 20);
  TRegion ring = CreateRectRgn(0, 0, 20, 20);
  CombineRgn(ring, ring, CreateRectRgn(5, 5, 15, 15), RGN_DIFF);
  EXPECT_EQ(SelectClipRgn(c.DC(), &ring), COMPLEXREGION);
  FillRect(c.DC(), Rect(0, 0, 20, 20), CreateSolidBrush(clNavy));
  EXPECT_EQ(c.At(2, 2), ColorToRGB(clNavy));
  EXPECT_TRUE(c.IsBackground(5, 5));
  EXPECT_TRUE(c.IsBackground(14, 14));
  EXPECT_EQ(c.At(15, 15), ColorToRGB(clNavy));
  EXPECT_FALSE(RectVisible(c.DC(), Rect(6, 6, 14, 14)));
  EXPECT_TRUE(RectVisible(c.DC(), Rect(6, 6, 16, 14)));
  EXPECT_EQ(GetPixel(c.DC(), 10, 10), CLR_INVALID);

  TRegion got;
  EXPECT_EQ(GetClipRgn(c.DC(), got), 1);
  EXPECT_TRUE(EqualRgn(got, ring));
  ExcludeClipRect(c.DC(), 0, 0, 4, 20);
  IntersectClipRect(c.DC(), 0, 0, 18, 20);
  TRect box;
  EXPECT_EQ(GetClipBox(c.DC(), box), COMPLEXREGION);
  EXPECT_EQ(box, Rect(4, 0, 18, 20));
  SelectClipRgn(c.DC(), nullptr);
  EXPECT_EQ(GetClipRgn(c.DC(), got), 0);
}

TEST(CanvasPixels, SaveRestoreAndSelectionAnswerWhatWasThere) {
  TPixelCanvas c(10, 10);
  const HBRUSH own = GetCurrentBrush(c.DC());
  const HBRUSH red = CreateSolidBrush(clRed);
  EXPECT_EQ(SelectObject(c.DC(), red), own);
  EXPECT_EQ(SelectObject(c.DC(), own), red);
  EXPECT_EQ(SetTextColor(c.DC(), clBtnFace), ColorToRGB(clWindowText));
  EXPECT_EQ(GetTextColor(c.DC()), ColorToRGB(clBtnFace));

  const int level = SaveDC(c.DC());
  SetBkMode(c.DC(), TRANSPARENT);
  SetROP2(c.DC(), R2_XORPEN);
  IntersectClipRect(c.DC(), 0, 0, 2, 2);
  SelectObject(c.DC(), red);
  SaveDC(c.DC());
  SetWindowOrgEx(c.DC(), 5, 5);
  EXPECT_TRUE(RestoreDC(c.DC(), level));
  EXPECT_EQ(GetBkMode(c.DC()), OPAQUE);
  EXPECT_EQ(GetROP2(c.DC()), R2_COPYPEN);
  EXPECT_EQ(GetCurrentBrush(c.DC()), own);
  TRegion none;
  EXPECT_EQ(GetClipRgn(c.DC(), none), 0);
  EXPECT_FALSE(RestoreDC(c.DC(), -1));
}

TEST(CanvasPixels, WindowAndViewportOriginsMoveDrawing) {
  TPixelCanvas c(10, 10);
  SetWindowOrgEx(c.DC(), 10, 10);
  SetViewportOrgEx(c.DC(), 2, 0);
  FillRect(c.DC(), Rect(10, 10, 11, 11), CreateSolidBrush(clRed));
  EXPECT_EQ(c.At(2, 0), ColorToRGB(clRed));
  EXPECT_EQ(GetPixel(c.DC(), 10, 10), ColorToRGB(clRed));
  // Clip rectangles are logical, the clip region device coordinates.
  IntersectClipRect(c.DC(), 10, 10, 12, 12);
  TRegion clip;
  GetClipRgn(c.DC(), clip);
  TRect box;
  GetRgnBox(clip, box);
  EXPECT_EQ(box, Rect(2, 0, 4, 2));
}

TEST(CanvasPixels, StyledPensPaintGapsOnlyWhenOpaque) {
  TPixelCanvas c(30, 2, clWhite);
  SelectObject(c.DC(), CreatePen(PS_DOT, 1, clRed));
  SetBkColor(c.DC(), clBlue);
  SetBkMode(c.DC(), TRANSPARENT);
  MoveToEx(c.DC(), 0, 0);
  LineTo(c.DC(), 30, 0);
  EXPECT_EQ(c.At(0, 0), ColorToRGB(clRed));
  EXPECT_EQ(c.At(3, 0), ColorToRGB(clWhite));
  SetBkMode(c.DC(), OPAQUE);
  MoveToEx(c.DC(), 0, 1);
  LineTo(c.DC(), 30, 1);
  EXPECT_EQ(c.At(3, 1), ColorToRGB(clBlue));
  EXPECT_EQ(c.At(6, 1), ColorToRGB(clRed));
}

TEST(CanvasPixels, ShapesWithoutAPenFillOnePixelLess) {
  TPixelCanvas c(12, 12);
  SelectObject(c.DC(), GetStockPen(NULL_PEN));
  SelectObject(c.DC(), CreateSolidBrush(clRed));
  Rectangle(c.DC(), 1, 1, 6, 6);
  EXPECT_EQ(c.At(1, 1), ColorToRGB(clRed));
  EXPECT_EQ(c.At(4, 4), ColorToRGB(clRed));
  EXPECT_TRUE(c.IsBackground(5, 5));

  c.Clear();
  SelectObject(c.DC(), GetStockPen(BLACK_PEN));
  Ellipse(c.DC(), 0, 0, 11, 11);
  EXPECT_EQ(c.At(5, 5), ColorToRGB(clRed));
  EXPECT_EQ(c.At(5, 0), ColorToRGB(clBlack));
  EXPECT_TRUE(c.IsBackground(0, 0));
  EXPECT_TRUE(c.IsBackground(11, 5));
}

TEST(CanvasPixels, PainterSurfacesDrawOnPaperThatReadsWhite) {
  QImage paper(40, 20, QImage::Format_RGB32);
  paper.fill(Qt::white);
  {
    QPainter painter(&paper);
    TCanvas canvas;
    AttachDevice(canvas, CreatePainterDevice(&painter, paper.rect(), 300));
    EXPECT_EQ(GetDeviceCaps(&canvas, LOGPIXELSX), 300);
    canvas.Font()->SetSize(9);
    EXPECT_EQ(canvas.Font()->Height(), -38) << "points at the printer's resolution";
    FillRect(&canvas, Rect(0, 0, 10, 10), CreateSolidBrush(clRed));
    SelectObject(&canvas, CreateSolidBrush(clBlue));
    PatBlt(&canvas, 10, 0, 10, 10, PATINVERT);  // blue XOR white paper
    MoveToEx(&canvas, 0, 15);
    LineTo(&canvas, 30, 15);
    EXPECT_EQ(GetPixel(&canvas, 1, 1), CLR_INVALID) << "paper cannot be read back";
  }
  EXPECT_EQ(paper.pixel(9, 9), qRgb(255, 0, 0));
  EXPECT_EQ(paper.pixel(10, 0), qRgb(255, 255, 0));
  EXPECT_EQ(paper.pixel(29, 15), qRgb(0, 0, 0));
  EXPECT_EQ(paper.pixel(30, 15), qRgb(255, 255, 255));
  EXPECT_EQ(paper.pixel(10, 10), qRgb(255, 255, 255));
}

TEST(CanvasPixels, AWindowImageCanvasPlacesTheClientAreaAndPaintsOnlyTheInvalidPart) {
  QImage window(60, 60, QImage::Format_RGB32);
  window.fill(Qt::white);
  TCanvas client;
  AttachDevice(client, CreateImageDevice(&window));
  SetSurfaceOrigin(client, QPoint(10, 20));
  SetSystemClip(client, QRegion(0, 0, 30, 30));
  FillRect(&client, Rect(0, 0, 50, 50), CreateSolidBrush(clRed));
  EXPECT_EQ(window.pixel(10, 20), qRgb(255, 0, 0));
  EXPECT_EQ(window.pixel(39, 49), qRgb(255, 0, 0));
  EXPECT_EQ(window.pixel(40, 49), qRgb(255, 255, 255));
  EXPECT_EQ(window.pixel(9, 20), qRgb(255, 255, 255));
  TRegion none;
  EXPECT_EQ(GetClipRgn(&client, none), 0) << "the invalid region is not the canvas' own clip";
  TRect box;
  GetClipBox(&client, box);
  EXPECT_EQ(box, Rect(0, 0, 30, 30));
  EXPECT_EQ(CanvasImage(client), &window);
}
