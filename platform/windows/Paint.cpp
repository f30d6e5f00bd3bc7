// Invalid areas, paint passes and device contexts over the windows' backing images.
#include <algorithm>

#include "graphics/CanvasQt.h"
#include "graphics/RegionQt.h"
#include "windows/Layer_p.h"

namespace {

QRegion ClientArea(const TWindowRecord& Rec) { return QRegion(0, 0, Rec.Client.Width(), Rec.Client.Height()); }

// Points Canvas at the window's image: at the client area (Whole false) or the whole window.
void AttachCanvas(TCanvas& Canvas, TWindowRecord& Rec, bool Whole, std::optional<QRegion> Clip) {
  AttachDevice(Canvas, CreateImageDevice(&Rec.Image));
  TDeviceContext& dc = Canvas.DC();
  dc.State.Clip.reset();
  dc.State.WindowOrg = dc.State.ViewportOrg = QPoint();
  dc.Saved.clear();
  const QPoint origin = Whole ? QPoint() : QPoint(Rec.Client.Left, Rec.Client.Top);
  SetSurfaceOrigin(Canvas, origin);
  const QRegion area = Whole ? QRegion(0, 0, Rec.Bounds.Width(), Rec.Bounds.Height()) : ClientArea(Rec);
  SetSystemClip(Canvas, Clip ? *Clip & area : area);
}

TWindowRecord* OwnerOf(HDC DC) {
  for (HWND h : Windows().All()) {
    TWindowRecord* rec = Windows().Find(h);
    for (const auto& owned : rec->DCs)
      if (owned.get() == DC) return rec;
  }
  return nullptr;
}

void ShowChanges(TWindowRecord& Rec) {
  if (Rec.Widget) Rec.Widget->update();
}

HDC NewDC(TWindowRecord& Rec, bool Whole, std::optional<QRegion> Clip) {
  Rec.DCs.push_back(std::make_unique<TCanvas>());
  TCanvas& canvas = *Rec.DCs.back();
  AttachCanvas(canvas, Rec, Whole, std::move(Clip));
  return &canvas;
}

// The background is erased by the window: WM_ERASEBKGND answers non-zero when it did.
bool EraseBackground(HWND Wnd, HDC DC) { return SendMessage(Wnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC)) != 0; }

void PaintFrame(HWND Wnd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec || !rec->FrameNeeded) return;
  rec->FrameNeeded = false;
  SendMessage(Wnd, WM_NCPAINT, 1);
}

}  // namespace

bool InvalidateRgn(HWND Wnd, const TRegion* Region, bool Erase) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return false;
  const QRegion area = Region ? QtRegion(*Region) & ClientArea(*rec) : ClientArea(*rec);
  rec->Invalid += area;
  if (Erase && !area.isEmpty()) rec->EraseNeeded = true;
  return true;
}

bool InvalidateRect(HWND Wnd, const TRect* Rect, bool Erase) {
  if (!Rect) return InvalidateRgn(Wnd, nullptr, Erase);
  const TRegion region = CreateRectRgnIndirect(*Rect);
  return InvalidateRgn(Wnd, &region, Erase);
}

bool ValidateRgn(HWND Wnd, const TRegion* Region) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return false;
  rec->Invalid = Region ? rec->Invalid.subtracted(QtRegion(*Region)) : QRegion();
  if (rec->Invalid.isEmpty()) rec->EraseNeeded = false;
  return true;
}

bool ValidateRect(HWND Wnd, const TRect* Rect) {
  if (!Rect) return ValidateRgn(Wnd, nullptr);
  const TRegion region = CreateRectRgnIndirect(*Rect);
  return ValidateRgn(Wnd, &region);
}

void InvalidateFrame(HWND Wnd) {
  if (TWindowRecord* rec = Windows().Find(Wnd)) rec->FrameNeeded = true;
}

bool UpdateWindow(HWND Wnd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return false;
  if (!IsWindowVisible(Wnd) || (rec->Invalid.isEmpty() && !rec->FrameNeeded)) return true;
  PaintFrame(Wnd);
  if (TWindowRecord* r = Windows().Find(Wnd); r && !r->Invalid.isEmpty()) {
    MSG msg;
    msg.hwnd = Wnd;
    msg.message = WM_PAINT;
    DispatchMessage(msg);
  }
  // A synchronous update is also visible at once (a splash window repainted before the message
  // loop runs), not only at the native window's next paint event.
  if (TWindowRecord* r = Windows().Find(Wnd); r && r->Widget) r->Widget->repaint();
  return true;
}

