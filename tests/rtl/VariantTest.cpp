// Variant: kinds and copies, conversions with their errors, arithmetic and comparison across
// kinds, and the evaluator's examples that stand on them.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <ostream>

#include "rtl/Exceptions.h"
#include "rtl/Variant.h"

// Shows a Variant in failure messages as its kind and text.
void PrintTo(const Variant& v, std::ostream* os) {
  *os << "Variant(type " << v.VarType() << ", " << (v.IsNull() ? String("Null") : v.AsString()) << ")";
}

namespace {

const Variant kNull = Variant::Null();
const TDateTime kMarch7 = EncodeDate(2004, 3, 7);

}  // namespace

TEST(Variant, KindsAndTypeCodes) {
  EXPECT_EQ(Variant().VarType(), varEmpty);
  EXPECT_EQ(kNull.VarType(), varNull);
  EXPECT_EQ(Variant(true).VarType(), varBoolean);
  EXPECT_EQ(Variant(short(3)).VarType(), varInteger);
  EXPECT_EQ(Variant(3).VarType(), varInteger);
  EXPECT_EQ(Variant(3u).VarType(), varInt64);
  EXPECT_EQ(Variant(int64_t(3)).VarType(), varInt64);
  EXPECT_EQ(Variant(2.5).VarType(), varDouble);
  EXPECT_EQ(Variant::FromCurrency(2.5).VarType(), varCurrency);
  EXPECT_EQ(Variant::FromDateTime(kMarch7).VarType(), varDate);
  EXPECT_EQ(Variant("x").VarType(), varString);
  EXPECT_EQ(int(varString), 0x100);
  EXPECT_TRUE(VarIsNumeric(Variant(true)) && VarIsNumeric(Variant::FromCurrency(1)) && VarIsNumeric(2.5));
  EXPECT_FALSE(VarIsNumeric(Variant::FromDateTime(1)) || VarIsNumeric("1") || VarIsNumeric(kNull));
  EXPECT_TRUE(VarIsOrdinal(int64_t(1)) && VarIsFloat(Variant::FromCurrency(1)) && VarIsStr(""));
  EXPECT_EQ(Variant::FromCurrencyUnits(12345).AsCurrency(), 1.2345);
}

TEST(Variant, CopiesAndMovesKeepValuesAndOwnNoSharedText) {
  Variant a = String(100, 'x');
  Variant b = a;
  a = 5;
  EXPECT_EQ(b.AsString(), String(100, 'x'));
  EXPECT_EQ(a.AsInteger(), 5);
  Variant c = std::move(b);
  EXPECT_EQ(c.StringValue().size(), 100u);
  b = c;
  c = 2.5;
  c = b;
  b = Variant::FromDateTime(kMarch7);
  EXPECT_EQ(c.StringValue().size(), 100u);
  EXPECT_EQ(b.AsDateTime(), kMarch7);
  c = c;  // self-assignment keeps the text
  EXPECT_EQ(c.StringValue().size(), 100u);
  a = std::move(c);
  EXPECT_EQ(a.StringValue().size(), 100u);
}

