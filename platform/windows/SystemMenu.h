// The window menu ("system menu") of a window with WS_SYSMENU: the standard commands with their
// captions (the part after a tab is the short cut), the bitmap the system shows beside some of
// them, and states that follow the window: Restore only while it is maximised or minimised, Move
// and Size not while it is maximised, Minimize and Maximize only with their boxes and not in the
// state they lead to. A program may gray or disable commands on top of that.
#pragma once

#include <vector>

#include "windows/Messages.h"

// Menu item states and kinds.
enum : UINT { MF_ENABLED = 0, MF_GRAYED = 0x1, MF_DISABLED = 0x2, MF_CHECKED = 0x8, MF_SEPARATOR = 0x800, MF_DEFAULT = 0x1000 };
// The system's bitmaps of window-menu commands.
enum : int { HBMMENU_POPUP_CLOSE = 8, HBMMENU_POPUP_RESTORE = 9, HBMMENU_POPUP_MAXIMIZE = 10, HBMMENU_POPUP_MINIMIZE = 11 };
enum : UINT { SC_NEXTWINDOW = 0xF040 };

struct TSystemMenuItem {
  UINT Id = 0;
  String Text;
  // MF_* bits; a separator has MF_SEPARATOR and no command.
  UINT State = 0;
  int Bitmap = 0;
};

// A window with a window menu (WS_SYSMENU).
bool HasSystemMenu(HWND Wnd);
// The window menu as it stands now; empty for a window without one.
std::vector<TSystemMenuItem> GetSystemMenuItems(HWND Wnd);
// The state bits of a command, or UINT(-1) when the menu has no such command.
UINT GetSystemMenuState(HWND Wnd, UINT Command);
// The program's own MF_GRAYED or MF_DISABLED for a command (MF_ENABLED takes it away); answers the
// previous state, or UINT(-1) when the menu has no such command.
UINT EnableSystemMenuItem(HWND Wnd, UINT Command, UINT Enable);
