// Opening and reading an SQLite query for a data set, and writing its posted records back into
// the update table with bound values only.
#include "data/ADOCursor_p.h"

TADOCursor::TADOCursor(TSqliteDatabase& Db, const String& Sql, TParameterSource Parameters)
    : FDb(Db), FSql(ParseParameters(Sql)), FParameters(std::move(Parameters)) {
  RunLeadingStatements();
}

namespace {

// Parameters were written "?N" by ParseParameters; N leads back to the name.
void BindNamed(TSqliteDatabase& db, sqlite3_stmt* statement, const std::vector<String>& names,
               const TParameterSource& parameters) {
  for (int i = 1; i <= sqlite3_bind_parameter_count(statement); ++i) {
    const char* name = sqlite3_bind_parameter_name(statement, i);
    const size_t index = name && name[0] == '?' ? size_t(std::atoi(name + 1)) : 0;
    if (index == 0 || index > names.size()) throw EDatabaseError("SQL 中有不能识别的参数。");
    BindValue(db, statement, i, parameters(names[index - 1]));
  }
}

}  // namespace

void TADOCursor::BindParameters(sqlite3_stmt* Statement) { BindNamed(FDb, Statement, FSql.Names, FParameters); }

// Statements before the first one that returns columns run at once; the one that returns columns
// is the query, and nothing may follow it.
void TADOCursor::RunLeadingStatements() {
  size_t tail = 0;
  while (TSqliteStatement statement = FDb.Prepare(FSql.Text, tail)) {
    BindParameters(statement.get());
    if (sqlite3_column_count(statement.get()) == 0) {
      FDb.Run(statement.get());
      continue;
    }
    FQuery = std::move(statement);
    if (FDb.Prepare(FSql.Text, tail)) throw EDatabaseError("打开的 SQL 只能有一个返回记录的语句。");
    return;
  }
  throw EDatabaseError("SQL 语句不返回记录。");
}

namespace {

// A column without a declared type (an expression, a count) takes the kind of its first value.
TFieldType TypeOfValue(sqlite3_stmt* statement, int column) {
  switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER: return ftInteger;
    case SQLITE_FLOAT: return ftFloat;
    case SQLITE_BLOB: return ftBlob;
    default: return ftString;
  }
}

String UniqueName(const TFieldDefs& defs, const String& name) {
  String unique = name.empty() ? "Column" : name;
  for (int n = 1; defs.IndexOf(unique) >= 0; ++n) unique = name + "_" + std::to_string(n);
  return unique;
}

}  // namespace

void TADOCursor::Describe(TFieldDefs& Defs, const String& UpdateTable) {
  sqlite3_stmt* query = FQuery.get();
  const int count = sqlite3_column_count(query);
  const bool hasRow = FDb.Step(query);
  Defs.Clear();
  FColumns.assign(size_t(count), TCursorColumn{});
  for (int i = 0; i < count; ++i) {
    TCursorColumn& column = FColumns[size_t(i)];
    const char* table = sqlite3_column_table_name(query, i);
    const char* origin = sqlite3_column_origin_name(query, i);
    const char* declared = sqlite3_column_decltype(query, i);
    column.Table = table ? table : "";
    column.Origin = origin ? origin : "";
    int size = 0;
    column.Type = declared ? FieldTypeOfDeclared(declared, size) : ftUnknown;
    if (column.Type == ftUnknown) column.Type = hasRow ? TypeOfValue(query, i) : ftString;
    bool required = false;
    if (!column.Table.empty()) {
      const TTableColumn* info = FDb.Table(column.Table).Find(column.Origin);
      if (info && info->AutoIncrement) column.Type = ftAutoInc;
      required = info && info->NotNull && !info->HasDefault && !info->AutoIncrement;
    }
    Defs.Add(UniqueName(Defs, sqlite3_column_name(query, i)), column.Type, size, required);
  }
  sqlite3_reset(query);
  ChooseUpdateTable(UpdateTable);
  for (int i = 0; i < count; ++i) {
    const bool own = FTable && AnsiSameText(FColumns[size_t(i)].Table, FTable->Name);
    Defs.Items(i).SetReadOnly(!own || FColumns[size_t(i)].Type == ftAutoInc);
  }
}

void TADOCursor::ChooseUpdateTable(const String& UpdateTable) {
  String table = UpdateTable;
  if (table.empty()) {
    for (const TCursorColumn& column : FColumns) {
      if (column.Table.empty()) continue;
      if (!table.empty() && !AnsiSameText(table, column.Table)) return;  // several tables: read-only
      table = column.Table;
    }
    if (table.empty()) return;
  }
  FTable = &FDb.Table(table);
  if (FTable->IsView) throw EDatabaseError("更新表“" + table + "”是视图，不能写入。");
  for (size_t i = 0; i < FColumns.size(); ++i)
    if (AnsiSameText(FColumns[i].Table, FTable->Name)) FTableFields.push_back(int(i));
  for (const String& key : FTable->KeyColumns) {
    const auto it = std::find_if(FTableFields.begin(), FTableFields.end(),
                                 [&](int field) { return AnsiSameText(FColumns[size_t(field)].Origin, key); });
    if (it == FTableFields.end()) {
      FKeyFields.clear();
      return;
    }
    FKeyFields.push_back(*it);
  }
}

