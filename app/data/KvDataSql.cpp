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

// The integer part, then one step away from zero when the rest is over a half, or exactly a half
// beside an odd integer part. Subtracting the integer part of a double is exact.
String RoundHalfEvenSql(const String& Expr) {
  const String x = "(" + Expr + ")";
  const String whole = "cast(" + x + " as integer)";
  const String rest = "abs(" + x + " - " + whole + ")";
  return "(" + whole + " + case when " + rest + " > 0.5 or (" + rest + " = 0.5 and " + whole +
         " % 2 <> 0) then (case when " + x + " < 0 then -1 else 1 end) else 0 end)";
}

void ShowTask(TTaskProgress* Progress, const String& Text, int Max) {
  if (Progress) Progress->SetTask(Text, Max);
}

void StepTask(TTaskProgress* Progress, int Count) {
  if (Progress) Progress->StepBy(Count);
}

namespace {

// A long step runs in at most this many ranges, so that the bar moves smoothly; a range holds at
// least MinRangeStudents students, so that a short step runs in one statement.
constexpr size_t StepRanges = 10;
constexpr size_t MinRangeStudents = 300;

}  // namespace

std::vector<TStudentRange> StudentRanges(TADOQuery* Query, const String& ClassName) {
  PrepareSql(Query,
             String("select Fd_StuNo from Tb_Students") + (ClassName.empty() ? "" : " where Fd_Class = :AClass") +
                 " order by Fd_StuNo",
             ClassName.empty() ? TSqlParams{} : TSqlParams{{"AClass", ClassName}});
  Query->Open();
  std::vector<int> students;
  for (Query->First(); !Query->Eof(); Query->Next()) students.push_back(Query->Fields()[0]->AsInteger());
  Query->Close();
  const size_t share = std::max(MinRangeStudents, (students.size() + StepRanges - 1) / StepRanges);
  std::vector<TStudentRange> ranges;
  for (size_t i = 0; i < students.size(); i += share) {
    const size_t end = std::min(students.size(), i + share);
    ranges.push_back({students[i], students[end - 1], int(end - i)});
  }
  if (ranges.empty()) ranges.push_back({0, 0, 0});
  ranges.front().Low = std::numeric_limits<int>::min();
  ranges.back().High = std::numeric_limits<int>::max();
  return ranges;
}

int Students(const std::vector<TStudentRange>& Ranges) {
  int students = 0;
  for (const TStudentRange& range : Ranges) students += range.Students;
  return students;
}

int RunStepByRanges(TADOQuery* Query, TTaskProgress* Progress, const String& Text, int Max,
                    const std::vector<TStudentRange>& Ranges, TRangeStep Step, const String& Sql, TSqlParams Params) {
  ShowTask(Progress, Text, Max);
  Params.emplace_back("ALow", Variant());
  Params.emplace_back("AHigh", Variant());
  int changed = 0;
  for (const TStudentRange& range : Ranges) {
    Params[Params.size() - 2].second = range.Low;
    Params.back().second = range.High;
    const int rows = RunSql(Query, Sql, Params);
    StepTask(Progress, Step == rsStudents ? range.Students : rows);
    changed += rows;
  }
  return changed;
}
