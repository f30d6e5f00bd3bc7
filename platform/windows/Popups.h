// Pop-up windows the layer watches: lists, hints, menus and floating bars that never take the
// activation, and pop-ups that take the focus. A watched pop-up closes when a press lands outside
// it (and outside its owner and the pop-ups opened from it), when the focus goes to a window that
// is neither its owner nor inside it, and when the application loses the active window. Closing
// a pop-up that had the focus after a press outside gives the focus back to its owner.
#pragma once

#include <functional>

#include "windows/Messages.h"

enum class TPopupCloseReason { OutsidePress, FocusLost, Deactivated, Closed };
// Closes the pop-up; without one the layer hides it (without activating anything).
using TPopupCloseEvent = std::function<void(HWND Popup, TPopupCloseReason Reason)>;

// Watches Popup (a shown top-level window) on behalf of Owner (the window that opened it, whose
// focus it depends on; may be empty). Watching again replaces the owner and the close event.
void WatchPopup(HWND Popup, HWND Owner, TPopupCloseEvent OnClose = nullptr);
// Stops watching without closing. Hiding or destroying the pop-up stops the watch too.
void UnwatchPopup(HWND Popup);
bool IsPopupWatched(HWND Popup);
// Closes a watched pop-up as a press outside would (reason Closed); answers false when the
// pop-up is not watched.
bool ClosePopup(HWND Popup);

// Shows Popup top-most without activating it (SWP_NOACTIVATE, SWP_SHOWWINDOW) and watches it.
void ShowPopupWindow(HWND Popup, HWND Owner, TPopupCloseEvent OnClose = nullptr);
