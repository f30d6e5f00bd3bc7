// Rounding and integer arithmetic: halves to even, cuts toward zero, MulDiv's rounding and errors.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "rtl/Arith.h"
#include "rtl/Exceptions.h"

TEST(Arith, RoundTakesHalvesToTheEvenNeighbour) {
  struct Case { double value; int64_t expected; };
  const Case cases[] = {{12.5, 12},  {13.5, 14},  {2.5, 2},   {3.5, 4},          {-2.5, -2},
                        {-3.5, -4},  {0.5, 0},    {1.5, 2},   {2.4999999, 2},    {2.5000001, 3},
                        {-0.4, 0},   {65.05 * 100, 6505},     {4503599627370497.0, 4503599627370497}};
  for (const auto& c : cases) EXPECT_EQ(Round(c.value), c.expected) << c.value;
}

TEST(Arith, RoundAndTruncRefuseValuesNoIntegerHolds) {
  EXPECT_THROW(Round(NAN), EInvalidOp);
  EXPECT_THROW(Round(INFINITY), EInvalidOp);
  EXPECT_THROW(Trunc(1e300), EInvalidOp);
  EXPECT_THROW(Round(9223372036854775808.0), EInvalidOp);
  EXPECT_EQ(Trunc(-9223372036854775808.0), INT64_MIN);
}

TEST(Arith, TruncIntAndFracCutTowardZero) {
  EXPECT_EQ(Trunc(2.9), 2);
  EXPECT_EQ(Trunc(-2.9), -2);
  EXPECT_EQ(Int(-2.7), -2.0);
  EXPECT_NEAR(Frac(-2.7), -0.7, 1e-12);
  EXPECT_NEAR(Frac(3.25), 0.25, 1e-12);
  EXPECT_EQ(Sign(-3.5), -1);
  EXPECT_EQ(Sign(0.0), 0);
  EXPECT_EQ(Sign(int64_t(7)), 1);
}

TEST(Arith, MulDivRoundsToNearestAndSignalsFailureWithMinusOne) {
  struct Case { int a, b, c, expected; };
  const Case cases[] = {
      {25, 28, 22, 32},  // 31.8 rounds up, not down
      {10, 1, 3, 3},      {10, 2, 3, 7},      {-10, 2, 3, -7},  {10, 2, -3, -7},
      {5, 1, 2, 3},       {-5, 1, 2, -3},     {1, 1, 0, -1},    {INT_MAX, 2, 1, -1},
      {INT_MAX, INT_MAX, INT_MAX, INT_MAX},   {INT_MIN, 1, 1, INT_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}
