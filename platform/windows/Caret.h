// The caret: one per program, owned by a window, drawn by inverting its rectangle in the window's
// client area, shown after as many ShowCaret calls as HideCaret calls (it starts hidden), and
// blinking on the layer's clock. Paint passes and scrolling take it off and put it back. While no
// window owns it, a focused native text box answers for it with its text cursor.
#pragma once

#include "graphics/Canvas.h"
#include "windows/Messages.h"

class TBitmap;

// Makes Wnd the caret's owner with a Width x Height caret (a bitmap gives only its size; 0
// takes the border width). The previous caret is destroyed.
bool CreateCaret(HWND Wnd, const TBitmap* Bitmap, int Width, int Height);
bool DestroyCaret();
bool ShowCaret(HWND Wnd);
bool HideCaret(HWND Wnd);
// Client coordinates of the caret's owner.
bool SetCaretPos(int X, int Y);
bool GetCaretPos(TPoint& Point);
UINT GetCaretBlinkTime();
