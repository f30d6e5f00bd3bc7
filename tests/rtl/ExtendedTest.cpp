// The ten bytes of an 80-bit extended float: known encodings and round trips of doubles.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "rtl/Extended.h"

TEST(Extended, KnownBytesAndRoundTrips) {
  struct Case {
    double Value;
    TExtendedBytes Bytes;
  };
  const Case cases[] = {
      {0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {1.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
      {-2.5, {0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}},
      {81.5, {0, 0, 0, 0, 0, 0, 0, 0xA3, 0x05, 0x40}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DoubleToExtended(c.Value), c.Bytes) << c.Value;
    EXPECT_EQ(ExtendedToDouble(c.Bytes), c.Value) << c.Value;
  }
  for (double v : {0.1, -1e300, 1e-310, std::numeric_limits<double>::denorm_min(), 123456789.125,
                   std::numeric_limits<double>::max(), -std::numeric_limits<double>::infinity()})
    EXPECT_EQ(ExtendedToDouble(DoubleToExtended(v)), v) << v;
  EXPECT_TRUE(std::isnan(ExtendedToDouble(DoubleToExtended(std::numeric_limits<double>::quiet_NaN()))));
  EXPECT_TRUE(std::signbit(ExtendedToDouble(DoubleToExtended(-0.0))));
}
