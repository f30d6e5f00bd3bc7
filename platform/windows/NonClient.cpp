// The frame the layer gives its windows: where borders, caption, close button and scroll bars lie,
// the client rectangle inside them, the hit codes over them, and the window region.
#include "windows/NonClient.h"

#include "graphics/Metrics.h"
#include "graphics/RegionQt.h"
#include "windows/Layer_p.h"

namespace {

bool HasCaption(DWORD Style) { return (Style & WS_CAPTION) == WS_CAPTION; }

int BorderWidth(DWORD Style, DWORD ExStyle) {
  int width = 0;
  if (Style & WS_THICKFRAME) {
    width = GetSystemMetrics(SM_CXFRAME);
  } else if ((Style & WS_DLGFRAME) || (ExStyle & WS_EX_DLGMODALFRAME)) {
    width = GetSystemMetrics(SM_CXDLGFRAME);
  } else if (Style & WS_BORDER) {
    width = GetSystemMetrics(SM_CXBORDER);
  }
  if (ExStyle & WS_EX_CLIENTEDGE) width += GetSystemMetrics(SM_CXEDGE);
  if (ExStyle & WS_EX_STATICEDGE) width += GetSystemMetrics(SM_CXBORDER);
  return width;
}

int CaptionHeight(DWORD Style, DWORD ExStyle) {
  if (!HasCaption(Style)) return 0;
  return GetSystemMetrics(ExStyle & WS_EX_TOOLWINDOW ? SM_CYSMCAPTION : SM_CYCAPTION);
}

// The rectangle left after the frame (and caption) of the styles take their share of Window.
TRect InsideFrame(const TRect& Window, DWORD Style, DWORD ExStyle, bool Native) {
  if (Native) return Window;
  TRect inner = Window;
  const int border = BorderWidth(Style, ExStyle);
  InflateRect(inner, -border, -border);
  inner.Top += CaptionHeight(Style, ExStyle);
  return inner;
}

void PlaceScrollBars(TFrameLayout& Layout, DWORD Style) {
  TRect& client = Layout.Client;
  const bool vertical = (Style & WS_VSCROLL) != 0;
  const bool horizontal = (Style & WS_HSCROLL) != 0;
  const int cx = vertical ? std::min(GetSystemMetrics(SM_CXVSCROLL), client.Width()) : 0;
  const int cy = horizontal ? std::min(GetSystemMetrics(SM_CYHSCROLL), client.Height()) : 0;
  if (vertical) Layout.VScroll = TRect{client.Right - cx, client.Top, client.Right, client.Bottom - cy};
  if (horizontal) Layout.HScroll = TRect{client.Left, client.Bottom - cy, client.Right - cx, client.Bottom};
  if (vertical && horizontal) Layout.Corner = TRect{client.Right - cx, client.Bottom - cy, client.Right, client.Bottom};
  client.Right -= cx;
  client.Bottom -= cy;
}

TRect Normalised(TRect R) {
  if (R.Right < R.Left) R.Right = R.Left;
  if (R.Bottom < R.Top) R.Bottom = R.Top;
  return R;
}

LRESULT SizingEdgeAt(const TFrameLayout& Layout, TPoint P) {
  const TRect& w = Layout.Window;
  const int corner = GetSystemMetrics(SM_CXSIZE) + Layout.SizingBorder;
  const bool left = P.X < w.Left + Layout.SizingBorder, right = P.X >= w.Right - Layout.SizingBorder;
  const bool top = P.Y < w.Top + Layout.SizingBorder, bottom = P.Y >= w.Bottom - Layout.SizingBorder;
  const bool nearLeft = P.X < w.Left + corner, nearRight = P.X >= w.Right - corner;
  const bool nearTop = P.Y < w.Top + corner, nearBottom = P.Y >= w.Bottom - corner;
  if ((top && nearLeft) || (left && nearTop)) return HTTOPLEFT;
  if ((top && nearRight) || (right && nearTop)) return HTTOPRIGHT;
  if ((bottom && nearLeft) || (left && nearBottom)) return HTBOTTOMLEFT;
  if ((bottom && nearRight) || (right && nearBottom)) return HTBOTTOMRIGHT;
  if (left) return HTLEFT;
  if (right) return HTRIGHT;
  if (top) return HTTOP;
  if (bottom) return HTBOTTOM;
  return HTNOWHERE;
}

}  // namespace

bool HasNativeFrame(const TWindowRecord& Rec) { return !Rec.IsChild() && !(Rec.Style & WS_POPUP); }

