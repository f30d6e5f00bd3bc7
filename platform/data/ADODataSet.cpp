// The SQLite data sets: TCustomADODataSet reads its query into the store (only the first row at
// Open, the rest when it is needed), writes posts at once or in a batch; TADOQuery runs SQL text
// with parameters; TADOTable reads a table, as the detail of a master when it has one.
#include "data/ADOCursor_p.h"
#include "data/DataSource.h"
#include "rtl/ScopeExit.h"

TCustomADODataSet::TCustomADODataSet(TComponent* AOwner) : TDataSet(AOwner) {}

TCustomADODataSet::~TCustomADODataSet() {
  Destroying();
  Close();
  SetConnection(nullptr);
}

void TCustomADODataSet::SetConnection(TADOConnection* Value) {
  if (Value == FConnection) return;
  CheckInactive();
  if (FConnection) std::erase(FConnection->FDataSets, this);
  FConnection = Value;
  if (FConnection) FConnection->FDataSets.push_back(this);
}

void TCustomADODataSet::SetLockType(TADOLockType Value) {
  CheckInactive();
  FLockType = Value;
}

void TCustomADODataSet::SetUpdateTable(const String& Value) {
  CheckInactive();
  FUpdateTable = Value;
}

void TCustomADODataSet::RequireConnection() const {
  if (!FConnection) throw EDatabaseError("数据集“" + Name() + "”没有指定数据库连接。");
  FConnection->Open();
}

TSqliteDatabase& TCustomADODataSet::Database() const {
  RequireConnection();
  return FConnection->Database();
}

Variant TCustomADODataSet::ParameterValue(const String& Name) const { return FParameters.ParamByName(Name).Value(); }

bool TCustomADODataSet::CanModify() const {
  return FLockType != ltReadOnly && (!Active() || (FCursor && FCursor->Writable()));
}

// Open reads the first row only: appending to a large table need not read it, and whatever
// needs the other rows reads them all (ReadRows).
void TCustomADODataSet::InternalOpen() {
  FCursor = std::make_unique<TADOCursor>(Database(), CommandText(), [this](const String& Name) { return ParameterValue(Name); });
  FCursor->Describe(FieldDefs(), FUpdateTable);
  FCursor->Restart();
  TRowValues row;
  if (FCursor->Next(row)) {
    AddRecord(row);
    if (FCursor->Next(row)) SetPartiallyRead();
  }
  FCursor->Finish();
}

void TCustomADODataSet::InternalClose() { FCursor.reset(); }

bool TCustomADODataSet::ReadRows(const std::function<void(TRowValues&& Row)>& Take) {
  FCursor->Restart();
  Bracket(
      [&] {
        TRowValues row;
        while (FCursor->Next(row)) Take(std::move(row));
      },
      [this] { FCursor->Finish(); });
  return true;
}

std::vector<int> TCustomADODataSet::IdentityColumns() const { return FCursor ? FCursor->KeyFields() : std::vector<int>(); }

void TCustomADODataSet::InternalPost(TPostRequest& Request) {
  if (CachesUpdates()) return;
  if (Request.Inserting)
    FCursor->Insert(Request.Values, Request.Assigned);
  else
    FCursor->Update(Request.Record.Stored(), Request.Values, Request.Assigned);
}

void TCustomADODataSet::InternalDelete(TRecordData& Record) {
  if (!CachesUpdates()) FCursor->Delete(Record.Stored());
}

namespace {

bool Differs(const Variant& a, const Variant& b) { return a.VarType() != b.VarType() || !VarSameValue(a, b); }

}  // namespace

// All pending changes are written as a whole, in store order; the records take the written values
// (auto-numbers of inserted rows) only once every change reached the database.
void TCustomADODataSet::UpdateBatch(TAffectRecords AffectRecords) {
  (void)AffectRecords;
  CheckBrowseMode();
  if (!HasPendingChanges()) return;
  std::vector<std::pair<TRecordData*, TRowValues>> inserted;
  Database().Atomically("batch_update", [&] {
    for (TRecordData* record : StoredRecords()) {
      std::vector<bool> changed(record->Values.size());
      switch (record->Status) {
        case usDeleted: FCursor->Delete(record->Stored()); break;
        case usModified:
          for (size_t i = 0; i < changed.size(); ++i) changed[i] = Differs(record->Values[i], record->Stored()[i]);
          FCursor->Update(record->Stored(), record->Values, changed);
          break;
        case usInserted: {
          TRowValues values = record->Values;
          for (size_t i = 0; i < changed.size(); ++i) changed[i] = !values[i].IsNull();
          FCursor->Insert(values, changed);
          inserted.emplace_back(record, std::move(values));
          break;
        }
        case usUnmodified: break;
      }
    }
  });
  for (auto& [record, values] : inserted) record->Values = std::move(values);
  AcceptPendingChanges();
  Resync();
}

void TCustomADODataSet::CancelBatch(TAffectRecords AffectRecords) {
  (void)AffectRecords;
  CheckActive();
  Cancel();
  RevertPendingChanges();
}