TEST(Variant, TextOfEachKind) {
  struct Case { Variant value; const char* expected; };
  const Case cases[] = {
      {Variant(), ""},
      {true, "True"},
      {false, "False"},
      {-12, "-12"},
      {int64_t(1) << 40, "1099511627776"},
      {0.1 + 0.2, "0.3"},
      {Variant::FromCurrency(-1.5), "-1.5"},
      {Variant::FromCurrencyUnits(INT64_MIN), "-922337203685477.5808"},
      {Variant::FromDateTime(kMarch7), "2004-3-7"},
      {Variant::FromDateTime(kMarch7 + 0.5), "2004-3-7 12:00:00"},
      {"高一", "高一"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.value.AsString(), c.expected) << c.expected;
  EXPECT_EQ(VarToStr(kNull), "");
  EXPECT_THROW(kNull.AsString(), EVariantError);
}

TEST(Variant, NumberConversionsRoundHalvesToEvenAndRefuseText) {
  EXPECT_EQ(Variant(2.5).AsInteger(), 2);
  EXPECT_EQ(Variant(3.5).AsInteger(), 4);
  EXPECT_EQ(Variant("12").AsInteger(), 12);
  EXPECT_EQ(Variant(" 3.7 ").AsInteger(), 4);
  EXPECT_EQ(Variant(true).AsInteger(), 1);
  EXPECT_EQ(Variant::FromCurrency(2.5).AsInteger(), 2);
  EXPECT_EQ(Variant::FromCurrency(-3.5).AsInteger(), -4);
  EXPECT_EQ(Variant().AsInteger(), 0);
  EXPECT_DOUBLE_EQ(Variant("1.5").AsDouble(), 1.5);
  EXPECT_DOUBLE_EQ(Variant(false).AsDouble(), 0);
  for (const Variant& bad : {Variant("abc"), Variant(""), kNull, Variant(3e9), Variant(int64_t(1) << 40), Variant(NAN)})
    EXPECT_THROW(bad.AsInteger(), EVariantError) << VarToStr(bad);
  EXPECT_THROW(Variant("1,5").AsDouble(), EVariantError);
  TFormatSettings comma;
  comma.DecimalSeparator = ',';
  EXPECT_DOUBLE_EQ(Variant("1,5").AsDouble(comma), 1.5);
  EXPECT_EQ(Variant("2,5").AsInteger(comma), 2);
  EXPECT_EQ(Variant(2.5).AsString(comma), "2,5");
  EXPECT_THROW(kNull.AsDouble(), EVariantError);
}

TEST(Variant, BooleanAndDateConversions) {
  EXPECT_TRUE(Variant("true").AsBoolean());
  EXPECT_FALSE(Variant("False").AsBoolean());
  EXPECT_FALSE(Variant("0").AsBoolean());
  EXPECT_TRUE(Variant(0.5).AsBoolean());
  EXPECT_FALSE(Variant().AsBoolean());
  EXPECT_THROW(Variant("yes").AsBoolean(), EVariantError);
  EXPECT_EQ(Variant("2004-3-7").AsDateTime(), kMarch7);
  EXPECT_DOUBLE_EQ(Variant("2004-3-7 12:00").AsDateTime(), kMarch7 + 0.5);
  EXPECT_DOUBLE_EQ(Variant("18:00").AsDateTime(), 0.75);
  EXPECT_EQ(Variant("38053").AsDateTime(), kMarch7);
  EXPECT_EQ(Variant(38053).AsDateTime(), kMarch7);
  EXPECT_THROW(Variant("2004-2-30").AsDateTime(), EVariantError);
  EXPECT_THROW(kNull.AsDateTime(), EVariantError);
}

TEST(Variant, VarAsTypeConvertsBetweenKinds) {
  const Variant zero = VarAsType(0, varCurrency);
  EXPECT_EQ(zero.VarType(), varCurrency);
  EXPECT_EQ(zero.AsCurrencyUnits(), 0);
  EXPECT_EQ(VarAsType("12", varInteger).VarType(), varInteger);
  EXPECT_EQ(VarAsType(12, varString).StringValue(), "12");
  EXPECT_EQ(VarAsType("2004-3-7", varDate).AsDouble(), kMarch7);
  EXPECT_EQ(VarAsType(Variant(), varString).VarType(), varEmpty);
  EXPECT_EQ(VarAsType(kNull, varNull).VarType(), varNull);
  EXPECT_THROW(VarAsType(kNull, varInteger), EVariantError);
  EXPECT_THROW(VarAsType("x", varDouble), EVariantError);
}

TEST(Variant, ArithmeticAcrossKinds) {
  struct Case { Variant result; Variant expected; TVarType type; };
  const Variant date = Variant::FromDateTime(kMarch7);
  const Case cases[] = {
      {Variant(1) + 2, 3, varInteger},
      {Variant(1) + 2.5, 3.5, varDouble},
      {Variant("a") + "b", "ab", varString},
      {Variant("12") + 1, 13, varDouble},
      {Variant(1) + "12", 13, varDouble},
      {Variant(true) + true, 2, varInteger},
      {Variant() + 1, 1, varInteger},
      {Variant() + "x", "x", varString},
      {Variant() + Variant(), 0, varInteger},
      {Variant(INT_MAX) + 1, int64_t(INT_MAX) + 1, varInt64},
      {Variant(INT64_MAX) + 1, 9223372036854775808.0, varDouble},
      {Variant(INT_MIN) * -1, int64_t(2147483648), varInt64},
      {Variant::FromCurrency(1.25) + 2, Variant::FromCurrency(3.25), varCurrency},
      {Variant::FromCurrency(1.5) * Variant::FromCurrency(1.5), Variant::FromCurrency(2.25), varCurrency},
      {Variant::FromCurrency(0.0001) * Variant::FromCurrency(0.5), Variant::FromCurrency(0), varCurrency},
      {Variant::FromCurrency(1.25) * 4, Variant::FromCurrency(5), varCurrency},
      {Variant::FromCurrency(1.25) + 0.5, 1.75, varDouble},
      {date + 1, Variant::FromDateTime(kMarch7 + 1), varDate},
      {1 + date, Variant::FromDateTime(kMarch7 + 1), varDate},
      {date - 0.5, Variant::FromDateTime(kMarch7 - 0.5), varDate},
      {date - Variant::FromDateTime(kMarch7 - 7), 7, varDouble},
      {Variant(7) - 3, 4, varInteger},
      {Variant(3) * 4, 12, varInteger},
      {Variant(5) / 2, 2.5, varDouble},
      {Variant(6) / 3, 2, varDouble},
      {Variant("7") / "2", 3.5, varDouble},
      {VarIntDiv(7, 2), 3, varInteger},
      {VarIntDiv(-7, 2), -3, varInteger},
      {VarIntDiv(int64_t(7), 2), 3, varInt64},
      {VarMod(7, 3), 1, varInteger},
      {VarMod(-7, 3), -1, varInteger},
      {VarMod(7.5, 2), 0, varInteger},  // 7.5 becomes 8 before the remainder
      {VarMod(6.5, 4), 2, varInteger},  // 6.5 becomes 6
      {VarMod("10", "4"), 2, varInteger},
      {VarMod(INT64_MIN, -1), 0, varInt64},
      {VarIntDiv(INT64_MIN, -1), 9223372036854775808.0, varDouble},
      {-Variant(2), -2, varInteger},
      {-Variant(INT_MIN), int64_t(2147483648), varInt64},
      {-Variant("3"), -3, varDouble},
      {-Variant(true), -1, varInteger},
      {-Variant(), 0, varInteger},
      {-Variant::FromCurrency(1.5), Variant::FromCurrency(-1.5), varCurrency},
      {-date, Variant::FromDateTime(-kMarch7), varDate},
      {VarNot(true), false, varBoolean},
      {VarNot(0), -1, varInteger},
      {VarNot(5), -6, varInteger},
      {VarNot("False"), true, varBoolean},
      {VarNot(2.4), -3, varInteger},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.result.VarType(), c.type) << VarToStr(c.expected);
    EXPECT_TRUE(VarSameValue(c.result, c.expected)) << VarToStr(c.result) << " vs " << VarToStr(c.expected);
  }
}

