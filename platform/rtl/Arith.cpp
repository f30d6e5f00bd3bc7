// Rounding and integer arithmetic (see Arith.h).
#include "rtl/Arith.h"

#include <cmath>

#include "rtl/Exceptions.h"

namespace {

// 2^63: the first double that no longer fits a signed 64-bit integer.
constexpr double kInt64Limit = 9223372036854775808.0;

int64_t ToInt64Checked(double whole) {
  if (!(whole >= -kInt64Limit && whole < kInt64Limit)) throw EInvalidOp("无效的浮点运算");
  return static_cast<int64_t>(whole);
}

}  // namespace

int64_t Round(double value) {
  // Halves to even is the IEEE default rounding mode that nearbyint follows.
  return ToInt64Checked(std::nearbyint(value));
}

int64_t Trunc(double value) { return ToInt64Checked(std::trunc(value)); }

double Int(double value) { return std::trunc(value); }

double Frac(double value) { return value - std::trunc(value); }

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const int64_t product = int64_t(a) * b;
  int64_t quotient = product / c;
  const int64_t remainder = product % c;
  // Round the magnitude: a remainder of at least half the divisor moves one step away from zero.
  if (2 * (remainder < 0 ? -remainder : remainder) >= (c < 0 ? -int64_t(c) : int64_t(c)))
    quotient += ((product < 0) != (c < 0)) ? -1 : 1;
  if (quotient < INT32_MIN || quotient > INT32_MAX) return -1;
  return int(quotient);
}

int Sign(int64_t value) { return (value > 0) - (value < 0); }

int Sign(double value) { return (value > 0) - (value < 0); }
