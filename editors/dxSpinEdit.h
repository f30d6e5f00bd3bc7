// TdxInplaceSpinEdit: a masked text editor holding a number, with a column of two spin buttons
// (up over down) in its non-client area at the right. The buttons, the Up and Down keys and the
// wheel move the value by a step and keep it inside MinValue..MaxValue; a held button repeats on
// a window timer.
#pragma once

#include "editors/dxMaskEdit.h"
#include "windows/Timers.h"

enum TdxSpinValueType : uint8_t { svtInteger, svtFloat };
inline constexpr const char* SpinValueTypeNames[] = {"svtInteger", "svtFloat"};

// The spin buttons: none, up, down.
inline constexpr uint8_t sbNoButton = 0, sbUpButton = 1, sbDownButton = 2;

class TdxSpinEditViewData : public TdxTextEditViewData {
 public:
  bool ButtonsVisible = true;
  uint8_t HotButton = sbNoButton;
  uint8_t PressedButton = sbNoButton;
};

// The class operations of spin editors: the button column beside the edit area and its painting.
class TdxSpinEditClass : public TdxTextEditClass {
 public:
  std::unique_ptr<TdxEditViewData> CreateViewDataObject() const override;
  // The base rectangles, then the edit area narrowed by the button column.
  void CalcViewInfo(TdxEditViewData& ViewData, bool Calc, TdxEditViewInfo& ViewInfo) const override;
  // The border, then both buttons when they are visible.
  void DrawBorder(HDC DC, const TdxEditViewInfo& ViewInfo, TdxEditViewData& ViewData) const override;
  // The column's width: the vertical scroll bar's, made odd, at least 13, one less for the flat
  // and simple button styles; 0 without visible buttons.
  static int GetButtonWidth(const TdxEditViewData& ViewData);
  // The rectangle of the up or down button of a computed view info (full column: Button 0).
  static TRect ButtonRect(const TdxEditViewInfo& ViewInfo, const TdxEditViewData& ViewData, uint8_t Button);
};

// Paints one spin button into Rect: its frame in Style, then the arrow (Up or down) in the button
// text colour, or embossed when disabled. Transparent buttons take Brush as their face.
void DrawSpinButton(HDC DC, TRect Rect, TdxEditButtonViewStyle Style, const HBRUSH& Brush, bool Pressed, bool Hot,
                    bool Transparent, bool NoBackground, bool Enabled, bool Up);

const TdxInplaceEditClass& SpinEditClass(bool Inplace = true);

class TdxInplaceSpinEdit : public TdxInplaceMaskEdit {
 public:
  explicit TdxInplaceSpinEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = SpinEditClass());
  String ClassName() const override { return "TdxInplaceSpinEdit"; }

  // False: the text cannot be typed into, cut, cleared or pasted; spinning still works.
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  double Increment() const { return FIncrement; }
  void SetIncrement(double Value) { FIncrement = Value; }
  // Equal bounds switch the range off: the defaults (0, 0) leave the value unbounded.
  double MaxValue() const { return FMaxValue; }
  void SetMaxValue(double Value);
  bool IsMaxValueStored() const { return (StoredValues() & svMaxValue) != 0; }
  double MinValue() const { return FMinValue; }
  void SetMinValue(double Value);
  bool IsMinValueStored() const { return (StoredValues() & svMinValue) != 0; }
  // A minimum above the maximum becomes the maximum.
  void SetMinMaxValues(double Min, double Max);
  // True: Up and Down spin only with Ctrl; without it they go on to the host.
  bool UseCtrlIncrement() const { return FUseCtrlIncrement; }
  void SetUseCtrlIncrement(bool Value) { FUseCtrlIncrement = Value; }
  TdxSpinValueType ValueType() const { return FValueType; }
  void SetValueType(TdxSpinValueType Value);
  bool IsValueTypeStored() const { return (StoredValues() & svValueType) != 0; }
  uint8_t HotButton() const { return FHotButton; }
  uint8_t PressedButton() const { return FPressedButton; }
  // The value clamped into the range (no range: unchanged).
  double CheckValue(double Value) const;
  // One step in the direction of the pressed button.
  void Spin();

  // --- operations in slot order (after the mask editor's) --------------------------------------
  virtual double GetIncrement() { return FIncrement; }
  // The value of the text; an empty text or one that does not convert gives MinValue (truncated
  // for integers).
  virtual double GetValue();
  virtual bool IsValidValueChar(TKeyChar Key);
  virtual void InternalSetMaxValue(double Value);
  virtual void InternalSetMinValue(double Value);
  virtual void InternalSetMinMaxValues(double Min, double Max);
  virtual void InternalSetValueType(TdxSpinValueType Value);
  // Shows the clamped value: 15 significant digits for floats, rounded half to even for integers.
  virtual void SetValue(double Value);
  virtual double GetDefaultMaxValue() { return 0; }
  virtual double GetDefaultMinValue() { return 0; }
  virtual TdxSpinValueType GetDefaultValueType() { return svtInteger; }

  void RefreshDefaults() override;
  std::unique_ptr<TdxEditViewData> CreateViewData(bool IsPaint) override;
  bool HandlesMouseWheel() override { return true; }
  void SetHot(bool Value) override;
  void ContainerMouseDown(int X, int Y) override;
  void RestoreDefaults() override;
  void ValidateEdit() override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DefaultHandler(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

 private:
  // The button under a screen point: the hit test's own reckoning.
  uint8_t ButtonAt(TPoint ScreenPoint, bool& InColumn);
  void SetHotButton(uint8_t Value);
  void RepaintButtons();
  void StopSpin();
  void WMEditCommand(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  void WMStopSpin(TMessage& Message);
  void WMStopSpinAfter(TMessage& Message);
  void WMMouseWheel(TMessage& Message);
  void WMNCHitTest(TMessage& Message);
  void WMNCLButtonDown(TMessage& Message);
  void WMNCLButtonDblClk(TMessage& Message);
  void WMTimer(TMessage& Message);

  bool FEditorEnabled = true;
  double FIncrement = 1.0;
  double FMaxValue = 0;
  double FMinValue = 0;
  uint8_t FHotButton = sbNoButton;
  uint8_t FPressedButton = sbNoButton;
  UINT_PTR FTimer = 0;
  bool FUseCtrlIncrement = false;
  TdxSpinValueType FValueType = svtInteger;
};
