// The pick editor: its items and list style, the list it drops down and closes, stepping through
// the items, and incremental selection while typing.
#include "editors/dxPickEdit.h"

#include "editors/dxEditClassOf.h"
#include "editors/dxPopupListBox.h"
#include "rtl/ScopeExit.h"
#include "rtl/Text.h"
#include "windows/Focus.h"
#include "windows/Window.h"

int ExactIndexOf(const TStrings& Lines, const String& S) {
  for (int i = 0; i < Lines.Count(); ++i)
    if (Lines[i] == S) return i;
  return -1;
}

const TdxInplaceEditClass& PickEditClass(bool Inplace) {
  return EditClassOf<TdxInplacePickEdit, TdxDropDownEditClass>("TdxInplacePickEdit", Inplace);
}

// The list is one of the editor's components; typed characters edit the text while it is open.
TdxInplacePickEdit::TdxInplacePickEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceDropDownEdit(AOwner, Class), FItems(std::make_unique<TStringList>()) {
  SetTypingFilters(true);
  FPopupList = new TdxPopupPickListBox(this);
  FPopupList->SetOwnerEdit(this);
  SetPopupControl(FPopupList);
}

TdxInplacePickEdit::~TdxInplacePickEdit() = default;

int TdxInplacePickEdit::FindItem(const String& Text) const {
  if (Text.empty()) return -1;
  const int length = Length(Text);
  for (int i = 0; i < FItems->Count(); ++i)
    if (AnsiSameText(Copy((*FItems)[i], 1, length), Text)) return i;
  return -1;
}

void TdxInplacePickEdit::SetDropDownListStyle(bool Value) {
  if (FDropDownListStyle == Value) return;
  FDropDownListStyle = Value;
  if (HandleAllocated()) TextBox().SetReadOnly(!CanEditText());
}

void TdxInplacePickEdit::SetSorted(bool Value) {
  CloseUp(false);
  FItems->SetSorted(Value);
}

void TdxInplacePickEdit::ResetSearch() {
  FSearching = false;
  FSearchText.clear();
}

void TdxInplacePickEdit::ClearValue() {
  if (CanModify()) SetItemText(String());
}

// The search goes on through the editor's own change of its text.
void TdxInplacePickEdit::SetItemText(const String& S) {
  if (GetMaskedText() == S) return;
  const TValueScope<bool> internal(InternalChange, true);
  SetMaskedText(S);
  SetModified(true);
}

void TdxInplacePickEdit::SetEditValue(const Variant& Value) {
  TdxInplaceDropDownEdit::SetEditValue(Value);
  ResetSearch();
  FItemIndex = -1;
}

void TdxInplacePickEdit::SetEditing(bool Value) {
  TdxInplaceDropDownEdit::SetEditing(Value);
  ResetSearch();
}

// A text the user changed is no item's, and no search goes on in it.
void TdxInplacePickEdit::Change() {
  if (!InternalChange) {
    ResetSearch();
    FItemIndex = -1;
  }
  TdxInplaceDropDownEdit::Change();
}

void TdxInplacePickEdit::InternalSetReadOnly(bool Value) {
  TdxInplaceDropDownEdit::InternalSetReadOnly(Value);
  if (FDropDownListStyle && HandleAllocated()) TextBox().SetReadOnly(true);
}

bool TdxInplacePickEdit::CanEditText() { return !FDropDownListStyle && TdxInplaceDropDownEdit::CanEditText(); }

// The list as high as DropDownRows of its items (or fewer), as wide as its widest item.
void TdxInplacePickEdit::SizePopupList() {
  FPopupList->HandleNeeded();
  FPopupList->SetItemHeight(FPopupList->MeasureItem());
  FPopupList->SizeToRows(std::min(FItems->Count(), DropDownRows()), std::max(10, FPopupList->WidestItem()) + 4,
                         DropDownWidth());
}

void TdxInplacePickEdit::DropDown() {
  if (!GetInitialReadOnly() && HandleAllocated() && GetFocus() != Handle() && CanFocus()) ::SetFocus(Handle());
  if (!HandleAllocated() || GetFocus() != Handle()) return;
  DoDropDownEvents();
  if (FItems->Count() == 0) return;
  StylePopupList(*FPopupList);
  FPopupList->Items()->Assign(FItems.get());
  SizePopupList();
  FPopupList->SetItemIndex(ExactIndexOf(*FItems, GetMaskedText()));
  ShowPopupList(*FPopupList, true);
}

// The selected item, or the text as it is, goes through OnCloseUp; an accepted one is taken.
void TdxInplacePickEdit::CloseUp(bool Accept) {
  if (!PopupShown()) return;
  ResetSearch();
  HidePopupList(*FPopupList);
  const int selected = FPopupList->ItemIndex();
  String value = selected >= 0 ? FPopupList->Items()->Strings(selected) : GetMaskedText();
  ButtonUp(value, Accept);
  if (!Accept || !CanModify()) return;
  SetItemText(value);
  FItemIndex = ExactIndexOf(*FItems, value);
  TextBox().SelectAll();
}

