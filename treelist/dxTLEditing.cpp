// The in-place editor's life: opening it on the focused cell (at once, with a key, or after the
// delay of a click), validating and posting its value, hiding it and giving the focus back; the
// edit state cancelled without posting; the new-item row switch; the answers to the editor.
#include "rtl/ScopeExit.h"
#include "treelist/dxTL.h"
#include "treelist/dxTLEditors.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"
#include "windows/Timers.h"
#include "windows/Window.h"

void TCustomdxTreeList::HideEditor() { CloseEditing(true); }

void TCustomdxTreeList::CloseEditor() { CloseEditing(false); }

void TCustomdxTreeList::CloseEditing(bool TakeFocus) {
  if (FState != tlsEditing || !FInplaceEdit) return;
  // A refused value raises here and the editor stays open.
  if (!IsDestroying()) FInplaceEdit->ValidateEdit();
  SetState(tlsNormal);
  HideEditorPost(TakeFocus);
}

// Posts a modified value of the edited cell, forgets the cell and hides the editor; the focus
// comes back to the control when asked or when the editor had it.
void TCustomdxTreeList::HideEditorPost(bool TakeFocus) {
  if (!FInplaceEdit) return;
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
  if ((TakeFocus || hadFocus) && !IsDestroying() && HandleAllocated() && IsWindowVisible(Handle()))
    ::SetFocus(Handle());
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

void TCustomdxTreeList::SetState(TdxTreeListState Value) {
  FState = Value;
  if (Value != tlsEditing) return;
  if (FInplaceEdit) FInplaceEdit->MoveCaretToEnd();
  EndSearch();
}

// --- opening the editor -------------------------------------------------------------------------------

void TCustomdxTreeList::ShowEditor() {
  if (!IsEditingEnabled() || IsRowSelect() || !FFocusedNode) return;
  bool allow = true;
  if (IsNewItemRowActive())
    DoNewItemRowEditing(allow);
  else
    DoEditing(FFocusedNode, allow);
  if (!allow) {
    FInplaceEdit = nullptr;
    return;
  }
  if (FState != tlsNormal || FFocusedColumn < 0 || GetVisibleColumnCount() == 0) return;
  MakeColumnVisible(GetFocusedColumn());
  MakeNodeVisible(FFocusedNode);
  SetState(tlsEditing);
  PlaceEditor(true);
}

void TCustomdxTreeList::ShowEditorChar(TKeyChar Key) {
  ShowEditor();
  if (FState != tlsEditing || !FInplaceEdit || !FInplaceEdit->HandleAllocated()) return;
  // Posted, so that the editor sees the key after it has been shown.
  if (Key == 22)
    PostMessage(FInplaceEdit->Handle(), WM_PASTE);
  else if (Key == 24)
    PostMessage(FInplaceEdit->Handle(), WM_CUT);
  else
    PostMessage(FInplaceEdit->Handle(), WM_CHAR, WPARAM(Key));
}

void TCustomdxTreeList::ResetEditor() {
  FEditingNode = nullptr;
  FEditingColumn = -1;
  PlaceEditor(false);
}

// Sets the editor up for the focused cell (a new one for a column of another editor class) and
// shows it there; without Focus the show lock skips the editor's after-show step.
void TCustomdxTreeList::PlaceEditor(bool Focus) {
  if (!IsEditorActive()) return;
  const int column = GetFocusedColumn();
  TdxInplaceEdit* editor = FindEditor(column);
  if (!editor) editor = CreateEditor(column);
  if (!editor) return SetState(tlsNormal);
  if (editor != FInplaceEdit || FEditingNode != FFocusedNode || FEditingColumn != column) {
    if (FInplaceEdit && (FEditingNode || FEditingColumn >= 0)) HideEditorPost(false);
    FInplaceEdit = editor;
    InitEditorForFocusedCell();
  }
  MakeNodeVisible(FFocusedNode);
  if (!IsEditorActive()) {
    FEditingColumn = -1;
    FEditingNode = nullptr;
    return;
  }
  const TRect cell = GetEditorRect(FFocusedNode, GetFocusedVisibleIndex());
  if (!Focus) FInplaceEdit->IncShowLock();
  const auto unlock = ScopeExit([this, Focus] {
    if (!Focus) FInplaceEdit->DecShowLock();
  });
  FInplaceEdit->ShowEdit(cell);
}

void TCustomdxTreeList::InitEditorForFocusedCell() {
  FEditingColumn = GetFocusedColumn();
  FEditingNode = FFocusedNode;
  TdxInplaceEdit* editor = FInplaceEdit;
  if (editor->Parent() != this) editor->SetParent(this);
  BeginEditorSet();
  Bracket(
      [&] {
        editor->SetHidingForPost(false);
        editor->SetColor(GetEditColor());
        editor->SetFont(GetEditFont());
        InitEditor(editor, FEditingColumn);
        editor->SetEditValue(InitEditValue());
        editor->SetModified(false);
        editor->SetEditing(true);
      },
      [this] { EndEditorSet(); });
}

TdxInplaceEdit* TCustomdxTreeList::CreateEditor(int Column) {
  (void)Column;
  return new TdxInplaceTreeListTextEdit(this);
}

// --- the delayed editor of a click on the focused cell ---------------------------------------------------

void TCustomdxTreeList::StartEditorTimer() {
  if (FState == tlsEditing || FPress.EditorTimer || !HandleAllocated()) return;
  SetTimer(Handle(), EditorTimerId, GetDoubleClickTime());
  FPress.EditorTimer = true;
}

void TCustomdxTreeList::KillEditorTimer() {
  if (!FPress.EditorTimer) return;
  if (HandleAllocated()) KillTimer(Handle(), EditorTimerId);
  FPress.EditorTimer = false;
}

void TCustomdxTreeList::SetNewItemRowActive(bool Value) {
  if (!IsNewItemRowVisible() || FNewItemRowActive == Value) return;
  FNewItemRowActive = Value;
  InvalidateNode(FFocusedNode, false);
  InvalidateNewItemRow();
}

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
