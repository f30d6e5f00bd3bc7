// Reading dates and times typed by a user (StrToDate and its relatives, see DateTime.h): a small
// scanner over the text that follows the order of the short date pattern.
#include <cctype>

#include "rtl/DateTime.h"
#include "rtl/Exceptions.h"

namespace {

enum class TDateOrder { YMD, MDY, DMY };

// The order of the first day, month and year letters of the short date pattern.
TDateOrder DateOrderOf(const String& pattern) {
  for (char c : pattern) {
    switch (std::toupper(static_cast<unsigned char>(c))) {
      case 'Y': return TDateOrder::YMD;
      case 'M': return TDateOrder::MDY;
      case 'D': return TDateOrder::DMY;
      default: break;
    }
  }
  return TDateOrder::YMD;
}

int CurrentYear() {
  int year = 0, month = 0, day = 0;
  DecodeDate(Date(), year, month, day);
  return year;
}

// A year typed with one or two digits, placed by the century window.
int ExpandYear(int year, const TFormatSettings& fs) {
  const int current = CurrentYear();
  if (fs.TwoDigitYearCenturyWindow <= 0) return year + current / 100 * 100;
  const int base = current - fs.TwoDigitYearCenturyWindow;
  year += base / 100 * 100;
  return year < base ? year + 100 : year;
}

class TDateTimeScanner {
 public:
  // A lenient scanner also takes ".", "," and blanks between the numbers of a date.
  TDateTimeScanner(const String& text, const TFormatSettings& fs, bool lenient = false)
      : FText(text), FSettings(fs), FLenient(lenient) {}

  bool ScanDate(TDateTime& date) {
    int n[3] = {0, 0, 0}, digits[3] = {0, 0, 0}, count = 0;
    if (!ScanNumber(n[0], digits[0]) || !ScanDateSeparator() || !ScanNumber(n[1], digits[1])) return false;
    count = 2;
    const size_t beforeThird = FPos;
    if (ScanDateSeparator()) {
      if (!ScanNumber(n[2], digits[2])) return false;
      count = 3;
      // Leniently "5 1 12:30" is a day without its year and a time.
      if (FLenient && PeekTimeSeparator()) {
        FPos = beforeThird;
        count = 2;
      }
    }
    int year = 0, month = 0, day = 0, yearDigits = 4;
    const TDateOrder order = DateOrderOf(FSettings.ShortDateFormat);
    if (count == 2) {
      year = CurrentYear();
      month = order == TDateOrder::DMY ? n[1] : n[0];
      day = order == TDateOrder::DMY ? n[0] : n[1];
    } else {
      const int yi = order == TDateOrder::YMD ? 0 : 2;
      const int mi = order == TDateOrder::MDY ? 0 : 1;
      const int di = order == TDateOrder::YMD ? 2 : order == TDateOrder::MDY ? 1 : 0;
      year = n[yi], month = n[mi], day = n[di], yearDigits = digits[yi];
    }
    if (yearDigits <= 2) year = ExpandYear(year, FSettings);
    return TryEncodeDate(year, month, day, date);
  }

  // h:n[:s[.fraction]] with an am/pm marker before or after; a lone hour needs the marker.
  bool ScanTime(TDateTime& time) {
    int baseHour = ScanAmPm();
    int hour = 0, min = 0, sec = 0, msec = 0, digits = 0;
    if (!ScanNumber(hour, digits)) return false;
    const bool hasMinutes = ScanTimeSeparator();
    if (hasMinutes && !ScanNumber(min, digits)) return false;
    if (hasMinutes && ScanTimeSeparator()) {
      if (!ScanNumber(sec, digits)) return false;
      if (ScanChar(FSettings.DecimalSeparator) && !ScanFraction(msec)) return false;
    }
    if (baseHour < 0) baseHour = ScanAmPm();
    if (!hasMinutes && baseHour < 0) return false;
    if (baseHour >= 0) {
      if (hour < 1 || hour > 12) return false;
      hour = hour % 12 + baseHour;
    }
    return TryEncodeTime(hour, min, sec, msec, time);
  }

  bool AtEnd() {
    SkipBlanks();
    return FPos >= FText.size();
  }

  void Restart() { FPos = 0; }

 private:
  void SkipBlanks() {
    while (FPos < FText.size() && (FText[FPos] == ' ' || FText[FPos] == '\t')) ++FPos;
  }

  // One to four digits.
  bool ScanNumber(int& value, int& digits) {
    SkipBlanks();
    value = 0, digits = 0;
    while (FPos < FText.size() && std::isdigit(static_cast<unsigned char>(FText[FPos]))) {
      if (++digits > 4) return false;
      value = value * 10 + (FText[FPos++] - '0');
    }
    return digits > 0;
  }

