// What the hook procedures of the command bars share: their installed handles, and the
// procedures the hooks call.
#pragma once

#include "windows/Hooks.h"

// The handle of an installed hook of the bars (WH_KEYBOARD, WH_MOUSE or WH_CALLWNDPROC); 0 when
// it is not installed.
HHOOK BarHookHandle(int IdHook);

LRESULT BarKeyboardHookProc(int Code, WPARAM Key, LPARAM KeyData);
LRESULT BarMouseHookProc(int Code, WPARAM Msg, LPARAM HookStruct);
LRESULT BarCallWndProcHookProc(int Code, WPARAM Flag, LPARAM HookStruct);

// The form the window belongs to (the window's own control or its nearest ancestor's).
class TCustomForm;
TCustomForm* FormOfWindow(HWND Wnd);
