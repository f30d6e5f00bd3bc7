// The mouse hook of the bars: a click outside the open menus closes them level by level (a stray
// right or middle release goes nowhere), and while the customising form keeps the managed forms
// disabled, presses on their bars still reach the bars; a right-button release over a control
// opens the bar popup menu linked to it.
#include "bars/dxBar.h"
#include "bars/dxBarHooks.h"
#include "bars/dxBarHooks_p.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarPopupMenuLinks.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarToolbar.h"
#include "controls/Forms.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"

namespace {

// Set while the hook closes menus: the messages that sends do not close again.
bool& Closing() {
  static bool closing = false;
  return closing;
}

bool IsOneOf(UINT Msg, std::initializer_list<UINT> Messages) {
  for (UINT m : Messages)
    if (m == Msg) return true;
  return false;
}

bool IsStrayRelease(UINT Msg) { return IsOneOf(Msg, {WM_RBUTTONUP, WM_NCRBUTTONUP, WM_MBUTTONUP, WM_NCMBUTTONUP}); }

bool IsPress(UINT Msg) {
  return IsOneOf(Msg, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK, WM_MBUTTONDOWN, WM_MBUTTONDBLCLK,
                       WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK, WM_NCRBUTTONDOWN, WM_NCRBUTTONDBLCLK, WM_NCMBUTTONDOWN,
                       WM_NCMBUTTONDBLCLK});
}

// The window is one of the open menus of the active chain, or a child window of one.
bool IsInsideOpenMenus(HWND Wnd) {
  for (TCustomdxBarControl* w = ActiveBarControl(); w; w = GetOpenerBarControl(w)) {
    if (!w->HandleAllocated()) continue;
    if (Wnd == w->Handle() || GetParent(Wnd) == w->Handle()) return true;
  }
  return false;
}

// A left release closes only a toolbar's or a sub-menu's menu mode, and not while customising.
bool IsClosingMessage(UINT Msg, const TCustomdxBarControl* Active) {
  if (IsPress(Msg)) return true;
  if (Msg != WM_LBUTTONUP && Msg != WM_NCLBUTTONUP) return false;
  const TdxBarManager* manager = Active->BarManager();
  const bool toolbar = dynamic_cast<const TdxBarControl*>(Active) && !Active->IsPopupToolbar();
  return !(manager && manager->IsCustomizing()) && (toolbar || GetOpenerBarControl(Active));
}

// The menus close one level at a time until the click lies inside what stays open. Answers
// whether the message goes nowhere.
bool CloseMenusOutside(UINT Msg, HWND Wnd) {
  TCustomdxBarControl* active = ActiveBarControl();
  if (IsStrayRelease(Msg) && !IsInsideOpenMenus(Wnd)) return true;
  const TdxBarManager* manager = active->BarManager();
  if ((manager && manager->DraggedItem()) || !IsClosingMessage(Msg, active)) return false;
  bool closed = false;
  while ((active = ActiveBarControl()) && !IsInsideOpenMenus(Wnd)) {
    active->LeaveMenuMode();
    closed = true;
    if (ActiveBarControl() == active) break;
  }
  return closed && !IsWindowVisible(Wnd);
}

// While the customising form is active and the form under the mouse is disabled behind it, the
// message goes to the bar window under the point.
bool RetargetPastCustomizingForm(UINT Msg, MOUSEHOOKSTRUCT& Hook) {
  TCustomForm* form = FormOfWindow(Hook.hwnd);
  if (!form || Hook.wHitTestCode != HTERROR) return false;
  TdxBarManager* manager = ManagerOfForm(form);
  if (!manager || !manager->IsCustomizing()) manager = dxBarManagerList().FindCustomizingManager();
  TCustomForm* customizing = manager ? manager->CustomizingForm() : nullptr;
  if (!customizing || !customizing->HandleAllocated() || GetActiveWindow() != customizing->Handle()) return false;
  for (int i = 0; i < manager->Bars()->Count(); ++i) {
    TdxBarControl* window = manager->Bars()->Items(i)->Control();
    TRect r;
    if (!window || !window->HandleAllocated() || !GetWindowRect(window->Handle(), r) || !PtInRect(r, Hook.pt)) continue;
    Hook.hwnd = window->Handle();
    Hook.wHitTestCode = SendMessage(Hook.hwnd, WM_NCHITTEST, 0, PointToLParam(Hook.pt));
    SendMessage(Hook.hwnd, WM_SETCURSOR, Hook.hwnd.AsWParam(), MAKELPARAM(static_cast<int>(Hook.wHitTestCode), static_cast<int>(Msg)));
    return true;
  }
  return false;
}

// A redirected non-client message becomes the client one at a client point.
void SendRedirected(UINT Msg, const MOUSEHOOKSTRUCT& Hook) {
  UINT message = Msg;
  TPoint p = Hook.pt;
  if (Msg >= WM_NCMOUSEMOVE && Msg <= WM_NCMBUTTONDBLCLK) message = Msg + (WM_MOUSEMOVE - WM_NCMOUSEMOVE);
  ScreenToClient(Hook.hwnd, p);
  if (message != WM_MOUSEMOVE)
    if (TdxBarManager* manager = dxBarManagerList().FindCustomizingManager())
      if (TCustomForm* customizing = manager->CustomizingForm()) BringWindowToTop(customizing->Handle());
  SendMessage(Hook.hwnd, message, CurrentKeyFlags(), PointToLParam(p));
}

bool BarMouseHook(int Code, UINT Msg, MOUSEHOOKSTRUCT& Hook) {
  const bool redirected = RetargetPastCustomizingForm(Msg, Hook);
  if (!Closing() && Code >= 0 && ActiveBarControl()) {
    Closing() = true;
    const bool swallowed = CloseMenusOutside(Msg, Hook.hwnd);
    Closing() = false;
    if (swallowed) return true;
  }
  if (redirected) {
    SendRedirected(Msg, Hook);
    return true;
  }
  return (Msg == WM_RBUTTONUP || Msg == WM_NCRBUTTONUP) && ShowLinkedPopupMenu(Hook.hwnd, Hook.pt);
}

}  // namespace

LRESULT BarMouseHookProc(int Code, WPARAM Msg, LPARAM HookStruct) {
  const bool swallowed = BarMouseHook(Code, static_cast<UINT>(Msg), *reinterpret_cast<MOUSEHOOKSTRUCT*>(HookStruct));
  const LRESULT next = CallNextHookEx(BarHookHandle(WH_MOUSE), Code, Msg, HookStruct);
  return swallowed ? 1 : next;
}
