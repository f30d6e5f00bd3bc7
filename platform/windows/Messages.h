// The message vocabulary of the window layer: window handles, message records, and the message
// numbers. WM_* are numbered as the original system numbers them; CM_* and CN_* are the control
// library's own messages, numbered by this layer (CM_BASE + n, CN_BASE + the window message).
#pragma once

#include <compare>
#include <cstdint>
#include <memory>

#include "rtl/Types.h"

using UINT = unsigned;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using DWORD = uint32_t;

// A window handle is an opaque number: it names a window while the window exists and never names
// another one afterwards (numbers are not reused), so a stale handle is simply invalid.
class HWND {
 public:
  constexpr HWND() = default;
  constexpr explicit HWND(uintptr_t id) : FId(id) {}
  constexpr uintptr_t Id() const { return FId; }
  constexpr explicit operator bool() const { return FId != 0; }
  // Focus and activation messages carry the other window as a parameter.
  constexpr WPARAM AsWParam() const { return FId; }
  constexpr LPARAM AsLParam() const { return static_cast<LPARAM>(FId); }
  static constexpr HWND FromParam(intptr_t p) { return HWND(static_cast<uintptr_t>(p)); }
  friend constexpr bool operator==(HWND, HWND) = default;
  friend constexpr auto operator<=>(HWND, HWND) = default;

 private:
  uintptr_t FId = 0;
};

// A message as the window procedures of controls receive it.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// The layer's copy of the native input event behind a queued message (a key or an input-method
// event), kept so that a native text box can be given the event again by its default handling.
class TNativeInput;

// A queued message. time is the layer clock's milliseconds when it was queued; pt is the cursor
// position (screen) at that moment.
struct MSG {
  HWND hwnd;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD time = 0;
  TPoint pt;
  std::shared_ptr<const TNativeInput> Native;
};

