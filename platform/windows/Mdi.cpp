// The MDI client window: the active child of each client, activation, maximising and the
// messages the client answers.
#include "windows/Mdi.h"

#include <map>

#include "rtl/Text.h"
#include "windows/MessageQueue.h"
#include "windows/Window.h"

namespace {

const char* const kClientClass = "MDICLIENT";

std::map<HWND, HWND>& ActiveChildren() {
  static std::map<HWND, HWND> active;
  return active;
}

// The children of a client in z-order, top first, without Except.
std::vector<HWND> OtherChildren(HWND Client, HWND Except) {
  std::vector<HWND> children;
  const std::vector<HWND> all = GetChildWindows(Client);
  for (auto it = all.rbegin(); it != all.rend(); ++it)
    if (*it != Except) children.push_back(*it);
  return children;
}

void Activate(HWND Client, HWND Child) {
  const HWND old = GetActiveMDIChild(Client);
  if (old == Child) return;
  const bool maximised = old && IsZoomed(old);
  ActiveChildren()[Client] = Child;
  if (old) SendMessage(old, WM_MDIACTIVATE, old.AsWParam(), Child.AsLParam());
  if (!Child) return;
  BringWindowToTop(Child);
  if (maximised) {
    ShowWindow(old, SW_RESTORE);
    ShowWindow(Child, SW_SHOWMAXIMIZED);
  }
  SendMessage(Child, WM_MDIACTIVATE, old.AsWParam(), Child.AsLParam());
  SendMessage(Child, WM_CHILDACTIVATE);
}

void FitMaximised(HWND Client) {
  const HWND active = GetActiveMDIChild(Client);
  if (!active || !IsZoomed(active)) return;
  const TRect r = MDIMaximizedBounds(active);
  SetWindowPos(active, HWND(), r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT ClientProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  const HWND child = HWND::FromParam(static_cast<intptr_t>(WParam));
  switch (Msg) {
    case WM_MDIGETACTIVE: {
      const HWND active = GetActiveMDIChild(Wnd);
      if (LParam) *reinterpret_cast<bool*>(LParam) = active && IsZoomed(active);
      return static_cast<LRESULT>(active.AsLParam());
    }
    case WM_MDIACTIVATE:
      if (IsChild(Wnd, child)) Activate(Wnd, child);
      return 0;
    case WM_MDIMAXIMIZE: ShowWindow(child, SW_SHOWMAXIMIZED); return 0;
    case WM_MDIRESTORE: ShowWindow(child, SW_RESTORE); return 0;
    case WM_MDIDESTROY: DestroyWindow(child); return 0;
    case WM_MDINEXT: {
      const std::vector<HWND> others = OtherChildren(Wnd, GetActiveMDIChild(Wnd));
      if (!others.empty()) Activate(Wnd, others.back());
      return 0;
    }
    case WM_SIZE: FitMaximised(Wnd); return 0;
    case WM_NCDESTROY: ActiveChildren().erase(Wnd); return 0;
    default: return DefWindowProc(Wnd, Msg, WParam, LParam);
  }
}

}  // namespace

HWND CreateMDIClient(HWND Frame, const TRect& Bounds) {
  TWindowCreateParams params;
  params.ClassName = kClientClass;
  params.Style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.X = Bounds.Left;
  params.Y = Bounds.Top;
  params.Width = Bounds.Width();
  params.Height = Bounds.Height();
  params.WndParent = Frame;
  params.WndProc = ClientProc;
  return CreateWindowEx(params);
}

bool IsMDIClient(HWND Wnd) { return Wnd && SameText(GetClassName(Wnd), kClientClass); }

bool IsMDIChild(HWND Wnd) { return (GetWindowLong(Wnd, GWL_STYLE) & WS_CHILD) && IsMDIClient(GetParent(Wnd)); }

HWND GetActiveMDIChild(HWND Client) {
  auto it = ActiveChildren().find(Client);
  return it != ActiveChildren().end() && IsWindow(it->second) ? it->second : HWND();
}

void MDIChildShown(HWND Child) { Activate(GetParent(Child), Child); }

// The child's client area covers the client window; its frame and caption lie outside, unseen.
TRect MDIMaximizedBounds(HWND Child) {
  TRect area, window, inner;
  GetClientRect(GetParent(Child), area);
  GetWindowRect(Child, window);
  GetClientRect(Child, inner);
  TPoint origin{0, 0};
  ClientToScreen(Child, origin);
  const int left = origin.X - window.Left, top = origin.Y - window.Top;
  const int right = window.Right - origin.X - inner.Width(), bottom = window.Bottom - origin.Y - inner.Height();
  return TRect{area.Left - left, area.Top - top, area.Right + right, area.Bottom + bottom};
}

void MDIChildGoing(HWND Child) {
  const HWND client = GetParent(Child);
  if (GetActiveMDIChild(client) != Child) return;
  const std::vector<HWND> others = OtherChildren(client, Child);
  HWND next;
  for (HWND h : others)
    if (IsWindowVisible(h)) {
      next = h;
      break;
    }
  if (next) {
    Activate(client, next);
  } else {
    ActiveChildren()[client] = HWND();
    SendMessage(Child, WM_MDIACTIVATE, Child.AsWParam(), 0);
  }
}