TEST(Variant, NullPropagatesThroughArithmetic) {
  for (const Variant& v : {kNull + 1, Variant(1) - kNull, kNull * kNull, kNull / 0, VarMod(kNull, 0),
                           VarIntDiv(1, kNull), -kNull, VarNot(kNull), kNull + "x"})
    EXPECT_TRUE(v.IsNull());
}

TEST(Variant, ArithmeticErrors) {
  EXPECT_THROW(Variant("abc") + 1, EVariantError);
  EXPECT_THROW(Variant(1) * "x", EVariantError);
  EXPECT_THROW(Variant(5) / 0, EDivByZero);
  EXPECT_THROW(Variant(5) / "0", EDivByZero);
  EXPECT_THROW(Variant(0.0) / Variant(), EDivByZero);
  EXPECT_THROW(VarMod(7, 0), EDivByZero);
  EXPECT_THROW(VarIntDiv(7, 0.4), EDivByZero);  // 0.4 becomes 0
  EXPECT_THROW(-Variant("x"), EVariantError);
}

TEST(Variant, ComparisonsAcrossKinds) {
  struct Case { Variant a, b; TVariantRelationship expected; };
  const Variant date = Variant::FromDateTime(kMarch7);
  const Case cases[] = {
      {1, 1.0, vrEqual},
      {1, true, vrEqual},  // True is 1, so a comparison's result equals True
      {0, false, vrEqual},
      {2, true, vrGreaterThan},
      {"abc", "abd", vrLessThan},
      {"abc", "ABC", vrGreaterThan},
      {"高一(1)班", "高一(2)班", vrLessThan},
      {"10", 9, vrGreaterThan},
      {9, "10", vrLessThan},
      {"10", "9", vrLessThan},
      {"True", true, vrEqual},
      {kNull, kNull, vrEqual},
      {kNull, 1, vrNotEqual},
      {"", kNull, vrNotEqual},
      {Variant(), kNull, vrNotEqual},
      {Variant(), 0, vrEqual},
      {Variant(), "", vrEqual},
      {Variant(), false, vrEqual},
      {Variant(), -1, vrGreaterThan},
      {Variant(), Variant(), vrEqual},
      {date, "2004-3-7", vrEqual},
      {"2004-3-8", date, vrGreaterThan},
      {date, 38053, vrEqual},
      {Variant::FromCurrency(1.5), 1.5, vrEqual},
      {Variant::FromCurrency(2), 2, vrEqual},
      {Variant::FromCurrencyUnits(1), 0, vrGreaterThan},
      {int64_t(9007199254740993), 9007199254740992.0, vrGreaterThan},
      {NAN, NAN, vrNotEqual},
      {1, NAN, vrNotEqual},
  };
  for (const auto& c : cases)
    EXPECT_EQ(VarCompareValue(c.a, c.b), c.expected) << VarToStr(c.a) << " ? " << VarToStr(c.b);
}

