// The editor's keyboard, focus and mouse handling: the keys that move between cells go to the
// host after validation, characters the host refuses are dropped with a beep, and an in-place
// editor keeps its host the form's focused control.
#include "editors/dxInplaceEdit.h"

#include "controls/Application.h"
#include "controls/Forms.h"
#include "editors/dxContainer.h"
#include "editors/dxPopup.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"
#include "windows/NonClient.h"
#include "windows/Paint.h"
#include "windows/SystemServices.h"
#include "graphics/Gdi.h"
#include "graphics/Metrics.h"
#include "rtl/ScopeExit.h"

namespace {

bool IsNavigationKey(WORD Key) {
  switch (Key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
    case VK_INSERT: return true;
    default: return false;
  }
}

// The keys a host moves between cells with: plain Insert only, Tab without Alt.
bool IsHostKey(WORD Key, TShiftState Shift) {
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT: return true;
    case VK_TAB: return !(Shift & ssAlt);
    case VK_INSERT: return (Shift & (ssShift | ssCtrl | ssAlt)) == 0;
    default: return false;
  }
}

}  // namespace

bool TdxInplaceEdit::IsModifyingKey(WORD Key, TShiftState Shift) {
  const bool ctrl = (Shift & ssCtrl) != 0;
  return (ctrl && (Key == 'V' || Key == 'X')) || Key == VK_BACK || Key == VK_DELETE ||
         (Key == VK_INSERT && (Shift & ssShift));
}

void TdxInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (IsInplace() && GetContainer())
    InplaceKeyDown(Key, Shift);
  else
    StandAloneKeyDown(Key, Shift);
}

void TdxInplaceEdit::InplaceKeyDown(WORD& Key, TShiftState Shift) {
  TCustomdxContainer* host = GetContainer();
  if (Key == VK_ESCAPE) Undo();
  if (IsNavigationKey(Key)) ValidateEdit();
  const TDepthScope validateLock(FValidateLock);
  if (IsHostKey(Key, Shift)) {
    host->KeyDown(Key, Shift);
    Key = 0;
  } else if (Key == VK_INSERT && (Shift & ssShift) && !host->CanEditModify()) {
    Key = 0;
  } else if (Key == VK_F2) {
    host->FireEditorEvent(Key, Shift);
    if (Key == VK_F2) MoveCaretToEnd();
    return;
  }
  if (Key == VK_DELETE && !host->CanEditModify()) Key = 0;
  if (Key == 0) return;
  host->FireEditorEvent(Key, Shift);
  if (IsModifyingKey(Key, Shift) && CanEditText() && !CanModify()) Key = 0;
  TWinControl::KeyDown(Key, Shift);
}

void TdxInplaceEdit::StandAloneKeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_ESCAPE) Undo();
  if (IsModifyingKey(Key, Shift) && CanEditText() && !CanModify()) Key = 0;
  if (Key == VK_RETURN && IsValidateOnEnter()) ValidateEdit();
  TWinControl::KeyDown(Key, Shift);
}

void TdxInplaceEdit::KeyPress(TKeyChar& Key) {
  TCustomdxContainer* host = GetContainer();
  if (host) host->KeyPress(Key);
  if (Key >= 32 && !IsValidChar(Key)) {
    Key = 0;
    MessageBeep(0);
  }
  if (host && Key == 9 && !WantTabs()) Key = 0;
  if (Key == 27) Key = 0;
  // Every printable character, not only the single-byte ones, changes the text.
  if ((Key == 9 || Key >= 32) && HasEditArea() && !CanModify()) Key = 0;
  if (Key != 0) TWinControl::KeyPress(Key);
}

void TdxInplaceEdit::KeyUp(WORD& Key, TShiftState Shift) {
  if (TCustomdxContainer* host = GetContainer())
    host->KeyUp(Key, Shift);
  else
    TWinControl::KeyUp(Key, Shift);
}

void TdxInplaceEdit::DblClick() {
  if (TCustomdxContainer* host = GetContainer())
    host->DblClick();
  else
    TWinControl::DblClick();
}

void TdxInplaceEdit::WndProc(TMessage& Message) {
  if (GetContainer()) return InplaceWndProc(Message);
  if (Message.Msg == WM_SETFOCUS) StateChanged();
  if (Message.Msg == WM_KILLFOCUS) FocusChanged(Message);
  TWinControl::WndProc(Message);
}

