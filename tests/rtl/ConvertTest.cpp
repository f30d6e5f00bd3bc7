// Number conversion and formatting: integer and float parsing with its errors, the float forms,
// picture formats on the formats the program uses, and Format.
#include <gtest/gtest.h>

#include <cmath>

#include "rtl/Convert.h"
#include "rtl/Exceptions.h"

namespace {

TFormatSettings EuropeanSettings() {
  TFormatSettings fs;
  fs.DecimalSeparator = ',';
  fs.ThousandSeparator = '.';
  return fs;
}

}  // namespace

TEST(Convert, IntegerText) {
  EXPECT_EQ(IntToStr(-42), "-42");
  EXPECT_EQ(IntToStr(int64_t(9007199254740993)), "9007199254740993");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
  EXPECT_EQ(IntToHex(int64_t(-1), 0), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(IntToHex(0, 0), "0");
}

TEST(Convert, StrToIntReadsThirtyTwoBitsAndRaisesPastThem) {
  struct Case { const char* text; int expected; };
  const Case good[] = {{"123", 123},          {"  -42", -42},      {"+7", 7},      {"$FF", 255},
                       {"0x1f", 31},          {"$FFFFFFFF", -1},   {"2147483647", 2147483647},
                       {"-2147483648", INT_MIN}, {"007", 7}};
  for (const auto& c : good) EXPECT_EQ(StrToInt(c.text), c.expected) << c.text;
  for (const char* bad : {"2147483648", "-2147483649", "12a", "", " ", "12 ", "1.5", "abc", "-", "$", "$100000000"})
    EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
  try {
    StrToInt("12a");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'12a' 不是有效的整数值");
  }
  EXPECT_EQ(StrToIntDef("x", -1), -1);
  int value = 5;
  EXPECT_FALSE(TryStrToInt("99999999999", value));
  EXPECT_EQ(value, 5);
}

TEST(Convert, StrToInt64ReadsSixtyFourBits) {
  EXPECT_EQ(StrToInt64("2147483648"), 2147483648LL);
  EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
  EXPECT_THROW(StrToInt64("9223372036854775808"), EConvertError);
  EXPECT_EQ(StrToInt64Def("", 3), 3);
}

TEST(Convert, StrToFloatUsesTheDecimalSeparatorOfTheSettings) {
  struct Case { const char* text; double expected; };
  const Case good[] = {{"1.5", 1.5}, {" -2.25 ", -2.25}, {".5", 0.5}, {"5.", 5.0}, {"1e3", 1000}, {"1.5E-3", 0.0015}, {"+3", 3}};
  for (const auto& c : good) EXPECT_DOUBLE_EQ(StrToFloat(c.text), c.expected) << c.text;
  for (const char* bad : {"", "1,5", "abc", "1e", "1e400", "inf", "nan", "1.2.3", "- 1", "1 000"})
    EXPECT_THROW(StrToFloat(bad), EConvertError) << bad;
  EXPECT_DOUBLE_EQ(StrToFloat("1,5", EuropeanSettings()), 1.5);
  EXPECT_THROW(StrToFloat("1.5", EuropeanSettings()), EConvertError);
  EXPECT_EQ(StrToFloatDef("x", 2.5), 2.5);
}

TEST(Convert, StrToBoolTakesWordsAndNumbers) {
  EXPECT_TRUE(StrToBool("true"));
  EXPECT_FALSE(StrToBool(" FALSE "));
  EXPECT_FALSE(StrToBool("0"));
  EXPECT_TRUE(StrToBool("-1"));
  EXPECT_THROW(StrToBool("yes"), EConvertError);
}

TEST(Convert, FloatToStrShowsFifteenSignificantDigitsInTheShortestForm) {
  struct Case { double value; const char* expected; };
  const Case cases[] = {{0, "0"},           {-0.0, "0"},          {0.1 + 0.2, "0.3"},   {1e20, "1E20"},
                        {1.5e-7, "1.5E-7"}, {0.0001, "0.0001"},   {0.00001, "1E-5"},    {123456789012345.0, "123456789012345"},
                        {1e15, "1E15"},     {-2.5, "-2.5"},       {12.345, "12.345"},   {1.0 / 3, "0.333333333333333"},
                        {100, "100"},       {NAN, "NAN"},         {-INFINITY, "-INF"}};
  for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.value), c.expected) << c.value;
  EXPECT_EQ(FloatToStr(2.5, EuropeanSettings()), "2,5");
}

