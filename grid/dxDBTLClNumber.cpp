// The number and time kinds of column: spin (limits from the field until assigned), calculator,
// time (the field keeps its date) and currency (the locale's format until one is set).
#include <cmath>

#include "data/Fields.h"
#include "grid/dxDBCtrl.h"
#include "grid/dxDBTLCl.h"
#include "rtl/Convert.h"
#include "rtl/FormatSettings.h"

namespace {

// The number a filter value shows: a null value shows 0.
double FilterNumber(const Variant& Value) { return Value.IsNull() || Value.IsEmpty() ? 0 : Value.AsDouble(); }

bool IsFloatField(const TField* Field) {
  return Field && (Field->DataType() == ftFloat || Field->DataType() == ftCurrency || Field->DataType() == ftBCD);
}

}  // namespace

// --- the spin column --------------------------------------------------------------------------------

void TdxDBTreeListSpinColumn::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxDBTreeListSpinColumn*>(Source);
  if (!source) return TdxDBTreeListColumn::Assign(Source);
  InsideControlUpdate([&] {
    TdxDBTreeListColumn::Assign(Source);
    FSpin = source->FSpin;
    FMinValue = source->FMinValue;
    FMaxValue = source->FMaxValue;
    FMinAssigned = source->FMinAssigned;
    FMaxAssigned = source->FMaxAssigned;
    FShowButtonStyle = source->FShowButtonStyle;
  });
}

double TdxDBTreeListSpinColumn::FieldLimit(bool Max) const {
  const auto* numeric = dynamic_cast<const TNumericField*>(Field());
  if (!numeric) return 0;
  return Max ? numeric->MaxValue() : numeric->MinValue();
}

double TdxDBTreeListSpinColumn::MinValue() const { return FMinAssigned ? FMinValue : FieldLimit(false); }
double TdxDBTreeListSpinColumn::MaxValue() const { return FMaxAssigned ? FMaxValue : FieldLimit(true); }

void TdxDBTreeListSpinColumn::SetMinValue(double Value) {
  FMinValue = Value;
  FMinAssigned = true;
}

void TdxDBTreeListSpinColumn::SetMaxValue(double Value) {
  FMaxValue = Value;
  FMaxAssigned = true;
}

bool TdxDBTreeListSpinColumn::IsMinValueStored() const { return FMinAssigned && FMinValue != FieldLimit(false); }
bool TdxDBTreeListSpinColumn::IsMaxValueStored() const { return FMaxAssigned && FMaxValue != FieldLimit(true); }

const TdxInplaceEditClass& TdxDBTreeListSpinColumn::GetEditorClass() const {
  return TdxInplaceDBTreeListSpinEdit::EditClassObject();
}

const TdxInplaceEditClass& TdxDBTreeListSpinColumn::GetFilterEditorClass() const {
  return TCustomdxFilterSpinEdit::EditClassObject();
}

void TdxDBTreeListSpinColumn::InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) {
  TdxDBTreeListColumn::InitViewData(ViewData, CellViewData);
  if (auto* spin = dynamic_cast<TdxSpinEditViewData*>(&ViewData))
    spin->ButtonsVisible = IsCellButtonVisible(*this, FShowButtonStyle, CellViewData.Node);
}

void TdxSpinOptions::ApplyTo(TdxInplaceSpinEdit& Editor) const {
  Editor.SetEditorEnabled(EditorEnabled);
  Editor.SetIncrement(Increment);
  Editor.SetUseCtrlIncrement(UseCtrlIncrement);
}

void TdxDBTreeListSpinColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListColumn::InitEditor(Editor);
  auto* spin = dynamic_cast<TdxInplaceSpinEdit*>(Editor);
  if (!spin) return;
  FSpin.ApplyTo(*spin);
  spin->SetMinMaxValues(MinValue(), MaxValue());
  spin->SetValueType(IsFloatField(Field()) ? svtFloat : svtInteger);
}

Variant TdxDBTreeListSpinColumn::ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  auto* spin = dynamic_cast<TdxInplaceSpinEdit*>(Editor);
  if (!Field() || !spin) return TdxDBTreeListColumn::ApplyEditValue(Node, Editor);
  Field()->SetAsFloat(spin->GetValue());
  return Node->Values(GetIndex());
}

Variant TdxDBTreeListSpinColumn::InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  auto* spin = dynamic_cast<TdxInplaceSpinEdit*>(Editor);
  if (!Field() || !spin) return TdxDBTreeListColumn::InitEditValue(Node, Editor);
  spin->SetValue(Field()->AsFloat());
  return spin->GetEditValue();
}

Variant TdxDBTreeListSpinColumn::GetFilterEditValue(TdxInplaceEdit* Editor, String& DisplayText) {
  auto* spin = dynamic_cast<TdxInplaceSpinEdit*>(Editor);
  if (!spin) return TdxDBTreeListColumn::GetFilterEditValue(Editor, DisplayText);
  DisplayText = spin->Text();
  return Variant(spin->GetValue());
}

