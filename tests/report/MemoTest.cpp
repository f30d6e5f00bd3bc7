// The text object: layout of lines (wrap at blanks, cuts inside long words, hyphenation, line
// breaks, text already laid out), the drawn position of each line in every alignment, turned and
// justified text, underlines, the width that follows the text, and printing: expansion, hidden
// zeros, suppression, the highlight look and printing in parts.
#include "ReportTestKit.h"

#include "graphics/Gdi.h"
#include "graphics/Metafile.h"
#include "report/FR_Band.h"
#include "report/FR_Utils.h"
#include "support/PixelCanvas.h"

namespace {

const String kMark(1, frParagraphEnd);

class MemoTest : public TReportTest {
 protected:
  void SetUp() override {
    TReportTest::SetUp();
    frState().PrintMode = true;
  }
  // A text object in the fixed test font: narrow characters 6 pixels, CJK 12, lines 14 apart.
  TfrMemoView& Text(const std::vector<String>& lines, int width, int height = 100) {
    auto& memo = Place<TfrMemoView>("mm" + std::to_string(++FCount), Bounds(10, 20, width, height));
    memo.Font.SetName(TestFontName);
    memo.Font.SetSize(9);
    for (const String& line : lines) memo.Memo.Add(line);
    return memo;
  }
  static std::vector<String> Lines(const TStrings& list) {
    std::vector<String> lines;
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
    return lines;
  }
  // The text runs drawn by the object, in order.
  static std::vector<TMetafileTextRun> Drawn(TfrMemoView& memo) {
    TMetafile metafile;
    {
      TMetafileCanvas canvas(&metafile, 400, 300);
      memo.Draw(&canvas);
    }
    return metafile.TextRuns();
  }
  // The prepared record the object writes, read back.
  static std::unique_ptr<TfrMemoView> Printed(TfrMemoView& memo) {
    TMemoryStream stream;
    memo.Print(stream);
    if (stream.Size() == 0) return nullptr;
    stream.SetPosition(1);
    auto read = std::make_unique<TfrMemoView>();
    read->InPreparedPage = true;
    read->LoadFromStream(stream);
    return read;
  }
  int FCount = 0;
};

TEST_F(MemoTest, WrappingBreaksAtBlanksAndCutsWordsThatDoNotFit) {
  struct Case {
    const char* What;
    String Line;
    int Width;
    uint16_t Flags;
    std::vector<String> Lines;
  };
  const Case cases[] = {
      {"at blanks", "aaa bbb ccc", 44, flWordWrap, {"aaa", "bbb", "ccc" + kMark}},
      {"fits", "aaa bbb", 46, flWordWrap, {"aaa bbb" + kMark}},
      {"no wrap", "aaa bbb ccc", 44, 0, {"aaa bbb ccc" + kMark}},
      {"long word cut where it stops fitting", "abcdefghij", 34, flWordWrap, {"abcde", "fghij" + kMark}},
      {"long word, hyphenation finds no break", "abcdefghij", 34, flWordWrap | flWordBreak, {"abcde", "fghij" + kMark}},
      {"one character never wraps", "W", 1, flWordWrap, {"W" + kMark}},
      {"characters wider than the object, one a line", "ab", 1, flWordWrap, {"a", "b" + kMark}},
      {"CJK", "一二三四五", 40, flWordWrap, {"一二三", "四五" + kMark}},
      {"hyphenated Cyrillic", "xx молоко", 34, flWordWrap | flWordBreak, {"xx", "моло-", "ко" + kMark}},
  };
  for (const Case& c : cases) {
    TfrMemoView& memo = Text({c.Line}, c.Width);
    memo.Flags = c.Flags;
    const int height = memo.MeasureHeight();
    EXPECT_EQ(Lines(memo.ExpandedText), c.Lines) << c.What;
    EXPECT_EQ(height, int(c.Lines.size()) * 14 + 2) << c.What;
    EXPECT_EQ(memo.LineHeight, 14);
  }
}

// A line as long as a text may be, in an object a thousand characters wide: each line holds
// what fits, broken at its last blank, or cut where no blank is.
TEST_F(MemoTest, ALongLineWrapsWhereEachLineStopsFitting) {
  String words;
  while (words.size() < 60000) words += "abcd ";
  String line;
  for (int i = 0; i < 200; ++i) line += i == 0 ? "abcd" : " abcd";
  const struct {
    String Text, Line;
    size_t Count;
  } cases[] = {{words, line, 60}, {String(60000, 'x'), String(1000, 'x'), 60}};
  for (const auto& c : cases) {
    TfrMemoView& memo = Text({c.Text}, 6004);
    memo.Flags = flWordWrap;
    memo.MeasureHeight();
    const std::vector<String> lines = Lines(memo.ExpandedText);
    ASSERT_EQ(lines.size(), c.Count);
    for (size_t i = 0; i + 1 < lines.size(); ++i) ASSERT_EQ(lines[i], c.Line) << i;
    EXPECT_EQ(lines.back().back(), frParagraphEnd);
  }
}

TEST_F(MemoTest, LineBreaksInsideALineEndItsParagraphs) {
  // Text that the before-print handler puts in place is laid out as it stands.
  String given;
  Report->OnBeforePrint = [&](TStrings& memo, TfrView*) { memo.SetStrings(0, given); };
  struct Case {
    String Line;
    std::vector<String> Lines;
  };
  for (const Case& c : {Case{"a\r\nb", {"a" + kMark, "b" + kMark}}, Case{"a\r\n\r\nb", {"a" + kMark, "b" + kMark}},
                        Case{"a\r\n\r\n", {"a" + kMark}}, Case{"\nb", {kMark, "b" + kMark}}}) {
    given = c.Line;
    TfrMemoView& memo = Text({"x"}, 100);
    memo.MeasureHeight();
    EXPECT_EQ(Lines(memo.ExpandedText), c.Lines);
  }
}

TEST_F(MemoTest, HyphenationFollowsTheVowelRule) {
  EXPECT_EQ(TfrMemoView::HyphenPositions("молоко"), (std::vector<int>{2, 4}));
  EXPECT_EQ(TfrMemoView::HyphenPositions("МОЛОКО"), (std::vector<int>{2, 4}));
  EXPECT_EQ(TfrMemoView::HyphenPositions("дом"), (std::vector<int>{}));  // shorter than 4
  EXPECT_EQ(TfrMemoView::HyphenPositions("school"), (std::vector<int>{}));
  EXPECT_EQ(TfrMemoView::HyphenPositions("заём"), (std::vector<int>{2}));  // two vowels side by side
}

TEST_F(MemoTest, ExpansionDropsEmptyValuesKeepsEmptyLinesAndSplitsValuesAtBreaks) {
  Report->OnGetValue = [](const String& name, Variant& value) {
    if (name == "NOTHING") value = String();
    if (name == "TWO") value = "x\r\ny";
  };
  TfrMemoView& memo = Text({"第一行", "[1 + 1]", "", "[Nothing]", "[Two]"}, 200);
  memo.ExpandLines();
  EXPECT_EQ(Lines(memo.ExpandedText), (std::vector<String>{"第一行", "2", "", "x", "y"}));
  memo.Flags |= flTextOnly;
  memo.ExpandLines();
  EXPECT_EQ(memo.ExpandedText[1], "[1 + 1]");
}

TEST_F(MemoTest, ZerosAreHiddenUnlessTheyAreText) {
  Report->OnGetValue = [](const String& name, Variant& value) {
    if (name == "TEXTZERO") value = "0";
  };
  TfrMemoView& memo = Text({"[0]|[TextZero]|[1 - 1 #N0.00]"}, 300);
  EXPECT_EQ(Printed(memo)->Memo[0], "|0|");
  memo.Flags &= ~flHideZeros;
  EXPECT_EQ(Printed(memo)->Memo[0], "0|0|0.00");
}

TEST_F(MemoTest, LinesAreAlignedInTheirRectangle) {
  // The drawing rectangle is one pixel wider than the object; gaps are 2 pixels.
  struct Case {
    int Alignment;
    std::vector<int> Lefts;
  };
  for (const Case& c : {Case{frtaLeft, {12, 12}}, Case{frtaRight, {10 + 104 - 2 - 24, 10 + 104 - 2 - 12}},
                        Case{frtaCenter, {12 + (101 - 24) / 2, 12 + (101 - 12) / 2}}}) {
    TfrMemoView& memo = Text({"abcd", "ef"}, 104);
    memo.Alignment = c.Alignment;
    const auto runs = Drawn(memo);
    ASSERT_EQ(runs.size(), 2u) << c.Alignment;
    EXPECT_EQ(runs[0].Bounds.Left, c.Lefts[0]) << c.Alignment;
    EXPECT_EQ(runs[1].Bounds.Left, c.Lefts[1]) << c.Alignment;
    EXPECT_EQ(runs[0].Bounds.Top, 21);
    EXPECT_EQ(runs[1].Bounds.Top, 21 + 14);
  }
}

TEST_F(MemoTest, JustifiedLinesSpreadTheGapOverTheirBlanksExceptAParagraphsLast) {
  TfrMemoView& memo = Text({"aa bb cc dd"}, 64);  // wraps after "aa bb cc"
  memo.Alignment = frtaJustify;
  const auto runs = Drawn(memo);
  ASSERT_EQ(runs.size(), 4u);
  // "aa bb cc" is 48 pixels; 65 - 4 - 48 = 13 spread over two blanks: 7 and 6.
  EXPECT_EQ(runs[0].Text, "aa ");
  EXPECT_EQ(runs[1].Bounds.Left, 12 + 18 + 7);
  EXPECT_EQ(runs[2].Bounds.Left, 12 + 36 + 13);
  EXPECT_EQ(runs[3].Text, "dd");  // the paragraph's last line is not justified
  EXPECT_EQ(runs[3].Bounds.Left, 12);
}

TEST_F(MemoTest, VerticalAlignmentMovesTheBlockOfLines) {
  struct Case {
    int Alignment;
    int Top;
  };
  // Two lines: text height 2 * 14 + 2; the drawing rectangle is 101 high from y 20.
  for (const Case& c : {Case{frtaMiddle, 21 + (101 - 30) / 2}, Case{frtaDown, 20 + 101 - 30 - 1}}) {
    TfrMemoView& memo = Text({"a", "b"}, 100);
    memo.Alignment = c.Alignment;
    const auto runs = Drawn(memo);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].Bounds.Top, c.Top) << c.Alignment;
  }
}