TADOQuery::TADOQuery(TComponent* AOwner) : TCustomADODataSet(AOwner), FSQL(std::make_unique<TStringList>()) {
  FSQL->OnChange = [this](TObject*) { SQLChanged(); };
}

TADOQuery::~TADOQuery() {
  Destroying();
  Close();
  FSQL->OnChange = nullptr;
}

void TADOQuery::SQLChanged() {
  if (!(ComponentState() & csLoading)) Close();
  Parameters().Assign(ParseParameters(FSQL->Text()).Names);
}

int TADOQuery::ExecSQL() {
  return ExecuteStatements(Database(), CommandText(), [this](const String& Name) { return ParameterValue(Name); });
}

// Follows the master data source: any move or change of the master's record reads the detail
// rows again when the values of the master fields changed.
class TADOTable::TMasterLink : public TDataLink {
 public:
  explicit TMasterLink(TADOTable& Table) : FTable(Table) {}

 protected:
  void ActiveChanged() override { FTable.MasterChanged(); }
  void RecordChanged(TField* Field) override {
    (void)Field;
    FTable.MasterChanged();
  }
  void CheckBrowseMode() override {
    if (FTable.Active()) FTable.CheckBrowseMode();
  }

 private:
  TADOTable& FTable;
};

TADOTable::TADOTable(TComponent* AOwner) : TCustomADODataSet(AOwner), FMasterLink(std::make_unique<TMasterLink>(*this)) {}

TADOTable::~TADOTable() {
  Destroying();
  Close();
  FMasterLink.reset();
}

void TADOTable::SetTableName(const String& Value) {
  CheckInactive();
  FTableName = Value;
}

TDataSource* TADOTable::MasterSource() const { return FMasterLink->DataSource(); }

void TADOTable::SetMasterSource(TDataSource* Value) {
  if (Value && Value->DataSet() == this) throw EDatabaseError("数据集不能作为自己的主表。");
  FMasterLink->SetDataSource(Value);
  MasterChanged();
}

void TADOTable::SetMasterFields(const String& Value) {
  FMasterFields = Value;
  MasterChanged();
}

void TADOTable::SetIndexFieldNames(const String& Value) {
  CheckInactive();
  FIndexFieldNames = Value;
}

namespace {

std::vector<String> SplitNames(const String& names) {
  std::vector<String> result;
  size_t start = 0;
  while (start <= names.size()) {
    const size_t end = std::min(names.find(';', start), names.size());
    if (String name = Trim(names.substr(start, end - start)); !name.empty()) result.push_back(name);
    start = end + 1;
  }
  return result;
}

}  // namespace

std::vector<String> TADOTable::DetailFieldNames() const {
  const std::vector<String> master = SplitNames(FMasterFields);
  std::vector<String> detail = SplitNames(FIndexFieldNames);
  detail.resize(std::min(detail.size(), master.size()));
  return detail.size() == master.size() ? detail : master;
}

String TADOTable::CommandText() const {
  if (FTableName.empty()) throw EDatabaseError("数据集“" + Name() + "”没有指定表名。");
  String sql = "SELECT * FROM " + QuoteName(FTableName);
  if (MasterSource()) {
    const std::vector<String> detail = DetailFieldNames();
    for (size_t i = 0; i < detail.size(); ++i)
      sql += (i == 0 ? " WHERE " : " AND ") + QuoteName(detail[i]) + " = :MasterValue" + std::to_string(i + 1);
  }
  String order;
  for (const String& name : SplitNames(FIndexFieldNames)) order += (order.empty() ? "" : ", ") + QuoteName(name);
  if (!Database().Table(FTableName).IsView) order += order.empty() ? "rowid" : ", rowid";
  return order.empty() ? sql : sql + " ORDER BY " + order;
}

// The master's current value of the master field; Null while the master has no record, which
// matches no detail row.
Variant TADOTable::ParameterValue(const String& Name) const {
  const String prefix = "MasterValue";
  if (Name.compare(0, prefix.size(), prefix) != 0) return TCustomADODataSet::ParameterValue(Name);
  const size_t index = size_t(std::atoi(Name.c_str() + prefix.size())) - 1;
  const std::vector<String> master = SplitNames(FMasterFields);
  TDataSet* dataSet = MasterSource() ? MasterSource()->DataSet() : nullptr;
  if (index >= master.size() || !dataSet || !dataSet->Active() || dataSet->IsEmpty()) return Variant::Null();
  return dataSet->FieldByName(master[index])->Value();
}

void TADOTable::MasterChanged() {
  std::vector<Variant> values;
  for (size_t i = 0; i < SplitNames(FMasterFields).size(); ++i) values.push_back(ParameterValue("MasterValue" + std::to_string(i + 1)));
  const bool same = values.size() == FMasterValues.size() &&
                    std::equal(values.begin(), values.end(), FMasterValues.begin(),
                               [](const Variant& a, const Variant& b) { return !Differs(a, b); });
  FMasterValues = std::move(values);
  if (same || !Active()) return;
  CheckBrowseMode();
  ReloadFromFirst();
}
