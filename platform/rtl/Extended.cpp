// Converting between doubles and the ten bytes of an 80-bit extended float.
#include "rtl/Extended.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr int ExtendedBias = 16383;
constexpr int DoubleBias = 1023;

}  // namespace

TExtendedBytes DoubleToExtended(double Value) {
  uint64_t bits = 0;
  std::memcpy(&bits, &Value, sizeof bits);
  const bool negative = bits >> 63;
  const int exponent = int((bits >> 52) & 0x7FF);
  uint64_t fraction = bits & ((uint64_t(1) << 52) - 1);
  uint64_t mantissa = 0;
  int stored = 0;
  if (exponent == 0x7FF) {
    // Infinity or NaN: the highest exponent and the integer bit, the fraction kept.
    stored = 0x7FFF;
    mantissa = (uint64_t(1) << 63) | (fraction << 11);
  } else if (exponent != 0) {
    stored = exponent - DoubleBias + ExtendedBias;
    mantissa = (uint64_t(1) << 63) | (fraction << 11);
  } else if (fraction != 0) {
    // A subnormal double is a normal extended: the fraction is shifted up to the integer bit.
    int shift = 0;
    while (!(fraction & (uint64_t(1) << 52))) {
      fraction <<= 1;
      ++shift;
    }
    stored = 1 - DoubleBias - shift + ExtendedBias;
    mantissa = fraction << 11;
  }
  TExtendedBytes bytes{};
  for (int i = 0; i < 8; ++i) bytes[size_t(i)] = uint8_t(mantissa >> (8 * i));
  const unsigned top = unsigned(stored) | (negative ? 0x8000u : 0u);
  bytes[8] = uint8_t(top);
  bytes[9] = uint8_t(top >> 8);
  return bytes;
}

double ExtendedToDouble(const TExtendedBytes& Bytes) {
  uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | Bytes[size_t(i)];
  const unsigned top = unsigned(Bytes[8]) | (unsigned(Bytes[9]) << 8);
  const bool negative = top & 0x8000;
  const int exponent = int(top & 0x7FFF);
  double value = 0;
  if (exponent == 0x7FFF) {
    value = (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity() : std::numeric_limits<double>::quiet_NaN();
  } else if (mantissa != 0) {
    // mantissa * 2^(exponent - bias - 63), split so that no step leaves a double's range early.
    value = std::ldexp(double(mantissa), exponent - ExtendedBias - 63);
  }
  return negative ? -value : value;
}
