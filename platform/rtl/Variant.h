// Variant: a small tagged value (Empty, Null, Boolean, Integer, Int64, Double, Currency, DateTime,
// String) with the original class library's conversion, comparison and arithmetic rules. Numbers
// live inside the value; only a string owns memory.
#pragma once

#include <concepts>
#include <cstdint>

#include "rtl/DateTime.h"
#include "rtl/FormatSettings.h"

// The type codes are the original ones, so that stored values keep their meaning.
enum TVarType : uint16_t {
  varEmpty = 0x0000,
  varNull = 0x0001,
  varInteger = 0x0003,
  varDouble = 0x0005,
  varCurrency = 0x0006,
  varDate = 0x0007,
  varBoolean = 0x000B,
  varInt64 = 0x0014,
  varString = 0x0100,
};

enum TVariantRelationship { vrEqual, vrLessThan, vrGreaterThan, vrNotEqual };

// Conversions (As*) follow these rules; a value that cannot be converted raises EVariantError:
// - Empty is 0, "" or False; Null converts to nothing (VarToStr gives "" for it).
// - Boolean is 1 or 0 as a number, "True" or "False" as text; a number is true when not 0.
// - A string converts by the format settings: numbers by StrToFloat, dates and times by
//   StrToDateTime and, failing that, as a day count; Booleans from "True", "False" or a number.
// - A fraction converts to an integer by rounding halves to the even neighbour.
class Variant {
 public:
  Variant() noexcept : FInt64(0) {}
  Variant(bool value) noexcept : FType(varBoolean), FBoolean(value) {}
  // Integer types up to 32 bits make an Integer, wider ones an Int64.
  template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char> && !std::same_as<T, char8_t> &&
             !std::same_as<T, char16_t> && !std::same_as<T, char32_t> && !std::same_as<T, wchar_t>)
  Variant(T value) noexcept {
    if constexpr (sizeof(T) < 4 || (sizeof(T) == 4 && std::is_signed_v<T>)) {
      FType = varInteger;
      FInteger = int32_t(value);
    } else {
      FType = varInt64;
      FInt64 = int64_t(value);
    }
  }
  Variant(double value) noexcept : FType(varDouble), FDouble(value) {}
  Variant(const char* value) : FType(varString), FString(value) {}
  Variant(String value) : FType(varString), FString(std::move(value)) {}

  static Variant Null() noexcept;
  static Variant FromDateTime(TDateTime value) noexcept;
  // Currency is a fixed-point number with four decimals; FromCurrency rounds halves to even.
  static Variant FromCurrency(double value);
  static Variant FromCurrencyUnits(int64_t tenThousandths) noexcept;

  Variant(const Variant& other);
  Variant(Variant&& other) noexcept;
  Variant& operator=(const Variant& other);
  Variant& operator=(Variant&& other) noexcept;
  ~Variant();

  TVarType VarType() const noexcept { return FType; }
  bool IsNull() const noexcept { return FType == varNull; }
  bool IsEmpty() const noexcept { return FType == varEmpty; }

  String AsString(const TFormatSettings& fs = FormatSettings()) const;
  int AsInteger(const TFormatSettings& fs = FormatSettings()) const;
  int64_t AsInt64(const TFormatSettings& fs = FormatSettings()) const;
  double AsDouble(const TFormatSettings& fs = FormatSettings()) const;
  bool AsBoolean(const TFormatSettings& fs = FormatSettings()) const;
  TDateTime AsDateTime(const TFormatSettings& fs = FormatSettings()) const;
  double AsCurrency(const TFormatSettings& fs = FormatSettings()) const;
  int64_t AsCurrencyUnits(const TFormatSettings& fs = FormatSettings()) const;  // in ten-thousandths
  // The text of a String value without a copy; empty for the other kinds.
  const String& StringValue() const noexcept;

 private:
  void DestroyString() noexcept;
  void CopyFrom(const Variant& other);
  void MoveFrom(Variant&& other) noexcept;

  TVarType FType = varEmpty;
  union {
    bool FBoolean;
    int32_t FInteger;
    int64_t FInt64;  // also Currency, in ten-thousandths
    double FDouble;  // also DateTime
    String FString;
  };
};

inline TVarType VarType(const Variant& v) noexcept { return v.VarType(); }
inline bool VarIsNull(const Variant& v) noexcept { return v.IsNull(); }
inline bool VarIsEmpty(const Variant& v) noexcept { return v.IsEmpty(); }
bool VarIsStr(const Variant& v) noexcept;
// Boolean, Integer and Int64.
bool VarIsOrdinal(const Variant& v) noexcept;
// Double and Currency.
bool VarIsFloat(const Variant& v) noexcept;
// Ordinal or float; a DateTime is not numeric.
bool VarIsNumeric(const Variant& v) noexcept;
// The text of a value; Null gives "".
String VarToStr(const Variant& v, const TFormatSettings& fs = FormatSettings());
// The value converted to another kind; Empty stays Empty and Null converts only to Null.
Variant VarAsType(const Variant& v, TVarType type, const TFormatSettings& fs = FormatSettings());

// Arithmetic. Null on either side gives Null. Two strings (or a string and Empty) are joined by
// "+"; otherwise strings take part as numbers. Empty counts as 0 and True as 1. Integers stay
// integers (widening to Int64, then Double, instead of overflowing), Currency stays Currency
// against integers, anything with a Double is a Double, a DateTime plus or minus a number is a
// DateTime, and "/" always gives a Double. Division by zero raises EDivByZero. Operators read
// strings by the program-wide format settings.
Variant operator+(const Variant& a, const Variant& b);
Variant operator-(const Variant& a, const Variant& b);
Variant operator*(const Variant& a, const Variant& b);
Variant operator/(const Variant& a, const Variant& b);
// Integer division and remainder; both operands are first converted to integers (halves to
// even), the quotient is cut toward zero and the remainder has the dividend's sign.
Variant VarIntDiv(const Variant& a, const Variant& b);
Variant VarMod(const Variant& a, const Variant& b);
Variant operator-(const Variant& v);
// Logical for Booleans, bitwise for integers (fractions and numeric strings converted first),
// Null stays Null.
Variant VarNot(const Variant& v);

// Comparison. Null equals Null and is neither equal to nor ordered against anything else
// (vrNotEqual). Empty compares as the other side's zero. Two strings compare by code point, case
// sensitive; a string against a number, a Boolean or a date is converted to that kind first,
// which raises EVariantError when it is not one.
TVariantRelationship VarCompareValue(const Variant& a, const Variant& b);
bool operator==(const Variant& a, const Variant& b);
bool operator<(const Variant& a, const Variant& b);
bool operator<=(const Variant& a, const Variant& b);
bool operator>(const Variant& a, const Variant& b);
bool operator>=(const Variant& a, const Variant& b);
// A total order for sorting and searching keys: no value (Null or Empty) first, then numbers
// (Booleans and dates too), then text; values VarCompareValue cannot order (a text against a
// number) go by that kind, then by their text. Answers -1, 0 or 1 and never raises.
int VarCompareOrder(const Variant& a, const Variant& b);
// Equality that never raises: a comparison that fails counts as unequal.
bool VarSameValue(const Variant& a, const Variant& b) noexcept;
