// The input hooks of the command bars: three hooks of the GUI thread, installed with the first
// manager and removed with the last, route keys (Alt, F10, short cuts and accelerators, keys for
// an open menu), mouse clicks (closing open menus, customising past the customising dialog) and
// the owner forms' messages to the managers, which never subclass their forms.
#pragma once

#include "bars/dxBarCommon.h"
#include "windows/Messages.h"

// Adds the manager to the managers and installs the hooks that are not installed yet.
void InstallBarHooks(TdxBarManager* Manager);
// Takes the manager out; the last one removes the hooks.
void RemoveBarHooks(TdxBarManager* Manager);
bool BarHooksInstalled();

// A message of the manager's owner form, from the window-procedure hook: floating bars follow the
// form's activation and its minimising, the work area, help requests and colour changes.
void HandleOwnerFormMessage(TdxBarManager* Manager, UINT Msg, WPARAM WParam, LPARAM LParam);
