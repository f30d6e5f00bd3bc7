// Placing windows: position, size, z-order, showing and hiding, maximising, and enabling.
#include <algorithm>

#include "windows/Layer_p.h"
#include "windows/Mdi.h"
#include "windows/NonClient.h"

namespace {

std::vector<HWND>& SiblingsOf(TWindowRecord& Rec) {
  if (Rec.IsChild())
    if (TWindowRecord* parent = Windows().Find(Rec.Parent)) return parent->Children;
  return Windows().TopLevels();
}

void Reorder(TWindowRecord& Rec, HWND InsertAfter) {
  if (!Rec.IsChild()) {
    RestackTopLevel(Rec, InsertAfter);
    return;
  }
  std::vector<HWND>& siblings = SiblingsOf(Rec);
  std::erase(siblings, Rec.Handle);
  if (InsertAfter == HWND_BOTTOM) {
    siblings.insert(siblings.begin(), Rec.Handle);
  } else if (InsertAfter == HWND_TOP || InsertAfter == HWND_TOPMOST || InsertAfter == HWND_NOTOPMOST) {
    siblings.push_back(Rec.Handle);
  } else {
    // Below InsertAfter: siblings run bottom to top.
    auto it = std::find(siblings.begin(), siblings.end(), InsertAfter);
    siblings.insert(it, Rec.Handle);
  }
  if (Rec.Widget) {
    // Qt stacks later siblings on top: replay the order.
    for (HWND h : siblings)
      if (TWindowRecord* s = Windows().Find(h); s && s->Widget) s->Widget->raise();
  }
}

bool IsOwnedBy(const TWindowRecord& Rec, HWND Owner) {
  for (const TWindowRecord* r = &Rec; r && r->Owner; r = Windows().Find(r->Owner))
    if (r->Owner == Owner) return true;
  return false;
}

// A window owned by a top-most window is top-most too, so that it can stay above its owner.
bool IsInTopmostGroup(const TWindowRecord& Rec) {
  int depth = 0;
  for (const TWindowRecord* r = &Rec; r && depth < 64; r = r->Owner ? Windows().Find(r->Owner) : nullptr, ++depth)
    if (r->ExStyle & WS_EX_TOPMOST) return true;
  return false;
}

// Where Rec may go in the z-order of top-level windows: its group (top-most or not) and above
// its owner.
std::pair<size_t, size_t> AllowedRange(const TWindowRecord& Rec, const std::vector<HWND>& Tops) {
  size_t firstTopmost = Tops.size();
  for (size_t i = 0; i < Tops.size(); ++i)
    if (TWindowRecord* r = Windows().Find(Tops[i]); r && IsInTopmostGroup(*r)) {
      firstTopmost = i;
      break;
    }
  const bool topmost = IsInTopmostGroup(Rec);
  size_t low = topmost ? firstTopmost : 0;
  const size_t high = topmost ? Tops.size() : firstTopmost;
  const auto owner = std::find(Tops.begin(), Tops.end(), Rec.Owner);
  if (owner != Tops.end()) low = std::max(low, static_cast<size_t>(owner - Tops.begin()) + 1);
  return {std::min(low, high), high};
}

// As the window system does, a disabled window is passed over: a modal form that hides activates
// nothing while the windows it disabled are still disabled, and the form that was active before
// it is activated, focus and all, once they are enabled again.
void ActivateAnotherWindow(HWND Hidden) {
  const auto canActivate = [](HWND Wnd) { return IsWindowVisible(Wnd) && IsWindowEnabled(Wnd); };
  TWindowRecord* rec = Windows().Find(Hidden);
  HWND next = rec && canActivate(rec->Owner) ? rec->Owner : HWND();
  if (!next)
    for (HWND top : GetTopLevelWindows())
      if (top != Hidden && IsWindowEnabled(top)) {
        next = top;
        break;
      }
  SetActiveWindow(next);
}

void ApplyVisibility(TWindowRecord& Rec, UINT Flags) {
  const bool wasVisible = (Rec.Style & WS_VISIBLE) != 0;
  if ((Flags & SWP_SHOWWINDOW) && !wasVisible) {
    Rec.Style |= WS_VISIBLE;
    Rec.Invalid = QRegion(0, 0, Rec.Client.Width(), Rec.Client.Height());
    Rec.EraseNeeded = Rec.FrameNeeded = true;
    ShowWidget(Rec, true, !(Flags & SWP_NOACTIVATE));
  } else if ((Flags & SWP_HIDEWINDOW) && wasVisible) {
    Rec.Style &= ~WS_VISIBLE;
    ShowWidget(Rec, false, false);
    WatchHidden(Rec.Handle);
  }
}

}  // namespace

