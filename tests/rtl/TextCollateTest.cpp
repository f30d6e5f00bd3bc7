// Locale order of text: case-sensitive, lower case before upper case of the same letter, Chinese
// by its reading rather than by code point.
#include <gtest/gtest.h>

#include "rtl/Text.h"

namespace {

TEST(TextCollateTest, AnsiCompareStrOrdersByTheLocale) {
  struct TCase {
    const char* A;
    const char* B;
    int Result;
  };
  const TCase cases[] = {
      {"a", "B", -1},      // code points would put "B" first
      {"b", "B", -1},      // case decides last, lower case first
      {"B", "b", 1},
      {"abc", "abc", 0},
      {"李", "张", -1},    // li before zhang, although U+674E follows U+5F20
      {"10", "9", -1},     // text, not numbers
      {"", "a", -1},
  };
  for (const TCase& c : cases) EXPECT_EQ(AnsiCompareStr(c.A, c.B), c.Result) << c.A << " " << c.B;
  EXPECT_LT(CompareStr("B", "a"), 0);
}

}  // namespace
