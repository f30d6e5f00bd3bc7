// Creating and destroying windows, and the frame calculation that places the client area.
#include <algorithm>

#include "windows/Layer_p.h"
#include "windows/Mdi.h"

// Asks the window for its client rectangle inside Proposed (parent client coordinates) and keeps
// it in window coordinates. Without a frame of the window's own, the client area is the whole
// window; windows that draw a frame answer WM_NCCALCSIZE themselves.
void CalcClient(TWindowRecord& Rec, const TRect& Proposed, WINDOWPOS* Pos) {
  NCCALCSIZE_PARAMS params;
  params.rgrc[0] = Proposed;
  params.lppos = Pos;
  const HWND wnd = Rec.Handle;
  Rec.FrameOrigin = Proposed.TopLeft();
  Rec.Frame = TFrameLayout{};
  SendMessage(wnd, WM_NCCALCSIZE, Pos != nullptr, reinterpret_cast<LPARAM>(&params));
  TWindowRecord* rec = Windows().Find(wnd);
  if (!rec) return;
  TRect client = params.rgrc[0];
  OffsetRect(client, -Proposed.Left, -Proposed.Top);
  IntersectRect(client, client, TRect{0, 0, Proposed.Width(), Proposed.Height()});
  rec->Client = client;
}

namespace {

void LinkIntoParent(TWindowRecord& Rec) {
  if (Rec.IsChild()) {
    Windows().Find(Rec.Parent)->Children.push_back(Rec.Handle);
  } else {
    Windows().TopLevels().push_back(Rec.Handle);
  }
}

void UnlinkFromParent(TWindowRecord& Rec) {
  if (!Rec.IsChild()) return;
  if (TWindowRecord* parent = Windows().Find(Rec.Parent)) std::erase(parent->Children, Rec.Handle);
}

void DestroyTree(HWND Wnd);

void ForgetHolders(HWND Wnd) {
  TLayerState& s = State();
  if (s.Capture && IsInside(s.Capture, Wnd)) ReleaseCapture();
  if (s.Focus && IsInside(s.Focus, Wnd)) SetFocus(HWND());
  if (s.Active == Wnd) {
    TWindowRecord* rec = Windows().Find(Wnd);
    const HWND owner = rec ? rec->Owner : HWND();
    HWND next = IsWindowVisible(owner) ? owner : HWND();
    if (!next)
      for (HWND top : GetTopLevelWindows())
        if (top != Wnd) {
          next = top;
          break;
        }
    SetActiveWindow(next);
  }
}

void DestroyTree(HWND Wnd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec || rec->Destroying) return;
  rec->Destroying = true;
  if (rec->Widget) rec->Widget->hide();
  SendMessage(Wnd, WM_DESTROY);
  rec = Windows().Find(Wnd);
  std::vector<HWND> children = rec ? rec->Children : std::vector<HWND>();
  for (auto it = children.rbegin(); it != children.rend(); ++it) DestroyTree(*it);
  KillTimersOf(Wnd);
  ForgetWindowServices(Wnd);
  SendMessage(Wnd, WM_NCDESTROY);
  rec = Windows().Find(Wnd);
  if (!rec) return;
  ReleaseWindowSurfaces(*rec);
  UnlinkFromParent(*rec);
  // Top-level windows this one owns lose their owner, as their widgets are not its children.
  for (HWND other : Windows().All())
    if (TWindowRecord* owned = Windows().Find(other); owned && !owned->IsChild() && owned->Owner == Wnd)
      owned->Owner = HWND();
  Windows().Remove(Wnd);
}

}  // namespace

void TDeferredWidgetDeleter::operator()(QWidget* widget) const {
  if (!widget) return;
  widget->hide();
  widget->deleteLater();
}

void ReplaceBackingImage(TWindowRecord& Rec) {
  const int w = std::max(Rec.Bounds.Width(), 0);
  const int h = std::max(Rec.Bounds.Height(), 0);
  if (Rec.Image.width() == w && Rec.Image.height() == h) return;
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int y = 0; y < std::min(h, Rec.Image.height()); ++y)
    std::copy_n(reinterpret_cast<const QRgb*>(Rec.Image.constScanLine(y)), std::min(w, Rec.Image.width()),
                reinterpret_cast<QRgb*>(image.scanLine(y)));
  // Assigned in place: canvases drawing on the window keep a pointer to this image.
  Rec.Image = std::move(image);
}

HWND CreateWindowEx(const TWindowCreateParams& Params) {
  const bool child = (Params.Style & WS_CHILD) != 0;
  if (Params.WndParent && !IsWindow(Params.WndParent)) return HWND();
  if (child && !Params.WndParent) return HWND();
  TWindowRecord& rec = Windows().Add();
  rec.Parent = child ? Params.WndParent : HWND();
  rec.Owner = child ? HWND() : Params.WndParent;
  rec.ClassName = Params.ClassName;
  rec.Text = Params.Caption;
  rec.Style = Params.Style & ~WS_VISIBLE;
  rec.ExStyle = Params.ExStyle;
  rec.ClassStyle = Params.ClassStyle;
  rec.Bounds = Bounds(Params.X, Params.Y, std::max(Params.Width, 0), std::max(Params.Height, 0));
  rec.RestoreBounds = rec.Bounds;
  rec.Client = TRect{0, 0, rec.Bounds.Width(), rec.Bounds.Height()};
  rec.Proc = Params.WndProc ? Params.WndProc : WNDPROC(DefWindowProc);
  LinkIntoParent(rec);
  ReplaceBackingImage(rec);
  rec.Widget = CreateWindowWidget(rec);
  const HWND wnd = rec.Handle;
  rec.Invalid = QRegion(0, 0, rec.Bounds.Width(), rec.Bounds.Height());
  rec.EraseNeeded = rec.FrameNeeded = true;

  SendMessage(wnd, WM_NCCREATE);
  if (TWindowRecord* r = Windows().Find(wnd)) CalcClient(*r, r->Bounds, nullptr);
  if (!IsWindow(wnd) || SendMessage(wnd, WM_CREATE) == -1) {
    DestroyWindow(wnd);
    return HWND();
  }
  if (Params.Style & WS_VISIBLE) ShowWindow(wnd, child ? SW_SHOWNA : SW_SHOW);
  return IsWindow(wnd) ? wnd : HWND();
}

bool DestroyWindow(HWND Wnd) {
  if (!IsWindow(Wnd)) return false;
  if (IsMDIChild(Wnd)) MDIChildGoing(Wnd);
  ForgetHolders(Wnd);
  DestroyTree(Wnd);
  return true;
}

HWND SetParent(HWND Wnd, HWND NewParent) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec || (NewParent && (!IsWindow(NewParent) || IsInside(NewParent, Wnd)))) return HWND();
  const HWND previous = GetParent(Wnd);
  UnlinkFromParent(*rec);
  std::erase(Windows().TopLevels(), Wnd);
  if (NewParent) {
    rec->Style = (rec->Style | WS_CHILD) & ~WS_POPUP;
    rec->Parent = NewParent;
    rec->Owner = HWND();
  } else {
    rec->Style &= ~WS_CHILD;
    rec->Parent = HWND();
  }
  LinkIntoParent(*rec);
  ReparentWidget(*rec);
  return previous;
}
