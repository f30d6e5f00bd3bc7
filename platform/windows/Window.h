// Windows of the layer: creation and destruction, styles, geometry, visibility, enabling, parents
// and z-order, window procedures, and the mapping between client, window and screen coordinates.
// Each window is backed by one Qt widget, which the layer keeps private.
#pragma once

#include <functional>
#include <vector>

#include "windows/Messages.h"

// Window styles.
enum : DWORD {
  WS_MAXIMIZEBOX = 0x00010000, WS_TABSTOP = 0x00010000,
  WS_MINIMIZEBOX = 0x00020000, WS_THICKFRAME = 0x00040000,
  WS_SYSMENU = 0x00080000, WS_HSCROLL = 0x00100000, WS_VSCROLL = 0x00200000,
  WS_DLGFRAME = 0x00400000, WS_BORDER = 0x00800000, WS_CAPTION = 0x00C00000, WS_MAXIMIZE = 0x01000000,
  WS_CLIPCHILDREN = 0x02000000, WS_CLIPSIBLINGS = 0x04000000, WS_DISABLED = 0x08000000,
  WS_VISIBLE = 0x10000000, WS_MINIMIZE = 0x20000000, WS_CHILD = 0x40000000, WS_POPUP = 0x80000000,
};
// Extended window styles.
enum : DWORD {
  WS_EX_DLGMODALFRAME = 0x00000001, WS_EX_TOPMOST = 0x00000008, WS_EX_TRANSPARENT = 0x00000020,
  WS_EX_TOOLWINDOW = 0x00000080, WS_EX_CLIENTEDGE = 0x00000200,
  WS_EX_CONTEXTHELP = 0x00000400, WS_EX_STATICEDGE = 0x00020000,
  WS_EX_APPWINDOW = 0x00040000, WS_EX_NOACTIVATE = 0x08000000,
};
// Class styles.
enum : DWORD {
  CS_VREDRAW = 0x0001, CS_HREDRAW = 0x0002, CS_DBLCLKS = 0x0008, CS_OWNDC = 0x0020,
  CS_SAVEBITS = 0x0800,
};
// GetWindowLong / SetWindowLong indices; GCL_STYLE for the class style.
enum : int { GWL_EXSTYLE = -20, GWL_STYLE = -16, GWL_ID = -12, GCL_STYLE = -26 };
// ShowWindow commands.
enum : int {
  SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOWMINIMIZED = 2, SW_SHOWMAXIMIZED = 3,
  SW_SHOWNOACTIVATE = 4, SW_SHOW = 5, SW_MINIMIZE = 6, SW_SHOWMINNOACTIVE = 7,
  SW_SHOWNA = 8, SW_RESTORE = 9,
};
// SetWindowPos flags.
enum : UINT {
  SWP_NOSIZE = 0x0001, SWP_NOMOVE = 0x0002, SWP_NOZORDER = 0x0004, SWP_NOREDRAW = 0x0008,
  SWP_NOACTIVATE = 0x0010, SWP_FRAMECHANGED = 0x0020, SWP_SHOWWINDOW = 0x0040, SWP_HIDEWINDOW = 0x0080,
  // Set by the layer in WM_WINDOWPOSCHANGED: the client area kept its size / its place.
  SWP_NOCLIENTSIZE = 0x0800, SWP_NOCLIENTMOVE = 0x1000,
};
// Special insert-after windows of SetWindowPos.
inline const HWND HWND_TOP{0};
inline const HWND HWND_BOTTOM{1};
inline const HWND HWND_TOPMOST{UINTPTR_MAX};
inline const HWND HWND_NOTOPMOST{UINTPTR_MAX - 1};

enum : UINT { GW_HWNDFIRST = 0, GW_HWNDLAST = 1, GW_HWNDNEXT = 2, GW_HWNDPREV = 3, GW_OWNER = 4, GW_CHILD = 5 };
enum : UINT { CWP_SKIPINVISIBLE = 1, CWP_SKIPDISABLED = 2, CWP_SKIPTRANSPARENT = 4 };

// A window procedure: receives every message sent or dispatched to the window.
using WNDPROC = std::function<LRESULT(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)>;

struct TWindowCreateParams {
  String ClassName;
  String Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  DWORD ClassStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  // The parent of a WS_CHILD window; the owner of a top-level one.
  HWND WndParent;
  WNDPROC WndProc;
};

// What WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED point to (lParam).
struct WINDOWPOS {
  HWND hwnd;
  HWND hwndInsertAfter;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  UINT flags = 0;
};

