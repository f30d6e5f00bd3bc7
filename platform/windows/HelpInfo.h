// What WM_HELP points to (lParam): the window or menu the help request is about, its context
// number and the pointer position when the request was made.
#pragma once

#include "windows/Messages.h"

// The kinds of object a help request is about.
enum : int { HELPINFO_WINDOW = 1 };

struct HELPINFO {
  UINT cbSize = sizeof(HELPINFO);
  int iContextType = HELPINFO_WINDOW;
  int iCtrlId = 0;
  HWND hItemHandle;
  uintptr_t dwContextId = 0;
  TPoint MousePos;  // screen
};
