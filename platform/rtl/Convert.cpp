// Integer and float conversion to and from text (see Convert.h); picture formats are in
// FormatFloat.cpp and Format in Format.cpp.
#include "rtl/Convert.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "rtl/Exceptions.h"
#include "rtl/FloatDecimal_p.h"
#include "rtl/Text.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The whole text as an integer of `bits` bits. Decimal text must fit the signed range;
// hexadecimal text may use every bit and then reads as two's complement, as the original did.
bool ParseInteger(const String& s, int bits, int64_t& value) {
  size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  const bool negative = i < s.size() && s[i] == '-';
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
  int base = 10;
  if (i < s.size() && s[i] == '$') {
    base = 16, ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16, i += 2;
  }
  const uint64_t signedLimit = (uint64_t(1) << (bits - 1)) - (negative ? 0 : 1);
  const uint64_t limit = base == 16 ? (bits == 64 ? UINT64_MAX : (uint64_t(1) << bits) - 1) : signedLimit;
  uint64_t magnitude = 0;
  const size_t first = i;
  for (; i < s.size(); ++i) {
    const int digit = base == 16 ? HexValue(s[i]) : (IsDigit(s[i]) ? s[i] - '0' : -1);
    if (digit < 0) return false;
    if (magnitude > (limit - uint64_t(digit)) / uint64_t(base)) return false;
    magnitude = magnitude * uint64_t(base) + uint64_t(digit);
  }
  if (i == first) return false;
  if (base == 16 && bits == 32) magnitude = uint64_t(int64_t(int32_t(uint32_t(magnitude))));
  value = int64_t(negative ? 0 - magnitude : magnitude);
  return true;
}

[[noreturn]] void InvalidInteger(const String& s) { throw EConvertError("'" + s + "' 不是有效的整数值"); }

// Digits with optional separator and exponent, rewritten with "." for std::from_chars.
bool NormalizeFloatText(const String& s, char decimalSeparator, String& out) {
  size_t i = 0, end = s.size();
  while (i < end && IsBlank(s[i])) ++i;
  while (end > i && IsBlank(s[end - 1])) --end;
  if (i < end && (s[i] == '+' || s[i] == '-')) out += s[i++] == '-' ? "-" : "";
  int mantissaDigits = 0;
  for (; i < end && IsDigit(s[i]); ++i, ++mantissaDigits) out += s[i];
  if (i < end && s[i] == decimalSeparator) {
    out += '.';
    for (++i; i < end && IsDigit(s[i]); ++i, ++mantissaDigits) out += s[i];
  }
  if (mantissaDigits == 0) return false;
  if (i < end && (s[i] == 'e' || s[i] == 'E')) {
    out += 'e';
    if (++i < end && (s[i] == '+' || s[i] == '-')) out += s[i++];
    const size_t exponentStart = i;
    for (; i < end && IsDigit(s[i]); ++i) out += s[i];
    if (i == exponentStart) return false;
  }
  return i == end;
}

String ExponentText(int exponent, int minDigits, bool plusSign) {
  String digits = std::to_string(std::abs(exponent));
  if (int(digits.size()) < minDigits) digits.insert(0, size_t(minDigits) - digits.size(), '0');
  return (exponent < 0 ? "-" : plusSign ? "+" : "") + digits;
}

// The digits as fixed text with exactly `decimals` places and, when thousandSeparator is not 0,
// thousand separators in the whole part. No sign.
String FixedText(const TFloatDecimal& d, int decimals, char decimalSeparator, char thousandSeparator) {
  String out;
  const int wholeDigits = d.Exponent > 0 ? d.Exponent : 0;
  if (wholeDigits == 0) out += '0';
  for (int i = 0; i < wholeDigits; ++i) {
    out += d.DigitAt(i);
    const int remaining = wholeDigits - 1 - i;
    if (thousandSeparator && remaining > 0 && remaining % 3 == 0) out += thousandSeparator;
  }
  if (decimals > 0) out += decimalSeparator;
  for (int k = 0; k < decimals; ++k) out += d.DigitAt(d.Exponent + k);
  return out;
}

String GeneralText(double value, int precision, int expDigits, const TFormatSettings& fs) {
  const TFloatDecimal d = FloatToDecimal(value, precision);
  if (d.IsZero()) return "0";
  const String sign = d.Negative ? "-" : "";
  if (d.Exponent > precision || d.Exponent < -3) {
    String mantissa = sign + d.Digits[0];
    if (d.Digits.size() > 1) mantissa += fs.DecimalSeparator + d.Digits.substr(1);
    return mantissa + 'E' + ExponentText(d.Exponent - 1, expDigits, false);
  }
  const int decimals = std::max(0, int(d.Digits.size()) - d.Exponent);
  return sign + FixedText(d, decimals, fs.DecimalSeparator, 0);
}

