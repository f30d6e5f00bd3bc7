// The calendar fields of a TDateTime, shared by decoding and formatting.
#pragma once

#include "rtl/DateTime.h"

struct TDateTimeParts {
  int Year = 0, Month = 0, Day = 0;
  int Hour = 0, Min = 0, Sec = 0, Msec = 0;
  int DayOfWeek = 0;  // 1 = Sunday
};

// Rounds to the millisecond; raises EConvertError outside the years 1 to 9999.
TDateTimeParts SplitDateTime(TDateTime value);
