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
  if (FState != tlsEditing || !FEdit.InplaceEdit) return;
  // A refused value raises here and the editor stays open.
  if (!IsDestroying()) FEdit.InplaceEdit->ValidateEdit();
  SetState(tlsNormal);
  HideEditorPost(TakeFocus);
}

// Posts a modified value of the edited cell, forgets the cell and hides the editor; the focus
// comes back to the control when asked or when the editor had it.
void TCustomdxTreeList::HideEditorPost(bool TakeFocus) {
  if (!FEdit.InplaceEdit) return;
  const bool hadFocus = FEdit.InplaceEdit->IsFocused();
  FEdit.InplaceEdit->SetHidingForPost(true);
  TdxTreeListNode* node = FEdit.Node;
  const int column = FEdit.Column;
  FEdit.Node = nullptr;
  FEdit.Column = -1;
  if (node && column >= 0 && !IsDestroying() && FEdit.InplaceEdit->GetModified()) {
    AssignEditValue(node, column, FEdit.InplaceEdit);
    DoEdited(node);
  }
  FEdit.InplaceEdit->Hide();
  if ((TakeFocus || hadFocus) && !IsDestroying() && HandleAllocated() && IsWindowVisible(Handle()))
    ::SetFocus(Handle());
}

void TCustomdxTreeList::CancelEditState() {
  FEdit.Node = nullptr;
  FEdit.Column = -1;
  if (!IsDestroying()) HideEditor();
}

void TCustomdxTreeList::HideEditorWithoutPosting() {
  if (!FEdit.InplaceEdit || !FEdit.InplaceEdit->Shown()) return;
  const bool hadFocus = FEdit.InplaceEdit->IsFocused();
  FEdit.InplaceEdit->Hide();
  if (hadFocus && CanFocus()) SetFocus();
}

void TCustomdxTreeList::SetState(TdxTreeListState Value) {
  FState = Value;
  if (Value != tlsEditing) return;
  if (FEdit.InplaceEdit) FEdit.InplaceEdit->MoveCaretToEnd();
  EndSearch();
}

// --- opening the editor -------------------------------------------------------------------------------

void TCustomdxTreeList::ShowEditor() {
  if (!IsEditingEnabled() || IsRowSelect() || !FFocus.Node) return;
  bool allow = true;
  if (IsNewItemRowActive())
    DoNewItemRowEditing(allow);
  else
    DoEditing(FFocus.Node, allow);
  if (!allow) {
    FEdit.InplaceEdit = nullptr;
    return;
  }
  if (FState != tlsNormal || FFocus.Column < 0 || GetVisibleColumnCount() == 0) return;
  MakeColumnVisible(GetFocusedColumn());
  MakeNodeVisible(FFocus.Node);
  SetState(tlsEditing);
  PlaceEditor(true);
}

void TCustomdxTreeList::ShowEditorChar(TKeyChar Key) {
  ShowEditor();
  if (FState != tlsEditing || !FEdit.InplaceEdit || !FEdit.InplaceEdit->HandleAllocated()) return;
  // Posted, so that the editor sees the key after it has been shown.
  if (Key == 22)
    PostMessage(FEdit.InplaceEdit->Handle(), WM_PASTE);
  else if (Key == 24)
    PostMessage(FEdit.InplaceEdit->Handle(), WM_CUT);
  else
    PostMessage(FEdit.InplaceEdit->Handle(), WM_CHAR, WPARAM(Key));
}

void TCustomdxTreeList::ResetEditor() {
  FEdit.Node = nullptr;
  FEdit.Column = -1;
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
  if (editor != FEdit.InplaceEdit || FEdit.Node != FFocus.Node || FEdit.Column != column) {
    if (FEdit.InplaceEdit && (FEdit.Node || FEdit.Column >= 0)) HideEditorPost(false);
    FEdit.InplaceEdit = editor;
    InitEditorForFocusedCell();
  }
  MakeNodeVisible(FFocus.Node);
  if (!IsEditorActive()) {
    FEdit.Column = -1;
    FEdit.Node = nullptr;
    return;
  }
  const TRect cell = GetEditorRect(FFocus.Node, GetFocusedVisibleIndex());
  if (!Focus) FEdit.InplaceEdit->IncShowLock();
  const auto unlock = ScopeExit([this, Focus] {
    if (!Focus) FEdit.InplaceEdit->DecShowLock();
  });
  FEdit.InplaceEdit->ShowEdit(cell);
}

void TCustomdxTreeList::InitEditorForFocusedCell() {
  FEdit.Column = GetFocusedColumn();
  FEdit.Node = FFocus.Node;
  TdxInplaceEdit* editor = FEdit.InplaceEdit;
  if (editor->Parent() != this) editor->SetParent(this);
  BeginEditorSet();
  Bracket(
      [&] {
        editor->SetHidingForPost(false);
        editor->SetColor(GetEditColor());
        editor->SetFont(GetEditFont());
        editor->SetEditOffsets({1, 0, 0, 0});
        InitEditor(editor, FEdit.Column);
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
  if (!IsNewItemRowVisible() || FEdit.NewItemRowActive == Value) return;
  FEdit.NewItemRowActive = Value;
  InvalidateNode(FFocus.Node, false);
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
  return FState == tlsEditing && FEdit.InplaceEdit && FEdit.InplaceEdit->IsFocused();
}
