// The scroll-bar control.
#include "controls/ScrollBar.h"

#include <algorithm>

TScrollBar::TScrollBar(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = csCaptureMouse | csDoubleClicks | csOpaque;
  SetTabStop(true);
  SetBounds(0, 0, 121, 17);
}

void TScrollBar::SetKind(TScrollBarKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  if (!(ComponentState() & csLoading)) SetBounds(Left(), Top(), Height(), Width());
  Invalidate();
}

void TScrollBar::SetMin(int Value) { FMin = Value, SetPosition(FPosition); }
void TScrollBar::SetMax(int Value) { FMax = Value, SetPosition(FPosition); }
void TScrollBar::SetPageSize(int Value) { FPageSize = std::max(0, Value), SetPosition(FPosition); }

int TScrollBar::MaxPosition() const { return FPageSize > 0 ? std::max(FMin, FMax - FPageSize + 1) : FMax; }

void TScrollBar::SetPosition(int Value) {
  const int pos = std::clamp(Value, FMin, std::max(FMin, MaxPosition()));
  if (pos == FPosition) return;
  FPosition = pos;
  Invalidate();
  if (OnChange && !(ComponentState() & csLoading)) OnChange(this);
}

TClientScrollBar TScrollBar::State() const {
  TClientScrollBar s;
  s.Bounds = ClientRect();
  s.Vertical = FKind == sbVertical;
  s.Min = FMin;
  s.Max = FMax;
  s.Page = static_cast<UINT>(FPageSize);
  s.Pos = FPosition;
  s.Enabled = Enabled();
  s.Pressed = FPressed;
  return s;
}

void TScrollBar::Paint() { DrawScrollBar(Canvas()->Handle(), State()); }

void TScrollBar::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    Message.Result = DLGC_WANTARROWS;
    return;
  }
  TCustomControl::Dispatch(Message);
}

void TScrollBar::Scroll(TScrollCode Code, int Pos) {
  if (OnScroll) OnScroll(this, Code, Pos);
  SetPosition(Pos);
}

void TScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FPressed = ScrollBarPartAt(State(), {X, Y});
  switch (FPressed) {
    case spLineUp: Scroll(scLineUp, FPosition - FSmallChange); break;
    case spLineDown: Scroll(scLineDown, FPosition + FSmallChange); break;
    case spPageUp: Scroll(scPageUp, FPosition - FLargeChange); break;
    case spPageDown: Scroll(scPageDown, FPosition + FLargeChange); break;
    case spThumb: {
      const TRect thumb = ScrollBarThumbRect(State());
      FThumbGrab = FKind == sbVertical ? Y - thumb.Top : X - thumb.Left;
      break;
    }
    default: break;
  }
  Invalidate();
}

void TScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (FPressed != spThumb) return;
  Scroll(scTrack, ScrollBarPositionAt(State(), (FKind == sbVertical ? Y : X) - FThumbGrab));
}

void TScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (FPressed == spThumb) Scroll(scPosition, FPosition);
  if (FPressed != spNone) Scroll(scEndScroll, FPosition);
  FPressed = spNone;
  Invalidate();
}

void TScrollBar::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  switch (Key) {
    case VK_UP:
    case VK_LEFT: Scroll(scLineUp, FPosition - FSmallChange); break;
    case VK_DOWN:
    case VK_RIGHT: Scroll(scLineDown, FPosition + FSmallChange); break;
    case VK_PRIOR: Scroll(scPageUp, FPosition - FLargeChange); break;
    case VK_NEXT: Scroll(scPageDown, FPosition + FLargeChange); break;
    case VK_HOME: Scroll(scTop, FMin); break;
    case VK_END: Scroll(scBottom, FMax); break;
    default: break;
  }
}
