// Painting of controls: the paint pass of a windowed control, its background, the graphic
// children it paints, and the canvases of custom and graphic controls.
#include "controls/Application.h"
#include "controls/CustomControl.h"
#include "graphics/Gdi.h"
#include "rtl/ScopeExit.h"
#include "windows/Input.h"
#include "windows/Paint.h"

void TWinControl::WMPaint(TMessage& Message) { PaintHandler(Message); }

void TWinControl::PaintTo(HDC DC, int X, int Y) {
  const int saved = SaveDC(DC);
  TPoint origin;
  SetViewportOrgEx(DC, 0, 0, &origin);
  SetViewportOrgEx(DC, origin.X + X, origin.Y + Y);
  const TRect client = ClientRect();
  IntersectClipRect(DC, client.Left, client.Top, client.Right, client.Bottom);
  const auto restore = ScopeExit([DC, saved] { RestoreDC(DC, saved); });
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), 0);
  Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
}

// A WM_PAINT that brings its own device context paints into it, outside the window's paint pass.
void TWinControl::PaintHandler(TMessage& Message) {
  if (Message.WParam) {
    PaintWindow(reinterpret_cast<HDC>(Message.WParam));
    return;
  }
  PAINTSTRUCT ps;
  BeginPaint(FHandle, ps);
  Bracket(
      [&] {
        PaintWindow(ps.hdc);
        PaintControls(ps, nullptr);
      },
      [&] { EndPaint(FHandle, ps); });
}

void TWinControl::PaintWindow(HDC DC) {
  TMessage message{WM_PAINT, reinterpret_cast<WPARAM>(DC), 0, 0};
  DefaultHandler(message);
}

// Graphic children from the bottom of the z-order up, each with its canvas' origin on its own
// top-left corner and clipped to itself and to the paint area.
void TWinControl::PaintControls(const PAINTSTRUCT& Paint, TControl* First) {
  bool started = First == nullptr;
  for (TControl* child : std::vector<TControl*>(FControls)) {
    if (child == First) started = true;
    auto* graphic = dynamic_cast<TGraphicControl*>(child);
    if (!started || !graphic || !graphic->Visible()) continue;
    TRect r;
    if (!IntersectRect(r, graphic->BoundsRect(), Paint.rcPaint)) continue;
    TCanvas& canvas = *graphic->Canvas();
    SelectWindowCanvas(canvas, FHandle, &Paint);
    SetViewportOrgEx(&canvas, graphic->Left(), graphic->Top());
    IntersectClipRect(&canvas, 0, 0, graphic->Width(), graphic->Height());
    canvas.SetFont(graphic->Font());
    canvas.Brush()->SetColor(graphic->Color());
    Bracket([graphic] { graphic->Paint(); }, [&canvas] { ReleaseWindowCanvas(canvas); });
  }
}

void TWinControl::WMEraseBkgnd(TMessage& Message) {
  auto* dc = reinterpret_cast<HDC>(Message.WParam);
  if (dc) ::FillRect(dc, ClientRect(), CreateSolidBrush(Color()));
  Message.Result = 1;
}

void TWinControl::WMSetCursor(TMessage& Message) {
  const auto hit = static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(Message.LParam)));
  if (hit == HTCLIENT && HWND::FromParam(static_cast<intptr_t>(Message.WParam)) == FHandle) {
    TCursor cursor = Screen ? Screen->Cursor() : crDefault;
    if (cursor == crDefault) {
      TPoint p;
      GetCursorPos(p);
      TControl* under = ControlAtPos(ScreenToClient(p), false);
      cursor = under ? under->Cursor() : Cursor();
    }
    if (cursor != crDefault && Screen) {
      ::SetCursor(Screen->Cursors(cursor));
      Message.Result = 1;
      return;
    }
  }
  DefaultHandler(Message);
}

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() { ReleaseCanvas(); }

TCanvas* TCustomControl::Canvas() {
  if (FForeignCanvas) return FForeignCanvas;
  if (!FCanvasSelected && !(ComponentState() & csDestroying) && Showing()) {
    SelectWindowCanvas(*FCanvas, Handle(), nullptr);
    FCanvasSelected = true;
  }
  FCanvas->SetFont(Font());
  return FCanvas.get();
}

void TCustomControl::ReleaseCanvas() {
  if (!FCanvasSelected) return;
  ReleaseWindowCanvas(*FCanvas);
  FCanvasSelected = false;
}

void TCustomControl::DestroyWnd() {
  ReleaseCanvas();
  TWinControl::DestroyWnd();
}

// On a canvas that is not the window's (PaintTo), Canvas answers that canvas for the paint.
void TCustomControl::PaintForeign(HDC DC) {
  const int saved = SaveDC(DC);
  FForeignCanvas = DC;
  DC->SetFont(Font());
  DC->Brush()->SetColor(Color());
  const auto restore = ScopeExit([this, DC, saved] {
    FForeignCanvas = nullptr;
    RestoreDC(DC, saved);
  });
  Paint();
}

void TCustomControl::PaintWindow(HDC DC) {
  if (!HandleAllocated() || WindowFromDC(DC) != Handle()) {
    PaintForeign(DC);
    return;
  }
  PAINTSTRUCT ps;
  ps.hdc = DC;
  ReleaseCanvas();
  SelectWindowCanvas(*FCanvas, Handle(), &ps);
  FCanvasSelected = true;
  FCanvas->SetFont(Font());
  FCanvas->Brush()->SetColor(Color());
  Bracket([this] { Paint(); }, [this] { ReleaseCanvas(); });
}

void TCustomControl::Paint() {
  if (OnPaint) OnPaint(this);
}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {
}

TGraphicControl::~TGraphicControl() { ReleaseWindowCanvas(*FCanvas); }

void TGraphicControl::Paint() {
  if (OnPaint) OnPaint(this);
}
