// FormatValue by category and the " #" suffix reader. The separator of a format code applies only
// to the text produced: values are read by the program's own settings.
#include "report/FR_Format.h"

#include <algorithm>

#include "report/FR_Const.h"
#include "rtl/Convert.h"
#include "rtl/Text.h"

namespace {

// The program's settings with the format code's decimal separator. When that separator is the
// thousands separator too, groups are set apart by blanks instead ("1 234,50").
TFormatSettings NumberSettings(char separator) {
  TFormatSettings fs = FormatSettings();
  if (separator == 0) return fs;
  fs.DecimalSeparator = separator;
  if (fs.ThousandSeparator == separator) fs.ThousandSeparator = ' ';
  return fs;
}

String FormatNumber(double x, int subtype, int decimals, char separator, const String& formatText) {
  const TFormatSettings fs = NumberSettings(separator);
  const String places(size_t(decimals), '#');
  switch (subtype) {
    case 0: return FormatFloat("##0." + places, x, fs);
    case 1: return FloatToStrF(x, ffFixed, 15, decimals, fs);
    case 2: return FormatFloat("#,##0." + places, x, fs);
    case 3: return FloatToStrF(x, ffNumber, 15, decimals, fs);
    case frCustomFormat: return FormatFloat(formatText, x, fs);
    default: throw EConvertError("未知的数字格式");
  }
}

// The engine's table entry of that subtype, the custom text for subtype 4.
template <size_t N>
const String& TableFormat(const std::array<String, N>& table, int subtype, const String& formatText) {
  if (subtype == frCustomFormat) return formatText;
  if (subtype < 0 || subtype >= int(N)) throw EConvertError("未知的显示格式");
  return table[size_t(subtype)];
}

String FormatBoolean(bool value, const String& pair) {
  const size_t semicolon = pair.find(';');
  if (semicolon == String::npos) return value ? pair : String();
  return value ? pair.substr(semicolon + 1) : pair.substr(0, semicolon);
}

String FormatByCode(const Variant& value, int format, const String& formatText) {
  const int subtype = (format >> 16) & 0xFF;
  const TfrLocalizedTables& tables = frLocalizedTables();
  switch ((format >> 24) & 0x0F) {
    case fcNumber:
      return FormatNumber(value.AsDouble(), subtype, (format >> 8) & 0xFF, char(format & 0xFF), formatText);
    case fcDate:
      if (subtype == 3) return FormatDateTime(FormatSettings().LongDateFormat, value.AsDateTime());
      return FormatDateTime(TableFormat(tables.DateFormats, subtype, formatText), value.AsDateTime());
    case fcTime: return FormatDateTime(TableFormat(tables.TimeFormats, subtype, formatText), value.AsDateTime());
    case fcBoolean: return FormatBoolean(value.AsBoolean(), TableFormat(tables.BoolStrings, subtype, formatText));
    default: return VarToStr(value);
  }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number of digits after the separator: "0.00" has two decimals.
int DecimalsAfter(const String& s, size_t separator) {
  const String digits = s.substr(separator + 1);
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsDigit))
    throw EConvertError("'" + digits + "' 不是有效的小数位数");
  return int(digits.size());
}

// "N" and a picture: fixed notation when a digit follows the "N", else a custom picture. The last
// ",", "-" or "." is the decimal separator and becomes "." in the picture. A fixed format has no
// format text.
int ReadNumberFormat(String s, String& formatText) {
  if (IsDigit(s[0])) s = "N" + s;
  const bool fixed = s.size() > 1 && IsDigit(s[1]);
  const size_t at = s.find_last_of(",-.");
  char separator = 0;
  int decimals = 0;
  if (at != String::npos) {
    separator = s[at];
    s[at] = '.';
    if (fixed) decimals = std::min(DecimalsAfter(s, at), 255);
  }
  formatText = fixed ? String() : s.substr(1);
  return frFormatCode(fcNumber, fixed ? 1 : frCustomFormat, decimals, separator);
}

}  // namespace

String FormatValue(const Variant& value, int format, const String& formatText) {
  if (VarIsEmpty(value) || VarIsNull(value)) return String();
  if (VarIsStr(value) && Trim(value.StringValue()).empty()) return String();
  try {
    return FormatByCode(value, format, formatText);
  } catch (const Exception&) {
    return VarToStr(value);
  }
}

bool ReadFormatSuffix(String& name, int& format, String& formatText) {
  const size_t at = name.find(" #");
  if (at == String::npos) return false;
  const String suffix = name.substr(at + 2);
  name.erase(at);
  if (suffix.empty()) return false;
  switch (suffix[0]) {
    case 'N': case 'n': case '0': case '1': case '2': case '3': case '4': case '5': case '6': case '7':
    case '8': case '9':
      format = ReadNumberFormat(suffix, formatText);
      return true;
    case 'D': case 'd': case 'T': case 't':
      format = frFormatCode(fcDate, frCustomFormat);
      formatText = suffix.substr(1);
      return true;
    case 'B': case 'b':
      format = frFormatCode(fcBoolean, frCustomFormat);
      formatText = suffix.substr(1);
      return true;
    default:
      return false;
  }
}
