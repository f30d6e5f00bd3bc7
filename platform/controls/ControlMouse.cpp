// Mouse handling of controls: button and move messages to mouse events and clicks, implicit
// capture, cancel mode to the focused control of a form when another control is pressed, and
// finding the control under a point or holding the capture.
#include <map>
#include <utility>

#include "controls/ActnList.h"
#include "controls/Forms.h"
#include "windows/Focus.h"

namespace {

TControl* gCaptureControl = nullptr;
TPopupMenuHandler gPopupMenuHandler;

TPoint PointOf(const TMessage& Message) { return LParamToPoint(Message.LParam); }

}  // namespace

TControl* GetCaptureControl() {
  const HWND capture = GetCapture();
  if (!capture) return nullptr;
  if (gCaptureControl && gCaptureControl->Parent() && gCaptureControl->Parent()->HandleAllocated() &&
      gCaptureControl->Parent()->Handle() == capture)
    return gCaptureControl;
  return FindControl(capture);
}

void SetCaptureControl(TControl* Control) {
  gCaptureControl = nullptr;
  if (!Control) {
    ReleaseCapture();
    return;
  }
  if (auto* win = dynamic_cast<TWinControl*>(Control)) {
    SetCapture(win->Handle());
    return;
  }
  if (Control->Parent()) {
    SetCapture(Control->Parent()->Handle());
    gCaptureControl = Control;
  }
}

bool TControl::MouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool Value) {
  if (MouseCapture() == Value) return;
  SetCaptureControl(Value ? this : nullptr);
}

TPopupMenuHandler SetPopupMenuHandler(TPopupMenuHandler Handler) {
  return std::exchange(gPopupMenuHandler, std::move(Handler));
}

TControl* FindDragTarget(TPoint ScreenPoint, bool AllowDisabled) {
  TWinControl* win = FindControl(WindowFromPoint(ScreenPoint));
  if (!win) return nullptr;
  TControl* child = win->ControlAtPos(win->ScreenToClient(ScreenPoint), AllowDisabled);
  return child ? child : win;
}

void TControl::SendCancelMode(TControl* Sender) {
  for (TControl* c = this; c; c = c->Parent())
    if (auto* form = dynamic_cast<TCustomForm*>(c)) form->SendCancelMode(Sender);
}

void TControl::Click() {
  if (OnClick) {
    OnClick(this);
  } else if (FActionLink) {
    FActionLink->Execute(this);
  }
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Extra) {
  if (FControlStyle & csNoStdEvents) return;
  const TPoint p = PointOf(Message);
  MouseDown(Button, KeysToShiftState(Message.WParam) | Extra, p.X, p.Y);
}

void TControl::DoMouseUp(TMessage& Message, TMouseButton Button) {
  if (FControlStyle & csNoStdEvents) return;
  const TPoint p = PointOf(Message);
  MouseUp(Button, KeysToShiftState(Message.WParam), p.X, p.Y);
}

void TControl::WMLButtonDown(TMessage& Message) {
  SendCancelMode(this);
  DefaultHandler(Message);
  if (FControlStyle & csCaptureMouse) SetMouseCapture(true);
  if (FControlStyle & csClickEvents) FControlState |= csClicked;
  DoMouseDown(Message, mbLeft, 0);
}

// Without csDoubleClicks the second press is an ordinary press.
void TControl::WMLButtonDblClk(TMessage& Message) {
  SendCancelMode(this);
  DefaultHandler(Message);
  if (FControlStyle & csCaptureMouse) SetMouseCapture(true);
  if (!(FControlStyle & csDoubleClicks)) {
    if (FControlStyle & csClickEvents) FControlState |= csClicked;
    DoMouseDown(Message, mbLeft, 0);
    return;
  }
  if (FControlStyle & csClickEvents) DblClick();
  DoMouseDown(Message, mbLeft, ssDouble);
}

void TControl::WMLButtonUp(TMessage& Message) {
  DefaultHandler(Message);
  if (FControlStyle & csCaptureMouse) SetMouseCapture(false);
  if (FControlState & csClicked) {
    FControlState &= ~csClicked;
    if (PtInRect(ClientRect(), PointOf(Message))) Click();
  }
  DoMouseUp(Message, mbLeft);
}

void TControl::WMRButtonDown(TMessage& Message) {
  SendCancelMode(this);
  DefaultHandler(Message);
  DoMouseDown(Message, mbRight, 0);
}

void TControl::WMRButtonDblClk(TMessage& Message) {
  SendCancelMode(this);
  DefaultHandler(Message);
  DoMouseDown(Message, mbRight, ssDouble);
}

void TControl::WMRButtonUp(TMessage& Message) {
  DefaultHandler(Message);
  DoMouseUp(Message, mbRight);
}

void TControl::WMMButtonDown(TMessage& Message) {
  SendCancelMode(this);
  DefaultHandler(Message);
  DoMouseDown(Message, mbMiddle, 0);
}

void TControl::WMMButtonDblClk(TMessage& Message) {
  SendCancelMode(this);
  DefaultHandler(Message);
  DoMouseDown(Message, mbMiddle, ssDouble);
}

void TControl::WMMButtonUp(TMessage& Message) {
  DefaultHandler(Message);
  DoMouseUp(Message, mbMiddle);
}

void TControl::WMMouseMove(TMessage& Message) {
  DefaultHandler(Message);
  if (FControlStyle & csNoStdEvents) return;
  const TPoint p = PointOf(Message);
  MouseMove(KeysToShiftState(Message.WParam), p.X, p.Y);
}

void TControl::WMCancelMode(TMessage& Message) {
  DefaultHandler(Message);
  if (MouseCapture()) {
    SetMouseCapture(false);
    if (FControlState & csLButtonDown) Perform(WM_LBUTTONUP, 0, MAKELPARAM(-1, -1));
  }
  FControlState &= ~csLButtonDown;
}

void TControl::DoContextPopup(TPoint MousePos, bool& Handled) {
  if (OnContextPopup) OnContextPopup(this, MousePos, Handled);
}

// The control's own step may handle the request; else a control with a popup menu shows it and
// the others leave the message to their parent.
void TControl::WMContextMenu(TMessage& Message) {
  const TPoint screen = LParamToPoint(Message.LParam);
  const bool keyboard = screen.X == -1 && screen.Y == -1;
  bool handled = false;
  DoContextPopup(keyboard ? screen : ScreenToClient(screen), handled);
  if (handled) {
    Message.Result = 1;
    return;
  }
  if (FPopupMenu && gPopupMenuHandler) {
    TPoint at = LParamToPoint(Message.LParam);
    if (at.X == -1 && at.Y == -1) at = ClientToScreen(TPoint{0, 0});
    if (gPopupMenuHandler(FPopupMenu, this, at)) {
      Message.Result = 1;
      return;
    }
  }
  DefaultHandler(Message);
}
