// Rounding and integer arithmetic with the original run-time library's rules: Round takes halves
// to the even neighbour, Trunc and Int cut toward zero, MulDiv rounds its quotient to the nearest.
#pragma once

#include <cstdint>

// Nearest integer, halves to the even neighbour (12.5 -> 12, 13.5 -> 14, -2.5 -> -2).
// Raises EInvalidOp for NaN, infinities and values outside the 64-bit range.
int64_t Round(double value);
// Cut toward zero; the same errors as Round.
int64_t Trunc(double value);
// Whole and fractional parts: Int(-2.7) = -2.0 and Frac(-2.7) = -0.7.
double Int(double value);
double Frac(double value);
// a * b / c over 64 bits, rounded to the nearest (halves away from zero); -1 when c is 0 or the
// result does not fit 32 bits.
int MulDiv(int a, int b, int c);
// -1, 0 or 1.
int Sign(int64_t value);
int Sign(double value);
