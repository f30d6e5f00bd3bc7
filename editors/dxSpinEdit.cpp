// The spin editor: its value read from and written to the text within the range, the typing
// filter, the keys and the wheel that spin, and the buttons under the mouse with their repeat.
#include "editors/dxSpinEdit.h"

#include <cmath>

#include "editors/dxContainer.h"
#include "editors/dxEditClassOf.h"
#include "editors/dxExEdtr.h"
#include "rtl/Convert.h"
#include "rtl/FormatSettings.h"
#include "rtl/ScopeExit.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"
#include "windows/SystemServices.h"
#include "windows/Window.h"

namespace {

// The id of the repeat timer; the first repeat waits longer than the next ones.
constexpr UINT_PTR RepeatTimer = 100;
constexpr UINT FirstRepeatDelay = 400;
constexpr UINT RepeatDelay = 100;

}  // namespace

const TdxInplaceEditClass& SpinEditClass(bool Inplace) {
  return EditClassOf<TdxInplaceSpinEdit, TdxSpinEditClass>("TdxInplaceSpinEdit", Inplace);
}

TdxInplaceSpinEdit::TdxInplaceSpinEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceMaskEdit(AOwner, Class) {
  SetControlStyle(ControlStyle() & ~csSetCaption);
  SetEditTextRaw("0");
}

void TdxInplaceSpinEdit::SetMaxValue(double Value) {
  SetStoredValues(StoredValues() | svMaxValue);
  InternalSetMaxValue(Value);
}

void TdxInplaceSpinEdit::SetMinValue(double Value) {
  SetStoredValues(StoredValues() | svMinValue);
  InternalSetMinValue(Value);
}

void TdxInplaceSpinEdit::SetMinMaxValues(double Min, double Max) {
  SetStoredValues(StoredValues() | svMinValue | svMaxValue);
  InternalSetMinMaxValues(Min, Max);
}

void TdxInplaceSpinEdit::SetValueType(TdxSpinValueType Value) {
  SetStoredValues(StoredValues() | svValueType);
  InternalSetValueType(Value);
}

void TdxInplaceSpinEdit::InternalSetMaxValue(double Value) {
  Value = std::max(Value, FMinValue);
  if (Value == FMaxValue) return;
  FMaxValue = Value;
  SetValue(GetValue());
}

void TdxInplaceSpinEdit::InternalSetMinValue(double Value) {
  Value = std::min(Value, FMaxValue);
  if (Value == FMinValue) return;
  FMinValue = Value;
  SetValue(GetValue());
}

void TdxInplaceSpinEdit::InternalSetMinMaxValues(double Min, double Max) {
  FMinValue = std::min(Min, Max);
  FMaxValue = Max;
  SetValue(GetValue());
}

void TdxInplaceSpinEdit::InternalSetValueType(TdxSpinValueType Value) {
  if (Value == FValueType) return;
  FValueType = Value;
  if (!GetEditText().empty()) SetValue(GetValue());
}

double TdxInplaceSpinEdit::CheckValue(double Value) const {
  if (FMaxValue == FMinValue) return Value;
  return std::clamp(Value, FMinValue, FMaxValue);
}

double TdxInplaceSpinEdit::GetValue() {
  const String text = GetMaskedText();
  const double fallback = FValueType == svtFloat ? FMinValue : std::trunc(FMinValue);
  if (text.empty()) return fallback;
  if (FValueType == svtFloat) {
    double value = 0;
    return TryStrToFloat(text, value) ? value : fallback;
  }
  int value = 0;
  return TryStrToInt(text, value) ? value : fallback;
}

// Integers round half to even, as the processor's default rounding does.
void TdxInplaceSpinEdit::SetValue(double Value) {
  const double checked = CheckValue(Value);
  const String text = FValueType == svtFloat ? FloatToStrF(checked, ffGeneral, 15, 0)
                                             : IntToStr(static_cast<int64_t>(std::nearbyint(checked)));
  if (text != GetMaskedText()) SetMaskedText(text);
}

