// The lenient reading of typed dates: blanks, points and commas between the numbers of a date,
// a time after the date or alone, and the texts that are no date at all.
#include <gtest/gtest.h>

#include "rtl/DateTime.h"

namespace {

class LenientDateTest : public testing::Test {
 protected:
  void SetUp() override { FPrevious = SetClockSource([] { return EncodeDate(2004, 3, 7) + EncodeTime(9, 30, 0, 0); }); }
  void TearDown() override { SetClockSource(std::move(FPrevious)); }

 private:
  TClockSource FPrevious;
};

}  // namespace

TEST_F(LenientDateTest, NumbersMaySeparateByBlanksPointsAndCommas) {
  struct Case {
    const char* Text;
    TDateTime Expected;
  };
  const Case cases[] = {
      {"2003-5-1", EncodeDate(2003, 5, 1)},          {"2003 5 1", EncodeDate(2003, 5, 1)},
      {"2003.5.1", EncodeDate(2003, 5, 1)},          {"2003,5,1", EncodeDate(2003, 5, 1)},
      {" 2003  05 01 ", EncodeDate(2003, 5, 1)},     {"5 1", EncodeDate(2004, 5, 1)},
      {"2003 5 1 12:30", EncodeDate(2003, 5, 1) + EncodeTime(12, 30, 0, 0)},
      {"5 1 12:30", EncodeDate(2004, 5, 1) + EncodeTime(12, 30, 0, 0)},
      {"12:30", EncodeTime(12, 30, 0, 0)},
  };
  for (const Case& c : cases) {
    TDateTime value = 0;
    EXPECT_TRUE(TryLenientStrToDateTime(c.Text, value)) << c.Text;
    EXPECT_DOUBLE_EQ(value, c.Expected) << c.Text;
  }
  for (const char* bad : {"", "abc", "2003 x 1", "2003-2-30", "12", "2003 5 1 x"}) {
    TDateTime value = 1;
    EXPECT_FALSE(TryLenientStrToDateTime(bad, value)) << bad;
    EXPECT_EQ(value, 1) << bad;
  }
  TDateTime strict = 1;
  EXPECT_FALSE(TryStrToDateTime("2003 5 1", strict)) << "the strict reading stays strict";
}

TEST_F(LenientDateTest, TheShortDateOrderDecidesWhichNumberIsWhich) {
  TFormatSettings fs;
  fs.ShortDateFormat = "dd.mm.yyyy";
  fs.DateSeparator = '.';
  TDateTime value = 0;
  ASSERT_TRUE(TryLenientStrToDateTime("12 05 2003", value, fs));
  EXPECT_EQ(value, EncodeDate(2003, 5, 12));
}
