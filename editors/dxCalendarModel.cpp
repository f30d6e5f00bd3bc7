// The calendar base: the shown month, the selection between its anchor and its end, and the
// selection by the mouse with its event.
#include "editors/dxCalendar.h"

#include "graphics/Gdi.h"
#include "windows/Paint.h"

TCustomdxCalendar::TCustomdxCalendar(TComponent* AOwner)
    : TdxInplacePopupControl(AOwner), FFirstDate(Date()), FSelAnchor(FFirstDate), FSelEnd(FFirstDate) {
  SetControlStyle(ControlStyle() | csDoubleClicks);
}

TDateTime TCustomdxCalendar::GetSelStart() {
  return FSelEnd == NullDate ? FSelAnchor : std::min(FSelAnchor, FSelEnd);
}

TDateTime TCustomdxCalendar::GetSelFinish() { return std::max(FSelAnchor, FSelEnd); }

void TCustomdxCalendar::SetFirstDate(TDateTime Value) {
  if (FFirstDate != Value) FFirstDate = Value;
}

void TCustomdxCalendar::SetSelStart(TDateTime Value) {
  FSelAnchor = Value;
  FSelEnd = NullDate;
  SetSelFinish(Value);
}

void TCustomdxCalendar::SetSelFinish(TDateTime Value) {
  if (Value == FSelEnd) return;
  EnsureSelectionVisible();
  FSelEnd = Value;
  EnsureSelectionVisible();
  if (HandleAllocated()) Invalidate();
}

void TCustomdxCalendar::DoDateSelected() {
  if (OnDateSelected) OnDateSelected(this);
}

void TCustomdxCalendar::CreateParams(TCreateParams& Params) {
  TdxInplacePopupControl::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
}

// The metrics follow the font as soon as there is a window to measure with.
void TCustomdxCalendar::CreateWnd() {
  TdxInplacePopupControl::CreateWnd();
  Perform(CM_FONTCHANGED);
}

void TCustomdxCalendar::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_ERASEBKGND) {
    Message.Result = 1;
    return;
  }
  TdxInplacePopupControl::Dispatch(Message);
}

// The second press of a double click selects nothing more: its release is left alone too.
void TCustomdxCalendar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FDoubleClicked = (Shift & ssDouble) != 0;
  if (FDoubleClicked) return;
  TdxInplacePopupControl::MouseDown(Button, Shift, X, Y);
  const TDateTime date = GetDateAtPos({X, Y});
  if (Button != mbLeft) return;
  FDownDate = GetSelStart();
  if (date != NullDate) SetSelStart(date);
}

// Dragged out of the window, the selection goes back to where the press found it.
void TCustomdxCalendar::MouseMove(TShiftState Shift, int X, int Y) {
  TdxInplacePopupControl::MouseMove(Shift, X, Y);
  if (!(Shift & ssLeft)) return;
  const TDateTime date = GetDateAtPos({X, Y});
  if (date != NullDate) {
    SetSelFinish(date);
  } else if (!PtInRect(ClientRect(), TPoint{X, Y}) && FDownDate != GetSelFinish() && FDownDate != NullDate) {
    SetSelStart(FDownDate);
  }
  Update();
}

void TCustomdxCalendar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TdxInplacePopupControl::MouseUp(Button, Shift, X, Y);
  if (FDoubleClicked) {
    FDoubleClicked = false;
    return;
  }
  if (PtInRect(ClientRect(), TPoint{X, Y})) DoDateSelected();
}