void TdxInplaceSpinEdit::Spin() {
  if (!CanEditText()) {
    MessageBeep(0);
    return;
  }
  if (!CanModify()) return;
  if (FPressedButton == sbUpButton) SetValue(GetValue() + GetIncrement());
  if (FPressedButton == sbDownButton) SetValue(GetValue() - GetIncrement());
  SetModified(true);
}

void TdxInplaceSpinEdit::ValidateEdit() {
  TdxInplaceMaskEdit::ValidateEdit();
  if (GetModified()) SetValue(GetValue());
}

void TdxInplaceSpinEdit::RefreshDefaults() {
  TdxInplaceMaskEdit::RefreshDefaults();
  if (!IsValueTypeStored()) InternalSetValueType(GetDefaultValueType());
  if (!IsMaxValueStored() && !IsMinValueStored()) {
    InternalSetMinMaxValues(GetDefaultMinValue(), GetDefaultMaxValue());
  } else {
    if (!IsMaxValueStored()) InternalSetMaxValue(GetDefaultMaxValue());
    if (!IsMinValueStored()) InternalSetMinValue(GetDefaultMinValue());
  }
}

void TdxInplaceSpinEdit::RestoreDefaults() {
  TdxInplaceMaskEdit::RestoreDefaults();
  InternalSetMinMaxValues(GetDefaultMinValue(), GetDefaultMaxValue());
  InternalSetValueType(GetDefaultValueType());
}

std::unique_ptr<TdxEditViewData> TdxInplaceSpinEdit::CreateViewData(bool IsPaint) {
  std::unique_ptr<TdxEditViewData> vd = TdxInplaceMaskEdit::CreateViewData(IsPaint);
  auto& spin = static_cast<TdxSpinEditViewData&>(*vd);
  spin.ButtonsVisible = IsHot() || Style()->ButtonTransparence() != ebtHideInactive;
  spin.PressedButton = FPressedButton;
  const bool keySpin = FPressedButton != sbNoButton && !(HandleAllocated() && GetCapture() == Handle());
  spin.HotButton = keySpin ? FPressedButton : FHotButton;
  return vd;
}

void TdxInplaceSpinEdit::SetHot(bool Value) {
  TdxInplaceMaskEdit::SetHot(Value);
  if (!Value) SetHotButton(sbNoButton);
}

// --- typing ------------------------------------------------------------------------------------

bool TdxInplaceSpinEdit::IsValidValueChar(TKeyChar Key) {
  const char32_t decimal = static_cast<unsigned char>(FormatSettings().DecimalSeparator);
  const bool allowed = Key == U'+' || Key == U'-' || (Key >= U'0' && Key <= U'9') ||
                       (FValueType == svtFloat && Key == decimal) || Key < 32;
  if (allowed && !FEditorEnabled && (Key == 8 || Key >= 32)) return false;
  return allowed;
}

void TdxInplaceSpinEdit::KeyPress(TKeyChar& Key) {
  if (Key == U',' || Key == U'.') Key = static_cast<unsigned char>(FormatSettings().DecimalSeparator);
  if ((Key == 8 || Key >= 32) && !IsValidValueChar(Key)) {
    MessageBeep(0);
    Key = 0;
  }
  if (Key != 0) TdxInplaceMaskEdit::KeyPress(Key);
}

void TdxInplaceSpinEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (!FEditorEnabled && IsModifyingKey(Key, Shift)) Key = 0;
  const bool arrow = Key == VK_UP || Key == VK_DOWN;
  if (!arrow || (FUseCtrlIncrement && !(Shift & ssCtrl))) return TdxInplaceMaskEdit::KeyDown(Key, Shift);
  FPressedButton = FHotButton = Key == VK_UP ? sbUpButton : sbDownButton;
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
  RepaintButtons();
  Spin();
  Key = 0;
}

void TdxInplaceSpinEdit::KeyUp(WORD& Key, TShiftState Shift) {
  if (Key == VK_UP || Key == VK_DOWN) StopSpin();
  TdxInplaceMaskEdit::KeyUp(Key, Shift);
}

