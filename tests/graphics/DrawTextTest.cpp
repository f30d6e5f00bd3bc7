// Text layout on the fixed-metrics test font (height 12: narrow characters 6 pixels, CJK 12,
// ascent 9), read back as the text runs a recording canvas keeps.
#include <gtest/gtest.h>

#include "support/GraphicsTestFont.h"
#include "support/PixelCanvas.h"

namespace {

struct TExpectedRun {
  String Text;
  TRect Bounds;
};

void ExpectRuns(const std::vector<TMetafileTextRun>& got, const std::vector<TExpectedRun>& expected, const String& label) {
  ASSERT_EQ(got.size(), expected.size()) << label;
  for (size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i].Text, expected[i].Text) << label << " line " << i;
    EXPECT_EQ(got[i].Bounds, expected[i].Bounds) << label << " line " << i << " text " << got[i].Text;
  }
}

}  // namespace

TEST(DrawText, TestFontHasExactMetrics) {
  TCanvas canvas;
  UseTestFont(canvas.Font());
  TTextMetric tm;
  GetTextMetrics(&canvas, tm);
  EXPECT_EQ(tm.tmHeight, 12);
  EXPECT_EQ(tm.tmAscent, 9);
  EXPECT_EQ(tm.tmDescent, 3);
  EXPECT_EQ(tm.tmAveCharWidth, 6);
  EXPECT_EQ(canvas.TextWidth("Wg"), 12);
  EXPECT_EQ(canvas.TextWidth("体育"), 24);
  EXPECT_EQ(canvas.TextHeight(""), 12);
  SetTextCharacterExtra(&canvas, 2);
  EXPECT_EQ(canvas.TextWidth("体育"), 28);
}

TEST(DrawText, LayoutCases) {
  struct Case {
    const char* label;
    String text;
    unsigned format;
    TRect rect;
    std::vector<TExpectedRun> runs;
  };
  const Case cases[] = {
      {"word break", "aaa bbb ccc", DT_WORDBREAK, Rect(0, 0, 50, 100),
       {{"aaa bbb", Rect(0, 0, 42, 12)}, {"ccc", Rect(0, 12, 18, 24)}}},
      {"word break centred", "aaa bbb ccc", DT_WORDBREAK | DT_CENTER, Rect(0, 0, 50, 100),
       {{"aaa bbb", Rect(4, 0, 46, 12)}, {"ccc", Rect(16, 12, 34, 24)}}},
      {"long word is not broken", "abcdefghij k", DT_WORDBREAK, Rect(0, 0, 30, 100),
       {{"abcdefghij", Rect(0, 0, 60, 12)}, {"k", Rect(0, 12, 6, 24)}}},
      {"CJK breaks between characters", "体育成绩表", DT_WORDBREAK, Rect(0, 0, 30, 100),
       {{"体育", Rect(0, 0, 24, 12)}, {"成绩", Rect(0, 12, 24, 24)}, {"表", Rect(0, 24, 12, 36)}}},
      {"line breaks", "ab\r\ncd\ne", 0, Rect(0, 0, 50, 100),
       {{"ab", Rect(0, 0, 12, 12)}, {"cd", Rect(0, 12, 12, 24)}, {"e", Rect(0, 24, 6, 36)}}},
      {"single line keeps line feeds", "ab\ncd", DT_SINGLELINE, Rect(0, 0, 50, 100), {{"ab\ncd", Rect(0, 0, 24, 12)}}},
      {"end ellipsis", "abcdefghij", DT_SINGLELINE | DT_END_ELLIPSIS, Rect(0, 0, 40, 20), {{"abc...", Rect(0, 0, 36, 12)}}},
      {"end ellipsis not needed", "abc", DT_SINGLELINE | DT_END_ELLIPSIS, Rect(0, 0, 40, 20), {{"abc", Rect(0, 0, 18, 12)}}},
      {"path ellipsis keeps the file name", "C:\\dir\\sub\\file.txt", DT_SINGLELINE | DT_PATH_ELLIPSIS,
       Rect(0, 0, 90, 20), {{"C:\\...\\file.txt", Rect(0, 0, 90, 12)}}},
      {"path ellipsis keeps the end", "C:\\dir\\sub\\file.txt", DT_SINGLELINE | DT_PATH_ELLIPSIS,
       Rect(0, 0, 60, 20), {{"...ile.txt", Rect(0, 0, 60, 12)}}},
      {"prefix", "&File", DT_SINGLELINE, Rect(0, 0, 50, 20), {{"File", Rect(0, 0, 24, 12)}}},
      {"doubled prefix", "A&&B", DT_SINGLELINE, Rect(0, 0, 50, 20), {{"A&B", Rect(0, 0, 18, 12)}}},
      {"no prefix", "&File", DT_SINGLELINE | DT_NOPREFIX, Rect(0, 0, 50, 20), {{"&File", Rect(0, 0, 30, 12)}}},
      {"right", "abcd", DT_SINGLELINE | DT_RIGHT, Rect(0, 0, 100, 20), {{"abcd", Rect(76, 0, 100, 12)}}},
      {"vcentre", "abcd", DT_SINGLELINE | DT_VCENTER | DT_CENTER, Rect(0, 0, 100, 20), {{"abcd", Rect(38, 4, 62, 16)}}},
      {"bottom", "abcd", DT_SINGLELINE | DT_BOTTOM, Rect(10, 10, 100, 30), {{"abcd", Rect(10, 18, 34, 30)}}},
      {"tabs", "a\tb", DT_SINGLELINE | DT_EXPANDTABS, Rect(0, 0, 100, 20),
       {{"a", Rect(0, 0, 6, 12)}, {"b", Rect(48, 0, 54, 12)}}},
  };
  for (const Case& k : cases) {
    TRect r = k.rect;
    ExpectRuns(RecordTextRuns([&](HDC dc) { DrawText(dc, k.text, -1, r, k.format); }), k.runs, k.label);
  }
}