void TdxInplaceEdit::InplaceWndProc(TMessage& Message) {
  TCustomdxContainer* host = GetContainer();
  switch (Message.Msg) {
    case WM_SETFOCUS: {
      // The host, not the editor, is the form's focused control.
      TCustomForm* form = GetParentForm(this);
      if (!form || (host->ControlState() & csFocusing) || form->SetFocusedControl(host)) Dispatch(Message);
      host->EditorFocusNotify();
      StateChanged();
      return;
    }
    case WM_KILLFOCUS: FocusChanged(Message); break;
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
      if (host->IgnoreEditorKeys()) return;
      break;
    case WM_LBUTTONDOWN:
      if (host->IsImmediateEditor()) {
        if (GetMessageTime() - FClickTime < GetDoubleClickTime()) Message.Msg = WM_LBUTTONDBLCLK;
        FClickTime = 0;
      }
      break;
    case WM_MOUSEWHEEL:
      // The host scrolls; the editor's own handling would hand the wheel to its parent again.
      if (HandlesMouseWheel()) break;
      SendMessage(host->Handle(), CM_CANCELMODE, 0, 0);
      SendMessage(host->Handle(), WM_MOUSEWHEEL, Message.WParam, Message.LParam);
      Message.Result = 1;
      return;
    default: break;
  }
  TWinControl::WndProc(Message);
}

void TdxInplaceEdit::FocusChanged(TMessage& Message) {
  if (Message.Msg != WM_KILLFOCUS) return;
  HotTrackRepaint();
  if (InvalidateOnStateChange() && HandleAllocated()) Invalidate();
  TCustomdxContainer* host = GetContainer();
  if (host && !(host->HandleAllocated() && HWND::FromParam(static_cast<intptr_t>(Message.WParam)) == host->Handle()))
    host->EditorFocusNotify();
}

// An editor without an edit area takes the focus with any press.
void TdxInplaceEdit::DefaultHandler(TMessage& Message) {
  const bool press = Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_RBUTTONDOWN || Message.Msg == WM_MBUTTONDOWN;
  if (press && !HasEditArea() && HandleAllocated() && GetFocus() != Handle()) ::SetFocus(Handle());
  TWinControl::DefaultHandler(Message);
}

void TdxInplaceEdit::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TdxInplaceEdit> Handlers[] = {
      {WM_KEYDOWN, &TdxInplaceEdit::WMKeyDown},
      {WM_GETDLGCODE, &TdxInplaceEdit::WMGetDlgCode},
      {WM_CUT, &TdxInplaceEdit::WMEditCommand},
      {WM_PASTE, &TdxInplaceEdit::WMEditCommand},
      {WM_CLEAR, &TdxInplaceEdit::WMEditCommand},
      {WM_IME_COMPOSITION, &TdxInplaceEdit::WMImeComposition},
      {WM_ERASEBKGND, &TdxInplaceEdit::WMEraseBkgnd},
      {WM_NCCALCSIZE, &TdxInplaceEdit::WMNCCalcSize},
      {WM_NCPAINT, &TdxInplaceEdit::WMNCPaint},
      {WM_PAINT, &TdxInplaceEdit::WMPaint},
      {WM_SETCURSOR, &TdxInplaceEdit::WMSetCursor},
      {WM_SIZE, &TdxInplaceEdit::WMSize},
      {CM_FONTCHANGED, &TdxInplaceEdit::CMFontChanged},
      {CM_ENABLEDCHANGED, &TdxInplaceEdit::CMEnabledChanged},
      {CM_TEXTCHANGED, &TdxInplaceEdit::CMTextChanged},
      {CM_SHOWINGCHANGED, &TdxInplaceEdit::CMShowingChanged},
      {CM_ENTER, &TdxInplaceEdit::CMEnter},
      {CM_EXIT, &TdxInplaceEdit::CMExit},
      {CM_MOUSEENTER, &TdxInplaceEdit::CMMouseEnter},
      {CM_MOUSELEAVE, &TdxInplaceEdit::CMMouseLeave},
  };
  if (!DispatchTo(this, Message, Handlers)) TWinControl::Dispatch(Message);
}

// Enter, and Tab unless the editor keeps tabs, type no character in a hosted editor: the
// character already waiting is dropped.
void TdxInplaceEdit::WMKeyDown(TMessage& Message) {
  const WPARAM key = Message.WParam;
  if (GetContainer() && (key == VK_RETURN || (key == VK_TAB && !WantTabs()))) RemovePendingMessage(Handle(), WM_CHAR);
  TWinControl::Dispatch(Message);
}

void TdxInplaceEdit::WMGetDlgCode(TMessage& Message) {
  TWinControl::Dispatch(Message);
  Message.Result |= DLGC_WANTCHARS;
  // In place, the editor wants the arrows as an edit window would: the host moves with them.
  TCustomdxContainer* host = GetContainer();
  if (host) Message.Result |= DLGC_WANTALLKEYS | DLGC_WANTARROWS;
  if (host && host->IsTabsNavigation())
    Message.Result |= DLGC_WANTTAB;
  else
    Message.Result &= ~LRESULT(DLGC_WANTTAB);
}

void TdxInplaceEdit::WMEditCommand(TMessage& Message) {
  if (CanModify()) TWinControl::Dispatch(Message);
}

