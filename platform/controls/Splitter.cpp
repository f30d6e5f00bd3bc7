// The splitter: finding the control it resizes and resizing it while the mouse drags.
#include "controls/Splitter.h"

#include "graphics/Gdi.h"

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetAlign(alLeft);
  SetBounds(0, 0, 3, 100);
  SetCursor(crHSplit);
  FControlStyle = (FControlStyle | csCaptureMouse) & ~csDoubleClicks;
}

void TSplitter::SetBeveled(bool Value) {
  FBeveled = Value;
  Invalidate();
}

void TSplitter::Paint() {
  TRect r = ClientRect();
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(r);
  if (FBeveled) DrawEdge(Canvas()->Handle(), r, BDR_RAISEDINNER, Vertical() ? BF_LEFT | BF_RIGHT : BF_TOP | BF_BOTTOM);
}

TControl* TSplitter::FindControl() const {
  if (!Parent()) return nullptr;
  const TRect me = BoundsRect();
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    TControl* c = Parent()->Controls(i);
    if (c == this || !c->Visible() || c->Align() != Align()) continue;
    const TRect r = c->BoundsRect();
    if ((Align() == alLeft && r.Right == me.Left) || (Align() == alRight && r.Left == me.Right) ||
        (Align() == alTop && r.Bottom == me.Top) || (Align() == alBottom && r.Top == me.Bottom))
      return c;
  }
  return nullptr;
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !(FControl = FindControl())) return;
  FDownPos = ClientToScreen({X, Y});
  FStartSize = Vertical() ? FControl->Width() : FControl->Height();
}

// The new size keeps MinSize for the control and for the room left after the splitter.
void TSplitter::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FControl) return;
  const TPoint p = ClientToScreen({X, Y});
  int delta = Vertical() ? p.X - FDownPos.X : p.Y - FDownPos.Y;
  if (Align() == alRight || Align() == alBottom) delta = -delta;
  const int available = (Vertical() ? Parent()->ClientWidth() : Parent()->ClientHeight()) - FMinSize;
  const int size = std::clamp(FStartSize + delta, FMinSize, std::max(FMinSize, available));
  if (Vertical()) FControl->SetWidth(size);
  else FControl->SetHeight(size);
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FControl) return;
  FControl = nullptr;
  if (OnMoved) OnMoved(this);
}
