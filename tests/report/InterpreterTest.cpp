// The script interpreter: compiled lines with their jump targets, runs of loops, jumps and exit
// through a recording host, error texts with their positions, and the limits of the compiler.
#include <gtest/gtest.h>

#include <vector>

#include "report/FR_Intrp.h"
#include "rtl/Convert.h"
#include "rtl/Text.h"

namespace {

// Script variables in a list of their own; every assignment is recorded, and the call PROC(x)
// records its first argument's value.
class RecordingInterpreter : public TfrInterpretator {
 public:
  void GetValue(const String& Name, Variant& Value) override { Value = Variables.Variable(Name); }
  void SetValue(const String& Name, const Variant& Value) override {
    Variables.SetVariable(Name, Value);
    Assignments.push_back(Name + "=" + VarToStr(Value));
  }
  void DoFunction(const String& Name, const Variant& P1, const Variant&, const Variant&, Variant& Value) override {
    Calls.push_back(Name + "(" + VarToStr(Parser().Calc(VarToStr(P1))) + ")");
    Value = 0;
  }

  TfrVariables Variables;
  std::vector<String> Assignments;
  std::vector<String> Calls;
};

TStringList Lines(std::initializer_list<const char*> lines) {
  TStringList list;
  for (const char* line : lines) list.Add(line);
  return list;
}

// A compiled line made readable: "?T cond" for a conditional jump to line T, ">T" for a jump,
// "!expr" for an expression; control characters of the postfix text as #n.
String Show(const String& line) {
  String text;
  size_t from = 0;
  if (line[0] == frCondJump) {
    text = "?" + IntToStr(frScriptTarget(line)) + " ";
    from = 3;
  } else if (line[0] == frJump) {
    return ">" + IntToStr(frScriptTarget(line));
  } else if (line[0] == frExpression) {
    text = "!";
    from = 1;
  }
  for (char c : line.substr(from)) text += static_cast<unsigned char>(c) < ' ' ? "#" + IntToStr(int(c)) : String(1, c);
  return text;
}

std::vector<String> Compile(const TStringList& source, String* error = nullptr) {
  TfrInterpretator interpreter;
  TStringList compiled, errors;
  interpreter.PrepareScript(source, compiled, errors);
  if (error) *error = errors.Count() > 0 ? errors[0] : String();
  else EXPECT_EQ(errors.Count(), 0) << errors.Text();
  std::vector<String> shown;
  for (int i = 0; i < compiled.Count(); ++i) shown.push_back(Show(compiled[i]));
  return shown;
}

struct CompileCase {
  const char* Source;
  std::vector<String> Expected;
};

TEST(InterpreterTest, CompiledLines) {
  const CompileCase cases[] = {
      {"begin a := 1; b := a + 1 end", {"a 1 ", "b a 1 +"}},
      {"if x > 1 then y := 1 else y := 2", {"?3 x 1 >", "y 1 ", ">4", "y 2 "}},
      {"if x > 1 then y := 1", {"?2 x 1 >", "y 1 "}},
      {"IF x THEN begin a := 1; b := 2 end ELSE c := 3", {"?4 x ", "a 1 ", "b 2 ", ">5", "c 3 "}},
      {"while i < 3 do i := i + 1", {"?3 i 3 <", "i i 1 +", ">0"}},
      {"repeat i := i + 1; j := i until i >= 3", {"i i 1 +", "j i ", "?0 i 3 #1"}},
      {"for i := 1 to n + 1 do s := s + i", {"i 1 ", "?5 i n 1 +#2", "s s i +", "i i 1 +", ">1"}},
      {"begin 10: a := a + 1; if a < 3 then goto 10 end", {"a a 1 +", "?3 a 3 <", ">0"}},
      {"begin goto 7; a := 1; 7: b := 2 end", {">2", "a 1 ", "b 2 "}},
      {"begin a := 1; exit; b := 2 end", {"a 1 ", "!exit(0)", "b 2 "}},
      {"if a then exit else b := 1", {"?3 a ", "!exit(0)", ">4", "b 1 "}},
      {"proc(1, 'x')", {"!proc(1, 'x')"}},
      {"a[i + 1] := 'x'", {"!SETARRAY(a, i + 1, 'x')"}},
      {"Memo1.Visible := not [Flag]", {"Memo1.Visible [Flag] #12"}},
      {"x := -(1 + 2) * 3 mod 2", {"x 1 2 +3 *2 #13#9"}},
      {"begin a := 1 end;;", {"a 1 "}},
      {"begin ; a := 1; end", {"a 1 "}},
      {"begin end", {}},
      {"", {}},
  };
  for (const CompileCase& c : cases) EXPECT_EQ(Compile(Lines({c.Source})), c.Expected) << c.Source;
}

TEST(InterpreterTest, CommentsAndLinesOfTheSource) {
  EXPECT_EQ(Compile(Lines({"begin { the first", "  one } a := 1; // a comment", "\tb := 'x{y}//z' end"})),
            (std::vector<String>{"a 1 ", "b 'x{y}//z' "}));
  EXPECT_EQ(Compile(Lines({"begin", "  a := 10//2", "end{done}"})), (std::vector<String>{"a 10 "}));
}

TEST(InterpreterTest, RunsLoopsJumpsAndExit) {
  struct RunCase {
    std::vector<const char*> Source;
    const char* Name;
    Variant Expected;
    int Assignments;
  };
  const RunCase cases[] = {
      {{"begin s := 0;", "for i := 1 to 3 do s := s + i end"}, "I", 4.0, 8},
      {{"begin s := 0;", "for i := 1 to 3 do s := s + i end"}, "S", 6.0, 8},
      {{"begin s := 0; for i := 5 to 3 do s := 1 end"}, "S", 0.0, 2},
      {{"begin i := 0; while i < 4 do i := i + 1 end"}, "I", 4.0, 5},
      {{"begin i := 0; repeat i := i + 2 until i > 5 end"}, "I", 6.0, 4},
      {{"begin i := 0; 1: i := i + 1; if i < 3 then goto 1 end"}, "I", 3.0, 4},
      {{"begin a := 1; exit; a := 2 end"}, "A", 1.0, 1},
      {{"if 2 > 1 then a := 'then' else a := 'else'"}, "A", "then", 1},
      {{"if 'x' = 'y' then a := 'then' else a := 'else'"}, "A", "else", 1},
  };
  for (const RunCase& c : cases) {
    RecordingInterpreter interpreter;
    TStringList source, compiled, errors;
    for (const char* line : c.Source) source.Add(line);
    interpreter.PrepareScript(source, compiled, errors);
    ASSERT_EQ(errors.Count(), 0) << errors.Text();
    interpreter.DoScript(compiled);
    EXPECT_EQ(VarToStr(interpreter.Variables.Variable(c.Name)), VarToStr(c.Expected)) << c.Source[0];
    EXPECT_EQ(int(interpreter.Assignments.size()), c.Assignments) << c.Source[0];
  }
}

TEST(InterpreterTest, CallsGoToTheHostAndCompiledListsRunAgain) {
  RecordingInterpreter interpreter;
  TStringList compiled, errors;
  interpreter.PrepareScript(Lines({"begin proc(2 * 3); x := proc('a') end"}), compiled, errors);
  interpreter.DoScript(compiled);
  interpreter.DoScript(compiled);
  EXPECT_EQ(interpreter.Calls, (std::vector<String>{"PROC(6)", "PROC(a)", "PROC(6)", "PROC(a)"}));
  EXPECT_EQ(interpreter.Assignments, (std::vector<String>{"x=0", "x=0"}));
}

TEST(InterpreterTest, RunErrorsPropagate) {
  RecordingInterpreter interpreter;
  TStringList compiled, errors;
  interpreter.PrepareScript(Lines({"a := 1 mod 0"}), compiled, errors);
  EXPECT_THROW(interpreter.DoScript(compiled), Exception);
}

struct ErrorCase {
  std::vector<const char*> Source;
  const char* Expected;
};

TEST(InterpreterTest, ErrorTextsAndPositions) {
  const ErrorCase cases[] = {
      {{"if x > 1 thn y := 1"}, "Line 1/10: Need \"then\" here"},
      {{"{ comment } if x > 1 thn y := 1"}, "Line 1/22: Need \"then\" here"},
      {{"{ two", "lines } if x thn y := 1"}, "Line 2/14: Need \"then\" here"},
      {{"begin", "  a := 1"}, "Line 3/0: Need \";\" or \"end\" here"},
      {{"begin a := 1 b := 2 end"}, "Line 1/14: Need \";\" or \"end\" here"},
      {{"repeat a := 1 b := 2 until a"}, "Line 1/15: Need \";\" or \"until\" here"},
      {{"while a a := 1"}, "Line 1/9: Need \"do\" here"},
      {{"for i := 1 downto 3 do a := 1"}, "Line 1/12: Need \"to\" here"},
      {{"for i := 1 to 3 a := 1"}, "Line 1/17: Need \"do\" here"},
      {{"for i = 1 to 3 do a := 1"}, "Line 1/7: Need \":=\" here"},
      {{"goto x"}, "Line 1/6: \"goto\" label must be a number"},
      {{"a 1"}, "Line 1/3: Need \":=\" here"},
      {{"exit"}, "Line 2/0: Need \":=\" here"},
      {{"begin exit end;"}, "Line 1/12: Need \":=\" here"},
      {{"a := (1 + 2"}, "Line 2/0: Need \")\" here"},
      {{"a := b[1"}, "Line 2/0: Need \"]\" here"},
      {{"a := [b"}, "Line 2/0: Need \"]\" here"},
      {{"a := f(1 2)"}, "Line 1/10: Need \",\" or \")\" here"},
      {{"a := 'open"}, "Line 2/0: Need \"'\" here"},
      {{"a := )"}, "Line 1/6: Need an operand here"},
      {{"begin a := 1;", "  b := * end"}, "Line 2/8: Need an operand here"},
      {{"begin a := 1; goto 10 end"}, "Line 1/20: Label \"10\" not found"},
      {{"a := f(1, 2, 3, 4)"}, "Line 1/6: Too many arguments: a function takes at most three"},
      {{"if '中文' = x thn y := 1"}, "Line 1/13: Need \"then\" here"},
      {{"a := 1; b := 2"}, "Line 1/9: Unexpected text after the script"},
  };
  for (const ErrorCase& c : cases) {
    TStringList source;
    for (const char* line : c.Source) source.Add(line);
    String error;
    Compile(source, &error);
    EXPECT_EQ(error, c.Expected) << c.Source[0];
  }
}

TEST(InterpreterTest, LimitsAreRejectedWithAnError) {
  String error;
  TStringList longSource;
  for (int i = 0; i < 2200; ++i) longSource.Add("a := a + 1234;");
  EXPECT_TRUE(Compile(longSource, &error).empty());
  EXPECT_EQ(error, "Script too long: more than 32000 bytes");

  TStringList labels;
  labels.Add("begin");
  for (int i = 0; i <= 101; ++i) labels.Add(IntToStr(i) + ": a := 1;");
  labels.Add("end");
  Compile(labels, &error);
  EXPECT_EQ(error, "Line 103/1: Too many labels: at most 101");

  Compile(Lines({(String(300, '(') + "1" + String(300, ')')).c_str()}), &error);
  EXPECT_NE(error.find("Script nested too deeply"), String::npos);
  String nested;
  for (int i = 0; i < 300; ++i) nested += "begin ";
  Compile(Lines({nested.c_str()}), &error);
  EXPECT_NE(error.find("Script nested too deeply"), String::npos);
}

TEST(InterpreterTest, FindsFunctionCallsInEveryExpression) {
  TfrInterpretator interpreter;
  TStringList compiled, errors, match, found;
  interpreter.PrepareScript(Lines({"begin if SUM([a]) > 1 then x := COUNT(Band1) + f(MAX([b])) else proc(SUM([c])); "
                                   "while [v] > 0 do y := 1 end"}),
                            compiled, errors);
  ASSERT_EQ(errors.Count(), 0) << errors.Text();
  for (const char* name : {"SUM", "COUNT", "MAX"}) match.Add(name);
  TfrVariables variables;
  variables.SetVariable("v", "MIN([d]) + SUM([e])");
  interpreter.GetFunctions(compiled, match, found, variables);
  EXPECT_EQ(found.Text(), "SUM([a])\r\nCOUNT(Band1)\r\nMAX([b])\r\nSUM([c])\r\n SUM([e])\r\n");
}

}  // namespace
