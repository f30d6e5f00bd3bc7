// Statement, name, rounding and progress helpers of the card and statistics builds.
#include "app/KvDataSql_p.h"

#include "app/dialogs/ProgressTask.h"

int RunSql(TADOQuery* Query, const String& Sql, const TSqlParams& Params) {
  Query->Close();
  Query->SQL()->SetText(Sql);
  for (const auto& [name, value] : Params) Query->Parameters().ParamByName(name).SetValue(value);
  return Query->ExecSQL();
}

String QuotedColumn(const String& Name) {
  String quoted = "\"";
  for (char c : Name) quoted += c == '"' ? String("\"\"") : String(1, c);
  return quoted + "\"";
}

// The integer part, then one step away from zero when the rest is over a half, or exactly a half
// beside an odd integer part. Subtracting the integer part of a double is exact.
String RoundHalfEvenSql(const String& Expr) {
  const String x = "(" + Expr + ")";
  const String whole = "cast(" + x + " as integer)";
  const String rest = "abs(" + x + " - " + whole + ")";
  return "(" + whole + " + case when " + rest + " > 0.5 or (" + rest + " = 0.5 and " + whole +
         " % 2 <> 0) then (case when " + x + " < 0 then -1 else 1 end) else 0 end)";
}

void ShowTask(TProgressTask* Progress, const String& Text, int Max) {
  if (Progress) Progress->SetTask(Text, Max);
}

void StepTask(TProgressTask* Progress) {
  if (Progress) Progress->StepIt();
}