bool GetUpdateRect(HWND Wnd, TRect* Rect, bool Erase) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return false;
  if (Rect) *Rect = FromQtRect(rec->Invalid.boundingRect());
  const bool any = !rec->Invalid.isEmpty();
  if (any && Erase && rec->EraseNeeded) {
    HDC dc = NewDC(*rec, false, rec->Invalid);
    rec->EraseNeeded = !EraseBackground(Wnd, dc);
    ReleaseDC(Wnd, dc);
  }
  return any;
}

int GetUpdateRgn(HWND Wnd, TRegion& Region, bool Erase) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return RGN_ERROR;
  Region = FromQtRegion(rec->Invalid);
  GetUpdateRect(Wnd, nullptr, Erase);
  return RegionKind(Region);
}

HDC BeginPaint(HWND Wnd, PAINTSTRUCT& Paint) {
  Paint = PAINTSTRUCT{};
  PaintFrame(Wnd);
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return nullptr;
  HideCaretForPaint(Wnd);
  const QRegion area = rec->Invalid & ClientArea(*rec);
  const bool erase = rec->EraseNeeded;
  rec->Invalid = QRegion();
  rec->EraseNeeded = false;
  Paint.hdc = NewDC(*rec, false, area);
  Paint.rcPaint = FromQtRect(area.boundingRect());
  Paint.fErase = erase && !EraseBackground(Wnd, Paint.hdc);
  return Paint.hdc;
}

void EndPaint(HWND Wnd, const PAINTSTRUCT& Paint) {
  ReleaseDC(Wnd, Paint.hdc);
  ShowCaretAfterPaint(Wnd);
}

HDC GetDC(HWND Wnd) {
  if (!Wnd) return &ScreenCanvas();
  TWindowRecord* rec = Windows().Find(Wnd);
  return rec ? NewDC(*rec, false, std::nullopt) : nullptr;
}

HDC GetWindowDC(HWND Wnd) {
  if (!Wnd) return &ScreenCanvas();
  TWindowRecord* rec = Windows().Find(Wnd);
  return rec ? NewDC(*rec, true, std::nullopt) : nullptr;
}

int ReleaseDC(HWND Wnd, HDC DC) {
  if (!DC || DC == &ScreenCanvas()) return 1;
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) rec = OwnerOf(DC);
  if (!rec) return 0;
  const auto it = std::find_if(rec->DCs.begin(), rec->DCs.end(), [&](const auto& owned) { return owned.get() == DC; });
  if (it == rec->DCs.end()) return 0;
  rec->DCs.erase(it);
  ShowChanges(*rec);
  return 1;
}

void SelectWindowCanvas(TCanvas& Canvas, HWND Wnd, const PAINTSTRUCT* Paint) {
  ReleaseWindowCanvas(Canvas);
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return;
  std::optional<QRegion> clip;
  if (Paint && Paint->hdc) clip = *Paint->hdc->DC().SystemClip;
  AttachCanvas(Canvas, *rec, false, clip);
  rec->Canvases.push_back(&Canvas);
}

HWND WindowFromDC(HDC DC) {
  for (HWND h : Windows().All()) {
    const TWindowRecord* rec = Windows().Find(h);
    if (std::ranges::find(rec->Canvases, DC) != rec->Canvases.end()) return h;
    for (const auto& dc : rec->DCs)
      if (dc.get() == DC) return h;
  }
  return HWND();
}

void ReleaseWindowCanvas(TCanvas& Canvas) {
  for (HWND h : Windows().All()) {
    TWindowRecord* rec = Windows().Find(h);
    if (std::erase(rec->Canvases, &Canvas)) {
      DetachDevice(Canvas);
      ShowChanges(*rec);
    }
  }
}

void ReleaseWindowSurfaces(TWindowRecord& Rec) {
  for (TCanvas* canvas : Rec.Canvases) DetachDevice(*canvas);
  Rec.Canvases.clear();
  Rec.DCs.clear();
}

HWND NextWindowToPaint(HWND Filter) {
  for (HWND h : Windows().All()) {
    TWindowRecord* rec = Windows().Find(h);
    if ((rec->Invalid.isEmpty() && !rec->FrameNeeded) || rec->Destroying) continue;
    if (Filter && !IsInside(h, Filter)) continue;
    if (IsWindowVisible(h)) return h;
  }
  return HWND();
}
