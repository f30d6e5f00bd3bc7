// TdxInplaceCurrencyEdit: an amount typed as a number and shown, when not being edited, in the
// locale's currency format. Typed characters are filtered to what can still become a number with
// at most DecimalPlaces decimals; the value is clamped to MinValue..MaxValue and may be empty
// (no value) when Nullable. Edit masks do not apply.
#pragma once

#include "editors/dxMaskEdit.h"

// The locale's currency format for positive and negative amounts: the symbol (its "," and "."
// quoted) placed by the locale's positive currency format around ",0." and the currency decimals;
// two decimals, "$" and format 0 give "$,0.00;-$,0.00".
String BuildCurrencyFormat();

const TdxInplaceEditClass& CurrencyEditClass(bool Inplace = true);

class TdxInplaceCurrencyEdit : public TdxInplaceMaskEdit {
 public:
  explicit TdxInplaceCurrencyEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = CurrencyEditClass());
  String ClassName() const override { return "TdxInplaceCurrencyEdit"; }

  int DecimalPlaces() const { return FDecimalPlaces; }
  void SetDecimalPlaces(int Value) { FDecimalPlaces = std::max(Value, 0); }
  const String& DisplayFormat() const { return FDisplayFormat; }
  // Marks the format as the editor's own.
  void SetDisplayFormat(const String& Value);
  bool IsDisplayFormatStored() const { return (StoredValues() & svDisplayFormat) != 0; }
  // Equal bounds mean no range.
  double MaxValue() const { return FMaxValue; }
  void SetMaxValue(double Value);
  bool IsMaxValueStored() const { return (StoredValues() & svMaxValue) != 0; }
  double MinValue() const { return FMinValue; }
  void SetMinValue(double Value);
  bool IsMinValueStored() const { return (StoredValues() & svMinValue) != 0; }
  void SetMinMaxValues(double Min, double Max);
  // An empty text is no value and stays empty.
  bool Nullable() const { return FNullable; }
  void SetNullable(bool Value);
  // Shown for no value.
  const String& NullString() const { return FNullString; }
  void SetNullString(const String& Value);
  // The locale's thousand separator may be typed.
  bool UseThousandSeparator() const { return FUseThousandSeparator; }
  void SetUseThousandSeparator(bool Value) { FUseThousandSeparator = Value; }

  // The amount of the text: 0 for an empty text, MinValue for one that is no number.
  double Value();
  // Clamped into the range; the text changes only when it differs, the modified state stays.
  void SetValue(double Value);

  // --- operations in slot order (after the mask editor's) --------------------------------------
  // Whether Key may be typed where the selection is: a character of a number, leaving a text that
  // can still become one, with no more than DecimalPlaces decimals.
  virtual bool IsValidValueChar(TKeyChar Key);
  virtual void InternalSetDisplayFormat(const String& Value);
  virtual void InternalSetMinValue(double Value);
  virtual void InternalSetMaxValue(double Value);
  virtual void ApplyMinMax();
  virtual String GetDefaultDisplayFormat() { return BuildCurrencyFormat(); }
  virtual double GetDefaultMinValue() { return 0; }
  virtual double GetDefaultMaxValue() { return 0; }

  void ValidateEdit() override;
  void GetDisplayValue(Variant& Value, bool FromData) override;
  Variant GetEditValue() override;
  void InternalSetEditMask(const String& Value) override { (void)Value; }
  bool HasDataDefinition() override;
  void RefreshDefaults() override;

 protected:
  void KeyPress(TKeyChar& Key) override;
  void Dispatch(TMessage& Message) override;

 private:
  bool IsNullText() { return Text().empty(); }
  bool ParseText(const String& Text, double& Value) const;
  void WMPaste(TMessage& Message);
  void CMWinIniChange(TMessage& Message);

  int FDecimalPlaces = 2;
  String FDisplayFormat;
  double FMaxValue = 0;
  double FMinValue = 0;
  bool FNullable = false;
  String FNullString;
  bool FUseThousandSeparator = false;
};