TEST_F(MemoTest, TurnedTextRunsUpwardsFromItsPlace) {
  struct Case {
    int Alignment;
    int Bottom;  // of the first run
  };
  // Object 40 x 100 at (10, 20): the drawing rectangle runs to y 121; "abc" is 18 pixels long.
  for (const Case& c : {Case{frtaVertical, 121 - 1}, Case{frtaVertical | frtaRight, 20 + 1 + 18},
                        Case{frtaVertical | frtaCenter, 121 - 1 - 1 - (101 - 2 - 18) / 2}}) {
    TfrMemoView& memo = Text({"abc", "de"}, 40, 100);
    memo.Alignment = c.Alignment;
    const auto runs = Drawn(memo);
    ASSERT_EQ(runs.size(), 2u) << c.Alignment;
    EXPECT_EQ(runs[0].Bounds.Bottom, c.Bottom) << c.Alignment;
    EXPECT_EQ(runs[0].Bounds.Height(), 18) << c.Alignment;
    EXPECT_EQ(runs[0].Bounds.Left, 10 + 2);
    EXPECT_EQ(runs[1].Bounds.Left, 10 + 2 + 14);  // the next line to the right
  }
}

TEST_F(MemoTest, WithoutWrappingALongLineIsClippedToTheObject) {
  TfrMemoView& memo = Text({"abcdefghijklmnop"}, 40, 20);
  memo.Flags &= ~flWordWrap;
  memo.Font.SetColor(clBlack);
  TPixelCanvas canvas(120, 60);
  memo.Draw(canvas.Canvas());
  bool inside = false;
  for (int x = 12; x < 48; ++x)
    for (int y = 21; y < 35; ++y) inside = inside || !canvas.IsBackground(x, y);
  EXPECT_TRUE(inside) << canvas.Picture(0, 15, 120, 40);
  for (int x = 49; x < 120; ++x)
    for (int y = 0; y < 60; ++y) ASSERT_TRUE(canvas.IsBackground(x, y)) << x << "," << y << canvas.Picture(0, 15, 120, 40);
}

