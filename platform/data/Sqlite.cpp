// The SQLite database behind a connection: opening without creating, the quick check of the
// file, the time limit of statements, transactions run as a whole, table descriptions,
// statements, parameters, and values in and out.
#include "data/Sqlite_p.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "rtl/Arith.h"
#include "rtl/Convert.h"
#include "rtl/DateTime.h"
#include "rtl/ScopeExit.h"

namespace {

// Waiting for another program's lock gives up after this long, so the window is never frozen
// for good; the statement then fails as busy.
constexpr int BusyTimeoutMs = 5000;
// How many of SQLite's virtual machine steps pass between two looks at the clock.
constexpr int ProgressSteps = 10000;

String ColumnText(sqlite3_stmt* statement, int column) {
  const unsigned char* text = sqlite3_column_text(statement, column);
  return text ? reinterpret_cast<const char*>(text) : String();
}

}  // namespace

const TTableColumn* TTableInfo::Find(const String& Column) const {
  for (const TTableColumn& column : Columns)
    if (AnsiSameText(column.Name, Column)) return &column;
  return nullptr;
}

TSqliteDatabase::TSqliteDatabase(const String& Path, int TimeLimit) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(Path, error)) throw EDatabaseError("数据库文件“" + Path + "”不存在。");
  // Read-write without SQLITE_OPEN_CREATE: a file that vanished meanwhile is not made anew. A
  // connection is used by the GUI thread alone, so SQLite need not lock it around every call (each
  // column of each row read is one).
  if (sqlite3_open_v2(Path.c_str(), &FDb, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
    const String message = FDb ? sqlite3_errmsg(FDb) : "out of memory";
    sqlite3_close(FDb);
    throw EDatabaseError("无法打开数据库文件“" + Path + "”：" + message);
  }
  sqlite3_progress_handler(FDb, ProgressSteps, &TSqliteDatabase::Progress, this);
  SetStatementTimeLimit(TimeLimit);
  auto close = ScopeExit([this] { sqlite3_close(FDb); });
  CheckIntegrity(Path);
  close.Dismiss();
}

TSqliteDatabase::~TSqliteDatabase() {
  FCache.clear();
  sqlite3_close(FDb);
}

// The quick check reads every page of the file (a school's file is small) without comparing
// indexes to their tables; a file that is no database fails at its first read.
void TSqliteDatabase::CheckIntegrity(const String& Path) {
  const String refused = "无法打开数据库文件“" + Path + "”：";
  sqlite3_stmt* raw = nullptr;
  StatementStarts();
  if (sqlite3_prepare_v2(FDb, "PRAGMA quick_check(1)", -1, &raw, nullptr) != SQLITE_OK)
    throw EDatabaseError(refused + FailureReason());
  const TSqliteStatement check(raw);
  if (sqlite3_step(raw) != SQLITE_ROW) throw EDatabaseError(refused + FailureReason());
  if (const String verdict = ColumnText(raw, 0); verdict != "ok")
    throw EDatabaseError(refused + "数据库已损坏（" + verdict + "）。");
}

void TSqliteDatabase::SetStatementTimeLimit(int Seconds) {
  FTimeLimit = std::max(Seconds, 0);
  sqlite3_busy_timeout(FDb, FTimeLimit > 0 ? std::min(BusyTimeoutMs, FTimeLimit * 1000) : BusyTimeoutMs);
}

void TSqliteDatabase::StatementStarts() {
  FStatementStart = std::chrono::steady_clock::now();
  FTimedOut = false;
}

// Called by SQLite while a statement runs; a non-zero answer interrupts it.
int TSqliteDatabase::Progress(void* Database) {
  auto& db = *static_cast<TSqliteDatabase*>(Database);
  if (db.FTimeLimit == 0) return 0;
  db.FTimedOut = std::chrono::steady_clock::now() - db.FStatementStart > std::chrono::seconds(db.FTimeLimit);
  return db.FTimedOut ? 1 : 0;
}

String TSqliteDatabase::FailureReason() const {
  const String message = sqlite3_errmsg(FDb);
  switch (sqlite3_errcode(FDb)) {
    case SQLITE_BUSY: case SQLITE_LOCKED: return "数据库正忙（" + message + "），请稍后再试。";
    case SQLITE_NOTADB: return "文件不是数据库（" + message + "）。";
    case SQLITE_CORRUPT: return "数据库已损坏（" + message + "）。";
    case SQLITE_INTERRUPT:
      if (FTimedOut) return "数据库语句运行超过 " + IntToStr(FTimeLimit) + " 秒，已被中止。";
      [[fallthrough]];
    default: return "数据库操作失败：" + message;
  }
}

void TSqliteDatabase::Fail(const String& Context) const {
  const String reason = FailureReason();
  throw EDatabaseError(Context.empty() ? reason : reason + "\n" + Context);
}

