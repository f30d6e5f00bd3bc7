// TDateTime: days since 1899-12-30 as a double, the fraction being the time of day. Calendar
// arithmetic, the current date and time from a replaceable clock, FormatDateTime and the
// parsing of dates and times by the format settings.
#pragma once

#include <functional>

#include "rtl/FormatSettings.h"

// 1.25 is 1899-12-31 06:00. A negative value keeps its time as a subtracted fraction:
// -1.25 is 1899-12-29 06:00.
using TDateTime = double;

constexpr double SecsPerDay = 24 * 60 * 60;

bool IsLeapYear(int year);
int DaysInAMonth(int year, int month);

// Years 1 to 9999. EncodeDate raises EConvertError for a date that does not exist.
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
TDateTime EncodeDate(int year, int month, int day);
// Hours 0-23, minutes and seconds 0-59, milliseconds 0-999; EncodeTime raises EConvertError.
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
// Decoding rounds to the nearest millisecond; a value outside the years 1 to 9999 raises
// EConvertError.
void DecodeDate(TDateTime date, int& year, int& month, int& day);
void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime date);

// The current local date and time, read through the clock source.
TDateTime Now();
TDateTime Date();  // today, without time
TDateTime Time();  // the time of day, without date
// Installs the clock that Now, Date and Time read (tests install a fixed instant) and returns the
// previous one. An empty source restores the system clock.
using TClockSource = std::function<TDateTime()>;
TClockSource SetClockSource(TClockSource source);

// Pattern letters, in either case: d dd ddd dddd (day, names) ddddd (short date) dddddd (long
// date); m mm mmm mmmm (month, names; minutes when following h or hh); yy yyyy; h hh (12-hour
// clock when am/pm follows); n nn; s ss; z zzz; t tt (short and long time); c (short date, and
// long time unless it is midnight); am/pm a/p ampm; "/" and ":" the separators; '...' and "..."
// literal text. Any other character is copied. An empty pattern means "c".
String FormatDateTime(const String& format, TDateTime value, const TFormatSettings& fs = FormatSettings());
String DateToStr(TDateTime date, const TFormatSettings& fs = FormatSettings());
String TimeToStr(TDateTime time, const TFormatSettings& fs = FormatSettings());
String DateTimeToStr(TDateTime value, const TFormatSettings& fs = FormatSettings());

// Dates are numbers in the order of the short date pattern (year first for "yyyy-m-d"),
// separated by the date separator, "-" or "/"; without a year the current one is meant, and a
// one- or two-digit year falls in the century window. Times are h:n[:s[.z]] with an optional
// am/pm marker. A date and a time are separated by blanks. Failures raise EConvertError.
TDateTime StrToDate(const String& s, const TFormatSettings& fs = FormatSettings());
bool TryStrToDate(const String& s, TDateTime& value, const TFormatSettings& fs = FormatSettings());
TDateTime StrToTime(const String& s, const TFormatSettings& fs = FormatSettings());
bool TryStrToTime(const String& s, TDateTime& value, const TFormatSettings& fs = FormatSettings());
TDateTime StrToDateTime(const String& s, const TFormatSettings& fs = FormatSettings());
bool TryStrToDateTime(const String& s, TDateTime& value, const TFormatSettings& fs = FormatSettings());
// The system's reading of a date typed freely: as TryStrToDateTime, with ".", "," or blanks also
// separating the numbers of the date ("12 05 2003").
bool TryLenientStrToDateTime(const String& s, TDateTime& value, const TFormatSettings& fs = FormatSettings());
