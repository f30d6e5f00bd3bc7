// The filter criteria without a grid: conditions on named values in a context of their own, the
// evaluation, the user's and the data set's texts, removing a column's conditions, and the
// stored bytes read back and refused when damaged.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <map>

#include "grid/dxCriteria.h"
#include "rtl/Streams.h"

namespace {

// A record as a map of named values.
struct TRecord : TObject {
  std::map<String, Variant> Values;
};

class TRecordItem : public TdxCriteriaItem {
 public:
  Variant GetRecordValue(TObject* Context) const override {
    const auto& values = static_cast<TRecord*>(Context)->Values;
    const auto found = values.find(Name);
    return found == values.end() ? Variant::Null() : found->second;
  }
};

class TRecordCriteria : public TdxCriteria {
 public:
  std::unique_ptr<TdxCriteriaItem> CreateItem() const override { return std::make_unique<TRecordItem>(); }
};

TRecord Record(const Variant& Name, const Variant& Score) {
  TRecord r;
  r.Values["Name"] = Name;
  r.Values["Score"] = Score;
  return r;
}

std::vector<uint8_t> Bytes(const TdxCriteria& Criteria) {
  TMemoryStream stream;
  Criteria.WriteToStream(stream);
  return {stream.Memory(), stream.Memory() + stream.Size()};
}

void Read(TdxCriteria& Criteria, const std::vector<uint8_t>& Data) {
  TMemoryStream stream;
  if (!Data.empty()) stream.WriteBuffer(Data.data(), int(Data.size()));
  stream.SetPosition(0);
  Criteria.ReadFromStream(stream);
}

}  // namespace

