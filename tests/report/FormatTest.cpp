// FormatValue for each category and subtype, empty values, values that do not fit their format,
// and the " #" suffix reader with the formats it yields.
#include <gtest/gtest.h>

#include "report/FR_Format.h"
#include "rtl/DateTime.h"
#include "rtl/Exceptions.h"

namespace {

struct FormatCase {
  Variant Value;
  int Format;
  const char* FormatText;
  const char* Expected;
};

const Variant kDate = Variant::FromDateTime(EncodeDate(2004, 3, 7) + EncodeTime(14, 5, 9, 0));

TEST(FormatTest, ValuesByCategoryAndSubtype) {
  const FormatCase cases[] = {
      {"abc", frFormatCode(fcText, 0), "", "abc"},
      {12.5, frFormatCode(fcText, 0), "", "12.5"},
      {1234.5, frFormatCode(fcNumber, 0, 2, '.'), "", "1234.5"},
      {1234.567, frFormatCode(fcNumber, 0, 2, ','), "", "1234,57"},
      {1234.5, frFormatCode(fcNumber, 0, 0, '.'), "", "1235"},
      {1234.5, frFormatCode(fcNumber, 1, 2, '.'), "", "1234.50"},
      {1234.5, frFormatCode(fcNumber, 1, 2, ','), "", "1234,50"},
      {"1234.5", frFormatCode(fcNumber, 1, 1, ','), "", "1234,5"},  // text is read by the program's rules
      {1234567.5, frFormatCode(fcNumber, 2, 1, '.'), "", "1,234,567.5"},
      {1234567.5, frFormatCode(fcNumber, 3, 2, '.'), "", "1,234,567.50"},
      {1234567.5, frFormatCode(fcNumber, 3, 2, ','), "", "1 234 567,50"},
      {1234.5, frFormatCode(fcNumber, 3, 0), "", "1,235"},
      {-0.5, frFormatCode(fcNumber, frCustomFormat, 0, '.'), "0.00;(0.00)", "(0.50)"},
      {true, frFormatCode(fcNumber, 1, 0, '.'), "", "1"},
      {kDate, frFormatCode(fcDate, 0), "", "04.03.07"},
      {kDate, frFormatCode(fcDate, 1), "", "2004.03.07"},
      {kDate, frFormatCode(fcDate, 2), "", "2004年03月07日"},
      {kDate, frFormatCode(fcDate, 3), "", "2004年3月7日"},
      {kDate, frFormatCode(fcDate, frCustomFormat), "yyyy-mm-dd hh:nn", "2004-03-07 14:05"},
      {"2004-3-7", frFormatCode(fcDate, 1), "", "2004.03.07"},
      {kDate, frFormatCode(fcTime, 0), "", "14:05:09"},
      {kDate, frFormatCode(fcTime, 1), "", "14:05:09"},
      {kDate, frFormatCode(fcTime, 2), "", "14:05"},
      {Variant::FromDateTime(EncodeTime(9, 5, 0, 0)), frFormatCode(fcTime, 3), "", "9:05"},
      {Variant::FromDateTime(EncodeTime(9, 5, 0, 0)), frFormatCode(fcTime, 1), "", "9:05:00"},
      {kDate, frFormatCode(fcTime, frCustomFormat), "h'点'", "14点"},
      {true, frFormatCode(fcBoolean, 0), "", "1"},
      {false, frFormatCode(fcBoolean, 0), "", "0"},
      {true, frFormatCode(fcBoolean, 1), "", "是"},
      {false, frFormatCode(fcBoolean, 1), "", "否"},
      {true, frFormatCode(fcBoolean, 2), "", "x"},
      {false, frFormatCode(fcBoolean, 3), "", "假"},
      {1, frFormatCode(fcBoolean, frCustomFormat), "不及格;及格", "及格"},
      {0, frFormatCode(fcBoolean, frCustomFormat), "不及格;及格", "不及格"},
      // values that do not fit print as they are
      {"abc", frFormatCode(fcNumber, 1, 2, '.'), "", "abc"},
      {"abc", frFormatCode(fcDate, 1), "", "abc"},
      {"未知", frFormatCode(fcBoolean, 1), "", "未知"},
      {12.5, frFormatCode(fcNumber, 9), "", "12.5"},
      {12.5, frFormatCode(fcDate, 7), "", "12.5"},
  };
  for (const auto& [value, format, formatText, expected] : cases)
    EXPECT_EQ(FormatValue(value, format, formatText), expected) << VarToStr(value) << " " << std::hex << format;
}

TEST(FormatTest, EmptyNullAndBlankValuesPrintNothingWhateverTheFormat) {
  const int formats[] = {frFormatCode(fcText, 0), frFormatCode(fcNumber, 1, 2, '.'), frFormatCode(fcDate, 1),
                         frFormatCode(fcBoolean, 1)};
  for (const int format : formats) {
    EXPECT_EQ(FormatValue(Variant(), format, ""), "");
    EXPECT_EQ(FormatValue(Variant::Null(), format, ""), "");
    EXPECT_EQ(FormatValue(" \t\r\n ", format, ""), "");
  }
  EXPECT_EQ(FormatValue(0, frFormatCode(fcNumber, 1, 2, '.'), ""), "0.00");
}

TEST(FormatTest, FormatSuffixes) {
  struct SuffixCase {
    const char* Expression;
    const char* Name;
    bool Found;
    int Format;
    const char* FormatText;
  };
  const SuffixCase cases[] = {
      {"[Score] #N0.00", "[Score]", true, frFormatCode(fcNumber, 1, 2, '.'), ""},
      {"Score #0,0", "Score", true, frFormatCode(fcNumber, 1, 1, ','), ""},
      {"Score #n3-000", "Score", true, frFormatCode(fcNumber, 1, 3, '-'), ""},
      {"Score #N5", "Score", true, frFormatCode(fcNumber, 1, 0, 0), ""},
      {"Score #N#,##0.00", "Score", true, frFormatCode(fcNumber, frCustomFormat, 0, '.'), "#,##0.00"},
      {"Score #N#,##0", "Score", true, frFormatCode(fcNumber, frCustomFormat, 0, ','), "#.##0"},
      {"Date #Dyyyy-mm-dd", "Date", true, frFormatCode(fcDate, frCustomFormat), "yyyy-mm-dd"},
      {"Time #thh:nn", "Time", true, frFormatCode(fcDate, frCustomFormat), "hh:nn"},
      {"Pass #B否;是", "Pass", true, frFormatCode(fcBoolean, frCustomFormat), "否;是"},
      {"Name #X", "Name", false, -1, "unchanged"},
      {"Name #", "Name", false, -1, "unchanged"},
      {"[a] + [b]", "[a] + [b]", false, -1, "unchanged"},
  };
  for (const auto& [expression, name, found, format, formatText] : cases) {
    String n = expression;
    int f = -1;
    String text = "unchanged";
    EXPECT_EQ(ReadFormatSuffix(n, f, text), found) << expression;
    EXPECT_EQ(n, name) << expression;
    EXPECT_EQ(f, format) << expression;
    EXPECT_EQ(text, formatText) << expression;
  }
  String n = "Score #N0.";
  int f;
  String text;
  EXPECT_THROW(ReadFormatSuffix(n, f, text), EConvertError);
}

TEST(FormatTest, SuffixFormatsPrintAsWritten) {
  const std::tuple<const char*, Variant, const char*> cases[] = {
      {"x #N0.00", 1234.5, "1234.50"},
      {"x #N0,00", 1234.5, "1234,50"},
      {"x #Dyyyy'年'm'月'", kDate, "2004年3月"},
      {"x #B否;是", true, "是"},
      {"x #B否;是", false, "否"},
  };
  for (const auto& [expression, value, expected] : cases) {
    String name = expression;
    int format = 0;
    String text;
    ASSERT_TRUE(ReadFormatSuffix(name, format, text));
    EXPECT_EQ(FormatValue(value, format, text), expected) << expression;
  }
}

}  // namespace
