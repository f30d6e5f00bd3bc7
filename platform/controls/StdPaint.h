// What the standard controls share: their border-style property and frame, the classic drawing
// of a caption (embossed grey when disabled), accelerator keys of "&" captions, taking the focus
// when the mouse presses a control, and the vertical scroll bar of the lists.
#pragma once

#include "controls/Forms.h"
#include "graphics/Canvas.h"

// bsNone and bsSingle of TFormBorderStyle serve the controls' BorderStyle.
using TBorderStyle = TFormBorderStyle;
inline constexpr const char* BorderStyleNames[] = {"bsNone", "bsSingle"};

// Draws Text with DrawText's Format; a disabled caption is drawn twice, highlight offset by one
// pixel under shadow. Answers the height DrawText answered.
int DrawCaption(TCanvas* Canvas, const String& Text, TRect Rect, unsigned Format, bool Enabled);
// True when Caption has Key as its accelerator ("&O" answers to 'o' or 'O').
bool IsAccel(TKeyChar Key, const String& Caption);
// A press of the left button gives the control the focus first, as the native controls do.
void FocusOnPress(TWinControl* Control);
// The sunken 3-D border of edits and the combo box: drawn when Style is bsSingle; answers the inside.
TRect DrawSunkenBorder(TCanvas* Canvas, const TRect& Rect, int Style);
// The window frame of a list with BorderStyle: the sunken client edge for bsSingle.
DWORD BorderExStyle(TBorderStyle Style);

// Sets the vertical scroll bar (in the window's frame) of a list that shows Page rows of Count
// from row Top; the bar hides itself while every row shows.
void SetListScrollBar(HWND Wnd, int Count, int Page, int Top);
// The top row a WM_VSCROLL asks for: a line is one row, a page Page rows, and the thumb codes
// take the full track position. The caller clamps it.
int ListScrollTarget(HWND Wnd, WPARAM WParam, int Top, int Page);
// The top row after a WM_MOUSEWHEEL: three rows a notch.
int ListWheelTarget(WPARAM WParam, int Top);
