// The most-recently-used editor: its list of recent values kept newest first and at most
// MaxItemCount long, and its ellipsis button with the Ctrl+Enter shortcut.
#include "editors/dxMRUEdit.h"

#include "editors/dxEditClassOf.h"
#include "editors/dxPopup.h"
#include "windows/Input.h"

std::unique_ptr<TdxEditViewData> TdxMRUEditClass::CreateViewDataObject() const {
  return std::make_unique<TdxMRUEditViewData>();
}

void TdxMRUEditClass::CalcButtonsViewInfo(TdxDropDownEditViewData& ViewData) const {
  TdxDropDownEditClass::CalcButtonsViewInfo(ViewData);
  const auto* vd = dynamic_cast<const TdxMRUEditViewData*>(&ViewData);
  if (!vd || !vd->ShowEllipsis || ViewData.Buttons.empty()) return;
  TdxEditButtonViewInfo ellipsis;
  ellipsis.Kind = ebkEllipsis;
  ellipsis.LeftSide = ViewData.Buttons[0].LeftSide;
  ViewData.Buttons.push_back(ellipsis);
  ViewData.Buttons.back().Width = GetButtonWidth(ViewData, TdxInplaceMRUEdit::EllipsisButton);
}

const TdxInplaceEditClass& MRUEditClass(bool Inplace) {
  return EditClassOf<TdxInplaceMRUEdit, TdxMRUEditClass>("TdxInplaceMRUEdit", Inplace);
}

TdxInplaceMRUEdit::TdxInplaceMRUEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplacePickEdit(AOwner, Class) {
  SetImmediateDropDown(false);
}

void TdxInplaceMRUEdit::SetMaxItemCount(int Value) {
  FMaxItemCount = std::max(Value, 0);
  TrimItems();
}

void TdxInplaceMRUEdit::SetShowEllipsis(bool Value) {
  if (FShowEllipsis == Value) return;
  FShowEllipsis = Value;
  LayoutChanged();
}

void TdxInplaceMRUEdit::TrimItems() {
  TStringList& items = *Items();
  while (items.Count() > FMaxItemCount) items.Delete(items.Count() - 1);
}

void TdxInplaceMRUEdit::AddItem(const String& S) {
  if (S.empty()) return;
  TStringList& items = *Items();
  const int index = ExactIndexOf(items, S);
  // A sorted list keeps its order: a new value takes its sorted place.
  if (items.Sorted()) {
    if (index < 0) items.Add(S);
    return TrimItems();
  }
  if (index >= 0) {
    items.Move(index, 0);
    return;
  }
  items.Insert(0, S);
  TrimItems();
}

void TdxInplaceMRUEdit::DoButtonClick() {
  if (OnButtonClick) OnButtonClick(this);
}

std::unique_ptr<TdxEditViewData> TdxInplaceMRUEdit::CreateViewData(bool IsPaint) {
  std::unique_ptr<TdxEditViewData> vd = TdxInplacePickEdit::CreateViewData(IsPaint);
  if (auto* mru = dynamic_cast<TdxMRUEditViewData*>(vd.get())) mru->ShowEllipsis = FShowEllipsis;
  return vd;
}

// The ellipsis is pressed like the arrow but drops nothing down.
void TdxInplaceMRUEdit::ButtonMouseDown(bool ByClick, int Index) {
  TdxInplacePickEdit::ButtonMouseDown(ByClick, Index == EllipsisButton ? -1 : Index);
}

void TdxInplaceMRUEdit::ButtonClick(int Index) {
  if (Index == EllipsisButton) return DoButtonClick();
  TdxInplacePickEdit::ButtonClick(Index);
}

void TdxInplaceMRUEdit::ValidateEdit() {
  TdxInplacePickEdit::ValidateEdit();
  if (GetModified()) AddItem(GetMaskedText());
}

// Ctrl+Enter clicks the ellipsis; its character reaches no text.
void TdxInplaceMRUEdit::KeyDown(WORD& Key, TShiftState Shift) {
  const bool click = Key == VK_RETURN && (Shift & (ssCtrl | ssShift | ssAlt)) == ssCtrl;
  TdxInplacePickEdit::KeyDown(Key, Shift);
  if (!click || !FShowEllipsis || !CanEditText()) return;
  if (HandleAllocated()) RemovePendingMessage(Handle(), WM_CHAR);
  Key = 0;
  DoButtonClick();
}
