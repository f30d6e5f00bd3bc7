// Mouse-leave tracking, checked as mouse input arrives.
#include "windows/MouseTracking.h"

#include "windows/Layer_p.h"

namespace {

struct TTracking {
  HWND Wnd;
  bool NonClient = false;
};

TTracking& Tracking() {
  static TTracking tracking;
  return tracking;
}

// The mouse is over the tracked part (client area or frame) of the tracked window.
bool IsInside(const TTracking& T, TPoint ScreenPoint) {
  if (WindowFromPoint(ScreenPoint) != T.Wnd) return false;
  TPoint client = ScreenPoint;
  ScreenToClient(T.Wnd, client);
  TRect r;
  GetClientRect(T.Wnd, r);
  return PtInRect(r, client) != T.NonClient;
}

}  // namespace

bool TrackMouseEvent(TRACKMOUSEEVENT& Event) {
  TTracking& t = Tracking();
  if (Event.dwFlags & TME_QUERY) {
    Event.dwFlags = t.Wnd ? DWORD(TME_LEAVE) | (t.NonClient ? DWORD(TME_NONCLIENT) : 0u) : 0u;
    Event.hwndTrack = t.Wnd;
    return true;
  }
  if (!(Event.dwFlags & TME_LEAVE) || !IsWindow(Event.hwndTrack)) return false;
  const bool nonClient = (Event.dwFlags & TME_NONCLIENT) != 0;
  if (Event.dwFlags & TME_CANCEL) {
    if (t.Wnd == Event.hwndTrack && t.NonClient == nonClient) t = TTracking{};
    return true;
  }
  t = TTracking{Event.hwndTrack, nonClient};
  TPoint cursor;
  GetCursorPos(cursor);
  CheckMouseLeave(cursor);
  return true;
}

void CheckMouseLeave(TPoint ScreenPoint) {
  TTracking& t = Tracking();
  if (!t.Wnd) return;
  if (!IsWindow(t.Wnd)) {
    t = TTracking{};
    return;
  }
  if (IsInside(t, ScreenPoint)) return;
  const TTracking left = t;
  t = TTracking{};
  PostMessage(left.Wnd, left.NonClient ? UINT(WM_NCMOUSELEAVE) : UINT(WM_MOUSELEAVE));
}

void ForgetMouseTracking(HWND Wnd) {
  if (Tracking().Wnd == Wnd) Tracking() = TTracking{};
}
