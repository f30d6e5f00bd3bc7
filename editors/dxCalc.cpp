// The calculator control: its settings, the engine behind its buttons with the display kept in
// the descendant's text, the clipboard, the layout that follows the client size, and the buttons
// pressed by the mouse and the keyboard.
#include "editors/dxCalc.h"

#include "editors/dxEditStrings.h"
#include "rtl/Convert.h"
#include "rtl/FormatSettings.h"
#include "rtl/ScopeExit.h"
#include "rtl/Text.h"
#include "windows/Clipboard.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/Paint.h"
#include "windows/SystemServices.h"
#include "windows/Window.h"

TCustomdxCalculator::TCustomdxCalculator(TComponent* AOwner) : TdxInplacePopupControl(AOwner) {
  SetControlStyle(csCaptureMouse | csOpaque);
  SetColor(clBtnFace);
  SetParentColor(false);
  SetTabStop(true);
  InitButtons();
  SetBounds(Left(), Top(), FLayout.Width, FLayout.Height);
}

void TCustomdxCalculator::SetAutoFontSize(bool Value) {
  if (FAutoFontSize == Value) return;
  FAutoFontSize = Value;
  Invalidate();
}

void TCustomdxCalculator::SetButtonStyle(TdxButtonStyle Value) {
  if (FButtonStyle == Value) return;
  FButtonStyle = Value;
  Invalidate();
}

void TCustomdxCalculator::SetBorderStyle(int Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomdxCalculator::SetShowButtonFrame(bool Value) {
  if (FShowButtonFrame == Value) return;
  FShowButtonFrame = Value;
  Invalidate();
}

void TCustomdxCalculator::SetShowFocusRect(bool Value) {
  if (FShowFocusRect == Value) return;
  FShowFocusRect = Value;
  Invalidate();
}

// Every click counts: no double clicks. A popup has no border of its own here.
void TCustomdxCalculator::CreateParams(TCreateParams& Params) {
  TdxInplacePopupControl::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN | WS_TABSTOP;
  Params.ClassStyle &= ~CS_DBLCLKS;
  if (IsPopup())
    Params.Style &= ~WS_BORDER;
  else if (FBorderStyle == 1)
    Params.ExStyle |= WS_EX_CLIENTEDGE;
}

bool TCustomdxCalculator::IsButtonDown(TCalcButton Button) const {
  return Button < calcNone && FDown[Button] && !IsButtonGrayed(Button);
}

bool TCustomdxCalculator::IsButtonGrayed(TCalcButton Button) const {
  return (Button == calcMemClear || Button == calcMemRecall) && FState.Memory == 0;
}

TCalcButton TCustomdxCalculator::ButtonAt(TPoint Point) const {
  for (const TdxCalcButtonInfo& b : FButtons)
    if (PtInRect(b.Bounds, Point)) return b.Code;
  return calcNone;
}

// --- the engine --------------------------------------------------------------------------------

double TCustomdxCalculator::GetValue() {
  GetDisplayText(FState.Display);
  return static_cast<double>(CalcDisplayValue(FState));
}

void TCustomdxCalculator::SetValue(double Value) {
  GetDisplayText(FState.Display);
  TdxCalcState next = FState;
  CalcSetValue(next, Value);
  FState.EntryState = next.EntryState;
  ShowDisplay(next.Display);
}

void TCustomdxCalculator::ShowDisplay(const String& Text) {
  String shown;
  GetDisplayText(shown);
  if (shown == Text) return;
  SetDisplayText(Text);
  if (OnDisplayChange) OnDisplayChange(this);
}

void TCustomdxCalculator::ButtonClick(TCalcButton Button) {
  if (OnCalcButtonClick) OnCalcButtonClick(this, Button);
  if (Button >= calcNone) return;
  GetDisplayText(FState.Display);
  const TdxCalcOutcome outcome = CalcButtonClick(FState, Button, dxEditorText(dxSEditError));
  ShowDisplay(FState.Display);
  if ((outcome.Error || outcome.Refused) && FBeepOnError) MessageBeep(0);
  if (outcome.Error && OnError) OnError(this);
  if (outcome.Result && OnResult) OnResult(this);
  if (outcome.MemoryChanged) {
    InvalidateButton(calcMemClear);
    InvalidateButton(calcMemRecall);
  }
}

void TCustomdxCalculator::CopyToClipboard() {
  String text;
  GetDisplayText(text);
  Clipboard().SetAsText(text);
}

void TCustomdxCalculator::PasteFromClipboard() {
  if (!Clipboard().HasFormat(CF_TEXT)) return;
  const String currency = FormatSettings().CurrencyString;
  String text = Clipboard().AsText();
  if (!currency.empty()) text = StringReplace(text, currency, "", rfReplaceAll);
  double value = 0;
  SetValue(TryStrToFloat(Trim(text), value) ? value : 0);
  FState.EntryState = esEntering;
}

// --- layout ------------------------------------------------------------------------------------

// The client area, not the window, takes the calculator's size, so that a popup's border does
// not cut the buttons.
void TCustomdxCalculator::CalcCalculatorLayout(int ClientWidth, int ClientHeight) {
  FLayout = ::CalcCalculatorLayout(ClientWidth, ClientHeight);
  FButtons = CalcButtons(FLayout, FormatSettings().DecimalSeparator);
  if (FSizing) return;
  const TValueScope<bool> sizing(FSizing, true);
  SetBounds(Left(), Top(), FLayout.Width + Width() - this->ClientWidth(),
            FLayout.Height + Height() - this->ClientHeight());
}

void TCustomdxCalculator::InitButtons() {
  FButtons = CalcButtons(FLayout, FormatSettings().DecimalSeparator);
  FDown.fill(false);
  CalcResetOperands(FState);
  Invalidate();
}

// --- mouse and keys -----------------------------------------------------------------------------

void TCustomdxCalculator::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!FNoFocusOnClick && CanFocus() && HandleAllocated() && GetFocus() != Handle()) SetFocus();
  TdxInplacePopupControl::MouseDown(Button, Shift, X, Y);
  const TCalcButton pressed = ButtonAt({X, Y});
  if (Button != mbLeft || pressed == calcNone) return;
  if (HandleAllocated()) SetCapture(Handle());
  FMouseTracking = true;
  FMouseButton = pressed;
  SetButtonDown(pressed, true);
}

