// TField: reading and writing one column of the active record, texts, and the field's place in
// its data set. The kinds of value each field class holds are in FieldTypes.cpp.
#include "data/DataSet.h"
#include "rtl/Convert.h"

TField::TField(TComponent* AOwner) : TComponent(AOwner) {}

// A field freed while its data set is open closes the data set first, as its records would
// otherwise lose a column under the links' feet.
TField::~TField() {
  Destroying();  // closing the data set below must not free this field a second time
  if (FDataSet && FDataSet->Active()) FDataSet->Close();
  SetDataSet(nullptr);
}

void TField::SetDataSet(TDataSet* Value) {
  if (Value == FDataSet) return;
  if (FDataSet) {
    FDataSet->CheckInactive();
    FDataSet->FFields.Remove(this);
  }
  if (Value) {
    Value->CheckInactive();
    Value->FFields.Add(this);
  }
  FDataSet = Value;
}

void TField::SetFieldName(const String& Value) {
  if (FDataSet && FDataSet->Active()) throw EDatabaseError("数据集打开时不能更改字段名。");
  FFieldName = Value;
}

int TField::Index() const { return FDataSet ? FDataSet->FFields.IndexOf(this) : -1; }

void TField::SetIndex(int Value) {
  if (!FDataSet) return;
  FDataSet->FFields.Move(Index(), Value);
  FDataSet->DataEvent(deLayoutChange, 0);
}

bool TField::CanModify() const {
  return !FReadOnly && FFieldKind == fkData && FDataSet && FDataSet->CanModify();
}

bool TField::IsValidChar(char32_t Ch) const { return Ch >= 0x20; }

bool TField::IsNull() const { return Value().IsNull(); }

Variant TField::Value() const {
  if (FFieldKind == fkLookup) return LookupValue();
  return FDataSet ? FDataSet->GetFieldValue(this) : Variant::Null();
}

// --- lookup fields ------------------------------------------------------------------------------------

void TField::SetLookupDataSet(TDataSet* Value) {
  if (FLookupDataSet == Value) return;
  if (FLookupDataSet) FLookupDataSet->RemoveFreeNotification(this);
  FLookupDataSet = Value;
  if (Value) Value->FreeNotification(this);
}

void TField::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FLookupDataSet) FLookupDataSet = nullptr;
}

Variant TField::LookupValue() const {
  if (!FDataSet || !FDataSet->Active() || !FLookupDataSet || !FLookupDataSet->Active()) return Variant::Null();
  std::vector<Variant> keys;
  for (const TField* key : FDataSet->FieldList(FKeyFields)) {
    keys.push_back(key->Value());
    if (keys.back().IsNull()) return Variant::Null();
  }
  if (keys.empty()) return Variant::Null();
  const Variant found = FLookupDataSet->Lookup(FLookupKeyFields, keys, FLookupResultField);
  return found.IsNull() ? found : ConvertValue(found);
}

Variant TField::OldValue() const { return FDataSet ? FDataSet->GetOldFieldValue(this) : Variant::Null(); }

void TField::SetValue(const Variant& Value) {
  if (!FDataSet) throw EDatabaseError("字段“" + FFieldName + "”不属于任何数据集。");
  FDataSet->SetFieldValue(this, Value);
}

Variant TField::Convert(const Variant& Value) const {
  if (Value.IsNull() || Value.IsEmpty()) return Variant::Null();
  return ConvertValue(Value);
}

Variant TField::ConvertValue(const Variant& Value) const { return Value; }

String TField::AsString() const {
  const Variant value = Value();
  return value.IsNull() ? String() : ValueText(value, false);
}

void TField::SetAsString(const String& Value) { SetValue(FromText(Value)); }

int TField::AsInteger() const {
  const Variant value = Value();
  return value.IsNull() ? 0 : value.AsInteger();
}

double TField::AsFloat() const {
  const Variant value = Value();
  return value.IsNull() ? 0 : value.AsDouble();
}

bool TField::AsBoolean() const {
  const Variant value = Value();
  return value.IsNull() ? false : value.AsBoolean();
}

TDateTime TField::AsDateTime() const {
  const Variant value = Value();
  return value.IsNull() ? 0 : value.AsDateTime();
}

String TField::ValueText(const Variant& Value, bool DisplayText) const {
  const TFieldTextKind kind = TextKind();
  return TFieldDisplayText::Of(kind, Value, DisplayText, kind == ftkBlob ? KindName() : DisplayFormat());
}

TFieldDisplayText TField::DisplayTextRule() const {
  TFieldDisplayText rule;
  rule.FKind = TextKind();
  rule.FFormat = rule.FKind == ftkBlob ? KindName() : DisplayFormat();
  return rule;
}

// Empty text clears the field.
Variant TField::FromText(const String& Text) const {
  return Text.empty() ? Variant::Null() : Convert(Variant(Text));
}

String TField::GetText(bool DisplayText) const {
  String text;
  if (OnGetText) {
    OnGetText(const_cast<TField*>(this), text, DisplayText);
    return text;
  }
  const Variant value = Value();
  // Only a blob shows something for null: the name of its kind in lower case.
  if (value.IsNull()) return DisplayText && IsBlob() ? ValueText(value, true) : String();
  return ValueText(value, DisplayText);
}

void TField::SetText(const String& Value) {
  if (OnSetText)
    OnSetText(this, Value);
  else
    SetAsString(Value);
}

void TField::FocusControl() {
  if (FDataSet && FDataSet->Active()) FDataSet->DataEvent(deFocusControl, reinterpret_cast<intptr_t>(this));
}

TComponent* TField::GetParentComponent() const { return FDataSet; }

void TField::SetParentComponent(TComponent* Value) {
  if (auto* dataSet = dynamic_cast<TDataSet*>(Value)) SetDataSet(dataSet);
}
