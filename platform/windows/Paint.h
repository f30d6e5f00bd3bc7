// Painting a window: each window draws into its own backing image. Invalid areas accumulate until
// WM_PAINT, which the queue makes only when nothing else is waiting; BeginPaint clips to them and
// sends WM_ERASEBKGND. Drawing outside a paint pass (GetDC) goes into the same image.
#pragma once

#include "graphics/Canvas.h"
#include "graphics/Region.h"
#include "windows/Messages.h"

struct PAINTSTRUCT {
  HDC hdc = nullptr;
  bool fErase = false;  // the background still needs erasing (WM_ERASEBKGND answered 0)
  TRect rcPaint;        // client coordinates
};

// A null Rect means the whole client area. Erase asks for WM_ERASEBKGND at the next BeginPaint.
bool InvalidateRect(HWND Wnd, const TRect* Rect, bool Erase);
bool InvalidateRgn(HWND Wnd, const TRegion* Region, bool Erase);
bool ValidateRect(HWND Wnd, const TRect* Rect);
bool ValidateRgn(HWND Wnd, const TRegion* Region);
// Paints the window now (WM_NCPAINT and WM_PAINT) when it has an invalid area.
bool UpdateWindow(HWND Wnd);
// The bounding box of the invalid area; answers whether there is one. With Erase, the
// background is erased now when it was asked for.
bool GetUpdateRect(HWND Wnd, TRect* Rect, bool Erase);
int GetUpdateRgn(HWND Wnd, TRegion& Region, bool Erase);
// Marks the frame for WM_NCPAINT before the next paint pass.
void InvalidateFrame(HWND Wnd);

HDC BeginPaint(HWND Wnd, PAINTSTRUCT& Paint);
void EndPaint(HWND Wnd, const PAINTSTRUCT& Paint);
// A device context over the client area (GetDC) or the whole window (GetWindowDC), valid until
// ReleaseDC or the window's destruction. GetDC of an empty handle answers the screen canvas,
// which measures but does not draw.
HDC GetDC(HWND Wnd);
HDC GetWindowDC(HWND Wnd);
int ReleaseDC(HWND Wnd, HDC DC);

// Lets a canvas of the caller's (a control's Canvas) draw on the window's client area: clipped to
// Paint's area during a paint pass, unclipped otherwise. The canvas keeps its own font, pen and
// brush; clipping, origins and saved states start afresh. It is let go by ReleaseWindowCanvas or
// when the window is destroyed.
void SelectWindowCanvas(TCanvas& Canvas, HWND Wnd, const PAINTSTRUCT* Paint = nullptr);
void ReleaseWindowCanvas(TCanvas& Canvas);
// The window a device context (from BeginPaint, GetDC or GetWindowDC) or a selected canvas draws
// on; empty for any other canvas (a bitmap's, a printer's, a recording).
HWND WindowFromDC(HDC DC);
