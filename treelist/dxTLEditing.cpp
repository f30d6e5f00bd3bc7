// Ending an edit: validating and posting the in-place editor's value, hiding it and giving the
// focus back; the edit state cancelled without posting; the tree list's answers to its editor.
#include "treelist/dxTL.h"
#include "treelist/dxTLEditors.h"
#include "windows/Focus.h"

void TCustomdxTreeList::HideEditor() { CloseEditing(true); }

void TCustomdxTreeList::CloseEditor() { CloseEditing(false); }

void TCustomdxTreeList::CloseEditing(bool TakeFocus) {
  if (FState != tlsEditing || !FInplaceEdit) return;
  // A refused value raises here and the editor stays open.
  if (!IsDestroying()) FInplaceEdit->ValidateEdit();
  SetState(tlsNormal);
  const bool hadFocus = FInplaceEdit->IsFocused();
  FInplaceEdit->SetHidingForPost(true);
  TdxTreeListNode* node = FEditingNode;
  const int column = FEditingColumn;
  FEditingNode = nullptr;
  FEditingColumn = -1;
  if (node && column >= 0 && !IsDestroying() && FInplaceEdit->GetModified()) {
    AssignEditValue(node, column, FInplaceEdit);
    DoEdited(node);
  }
  FInplaceEdit->Hide();
  if ((TakeFocus || hadFocus) && !IsDestroying() && CanFocus()) SetFocus();
}

void TCustomdxTreeList::CancelEditState() {
  FEditingNode = nullptr;
  FEditingColumn = -1;
  if (!IsDestroying()) HideEditor();
}

void TCustomdxTreeList::HideEditorWithoutPosting() {
  if (!FInplaceEdit || !FInplaceEdit->Shown()) return;
  const bool hadFocus = FInplaceEdit->IsFocused();
  FInplaceEdit->Hide();
  if (hadFocus && CanFocus()) SetFocus();
}

void TCustomdxTreeList::SetState(TdxTreeListState Value) { FState = Value; }

void TCustomdxTreeList::AssignEditValue(TdxTreeListNode* Node, int Column, TdxInplaceEdit* Editor) {
  (void)Node, (void)Column, (void)Editor;
}

bool TCustomdxTreeList::IsEditorActive() {
  return FState == tlsEditing && !(ComponentState() & csDesigning) && FLockUpdate == 0 && HandleAllocated();
}

std::unique_ptr<TdxEditStyle> TCustomdxTreeList::CreateEditStyle(TdxInplaceEdit* Edit) {
  return std::make_unique<TdxTreeListEditStyle>(Edit);
}

bool TCustomdxTreeList::IsControlOrEditorFocused() {
  if (HandleAllocated()) {
    const HWND own = Handle();
    for (HWND wnd = GetFocus(); wnd; wnd = GetParent(wnd))
      if (wnd == own) return true;
  }
  return FState == tlsEditing && FInplaceEdit && FInplaceEdit->IsFocused();
}