TEST(Convert, FloatToStrFForms) {
  struct Case { double value; TFloatFormat format; int precision, digits; const char* expected; };
  const Case cases[] = {
      {1234.5678, ffFixed, 15, 2, "1234.57"},     {1234.5678, ffFixed, 6, 4, "1234.5700"},
      {2.675, ffFixed, 15, 2, "2.68"},            {0.125, ffFixed, 15, 2, "0.13"},
      {-0.001, ffFixed, 15, 2, "0.00"},           {1e20, ffFixed, 15, 2, "1E20"},
      {2.5, ffFixed, 15, 0, "3"},                 {1234567.891, ffNumber, 15, 2, "1,234,567.89"},
      {-1234.5, ffNumber, 15, 0, "-1,235"},       {1234.5, ffExponent, 4, 2, "1.235E+03"},
      {-0.00012, ffExponent, 3, 0, "-1.20E-4"},   {0, ffExponent, 2, 2, "0.0E+00"},
      {1234.5, ffCurrency, 15, 2, "￥1,234.50"},  {-1234.5, ffCurrency, 15, 2, "￥-1,234.50"},
      {1e20, ffGeneral, 15, 3, "1E020"},          {123.456, ffGeneral, 4, 0, "123.5"},
      {INFINITY, ffFixed, 15, 2, "INF"},
  };
  for (const auto& c : cases) EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits), c.expected) << c.value;
  TFormatSettings fs;
  fs.CurrencyString = "$";
  fs.CurrencyFormat = 3;
  fs.NegCurrFormat = 0;
  EXPECT_EQ(FloatToStrF(5, ffCurrency, 15, 2, fs), "5.00 $");
  EXPECT_EQ(FloatToStrF(-5, ffCurrency, 15, 2, fs), "($5.00)");
}

