// The non-client area the layer draws: borders (WS_BORDER, WS_EX_CLIENTEDGE, WS_EX_STATICEDGE,
// WS_DLGFRAME, WS_THICKFRAME), the caption of frameless pop-up windows with its close button, and
// the scroll bars; the hit codes over them; the loops that move a window by its caption and size
// it by its edges; and the window's shape (its region). Top-level windows that are not pop-ups
// keep the window system's frame, so for them only the scroll bars are the layer's.
#pragma once

#include "graphics/Region.h"
#include "windows/Messages.h"

// What WM_GETMINMAXINFO points to (lParam): the limits of sizing and maximising.
struct MINMAXINFO {
  TPoint ptReserved;
  TPoint ptMaxSize;
  TPoint ptMaxPosition;
  TPoint ptMinTrackSize;
  TPoint ptMaxTrackSize;
};

// The edge being dragged (wParam of WM_SIZING).
enum : WPARAM {
  WMSZ_LEFT = 1, WMSZ_RIGHT = 2, WMSZ_TOP = 3, WMSZ_TOPLEFT = 4, WMSZ_TOPRIGHT = 5, WMSZ_BOTTOM = 6,
  WMSZ_BOTTOMLEFT = 7, WMSZ_BOTTOMRIGHT = 8,
};

// Grows Rect from a client rectangle to the window rectangle the layer's frame of these styles
// needs (native frames add nothing here).
bool AdjustWindowRectEx(TRect& Rect, DWORD Style, bool Menu, DWORD ExStyle);

// The default handling behind DefWindowProc: the client rectangle inside Proposed (window
// rectangle in parent coordinates), the hit code at a screen point, and painting the frame.
void DefNcCalcSize(HWND Wnd, TRect& Proposed);
LRESULT DefNcHitTest(HWND Wnd, TPoint ScreenPoint);
void DefNcPaint(HWND Wnd);
// The limits a window gets before its own WM_GETMINMAXINFO handler changes them.
MINMAXINFO DefaultMinMaxInfo(HWND Wnd);

// The move loop (SC_MOVE, from a press on the caption) and the size loop (SC_SIZE + WMSZ_*, from
// a press on an edge). Both hold the capture: every mouse move places the window (WM_MOVING or
// WM_SIZING first, which may change the rectangle; sizes stay within WM_GETMINMAXINFO), the
// release ends the loop, Escape puts the window back where it was.
void RunMoveLoop(HWND Wnd, TPoint ScreenPoint);
void RunSizeLoop(HWND Wnd, WPARAM Edge, TPoint ScreenPoint);

// The window region (window coordinates): outside it the window neither shows nor takes the
// mouse. A null region gives the window its whole rectangle back. Answers false for an invalid
// window.
bool SetWindowRgn(HWND Wnd, const TRegion* Region, bool Redraw);
// Answers the region's kind (SIMPLEREGION ...), RGN_ERROR when the window has none.
int GetWindowRgn(HWND Wnd, TRegion& Region);
