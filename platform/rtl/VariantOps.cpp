// Variant arithmetic and comparison (see Variant.h for the rules). Operands are first promoted
// (Empty to 0, Boolean to 1 or 0, strings to Double), then the wider kind decides the result.
#include <cmath>

#include "rtl/Exceptions.h"
#include "rtl/Text.h"
#include "rtl/Variant.h"

namespace {

enum class TArithOp { Add, Subtract, Multiply };

constexpr int64_t kUnitsPerCurrency = 10000;

bool IsIntegerKind(TVarType t) { return t == varInteger || t == varInt64 || t == varBoolean; }

Variant Promote(const Variant& v) {
  switch (v.VarType()) {
    case varEmpty: return 0;
    case varBoolean: return v.AsBoolean() ? 1 : 0;
    case varString: return v.AsDouble();
    default: return v;
  }
}

[[noreturn]] void DivisionByZero() { throw EDivByZero("被零除"); }

Variant IntegerResult(int64_t value, bool wide) {
  if (!wide && value >= INT32_MIN && value <= INT32_MAX) return int32_t(value);
  return value;
}

double DoubleArith(double a, double b, TArithOp op) {
  switch (op) {
    case TArithOp::Add: return a + b;
    case TArithOp::Subtract: return a - b;
    case TArithOp::Multiply: break;
  }
  return a * b;
}

// Exact 64-bit arithmetic; nullopt-like false when the result overflows.
bool Int64Arith(int64_t a, int64_t b, TArithOp op, int64_t& result) {
  switch (op) {
    case TArithOp::Add: return !__builtin_add_overflow(a, b, &result);
    case TArithOp::Subtract: return !__builtin_sub_overflow(a, b, &result);
    case TArithOp::Multiply: break;
  }
  return !__builtin_mul_overflow(a, b, &result);
}

Variant IntegerArith(const Variant& a, const Variant& b, TArithOp op) {
  int64_t result = 0;
  if (Int64Arith(a.AsInt64(), b.AsInt64(), op, result))
    return IntegerResult(result, a.VarType() == varInt64 || b.VarType() == varInt64);
  return DoubleArith(a.AsDouble(), b.AsDouble(), op);
}

// The product of two fixed-point values, rounded to four decimals with halves to even.
bool CurrencyProduct(int64_t a, int64_t b, int64_t& result) {
  const __int128 product = __int128(a) * b;
  __int128 quotient = product / kUnitsPerCurrency;
  const __int128 rest = product % kUnitsPerCurrency;
  const __int128 twice = 2 * (rest < 0 ? -rest : rest);
  if (twice > kUnitsPerCurrency || (twice == kUnitsPerCurrency && quotient % 2 != 0))
    quotient += rest < 0 ? -1 : 1;
  if (quotient > INT64_MAX || quotient < INT64_MIN) return false;
  result = int64_t(quotient);
  return true;
}

Variant CurrencyArith(const Variant& a, const Variant& b, TArithOp op) {
  int64_t result = 0;
  bool fits = false;
  if (op != TArithOp::Multiply) {
    fits = Int64Arith(a.AsCurrencyUnits(), b.AsCurrencyUnits(), op, result);
  } else if (a.VarType() != varCurrency || b.VarType() != varCurrency) {
    // Currency times an integer: scale only the currency side.
    const bool aIsCurrency = a.VarType() == varCurrency;
    fits = Int64Arith(aIsCurrency ? a.AsCurrencyUnits() : a.AsInt64(),
                      aIsCurrency ? b.AsInt64() : b.AsCurrencyUnits(), op, result);
  } else {
    fits = CurrencyProduct(a.AsCurrencyUnits(), b.AsCurrencyUnits(), result);
  }
  if (fits) return Variant::FromCurrencyUnits(result);
  return DoubleArith(a.AsDouble(), b.AsDouble(), op);
}

Variant DateArith(const Variant& a, const Variant& b, TArithOp op) {
  const double result = DoubleArith(a.AsDouble(), b.AsDouble(), op);
  const bool bothDates = a.VarType() == varDate && b.VarType() == varDate;
  if (op == TArithOp::Multiply || (op == TArithOp::Subtract && bothDates)) return result;
  return Variant::FromDateTime(result);
}

Variant Arith(const Variant& left, const Variant& right, TArithOp op) {
  if (left.IsNull() || right.IsNull()) return Variant::Null();
  const Variant a = Promote(left), b = Promote(right);
  const TVarType ta = a.VarType(), tb = b.VarType();
  if (ta == varDate || tb == varDate) return DateArith(a, b, op);
  if (ta == varDouble || tb == varDouble) return DoubleArith(a.AsDouble(), b.AsDouble(), op);
  if (ta == varCurrency || tb == varCurrency) return CurrencyArith(a, b, op);
  return IntegerArith(a, b, op);
}

bool IsTextOrEmpty(const Variant& v) { return v.VarType() == varString || v.IsEmpty(); }

// Integer division and remainder after converting both operands to integers.
Variant IntegerDivision(const Variant& left, const Variant& right, bool remainder) {
  if (left.IsNull() || right.IsNull()) return Variant::Null();
  const Variant a = Promote(left), b = Promote(right);
  const int64_t x = a.AsInt64(), y = b.AsInt64();
  if (y == 0) DivisionByZero();
  const bool wide = a.VarType() == varInt64 || b.VarType() == varInt64;
  if (y == -1) {  // INT64_MIN / -1 overflows; the remainder is 0 in any case
    if (remainder) return IntegerResult(0, wide);
    return x == INT64_MIN ? Variant(-double(x)) : IntegerResult(-x, wide);
  }
  return IntegerResult(remainder ? x % y : x / y, wide);
}

TVariantRelationship FromOrder(long double a, long double b) {
  if (a < b) return vrLessThan;
  if (a > b) return vrGreaterThan;
  return a == b ? vrEqual : vrNotEqual;  // NaN is unordered
}

template <typename T>
TVariantRelationship FromExactOrder(T a, T b) {
  return a < b ? vrLessThan : a > b ? vrGreaterThan : vrEqual;
}

long double WideValue(const Variant& v) {
  if (IsIntegerKind(v.VarType())) return (long double)v.AsInt64();
  if (v.VarType() == varCurrency) return (long double)v.AsCurrencyUnits() / kUnitsPerCurrency;
  return v.AsDouble();
}

__int128 ScaledUnits(const Variant& v) {
  return v.VarType() == varCurrency ? __int128(v.AsCurrencyUnits()) : __int128(v.AsInt64()) * kUnitsPerCurrency;
}

// Two values that are neither Null, Empty nor String.
TVariantRelationship CompareScalars(const Variant& a, const Variant& b) {
  const TVarType ta = a.VarType(), tb = b.VarType();
  if (IsIntegerKind(ta) && IsIntegerKind(tb)) return FromExactOrder(a.AsInt64(), b.AsInt64());
  const bool fixedA = IsIntegerKind(ta) || ta == varCurrency, fixedB = IsIntegerKind(tb) || tb == varCurrency;
  if (fixedA && fixedB) return FromExactOrder(ScaledUnits(a), ScaledUnits(b));
  return FromOrder(WideValue(a), WideValue(b));
}

// The kind a string is converted to when compared with a value of kind `other`.
TVarType StringTargetFor(TVarType other) {
  if (other == varBoolean || other == varDate) return other;
  return varDouble;
}

Variant ZeroOfKind(TVarType kind) {
  if (kind == varString) return String();
  if (kind == varBoolean) return false;
  return 0;
}

}  // namespace