  // Digits after the decimal separator, as milliseconds.
  bool ScanFraction(int& msec) {
    int scale = 100, digits = 0;
    msec = 0;
    for (; FPos < FText.size() && std::isdigit(static_cast<unsigned char>(FText[FPos])); ++FPos, ++digits) {
      msec += (FText[FPos] - '0') * scale;
      scale /= 10;
    }
    return digits > 0;
  }

  bool ScanChar(char c) {
    SkipBlanks();
    if (FPos >= FText.size() || FText[FPos] != c) return false;
    ++FPos;
    return true;
  }

  bool ScanDateSeparator() {
    const size_t start = FPos;
    if (ScanChar(FSettings.DateSeparator) || ScanChar('-') || ScanChar('/')) return true;
    if (!FLenient) return false;
    if (ScanChar('.') || ScanChar(',')) return true;
    return FPos < FText.size() && FPos > start && std::isdigit(static_cast<unsigned char>(FText[FPos]));
  }
  bool PeekTimeSeparator() {
    SkipBlanks();
    return FPos < FText.size() && (FText[FPos] == FSettings.TimeSeparator || FText[FPos] == ':');
  }
  bool ScanTimeSeparator() { return ScanChar(FSettings.TimeSeparator) || ScanChar(':'); }

  bool ScanWord(const String& word) {
    SkipBlanks();
    if (word.empty() || FText.size() - FPos < word.size()) return false;
    for (size_t k = 0; k < word.size(); ++k)
      if (std::toupper(static_cast<unsigned char>(FText[FPos + k])) != std::toupper(static_cast<unsigned char>(word[k])))
        return false;
    FPos += word.size();
    return true;
  }

  // 0 for a morning marker, 12 for an afternoon one, -1 when there is none.
  int ScanAmPm() {
    if (ScanWord(FSettings.TimeAMString) || ScanWord("AM")) return 0;
    if (ScanWord(FSettings.TimePMString) || ScanWord("PM")) return 12;
    return -1;
  }

  const String& FText;
  const TFormatSettings& FSettings;
  bool FLenient;
  size_t FPos = 0;
};

[[noreturn]] void ConvertError(const String& text, const char* what) {
  throw EConvertError("'" + text + "' 不是有效的" + what);
}

}  // namespace

bool TryStrToDate(const String& s, TDateTime& value, const TFormatSettings& fs) {
  TDateTimeScanner scanner(s, fs);
  TDateTime date = 0;
  if (!scanner.ScanDate(date) || !scanner.AtEnd()) return false;
  value = date;
  return true;
}

bool TryStrToTime(const String& s, TDateTime& value, const TFormatSettings& fs) {
  TDateTimeScanner scanner(s, fs);
  TDateTime time = 0;
  if (!scanner.ScanTime(time) || !scanner.AtEnd()) return false;
  value = time;
  return true;
}

namespace {

bool ScanDateTime(const String& s, TDateTime& value, const TFormatSettings& fs, bool lenient) {
  TDateTimeScanner scanner(s, fs, lenient);
  TDateTime date = 0, time = 0;
  if (scanner.ScanDate(date)) {
    if (!scanner.AtEnd() && !(scanner.ScanTime(time) && scanner.AtEnd())) return false;
    value = date >= 0 ? date + time : date - time;
    return true;
  }
  scanner.Restart();
  if (!scanner.ScanTime(time) || !scanner.AtEnd()) return false;
  value = time;
  return true;
}

}  // namespace

bool TryStrToDateTime(const String& s, TDateTime& value, const TFormatSettings& fs) {
  return ScanDateTime(s, value, fs, false);
}

bool TryLenientStrToDateTime(const String& s, TDateTime& value, const TFormatSettings& fs) {
  return ScanDateTime(s, value, fs, true);
}

TDateTime StrToDate(const String& s, const TFormatSettings& fs) {
  TDateTime value = 0;
  if (!TryStrToDate(s, value, fs)) ConvertError(s, "日期");
  return value;
}

TDateTime StrToTime(const String& s, const TFormatSettings& fs) {
  TDateTime value = 0;
  if (!TryStrToTime(s, value, fs)) ConvertError(s, "时间");
  return value;
}

TDateTime StrToDateTime(const String& s, const TFormatSettings& fs) {
  TDateTime value = 0;
  if (!TryStrToDateTime(s, value, fs)) ConvertError(s, "日期和时间");
  return value;
}
