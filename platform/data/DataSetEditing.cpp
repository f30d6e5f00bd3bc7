// Editing a data set: Edit, Insert, Append, Post, Cancel and Delete with their events, the
// error handlers that may retry or abort, field assignment, and the pending changes of a batch.
#include <algorithm>

#include "data/DataSource.h"
#include "rtl/ScopeExit.h"

bool TDataSet::CanModify() const { return true; }

void TDataSet::CheckCanModify() const {
  if (!CanModify()) throw EDatabaseError("不能修改只读数据集“" + Name() + "”。");
}

void TDataSet::CheckOperation(const std::function<void()>& Operation, const TDataSetErrorEvent& OnError) {
  for (;;) {
    try {
      Operation();
      return;
    } catch (EDatabaseError& e) {
      TDataAction action = daFail;
      if (OnError) OnError(this, e, action);
      if (action == daFail) throw;
      if (action == daAbort) Abort();
    }
  }
}

void TDataSet::CheckBrowseMode() {
  CheckActive();
  DataEvent(deCheckBrowseMode, 0);
  if (!IsEditing()) return;
  UpdateRecord();
  if (FModified)
    Post();
  else
    Cancel();
}

void TDataSet::UpdateRecord() {
  if (!IsEditing()) throw EDatabaseError("数据集“" + Name() + "”不在编辑或插入状态。");
  DataEvent(deUpdateRecord, 0);
}

void TDataSet::Edit() {
  if (IsEditing()) return;
  if (FBufRows == 0) {
    Insert();
    return;
  }
  CheckBrowseMode();
  CheckCanModify();
  Fire(BeforeEdit, this);
  CheckOperation([] {}, OnEditError);
  FEditRecord = BufferRecord(FActiveRecord);
  FEditValues = FEditRecord->Values;
  FAssigned.assign(FEditValues.size(), false);
  FEditRow = FActiveRecord;
  SetState(dsEdit);
  DataEvent(deRecordChange, 0);
  Fire(AfterEdit, this);
}

void TDataSet::Insert() { BeginInsert(false); }
void TDataSet::Append() { BeginInsert(true); }

// Insert puts the new record before the current one, in the current record's row; Append puts it
// after the last record, in the last row of the buffer.
void TDataSet::BeginInsert(bool Appending) {
  CheckBrowseMode();
  CheckCanModify();
  Fire(BeforeInsert, this);
  Fire(BeforeScroll, this);
  const int count = int(FView.size());
  if (Appending || count == 0) {
    FInsertPos = count;
    FBufFirst = std::max(0, count - (FBufferCount - 1));
    FBufRows = count - FBufFirst + 1;
    FActiveRecord = FBufRows - 1;
  } else {
    FInsertPos = CurrentPos();
    FBufRows = std::min(FBufferCount, FBufRows + 1);
  }
  FInsertRow = FActiveRecord;
  FEditRow = FActiveRecord;
  FNewRecord = std::make_unique<TRecordData>();
  FNewRecord->Values.assign(size_t(FFieldDefs.Count()), Variant::Null());
  FEditValues = FNewRecord->Values;
  FAssigned.assign(FEditValues.size(), false);
  FBof = FEof = false;
  SetState(dsInsert);
  try {
    Fire(OnNewRecord, this);
  } catch (...) {
    ClearEditBuffers();
    PlaceBuffer(std::min(FInsertPos, count - 1), FActiveRecord);
    SetState(dsBrowse);
    Resync();
    throw;
  }
  FModified = false;
  DataEvent(deDataSetChange, 0);
  Fire(AfterInsert, this);
  Fire(AfterScroll, this);
}

void TDataSet::Post() {
  UpdateRecord();
  DataEvent(deCheckBrowseMode, 0);
  Fire(BeforePost, this);
  CheckOperation([this] { WriteRecord(); }, OnPostError);
  Fire(AfterPost, this);
}

void TDataSet::CheckRequiredFields() const {
  for (TField* field : FFields.FItems)
    if (field->Required() && field->FieldNo() > 0 && FEditValues[size_t(field->FieldNo() - 1)].IsNull())
      throw EDatabaseError("字段“" + field->DisplayLabel() + "”必须有值。");
}

// Hands the record to the back end, then keeps it: values into the store, the new record into
// its place, state back to browse, and the posted record current in its row.
void TDataSet::WriteRecord() {
  if (!IsEditing()) return;  // an error handler cancelled meanwhile
  CheckRequiredFields();
  const bool inserting = FState == dsInsert;
  TRecordData& record = inserting ? *FNewRecord : *FEditRecord;
  TPostRequest request{record, FEditValues, FAssigned, inserting};
  InternalPost(request);
  if (CachesUpdates() && record.Status == usUnmodified && !inserting) record.OldValues = std::move(record.Values);
  record.Values = FEditValues;
  if (CachesUpdates() && record.Status != usInserted) record.Status = inserting ? usInserted : usModified;
  const int row = FActiveRecord;
  TRecordData* posted = inserting ? &StoreInsertedRecord(std::move(FNewRecord)) : &record;
  ClearEditBuffers();
  PlaceBuffer(posted->Pos >= 0 ? posted->Pos : FInsertPos, row);
  SetState(dsBrowse);
  DataEvent(deDataSetChange, 0);
}

