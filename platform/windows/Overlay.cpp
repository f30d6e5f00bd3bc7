// Overlay windows, and the picture of the screen that they start from: the layer's own windows
// composed as the screen shows them.
#include "windows/Overlay.h"

#include <QPainter>

#include "graphics/Colors.h"
#include "graphics/RegionQt.h"
#include "rtl/ScopeExit.h"
#include "windows/Layer_p.h"

namespace {

void DrawWindow(QPainter& Painter, const TWindowRecord& Rec, QPoint Origin) {
  Painter.save();
  if (Rec.Region) Painter.setClipRegion(Rec.Region->translated(Origin), Qt::IntersectClip);
  Painter.drawImage(Origin, Rec.Image);
  const QPoint client = Origin + QPoint(Rec.Client.Left, Rec.Client.Top);
  Painter.setClipRect(QRect(client, QSize(Rec.Client.Width(), Rec.Client.Height())), Qt::IntersectClip);
  for (HWND h : Rec.Children)
    if (const TWindowRecord* child = Windows().Find(h); child && (child->Style & WS_VISIBLE))
      DrawWindow(Painter, *child, client + QPoint(child->Bounds.Left, child->Bounds.Top));
  Painter.restore();
}

LRESULT OverlayProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    default: return DefWindowProc(Wnd, Msg, WParam, LParam);
  }
}

}  // namespace

QImage ComposeScreen(const QRect& Rect) {
  QImage image(Rect.size(), QImage::Format_RGB32);
  const TColor desktop = ColorToRGB(clBackground);
  image.fill(QColor(GetRValue(desktop), GetGValue(desktop), GetBValue(desktop)));
  QPainter painter(&image);
  for (HWND h : Windows().TopLevels())
    if (const TWindowRecord* rec = Windows().Find(h);
        rec && (rec->Style & WS_VISIBLE) && !(rec->ExStyle & WS_EX_TRANSPARENT) && !rec->Destroying)
      DrawWindow(painter, *rec, QPoint(rec->Bounds.Left - Rect.left(), rec->Bounds.Top - Rect.top()));
  return image;
}

TScreenOverlay::TScreenOverlay(const TRect& ScreenRect) : FBounds(ScreenRect) {
  TWindowCreateParams p;
  p.ClassName = "QuorinOverlay";
  p.Style = WS_POPUP;
  p.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT;
  p.X = ScreenRect.Left;
  p.Y = ScreenRect.Top;
  p.Width = ScreenRect.Width();
  p.Height = ScreenRect.Height();
  p.WndProc = OverlayProc;
  FHandle = CreateWindowEx(p);
  Refresh();
}

TScreenOverlay::~TScreenOverlay() { DestroyWindow(FHandle); }

void TScreenOverlay::SetBounds(const TRect& ScreenRect) {
  FBounds = ScreenRect;
  SetWindowPos(FHandle, HWND(), ScreenRect.Left, ScreenRect.Top, ScreenRect.Width(), ScreenRect.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  Refresh();
}

void TScreenOverlay::Refresh() {
  TWindowRecord* rec = Windows().Find(FHandle);
  if (!rec) return;
  rec->Image = ComposeScreen(QtRect(FBounds));
  rec->Invalid = QRegion();
  if (rec->Widget) rec->Widget->update();
}

void TScreenOverlay::Draw(const std::function<void(HDC DC)>& Painter) {
  HDC dc = GetWindowDC(FHandle);
  if (!dc) return;
  const auto release = ScopeExit([this, dc] { ReleaseDC(FHandle, dc); });
  Painter(dc);
}

void TScreenOverlay::Show() {
  SetWindowPos(FHandle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  if (TWindowRecord* rec = Windows().Find(FHandle)) {
    rec->Invalid = QRegion();
    rec->EraseNeeded = rec->FrameNeeded = false;
  }
}

void TScreenOverlay::Hide() { ShowWindow(FHandle, SW_HIDE); }

bool TScreenOverlay::Visible() const { return IsWindowVisible(FHandle); }