TSqliteStatement TSqliteDatabase::Prepare(const String& Sql, size_t& Tail) {
  while (Tail < Sql.size()) {
    sqlite3_stmt* raw = nullptr;
    const char* start = Sql.c_str() + Tail;
    const char* rest = nullptr;
    StatementStarts();  // preparing reads the schema, which may wait for a lock
    if (sqlite3_prepare_v2(FDb, start, int(Sql.size() - Tail), &raw, &rest) != SQLITE_OK) Fail(Sql);
    Tail = size_t(rest - Sql.c_str());
    if (raw) return TSqliteStatement(raw);
  }
  return nullptr;
}

sqlite3_stmt* TSqliteDatabase::Cached(const String& Sql) {
  auto it = FCache.find(Sql);
  if (it == FCache.end()) {
    size_t tail = 0;
    it = FCache.emplace(Sql, Prepare(Sql, tail)).first;
  }
  sqlite3_reset(it->second.get());
  sqlite3_clear_bindings(it->second.get());
  return it->second.get();
}

// The time limit counts from a statement's first step to its end, so that a query whose rows
// never end is stopped as surely as one whose single step never ends.
bool TSqliteDatabase::Step(sqlite3_stmt* Statement) {
  if (!sqlite3_stmt_busy(Statement)) StatementStarts();
  const int rc = sqlite3_step(Statement);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  const String sql = sqlite3_sql(Statement) ? sqlite3_sql(Statement) : "";
  sqlite3_reset(Statement);
  Fail(sql);
}

int TSqliteDatabase::Run(sqlite3_stmt* Statement) {
  while (Step(Statement)) {
  }
  sqlite3_reset(Statement);
  return sqlite3_changes(FDb);
}

