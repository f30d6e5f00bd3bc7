// 3-D edges, frame controls and the system colour table they draw with.
#include <gtest/gtest.h>

#include "graphics/Metrics.h"
#include "support/PixelCanvas.h"

namespace {

// Distinct colours so that every ring can be told apart.
TSysColorTable Distinct() {
  TSysColorTable t = ClassicSysColors();
  t[COLOR_3DLIGHT] = RGB(200, 0, 0);
  t[COLOR_3DDKSHADOW] = RGB(0, 0, 50);
  t[COLOR_BTNHIGHLIGHT] = RGB(255, 255, 0);
  t[COLOR_BTNSHADOW] = RGB(0, 128, 0);
  t[COLOR_BTNFACE] = RGB(100, 100, 100);
  t[COLOR_WINDOWFRAME] = RGB(1, 2, 3);
  t[COLOR_WINDOW] = RGB(250, 250, 240);
  t[COLOR_WINDOWTEXT] = RGB(9, 9, 9);
  t[COLOR_BTNTEXT] = RGB(7, 7, 7);
  return t;
}

const COLORREF None = 0xFFFFFF;  // the untouched background

}  // namespace

TEST(Edges, EachEdgeKindPaintsItsRingsInTheClassicColours) {
  const TSysColorsOverride colours(Distinct());
  const COLORREF light = GetSysColor(COLOR_3DLIGHT), dark = GetSysColor(COLOR_3DDKSHADOW),
                 hi = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW),
                 face = GetSysColor(COLOR_BTNFACE), frame = GetSysColor(COLOR_WINDOWFRAME);
  struct Case { unsigned edge, flags; COLORREF outerTL, outerBR, innerTL, innerBR; const char* name; };
  const Case cases[] = {
      {EDGE_RAISED, BF_RECT, light, dark, hi, shadow, "raised"},
      {EDGE_SUNKEN, BF_RECT, shadow, hi, dark, light, "sunken"},
      {EDGE_ETCHED, BF_RECT, shadow, hi, hi, shadow, "etched"},
      {EDGE_BUMP, BF_RECT, light, dark, dark, light, "bump"},
      {BDR_RAISEDINNER, BF_RECT, hi, shadow, None, None, "raised inner alone"},
      {BDR_SUNKENOUTER, BF_RECT, shadow, hi, None, None, "sunken outer alone"},
      {EDGE_RAISED, BF_RECT | BF_FLAT, shadow, shadow, face, face, "flat"},
      {BDR_RAISEDOUTER, BF_RECT | BF_FLAT | BF_MONO, frame, frame, None, None, "mono"},
      {EDGE_RAISED, BF_RECT | BF_SOFT, hi, dark, light, shadow, "soft"},
  };
  for (const Case& k : cases) {
    TPixelCanvas c(14, 12);
    TRect r = Rect(2, 2, 12, 10);
    DrawEdge(c.DC(), r, k.edge, k.flags);
    EXPECT_EQ(c.At(2, 5), k.outerTL) << k.name << " left";
    EXPECT_EQ(c.At(6, 2), k.outerTL) << k.name << " top";
    EXPECT_EQ(c.At(11, 5), k.outerBR) << k.name << " right";
    EXPECT_EQ(c.At(6, 9), k.outerBR) << k.name << " bottom";
    EXPECT_EQ(c.At(11, 2), k.outerBR) << k.name << " top-right corner";
    EXPECT_EQ(c.At(2, 9), k.outerBR) << k.name << " bottom-left corner";
    EXPECT_EQ(c.At(3, 5), k.innerTL) << k.name << " inner left";
    EXPECT_EQ(c.At(10, 5), k.innerBR) << k.name << " inner right";
    EXPECT_EQ(c.At(6, 6), None) << k.name << " middle";
    EXPECT_EQ(c.At(1, 1), None) << k.name << " outside";
    EXPECT_EQ(r, Rect(2, 2, 12, 10)) << k.name;
  }
}

TEST(Edges, AdjustShrinksByTheEdgesDrawnAndMiddleFills) {
  const TSysColorsOverride colours(Distinct());
  TPixelCanvas c(14, 12);
  TRect r = Rect(2, 2, 12, 10);
  DrawEdge(c.DC(), r, EDGE_RAISED, BF_RECT | BF_ADJUST | BF_MIDDLE);
  EXPECT_EQ(r, Rect(4, 4, 10, 8));
  EXPECT_EQ(c.At(6, 6), GetSysColor(COLOR_BTNFACE));
  TRect sides = Rect(2, 2, 12, 10);
  DrawEdge(c.DC(), sides, BDR_SUNKENOUTER, BF_LEFT | BF_BOTTOM | BF_ADJUST);
  EXPECT_EQ(sides, Rect(3, 2, 12, 9));
  // Without a bottom edge the left edge runs to the bottom.
  TPixelCanvas d(6, 6);
  TRect left = Rect(0, 0, 6, 6);
  DrawEdge(d.DC(), left, BDR_RAISEDOUTER, BF_LEFT | BF_TOP);
  EXPECT_EQ(d.At(0, 5), GetSysColor(COLOR_3DLIGHT));
  EXPECT_EQ(d.At(5, 0), GetSysColor(COLOR_3DLIGHT));
}