TRecordData& TDataSet::StoreInsertedRecord(std::unique_ptr<TRecordData> Record) {
  TRecordData* record = &FRecords.Add({});
  const uint64_t id = record->Id;
  *record = std::move(*Record);
  record->Id = id;
  const size_t viewPos = size_t(std::min(FInsertPos, int(FView.size())));
  const auto before = viewPos < FView.size() ? std::find(FOrder.begin(), FOrder.end(), FView[viewPos]) : FOrder.end();
  FOrder.insert(before, record);
  FView.insert(FView.begin() + std::ptrdiff_t(viewPos), record);
  Renumber(viewPos);
  return *record;
}

void TDataSet::ClearEditBuffers() {
  FNewRecord.reset();
  FEditRecord = nullptr;
  FEditValues.clear();
  FAssigned.clear();
  FInsertRow = -1;
}

void TDataSet::Cancel() {
  if (!IsEditing()) return;
  DataEvent(deCheckBrowseMode, 0);
  Fire(BeforeCancel, this);
  const bool inserting = FState == dsInsert;
  int pos = inserting ? FInsertPos : CurrentPos();
  int row = FActiveRecord;
  if (inserting && pos >= int(FView.size())) {
    pos = int(FView.size()) - 1;  // a cancelled append leaves the last record current
    --row;
  }
  ClearEditBuffers();
  PlaceBuffer(pos, row);
  SetState(dsBrowse);
  DataEvent(deDataSetChange, 0);
  Fire(AfterCancel, this);
}

void TDataSet::Delete() {
  CheckActive();
  if (FState == dsInsert) {
    Cancel();
    return;
  }
  if (FBufRows == 0) throw EDatabaseError("不能对空数据集“" + Name() + "”执行此操作。");
  EnsureComplete();  // the record after the deleted one takes its place
  DataEvent(deCheckBrowseMode, 0);
  Fire(BeforeDelete, this);
  Fire(BeforeScroll, this);
  TRecordData* record = FState == dsEdit ? FEditRecord : BufferRecord(FActiveRecord);
  CheckOperation([this, record] { InternalDelete(*record); }, OnDeleteError);
  const int pos = record->Pos;
  const int row = FActiveRecord;
  ClearEditBuffers();
  RemoveRecord(record);
  PlaceBuffer(pos, row);
  SetState(dsBrowse);
  DataEvent(deDataSetChange, 0);
  Fire(AfterDelete, this);
  Fire(AfterScroll, this);
}

// A batch keeps a deleted record, hidden, until the batch is written; a record inserted in the
// same batch simply goes.
void TDataSet::RemoveRecord(TRecordData* Record) {
  if (Record->Pos >= 0) {
    FView.erase(FView.begin() + Record->Pos);
    Renumber(size_t(Record->Pos));
    Record->Pos = -1;
  }
  if (CachesUpdates() && Record->Status != usInserted) {
    Record->Status = usDeleted;
    return;
  }
  std::erase(FOrder, Record);
  FRecords.Remove(Record->Id);
}

void TDataSet::AppendRecord(const std::vector<Variant>& Values) {
  Append();
  try {
    for (size_t i = 0; i < Values.size() && i < size_t(FFields.Count()); ++i) FFields[int(i)]->SetValue(Values[i]);
    Post();
  } catch (...) {
    Cancel();
    throw;
  }
}

void TDataSet::SetFieldValue(TField* Field, const Variant& Value) {
  if (!IsEditing()) throw EDatabaseError("数据集“" + Name() + "”不在编辑或插入状态。");
  if (Field->FieldNo() <= 0) throw EDatabaseError("字段“" + Field->FieldName() + "”没有对应的数据。");
  if (!Field->CanModify()) throw EDatabaseError("字段“" + Field->DisplayLabel() + "”不能修改。");
  const size_t index = size_t(Field->FieldNo() - 1);
  Variant converted = Field->Convert(Value);
  Variant previous = FEditValues[index];
  FEditValues[index] = std::move(converted);
  if (Field->OnValidate) {
    auto undo = ScopeExit([&] { FEditValues[index] = std::move(previous); });
    Field->OnValidate(Field);
    undo.Dismiss();
  }
  FAssigned[index] = true;
  DataEvent(deFieldChange, reinterpret_cast<intptr_t>(Field));
}

TUpdateStatus TDataSet::UpdateStatus() const {
  const TRecordData* record = Active() ? CurrentRecord() : nullptr;
  return FState == dsInsert ? usInserted : record ? record->Status : usUnmodified;
}

bool TDataSet::HasPendingChanges() const {
  return std::any_of(FOrder.begin(), FOrder.end(), [](const TRecordData* r) { return r->Status != usUnmodified; });
}

void TDataSet::AcceptPendingChanges() {
  std::vector<TRecordData*> kept;
  for (TRecordData* record : FOrder) {
    if (record->Status == usDeleted) {
      FRecords.Remove(record->Id);
      continue;
    }
    record->Status = usUnmodified;
    record->OldValues.clear();
    kept.push_back(record);
  }
  FOrder = std::move(kept);
}

void TDataSet::RevertPendingChanges() {
  TRecordData* current = CurrentRecord();
  std::vector<TRecordData*> kept;
  for (TRecordData* record : FOrder) {
    if (record->Status == usInserted) {
      if (record == current) current = nullptr;
      FRecords.Remove(record->Id);
      continue;
    }
    if (!record->OldValues.empty()) record->Values = std::move(record->OldValues);
    record->OldValues.clear();
    record->Status = usUnmodified;
    kept.push_back(record);
  }
  FOrder = std::move(kept);
  const int pos = current ? current->Pos : CurrentPos();
  RebuildView();
  PlaceBuffer(current && current->Pos >= 0 ? current->Pos : pos, FActiveRecord);
  DataEvent(deDataSetChange, 0);
}
