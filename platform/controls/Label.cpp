// The label: measuring and painting its caption, and its reactions to the mouse and to its
// accelerator.
#include "controls/Label.h"

#include "graphics/Gdi.h"
#include "windows/Paint.h"

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle |= csOpaque | csReplicatable;
  SetBounds(0, 0, 65, 17);
}

unsigned TCustomLabel::TextFormat() const {
  static constexpr unsigned Align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  unsigned format = DT_EXPANDTABS | Align[FAlignment];
  if (FWordWrap) format |= DT_WORDBREAK;
  if (!FShowAccelChar) format |= DT_NOPREFIX;
  return format;
}

void TCustomLabel::Paint() {
  TCanvas* canvas = Canvas();
  const TRect client = ClientRect();
  if (!FTransparent) {
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(client);
  }
  canvas->SetFont(Font());
  TRect r = client;
  if (FLayout != tlTop) {
    TRect calc = client;
    DrawText(canvas->Handle(), Caption(), -1, calc, TextFormat() | DT_CALCRECT);
    const int offset = client.Height() - calc.Height();
    r.Top += FLayout == tlCenter ? offset / 2 : offset;
  }
  DrawCaption(canvas, Caption(), r, TextFormat(), Enabled());
}

void TCustomLabel::AdjustBounds() {
  if (!FAutoSize || (ComponentState() & csLoading)) return;
  HDC dc = GetDC(HWND());
  dc->SetFont(Font());
  TRect r{0, 0, FWordWrap ? Width() : 0, 0};
  const String text = Caption().empty() ? String(" ") : Caption();
  DrawText(dc, text, -1, r, TextFormat() | DT_CALCRECT);
  ReleaseDC(HWND(), dc);
  int left = Left();
  if (FAlignment == taRightJustify) left += Width() - r.Width();
  else if (FAlignment == taCenter) left += (Width() - r.Width()) / 2;
  SetBounds(FWordWrap ? Left() : left, Top(), r.Width(), r.Height());
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::SetAutoSize(bool Value) {
  FAutoSize = Value;
  AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  FLayout = Value;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
  FWordWrap = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
  FTransparent = Value;
  if (Value) FControlStyle &= ~csOpaque;
  else FControlStyle |= csOpaque;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  FShowAccelChar = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TCustomLabel::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TCustomLabel> Handlers[] = {
      {CM_TEXTCHANGED, &TCustomLabel::CMTextChanged},   {CM_FONTCHANGED, &TCustomLabel::CMFontChanged},
      {CM_MOUSEENTER, &TCustomLabel::CMMouseEnter},     {CM_MOUSELEAVE, &TCustomLabel::CMMouseLeave},
      {CM_DIALOGCHAR, &TCustomLabel::CMDialogChar},
  };
  if (!DispatchTo(this, Message, Handlers)) TGraphicControl::Dispatch(Message);
}

void TCustomLabel::CMTextChanged(TMessage&) {
  Invalidate();
  AdjustBounds();
}

void TCustomLabel::CMFontChanged(TMessage& Message) {
  TGraphicControl::Dispatch(Message);
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::CMMouseEnter(TMessage& Message) {
  TGraphicControl::Dispatch(Message);
  if (OnMouseEnter) OnMouseEnter(this);
}

void TCustomLabel::CMMouseLeave(TMessage& Message) {
  TGraphicControl::Dispatch(Message);
  if (OnMouseLeave) OnMouseLeave(this);
}

void TCustomLabel::CMDialogChar(TMessage& Message) {
  if (FFocusControl && Enabled() && FShowAccelChar && IsAccel(static_cast<TKeyChar>(Message.WParam), Caption()) &&
      FFocusControl->CanFocus()) {
    FFocusControl->SetFocus();
    Message.Result = 1;
  }
}
