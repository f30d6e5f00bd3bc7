// FormatDateTime (see DateTime.h): the pattern is read left to right; runs of a pattern letter
// are counted and written from the decoded fields, everything else is copied.
#include <cctype>

#include "rtl/DateTime.h"
#include "rtl/DateTimeParts_p.h"

namespace {

char Upper(char c) { return char(std::toupper(static_cast<unsigned char>(c))); }

bool StartsWithNoCase(const String& s, size_t pos, const char* word) {
  for (; *word; ++word, ++pos)
    if (pos >= s.size() || Upper(s[pos]) != *word) return false;
  return true;
}

String Padded(int value, int width) {
  String digits = std::to_string(value);
  if (int(digits.size()) < width) digits.insert(0, size_t(width) - digits.size(), '0');
  return digits;
}

class TDateTimeWriter {
 public:
  TDateTimeWriter(TDateTime value, const TFormatSettings& fs) : FParts(SplitDateTime(value)), FSettings(fs) {}

  // Nested patterns (short date inside "c", ...) are followed two levels deep, so a pattern
  // that names itself cannot loop.
  void Write(const String& format, int depth) {
    char lastLetter = 0;
    for (size_t i = 0; i < format.size();) {
      const char c = format[i];
      const char letter = Upper(c);
      if (c == '\'' || c == '"') {
        const size_t close = format.find(c, i + 1);
        FOut += format.substr(i + 1, (close == String::npos ? format.size() : close) - i - 1);
        i = close == String::npos ? format.size() : close + 1;
      } else if (c == '/') {
        FOut += FSettings.DateSeparator, ++i;
      } else if (c == ':') {
        FOut += FSettings.TimeSeparator, ++i;
      } else if (letter == 'A') {
        i = WriteAmPm(format, i);
        lastLetter = letter;
      } else if (letter >= 'A' && letter <= 'Z') {
        size_t count = 1;
        while (i + count < format.size() && Upper(format[i + count]) == letter) ++count;
        // "m" right after an hour means minutes.
        WriteRun(letter == 'M' && lastLetter == 'H' ? 'N' : letter, int(count), format, i + count, depth);
        lastLetter = letter;
        i += count;
      } else {
        FOut += c, ++i;
      }
    }
  }

  String Result() { return std::move(FOut); }

 private:
  void WriteRun(char letter, int count, const String& format, size_t next, int depth) {
    switch (letter) {
      case 'Y': FOut += count <= 2 ? Padded(FParts.Year % 100, 2) : Padded(FParts.Year, 4); break;
      case 'M': WriteMonth(count); break;
      case 'D': WriteDay(count, depth); break;
      case 'H': FOut += Padded(Uses12HourClock(format, next) ? (FParts.Hour + 11) % 12 + 1 : FParts.Hour, count > 1 ? 2 : 0); break;
      case 'N': FOut += Padded(FParts.Min, count > 1 ? 2 : 0); break;
      case 'S': FOut += Padded(FParts.Sec, count > 1 ? 2 : 0); break;
      case 'Z': FOut += Padded(FParts.Msec, count > 1 ? 3 : 0); break;
      case 'T': Nested(count == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat, depth); break;
      case 'C': WriteShortDateTime(depth); break;
      default: FOut += format.substr(next - size_t(count), size_t(count)); break;
    }
  }

  void WriteMonth(int count) {
    if (count <= 2) {
      FOut += Padded(FParts.Month, count);
    } else {
      FOut += (count == 3 ? FSettings.ShortMonthNames : FSettings.LongMonthNames)[size_t(FParts.Month - 1)];
    }
  }

  void WriteDay(int count, int depth) {
    if (count <= 2) {
      FOut += Padded(FParts.Day, count);
    } else if (count <= 4) {
      FOut += (count == 3 ? FSettings.ShortDayNames : FSettings.LongDayNames)[size_t(FParts.DayOfWeek - 1)];
    } else {
      Nested(count == 5 ? FSettings.ShortDateFormat : FSettings.LongDateFormat, depth);
    }
  }

  // The short date, and the long time unless the value has no time of day to the second.
  void WriteShortDateTime(int depth) {
    Nested(FSettings.ShortDateFormat, depth);
    if (FParts.Hour != 0 || FParts.Min != 0 || FParts.Sec != 0) {
      FOut += ' ';
      Nested(FSettings.LongTimeFormat, depth);
    }
  }

  void Nested(const String& format, int depth) {
    if (depth < 2) Write(format, depth + 1);
  }

  // "am/pm" and "a/p" write their own letters as the pattern cases them; "ampm" the settings'
  // texts; any other "a" is plain text.
  size_t WriteAmPm(const String& format, size_t i) {
    const bool pm = FParts.Hour >= 12;
    if (StartsWithNoCase(format, i, "AM/PM")) {
      FOut += format.substr(pm ? i + 3 : i, 2);
      return i + 5;
    }
    if (StartsWithNoCase(format, i, "A/P")) {
      FOut += format[pm ? i + 2 : i];
      return i + 3;
    }
    if (StartsWithNoCase(format, i, "AMPM")) {
      FOut += pm ? FSettings.TimePMString : FSettings.TimeAMString;
      return i + 4;
    }
    FOut += format[i];
    return i + 1;
  }

  // An hour is on the 12-hour clock when an am/pm marker follows it before the next hour.
  static bool Uses12HourClock(const String& format, size_t from) {
    char quote = 0;
    for (size_t i = from; i < format.size(); ++i) {
      const char c = format[i];
      if (quote) {
        quote = c == quote ? 0 : quote;
      } else if (c == '\'' || c == '"') {
        quote = c;
      } else if (Upper(c) == 'A') {
        return StartsWithNoCase(format, i, "AM/PM") || StartsWithNoCase(format, i, "A/P") ||
               StartsWithNoCase(format, i, "AMPM");
      } else if (Upper(c) == 'H') {
        return false;
      }
    }
    return false;
  }

  TDateTimeParts FParts;
  const TFormatSettings& FSettings;
  String FOut;
};

}  // namespace

String FormatDateTime(const String& format, TDateTime value, const TFormatSettings& fs) {
  TDateTimeWriter writer(value, fs);
  writer.Write(format.empty() ? String("c") : format, 0);
  return writer.Result();
}
