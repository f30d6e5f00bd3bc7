// Opening a connection on a database file of this system: the data module's own connection, and
// the trial connection of the database dialog; the windows' data sets on the data module's.
#include "app/data/KvData.h"

#include "app/data/KvStatements.h"

namespace {

EDatabaseError NotThisSystems(const String& Path, const char* Kind, const char* Name) {
  return EDatabaseError("“" + Path + "”不是本系统的数据库（缺少" + Kind + " " + Name + "）。");
}

// The connection names the file's tables only; a view is looked up in the file's schema.
bool HasView(TADOQuery* Query, const char* Name) {
  OpenSql(Query, ViewCountSql, {{"AName", String(Name)}});
  return Query->Fields()[0]->AsInteger() > 0;
}

void CheckSystemSchema(TADOConnection& Connection, const String& Path) {
  TStringList tables;
  Connection.GetTableNames(&tables);
  for (const char* table : SystemTables)
    if (tables.IndexOf(table) < 0) throw NotThisSystems(Path, "表", table);
  TComponentPtr<TADOQuery> schema = MakeComponent<TADOQuery>();
  schema->SetConnection(&Connection);
  for (const char* view : SystemViews)
    if (!HasView(schema.get(), view)) throw NotThisSystems(Path, "视图", view);
}

}  // namespace

void OpenSystemDatabase(TADOConnection& Connection, const String& Path, const String& User, const String& Password) {
  if (Connection.Connected()) Connection.Close();
  Connection.SetConnectionString(DatabaseConnectionString(Path, User, Password));
  Connection.Open();
  try {
    CheckSystemSchema(Connection, Path);
  } catch (...) {
    Connection.Close();
    throw;
  }
}

String TdmGym::ConnectDatabase(const String& Path, const String& User, const String& Password) {
  FConnected = false;
  try {
    OpenSystemDatabase(*adcConnect, Path, User, Password);
    FConnected = true;
    return String();
  } catch (const std::exception&) {
    // Missing, locked, damaged, not a database or not this system's: the user is sent to choose
    // the file, whose dialog gives the reason.
    return "无法连接数据库，请设置数据库。";
  }
}

void ConnectDataSets(TComponent* Owner) {
  for (int i = 0; i < Owner->ComponentCount(); ++i)
    if (auto* dataSet = dynamic_cast<TCustomADODataSet*>(Owner->Components(i))) dataSet->SetConnection(dmGym->adcConnect);
}
