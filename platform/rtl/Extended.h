// The 80-bit extended float as stored files hold it: ten little-endian bytes, a 64-bit mantissa
// with an explicit integer bit, then a 15-bit exponent (bias 16383) and the sign. Converted by
// hand, so that the bytes do not depend on the host's long double.
#pragma once

#include <array>
#include <cstdint>

using TExtendedBytes = std::array<uint8_t, 10>;

// Every double, infinities and NaN included, has an exact extended form.
TExtendedBytes DoubleToExtended(double Value);
// Rounded to the nearest double; values beyond a double's range become infinities or zeros.
double ExtendedToDouble(const TExtendedBytes& Bytes);
