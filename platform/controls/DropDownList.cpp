// The drop-down list window and its painting and mouse handling.
#include "controls/DropDownList.h"

#include <algorithm>

#include "graphics/Gdi.h"
#include "graphics/Metrics.h"
#include "windows/Focus.h"
#include "windows/Paint.h"
#include "windows/Services.h"

TDropDownList::~TDropDownList() { Hide(); }

void TDropDownList::Show(HWND Owner, const TRect& Anchor, const TStrings* Items, int ItemIndex, const TFont* Font,
                         int ItemHeight, int Rows) {
  Hide();
  FItems = Items;
  FFont.Assign(Font);
  FItemHeight = std::max(1, ItemHeight);
  FRows = std::max(1, std::min(Rows, std::max(1, Items->Count())));
  FTop = 0;
  FHot = -1;
  const int height = FRows * FItemHeight + 2;
  const TRect screen = Desktop().WorkArea();
  const int top = Anchor.Bottom + height <= screen.Bottom ? Anchor.Bottom : Anchor.Top - height;
  TWindowCreateParams p;
  p.ClassName = "ComboLBox";
  p.Style = WS_POPUP;
  p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  p.X = Anchor.Left;
  p.Y = top;
  p.Width = Anchor.Width();
  p.Height = height;
  p.WndParent = Owner;
  p.WndProc = [this](HWND w, UINT m, WPARAM wp, LPARAM lp) { return WndProc(w, m, wp, lp); };
  FWnd = CreateWindowEx(p);
  SetHot(ItemIndex);
  ShowWindow(FWnd, SW_SHOWNOACTIVATE);
  SetCapture(FWnd);
}

void TDropDownList::Hide() {
  if (!FWnd) return;
  const HWND wnd = FWnd;
  FWnd = HWND();
  if (GetCapture() == wnd) ReleaseCapture();
  DestroyWindow(wnd);
}

void TDropDownList::SetTop(int Index) {
  const int last = FItems ? std::max(0, FItems->Count() - FRows) : 0;
  FTop = std::clamp(Index, 0, last);
  if (FWnd) InvalidateRect(FWnd, nullptr, false);
}

void TDropDownList::SetHot(int Index) {
  if (!FItems || Index < 0 || Index >= FItems->Count()) Index = -1;
  FHot = Index;
  if (Index >= 0 && Index < FTop) SetTop(Index);
  if (Index >= FTop + FRows) SetTop(Index - FRows + 1);
  if (FWnd) InvalidateRect(FWnd, nullptr, false);
}

void TDropDownList::MoveHot(int Delta) {
  if (!FItems || FItems->Count() == 0) return;
  SetHot(std::clamp(FHot < 0 ? 0 : FHot + Delta, 0, FItems->Count() - 1));
}

TScrollBarState TDropDownList::ScrollBar() const {
  TRect client;
  GetClientRect(FWnd, client);
  InflateRect(client, -1, -1);
  TScrollBarState bar;
  bar.Bounds = {client.Right - GetSystemMetrics(SM_CXVSCROLL), client.Top, client.Right, client.Bottom};
  bar.Max = FItems->Count() - 1;
  bar.PageSize = FRows;
  bar.Position = FTop;
  return bar;
}

int TDropDownList::ItemAt(TPoint Client) const {
  TRect client;
  GetClientRect(FWnd, client);
  InflateRect(client, -1, -1);
  if (HasScrollBar()) client.Right -= GetSystemMetrics(SM_CXVSCROLL);
  if (!PtInRect(client, Client)) return -1;
  const int index = FTop + (Client.Y - client.Top) / FItemHeight;
  return index < FItems->Count() ? index : -1;
}

void TDropDownList::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(FWnd, ps);
  TRect client;
  GetClientRect(FWnd, client);
  dc->Brush()->SetColor(clWindowFrame);
  dc->FrameRect(client);
  InflateRect(client, -1, -1);
  if (HasScrollBar()) {
    PaintScrollBar(dc, ScrollBar());
    client.Right -= GetSystemMetrics(SM_CXVSCROLL);
  }
  dc->SetFont(&FFont);
  for (int row = 0; row < FRows; ++row) {
    const int index = FTop + row;
    const TRect r = Bounds(client.Left, client.Top + row * FItemHeight, client.Width(), FItemHeight);
    const bool hot = index == FHot;
    dc->Brush()->SetColor(hot ? clHighlight : clWindow);
    dc->FillRect(r);
    if (index >= FItems->Count()) continue;
    dc->Font()->SetColor(hot ? clHighlightText : FFont.Color());
    dc->Brush()->SetStyle(TBrushStyle::bsClear);
    dc->TextOut(r.Left + 2, r.Top, (*FItems)[index]);
  }
  EndPaint(FWnd, ps);
}

// The list has the capture: a press outside it cancels; a release over an item picks it.
LRESULT TDropDownList::WndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  const TPoint p = LParamToPoint(LParam);
  TRect client;
  GetClientRect(Wnd, client);
  switch (Msg) {
    case WM_PAINT: Paint(); return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
      if (FThumbGrab >= 0) {
        const TScrollBarState bar = ScrollBar();
        SetTop(ScrollPositionAt(bar, p.Y - FThumbGrab - (bar.Bounds.Top + bar.Bounds.Width())));
      } else if (const int index = ItemAt(p); index >= 0) {
        SetHot(index);
      }
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      if (!PtInRect(client, p)) {
        if (OnCancel) OnCancel();
      } else if (HasScrollBar() && ScrollPartAt(ScrollBar(), p) != spNone) {
        switch (ScrollPartAt(ScrollBar(), p)) {
          case spLineUp: SetTop(FTop - 1); break;
          case spLineDown: SetTop(FTop + 1); break;
          case spPageUp: SetTop(FTop - FRows); break;
          case spPageDown: SetTop(FTop + FRows); break;
          default: FThumbGrab = p.Y - ScrollThumbRect(ScrollBar()).Top; break;
        }
      }
      return 0;
    case WM_LBUTTONUP:
      if (FThumbGrab >= 0) {
        FThumbGrab = -1;
      } else if (const int index = ItemAt(p); index >= 0 && OnPick) {
        OnPick(index);
      }
      return 0;
    case WM_MOUSEWHEEL:
      SetTop(FTop - GET_WHEEL_DELTA_WPARAM(WParam) / WHEEL_DELTA * 3);
      return 0;
    case WM_CAPTURECHANGED:
      if (FWnd && HWND::FromParam(LParam) != FWnd && OnCancel) OnCancel();
      return 0;
    default:
      return DefWindowProc(Wnd, Msg, WParam, LParam);
  }
}
