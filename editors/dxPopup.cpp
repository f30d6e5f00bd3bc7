// The popup base's window messages, the cell hint window, and the popup border routines.
#include "editors/dxPopup.h"

#include <algorithm>

#include "controls/Application.h"
#include "controls/Forms.h"
#include "editors/dxDrawing.h"
#include "editors/dxInplaceEdit.h"
#include "graphics/Gdi.h"
#include "graphics/Metrics.h"
#include "windows/Focus.h"
#include "windows/MessageQueue.h"
#include "windows/NonClient.h"
#include "windows/Paint.h"
#include "windows/Services.h"

int PopupBorderWidth(TdxPopupBorder Border) {
  static constexpr int Widths[] = {0, 1, 4, 2};
  return Widths[Border];
}

void PopupClientRect(TRect& Rect, TdxPopupBorder Kind, bool Shadow, int ShadowSize) {
  const int border = PopupBorderWidth(Kind);
  InflateRect(Rect, -border, -border);
  if (Shadow) {
    Rect.Right -= ShadowSize;
    Rect.Bottom -= ShadowSize;
  }
}

TdxInplacePopupControl::TdxInplacePopupControl(TComponent* AOwner) : TCustomControl(AOwner) {}

void TdxInplacePopupControl::SetPopupBorder(TdxPopupBorder Value) {
  if (FPopupBorder == Value) return;
  FPopupBorder = Value;
  RecreateWnd();
}

void TdxInplacePopupControl::SetShadow(bool Value) {
  if (FShadow == Value) return;
  FShadow = Value;
  RecreateWnd();
}

// The popup forgets an editor that goes before it.
void TdxInplacePopupControl::SetOwnerEdit(TWinControl* Value) {
  if (FOwnerEdit == Value) return;
  if (FOwnerEdit) RemoveFreeNotification(FOwnerEdit);
  FOwnerEdit = Value;
  if (Value) Value->FreeNotification(this);
}

void TdxInplacePopupControl::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FOwnerEdit) FOwnerEdit = nullptr;
}

HWND TdxInplacePopupControl::OwnerFormWindow() const {
  TCustomForm* form = FOwnerEdit ? GetParentForm(FOwnerEdit) : nullptr;
  return form && form->HandleAllocated() ? form->Handle() : HWND();
}

// A popup is a top-level window above the editor's form.
void TdxInplacePopupControl::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  if (!FIsPopup) return;
  Params.Style = (Params.Style & ~WS_CHILD) | WS_POPUP;
  Params.ExStyle |= WS_EX_TOOLWINDOW;
  Params.WndParent = OwnerFormWindow();
}

void TdxInplacePopupControl::CreateWnd() {
  TCustomControl::CreateWnd();
  if (FIsPopup) SetPopupShadowRegion(Handle(), FShadow, FShadowSize);
}

void TdxInplacePopupControl::ShowPopup() {
  ShowWindow(Handle(), SW_SHOW);
  if (const HWND form = OwnerFormWindow()) SendMessage(form, WM_NCACTIVATE, 1, 0);
}

void TdxInplacePopupControl::HidePopup(bool Accept) {
  (void)Accept;
  if (HandleAllocated() && IsWindowVisible(Handle())) {
    SetWindowPos(Handle(), HWND(), 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    if (FOwnerEdit && Application && Application->Active() && FOwnerEdit->HandleAllocated())
      ::SetFocus(FOwnerEdit->Handle());
  }
  if (FOwnerEdit && FOwnerEdit->HandleAllocated()) PostMessage(FOwnerEdit->Handle(), WM_DXPOPUPCLOSED, 0, 0);
}

void TdxInplacePopupControl::Dispatch(TMessage& Message) {
  if (FIsPopup) {
    static constexpr TMessageEntry<TdxInplacePopupControl> Handlers[] = {
        {WM_ACTIVATE, &TdxInplacePopupControl::WMActivate},
        {WM_KILLFOCUS, &TdxInplacePopupControl::WMKillFocus},
        {WM_NCCALCSIZE, &TdxInplacePopupControl::WMNCCalcSize},
        {WM_NCPAINT, &TdxInplacePopupControl::WMNCPaint},
        {WM_SIZE, &TdxInplacePopupControl::WMSize},
    };
    if (Message.Msg == WM_MOUSEACTIVATE) {
      Message.Result = MA_NOACTIVATE;
      return;
    }
    if (DispatchTo(this, Message, Handlers)) return;
  }
  TCustomControl::Dispatch(Message);
}

void TdxInplacePopupControl::WMActivate(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  const HWND form = OwnerFormWindow();
  if (LOWORD(Message.WParam) == WA_INACTIVE && form && HWND::FromParam(Message.LParam) != form)
    SendMessage(form, WM_NCACTIVATE, 0, 0);
}

void TdxInplacePopupControl::WMKillFocus(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  HidePopup(false);
  if (auto* edit = dynamic_cast<TdxInplaceEdit*>(FOwnerEdit)) edit->FocusChanged(Message);
}

// The border (and the shadow) take their room first; the layer's frame (scroll bars) goes inside.
void TdxInplacePopupControl::WMNCCalcSize(TMessage& Message) {
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam);
  PopupClientRect(params->rgrc[0], FPopupBorder, FShadow, FShadowSize);
  TCustomControl::Dispatch(Message);
}

void TdxInplacePopupControl::WMNCPaint(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  const DWORD style = static_cast<DWORD>(GetWindowLong(Handle(), GWL_STYLE));
  const bool bothBars = (style & WS_HSCROLL) && (style & WS_VSCROLL);
  DrawPopupWindowBorder(Handle(), FPopupBorder, bothBars, FShadowSize, FShadow);
}

