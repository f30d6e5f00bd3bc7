// Check boxes and radio buttons: their states, and the classic marks drawn beside the caption.
#include "controls/CheckBox.h"

#include "graphics/Gdi.h"
#include "rtl/ScopeExit.h"

namespace {

constexpr int MarkSize = 13;

}  // namespace

TCheckControl::TCheckControl(TComponent* AOwner) : TButtonControl(AOwner) {
  SetBounds(0, 0, 97, 17);
  SetParentColor(true);
}

void TCheckControl::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  Invalidate();
}

void TCheckControl::Click() {
  if (FToggling) return TButtonControl::Click();
  TValueScope toggling(FToggling, true);
  Toggle();
}

void TCheckControl::Changed() {
  Invalidate();
  if (ComponentState() & csLoading) return;
  TValueScope toggling(FToggling, true);
  TButtonControl::Click();
}

void TCheckControl::Paint() {
  TCanvas* canvas = Canvas();
  const TRect client = ClientRect();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(client);
  const int top = (client.Height() - MarkSize) / 2;
  const bool markLeft = FAlignment == taRightJustify;
  const int markX = markLeft ? 0 : client.Right - MarkSize;
  PaintMark(canvas, Bounds(markX, top, MarkSize, MarkSize));
  canvas->SetFont(Font());
  TRect text = markLeft ? TRect{MarkSize + 4, 0, client.Right, client.Bottom} : TRect{0, 0, markX - 4, client.Bottom};
  TRect calc = text;
  DrawText(canvas->Handle(), Caption(), -1, calc, DT_SINGLELINE | DT_CALCRECT);
  DrawCaption(canvas, Caption(), text, DT_SINGLELINE | DT_VCENTER | (markLeft ? DT_LEFT : DT_RIGHT), Enabled());
  if (Focused() && !Caption().empty()) {
    const int h = calc.Height();
    TRect focus{text.Left - 1, (client.Height() - h) / 2 - 1, text.Left + calc.Width() + 1, (client.Height() + h) / 2 + 1};
    if (!markLeft) OffsetRect(focus, text.Width() - calc.Width(), 0);
    canvas->DrawFocusRect(focus);
  }
}

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TCheckControl(AOwner) {}

void TCustomCheckBox::SetState(TCheckBoxState Value) {
  if (FState == Value) return;
  FState = Value;
  Changed();
}

void TCustomCheckBox::Toggle() {
  switch (State()) {
    case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
}

void TCustomCheckBox::PaintMark(TCanvas* Canvas, TRect R) {
  unsigned state = DFCS_BUTTONCHECK;
  if (State() == cbChecked) state |= DFCS_CHECKED;
  if (State() == cbGrayed) state = DFCS_BUTTON3STATE | DFCS_CHECKED;
  if (!Enabled() || Pressed()) state |= DFCS_INACTIVE;
  DrawFrameControl(Canvas->Handle(), R, DFC_BUTTON, state);
}

TRadioButton::TRadioButton(TComponent* AOwner) : TCheckControl(AOwner) { SetBounds(0, 0, 113, 17); }

// Checking one radio button unchecks its siblings, which then do not click.
void TRadioButton::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  SetTabStop(Value);
  if (Value && Parent()) {
    for (int i = 0; i < Parent()->ControlCount(); ++i)
      if (auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); other && other != this && other->FChecked) {
        other->FChecked = false;
        other->SetTabStop(false);
        other->Invalidate();
      }
  }
  Changed();
}

// The classic round mark: shadow and dark shadow above, highlight and light below, a dot inside.
void TRadioButton::PaintMark(TCanvas* Canvas, TRect R) {
  const TColor face = Enabled() && !Pressed() ? clWindow : clBtnFace;
  Canvas->Pen()->SetColor(clBtnShadow);
  Canvas->Brush()->SetColor(clBtnHighlight);
  Canvas->Ellipse(R.Left, R.Top, R.Left + 12, R.Top + 12);
  Canvas->Pen()->SetColor(cl3DDkShadow);
  Canvas->Brush()->SetColor(face);
  Canvas->Ellipse(R.Left + 1, R.Top + 1, R.Left + 11, R.Top + 11);
  if (!FChecked) return;
  Canvas->Pen()->SetColor(Enabled() ? clWindowText : clBtnShadow);
  Canvas->Brush()->SetColor(Enabled() ? clWindowText : clBtnShadow);
  Canvas->Ellipse(R.Left + 4, R.Top + 4, R.Left + 8, R.Top + 8);
}
