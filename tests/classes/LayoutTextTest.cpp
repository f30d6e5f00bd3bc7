// The text form of layouts: every value kind reads and prints back to the same text, and
// malformed text fails with the line of the fault.
#include <gtest/gtest.h>

#include "classes/LayoutText.h"

namespace {

const char* const kEveryKind =
    "object fmLogon: TfmLogon\n"
    "  Left = -300\n"
    "  Ratio = 1.5\n"
    "  Scale = 2.0\n"
    "  Tiny = 1e-300\n"
    "  Caption = '登录 it''s'\n"
    "  Hint = 'line one'#13#10'line two'\n"
    "  Empty = ''\n"
    "  Align = alClient\n"
    "  Font.Style = [fsBold, fsItalic]\n"
    "  NoStyle = []\n"
    "  Lines = (\n"
    "    'a'\n"
    "    'b')\n"
    "  Nested = (\n"
    "    1\n"
    "    (\n"
    "      True)\n"
    "    ())\n"
    "  Columns = <\n"
    "    item\n"
    "      Caption = 'x'\n"
    "      Items = <>\n"
    "    end\n"
    "    item\n"
    "    end>\n"
    "  Data = {\n"
    "    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F\n"
    "    FF}\n"
    "  Blank = {}\n"
    "  OnShow = FormShow\n"
    "  object edtLogon: TEdit\n"
    "    MaxLength = 16\n"
    "    object TPanel\n"
    "    end\n"
    "  end\n"
    "end\n";

TEST(LayoutText, EveryValueKindPrintsBackToTheSameText) {
  const TLayoutObject root = ParseLayout(kEveryKind);
  EXPECT_EQ(PrintLayout(root), kEveryKind);
  EXPECT_EQ(root.Properties[4].Value.Text, "登录 it's");
  EXPECT_EQ(root.Properties[5].Value.Text, "line one\r\nline two");
  EXPECT_EQ(root.Properties[13].Value.Bytes.size(), 33u);
  EXPECT_EQ(root.Properties[10].Line, 12);
  EXPECT_EQ(root.Children[0].Line, 32);
  EXPECT_EQ(root.Children[0].Children[0].Name, "");
}

TEST(LayoutText, ReaderAcceptsLooserSpellingOfTheSameValues) {
  const TLayoutObject root = ParseLayout(
      "\xEF\xBB\xBF" "OBJECT f: TForm\r\n  A = +5\r\n\tB = 'x'#32'y'\r\n  C = { 0a 0B }\r\n  D = [ a,b ]\r\n"
      "  E = #20013#25991\r\n  F = < ITEM END >\r\nEnd");
  EXPECT_EQ(root.Properties[0].Value.Integer, 5);
  EXPECT_EQ(root.Properties[1].Value.Text, "x y");
  EXPECT_EQ(root.Properties[2].Value.Bytes, (std::vector<uint8_t>{10, 11}));
  EXPECT_EQ(root.Properties[3].Value.Names, (std::vector<String>{"a", "b"}));
  EXPECT_EQ(root.Properties[4].Value.Text, "中文");
  EXPECT_EQ(root.Properties[5].Value.CollectionItems.size(), 1u);
}

TEST(LayoutText, FloatsAndStringsPrintSoThatTheyReadBackExactly) {
  for (double value : {0.1, -0.0, 1e21, 123456789.125, 5e-324, 2.0 / 3}) {
    const String text = LayoutFloatText(value);
    const TLayoutObject root = ParseLayout("object a: T\n  F = " + text + "\nend\n");
    EXPECT_EQ(root.Properties[0].Value.Kind, TValueKind::Float) << text;
    EXPECT_EQ(root.Properties[0].Value.Float, value) << text;
  }
  for (const String& s : {String("\x01"), String("''"), String("a\tb'"), String("\x7F\xC3")}) {
    const TLayoutObject root = ParseLayout("object a: T\n  S = " + LayoutQuote(s) + "\nend\n");
    EXPECT_EQ(root.Properties[0].Value.Text, s);
  }
}

struct TBadText {
  const char* Text;
  int Line;
  const char* Message;
};

TEST(LayoutText, MalformedTextFailsWithTheLineOfTheFault) {
  const TBadText cases[] = {
      {"", 1, "'object' expected"},
      {"object a: T\n  X = 1\n", 3, "'end' expected"},
      {"object a: T\n  X 1\nend", 2, "'=' expected"},
      {"object a: T\n  X = 'abc\nend", 2, "Unterminated string"},
      {"object a: T\n\n  X = { 0G }\nend", 3, "Invalid hexadecimal digit in binary value"},
      {"object a: T\n  X = { 012 }\nend", 2, "Odd number of hexadecimal digits in binary value"},
      {"object a: T\n  X = {\n 00\n", 2, "Unterminated binary value"},
      {"object a: T\n  X = 99999999999999999999\nend", 2, "Invalid number 99999999999999999999"},
      {"object a: T\n  X = 1.5e\nend", 2, "Invalid number 1.5e"},
      {"object a: T\n  X = #55296\nend", 2, "Invalid character code in string"},
      {"object a: T\n  X = [a b]\nend", 2, "',' expected"},
      {"object a: T\n  X = < end >\nend", 2, "'item' expected"},
      {"object a: T\n  X = )\nend", 2, "Property value expected"},
      {"object a: T\n  X = ;\nend", 2, "Invalid character in layout text"},
      {"object a: T\nend\nobject b: T\nend", 3, "Text after the end of the layout"},
      {"object : T\nend", 1, "Component name or class expected"},
  };
  for (const TBadText& c : cases) {
    try {
      ParseLayout(c.Text);
      ADD_FAILURE() << c.Text;
    } catch (const ELayoutError& e) {
      EXPECT_EQ(e.Line(), c.Line) << c.Text;
      EXPECT_EQ(e.Message(), "Line " + std::to_string(c.Line) + ": " + c.Message) << c.Text;
    }
  }
}

TEST(LayoutText, DeepNestingIsRefusedInsteadOfExhaustingTheStack) {
  const String deep = "object a: T\n  X = " + String(100000, '(') + "\nend";
  EXPECT_THROW(ParseLayout(deep), ELayoutError);
  String objects;
  for (int i = 0; i < 1000; ++i) objects += "object T\n";
  EXPECT_THROW(ParseLayout(objects), ELayoutError);
}

}  // namespace
