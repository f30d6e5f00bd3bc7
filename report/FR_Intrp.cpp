// TfrInterpretator: the hooks of the base class, the runner of compiled lines, and the search for
// function calls in a compiled list. The compiler itself is in FR_IntrpCompiler.cpp.
#include "report/FR_Intrp.h"

#include "report/FR_IntrpCompiler_p.h"
#include "rtl/Text.h"

namespace {

// The expression of a compiled line, or nothing for a jump.
String ExpressionOf(const String& line) {
  switch (line.empty() ? 0 : line[0]) {
    case 0: case frJump: return String();
    case frCondJump: return line.substr(3);
    case frExpression: return line.substr(1);
    default: {
      const size_t blank = line.find(' ');
      return blank == String::npos ? String() : line.substr(blank + 1);
    }
  }
}

}  // namespace

int frScriptTarget(const String& line) {
  const auto byte = [&](size_t i) { return i < line.size() ? int(static_cast<unsigned char>(line[i])) : 0; };
  return byte(1) | (byte(2) << 8);
}

TfrInterpretator::TfrInterpretator() {
  FParser.OnGetValue = [this](const String& name, Variant& value) { GetValue(name, value); };
  FParser.OnFunction = [this](const String& name, const Variant& p1, const Variant& p2, const Variant& p3,
                              Variant& value) { DoFunction(name, p1, p2, p3, value); };
}

void TfrInterpretator::GetValue(const String&, Variant&) {}

void TfrInterpretator::SetValue(const String&, const Variant&) {}

void TfrInterpretator::DoFunction(const String&, const Variant&, const Variant&, const Variant&, Variant&) {}

void TfrInterpretator::PrepareScript(const TStrings& Source, TStrings& Compiled, TStrings& Errors) {
  CompileScript(Source, Compiled, Errors);
}

void TfrInterpretator::DoScript(const TStrings& Compiled) {
  int i = 0;
  while (i < Compiled.Count()) {
    const String line = Compiled[i];
    const char code = line.empty() ? 0 : line[0];
    if (code == 0) {
      ++i;
    } else if (code == frCondJump) {
      i = FParser.CalcPostfix(line.substr(3)) == Variant(0) ? frScriptTarget(line) : i + 1;
    } else if (code == frJump) {
      i = frScriptTarget(line);
    } else if (code == frExpression) {
      if (UpperCase(line.substr(1)) == "EXIT(0)") return;
      FParser.CalcPostfix(line.substr(1));
      ++i;
    } else {
      const size_t blank = line.find(' ');
      const String name = line.substr(0, blank);
      SetValue(name, FParser.CalcPostfix(blank == String::npos ? String() : line.substr(blank + 1)));
      ++i;
    }
  }
}

void TfrInterpretator::GetFunctions(const TStrings& Compiled, const TStrings& MatchFuncs, TStrings& SplitTo,
                                    const TfrVariables& Variables) {
  TfrFunctionSplitter splitter(&MatchFuncs, &SplitTo, &Variables);
  for (int i = 0; i < Compiled.Count(); ++i) splitter.Split(ExpressionOf(Compiled[i]));
}
