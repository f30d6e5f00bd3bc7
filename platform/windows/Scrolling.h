// Scroll bars in a window's non-client area, with the original system's rules (range, page,
// position and track position; a bar hides itself when its page covers its range), their flat
// variants, and scrolling the pixels of a window's client area.
#pragma once

#include "graphics/Canvas.h"
#include "graphics/Region.h"
#include "windows/Messages.h"

enum : int { SB_HORZ = 0, SB_VERT = 1, SB_BOTH = 3 };
// WM_HSCROLL and WM_VSCROLL codes (low word of wParam; the thumb codes carry the position in the
// high word, 16 bits only: GetScrollInfo gives the full track position).
enum : int {
  SB_LINEUP = 0, SB_LINELEFT = 0, SB_LINEDOWN = 1, SB_LINERIGHT = 1, SB_PAGEUP = 2, SB_PAGELEFT = 2,
  SB_PAGEDOWN = 3, SB_PAGERIGHT = 3, SB_THUMBPOSITION = 4, SB_THUMBTRACK = 5, SB_TOP = 6,
  SB_BOTTOM = 7, SB_ENDSCROLL = 8,
};
enum : UINT {
  SIF_RANGE = 0x1, SIF_PAGE = 0x2, SIF_POS = 0x4, SIF_DISABLENOSCROLL = 0x8, SIF_TRACKPOS = 0x10,
  SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS,
};
enum : UINT {
  ESB_ENABLE_BOTH = 0, ESB_DISABLE_LTUP = 1,
  ESB_DISABLE_RTDN = 2, ESB_DISABLE_BOTH = 3,
};

// The position runs from nMin to nMax - max(nPage - 1, 0); nPage is clamped to the range's size.
struct SCROLLINFO {
  UINT cbSize = sizeof(SCROLLINFO);
  UINT fMask = 0;
  int nMin = 0;
  int nMax = 0;
  UINT nPage = 0;
  int nPos = 0;
  int nTrackPos = 0;
};

// Sets what fMask names and answers the position. When the range or page changed so that the
// page covers the range, the bar hides itself (or, with SIF_DISABLENOSCROLL, is disabled); it
// shows itself again when the range (not the page alone) makes it needed. Showing or hiding
// changes the style bit and the client area, which sends WM_SIZE.
int SetScrollInfo(HWND Wnd, int Bar, const SCROLLINFO& Info, bool Redraw);
bool GetScrollInfo(HWND Wnd, int Bar, SCROLLINFO& Info);
int SetScrollPos(HWND Wnd, int Bar, int Pos, bool Redraw);
int GetScrollPos(HWND Wnd, int Bar);
bool SetScrollRange(HWND Wnd, int Bar, int Min, int Max, bool Redraw);
bool GetScrollRange(HWND Wnd, int Bar, int& Min, int& Max);
// Sets or clears WS_HSCROLL / WS_VSCROLL (SB_BOTH: both) and recomputes the frame.
bool ShowScrollBar(HWND Wnd, int Bar, bool Show);

// The parts of a scroll bar, in the order they lie along it.
enum TScrollPart { spNone, spLineUp, spPageUp, spThumb, spPageDown, spLineDown };

// A scroll bar that a control draws in its own client area (the scroll-bar control), with the
// geometry and the look of the bars above. Min, Max, Page and Pos follow SCROLLINFO's rules; a
// page of 0 gives the thumb its fixed classic length.
struct TClientScrollBar {
  TRect Bounds;
  bool Vertical = false;
  int Min = 0;
  int Max = 100;
  UINT Page = 0;
  int Pos = 0;
  bool Enabled = true;
  TScrollPart Pressed = spNone;
};
TScrollPart ScrollBarPartAt(const TClientScrollBar& Bar, TPoint Point);
// The thumb's rectangle; empty when the bar has none (disabled, or nothing to scroll).
TRect ScrollBarThumbRect(const TClientScrollBar& Bar);
// The position whose thumb starts Offset pixels along the bar from its start (clamped).
int ScrollBarPositionAt(const TClientScrollBar& Bar, int Offset);
void DrawScrollBar(HDC DC, const TClientScrollBar& Bar);

// Flat scroll bars: the same bars drawn in the regular, encarta or flat style.
enum : int { WSB_PROP_VSTYLE = 0x100, WSB_PROP_HSTYLE = 0x200 };
enum : int { FSB_REGULAR_MODE = 0, FSB_FLAT_MODE = 2 };
bool InitializeFlatSB(HWND Wnd);
void UninitializeFlatSB(HWND Wnd);
bool FlatSB_SetScrollProp(HWND Wnd, int Index, intptr_t Value, bool Redraw);
int FlatSB_SetScrollInfo(HWND Wnd, int Bar, const SCROLLINFO& Info, bool Redraw);
bool FlatSB_GetScrollInfo(HWND Wnd, int Bar, SCROLLINFO& Info);
int FlatSB_SetScrollPos(HWND Wnd, int Bar, int Pos, bool Redraw);
int FlatSB_GetScrollPos(HWND Wnd, int Bar);

enum : UINT { SW_SCROLLCHILDREN = 0x1, SW_INVALIDATE = 0x2, SW_ERASE = 0x4 };
// Moves the painted pixels of the client area by (Dx, Dy): those inside Scroll (the whole client
// area when null) move, only pixels landing inside Clip (everything when null) change. The part
// of Scroll ∩ Clip that nothing moved into is the uncovered strip: it is answered in Update and
// UpdateRect (client coordinates) and, with SW_INVALIDATE, invalidated (erased with SW_ERASE).
// An invalid area already inside the scrolled rectangle moves with the pixels. SW_SCROLLCHILDREN
// moves the child windows too. Answers the kind of the uncovered region.
int ScrollWindowEx(HWND Wnd, int Dx, int Dy, const TRect* Scroll, const TRect* Clip, TRegion* Update,
                   TRect* UpdateRect, UINT Flags);
// ScrollWindowEx with SW_INVALIDATE and SW_ERASE, moving the children when Scroll is null.
bool ScrollWindow(HWND Wnd, int Dx, int Dy, const TRect* Scroll, const TRect* Clip);
