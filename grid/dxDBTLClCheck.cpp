// The check column: a field's text shown and edited as one of three check states, written back as
// the state's text; its filter offers the three texts.
#include "grid/dxDBCtrl.h"
#include "grid/dxDBGridStrings.h"
#include "grid/dxDBTLCl.h"
#include "rtl/Text.h"

TdxDBTreeListCheckColumn::TdxDBTreeListCheckColumn(TComponent* AOwner)
    : TdxDBTreeListColumn(AOwner),
      FValueChecked(dxGridText(dxSCheckValueChecked)),
      FValueUnchecked(dxGridText(dxSCheckValueUnchecked)) {
  SetMinWidth(16);
}

TdxDBTreeListCheckColumn::~TdxDBTreeListCheckColumn() = default;

void TdxDBTreeListCheckColumn::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxDBTreeListCheckColumn*>(Source);
  if (!source) return TdxDBTreeListColumn::Assign(Source);
  InsideControlUpdate([&] {
    TdxDBTreeListColumn::Assign(Source);
    FCheck = source->FCheck;
    // Also lays the column out again, whatever changed.
    SetGlyph(source->FGlyph.get());
    SetValueChecked(source->FValueChecked);
    SetValueGrayed(source->FValueGrayed);
    SetValueUnchecked(source->FValueUnchecked);
    OnToggleClick = source->OnToggleClick;
  });
}

// --- properties -----------------------------------------------------------------------------------------

void TdxDBTreeListCheckColumn::SetBorder3D(bool Value) {
  if (FCheck.Border3D == Value) return;
  FCheck.Border3D = Value;
  Changed(true);
}

TBitmap* TdxDBTreeListCheckColumn::Glyph() {
  if (!FGlyph) FGlyph = std::make_unique<TBitmap>();
  return FGlyph.get();
}

void TdxDBTreeListCheckColumn::SetGlyph(const TBitmap* Value) {
  if (!Value || Value->Empty())
    FGlyph.reset();
  else
    Glyph()->Assign(Value);
  Changed(true);
}

void TdxDBTreeListCheckColumn::SetGlyphCount(int Value) {
  if (FCheck.GlyphCount == Value) return;
  FCheck.GlyphCount = Value;
  Changed(true);
}

void TdxDBTreeListCheckColumn::SetShowNullFieldStyle(TdxShowNullFieldStyle Value) {
  if (FCheck.ShowNullFieldStyle == Value) return;
  FCheck.ShowNullFieldStyle = Value;
  Changed(true);
}

void TdxDBTreeListCheckColumn::SetText(String& Field, const String& Value) {
  if (Field == Value) return;
  Field = Value;
  Changed(true);
}

void TdxDBTreeListCheckColumn::SetValueChecked(const String& Value) { SetText(FValueChecked, Value); }
void TdxDBTreeListCheckColumn::SetValueGrayed(const String& Value) { SetText(FValueGrayed, Value); }
void TdxDBTreeListCheckColumn::SetValueUnchecked(const String& Value) { SetText(FValueUnchecked, Value); }

bool TdxDBTreeListCheckColumn::IsValueCheckedStored() const {
  return FValueChecked != dxGridText(dxSCheckValueChecked);
}

bool TdxDBTreeListCheckColumn::IsValueUncheckedStored() const {
  return FValueUnchecked != dxGridText(dxSCheckValueUnchecked);
}

// --- states -----------------------------------------------------------------------------------------------

int TdxDBTreeListCheckColumn::StateOfText(const String& Text) const {
  if (AnsiSameText(Text, FValueChecked)) return cbsChecked;
  if (AnsiSameText(Text, FValueUnchecked)) return cbsUnchecked;
  return cbsGrayed;
}

const String& TdxDBTreeListCheckColumn::TextOfState(int State) const {
  switch (State) {
    case cbsUnchecked: return FValueUnchecked;
    case cbsChecked: return FValueChecked;
    default: return FValueGrayed;
  }
}

String TdxDBTreeListCheckColumn::GetValueText(const Variant& Value) { return TextOfState(StateOfText(VarToStr(Value))); }

// --- editing and painting -----------------------------------------------------------------------------------

const TdxInplaceEditClass& TdxDBTreeListCheckColumn::GetEditorClass() const {
  return TdxInplaceDBTreeListCheckEdit::EditClassObject();
}

const TdxInplaceEditClass& TdxDBTreeListCheckColumn::GetFilterEditorClass() const {
  return TCustomdxFilterImageEdit::EditClassObject();
}

int TdxDBTreeListCheckColumn::GetCellGlyphWidth() {
  int width = 0, height = 0;
  const TBitmap* glyph = IsGlyphStored() ? FGlyph.get() : nullptr;
  const bool custom = TdxCheckEditClass::GetGlyphSize(glyph, FCheck.GlyphCount, width, height);
  return custom ? width : width + 2;
}