void TADOCursor::Restart() {
  sqlite3_reset(FQuery.get());
  BindParameters(FQuery.get());
}

bool TADOCursor::Next(TRowValues& Row) {
  if (!FDb.Step(FQuery.get())) return false;
  Row.clear();
  Row.reserve(FColumns.size());
  for (size_t i = 0; i < FColumns.size(); ++i) Row.push_back(ReadColumn(FQuery.get(), int(i), FColumns[i].Type));
  return true;
}

// The row of the update table that a record stands for: by its key when the key is among the
// columns, else by all its columns of that table (the first such row).
String TADOCursor::RowCondition(const TRowValues& OldValues, std::vector<Variant>& Arguments) const {
  const std::vector<int>& fields = FKeyFields.empty() ? FTableFields : FKeyFields;
  String condition;
  for (int field : fields) {
    condition += (condition.empty() ? "" : " AND ") + QuoteName(FColumns[size_t(field)].Origin) + " IS ?";
    Arguments.push_back(OldValues[size_t(field)]);
  }
  if (!FKeyFields.empty()) return condition;
  const String table = QuoteName(FTable->Name);
  return "rowid = (SELECT rowid FROM " + table + " WHERE " + condition + " LIMIT 1)";
}

void TADOCursor::RunWrite(const String& Sql, const std::vector<Variant>& Arguments, bool MustChange) {
  sqlite3_stmt* statement = FDb.Cached(Sql);
  for (size_t i = 0; i < Arguments.size(); ++i) BindValue(FDb, statement, int(i + 1), Arguments[i]);
  if (FDb.Run(statement) == 0 && MustChange)
    throw EDatabaseError("找不到要更新的记录，它可能已被修改或删除。");
}

void TADOCursor::Insert(TRowValues& Values, const std::vector<bool>& Assigned) {
  if (!FTable) throw EDatabaseError("这些记录来自多个表，不能写入。");
  String names, marks;
  std::vector<Variant> arguments;
  for (int field : FTableFields) {
    if (!Assigned[size_t(field)]) continue;  // columns left alone take their defaults
    names += (names.empty() ? "" : ", ") + QuoteName(FColumns[size_t(field)].Origin);
    marks += marks.empty() ? "?" : ", ?";
    arguments.push_back(Values[size_t(field)]);
  }
  const String table = QuoteName(FTable->Name);
  RunWrite(names.empty() ? "INSERT INTO " + table + " DEFAULT VALUES"
                         : "INSERT INTO " + table + " (" + names + ") VALUES (" + marks + ")",
           arguments, true);
  ReadBack(sqlite3_last_insert_rowid(FDb.Handle()), Values);
}

// Auto-numbers and column defaults become visible in the record at once.
void TADOCursor::ReadBack(sqlite3_int64 RowId, TRowValues& Values) {
  String names;
  for (int field : FTableFields) names += (names.empty() ? "" : ", ") + QuoteName(FColumns[size_t(field)].Origin);
  sqlite3_stmt* statement = FDb.Cached("SELECT " + names + " FROM " + QuoteName(FTable->Name) + " WHERE rowid = ?1");
  sqlite3_bind_int64(statement, 1, RowId);
  if (FDb.Step(statement))
    for (size_t i = 0; i < FTableFields.size(); ++i) {
      const size_t field = size_t(FTableFields[i]);
      Values[field] = ReadColumn(statement, int(i), FColumns[field].Type);
    }
  sqlite3_reset(statement);
}

void TADOCursor::Update(const TRowValues& OldValues, const TRowValues& Values, const std::vector<bool>& Changed) {
  if (!FTable) throw EDatabaseError("这些记录来自多个表，不能写入。");
  String assignments;
  std::vector<Variant> arguments;
  for (int field : FTableFields) {
    if (!Changed[size_t(field)]) continue;
    assignments += (assignments.empty() ? "" : ", ") + QuoteName(FColumns[size_t(field)].Origin) + " = ?";
    arguments.push_back(Values[size_t(field)]);
  }
  if (assignments.empty()) return;
  const String condition = RowCondition(OldValues, arguments);
  RunWrite("UPDATE " + QuoteName(FTable->Name) + " SET " + assignments + " WHERE " + condition, arguments, true);
}

void TADOCursor::Delete(const TRowValues& OldValues) {
  if (!FTable) throw EDatabaseError("这些记录来自多个表，不能删除。");
  std::vector<Variant> arguments;
  const String condition = RowCondition(OldValues, arguments);
  RunWrite("DELETE FROM " + QuoteName(FTable->Name) + " WHERE " + condition, arguments, true);
}

int ExecuteStatements(TSqliteDatabase& Db, const String& Sql, const TParameterSource& Parameters) {
  const TParsedSql parsed = ParseParameters(Sql);
  int changed = 0;
  size_t tail = 0;
  while (TSqliteStatement statement = Db.Prepare(parsed.Text, tail)) {
    BindNamed(Db, statement.get(), parsed.Names, Parameters);
    changed += Db.Run(statement.get());
  }
  return changed;
}
