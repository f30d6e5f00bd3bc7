// Push buttons and the behaviour every button control shares.
#include "controls/Button.h"

#include "graphics/Gdi.h"

TButtonControl::TButtonControl(TComponent* AOwner) : TCustomControl(AOwner) {
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clBtnFace);
  FControlStyle = csSetCaption | csCaptureMouse;  // clicks come from MouseUp; a double click is two
}

void TButtonControl::SetPressed(bool Value) {
  if (FPressed == Value) return;
  FPressed = Value;
  Invalidate();
}

void TButtonControl::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TButtonControl> Handlers[] = {
      {WM_GETDLGCODE, &TButtonControl::WMGetDlgCode},   {CM_DIALOGCHAR, &TButtonControl::CMDialogChar},
      {CM_FOCUSCHANGED, &TButtonControl::CMFocusChanged}, {CM_ENTER, &TButtonControl::CMFocusChanged},
      {CM_EXIT, &TButtonControl::CMFocusChanged},       {CM_TEXTCHANGED, &TButtonControl::CMLookChanged},
      {CM_ENABLEDCHANGED, &TButtonControl::CMLookChanged},
  };
  if (!DispatchTo(this, Message, Handlers)) TCustomControl::Dispatch(Message);
}

void TButtonControl::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_BUTTON; }

void TButtonControl::CMDialogChar(TMessage& Message) {
  if (IsAccel(static_cast<TKeyChar>(Message.WParam), Caption()) && CanFocus()) {
    SetFocus();
    if (Focused()) Click();
    Message.Result = 1;
  }
}

void TButtonControl::CMFocusChanged(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  if (Parent()) Parent()->Invalidate();  // default buttons show who takes Enter now
  Invalidate();
}

void TButtonControl::CMLookChanged(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  Invalidate();
}

// The click comes from the release, not from the press (csClickEvents clicks are done here).
void TButtonControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    FocusOnPress(this);
    FTracking = true;
    SetPressed(true);
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButtonControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (FTracking) SetPressed(PtInRect(ClientRect(), {X, Y}));
  TCustomControl::MouseMove(Shift, X, Y);
}

void TButtonControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const bool click = FTracking && Button == mbLeft && PtInRect(ClientRect(), {X, Y});
  FTracking = false;
  SetPressed(false);
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (click) Click();
}

void TButtonControl::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == VK_SPACE) SetPressed(true);
}

void TButtonControl::KeyUp(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyUp(Key, Shift);
  if (Key == VK_SPACE && FPressed) {
    SetPressed(false);
    Click();
  }
}

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) {
  SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool Value) {
  FDefault = Value;
  Invalidate();
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this); form && FModalResult != mrNone) form->SetModalResult(FModalResult);
  TButtonControl::Click();
}

bool TButton::Active() const {
  if (Focused()) return true;
  const TCustomForm* form = GetParentForm(this);
  const TWinControl* focused = form ? form->ActiveControl() : nullptr;
  return FDefault && !dynamic_cast<const TButton*>(focused);
}

void TButton::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TButton> Handlers[] = {
      {CM_DIALOGKEY, &TButton::CMDialogKey},
      {WM_GETDLGCODE, &TButton::WMGetDlgCode},
  };
  if (!DispatchTo(this, Message, Handlers)) TButtonControl::Dispatch(Message);
}

void TButton::WMGetDlgCode(TMessage& Message) {
  Message.Result = DLGC_BUTTON | (Active() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

void TButton::CMDialogKey(TMessage& Message) {
  const auto key = static_cast<WORD>(Message.WParam);
  const bool plain = (KeyDataToShiftState(Message.LParam) & (ssShift | ssAlt | ssCtrl)) == 0;
  if (plain && ((key == VK_RETURN && Active()) || (key == VK_ESCAPE && FCancel)) && CanFocus()) {
    Click();
    Message.Result = 1;
    return;
  }
  TButtonControl::Dispatch(Message);
}

// The classic push button: a black frame when Enter would press it, the caption centred, and a
// focus rectangle inside while it has the focus.
void TButton::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  if (Active() && Enabled()) {
    canvas->Brush()->SetColor(clWindowFrame);
    canvas->FrameRect(r);
    InflateRect(r, -1, -1);
  }
  DrawFrameControl(canvas->Handle(), r, DFC_BUTTON, DFCS_BUTTONPUSH | (Pressed() ? DFCS_PUSHED | DFCS_FLAT : 0));
  TRect text = r;
  if (Pressed()) OffsetRect(text, 1, 1);
  canvas->SetFont(Font());
  DrawCaption(canvas, Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, Enabled());
  if (Focused()) {
    InflateRect(r, -3, -3);
    canvas->DrawFocusRect(r);
  }
}
