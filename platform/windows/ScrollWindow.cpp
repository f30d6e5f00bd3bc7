// Scrolling the pixels of a window's client area: the backing image moves, the invalid area
// inside moves with it, and only the uncovered strip is invalidated.
#include <cstring>

#include "graphics/RegionQt.h"
#include "windows/Layer_p.h"

namespace {

// Copies the pixels of Source (client coordinates) to Source moved by (Dx, Dy).
void MovePixels(TWindowRecord& Rec, const QRect& Dest, int Dx, int Dy) {
  if (Dest.isEmpty()) return;
  const QPoint origin(Rec.Client.Left, Rec.Client.Top);
  const QImage part = Rec.Image.copy(Dest.translated(origin - QPoint(Dx, Dy)));
  const QRect target = Dest.translated(origin);
  for (int y = 0; y < part.height(); ++y)
    std::memcpy(Rec.Image.scanLine(target.top() + y) + target.left() * 4, part.constScanLine(y),
                static_cast<size_t>(part.width()) * 4);
}

void MoveChildren(TWindowRecord& Rec, const QRect& Area, int Dx, int Dy) {
  for (HWND child : std::vector<HWND>(Rec.Children)) {
    TWindowRecord* c = Windows().Find(child);
    if (!c || !Area.intersects(QtRect(c->Bounds))) continue;
    SetWindowPos(child, HWND(), c->Bounds.Left + Dx, c->Bounds.Top + Dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace

int ScrollWindowEx(HWND Wnd, int Dx, int Dy, const TRect* Scroll, const TRect* Clip, TRegion* Update,
                   TRect* UpdateRect, UINT Flags) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return RGN_ERROR;
  const QRect client(0, 0, rec->Client.Width(), rec->Client.Height());
  const QRect source = Scroll ? QtRect(*Scroll) & client : client;
  const QRect clip = Clip ? QtRect(*Clip) & client : client;
  const QRect dest = source.translated(Dx, Dy) & clip;
  HideCaretForPaint(Wnd);
  MovePixels(*rec, dest, Dx, Dy);
  const QRegion moved = (rec->Invalid & source).translated(Dx, Dy) & dest;
  rec->Invalid = rec->Invalid.subtracted(QRegion(dest)) + moved;
  const QRegion uncovered = QRegion(source & clip).subtracted(QRegion(dest));
  if (Flags & SW_INVALIDATE) {
    rec->Invalid += uncovered;
    if ((Flags & SW_ERASE) && !uncovered.isEmpty()) rec->EraseNeeded = true;
  }
  if (Flags & SW_SCROLLCHILDREN) MoveChildren(*rec, Scroll ? source : client, Dx, Dy);
  ShowCaretAfterPaint(Wnd);
  if (TWindowRecord* r = Windows().Find(Wnd); r && r->Widget) r->Widget->update();
  const TRegion result = FromQtRegion(uncovered);
  if (Update) *Update = result;
  if (UpdateRect) *UpdateRect = FromQtRect(uncovered.boundingRect());
  return RegionKind(result);
}

bool ScrollWindow(HWND Wnd, int Dx, int Dy, const TRect* Scroll, const TRect* Clip) {
  const UINT children = Scroll ? 0u : UINT(SW_SCROLLCHILDREN);
  return ScrollWindowEx(Wnd, Dx, Dy, Scroll, Clip, nullptr, nullptr, SW_INVALIDATE | SW_ERASE | children) != RGN_ERROR;
}
