// The record source over a data set, and the registration of the record sources for stored
// layouts.
#include "report/FR_DBSet.h"

#include "classes/Properties.h"
#include "report/FR_DBRel.h"

namespace {

const char* const RangeBeginNames[] = {"rbFirst", "rbCurrent"};
const char* const RangeEndNames[] = {"reLast", "reCurrent", "reCount"};

template <class T>
void PublishRange(TClassBuilder<T>& c) {
  c.Property("RangeBegin", &T::RangeBegin, &T::SetRangeBegin, RangeBeginNames).Default(rbFirst);
  c.Property("RangeEnd", &T::RangeEnd, &T::SetRangeEnd, RangeEndNames).Default(reLast);
  c.Property("RangeEndCount", &T::RangeEndCount, &T::SetRangeEndCount).Default(0);
  c.Event("OnCheckEOF", &T::OnCheckEOF);
}

}  // namespace

// The base class publishes nothing, so that each source lists its properties in its own order.
void RegisterRecordSourceClasses() {
  RegisterClass<TfrDataset, TComponent>("TfrDataset", [](TClassBuilder<TfrDataset>&) {});
  RegisterClass<TroVaziDataset, TfrDataset>("TroVaziDataset", [](TClassBuilder<TroVaziDataset>& c) {
    PublishRange(c);
    c.Event("OnFirst", &TroVaziDataset::OnFirst);
    c.Event("OnNext", &TroVaziDataset::OnNext);
    c.Event("OnPrior", &TroVaziDataset::OnPrior);
  });
  RegisterClass<TfrDBDataSet, TfrDataset>("TfrDBDataSet", [](TClassBuilder<TfrDBDataSet>& c) {
    c.Property("CloseDataSource", &TfrDBDataSet::CloseDataSource, &TfrDBDataSet::SetCloseDataSource).Default(false);
    c.Property("DataSet", &TfrDBDataSet::DataSet, &TfrDBDataSet::SetDataSet);
    c.Property("DataSource", &TfrDBDataSet::DataSource, &TfrDBDataSet::SetDataSource);
    c.Property("OpenDataSource", &TfrDBDataSet::OpenDataSource, &TfrDBDataSet::SetOpenDataSource).Default(true);
    PublishRange(c);
    c.Event("OnClose", &TfrDBDataSet::OnClose);
    c.Event("OnFirst", &TfrDBDataSet::OnFirst);
    c.Event("OnNext", &TfrDBDataSet::OnNext);
    c.Event("OnPrior", &TfrDBDataSet::OnPrior);
    c.Event("OnOpen", &TfrDBDataSet::OnOpen);
  });
}

TfrDBDataSet::TfrDBDataSet(TComponent* AOwner) : TfrDataset(AOwner) {}

TDataSet* TfrDBDataSet::GetDataSet() const {
  if (FDataSource && FDataSource->DataSet()) return FDataSource->DataSet();
  if (FDataSet) return FDataSet;
  throw EDSError("Unable to open dataset " + Name());
}

void TfrDBDataSet::Init() {
  TDataSet* dataSet = GetDataSet();
  if (FOpenDataSource) dataSet->Open();
  if (OnOpen) OnOpen(this);
  FBookmark = GetBookmark(*dataSet);
  FHasBookmark = true;
  FEndReached = false;
}

void TfrDBDataSet::Exit() {
  if (FHasBookmark) {
    const TBookmark bookmark = std::move(FBookmark);
    FBookmark.clear();
    FHasBookmark = false;
    if (RangeBegin() == rbCurrent || RangeEnd() == reCurrent) GotoBookmark(*GetDataSet(), bookmark);
  }
  if (OnClose) OnClose(this);
  if (FCloseDataSource) GetDataSet()->Close();
}

void TfrDBDataSet::First() {
  TDataSet* dataSet = GetDataSet();
  if (RangeBegin() == rbFirst) dataSet->First();
  else GotoBookmark(*dataSet, FBookmark);
  FEndReached = false;
  TfrDataset::First();
}

// A range from the first record to the remembered one steps until it has been there, so that it
// ends even when the remembered record is not the first.
void TfrDBDataSet::Next() {
  TDataSet* dataSet = GetDataSet();
  FEndReached = false;
  if (RangeEnd() == reCurrent && BookmarksEqual(*dataSet, GetBookmark(*dataSet), FBookmark)) {
    FEndReached = true;
    return;
  }
  dataSet->Next();
  TfrDataset::Next();
}

void TfrDBDataSet::Prior() {
  GetDataSet()->Prior();
  TfrDataset::Prior();
}

bool TfrDBDataSet::Eof() { return TfrDataset::Eof() || GetDataSet()->Eof() || FEndReached; }

void TfrDBDataSet::SetDataSet(TDataSet* Value) {
  Refer(FDataSet, Value);
  Refer(FDataSource, static_cast<TDataSource*>(nullptr));
}

void TfrDBDataSet::SetDataSource(TDataSource* Value) {
  Refer(FDataSource, Value);
  if (Value) Refer(FDataSet, static_cast<TDataSet*>(nullptr));
}

// Free notification for a referenced component of another owner.
template <class T>
void TfrDBDataSet::Refer(T*& Field, T* Value) {
  if (Field == Value) return;
  if (Field) RemoveFreeNotification(Field);
  if (Value) FreeNotification(Value);
  Field = Value;
}

void TfrDBDataSet::Notification(TComponent* AComponent, TOperation Operation) {
  TfrDataset::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FDataSet) FDataSet = nullptr;
  if (AComponent == FDataSource) FDataSource = nullptr;
}
