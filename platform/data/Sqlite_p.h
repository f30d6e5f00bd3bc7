// The SQLite side of the data sets: the open database with its table descriptions and cached
// statements, parameters in SQL text, binding values and reading columns by field type.
#pragma once

#include <sqlite3.h>

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
  // Opens an existing database file for reading and writing and checks that it holds this
  // system's tables.
  explicit TSqliteDatabase(const String& Path);
  ~TSqliteDatabase();
  TSqliteDatabase(const TSqliteDatabase&) = delete;
  TSqliteDatabase& operator=(const TSqliteDatabase&) = delete;

  sqlite3* Handle() const { return FDb; }
  // The next statement of Sql from Tail on (Tail moves past it); nullptr when only blanks and
  // comments remain.
  TSqliteStatement Prepare(const String& Sql, size_t& Tail);
  // A statement kept for reuse, reset and with its bindings cleared.
  sqlite3_stmt* Cached(const String& Sql);
  // Steps a statement that returns no rows; the answer is the rows it changed.
  int Run(sqlite3_stmt* Statement);
  void Exec(const String& Sql);
  // Tables and views by name, without regard to case; EDatabaseError for an unknown name.
  const TTableInfo& Table(const String& Name);
  [[noreturn]] void Fail(const String& Context) const;

 private:
  void CheckSchema(const String& Path);
  void ReadColumns(TTableInfo& Info);
  std::vector<String> UniqueKey(const TTableInfo& Info);
  sqlite3* FDb = nullptr;
  std::map<String, TSqliteStatement> FCache;
  std::map<String, TTableInfo, TCaseless> FTables;
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
