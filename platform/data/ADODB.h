// The database connection and its data sets, over a SQLite file: TADOConnection (open an existing
// database file, transactions), TADOQuery (SQL text with :Name parameters) and
// TADOTable (a table or view by name, optionally the detail of a master data source). Rows are
// read into the data set; posts are written at once, or kept for UpdateBatch in batch mode.
#pragma once

#include <memory>
#include <vector>

#include "data/DataSet.h"
#include "rtl/StringList.h"

class TSqliteDatabase;
class TADOCursor;
class TCustomADODataSet;
class TDataSource;

enum TADOLockType { ltUnspecified, ltReadOnly, ltPessimistic, ltOptimistic, ltBatchOptimistic };
enum TCursorType { ctUnspecified, ctOpenForwardOnly, ctKeyset, ctDynamic, ctStatic };
enum TCursorLocation { clUseServer, clUseClient };
enum TAffectRecords { arCurrent, arFiltered, arAll, arAllChapters };

// The text of Value as a connection-string value: in double quotes, each double quote doubled.
String QuotedConnectionValue(const String& Value);

// The connection string is "Key=Value;..." pairs; a value in double or single quotes may hold
// ";" (a quote of its kind inside is doubled). "Data Source" names the database file and the
// other keys (provider, user, password) are accepted and have no meaning here. Opening fails with
// EDatabaseError, and creates nothing, for a missing file, a file that is not a database, a
// damaged one and one that another program holds locked; which tables a file must have is for
// the caller to check (GetTableNames).
class TADOConnection : public TComponent {
 public:
  explicit TADOConnection(TComponent* AOwner);
  ~TADOConnection() override;
  String ClassName() const override { return "TADOConnection"; }

  const String& ConnectionString() const { return FConnectionString; }
  void SetConnectionString(const String& Value);
  String DatabaseFile() const;
  bool LoginPrompt() const { return FLoginPrompt; }
  void SetLoginPrompt(bool Value) { FLoginPrompt = Value; }
  bool Connected() const { return FDatabase != nullptr; }
  void SetConnected(bool Value);
  void Open() { SetConnected(true); }
  // Closes every data set of the connection first.
  void Close() { SetConnected(false); }

  // The longest a statement may run, in seconds, waiting for another program's locks included;
  // a statement that runs longer is stopped with an error saying so. 0 means no limit.
  int CommandTimeout() const { return FCommandTimeout; }
  void SetCommandTimeout(int Value);
  // Fills List with the names of the database's tables (not its views); opens the connection
  // when it is closed.
  void GetTableNames(TStrings* List);

  // Transactions nest; the answer is the new nesting level. A commit of the outermost level that
  // fails rolls everything back and ends the transaction before it raises, so no later
  // transaction nests in one that can no longer reach the file.
  int BeginTrans();
  void CommitTrans();
  void RollbackTrans();
  bool InTransaction() const { return FTransactionLevel > 0; }
  // Runs every statement of the text; the answer is the number of rows they changed.
  int Execute(const String& CommandText);

  int DataSetCount() const { return int(FDataSets.size()); }
  TCustomADODataSet* DataSets(int Index) const { return FDataSets.at(size_t(Index)); }

  TNotifyEvent BeforeConnect, AfterConnect, BeforeDisconnect, AfterDisconnect;

  // The open database, for the data sets; EDatabaseError when not connected.
  TSqliteDatabase& Database() const;

 protected:
  void Loaded() override;

 private:
  friend class TCustomADODataSet;
  void RunTransactionStatement(const String& Sql);

  String FConnectionString;
  bool FLoginPrompt = true;
  bool FStreamedConnected = false;
  int FCommandTimeout = 30;
  int FTransactionLevel = 0;
  std::unique_ptr<TSqliteDatabase> FDatabase;
  std::vector<TCustomADODataSet*> FDataSets;
};

// A parameter of a query, named by its ":Name" in the SQL text.
class TParameter {
 public:
  explicit TParameter(String Name) : FName(std::move(Name)) {}
  const String& Name() const { return FName; }
  const Variant& Value() const { return FValue; }
  void SetValue(const Variant& Value) { FValue = Value; }

 private:
  String FName;
  Variant FValue = Variant::Null();
};

// The parameters in the order of their first appearance in the text, so that position 0 is the
// first ":Name". A name that appears twice is one parameter.
class TParameters {
 public:
  int Count() const { return int(FItems.size()); }
  TParameter& Items(int Index) const;
  TParameter& operator[](int Index) const { return Items(Index); }
  TParameter* FindParam(const String& Name) const;
  // EDatabaseError when there is no parameter of this name.
  TParameter& ParamByName(const String& Name) const;
  // Makes the list the given names, keeping the values of names that stay.
  void Assign(const std::vector<String>& Names);

