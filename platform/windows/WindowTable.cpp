// Window records, parents and the coordinate spaces: window, client and screen.
#include <algorithm>

#include "windows/Layer_p.h"

TWindowRecord* TWindowTable::Find(HWND Wnd) {
  const auto it = FWindows.find(Wnd.Id());
  return it == FWindows.end() ? nullptr : it->second.get();
}

TWindowRecord& TWindowTable::Add() {
  auto rec = std::make_unique<TWindowRecord>();
  rec->Handle = HWND(FNextId++);
  auto& ref = *rec;
  FWindows.emplace(ref.Handle.Id(), std::move(rec));
  return ref;
}

void TWindowTable::Remove(HWND Wnd) {
  std::erase(FTopLevels, Wnd);
  FWindows.erase(Wnd.Id());
}

std::vector<HWND> TWindowTable::All() const {
  std::vector<HWND> all;
  all.reserve(FWindows.size());
  for (const auto& entry : FWindows) all.push_back(entry.second->Handle);
  return all;
}

TWindowTable& Windows() {
  static TWindowTable table;
  return table;
}

TLayerState& State() {
  static TLayerState state;
  return state;
}

TPoint ScreenOrigin(const TWindowRecord& Rec) {
  TPoint p = Rec.Bounds.TopLeft();
  if (Rec.IsChild()) {
    if (TWindowRecord* parent = Windows().Find(Rec.Parent)) {
      const TPoint o = ClientScreenOrigin(*parent);
      p.X += o.X;
      p.Y += o.Y;
    }
  }
  return p;
}

TPoint ClientScreenOrigin(const TWindowRecord& Rec) {
  TPoint p = ScreenOrigin(Rec);
  return {p.X + Rec.Client.Left, p.Y + Rec.Client.Top};
}

HWND RootOf(HWND Wnd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  while (rec && rec->IsChild()) {
    TWindowRecord* parent = Windows().Find(rec->Parent);
    if (!parent) break;
    rec = parent;
  }
  return rec ? rec->Handle : HWND();
}

bool IsInside(HWND Wnd, HWND Ancestor) {
  for (TWindowRecord* rec = Windows().Find(Wnd); rec; rec = rec->IsChild() ? Windows().Find(rec->Parent) : nullptr)
    if (rec->Handle == Ancestor) return true;
  return false;
}

bool IsEnabledChain(HWND Wnd) {
  for (TWindowRecord* rec = Windows().Find(Wnd); rec; rec = rec->IsChild() ? Windows().Find(rec->Parent) : nullptr)
    if (rec->Style & WS_DISABLED) return false;
  return true;
}

bool IsWindow(HWND Wnd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  return rec && !rec->Destroying;
}

HWND GetParent(HWND Wnd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return HWND();
  return rec->IsChild() ? rec->Parent : rec->Owner;
}

HWND GetAncestorRoot(HWND Wnd) { return RootOf(Wnd); }

bool IsChild(HWND Parent, HWND Wnd) { return Parent != Wnd && IsInside(Wnd, Parent); }

std::vector<HWND> GetChildWindows(HWND Parent) {
  TWindowRecord* rec = Windows().Find(Parent);
  return rec ? rec->Children : std::vector<HWND>();
}

std::vector<HWND> GetTopLevelWindows() {
  std::vector<HWND> result;
  for (auto it = Windows().TopLevels().rbegin(); it != Windows().TopLevels().rend(); ++it)
    if (IsWindowVisible(*it)) result.push_back(*it);
  return result;
}

HWND GetWindow(HWND Wnd, UINT Cmd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return HWND();
  if (Cmd == GW_OWNER) return rec->IsChild() ? HWND() : rec->Owner;
  if (Cmd == GW_CHILD) return rec->Children.empty() ? HWND() : rec->Children.back();
  std::vector<HWND> empty;
  TWindowRecord* parent = rec->IsChild() ? Windows().Find(rec->Parent) : nullptr;
  // Siblings from the top of the z-order down.
  std::vector<HWND> siblings = parent ? parent->Children : Windows().TopLevels();
  std::reverse(siblings.begin(), siblings.end());
  const auto it = std::find(siblings.begin(), siblings.end(), Wnd);
  switch (Cmd) {
    case GW_HWNDFIRST: return siblings.front();
    case GW_HWNDLAST: return siblings.back();
    case GW_HWNDNEXT: return it + 1 < siblings.end() ? *(it + 1) : HWND();
    case GW_HWNDPREV: return it > siblings.begin() ? *(it - 1) : HWND();
    default: return HWND();
  }
}

String GetClassName(HWND Wnd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  return rec ? rec->ClassName : String();
}

String GetWindowText(HWND Wnd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  return rec ? rec->Text : String();
}

bool SetWindowText(HWND Wnd, const String& Text) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return false;
  rec->Text = Text;
  if (rec->Widget && !rec->IsChild()) rec->Widget->setWindowTitle(QString::fromStdString(Text));
  return true;
}

intptr_t GetWindowLong(HWND Wnd, int Index) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return 0;
  switch (Index) {
    case GWL_STYLE: return static_cast<intptr_t>(rec->Style);
    case GWL_EXSTYLE: return static_cast<intptr_t>(rec->ExStyle);
    case GWL_ID: return rec->Id;
    case GCL_STYLE: return static_cast<intptr_t>(rec->ClassStyle);
    default: return 0;
  }
}

