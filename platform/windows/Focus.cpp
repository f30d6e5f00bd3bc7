// Focus, activation and capture as the layer keeps them; the native focus only follows.
#include "windows/Layer_p.h"

namespace {

// WM_ACTIVATEAPP to every top-level window when the application as a whole gains or loses the
// active window.
void NotifyApplicationActivation(bool Active) {
  for (HWND top : std::vector<HWND>(Windows().TopLevels()))
    if (IsWindow(top)) SendMessage(top, WM_ACTIVATEAPP, Active);
}

}  // namespace

HWND GetFocus() { return IsWindow(State().Focus) ? State().Focus : HWND(); }
HWND GetActiveWindow() { return IsWindow(State().Active) ? State().Active : HWND(); }
HWND GetCapture() { return IsWindow(State().Capture) ? State().Capture : HWND(); }

HWND SetFocus(HWND Wnd) {
  TLayerState& s = State();
  const HWND old = GetFocus();
  if (Wnd) {
    if (!IsWindow(Wnd) || !IsEnabledChain(Wnd)) return HWND();
    if (Wnd == old) return old;
    const HWND top = RootOf(Wnd);
    if (top != GetActiveWindow()) {
      SetActiveWindow(top);
      if (GetFocus() == Wnd || !IsWindow(Wnd)) return old;
    }
  } else if (!old) {
    return old;
  }
  const HWND previous = GetFocus();
  s.Focus = Wnd;
  if (previous) SendMessage(previous, WM_KILLFOCUS, Wnd.AsWParam());
  if (s.Focus != Wnd) return old;  // the focus moved on while the old window let go
  SyncNativeFocus(Wnd);
  if (Wnd && IsWindow(Wnd)) SendMessage(Wnd, WM_SETFOCUS, previous.AsWParam());
  if (s.Focus == Wnd) WatchFocus(Wnd);
  return old;
}

HWND SetActiveWindow(HWND Wnd) {
  TLayerState& s = State();
  if (Wnd) Wnd = RootOf(Wnd);
  const HWND old = GetActiveWindow();
  if (Wnd == old) return old;
  s.Active = Wnd;
  if (old) {
    SendMessage(old, WM_NCACTIVATE, 0, Wnd.AsLParam());
    SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old)), Wnd.AsLParam());
  }
  if (s.Active != Wnd) return old;
  if (!Wnd) {
    if (old) NotifyApplicationActivation(false);
    WatchDeactivation();
    SetFocus(HWND());
    return old;
  }
  if (!old) NotifyApplicationActivation(true);
  if (TWindowRecord* rec = Windows().Find(Wnd)) RestackTopLevel(*rec, HWND_TOP);
  RaiseNativeWindow(Wnd);
  SendMessage(Wnd, WM_NCACTIVATE, 1, old.AsLParam());
  SendMessage(Wnd, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, IsIconic(Wnd)), old.AsLParam());
  return old;
}

HWND SetCapture(HWND Wnd) {
  TLayerState& s = State();
  const HWND old = GetCapture();
  if (Wnd && !IsWindow(Wnd)) return old;
  s.Capture = Wnd;
  GrabNativePointer(Wnd);
  if (old && old != Wnd) SendMessage(old, WM_CAPTURECHANGED, 0, Wnd.AsLParam());
  return old;
}

bool ReleaseCapture() {
  TLayerState& s = State();
  const HWND old = GetCapture();
  s.Capture = HWND();
  GrabNativePointer(HWND());
  if (old) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
  return true;
}
