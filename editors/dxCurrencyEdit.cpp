// The currency editor: the locale's currency display format, the filter that lets only what can
// still become a number be typed, the amount parsed, clamped and formatted back, and the empty text
// that stands for no value.
#include "editors/dxCurrencyEdit.h"

#include "editors/dxEditClassOf.h"
#include "rtl/Convert.h"
#include "rtl/FormatSettings.h"
#include "rtl/Text.h"
#include "windows/Input.h"
#include "windows/SystemServices.h"

namespace {

bool IsDigit(char32_t C) { return C >= U'0' && C <= U'9'; }

// Whether Text is the beginning of a number: a sign, digits (with thousand separators when
// allowed), one decimal separator, an exponent letter with its own sign and digits. Answers the
// count of decimals (the digits between the separator and the exponent) in Decimals.
bool IsNumberStart(const std::u32string& Text, char32_t DecimalSeparator, char32_t ThousandSeparator,
                   int& Decimals) {
  enum { Mantissa, Fraction, ExponentSign, Exponent } part = Mantissa;
  Decimals = 0;
  bool digits = false;
  for (size_t i = 0; i < Text.size(); ++i) {
    const char32_t c = Text[i];
    const bool sign = c == U'+' || c == U'-';
    if (sign && ((part == Mantissa && i == 0) || part == ExponentSign)) {
      if (part == ExponentSign) part = Exponent;
    } else if (IsDigit(c)) {
      digits = true;
      if (part == Fraction) ++Decimals;
      if (part == ExponentSign) part = Exponent;
    } else if (c == DecimalSeparator && part == Mantissa) {
      part = Fraction;
    } else if (c == ThousandSeparator && part == Mantissa && digits) {
    } else if ((c == U'E' || c == U'e') && (part == Mantissa || part == Fraction) && digits) {
      part = ExponentSign;
    } else {
      return false;
    }
  }
  return true;
}

String QuoteSeparators(const String& Symbol) {
  String quoted;
  for (char c : Symbol) {
    if (c == ',' || c == '.')
      quoted += String("'") + c + "'";
    else
      quoted += c;
  }
  return quoted;
}

}  // namespace

String BuildCurrencyFormat() {
  const TFormatSettings& fs = FormatSettings();
  String format = ",0." + String(static_cast<size_t>(std::max(fs.CurrencyDecimals, 0)), '0');
  const String symbol = QuoteSeparators(fs.CurrencyString);
  if (!symbol.empty()) {
    switch (fs.CurrencyFormat) {
      case 0: format = symbol + format; break;
      case 1: format += symbol; break;
      case 2: format = symbol + " " + format; break;
      case 3: format += " " + symbol; break;
      default: break;
    }
  }
  return format + ";-" + format;
}

const TdxInplaceEditClass& CurrencyEditClass(bool Inplace) {
  return EditClassOf<TdxInplaceCurrencyEdit, TdxTextEditClass>("TdxInplaceCurrencyEdit", Inplace);
}

TdxInplaceCurrencyEdit::TdxInplaceCurrencyEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceMaskEdit(AOwner, Class), FDisplayFormat(BuildCurrencyFormat()) {}

void TdxInplaceCurrencyEdit::SetDisplayFormat(const String& Value) {
  SetStoredValues(StoredValues() | svDisplayFormat);
  InternalSetDisplayFormat(Value);
}

void TdxInplaceCurrencyEdit::InternalSetDisplayFormat(const String& Value) {
  if (FDisplayFormat == Value) return;
  FDisplayFormat = Value;
  InvalidateEdit();
}

void TdxInplaceCurrencyEdit::SetMaxValue(double Value) {
  SetStoredValues(StoredValues() | svMaxValue);
  InternalSetMaxValue(Value);
}

void TdxInplaceCurrencyEdit::SetMinValue(double Value) {
  SetStoredValues(StoredValues() | svMinValue);
  InternalSetMinValue(Value);
}

void TdxInplaceCurrencyEdit::SetMinMaxValues(double Min, double Max) {
  SetStoredValues(StoredValues() | svMinValue | svMaxValue);
  FMinValue = Min;
  InternalSetMaxValue(Max);
}

void TdxInplaceCurrencyEdit::InternalSetMinValue(double Value) {
  FMinValue = Value;
  ApplyMinMax();
}

void TdxInplaceCurrencyEdit::InternalSetMaxValue(double Value) {
  FMaxValue = Value;
  ApplyMinMax();
}

// An amount already typed is brought into a new range; one inside it keeps its text.
void TdxInplaceCurrencyEdit::ApplyMinMax() {
  if (IsNullText() || FMinValue == FMaxValue) return;
  const double value = Value();
  if (value < FMinValue || value > FMaxValue) SetValue(value);
}

void TdxInplaceCurrencyEdit::SetNullable(bool Value) {
  if (FNullable == Value) return;
  FNullable = Value;
  InvalidateEdit();
}

void TdxInplaceCurrencyEdit::SetNullString(const String& Value) {
  if (FNullString == Value) return;
  FNullString = Value;
  InvalidateEdit();
}