String ExponentFormText(double value, int precision, int expDigits, const TFormatSettings& fs) {
  const TFloatDecimal d = FloatToDecimal(value, precision);
  String out = d.Negative && !d.IsZero() ? "-" : "";
  out += d.DigitAt(0);
  if (precision > 1) out += fs.DecimalSeparator;
  for (int k = 1; k < precision; ++k) out += d.DigitAt(k);
  return out + 'E' + ExponentText(d.IsZero() ? 0 : d.Exponent - 1, expDigits, true);
}

// Places the amount and the currency symbol as the settings' positive or negative layout says.
String CurrencyLayout(const String& amount, bool negative, const TFormatSettings& fs) {
  static const char* const positive[] = {"$1", "1$", "$ 1", "1 $"};
  static const char* const negativeForms[] = {"($1)", "-$1",  "$-1",  "$1-",  "(1$)",  "-1$",   "1-$",   "1$-",
                                              "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)"};
  const char* pattern = negative ? negativeForms[std::clamp(fs.NegCurrFormat, 0, 15)]
                                 : positive[std::clamp(fs.CurrencyFormat, 0, 3)];
  String out;
  for (const char* p = pattern; *p; ++p) out += *p == '$' ? fs.CurrencyString : *p == '1' ? amount : String(1, *p);
  return out;
}

}  // namespace

String IntToStr(int value) { return std::to_string(value); }

String IntToStr(int64_t value) { return std::to_string(value); }

String IntToHex(int value, int digits) { return IntToHex(int64_t(uint32_t(value)), digits); }

String IntToHex(int64_t value, int digits) {
  static const char hex[] = "0123456789ABCDEF";
  String out;
  for (uint64_t v = uint64_t(value); v != 0; v >>= 4) out.insert(out.begin(), hex[v & 0xF]);
  if (out.empty()) out += '0';
  if (int(out.size()) < digits) out.insert(0, size_t(digits) - out.size(), '0');
  return out;
}

bool TryStrToInt(const String& s, int& value) {
  int64_t wide = 0;
  if (!ParseInteger(s, 32, wide)) return false;
  value = int(wide);
  return true;
}

bool TryStrToInt64(const String& s, int64_t& value) { return ParseInteger(s, 64, value); }

int StrToInt(const String& s) {
  int value = 0;
  if (!TryStrToInt(s, value)) InvalidInteger(s);
  return value;
}

int64_t StrToInt64(const String& s) {
  int64_t value = 0;
  if (!TryStrToInt64(s, value)) InvalidInteger(s);
  return value;
}

int StrToIntDef(const String& s, int defaultValue) {
  int value = 0;
  return TryStrToInt(s, value) ? value : defaultValue;
}

int64_t StrToInt64Def(const String& s, int64_t defaultValue) {
  int64_t value = 0;
  return TryStrToInt64(s, value) ? value : defaultValue;
}

bool TryStrToFloat(const String& s, double& value, const TFormatSettings& fs) {
  String text;
  if (!NormalizeFloatText(s, fs.DecimalSeparator, text)) return false;
  double parsed = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

double StrToFloat(const String& s, const TFormatSettings& fs) {
  double value = 0;
  if (!TryStrToFloat(s, value, fs)) throw EConvertError("'" + s + "' 不是有效的浮点数值");
  return value;
}

double StrToFloatDef(const String& s, double defaultValue, const TFormatSettings& fs) {
  double value = 0;
  return TryStrToFloat(s, value, fs) ? value : defaultValue;
}

bool TryStrToBool(const String& s, bool& value, const TFormatSettings& fs) {
  const String word = Trim(s);
  if (SameText(word, "True") || SameText(word, "False")) {
    value = SameText(word, "True");
    return true;
  }
  double number = 0;
  if (!TryStrToFloat(word, number, fs)) return false;
  value = number != 0;
  return true;
}

bool StrToBool(const String& s, const TFormatSettings& fs) {
  bool value = false;
  if (!TryStrToBool(s, value, fs)) throw EConvertError("'" + s + "' 不是有效的布尔值");
  return value;
}

String FloatToStrF(double value, TFloatFormat format, int precision, int digits, const TFormatSettings& fs) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  precision = std::clamp(precision, 1, 17);
  switch (format) {
    case ffGeneral: return GeneralText(value, precision, std::clamp(digits, 0, 4), fs);
    case ffExponent: return ExponentFormText(value, precision, std::clamp(digits, 0, 4), fs);
    default: break;
  }
  digits = std::clamp(digits, 0, 18);
  TFloatDecimal d = FloatToDecimal(value, precision);
  if (d.Exponent > precision) return GeneralText(value, precision, 0, fs);
  RoundToDecimals(d, digits);
  const char thousands = format == ffFixed ? 0 : fs.ThousandSeparator;
  const String amount = FixedText(d, digits, fs.DecimalSeparator, thousands);
  const bool negative = d.Negative && !d.IsZero();
  if (format == ffCurrency) return CurrencyLayout(amount, negative, fs);
  return negative ? "-" + amount : amount;
}

String FloatToStr(double value, const TFormatSettings& fs) { return FloatToStrF(value, ffGeneral, 15, 0, fs); }
