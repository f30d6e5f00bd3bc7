// What the hook procedures of the command bars share: their installed handles, and the
// procedures the hooks call.
#pragma once

#include "windows/HelpInfo.h"
#include "windows/Hooks.h"

class TdxBarManager;

// The handle of an installed hook of the bars (WH_KEYBOARD, WH_MOUSE or WH_CALLWNDPROC); 0 when
// it is not installed.
HHOOK BarHookHandle(int IdHook);

LRESULT BarKeyboardHookProc(int Code, WPARAM Key, LPARAM KeyData);
LRESULT BarMouseHookProc(int Code, WPARAM Msg, LPARAM HookStruct);
LRESULT BarCallWndProcHookProc(int Code, WPARAM Flag, LPARAM HookStruct);

// The form the window belongs to (the window's own control or its nearest ancestor's).
class TCustomForm;
TCustomForm* FormOfWindow(HWND Wnd);

// A help request (WM_HELP) of the manager's form: the help context of the bar item it is about.
void RouteBarHelp(TdxBarManager* Manager, const HELPINFO& Info);
