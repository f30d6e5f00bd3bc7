// The SQLite side of the data sets: the open database with its table descriptions and cached
// statements, parameters in SQL text, binding values and reading columns by field type.
#pragma once

#include <sqlite3.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>

#include "data/DB.h"
#include "rtl/Text.h"

struct TSqliteStatementDeleter {
  void operator()(sqlite3_stmt* Statement) const { sqlite3_finalize(Statement); }
};
using TSqliteStatement = std::unique_ptr<sqlite3_stmt, TSqliteStatementDeleter>;

struct TTableColumn {
  String Name;
  bool NotNull = false;
  bool HasDefault = false;
  bool AutoIncrement = false;
};

struct TTableInfo {
  String Name;
  bool IsView = false;
  std::vector<TTableColumn> Columns;
  // The primary key, or else the first unique index over columns that are never null; empty when
  // rows can only be told apart by all their values.
  std::vector<String> KeyColumns;
  const TTableColumn* Find(const String& Column) const;
};

struct TCaseless {
  bool operator()(const String& a, const String& b) const { return AnsiCompareText(a, b) < 0; }
};

class TSqliteDatabase {
 public:
  // Opens an existing database file for reading and writing and runs SQLite's quick check over
  // it, so that a damaged file is refused rather than read as blank rows. TimeLimit: see
  // SetStatementTimeLimit.
  TSqliteDatabase(const String& Path, int TimeLimit);
  ~TSqliteDatabase();
  TSqliteDatabase(const TSqliteDatabase&) = delete;
  TSqliteDatabase& operator=(const TSqliteDatabase&) = delete;

  sqlite3* Handle() const { return FDb; }
  // The longest a statement may run, in seconds, waiting for locks included (waiting gives up
  // after 5 seconds at most); 0 for no limit. A statement that runs longer is stopped and raises.
  void SetStatementTimeLimit(int Seconds);
  // The next statement of Sql from Tail on (Tail moves past it); nullptr when only blanks and
  // comments remain.
  TSqliteStatement Prepare(const String& Sql, size_t& Tail);
  // A statement kept for reuse, reset and with its bindings cleared.
  sqlite3_stmt* Cached(const String& Sql);
  // Steps a statement: true for a row, false at its end. An error (the file busy, damaged, the
  // time limit reached) resets the statement and raises.
  bool Step(sqlite3_stmt* Statement);
  // Steps a statement that returns no rows; the answer is the rows it changed.
  int Run(sqlite3_stmt* Statement);
  void Exec(const String& Sql);
  // Tables and views by name, without regard to case; EDatabaseError for an unknown name.
  const TTableInfo& Table(const String& Name);
  // The names of the tables (not the views), SQLite's own tables left out.
  std::vector<String> TableNames();

  bool InTransaction() const { return sqlite3_get_autocommit(FDb) == 0; }
  // Runs Work so that its changes are written together or not at all: as a savepoint inside the
  // open transaction, else as a transaction of its own. A failure, the commit's included, is
  // raised with nothing of Work written and no transaction or savepoint of Work left open.
  void Atomically(const String& Savepoint, const std::function<void()>& Work);
  // Rolls back the open transaction, if any: after a failed commit nothing may stay open.
  void AbandonTransaction();
  // Raises the last error with Context (the statement) on a line of its own: a busy file, a
  // damaged one and a statement stopped by the time limit each say so.
  [[noreturn]] void Fail(const String& Context) const;

 private:
  String FailureReason() const;
  void CheckIntegrity(const String& Path);
  void StatementStarts();
  static int Progress(void* Database);
  void ReadColumns(TTableInfo& Info);
  std::vector<String> UniqueKey(const TTableInfo& Info);
  sqlite3* FDb = nullptr;
  std::map<String, TSqliteStatement> FCache;
  std::map<String, TTableInfo, TCaseless> FTables;
  int FTimeLimit = 0;
  std::chrono::steady_clock::time_point FStatementStart;
  bool FTimedOut = false;
};

// SQL text whose ":Name" parameters (outside quotes and comments) are written as "?N", N being
// the 1-based position of the name among Names.
struct TParsedSql {
  String Text;
  std::vector<String> Names;
};
TParsedSql ParseParameters(const String& Sql);

// Dates and times are stored as text "YYYY-MM-DD HH:MM:SS".
String FormatDbDateTime(TDateTime Value);
bool ParseDbDateTime(const char* Text, TDateTime& Value);
void BindValue(TSqliteDatabase& Db, sqlite3_stmt* Statement, int Index, const Variant& Value);
Variant ReadColumn(sqlite3_stmt* Statement, int Column, TFieldType Type);
// The field type a declared column type names, and the size of VARCHAR(n).
TFieldType FieldTypeOfDeclared(const String& Declared, int& Size);
String QuoteName(const String& Name);
