// The lookup editor: the list it works from in either mode, the text of its key, the incremental
// search through Locate, stepping through the list, the list that drops down, and writing the
// picked record's key into its field.
#include "grid/dxDBEdtr.h"

#include "data/DataSet.h"
#include "editors/dxEditClassOf.h"
#include "editors/dxPickEdit.h"
#include "rtl/ScopeExit.h"
#include "rtl/Text.h"
#include "windows/Focus.h"

bool CanModifyLookupKey(TField* Field) {
  TDataSet* dataSet = Field ? Field->DataSet() : nullptr;
  if (!dataSet) return false;
  return dataSet->FieldByName(Field->KeyFields())->CanModify();
}

// --- the popup list ----------------------------------------------------------------------------------

void TPopupDBLookupListBox::Fill(TDataSet* DataSet, const String& KeyField, const String& ListField) {
  Clear();
  TField* key = DataSet->FieldByName(KeyField);
  TField* text = DataSet->FieldByName(ListField);
  const TBookmark here = DataSet->Bookmark();
  DataSet->DisableControls();
  Bracket(
      [&] {
        for (DataSet->First(); !DataSet->Eof(); DataSet->Next()) {
          Items()->Add(text->DisplayText());
          FKeys.push_back(key->Value());
        }
        if (!here.empty()) DataSet->GotoBookmark(here);
      },
      [DataSet] { DataSet->EnableControls(); });
}

void TPopupDBLookupListBox::Clear() {
  Items()->Clear();
  FKeys.clear();
}

Variant TPopupDBLookupListBox::KeyValue() const {
  const int index = ItemIndex();
  return index >= 0 && index < int(FKeys.size()) ? FKeys[size_t(index)] : Variant::Null();
}

void TPopupDBLookupListBox::SetKeyValue(const Variant& Key) {
  for (size_t i = 0; i < FKeys.size(); ++i)
    if (!Key.IsNull() && VarSameValue(FKeys[i], Key)) return SetItemIndex(int(i));
  SetItemIndex(-1);
}

// --- the list link ------------------------------------------------------------------------------------

TdxListSourceLink::TdxListSourceLink(TdxInplaceLookupEdit* Edit) : FEdit(Edit) {}

void TdxListSourceLink::ActiveChanged() {
  if (FEdit) FEdit->ListChanged();
}

void TdxListSourceLink::DataSetChanged() {
  if (FEdit) FEdit->DataSetChanged();
}

void TdxListSourceLink::RecordChanged(TField* Field) {
  (void)Field;
  if (FEdit) FEdit->ListChanged();
}

// --- the editor ---------------------------------------------------------------------------------------

const TdxInplaceEditClass& LookupEditClass(bool Inplace) {
  return EditClassOf<TdxInplaceLookupEdit, TdxDropDownEditClass>("TdxInplaceLookupEdit", Inplace);
}

// Keys go through the search: the editor keeps the focus while its list is open.
TdxInplaceLookupEdit::TdxInplaceLookupEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceDropDownEdit(AOwner, Class), FListLink(std::make_unique<TdxListSourceLink>(this)) {
  SetTypingFilters(true);
  FPopupList = new TPopupDBLookupListBox(this);
  FPopupList->SetOwnerEdit(this);
  SetPopupControl(FPopupList);
}

TdxInplaceLookupEdit::~TdxInplaceLookupEdit() {
  FListLink->Detach();
  FListLink->SetDataSource(nullptr);
  SetField(nullptr);
}

void TdxInplaceLookupEdit::SetField(TField* Value) {
  if (FField == Value) return;
  if (FField) FField->RemoveFreeNotification(this);
  FField = Value;
  if (Value) Value->FreeNotification(this);
  FCacheValid = false;
}

void TdxInplaceLookupEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TdxInplaceDropDownEdit::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FField) FField = nullptr;
  if (AComponent == FPopupList) FPopupList = nullptr;
}

void TdxInplaceLookupEdit::SetListSource(TDataSource* Value) {
  FListLink->SetDataSource(Value);
  FCacheValid = false;
}

