// The check editor: its state and toggle, its glyph strip, and its input (Space, the mouse held
// over the box, the caption's accelerator, the arrows that move to the neighbouring cell).
#include "editors/dxCheckEdit.h"

#include "controls/StdPaint.h"
#include "editors/dxEditClassOf.h"
#include "rtl/ScopeExit.h"
#include "windows/Focus.h"
#include "windows/Input.h"

const TdxInplaceEditClass& CheckEditClass(bool Inplace) {
  return EditClassOf<TdxInplaceCheckEdit, TdxCheckEditClass>("TdxInplaceCheckEdit", Inplace);
}

TdxInplaceCheckEdit::TdxInplaceCheckEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceEdit(AOwner, Class) {
  SetControlStyle(csSetCaption | csDoubleClicks);
}

TBitmap* TdxInplaceCheckEdit::Glyph() {
  if (!FGlyph) FGlyph = std::make_unique<TBitmap>();
  return FGlyph.get();
}

void TdxInplaceCheckEdit::SetGlyph(const TBitmap* Value) {
  if (!Value) {
    FGlyph.reset();
  } else {
    Glyph()->Assign(Value);
  }
  LayoutChanged();
}

void TdxInplaceCheckEdit::SetGlyphCount(int Value) {
  if (FGlyphCount == Value) return;
  FGlyphCount = Value;
  if (FGlyph) LayoutChanged();
}

void TdxInplaceCheckEdit::SetShowNullFieldStyle(TdxShowNullFieldStyle Value) {
  if (FShowNullFieldStyle == Value) return;
  FShowNullFieldStyle = Value;
  InvalidateEdit();
}

void TdxInplaceCheckEdit::SetState(uint8_t Value) {
  if (FState == Value) return;
  FState = Value;
  InvalidateEdit();
  if (!(ComponentState() & csLoading)) Click();
}

// A state set as a value is no click and no change.
void TdxInplaceCheckEdit::Click() {
  if (SettingValue) return;
  TdxInplaceEdit::Click();
  Change();
}

void TdxInplaceCheckEdit::Toggle() {
  if (!CanModify()) return;
  switch (FState) {
    case cbsUnchecked: SetState(FAllowGrayed ? cbsGrayed : cbsChecked); break;
    case cbsChecked: SetState(cbsUnchecked); break;
    default: SetState(cbsChecked); break;
  }
  SetModified(true);
}

// A Null value is grayed, as an empty field shows in a check column.
void TdxInplaceCheckEdit::SetEditValue(const Variant& Value) {
  const bool modified = GetModified();
  const TValueScope<bool> setting(SettingValue, true);
  SetStateValue(Value.IsNull() ? cbsGrayed : Value.IsEmpty() ? cbsUnchecked : Value.AsInteger());
  SetModified(modified);
}

void TdxInplaceCheckEdit::GetDisplayValue(Variant& Value, bool FromData) {
  (void)FromData;
  Value = Variant(static_cast<int>(FState));
}

Variant TdxInplaceCheckEdit::GetEditValue() { return Variant(static_cast<int>(FState)); }

std::unique_ptr<TdxEditViewData> TdxInplaceCheckEdit::CreateViewData(bool IsPaint) {
  std::unique_ptr<TdxEditViewData> vd = TdxInplaceEdit::CreateViewData(IsPaint);
  auto& check = static_cast<TdxCheckEditViewData&>(*vd);
  check.Caption = Text();
  check.Glyph = FGlyph && !FGlyph->Empty() ? FGlyph.get() : nullptr;
  check.GlyphCount = FGlyphCount;
  check.ShowNullFieldStyle = FShowNullFieldStyle;
  check.Pressed = FPressed;
  // The caption is centred vertically, on one line.
  check.VertAlignment = 1;
  return vd;
}

void TdxInplaceCheckEdit::SetPressed(bool Value) {
  if (FPressed == Value) return;
  FPressed = Value;
  InvalidateEdit();
}

void TdxInplaceCheckEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_SPACE) SetPressed(true);
  if (Key == VK_LEFT || Key == VK_RIGHT) FocusAdjacentCell(Key == VK_LEFT);
  TdxInplaceEdit::KeyDown(Key, Shift);
}

void TdxInplaceCheckEdit::KeyUp(WORD& Key, TShiftState Shift) {
  if (Key == VK_SPACE && FPressed) {
    SetPressed(false);
    if (CanEditText()) Toggle();
  }
  TdxInplaceEdit::KeyUp(Key, Shift);
}

// In place a Space may arrive without its key going down (the host started editing with it).
void TdxInplaceCheckEdit::KeyPress(TKeyChar& Key) {
  if (Key == U' ' && IsInplace() && !FPressed && CanEditText()) Toggle();
  TdxInplaceEdit::KeyPress(Key);
}

void TdxInplaceCheckEdit::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TdxInplaceCheckEdit> Handlers[] = {
      {WM_LBUTTONDOWN, &TdxInplaceCheckEdit::WMLButtonDown},
      {WM_LBUTTONDBLCLK, &TdxInplaceCheckEdit::WMLButtonDown},
      {WM_MOUSEMOVE, &TdxInplaceCheckEdit::WMMouseMove},
      {WM_LBUTTONUP, &TdxInplaceCheckEdit::WMLButtonUp},
      {WM_CANCELMODE, &TdxInplaceCheckEdit::WMCancelMode},
      {WM_GETDLGCODE, &TdxInplaceCheckEdit::WMGetDlgCode},
      {CM_DIALOGCHAR, &TdxInplaceCheckEdit::CMDialogChar},
      {CM_TEXTCHANGED, &TdxInplaceCheckEdit::CMTextChanged},
  };
  if (!DispatchTo(this, Message, Handlers)) TdxInplaceEdit::Dispatch(Message);
}

void TdxInplaceCheckEdit::WMLButtonDown(TMessage& Message) {
  TdxInplaceEdit::Dispatch(Message);
  if (!HandleAllocated()) return;
  SetCapture(Handle());
  FMouseTracking = true;
  SetPressed(PtInRect(ClientRect(), LParamToPoint(Message.LParam)));
}

void TdxInplaceCheckEdit::WMMouseMove(TMessage& Message) {
  TdxInplaceEdit::Dispatch(Message);
  if (FMouseTracking) SetPressed(PtInRect(ClientRect(), LParamToPoint(Message.LParam)));
}

// Released over the box, the press toggles.
void TdxInplaceCheckEdit::WMLButtonUp(TMessage& Message) {
  const bool toggle = FMouseTracking && FPressed;
  EndTracking();
  TdxInplaceEdit::Dispatch(Message);
  if (toggle && CanEditText()) Toggle();
}

void TdxInplaceCheckEdit::EndTracking() {
  if (!FMouseTracking) return;
  FMouseTracking = false;
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
  SetPressed(false);
}

void TdxInplaceCheckEdit::WMCancelMode(TMessage& Message) {
  EndTracking();
  TdxInplaceEdit::Dispatch(Message);
}

void TdxInplaceCheckEdit::WMGetDlgCode(TMessage& Message) {
  TdxInplaceEdit::Dispatch(Message);
  if (IsInplace())
    Message.Result |= DLGC_WANTARROWS | DLGC_WANTALLKEYS;
  else
    Message.Result &= ~LRESULT(DLGC_WANTCHARS);
}

void TdxInplaceCheckEdit::CMDialogChar(TMessage& Message) {
  if (!IsAccel(static_cast<TKeyChar>(Message.WParam), Text()) || !CanFocus()) return TdxInplaceEdit::Dispatch(Message);
  SetFocus();
  if (Focused()) Toggle();
  Message.Result = 1;
}

// The caption may change the height.
void TdxInplaceCheckEdit::CMTextChanged(TMessage& Message) {
  TdxInplaceEdit::Dispatch(Message);
  LayoutChanged();
}
