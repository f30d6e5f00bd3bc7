// Showing an editor over a cell and hiding it again, its undo snapshot, validation, and painting
// its own window through its class.
#include "editors/dxInplaceEdit.h"

#include "editors/dxContainer.h"
#include "editors/dxEditStrings.h"
#include "windows/Focus.h"
#include "windows/Paint.h"
#include "windows/SystemServices.h"

void TdxInplaceEdit::DoShowEdit(const TRect& Rect) {
  if (!IsInplace() || IsRectEmpty(Rect)) return;
  TRect r = Rect;
  InflateRect(r, 2, 2);
  SetBoundsRect(r);
  const bool wasShown = FShown;
  Show();
  if (GetFocus() != Handle()) ::SetFocus(Handle());
  SelectAllOnShow();
  if (!wasShown && FShowLock == 0) AfterShowEdit();
}

void TdxInplaceEdit::Show() {
  if (!IsInplace()) return SetVisible(true);
  SetWindowPos(Handle(), HWND(), 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
  FShown = true;
}

// The host repaints what the editor covered; the window collapses out of the way.
void TdxInplaceEdit::Hide() {
  if (!IsInplace()) return SetVisible(false);
  FShown = false;
  if (!HandleAllocated()) return;
  const HWND wnd = Handle();
  if (IsWindowVisible(wnd)) {
    ValidateRect(wnd, nullptr);
    InvalidateRect(wnd, nullptr, true);
    if (Parent() && Parent()->HandleAllocated()) {
      const HWND host = Parent()->Handle();
      TRect r;
      GetWindowRect(wnd, r);
      TPoint corners[2] = {r.TopLeft(), r.BottomRight()};
      MapWindowPoints(HWND(), host, corners, 2);
      r = {corners[0].X, corners[0].Y, corners[1].X, corners[1].Y};
      ValidateRect(host, &r);
      InvalidateRect(host, &r, false);
    }
  }
  SetWindowPos(wnd, HWND(), 0, 0, 0, 0, SWP_NOZORDER | SWP_NOREDRAW | SWP_HIDEWINDOW);
}

void TdxInplaceEdit::SetEditing(bool Value) {
  if (!IsInplace()) {
    if (Value == FEditing) return;
    FEditing = Value;
  }
  SaveUndoSnapshot();
  if (!IsInplace() && HasDataDefinition()) Invalidate();
}

void TdxInplaceEdit::SaveUndoSnapshot() {
  FSavedModified = GetModified();
  FSavedText = Text();
}

void TdxInplaceEdit::Undo() {
  if (!GetModified() || !CanUndo()) return;
  SetText(FSavedText);
  SetModified(FSavedModified);
}

void TdxInplaceEdit::ValidateEdit() {
  if (!GetModified() || FValidateLock != 0) return;
  String errorText = dxEditorText(dxSEditInvalidInput);
  bool accept = true;
  if (OnValidate) OnValidate(this, errorText, accept);
  if (accept) return;
  MessageBeep(0);
  if (HandleAllocated() && IsWindowVisible(Handle())) ::SetFocus(Handle());
  throw EdxEditInvalidInput(errorText);
}

void TdxInplaceEdit::PaintWindow(HDC DC) {
  std::unique_ptr<TdxEditViewData> vd = CreateViewData(false);
  const TRect client = ClientRect();
  if (client.Width() > 0) EditClass().Draw(DC, client, *vd, true);
}