 private:
  std::vector<std::unique_ptr<TParameter>> FItems;
};

class TCustomADODataSet : public TDataSet {
 public:
  explicit TCustomADODataSet(TComponent* AOwner);
  ~TCustomADODataSet() override;
  String ClassName() const override { return "TCustomADODataSet"; }

  TADOConnection* Connection() const { return FConnection; }
  void SetConnection(TADOConnection* Value);
  // ltBatchOptimistic keeps posts and deletions until UpdateBatch; closing drops unsent ones.
  TADOLockType LockType() const { return FLockType; }
  void SetLockType(TADOLockType Value);
  TCursorType CursorType() const { return FCursorType; }
  void SetCursorType(TCursorType Value) { FCursorType = Value; }
  TCursorLocation CursorLocation() const { return FCursorLocation; }
  void SetCursorLocation(TCursorLocation Value) { FCursorLocation = Value; }
  // The table that posts go to when the rows come from several tables (a join); empty when they
  // come from one table. Columns of other tables are read-only.
  const String& UpdateTable() const { return FUpdateTable; }
  void SetUpdateTable(const String& Value);
  TParameters& Parameters() { return FParameters; }

  // Writes every pending change of a batch in one transaction; on failure (the file busy
  // included) none is written, all stay pending and nothing is left open, so a retry writes them.
  void UpdateBatch(TAffectRecords AffectRecords = arAll);
  // Gives every pending change of a batch back.
  void CancelBatch(TAffectRecords AffectRecords = arAll);
  bool CanModify() const override;

 protected:
  // The SQL text to open, with :Name parameters.
  virtual String CommandText() const = 0;
  // The value bound to the parameter Name; the query's Parameters by default.
  virtual Variant ParameterValue(const String& Name) const;
  TSqliteDatabase& Database() const;

  void InternalOpen() override;
  void InternalClose() override;
  void InternalPost(TPostRequest& Request) override;
  void InternalDelete(TRecordData& Record) override;
  bool ReadRows(const std::function<void(TRowValues&& Row)>& Take) override;
  std::vector<int> IdentityColumns() const override;
  bool CachesUpdates() const override { return FLockType == ltBatchOptimistic; }

 private:
  friend class TADOConnection;
  void RequireConnection() const;

  TADOConnection* FConnection = nullptr;
  TADOLockType FLockType = ltOptimistic;
  TCursorType FCursorType = ctKeyset;
  TCursorLocation FCursorLocation = clUseClient;
  String FUpdateTable;
  TParameters FParameters;
  std::unique_ptr<TADOCursor> FCursor;
};

class TADOQuery : public TCustomADODataSet {
 public:
  explicit TADOQuery(TComponent* AOwner);
  ~TADOQuery() override;
  String ClassName() const override { return "TADOQuery"; }

  // Changing the text closes the query and makes the parameters anew.
  TStringList* SQL() const { return FSQL.get(); }
  // Runs every statement of the text with the parameters; the answer is the rows changed.
  int ExecSQL();

 protected:
  String CommandText() const override { return FSQL->Text(); }

 private:
  void SQLChanged();
  std::unique_ptr<TStringList> FSQL;
};

// A table or view by name, in the order its rows were stored (or by IndexFieldNames). With a
// MasterSource it holds only the rows whose IndexFieldNames (or, when empty, MasterFields) equal
// the master's current MasterFields, and follows the master's moves.
class TADOTable : public TCustomADODataSet {
 public:
  explicit TADOTable(TComponent* AOwner);
  ~TADOTable() override;
  String ClassName() const override { return "TADOTable"; }

  const String& TableName() const { return FTableName; }
  void SetTableName(const String& Value);
  TDataSource* MasterSource() const;
  void SetMasterSource(TDataSource* Value);
  const String& MasterFields() const { return FMasterFields; }
  void SetMasterFields(const String& Value);
  const String& IndexFieldNames() const { return FIndexFieldNames; }
  void SetIndexFieldNames(const String& Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  bool CanModify() const override { return !FReadOnly && TCustomADODataSet::CanModify(); }

 protected:
  String CommandText() const override;
  Variant ParameterValue(const String& Name) const override;

 private:
  class TMasterLink;
  friend class TMasterLink;
  std::vector<String> DetailFieldNames() const;
  void MasterChanged();

  String FTableName;
  String FMasterFields;
  String FIndexFieldNames;
  bool FReadOnly = false;
  std::unique_ptr<TMasterLink> FMasterLink;
  std::vector<Variant> FMasterValues;
};
