// Owners of top-level windows: giving a window another owner, and the stay-on-top windows that
// give way while a modal window is up.
#include "windows/Ownership.h"

#include <vector>

#include "windows/Layer_p.h"

HWND SetWindowOwner(HWND Wnd, HWND Owner) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec || rec->IsChild()) return HWND();
  const HWND old = rec->Owner;
  if (Owner) Owner = RootOf(Owner);
  for (HWND w = Owner; w; w = GetWindow(w, GW_OWNER))
    if (w == Wnd) return old;
  rec->Owner = Owner;
  ApplyWidgetFlags(*rec);
  if (IsWindowVisible(Wnd)) ShowWidget(*rec, true, false);
  return old;
}

namespace {

struct TTopMostNormalizing {
  int Depth = 0;
  std::vector<HWND> Normalized;
};

TTopMostNormalizing& Normalizing() {
  static TTopMostNormalizing state;
  return state;
}

}  // namespace

void NormalizeTopMosts() {
  WatchDeactivation();
  TTopMostNormalizing& n = Normalizing();
  if (n.Depth++ > 0) return;
  for (HWND top : GetTopLevelWindows()) {
    const TWindowRecord* rec = Windows().Find(top);
    if (rec && (rec->ExStyle & WS_EX_TOPMOST) && (rec->Style & WS_CAPTION) == WS_CAPTION) n.Normalized.push_back(top);
  }
  for (HWND top : n.Normalized) SetWindowPos(top, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void RestoreTopMosts() {
  TTopMostNormalizing& n = Normalizing();
  if (n.Depth == 0 || --n.Depth > 0) return;
  const std::vector<HWND> normalized = std::move(n.Normalized);
  n.Normalized.clear();
  for (auto it = normalized.rbegin(); it != normalized.rend(); ++it)
    if (IsWindow(*it)) SetWindowPos(*it, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