void RestackTopLevel(TWindowRecord& Rec, HWND InsertAfter) {
  if (InsertAfter == HWND_TOPMOST || InsertAfter == HWND_NOTOPMOST) {
    const DWORD ex = InsertAfter == HWND_TOPMOST ? Rec.ExStyle | WS_EX_TOPMOST : Rec.ExStyle & ~WS_EX_TOPMOST;
    if (ex != Rec.ExStyle) {
      Rec.ExStyle = ex;
      ApplyWidgetFlags(Rec);
    }
  }
  std::vector<HWND>& tops = Windows().TopLevels();
  std::erase(tops, Rec.Handle);
  // Windows it owns in the same group go along, keeping their order above it.
  std::vector<HWND> owned;
  for (HWND h : tops)
    if (TWindowRecord* r = Windows().Find(h); r && IsOwnedBy(*r, Rec.Handle) && IsInTopmostGroup(*r) == IsInTopmostGroup(Rec))
      owned.push_back(h);
  for (HWND h : owned) std::erase(tops, h);
  const auto [low, high] = AllowedRange(Rec, tops);
  size_t at = high;
  if (InsertAfter == HWND_BOTTOM) {
    at = low;
  } else if (const auto it = std::find(tops.begin(), tops.end(), InsertAfter); it != tops.end()) {
    at = static_cast<size_t>(it - tops.begin());
  }
  at = std::clamp(at, low, high);
  tops.insert(tops.begin() + static_cast<std::ptrdiff_t>(at), Rec.Handle);
  tops.insert(tops.begin() + static_cast<std::ptrdiff_t>(at) + 1, owned.begin(), owned.end());
}

bool SetWindowPos(HWND Wnd, HWND InsertAfter, int X, int Y, int Width, int Height, UINT Flags) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return false;
  WINDOWPOS pos{Wnd, InsertAfter, X, Y, Width, Height, Flags};
  if (Flags & SWP_NOMOVE) pos.x = rec->Bounds.Left, pos.y = rec->Bounds.Top;
  if (Flags & SWP_NOSIZE) pos.cx = rec->Bounds.Width(), pos.cy = rec->Bounds.Height();
  SendMessage(Wnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
  if (!(rec = Windows().Find(Wnd))) return false;

  const TRect old = rec->Bounds;
  const TRect placed = Bounds(pos.x, pos.y, std::max(pos.cx, 0), std::max(pos.cy, 0));
  const bool moved = placed.TopLeft() != old.TopLeft();
  const bool sized = placed.Width() != old.Width() || placed.Height() != old.Height();
  if (!moved) pos.flags |= SWP_NOMOVE;
  if (!sized) pos.flags |= SWP_NOSIZE;
  const TRect oldClient = rec->Client;
  if (sized || (pos.flags & SWP_FRAMECHANGED)) {
    CalcClient(*rec, placed, &pos);
    if (!(rec = Windows().Find(Wnd))) return false;
  }
  rec->Bounds = placed;
  if (!(rec->Style & (WS_MAXIMIZE | WS_MINIMIZE))) rec->RestoreBounds = placed;
  ReplaceBackingImage(*rec);
  if (!(pos.flags & SWP_NOZORDER)) Reorder(*rec, pos.hwndInsertAfter);
  ApplyWidgetGeometry(*rec);
  const bool clientChanged = rec->Client.Width() != oldClient.Width() || rec->Client.Height() != oldClient.Height();
  const bool clientMoved = placed.Left + rec->Client.Left != old.Left + oldClient.Left ||
                           placed.Top + rec->Client.Top != old.Top + oldClient.Top;
  if (!clientChanged) pos.flags |= SWP_NOCLIENTSIZE;
  if (!clientMoved) pos.flags |= SWP_NOCLIENTMOVE;
  if ((clientChanged || (pos.flags & SWP_FRAMECHANGED)) && !(pos.flags & SWP_NOREDRAW)) {
    rec->Invalid = QRegion(0, 0, rec->Client.Width(), rec->Client.Height());
    rec->EraseNeeded = rec->FrameNeeded = true;
  }
  const bool wasVisible = (rec->Style & WS_VISIBLE) != 0;
  ApplyVisibility(*rec, pos.flags);
  const bool hidden = wasVisible && !(rec->Style & WS_VISIBLE);
  if (hidden && !rec->IsChild() && State().Active == Wnd) ActivateAnotherWindow(Wnd);
  if (hidden || (pos.flags & (SWP_SHOWWINDOW | SWP_FRAMECHANGED)) || moved || sized)
    SendMessage(Wnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  // An MDI child that moved or changed size hears of it as of an activation.
  if ((moved || sized) && IsWindow(Wnd) && IsMDIChild(Wnd)) SendMessage(Wnd, WM_CHILDACTIVATE);
  if (!(pos.flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW)) && !(GetWindowLong(Wnd, GWL_STYLE) & WS_CHILD) &&
      !(GetWindowLong(Wnd, GWL_EXSTYLE) & WS_EX_NOACTIVATE) && IsWindowVisible(Wnd))
    SetActiveWindow(Wnd);
  return true;
}