TEST(Variant, TheSortOrderPutsNoValueFirstThenNumbersThenText) {
  struct Case {
    Variant a, b;
    int expected;
  };
  const Case cases[] = {
      {Variant::Null(), Variant(), 0},          {Variant::Null(), -5, -1},   {Variant(), "a", -1},
      {2, 10, -1},                              {"10", "9", -1},             {10, "9", 1},
      {"abc", 5, 1},                            {true, 0, 1},                {"b", "b", 0},
      {2.5, 2.5, 0},                            {"2", 2, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VarCompareOrder(c.a, c.b), c.expected) << VarToStr(c.a) << " ? " << VarToStr(c.b);
    EXPECT_EQ(VarCompareOrder(c.b, c.a), -c.expected) << "the order is antisymmetric";
  }
}

TEST(Variant, ComparisonOperatorsAndTheSafeEquality) {
  EXPECT_TRUE(Variant(3) < 3.5);
  EXPECT_TRUE(Variant(3) <= 3);
  EXPECT_TRUE(Variant("b") > "a");
  EXPECT_TRUE(Variant(4) >= 3.5);
  EXPECT_TRUE(Variant(3) != 4);
  EXPECT_TRUE(Variant("3") == 3);
  // Null is neither below nor above a value.
  EXPECT_FALSE(kNull < 1 || kNull > 1 || kNull <= 1 || kNull >= 1 || kNull == 1);
  EXPECT_TRUE(kNull <= kNull);
  EXPECT_THROW((void)(Variant("abc") == 1), EVariantError);
  EXPECT_THROW((void)(Variant("abc") < Variant::FromDateTime(1)), EVariantError);
  EXPECT_FALSE(VarSameValue("abc", 1));
  EXPECT_FALSE(VarSameValue("", 0));
  EXPECT_TRUE(VarSameValue("0", 0));
  EXPECT_TRUE(VarSameValue(kNull, kNull));
  EXPECT_FALSE(VarSameValue(kNull, Variant()));
}

TEST(Variant, TheReportEvaluatorsExamplesHold) {
  // OR is a sum, AND a product, comparisons give 1 or 0 and MOD a remainder.
  EXPECT_TRUE(VarSameValue(Variant(1) + 1, 2));
  EXPECT_TRUE(VarSameValue(Variant(2) * 0, 0));
  EXPECT_TRUE(VarSameValue(Variant("a") + "b", "ab"));
  EXPECT_TRUE(VarSameValue(VarMod(7, 3), 1));
  EXPECT_TRUE(VarSameValue(Variant(2) + Variant(3) * 4, 14));
  EXPECT_TRUE(VarSameValue(-(Variant(1) + 2), -3));
  const Variant comparison = Variant(Variant(7) > 5 ? 1 : 0);
  EXPECT_TRUE(comparison == true);
  EXPECT_TRUE(VarSameValue(Variant(true) * Variant(true), 1));
  EXPECT_TRUE(VarSameValue(Variant(true) + Variant(false), 1));
}
