// Databases for tests in a temporary folder: a copy of the default database the build makes, or
// an empty one made from data/schema.sql; and a connection to it. The test program defines
// QUORIN_DATABASE_FILE and QUORIN_SCHEMA_FILE and links quorin_dbbuild.
#pragma once

#include <filesystem>
#include <string>

#include "data/ADODB.h"
#include "support/TempDir.h"
#include "tools/DatabaseBuilder.h"

class DataFixture {
 public:
  enum TContents { Empty, Default };

  explicit DataFixture(TContents contents = Empty) : FPath(FDir.File("quorin.db")) {
    if (contents == Default)
      std::filesystem::copy_file(QUORIN_DATABASE_FILE, FPath);
    else
      BuildDatabase(FPath, {QUORIN_SCHEMA_FILE});
    FConnection = MakeComponent<TADOConnection>();
    FConnection->SetConnectionString(ConnectionString(FPath));
    FConnection->Open();
  }

  static std::string ConnectionString(const std::string& path) {
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path + ";Persist Security Info=False";
  }
  const std::string& Path() const { return FPath; }
  const TempDir& Dir() const { return FDir; }
  TADOConnection* Connection() const { return FConnection.get(); }

  // One value of a statement run directly on the file, as text ("<null>" for null).
  std::string Value(const std::string& sql) {
    TComponentPtr<TADOQuery> query = MakeComponent<TADOQuery>();
    query->SetConnection(FConnection.get());
    query->SQL()->SetText(sql);
    query->Open();
    if (query->IsEmpty()) return "<none>";
    return query->Fields()[0]->IsNull() ? "<null>" : query->Fields()[0]->AsString();
  }

 private:
  TempDir FDir;
  std::string FPath;
  TComponentPtr<TADOConnection> FConnection;
};
