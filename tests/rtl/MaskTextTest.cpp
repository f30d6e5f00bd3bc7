// Text through an edit mask: the editable positions filled in order, literals, blanks, case
// switches, the saved-literals form and the separators of the format settings.
#include <gtest/gtest.h>

#include <utility>

#include "rtl/MaskText.h"

namespace {

TEST(MaskTextTest, MasksAndTheirFields) {
  const std::pair<const char*, const char*> cases[][2] = {
      {{"000-000;0; ", "123456"}, {"123-456", ""}},
      {{"000-000;0;*", "12"}, {"12*-***", ""}},
      {{"!000-000;0; ", "123"}, {"   -123", ""}},
      {{">LL<ll;0; ", "abCD"}, {"ABcd", ""}},
      {{"99/99/9999;0;_", "07032004"}, {"07-03-2004", ""}},
      {{"\\A00:00;0; ", "1230"}, {"A12:30", ""}},
      {{"000-000;1;_", "123x456"}, {"123-456", ""}},
      {{"000", "12"}, {"12_", ""}},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatMaskText(c[0].first, c[0].second), c[1].first) << c[0].first;
}

}  // namespace