void TdxInplacePopupControl::WMSize(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  SetPopupShadowRegion(Handle(), FShadow, FShadowSize);
}

TdxContainerHintWindow::TdxContainerHintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetVisible(false);
  SetParentColor(false);
  SetColor(clInfoBk);
  Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
}

void TdxContainerHintWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP;
  Params.ClassStyle |= CS_SAVEBITS;
  Params.ExStyle = WS_EX_TOOLWINDOW;
  Params.WndParent = HWND();
}

void TdxContainerHintWindow::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_NCHITTEST) {
    Message.Result = HTTRANSPARENT;
    return;
  }
  if (Message.Msg == WM_MOUSEACTIVATE) {
    Message.Result = MA_NOACTIVATE;
    return;
  }
  TCustomControl::Dispatch(Message);
}

void TdxContainerHintWindow::Paint() {
  HDC dc = Canvas()->Handle();
  TRect r = ClientRect();
  DrawEdge(dc, r, BDR_RAISEDOUTER, BF_RECT);
  InflateRect(r, -1, -1);
  r.Left += 2;
  r.Top += 2;
  Canvas()->SetFont(Font());
  Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
  DrawText(dc, Caption(), -1, r, DT_WORDBREAK | DT_NOPREFIX | DT_NOCLIP);
}

void TdxContainerHintWindow::ActivateHint(TPoint Pos, const String& Text, const TFont* Font) {
  ActivateHintEx(Pos, Desktop().ScreenRect().Width(), false, Font, Text);
}

// The status-bar font of the system is 8 points; the hint takes the face and character set of
// the cell's font, and its size when asked.
void TdxContainerHintWindow::ActivateHintEx(TPoint Pos, int MaxWidth, bool UseFontSize, const TFont* Font,
                                            const String& Text) {
  SetCaption(Text);
  TFont* font = this->Font();
  font->SetSize(8);
  font->SetColor(clInfoText);
  if (Font) {
    font->SetName(Font->Name());
    font->SetCharset(Font->Charset());
    if (UseFontSize) font->SetSize(Font->Size());
  }
  const TRect screen = Desktop().ScreenRect();
  if (MaxWidth < 1) MaxWidth = screen.Width();
  HDC dc = GetDC(HWND());
  dc->SetFont(font);
  TRect r{0, 0, MaxWidth, 0};
  DrawText(dc, Text, -1, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  ReleaseDC(HWND(), dc);
  const int width = r.Width() + 6, height = r.Height() + 6;
  const int x = std::max(0, std::min(Pos.X, screen.Right - width));
  const int y = std::max(0, std::min(Pos.Y, screen.Bottom - height));
  SetBounds(x, y, width, height);
  SetVisible(true);
  SetWindowPos(Handle(), HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  Invalidate();
}

void RemovePendingMessage(HWND Wnd, UINT Msg) {
  MSG msg;
  if (PeekMessage(msg, Wnd, Msg, Msg, PM_REMOVE) && msg.message == WM_QUIT)
    PostQuitMessage(static_cast<int>(msg.wParam));
}

void DrawPopupBorder(HDC DC, TRect& R, TdxPopupBorder Kind, int ShadowSize, bool Shadow, bool FillCorner) {
  TRect shadow;
  if (Shadow) {
    R.Right -= ShadowSize;
    R.Bottom -= ShadowSize;
    shadow = R;
    OffsetRect(shadow, ShadowSize, ShadowSize);
  }
  switch (Kind) {
    case pbSingle:
      DrawEdge(DC, R, BDR_RAISEDOUTER, BF_RECT | BF_FLAT | BF_MONO);
      InflateRect(R, -1, -1);
      break;
    case pbFrame3D:
      DrawEdge(DC, R, EDGE_RAISED, BF_RECT | BF_ADJUST);
      DrawEdge(DC, R, BDR_SUNKENINNER, BF_RECT | BF_ADJUST | BF_FLAT);
      DrawEdge(DC, R, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
      break;
    case pbFlat: DrawEdge(DC, R, EDGE_RAISED, BF_RECT | BF_ADJUST); break;
    case pbDefault: break;
  }
  if (Shadow) DrawShadow(DC, shadow, ShadowSize, ShadowBrush());
  if (FillCorner) {
    const int w = GetSystemMetrics(SM_CXVSCROLL), h = GetSystemMetrics(SM_CYHSCROLL);
    FillRect(DC, {R.Right - w, R.Bottom - h, R.Right, R.Bottom}, GetSysColorBrush(COLOR_BTNFACE));
  }
}

void DrawPopupWindowBorder(HWND Wnd, TdxPopupBorder Kind, bool FillCorner, int ShadowSize, bool Shadow) {
  TRect r;
  if (!GetWindowRect(Wnd, r)) return;
  OffsetRect(r, -r.Left, -r.Top);
  HDC dc = GetWindowDC(Wnd);
  DrawPopupBorder(dc, r, Kind, ShadowSize, Shadow, FillCorner);
  ReleaseDC(Wnd, dc);
}

void SetPopupShadowRegion(HWND Wnd, bool Shadow, int ShadowSize) {
  if (!Shadow) {
    SetWindowRgn(Wnd, nullptr, true);
    return;
  }
  TRect r;
  if (!GetWindowRect(Wnd, r)) return;
  OffsetRect(r, -r.Left, -r.Top);
  r.Right -= ShadowSize;
  r.Bottom -= ShadowSize;
  TRegion region = CreateRectRgnIndirect(r);
  OffsetRect(r, ShadowSize, ShadowSize);
  CombineRgn(region, region, CreateRectRgnIndirect(r), RGN_OR);
  SetWindowRgn(Wnd, &region, true);
}
