// Mouse-leave tracking over the layer's tracking, which follows one window at a time.
#include "bars/dxBarUtils.h"

#include "windows/MessageQueue.h"
#include "windows/MouseTracking.h"

namespace {

// The window whose client area is tracked now, if any.
HWND TrackedWindow() {
  TRACKMOUSEEVENT query;
  query.dwFlags = TME_QUERY;
  TrackMouseEvent(query);
  const bool clientLeave = (query.dwFlags & TME_LEAVE) && !(query.dwFlags & TME_NONCLIENT);
  return clientLeave ? query.hwndTrack : HWND();
}

void Track(HWND Wnd, DWORD Flags) {
  TRACKMOUSEEVENT event;
  event.dwFlags = Flags;
  event.hwndTrack = Wnd;
  TrackMouseEvent(event);
}

}  // namespace

void BeginMouseLeaveTracking(HWND Wnd) {
  const HWND tracked = TrackedWindow();
  if (!Wnd || tracked == Wnd) return;
  // Tracking moves to Wnd: the window tracked so far has been left.
  if (tracked) EndMouseLeaveTracking(tracked);
  Track(Wnd, TME_LEAVE);
}

void EndMouseLeaveTracking(HWND Wnd) {
  if (!Wnd || TrackedWindow() != Wnd) return;
  Track(Wnd, TME_LEAVE | TME_CANCEL);
  SendMessage(Wnd, WM_MOUSELEAVE);
}

bool IsMouseLeaveTracked(HWND Wnd) { return Wnd && TrackedWindow() == Wnd; }
