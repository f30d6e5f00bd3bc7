// Modal loops that run while a window holds the mouse capture (menus, drags, moving a bar,
// scroll-bar tracking, the full-scroll mode). The loop reads every message of every window from
// the layer's queue; its filter decides, message by message, whether the message ends the loop,
// is used up, or is translated and dispatched as usual.
#pragma once

#include <functional>

#include "windows/Messages.h"

enum class TLoopVerdict { Dispatch, Handled, End };
enum class TLoopEnd { Ended, CaptureLost, Quit };
using TLoopFilter = std::function<TLoopVerdict(MSG& Msg)>;

// Gives Capture the mouse capture and runs until the filter answers End, the capture goes to
// another window (or is released), or WM_QUIT arrives; the quit message is posted again so that
// the loops outside end too. The capture is released at the end if Capture still holds it.
TLoopEnd RunCaptureLoop(HWND Capture, const TLoopFilter& Filter);

bool IsKeyboardMessage(const MSG& Msg);
// Client and non-client mouse messages.
bool IsMouseMessage(const MSG& Msg);
bool IsButtonPress(const MSG& Msg);
// A key going down with Escape.
bool IsEscapeKey(const MSG& Msg);
// The rectangle of SM_CXDRAG x SM_CYDRAG pixels centred on a point, inside which the pointer has
// not started a drag yet.
TRect DragThresholdRect(TPoint Start);
// The system's drag gesture: Wnd holds the capture while the left button is down; true as soon as
// the pointer leaves the rectangle of SM_CXDRAG x SM_CYDRAG pixels centred on Start (a screen
// point), false when the button is released, Escape is pressed or the capture is lost first.
bool DragDetect(HWND Wnd, TPoint Start);
// The screen point of a mouse message.
TPoint MessageScreenPoint(const MSG& Msg);
// A button press whose screen point lies outside Wnd's window rectangle.
bool IsPressOutside(const MSG& Msg, HWND Wnd);