Variant operator+(const Variant& a, const Variant& b) {
  if (a.VarType() == varInteger && b.VarType() == varInteger)
    return IntegerResult(int64_t(a.AsInt64()) + b.AsInt64(), false);
  if (IsTextOrEmpty(a) && IsTextOrEmpty(b) && !(a.IsEmpty() && b.IsEmpty()))
    return a.StringValue() + b.StringValue();
  return Arith(a, b, TArithOp::Add);
}

Variant operator-(const Variant& a, const Variant& b) { return Arith(a, b, TArithOp::Subtract); }

Variant operator*(const Variant& a, const Variant& b) { return Arith(a, b, TArithOp::Multiply); }

Variant operator/(const Variant& a, const Variant& b) {
  if (a.IsNull() || b.IsNull()) return Variant::Null();
  const double divisor = Promote(b).AsDouble();
  if (divisor == 0) DivisionByZero();
  return Promote(a).AsDouble() / divisor;
}

Variant VarIntDiv(const Variant& a, const Variant& b) { return IntegerDivision(a, b, false); }

Variant VarMod(const Variant& a, const Variant& b) { return IntegerDivision(a, b, true); }

Variant operator-(const Variant& v) {
  switch (v.VarType()) {
    case varNull: return v;
    case varDate: return Variant::FromDateTime(-v.AsDouble());
    case varDouble:
    case varString: return -v.AsDouble();
    case varCurrency:
      if (v.AsCurrencyUnits() != INT64_MIN) return Variant::FromCurrencyUnits(-v.AsCurrencyUnits());
      return -v.AsDouble();
    default: break;
  }
  const int64_t value = v.AsInt64();
  if (value == INT64_MIN) return -double(value);
  return IntegerResult(-value, v.VarType() == varInt64);
}

