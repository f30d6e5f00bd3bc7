// Fuzz target of the report engine's expression language, whose texts come from report files:
// any text converts and evaluates to a value or fails with the language's or the run-time
// library's own error, and never loops, recurses without end or reads outside the text. The
// function splitter and the format-suffix reader take the same text.
#include <cstdint>

#include "report/FR_Format.h"
#include "report/FR_Pars.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const String text(reinterpret_cast<const char*>(data), size);
  TfrParser parser;
  // A name is evaluated as an expression in turn, as the report does with names it cannot find.
  parser.OnGetValue = [&](const String& name, Variant& value) {
    value = name.size() % 3 == 0 ? parser.Calc(name) : Variant(int(name.size()));
  };
  parser.OnFunction = [&](const String&, const Variant& p1, const Variant&, const Variant&, Variant& value) {
    value = parser.Calc(VarToStr(p1));
  };
  try {
    const Variant value = parser.CalcPostfix(parser.GetPostfix(text));
    FormatValue(value, int(size) << 16, text);
  } catch (const Exception&) {
    // a syntax, conversion or arithmetic error: the expected outcome for most inputs
  }
  TStringList match;
  match.Add("SUM");
  TStringList found;
  TfrVariables variables;
  variables.SetVariable("v", text);
  try {
    TfrFunctionSplitter(&match, &found, &variables).Split(text);
  } catch (const Exception&) {
  }
  String name = text;
  int format = 0;
  String formatText;
  try {
    if (ReadFormatSuffix(name, format, formatText)) FormatValue(Variant(1234.5), format, formatText);
  } catch (const Exception&) {
  }
  return 0;
}
