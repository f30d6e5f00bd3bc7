// The drop-down list window, its painting, and its mouse and scroll-bar handling.
#include "controls/DropDownList.h"

#include <algorithm>
#include <utility>

#include "controls/StdPaint.h"
#include "graphics/Gdi.h"
#include "graphics/Metrics.h"
#include "windows/Paint.h"
#include "windows/Popups.h"
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
  const int height = FRows * FItemHeight + 2 * GetSystemMetrics(SM_CYBORDER);
  const TRect screen = Desktop().WorkArea();
  const int top = Anchor.Bottom + height <= screen.Bottom ? Anchor.Bottom : Anchor.Top - height;
  TWindowCreateParams p;
  p.ClassName = "ComboLBox";
  p.Style = WS_POPUP | WS_BORDER | WS_VSCROLL;
  p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  p.X = Anchor.Left;
  p.Y = top;
  p.Width = Anchor.Width();
  p.Height = height;
  p.WndParent = Owner;
  p.WndProc = [this](HWND w, UINT m, WPARAM wp, LPARAM lp) { return WndProc(w, m, wp, lp); };
  FWnd = CreateWindowEx(p);
  SetListScrollBar(FWnd, FItems->Count(), FRows, FTop);
  SetHot(ItemIndex);
  ShowPopupWindow(FWnd, Owner, [this](HWND, TPopupCloseReason) {
    if (OnCancel) OnCancel();
  });
}

void TDropDownList::Hide() {
  if (!FWnd) return;
  DestroyWindow(std::exchange(FWnd, HWND()));
}

void TDropDownList::SetTop(int Index) {
  const int last = FItems ? std::max(0, FItems->Count() - FRows) : 0;
  FTop = std::clamp(Index, 0, last);
  if (!FWnd) return;
  SetListScrollBar(FWnd, FItems->Count(), FRows, FTop);
  InvalidateRect(FWnd, nullptr, false);
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

int TDropDownList::ItemAt(TPoint Client) const {
  TRect client;
  GetClientRect(FWnd, client);
  if (!PtInRect(client, Client)) return -1;
  const int index = FTop + (Client.Y - client.Top) / FItemHeight;
  return index < FItems->Count() ? index : -1;
}

void TDropDownList::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(FWnd, ps);
  TRect client;
  GetClientRect(FWnd, client);
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

// The mouse makes the item under it hot; a release over an item picks it. Presses outside the
// list reach the layer's watch, which closes it.
LRESULT TDropDownList::WndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
    case WM_PAINT: Paint(); return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
      if (const int index = ItemAt(LParamToPoint(LParam)); index >= 0) SetHot(index);
      return 0;
    case WM_LBUTTONUP:
      if (const int index = ItemAt(LParamToPoint(LParam)); index >= 0 && OnPick) OnPick(index);
      return 0;
    case WM_VSCROLL:
      SetTop(ListScrollTarget(Wnd, WParam, FTop, FRows));
      return 0;
    case WM_MOUSEWHEEL:
      SetTop(ListWheelTarget(WParam, FTop));
      return 0;
    default:
      return DefWindowProc(Wnd, Msg, WParam, LParam);
  }
}
