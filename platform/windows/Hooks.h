// Message hooks: chains of interceptors inside the dispatcher. Keyboard and mouse hooks see input
// as it is retrieved from the queue, before any window; a hook answering non-zero swallows the
// message, and a mouse hook may send the message to another window by changing the structure's
// hwnd. Window-procedure hooks see every sent message before its window. The newest hook runs
// first and passes on with CallNextHookEx; hooks may be installed and removed at any time,
// also from inside a hook.
#pragma once

#include <functional>

#include "windows/Messages.h"

enum : int { WH_KEYBOARD = 2, WH_CALLWNDPROC = 4, WH_MOUSE = 7 };
// Hook codes: HC_ACTION for a message being removed from the queue.
enum : int { HC_ACTION = 0 };

// A keyboard hook gets the virtual key in WParam and the key data in LParam (bit 31 set: the key
// is being released). A mouse hook gets the message in WParam and a MOUSEHOOKSTRUCT* in LParam; a
// window-procedure hook a CWPSTRUCT* in LParam.
using HOOKPROC = std::function<LRESULT(int Code, WPARAM WParam, LPARAM LParam)>;

struct MOUSEHOOKSTRUCT {
  TPoint pt;  // screen
  HWND hwnd;
  LRESULT wHitTestCode = 0;
  uintptr_t dwExtraInfo = 0;
};

struct CWPSTRUCT {
  LPARAM lParam = 0;
  WPARAM wParam = 0;
  UINT message = 0;
  HWND hwnd;
};

// An installed hook; 0 is no hook.
using HHOOK = uintptr_t;

HHOOK SetWindowsHookEx(int IdHook, HOOKPROC Proc);
bool UnhookWindowsHookEx(HHOOK Hook);
// Calls the next live hook of Hook's chain; 0 at the end of the chain.
LRESULT CallNextHookEx(HHOOK Hook, int Code, WPARAM WParam, LPARAM LParam);
