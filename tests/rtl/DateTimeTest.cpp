// TDateTime: calendar arithmetic, the replaceable clock, FormatDateTime on the patterns the
// program uses, and reading dates and times by the format settings.
#include <gtest/gtest.h>

#include <cmath>

#include "rtl/DateTime.h"
#include "rtl/Exceptions.h"

namespace {

// Installs a fixed instant, 2004-03-07 09:30:15.250 (a Sunday), for one test.
class DateTimeTest : public testing::Test {
 protected:
  void SetUp() override {
    FPrevious = SetClockSource([] { return EncodeDate(2004, 3, 7) + EncodeTime(9, 30, 15, 250); });
  }
  void TearDown() override { SetClockSource(std::move(FPrevious)); }

 private:
  TClockSource FPrevious;
};

TDateTime At(int y, int m, int d, int h = 0, int n = 0, int s = 0, int z = 0) {
  return EncodeDate(y, m, d) + EncodeTime(h, n, s, z);
}

}  // namespace

TEST_F(DateTimeTest, DayNumbersCountFromTheLastDaysOf1899) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(2004, 3, 7), 38053);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
  EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);
  EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
  int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, z = 0;
  DecodeDate(2958465.9999, y, m, d);
  EXPECT_EQ(y * 10000 + m * 100 + d, 99991231);
  DecodeTime(At(2004, 3, 7, 23, 59, 59, 999), h, n, s, z);
  EXPECT_EQ(h * 10000000 + n * 100000 + s * 1000 + z, 235959999);
}

TEST_F(DateTimeTest, EncodeDateRaisesForDatesThatDoNotExist) {
  EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
  EXPECT_NO_THROW(EncodeDate(2004, 2, 29));
  for (auto [y, m, d] : {std::tuple{2004, 2, 30}, {1900, 2, 29}, {2003, 2, 29}, {0, 1, 1}, {10000, 1, 1}, {2004, 13, 1}, {2004, 0, 1}, {2004, 4, 31}})
    EXPECT_THROW(EncodeDate(y, m, d), EConvertError) << y << "-" << m << "-" << d;
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);
  EXPECT_EQ(DaysInAMonth(2004, 2), 29);
  EXPECT_FALSE(IsLeapYear(1900));
}

TEST_F(DateTimeTest, NegativeValuesKeepTheirTimeAsASubtractedFraction) {
  int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, z = 0;
  DecodeDate(-1.25, y, m, d);
  DecodeTime(-1.25, h, n, s, z);
  EXPECT_EQ(y * 10000 + m * 100 + d, 18991229);
  EXPECT_EQ(h, 6);
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", -0.5), "1899-12-30 12:00");
}

TEST_F(DateTimeTest, DecodingOutsideTheCalendarRaises) {
  int y = 0, m = 0, d = 0;
  EXPECT_THROW(DecodeDate(1e300, y, m, d), EConvertError);
  EXPECT_THROW(DecodeDate(NAN, y, m, d), EConvertError);
  EXPECT_THROW(FormatDateTime("yyyy", -1e7), EConvertError);
  EXPECT_THROW(DayOfWeek(INFINITY), EConvertError);
}

TEST_F(DateTimeTest, TheClockCanBeReplaced) {
  EXPECT_EQ(Date(), EncodeDate(2004, 3, 7));
  EXPECT_DOUBLE_EQ(Time(), EncodeTime(9, 30, 15, 250));
  EXPECT_DOUBLE_EQ(Now(), Date() + Time());
  EXPECT_EQ(DayOfWeek(Date()), 1);
  EXPECT_EQ(DayOfWeek(0), 7);
  TClockSource fixed = SetClockSource({});
  EXPECT_GT(Now(), EncodeDate(2020, 1, 1));  // the system clock again
  SetClockSource(std::move(fixed));
  EXPECT_EQ(Date(), EncodeDate(2004, 3, 7));
}

TEST_F(DateTimeTest, FormatDateTimeOnThePatternsTheProgramUses) {
  const TDateTime value = At(2004, 3, 7, 9, 5, 3, 45);
  struct Case { const char* format; const char* expected; };
  const Case cases[] = {
      {"yyyy-mm-dd", "2004-03-07"},
      {"yyyy'年'mm'月'dd'日'", "2004年03月07日"},
      {"yyyy''年''mm''月''dd''日''", "2004年03月07日"},
      {"yyyy年m月d日", "2004年3月7日"},
      {"yy.mm.dd", "04.03.07"},
      {"yyyy.mm.dd", "2004.03.07"},
      {"hh:nn:ss", "09:05:03"},
      {"h:nn:ss", "9:05:03"},
      {"hh:nn", "09:05"},
      {"h:nn", "9:05"},
      {"hh", "09"},
      {"d", "7"},
      {"m", "3"},
      {"yyyy", "2004"},
      {"y", "04"},
      {"YYYY-MM-DD", "2004-03-07"},
      {"hh:mm", "09:05"},
      {"yyyy/mm/dd", "2004-03-07"},
      {"ddd dddd", "周日 星期日"},
      {"mmm mmmm", "3月 三月"},
      {"ddddd", "2004-3-7"},
      {"dddddd", "2004年3月7日"},
      {"c", "2004-3-7 9:05:03"},
      {"", "2004-3-7 9:05:03"},
      {"t|tt", "9:05|9:05:03"},
      {"s.z|ss.zzz", "3.45|03.045"},
      {"h:nn am/pm", "9:05 am"},
      {"h:nn AM/PM", "9:05 AM"},
      {"h a/p", "9 a"},
      {"ampm h:nn", "上午 9:05"},
      {"\"at\" hh \"o'clock\"", "at 09 o'clock"},
      {"'Week' w", "Week w"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.format, value), c.expected) << c.format;
  EXPECT_EQ(FormatDateTime("h:nn AM/PM", At(2004, 3, 7, 21, 5)), "9:05 PM");
  EXPECT_EQ(FormatDateTime("hh AMPM", At(2004, 3, 7, 12, 0)), "12 下午");
  EXPECT_EQ(FormatDateTime("hh AMPM", At(2004, 3, 7, 0, 0)), "12 上午");
  EXPECT_EQ(FormatDateTime("c", EncodeDate(2004, 3, 7)), "2004-3-7");
  // Day, month and year of a date, as the report functions read them back.
  EXPECT_EQ(FormatDateTime("d|m|yyyy", value), "7|3|2004");
}

