// Painting the layer's frame through the window's device context: borders and edges, the caption
// of a frameless pop-up window with its close button, the scroll bars and the box between them;
// and tracking a press on the close button.
#include "graphics/Gdi.h"
#include "graphics/Metrics.h"
#include "windows/Layer_p.h"
#include "windows/ModalLoop.h"
#include "windows/NonClient.h"

namespace {

void PaintBorder(HDC DC, TRect& R, DWORD Style, DWORD ExStyle) {
  if (Style & (WS_THICKFRAME | WS_DLGFRAME) || (ExStyle & WS_EX_DLGMODALFRAME)) {
    const int width = GetSystemMetrics(Style & WS_THICKFRAME ? SM_CXFRAME : SM_CXDLGFRAME);
    TRect inner = R;
    DrawEdge(DC, inner, EDGE_RAISED, BF_RECT | BF_ADJUST);
    for (int i = 2; i < width; ++i) {
      FrameRect(DC, inner, GetSysColorBrush(COLOR_BTNFACE));
      InflateRect(inner, -1, -1);
    }
    R = inner;
  } else if (Style & WS_BORDER) {
    FrameRect(DC, R, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(R, -1, -1);
  }
  if (ExStyle & WS_EX_CLIENTEDGE) DrawEdge(DC, R, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  if (ExStyle & WS_EX_STATICEDGE) DrawEdge(DC, R, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
}

void PaintCloseButton(HDC DC, const TRect& Button, bool Pushed) {
  TRect r = Button;
  DrawFrameControl(DC, r, DFC_CAPTION, DFCS_CAPTIONCLOSE | (Pushed ? unsigned(DFCS_PUSHED) : 0u));
}

void PaintCaption(HDC DC, const TWindowRecord& Rec, const TFrameLayout& Layout) {
  const bool active = Rec.NcActive;
  TRect bar = Layout.Caption;
  bar.Bottom += 1;
  FillRect(DC, bar, GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
  TRect text = Layout.Caption;
  text.Left += 3;
  if (!IsRectEmpty(Layout.CloseButton)) text.Right = Layout.CloseButton.Left - 2;
  SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, active ? clCaptionText : clInactiveCaptionText);
  DrawText(DC, Rec.Text, -1, text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  if (!IsRectEmpty(Layout.CloseButton)) PaintCloseButton(DC, Layout.CloseButton, false);
}

}  // namespace

void DefNcPaint(HWND Wnd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return;
  const TFrameLayout layout = rec->Frame;
  if (IsRectEmpty(layout.Window)) return;  // the window lays out and paints its frame itself
  HDC dc = GetWindowDC(Wnd);
  if (!HasNativeFrame(*rec)) {
    TRect r = layout.Window;
    PaintBorder(dc, r, rec->Style, rec->ExStyle);
    if (!IsRectEmpty(layout.Caption)) PaintCaption(dc, *rec, layout);
  }
  if (!IsRectEmpty(layout.VScroll)) PaintScrollBar(dc, rec->ScrollBars[SB_VERT], ScrollBarGeometry(rec->ScrollBars[SB_VERT], layout.VScroll, true));
  if (!IsRectEmpty(layout.HScroll)) PaintScrollBar(dc, rec->ScrollBars[SB_HORZ], ScrollBarGeometry(rec->ScrollBars[SB_HORZ], layout.HScroll, false));
  if (!IsRectEmpty(layout.Corner)) FillRect(dc, layout.Corner, GetSysColorBrush(COLOR_BTNFACE));
  ReleaseDC(Wnd, dc);
}

void RedrawFrame(HWND Wnd) {
  if (!IsWindowVisible(Wnd)) {
    InvalidateFrame(Wnd);
    return;
  }
  if (TWindowRecord* rec = Windows().Find(Wnd)) rec->FrameNeeded = false;
  SendMessage(Wnd, WM_NCPAINT, 1);
}

// The close button is pushed while the pointer is over it; releasing it there closes the window.
void TrackCloseButton(HWND Wnd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return;
  const TRect button = rec->Frame.CloseButton;
  const TPoint origin = ScreenOrigin(*rec);
  const auto over = [&](const MSG& msg) {
    const TPoint p = MessageScreenPoint(msg);
    return PtInRect(button, TPoint{p.X - origin.X, p.Y - origin.Y});
  };
  const auto draw = [&](bool pushed) {
    HDC dc = GetWindowDC(Wnd);
    PaintCloseButton(dc, button, pushed);
    ReleaseDC(Wnd, dc);
  };
  draw(true);
  bool pushed = true, close = false;
  RunCaptureLoop(Wnd, [&](MSG& msg) {
    if (msg.message == WM_MOUSEMOVE && over(msg) != pushed) draw(pushed = !pushed);
    if (msg.message == WM_LBUTTONUP) {
      close = over(msg);
      return TLoopVerdict::End;
    }
    if (IsEscapeKey(msg)) return TLoopVerdict::End;
    return IsMouseMessage(msg) || IsKeyboardMessage(msg) ? TLoopVerdict::Handled : TLoopVerdict::Dispatch;
  });
  if (IsWindow(Wnd)) draw(false);
  if (close && IsWindow(Wnd)) SendMessage(Wnd, WM_SYSCOMMAND, SC_CLOSE);
}