void TdxDBTreeListCheckColumn::InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) {
  TdxDBTreeListColumn::InitViewData(ViewData, CellViewData);
  ViewData.Value = Variant(StateOfText(CellViewData.Text));
  ViewData.Alignment = taCenter;
  ViewData.ButtonStyle = FCheck.Border3D ? bts3D : btsSimple;
  if (auto* check = dynamic_cast<TdxCheckEditViewData*>(&ViewData)) {
    check->Caption.clear();
    check->Glyph = IsGlyphStored() ? FGlyph.get() : nullptr;
    check->GlyphCount = FCheck.GlyphCount;
    check->ShowNullFieldStyle = FCheck.ShowNullFieldStyle;
    check->ShowFocusRect = false;
    check->Pressed = false;
  }
}

void TdxCheckOptions::ApplyTo(TdxInplaceCheckEdit& Editor) const {
  Editor.SetAllowGrayed(AllowGrayed);
  Editor.Style()->SetButtonStyle(Border3D ? bts3D : btsSimple);
  Editor.SetGlyphCount(GlyphCount);
  Editor.SetShowNullFieldStyle(ShowNullFieldStyle);
}

void TdxDBTreeListCheckColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListColumn::InitEditor(Editor);
  auto* check = dynamic_cast<TdxInplaceCheckEdit*>(Editor);
  if (!check) return;
  check->SetAlignment(taCenter);
  check->SetGlyph(FGlyph.get());
  FCheck.ApplyTo(*check);
}

void TdxDBTreeListCheckColumn::InitFilterEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListColumn::InitFilterEditor(Editor);
  auto* image = dynamic_cast<TdxInplaceImageEdit*>(Editor);
  if (!image) return;
  image->Values()->Clear();
  image->Descriptions()->Clear();
  for (const String* text : {&FValueGrayed, &FValueUnchecked, &FValueChecked}) {
    image->Values()->Add(*text);
    image->Descriptions()->Add(*text);
  }
  image->SetShowDescription(true);
}

Variant TdxDBTreeListCheckColumn::ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  auto* check = dynamic_cast<TdxInplaceCheckEdit*>(Editor);
  if (!Field() || !check) return TdxDBTreeListColumn::ApplyEditValue(Node, Editor);
  Field()->SetText(TextOfState(check->State()));
  return Node->Values(GetIndex());
}

Variant TdxDBTreeListCheckColumn::InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  auto* check = dynamic_cast<TdxInplaceCheckEdit*>(Editor);
  if (!Field() || !check) return TdxDBTreeListColumn::InitEditValue(Node, Editor);
  check->SetStateValue(StateOfText(Field()->Text()));
  return check->GetEditValue();
}

// The saved value is a state.
bool TdxDBTreeListCheckColumn::SameAsFieldValue(const Variant& Value) {
  if (!Field() || Value.IsNull() || Value.IsEmpty() || VarIsStr(Value))
    return TdxDBTreeListColumn::SameAsFieldValue(Value);
  return StateOfText(Field()->Text()) == Value.AsInteger();
}

void TdxDBTreeListCheckColumn::DoChange(TObject* Sender) {
  TdxDBTreeListColumn::DoChange(Sender);
  TCustomdxTreeListControl* control = TreeList();
  auto* check = dynamic_cast<TdxInplaceCheckEdit*>(Sender);
  if (!check || !OnToggleClick || (control && control->EditorSet())) return;
  OnToggleClick(this, TextOfState(check->State()), check->State());
}

// --- the filter side ---------------------------------------------------------------------------------------

Variant TdxDBTreeListCheckColumn::GetFilterEditValue(TdxInplaceEdit* Editor, String& DisplayText) {
  Variant value = TdxDBTreeListColumn::GetFilterEditValue(Editor, DisplayText);
  if (auto* image = dynamic_cast<TdxInplaceImageEdit*>(Editor)) {
    const int index = image->Values()->IndexOf(DisplayText);
    if (index >= 0 && index < image->Descriptions()->Count()) DisplayText = (*image->Descriptions())[index];
  }
  if (Field() && Field()->DataType() == ftBoolean && VarIsStr(value)) {
    if (AnsiSameText(value.StringValue(), FValueChecked)) return Variant(true);
    if (AnsiSameText(value.StringValue(), FValueUnchecked)) return Variant(false);
  }
  return value;
}

void TdxDBTreeListCheckColumn::SetFilterEditValue(TdxInplaceEdit* Editor, const Variant& Value) {
  if (Value.IsNull() || Value.IsEmpty()) return Editor->SetEditValue(String());
  if (Value.VarType() == varBoolean) return Editor->SetEditValue(Value.AsBoolean() ? FValueChecked : FValueUnchecked);
  Editor->SetEditValue(VarToStr(Value));
}

void TdxDBTreeListCheckColumn::RestoreDefaults() {
  TdxDBTreeListColumn::RestoreDefaults();
  SetMinWidth(16);
  FCheck = TdxCheckOptions();
  FGlyph.reset();
  FValueChecked = dxGridText(dxSCheckValueChecked);
  FValueGrayed.clear();
  FValueUnchecked = dxGridText(dxSCheckValueUnchecked);
}
