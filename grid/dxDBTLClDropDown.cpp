// The drop-down columns: the family's settings and buttons, the date column (null date and
// date-time values), the pick column (a list of items) and the lookup column (a key picked from
// a list's records).
#include "grid/dxDBCtrl.h"
#include "grid/dxDBTLCl.h"

// --- the drop-down base -------------------------------------------------------------------------------

TdxDBTreeListDropDownColumn::TdxDBTreeListDropDownColumn(TComponent* AOwner) : TdxDBTreeListColumn(AOwner) {}

TdxDBTreeListDropDownColumn::~TdxDBTreeListDropDownColumn() = default;

void TdxDBTreeListDropDownColumn::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxDBTreeListDropDownColumn*>(Source);
  if (!source) return TdxDBTreeListColumn::Assign(Source);
  InsideControlUpdate([&] {
    TdxDBTreeListColumn::Assign(Source);
    SetButtonGlyph(source->FButtonGlyph.get());
    FDropDown = source->FDropDown;
    SetShowButtonStyle(source->FShowButtonStyle);
    OnEditButtonClick = source->OnEditButtonClick;
  });
}

TBitmap* TdxDBTreeListDropDownColumn::ButtonGlyph() {
  if (!FButtonGlyph) FButtonGlyph = std::make_unique<TBitmap>();
  return FButtonGlyph.get();
}

void TdxDBTreeListDropDownColumn::SetButtonGlyph(const TBitmap* Value) {
  if (!Value || Value->Empty()) {
    FButtonGlyph.reset();
  } else {
    ButtonGlyph()->Assign(Value);
  }
  Changed(false);
}

void TdxDBTreeListDropDownColumn::SetShowButtonStyle(TdxShowButtonStyle Value) {
  if (FShowButtonStyle == Value) return;
  FShowButtonStyle = Value;
  Changed(false);
}

const TdxInplaceEditClass& TdxDBTreeListDropDownColumn::GetEditorClass() const {
  return TdxInplaceDBTreeListDropDownEdit::EditClassObject();
}

bool TdxDBTreeListDropDownColumn::GetShowButton(bool Default) {
  if (DisableEditor() || FShowButtonStyle == sbNone) return false;
  return FShowButtonStyle == sbAlways || Default;
}

bool IsCellButtonVisible(TdxTreeListColumn& Column, TdxShowButtonStyle Style, TdxTreeListNode* Node) {
  TCustomdxTreeListControl* control = Column.TreeList();
  if (Style == sbNone || !control || !control->IsShowButtonAlways()) return false;
  return Style == sbAlways || (Node && Node == control->FocusedNode());
}

void TdxDBTreeListDropDownColumn::InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) {
  TdxDBTreeListColumn::InitViewData(ViewData, CellViewData);
  auto* dropDown = dynamic_cast<TdxDropDownEditViewData*>(&ViewData);
  if (!dropDown) return;
  dropDown->Glyph = IsButtonGlyphStored() ? FButtonGlyph.get() : nullptr;
  dropDown->ButtonsHidden = !IsButtonVisible(CellViewData.Node);
  dropDown->HotButton = dropDown->PressedButton = -1;
}

void TdxDBTreeListDropDownColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListColumn::InitEditor(Editor);
  auto* dropDown = dynamic_cast<TdxInplaceDropDownEdit*>(Editor);
  if (!dropDown) return;
  dropDown->SetButtonGlyph(FButtonGlyph.get());
  dropDown->SetDropDownOptions(FDropDown);
  dropDown->OnCloseUp = [this](TObject*, String& Value, bool& Accept) { DoCloseUp(Value, Accept); };
  dropDown->OnEditButtonClick = [this](TObject*) { DoEditButtonClick(); };
}

void TdxDBTreeListDropDownColumn::InitFilterEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListColumn::InitFilterEditor(Editor);
  if (auto* dropDown = dynamic_cast<TdxInplaceDropDownEdit*>(Editor)) {
    dropDown->OnCloseUp = nullptr;
    dropDown->OnEditButtonClick = nullptr;
  }
}

void TdxDBTreeListDropDownColumn::RestoreDefaults() {
  TdxDBTreeListColumn::RestoreDefaults();
  FButtonGlyph.reset();
  FDropDown = DefaultDropDownOptions;
  FShowButtonStyle = sbDefault;
}

void TdxDBTreeListDropDownColumn::DoEditButtonClick() {
  if (OnEditButtonClick) OnEditButtonClick(this);
}

// --- the date column ----------------------------------------------------------------------------------

TdxDBTreeListDateColumn::TdxDBTreeListDateColumn(TComponent* AOwner) : TdxDBTreeListDropDownColumn(AOwner) {}

void TdxDBTreeListDateColumn::Assign(const TPersistent* Source) {
  TdxDBTreeListDropDownColumn::Assign(Source);
  const auto* source = dynamic_cast<const TdxDBTreeListDateColumn*>(Source);
  if (!source) return;
  FDate = source->FDate;
  OnDateValidateInput = source->OnDateValidateInput;
}