// Thousand separators, where they may be typed, are not part of the number the text stands for.
bool TdxInplaceCurrencyEdit::ParseText(const String& Text, double& Value) const {
  const TFormatSettings& fs = FormatSettings();
  const String text = FUseThousandSeparator ? StringReplace(Text, String(1, fs.ThousandSeparator), "", rfReplaceAll)
                                            : Text;
  return TryStrToFloat(text, Value, fs);
}

double TdxInplaceCurrencyEdit::Value() {
  if (IsNullText()) return 0;
  double value = 0;
  return ParseText(Text(), value) ? value : FMinValue;
}

void TdxInplaceCurrencyEdit::SetValue(double Value) {
  if (FMinValue != FMaxValue) Value = std::clamp(Value, std::min(FMinValue, FMaxValue), std::max(FMinValue, FMaxValue));
  const String text = FloatToStrF(Value, ffGeneral, 15, 0);
  if (text == Text()) return;
  const bool modified = GetModified();
  SetEditTextRaw(text);
  SetModified(modified);
}

bool TdxInplaceCurrencyEdit::IsValidValueChar(TKeyChar Key) {
  const TFormatSettings& fs = FormatSettings();
  const char32_t decimal = static_cast<unsigned char>(fs.DecimalSeparator);
  const char32_t thousand = FUseThousandSeparator ? static_cast<unsigned char>(fs.ThousandSeparator) : 0;
  const bool allowed = IsDigit(Key) || Key == U'+' || Key == U'-' || Key == U'E' || Key == U'e' || Key == decimal ||
                       (thousand != 0 && Key == thousand);
  if (!allowed) return false;
  int start = 0, stop = 0;
  GetSel(start, stop);
  std::u32string text = ToCodePoints(Text());
  start = std::clamp(start, 0, static_cast<int>(text.size()));
  stop = std::clamp(stop, start, static_cast<int>(text.size()));
  text.replace(static_cast<size_t>(start), static_cast<size_t>(stop - start), 1, Key);
  int decimals = 0;
  return IsNumberStart(text, decimal, thousand, decimals) && decimals <= FDecimalPlaces;
}

void TdxInplaceCurrencyEdit::KeyPress(TKeyChar& Key) {
  const TFormatSettings& fs = FormatSettings();
  const bool thousand = FUseThousandSeparator && Key == static_cast<unsigned char>(fs.ThousandSeparator);
  if (!thousand && (Key == U',' || Key == U'.')) Key = static_cast<unsigned char>(fs.DecimalSeparator);
  if (Key > 31 && !IsValidValueChar(Key)) {
    Key = 0;
    MessageBeep(0);
    return;
  }
  TdxInplaceMaskEdit::KeyPress(Key);
}

void TdxInplaceCurrencyEdit::ValidateEdit() {
  TdxInplaceMaskEdit::ValidateEdit();
  if (!GetModified() || (IsNullText() && FNullable)) return;
  SetValue(Value());
}

void TdxInplaceCurrencyEdit::GetDisplayValue(Variant& Value, bool FromData) {
  if (FDisplayFormat.empty()) return TdxInplaceMaskEdit::GetDisplayValue(Value, FromData);
  if (IsNullText() && FNullable)
    Value = Variant(FNullString);
  else
    Value = Variant(FormatFloat(FDisplayFormat, this->Value()));
}

Variant TdxInplaceCurrencyEdit::GetEditValue() {
  if (IsNullText() && FNullable) return Variant::Null();
  return Variant(Value());
}

bool TdxInplaceCurrencyEdit::HasDataDefinition() {
  return TdxInplaceMaskEdit::HasDataDefinition() || !FDisplayFormat.empty();
}

void TdxInplaceCurrencyEdit::RefreshDefaults() {
  TdxInplaceMaskEdit::RefreshDefaults();
  if (!IsDisplayFormatStored()) InternalSetDisplayFormat(GetDefaultDisplayFormat());
  if (!IsMinValueStored()) InternalSetMinValue(GetDefaultMinValue());
  if (!IsMaxValueStored()) InternalSetMaxValue(GetDefaultMaxValue());
}

void TdxInplaceCurrencyEdit::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_PASTE) return WMPaste(Message);
  if (Message.Msg == CM_WININICHANGE) return CMWinIniChange(Message);
  TdxInplaceMaskEdit::Dispatch(Message);
}

// A paste that leaves no number is refused with the conversion error, and the text it replaced
// comes back.
void TdxInplaceCurrencyEdit::WMPaste(TMessage& Message) {
  const String before = Text();
  const bool modified = GetModified();
  TdxInplaceMaskEdit::Dispatch(Message);
  double value = 0;
  if (Text() == before || IsNullText() || ParseText(Text(), value)) return;
  const String pasted = Text();
  SetEditTextRaw(before);
  SetModified(modified);
  (void)StrToFloat(pasted);  // raises the conversion error
}

// The locale's formats are the format settings themselves: a format of the locale is built again.
void TdxInplaceCurrencyEdit::CMWinIniChange(TMessage& Message) {
  TdxInplaceMaskEdit::Dispatch(Message);
  if (!IsDisplayFormatStored()) InternalSetDisplayFormat(BuildCurrencyFormat());
}