TEST(Convert, FormatFloatOnTheFormatsTheProgramUses) {
  struct Case { const char* format; double value; const char* expected; };
  const Case cases[] = {
      // Performances and thresholds.
      {"0.00", 3.14159, "3.14"},   {"0.00", 2.5, "2.50"},     {"0.00", 12.345, "12.35"},  {"0.00", 1.005, "1.01"},  {"0.00", 2.675, "2.68"},
      {"0.00", -0.001, "0.00"},    {"0.00", -7.5, "-7.50"},   {"0.00", 1e20, "100000000000000000000.00"},
      // Score column names Fd_Fen00 ... Fd_Fen100.
      {"00", 0, "00"},             {"00", 5, "05"},           {"00", 95, "95"},           {"00", 100, "100"},
      // Report display formats "##0." and "#,##0." with decimals.
      {"##0.", 12.7, "13"},        {"##0.##", 12.5, "12.5"},  {"##0.##", 0, "0"},         {"#,##0.##", 1234.5, "1,234.5"},
      {"#,##0.00", 1234567.891, "1,234,567.89"},              {"#,##0", 0, "0"},          {"#,##0", -999.5, "-1,000"},
      {"#.##", 0.5, ".5"},         {"#", 0, ""},              {"0.##", 1, "1"},           {"0", 2.5, "3"},
      // Grid summaries: the negative section carries its own sign, letters pass through.
      {"(SUM=0.00);(SUM=-0.00)", 12.5, "(SUM=12.50)"},        {"(SUM=0.00);(SUM=-0.00)", -12.5, "(SUM=-12.50)"},
      {"MIN=0.00;MIN=-0.00", -3, "MIN=-3.00"},                {"(COUNT=0)", 7, "(COUNT=7)"},
      {"AVG=0.00;AVG=-0.00", -0.001, "AVG=0.00"},             {"0", 7, "7"},
      // Currency display format with the thousands comma in front.
      {"$,0.00;-$,0.00", 1234.5, "$1,234.50"},                {"$,0.00;-$,0.00", -1234.5, "-$1,234.50"},
      // Scientific forms.
      {"0.00E+00", 1234.5, "1.23E+03"}, {"0.0E-0", 0.000123, "1.2E-4"}, {"0.0E-0", 12300, "1.2E4"},
      {"00.0E+0", 1234.5, "12.3E+2"},   {"0.00E+00", 0, "0.00E+00"},    {"0.00E+00", -1234.5, "-1.23E+03"},
      // Literals and sections.
      {"'No.' 0", 5, "No. 5"},     {"0 \"kg\"", 5, "5 kg"},   {"0 'E+'", 5, "5 E+"},      {"0;(0);'zero'", 0, "zero"},
      {"0;(0);'zero'", -5, "(5)"}, {"0;;'zero'", -5, "-5"},   {"0;(0)", -0.2, "0"},        {"0.0;(0.0);-", 0.01, "-"},
      {"", 1.5, "1.5"},            {";(0)", 2, "2"},           {"0.00", NAN, "NAN"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatFloat(c.format, c.value), c.expected) << c.format << " " << c.value;
  EXPECT_EQ(FormatFloat("#,##0.00", 1234.5, EuropeanSettings()), "1.234,50");
}

TEST(Convert, FormatFillsPlaceholdersFromVariants) {
  struct Case { const char* format; std::vector<Variant> args; const char* expected; };
  const Case cases[] = {
      {"用户[%s]不存在。", {"admin"}, "用户[admin]不存在。"},
      {"确信要删除 [%s] 该笔资料吗？", {"张老师"}, "确信要删除 [张老师] 该笔资料吗？"},
      {"Too many buttons ( >= %d)", {8}, "Too many buttons ( >= 8)"},
      {"%11d", {42}, "         42"},
      {"%-5s|%5s|", {"ab", "中文"}, "ab   |   中文|"},
      {"%.2s", {"体育成绩"}, "体育"},
      {"%.2f", {3.14159}, "3.14"},
      {"%f", {2.0}, "2.00"},
      {"%.1f", {2.25}, "2.3"},
      {"%g", {0.5}, "0.5"},
      {"%x %.4X", {255, 255}, "FF 00FF"},
      {"%e", {1234.5}, "1.23450000000000E+003"},
      {"%n", {1234567.5}, "1,234,567.50"},
      {"%m", {12.5}, "￥12.50"},
      {"%*d|%-*d|", {5, 42, 4, 7}, "   42|7   |"},
      {"%.*f", {1, 2.25}, "2.3"},
      {"%.3d", {-5}, "-005"},
      {"%1:s %0:s %s", {"a", "b"}, "b a b"},
      {"%d%%", {50}, "50%"},
      {"[%s][%s][%s]", {Variant::Null(), 12, true}, "[][12][True]"},
      {"%d", {int64_t(1) << 40}, "1099511627776"},
      {"%.2f", {Variant::FromCurrency(2.5)}, "2.50"},
  };
  for (const auto& c : cases) EXPECT_EQ(Format(c.format, c.args), c.expected) << c.format;
  EXPECT_EQ(Format("%s", {"x"}), "x");
}

TEST(Convert, FormatRaisesForMissingOrMismatchedArguments) {
  const std::vector<Variant> none;
  EXPECT_THROW(Format("%d", none), EConvertError);
  EXPECT_THROW(Format("%s %s", {"one"}), EConvertError);
  EXPECT_THROW(Format("%d", {"x"}), EConvertError);
  EXPECT_THROW(Format("%d", {2.5}), EConvertError);
  EXPECT_THROW(Format("%f", {3}), EConvertError);
  EXPECT_THROW(Format("abc %", {1}), EConvertError);
  EXPECT_THROW(Format("%q", {1.0}), EConvertError);
  EXPECT_THROW(Format("%*d", {"wide", 1}), EConvertError);
  try {
    Format("%d", {"x"});
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "格式 '%d' 无效或与参数不符");
  }
}
