// The watch over open pop-up windows, fed by the layer's presses, focus changes and activation.
#include "windows/Popups.h"

#include <algorithm>
#include <vector>

#include "windows/Layer_p.h"

namespace {

struct TWatched {
  HWND Popup;
  HWND Owner;
  TPopupCloseEvent OnClose;
};

std::vector<TWatched>& Watched() {
  static std::vector<TWatched> watched;
  return watched;
}

TWatched* Find(HWND Popup) {
  auto& list = Watched();
  const auto it = std::find_if(list.begin(), list.end(), [&](const TWatched& w) { return w.Popup == Popup; });
  return it == list.end() ? nullptr : &*it;
}

bool BelongsTo(HWND Wnd, HWND Popup, int Depth = 0);

// A window opened from inside the pop-up: owned by it, or a watched pop-up whose owner is in it.
bool OpenedFrom(HWND Root, HWND Popup, int Depth) {
  for (HWND owner = GetWindow(Root, GW_OWNER); owner; owner = GetWindow(owner, GW_OWNER))
    if (owner == Popup) return true;
  const TWatched* watched = Find(Root);
  return watched && watched->Owner && watched->Owner != Root && BelongsTo(watched->Owner, Popup, Depth + 1);
}

// The window lies in the pop-up or in a window opened from it.
bool BelongsTo(HWND Wnd, HWND Popup, int Depth) {
  if (!Wnd || Depth > 16) return false;
  const HWND root = RootOf(Wnd);
  return root == Popup || OpenedFrom(root, Popup, Depth);
}

void Close(HWND Popup, TPopupCloseReason Reason) {
  TWatched* watched = Find(Popup);
  if (!watched) return;
  const TWatched entry = *watched;
  std::erase_if(Watched(), [&](const TWatched& w) { return w.Popup == Popup; });
  const HWND focus = GetFocus();
  const bool hadFocus = focus && BelongsTo(focus, Popup);
  if (entry.OnClose) {
    entry.OnClose(Popup, Reason);
  } else if (IsWindow(Popup)) {
    SetWindowPos(Popup, HWND(), 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // A press elsewhere gives the focus back to the owner first; the window pressed may take it next.
  const bool giveBack = Reason == TPopupCloseReason::OutsidePress || Reason == TPopupCloseReason::Closed;
  if (giveBack && hadFocus && IsWindowVisible(entry.Owner)) SetFocus(entry.Owner);
}

// Closes, newest first, the pop-ups the test picks; the list may change while they close.
template <class F>
void CloseWhere(TPopupCloseReason Reason, F&& ShouldClose) {
  std::vector<HWND> popups;
  for (auto it = Watched().rbegin(); it != Watched().rend(); ++it) popups.push_back(it->Popup);
  for (HWND popup : popups)
    if (const TWatched* w = Find(popup); w && ShouldClose(*w)) Close(popup, Reason);
}

}  // namespace

void WatchPopup(HWND Popup, HWND Owner, TPopupCloseEvent OnClose) {
  if (!IsWindow(Popup)) return;
  if (TWatched* watched = Find(Popup)) {
    watched->Owner = Owner;
    watched->OnClose = std::move(OnClose);
    return;
  }
  Watched().push_back(TWatched{Popup, Owner, std::move(OnClose)});
}

void UnwatchPopup(HWND Popup) {
  std::erase_if(Watched(), [&](const TWatched& w) { return w.Popup == Popup; });
}

bool IsPopupWatched(HWND Popup) { return Find(Popup) != nullptr; }

bool ClosePopup(HWND Popup) {
  if (!Find(Popup)) return false;
  Close(Popup, TPopupCloseReason::Closed);
  return true;
}

void ShowPopupWindow(HWND Popup, HWND Owner, TPopupCloseEvent OnClose) {
  SetWindowPos(Popup, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  WatchPopup(Popup, Owner, std::move(OnClose));
}

void WatchPress(HWND Target) {
  CloseWhere(TPopupCloseReason::OutsidePress, [&](const TWatched& w) {
    return !BelongsTo(Target, w.Popup) && !(w.Owner && IsInside(Target, w.Owner));
  });
}

void WatchFocus(HWND NewFocus) {
  CloseWhere(TPopupCloseReason::FocusLost, [&](const TWatched& w) {
    return w.Owner && !BelongsTo(NewFocus, w.Popup) && !(NewFocus && IsInside(NewFocus, w.Owner));
  });
}

void WatchDeactivation() {
  CloseWhere(TPopupCloseReason::Deactivated, [](const TWatched&) { return true; });
}

void WatchHidden(HWND Wnd) { UnwatchPopup(Wnd); }

void ForgetWindowServices(HWND Wnd) {
  UnwatchPopup(Wnd);
  ForgetCaret(Wnd);
  ForgetMouseTracking(Wnd);
}
