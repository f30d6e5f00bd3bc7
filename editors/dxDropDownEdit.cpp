// The drop-down editor: its properties, the popup's border and place, opening and closing, the
// keys and the wheel an open popup takes, and the button under the mouse.
#include "editors/dxDropDownEdit.h"

#include "controls/Application.h"
#include "editors/dxContainer.h"
#include "editors/dxDrawing.h"
#include "editors/dxEditClassOf.h"
#include "editors/dxExEdtr.h"
#include "editors/dxPopup.h"
#include "editors/dxPopupListBox.h"
#include "graphics/Metrics.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"
#include "windows/Scrolling.h"
#include "windows/Window.h"

const TdxInplaceEditClass& DropDownEditClass(bool Inplace) {
  return EditClassOf<TdxInplaceDropDownEdit, TdxDropDownEditClass>("TdxInplaceDropDownEdit", Inplace);
}

TdxInplaceDropDownEdit::TdxInplaceDropDownEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceMaskEdit(AOwner, Class) {}

TBitmap* TdxInplaceDropDownEdit::ButtonGlyph() {
  if (!FButtonGlyph) FButtonGlyph = std::make_unique<TBitmap>();
  return FButtonGlyph.get();
}

void TdxInplaceDropDownEdit::SetButtonGlyph(const TBitmap* Value) {
  if (!Value || Value->Empty())
    FButtonGlyph.reset();
  else
    ButtonGlyph()->Assign(Value);
  LayoutChanged();
}

void TdxInplaceDropDownEdit::SetPopupControl(TWinControl* Value) {
  if (FPopupControl == Value) return;
  if (FPopupControl) RemoveFreeNotification(FPopupControl);
  FPopupControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TdxInplaceDropDownEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TdxInplaceMaskEdit::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupControl) {
    FPopupControl = nullptr;
    FPopupShown = false;
  }
}

std::unique_ptr<TdxEditViewData> TdxInplaceDropDownEdit::CreateViewData(bool IsPaint) {
  std::unique_ptr<TdxEditViewData> vd = TdxInplaceMaskEdit::CreateViewData(IsPaint);
  auto& dd = static_cast<TdxDropDownEditViewData&>(*vd);
  dd.Glyph = IsButtonGlyphStored() ? FButtonGlyph.get() : nullptr;
  dd.TransparentButtons = Style()->ButtonTransparence() == ebtHideInactive && !dd.Focused;
  dd.HotButton = FHotButton;
  dd.PressedButton = FPressedButton;
  return vd;
}

TdxPopupBorder TdxInplaceDropDownEdit::GetPopupBorderStyle() {
  if (FDropDownOptions.PopupBorder != pbDefault) return FDropDownOptions.PopupBorder;
  if (TCustomdxContainer* host = GetContainer()) return host->GetEditPopupBorder();
  switch (Style()->BorderStyle()) {
    case xbsFlat: return pbFlat;
    case xbsSingle:
    case xbs3D: return pbSingle;
    default: return pbFrame3D;
  }
}

bool TdxInplaceDropDownEdit::IsPopupVisible() {
  if (!FPopupControl || !FPopupControl->HandleAllocated() || !IsWindowVisible(FPopupControl->Handle())) return false;
  return FEditorDrivenPopup || GetFocus() == FPopupControl->Handle();
}

void TdxInplaceDropDownEdit::SetDroppedDown(bool Value) {
  if (Value == IsPopupVisible()) return;
  if (Value)
    PostMessage(Handle(), WM_DXDROPDOWN, 0, 0);
  else
    CloseUp(false);
}

void TdxInplaceDropDownEdit::RestoreFocus() {
  if (!HandleAllocated() || GetFocus() == Handle()) return;
  if (CanFocus() && IsWindowVisible(Handle()) && Application && Application->Active()) ::SetFocus(Handle());
}

