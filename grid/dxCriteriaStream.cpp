// The criteria as stored layouts keep them: the root's member count and the members, each a
// group (flags, count, members) or a condition (display value, column name, operator kind and a
// typed value). Integers are little-endian; a string is an int32 byte count and its UTF-8 bytes.
#include <cmath>
#include <cstring>
#include <limits>

#include "grid/dxCriteria.h"
#include "rtl/Exceptions.h"
#include "rtl/Extended.h"
#include "rtl/Streams.h"
#include "rtl/Text.h"

namespace {

// The type bytes of a stored value.
enum : uint8_t {
  vtNull = 0,
  vtInt8 = 2,
  vtInt16 = 3,
  vtInt32 = 4,
  vtExtended = 5,
  vtString = 6,
  vtFalse = 8,
  vtTrue = 9,
  vtLongString = 12,
  vtEmpty = 13,
  vtSingle = 15,
  vtCurrency = 16,
  vtDate = 17,
  vtWideString = 18,
};

// Nesting deeper than this is no layout the program wrote.
constexpr int MaxGroupDepth = 64;

[[noreturn]] void ReadFailed() { throw EReadError("Stream read error"); }

class TCriteriaWriter {
 public:
  explicit TCriteriaWriter(TStream& Stream) : FStream(Stream) {}

  void Group(const TdxCriteriaItemList& Group) {
    Int32(Group.Count());
    for (int i = 0; i < Group.Count(); ++i) Member(*Group.Items(i));
  }

 private:
  void Member(const TdxCustomCriteriaItem& Item) {
    Byte(Item.IsList() ? 1 : 0);
    Byte(Item.Not ? 1 : 0);
    if (Item.IsList()) {
      const auto& group = static_cast<const TdxCriteriaItemList&>(Item);
      Byte(group.IsOr ? 1 : 0);
      Group(group);
      return;
    }
    const auto& condition = static_cast<const TdxCriteriaItem&>(Item);
    Text(condition.DisplayValue);
    Text(condition.Name);
    Byte(condition.OperatorKind);
    Value(condition.Value);
  }

  void Value(const Variant& V) {
    switch (V.VarType()) {
      case varEmpty: return Byte(vtEmpty);
      case varNull: return Byte(vtNull);
      case varInteger: return Integer(V.AsInteger());
      case varDouble: {
        Byte(vtExtended);
        const TExtendedBytes bytes = DoubleToExtended(V.AsDouble());
        return Bytes(bytes.data(), int(bytes.size()));
      }
      case varCurrency: {
        Byte(vtCurrency);
        return Bytes64(V.AsCurrencyUnits());
      }
      case varDate: {
        Byte(vtDate);
        const double days = V.AsDateTime();
        uint64_t bits = 0;
        std::memcpy(&bits, &days, sizeof bits);
        return Bytes64(int64_t(bits));
      }
      case varBoolean: return Byte(V.AsBoolean() ? vtTrue : vtFalse);
      default: {
        // Texts, and every other kind as its text.
        const String text = VarToStr(V);
        if (text.size() <= 255) {
          Byte(vtString);
          Byte(uint8_t(text.size()));
        } else {
          Byte(vtLongString);
          Int32(int(text.size()));
        }
        return Bytes(text.data(), int(text.size()));
      }
    }
  }

  // The smallest of the three integer widths that holds the value.
  void Integer(int V) {
    if (V >= -128 && V <= 127) {
      Byte(vtInt8);
      return Byte(uint8_t(int8_t(V)));
    }
    if (V >= -32768 && V <= 32767) {
      Byte(vtInt16);
      Byte(uint8_t(V));
      return Byte(uint8_t(V >> 8));
    }
    Byte(vtInt32);
    Int32(V);
  }

  void Text(const String& S) {
    Int32(int(S.size()));
    Bytes(S.data(), int(S.size()));
  }
  void Int32(int V) {
    for (int i = 0; i < 4; ++i) Byte(uint8_t(uint32_t(V) >> (8 * i)));
  }
  void Bytes64(int64_t V) {
    for (int i = 0; i < 8; ++i) Byte(uint8_t(uint64_t(V) >> (8 * i)));
  }
  void Byte(uint8_t B) { FStream.WriteBuffer(&B, 1); }
  void Bytes(const void* Data, int Count) { FStream.WriteBuffer(Data, Count); }

