// Helpers of the card and statistics builds of the data module: running a statement with bound
// values, quoting column names taken from the item tables, rounding half to even in SQL, and the
// progress window calls, which a build without a window skips.
#pragma once

#include <utility>
#include <vector>

#include "data/ADODB.h"

class TProgressTask;

using TSqlParams = std::vector<std::pair<String, Variant>>;

// Runs the statements of Sql on Query with the named values bound; answers the rows changed.
int RunSql(TADOQuery* Query, const String& Sql, const TSqlParams& Params = {});
// A column name as a quoted SQL name, whatever characters the item tables gave it.
String QuotedColumn(const String& Name);
// SQL for the nearest integer to the value of Expr, halves to the even neighbour (12.5 gives 12,
// 13.5 gives 14); null stays null.
String RoundHalfEvenSql(const String& Expr);

void ShowTask(TProgressTask* Progress, const String& Text, int Max);
void StepTask(TProgressTask* Progress);

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
