// The calendar's date routines: months stepped and shifted, day clamping, the day and the time of
// a date-time, and the week column of a date under the locale's first day of the week.
#include <cmath>

#include "editors/dxCalendar.h"
#include "rtl/FormatSettings.h"

namespace {

uint8_t FirstDayOfLocale() {
  const int day = FormatSettings().FirstDayOfWeek + 1;
  return static_cast<uint8_t>(day > 6 ? 0 : day);
}

uint8_t& FirstWeekDay() {
  static uint8_t day = FirstDayOfLocale();
  return day;
}

}  // namespace

void PrevMonth(uint16_t& Year, uint16_t& Month) { ShiftMonths(Year, Month, -1); }
void NextMonth(uint16_t& Year, uint16_t& Month) { ShiftMonths(Year, Month, 1); }

void ShiftMonths(uint16_t& Year, uint16_t& Month, int Delta) {
  int year = Year + Delta / 12, month = Month + Delta % 12;
  if (month < 1) {
    month += 12;
    --year;
  } else if (month > 12) {
    month -= 12;
    ++year;
  }
  Year = static_cast<uint16_t>(year);
  Month = static_cast<uint16_t>(month);
}

TDateTime ShiftDateMonths(TDateTime Date, int Delta) {
  uint16_t y = static_cast<uint16_t>(GetDatePart(1, Date)), m = static_cast<uint16_t>(GetDatePart(2, Date));
  ShiftMonths(y, m, Delta);
  return EncodeDate(y, m, ClampDay(y, m, GetDatePart(3, Date)));
}

int GetDatePart(int Part, TDateTime Date) {
  if (Part < 1 || Part > 3) return -1;
  int y = 0, m = 0, d = 0;
  DecodeDate(Date, y, m, d);
  return Part == 1 ? y : Part == 2 ? m : d;
}

int ClampDay(int Year, int Month, int Day) { return std::clamp(Day, 1, DaysInAMonth(Year, Month)); }

TDateTime TruncDateTime(TDateTime X) { return std::trunc(X + (X < 0 ? -1e-11 : 1e-11)); }

TDateTime ExtractTimePart(TDateTime X) {
  int h = 0, m = 0, s = 0, ms = 0;
  DecodeTime(X, h, m, s, ms);
  return EncodeTime(h, m, s, ms);
}

int GetWeekColumn(TDateTime Date) { return ((DayOfWeek(Date) - 1 - CalendarFirstWeekDay()) % 7 + 7) % 7; }

uint8_t CalendarFirstWeekDay() { return FirstWeekDay(); }

void LoadFirstDayOfWeek() { FirstWeekDay() = FirstDayOfLocale(); }
