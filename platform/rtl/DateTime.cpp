// Calendar arithmetic of TDateTime and the clock (see DateTime.h). Formatting is in
// DateTimeFormat.cpp, parsing in DateTimeParse.cpp.
#include "rtl/DateTime.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>

#include "rtl/Convert.h"
#include "rtl/DateTimeParts_p.h"
#include "rtl/Exceptions.h"

namespace {

constexpr int64_t kMSecsPerDay = 86400000;
constexpr int64_t kUnixEpoch = 25569;  // 1970-01-01

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar, and back.
int64_t DaysFromCivil(int year, int month, int day) {
  const int64_t y = year - (month <= 2 ? 1 : 0);
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yearOfEra = y - era * 400;
  const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(int64_t days, int& year, int& month, int& day) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t mp = (5 * dayOfYear + 2) / 153;
  day = int(dayOfYear - (153 * mp + 2) / 5 + 1);
  month = int(mp < 10 ? mp + 3 : mp - 9);
  year = int(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

TClockSource& ClockSource() {
  static TClockSource source;
  return source;
}

TDateTime SystemNow() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const int msec = int(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
         EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), msec);
}

}  // namespace

TDateTimeParts SplitDateTime(TDateTime value) {
  // Years 1 to 9999; the bounds also keep NaN and infinities out.
  if (!(value > -693594.0 && value < 2958466.0))
    throw EConvertError("日期时间值 " + FloatToStr(value) + " 超出有效范围");
  const int64_t msecs = int64_t(std::nearbyint(value * double(kMSecsPerDay)));
  TDateTimeParts parts;
  const int64_t dayNumber = msecs / kMSecsPerDay;  // toward zero: a negative value keeps its time
  CivilFromDays(dayNumber - kUnixEpoch, parts.Year, parts.Month, parts.Day);
  int64_t rest = std::llabs(msecs) % kMSecsPerDay;
  parts.Msec = int(rest % 1000), rest /= 1000;
  parts.Sec = int(rest % 60), rest /= 60;
  parts.Min = int(rest % 60);
  parts.Hour = int(rest / 60);
  // 0001-01-01 is a Monday; 1 = Sunday.
  parts.DayOfWeek = int((dayNumber + 693594) % 7) + 1;
  return parts;
}

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInAMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return days[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
  if (year < 1 || year > 9999 || day < 1 || day > DaysInAMonth(year, month)) return false;
  date = double(DaysFromCivil(year, month, day) + kUnixEpoch);
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime date = 0;
  if (!TryEncodeDate(year, month, day, date)) throw EConvertError("日期参数无效");
  return date;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time) {
  if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999) return false;
  time = double(((hour * 60 + min) * 60 + sec) * 1000 + msec) / double(kMSecsPerDay);
  return true;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
  TDateTime time = 0;
  if (!TryEncodeTime(hour, min, sec, msec, time)) throw EConvertError("时间参数无效");
  return time;
}

void DecodeDate(TDateTime date, int& year, int& month, int& day) {
  const TDateTimeParts parts = SplitDateTime(date);
  year = parts.Year, month = parts.Month, day = parts.Day;
}

void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec) {
  const TDateTimeParts parts = SplitDateTime(time);
  hour = parts.Hour, min = parts.Min, sec = parts.Sec, msec = parts.Msec;
}

int DayOfWeek(TDateTime date) { return SplitDateTime(date).DayOfWeek; }

TDateTime Now() { return ClockSource() ? ClockSource()() : SystemNow(); }

TDateTime Date() { return std::trunc(Now()); }

TDateTime Time() {
  // From the fields rather than the fraction, which carries the date's rounding error.
  const TDateTimeParts parts = SplitDateTime(Now());
  return EncodeTime(parts.Hour, parts.Min, parts.Sec, parts.Msec);
}

TClockSource SetClockSource(TClockSource source) {
  TClockSource previous = std::move(ClockSource());
  ClockSource() = std::move(source);
  return previous;
}

String DateToStr(TDateTime date, const TFormatSettings& fs) { return FormatDateTime("ddddd", date, fs); }

String TimeToStr(TDateTime time, const TFormatSettings& fs) { return FormatDateTime("tt", time, fs); }

String DateTimeToStr(TDateTime value, const TFormatSettings& fs) { return FormatDateTime("c", value, fs); }