void TdxInplaceDropDownEdit::StylePopupList(TCustomdxPopupListBox& List) {
  List.SetColor(Color());
  List.SetFont(Font());
  List.SetPopupBorder(GetPopupBorderStyle());
  List.SetShadow(Style()->Shadow());
}

void TdxInplaceDropDownEdit::ShowPopupList(TCustomdxPopupListBox& List, bool AdjustWidth) {
  PositionPopup(&List, AdjustWidth);
  List.ShowList();
  SetPopupShown(true);
  InvalidateFrame(Handle());
}

void TdxInplaceDropDownEdit::HidePopupList(TCustomdxPopupListBox& List) {
  if (const HWND capture = GetCapture()) SendMessage(capture, WM_CANCELMODE, 0, 0);
  RestoreFocus();
  List.HideList();
  SetPopupShown(false);
  if (HandleAllocated()) InvalidateFrame(Handle());
}

bool TdxInplaceDropDownEdit::IsFocused() {
  return TdxInplaceMaskEdit::IsFocused() ||
         (FPopupControl && FPopupControl->HandleAllocated() && GetFocus() == FPopupControl->Handle());
}

// Below the edit area (the client area less the buttons); above it, or moved left, when the work
// area has no room there.
void TdxInplaceDropDownEdit::PositionPopup(TWinControl* Popup, bool AdjustWidth) {
  TRect r;
  GetWindowRect(Handle(), r);
  std::unique_ptr<TdxEditViewData> vd = CreateViewData(false);
  vd->Bounds = {0, 0, r.Width(), r.Height()};
  TdxEditViewInfo vi;
  EditClass().CalcViewInfo(*vd, false, vi);
  const int width = vi.ClientRect.Width() + (vd->Shadow ? 2 : 0);
  if (AdjustWidth && width > Popup->Width()) Popup->SetWidth(width);
  r.Left += vi.ClientRect.Left;
  r.Right = r.Left + width;
  if (vd->BorderStyle == xbsNone || vd->BorderStyle == xbsSingle) {
    InflateRect(r, 0, -1);
    if (!IsInplace() && vd->BorderStyle == xbsNone) InflateRect(r, 0, -1);
  }
  TPoint at{r.Left, r.Bottom};
  if (FDropDownOptions.PopupAlignment == taRightJustify) at.X = r.Right - Popup->Width();
  if (FDropDownOptions.PopupAlignment == taCenter) at.X = (r.Left + r.Right) / 2 - Popup->Width() / 2;
  FitPopupToWorkArea(at, Popup->Width(), Popup->Height(), r.Height());
  Popup->SetBounds(at.X, at.Y, Popup->Width(), Popup->Height());
}

void TdxInplaceDropDownEdit::ButtonMouseDown(bool ByClick, int Index) {
  if (FPopupControl && FPopupShown && FEditorDrivenPopup) return CloseUp(false);
  if (FPopupShown) return;
  FPressedButton = FHotButton;
  if (!ByClick && HandleAllocated()) SetCapture(Handle());
  RepaintButtons();
  if (Index >= 0) SetDroppedDown(true);
}

void TdxInplaceDropDownEdit::ButtonClick(int Index) {
  (void)Index;
  if (OnEditButtonClick) OnEditButtonClick(this);
}

void TdxInplaceDropDownEdit::ButtonUp(String& Value, bool& Accept) {
  if (OnCloseUp) OnCloseUp(this, Value, Accept);
}

void TdxInplaceDropDownEdit::DoDropDownEvents() {
  if (OnHostDropDown) OnHostDropDown(this);
  if (OnDropDown) OnDropDown(this);
}

void TdxInplaceDropDownEdit::AfterShowEdit() {
  TdxInplaceMaskEdit::AfterShowEdit();
  if (FDropDownOptions.ImmediatePopup) SetDroppedDown(true);
}

void TdxInplaceDropDownEdit::Hide() {
  if (FPopupControl && FPopupControl->HandleAllocated() && IsWindowVisible(FPopupControl->Handle()))
    PostMessage(FPopupControl->Handle(), WM_CLOSE, 0, 0);
  FPopupShown = false;
  TdxInplaceMaskEdit::Hide();
}