const TdxInplaceEditClass& TdxDBTreeListDateColumn::GetEditorClass() const {
  return TdxInplaceDBTreeListDateEdit::EditClassObject();
}

const TdxInplaceEditClass& TdxDBTreeListDateColumn::GetFilterEditorClass() const {
  return TCustomdxFilterDateEdit::EditClassObject();
}

void TdxDateOptions::ApplyTo(TdxInplaceDateEdit& Editor) const {
  Editor.SetDateButtons(DateButtons);
  Editor.SetDateOnError(DateOnError);
  Editor.SetDateValidation(DateValidation);
  Editor.SetSaveTime(SaveTime);
  Editor.SetUseEditMask(UseEditMask);
}

void TdxDBTreeListDateColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListDropDownColumn::InitEditor(Editor);
  auto* date = dynamic_cast<TdxInplaceDateEdit*>(Editor);
  if (!date) return;
  FDate.ApplyTo(*date);
  date->OnDateValidateInput = [this](TObject*, const String& Text, TDateTime& Date, String& Message, bool& Error) {
    if (OnDateValidateInput) OnDateValidateInput(this, Text, Date, Message, Error);
  };
}

void TdxDBTreeListDateColumn::InitFilterEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListDropDownColumn::InitFilterEditor(Editor);
  if (auto* date = dynamic_cast<TdxInplaceDateEdit*>(Editor)) date->OnDateValidateInput = nullptr;
}

Variant TdxDBTreeListDateColumn::ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  auto* date = dynamic_cast<TdxInplaceDateEdit*>(Editor);
  if (!Field() || !date) return TdxDBTreeListDropDownColumn::ApplyEditValue(Node, Editor);
  if (date->Date() == NullDate)
    Field()->Clear();
  else
    Field()->SetAsDateTime(date->Date());
  return Node->Values(GetIndex());
}

Variant TdxDBTreeListDateColumn::InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  auto* date = dynamic_cast<TdxInplaceDateEdit*>(Editor);
  if (!Field() || !date) return TdxDBTreeListDropDownColumn::InitEditValue(Node, Editor);
  date->SetDate(Field()->IsNull() ? NullDate : Field()->AsDateTime());
  return date->GetEditValue();
}

bool TdxDBTreeListDateColumn::SameAsFieldValue(const Variant& Value) {
  if (!Field()) return TdxDBTreeListDropDownColumn::SameAsFieldValue(Value);
  if (Field()->IsNull()) return Value.IsNull() || Value.IsEmpty();
  return !Value.IsNull() && !Value.IsEmpty() && Value.AsDateTime() == Field()->AsDateTime();
}

Variant TdxDBTreeListDateColumn::GetFilterEditValue(TdxInplaceEdit* Editor, String& DisplayText) {
  auto* date = dynamic_cast<TdxInplaceDateEdit*>(Editor);
  if (!date) return TdxDBTreeListDropDownColumn::GetFilterEditValue(Editor, DisplayText);
  DisplayText = date->Text();
  return date->Date() == NullDate ? Variant::Null() : Variant::FromDateTime(date->Date());
}

void TdxDBTreeListDateColumn::SetFilterEditValue(TdxInplaceEdit* Editor, const Variant& Value) {
  auto* date = dynamic_cast<TdxInplaceDateEdit*>(Editor);
  if (!date) return TdxDBTreeListDropDownColumn::SetFilterEditValue(Editor, Value);
  date->SetDate(Value.IsNull() || Value.IsEmpty() ? NullDate : Value.AsDateTime());
}

void TdxDBTreeListDateColumn::RestoreDefaults() {
  TdxDBTreeListDropDownColumn::RestoreDefaults();
  FDate = TdxDateOptions();
}

// --- the pick column ----------------------------------------------------------------------------------

TdxDBTreeListPickColumn::TdxDBTreeListPickColumn(TComponent* AOwner)
    : TdxDBTreeListDropDownColumn(AOwner), FItems(std::make_unique<TStringList>()) {
  SetImmediateDropDown(true);
}

void TdxDBTreeListPickColumn::Assign(const TPersistent* Source) {
  TdxDBTreeListDropDownColumn::Assign(Source);
  const auto* source = dynamic_cast<const TdxDBTreeListPickColumn*>(Source);
  if (!source) return;
  SetItems(source->FItems.get());
  FPick = source->FPick;
  OnCloseUp = source->OnCloseUp;
}

void TdxDBTreeListPickColumn::SetItems(const TStrings* Value) {
  FItems->Assign(Value);
  Changed(false);
}

const TdxInplaceEditClass& TdxDBTreeListPickColumn::GetEditorClass() const {
  return TdxInplaceDBTreeListPickEdit::EditClassObject();
}