  TStream& FStream;
};

class TCriteriaReader {
 public:
  TCriteriaReader(TStream& Stream, TdxCriteria& Criteria) : FStream(Stream), FCriteria(Criteria) {}

  void Members(TdxCriteriaItemList& Group, int Depth) {
    if (Depth > MaxGroupDepth) ReadFailed();
    const int count = Count(2);
    for (int i = 0; i < count; ++i) Member(Group, Depth);
  }

 private:
  void Member(TdxCriteriaItemList& Group, int Depth) {
    const bool isList = Flag();
    const bool negated = Flag();
    if (isList) {
      TdxCriteriaItemList* group = FCriteria.AddGroup(&Group, Flag());
      group->Not = negated;
      return Members(*group, Depth + 1);
    }
    const String display = Text();
    const String name = Text();
    const uint8_t kind = Byte();
    if (kind >= OperatorKindCount) ReadFailed();
    FCriteria.AddCondition(&Group, name, kind, display, Value())->Not = negated;
  }

  Variant Value() {
    switch (Byte()) {
      case vtNull: return Variant::Null();
      case vtEmpty: return Variant();
      case vtInt8: return Variant(int(int8_t(Byte())));
      case vtInt16: return Variant(int(int16_t(uint16_t(Unsigned(2)))));
      case vtInt32: return Variant(int(int32_t(uint32_t(Unsigned(4)))));
      case vtExtended: {
        TExtendedBytes bytes{};
        FStream.ReadBuffer(bytes.data(), int(bytes.size()));
        return Variant(ExtendedToDouble(bytes));
      }
      case vtSingle: {
        const uint32_t bits = uint32_t(Unsigned(4));
        float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        // Written back as an extended float, which reads every NaN as the plain one: a single's
        // NaN reads as that one too, so that the value writes the same bytes every time.
        return Variant(std::isnan(value) ? std::copysign(std::numeric_limits<double>::quiet_NaN(), value) : double(value));
      }
      case vtCurrency: return Variant::FromCurrencyUnits(int64_t(Unsigned(8)));
      case vtDate: {
        const uint64_t bits = Unsigned(8);
        double days = 0;
        std::memcpy(&days, &bits, sizeof days);
        return ShowableDate(days);
      }
      case vtFalse: return Variant(false);
      case vtTrue: return Variant(true);
      case vtString: return Variant(Chars(Byte()));
      case vtLongString: return Variant(Chars(Count(1)));
      case vtWideString: {
        const int count = Count(2);
        std::u16string units(size_t(count), u'\0');
        for (char16_t& unit : units) unit = char16_t(Unsigned(2));
        return Variant(FromUtf16(units));
      }
      default: ReadFailed();
    }
  }

  // The criteria show a date as its text: one that has none (NaN, infinite, outside the years 1
  // to 9999) is damage, refused here rather than later by GetFilterText.
  static Variant ShowableDate(double Days) {
    const Variant date = Variant::FromDateTime(Days);
    try {
      (void)VarToStr(date);
    } catch (const EConvertError&) {
      ReadFailed();
    }
    return date;
  }

  // A count or length of items at least UnitSize bytes long each: never negative, never more than
  // the bytes left could hold.
  int Count(int UnitSize) {
    const int count = int(int32_t(uint32_t(Unsigned(4))));
    if (count < 0 || int64_t(count) * UnitSize > FStream.Size() - FStream.Position()) ReadFailed();
    return count;
  }
  String Text() { return Chars(Count(1)); }
  String Chars(int Length) {
    String text(size_t(Length), '\0');
    FStream.ReadBuffer(text.data(), Length);
    return text;
  }
  bool Flag() { return Byte() != 0; }
  uint8_t Byte() {
    uint8_t b = 0;
    FStream.ReadBuffer(&b, 1);
    return b;
  }
  uint64_t Unsigned(int Bytes) {
    uint8_t data[8] = {};
    FStream.ReadBuffer(data, Bytes);
    uint64_t value = 0;
    for (int i = Bytes - 1; i >= 0; --i) value = (value << 8) | data[i];
    return value;
  }

  TStream& FStream;
  TdxCriteria& FCriteria;
};

}  // namespace

void TdxCriteria::WriteToStream(TStream& Stream) const { TCriteriaWriter(Stream).Group(FRoot); }

void TdxCriteria::ReadFromStream(TStream& Stream) {
  Clear();
  try {
    TCriteriaReader(Stream, *this).Members(FRoot, 0);
  } catch (...) {
    Clear();
    throw;
  }
  Changed();
}