// The text box would move its caret on Up and Down.
void TdxInplaceSpinEdit::DefaultHandler(TMessage& Message) {
  if (Message.Msg == WM_KEYDOWN && (Message.WParam == VK_UP || Message.WParam == VK_DOWN)) return;
  TdxInplaceMaskEdit::DefaultHandler(Message);
}

// --- buttons and the mouse -----------------------------------------------------------------------

void TdxInplaceSpinEdit::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TdxInplaceSpinEdit> Handlers[] = {
      {WM_CUT, &TdxInplaceSpinEdit::WMEditCommand},
      {WM_CLEAR, &TdxInplaceSpinEdit::WMEditCommand},
      {WM_PASTE, &TdxInplaceSpinEdit::WMEditCommand},
      {WM_KILLFOCUS, &TdxInplaceSpinEdit::WMKillFocus},
      {WM_LBUTTONUP, &TdxInplaceSpinEdit::WMStopSpin},
      {WM_CANCELMODE, &TdxInplaceSpinEdit::WMStopSpin},
      {WM_CAPTURECHANGED, &TdxInplaceSpinEdit::WMStopSpinAfter},
      {WM_MOUSEWHEEL, &TdxInplaceSpinEdit::WMMouseWheel},
      {WM_NCHITTEST, &TdxInplaceSpinEdit::WMNCHitTest},
      {WM_NCLBUTTONDOWN, &TdxInplaceSpinEdit::WMNCLButtonDown},
      {WM_NCLBUTTONDBLCLK, &TdxInplaceSpinEdit::WMNCLButtonDblClk},
      {WM_TIMER, &TdxInplaceSpinEdit::WMTimer},
  };
  if (!DispatchTo(this, Message, Handlers)) TdxInplaceMaskEdit::Dispatch(Message);
  // Under the capture no hit test runs: the pointer's moves decide whether the held button is hot.
  if (Message.Msg == WM_MOUSEMOVE && FPressedButton != sbNoButton && GetCapture() == Handle()) {
    bool inColumn = false;
    const uint8_t under = ButtonAt(ClientToScreen(LParamToPoint(Message.LParam)), inColumn);
    SetHotButton(under == FPressedButton ? FPressedButton : sbNoButton);
  }
}

void TdxInplaceSpinEdit::WMEditCommand(TMessage& Message) {
  if (FEditorEnabled) TdxInplaceMaskEdit::Dispatch(Message);
}

void TdxInplaceSpinEdit::WMKillFocus(TMessage& Message) {
  TdxInplaceMaskEdit::Dispatch(Message);
  if (GetAsyncKeyState(VK_UP) < 0 || GetAsyncKeyState(VK_DOWN) < 0) StopSpin();
}

void TdxInplaceSpinEdit::WMStopSpin(TMessage& Message) {
  StopSpin();
  TdxInplaceMaskEdit::Dispatch(Message);
}

void TdxInplaceSpinEdit::WMStopSpinAfter(TMessage& Message) {
  TdxInplaceMaskEdit::Dispatch(Message);
  StopSpin();
}

void TdxInplaceSpinEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  StopSpin();
  TdxInplaceMaskEdit::MouseUp(Button, Shift, X, Y);
}

// Up for a delta above 0, else down; the button held before is pressed again afterwards.
void TdxInplaceSpinEdit::WMMouseWheel(TMessage& Message) {
  {
    const TValueScope<uint8_t> pressed(FPressedButton,
                                       GET_WHEEL_DELTA_WPARAM(Message.WParam) > 0 ? sbUpButton : sbDownButton);
    Spin();
  }
  Message.Result = 1;
}

uint8_t TdxInplaceSpinEdit::ButtonAt(TPoint ScreenPoint, bool& InColumn) {
  InColumn = false;
  TPoint at;
  if (!HandleAllocated() || !ScreenToWindowPoint(Handle(), ScreenPoint, at)) return sbNoButton;
  TdxEditViewInfo vi;
  std::unique_ptr<TdxEditViewData> vd = WindowViewData(vi);
  const TRect column = TdxSpinEditClass::ButtonRect(vi, *vd, sbNoButton);
  if (!PtInRect(column, at)) return sbNoButton;
  InColumn = true;
  return at.Y < (column.Top + column.Bottom) / 2 ? sbUpButton : sbDownButton;
}