void TdxInplaceLookupEdit::SetKeyFieldName(const String& Value) {
  FKeyFieldName = Value;
  FCacheValid = false;
}

void TdxInplaceLookupEdit::SetListFieldName(const String& Value) {
  FListFieldName = Value;
  FCacheValid = false;
}

TdxInplaceLookupEdit::TListParts TdxInplaceLookupEdit::ListParts() const {
  TListParts parts;
  if (IsLookupFieldMode()) {
    parts.DataSet = FField->LookupDataSet();
    if (!parts.DataSet || !parts.DataSet->Active()) return TListParts();
    parts.KeyField = parts.DataSet->FindField(FField->LookupKeyFields());
    parts.ListField = parts.DataSet->FindField(FField->LookupResultField());
    return parts;
  }
  parts.DataSet = FListLink->Active() ? FListLink->DataSet() : nullptr;
  if (!parts.DataSet) return TListParts();
  parts.KeyField = parts.DataSet->FindField(FKeyFieldName);
  parts.ListField = parts.DataSet->FindField(FListFieldName);
  return parts;
}

TField* TdxInplaceLookupEdit::TargetField() const {
  if (!FField) return nullptr;
  if (!IsLookupFieldMode()) return FField;
  return FField->DataSet() ? FField->DataSet()->FindField(FField->KeyFields()) : nullptr;
}

// --- the key and its text -------------------------------------------------------------------------

String TdxInplaceLookupEdit::DisplayTextOfKey() {
  if (IsLookupFieldMode() && IsInplace()) return FField->DisplayText();
  if (FKeyValue.IsNull()) return String();
  const TListParts list = ListParts();
  if (!list.DataSet || !list.KeyField || !list.ListField) {
    FCacheValid = false;
    return String();
  }
  if (FCacheValid) return FCachedText;
  bool current = false;
  try {
    current = VarSameValue(list.KeyField->Value(), FKeyValue);
  } catch (const Exception&) {
    // Keys that do not compare: the list is searched instead.
  }
  if (current || list.DataSet->Locate(list.KeyField->FieldName(), FKeyValue, 0))
    FCachedText = list.ListField->DisplayText();
  else
    FCachedText.clear();
  FCacheValid = true;
  return FCachedText;
}

void TdxInplaceLookupEdit::ShowKeyText() {
  const TValueScope<bool> internal(InternalChange, true);
  SetMaskedText(DisplayTextOfKey());
}

Variant TdxInplaceLookupEdit::KeyValue() const {
  const TField* target = IsLookupFieldMode() && !FFilterUse ? TargetField() : nullptr;
  return target ? target->Value() : FKeyValue;
}

void TdxInplaceLookupEdit::SetKeyValue(const Variant& Key) {
  FKeyValue = Key;
  FCacheValid = false;
  ShowKeyText();
}

void TdxInplaceLookupEdit::SetEditValue(const Variant& Value) {
  if (FApplying) return;
  TdxInplaceDropDownEdit::SetEditValue(Value);
  if (!IsLookupFieldMode()) SetKeyValue(Value);
  EndSearch();
}

void TdxInplaceLookupEdit::SetLookupMode(bool Value) {
  if (FLookupMode == Value) return;
  FLookupMode = Value;
  FCacheValid = false;
  InvalidateEdit();
}

void TdxInplaceLookupEdit::RefreshDefaults() {
  TdxInplaceDropDownEdit::RefreshDefaults();
  if (!IsInplace()) SetLookupMode(FField && FField->IsLookup());
}

void TdxInplaceLookupEdit::SetEditing(bool Value) {
  TdxInplaceDropDownEdit::SetEditing(Value);
  EndSearch();
}

// The text window never takes typed characters itself: they go through the search.
void TdxInplaceLookupEdit::InternalSetReadOnly(bool Value) {
  TdxInplaceDropDownEdit::InternalSetReadOnly(Value);
  if (HandleAllocated()) TextBox().SetReadOnly(true);
}

bool TdxInplaceLookupEdit::GetDefaultReadOnly() const {
  if (FFilterUse) return false;
  const TField* target = TargetField();
  return !target || !target->CanModify();
}

