// The standard function library of reports: aggregates, dates, texts, numbers and the two
// dialogs. Arguments arrive as texts and are evaluated with the engine's parser when used.
#pragma once

#include "report/FR_FuncLib.h"

class TfrStdFunctionLibrary : public TfrFunctionLibrary {
 public:
  // Offers AVG, COUNT, DAYOF, FORMATDATETIME, FORMATFLOAT, FORMATTEXT, INPUT, LENGTH, LOWERCASE,
  // MAX, MAXNUM, MESSAGEBOX, MIN, MINNUM, MONTHOF, NAMECASE, POS, SUM, TRIM, UPPERCASE, YEAROF
  // (numbered in this order) and describes them, the evaluator's built-ins, the operators, the
  // report's variables and the script procedures in the function catalogue.
  TfrStdFunctionLibrary();
  void DoFunction(int FNo, const Variant& P1, const Variant& P2, const Variant& P3, Variant& Value) override;
};
