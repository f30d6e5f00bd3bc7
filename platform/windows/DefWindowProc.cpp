// The default handling of messages that no window procedure took: what the original system's
// default window procedure does for the messages this layer models.
#include "windows/Layer_p.h"
#include "windows/NonClient.h"

namespace {

void SendMoveAndSize(HWND Wnd, const WINDOWPOS& Pos) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return;
  if (!(Pos.flags & SWP_NOCLIENTMOVE)) {
    const TPoint o{rec->Bounds.Left + rec->Client.Left, rec->Bounds.Top + rec->Client.Top};
    SendMessage(Wnd, WM_MOVE, 0, MAKELPARAM(o.X, o.Y));
  }
  if (!(rec = Windows().Find(Wnd))) return;
  if (!(Pos.flags & SWP_NOCLIENTSIZE)) {
    WPARAM kind = SIZE_RESTORED;
    if (rec->Style & WS_MAXIMIZE) kind = SIZE_MAXIMIZED;
    if (rec->Style & WS_MINIMIZE) kind = SIZE_MINIMIZED;
    SendMessage(Wnd, WM_SIZE, kind, MAKELPARAM(rec->Client.Width(), rec->Client.Height()));
  }
}

// A press on the frame starts what the part pressed does, as system commands.
void NcButtonDown(HWND Wnd, WPARAM Hit, LPARAM LParam) {
  switch (Hit) {
    case HTCAPTION: SendMessage(Wnd, WM_SYSCOMMAND, SC_MOVE | static_cast<WPARAM>(HTCAPTION), LParam); break;
    case HTVSCROLL: SendMessage(Wnd, WM_SYSCOMMAND, SC_VSCROLL, LParam); break;
    case HTHSCROLL: SendMessage(Wnd, WM_SYSCOMMAND, SC_HSCROLL, LParam); break;
    case HTCLOSE: TrackCloseButton(Wnd); break;
    default:
      if (Hit >= HTLEFT && Hit <= HTBOTTOMRIGHT) SendMessage(Wnd, WM_SYSCOMMAND, SC_SIZE + (Hit - HTLEFT + WMSZ_LEFT), LParam);
      break;
  }
}

LRESULT SystemCommand(HWND Wnd, WPARAM Command, LPARAM LParam) {
  const TPoint at = LParamToPoint(LParam);
  switch (Command & 0xFFF0) {
    case SC_CLOSE: SendMessage(Wnd, WM_CLOSE); break;
    case SC_MINIMIZE: ShowWindow(Wnd, SW_MINIMIZE); break;
    case SC_MAXIMIZE: ShowWindow(Wnd, SW_SHOWMAXIMIZED); break;
    case SC_RESTORE: ShowWindow(Wnd, SW_RESTORE); break;
    case SC_MOVE: RunMoveLoop(Wnd, at); break;
    case SC_SIZE: RunSizeLoop(Wnd, Command & 0xF, at); break;
    case SC_VSCROLL: TrackScrollBar(Wnd, SB_VERT, at); break;
    case SC_HSCROLL: TrackScrollBar(Wnd, SB_HORZ, at); break;
    default: break;
  }
  return 0;
}

LRESULT NcActivate(HWND Wnd, bool Active) {
  if (TWindowRecord* rec = Windows().Find(Wnd); rec && rec->NcActive != Active) {
    rec->NcActive = Active;
    if (!HasNativeFrame(*rec) && (rec->Style & WS_CAPTION) == WS_CAPTION) RedrawFrame(Wnd);
  }
  return 1;
}

// Edges show the sizing cursors, everything else the arrow.
HCURSOR CursorOfHit(LRESULT Hit) {
  switch (Hit) {
    case HTLEFT: case HTRIGHT: return IDC_SIZEWE;
    case HTTOP: case HTBOTTOM: return IDC_SIZENS;
    case HTTOPLEFT: case HTBOTTOMRIGHT: return IDC_SIZENWSE;
    case HTTOPRIGHT: case HTBOTTOMLEFT: return IDC_SIZENESW;
    default: return IDC_ARROW;
  }
}

// The cursor of the window: the parent may decide first; over the client area it is the arrow.
LRESULT SetDefaultCursor(HWND Wnd, WPARAM WParam, LPARAM LParam) {
  const HWND parent = GetParent(Wnd);
  if (parent && (GetWindowLong(Wnd, GWL_STYLE) & WS_CHILD) && SendMessage(parent, WM_SETCURSOR, WParam, LParam))
    return 1;
  const auto hit = static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(LParam)));
  if (hit != HTERROR) SetCursor(LoadCursor(CursorOfHit(hit)));
  return 0;
}

}  // namespace

LRESULT DefWindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (ReplayToNativeEditor(Wnd, Msg, WParam, LParam)) return 0;
  switch (Msg) {
    case WM_NCCREATE:
      return 1;
    case WM_NCCALCSIZE:
      DefNcCalcSize(Wnd, reinterpret_cast<NCCALCSIZE_PARAMS*>(LParam)->rgrc[0]);
      return 0;
    case WM_NCPAINT:
      DefNcPaint(Wnd);
      return 0;
    case WM_NCHITTEST:
      return DefNcHitTest(Wnd, LParamToPoint(LParam));
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      NcButtonDown(Wnd, WParam, LParam);
      return 0;
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
      return NcActivate(Wnd, WParam != 0);
    case WM_CLOSE:
      DestroyWindow(Wnd);
      return 0;
    case WM_SYSCOMMAND:
      return SystemCommand(Wnd, WParam, LParam);
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
