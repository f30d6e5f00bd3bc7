// Decimal digits of a double, the common ground of every number-to-text routine: the value is
// taken to at most 15 (or the asked) significant digits first, so that a number formats the way it
// shows, and then rounded to the places a format asks for, halves away from zero.
#pragma once

#include "rtl/Types.h"

// value = -(if Negative) 0.D1D2...Dn x 10^Exponent. Digits has no trailing zeros; zero has none.
struct TFloatDecimal {
  bool Negative = false;
  int Exponent = 0;
  String Digits;

  bool IsZero() const { return Digits.empty(); }
  // The digit at 0-based position i, '0' past the end.
  char DigitAt(int i) const { return i >= 0 && i < int(Digits.size()) ? Digits[size_t(i)] : '0'; }
};

// A finite value rounded to precision significant digits (clamped to 1..17).
TFloatDecimal FloatToDecimal(double value, int precision);
// Keeps at most `count` significant digits.
void RoundToSignificant(TFloatDecimal& d, int count);
// Keeps at most `decimals` digits after the decimal point; may leave zero.
void RoundToDecimals(TFloatDecimal& d, int decimals);

// The text of NaN and the infinities ("NAN", "INF", "-INF"); empty for a finite value.
String NonFiniteText(double value);
