// The calculator's engine and layout: one table of key sequences and what the display shows after
// them, an overflow, and the button sizes for a client area.
#include <gtest/gtest.h>

#include "editors/dxCalcEngine.h"
#include "rtl/FormatSettings.h"

namespace {

// Keys: digits, "." the separator, + - * / % =, q root, r reciprocal, n sign, b Back, e CE, c C,
// L MC, R MR, S MS, A M+.
TCalcButton ButtonOf(char Key) {
  if (Key >= '0' && Key <= '9') return static_cast<TCalcButton>(calcDigit0 + (Key - '0'));
  switch (Key) {
    case '.': return calcDecimal;
    case '+': return calcAdd;
    case '-': return calcSubtract;
    case '*': return calcMultiply;
    case '/': return calcDivide;
    case '%': return calcPercent;
    case '=': return calcEquals;
    case 'q': return calcSqrt;
    case 'r': return calcReciprocal;
    case 'n': return calcSign;
    case 'b': return calcBack;
    case 'e': return calcClearEntry;
    case 'c': return calcClear;
    case 'L': return calcMemClear;
    case 'R': return calcMemRecall;
    case 'S': return calcMemStore;
    case 'A': return calcMemAdd;
    default: return calcNone;
  }
}

TEST(CalcEngineTest, KeySequencesTable) {
  struct TCase {
    const char* Keys;
    const char* Display;
    int Refused = 0;
  };
  const TCase cases[] = {
      {"5+3*2=", "16"},                          // no precedence
      {"5+*3=", "15"},                           // a second operator replaces the first
      {"2+3==", "5"},                            // "=" repeated does nothing more
      {"200+10%", "220"},     {"50*10%", "5"},   {"50%", "50"},   {"100/8%", "1250"},
      {"9+16q=", "13"},                          // the root is the pending operation's operand
      {"16q", "4"},           {"8r", "0.125"},   {"1.50n", "-1.5"},
      {"5/0=", "Error"},      {"4nq", "Error"},  {"0r", "Error"},
      {"5/0=3+", "Error"},                       // only CE and C leave the error
      {"5/0=e", "0"},         {"5/0=c7", "7"},
      {"123b", "12"},         {"5nb", "0"},      {"7b", "0"},     {"3+b", "0"},
      {"1.2.3", "1.23"},      {".5", "0.5"},     {"007", "7"},
      {"1234567890123", "1234567890123"},
      {"12345678901234", "1234567890123", 1},    // thirteen characters take no more
      {"1.234567890123", "1.23456789012", 1},    // the separator counts
      {"123456789012n3", "-1234567890123"},      // a leading "-" allows one more
      {"5S2AR", "7"},         {"5SLR", "0"},     {"3S+R=", "6"},
      {"1/3=", "0.3333333333333"},
  };
  for (const TCase& c : cases) {
    TdxCalcState state;
    int refused = 0;
    for (const char* k = c.Keys; *k; ++k) refused += CalcButtonClick(state, ButtonOf(*k), "Error").Refused;
    EXPECT_EQ(state.Display, c.Display) << c.Keys;
    EXPECT_EQ(refused, c.Refused) << c.Keys;
  }
}

TEST(CalcEngineTest, OutcomesAndNonFiniteResults) {
  TdxCalcState state;
  EXPECT_TRUE(CalcButtonClick(state, calcEquals, "Error").Result);
  EXPECT_TRUE(CalcButtonClick(state, calcMemStore, "Error").MemoryChanged);
  EXPECT_FALSE(CalcButtonClick(state, calcMemRecall, "Error").MemoryChanged);

  state.Display = "1E308";
  state.EntryState = esEntering;
  CalcButtonClick(state, calcMultiply, "Error");
  state.Display = "10";
  state.EntryState = esEntering;
  const TdxCalcOutcome outcome = CalcButtonClick(state, calcEquals, "Error");
  EXPECT_TRUE(outcome.Error) << "an overflow is an error";
  EXPECT_EQ(state.Display, "Error");
  EXPECT_EQ(CalcDisplayValue(state), 0);
}

TEST(CalcEngineTest, LayoutNeverShrinksButtonsBelowTheDesignSize) {
  const TdxCalcLayout small = CalcCalculatorLayout(150, 90);
  EXPECT_EQ(small.ButtonHeight, 22);
  EXPECT_EQ(small.ButtonWidth, 28);
  const TdxCalcLayout large = CalcCalculatorLayout(414, 274);
  EXPECT_GT(large.ButtonHeight, 40);
  EXPECT_EQ(large.ButtonWidth, (large.ButtonHeight * 28 + 11) / 22);
  EXPECT_EQ(large.Height, 6 * large.GapY + 5 * large.ButtonHeight);
  EXPECT_EQ(large.Width, 8 * large.GapX + 6 * large.ButtonWidth + 4);
  EXPECT_LE(std::abs(large.Height - 274), large.ButtonHeight / 2 + large.GapY);

  const auto buttons = CalcButtons(TdxCalcLayout{}, ',');
  EXPECT_EQ(buttons[calcDecimal].Caption, ",");
  EXPECT_EQ(buttons[calcClear].Bounds.Right, buttons[calcEquals].Bounds.Right);
  EXPECT_EQ(buttons[calcClearEntry].Bounds.Right, buttons[calcClear].Bounds.Left - 4);
  EXPECT_EQ(buttons[calcBack].Bounds.Width(), 47);
  EXPECT_EQ(buttons[calcMemAdd].Bounds, (TRect{4, 4 + 4 * 26, 32, 4 + 4 * 26 + 22}));
  EXPECT_EQ(buttons[calcDigit7].Bounds.Left, 3 * 4 + 28 + 4);
  EXPECT_EQ(buttons[calcEquals].Color, TColor(0x0000FF));
}

}  // namespace
