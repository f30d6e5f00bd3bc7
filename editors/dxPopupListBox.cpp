// The popup lists: a top-level tool window without activation, its border and shadow in the
// non-client area, the mouse that selects and closes, and the pick list's type-ahead.
#include "editors/dxPopupListBox.h"

#include "editors/dxDropDownEdit.h"
#include "editors/dxPopup.h"
#include "graphics/Metrics.h"
#include "rtl/Text.h"
#include "windows/Focus.h"
#include "windows/NonClient.h"
#include "windows/Timers.h"
#include "windows/Window.h"

namespace {

constexpr DWORD TypeAheadPause = 2000;
constexpr int MaxSearchLength = 32;

}  // namespace

TCustomdxPopupListBox::TCustomdxPopupListBox(TComponent* AOwner) : TCustomListBox(AOwner) {
  SetTabStop(false);
  SetItemHeight(11);
}

void TCustomdxPopupListBox::SetPopupBorder(TdxPopupBorder Value) {
  if (FPopupBorder == Value) return;
  FPopupBorder = Value;
  RecreateWnd();
}

void TCustomdxPopupListBox::SetShadow(bool Value) {
  if (FShadow == Value) return;
  FShadow = Value;
  RecreateWnd();
}

int TCustomdxPopupListBox::MeasureItem() {
  TCanvas* c = Canvas();
  c->SetFont(Font());
  return c->TextHeight("Wg");
}

int TCustomdxPopupListBox::WidestItem() {
  TCanvas* c = Canvas();
  c->SetFont(Font());
  int widest = 0;
  for (int i = 0; i < Items()->Count(); ++i) widest = std::max(widest, c->TextWidth((*Items())[i]));
  return widest;
}

void TCustomdxPopupListBox::SizeToRows(int Rows, int ClientWidth, int WindowWidth) {
  const int frame = 2 * PopupBorderWidth(FPopupBorder) + (FShadow ? FShadowSize : 0);
  const int bar = Items()->Count() > Rows ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  SetBounds(Left(), Top(), WindowWidth != 0 ? WindowWidth : ClientWidth + frame + bar, Rows * ItemHeight() + frame);
}

void TCustomdxPopupListBox::ShowList() {
  SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TCustomdxPopupListBox::HideList() {
  if (!HandleAllocated()) return;
  if (GetCapture() == Handle()) ReleaseCapture();
  SetWindowPos(Handle(), HWND(), 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
}

// A top-level tool window above everything, its border drawn by the list itself.
void TCustomdxPopupListBox::CreateParams(TCreateParams& Params) {
  TCustomListBox::CreateParams(Params);
  Params.Style = (Params.Style & ~(WS_CHILD | WS_BORDER)) | WS_POPUP;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  Params.ClassStyle |= CS_SAVEBITS;
  Params.WndParent = HWND();
}

void TCustomdxPopupListBox::CreateWnd() {
  TCustomListBox::CreateWnd();
  SetPopupShadowRegion(Handle(), FShadow, FShadowSize);
}

void TCustomdxPopupListBox::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TCustomdxPopupListBox> Handlers[] = {
      {WM_NCCALCSIZE, &TCustomdxPopupListBox::WMNCCalcSize},
      {WM_NCPAINT, &TCustomdxPopupListBox::WMNCPaint},
      {WM_SIZE, &TCustomdxPopupListBox::WMSize},
      {WM_CLOSE, &TCustomdxPopupListBox::WMClose},
  };
  if (Message.Msg == WM_MOUSEACTIVATE) {
    Message.Result = MA_NOACTIVATE;
    return;
  }
  if (Message.Msg == CM_DXPOPUPVISIBLE) {
    Message.Result = 1;
    return;
  }
  if (!DispatchTo(this, Message, Handlers)) TCustomListBox::Dispatch(Message);
}

void TCustomdxPopupListBox::WMNCCalcSize(TMessage& Message) {
  PopupClientRect(reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0], FPopupBorder, FShadow, FShadowSize);
  TCustomListBox::Dispatch(Message);
}

void TCustomdxPopupListBox::WMNCPaint(TMessage& Message) {
  TCustomListBox::Dispatch(Message);
  const DWORD style = static_cast<DWORD>(GetWindowLong(Handle(), GWL_STYLE));
  DrawPopupWindowBorder(Handle(), FPopupBorder, (style & WS_HSCROLL) && (style & WS_VSCROLL), FShadowSize, FShadow);
}

void TCustomdxPopupListBox::WMSize(TMessage& Message) {
  TCustomListBox::Dispatch(Message);
  SetPopupShadowRegion(Handle(), FShadow, FShadowSize);
}

// An editor that hides closes its list without activating anything.
void TCustomdxPopupListBox::WMClose(TMessage&) { HideList(); }

// A press selects without taking the focus from the editor; the release comes back here.
void TCustomdxPopupListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    const int index = ItemAtPos({X, Y}, true);
    if (index >= 0) SetItemIndex(index);
    SetCapture(Handle());
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomdxPopupListBox::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomListBox::MouseMove(Shift, X, Y);
  if (!FHotTrack) return;
  const int index = ItemAtPos({X, Y}, true);
  if (index >= 0 && index != ItemIndex()) SetItemIndex(index);
}

// Released on the list, the editor takes the item; anywhere else it keeps its value.
void TCustomdxPopupListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && GetCapture() == Handle()) ReleaseCapture();
  TCustomListBox::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft && FOwnerEdit) FOwnerEdit->CloseUp(PtInRect(ClientRect(), TPoint{X, Y}));
}

// A character typed more than two seconds after the last starts a new search; one that no item
// begins with is taken back.
void TCustomdxPopupPickListBox::KeyPress(TKeyChar& Key) {
  TCustomdxPopupListBox::KeyPress(Key);
  if (Key == 8 || Key == 27) {
    FSearchText.clear();
    return;
  }
  if (Key < 32) return;
  const DWORD now = GetTickCount();
  if (now - FLastKeyTime > TypeAheadPause) FSearchText.clear();
  FLastKeyTime = now;
  if (Length(FSearchText) < MaxSearchLength) {
    FSearchText += CodePointToUtf8(Key);
    if (SelectString(-1, FSearchText) < 0) FSearchText = Copy(FSearchText, 1, Length(FSearchText) - 1);
  }
  Key = 0;
}