void TdxInplaceEdit::WMImeComposition(TMessage& Message) {
  if ((Message.LParam & GCS_RESULTSTR) && HasEditArea() && !CanModify()) return;
  TWinControl::Dispatch(Message);
}

void TdxInplaceEdit::WMEraseBkgnd(TMessage& Message) {
  if (HasEditArea()) return TWinControl::Dispatch(Message);
  Message.Result = 1;
}

// The client area is the view info's client rectangle; the border lies around it, and the
// layer's frame (scroll bars) goes inside it.
void TdxInplaceEdit::WMNCCalcSize(TMessage& Message) {
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam);
  TRect& r = params->rgrc[0];
  const TdxEditViewInfo vi = FreshViewInfo(false, r.Width(), r.Height());
  r = {r.Left + vi.ClientRect.Left, r.Top + vi.ClientRect.Top, r.Left + vi.ClientRect.Right, r.Top + vi.ClientRect.Bottom};
  TWinControl::Dispatch(Message);
}

void TdxInplaceEdit::WMNCPaint(TMessage& Message) {
  TWinControl::Dispatch(Message);
  TdxEditViewInfo vi;
  std::unique_ptr<TdxEditViewData> vd = WindowViewData(vi);
  HDC dc = GetWindowDC(Handle());
  EditClass().DrawBorder(dc, vi, *vd);
  const DWORD style = static_cast<DWORD>(GetWindowLong(Handle(), GWL_STYLE));
  if ((style & WS_HSCROLL) && (style & WS_VSCROLL)) {
    const TRect& c = vi.ClientRect;
    FillRect(dc, {c.Right - GetSystemMetrics(SM_CXVSCROLL), c.Bottom - GetSystemMetrics(SM_CYHSCROLL), c.Right, c.Bottom},
             GetSysColorBrush(COLOR_BTNFACE));
  }
  ReleaseDC(Handle(), dc);
}

void TdxInplaceEdit::WMPaint(TMessage& Message) {
  if (!(ControlState() & csPaintCopy)) return TWinControl::Dispatch(Message);
  // A copy of the editor is painted window-lessly where it stands.
  PAINTSTRUCT ps;
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  const bool own = dc == nullptr;
  if (own) dc = BeginPaint(Handle(), ps);
  std::unique_ptr<TdxEditViewData> vd = CreateViewData(true);
  vd->Bounds = BoundsRect();
  EditClass().GetEditClipRegion(dc, vd->Bounds, nullptr, *vd);
  if (own) EndPaint(Handle(), ps);
}

void TdxInplaceEdit::WMSetCursor(TMessage& Message) {
  if (LOWORD(static_cast<uintptr_t>(Message.LParam)) == HTCLIENT) {
    std::unique_ptr<TdxEditViewData> vd = CreateViewData(false);
    TPoint p;
    GetCursorPos(p);
    p = ScreenToClient(p);
    const TCursor cursor = EditClass().GetViewCursor(p.X, p.Y, *vd);
    if (cursor != crDefault && Screen) {
      ::SetCursor(Screen->Cursors(cursor));
      Message.Result = 1;
      return;
    }
  }
  TWinControl::Dispatch(Message);
}

void TdxInplaceEdit::WMSize(TMessage& Message) {
  TWinControl::Dispatch(Message);
  if (Width() > 0 && Height() > 0) UpdateBoundsAndRegion();
}

void TdxInplaceEdit::CMFontChanged(TMessage& Message) {
  TWinControl::Dispatch(Message);
  UpdateBoundsAndRegion();
}

void TdxInplaceEdit::CMEnabledChanged(TMessage& Message) {
  TWinControl::Dispatch(Message);
  LayoutChanged();
}

void TdxInplaceEdit::CMTextChanged(TMessage& Message) {
  TWinControl::Dispatch(Message);
  if (!HasEditArea() && HandleAllocated()) Invalidate();
}

void TdxInplaceEdit::CMShowingChanged(TMessage& Message) {
  if (!IsInplace()) TWinControl::Dispatch(Message);
}

void TdxInplaceEdit::CMEnter(TMessage& Message) {
  SetEditing(true);
  TWinControl::Dispatch(Message);
}

void TdxInplaceEdit::CMExit(TMessage& Message) {
  ValidateEdit();
  SetEditing(false);
  TWinControl::Dispatch(Message);
}

void TdxInplaceEdit::CMMouseEnter(TMessage& Message) {
  SetHot(true);
  HotTrackRepaint();
  TWinControl::Dispatch(Message);
  if (OnMouseEnter) OnMouseEnter(this);
}

void TdxInplaceEdit::CMMouseLeave(TMessage& Message) {
  SetHot(false);
  HotTrackRepaint();
  TWinControl::Dispatch(Message);
  if (OnMouseLeave) OnMouseLeave(this);
}