void TdxInplaceDropDownEdit::Show() {
  FPopupShown = false;
  TdxInplaceMaskEdit::Show();
}

// A press on a cell that starts editing reaches the button under it.
void TdxInplaceDropDownEdit::ContainerMouseDown(int X, int Y) {
  TCustomdxContainer* host = GetContainer();
  if (!host || !HandleAllocated()) return;
  const LPARAM at = PointToLParam(host->ClientToScreen(TPoint{X, Y}));
  ReleaseCapture();
  const LRESULT hit = Perform(WM_NCHITTEST, 0, at);
  Perform(WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), at);
}

void TdxInplaceDropDownEdit::ContainerClick() {
  if (ClickOpensPopup && !FPopupShown) DropDown();
}

void TdxInplaceDropDownEdit::SetHot(bool Value) {
  TdxInplaceMaskEdit::SetHot(Value);
  if (!Value) SetHotButton(-1);
}

// Alt+Up, Alt+Down and F4 open a popup that takes the focus itself.
void TdxInplaceDropDownEdit::KeyDown(WORD& Key, TShiftState Shift) {
  const bool alt = (Shift & ssAlt) != 0;
  if (!FEditorDrivenPopup && (((Key == VK_UP || Key == VK_DOWN) && alt) || (Key == VK_F4 && !alt))) {
    DropDown();
    Key = 0;
    return;
  }
  TdxInplaceMaskEdit::KeyDown(Key, Shift);
}

// The keys that open and close a popup the editor drives; after Enter its character goes nowhere.
void TdxInplaceDropDownEdit::DropDownKeyDown(WORD& Key, TShiftState Shift) {
  const bool alt = (Shift & ssAlt) != 0;
  if (((Key == VK_UP || Key == VK_DOWN) && alt) || (Key == VK_F4 && !alt)) {
    if (FPopupShown)
      CloseUp(true);
    else
      DropDown();
    Key = 0;
  } else if ((Key == VK_RETURN || Key == VK_ESCAPE) && !alt && FPopupShown) {
    CloseUp(Key == VK_RETURN);
    if (Key == VK_RETURN && HandleAllocated()) RemovePendingMessage(Handle(), WM_CHAR);
    Key = 0;
  }
}

void TdxInplaceDropDownEdit::WndProc(TMessage& Message) {
  const bool key = Message.Msg == WM_KEYDOWN || Message.Msg == WM_SYSKEYDOWN || Message.Msg == WM_CHAR;
  if (key && FEditorDrivenPopup && RouteKeyToPopup(Message)) return;
  TdxInplaceMaskEdit::WndProc(Message);
}

// Answers true when the message went no further than the popup.
bool TdxInplaceDropDownEdit::RouteKeyToPopup(TMessage& Message) {
  const bool keyDown = Message.Msg != WM_CHAR;
  auto key = static_cast<WORD>(Message.WParam);
  if (keyDown) {
    DropDownKeyDown(key, KeyDataToShiftState(Message.LParam));
    if (key == 0) return true;
  }
  if (!FPopupShown || !FPopupControl || !FPopupControl->HandleAllocated()) return false;
  const HWND popup = FPopupControl->Handle();
  if (!FTypingFilters) {
    SendMessage(popup, Message.Msg, Message.WParam, Message.LParam);
    return true;
  }
  if (!keyDown || key == VK_BACK || key == VK_DELETE) {
    TdxInplaceMaskEdit::WndProc(Message);
    SyncPopupSelection(GetEditText());
    return true;
  }
  if (Message.Msg == WM_SYSKEYDOWN && key == VK_F4) return false;
  const bool caretKey = key == VK_END || key == VK_HOME || key == VK_LEFT || key == VK_RIGHT;
  if (caretKey && HasEditArea()) TdxInplaceMaskEdit::WndProc(Message);
  if (caretKey || key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN)
    SendMessage(popup, Message.Msg, Message.WParam, Message.LParam);
  return true;
}

