// Fonts (size and height, change notification, face substitution to the CJK font) and regions.
#include <gtest/gtest.h>

#include "support/PixelCanvas.h"

TEST(Fonts, SizeAndHeightConvertAtThePixelsPerInch) {
  TFont font;
  EXPECT_EQ(font.Name(), "宋体");
  EXPECT_EQ(font.Size(), 9);
  font.SetSize(8);
  EXPECT_EQ(font.Height(), -11);
  font.SetHeight(-16);
  EXPECT_EQ(font.Size(), 12);
  font.SetPixelsPerInch(600);
  font.SetSize(10);
  EXPECT_EQ(font.Height(), -83);
  int changes = 0;
  font.OnChange = [&](TObject*) { ++changes; };
  font.SetStyle(fsBold | fsUnderline);
  font.SetStyle(fsBold | fsUnderline);
  font.SetColor(clRed);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(font.Style(), TFontStyles(fsBold | fsUnderline));
  EXPECT_EQ(font.Handle()->LogFont.Weight, FW_BOLD);

  TFont copy;
  copy.Assign(&font);
  EXPECT_EQ(copy.Color(), clRed);
  EXPECT_EQ(copy.Handle()->LogFont, font.Handle()->LogFont);
  TFont other;
  other.SetHandle(CreateFontIndirect(TLogFont{-20, 0, 900, 900, FW_NORMAL, true}));
  EXPECT_EQ(other.Orientation(), 900);
  EXPECT_EQ(other.Style(), TFontStyles(fsItalic));
}

// Sizes whose height lies beyond the integers make the height MulDiv's -1; the size whose height
// is the most negative integer makes the most positive, a cell height. Heights at either end of the
// integers are made at the engine's largest pixel size.
TEST(Fonts, SizesAndHeightsAtTheLimitsOfTheIntegers) {
  const struct {
    int Points, Height;
  } cases[] = {{INT_MIN, 1}, {INT_MAX, 1}, {1'610'612'736, 1}, {-1'610'612'736, INT_MAX}};
  for (const auto& c : cases) {
    TFont font;
    font.SetSize(c.Points);
    EXPECT_EQ(font.Height(), c.Height) << c.Points;
  }
  for (int height : {INT_MIN, INT_MAX}) {
    TFont font;
    font.SetHeight(height);
    EXPECT_EQ(font.Size() > 0, height < 0) << height;
    TPixelCanvas canvas(8, 8);
    canvas.Canvas()->Font()->Assign(&font);
    EXPECT_GE(canvas.Canvas()->TextHeight("中"), 10000) << height;
  }
}

TEST(Fonts, ChineseAndWindowsFacesResolveToTheInstalledCjkFont) {
  TCanvas canvas;
  for (const char* face : {"宋体", "SimSun", "黑体", "Tahoma", "MS Sans Serif", "Arial"}) {
    canvas.Font()->SetName(face);
    canvas.Font()->SetSize(9);
    EXPECT_EQ(canvas.TextWidth("中"), 12) << face;
    EXPECT_EQ(canvas.TextWidth("0"), 7) << face;
    EXPECT_EQ(canvas.TextHeight("Wg"), 14) << face;
  }
  canvas.Font()->SetHeight(14);  // a cell height: the largest size whose cell fits
  TTextMetric tm;
  GetTextMetrics(&canvas, tm);
  EXPECT_LE(tm.tmHeight, 14);
  EXPECT_GT(tm.tmHeight, 11);
}

TEST(Fonts, PrefixUnderlinesTheCharacterInTheCjkFont) {
  auto inkRows = [](const String& text) {
    TPixelCanvas c(40, 20);
    SetBkMode(c.DC(), TRANSPARENT);
    TRect r = Rect(0, 0, 40, 20);
    DrawText(c.DC(), text, -1, r, DT_SINGLELINE);
    int last = -1;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 40; ++x)
        if (!c.IsBackground(x, y)) last = y;
    return last;
  };
  EXPECT_GT(inkRows("&a"), inkRows("a"));
}

TEST(Fonts, CanvasObjectsSelectIntoTheDeviceContext) {
  TCanvas canvas;
  canvas.Brush()->SetColor(clBtnFace);
  EXPECT_EQ(GetBkColor(&canvas), ColorToRGB(clBtnFace));
  EXPECT_EQ(GetBkMode(&canvas), OPAQUE);
  canvas.Brush()->SetStyle(TBrushStyle::bsClear);
  EXPECT_EQ(GetBkMode(&canvas), TRANSPARENT);
  canvas.Font()->SetColor(clHighlightText);
  EXPECT_EQ(GetTextColor(&canvas), ColorToRGB(clHighlightText));
  canvas.Pen()->SetMode(TPenMode::pmNotXor);
  EXPECT_EQ(GetROP2(&canvas), R2_NOTXORPEN);
  EXPECT_EQ(GetCurrentFont(&canvas), canvas.Font()->Handle());
  canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
  EXPECT_THROW(canvas.FillRect(Rect(0, 0, 1, 1)), EInvalidOperation) << "no surface to draw on";
}

TEST(Regions, CombineTestAndCompare) {
  TRegion a = CreateRectRgn(0, 0, 10, 10), b = CreateRectRgn(5, 5, 15, 15), r;
  struct Case { int mode; int kind; TRect box; bool at7, at2, at12; };
  const Case cases[] = {
      {RGN_AND, SIMPLEREGION, Rect(5, 5, 10, 10), true, false, false},
      {RGN_OR, COMPLEXREGION, Rect(0, 0, 15, 15), true, true, true},
      {RGN_XOR, COMPLEXREGION, Rect(0, 0, 15, 15), false, true, true},
      {RGN_DIFF, COMPLEXREGION, Rect(0, 0, 10, 10), false, true, false},
      {RGN_COPY, SIMPLEREGION, Rect(0, 0, 10, 10), true, true, false},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(CombineRgn(r, a, b, k.mode), k.kind) << k.mode;
    TRect box;
    GetRgnBox(r, box);
    EXPECT_EQ(box, k.box) << k.mode;
    EXPECT_EQ(PtInRegion(r, 7, 7), k.at7) << k.mode;
    EXPECT_EQ(PtInRegion(r, 2, 2), k.at2) << k.mode;
    EXPECT_EQ(PtInRegion(r, 12, 12), k.at12) << k.mode;
  }
  EXPECT_FALSE(PtInRegion(a, 10, 5));
  EXPECT_EQ(CombineRgn(r, a, a, RGN_DIFF), NULLREGION);
  OffsetRgn(a, 5, 5);
  EXPECT_TRUE(EqualRgn(a, CreateRectRgn(5, 5, 15, 15)));
  const TRegion ellipse = CreateEllipticRgn(0, 0, 20, 10);
  EXPECT_TRUE(PtInRegion(ellipse, 10, 5));
  EXPECT_FALSE(PtInRegion(ellipse, 0, 0));
  const TRegion triangle = CreatePolygonRgn({{0, 0}, {10, 0}, {0, 10}});
  EXPECT_TRUE(PtInRegion(triangle, 2, 2));
  EXPECT_FALSE(PtInRegion(triangle, 8, 8));
  EXPECT_TRUE(RectInRegion(triangle, Rect(1, 1, 3, 3)));
}
