// Block transfers: ternary raster operations, stretching and mirroring, monochrome conversion
// and transparent copies.
#include <gtest/gtest.h>

#include "support/PixelCanvas.h"

namespace {

const COLORREF S = RGB(0xF0, 0x35, 0x0F), D = RGB(0x3C, 0xAA, 0x81), P = RGB(0x55, 0x0F, 0xE7);

COLORREF Mask(COLORREF c) { return c & 0xFFFFFF; }

}  // namespace

TEST(Blt, EachRasterOperationCombinesSourcePatternAndDestination) {
  struct Case { DWORD rop; COLORREF expected; const char* name; };
  const Case cases[] = {
      {SRCCOPY, S, "SRCCOPY"}, {SRCAND, S & D, "SRCAND"}, {SRCPAINT, S | D, "SRCPAINT"},
      {SRCINVERT, S ^ D, "SRCINVERT"}, {DSTINVERT, Mask(~D), "DSTINVERT"}, {PATCOPY, P, "PATCOPY"},
      {PATINVERT, P ^ D, "PATINVERT"}, {NOTSRCCOPY, Mask(~S), "NOTSRCCOPY"}, {MERGECOPY, S & P, "MERGECOPY"},
      {DSPDxax, D ^ (S & (P ^ D)), "DSPDxax"}, {BLACKNESS, 0, "BLACKNESS"}, {WHITENESS, 0xFFFFFF, "WHITENESS"},
  };
  for (const Case& k : cases) {
    TPixelCanvas src(4, 4, TColor(S)), dst(4, 4, TColor(D));
    SelectObject(dst.DC(), CreateSolidBrush(TColor(P)));
    EXPECT_TRUE(BitBlt(dst.DC(), 1, 1, 2, 2, src.DC(), 0, 0, k.rop)) << k.name;
    EXPECT_EQ(dst.At(1, 1), k.expected) << k.name;
    EXPECT_EQ(dst.At(3, 3), D) << k.name;
  }
}

TEST(Blt, StretchUsesNearestPixelsAndNegativeExtentsMirror) {
  TPixelCanvas src(4, 1);
  const COLORREF colours[] = {RGB(10, 0, 0), RGB(20, 0, 0), RGB(30, 0, 0), RGB(40, 0, 0)};
  for (int x = 0; x < 4; ++x) src.Bitmap().ScanLine(0)[x] = TPixelCanvas::Pixel32(colours[x]);
  TPixelCanvas dst(8, 2);
  StretchBlt(dst.DC(), 0, 0, 8, 1, src.DC(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(dst.At(0, 0), colours[0]);
  EXPECT_EQ(dst.At(1, 0), colours[0]);
  EXPECT_EQ(dst.At(2, 0), colours[1]);
  EXPECT_EQ(dst.At(7, 0), colours[3]);
  StretchBlt(dst.DC(), 4, 1, -4, 1, src.DC(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(dst.At(0, 1), colours[3]);
  EXPECT_EQ(dst.At(3, 1), colours[0]);
  EXPECT_TRUE(dst.IsBackground(4, 1));
}

TEST(Blt, MonochromeSurfacesConvertThroughTextAndBackgroundColours) {
  TPixelCanvas mono(4, 1);
  mono.Bitmap().SetMonochrome(true);
  mono.Bitmap().ScanLine(0)[0] = 0xFF000000;
  TPixelCanvas colour(4, 1);
  SetTextColor(colour.DC(), clRed);
  SetBkColor(colour.DC(), clBlue);
  BitBlt(colour.DC(), 0, 0, 4, 1, mono.DC(), 0, 0, SRCCOPY);
  EXPECT_EQ(colour.At(0, 0), ColorToRGB(clRed));
  EXPECT_EQ(colour.At(1, 0), ColorToRGB(clBlue));

  // Colour to monochrome: the source's background colour becomes white, the rest black.
  TPixelCanvas source(3, 1, clFuchsia);
  source.Bitmap().ScanLine(0)[1] = TPixelCanvas::Pixel32(RGB(250, 250, 250));
  SetBkColor(source.DC(), clFuchsia);
  TBitmap mask(3, 1);
  mask.SetMonochrome(true);
  BitBlt(mask.Canvas(), 0, 0, 3, 1, source.DC(), 0, 0, SRCCOPY);
  EXPECT_EQ(mask.ScanLine(0)[0] & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(mask.ScanLine(0)[1] & 0xFFFFFF, 0u);
  // Drawing a colour onto a monochrome surface keeps it black or white.
  FillRect(mask.Canvas(), Rect(0, 0, 3, 1), CreateSolidBrush(RGB(200, 200, 200)));
  EXPECT_EQ(mask.ScanLine(0)[2] & 0xFFFFFF, 0xFFFFFFu);
}

TEST(Blt, TransparentCopySkipsTheKeyColourAndSourceOutsideTheSurface) {
  TPixelCanvas src(3, 1, clLime), dst(5, 2, clWhite);
  src.Bitmap().ScanLine(0)[1] = TPixelCanvas::Pixel32(ColorToRGB(clRed));
  TransparentBlt(dst.DC(), 0, 0, 3, 1, src.DC(), 0, 0, 3, 1, ColorToRGB(clLime));
  EXPECT_TRUE(dst.IsBackground(0, 0));
  EXPECT_EQ(dst.At(1, 0), ColorToRGB(clRed));
  BitBlt(dst.DC(), 0, 1, 5, 1, src.DC(), 1, 0, SRCCOPY);
  EXPECT_EQ(dst.At(0, 1), ColorToRGB(clRed));
  EXPECT_EQ(dst.At(1, 1), ColorToRGB(clLime));
  EXPECT_TRUE(dst.IsBackground(2, 1)) << "no source there";
}

TEST(Blt, CopyRectAndDrawUseTheCanvasObjects) {
  TBitmap glyph(2, 2);
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(Rect(0, 0, 2, 2));
  glyph.ScanLine(1)[0] = TPixelCanvas::Pixel32(ColorToRGB(clAqua));  // bottom-left: transparent colour
  glyph.SetTransparent(true);
  TPixelCanvas c(6, 6);
  c.Canvas()->Draw(1, 1, &glyph);
  EXPECT_EQ(c.At(1, 1), ColorToRGB(clRed));
  EXPECT_TRUE(c.IsBackground(1, 2));
  c.Canvas()->CopyRect(Rect(4, 4, 6, 6), glyph.Canvas(), Rect(0, 0, 2, 2));
  EXPECT_EQ(c.At(4, 5), ColorToRGB(clAqua));
}
