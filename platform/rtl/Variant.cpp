// Variant storage and conversions (see Variant.h); arithmetic and comparison are in VariantOps.cpp.
#include "rtl/Variant.h"

#include <cmath>
#include <new>

#include "rtl/Arith.h"
#include "rtl/Convert.h"
#include "rtl/Exceptions.h"

namespace {

const char* TypeName(TVarType type) {
  switch (type) {
    case varEmpty: return "Empty";
    case varNull: return "Null";
    case varBoolean: return "Boolean";
    case varInteger: return "Integer";
    case varInt64: return "Int64";
    case varDouble: return "Double";
    case varCurrency: return "Currency";
    case varDate: return "Date";
    case varString: return "String";
  }
  return "Unknown";
}

[[noreturn]] void CastError(TVarType from, TVarType to) {
  throw EVariantError(String("无法将类型为 (") + TypeName(from) + ") 的变体转换为类型 (" + TypeName(to) + ")");
}

[[noreturn]] void OverflowError() { throw EVariantError("变体值溢出"); }

constexpr int64_t kUnitsPerCurrency = 10000;

// Ten-thousandths as text: whole part, then the decimals without trailing zeros.
String CurrencyText(int64_t units, const TFormatSettings& fs) {
  const bool negative = units < 0;
  const uint64_t magnitude = negative ? 0 - uint64_t(units) : uint64_t(units);
  String text = std::to_string(magnitude / kUnitsPerCurrency);
  if (negative) text.insert(text.begin(), '-');
  String decimals = std::to_string(magnitude % kUnitsPerCurrency + kUnitsPerCurrency).substr(1);
  while (!decimals.empty() && decimals.back() == '0') decimals.pop_back();
  if (!decimals.empty()) text += fs.DecimalSeparator + decimals;
  return text;
}

// A double rounded to an integer, halves to even; EVariantError when it does not fit 64 bits.
int64_t RoundedInt64(double value) {
  try {
    return Round(value);
  } catch (const EInvalidOp&) {
    OverflowError();
  }
}

}  // namespace

Variant Variant::Null() noexcept {
  Variant v;
  v.FType = varNull;
  return v;
}

Variant Variant::FromDateTime(TDateTime value) noexcept {
  Variant v(value);
  v.FType = varDate;
  return v;
}

Variant Variant::FromCurrency(double value) {
  const double units = std::nearbyint(value * double(kUnitsPerCurrency));
  if (!(std::fabs(units) < 9.2e18)) OverflowError();
  return FromCurrencyUnits(int64_t(units));
}

Variant Variant::FromCurrencyUnits(int64_t tenThousandths) noexcept {
  Variant v(tenThousandths);
  v.FType = varCurrency;
  return v;
}

Variant::Variant(const Variant& other) : FInt64(0) { CopyFrom(other); }

Variant::Variant(Variant&& other) noexcept : FInt64(0) { MoveFrom(std::move(other)); }

Variant& Variant::operator=(const Variant& other) {
  if (this != &other) {
    if (FType == varString && other.FType == varString) {
      FString = other.FString;
    } else {
      Variant copy(other);  // a throwing string copy leaves this value untouched
      DestroyString();
      MoveFrom(std::move(copy));
    }
  }
  return *this;
}

Variant& Variant::operator=(Variant&& other) noexcept {
  if (this != &other) {
    DestroyString();
    MoveFrom(std::move(other));
  }
  return *this;
}

Variant::~Variant() { DestroyString(); }

void Variant::DestroyString() noexcept {
  if (FType == varString) FString.~String();
  FType = varEmpty;
  FInt64 = 0;
}

void Variant::CopyFrom(const Variant& other) {
  switch (other.FType) {
    case varString: new (&FString) String(other.FString); break;
    case varBoolean: FBoolean = other.FBoolean; break;
    case varInteger: FInteger = other.FInteger; break;
    case varDouble:
    case varDate: FDouble = other.FDouble; break;
    default: FInt64 = other.FInt64;  // Int64, Currency, and the zero of Empty and Null
  }
  FType = other.FType;
}

void Variant::MoveFrom(Variant&& other) noexcept {
  if (other.FType == varString) {
    new (&FString) String(std::move(other.FString));
    FType = varString;
    other.DestroyString();
  } else {
    CopyFrom(other);
  }
}

String Variant::AsString(const TFormatSettings& fs) const {
  switch (FType) {
    case varEmpty: return {};
    case varBoolean: return FBoolean ? "True" : "False";
    case varInteger: return IntToStr(FInteger);
    case varInt64: return IntToStr(FInt64);
    case varDouble: return FloatToStr(FDouble, fs);
    case varCurrency: return CurrencyText(FInt64, fs);
    case varDate: return DateTimeToStr(FDouble, fs);
    case varString: return FString;
    case varNull: break;
  }
  CastError(FType, varString);
}

