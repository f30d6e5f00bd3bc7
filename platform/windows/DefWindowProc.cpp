// The default handling of messages that no window procedure took: what the original system's
// default window procedure does for the messages this layer models.
#include "windows/Layer_p.h"

namespace {

void SendMoveAndSize(HWND Wnd, const WINDOWPOS& Pos) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return;
  if (!(Pos.flags & SWP_NOMOVE)) {
    const TPoint o{rec->Bounds.Left + rec->Client.Left, rec->Bounds.Top + rec->Client.Top};
    SendMessage(Wnd, WM_MOVE, 0, MAKELPARAM(o.X, o.Y));
  }
  if (!(rec = Windows().Find(Wnd))) return;
  if (!(Pos.flags & SWP_NOSIZE)) {
    WPARAM kind = SIZE_RESTORED;
    if (rec->Style & WS_MAXIMIZE) kind = SIZE_MAXIMIZED;
    if (rec->Style & WS_MINIMIZE) kind = SIZE_MINIMIZED;
    SendMessage(Wnd, WM_SIZE, kind, MAKELPARAM(rec->Client.Width(), rec->Client.Height()));
  }
}

LRESULT HitTest(HWND Wnd, LPARAM LParam) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return HTNOWHERE;
  TPoint p = LParamToPoint(LParam);
  const TPoint o = ScreenOrigin(*rec);
  p = {p.X - o.X, p.Y - o.Y};
  if (!PtInRect(TRect{0, 0, rec->Bounds.Width(), rec->Bounds.Height()}, p)) return HTNOWHERE;
  return PtInRect(rec->Client, p) ? HTCLIENT : HTBORDER;
}

// The cursor of the window: the parent may decide first; over the client area it is the arrow.
LRESULT SetDefaultCursor(HWND Wnd, WPARAM WParam, LPARAM LParam) {
  const HWND parent = GetParent(Wnd);
  if (parent && (GetWindowLong(Wnd, GWL_STYLE) & WS_CHILD) && SendMessage(parent, WM_SETCURSOR, WParam, LParam))
    return 1;
  const auto hit = static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(LParam)));
  if (hit == HTCLIENT) SetCursor(LoadCursor(IDC_ARROW));
  return 0;
}

}  // namespace

LRESULT DefWindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (ReplayToNativeEditor(Wnd, Msg, WParam, LParam)) return 0;
  switch (Msg) {
    case WM_NCCREATE:
      return 1;
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
      return 0;
    case WM_NCHITTEST:
      return HitTest(Wnd, LParam);
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(Wnd, ps);
      EndPaint(Wnd, ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 0;
    case WM_WINDOWPOSCHANGED:
      SendMoveAndSize(Wnd, *reinterpret_cast<const WINDOWPOS*>(LParam));
      return 0;
    case WM_SETCURSOR:
      return SetDefaultCursor(Wnd, WParam, LParam);
    case WM_MOUSEACTIVATE: {
      const HWND parent = GetParent(Wnd);
      if (parent && (GetWindowLong(Wnd, GWL_STYLE) & WS_CHILD)) {
        const LRESULT r = SendMessage(parent, WM_MOUSEACTIVATE, WParam, LParam);
        if (r) return r;
      }
      return MA_ACTIVATE;
    }
    case WM_ACTIVATE:
      if (LOWORD(WParam) != WA_INACTIVE && !IsIconic(Wnd)) SetFocus(Wnd);
      return 0;
    case WM_NCACTIVATE:
      return 1;
    case WM_CLOSE:
      DestroyWindow(Wnd);
      return 0;
    case WM_SYSCOMMAND:
      if ((WParam & 0xFFF0) == SC_CLOSE) SendMessage(Wnd, WM_CLOSE);
      if ((WParam & 0xFFF0) == SC_MINIMIZE) ShowWindow(Wnd, SW_MINIMIZE);
      if ((WParam & 0xFFF0) == SC_MAXIMIZE) ShowWindow(Wnd, SW_SHOWMAXIMIZED);
      if ((WParam & 0xFFF0) == SC_RESTORE) ShowWindow(Wnd, SW_RESTORE);
      return 0;
    case WM_SYSKEYDOWN:
      if (WParam == VK_F4 && (GetKeyState(VK_MENU) < 0)) PostMessage(RootOf(Wnd), WM_SYSCOMMAND, SC_CLOSE);
      return 0;
    case WM_SETTEXT:
      SetWindowText(Wnd, LParam ? *reinterpret_cast<const String*>(LParam) : String());
      return 1;
    case WM_GETTEXT:
      if (LParam) *reinterpret_cast<String*>(LParam) = GetWindowText(Wnd);
      return 1;
    case WM_CONTEXTMENU: {
      const HWND parent = GetParent(Wnd);
      if (parent && (GetWindowLong(Wnd, GWL_STYLE) & WS_CHILD)) SendMessage(parent, WM_CONTEXTMENU, WParam, LParam);
      return 0;
    }
    case WM_MOUSEWHEEL: {
      const HWND parent = GetParent(Wnd);
      if (parent && (GetWindowLong(Wnd, GWL_STYLE) & WS_CHILD)) return SendMessage(parent, WM_MOUSEWHEEL, WParam, LParam);
      return 0;
    }
    case WM_RBUTTONUP: {
      TPoint p = LParamToPoint(LParam);
      ClientToScreen(Wnd, p);
      SendMessage(Wnd, WM_CONTEXTMENU, Wnd.AsWParam(), PointToLParam(p));
      return 0;
    }
    default:
      return 0;
  }
}
