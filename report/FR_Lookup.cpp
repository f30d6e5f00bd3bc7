// Component, data-set and field lookups.
#include "report/FR_Lookup.h"

#include <vector>

#include "controls/GlobalComponents.h"
#include "data/DataSource.h"
#include "report/FR_Class.h"
#include "report/FR_DBRel.h"
#include "report/FR_DBSet.h"
#include "report/FR_State.h"
#include "rtl/Text.h"

namespace {

std::vector<String> SplitAtDots(const String& Text) {
  std::vector<String> parts(1);
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == '"') {
      parts.back() += Text.substr(i);
      break;
    }
    if (Text[i] == '.')
      parts.emplace_back();
    else
      parts.back() += Text[i];
  }
  return parts;
}

TComponent* Child(TComponent* Parent, const String& Name) { return Parent ? Parent->FindComponent(Name) : nullptr; }

// The data set a component stands for.
TDataSet* DataSetOf(TComponent* Component) {
  if (auto* dataSet = dynamic_cast<TDataSet*>(Component)) return dataSet;
  if (auto* source = dynamic_cast<TDataSource*>(Component)) return source->DataSet();
  if (auto* records = dynamic_cast<TfrDBDataSet*>(Component))
    return records->DataSource() ? records->DataSource()->DataSet() : records->DataSet();
  return nullptr;
}

String Dequoted(const String& Name) {
  if (Name.size() >= 3 && Name.front() == '"' && Name.back() == '"') return Name.substr(1, Name.size() - 2);
  return Name;
}

}  // namespace

TComponent* frFindComponent(const TComponent* Owner, const String& Path) {
  const std::vector<String> parts = SplitAtDots(Path);
  switch (parts.size()) {
    case 1: return Owner ? Owner->FindComponent(parts[0]) : nullptr;
    case 2: return Child(FindGlobalComponent(parts[0]), parts[1]);
    case 3: return Child(Child(FindGlobalComponent(parts[0]), parts[1]), parts[2]);
    default: return nullptr;
  }
}

void frGetDataSetAndField(const String& Text, TDataSet*& DataSet, String& FieldName) {
  const std::vector<String> parts = SplitAtDots(Text);
  const TfrReport* report = frState().ActiveReport;
  String field;
  switch (parts.size()) {
    case 1:
      if (DataSet) field = parts[0];
      break;
    case 2:
      DataSet = DataSetOf(report ? frFindComponent(report->Owner(), parts[0]) : nullptr);
      field = parts[1];
      break;
    case 3:
      DataSet = DataSetOf(Child(FindGlobalComponent(parts[0]), parts[1]));
      field = parts[2];
      break;
    case 4:
      DataSet = DataSetOf(Child(Child(FindGlobalComponent(parts[0]), parts[1]), parts[2]));
      field = parts[3];
      break;
    default:
      break;
  }
  FieldName = DataSet ? frCheckFieldName(DataSet, Dequoted(field)) : String();
}

String frCheckFieldName(TDataSet* DataSet, const String& Name) {
  if (!DataSet || Name.empty()) return String();
  TStringList names;
  GetFieldNamesSafe(DataSet, names);
  for (int i = 0; i < names.Count(); ++i)
    if (AnsiSameText(names[i], Name)) return Name;
  return String();
}

Variant frGetFieldValue(TField* Field) {
  TDataSet* dataSet = Field->DataSet();
  if (dataSet && !dataSet->Active()) dataSet->Open();
  if (Field->OnGetText || Field->DataType() == ftLargeint) return Field->DisplayText();
  if (!Field->IsNull()) return Field->Value();
  if (Field->DataType() == ftString) return String();
  if (Field->DataType() == ftBoolean) return false;
  return 0;
}
