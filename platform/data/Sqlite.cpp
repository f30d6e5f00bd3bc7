// The SQLite database behind a connection: opening without creating, the schema check, table
// descriptions, statements, parameters, and values in and out.
#include "data/Sqlite_p.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "rtl/Arith.h"
#include "rtl/DateTime.h"

namespace {

// The tables every database of this system has; a file without them is someone else's.
const char* const SystemTables[] = {
    "Tb_SchoolInfo", "Tb_Grade", "Tb_Classes", "Tb_Students", "Tb_FreeStudent", "Tb_Teachers", "Tb_TeacherTask",
    "Tb_UptoProg", "Tb_ExamProg", "Tb_TechProg", "Tb_UptoStarnd", "Tb_ExamStarnd", "Tb_CountPoint", "Tb_TermType",
    "Tb_Duty", "Tb_UptoProcess", "Tb_UptoHistory", "Tb_ExamProcess", "Tb_ExamHistory", "Tb_DutyProcess",
    "Tb_UptoCard", "Tb_ExamCard", "Tb_ClassesSum", "Tb_GradeSum", "Tb_SchoolSum"};

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

TSqliteDatabase::TSqliteDatabase(const String& Path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(Path, error)) throw EDatabaseError("数据库文件“" + Path + "”不存在。");
  // Read-write without SQLITE_OPEN_CREATE: a file that vanished meanwhile is not made anew.
  if (sqlite3_open_v2(Path.c_str(), &FDb, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
    const String message = FDb ? sqlite3_errmsg(FDb) : "out of memory";
    sqlite3_close(FDb);
    throw EDatabaseError("无法打开数据库文件“" + Path + "”：" + message);
  }
  sqlite3_busy_timeout(FDb, 5000);
  try {
    CheckSchema(Path);
  } catch (...) {
    sqlite3_close(FDb);
    throw;
  }
}

TSqliteDatabase::~TSqliteDatabase() {
  FCache.clear();
  sqlite3_close(FDb);
}

void TSqliteDatabase::CheckSchema(const String& Path) {
  sqlite3_stmt* raw = nullptr;
  const char* sql = "SELECT name FROM sqlite_schema WHERE type = 'table'";
  if (sqlite3_prepare_v2(FDb, sql, -1, &raw, nullptr) != SQLITE_OK)
    throw EDatabaseError("文件“" + Path + "”不是数据库：" + sqlite3_errmsg(FDb));
  TSqliteStatement statement(raw);
  std::map<String, bool, TCaseless> present;
  int rc;
  while ((rc = sqlite3_step(raw)) == SQLITE_ROW) present[ColumnText(raw, 0)] = true;
  if (rc != SQLITE_DONE) throw EDatabaseError("文件“" + Path + "”不是数据库：" + sqlite3_errmsg(FDb));
  for (const char* table : SystemTables)
    if (!present.count(table)) throw EDatabaseError("“" + Path + "”不是本系统的数据库（缺少表 " + table + "）。");
}

void TSqliteDatabase::Fail(const String& Context) const {
  throw EDatabaseError("数据库操作失败：" + String(sqlite3_errmsg(FDb)) + (Context.empty() ? "" : "\n" + Context));
}

TSqliteStatement TSqliteDatabase::Prepare(const String& Sql, size_t& Tail) {
  while (Tail < Sql.size()) {
    sqlite3_stmt* raw = nullptr;
    const char* start = Sql.c_str() + Tail;
    const char* rest = nullptr;
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

int TSqliteDatabase::Run(sqlite3_stmt* Statement) {
  int rc;
  while ((rc = sqlite3_step(Statement)) == SQLITE_ROW) {
  }
  if (rc != SQLITE_DONE) {
    const String sql = sqlite3_sql(Statement) ? sqlite3_sql(Statement) : "";
    sqlite3_reset(Statement);
    Fail(sql);
  }
  sqlite3_reset(Statement);
  return sqlite3_changes(FDb);
}

void TSqliteDatabase::Exec(const String& Sql) {
  if (sqlite3_exec(FDb, Sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail(Sql);
}

const TTableInfo& TSqliteDatabase::Table(const String& Name) {
  if (auto it = FTables.find(Name); it != FTables.end()) return it->second;
  TTableInfo info;
  sqlite3_stmt* kind = Cached("SELECT name, type FROM sqlite_schema WHERE name = ?1 COLLATE NOCASE AND type IN ('table', 'view')");
  sqlite3_bind_text(kind, 1, Name.c_str(), int(Name.size()), SQLITE_TRANSIENT);
  if (sqlite3_step(kind) != SQLITE_ROW) {
    sqlite3_reset(kind);
    throw EDatabaseError("数据库中没有表“" + Name + "”。");
  }
  info.Name = ColumnText(kind, 0);
  info.IsView = ColumnText(kind, 1) == "view";
  sqlite3_reset(kind);
  ReadColumns(info);
  if (info.KeyColumns.empty() && !info.IsView) info.KeyColumns = UniqueKey(info);
  return FTables.emplace(Name, std::move(info)).first->second;
}

// The columns, and the primary key in its own order.
void TSqliteDatabase::ReadColumns(TTableInfo& Info) {
  std::vector<std::pair<int, String>> primary;
  size_t tail = 0;
  TSqliteStatement columns = Prepare("PRAGMA table_info(" + QuoteName(Info.Name) + ")", tail);
  while (sqlite3_step(columns.get()) == SQLITE_ROW) {
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
  while (sqlite3_step(indexes.get()) == SQLITE_ROW) {
    if (sqlite3_column_int(indexes.get(), 2) == 0) continue;  // not unique
    std::vector<String> key;
    size_t at = 0;
    TSqliteStatement parts = Prepare("PRAGMA index_info(" + QuoteName(ColumnText(indexes.get(), 1)) + ")", at);
    bool usable = true;
    while (sqlite3_step(parts.get()) == SQLITE_ROW) {
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

Variant TextVariant(sqlite3_stmt* statement, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  return Variant(String(text, size_t(sqlite3_column_bytes(statement, column))));
}

}  // namespace

// Values are taken in the field's kind when the stored value is one; a value stored otherwise
// (text in a number column) stays as it is, and the field converts it when read.
Variant ReadColumn(sqlite3_stmt* Statement, int Column, TFieldType Type) {
  const int storage = sqlite3_column_type(Statement, Column);
  if (storage == SQLITE_NULL) return Variant::Null();
  switch (Type) {
    case ftInteger: case ftAutoInc: case ftSmallint: case ftWord: case ftLargeint:
      if (storage == SQLITE_INTEGER) return IntegerVariant(sqlite3_column_int64(Statement, Column));
      if (storage == SQLITE_FLOAT) return Variant(sqlite3_column_double(Statement, Column));
      break;
    case ftFloat: case ftCurrency: case ftBCD:
      if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT) return Variant(sqlite3_column_double(Statement, Column));
      break;
    case ftBoolean:
      if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT) return Variant(sqlite3_column_double(Statement, Column) != 0);
      break;
    case ftDate: case ftTime: case ftDateTime: {
      if (storage != SQLITE_TEXT) return Variant::FromDateTime(sqlite3_column_double(Statement, Column));
      TDateTime value;
      if (ParseDbDateTime(reinterpret_cast<const char*>(sqlite3_column_text(Statement, Column)), value))
        return Variant::FromDateTime(value);
      break;
    }
    case ftBlob: case ftGraphic: case ftTypedBinary: {
      const auto* bytes = static_cast<const char*>(sqlite3_column_blob(Statement, Column));
      return Variant(String(bytes, size_t(sqlite3_column_bytes(Statement, Column))));
    }
    default: return TextVariant(Statement, Column);
  }
  if (storage == SQLITE_INTEGER) return IntegerVariant(sqlite3_column_int64(Statement, Column));
  if (storage == SQLITE_FLOAT) return Variant(sqlite3_column_double(Statement, Column));
  return TextVariant(Statement, Column);
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
