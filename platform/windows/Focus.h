// Keyboard focus, window activation and mouse capture, kept by the layer itself. Focus messages
// carry the other window: WM_KILLFOCUS the window receiving the focus, WM_SETFOCUS the window
// that lost it. Activation follows the layer's own rules, not the native window system's.
#pragma once

#include "windows/Messages.h"

// Sends WM_KILLFOCUS to the old focus window, then WM_SETFOCUS to Wnd; activates Wnd's top-level
// window first when another one is active. An empty handle takes the focus away. Answers the
// previous focus window; a disabled or hidden window does not take the focus (answers empty).
HWND SetFocus(HWND Wnd);
HWND GetFocus();

// Activates a top-level window: WM_NCACTIVATE and WM_ACTIVATE (WA_INACTIVE, the new window) to
// the old one, then WM_NCACTIVATE and WM_ACTIVATE (WA_ACTIVE or WA_CLICKACTIVE, the old window)
// to the new one. Answers the previously active window.
HWND SetActiveWindow(HWND Wnd);
HWND GetActiveWindow();

// Mouse input goes to the capture window wherever the cursor is. Changing or releasing the
// capture sends WM_CAPTURECHANGED (lParam: the new capture window) to the window losing it.
HWND SetCapture(HWND Wnd);
bool ReleaseCapture();
HWND GetCapture();