void TdxInplacePickEdit::ScrollItem(int Delta, bool Wrap) {
  if (ReadOnly() || FItems->Count() == 0) return;
  ResetSearch();
  const int count = FItems->Count();
  const int start = FItemIndex >= 0 ? FItemIndex : FindItem(GetMaskedText());
  int index = 0;
  if (start >= 0 && start < count) {
    index = std::max(start + Delta, 0);
    if (index >= count) index = Wrap ? 0 : count - 1;
  }
  FItemIndex = index;
  if (CanModify()) SetItemText((*FItems)[index]);
  TextBox().SelectAll();
}

void TdxInplacePickEdit::SyncPopupSelection(const String& Text) {
  if (!PopupShown()) return;
  const bool valid = FItemIndex >= 0 && FItemIndex < FItems->Count();
  FPopupList->SetItemIndex(!FSearching && valid ? FItemIndex : FindItem(Text));
}

bool TdxInplacePickEdit::WholeTextSelected() { return GetSelStart() == 0 && GetSelLength() == GetTextLength(); }

// A stand-alone editor steps through the items with the arrows and the page keys.
void TdxInplacePickEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_ESCAPE) ResetSearch();
  if (Key == VK_BACK && !ReadOnly()) SearchBackspace(Key);
  if (Key == 0) return;
  if (Key == VK_DELETE && FDropDownListStyle && FCanDeleteText && WholeTextSelected()) {
    ClearValue();
    Key = 0;
    return;
  }
  if (!IsInplace() && FItems->Count() > 0 && !(Shift & ssAlt)) {
    const int page = DropDownRows() - 1;
    const int delta = Key == VK_PRIOR ? -page : Key == VK_NEXT ? page : Key == VK_UP ? -1 : Key == VK_DOWN ? 1 : 0;
    if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) {
      if (delta != 0) ScrollItem(delta, false);
      Key = 0;
      return;
    }
  }
  TdxInplaceDropDownEdit::KeyDown(Key, Shift);
}

void TdxInplacePickEdit::KeyPress(TKeyChar& Key) {
  if (Key >= 32 && !ReadOnly() && IsValidChar(Key)) SearchCharacter(Key);
  if (Key != 0) TdxInplaceDropDownEdit::KeyPress(Key);
}

// The typed part of an item completes to the item, its rest selected after the caret.
void TdxInplacePickEdit::SelectCompletion(int Item) {
  if (CanModify()) SetItemText((*FItems)[Item]);
  FItemIndex = Item;
  SelectRange(Length(FSearchText), Length((*FItems)[Item]), true);
}

void TdxInplacePickEdit::SearchCharacter(TKeyChar& Key) {
  const String value = GetMaskedText();
  const int start = GetSelStart(), length = GetSelLength();
  if (start < Length(value) || Length(value) != Length(FSearchText)) ResetSearch();
  const String typed = CodePointToUtf8(Key);
  if (FSearching && (MaxLength() == 0 || MaxLength() > Length(value))) {
    FSearchText += typed;
  } else {
    FSearching = true;
    FSearchText = Copy(value, 1, start) + Copy(value, start + length + 1, Length(value)) + typed;
  }
  const int found = FindItem(FSearchText);
  if (found >= 0) {
    SelectCompletion(found);
    Key = 0;
  }
  DropDownWhileTyping();
}

// Backspace shortens what was typed of an item; in list style it is all there is to edit. It is
// handled as the key goes down, where the text box would delete.
void TdxInplacePickEdit::SearchBackspace(WORD& Key) {
  const String value = GetMaskedText();
  if (!FDropDownListStyle && GetSelStart() + GetSelLength() < Length(value)) ResetSearch();
  if (FDropDownListStyle) {
    if (FCanDeleteText && WholeTextSelected()) {
      ClearValue();
      Key = 0;
      return;
    }
    if (!FSearching) {
      FSearching = true;
      FSearchText = value;
    }
  }
  if (!FSearching) return;
  Key = 0;
  FSearchText = Copy(FSearchText, 1, Length(FSearchText) - 1);
  if (FSearchText.empty()) {
    if (!FDropDownListStyle || FCanDeleteText) ClearValue();
    return;
  }
  const int found = FindItem(FSearchText);
  if (found >= 0) SelectCompletion(found);
}

void TdxInplacePickEdit::DropDownWhileTyping() {
  if (!ImmediateDropDown() || PopupShown()) return;
  DropDown();
  SyncPopupSelection(GetMaskedText());
}

void TdxInplacePickEdit::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_LBUTTONDBLCLK) return WMLButtonDblClk(Message);
  TdxInplaceDropDownEdit::Dispatch(Message);
}

void TdxInplacePickEdit::WMLButtonDblClk(TMessage& Message) {
  if (!FRevertable || FItems->Count() < 2) return TdxInplaceDropDownEdit::Dispatch(Message);
  ScrollItem(1, true);
  SyncPopupSelection(GetMaskedText());
}
