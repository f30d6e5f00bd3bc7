// The date routines of the date editor: its mask and edit format from the locale's short date
// format, the texts of a date, the keyword table with day offsets, and TextToDate.
#include <cmath>

#include "editors/dxDateEdit.h"
#include "editors/dxExEdtr.h"
#include "rtl/Convert.h"
#include "rtl/Exceptions.h"
#include "rtl/Text.h"
#include "rtl/Variant.h"

namespace {

bool IsDatePartLetter(char C) {
  const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(C)));
  return c == 'M' || c == 'D' || c == 'Y';
}

bool SameLetter(char A, char B) { return std::toupper(static_cast<unsigned char>(A)) == std::toupper(static_cast<unsigned char>(B)); }

// The length of the run of Format[I]'s letter starting at I.
size_t RunLength(const String& Format, size_t I) {
  size_t n = 1;
  while (I + n < Format.size() && SameLetter(Format[I + n], Format[I])) ++n;
  return n;
}

enum : int { kwToday, kwYesterday, kwTomorrow, kwSunday, kwSaturday = 9, kwFirst, kwSeventh = 16, kwBOM, kwEOM, kwNow };

TDateTime KeywordDate(int Index) {
  const TDateTime today = Date();
  const int weekDay = DayOfWeek(today);
  int year = 0, month = 0, day = 0;
  DecodeDate(today, year, month, day);
  if (Index == kwToday) return today;
  if (Index == kwYesterday) return today - 1;
  if (Index == kwTomorrow) return today + 1;
  if (Index <= kwSaturday) {
    const int n = (Index - 2) - weekDay;
    return n >= 0 ? today + n : today + 7 + n;
  }
  if (Index <= kwSeventh) return today - (9 - Index + weekDay);
  if (Index == kwBOM) return EncodeDate(year, month, 1);
  if (Index == kwEOM) return EncodeDate(year, month, DaysInAMonth(year, month));
  return Now();
}

// "+n" or "-n" after a keyword; anything else leaves the keyword's date.
void ApplyDayOffset(const String& Rest, TDateTime& Date) {
  if (Length(Rest) < 2 || (Rest[0] != '+' && Rest[0] != '-')) return;
  int days = 0;
  if (!TryStrToInt(Trim(Rest.substr(1)), days)) return;
  Date += (Rest[0] == '+' ? 1 : -1) * days;
}

// A date the calendar and the formatting routines can show: the years 1 to 9999.
bool IsShowableDate(TDateTime Value) {
  return std::isfinite(Value) && Value >= EncodeDate(1, 1, 1) && Value < EncodeDate(9999, 12, 31) + 1;
}

// The system's date reading first, then the run-time library's (a plain number is a day count).
bool ConvertTextToDate(const String& Text, TDateTime& Date) {
  TDateTime value = 0;
  if (!TryLenientStrToDateTime(Text, value)) {
    try {
      value = Variant(Text).AsDateTime();
    } catch (const EVariantError&) {
      return false;
    }
  }
  if (!IsShowableDate(value)) return false;
  Date = value;
  return true;
}

}  // namespace

String BuildDateEditMask() {
  const String& format = FormatSettings().ShortDateFormat;
  String mask = "!";
  for (size_t i = 0; i < format.size();) {
    if (!IsDatePartLetter(format[i])) {
      mask += format[i++];
      continue;
    }
    const size_t run = RunLength(format, i);
    const bool year = SameLetter(format[i], 'y');
    mask += run <= 2 ? "99" : year ? "9999" : "lll";
    i += run;
  }
  return mask + ";1; ";
}

String GetDateEditFormat() {
  const String& format = FormatSettings().ShortDateFormat;
  String result;
  for (size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    const bool doubles = SameLetter(c, 'd') || SameLetter(c, 'm');
    const bool alone = (i == 0 || !SameLetter(format[i - 1], c)) && (i + 1 >= format.size() || !SameLetter(format[i + 1], c));
    if (doubles && alone) result += c;
    result += c;
  }
  return result;
}

String DateToDisplayText(TDateTime Date) {
  if (Date == NullDate) return String();
  String text = DateToStr(Date);
  if (Date != std::trunc(Date)) text += " " + TimeToStr(Date);
  return text;
}

String DateToEditText(bool UseMask, TDateTime Date) {
  if (Date == NullDate) return String();
  return UseMask ? FormatDateTime(GetDateEditFormat(), Date) : DateToDisplayText(Date);
}

bool ParseDateKeyword(const String& Text, TDateTime& Date) {
  const auto& keywords = dxEditorResources().DateKeywords;
  for (int i = 0; i < static_cast<int>(keywords.size()); ++i) {
    const String& keyword = keywords[static_cast<size_t>(i)];
    const int length = Length(keyword);
    if (keyword.empty() || !AnsiSameText(Copy(Text, 1, length), keyword)) continue;
    Date = KeywordDate(i);
    ApplyDayOffset(Trim(Copy(Text, length + 1, Length(Text))), Date);
    return true;
  }
  return false;
}

bool TextToDate(const String& Text, TDateTime& Date) {
  String text = Trim(Text);
  if (text.empty()) return false;
  // A point separator would read as a decimal point: the first two become blanks.
  if (FormatSettings().DateSeparator == '.')
    for (size_t n = 0, at = 0; n < 2 && (at = text.find('.')) != String::npos; ++n) text[at] = ' ';
  if (ParseDateKeyword(text, Date)) return true;
  return ConvertTextToDate(text, Date);
}
