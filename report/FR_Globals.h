// The engine's globals that every report shares: the parser whose events the report binds, the
// report side of the script interpreter, and the script variables. They are made together on
// first use and live until the program ends. The constants are frConsts (FR_Const.h), the
// function libraries are in FR_FuncLib.h.
#pragma once

#include <functional>

#include "report/FR_Intrp.h"

// Names and calls of scripts go to the events of the engine's parser; assignments go, in this
// order, to a script variable of that name, to the report's own targets, or to a new script
// variable.
class TInterpretator : public TfrInterpretator {
 public:
  void GetValue(const String& Name, Variant& Value) override;
  void SetValue(const String& Name, const Variant& Value) override;
  void DoFunction(const String& Name, const Variant& P1, const Variant& P2, const Variant& P3,
                  Variant& Value) override;

  // The report's own targets of an assignment: a variable of its dictionary, MODALRESULT, CURY,
  // PROGRESS and Object.Property. Bound by the report; answers whether it took the value.
  std::function<bool(const String& Name, const Variant& Value)> OnSetReportValue;
};

TfrParser& frParser();
TInterpretator& frInterpretator();
// Sorted by name.
TfrVariables& frVariables();
