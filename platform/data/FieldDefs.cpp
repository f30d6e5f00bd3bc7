// Field definitions and the ordered field list of a data set.
#include <algorithm>

#include "data/DataSet.h"
#include "rtl/Text.h"

TFieldDef::TFieldDef(String Name, TFieldType DataType, int Size, bool Required, int FieldNo)
    : FName(std::move(Name)), FDataType(DataType), FSize(Size), FRequired(Required), FFieldNo(FieldNo) {}

TField* TFieldDef::CreateField(TDataSet* DataSet) const {
  TField* field = nullptr;
  switch (FDataType) {
    case ftString: case ftFixedChar: case ftWideString: field = new TStringField(DataSet); break;
    case ftSmallint: case ftInteger: case ftWord: case ftLargeint: field = new TIntegerField(DataSet); break;
    case ftAutoInc: field = new TAutoIncField(DataSet); break;
    case ftFloat: case ftCurrency: case ftBCD: field = new TFloatField(DataSet); break;
    case ftBoolean: field = new TBooleanField(DataSet); break;
    case ftDate: case ftTime: case ftDateTime: field = new TDateTimeField(DataSet); break;
    case ftMemo: case ftFmtMemo: field = new TMemoField(DataSet); break;
    case ftGraphic: field = new TGraphicField(DataSet); break;
    case ftBlob: case ftBytes: case ftVarBytes: case ftTypedBinary: field = new TBlobField(DataSet); break;
    default: throw EDatabaseError("字段“" + FName + "”的类型不受支持。");
  }
  field->SetFieldName(FName);
  field->SetSize(FSize);
  field->SetRequired(FRequired);
  field->SetReadOnly(FReadOnly);
  field->SetDataSet(DataSet);
  return field;
}

TFieldDef& TFieldDefs::Add(const String& Name, TFieldType DataType, int Size, bool Required) {
  if (IndexOf(Name) >= 0) throw EDatabaseError("字段名“" + Name + "”重复。");
  FItems.push_back(std::make_unique<TFieldDef>(Name, DataType, Size, Required, Count() + 1));
  return *FItems.back();
}

int TFieldDefs::IndexOf(const String& Name) const {
  for (int i = 0; i < Count(); ++i)
    if (AnsiSameText(FItems[size_t(i)]->Name(), Name)) return i;
  return -1;
}

TFieldDef* TFieldDefs::Find(const String& Name) const {
  const int i = IndexOf(Name);
  return i < 0 ? nullptr : FItems[size_t(i)].get();
}

TField* TFields::FindField(const String& Name) const {
  for (TField* field : FItems)
    if (AnsiSameText(field->FieldName(), Name)) return field;
  return nullptr;
}

TField* TFields::FieldByName(const String& Name) const {
  TField* field = FindField(Name);
  if (!field) throw EDatabaseError("找不到字段“" + Name + "”。");
  return field;
}

int TFields::IndexOf(const TField* Field) const {
  const auto it = std::find(FItems.begin(), FItems.end(), Field);
  return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TFields::Remove(TField* Field) { std::erase(FItems, Field); }

void TFields::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  TField* field = FItems.at(size_t(CurIndex));
  FItems.erase(FItems.begin() + CurIndex);
  NewIndex = std::clamp(NewIndex, 0, Count());
  FItems.insert(FItems.begin() + NewIndex, field);
}
