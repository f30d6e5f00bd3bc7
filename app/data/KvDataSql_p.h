// Helpers of the card and statistics builds of the data module: running a statement with bound
// values, quoting column names taken from the item tables, rounding half to even in SQL, the
// progress calls, which a build given no progress skips, and steps run range by range of
// student numbers so that the bar follows their work.
#pragma once

#include <cstdint>
#include <vector>

#include "app/data/KvData.h"

class TTaskProgress;

// The rows of a table.
int CountRows(TADOQuery* Query, const String& Table);
// A column name as a quoted SQL name, whatever characters the item tables gave it.
String QuotedColumn(const String& Name);
// SQL for the nearest integer to the value of Expr, halves to the even neighbour (12.5 gives 12,
// 13.5 gives 14); null stays null.
String RoundHalfEvenSql(const String& Expr);

void ShowTask(TTaskProgress* Progress, const String& Text, int Max);
void StepTask(TTaskProgress* Progress, int Count = 1);

// Student numbers from Low to High (both included) and how many students of a build they hold.
struct TStudentRange {
  int64_t Low;
  int64_t High;
  int Students;
};
// The students of a build (of the class, or of the school when ClassName is empty) in a few ranges
// of student numbers, in ascending order. The ranges cover every number, from the least to the
// greatest, so that results under numbers without a student row fall into one of them.
std::vector<TStudentRange> StudentRanges(TADOQuery* Query, const String& ClassName);
int Students(const std::vector<TStudentRange>& Ranges);

// How far the bar moves after a range: by the range's students, or by the rows its statement
// changed.
enum TRangeStep { rsStudents, rsChangedRows };
// A statement of a build's step with its bound values.
struct TStepStatement {
  String Sql;
  TSqlParams Params;
};
// One step of a build: Text with Max on the bar, then the statements on Query in their order once
// per range, their student numbers bound as :ALow and :AHigh, each range followed by its move of
// the bar.
void RunStepByRanges(TADOQuery* Query, TTaskProgress* Progress, const String& Text, int Max,
                     const std::vector<TStudentRange>& Ranges, TRangeStep Step,
                     std::vector<TStepStatement> Statements);

// Closes the queries it holds when the build that used them ends, whichever way it ends.
class TCloseQueries {
 public:
  explicit TCloseQueries(std::vector<TDataSet*> DataSets) : FDataSets(std::move(DataSets)) {}
  ~TCloseQueries() {
    for (TDataSet* dataSet : FDataSets) dataSet->Close();
  }
  TCloseQueries(const TCloseQueries&) = delete;
  TCloseQueries& operator=(const TCloseQueries&) = delete;

 private:
  std::vector<TDataSet*> FDataSets;
};
