// The tree list's drawing routines, drawn on bitmaps and read pixel by pixel: expand buttons in
// the three styles, the header's drop-down button and sort mark with the widths they need, the
// indicator glyph, focus marks that undo themselves, cell text placement, and line measuring.
#include <gtest/gtest.h>

#include "support/GraphicsTestFont.h"
#include "support/PixelCanvas.h"
#include "treelist/dxTLDraw.h"
#include "treelist/dxTLDrawInfo.h"

namespace {

constexpr COLORREF Black = RGB(0, 0, 0), White = RGB(255, 255, 255), Grey = RGB(128, 128, 128),
                   Silver = RGB(192, 192, 192);

TEST(DrawRoutinesTest, ExpandButtonsInTheThreeStyles) {
  TPixelCanvas tree(40, 40);
  DrawTreeButton(tree.DC(), {10, 10, 30, 30}, 20, true);
  // A 9 x 9 grey frame at x = (10 + 30 - 9) / 2 = 15, y = 20 - 4 = 16, with a plus inside.
  EXPECT_EQ(tree.At(15, 16), Grey);
  EXPECT_EQ(tree.At(23, 24), Grey);
  EXPECT_TRUE(tree.IsBackground(24, 25)) << tree.Picture(10, 10, 30, 30);
  EXPECT_EQ(tree.At(17, 20), Black) << "the minus";
  EXPECT_EQ(tree.At(19, 18), Black) << "the plus";
  tree.Clear();
  DrawTreeButton(tree.DC(), {10, 10, 30, 30}, 20, false);
  EXPECT_TRUE(tree.IsBackground(19, 18)) << "no plus when expanded";

  TPixelCanvas flat(40, 40);
  // An 11 x 11 box centred in a cell of 8: it overflows the cell.
  DrawUltraFlatGridButton(flat.DC(), {10, 10, 18, 18}, true);
  EXPECT_EQ(flat.At(8, 8), Black);
  EXPECT_EQ(flat.At(18, 18), Black);
  EXPECT_EQ(flat.At(19, 12), Grey) << "the flat shadow right of the box";
  EXPECT_EQ(flat.At(12, 13), Black) << "the minus";
  EXPECT_EQ(flat.At(13, 11), Black) << "the plus";

  TPixelCanvas grid(40, 40);
  DrawGridButton(grid.DC(), {0, 0, 12, 12}, false);
  EXPECT_EQ(grid.At(5, 5), Black) << "the minus of the shared glyph";
  EXPECT_EQ(grid.At(5, 3), Silver) << "no plus: the button face";
  EXPECT_EQ(grid.At(0, 0), White) << "the raised edge";
}

// The drop-down button needs 15 pixels of content and the sort mark 16 more; a standard header's
// content is its width less 5.
TEST(DrawRoutinesTest, HeaderButtonsAppearOnlyWhereTheyFit) {
  const auto drawn = [](int Width, unsigned ButtonState, TdxTreeListColumnSort Sorted) {
    TPixelCanvas canvas(60, 20);
    TdxHeaderButtonContent content;
    content.ButtonState = ButtonState;
    content.Sorted = Sorted;
    DrawHeaderContent(canvas.DC(), {0, 0, Width, 20}, GetSysColorBrush(COLOR_BTNFACE), content);
    int dark = 0;
    for (int x = 2; x < Width - 3; ++x)
      for (int y = 3; y < 16; ++y) dark += canvas.At(x, y) == Black || canvas.At(x, y) == Grey;
    return dark > 0;
  };
  EXPECT_TRUE(drawn(20, hbsExists, csNone));
  EXPECT_FALSE(drawn(19, hbsExists, csNone));
  EXPECT_TRUE(drawn(21, 0, csUp));
  EXPECT_FALSE(drawn(20, 0, csUp));
}

TEST(DrawRoutinesTest, TheDropDownButtonShowsItsState) {
  struct TCase {
    unsigned State;
    COLORREF Face, Mark;
  };
  for (const TCase& c : {TCase{hbsExists, Silver, Black}, TCase{hbsExists | hbsHot, Grey, White},
                         TCase{hbsExists | hbsPressed, Black, White}, TCase{hbsExists | hbsActive, Silver, RGB(0, 0, 255)}}) {
    TPixelCanvas canvas(20, 20);
    DrawHeaderDropButton(canvas.DC(), {0, 0, 15, 16}, c.State);
    EXPECT_EQ(canvas.At(0, 0), Grey) << c.State;
    EXPECT_EQ(canvas.At(2, 2), c.Face) << c.State;
    // The triangle: 7 wide from x = 4 on the 13-wide inner area, its top row at y = 6.
    EXPECT_EQ(canvas.At(7, 7), c.Mark) << c.State << canvas.Picture();
  }
}

TEST(DrawRoutinesTest, TheIndicatorCellShowsItsGlyphCentred) {
  TPixelCanvas canvas(20, 20);
  TBitmap bitmap;
  DrawIndicatorCell(canvas.DC(), {0, 0, 12, 17}, {0, 0, 12, 17}, GetSysColorBrush(COLOR_BTNFACE), bitmap, ikArrow,
                    lfFlat);
  // The 10 x 11 arrow glyph centred in the cell inside its frame; its tip row is the middle.
  int dark = 0, top = 20, bottom = -1;
  for (int y = 0; y < 17; ++y)
    for (int x = 1; x < 11; ++x)
      if (canvas.At(x, y) == Black) ++dark, top = std::min(top, y), bottom = std::max(bottom, y);
  EXPECT_EQ(dark, 1 + 2 + 3 + 4 + 5 + 4 + 3 + 2 + 1) << canvas.Picture(0, 0, 12, 17);
  EXPECT_EQ(top + bottom, 16) << "centred vertically";
}

TEST(DrawRoutinesTest, FocusMarksUndoThemselves) {
  TPixelCanvas canvas(30, 20);
  for (int x = 0; x < 30; x += 3) FillRect(canvas.DC(), {x, 0, x + 1, 20}, CreateSolidBrush(clRed));
  const std::string before = canvas.Picture();
  DrawFocusRectangle(canvas.DC(), {2, 2, 20, 15});
  EXPECT_NE(canvas.Picture(), before);
  DrawFocusRectangle(canvas.DC(), {2, 2, 20, 15});
  EXPECT_EQ(canvas.Picture(), before);
  canvas.Clear();
  DrawInvertedFrame(canvas.DC(), {2, 2, 20, 15});
  EXPECT_EQ(canvas.At(2, 2), Black);
  EXPECT_EQ(canvas.At(19, 14), Black);
  EXPECT_TRUE(canvas.IsBackground(3, 3)) << "inside untouched";
  DrawInvertedFrame(canvas.DC(), {2, 2, 20, 15});
  EXPECT_TRUE(canvas.IsBackground(2, 2));
  EXPECT_TRUE(canvas.IsBackground(19, 14));
}

// One line of a pure colour goes out at the top margin, 2 pixels in from the aligned side.
TEST(DrawRoutinesTest, CellTextPlacement) {
  struct TCase {
    TAlignment Alignment;
    bool LargeMargin;
    TPoint TopLeft;
  };
  for (const TCase& c : {TCase{taLeftJustify, false, {12, 11}}, TCase{taLeftJustify, true, {12, 12}},
                         TCase{taRightJustify, false, {108 - 3 * 6, 11}}, TCase{taCenter, false, {60 - 9, 11}}}) {
    TBitmap bitmap;
    const auto runs = RecordTextRuns([&](HDC DC) {
      TdxCellTextParams params;
      params.Text = "abc";
      params.Alignment = c.Alignment;
      params.LargeMargin = c.LargeMargin;
      DrawCellTextEx(DC, {10, 10, 110, 30}, GetSysColorBrush(COLOR_WINDOW), bitmap, params);
    });
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].Bounds.TopLeft(), c.TopLeft) << c.Alignment;
  }
  TBitmap bitmap;
  const auto prefix = RecordTextRuns([&](HDC DC) {
    TdxCellTextParams params;
    params.Text = "abcdef";
    params.Length = 2;
    params.PrefixMode = true;
    DrawCellTextEx(DC, {10, 10, 110, 30}, GetSysColorBrush(COLOR_WINDOW), bitmap, params);
  });
  ASSERT_EQ(prefix.size(), 1u);
  EXPECT_EQ(prefix[0].Text, "ab") << "only the matched prefix";
}

TEST(DrawRoutinesTest, LinesOfWrappedText) {
  TFont font;
  UseTestFont(&font, 13);
  int height = 0;
  EXPECT_EQ(CalcTextLineCount("", 100, 13, -1, &font, false, 0, height), 0);
  EXPECT_EQ(CalcTextLineCount("word", 100, 13, 0, &font, false, 0, height), 0) << "no lines wanted";
  // 6 pixels a letter in 80 - 4: the words wrap onto three lines.
  EXPECT_EQ(CalcTextLineCount("alpha beta gamma delta epsilon", 80, 13, -1, &font, false, 0, height), 3);
  EXPECT_EQ(height, 39);
  EXPECT_EQ(CalcTextLineCount("alpha beta gamma delta epsilon", 80, 0, 2, &font, false, 0, height), 2);
  EXPECT_EQ(height, 26) << "cut to the lines kept";
}

}  // namespace