TEST_F(MemoTest, TextAlreadyLaidOutIsDrawnAsItIs) {
  TfrMemoView& memo = Text({"aaa bbb ccc", "ddd" + kMark, kMark}, 20);
  const auto runs = Drawn(memo);
  ASSERT_EQ(runs.size(), 2u);  // not wrapped again; the closing mark line is dropped
  EXPECT_EQ(runs[0].Text, "aaa bbb ccc");
  EXPECT_EQ(runs[1].Text, "ddd");
}

TEST_F(MemoTest, UnderlinesRuleEachLineCell) {
  TfrMemoView& memo = Text({""}, 60, 30);
  memo.Memo.Clear();
  memo.Flags |= flUnderlines;
  memo.FrameColor = clBlue;
  TPixelCanvas canvas(100, 70);
  memo.Draw(canvas.Canvas());
  // Lines 14 apart, the first 2 + 12 below the top plus the gap: y 35 and 49.
  const COLORREF blue = ColorToRGB(clBlue);
  EXPECT_EQ(canvas.At(30, 20 + 1 + 14), blue) << canvas.Picture(0, 15, 100, 60);
  EXPECT_EQ(canvas.At(30, 20 + 1 + 28), blue);
  EXPECT_TRUE(canvas.IsBackground(30, 20 + 1 + 42));  // 30 / 14: two lines
}