void TSqliteDatabase::Exec(const String& Sql) {
  StatementStarts();
  if (sqlite3_exec(FDb, Sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail(Sql);
}

void TSqliteDatabase::Atomically(const String& Savepoint, const std::function<void()>& Work) {
  const bool own = !InTransaction();
  Exec("SAVEPOINT " + Savepoint);
  try {
    Work();
    Exec("RELEASE " + Savepoint);  // the commit, when the savepoint is the transaction
  } catch (...) {
    if (own) {
      AbandonTransaction();
    } else if (InTransaction()) {
      // Undoing a savepoint takes no lock and cannot be refused; Work's error is the one to raise.
      const String undo = "ROLLBACK TO " + Savepoint + "; RELEASE " + Savepoint;
      sqlite3_exec(FDb, undo.c_str(), nullptr, nullptr, nullptr);
    }
    throw;
  }
}

void TSqliteDatabase::AbandonTransaction() {
  if (InTransaction()) Exec("ROLLBACK");
}

const TTableInfo& TSqliteDatabase::Table(const String& Name) {
  if (auto it = FTables.find(Name); it != FTables.end()) return it->second;
  TTableInfo info;
  sqlite3_stmt* kind = Cached("SELECT name, type FROM sqlite_schema WHERE name = ?1 COLLATE NOCASE AND type IN ('table', 'view')");
  sqlite3_bind_text(kind, 1, Name.c_str(), int(Name.size()), SQLITE_TRANSIENT);
  if (!Step(kind)) throw EDatabaseError("数据库中没有表“" + Name + "”。");
  info.Name = ColumnText(kind, 0);
  info.IsView = ColumnText(kind, 1) == "view";
  sqlite3_reset(kind);
  ReadColumns(info);
  if (info.KeyColumns.empty() && !info.IsView) info.KeyColumns = UniqueKey(info);
  return FTables.emplace(Name, std::move(info)).first->second;
}

std::vector<String> TSqliteDatabase::TableNames() {
  std::vector<String> names;
  sqlite3_stmt* tables = Cached("SELECT name FROM sqlite_schema WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
  while (Step(tables)) names.push_back(ColumnText(tables, 0));
  return names;
}

// The columns, and the primary key in its own order.
void TSqliteDatabase::ReadColumns(TTableInfo& Info) {
  std::vector<std::pair<int, String>> primary;
  size_t tail = 0;
  TSqliteStatement columns = Prepare("PRAGMA table_info(" + QuoteName(Info.Name) + ")", tail);
  while (Step(columns.get())) {
    TTableColumn column;
    column.Name = ColumnText(columns.get(), 1);
    column.NotNull = sqlite3_column_int(columns.get(), 3) != 0;
    column.HasDefault = sqlite3_column_type(columns.get(), 4) != SQLITE_NULL;
    int autoInc = 0;
    if (!Info.IsView)
      sqlite3_table_column_metadata(FDb, nullptr, Info.Name.c_str(), column.Name.c_str(), nullptr, nullptr, nullptr,
                                    nullptr, &autoInc);
    column.AutoIncrement = autoInc != 0;
    if (const int pk = sqlite3_column_int(columns.get(), 5); pk > 0) primary.emplace_back(pk, column.Name);
    Info.Columns.push_back(column);
  }
  std::sort(primary.begin(), primary.end());
  for (const auto& [order, column] : primary) Info.KeyColumns.push_back(column);
}

// The columns of the first unique index whose columns are never null; empty when there is none.
std::vector<String> TSqliteDatabase::UniqueKey(const TTableInfo& Info) {
  size_t tail = 0;
  TSqliteStatement indexes = Prepare("PRAGMA index_list(" + QuoteName(Info.Name) + ")", tail);
  while (Step(indexes.get())) {
    if (sqlite3_column_int(indexes.get(), 2) == 0) continue;  // not unique
    std::vector<String> key;
    size_t at = 0;
    TSqliteStatement parts = Prepare("PRAGMA index_info(" + QuoteName(ColumnText(indexes.get(), 1)) + ")", at);
    bool usable = true;
    while (Step(parts.get())) {
      const TTableColumn* column = Info.Find(ColumnText(parts.get(), 2));
      usable = usable && column && column->NotNull;
      if (column) key.push_back(column->Name);
    }
    if (usable && !key.empty()) return key;
  }
  return {};
}

namespace {

bool IsNameChar(unsigned char c) { return std::isalnum(c) || c == '_' || c >= 0x80; }

// Copies a quoted part or a comment of Sql from i on; answers false when none starts there.
bool CopyLiteral(const String& sql, size_t& i, String& out) {
  const char c = sql[i];
  size_t end;
  if (c == '\'' || c == '"' || c == '`' || c == '[') {
    const char close = c == '[' ? ']' : c;
    end = sql.find(close, i + 1);
  } else if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
    end = sql.find('\n', i);
  } else if (c == '/' && i + 1 < sql.size() && sql[i + 1] == '*') {
    end = sql.find("*/", i + 2);
    if (end != String::npos) ++end;
  } else {
    return false;
  }
  end = end == String::npos ? sql.size() : end + 1;
  out.append(sql, i, end - i);
  i = end;
  return true;
}

}  // namespace

TParsedSql ParseParameters(const String& Sql) {
  TParsedSql parsed;
  size_t i = 0;
  while (i < Sql.size()) {
    if (CopyLiteral(Sql, i, parsed.Text)) continue;
    if (Sql[i] != ':' || i + 1 >= Sql.size() || !IsNameChar(static_cast<unsigned char>(Sql[i + 1]))) {
      if (Sql[i] == ':' && i + 1 < Sql.size() && Sql[i + 1] == ':') ++i;  // "::" is a colon
      parsed.Text += Sql[i++];
      continue;
    }
    size_t end = i + 1;
    while (end < Sql.size() && IsNameChar(static_cast<unsigned char>(Sql[end]))) ++end;
    const String name = Sql.substr(i + 1, end - i - 1);
    size_t index = 0;
    while (index < parsed.Names.size() && !AnsiSameText(parsed.Names[index], name)) ++index;
    if (index == parsed.Names.size()) parsed.Names.push_back(name);
    parsed.Text += '?';
    parsed.Text += std::to_string(index + 1);
    i = end;
  }
  return parsed;
}

String FormatDbDateTime(TDateTime Value) {
  int year, month, day, hour, minute, second, msec;
  const TDateTime rounded = Value + (Value >= 0 ? 0.5 : -0.5) / SecsPerDay;  // to the nearest second
  DecodeDate(rounded, year, month, day);
  DecodeTime(rounded, hour, minute, second, msec);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
  return text;
}

namespace {

// Reads exactly `digits` decimal digits at text; false when one is missing.
bool ReadDigits(const char*& text, int digits, int& value) {
  value = 0;
  for (int i = 0; i < digits; ++i, ++text) {
    if (*text < '0' || *text > '9') return false;
    value = value * 10 + (*text - '0');
  }
  return true;
}

}  // namespace

// "YYYY-MM-DD", optionally followed by " HH:MM" or " HH:MM:SS" (or "T" in place of the blank).
// Read by hand: every date of every row passes here.
bool ParseDbDateTime(const char* Text, TDateTime& Value) {
  int year, month, day, hour = 0, minute = 0, second = 0;
  if (!ReadDigits(Text, 4, year) || *Text++ != '-' || !ReadDigits(Text, 2, month) || *Text++ != '-' ||
      !ReadDigits(Text, 2, day))
    return false;
  if (*Text == ' ' || *Text == 'T') {
    ++Text;
    if (!ReadDigits(Text, 2, hour) || *Text++ != ':' || !ReadDigits(Text, 2, minute)) return false;
    if (*Text == ':' && (++Text, !ReadDigits(Text, 2, second))) return false;
  }
  TDateTime date, time;
  if (*Text != '\0' || !TryEncodeDate(year, month, day, date) || !TryEncodeTime(hour, minute, second, 0, time)) return false;
  Value = date + time;
  return true;
}

void BindValue(TSqliteDatabase& Db, sqlite3_stmt* Statement, int Index, const Variant& Value) {
  int rc;
  switch (Value.VarType()) {
    case varEmpty: case varNull: rc = sqlite3_bind_null(Statement, Index); break;
    case varBoolean: rc = sqlite3_bind_int(Statement, Index, Value.AsBoolean() ? 1 : 0); break;
    case varInteger: case varInt64: rc = sqlite3_bind_int64(Statement, Index, Value.AsInt64()); break;
    case varDouble: case varCurrency: rc = sqlite3_bind_double(Statement, Index, Value.AsDouble()); break;
    case varDate: {
      const String text = FormatDbDateTime(Value.AsDateTime());
      rc = sqlite3_bind_text(Statement, Index, text.c_str(), int(text.size()), SQLITE_TRANSIENT);
      break;
    }
    default: {
      const String& text = Value.StringValue();
      rc = sqlite3_bind_text(Statement, Index, text.c_str(), int(text.size()), SQLITE_TRANSIENT);
    }
  }
  if (rc != SQLITE_OK) Db.Fail("");
}

namespace {

Variant IntegerVariant(int64_t value) {
  if (value >= INT32_MIN && value <= INT32_MAX) return Variant(int(value));
  return Variant(value);
}

Variant TextVariant(sqlite3_value* value) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
  return Variant(String(text, size_t(sqlite3_value_bytes(value))));
}

}  // namespace

// Values are taken in the field's kind when the stored value is one; a value stored otherwise
// (text in a number column) stays as it is, and the field converts it when read. The column is
// fetched once and read through its value (a connection is never shared between threads).
Variant ReadColumn(sqlite3_stmt* Statement, int Column, TFieldType Type) {
  sqlite3_value* value = sqlite3_column_value(Statement, Column);
  const int storage = sqlite3_value_type(value);
  if (storage == SQLITE_NULL) return Variant::Null();
  switch (Type) {
    case ftInteger: case ftAutoInc: case ftSmallint: case ftWord: case ftLargeint:
      if (storage == SQLITE_INTEGER) return IntegerVariant(sqlite3_value_int64(value));
      if (storage == SQLITE_FLOAT) return Variant(sqlite3_value_double(value));
      break;
    case ftFloat: case ftCurrency: case ftBCD:
      if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT) return Variant(sqlite3_value_double(value));
      break;
    case ftBoolean:
      if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT) return Variant(sqlite3_value_double(value) != 0);
      break;
    case ftDate: case ftTime: case ftDateTime: {
      if (storage != SQLITE_TEXT) return Variant::FromDateTime(sqlite3_value_double(value));
      TDateTime time;
      if (ParseDbDateTime(reinterpret_cast<const char*>(sqlite3_value_text(value)), time))
        return Variant::FromDateTime(time);
      break;
    }
    case ftBlob: case ftGraphic: case ftTypedBinary: {
      const auto* bytes = static_cast<const char*>(sqlite3_value_blob(value));
      return Variant(String(bytes, size_t(sqlite3_value_bytes(value))));
    }
    default: return TextVariant(value);
  }
  if (storage == SQLITE_INTEGER) return IntegerVariant(sqlite3_value_int64(value));
  if (storage == SQLITE_FLOAT) return Variant(sqlite3_value_double(value));
  return TextVariant(value);
}

TFieldType FieldTypeOfDeclared(const String& Declared, int& Size) {
  const String type = UpperCase(Declared);
  Size = 0;
  const auto has = [&type](const char* part) { return type.find(part) != String::npos; };
  if (has("BOOL") || has("BIT") || has("YESNO")) return ftBoolean;
  if (has("DATE") || has("TIME")) return ftDateTime;
  if (has("INT")) return ftInteger;
  if (has("CHAR")) {
    const size_t open = type.find('(');
    if (open != String::npos) Size = std::atoi(type.c_str() + open + 1);
    return ftString;
  }
  if (has("TEXT") || has("MEMO") || has("CLOB")) return ftMemo;
  if (has("REAL") || has("FLOA") || has("DOUB") || has("NUMERIC") || has("DECIMAL") || has("MONEY")) return ftFloat;
  if (has("IMAGE") || has("GRAPHIC")) return ftGraphic;
  if (has("BLOB") || has("BINARY")) return ftBlob;
  return ftUnknown;
}

String QuoteName(const String& Name) {
  String quoted(1, '"');
  quoted += StringReplace(Name, "\"", "\"\"", rfReplaceAll);
  quoted += '"';
  return quoted;
}