TEST(Criteria, EmptyCriteriaPassEverythingAndHaveNoText) {
  TRecordCriteria criteria;
  TRecord any = Record("x", 1);
  EXPECT_TRUE(criteria.Evaluate(&any));
  EXPECT_EQ(criteria.GetFilterText(true), "");
  EXPECT_EQ(criteria.GetFilterText(false), "");
  EXPECT_EQ(Bytes(criteria), (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST(Criteria, OperatorsAndGroupsDecideEveryRecord) {
  TRecordCriteria criteria;
  // Score > 80 OR (Name Is Null AND NOT Score = 58)
  criteria.Root().IsOr = true;
  TdxCriteriaItemList* group = criteria.AddGroup(nullptr, false);
  criteria.AddCondition(group, "Name", okIsNull, "", Variant::Null());
  criteria.AddCondition(group, "Score", okEqual, "58", 58)->Not = true;
  criteria.AddCondition(nullptr, "Score", okGreater, "80", 80);
  struct Case {
    TRecord R;
    bool Passes;
  };
  const Case cases[] = {
      {Record("Zhou", 90), true},              // only the later member passes
      {Record("", 60), true},                  // an empty text is "Is Null"
      {Record(Variant::Null(), 58), false},    // the negated member fails the group
      {Record("Ma", 70), false},               // no member passes
      {Record(Variant(), 70), false},          // Empty is no Null
      {Record("Hu", Variant::Null()), false},  // Null orders against nothing
      {Record("Li", "text"), false},           // values that do not compare never match
  };
  for (const Case& c : cases) {
    TRecord r = c.R;
    EXPECT_EQ(criteria.Evaluate(&r), c.Passes) << VarToStr(c.R.Values.at("Name")) << " " << VarToStr(c.R.Values.at("Score"));
  }
  criteria.Root().Not = true;
  TRecord high = Record("Zhou", 90);
  EXPECT_FALSE(criteria.Evaluate(&high)) << "the root's NOT turns the result";

  const struct {
    int Kind;
    Variant Value;
    bool Passes;
  } comparisons[] = {{okLess, 81, true}, {okLess, 80, false}, {okLessEqual, 80, true}, {okGreaterEqual, 80, true},
                     {okGreaterEqual, 81, false}};
  for (const auto& c : comparisons) {
    TRecordCriteria one;
    one.AddCondition(nullptr, "Score", c.Kind, "", c.Value);
    TRecord r = Record("x", 80);
    EXPECT_EQ(one.Evaluate(&r), c.Passes) << dxOperator(c.Kind).GetText() << " " << VarToStr(c.Value);
  }
  EXPECT_THROW(dxOperator(6), EListError);
}

TEST(Criteria, TheUsersTextAndTheExpressionQuoteTheirValues) {
  TRecordCriteria criteria;
  TdxCriteriaItemList* group = criteria.AddGroup(nullptr, true);
  criteria.AddCondition(group, "Name", okEqual, "O'Neil", "O'Neil");
  criteria.AddCondition(group, "Name", okIsNull, "", Variant::Null())->Not = true;
  criteria.AddCondition(nullptr, "Score", okGreaterEqual, "60.5", 60.5);
  criteria.AddCondition(nullptr, "Score", okLess, "-5", -5);
  EXPECT_EQ(criteria.GetFilterText(true),
            "((Name = O'Neil) OR (NOT (Name Is Null))) AND (Score >= 60.5) AND (Score < -5)");
  EXPECT_EQ(criteria.GetFilterText(false),
            "((Name = 'O''Neil') OR (NOT (Name Is Null))) AND (Score >= 60.5) AND (Score < -5)");
  group->Not = true;
  EXPECT_EQ(criteria.GetFilterText(false).substr(0, 6), "(NOT (");
}

TEST(Criteria, RemovingAColumnTidiesItsGroups) {
  TRecordCriteria criteria;
  // NOT (Name = A AND Score = 1), Score > 2
  TdxCriteriaItemList* group = criteria.AddGroup(nullptr, false);
  group->Not = true;
  criteria.AddCondition(group, "Name", okEqual, "A", "A");
  criteria.AddCondition(group, "Score", okEqual, "1", 1);
  criteria.AddCondition(nullptr, "Score", okGreater, "2", 2);
  EXPECT_EQ(criteria.FindByName("Score")->Parent(), group) << "depth first";
  EXPECT_EQ(criteria.FindByName("score"), nullptr) << "names are case-sensitive";

  criteria.RemoveByName("Score");
  ASSERT_EQ(criteria.Count(), 1);
  auto* left = static_cast<TdxCriteriaItem*>(criteria.Root().Items(0));
  EXPECT_FALSE(left->IsList()) << "the group of one hands its member to the root";
  EXPECT_EQ(left->Name, "Name");
  EXPECT_TRUE(left->Not) << "the group's NOT goes with it";
  EXPECT_EQ(criteria.GetFilterText(true), "(NOT (Name = A))");

  TdxCriteriaItemList* empty = criteria.AddGroup(nullptr, true);
  criteria.AddCondition(empty, "Score", okEqual, "3", 3);
  criteria.RemoveByName("Score");
  EXPECT_EQ(criteria.Count(), 1) << "an emptied group goes";
  criteria.RemoveByName("Name");
  EXPECT_EQ(criteria.Count(), 0);
}

TEST(Criteria, TheStoredBytes) {
  TRecordCriteria criteria;
  criteria.AddCondition(nullptr, "C", okEqual, "-5", -5);
  EXPECT_EQ(Bytes(criteria), (std::vector<uint8_t>{1, 0, 0, 0, 0, 0, 2, 0, 0, 0, '-', '5', 1, 0, 0, 0, 'C', 1, 2, 0xFB}));

  criteria.Clear();
  criteria.AddCondition(nullptr, "C", okEqual, "", String(256, 'x'));
  const std::vector<uint8_t> longText = Bytes(criteria);
  ASSERT_EQ(longText.size(), 4u + 2 + 4 + 4 + 1 + 1 + 1 + 4 + 256);
  EXPECT_EQ(std::vector<uint8_t>(longText.begin() + 16, longText.begin() + 21), (std::vector<uint8_t>{12, 0, 1, 0, 0}));

  criteria.Clear();
  TdxCriteriaItemList* group = criteria.AddGroup(nullptr, true);
  group->Not = true;
  criteria.AddCondition(group, "A", okIsNull, "", Variant::Null())->Not = true;
  EXPECT_EQ(Bytes(criteria), (std::vector<uint8_t>{1, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0,
                                                     'A', 0, 0}));
}

TEST(Criteria, EveryKindOfValueReadsBack) {
  const Variant values[] = {Variant::Null(), Variant(), Variant(127), Variant(-128), Variant(-32768), Variant(32767),
                            Variant(70000), Variant(-81.25), Variant::FromCurrencyUnits(123456),
                            Variant::FromDateTime(45000.5), Variant(true), Variant(false), Variant("成绩"),
                            Variant(String(300, 'y'))};
  const uint8_t typeBytes[] = {0, 13, 2, 2, 3, 3, 4, 5, 16, 17, 9, 8, 6, 12};
  TRecordCriteria criteria;
  for (size_t i = 0; i < std::size(values); ++i) {
    criteria.Clear();
    criteria.AddCondition(nullptr, "V", okEqual, "shown", values[i]);
    const std::vector<uint8_t> bytes = Bytes(criteria);
    EXPECT_EQ(bytes[4 + 2 + 4 + 5 + 4 + 1 + 1], typeBytes[i]) << i;
    TRecordCriteria copy;
    Read(copy, bytes);
    ASSERT_EQ(copy.Count(), 1);
    const auto* item = static_cast<TdxCriteriaItem*>(copy.Root().Items(0));
    EXPECT_EQ(item->Value.VarType(), values[i].VarType()) << i;
    EXPECT_TRUE(VarSameValue(item->Value, values[i]) || values[i].IsNull()) << i;
    EXPECT_EQ(item->DisplayValue, "shown");
    EXPECT_EQ(Bytes(copy), bytes) << i;
  }
}

TEST(Criteria, ForeignKindsReadAndDamagedBytesAreRefused) {
  // A single (15) and a wide string (18) as other writers store them.
  const std::vector<uint8_t> single{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 'V', 1, 15, 0, 0, 0xC0, 0x3F};
  const std::vector<uint8_t> wide{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 'V', 1, 18, 2, 0, 0, 0, 0x10, 0x62, 'a', 0};
  TRecordCriteria criteria;
  Read(criteria, single);
  EXPECT_EQ(static_cast<TdxCriteriaItem*>(criteria.Root().Items(0))->Value.AsDouble(), 1.5);
  Read(criteria, wide);
  EXPECT_EQ(VarToStr(static_cast<TdxCriteriaItem*>(criteria.Root().Items(0))->Value), "成a");

  std::vector<uint8_t> deep{1, 0, 0, 0};
  for (int i = 0; i < 70; ++i) deep.insert(deep.end(), {1, 0, 0, 1, 0, 0, 0});
  deep.insert(deep.end(), {0, 0, 0, 0});
  const std::vector<std::vector<uint8_t>> damaged = {
      {},                                                                           // no count
      {2, 0, 0, 0, 0, 0},                                                           // members missing
      {0xFF, 0xFF, 0xFF, 0xFF},                                                     // a negative count
      {1, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F},                                   // a length past the end
      {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9, 0},                             // an operator kind of 9
      {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 7},                             // an unknown type byte
      {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 12, 0xF0, 0xFF, 0xFF, 0xFF},  // a negative text length
      deep,                                                                         // nested past any layout
  };
  for (size_t i = 0; i < damaged.size(); ++i) {
    criteria.AddCondition(nullptr, "kept?", okEqual, "", 1);
    EXPECT_THROW(Read(criteria, damaged[i]), EReadError) << i;
    EXPECT_EQ(criteria.Count(), 0) << "a refused stream leaves no half tree: " << i;
  }
}

// A date is stored as the double of its days. One that has no text (NaN, infinite, outside the
// years 1 to 9999) is refused on reading, since the filter text could not show it; the others
// read back, show their text and write the same bytes again.
TEST(Criteria, DatesWithoutTextAreRefusedAndTheOthersWriteTheirBytesAgain) {
  const auto stream = [](double Days) {
    std::vector<uint8_t> bytes{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 'D', 1, 17};
    uint64_t bits = 0;
    std::memcpy(&bits, &Days, sizeof bits);
    for (int i = 0; i < 8; ++i) bytes.push_back(uint8_t(bits >> (8 * i)));
    return bytes;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  const struct {
    double Days;
    const char* Text;  // nullptr: refused
  } cases[] = {
      {45000.5, "(D = '2023-3-15 12:00:00')"}, {0, "(D = '1899-12-30')"}, {-693593, "(D = '0001-1-1')"},
      {2958465.5, "(D = '9999-12-31 12:00:00')"}, {nan, nullptr}, {-nan, nullptr}, {inf, nullptr}, {-inf, nullptr},
      {-693594, nullptr}, {2958466, nullptr}, {1e300, nullptr},
  };
  for (const auto& c : cases) {
    TRecordCriteria criteria;
    criteria.AddCondition(nullptr, "kept?", okEqual, "", 1);
    if (!c.Text) {
      EXPECT_THROW(Read(criteria, stream(c.Days)), EReadError) << c.Days;
      EXPECT_EQ(criteria.Count(), 0) << c.Days;
      continue;
    }
    Read(criteria, stream(c.Days));
    EXPECT_EQ(criteria.GetFilterText(false), c.Text);
    EXPECT_EQ(Bytes(criteria), stream(c.Days)) << c.Days;
  }
}

// Streams in forms this program does not write (a single, a wide string, a long form of a short
// text, a wide integer form, flags other than 1) read, and what they read writes bytes that read
// back and write the same bytes again.
TEST(Criteria, WhatForeignFormsReadWritesTheSameBytesEveryTime) {
  const std::vector<uint8_t> head{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 'V', 1};
  const std::vector<std::vector<uint8_t>> values = {
      {15, 0x01, 0x00, 0xC0, 0x7F},                 // a single NaN with a payload
      {15, 0x01, 0x00, 0xC0, 0xFF},                 // and a negative one
      {15, 0x00, 0x00, 0xC0, 0x3F},                 // 1.5 as a single
      {18, 2, 0, 0, 0, 0x00, 0xD8, 'a', 0},         // a wide string with a lone surrogate
      {12, 3, 0, 0, 0, 'a', 'b', 'c'},              // a short text in the long form
      {4, 5, 0, 0, 0},                              // a small integer in four bytes
  };
  for (size_t i = 0; i < values.size(); ++i) {
    std::vector<uint8_t> stream = head;
    stream.insert(stream.end(), values[i].begin(), values[i].end());
    TRecordCriteria first, second;
    Read(first, stream);
    const std::vector<uint8_t> written = Bytes(first);
    Read(second, written);
    EXPECT_EQ(Bytes(second), written) << i;
    EXPECT_EQ(second.GetFilterText(false), first.GetFilterText(false)) << i;
  }
  std::vector<uint8_t> flags{1, 0, 0, 0, 2, 7, 5};  // a group and a NOT flagged other than by 1
  flags.insert(flags.end(), {0, 0, 0, 0});
  TRecordCriteria group;
  Read(group, flags);
  EXPECT_EQ(Bytes(group), (std::vector<uint8_t>{1, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0}));
}