TEST(Edges, FrameControlsDrawButtonsChecksArrowsAndGrips) {
  const TSysColorsOverride colours(Distinct());
  TPixelCanvas c(40, 20);
  TRect button = Rect(0, 0, 20, 16);
  DrawFrameControl(c.DC(), button, DFC_BUTTON, DFCS_BUTTONPUSH);
  EXPECT_EQ(c.At(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(c.At(19, 15), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(c.At(10, 8), GetSysColor(COLOR_BTNFACE));
  DrawFrameControl(c.DC(), button, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
  EXPECT_EQ(c.At(0, 0), GetSysColor(COLOR_BTNSHADOW));

  struct Check { unsigned state; COLORREF inside, mark; };
  const Check checks[] = {
      {DFCS_BUTTONCHECK, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOW)},
      {DFCS_BUTTONCHECK | DFCS_CHECKED, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT)},
      {DFCS_BUTTON3STATE | DFCS_CHECKED, 0, GetSysColor(COLOR_BTNSHADOW)},
      {DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW)},
  };
  for (const Check& k : checks) {
    TPixelCanvas box(13, 13);
    TRect r = Rect(0, 0, 13, 13);
    DrawFrameControl(box.DC(), r, DFC_BUTTON, k.state);
    EXPECT_EQ(box.At(0, 0), GetSysColor(COLOR_BTNSHADOW)) << k.state;
    EXPECT_EQ(box.At(1, 1), GetSysColor(COLOR_3DDKSHADOW)) << k.state;
    EXPECT_EQ(box.At(5, 7), k.mark) << k.state << box.Picture();  // a pixel of the check mark
    if (k.inside) {
      EXPECT_EQ(box.At(9, 9), k.inside) << k.state;
    }
  }

  TPixelCanvas arrow(16, 16);
  TRect ar = Rect(0, 0, 16, 16);
  DrawFrameControl(arrow.DC(), ar, DFC_SCROLL, DFCS_SCROLLDOWN);
  EXPECT_EQ(arrow.At(8, 7), GetSysColor(COLOR_BTNTEXT)) << arrow.Picture();
  EXPECT_EQ(arrow.At(8, 3), GetSysColor(COLOR_BTNFACE));
  DrawFrameControl(arrow.DC(), ar, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE);
  EXPECT_EQ(arrow.At(8, 7), GetSysColor(COLOR_BTNSHADOW));

  TPixelCanvas grip(12, 12);
  TRect gr = Rect(0, 0, 12, 12);
  DrawFrameControl(grip.DC(), gr, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
  EXPECT_EQ(grip.At(11, 10), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(grip.At(11, 9), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(grip.At(0, 0), GetSysColor(COLOR_BTNFACE));

  TPixelCanvas close(16, 14);
  TRect cr = Rect(0, 0, 16, 14);
  DrawFrameControl(close.DC(), cr, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  // Two diagonals two pixels wide in the face (2, 2, 14, 12), crossing at its centre.
  for (const TPoint p : {TPoint{5, 4}, TPoint{6, 4}, TPoint{9, 4}, TPoint{10, 4}, TPoint{7, 6}, TPoint{5, 8}})
    EXPECT_EQ(close.At(p.X, p.Y), GetSysColor(COLOR_BTNTEXT)) << p.X << "," << p.Y;
  EXPECT_EQ(close.At(7, 4), GetSysColor(COLOR_BTNFACE));
}

TEST(Edges, SystemTablesHaveClassicDefaultsAndCanBeReplaced) {
  EXPECT_EQ(ColorToRGB(clBtnFace), RGB(192, 192, 192));
  EXPECT_EQ(ColorToRGB(clHighlight), RGB(0, 0, 128));
  EXPECT_EQ(ColorToRGB(clInfoBk), RGB(255, 255, 225));
  EXPECT_EQ(clBtnFace, TColor(0x8000000F));
  EXPECT_EQ(ColorToRGB(clRed), 0x0000FFu);
  EXPECT_EQ(ColorToRGB(clNone), COLORREF(clNone));
  {
    TSysColorTable t = ClassicSysColors();
    t[COLOR_BTNFACE] = RGB(1, 2, 3);
    const TSysColorsOverride o(t);
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(1, 2, 3));
  }
  EXPECT_EQ(ColorToRGB(clBtnFace), RGB(192, 192, 192));
  EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 16);
  EXPECT_EQ(GetSystemMetrics(SM_CXEDGE), 2);
  {
    const TSystemMetricsOverride o({{SM_CXVSCROLL, 20}});
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 20);
    EXPECT_EQ(GetSystemMetrics(SM_CYHSCROLL), 16);
  }
  EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 16);
}