TFrameLayout FrameLayoutOf(const TWindowRecord& Rec, const TRect& Outer) {
  TFrameLayout layout;
  layout.Window = Outer;
  const bool native = HasNativeFrame(Rec);
  const TRect inner = Normalised(InsideFrame(Outer, Rec.Style, Rec.ExStyle, native));
  layout.Inner = inner;
  if (!native && HasCaption(Rec.Style)) {
    const int border = BorderWidth(Rec.Style, Rec.ExStyle);
    const int height = CaptionHeight(Rec.Style, Rec.ExStyle);
    layout.Caption = TRect{Outer.Left + border, Outer.Top + border, Outer.Right - border, Outer.Top + border + height - 1};
    if (Rec.Style & WS_SYSMENU) {
      const int size = layout.Caption.Height() - 4;
      layout.CloseButton = Bounds(layout.Caption.Right - 2 - size, layout.Caption.Top + 2, size, size);
    }
  }
  if (!native && (Rec.Style & WS_THICKFRAME)) layout.SizingBorder = GetSystemMetrics(SM_CXFRAME);
  layout.Client = layout.Inner;
  PlaceScrollBars(layout, Rec.Style);
  return layout;
}

bool AdjustWindowRectEx(TRect& Rect, DWORD Style, bool, DWORD ExStyle) {
  const bool native = !(Style & (WS_CHILD | WS_POPUP));
  const TRect inside = InsideFrame(TRect{0, 0, 1000, 1000}, Style, ExStyle, native);
  Rect.Left -= inside.Left;
  Rect.Top -= inside.Top;
  Rect.Right += 1000 - inside.Right;
  Rect.Bottom += 1000 - inside.Bottom;
  if (Style & WS_VSCROLL) Rect.Right += GetSystemMetrics(SM_CXVSCROLL);
  if (Style & WS_HSCROLL) Rect.Bottom += GetSystemMetrics(SM_CYHSCROLL);
  return true;
}

void DefNcCalcSize(HWND Wnd, TRect& Proposed) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return;
  TRect outer = Proposed;
  OffsetRect(outer, -rec->FrameOrigin.X, -rec->FrameOrigin.Y);
  rec->Frame = FrameLayoutOf(*rec, outer);
  Proposed = rec->Frame.Client;
  OffsetRect(Proposed, rec->FrameOrigin.X, rec->FrameOrigin.Y);
}

// Frame parts first, then what the window's own frame calculation left outside them: a border
// band is HTBORDER, anything else (a frame the window draws itself) HTNOWHERE.
LRESULT DefNcHitTest(HWND Wnd, TPoint ScreenPoint) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return HTNOWHERE;
  const TPoint o = ScreenOrigin(*rec);
  const TPoint p{ScreenPoint.X - o.X, ScreenPoint.Y - o.Y};
  if (!PtInRect(TRect{0, 0, rec->Bounds.Width(), rec->Bounds.Height()}, p) || !IsInWindowRegion(*rec, p)) return HTNOWHERE;
  if (PtInRect(rec->Client, p)) return HTCLIENT;
  const TFrameLayout& f = rec->Frame;
  if (PtInRect(f.VScroll, p)) return HTVSCROLL;
  if (PtInRect(f.HScroll, p)) return HTHSCROLL;
  if (PtInRect(f.Corner, p)) return HTGROWBOX;
  if (PtInRect(f.CloseButton, p)) return HTCLOSE;
  if (PtInRect(f.Caption, p)) return HTCAPTION;
  if (!PtInRect(f.Window, p) || PtInRect(f.Inner, p)) return HTNOWHERE;
  if (f.SizingBorder > 0)
    if (const LRESULT edge = SizingEdgeAt(f, p); edge != HTNOWHERE) return edge;
  return HTBORDER;
}

bool IsInWindowRegion(const TWindowRecord& Rec, TPoint WindowPoint) {
  return !Rec.Region || Rec.Region->contains(QPoint(WindowPoint.X, WindowPoint.Y));
}

bool SetWindowRgn(HWND Wnd, const TRegion* Region, bool Redraw) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return false;
  if (Region) {
    rec->Region = QtRegion(*Region);
  } else {
    rec->Region.reset();
  }
  ApplyWidgetMask(*rec);
  if (Redraw) {
    InvalidateRect(Wnd, nullptr, true);
    InvalidateFrame(Wnd);
  }
  return true;
}

int GetWindowRgn(HWND Wnd, TRegion& Region) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec || !rec->Region) return RGN_ERROR;
  Region = FromQtRegion(*rec->Region);
  return RegionKind(Region);
}
