// TCustomdxCalculator: the pocket calculator as 27 push buttons without a display of its own; it
// reads and writes its number as text through GetDisplayText and SetDisplayText, so that a
// descendant computes in another control's text. TdxPopupCalculator is the drop-down calculator
// that computes directly in an editor's text.
#pragma once

#include "editors/dxCalcEngine.h"
#include "editors/dxPopup.h"

class TdxInplaceMaskEdit;

enum TdxButtonStyle : uint8_t { bsStandard, bsFlat, bsExtraFlat };
inline constexpr const char* CalcButtonStyleNames[] = {"bsStandard", "bsFlat", "bsExtraFlat"};

using TdxCalcButtonClickEvent = std::function<void(TObject* Sender, TCalcButton& Button)>;

class TCustomdxCalculator : public TdxInplacePopupControl {
 public:
  explicit TCustomdxCalculator(TComponent* AOwner);
  String ClassName() const override { return "TCustomdxCalculator"; }

  // The font size follows the button size.
  bool AutoFontSize() const { return FAutoFontSize; }
  void SetAutoFontSize(bool Value);
  bool BeepOnError() const { return FBeepOnError; }
  void SetBeepOnError(bool Value) { FBeepOnError = Value; }
  TdxButtonStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TdxButtonStyle Value);
  // 0 none, 1 single.
  int BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(int Value);
  bool ShowButtonFrame() const { return FShowButtonFrame; }
  void SetShowButtonFrame(bool Value);
  bool ShowFocusRect() const { return FShowFocusRect; }
  void SetShowFocusRect(bool Value);
  int Precision() const { return FState.Precision; }
  void SetPrecision(int Value) { FState.Precision = static_cast<uint8_t>(std::clamp(Value, 0, 255)); }
  // A mouse press does not take the focus (the popup's way).
  void SetNoFocusOnClick(bool Value) { FNoFocusOnClick = Value; }

  const TdxCalcLayout& Layout() const { return FLayout; }
  const TdxCalcButtonInfo& ButtonInfo(TCalcButton Button) const { return FButtons[Button]; }
  bool IsButtonDown(TCalcButton Button) const;
  // "MC" and "MR" are greyed exactly while the memory is 0.
  bool IsButtonGrayed(TCalcButton Button) const;
  long double Memory() const { return FState.Memory; }
  TdxCalcEntryState EntryState() const { return FState.EntryState; }
  TCalcButton HotButton() const { return FHotButton; }
  TCalcButton ButtonAt(TPoint Point) const;

  // The display's value: 0 in the error state.
  double GetValue();
  void SetValue(double Value);
  void ButtonClick(TCalcButton Button);
  void CopyToClipboard();
  // A number from the clipboard's text (the currency symbol left out); text that is no number
  // gives 0.
  void PasteFromClipboard();
  // The sizes for a client area; then the control takes the calculator's size.
  void CalcCalculatorLayout(int ClientWidth, int ClientHeight);
  // The buttons in their places; the operands and the memory cleared.
  void InitButtons();

  // --- operations in slot order ----------------------------------------------------------------
  virtual void GetDisplayText(String& Text) { Text.clear(); }
  virtual void SetDisplayText(const String& Text) { (void)Text; }

  TNotifyEvent OnDisplayChange;
  TdxCalcButtonClickEvent OnCalcButtonClick;
  TNotifyEvent OnError;
  TNotifyEvent OnResult;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void Dispatch(TMessage& Message) override;

 private:
  void PaintButton(TCanvas& Canvas, const TdxCalcButtonInfo& Button);
  void InvalidateButton(TCalcButton Button);
  void SetButtonDown(TCalcButton Button, bool Down);
  void SetHotButton(TCalcButton Button);
  // Shows a display text that differs and reports it.
  void ShowDisplay(const String& Text);
  void PressKeyButton(TCalcButton Button);
  static TCalcButton ButtonOfKey(WORD Key, TShiftState Shift);
  static TCalcButton ButtonOfChar(TKeyChar Key);

  bool FAutoFontSize = true;
  bool FBeepOnError = true;
  TdxButtonStyle FButtonStyle = bsStandard;
  int FBorderStyle = 0;
  bool FShowButtonFrame = false;
  bool FShowFocusRect = true;
  TdxCalcLayout FLayout;
  TdxCalcState FState;
  std::array<TdxCalcButtonInfo, CalcButtonCount> FButtons;
  std::array<bool, CalcButtonCount> FDown{};
  TCalcButton FHotButton = calcNone;
  TCalcButton FMouseButton = calcNone;
  TCalcButton FKeyButton = calcNone;
  bool FMouseTracking = false;
  bool FNoFocusOnClick = false;
  bool FSizing = false;
};

// The drop-down calculator: its display is the text of the editor SetDisplayEditor names.
class TdxPopupCalculator : public TCustomdxCalculator {
 public:
  explicit TdxPopupCalculator(TComponent* AOwner);
  String ClassName() const override { return "TdxPopupCalculator"; }

  void SetDisplayEditor(TdxInplaceMaskEdit* Value);
  // "=" typed closes the popup.
  bool QuickClose() const { return FQuickClose; }
  void SetQuickClose(bool Value) { FQuickClose = Value; }

  // "0" without an editor.
  void GetDisplayText(String& Text) override;
  // Written only when the editor may be modified, which then counts as modified.
  void SetDisplayText(const String& Text) override;
  // An error left in the editor becomes "0".
  void HidePopup(bool Accept) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TdxInplaceMaskEdit* FDisplayEditor = nullptr;
  bool FQuickClose = false;
};
