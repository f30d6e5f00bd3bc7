// UTF-8 to GB18030 and back: exact bytes of characters from each range of the code page, and a
// round trip of Chinese text.
#include <gtest/gtest.h>

#include "rtl/CodePage.h"

namespace {

TEST(CodePageTest, ExactBytesOfCharacters) {
  const std::vector<std::pair<String, std::string>> cases = {
      {"A", "\x41"},
      {"中", "\xD6\xD0"},
      {"文", "\xCE\xC4"},
      {"体育", "\xCC\xE5\xD3\xFD"},
      {"€", "\xA2\xE3"},
      {"é", "\xA8\xA6"},
      {"\u0080", std::string("\x81\x30\x81\x30", 4)},  // four bytes for a character outside GBK
      {"😀", "\x94\x39\xFC\x36"},                       // and for one beyond the basic plane
      {"", ""},
  };
  for (const auto& [text, bytes] : cases) {
    EXPECT_EQ(Utf8ToGB18030(text), bytes) << text;
    EXPECT_EQ(GB18030ToUtf8(bytes), text) << text;
  }
}

TEST(CodePageTest, ChineseTextSurvivesTheRoundTrip) {
  const String text = "学生体能卡：高一(1)班 王小明，50米跑 7.8秒；立定跳远 2.31米。\r\n𠀀𪚥 ½ ©";
  const std::string bytes = Utf8ToGB18030(text);
  EXPECT_NE(bytes, text);
  EXPECT_EQ(GB18030ToUtf8(bytes), text);
}

TEST(CodePageTest, InvalidBytesBecomeReplacementCharacters) {
  EXPECT_EQ(GB18030ToUtf8("a\xFF"), "a\uFFFD");
  EXPECT_EQ(GB18030ToUtf8(Utf8ToGB18030("b\xC3")), "b\uFFFD");
  // Each conversion stands alone: the halves of a character in two calls are not joined.
  EXPECT_EQ(GB18030ToUtf8("\xD6\xD0"), "中");
  EXPECT_NE(GB18030ToUtf8("\xD6"), "中");
  EXPECT_NE(GB18030ToUtf8("\xD0"), "中");
}

}  // namespace