intptr_t SetWindowLong(HWND Wnd, int Index, intptr_t Value) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return 0;
  const intptr_t previous = GetWindowLong(Wnd, Index);
  switch (Index) {
    case GWL_STYLE: rec->Style = static_cast<DWORD>(Value); break;
    case GWL_EXSTYLE:
      rec->ExStyle = static_cast<DWORD>(Value);
      ApplyWidgetFlags(*rec);
      break;
    case GWL_ID: rec->Id = Value; break;
    case GCL_STYLE: rec->ClassStyle = static_cast<DWORD>(Value); break;
    default: return 0;
  }
  return previous;
}

WNDPROC GetWindowProc(HWND Wnd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  return rec ? rec->Proc : WNDPROC();
}

WNDPROC SetWindowProc(HWND Wnd, WNDPROC Proc) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return WNDPROC();
  WNDPROC previous = std::move(rec->Proc);
  rec->Proc = Proc ? std::move(Proc) : WNDPROC(DefWindowProc);
  return previous;
}

LRESULT CallWindowProc(const WNDPROC& Proc, HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  return Proc ? Proc(Wnd, Msg, WParam, LParam) : DefWindowProc(Wnd, Msg, WParam, LParam);
}

bool GetWindowRect(HWND Wnd, TRect& Rect) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return false;
  const TPoint o = ScreenOrigin(*rec);
  Rect = Bounds(o.X, o.Y, rec->Bounds.Width(), rec->Bounds.Height());
  return true;
}

bool GetClientRect(HWND Wnd, TRect& Rect) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return false;
  Rect = TRect{0, 0, rec->Client.Width(), rec->Client.Height()};
  return true;
}

bool ClientToScreen(HWND Wnd, TPoint& Point) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return false;
  const TPoint o = ClientScreenOrigin(*rec);
  Point = {Point.X + o.X, Point.Y + o.Y};
  return true;
}

bool ScreenToClient(HWND Wnd, TPoint& Point) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return false;
  const TPoint o = ClientScreenOrigin(*rec);
  Point = {Point.X - o.X, Point.Y - o.Y};
  return true;
}

void MapWindowPoints(HWND From, HWND To, TPoint* Points, int Count) {
  for (int i = 0; i < Count; ++i) {
    if (From) ClientToScreen(From, Points[i]);
    if (To) ScreenToClient(To, Points[i]);
  }
}

namespace {

// The deepest window at Point (client coordinates of Rec) under the window-from-point rules.
HWND DeepestAt(TWindowRecord& Rec, TPoint Point) {
  for (auto it = Rec.Children.rbegin(); it != Rec.Children.rend(); ++it) {
    TWindowRecord* child = Windows().Find(*it);
    if (!child || !(child->Style & WS_VISIBLE) || !PtInRect(child->Bounds, Point)) continue;
    if (!IsInWindowRegion(*child, {Point.X - child->Bounds.Left, Point.Y - child->Bounds.Top})) continue;
    if (child->Style & WS_DISABLED) return Rec.Handle;
    return DeepestAt(*child, {Point.X - child->Bounds.Left - child->Client.Left,
                              Point.Y - child->Bounds.Top - child->Client.Top});
  }
  return Rec.Handle;
}

// Top-level windows the mouse passes through: overlays, and windows that answer HTTRANSPARENT.
bool IsSeeThrough(TWindowRecord& Rec, TPoint ScreenPoint) {
  if (Rec.ExStyle & WS_EX_TRANSPARENT) return true;
  if (!IsInWindowRegion(Rec, {ScreenPoint.X - Rec.Bounds.Left, ScreenPoint.Y - Rec.Bounds.Top})) return true;
  return SendMessage(Rec.Handle, WM_NCHITTEST, 0, PointToLParam(ScreenPoint)) == HTTRANSPARENT;
}

}  // namespace

HWND WindowFromPoint(TPoint ScreenPoint) {
  for (HWND top : GetTopLevelWindows()) {
    TWindowRecord* rec = Windows().Find(top);
    if (!rec || !PtInRect(rec->Bounds, ScreenPoint) || IsSeeThrough(*rec, ScreenPoint)) continue;
    const TPoint o = ClientScreenOrigin(*rec);
    return DeepestAt(*rec, {ScreenPoint.X - o.X, ScreenPoint.Y - o.Y});
  }
  return HWND();
}

HWND ChildWindowFromPointEx(HWND Parent, TPoint Point, UINT Flags) {
  TWindowRecord* rec = Windows().Find(Parent);
  if (!rec) return HWND();
  for (auto it = rec->Children.rbegin(); it != rec->Children.rend(); ++it) {
    TWindowRecord* child = Windows().Find(*it);
    if (!child || !PtInRect(child->Bounds, Point)) continue;
    if ((Flags & CWP_SKIPINVISIBLE) && !(child->Style & WS_VISIBLE)) continue;
    if ((Flags & CWP_SKIPDISABLED) && (child->Style & WS_DISABLED)) continue;
    if ((Flags & CWP_SKIPTRANSPARENT) && (child->ExStyle & WS_EX_TRANSPARENT)) continue;
    return child->Handle;
  }
  return PtInRect(TRect{0, 0, rec->Client.Width(), rec->Client.Height()}, Point) ? Parent : HWND();
}