void TdxInplaceDropDownEdit::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TdxInplaceDropDownEdit> Handlers[] = {
      {WM_NCHITTEST, &TdxInplaceDropDownEdit::WMNCHitTest},
      {WM_NCLBUTTONDOWN, &TdxInplaceDropDownEdit::WMNCLButtonDown},
      {WM_NCLBUTTONDBLCLK, &TdxInplaceDropDownEdit::WMNCLButtonDown},
      {WM_LBUTTONDOWN, &TdxInplaceDropDownEdit::WMLButtonDown},
      {WM_LBUTTONDBLCLK, &TdxInplaceDropDownEdit::WMLButtonDown},
      {WM_LBUTTONUP, &TdxInplaceDropDownEdit::WMLButtonUp},
      {WM_MOUSEMOVE, &TdxInplaceDropDownEdit::WMMouseMove},
      {WM_MOUSEWHEEL, &TdxInplaceDropDownEdit::WMMouseWheel},
      {WM_CANCELMODE, &TdxInplaceDropDownEdit::WMCancelMode},
      {WM_CAPTURECHANGED, &TdxInplaceDropDownEdit::WMCancelMode},
      {WM_KILLFOCUS, &TdxInplaceDropDownEdit::WMKillFocus},
      {WM_GETDLGCODE, &TdxInplaceDropDownEdit::WMGetDlgCode},
      {CM_CANCELMODE, &TdxInplaceDropDownEdit::CMCancelMode},
      {WM_DXPOPUPCLOSED, &TdxInplaceDropDownEdit::WMPopupClosed},
      {WM_DXDROPDOWN, &TdxInplaceDropDownEdit::WMDropDown},
      {CM_DXPOPUPVISIBLE, &TdxInplaceDropDownEdit::CMPopupVisible},
  };
  if (!DispatchTo(this, Message, Handlers)) TdxInplaceMaskEdit::Dispatch(Message);
}

// The button under a screen point, tested from the last to the first; -1 for none.
int TdxInplaceDropDownEdit::ButtonAt(TPoint ScreenPoint) {
  TPoint at;
  if (!HandleAllocated() || !ScreenToWindowPoint(Handle(), ScreenPoint, at)) return -1;
  TdxEditViewInfo vi;
  std::unique_ptr<TdxEditViewData> vd = WindowViewData(vi);
  const auto& buttons = static_cast<TdxDropDownEditViewData&>(*vd).Buttons;
  for (int i = static_cast<int>(buttons.size()) - 1; i >= 0; --i)
    if (PtInRect(buttons[static_cast<size_t>(i)].Bounds, at)) return i;
  return -1;
}

void TdxInplaceDropDownEdit::SetHotButton(int Index) {
  if (FHotButton == Index) return;
  FHotButton = Index;
  RepaintButtons();
}

void TdxInplaceDropDownEdit::RepaintButtons() {
  if (HandleAllocated()) SendMessage(Handle(), WM_NCPAINT, 1, 0);
}

void TdxInplaceDropDownEdit::ReleaseButton() {
  if (FPressedButton < 0) return;
  FPressedButton = -1;
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
  RepaintButtons();
}

// Over a button the editor answers with its border, so that a press there is a non-client one.
void TdxInplaceDropDownEdit::WMNCHitTest(TMessage& Message) {
  TdxInplaceMaskEdit::Dispatch(Message);
  const int button = ButtonAt(LParamToPoint(Message.LParam));
  if (button < 0) return SetHotButton(-1);
  if (!GetCapture() || FPressedButton >= 0) SetHotButton(FPressedButton < 0 || FPressedButton == button ? button : -1);
  Message.Result = HTBORDER;
}

