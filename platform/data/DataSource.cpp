// TDataSource and TDataLink: the data set's events handed to every link, each link's window of
// buffered records, and the state changes told to links and to the data source's handlers.
#include <algorithm>

#include "data/DataSource.h"
#include "rtl/ScopeExit.h"

TDataSource::TDataSource(TComponent* AOwner) : TComponent(AOwner) {}

TDataSource::~TDataSource() {
  Destroying();
  SetDataSet(nullptr);
  while (!FDataLinks.empty()) FDataLinks.back()->SetDataSource(nullptr);
}

void TDataSource::SetDataSet(TDataSet* Value) {
  if (Value == FDataSet) return;
  if (FDataSet) {
    FDataSet->RemoveDataSource(this);
    RemoveFreeNotification(FDataSet);
  }
  FDataSet = Value;
  if (FDataSet) {
    FDataSet->AddDataSource(this);
    FreeNotification(FDataSet);
  }
  UpdateState();
}

void TDataSource::SetEnabled(bool Value) {
  FEnabled = Value;
  UpdateState();
}

void TDataSource::Edit() {
  if (FAutoEdit && FDataSet && FDataSet->State() == dsBrowse) FDataSet->Edit();
}

void TDataSource::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FDataSet) SetDataSet(nullptr);
}

// The links hear the new state first, then OnStateChange runs, and a data source that has just
// become active reports a data change as well.
void TDataSource::UpdateState() {
  const TDataSetState state = FEnabled && FDataSet ? FDataSet->State() : dsInactive;
  if (state == FState) return;
  const TDataSetState prior = FState;
  FState = state;
  for (TDataLink* link : std::vector<TDataLink*>(FDataLinks)) link->UpdateState();
  if (ComponentState() & csDestroying) return;
  if (OnStateChange) OnStateChange(this);
  if (prior == dsInactive && OnDataChange) OnDataChange(this, nullptr);
}

void TDataSource::DataEvent(TDataEvent Event, intptr_t Info) {
  if (Event == deUpdateState) {
    UpdateState();
    return;
  }
  if (FState == dsInactive) return;
  for (TDataLink* link : std::vector<TDataLink*>(FDataLinks)) link->DataEvent(Event, Info);
  switch (Event) {
    case deFieldChange: case deRecordChange: case deDataSetChange: case deDataSetScroll:
      if (OnDataChange) OnDataChange(this, Event == deFieldChange ? reinterpret_cast<TField*>(Info) : nullptr);
      break;
    case deUpdateRecord:
      if (OnUpdateData) OnUpdateData(this);
      break;
    default: break;
  }
}

void TDataSource::AddDataLink(TDataLink* Link) {
  FDataLinks.push_back(Link);
  if (FDataSet) FDataSet->UpdateBufferCount();
}

void TDataSource::RemoveDataLink(TDataLink* Link) {
  std::erase(FDataLinks, Link);
  if (FDataSet) FDataSet->UpdateBufferCount();
}

TDataLink::~TDataLink() {
  FActive = false;  // no notices to a link that is going away
  if (FDataSource) FDataSource->RemoveDataLink(this);
}

void TDataLink::SetDataSource(TDataSource* Value) {
  if (Value == FDataSource) return;
  if (FDataSource) FDataSource->RemoveDataLink(this);
  FDataSource = Value;
  if (FDataSource) FDataSource->AddDataLink(this);
  UpdateState();
}

void TDataLink::SetReadOnly(bool Value) {
  if (Value == FReadOnly) return;
  FReadOnly = Value;
  UpdateState();
}

void TDataLink::UpdateState() {
  SetActive(FDataSource && FDataSource->State() != dsInactive);
  SetEditing(FDataSource && (FDataSource->State() == dsEdit || FDataSource->State() == dsInsert ||
                             FDataSource->State() == dsSetKey) && !FReadOnly);
}

void TDataLink::SetActive(bool Value) {
  if (Value == FActive) return;
  FActive = Value;
  if (Value)
    UpdateRange();
  else
    FFirstRecord = 0;
  ActiveChanged();
}

void TDataLink::SetEditing(bool Value) {
  if (Value == FEditing) return;
  FEditing = Value;
  EditingChanged();
}

// Keeps the window inside the data set's buffer and the current record inside the window.
void TDataLink::UpdateRange() {
  const TDataSet* dataSet = DataSet();
  const int active = dataSet->FActiveRecord;
  const int lowest = std::max(0, active - FBufferCount + 1);
  const int highest = std::max(0, std::min(dataSet->FBufferCount - FBufferCount, active));
  FFirstRecord = std::clamp(FFirstRecord, lowest, std::max(lowest, highest));
}

void TDataLink::SetBufferCount(int Value) {
  Value = std::max(Value, 1);
  if (Value == FBufferCount) return;
  FBufferCount = Value;
  if (!FActive) {
    if (FDataSource && FDataSource->DataSet()) FDataSource->DataSet()->UpdateBufferCount();
    return;
  }
  UpdateRange();
  DataSet()->UpdateBufferCount();
  UpdateRange();
}

int TDataLink::ActiveRecord() const {
  if (!FActive || FDataSource->State() == dsSetKey) return 0;
  return DataSet()->FActiveRecord - FFirstRecord;
}

void TDataLink::SetActiveRecord(int Value) {
  if (FActive && FDataSource->State() != dsSetKey) DataSet()->SetActiveRecord(Value + FFirstRecord);
}

int TDataLink::RecordCount() const {
  if (!FActive) return 0;
  return std::max(0, std::min(FBufferCount, DataSet()->FBufRows - FFirstRecord));
}

bool TDataLink::Edit() {
  if (!FReadOnly && FDataSource) FDataSource->Edit();
  return FEditing;
}

void TDataLink::UpdateRecord() {
  FUpdating = true;
  const auto updated = ScopeExit([this] { FUpdating = false; });
  UpdateData();
}

// Info is how far the data set's buffer moved its records (negative when it moved forwards), so
// FFirstRecord + Info is the row that now holds the link's first record. The window then follows
// the current record; the answer is how far it moved, positive forwards.
int TDataLink::MoveWindow(int Info) {
  if (FDataSource->State() == dsSetKey) return 0;
  const int active = DataSet()->FActiveRecord;
  const int first = FFirstRecord + Info;
  const int last = first + FBufferCount - 1;
  int count = 0;
  if (active > last)
    count = active - last;
  else if (active < first)
    count = active - first;
  FFirstRecord = first + count;
  return count;
}

void TDataLink::DataEvent(TDataEvent Event, intptr_t Info) {
  if (Event == deUpdateState) {
    UpdateState();
    return;
  }
  if (!FActive) return;
  switch (Event) {
    case deFieldChange: case deRecordChange:
      if (!FUpdating) RecordChanged(reinterpret_cast<TField*>(Info));
      break;
    case deDataSetChange: MoveWindow(int(Info)); DataSetChanged(); break;
    case deDataSetScroll: DataSetScrolled(MoveWindow(int(Info))); break;
    case deLayoutChange: MoveWindow(int(Info)); LayoutChanged(); break;
    case deUpdateRecord: UpdateRecord(); break;
    case deCheckBrowseMode: CheckBrowseMode(); break;
    case deFocusControl: {
      TField* field = reinterpret_cast<TField*>(Info);
      FocusControl(field);
      break;
    }
    default: break;
  }
}