bool TdxInplaceLookupEdit::CanChangeValue() {
  if (ReadOnly()) return false;
  return FFilterUse || FField;
}

void TdxInplaceLookupEdit::ClearValue() {
  FKeyValue = Variant::Null();
  if (!FFilterUse && CanModify())
    if (TField* target = TargetField()) target->Clear();
  SetKeyValue(Variant::Null());
  if (FPopupList) FPopupList->SetKeyValue(FKeyValue);
  EndSearch();
  SetModified(true);
  Change();
  TextBox().SelectAll();
}

bool TdxInplaceLookupEdit::ApplyListValue(const Variant& ListKey) {
  if (FFilterUse) {
    SetKeyValue(ListKey);
    SetModified(true);
    Change();
    return true;
  }
  TField* target = TargetField();
  if (!FField || !target || !target->CanModify() || !CanModify()) return false;
  if (ListKey.IsNull())
    target->Clear();
  else
    target->SetValue(ListKey);
  FKeyValue = ListKey;
  FCacheValid = false;
  ShowKeyText();
  SetModified(true);
  Change();
  return true;
}

void TdxInplaceLookupEdit::ListChanged() {
  if (IsLookupFieldMode()) return;
  FCacheValid = false;
  ShowKeyText();
  EndSearch();
}

// --- the search -------------------------------------------------------------------------------------

void TdxInplaceLookupEdit::EndSearch() {
  FSearching = false;
  FSearchText.clear();
}

// Locates the shown field's first text that begins with the search text (any letter case); the
// completion after the typed part stays selected so the next key replaces it.
void TdxInplaceLookupEdit::RunSearch() {
  {
    const TValueScope<bool> internal(InternalChange, true);
    SetMaskedText(FSearchText);
  }
  const TListParts list = ListParts();
  bool found = false;
  try {
    found = list.DataSet && list.ListField &&
            list.DataSet->Locate(list.ListField->FieldName(), Variant(FSearchText), loCaseInsensitive | loPartialKey);
  } catch (const Exception&) {
    found = false;
  }
  if (found) {
    {
      FApplying = true;
      auto applied = ScopeExit([this] { FApplying = false; });
      ApplyListValue(list.KeyField ? list.KeyField->Value() : Variant::Null());
    }
    ShowKeyText();
    SelectRange(Length(FSearchText), GetMaskedTextLength(), false);
    return;
  }
  if (FSearching && Length(FSearchText) > 1) {
    // The character that found nothing replaces the one typed before it.
    const String last = Copy(FSearchText, Length(FSearchText), 1);
    FSearchText = Copy(FSearchText, 1, Length(FSearchText) - 2);
    ShowKeyText();
    const std::u32string typed = ToCodePoints(last);
    TKeyChar key = typed.empty() ? 0 : TKeyChar(typed[0]);
    KeyPress(key);
    return;
  }
  EndSearch();
  ShowKeyText();
}

void TdxInplaceLookupEdit::SearchBackspace() {
  const bool wholeSelected = GetSelStart() == 0 && GetSelLength() == GetTextLength();
  if (wholeSelected && FCanDeleteText) return ClearValue();
  if (!FSearching && GetSelStart() > 0) {
    FSearching = true;
    FSearchText = Copy(GetMaskedText(), 1, GetSelStart());
  }
  if (!FSearching) return;
  FSearchText = Copy(FSearchText, 1, Length(FSearchText) - 1);
  if (FSearchText.empty()) {
    if (FCanDeleteText) return ClearValue();
    EndSearch();
    TextBox().SelectAll();
    return;
  }
  RunSearch();
}

void TdxInplaceLookupEdit::SearchCharacter(TKeyChar Key) {
  const TListParts list = ListParts();
  if (!list.DataSet || !list.ListField) return;
  const String typed = CodePointToUtf8(Key);
  if (FSearching) {
    FSearchText += typed;
  } else {
    FSearching = true;
    FSearchText = typed;
  }
  RunSearch();
  if (ImmediateDropDown() && !PopupShown()) {
    DropDown();
    if (FPopupList) FPopupList->SetKeyValue(KeyValue());
  }
}

