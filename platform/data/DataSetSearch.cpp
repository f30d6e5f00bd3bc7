// Searching and filtering a data set: Locate, Lookup, the Filter expression and OnFilterRecord.
#include "data/DataSource.h"
#include "data/FilterExpression_p.h"
#include "rtl/ScopeExit.h"

TRecordData* TDataSet::FindRecord(const std::vector<TField*>& Fields, const std::vector<Variant>& Values,
                                  TLocateOptions Options) {
  if (Fields.size() != Values.size())
    throw EDatabaseError("查找字段与查找值的个数不一致（" + std::to_string(Fields.size()) + " 个字段，" +
                         std::to_string(Values.size()) + " 个值）。");
  EnsureComplete();
  for (TRecordData* record : FView) {
    bool match = true;
    for (size_t i = 0; match && i < Fields.size(); ++i) {
      const TField& field = *Fields[i];
      if (field.FieldNo() <= 0) return nullptr;
      match = FieldValueMatches(field, record->Values[size_t(field.FieldNo() - 1)], Values[i],
                                Options & loCaseInsensitive, Options & loPartialKey);
    }
    if (match) return record;
  }
  return nullptr;
}

bool TDataSet::Locate(const String& KeyFields, const Variant& KeyValue, TLocateOptions Options) {
  return Locate(KeyFields, std::vector<Variant>{KeyValue}, Options);
}

bool TDataSet::Locate(const String& KeyFields, const std::vector<Variant>& KeyValues, TLocateOptions Options) {
  CheckBrowseMode();
  Fire(BeforeScroll, this);
  TRecordData* record = FindRecord(FieldList(KeyFields), KeyValues, Options);
  if (!record) return false;
  MoveToRecord(record->Pos, true);
  return true;
}

Variant TDataSet::Lookup(const String& KeyFields, const Variant& KeyValue, const String& ResultField) {
  return Lookup(KeyFields, std::vector<Variant>{KeyValue}, ResultField);
}

Variant TDataSet::Lookup(const String& KeyFields, const std::vector<Variant>& KeyValues, const String& ResultField) {
  CheckActive();
  const TField* result = FieldByName(ResultField);
  const TRecordData* record = FindRecord(FieldList(KeyFields), KeyValues, 0);
  if (!record || result->FieldNo() <= 0) return Variant::Null();
  return record->Values[size_t(result->FieldNo() - 1)];
}

void TDataSet::SetFilter(const String& Value) {
  FFilterExpression = TFilterExpression::Parse(Value);
  FFilterText = Value;
  if (Active() && FFiltered) ApplyFilter();
}

void TDataSet::SetFiltered(bool Value) {
  if (Value == FFiltered) return;
  FFiltered = Value;
  if (Active()) ApplyFilter();
}

void TDataSet::SetFilterOptions(TFilterOptions Value) {
  if (Value == FFilterOptions) return;
  FFilterOptions = Value;
  if (Active() && FFiltered) ApplyFilter();
}

// OnFilterRecord reads the record through the fields, in the state dsFilter; the state changes
// without telling the links.
bool TDataSet::Accepts(TRecordData& Record) {
  if (!FFiltered) return true;
  if (FFilterExpression && !FFilterExpression->Evaluate(*this, Record.Values, FFilterOptions)) return false;
  if (!OnFilterRecord) return true;
  const auto restore = ScopeExit([this, saved = FState] {
    FState = saved;
    FFilterRecord = nullptr;
  });
  FState = dsFilter;
  FFilterRecord = &Record;
  bool accept = true;
  OnFilterRecord(this, accept);
  return accept;
}

// The current record stays current when the filter keeps it; otherwise the first one is.
void TDataSet::ApplyFilter() {
  CheckBrowseMode();
  EnsureComplete();
  TRecordData* current = CurrentRecord();
  RebuildView();
  if (current && current->Pos >= 0) {
    PlaceBuffer(current->Pos, FActiveRecord);
  } else {
    ShowFirst();
  }
  DataEvent(deDataSetChange, 0);
}
