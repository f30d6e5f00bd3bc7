// The speed button: its states, its group, and the classic drawing of glyph and caption.
#include "controls/SpeedButton.h"

#include "controls/StdPaint.h"
#include "graphics/Gdi.h"

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
  SetBounds(0, 0, 23, 22);
  FControlStyle = csCaptureMouse | csDoubleClicks | csOpaque;
  SetParentColor(true);
  FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetFlat(bool Value) {
  FFlat = Value;
  if (Value) FControlStyle &= ~csOpaque;
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(int Value) {
  FNumGlyphs = std::clamp(Value, 1, 4);
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout Value) {
  FLayout = Value;
  Invalidate();
}

void TSpeedButton::SetSpacing(int Value) {
  FSpacing = Value;
  Invalidate();
}

void TSpeedButton::SetMargin(int Value) {
  FMargin = Value;
  Invalidate();
}

void TSpeedButton::SetGroupIndex(int Value) {
  FGroupIndex = Value;
  if (FDown) ReleaseOthers();
}

void TSpeedButton::SetDown(bool Value) {
  if (FGroupIndex == 0) Value = false;
  if (Value == FDown) return;
  if (FDown && !FAllowAllUp && !(ComponentState() & csLoading)) return;  // one of the group stays down
  FDown = Value;
  if (Value) ReleaseOthers();
  Invalidate();
}

void TSpeedButton::ReleaseOthers() {
  if (!Parent() || FGroupIndex == 0) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i)
    if (auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
        other && other != this && other->FGroupIndex == FGroupIndex && other->FDown) {
      other->FDown = false;
      other->Invalidate();
    }
}

void TSpeedButton::Click() {
  if (FGroupIndex != 0) {
    if (!FDown) SetDown(true);
    else if (FAllowAllUp) {
      FDown = false;
      Invalidate();
    }
  }
  TGraphicControl::Click();
}

void TSpeedButton::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TSpeedButton> Handlers[] = {
      {CM_MOUSEENTER, &TSpeedButton::CMMouseEnter},
      {CM_MOUSELEAVE, &TSpeedButton::CMMouseLeave},
      {CM_ENABLEDCHANGED, &TSpeedButton::CMRepaint},
      {CM_TEXTCHANGED, &TSpeedButton::CMRepaint},
  };
  if (!DispatchTo(this, Message, Handlers)) TGraphicControl::Dispatch(Message);
}

void TSpeedButton::CMMouseEnter(TMessage& Message) {
  TGraphicControl::Dispatch(Message);
  FMouseInControl = true;
  if (FFlat && Enabled()) Invalidate();
}

void TSpeedButton::CMMouseLeave(TMessage& Message) {
  TGraphicControl::Dispatch(Message);
  FMouseInControl = false;
  if (FFlat && Enabled()) Invalidate();
}

void TSpeedButton::CMRepaint(TMessage& Message) {
  TGraphicControl::Dispatch(Message);
  Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  FTracking = true;
  FPressing = true;
  Invalidate();
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FTracking) return;
  const bool inside = PtInRect(ClientRect(), {X, Y});
  if (inside != FPressing) {
    FPressing = inside;
    Invalidate();
  }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const bool click = FTracking && Button == mbLeft && PtInRect(ClientRect(), {X, Y});
  FTracking = false;
  FPressing = false;
  Invalidate();
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (click) Click();
}

// A flat button shows its edges only under the mouse or when down; a raised one always.
void TSpeedButton::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  const bool sunken = FPressing || FDown;
  if (!FFlat) {
    DrawFrameControl(canvas->Handle(), r, DFC_BUTTON, DFCS_BUTTONPUSH | (sunken ? unsigned(DFCS_PUSHED) : 0u));
  } else {
    if (FDown && !FPressing) {
      canvas->Brush()->SetColor(cl3DLight);
      canvas->FillRect(r);
    }
    if (sunken || (FMouseInControl && Enabled())) {
      TRect edge = r;
      DrawEdge(canvas->Handle(), edge, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
  }
  InflateRect(r, -2, -2);
  PaintGlyphAndCaption(canvas, r, sunken);
}

// The glyph and the caption are placed as a block by Layout, Margin and Spacing.
void TSpeedButton::PaintGlyphAndCaption(TCanvas* Canvas, TRect R, bool Shifted) {
  if (Shifted) OffsetRect(R, 1, 1);
  TBitmap* source = PaintedGlyph();
  const bool hasGlyph = !source->Empty();
  const int gw = hasGlyph ? source->Width() / FNumGlyphs : 0;
  const int gh = hasGlyph ? source->Height() : 0;
  Canvas->SetFont(Font());
  // Without a caption the block is the glyph alone.
  TRect calc;
  if (!Caption().empty()) {
    calc = {0, 0, R.Width(), 0};
    DrawText(Canvas->Handle(), Caption(), -1, calc, DT_SINGLELINE | DT_CALCRECT);
  }
  const bool horizontal = FLayout == blGlyphLeft || FLayout == blGlyphRight;
  const int gap = hasGlyph && !Caption().empty() ? FSpacing : 0;
  const int blockW = horizontal ? gw + gap + calc.Width() : std::max(gw, calc.Width());
  const int blockH = horizontal ? std::max(gh, calc.Height()) : gh + gap + calc.Height();
  const int x = FMargin >= 0 && horizontal ? R.Left + FMargin : R.Left + (R.Width() - blockW) / 2;
  const int y = FMargin >= 0 && !horizontal ? R.Top + FMargin : R.Top + (R.Height() - blockH) / 2;
  TPoint glyph{x + (blockW - gw) / 2, y + (blockH - gh) / 2};
  TRect text{x, y + (blockH - calc.Height()) / 2, x + blockW, y + (blockH + calc.Height()) / 2};
  switch (FLayout) {
    case blGlyphLeft: glyph.X = x; text.Left = x + gw + gap; break;
    case blGlyphRight: glyph.X = x + blockW - gw; text.Right = glyph.X - gap; break;
    case blGlyphTop: glyph.Y = y; text = {x, y + gh + gap, x + blockW, y + blockH}; break;
    case blGlyphBottom: glyph.Y = y + blockH - gh; text = {x, y, x + blockW, glyph.Y - gap}; break;
  }
  if (hasGlyph) {
    const int index = !Enabled() && FNumGlyphs > 1 ? 1 : (FDown && FNumGlyphs > 3 ? 3 : (Shifted && FNumGlyphs > 2 ? 2 : 0));
    TBitmap part(gw, gh);
    part.Canvas()->CopyRect(TRect{0, 0, gw, gh}, source->Canvas(), Bounds(index * gw, 0, gw, gh));
    part.SetTransparent(true);
    Canvas->Draw(glyph.X, glyph.Y, &part);
  }
  if (!Caption().empty()) DrawCaption(Canvas, Caption(), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER, Enabled());
}
