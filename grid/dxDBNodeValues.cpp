// Node cells: a Variant packed into 16 bytes and unpacked again unchanged, and the rules that make
// a cell's text from its value.
#include "grid/dxDBNodeValues.h"

#include <cmath>
#include <cstring>
#include <utility>

template <class T>
T TdxNodeCell::Read(size_t Offset) const {
  T value;
  std::memcpy(&value, FData + Offset, sizeof(T));
  return value;
}

template <class T>
void TdxNodeCell::Write(size_t Offset, T Value) {
  std::memcpy(FData + Offset, &Value, sizeof(T));
}

namespace {

// Numbers and the block of a long text sit after its 4-byte length.
constexpr size_t PayloadOffset = 4;

}  // namespace

TdxNodeCell::TdxNodeCell(const Variant& Value, uint8_t Flags, uint16_t TextRule) : FFlags(Flags), FTextRule(TextRule) {
  switch (Value.VarType()) {
    case varEmpty: FTag = ckEmpty; break;
    case varNull: FTag = ckNull; break;
    case varBoolean: FTag = ckBoolean, Write(PayloadOffset, Value.AsBoolean()); break;
    case varInteger: FTag = ckInteger, Write(PayloadOffset, Value.AsInteger()); break;
    case varInt64: FTag = ckInt64, Write(PayloadOffset, Value.AsInt64()); break;
    case varDouble: FTag = ckDouble, Write(PayloadOffset, Value.AsDouble()); break;
    case varCurrency: FTag = ckCurrency, Write(PayloadOffset, Value.AsCurrencyUnits()); break;
    case varDate: FTag = ckDate, Write(PayloadOffset, Value.AsDateTime()); break;
    case varString: SetText(Value.StringValue()); break;
  }
}

void TdxNodeCell::SetText(const String& Text) {
  if (Text.size() <= ShortTextSize) {
    FTag = uint8_t(ckShortText | (Text.size() << 4));
    std::memcpy(FData, Text.data(), Text.size());
    return;
  }
  char* block = new char[Text.size()];
  std::memcpy(block, Text.data(), Text.size());
  FTag = ckText;
  Write(0, uint32_t(Text.size()));
  Write(PayloadOffset, block);
}

TdxNodeCell::TdxNodeCell(const TdxNodeCell& Other)
    : FTag(Other.FTag), FFlags(Other.FFlags), FTextRule(Other.FTextRule) {
  if (Other.Kind() == ckText)
    SetText(String(Other.Read<const char*>(PayloadOffset), Other.Read<uint32_t>(0)));
  else
    std::memcpy(FData, Other.FData, sizeof FData);
}

TdxNodeCell::TdxNodeCell(TdxNodeCell&& Other) noexcept { Swap(Other); }

TdxNodeCell& TdxNodeCell::operator=(TdxNodeCell Other) noexcept {
  Swap(Other);
  return *this;
}

TdxNodeCell::~TdxNodeCell() {
  if (Kind() == ckText) delete[] Read<char*>(PayloadOffset);
}

void TdxNodeCell::Swap(TdxNodeCell& Other) noexcept {
  std::swap(FTag, Other.FTag);
  std::swap(FFlags, Other.FFlags);
  std::swap(FTextRule, Other.FTextRule);
  unsigned char data[ShortTextSize];
  std::memcpy(data, FData, sizeof data);
  std::memcpy(FData, Other.FData, sizeof data);
  std::memcpy(Other.FData, data, sizeof data);
}

Variant TdxNodeCell::Value() const {
  switch (Kind()) {
    case ckEmpty: break;
    case ckNull: return Variant::Null();
    case ckBoolean: return Variant(Read<bool>(PayloadOffset));
    case ckInteger: return Variant(Read<int32_t>(PayloadOffset));
    case ckInt64: return Variant(Read<int64_t>(PayloadOffset));
    case ckDouble: return Variant(Read<double>(PayloadOffset));
    case ckCurrency: return Variant::FromCurrencyUnits(Read<int64_t>(PayloadOffset));
    case ckDate: return Variant::FromDateTime(Read<double>(PayloadOffset));
    case ckShortText: return Variant(String(reinterpret_cast<const char*>(FData), ShortLength()));
    case ckText: return Variant(String(Read<const char*>(PayloadOffset), Read<uint32_t>(0)));
  }
  return Variant();
}

// --- text rules -------------------------------------------------------------------------------------

Variant TextAsType(const String& Text, TVarType Type) {
  if (Text.empty() || Type == varString) return Variant(Text);
  try {
    return VarAsType(Variant(Text), Type);
  } catch (const EVariantError&) {
    return Variant(Text);
  }
}

namespace {

bool IsNumber(TVarType Type) {
  return Type == varBoolean || Type == varInteger || Type == varInt64 || Type == varDouble || Type == varCurrency ||
         Type == varDate;
}

}  // namespace

// The field's text fails for a value its kind does not read (a text that is no number) and for a
// date out of the calendar; a date's text in a display format of its own may read back as a
// number that is no date. Every other text goes into the value type and back without failing.
bool TdxCellTextRule::CanShow(const Variant& Value) const {
  const TVarType type = Value.VarType();
  if (type == varNull || type == varEmpty) return true;
  switch (FieldText.Kind()) {
    case ftkPlain:
    case ftkBlob: return true;
    case ftkInteger: return type == varBoolean || type == varInteger || type == varInt64;
    case ftkFloat: return IsNumber(type) && std::isfinite(Value.AsDouble());
    case ftkBoolean: return IsNumber(type);
    case ftkDateTime: {
      if (!IsNumber(type) || !FieldText.Format().empty()) return false;
      const double date = Value.AsDouble();
      return date > -693594.0 && date < 2958466.0;
    }
  }
  return false;
}

String TdxCellTextRule::Text(const Variant& Value) const {
  String text = FieldText(Value);
  // A text taken as a text is itself.
  if (FilterType == varString) return text;
  return VarToStr(TextAsType(text, FilterType));
}