TEST(DrawText, CalcRectMeasuresWithoutDrawing) {
  struct Case { String text; unsigned format; TRect in, out; int height; };
  const Case cases[] = {
      {"aaa bbb ccc", DT_WORDBREAK, Rect(5, 5, 55, 6), Rect(5, 5, 47, 29), 24},
      {"abcdefghij k", DT_WORDBREAK, Rect(0, 0, 30, 0), Rect(0, 0, 60, 24), 24},
      {"abcd", DT_SINGLELINE | DT_CENTER, Rect(0, 0, 100, 0), Rect(0, 0, 24, 12), 12},
      {"&File", DT_SINGLELINE, Rect(0, 0, 100, 0), Rect(0, 0, 24, 12), 12},
      {"&File", DT_SINGLELINE | DT_NOPREFIX, Rect(0, 0, 100, 0), Rect(0, 0, 30, 12), 12},
      {"abcdefghij", DT_SINGLELINE | DT_END_ELLIPSIS, Rect(0, 0, 40, 0), Rect(0, 0, 36, 12), 12},
  };
  for (const Case& k : cases) {
    TRect r = k.in;
    const auto runs = RecordTextRuns([&](HDC dc) { EXPECT_EQ(DrawText(dc, k.text, -1, r, k.format | DT_CALCRECT), k.height) << k.text; });
    EXPECT_TRUE(runs.empty()) << k.text;
    EXPECT_EQ(r, k.out) << k.text;
  }
  // Measuring needs no surface.
  TCanvas screen;
  UseTestFont(screen.Font());
  TRect r = Rect(0, 0, 50, 0);
  EXPECT_EQ(DrawText(&screen, "aaa bbb ccc", -1, r, DT_WORDBREAK | DT_CALCRECT), 24);
}

TEST(DrawText, ReturnValueAndCount) {
  TRect r = Rect(0, 0, 100, 20);
  RecordTextRuns([&](HDC dc) {
    EXPECT_EQ(DrawText(dc, "abcd", -1, r, DT_SINGLELINE | DT_VCENTER), 16);
    EXPECT_EQ(DrawText(dc, "ab\ncd", -1, r, 0), 24);
  });
  const auto runs = RecordTextRuns([&](HDC dc) { DrawText(dc, "abcdef", 3, r, DT_SINGLELINE); });
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].Text, "abc");
}

TEST(DrawText, PixelsOfPrefixClippingAndOpaqueOutput) {
  TPixelCanvas c(60, 20);
  UseTestFont(c.Canvas()->Font());
  SetBkMode(c.DC(), TRANSPARENT);
  TRect r = Rect(0, 0, 60, 20);
  DrawText(c.DC(), "&Fx", -1, r, DT_SINGLELINE);
  EXPECT_FALSE(c.IsBackground(0, 0)) << "glyph box";
  EXPECT_TRUE(c.IsBackground(5, 0)) << "gap column" << c.Picture();
  EXPECT_FALSE(c.IsBackground(3, 10)) << "underline of F";
  EXPECT_TRUE(c.IsBackground(8, 10)) << "x is not underlined";

  c.Clear();
  TRect narrow = Rect(0, 0, 9, 20);
  DrawText(c.DC(), "abc", -1, narrow, DT_SINGLELINE);
  EXPECT_FALSE(c.IsBackground(6, 0));
  EXPECT_TRUE(c.IsBackground(9, 0)) << "clipped at the rectangle";
  c.Clear();
  DrawText(c.DC(), "abc", -1, narrow, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_FALSE(c.IsBackground(12, 0));

  c.Clear();
  SetBkMode(c.DC(), OPAQUE);
  SetBkColor(c.DC(), clYellow);
  SetTextColor(c.DC(), clRed);
  const TRect box = Rect(0, 0, 30, 16);
  ExtTextOut(c.DC(), 2, 2, ETO_OPAQUE | ETO_CLIPPED, &box, "abcdefgh");
  EXPECT_EQ(c.At(0, 0), ColorToRGB(clYellow));
  EXPECT_EQ(c.At(2, 2), ColorToRGB(clRed));
  EXPECT_EQ(c.At(7, 2), ColorToRGB(clYellow)) << "gap column of the opaque cell";
  EXPECT_TRUE(c.IsBackground(31, 2)) << "clipped";
}

TEST(DrawText, RotatedTextRunsUpwards) {
  const auto runs = RecordTextRuns([](HDC dc) {
    TLogFont lf = GetCurrentFont(dc)->LogFont;
    lf.Escapement = lf.Orientation = 900;
    SelectObject(dc, CreateFontIndirect(lf));
    TextOut(dc, 10, 100, "abcd");
  });
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].Bounds, Rect(10, 76, 22, 100));
}