Variant VarNot(const Variant& v) {
  switch (v.VarType()) {
    case varNull: return v;
    case varBoolean: return !v.AsBoolean();
    case varString: {
      const String word = Trim(v.StringValue());
      if (SameText(word, "True") || SameText(word, "False")) return !v.AsBoolean();
      break;
    }
    default: break;
  }
  const int64_t value = v.AsInt64();
  return IntegerResult(~value, v.VarType() == varInt64);
}

TVariantRelationship VarCompareValue(const Variant& a, const Variant& b) {
  const TVarType ta = a.VarType(), tb = b.VarType();
  if (ta == varNull || tb == varNull) return ta == tb ? vrEqual : vrNotEqual;
  if (ta == varEmpty && tb == varEmpty) return vrEqual;
  if (ta == varEmpty) return VarCompareValue(ZeroOfKind(tb), b);
  if (tb == varEmpty) return VarCompareValue(a, ZeroOfKind(ta));
  if (ta == varString && tb == varString) return FromExactOrder(CompareStr(a.StringValue(), b.StringValue()), 0);
  if (ta == varString) return CompareScalars(VarAsType(a, StringTargetFor(tb)), b);
  if (tb == varString) return CompareScalars(a, VarAsType(b, StringTargetFor(ta)));
  return CompareScalars(a, b);
}

bool operator==(const Variant& a, const Variant& b) {
  if (a.VarType() == varInteger && b.VarType() == varInteger) return a.AsInt64() == b.AsInt64();
  return VarCompareValue(a, b) == vrEqual;
}

bool operator<(const Variant& a, const Variant& b) { return VarCompareValue(a, b) == vrLessThan; }

bool operator<=(const Variant& a, const Variant& b) {
  const TVariantRelationship r = VarCompareValue(a, b);
  return r == vrLessThan || r == vrEqual;
}

bool operator>(const Variant& a, const Variant& b) { return VarCompareValue(a, b) == vrGreaterThan; }

bool operator>=(const Variant& a, const Variant& b) {
  const TVariantRelationship r = VarCompareValue(a, b);
  return r == vrGreaterThan || r == vrEqual;
}

bool VarSameValue(const Variant& a, const Variant& b) noexcept {
  try {
    return VarCompareValue(a, b) == vrEqual;
  } catch (const Exception&) {
    return false;
  }
}

namespace {

// The kinds of keys in their order: no value, numbers, text.
int OrderRank(const Variant& Value) {
  if (Value.IsNull() || Value.IsEmpty()) return 0;
  return VarIsStr(Value) ? 2 : 1;
}

}  // namespace

int VarCompareOrder(const Variant& a, const Variant& b) {
  const int rankA = OrderRank(a), rankB = OrderRank(b);
  if (rankA == 0 || rankB == 0) return (rankA > rankB) - (rankA < rankB);
  try {
    switch (VarCompareValue(a, b)) {
      case vrEqual:
        return 0;
      case vrLessThan:
        return -1;
      case vrGreaterThan:
        return 1;
      case vrNotEqual:
        break;
    }
  } catch (const EVariantError&) {
  }
  if (rankA != rankB) return rankA < rankB ? -1 : 1;
  const int order = CompareStr(VarToStr(a), VarToStr(b));
  return (order > 0) - (order < 0);
}