const TdxInplaceEditClass& TdxDBTreeListPickColumn::GetFilterEditorClass() const {
  return TCustomdxFilterPickEdit::EditClassObject();
}

void TdxPickOptions::ApplyTo(TdxInplacePickEdit& Editor) const {
  Editor.SetDropDownListStyle(DropDownListStyle);
  Editor.SetCanDeleteText(CanDeleteText);
  Editor.SetRevertable(Revertable);
  Editor.SetSorted(ItemsSorted);
}

void TdxDBTreeListPickColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListDropDownColumn::InitEditor(Editor);
  auto* pick = dynamic_cast<TdxInplacePickEdit*>(Editor);
  if (!pick) return;
  // The items first: the editor sorts the list it holds.
  pick->SetItems(FItems.get());
  FPick.ApplyTo(*pick);
}

void TdxDBTreeListPickColumn::InitFilterEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListDropDownColumn::InitFilterEditor(Editor);
  if (auto* pick = dynamic_cast<TdxInplacePickEdit*>(Editor)) pick->SetImmediateDropDown(false);
}

void TdxDBTreeListPickColumn::RestoreDefaults() {
  TdxDBTreeListDropDownColumn::RestoreDefaults();
  SetImmediateDropDown(true);
  FItems->Clear();
  FPick = TdxPickOptions();
}

void TdxDBTreeListPickColumn::DoCloseUp(String& Value, bool& Accept) {
  if (OnCloseUp) OnCloseUp(this, Value, Accept);
}

// --- the lookup column --------------------------------------------------------------------------------

void TdxDBTreeListLookupColumn::Assign(const TPersistent* Source) {
  TdxDBTreeListDropDownColumn::Assign(Source);
  const auto* source = dynamic_cast<const TdxDBTreeListLookupColumn*>(Source);
  if (!source) return;
  FLookup = source->FLookup;
  FListFieldIndex = source->FListFieldIndex;
  OnCloseUp = source->OnCloseUp;
}

const TdxInplaceEditClass& TdxDBTreeListLookupColumn::GetEditorClass() const {
  return TdxInplaceDBTreeListLookupEdit::EditClassObject();
}

const TdxInplaceEditClass& TdxDBTreeListLookupColumn::GetFilterEditorClass() const {
  return TCustomdxFilterLookupEdit::EditClassObject();
}

void TdxLookupOptions::ApplyTo(TdxInplaceLookupEdit& Editor) const {
  Editor.SetClearKey(ClearKey);
  Editor.SetListFieldName(ListFieldName);
  Editor.SetCanDeleteText(CanDeleteText);
}

void TdxDBTreeListLookupColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListDropDownColumn::InitEditor(Editor);
  auto* lookup = dynamic_cast<TdxInplaceLookupEdit*>(Editor);
  if (!lookup) return;
  lookup->SetField(Field());
  FLookup.ApplyTo(*lookup);
  lookup->RefreshDefaults();
}

void TdxDBTreeListLookupColumn::InitFilterEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListDropDownColumn::InitFilterEditor(Editor);
  if (auto* lookup = dynamic_cast<TdxInplaceLookupEdit*>(Editor)) lookup->SetFilterUse(true);
}

Variant TdxDBTreeListLookupColumn::ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  if (!dynamic_cast<TdxInplaceLookupEdit*>(Editor)) return TdxDBTreeListDropDownColumn::ApplyEditValue(Node, Editor);
  return Node->Values(GetIndex());
}

Variant TdxDBTreeListLookupColumn::GetFilterValue(TdxTreeListNode* Node) {
  return Variant(Node->Strings(GetIndex()));
}

Variant TdxDBTreeListLookupColumn::GetFilterEditValue(TdxInplaceEdit* Editor, String& DisplayText) {
  auto* lookup = dynamic_cast<TdxInplaceLookupEdit*>(Editor);
  if (!lookup) return TdxDBTreeListDropDownColumn::GetFilterEditValue(Editor, DisplayText);
  DisplayText = lookup->DisplayTextOfKey();
  return lookup->KeyValue();
}

void TdxDBTreeListLookupColumn::SetFilterEditValue(TdxInplaceEdit* Editor, const Variant& Value) {
  auto* lookup = dynamic_cast<TdxInplaceLookupEdit*>(Editor);
  if (!lookup) return TdxDBTreeListDropDownColumn::SetFilterEditValue(Editor, Value);
  lookup->SetKeyValue(Value.IsEmpty() ? Variant::Null() : Value);
}

void TdxDBTreeListLookupColumn::DoCloseUp(String& Value, bool& Accept) {
  if (OnCloseUp) OnCloseUp(this, Value, Accept);
}

void TdxDBTreeListLookupColumn::RestoreDefaults() {
  TdxDBTreeListDropDownColumn::RestoreDefaults();
  FLookup = TdxLookupOptions();
  FListFieldIndex = 0;
}
