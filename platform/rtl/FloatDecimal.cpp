// Decimal digits of a double (see FloatDecimal_p.h), from the shortest correctly rounded
// scientific form that std::to_chars gives.
#include "rtl/FloatDecimal_p.h"

#include <charconv>
#include <cmath>

namespace {

void StripTrailingZeros(TFloatDecimal& d) {
  while (!d.Digits.empty() && d.Digits.back() == '0') d.Digits.pop_back();
  if (d.Digits.empty()) d.Exponent = 0;
}

// Cuts the digits to `keep`, rounding half away from zero on the first dropped digit.
void RoundAt(TFloatDecimal& d, int keep) {
  if (keep >= int(d.Digits.size())) return;
  if (keep < 0) {
    d.Digits.clear();
    d.Exponent = 0;
    return;
  }
  const bool up = d.Digits[size_t(keep)] >= '5';
  d.Digits.resize(size_t(keep));
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.Digits[size_t(i)] == '9') d.Digits[size_t(i--)] = '0';
    if (i >= 0) {
      ++d.Digits[size_t(i)];
    } else {
      d.Digits.insert(d.Digits.begin(), '1');
      ++d.Exponent;
    }
  }
  StripTrailingZeros(d);
}

}  // namespace

TFloatDecimal FloatToDecimal(double value, int precision) {
  precision = precision < 1 ? 1 : precision > 17 ? 17 : precision;
  if (precision < 15) {
    // Round what FloatToStr shows, not the binary value: 1234.5 and 2.675 both round up.
    TFloatDecimal d = FloatToDecimal(value, 15);
    RoundAt(d, precision);
    return d;
  }
  TFloatDecimal d;
  d.Negative = std::signbit(value);
  if (value == 0) return d;
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific, precision - 1);
  const char* p = buffer;
  for (; p != result.ptr && *p != 'e'; ++p)
    if (*p != '.') d.Digits += *p;
  int exponent = 0;
  if (p != result.ptr) std::from_chars(p + (p[1] == '+' ? 2 : 1), result.ptr, exponent);
  d.Exponent = exponent + 1;
  StripTrailingZeros(d);
  return d;
}

void RoundToSignificant(TFloatDecimal& d, int count) { RoundAt(d, count); }

void RoundToDecimals(TFloatDecimal& d, int decimals) { RoundAt(d, d.Exponent + decimals); }

String NonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  return {};
}