// What WM_NCCALCSIZE points to (lParam): rgrc[0] is the proposed window rectangle in the parent's
// client coordinates, and the answer puts the client rectangle there, in the same coordinates.
struct NCCALCSIZE_PARAMS {
  TRect rgrc[3];
  WINDOWPOS* lppos = nullptr;
};

// Creation sends WM_NCCREATE, WM_NCCALCSIZE and WM_CREATE; a window created with WS_VISIBLE is
// shown. Answers an empty handle when the parent does not exist or WM_CREATE answers -1.
HWND CreateWindowEx(const TWindowCreateParams& Params);
// Sends WM_DESTROY to the window and then to its descendants, kills their timers, gives up focus,
// capture and activation held by any of them, and sends WM_NCDESTROY. Answers false for an
// invalid handle.
bool DestroyWindow(HWND Wnd);
bool IsWindow(HWND Wnd);

LRESULT DefWindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
LRESULT CallWindowProc(const WNDPROC& Proc, HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
WNDPROC GetWindowProc(HWND Wnd);
// Replaces the window procedure (subclassing) and answers the previous one.
WNDPROC SetWindowProc(HWND Wnd, WNDPROC Proc);

// Styles (GWL_STYLE, GWL_EXSTYLE), the control id (GWL_ID) and the class style (GCL_STYLE).
// Setting WS_VISIBLE or WS_DISABLED this way changes only the bits, as the original does.
intptr_t GetWindowLong(HWND Wnd, int Index);
intptr_t SetWindowLong(HWND Wnd, int Index, intptr_t Value);
String GetClassName(HWND Wnd);
String GetWindowText(HWND Wnd);
bool SetWindowText(HWND Wnd, const String& Text);

HWND GetParent(HWND Wnd);
HWND SetParent(HWND Wnd, HWND NewParent);
// The top-level window that holds Wnd (Wnd itself when it is top-level).
HWND GetAncestorRoot(HWND Wnd);
bool IsChild(HWND Parent, HWND Wnd);
HWND GetWindow(HWND Wnd, UINT Cmd);
// Children from the bottom of the z-order to the top.
std::vector<HWND> GetChildWindows(HWND Parent);
// Visible top-level windows, from the top of the z-order down.
std::vector<HWND> GetTopLevelWindows();

// Moves, sizes, reorders, shows or hides. Sends WM_WINDOWPOSCHANGING, WM_NCCALCSIZE when the size
// or the frame changed (SWP_FRAMECHANGED), and WM_WINDOWPOSCHANGED, whose default handling sends
// WM_MOVE and WM_SIZE when the client area moved or changed size. Without SWP_NOACTIVATE a
// top-level window that shows afterwards is activated. Top-most windows stay above the others
// (HWND_TOPMOST and HWND_NOTOPMOST move a window between the two groups), owned windows above
// their owner.
bool SetWindowPos(HWND Wnd, HWND InsertAfter, int X, int Y, int Width, int Height, UINT Flags);
bool MoveWindow(HWND Wnd, int X, int Y, int Width, int Height, bool Repaint);
// Answers whether the window was visible before.
bool ShowWindow(HWND Wnd, int Cmd);
// Visible when the window and all its ancestors are.
bool IsWindowVisible(HWND Wnd);
bool IsIconic(HWND Wnd);
bool IsZoomed(HWND Wnd);
// Sends WM_ENABLE on a change; disabling a window that holds the focus or capture takes them away.
// Answers whether the window was disabled before.
bool EnableWindow(HWND Wnd, bool Enable);
bool IsWindowEnabled(HWND Wnd);
bool BringWindowToTop(HWND Wnd);

// The window rectangle on the screen, and the client rectangle in client coordinates (0, 0, w, h).
bool GetWindowRect(HWND Wnd, TRect& Rect);
bool GetClientRect(HWND Wnd, TRect& Rect);
bool ClientToScreen(HWND Wnd, TPoint& Point);
bool ScreenToClient(HWND Wnd, TPoint& Point);
// Maps points from From's client coordinates into To's (an empty handle is the screen).
void MapWindowPoints(HWND From, HWND To, TPoint* Points, int Count);
// The deepest visible window under a screen point; disabled child windows pass the point on to
// their parent.
HWND WindowFromPoint(TPoint ScreenPoint);
// The child of Parent under a point in Parent's client coordinates (Parent when none).
HWND ChildWindowFromPointEx(HWND Parent, TPoint Point, UINT Flags);