void TCustomdxCalculator::MouseMove(TShiftState Shift, int X, int Y) {
  TdxInplacePopupControl::MouseMove(Shift, X, Y);
  if (FMouseTracking)
    SetButtonDown(FMouseButton, PtInRect(FButtons[FMouseButton].Bounds, TPoint{X, Y}));
  else if (FButtonStyle == bsExtraFlat && Enabled())
    SetHotButton(ButtonAt({X, Y}));
}

void TCustomdxCalculator::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TdxInplacePopupControl::MouseUp(Button, Shift, X, Y);
  if (!FMouseTracking) return;
  FMouseTracking = false;
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
  const TCalcButton pressed = FMouseButton;
  const bool down = FDown[pressed];
  SetButtonDown(pressed, false);
  FMouseButton = calcNone;
  if (Button == mbLeft && down) ButtonClick(pressed);
}

TCalcButton TCustomdxCalculator::ButtonOfKey(WORD Key, TShiftState Shift) {
  const bool ctrl = (Shift & ssCtrl) != 0;
  switch (Key) {
    case VK_RETURN: return calcEquals;
    case VK_ESCAPE: return calcClear;
    case VK_DELETE: return calcClearEntry;
    case VK_F9: return calcSign;
    case 'C': return ctrl ? calcNone : calcClear;
    case 'R': return ctrl ? calcMemRecall : calcReciprocal;
    case 'L': return ctrl ? calcMemClear : calcNone;
    case 'M': return ctrl ? calcMemStore : calcNone;
    case 'P': return ctrl ? calcMemAdd : calcNone;
    default: return calcNone;
  }
}

TCalcButton TCustomdxCalculator::ButtonOfChar(TKeyChar Key) {
  if (Key >= U'0' && Key <= U'9') return static_cast<TCalcButton>(calcDigit0 + (Key - U'0'));
  if (Key == static_cast<unsigned char>(FormatSettings().DecimalSeparator)) return calcDecimal;
  switch (Key) {
    case U'/': return calcDivide;
    case U'*': return calcMultiply;
    case U'-': return calcSubtract;
    case U'+': return calcAdd;
    case U'%': return calcPercent;
    case U'=': return calcEquals;
    case U'@': return calcSqrt;
    case 8: return calcBack;
    default: return calcNone;
  }
}

// A key held down clicks its button once; Backspace clicks on every repeat.
void TCustomdxCalculator::PressKeyButton(TCalcButton Button) {
  if (Button == calcNone) return;
  if (Button == FKeyButton && Button != calcBack) return;
  if (FKeyButton != calcNone) SetButtonDown(FKeyButton, false);
  FKeyButton = Button;
  SetButtonDown(Button, true);
  ButtonClick(Button);
}

void TCustomdxCalculator::KeyDown(WORD& Key, TShiftState Shift) {
  TdxInplacePopupControl::KeyDown(Key, Shift);
  if (Key == VK_INSERT && Shift == ssCtrl) return CopyToClipboard();
  if (Key == VK_INSERT && Shift == ssShift) return PasteFromClipboard();
  PressKeyButton(ButtonOfKey(Key, Shift));
}

void TCustomdxCalculator::KeyPress(TKeyChar& Key) {
  TdxInplacePopupControl::KeyPress(Key);
  if (Key == 3) return CopyToClipboard();
  if (Key == 22) return PasteFromClipboard();
  PressKeyButton(ButtonOfChar(Key));
}

void TCustomdxCalculator::KeyUp(WORD& Key, TShiftState Shift) {
  TdxInplacePopupControl::KeyUp(Key, Shift);
  if (FKeyButton == calcNone) return;
  SetButtonDown(FKeyButton, false);
  FKeyButton = calcNone;
}

void TCustomdxCalculator::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS; return;
    case WM_ERASEBKGND: Message.Result = 1; return;
    case WM_SIZE:
      TdxInplacePopupControl::Dispatch(Message);
      return CalcCalculatorLayout(ClientWidth(), ClientHeight());
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateButton(calcEquals); break;
    case CM_MOUSELEAVE: SetHotButton(calcNone); break;
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED: Invalidate(); break;
    default: break;
  }
  TdxInplacePopupControl::Dispatch(Message);
}

void TCustomdxCalculator::SetButtonDown(TCalcButton Button, bool Down) {
  if (Button >= calcNone || FDown[Button] == Down) return;
  FDown[Button] = Down;
  InvalidateButton(Button);
}

void TCustomdxCalculator::SetHotButton(TCalcButton Button) {
  if (FHotButton == Button) return;
  InvalidateButton(FHotButton);
  FHotButton = Button;
  InvalidateButton(Button);
}

void TCustomdxCalculator::InvalidateButton(TCalcButton Button) {
  if (Button < calcNone && HandleAllocated()) InvalidateRect(Handle(), &FButtons[Button].Bounds, false);
}
