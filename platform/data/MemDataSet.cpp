// TMemDataSet: the records are the store; closing keeps their values for the next opening.
#include "data/MemDataSet.h"

TMemDataSet::TMemDataSet(TComponent* AOwner) : TDataSet(AOwner) {}

void TMemDataSet::InternalOpen() {
  if (FieldDefs().Count() == 0) throw EDatabaseError("数据集“" + Name() + "”没有字段定义。");
  for (TRowValues& row : FSavedRows) {
    row.resize(size_t(FieldDefs().Count()), Variant::Null());
    AddRecord(std::move(row));
  }
  FSavedRows.clear();
}

void TMemDataSet::InternalClose() {
  FSavedRows.clear();
  for (const TRecordData* record : StoredRecords()) FSavedRows.push_back(record->Values);
}

void TMemDataSet::InternalPost(TPostRequest& Request) {
  for (int i = 0; i < FieldDefs().Count(); ++i) {
    Variant& value = Request.Values[size_t(i)];
    if (FieldDefs().Items(i).DataType() != ftAutoInc) continue;
    if (Request.Inserting && value.IsNull()) value = Variant(++FLastAutoInc);
    else if (!value.IsNull()) FLastAutoInc = std::max(FLastAutoInc, value.AsInteger());
  }
}