void TdxInplaceLookupEdit::KeyPress(TKeyChar& Key) {
  if (ReadOnly()) {
    Key = 0;
    return;
  }
  if (!FField && !FFilterUse) return TdxInplaceDropDownEdit::KeyPress(Key);
  if (Key == TKeyChar(VK_BACK)) {
    SearchBackspace();
  } else if (Key >= 32) {
    const TListParts list = ListParts();
    if (!list.DataSet || !list.ListField) return TdxInplaceDropDownEdit::KeyPress(Key);
    SearchCharacter(Key);
  }
  Key = 0;
  TdxInplaceDropDownEdit::KeyPress(Key);
}

// A stand-alone editor steps through the list with the arrows and the page keys; in a cell those
// keys stay with the grid.
void TdxInplaceLookupEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_ESCAPE) EndSearch();
  if (Key == VK_DELETE && FCanDeleteText && GetSelStart() == 0 && GetSelLength() == GetTextLength()) {
    ClearValue();
    Key = 0;
    return;
  }
  if (FClearKey != 0 && ShortCut(Key, Shift) == FClearKey) {
    ClearValue();
    Key = 0;
    return;
  }
  if (!IsInplace() && !PopupShown() && !(Shift & ssAlt)) {
    const int page = DropDownRows() - 1;
    const int delta = Key == VK_UP ? -1 : Key == VK_DOWN ? 1 : Key == VK_PRIOR ? -page : Key == VK_NEXT ? page : 0;
    if (delta != 0) {
      ScrollItem(delta, false);
      Key = 0;
      return;
    }
  }
  TdxInplaceDropDownEdit::KeyDown(Key, Shift);
}

// --- the list ---------------------------------------------------------------------------------------

void TdxInplaceLookupEdit::ScrollItem(int Delta, bool Wrap) {
  (void)Wrap;
  if (!CanChangeValue()) return;
  EndSearch();
  const TListParts list = ListParts();
  if (!list.DataSet || !list.KeyField) return;
  const Variant current = KeyValue();
  if (!current.IsNull() && list.DataSet->Locate(list.KeyField->FieldName(), current, 0))
    list.DataSet->MoveBy(Delta);
  else
    list.DataSet->First();
  const Variant key = list.KeyField->Value();
  if (!VarSameValue(key, current)) ApplyListValue(key);
  TextBox().SelectAll();
}

void TdxInplaceLookupEdit::DropDown() {
  if (!CanChangeValue()) return;
  if (HandleAllocated() && GetFocus() != Handle() && CanFocus()) ::SetFocus(Handle());
  if (!HandleAllocated() || GetFocus() != Handle() || !FPopupList) return;
  DoDropDownEvents();
  const TListParts list = ListParts();
  if (!list.DataSet || !list.KeyField || !list.ListField) return;
  StylePopupList(*FPopupList);
  FPopupList->Fill(list.DataSet, list.KeyField->FieldName(), list.ListField->FieldName());
  FPopupList->HandleNeeded();
  FPopupList->SetItemHeight(FPopupList->MeasureItem());
  const int rows = std::min(FPopupList->Items()->Count(), DropDownRows());
  FPopupList->SizeToRows(std::max(rows, 1), DropDownWidth() > 0 ? DropDownWidth() : Width(), 0);
  FPopupList->SetKeyValue(KeyValue());
  ShowPopupList(*FPopupList, DropDownWidth() == 0);
}

void TdxInplaceLookupEdit::SyncPopupSelection(const String& Text) {
  (void)Text;
  if (PopupShown() && FPopupList) FPopupList->SetKeyValue(KeyValue());
}

void TdxInplaceLookupEdit::CloseUp(bool Accept) {
  if (!PopupShown() || !FPopupList) return;
  EndSearch();
  HidePopupList(*FPopupList);
  const Variant picked = FPopupList->KeyValue();
  const int row = FPopupList->ItemIndex();
  String text = row >= 0 ? FPopupList->Items()->Strings(row) : GetMaskedText();
  FPopupList->Clear();
  ButtonUp(text, Accept);
  const bool chosen = row >= 0;
  if (Accept && chosen) ApplyListValue(picked);
  TextBox().SelectAll();
}