TEST_F(DateTimeTest, TextFormsFollowTheSettings) {
  TFormatSettings fs;
  fs.ShortDateFormat = "dd/mm/yyyy";
  fs.DateSeparator = '.';
  fs.TimeSeparator = '.';
  fs.LongTimeFormat = "hh:nn";
  const TDateTime value = At(2004, 3, 7, 14, 30);
  EXPECT_EQ(DateToStr(value, fs), "07.03.2004");
  EXPECT_EQ(TimeToStr(value, fs), "14.30");
  EXPECT_EQ(DateTimeToStr(value, fs), "07.03.2004 14.30");
  EXPECT_EQ(DateTimeToStr(value), "2004-3-7 14:30:00");
  // A pattern that names itself stops instead of looping.
  fs.ShortDateFormat = "ddddd";
  EXPECT_EQ(DateToStr(value, fs), "");
}

TEST_F(DateTimeTest, StrToDateReadsDatesInTheShortDateOrder) {
  struct Case { const char* text; TDateTime expected; };
  const Case cases[] = {
      {"2004-3-7", EncodeDate(2004, 3, 7)},   {"2004/03/07", EncodeDate(2004, 3, 7)},
      {" 2004-3-7 ", EncodeDate(2004, 3, 7)}, {"2004 - 3 - 7", EncodeDate(2004, 3, 7)},
      {"3-7", EncodeDate(2004, 3, 7)},        {"04-3-7", EncodeDate(2004, 3, 7)},
      {"60-1-1", EncodeDate(1960, 1, 1)},     {"53-1-1", EncodeDate(2053, 1, 1)},
      {"0099-1-1", EncodeDate(99, 1, 1)},
  };
  for (const auto& c : cases) EXPECT_EQ(StrToDate(c.text), c.expected) << c.text;
  for (const char* bad : {"2004-2-30", "2004-13", "abc", "", "2004-3-7x", "2004-3-", "2004.3.7", "20040-1-1", "2004-3-7 9:30"}) {
    TDateTime untouched = 1;
    EXPECT_FALSE(TryStrToDate(bad, untouched)) << bad;
    EXPECT_EQ(untouched, 1);
    EXPECT_THROW(StrToDate(bad), EConvertError) << bad;
  }
  TFormatSettings fs;
  fs.ShortDateFormat = "dd/mm/yyyy";
  fs.DateSeparator = '.';
  EXPECT_EQ(StrToDate("7.3.2004", fs), EncodeDate(2004, 3, 7));
  EXPECT_EQ(StrToDate("7/3", fs), EncodeDate(2004, 3, 7));
  fs.ShortDateFormat = "m/d/yy";
  EXPECT_EQ(StrToDate("3/7/04", fs), EncodeDate(2004, 3, 7));
  try {
    StrToDate("abc");
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'abc' 不是有效的日期");
  }
}

TEST_F(DateTimeTest, StrToTimeReadsHoursMinutesSecondsAndMarkers) {
  struct Case { const char* text; TDateTime expected; };
  const Case cases[] = {
      {"9:30", EncodeTime(9, 30, 0, 0)},          {"09:30:15", EncodeTime(9, 30, 15, 0)},
      {"9:30:15.5", EncodeTime(9, 30, 15, 500)},  {"9:30 PM", EncodeTime(21, 30, 0, 0)},
      {"9:30pm", EncodeTime(21, 30, 0, 0)},       {"下午 3:00", EncodeTime(15, 0, 0, 0)},
      {"12:00 AM", EncodeTime(0, 0, 0, 0)},       {"12:15 PM", EncodeTime(12, 15, 0, 0)},
      {"9 PM", EncodeTime(21, 0, 0, 0)},          {"23:59:59", EncodeTime(23, 59, 59, 0)},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(StrToTime(c.text), c.expected) << c.text;
  for (const char* bad : {"25:00", "9", "9:", "9:60", "13:00 PM", "9:30:15.", "abc", "", "9:30 x"})
    EXPECT_THROW(StrToTime(bad), EConvertError) << bad;
}

TEST_F(DateTimeTest, StrToDateTimeTakesADateATimeOrBoth) {
  EXPECT_DOUBLE_EQ(StrToDateTime("2004-3-7 9:30:15"), At(2004, 3, 7, 9, 30, 15));
  EXPECT_DOUBLE_EQ(StrToDateTime("2004-3-7"), EncodeDate(2004, 3, 7));
  EXPECT_DOUBLE_EQ(StrToDateTime("9:30"), EncodeTime(9, 30, 0, 0));
  EXPECT_DOUBLE_EQ(StrToDateTime("1899-12-29 6:00"), -1.25);
  EXPECT_THROW(StrToDateTime("2004-3-7 x"), EConvertError);
  EXPECT_THROW(StrToDateTime("12"), EConvertError);
}
