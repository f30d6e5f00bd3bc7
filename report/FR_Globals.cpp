// The engine's globals, made together in the order the engine needs them, and the report side of
// the script interpreter.
#include "report/FR_Globals.h"

namespace {

struct TfrGlobals {
  TfrGlobals() { Variables.SetSorted(true); }
  TfrParser Parser;
  TInterpretator Interpretator;
  TfrVariables Variables;
};

TfrGlobals& Globals() {
  static TfrGlobals globals;
  return globals;
}

}  // namespace

TfrParser& frParser() { return Globals().Parser; }

TInterpretator& frInterpretator() { return Globals().Interpretator; }

TfrVariables& frVariables() { return Globals().Variables; }

void TInterpretator::GetValue(const String& Name, Variant& Value) {
  if (frParser().OnGetValue) frParser().OnGetValue(Name, Value);
}

void TInterpretator::SetValue(const String& Name, const Variant& Value) {
  TfrVariables& variables = frVariables();
  if (variables.IndexOf(Name) >= 0 || !OnSetReportValue || !OnSetReportValue(Name, Value))
    variables.SetVariable(Name, Value);
}

void TInterpretator::DoFunction(const String& Name, const Variant& P1, const Variant& P2, const Variant& P3,
                                Variant& Value) {
  if (frParser().OnFunction) frParser().OnFunction(Name, P1, P2, P3, Value);
}
