// TADOConnection: the connection string, opening and closing the database with its data sets,
// nested transactions and statements run directly.
#include "data/ADOCursor_p.h"

#include <algorithm>

TADOConnection::TADOConnection(TComponent* AOwner) : TComponent(AOwner) {}

TADOConnection::~TADOConnection() {
  Destroying();
  Close();
  for (TCustomADODataSet* dataSet : FDataSets) dataSet->FConnection = nullptr;
}

void TADOConnection::SetConnectionString(const String& Value) {
  if (Value == FConnectionString) return;
  Close();
  FConnectionString = Value;
}

String QuotedConnectionValue(const String& Value) { return QuotedStr(Value, '"'); }

namespace {

// The value that starts at At, and At moved past the ";" that ends it. A quoted value runs to its
// closing quote; any other value runs to the next ";" and loses the blanks around it.
String ReadConnectionValue(const String& Text, size_t& At) {
  while (At < Text.size() && (Text[At] == ' ' || Text[At] == '\t')) ++At;
  const bool quoted = At < Text.size() && (Text[At] == '"' || Text[At] == '\'');
  const String quotedValue = quoted ? AnsiExtractQuotedStr(Text, At, Text[At]) : String();
  const size_t end = std::min(Text.find(';', At), Text.size());
  const String value = quoted ? quotedValue : Trim(Text.substr(At, end - At));
  At = end + 1;
  return value;
}

}  // namespace

// "Data Source=path" among "Key=Value" pairs separated by ";".
String TADOConnection::DatabaseFile() const {
  size_t at = 0;
  while (at < FConnectionString.size()) {
    const size_t equals = FConnectionString.find('=', at);
    if (equals == String::npos) break;
    String key = FConnectionString.substr(at, equals - at);
    if (const size_t stray = key.rfind(';'); stray != String::npos) key.erase(0, stray + 1);
    at = equals + 1;
    const String value = ReadConnectionValue(FConnectionString, at);
    if (SameText(Trim(key), "Data Source")) return value;
  }
  return String();
}

void TADOConnection::SetConnected(bool Value) {
  if (ComponentState() & csLoading) {
    FStreamedConnected = Value;
    return;
  }
  if (Value == Connected()) return;
  if (Value) {
    if (BeforeConnect) BeforeConnect(this);
    const String file = DatabaseFile();
    if (file.empty()) throw EDatabaseError("连接字符串没有指定数据库文件（Data Source）。");
    FDatabase = std::make_unique<TSqliteDatabase>(file, FCommandTimeout);
    FTransactionLevel = 0;
    if (AfterConnect) AfterConnect(this);
    return;
  }
  const bool destroying = ComponentState() & csDestroying;
  if (BeforeDisconnect && !destroying) BeforeDisconnect(this);
  for (TCustomADODataSet* dataSet : std::vector<TCustomADODataSet*>(FDataSets)) dataSet->Close();
  FDatabase.reset();  // an open transaction is rolled back
  FTransactionLevel = 0;
  if (AfterDisconnect && !destroying) AfterDisconnect(this);
}

void TADOConnection::Loaded() {
  TComponent::Loaded();
  if (FStreamedConnected) SetConnected(true);
}

TSqliteDatabase& TADOConnection::Database() const {
  if (!FDatabase) throw EDatabaseError("数据库连接“" + Name() + "”未打开。");
  return *FDatabase;
}

void TADOConnection::SetCommandTimeout(int Value) {
  FCommandTimeout = std::max(Value, 0);
  if (FDatabase) FDatabase->SetStatementTimeLimit(FCommandTimeout);
}

void TADOConnection::GetTableNames(TStrings* List) {
  Open();
  const std::vector<String> names = Database().TableNames();
  List->BeginUpdate();
  List->Clear();
  for (const String& name : names) List->Add(name);
  List->EndUpdate();
}

void TADOConnection::RunTransactionStatement(const String& Sql) { Database().Exec(Sql); }

// The outermost level is a transaction, inner levels are savepoints within it.
int TADOConnection::BeginTrans() {
  RunTransactionStatement(FTransactionLevel == 0 ? "BEGIN" : "SAVEPOINT level" + std::to_string(FTransactionLevel + 1));
  return ++FTransactionLevel;
}

void TADOConnection::CommitTrans() {
  if (FTransactionLevel == 0) throw EDatabaseError("没有进行中的事务。");
  if (FTransactionLevel > 1) {
    RunTransactionStatement("RELEASE level" + std::to_string(FTransactionLevel));
    --FTransactionLevel;
    return;
  }
  FTransactionLevel = 0;
  try {
    RunTransactionStatement("COMMIT");
  } catch (const EDatabaseError& e) {
    Database().AbandonTransaction();
    throw EDatabaseError(e.Message() + "\n事务中的更改已全部撤销。");
  }
}

void TADOConnection::RollbackTrans() {
  if (FTransactionLevel == 0) throw EDatabaseError("没有进行中的事务。");
  const String name = "level" + std::to_string(FTransactionLevel);
  --FTransactionLevel;
  // A failed statement may have ended the whole transaction already (a full disk): then every
  // level only counts down.
  if (!Database().InTransaction()) return;
  RunTransactionStatement(FTransactionLevel == 0 ? "ROLLBACK" : "ROLLBACK TO " + name + "; RELEASE " + name);
}

int TADOConnection::Execute(const String& CommandText) {
  return ExecuteStatements(Database(), CommandText, [](const String& Name) -> Variant {
    throw EDatabaseError("参数“" + Name + "”没有值。");
  });
}

TParameter& TParameters::Items(int Index) const {
  if (Index < 0 || Index >= Count()) throw EDatabaseError("参数序号 " + std::to_string(Index) + " 超出范围。");
  return *FItems[size_t(Index)];
}

TParameter* TParameters::FindParam(const String& Name) const {
  for (const auto& item : FItems)
    if (AnsiSameText(item->Name(), Name)) return item.get();
  return nullptr;
}

TParameter& TParameters::ParamByName(const String& Name) const {
  TParameter* parameter = FindParam(Name);
  if (!parameter) throw EDatabaseError("参数“" + Name + "”不存在。");
  return *parameter;
}

void TParameters::Assign(const std::vector<String>& Names) {
  std::vector<std::unique_ptr<TParameter>> items;
  for (const String& name : Names) {
    auto item = std::make_unique<TParameter>(name);
    if (const TParameter* old = FindParam(name)) item->SetValue(old->Value());
    items.push_back(std::move(item));
  }
  FItems = std::move(items);
}
