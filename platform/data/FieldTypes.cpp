// The field classes: which kind of value each holds, how it converts a value of another kind,
// and the texts of each kind ("True"/"False", dates in the locale's forms, "(MEMO)" for a memo's
// display), made by TFieldDisplayText for the fields and for what keeps their values.
#include <cmath>

#include "data/DataSet.h"
#include "rtl/Convert.h"
#include "rtl/Text.h"

// --- texts ---------------------------------------------------------------------------------------

String TFieldDisplayText::Of(TFieldTextKind Kind, const Variant& Value, bool DisplayText, const String& Format) {
  const bool formatted = DisplayText && !Format.empty();
  switch (Kind) {
    case ftkInteger: {
      const int64_t number = Value.AsInt64();
      return formatted ? FormatFloat(Format, double(number)) : IntToStr(number);
    }
    case ftkFloat: {
      const double number = Value.AsDouble();
      return formatted ? FormatFloat(Format, number) : FloatToStr(number);
    }
    case ftkBoolean: return Value.AsBoolean() ? "True" : "False";
    case ftkDateTime: return FormatDateTime(formatted ? Format : String("c"), Value.AsDateTime());
    case ftkBlob: {
      if (!DisplayText) return VarToStr(Value);
      String text(1, '(');
      text += Value.IsNull() ? LowerCase(Format) : Format;
      text += ')';
      return text;
    }
    case ftkPlain: break;
  }
  return VarToStr(Value);
}

// Only a blob shows something for null: the name of its kind in lower case.
String TFieldDisplayText::operator()(const Variant& Value) const {
  if (Value.IsNull() && FKind != ftkBlob) return String();
  return Of(FKind, Value, true, FFormat);
}

TStringField::TStringField(TComponent* AOwner) : TField(AOwner) { SetDataType(ftString); }

Variant TStringField::ConvertValue(const Variant& Value) const { return Variant(VarToStr(Value)); }

TNumericField::TNumericField(TComponent* AOwner) : TField(AOwner) { SetAlignment(taRightJustify); }

bool TNumericField::IsValidChar(char32_t Ch) const { return (Ch >= '0' && Ch <= '9') || Ch == '+' || Ch == '-'; }

// Numbers typed as text are read by StrToFloat, so that "12.5" in an integer field rounds as
// any float would.
Variant TNumericField::FromText(const String& Text) const {
  const String trimmed = Trim(Text);
  if (trimmed.empty()) return Variant::Null();
  double value = 0;
  if (!TryStrToFloat(trimmed, value)) throw EConvertError("“" + Text + "”不是有效的数值。");
  return Convert(Variant(value));
}

TIntegerField::TIntegerField(TComponent* AOwner) : TNumericField(AOwner) { SetDataType(ftInteger); }

// A fraction becomes an integer by rounding halves to even (Variant's rule).
Variant TIntegerField::ConvertValue(const Variant& Value) const {
  const int64_t number = Value.AsInt64();
  if (number >= INT32_MIN && number <= INT32_MAX) return Variant(int(number));
  return Variant(number);
}

TAutoIncField::TAutoIncField(TComponent* AOwner) : TIntegerField(AOwner) { SetDataType(ftAutoInc); }

TFloatField::TFloatField(TComponent* AOwner) : TNumericField(AOwner) { SetDataType(ftFloat); }

bool TFloatField::IsValidChar(char32_t Ch) const {
  return TNumericField::IsValidChar(Ch) || Ch == 'e' || Ch == 'E' || Ch == char32_t(FormatSettings().DecimalSeparator);
}

Variant TFloatField::ConvertValue(const Variant& Value) const {
  const double number = Value.AsDouble();
  if (!std::isfinite(number)) throw EConvertError("数值超出范围。");
  return Variant(number);
}

TBooleanField::TBooleanField(TComponent* AOwner) : TField(AOwner) { SetDataType(ftBoolean); }

Variant TBooleanField::FromText(const String& Text) const {
  const String trimmed = Trim(Text);
  if (trimmed.empty()) return Variant::Null();
  bool value = false;
  if (!TryStrToBool(trimmed, value)) throw EConvertError("“" + Text + "”不是有效的逻辑值。");
  return Variant(value);
}

Variant TBooleanField::ConvertValue(const Variant& Value) const { return Variant(Value.AsBoolean()); }

TDateTimeField::TDateTimeField(TComponent* AOwner) : TField(AOwner) { SetDataType(ftDateTime); }

Variant TDateTimeField::FromText(const String& Text) const {
  const String trimmed = Trim(Text);
  if (trimmed.empty()) return Variant::Null();
  return Variant::FromDateTime(StrToDateTime(trimmed));
}

Variant TDateTimeField::ConvertValue(const Variant& Value) const { return Variant::FromDateTime(Value.AsDateTime()); }

TBlobField::TBlobField(TComponent* AOwner) : TField(AOwner) { SetDataType(ftBlob); }

Variant TBlobField::ConvertValue(const Variant& Value) const { return Variant(VarToStr(Value)); }

TMemoField::TMemoField(TComponent* AOwner) : TBlobField(AOwner) { SetDataType(ftMemo); }

TGraphicField::TGraphicField(TComponent* AOwner) : TBlobField(AOwner) { SetDataType(ftGraphic); }