TEST_F(MemoTest, AutoWidthTakesTheWidthOfTheText) {
  TfrMemoView& memo = Text({"abcdef", "ab"}, 300);
  memo.Flags |= flAutoWidth;
  EXPECT_EQ(memo.CalcWidth(memo.Memo), 36 + 1 + 4 + 1);
  memo.Alignment = frtaRight;
  const auto runs = Drawn(memo);
  EXPECT_EQ(memo.Width, 42);
  EXPECT_EQ(memo.Left, 10 + 300 - 42);  // right-aligned text keeps its right edge
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].Text, "abcdef");
}

TEST_F(MemoTest, SuppressedValuesPrintOnlyWhenTheyChange) {
  int value = 1;
  Report->OnGetValue = [&](const String& name, Variant& v) {
    if (name == "V") v = value;
  };
  TfrMemoView& memo = Text({"[V]"}, 100);
  memo.Flags |= flSuppress;
  EXPECT_NE(Printed(memo), nullptr);
  EXPECT_EQ(Printed(memo), nullptr);
  value = 2;
  EXPECT_NE(Printed(memo), nullptr);
}

TEST_F(MemoTest, TheHighlightLookHoldsUnderItsConditionAndAFailingConditionKeepsTheNormalOne) {
  TfrMemoView& memo = Text({"90"}, 100);
  memo.HighlightCondition = "[Score] > 60";
  memo.HighlightStyle = 2;
  memo.HighlightFontColor = clRed;
  memo.HighlightFillColor = clYellow;
  Report->OnGetValue = [](const String& name, Variant& v) {
    if (name == "SCORE") v = 90;
  };
  auto printed = Printed(memo);
  EXPECT_EQ(printed->Font.Color(), clRed);
  EXPECT_EQ(printed->Font.Style(), TFontStyles(fsBold));
  EXPECT_EQ(printed->FillColor, clYellow);
  EXPECT_EQ(memo.FillColor, frTransparent);  // the object's own look is back
  EXPECT_EQ(memo.Font.Color(), 0);

  memo.HighlightCondition = "[Score] > ";  // cannot be evaluated
  memo.HighlightPostfix.clear();
  printed = Printed(memo);
  EXPECT_EQ(printed->Font.Color(), 0);
  EXPECT_EQ(printed->FillColor, frTransparent);
}

TEST_F(MemoTest, PrintingInPartsWritesTheLinesThatFitAndKeepsTheRest) {
  TfrMemoView& memo = Text({"aaa bbb ccc ddd"}, 28, 100);
  EXPECT_EQ(memo.MeasureHeight(), 4 * 14 + 2);
  EXPECT_EQ(memo.PrintPhase, 1);
  memo.Height = 2 * 14 + 2 + 1;  // room for two lines
  memo.PrintPhase = 2;
  auto first = Printed(memo);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(Lines(first->Memo), (std::vector<String>{"aaa", "bbb", kMark}));
  EXPECT_EQ(Lines(memo.ExpandedText), (std::vector<String>{"ccc", "ddd" + kMark}));
  EXPECT_EQ(memo.RemainingHeight(), 2 * 14);
  EXPECT_EQ(memo.PrintPhase, 0);
  memo.PrintPhase = 2;
  auto second = Printed(memo);
  EXPECT_EQ(Lines(second->Memo), (std::vector<String>{"ccc", "ddd" + kMark}));
  EXPECT_EQ(memo.ExpandedText.Count(), 0);
}

TEST_F(MemoTest, TheRecordRoundTripsAndAPreparedRecordHoldsTheExpandedText) {
  TfrMemoView& memo = Text({"[1 + 2]"}, 100);
  memo.HighlightCondition = "[x] = 1";
  memo.LineSpacing = 5;
  memo.CharSpacing = 1;
  memo.Font.SetStyle(fsItalic | fsUnderline);
  TMemoryStream stream;
  memo.SaveToStream(stream);
  stream.SetPosition(0);
  TfrMemoView copy;
  copy.LoadFromStream(stream);
  EXPECT_EQ(copy.HighlightCondition, "[x] = 1");
  EXPECT_EQ(copy.LineSpacing, 5);
  EXPECT_EQ(copy.CharSpacing, 1);
  EXPECT_EQ(copy.Font.Style(), TFontStyles(fsItalic | fsUnderline));
  EXPECT_EQ(copy.Font.Name(), TestFontName);

  auto printed = Printed(memo);
  EXPECT_EQ(printed->Memo[0], "3");
  EXPECT_EQ(printed->HighlightCondition, "");  // not part of a prepared record
  EXPECT_EQ(printed->DisplayFormatText, "");
}

}  // namespace
