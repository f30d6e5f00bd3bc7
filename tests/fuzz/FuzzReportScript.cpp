// Fuzz target of the report engine's script compiler, whose scripts come from report files: any
// text compiles or yields one error line, and never loops, recurses without end or reads outside
// the text. A compiled list whose jumps all go forwards is also run, and searched for calls.
#include <cstdint>

#include "report/FR_Intrp.h"

namespace {

bool JumpsOnlyForwards(const TStrings& compiled) {
  for (int i = 0; i < compiled.Count(); ++i) {
    const String line = compiled[i];
    if ((line[0] == frCondJump || line[0] == frJump) && frScriptTarget(line) <= i) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TStringList source;
  source.SetText(String(reinterpret_cast<const char*>(data), size));
  TfrInterpretator interpreter;
  TStringList compiled, errors;
  interpreter.PrepareScript(source, compiled, errors);
  if (errors.Count() > 1) __builtin_trap();
  TStringList match, found;
  match.Add("SUM");
  TfrVariables variables;
  try {
    interpreter.GetFunctions(compiled, match, found, variables);
    if (errors.Count() == 0 && JumpsOnlyForwards(compiled)) interpreter.DoScript(compiled);
  } catch (const Exception&) {
    // an evaluation error: the expected outcome for many scripts
  }
  return 0;
}
