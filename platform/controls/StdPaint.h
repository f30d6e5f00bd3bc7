// What the standard controls share: their border-style property, the classic drawing of a
// caption (embossed grey when disabled), accelerator keys of "&" captions, and taking the focus
// when the mouse presses a control.
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
// The sunken 3-D border of edits and lists: drawn when Style is bsSingle; answers the inside.
TRect DrawSunkenBorder(TCanvas* Canvas, const TRect& Rect, int Style);
