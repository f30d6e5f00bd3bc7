// The open statement of an SQLite data set: the statements before the query run once, the query
// describes its columns (with the tables they come from) and is stepped again whenever the rows
// are read; and the writing of posted records into the table that posts go to.
#pragma once

#include <functional>

#include "data/ADODB.h"
#include "data/Sqlite_p.h"

struct TCursorColumn {
  String Table;   // base table the column comes from; empty for an expression
  String Origin;  // its name there
  TFieldType Type = ftUnknown;
};

using TParameterSource = std::function<Variant(const String& Name)>;

class TADOCursor {
 public:
  TADOCursor(TSqliteDatabase& Db, const String& Sql, TParameterSource Parameters);

  // Fills Defs with the query's columns. UpdateTable names the table that posts go to; when it
  // is empty and every column that comes from a table comes from the same one, that table.
  void Describe(TFieldDefs& Defs, const String& UpdateTable);
  // Binds the parameters and runs the query from its start.
  void Restart();
  // The next row; false at the end.
  bool Next(TRowValues& Row);
  void Finish() { sqlite3_reset(FQuery.get()); }

  bool Writable() const { return FTable != nullptr; }
  // Field positions whose values identify a row of the update table (its key); empty when the
  // key is not among the columns.
  const std::vector<int>& KeyFields() const { return FKeyFields; }
  // Writes a record. Insert answers the row's values as the table now holds them.
  void Insert(TRowValues& Values, const std::vector<bool>& Assigned);
  void Update(const TRowValues& OldValues, const TRowValues& Values, const std::vector<bool>& Changed);
  void Delete(const TRowValues& OldValues);

 private:
  void RunLeadingStatements();
  void ChooseUpdateTable(const String& UpdateTable);
  void BindParameters(sqlite3_stmt* Statement);
  String RowCondition(const TRowValues& OldValues, std::vector<Variant>& Arguments) const;
  void RunWrite(const String& Sql, const std::vector<Variant>& Arguments, bool MustChange);
  void ReadBack(sqlite3_int64 RowId, TRowValues& Values);

  TSqliteDatabase& FDb;
  TParsedSql FSql;
  TParameterSource FParameters;
  TSqliteStatement FQuery;
  std::vector<TCursorColumn> FColumns;
  const TTableInfo* FTable = nullptr;
  std::vector<int> FTableFields;  // fields that are columns of the update table
  std::vector<int> FKeyFields;
};

// Runs every statement of Sql with its parameters; the answer is the rows they changed.
int ExecuteStatements(TSqliteDatabase& Db, const String& Sql, const TParameterSource& Parameters);
