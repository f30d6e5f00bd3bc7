// The size grip of sizable popups, drawn in any corner: the frame routine's grip (whose lines lie
// in the bottom-right corner) mirrored into the corner asked for; a negative extent mirrors and
// starts from the far edge.
#include "editors/dxCalendar.h"
#include "graphics/Gdi.h"
#include "graphics/Graphic.h"
#include "graphics/Metrics.h"

void DrawSizeGrip(HDC DC, TRect& Rect, int Corner) {
  const bool left = Corner == 0 || Corner == 2, top = Corner == 0 || Corner == 1;
  const int w = GetSystemMetrics(SM_CXVSCROLL), h = GetSystemMetrics(SM_CYHSCROLL);
  Rect = {left ? Rect.Left : Rect.Right - w, top ? Rect.Top : Rect.Bottom - h, left ? Rect.Left + w : Rect.Right,
          top ? Rect.Top + h : Rect.Bottom};
  const HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  if (left) {
    FillRect(DC, {Rect.Left, Rect.Top, Rect.Left + 2, Rect.Bottom}, face);
    Rect.Left += 2;
  } else {
    FillRect(DC, {Rect.Right - 2, Rect.Top, Rect.Right, Rect.Bottom}, face);
    Rect.Right -= 2;
  }
  if (top) {
    FillRect(DC, {Rect.Left, Rect.Top, Rect.Right, Rect.Top + 2}, face);
    Rect.Top += 2;
  } else {
    FillRect(DC, {Rect.Left, Rect.Bottom - 2, Rect.Right, Rect.Bottom}, face);
    Rect.Bottom -= 2;
  }
  const int gw = Rect.Width(), gh = Rect.Height();
  TBitmap grip(gw, gh);
  TRect r{0, 0, gw, gh};
  DrawFrameControl(grip.Canvas()->Handle(), r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
  StretchBlt(DC, left ? Rect.Right : Rect.Left, top ? Rect.Bottom : Rect.Top, left ? -gw : gw, top ? -gh : gh,
             grip.Canvas()->Handle(), 0, 0, gw, gh, SRCCOPY);
}
