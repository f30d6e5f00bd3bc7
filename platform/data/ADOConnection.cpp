// TADOConnection: the connection string, opening and closing the database with its data sets,
// nested transactions and statements run directly.
#include "data/ADOCursor_p.h"

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

// "Data Source=path" among "Key=Value" pairs separated by ";"; a value may be quoted.
String TADOConnection::DatabaseFile() const {
  size_t start = 0;
  while (start < FConnectionString.size()) {
    size_t end = FConnectionString.find(';', start);
    if (end == String::npos) end = FConnectionString.size();
    const String pair = FConnectionString.substr(start, end - start);
    const size_t equals = pair.find('=');
    if (equals != String::npos && SameText(Trim(pair.substr(0, equals)), "Data Source")) {
      String value = Trim(pair.substr(equals + 1));
      if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
      return value;
    }
    start = end + 1;
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
    FDatabase = std::make_unique<TSqliteDatabase>(file);
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

void TADOConnection::RunTransactionStatement(const String& Sql) { Database().Exec(Sql); }

// The outermost level is a transaction, inner levels are savepoints within it.
int TADOConnection::BeginTrans() {
  RunTransactionStatement(FTransactionLevel == 0 ? "BEGIN" : "SAVEPOINT level" + std::to_string(FTransactionLevel + 1));
  return ++FTransactionLevel;
}

void TADOConnection::CommitTrans() {
  if (FTransactionLevel == 0) throw EDatabaseError("没有进行中的事务。");
  RunTransactionStatement(FTransactionLevel == 1 ? "COMMIT" : "RELEASE level" + std::to_string(FTransactionLevel));
  --FTransactionLevel;
}

void TADOConnection::RollbackTrans() {
  if (FTransactionLevel == 0) throw EDatabaseError("没有进行中的事务。");
  if (FTransactionLevel == 1) {
    RunTransactionStatement("ROLLBACK");
  } else {
    const String name = "level" + std::to_string(FTransactionLevel);
    RunTransactionStatement("ROLLBACK TO " + name + "; RELEASE " + name);
  }
  --FTransactionLevel;
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