bool MoveWindow(HWND Wnd, int X, int Y, int Width, int Height, bool Repaint) {
  return SetWindowPos(Wnd, HWND(), X, Y, Width, Height, SWP_NOZORDER | SWP_NOACTIVATE | (Repaint ? 0u : UINT(SWP_NOREDRAW)));
}

bool ShowWindow(HWND Wnd, int Cmd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return false;
  const bool wasVisible = (rec->Style & WS_VISIBLE) != 0;
  if (Cmd == SW_HIDE) {
    if (wasVisible) SetWindowPos(Wnd, HWND(), 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return wasVisible;
  }
  const bool activate = !rec->IsChild() && Cmd != SW_SHOWNA && Cmd != SW_SHOWNOACTIVATE && Cmd != SW_SHOWMINNOACTIVE &&
                        Cmd != SW_MINIMIZE && !(rec->ExStyle & WS_EX_NOACTIVATE);
  if (!wasVisible) SendMessage(Wnd, WM_SHOWWINDOW, 1);
  if (!(rec = Windows().Find(Wnd))) return wasVisible;
  TRect target = rec->Style & (WS_MAXIMIZE | WS_MINIMIZE) ? rec->RestoreBounds : rec->Bounds;
  rec->Style &= ~(WS_MAXIMIZE | WS_MINIMIZE);
  const bool mdiChild = IsMDIChild(Wnd);
  if (Cmd == SW_SHOWMAXIMIZED && mdiChild) {
    rec->RestoreBounds = target;
    rec->Style |= WS_MAXIMIZE;
    target = MDIMaximizedBounds(Wnd);
  } else if (Cmd == SW_SHOWMAXIMIZED && !rec->IsChild()) {
    rec->RestoreBounds = target;
    rec->Style |= WS_MAXIMIZE;
    MINMAXINFO limits = DefaultMinMaxInfo(Wnd);
    SendMessage(Wnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    if (!(rec = Windows().Find(Wnd))) return wasVisible;
    target = Bounds(limits.ptMaxPosition.X, limits.ptMaxPosition.Y, limits.ptMaxSize.X, limits.ptMaxSize.Y);
  } else if (Cmd == SW_MINIMIZE || Cmd == SW_SHOWMINIMIZED || Cmd == SW_SHOWMINNOACTIVE) {
    rec->RestoreBounds = target;
    rec->Style |= WS_MINIMIZE;
  }
  SetWindowPos(Wnd, HWND(), target.Left, target.Top, target.Width(), target.Height(),
               SWP_SHOWWINDOW | SWP_NOZORDER | SWP_NOACTIVATE);
  if (activate && IsWindowVisible(Wnd)) SetActiveWindow(Wnd);
  // An MDI child shown (not just shown quietly) becomes its client's active child.
  const bool quietly = Cmd == SW_SHOWNA || Cmd == SW_SHOWNOACTIVATE || Cmd == SW_SHOWMINNOACTIVE || Cmd == SW_MINIMIZE;
  if (mdiChild && !quietly && IsWindow(Wnd)) MDIChildShown(Wnd);
  return wasVisible;
}

bool IsWindowVisible(HWND Wnd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return false;
  for (; rec; rec = rec->IsChild() ? Windows().Find(rec->Parent) : nullptr)
    if (!(rec->Style & WS_VISIBLE)) return false;
  return true;
}

bool IsIconic(HWND Wnd) { return (GetWindowLong(Wnd, GWL_STYLE) & WS_MINIMIZE) != 0; }
bool IsZoomed(HWND Wnd) { return (GetWindowLong(Wnd, GWL_STYLE) & WS_MAXIMIZE) != 0; }

bool EnableWindow(HWND Wnd, bool Enable) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return false;
  const bool wasDisabled = (rec->Style & WS_DISABLED) != 0;
  if (wasDisabled == !Enable) return wasDisabled;
  if (!Enable) SendMessage(Wnd, WM_CANCELMODE);
  if (!(rec = Windows().Find(Wnd))) return wasDisabled;
  rec->Style = Enable ? rec->Style & ~WS_DISABLED : rec->Style | WS_DISABLED;
  if (!Enable) {
    if (State().Capture && IsInside(State().Capture, Wnd)) ReleaseCapture();
    if (State().Focus && IsInside(State().Focus, Wnd)) SetFocus(HWND());
  }
  SendMessage(Wnd, WM_ENABLE, Enable);
  return wasDisabled;
}

bool IsWindowEnabled(HWND Wnd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  return rec && !(rec->Style & WS_DISABLED);
}

bool BringWindowToTop(HWND Wnd) {
  return SetWindowPos(Wnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}
