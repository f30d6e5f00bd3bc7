// The layer's private view of the non-client area: the state of a window's two scroll bars and
// the geometry of its frame parts (borders, caption, scroll bars), shared by the frame, the scroll
// bars and their tracking.
#pragma once

#include "graphics/Canvas.h"
#include "windows/Scrolling.h"

struct TWindowRecord;

// One scroll bar of a window (SB_HORZ or SB_VERT). Shown is the style bit; Flat and FlatStyle
// come from the flat scroll-bar calls.
struct TScrollBarState {
  int Min = 0;
  int Max = 100;
  UINT Page = 0;
  int Pos = 0;
  int TrackPos = 0;
  bool Tracking = false;   // the thumb is being dragged: it shows TrackPos
  UINT Disabled = ESB_ENABLE_BOTH;
  int FlatStyle = FSB_REGULAR_MODE;
  int PressedPart = 0;     // the part held down while tracking (a TScrollPart), 0 for none
};

// Where a scroll bar's parts lie along it: arrow length, thumb start and length (0 when there is
// no thumb), all measured from the bar's start.
struct TScrollBarGeometry {
  TRect Bar;  // window coordinates
  bool Vertical = false;
  int Arrow = 0;
  int ThumbPos = 0;
  int ThumbLength = 0;
  int Length() const { return Vertical ? Bar.Height() : Bar.Width(); }
  // The stretch of the bar from From to To pixels along it.
  TRect Span(int From, int To) const {
    return Vertical ? TRect{Bar.Left, Bar.Top + From, Bar.Right, Bar.Top + To} : TRect{Bar.Left + From, Bar.Top, Bar.Left + To, Bar.Bottom};
  }
};

// The frame parts of a window in window coordinates; rectangles are empty when absent. The
// default WM_NCCALCSIZE lays them out inside the rectangle it is given (the window's own handler
// may have narrowed it first) and keeps them for hit-testing and painting.
struct TFrameLayout {
  TRect Window;    // the rectangle the frame was laid out in
  TRect Inner;     // inside borders and edges
  TRect Caption;   // of a frameless pop-up window with WS_CAPTION
  TRect CloseButton;
  TRect VScroll;
  TRect HScroll;
  TRect Corner;    // between the two scroll bars
  TRect Client;
  int SizingBorder = 0;  // WS_THICKFRAME width, 0 when the window cannot be sized
};

// True for top-level windows that keep the native window frame: their borders and caption are
// the window system's, only scroll bars are drawn by the layer.
bool HasNativeFrame(const TWindowRecord& Rec);
TFrameLayout FrameLayoutOf(const TWindowRecord& Rec, const TRect& Outer);
TScrollBarGeometry ScrollBarGeometry(const TScrollBarState& Bar, const TRect& Rect, bool Vertical);
TScrollPart ScrollPartAt(const TScrollBarGeometry& Geometry, TPoint WindowPoint);
// The scroll position that puts the thumb's start at Offset pixels along the track.
int PositionAtThumbOffset(const TScrollBarState& Bar, const TScrollBarGeometry& Geometry, int Offset);
void PaintScrollBar(HDC DC, const TScrollBarState& Bar, const TScrollBarGeometry& Geometry);
// Paints the frame now (WM_NCPAINT) when the window shows, else when it next paints.
void RedrawFrame(HWND Wnd);
// Pushes the caption's close button while the mouse is held; a release on it sends SC_CLOSE.
void TrackCloseButton(HWND Wnd);
// Runs the tracking loop of a press on a window's scroll bar (HTHSCROLL or HTVSCROLL).
void TrackScrollBar(HWND Wnd, int Bar, TPoint ScreenPoint);
