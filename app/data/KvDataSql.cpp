// Statement, name, rounding and progress helpers of the card and statistics builds, and their
// steps run range by range of student numbers.
#include "app/data/KvDataSql_p.h"

#include <algorithm>
#include <limits>

#include "app/data/TaskProgress.h"

void PrepareSql(TADOQuery* Query, const String& Sql, const TSqlParams& Params) {
  Query->Close();
  Query->SQL()->SetText(Sql);
  for (const auto& [name, value] : Params) Query->Parameters().ParamByName(name).SetValue(value);
}

void OpenSql(TADOQuery* Query, const String& Sql, const TSqlParams& Params) {
  PrepareSql(Query, Sql, Params);
  Query->Open();
}

int RunSql(TADOQuery* Query, const String& Sql, const TSqlParams& Params) {
  PrepareSql(Query, Sql, Params);
  return Query->ExecSQL();
}

int CountRows(TADOQuery* Query, const String& Table) {
  PrepareSql(Query, "select count(*) from " + Table, {});
  Query->Open();
  const int rows = Query->Fields()[0]->AsInteger();
  Query->Close();
  return rows;
}

String QuotedColumn(const String& Name) {
  String quoted = "\"";
  for (char c : Name) quoted += c == '"' ? String("\"\"") : String(1, c);
  return quoted + "\"";
}

namespace {

// The integer part, then one step away from zero when the rest is over a half, or exactly a half
// beside an odd integer part. Subtracting the integer part of a double is exact.
String RoundHalfEvenBySteps(const String& X) {
  const String whole = "cast(" + X + " as integer)";
  const String rest = "abs(" + X + " - " + whole + ")";
  return "(" + whole + " + case when " + rest + " > 0.5 or (" + rest + " = 0.5 and " + whole +
         " % 2 <> 0) then (case when " + X + " < 0 then -1 else 1 end) else 0 end)";
}

}  // namespace

// Adding 1.5 × 2^52 leaves no bits for a fraction, so the double addition itself rounds a value
// below 2^51 in magnitude to the nearest integer, halves to the even one, and subtracting the
// constant again is exact. This evaluates Expr twice instead of seven times, which counts where
// it is a weighted sum over every card. Larger values take the steps.
String RoundHalfEvenSql(const String& Expr) {
  const String x = "(" + Expr + ")";
  return "(case when abs(" + x + ") < 2251799813685248.0 then cast((" + x +
         " + 6755399441055744.0) - 6755399441055744.0 as integer) else " + RoundHalfEvenBySteps(x) + " end)";
}

void ShowTask(TTaskProgress* Progress, const String& Text, int Max) {
  if (Progress) Progress->SetTask(Text, Max);
}

void StepTask(TTaskProgress* Progress, int Count) {
  if (Progress) Progress->StepBy(Count);
}

namespace {

// A long step runs in at most this many ranges, so that the bar moves as it goes; each range
// prepares the step's statements anew, so more of them would cost more than the bar shows. A
// range holds at least MinRangeStudents students, so that a short step runs in one statement.
constexpr int StepRanges = 3;
constexpr int MinRangeStudents = 300;

}  // namespace

// The ranges meet, so that every number falls into one: results under numbers that no student has
// are built with their neighbours. Only the last number of every range but the last is read, each
// by skipping the students before it in the index of the numbers.
std::vector<TStudentRange> StudentRanges(TADOQuery* Query, const String& ClassName) {
  const String students = String(" from Tb_Students") + (ClassName.empty() ? "" : " where Fd_Class = :AClass");
  TSqlParams params = ClassName.empty() ? TSqlParams{} : TSqlParams{{"AClass", ClassName}};
  OpenSql(Query, "select count(*)" + students, params);
  const int count = Query->Fields()[0]->AsInteger();
  const int share = std::max(MinRangeStudents, (count + StepRanges - 1) / StepRanges);
  String ends;
  for (int taken = share; taken < count; taken += share) {
    const String offset = "ASkip" + std::to_string(taken / share);
    ends += String(ends.empty() ? "select " : ", ") + "(select Fd_StuNo" + students +
            " order by Fd_StuNo limit 1 offset :" + offset + ")";
    params.emplace_back(offset, taken - 1);
  }
  std::vector<TStudentRange> ranges;
  int64_t low = std::numeric_limits<int64_t>::min();
  if (!ends.empty()) {
    OpenSql(Query, ends, params);
    for (int i = 0; i < Query->FieldCount(); ++i) {
      const int64_t high = Query->Fields()[i]->AsInteger();
      ranges.push_back({low, high, share});
      low = high + 1;
    }
  }
  Query->Close();
  ranges.push_back({low, std::numeric_limits<int64_t>::max(), count - Students(ranges)});
  return ranges;
}

int Students(const std::vector<TStudentRange>& Ranges) {
  int students = 0;
  for (const TStudentRange& range : Ranges) students += range.Students;
  return students;
}

void RunStepByRanges(TADOQuery* Query, TTaskProgress* Progress, const String& Text, int Max,
                     const std::vector<TStudentRange>& Ranges, TRangeStep Step,
                     std::vector<TStepStatement> Statements) {
  ShowTask(Progress, Text, Max);
  for (TStepStatement& statement : Statements) {
    statement.Params.emplace_back("ALow", Variant());
    statement.Params.emplace_back("AHigh", Variant());
  }
  for (const TStudentRange& range : Ranges) {
    int rows = 0;
    for (TStepStatement& statement : Statements) {
      TSqlParams& params = statement.Params;
      params[params.size() - 2].second = range.Low;
      params.back().second = range.High;
      rows += RunSql(Query, statement.Sql, params);
    }
    StepTask(Progress, Step == rsStudents ? range.Students : rows);
  }
}