// Over the buttons the editor answers with its border: no text cursor, and presses come as
// non-client ones.
void TdxInplaceSpinEdit::WMNCHitTest(TMessage& Message) {
  TdxInplaceMaskEdit::Dispatch(Message);
  bool inColumn = false;
  const uint8_t candidate = ButtonAt(LParamToPoint(Message.LParam), inColumn);
  if (!inColumn) return SetHotButton(sbNoButton);
  if (GetCapture() && FPressedButton == sbNoButton) return SetHotButton(sbNoButton);
  SetHotButton(FPressedButton != sbNoButton && candidate != FPressedButton ? sbNoButton : candidate);
  Message.Result = HTBORDER;
}

// A press on a button spins once and starts the repeat; a press while the repeat of an earlier
// one still runs starts none.
void TdxInplaceSpinEdit::WMNCLButtonDown(TMessage& Message) {
  TdxInplaceMaskEdit::Dispatch(Message);
  if (FHotButton != sbNoButton) {
    FPressedButton = FHotButton;
    SetCapture(Handle());
    RepaintButtons();
    Spin();
  }
  if (FTimer == 0) {
    FTimer = SetTimer(Handle(), RepeatTimer, FirstRepeatDelay);
  } else {
    KillTimer(Handle(), FTimer);
    FTimer = 0;
  }
  if (GetFocus() != Handle() && CanFocus()) ::SetFocus(Handle());
}

// A double click counts as a second click.
void TdxInplaceSpinEdit::WMNCLButtonDblClk(TMessage& Message) {
  TdxInplaceMaskEdit::Dispatch(Message);
  StopSpin();
  if (FTimer != 0) {
    KillTimer(Handle(), FTimer);
    FTimer = 0;
  }
  SendMessage(Handle(), WM_NCLBUTTONDOWN, Message.WParam, Message.LParam);
  SendMessage(Handle(), WM_NCLBUTTONUP, Message.WParam, Message.LParam);
}

// The repeat goes on while the button is held; it pauses while the pointer is off the button.
void TdxInplaceSpinEdit::WMTimer(TMessage& Message) {
  TdxInplaceMaskEdit::Dispatch(Message);
  if (Message.WParam != RepeatTimer) return;
  KillTimer(Handle(), RepeatTimer);
  FTimer = 0;
  if (FPressedButton == sbNoButton || GetCapture() != Handle()) return;
  if (FPressedButton == FHotButton) Spin();
  FTimer = SetTimer(Handle(), RepeatTimer, RepeatDelay);
}

// The timer is left to run out on its next tick.
void TdxInplaceSpinEdit::StopSpin() {
  if (FPressedButton == sbNoButton) return;
  FPressedButton = FHotButton = sbNoButton;
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
  RepaintButtons();
}

// A first click on a button in the host both shows the editor and spins.
void TdxInplaceSpinEdit::ContainerMouseDown(int X, int Y) {
  TdxInplaceMaskEdit::ContainerMouseDown(X, Y);
  TCustomdxContainer* host = GetContainer();
  if (!host || !HandleAllocated()) return;
  TPoint p{X, Y};
  MapWindowPoints(host->Handle(), HWND(), &p, 1);
  ReleaseCapture();
  const LRESULT hit = SendMessage(Handle(), WM_NCHITTEST, 0, PointToLParam(p));
  SendMessage(Handle(), WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), PointToLParam(p));
}

void TdxInplaceSpinEdit::SetHotButton(uint8_t Value) {
  if (FHotButton == Value) return;
  FHotButton = Value;
  RepaintButtons();
}

void TdxInplaceSpinEdit::RepaintButtons() {
  if (HandleAllocated()) SendMessage(Handle(), WM_NCPAINT, 1, 0);
}
