// Code-point string routines: positions, clamping, trimming and case rules.
#include <gtest/gtest.h>

#include "rtl/Text.h"

TEST(Text, CountsCodePointsNotBytes) {
  EXPECT_EQ(Length("高一(1)班"), 6);
  EXPECT_EQ(Copy("高一(1)班", 2, 3), "一(1");
  EXPECT_EQ(Pos("班", "高一(1)班"), 6);
  EXPECT_EQ(Pos("x", "高一"), 0);
  EXPECT_EQ(Pos("", "abc"), 0);
  EXPECT_EQ(ByteOffsetOf("中a", 2), 3u);
}

TEST(Text, CopyAndDeleteClampOutOfRangeArguments) {
  struct Case { int index, count; const char* expected; };
  const Case cases[] = {{0, 2, "ab"}, {-3, 1, "a"}, {3, 10, "c"}, {4, 1, ""}, {2, 0, ""}, {2, -1, ""}};
  for (const auto& c : cases) EXPECT_EQ(Copy("abc", c.index, c.count), c.expected) << c.index << "," << c.count;

  String s = "体育成绩";
  Delete(s, 2, 2);
  EXPECT_EQ(s, "体绩");
  Delete(s, 5, 1);
  EXPECT_EQ(s, "体绩");
  Insert("育", s, 2);
  EXPECT_EQ(s, "体育绩");
  Insert("!", s, 99);
  EXPECT_EQ(s, "体育绩!");
}

TEST(Text, InvalidUtf8BytesCountAsOneCharacterAndSurvive) {
  const String bad = "a\xC3" "b\xFF";
  EXPECT_EQ(Length(bad), 4);
  EXPECT_EQ(Copy(bad, 2, 2), "\xC3" "b");
  EXPECT_EQ(FromCodePoints(ToCodePoints("中文 ok")), "中文 ok");
}

TEST(Text, TrimRemovesBlanksAndControlCharacters) {
  EXPECT_EQ(Trim(" \t\r\n 张三 \x01"), "张三");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a \n"), "  a");
  EXPECT_EQ(Trim(" \t "), "");
}

TEST(Text, CaseRulesLeaveChineseAlone) {
  EXPECT_EQ(UpperCase("abc高一é"), "ABC高一é");
  EXPECT_EQ(AnsiUpperCase("abc高一é"), "ABC高一É");
  EXPECT_EQ(LowerCase("ADMIN"), "admin");
  EXPECT_TRUE(SameText("Admin", "ADMIN"));
  EXPECT_FALSE(SameText("É", "é"));
  EXPECT_TRUE(AnsiSameText("É", "é"));
  EXPECT_LT(CompareText("abc", "ABD"), 0);
  // Text folds to lower case, so "Z" sorts after "[" and "_"; the order is the same with or
  // without characters beyond ASCII.
  struct Case {
    const char* A;
    const char* B;
    int Order;
  };
  for (const Case& c : {Case{"Fd_Name", "FD_NAME", 0}, Case{"abc", "ABD", -1}, Case{"Z", "[", 1}, Case{"a", "_", 1},
                        Case{"ab", "AB1", -1}, Case{"Zé", "[é", 1}, Case{"", "", 0}}) {
    EXPECT_EQ(AnsiCompareText(c.A, c.B), c.Order) << c.A << " " << c.B;
    EXPECT_EQ(AnsiCompareText(c.B, c.A), -c.Order) << c.B << " " << c.A;
  }
  EXPECT_GT(CompareStr("b", "a"), 0);
}

TEST(Text, ReplaceAndQuote) {
  EXPECT_EQ(StringReplace("a-b-c", "-", "+", 0), "a+b-c");
  EXPECT_EQ(StringReplace("a-b-c", "-", "+", rfReplaceAll), "a+b+c");
  EXPECT_EQ(StringReplace("Fd_fen FD_FEN", "fd_fen", "x", rfReplaceAll | rfIgnoreCase), "x x");
  EXPECT_EQ(QuotedStr("it's"), "'it''s'");
  EXPECT_EQ(DequotedStr("'it''s'"), "it's");
  EXPECT_EQ(DequotedStr("plain"), "plain");
}

TEST(Text, Utf16) {
  EXPECT_EQ(ToUtf16("a成"), (std::u16string{u'a', u'成'}));
  EXPECT_EQ(ToUtf16("\xF0\x9F\x98\x80"), (std::u16string{char16_t(0xD83D), char16_t(0xDE00)}));
  EXPECT_EQ(FromUtf16(std::u16string{char16_t(0xD83D), char16_t(0xDE00), u'绩'}), "\xF0\x9F\x98\x80绩");
  EXPECT_EQ(FromUtf16(std::u16string{char16_t(0xDC00)}), "\xEF\xBF\xBD") << "a lone surrogate";
}