void TdxDBTreeListSpinColumn::SetFilterEditValue(TdxInplaceEdit* Editor, const Variant& Value) {
  auto* spin = dynamic_cast<TdxInplaceSpinEdit*>(Editor);
  if (!spin) return TdxDBTreeListColumn::SetFilterEditValue(Editor, Value);
  spin->SetValue(FilterNumber(Value));
}

void TdxDBTreeListSpinColumn::RestoreDefaults() {
  TdxDBTreeListColumn::RestoreDefaults();
  FSpin = TdxSpinOptions();
  FMinValue = FMaxValue = 0;
  FMinAssigned = FMaxAssigned = false;
  FShowButtonStyle = sbDefault;
}

// --- the calculator column --------------------------------------------------------------------------

void TdxDBTreeListCalcColumn::Assign(const TPersistent* Source) {
  TdxDBTreeListDropDownColumn::Assign(Source);
  if (const auto* source = dynamic_cast<const TdxDBTreeListCalcColumn*>(Source)) FCalc = source->FCalc;
}

const TdxInplaceEditClass& TdxDBTreeListCalcColumn::GetEditorClass() const {
  return TdxInplaceDBTreeListCalcEdit::EditClassObject();
}

const TdxInplaceEditClass& TdxDBTreeListCalcColumn::GetFilterEditorClass() const {
  return TCustomdxFilterCalcEdit::EditClassObject();
}

void TdxCalcOptions::ApplyTo(TdxInplaceCalcEdit& Editor) const {
  Editor.SetBeepOnError(BeepOnError);
  Editor.SetButtonStyle(ButtonStyle);
  Editor.SetPrecision(Precision);
  Editor.SetQuickClose(QuickClose);
  Editor.SetShowButtonFrame(ShowButtonFrame);
}

void TdxDBTreeListCalcColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListDropDownColumn::InitEditor(Editor);
  if (auto* calc = dynamic_cast<TdxInplaceCalcEdit*>(Editor)) FCalc.ApplyTo(*calc);
}

void TdxDBTreeListCalcColumn::RestoreDefaults() {
  TdxDBTreeListDropDownColumn::RestoreDefaults();
  FCalc = TdxCalcOptions();
}

// --- the time column --------------------------------------------------------------------------------

void TdxDBTreeListTimeColumn::Assign(const TPersistent* Source) {
  TdxDBTreeListColumn::Assign(Source);
  if (const auto* source = dynamic_cast<const TdxDBTreeListTimeColumn*>(Source)) FTime = source->FTime;
}

const TdxInplaceEditClass& TdxDBTreeListTimeColumn::GetEditorClass() const {
  return TdxInplaceDBTreeListTimeEdit::EditClassObject();
}

const TdxInplaceEditClass& TdxDBTreeListTimeColumn::GetFilterEditorClass() const {
  return TCustomdxFilterTimeEdit::EditClassObject();
}

void TdxTimeOptions::ApplyTo(TdxInplaceTimeEdit& Editor) const {
  Editor.SetTimeEditFormat(TimeEditFormat);
  Editor.SetUseCtrlIncrement(UseCtrlIncrement);
}

void TdxDBTreeListTimeColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListColumn::InitEditor(Editor);
  if (auto* time = dynamic_cast<TdxInplaceTimeEdit*>(Editor)) FTime.ApplyTo(*time);
}

namespace {

TDateTime TimeOfDay(TDateTime Value) { return std::fabs(Value - std::trunc(Value)); }

}  // namespace

// The field keeps the date part of its value and takes the editor's time of day.
Variant TdxDBTreeListTimeColumn::ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  auto* time = dynamic_cast<TdxInplaceTimeEdit*>(Editor);
  if (!Field() || !time) return TdxDBTreeListColumn::ApplyEditValue(Node, Editor);
  const TDateTime date = Field()->IsNull() ? 0 : std::trunc(Field()->AsDateTime());
  const TDateTime timeOfDay = TimeOfDay(time->GetTime());
  Field()->SetAsDateTime(date < 0 ? date - timeOfDay : date + timeOfDay);
  return Node->Values(GetIndex());
}

Variant TdxDBTreeListTimeColumn::InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  auto* time = dynamic_cast<TdxInplaceTimeEdit*>(Editor);
  if (!Field() || !time) return TdxDBTreeListColumn::InitEditValue(Node, Editor);
  time->SetTime(Field()->IsNull() ? 0 : TimeOfDay(Field()->AsDateTime()));
  return time->GetEditValue();
}

Variant TdxDBTreeListTimeColumn::GetFilterEditValue(TdxInplaceEdit* Editor, String& DisplayText) {
  auto* time = dynamic_cast<TdxInplaceTimeEdit*>(Editor);
  if (!time) return TdxDBTreeListColumn::GetFilterEditValue(Editor, DisplayText);
  DisplayText = time->Text();
  return Variant::FromDateTime(time->GetTime());
}

