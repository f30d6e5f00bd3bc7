// Mouse-leave tracking: a window asks to be told (WM_MOUSELEAVE, or WM_NCMOUSELEAVE for its
// non-client area) when the mouse leaves it. One window is tracked at a time; the message is
// posted once and the tracking ends with it.
#pragma once

#include "windows/Messages.h"

enum : DWORD { TME_LEAVE = 0x2, TME_NONCLIENT = 0x10, TME_QUERY = 0x40000000, TME_CANCEL = 0x80000000 };
enum : UINT { WM_NCMOUSELEAVE = 0x02A2 };

struct TRACKMOUSEEVENT {
  DWORD cbSize = sizeof(TRACKMOUSEEVENT);
  DWORD dwFlags = 0;
  HWND hwndTrack;
  DWORD dwHoverTime = 0;
};

// TME_LEAVE starts tracking hwndTrack (the message is posted at once when the mouse is already
// outside); with TME_CANCEL it stops; TME_QUERY fills Event with what is tracked now. Hover
// tracking is not offered: asking for it answers false.
bool TrackMouseEvent(TRACKMOUSEEVENT& Event);
