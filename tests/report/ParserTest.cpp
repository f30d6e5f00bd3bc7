// The expression language: values of expressions from one table, the exact postfix texts, the
// names and calls handed to the events, the errors, the named-value list and the function splitter.
#include <gtest/gtest.h>

#include "report/FR_Pars.h"
#include "rtl/DateTime.h"

namespace {

struct ValueCase {
  const char* Expression;
  Variant Expected;
};

// Names a, b and s; every other name is its own text, so tests can see what reached the event.
TfrParser MakeParser() {
  TfrParser parser;
  parser.OnGetValue = [](const String& name, Variant& value) {
    if (name == "a" || name == "A") value = 1;
    else if (name == "b") value = 2.5;
    else if (name == "s") value = "x";
    else value = "name:" + name;
  };
  parser.OnFunction = [](const String& name, const Variant& p1, const Variant& p2, const Variant& p3,
                         Variant& value) { value = name + "|" + VarToStr(p1) + "|" + VarToStr(p2) + "|" + VarToStr(p3); };
  return parser;
}

TEST(ParserTest, ValuesOfExpressions) {
  const ValueCase cases[] = {
      {"2+3*4", 14.0},
      {"(2+3)*4", 20.0},
      {"-2*3", -6.0},
      {"-(1+2)", -3.0},
      {"+4", 4.0},
      {"5/0", 0},
      {"[a]/([b]-2.5)", 0},
      {"7/2", 3.5},
      {"7 mod 3", 1},
      {"int(2.9999999999999)", 3.0},
      {"int(-2.5)", -2.0},
      {"frac(3.00000000001)", 0.0},
      {"frac(2.75)", 0.75},
      {"round(2.5)", 2},
      {"round(3.5)", 4},
      {"round(-2.5)", -2},
      {"1 or 1", 2.0},
      {"2 and 0", 0.0},
      {"not 0", 1},
      {"not 5", 0},
      {"'It''s'", "It's"},
      {"'a' + 'b'", "ab"},
      {"'a;b' + ''", "a;b"},
      {"copy('abcdef', 2, 3)", "bcd"},
      {"copy('体育课成绩', 2, 2)", "育课"},
      {"if(1 > 2, 'x', 'y')", "y"},
      {"IF(2 > 1, 'x', 'y')", "x"},
      {"if(0.5, 'x', 'y')", "y"},
      {"if(true, 'x', 'y')", "x"},
      {"3;garbage", 3.0},
      {"", 0},
      {"  \r\n ", 0},
      {"str(12) + '3'", "123"},
      {"1 < 2", 1},
      {"2 <= 2", 1},
      {"3 >= 4", 0},
      {"1 <> 1", 0},
      {"'a' = 'a'", 1},
      {"([a] > 0) or ([b] > 10)", 1},
      {"[a] > 1 or [b] > 2", 0},  // or binds tighter: a > (1 or b) > 2
      {"True", true},
      {"false", false},
      {"1,5 + .5", 2.0},
      {"[a] + 2 * 3", 7.0},
      {"[a]+[b]", 3.5},
      {"s", "name:S"},
      {"[s] + 'y'", "xy"},
      {"2*-3", -6.0},
      {"2--3", 5.0},
      {"1 and not 0", 1.0},
      {"not not 1", 1},
      {"strtodate('2004-3-7')", Variant::FromDateTime(EncodeDate(2004, 3, 7))},
      {"strtotime('9:30')", Variant::FromDateTime(EncodeTime(9, 30, 0, 0))},
  };
  TfrParser parser = MakeParser();
  for (const auto& [expression, expected] : cases) {
    const Variant value = parser.Calc(expression);
    EXPECT_EQ(VarType(value), VarType(expected)) << expression;
    EXPECT_EQ(VarToStr(value), VarToStr(expected)) << expression;
  }
}

TEST(ParserTest, PostfixTexts) {
  const std::pair<const char*, String> cases[] = {
      {"[a] + 2 * 3", "[a] 2 3 *+"},
      {"-(1+2)", "1 2 +\x09"},
      {"+x", "x \x0A"},
      {"a > 1 or b > 2", "a 1 b \x04>2 >"},
      {"a >= 1 and b <= 2 <> c", "a 1 b \x05\x01\x32 \x02\x63 \x03"},
      {"int(x) + frac(y) - round(z) + str(w)", "x \x06y \x07+z \x0E-w \x0B+"},
      {"not a mod 2", "a \x0C\x32 \x0D"},
      {"copy('a', 1, 1)+Field1", "copy('a', 1, 1)Field1 +"},
      {"arr[i + 1] * 2", "arr[i + 1] 2 *"},
      {"tbl.\"学 号\" = 'It''s'", "tbl.\"学 号\" 'It''s' ="},
      {"2*-3", "2 3 \x09*"},
      {"%dx + 1", "%dx 1 +"},
      {"1 2;3", "1 2 "},
  };
  const TfrParser parser;
  for (const auto& [expression, postfix] : cases) EXPECT_EQ(parser.GetPostfix(expression), postfix) << expression;
}

TEST(ParserTest, NamesAndCallsReachTheEventsAsWritten) {
  TfrParser parser;
  std::vector<String> names;
  parser.OnGetValue = [&](const String& name, Variant& value) {
    names.push_back(name);
    value = 1;
  };
  std::vector<String> calls;
  parser.OnFunction = [&](const String& name, const Variant& p1, const Variant& p2, const Variant& p3, Variant& value) {
    calls.push_back(name + "|" + VarToStr(p1) + "|" + VarToStr(p2) + "|" + VarToStr(p3));
    value = 2;
  };
  EXPECT_EQ(VarToStr(parser.Calc("[Price] + Price + [a[1]] + adqPrint.\"Fd_Name\"")), "4");
  EXPECT_EQ(names, (std::vector<String>{"Price", "PRICE", "a[1]", "ADQPRINT.\"FD_NAME\""}));
  EXPECT_EQ(VarToStr(parser.Calc("sum([x], Band1) + arr[2] + f('a,(b', (1), g(2,3))")), "6");
  EXPECT_EQ(calls, (std::vector<String>{"SUM|[x]| Band1|", "GETARRAY|arr|2|", "F|'a,(b'| (1)| g(2,3)"}));
}

TEST(ParserTest, WithoutEventsNamesAndCallsAreNull) {
  TfrParser parser;
  EXPECT_TRUE(VarIsNull(parser.Calc("[x]")));
  EXPECT_TRUE(VarIsNull(parser.Calc("f(1)")));
  EXPECT_EQ(VarToStr(parser.Calc("str([x]) + 'a'")), "a");
}

TEST(ParserTest, ErrorsOfBadExpressions) {
  const std::pair<const char*, const char*> parserErrors[] = {
      {"copy('a', 1", ""},
      {"(1+2", "Unbalanced parentheses"},
      {"1+2)", "Unbalanced parentheses"},
      {"'abc", "Unterminated string"},
      {"[a", "Missing \"]\""},
      {"f(1,2,3,4)", "Too many arguments: a function takes at most three"},
      {"1 2 3 4 5 6 7 8 9", "Expression too complex: more than 8 pending values"},
      {"*3", "Operand expected"},
      {"not", "Operand expected"},
  };
  TfrParser parser = MakeParser();
  for (const auto& [expression, message] : parserErrors) {
    try {
      parser.Calc(expression);
      ADD_FAILURE() << expression << " did not raise";
    } catch (const EParserError& e) {
      EXPECT_EQ(e.Message(), message) << expression;
    }
  }
  EXPECT_EQ(VarToStr(parser.Calc("1 2 3 4 5 6 7 8")), "1");  // eight pending values still fit
  EXPECT_THROW(parser.Calc("7 mod 0"), EDivByZero);
  EXPECT_THROW(parser.Calc("2abc + 1"), EConvertError);
  EXPECT_THROW(parser.Calc("if('x', 1, 2)"), EConvertError);
  EXPECT_THROW(parser.Calc("copy('abc', 1.5, 1)"), EConvertError);
  EXPECT_THROW(parser.Calc("'abc' + 1"), EVariantError);
  EXPECT_THROW(parser.Calc("round(1e10)"), EVariantError);
  EXPECT_THROW(parser.Calc("strtodate('no date')"), EConvertError);
  EXPECT_THROW(parser.CalcPostfix("1 (2"), EParserError);
  EXPECT_THROW(parser.CalcPostfix(String("1\x08", 2)), EParserError);
}

TEST(ParserTest, SelfReferringAndDeeplyNestedExpressionsStopWithAnError) {
  TfrParser parser;
  parser.OnGetValue = [&](const String& name, Variant& value) { value = parser.Calc("[" + name + "] + 1"); };
  EXPECT_THROW(parser.Calc("[x]"), EParserError);
  String nested = "1";
  for (int i = 0; i < 200; ++i) nested = "if(1, " + nested + ", 0)";
  EXPECT_THROW(parser.Calc(nested), EParserError);
  String shallow = "1";
  for (int i = 0; i < 20; ++i) shallow = "if(1, " + shallow + ", 0)";
  EXPECT_EQ(VarToStr(parser.Calc(shallow)), "1");
  // A failed evaluation leaves the parser usable.
  EXPECT_EQ(VarToStr(parser.Calc("2+3*4")), "14");
}

TEST(ParserTest, TextRoutines) {
  int pos = 1;
  EXPECT_EQ(ReadIdentifier("  ab\"c d\"e+f", pos), "ab\"c d\"e");
  EXPECT_EQ(pos, 11);
  pos = 2;
  EXPECT_EQ(ReadQuotedString("x'a''b'c", pos), "'a''b'");
  EXPECT_EQ(pos, 8);
  String p1, p2, p3;
  pos = 2;
  ReadArguments("f(a, (b,c) ,'x,)')+1", pos, p1, p2, p3);
  EXPECT_EQ(p1, "a");
  EXPECT_EQ(p2, " (b,c) ");
  EXPECT_EQ(p3, "'x,)'");
  EXPECT_EQ(pos, 19);
  int end = -1;
  EXPECT_EQ(ReadBracketed("x[a[b]']' \"[\"]y", 2, end), "a[b]']' \"[\"");
  EXPECT_EQ(end, 14);
  EXPECT_EQ(ReadBracketed("x[a]", 1, end), "");
  EXPECT_EQ(end, 0);
  EXPECT_EQ(ReadBracketed("[a[b]", 1, end), "");
  EXPECT_EQ(end, 0);
  EXPECT_EQ(ReadBracketed("[]", 1, end), "");
  EXPECT_EQ(end, 2);
}

TEST(ParserTest, VariablesKeepOrderAndFindNamesWithoutRegardToCase) {
  TfrVariables vars;
  vars.SetVariable("Zeta", 1);
  vars.SetVariable("alpha", "a");
  vars.SetVariable("ZETA", 2);
  ASSERT_EQ(vars.Count(), 2);
  EXPECT_EQ(vars.Name(0), "Zeta");
  EXPECT_EQ(VarToStr(vars.Variable("zeta")), "2");
  EXPECT_TRUE(VarIsNull(vars.Variable("beta")));
  EXPECT_EQ(VarToStr(vars.Value(5)), "0");
  EXPECT_EQ(vars.Name(-1), "");
  vars.SetValue(7, 3);
  vars.SetName(7, "x");
  vars.Delete(7);
  EXPECT_EQ(vars.Count(), 2);

  vars.SetSorted(true);
  EXPECT_EQ(vars.Name(0), "alpha");
  vars.SetVariable("Mid", 3);
  vars.SetVariable("beta", 4);
  EXPECT_EQ(vars.Name(1), "beta");
  EXPECT_EQ(vars.Name(2), "Mid");
  EXPECT_EQ(vars.IndexOf("MID"), 2);
  EXPECT_EQ(vars.IndexOf("gamma"), -1);
  vars.SetName(0, "omega");
  EXPECT_EQ(vars.Name(2), "omega");
  vars.Delete(0);
  EXPECT_EQ(vars.Name(0), "Mid");
  vars.Clear();
  EXPECT_EQ(vars.Count(), 0);
}

TEST(ParserTest, SplitterFindsCallsInArgumentsAndVariables) {
  TStringList match;
  match.Add("SUM");
  match.Add("COUNT");
  TStringList found;
  TfrVariables vars;
  vars.SetVariable("v", "Sum([b])");
  vars.SetVariable("self", "[self] + MAX(x) + count(Band2)");
  TfrFunctionSplitter splitter(&match, &found, &vars);
  splitter.Split(" SUM([a]) + IF(1, COUNT(Band1), [v]) * v - [self]");
  EXPECT_EQ(found.Text(), "SUM([a])\r\nCOUNT(Band1)\r\nSum([b])\r\nSum([b])\r\n count(Band2)\r\n");
}

}  // namespace