constexpr uint16_t LOWORD(uintptr_t v) { return static_cast<uint16_t>(v & 0xFFFF); }
constexpr uint16_t HIWORD(uintptr_t v) { return static_cast<uint16_t>((v >> 16) & 0xFFFF); }
constexpr LPARAM MAKELPARAM(int lo, int hi) {
  return static_cast<LPARAM>(static_cast<int32_t>((static_cast<uint32_t>(hi) << 16) | (static_cast<uint32_t>(lo) & 0xFFFF)));
}
constexpr WPARAM MAKEWPARAM(int lo, int hi) { return static_cast<WPARAM>(static_cast<uint32_t>(MAKELPARAM(lo, hi))); }
// Points in mouse messages: signed 16-bit x in the low word, y in the high word.
constexpr int GET_X_LPARAM(LPARAM lp) { return static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(lp))); }
constexpr int GET_Y_LPARAM(LPARAM lp) { return static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(lp))); }
constexpr LPARAM PointToLParam(TPoint p) { return MAKELPARAM(p.X, p.Y); }
constexpr TPoint LParamToPoint(LPARAM lp) { return {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM wp) { return static_cast<int16_t>(HIWORD(wp)); }
constexpr int WHEEL_DELTA = 120;

// Window messages.
enum : UINT {
  WM_CREATE = 0x0001, WM_DESTROY = 0x0002, WM_MOVE = 0x0003, WM_SIZE = 0x0005,
  WM_ACTIVATE = 0x0006, WM_SETFOCUS = 0x0007, WM_KILLFOCUS = 0x0008, WM_ENABLE = 0x000A,
  WM_SETREDRAW = 0x000B, WM_SETTEXT = 0x000C, WM_GETTEXT = 0x000D, WM_GETTEXTLENGTH = 0x000E,
  WM_PAINT = 0x000F, WM_CLOSE = 0x0010, WM_QUIT = 0x0012, WM_ERASEBKGND = 0x0014,
  WM_SYSCOLORCHANGE = 0x0015, WM_SHOWWINDOW = 0x0018, WM_SETTINGCHANGE = 0x001A,
  WM_ACTIVATEAPP = 0x001C,
  WM_CANCELMODE = 0x001F, WM_SETCURSOR = 0x0020, WM_MOUSEACTIVATE = 0x0021, WM_CHILDACTIVATE = 0x0022,
  WM_GETMINMAXINFO = 0x0024, WM_WINDOWPOSCHANGING = 0x0046,
  WM_WINDOWPOSCHANGED = 0x0047, WM_HELP = 0x0053, WM_CONTEXTMENU = 0x007B,
  WM_DISPLAYCHANGE = 0x007E, WM_NCCREATE = 0x0081, WM_NCDESTROY = 0x0082,
  WM_NCCALCSIZE = 0x0083, WM_NCHITTEST = 0x0084, WM_NCPAINT = 0x0085, WM_NCACTIVATE = 0x0086,
  WM_GETDLGCODE = 0x0087, WM_NCMOUSEMOVE = 0x00A0, WM_NCLBUTTONDOWN = 0x00A1, WM_NCLBUTTONUP = 0x00A2,
  WM_NCLBUTTONDBLCLK = 0x00A3, WM_NCRBUTTONDOWN = 0x00A4, WM_NCRBUTTONUP = 0x00A5,
  WM_NCRBUTTONDBLCLK = 0x00A6, WM_NCMBUTTONDOWN = 0x00A7, WM_NCMBUTTONUP = 0x00A8,
  WM_NCMBUTTONDBLCLK = 0x00A9,
  WM_KEYFIRST = 0x0100, WM_KEYDOWN = 0x0100, WM_KEYUP = 0x0101, WM_CHAR = 0x0102,
  WM_SYSKEYDOWN = 0x0104, WM_SYSKEYUP = 0x0105, WM_SYSCHAR = 0x0106,
  WM_KEYLAST = 0x0108,
  WM_IME_STARTCOMPOSITION = 0x010D, WM_IME_COMPOSITION = 0x010F,
  WM_COMMAND = 0x0111, WM_SYSCOMMAND = 0x0112, WM_TIMER = 0x0113,
  WM_HSCROLL = 0x0114, WM_VSCROLL = 0x0115,
  WM_MOUSEFIRST = 0x0200, WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202,
  WM_LBUTTONDBLCLK = 0x0203, WM_RBUTTONDOWN = 0x0204, WM_RBUTTONUP = 0x0205, WM_RBUTTONDBLCLK = 0x0206,
  WM_MBUTTONDOWN = 0x0207, WM_MBUTTONUP = 0x0208, WM_MBUTTONDBLCLK = 0x0209, WM_MOUSEWHEEL = 0x020A,
  WM_MOUSELAST = 0x020A,
  WM_SIZING = 0x0214, WM_CAPTURECHANGED = 0x0215, WM_MOVING = 0x0216, WM_ENTERSIZEMOVE = 0x0231,
  WM_EXITSIZEMOVE = 0x0232, WM_MDIDESTROY = 0x0221, WM_MDIACTIVATE = 0x0222, WM_MDIRESTORE = 0x0223,
  WM_MDINEXT = 0x0224, WM_MDIMAXIMIZE = 0x0225, WM_MDIGETACTIVE = 0x0229,
  WM_MOUSELEAVE = 0x02A3,
  WM_CUT = 0x0300, WM_COPY = 0x0301, WM_PASTE = 0x0302, WM_CLEAR = 0x0303, WM_UNDO = 0x0304,
  WM_CLIPBOARDUPDATE = 0x031D,
  WM_USER = 0x0400,
};

// Messages of the control library. Numbers quoted by stored behaviour keep their places
// (CM_TEXTCHANGED = CM_BASE + 18, CM_WININICHANGE = CM_BASE + 37); CM_BASE itself and
// CM_BASE + 48 stay free because controls use them as private messages.
enum : UINT {
  CM_BASE = 0xB000,
  CM_CANCELMODE = CM_BASE + 4,
  CM_DIALOGKEY = CM_BASE + 5, CM_DIALOGCHAR = CM_BASE + 6, CM_FOCUSCHANGED = CM_BASE + 7,
  CM_PARENTFONTCHANGED = CM_BASE + 8, CM_PARENTCOLORCHANGED = CM_BASE + 9, CM_HITTEST = CM_BASE + 10,
  CM_VISIBLECHANGED = CM_BASE + 11, CM_ENABLEDCHANGED = CM_BASE + 12, CM_COLORCHANGED = CM_BASE + 13,
  CM_FONTCHANGED = CM_BASE + 14, CM_CURSORCHANGED = CM_BASE + 15,
  CM_TEXTCHANGED = CM_BASE + 18, CM_MOUSEENTER = CM_BASE + 19,
  CM_MOUSELEAVE = CM_BASE + 20, CM_APPKEYDOWN = CM_BASE + 22,
  CM_APPSYSCOMMAND = CM_BASE + 23, CM_SHOWINGCHANGED = CM_BASE + 25,
  CM_ENTER = CM_BASE + 26, CM_EXIT = CM_BASE + 27,
  CM_WANTSPECIALKEY = CM_BASE + 30,
  CM_RELEASE = CM_BASE + 33, CM_SHOWHINTCHANGED = CM_BASE + 34,
  CM_PARENTSHOWHINTCHANGED = CM_BASE + 35, CM_SYSCOLORCHANGE = CM_BASE + 36,
  CM_WININICHANGE = CM_BASE + 37,
  CM_TABSTOPCHANGED = CM_BASE + 40,
  CM_CHILDKEY = CM_BASE + 46, CM_DRAG = CM_BASE + 47,
  CM_ACTIVATE = CM_BASE + 80, CM_DEACTIVATE = CM_BASE + 81,
};

// Notifications a window sends back to its own control before the window handles the message.
enum : UINT {
  CN_BASE = 0xBC00,
  CN_KEYDOWN = CN_BASE + WM_KEYDOWN, CN_CHAR = CN_BASE + WM_CHAR,
  CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN, CN_SYSCHAR = CN_BASE + WM_SYSCHAR,
};

// WM_ACTIVATE states.
enum : WPARAM { WA_INACTIVE = 0, WA_ACTIVE = 1 };
// WM_MOUSEACTIVATE answers.
enum : LRESULT { MA_ACTIVATE = 1, MA_ACTIVATEANDEAT = 2, MA_NOACTIVATE = 3, MA_NOACTIVATEANDEAT = 4 };
// WM_SIZE kinds.
enum : WPARAM { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2 };
// WM_GETDLGCODE answers.
enum : LRESULT {
  DLGC_WANTARROWS = 0x0001, DLGC_WANTTAB = 0x0002, DLGC_WANTALLKEYS = 0x0004,
  DLGC_HASSETSEL = 0x0008, DLGC_DEFPUSHBUTTON = 0x0010, DLGC_UNDEFPUSHBUTTON = 0x0020,
  DLGC_WANTCHARS = 0x0080, DLGC_BUTTON = 0x2000,
};
// WM_NCHITTEST answers.
enum : LRESULT {
  HTERROR = -2, HTTRANSPARENT = -1, HTNOWHERE = 0, HTCLIENT = 1, HTCAPTION = 2,
  HTGROWBOX = 4, HTHSCROLL = 6, HTVSCROLL = 7,
  HTLEFT = 10, HTRIGHT = 11, HTTOP = 12, HTTOPLEFT = 13, HTTOPRIGHT = 14, HTBOTTOM = 15,
  HTBOTTOMLEFT = 16, HTBOTTOMRIGHT = 17, HTBORDER = 18, HTCLOSE = 20,
};
// WM_SYSCOMMAND commands.
enum : WPARAM {
  SC_SIZE = 0xF000, SC_MOVE = 0xF010, SC_MINIMIZE = 0xF020, SC_MAXIMIZE = 0xF030, SC_CLOSE = 0xF060,
  SC_VSCROLL = 0xF070, SC_HSCROLL = 0xF080, SC_RESTORE = 0xF120,
};
// WM_IME_COMPOSITION flags.
enum : LPARAM { GCS_COMPSTR = 0x0008, GCS_RESULTSTR = 0x0800 };
