// A thin handle on a SQLite file for the schema tests: run a statement, read rows as text, and ask
// the column metadata that the data-access layer relies on (declared type, collation, auto-number).
#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

using Row = std::vector<std::string>;

struct ColumnInfo {
  std::string DeclaredType;
  std::string Collation;
  bool NotNull = false;
  bool PrimaryKey = false;
  bool AutoIncrement = false;
};

class TestDatabase {
 public:
  // Opens an existing file; read-only unless writable. Never creates a file.
  explicit TestDatabase(const std::filesystem::path& path, bool writable = false) {
    const int flags = writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY;
    if (sqlite3_open_v2(path.c_str(), &FDb, flags, nullptr) != SQLITE_OK) {
      const std::string message = FDb ? sqlite3_errmsg(FDb) : "cannot open";
      sqlite3_close(FDb);
      throw std::runtime_error(path.string() + ": " + message);
    }
  }
  ~TestDatabase() { sqlite3_close(FDb); }
  TestDatabase(const TestDatabase&) = delete;
  TestDatabase& operator=(const TestDatabase&) = delete;

  // Every row of the statement, each value as text; NULL reads as "<null>". Throws on any error.
  std::vector<Row> Rows(const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(FDb, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) Fail(sql);
    std::vector<Row> rows;
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) rows.push_back(CurrentRow(statement));
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE) Fail(sql);
    return rows;
  }

  // The first value of the first row; "<none>" when there is no row.
  std::string Value(const std::string& sql) {
    const std::vector<Row> rows = Rows(sql);
    return rows.empty() || rows[0].empty() ? "<none>" : rows[0][0];
  }

  // One column of every row.
  std::vector<std::string> Column(const std::string& sql) {
    std::vector<std::string> values;
    for (const Row& row : Rows(sql)) values.push_back(row.at(0));
    return values;
  }

  // Runs one or more statements that return no rows.
  void Exec(const std::string& sql) {
    if (sqlite3_exec(FDb, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail(sql);
  }

  ColumnInfo Column(const std::string& table, const std::string& column) {
    const char *type = nullptr, *collation = nullptr;
    int notNull = 0, primaryKey = 0, autoIncrement = 0;
    if (sqlite3_table_column_metadata(FDb, nullptr, table.c_str(), column.c_str(), &type, &collation, &notNull,
                                      &primaryKey, &autoIncrement) != SQLITE_OK)
      Fail(table + "." + column);
    return {type ? type : "", collation ? collation : "", notNull != 0, primaryKey != 0, autoIncrement != 0};
  }

  sqlite3* Handle() const { return FDb; }

 private:
  static Row CurrentRow(sqlite3_stmt* statement) {
    Row row;
    for (int i = 0; i < sqlite3_column_count(statement); ++i) {
      const unsigned char* text = sqlite3_column_text(statement, i);
      row.push_back(text ? reinterpret_cast<const char*>(text) : "<null>");
    }
    return row;
  }

  [[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what + ": " + sqlite3_errmsg(FDb));
  }

  sqlite3* FDb = nullptr;
};
