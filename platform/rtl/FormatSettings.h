// The locale settings that number and date-time formatting and parsing read: separators, date and
// time patterns, month and day names, currency layout. One global object holds the Chinese locale's
// defaults; every routine takes a settings object as its optional last argument.
#pragma once

#include <array>

#include "rtl/Types.h"

struct TFormatSettings {
  char DecimalSeparator = '.';
  char ThousandSeparator = ',';
  // Written where a date or time pattern holds "/" or ":".
  char DateSeparator = '-';
  char TimeSeparator = ':';
  String ShortDateFormat = "yyyy-m-d";
  String LongDateFormat = "yyyy'年'm'月'd'日'";
  String ShortTimeFormat = "h:nn";
  String LongTimeFormat = "h:nn:ss";
  String TimeAMString = "上午";
  String TimePMString = "下午";
  String CurrencyString = "￥";
  // Placement of the currency symbol: 0 "￥1", 1 "1￥", 2 "￥ 1", 3 "1 ￥".
  int CurrencyFormat = 0;
  // Placement of symbol and sign for negative amounts, 0 "(￥1)" to 15 "(1 ￥)"; 2 is "￥-1".
  int NegCurrFormat = 2;
  int CurrencyDecimals = 2;
  // Index 0 is January; day names start with Sunday.
  std::array<String, 12> ShortMonthNames{"1月", "2月", "3月", "4月", "5月", "6月",
                                         "7月", "8月", "9月", "10月", "11月", "12月"};
  std::array<String, 12> LongMonthNames{"一月", "二月", "三月", "四月", "五月", "六月",
                                        "七月", "八月", "九月", "十月", "十一月", "十二月"};
  std::array<String, 7> ShortDayNames{"周日", "周一", "周二", "周三", "周四", "周五", "周六"};
  std::array<String, 7> LongDayNames{"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
  // The one-character names a month calendar heads its columns with.
  std::array<String, 7> ShortestDayNames{"日", "一", "二", "三", "四", "五", "六"};
  // The first day of the week, counted as the locale counts it: 0 Monday ... 6 Sunday.
  int FirstDayOfWeek = 0;
  // A year typed with one or two digits lands within this many years before the current year
  // and (100 - this) years after it; 0 puts it in the current century.
  int TwoDigitYearCenturyWindow = 50;
};

// The program-wide settings. Routines only read it; a caller that needs other separators passes
// its own copy instead of changing this one.
TFormatSettings& FormatSettings();