int64_t Variant::AsInt64(const TFormatSettings& fs) const {
  switch (FType) {
    case varEmpty: return 0;
    case varBoolean: return FBoolean ? 1 : 0;
    case varInteger: return FInteger;
    case varInt64: return FInt64;
    case varDouble:
    case varDate: return RoundedInt64(FDouble);
    case varCurrency: {
      // Exact rounding of the fixed-point value, halves to even.
      const int64_t whole = FInt64 / kUnitsPerCurrency, rest = FInt64 % kUnitsPerCurrency;
      const int64_t twice = 2 * (rest < 0 ? -rest : rest);
      const bool up = twice > kUnitsPerCurrency || (twice == kUnitsPerCurrency && whole % 2 != 0);
      return up ? whole + (rest < 0 ? -1 : 1) : whole;
    }
    case varString: {
      int64_t value = 0;
      if (TryStrToInt64(FString, value)) return value;
      double number = 0;
      if (TryStrToFloat(FString, number, fs)) return RoundedInt64(number);
      break;
    }
    case varNull: break;
  }
  CastError(FType, varInt64);
}

int Variant::AsInteger(const TFormatSettings& fs) const {
  const int64_t value = AsInt64(fs);
  if (value < INT32_MIN || value > INT32_MAX) OverflowError();
  return int(value);
}

double Variant::AsDouble(const TFormatSettings& fs) const {
  switch (FType) {
    case varEmpty: return 0;
    case varBoolean: return FBoolean ? 1 : 0;
    case varInteger: return FInteger;
    case varInt64: return double(FInt64);
    case varDouble:
    case varDate: return FDouble;
    case varCurrency: return double(FInt64) / kUnitsPerCurrency;
    case varString: {
      double value = 0;
      if (TryStrToFloat(FString, value, fs)) return value;
      break;
    }
    case varNull: break;
  }
  CastError(FType, varDouble);
}

bool Variant::AsBoolean(const TFormatSettings& fs) const {
  switch (FType) {
    case varEmpty: return false;
    case varBoolean: return FBoolean;
    case varInteger: return FInteger != 0;
    case varInt64:
    case varCurrency: return FInt64 != 0;
    case varDouble:
    case varDate: return FDouble != 0;
    case varString: {
      bool value = false;
      if (TryStrToBool(FString, value, fs)) return value;
      break;
    }
    case varNull: break;
  }
  CastError(FType, varBoolean);
}

TDateTime Variant::AsDateTime(const TFormatSettings& fs) const {
  if (FType == varString) {
    TDateTime value = 0;
    if (TryStrToDateTime(FString, value, fs) || TryStrToFloat(FString, value, fs)) return value;
    CastError(FType, varDate);
  }
  if (FType == varNull) CastError(FType, varDate);
  return AsDouble(fs);
}

double Variant::AsCurrency(const TFormatSettings& fs) const { return double(AsCurrencyUnits(fs)) / kUnitsPerCurrency; }

int64_t Variant::AsCurrencyUnits(const TFormatSettings& fs) const {
  if (FType == varCurrency) return FInt64;
  if (FType == varInteger || FType == varInt64 || FType == varBoolean || FType == varEmpty) {
    const int64_t value = AsInt64(fs);
    if (value > INT64_MAX / kUnitsPerCurrency || value < INT64_MIN / kUnitsPerCurrency) OverflowError();
    return value * kUnitsPerCurrency;
  }
  try {
    return FromCurrency(AsDouble(fs)).FInt64;
  } catch (const EVariantError&) {
    if (FType == varNull || FType == varString) CastError(FType, varCurrency);
    throw;
  }
}

const String& Variant::StringValue() const noexcept {
  static const String empty;
  return FType == varString ? FString : empty;
}

bool VarIsStr(const Variant& v) noexcept { return v.VarType() == varString; }

bool VarIsOrdinal(const Variant& v) noexcept {
  return v.VarType() == varBoolean || v.VarType() == varInteger || v.VarType() == varInt64;
}

bool VarIsFloat(const Variant& v) noexcept { return v.VarType() == varDouble || v.VarType() == varCurrency; }

bool VarIsNumeric(const Variant& v) noexcept { return VarIsOrdinal(v) || VarIsFloat(v); }

String VarToStr(const Variant& v, const TFormatSettings& fs) { return v.IsNull() ? String() : v.AsString(fs); }

Variant VarAsType(const Variant& v, TVarType type, const TFormatSettings& fs) {
  if (v.VarType() == type || v.IsEmpty()) return v;
  switch (type) {
    case varBoolean: return v.AsBoolean(fs);
    case varInteger: return v.AsInteger(fs);
    case varInt64: return v.AsInt64(fs);
    case varDouble: return v.AsDouble(fs);
    case varCurrency: return Variant::FromCurrencyUnits(v.AsCurrencyUnits(fs));
    case varDate: return Variant::FromDateTime(v.AsDateTime(fs));
    case varString: return v.AsString(fs);
    case varEmpty: return Variant();
    case varNull: return Variant::Null();
  }
  CastError(v.VarType(), type);
}
