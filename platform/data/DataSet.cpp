// TDataSet: opening and closing, the fields, the state and the events that go out to the data
// sources, DisableControls and the buffer size that the links ask for.
#include <algorithm>

#include "data/DataSource.h"
#include "rtl/Text.h"

TDataSet::TDataSet(TComponent* AOwner) : TComponent(AOwner) {}

TDataSet::~TDataSet() {
  Destroying();
  if (Active()) {
    SetState(dsInactive);
    CloseCursor();
  }
  while (!FDataSources.empty()) FDataSources.back()->SetDataSet(nullptr);
  // Persistent fields outlive the data set only as free fields.
  for (TField* field : std::vector<TField*>(FFields.FItems)) field->FDataSet = nullptr;
}

void TDataSet::CheckActive() const {
  if (!Active()) throw EDatabaseError("数据集“" + Name() + "”未打开，不能执行此操作。");
}

void TDataSet::CheckInactive() const {
  if (Active()) throw EDatabaseError("数据集“" + Name() + "”已打开，不能执行此操作。");
}

void TDataSet::SetActive(bool Value) {
  if (ComponentState() & csLoading) {
    FStreamedActive = Value;
    return;
  }
  if (Value == Active()) return;
  if (Value) {
    Fire(BeforeOpen, this);
    OpenCursor();
    SetState(dsBrowse);
    Fire(AfterOpen, this);
    if (!IsEmpty()) Fire(AfterScroll, this);
  } else {
    const bool destroying = ComponentState() & csDestroying;
    if (!destroying) Fire(BeforeClose, this);
    SetState(dsInactive);
    CloseCursor();
    if (!destroying) Fire(AfterClose, this);
  }
}

void TDataSet::Loaded() {
  TComponent::Loaded();
  if (FStreamedActive) SetActive(true);
}

void TDataSet::OpenCursor() {
  try {
    InternalOpen();
    BindFields();
    RebuildView();
    UpdateBufferCount();
    if (FBufferCount > 1) EnsureComplete();
    ShowFirst();
  } catch (...) {
    CloseCursor();
    throw;
  }
}

void TDataSet::CloseCursor() {
  ClearEditBuffers();
  InternalClose();
  ClearStore();
  FBufFirst = FBufRows = FActiveRecord = 0;
  FBof = FEof = true;
  // A default field whose freeing closed the data set is already on its way out.
  for (TField* field : std::vector<TField*>(FFields.FItems)) {
    if (FDefaultFields && field->Owner() == this && !(field->ComponentState() & csDestroying))
      field->Free();
    else
      field->Bind(0);
  }
}

// Without persistent fields a field is made for every definition; persistent fields are bound to
// the definitions of their names.
void TDataSet::BindFields() {
  FDefaultFields = FFields.Count() == 0;
  if (FDefaultFields)
    for (int i = 0; i < FFieldDefs.Count(); ++i) FFieldDefs.Items(i).CreateField(this);
  for (TField* field : FFields.FItems) {
    // A lookup or calculated field reads no column of the records.
    if (field->FieldKind() != fkData) continue;
    const TFieldDef* def = FFieldDefs.Find(field->FieldName());
    if (!def) throw EDatabaseError("找不到字段“" + field->FieldName() + "”。");
    field->Bind(def->FieldNo());
  }
}

void TDataSet::SetState(TDataSetState Value) {
  if (FState == Value) return;
  FState = Value;
  FModified = false;
  DataEvent(deUpdateState, 0);
}

void TDataSet::DataEvent(TDataEvent Event, intptr_t Info) {
  if (Event == deFieldChange) {
    FModified = true;
    auto* field = reinterpret_cast<TField*>(Info);
    if (field->OnChange) field->OnChange(field);
  }
  if (FDisableCount == 0) {
    for (TDataSource* source : std::vector<TDataSource*>(FDataSources)) source->DataEvent(Event, Info);
  } else if ((Event == deUpdateState && FState == dsInactive) || Event == deLayoutChange) {
    FEnableEvent = deLayoutChange;
  }
}

void TDataSet::DisableControls() {
  if (FDisableCount == 0) {
    FDisableState = FState;
    FEnableEvent = deDataSetChange;
  }
  ++FDisableCount;
}

void TDataSet::EnableControls() {
  if (FDisableCount == 0) return;
  if (--FDisableCount > 0) return;
  if (FDisableState != FState) DataEvent(deUpdateState, 0);
  if (FDisableState != dsInactive && FState != dsInactive) DataEvent(FEnableEvent, 0);
}

void TDataSet::AddDataSource(TDataSource* Source) {
  FDataSources.push_back(Source);
  UpdateBufferCount();
}

void TDataSet::RemoveDataSource(TDataSource* Source) {
  std::erase(FDataSources, Source);
  UpdateBufferCount();
}

// The buffer holds as many records as the largest link asks for. The current record keeps its
// row when it can.
void TDataSet::UpdateBufferCount() {
  int count = 1;
  for (TDataSource* source : FDataSources)
    for (TDataLink* link : source->FDataLinks) count = std::max(count, link->BufferCount());
  if (count == FBufferCount) return;
  FBufferCount = count;
  if (!Active() || FState == dsInsert || FBufRows == 0) {
    FBufRows = std::min(FBufRows, FBufferCount);
    FActiveRecord = std::min(FActiveRecord, std::max(FBufRows - 1, 0));
    return;
  }
  if (count > 1) EnsureComplete();
  PlaceBuffer(CurrentPos(), FActiveRecord);
}

void TDataSet::SetActiveRecord(int Value) {
  if (Value < 0 || Value >= std::max(FBufRows, 1)) throw EDatabaseError("缓冲行号超出范围。");
  FActiveRecord = Value;
}

void TDataSet::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  for (TField* field : FFields.FItems)
    if (field->Owner() == Root) Proc(field);
}

const std::vector<Variant>* TDataSet::ActiveValues() const {
  // The plain read while browsing: no record is edited, inserted or tested by the filter.
  if (FState == dsBrowse && FInsertRow < 0)
    return FBufRows == 0 ? nullptr : &FView[size_t(FBufFirst + FActiveRecord)]->Values;
  if (FState == dsFilter) return FFilterRecord ? &FFilterRecord->Values : nullptr;
  if (!Active() || FBufRows == 0) return nullptr;
  if (IsEditing() && FActiveRecord == FEditRow) return &FEditValues;
  return &BufferRecord(FActiveRecord)->Values;
}

Variant TDataSet::GetFieldValue(const TField* Field) const {
  const std::vector<Variant>* values = ActiveValues();
  if (!values || Field->FieldNo() <= 0) return Variant::Null();
  return (*values)[size_t(Field->FieldNo() - 1)];
}

Variant TDataSet::GetOldFieldValue(const TField* Field) const {
  if (FState == dsInsert || !Active() || FBufRows == 0 || Field->FieldNo() <= 0) return Variant::Null();
  const TRecordData* record = IsEditing() ? FEditRecord : BufferRecord(FActiveRecord);
  return record->Values[size_t(Field->FieldNo() - 1)];
}

std::vector<TField*> TDataSet::FieldList(const String& Names) const {
  std::vector<TField*> fields;
  size_t start = 0;
  while (start <= Names.size()) {
    const size_t end = std::min(Names.find(';', start), Names.size());
    const String name = Trim(Names.substr(start, end - start));
    if (!name.empty()) fields.push_back(FieldByName(name));
    start = end + 1;
  }
  return fields;
}
