// Text justification: the extra pixels spread over the blanks of the texts drawn and measured,
// the remainder going to the first blanks, along the text's direction when it is turned.
#include <gtest/gtest.h>

#include "support/GraphicsTestFont.h"

namespace {

struct RunPlace {
  String Text;
  int Left, Top;
};

std::vector<RunPlace> Places(const std::vector<TMetafileTextRun>& runs) {
  std::vector<RunPlace> places;
  for (const auto& run : runs) places.push_back({run.Text, run.Bounds.Left, run.Bounds.Top});
  return places;
}

TEST(TextJustificationTest, ExtraPixelsGoToTheBlanksFirstOnesTakingTheRemainder) {
  // Test font at height 12: every narrow character is 6 pixels wide.
  const auto runs = RecordTextRuns([](HDC dc) {
    SetTextJustification(dc, 7, 2);
    TSize size;
    GetTextExtentPoint32(dc, "a b c", size);
    EXPECT_EQ(size.cx, 30 + 7);
    TextOut(dc, 10, 20, "a b c");
    SetTextJustification(dc, 0, 0);
    GetTextExtentPoint32(dc, "a b c", size);
    EXPECT_EQ(size.cx, 30);
    TextOut(dc, 10, 40, "a b c");
  });
  ASSERT_EQ(runs.size(), 4u);
  const auto places = Places(runs);
  EXPECT_EQ(places[0].Text, "a ");
  EXPECT_EQ(places[0].Left, 10);
  EXPECT_EQ(places[1].Text, "b ");
  EXPECT_EQ(places[1].Left, 10 + 12 + 4);
  EXPECT_EQ(places[2].Text, "c");
  EXPECT_EQ(places[2].Left, 10 + 24 + 4 + 3);
  EXPECT_EQ(places[3].Text, "a b c");  // back to one run
}

TEST(TextJustificationTest, NegativeExtraNarrowsAndTurnedTextMovesUpwards) {
  const auto runs = RecordTextRuns([](HDC dc) {
    SetTextJustification(dc, -3, 2);
    TSize size;
    GetTextExtentPoint32(dc, "a b c", size);
    EXPECT_EQ(size.cx, 27);
    SetTextJustification(dc, 4, 1);
    TLogFont lf = GetCurrentFont(dc)->LogFont;
    lf.Escapement = lf.Orientation = 900;
    SelectObject(dc, CreateFontIndirect(lf));
    TextOut(dc, 50, 200, "ab cd");
  });
  ASSERT_EQ(runs.size(), 2u);
  // Upward text: the second run starts 3 characters plus 4 pixels higher, at the same x.
  EXPECT_EQ(runs[0].Text, "ab ");
  EXPECT_EQ(runs[1].Text, "cd");
  EXPECT_EQ(runs[0].Bounds.Left, runs[1].Bounds.Left);
  EXPECT_EQ(runs[0].Bounds.Bottom - runs[1].Bounds.Bottom, 18 + 4);
}

}  // namespace