void TdxDBTreeListTimeColumn::SetFilterEditValue(TdxInplaceEdit* Editor, const Variant& Value) {
  auto* time = dynamic_cast<TdxInplaceTimeEdit*>(Editor);
  if (!time) return TdxDBTreeListColumn::SetFilterEditValue(Editor, Value);
  time->SetTime(Value.IsNull() || Value.IsEmpty() ? 0 : Value.AsDateTime());
}

void TdxDBTreeListTimeColumn::RestoreDefaults() {
  TdxDBTreeListColumn::RestoreDefaults();
  FTime = TdxTimeOptions();
}

// --- the currency column ----------------------------------------------------------------------------

void TdxDBTreeListCurrencyColumn::Assign(const TPersistent* Source) {
  TdxDBTreeListColumn::Assign(Source);
  if (const auto* source = dynamic_cast<const TdxDBTreeListCurrencyColumn*>(Source)) {
    FCurrency = source->FCurrency;
    FDisplayFormatAssigned = source->FDisplayFormatAssigned;
    FDisplayFormat = source->FDisplayFormat;
  }
}

void TdxDBTreeListCurrencyColumn::SetDisplayFormat(const String& Value) {
  FDisplayFormat = Value;
  FDisplayFormatAssigned = true;
  Changed(false);
}

const TdxInplaceEditClass& TdxDBTreeListCurrencyColumn::GetEditorClass() const {
  return TdxInplaceDBTreeListCurrencyEdit::EditClassObject();
}

const TdxInplaceEditClass& TdxDBTreeListCurrencyColumn::GetFilterEditorClass() const {
  return TCustomdxFilterCurrencyEdit::EditClassObject();
}

String TdxDBTreeListCurrencyColumn::GetDisplayText(TdxTreeListNode* Node) {
  if (!Field() || !Field()->DisplayFormat().empty() || Field()->OnGetText)
    return TdxDBTreeListColumn::GetDisplayText(Node);
  if (Field()->IsNull()) return FCurrency.Nullable ? FCurrency.NullString : String();
  return FormatFloat(DisplayFormat(), Field()->AsFloat());
}

bool TdxDBTreeListCurrencyColumn::IsValidEditChar(TKeyChar Key) {
  return Key == TKeyChar(FormatSettings().DecimalSeparator) || TdxDBTreeListColumn::IsValidEditChar(Key);
}

void TdxCurrencyOptions::ApplyTo(TdxInplaceCurrencyEdit& Editor) const {
  Editor.SetDecimalPlaces(DecimalPlaces);
  Editor.SetMinMaxValues(MinValue, MaxValue);
  Editor.SetNullable(Nullable);
  Editor.SetNullString(NullString);
  Editor.SetUseThousandSeparator(UseThousandSeparator);
}

void TdxDBTreeListCurrencyColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListColumn::InitEditor(Editor);
  auto* currency = dynamic_cast<TdxInplaceCurrencyEdit*>(Editor);
  if (!currency) return;
  FCurrency.ApplyTo(*currency);
  // The editor edits the plain number; the format is the cells'.
  currency->SetDisplayFormat(String());
}

Variant TdxDBTreeListCurrencyColumn::ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  auto* currency = dynamic_cast<TdxInplaceCurrencyEdit*>(Editor);
  if (!Field() || !currency) return TdxDBTreeListColumn::ApplyEditValue(Node, Editor);
  Field()->SetValue(currency->GetEditValue());
  return Node->Values(GetIndex());
}

Variant TdxDBTreeListCurrencyColumn::InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  auto* currency = dynamic_cast<TdxInplaceCurrencyEdit*>(Editor);
  if (!Field() || !currency) return TdxDBTreeListColumn::InitEditValue(Node, Editor);
  if (Field()->IsNull() && FCurrency.Nullable)
    currency->SetEditValue(Variant::Null());
  else
    currency->SetValue(Field()->AsFloat());
  return currency->GetEditValue();
}

Variant TdxDBTreeListCurrencyColumn::GetFilterEditValue(TdxInplaceEdit* Editor, String& DisplayText) {
  auto* currency = dynamic_cast<TdxInplaceCurrencyEdit*>(Editor);
  if (!currency) return TdxDBTreeListColumn::GetFilterEditValue(Editor, DisplayText);
  DisplayText = currency->Text();
  return Variant(currency->Value());
}

void TdxDBTreeListCurrencyColumn::SetFilterEditValue(TdxInplaceEdit* Editor, const Variant& Value) {
  auto* currency = dynamic_cast<TdxInplaceCurrencyEdit*>(Editor);
  if (!currency) return TdxDBTreeListColumn::SetFilterEditValue(Editor, Value);
  currency->SetValue(FilterNumber(Value));
}

void TdxDBTreeListCurrencyColumn::RestoreDefaults() {
  TdxDBTreeListColumn::RestoreDefaults();
  FCurrency = TdxCurrencyOptions();
  FDisplayFormatAssigned = false;
  FDisplayFormat.clear();
}