void TdxInplaceDropDownEdit::WMNCLButtonDown(TMessage& Message) {
  TdxInplaceMaskEdit::Dispatch(Message);
  if (FHotButton >= 0) ButtonMouseDown(false, FHotButton);
  if (HandleAllocated() && GetFocus() != Handle() && CanFocus()) ::SetFocus(Handle());
}

void TdxInplaceDropDownEdit::WMLButtonDown(TMessage& Message) {
  TdxInplaceMaskEdit::Dispatch(Message);
  if (ClickOpensPopup) ButtonMouseDown(true, 0);
}

void TdxInplaceDropDownEdit::WMLButtonUp(TMessage& Message) {
  const int pressed = FPressedButton;
  const int clicked = pressed >= 0 && pressed == FHotButton ? pressed : -1;
  ReleaseButton();
  TdxInplaceMaskEdit::Dispatch(Message);
  if (clicked >= 0) ButtonClick(clicked);
}

// A drag from the pressed button onto the open popup goes on as the popup's own selection.
void TdxInplaceDropDownEdit::WMMouseMove(TMessage& Message) {
  TdxInplaceMaskEdit::Dispatch(Message);
  const bool dragging = FPressedButton >= 0 || (ClickOpensPopup && (Message.WParam & MK_LBUTTON));
  if (!dragging) return;
  const TPoint screen = ClientToScreen(LParamToPoint(Message.LParam));
  if (FPopupControl && FPopupShown && FPopupControl->HandleAllocated()) {
    TRect popup;
    GetWindowRect(FPopupControl->Handle(), popup);
    if (PtInRect(popup, screen)) {
      ReleaseButton();
      SendMessage(FPopupControl->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(FPopupControl->ScreenToClient(screen)));
      return;
    }
  }
  if (FPressedButton >= 0) SetHotButton(ButtonAt(screen) == FPressedButton ? FPressedButton : -1);
}

// Downwards (a delta below 1) scrolls an open popup a line down, else moves to the next item.
void TdxInplaceDropDownEdit::WMMouseWheel(TMessage& Message) {
  const bool down = GET_WHEEL_DELTA_WPARAM(Message.WParam) < 1;
  if (FPopupControl && FPopupShown && FPopupControl->HandleAllocated())
    SendMessage(FPopupControl->Handle(), WM_VSCROLL, down ? SB_LINEDOWN : SB_LINEUP, 0);
  else
    ScrollItem(down ? 1 : -1, false);
  Message.Result = 1;
}

void TdxInplaceDropDownEdit::WMCancelMode(TMessage& Message) {
  ReleaseButton();
  TdxInplaceMaskEdit::Dispatch(Message);
}

// Losing the focus closes the popup without accepting, unless the popup itself took the focus.
void TdxInplaceDropDownEdit::WMKillFocus(TMessage& Message) {
  TdxInplaceMaskEdit::Dispatch(Message);
  const HWND to = HWND::FromParam(static_cast<intptr_t>(Message.WParam));
  if (!(FPopupControl && FPopupControl->HandleAllocated() && to == FPopupControl->Handle())) CloseUp(false);
}

void TdxInplaceDropDownEdit::WMGetDlgCode(TMessage& Message) {
  TdxInplaceMaskEdit::Dispatch(Message);
  if (IsPopupVisible() || IsInplace()) Message.Result |= DLGC_WANTALLKEYS;
}

void TdxInplaceDropDownEdit::CMCancelMode(TMessage& Message) {
  TdxInplaceMaskEdit::Dispatch(Message);
  const auto* sender = reinterpret_cast<const TControl*>(Message.LParam);
  if (sender && sender != this && sender != FPopupControl) CloseUp(false);
}

void TdxInplaceDropDownEdit::WMPopupClosed(TMessage&) { FPopupShown = false; }

void TdxInplaceDropDownEdit::WMDropDown(TMessage&) { DropDown(); }

void TdxInplaceDropDownEdit::CMPopupVisible(TMessage& Message) { Message.Result = IsPopupVisible(); }
