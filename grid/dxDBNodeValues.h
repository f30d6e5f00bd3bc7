// What a data-bound node keeps of a record, per column: TdxNodeCell holds a value in 16 bytes
// with its value-record flags and the text rule (TdxCellTextRule) that makes the cell's text
// from the value when the text is asked for, as the column would have made it when it read the
// record.
#pragma once

#include <cstdint>

#include "data/Fields.h"
#include "rtl/Variant.h"

// One column's value in a node: Empty, Null, a Boolean, number or date as itself, a text of up to
// 12 bytes inside the cell and a longer one in a block of its own. Beside it the flags of the
// column's value record (dnvValue ...) and the index of the rule that makes the cell's text, 0
// when the text is kept as such.
class TdxNodeCell {
 public:
  TdxNodeCell() noexcept = default;
  TdxNodeCell(const Variant& Value, uint8_t Flags, uint16_t TextRule);
  TdxNodeCell(const TdxNodeCell& Other);
  TdxNodeCell(TdxNodeCell&& Other) noexcept;
  TdxNodeCell& operator=(TdxNodeCell Other) noexcept;
  ~TdxNodeCell();

  Variant Value() const;
  uint8_t Flags() const { return FFlags; }
  uint16_t TextRule() const { return FTextRule; }
  // The text is kept as such from now on.
  void DropTextRule() { FTextRule = 0; }

 private:
  enum TKind : uint8_t {
    ckEmpty, ckNull, ckBoolean, ckInteger, ckInt64, ckDouble, ckCurrency, ckDate, ckShortText, ckText
  };
  static constexpr size_t ShortTextSize = 12;
  TKind Kind() const { return TKind(FTag & 0x0F); }
  size_t ShortLength() const { return FTag >> 4; }
  void SetText(const String& Text);
  void Swap(TdxNodeCell& Other) noexcept;
  template <class T>
  T Read(size_t Offset) const;
  template <class T>
  void Write(size_t Offset, T Value);

  uint8_t FTag = ckEmpty;  // the kind; a short text's length in the high four bits
  uint8_t FFlags = 0;
  uint16_t FTextRule = 0;
  // A short text's bytes; else a long text's length and block, or a number at offset 4.
  alignas(4) unsigned char FData[ShortTextSize] = {};
};

// How a column's text is made from a value it read: the field's display text of the value (as
// the field showed it then), taken into the column's value type and back to text.
struct TdxCellTextRule {
  TFieldDisplayText FieldText;
  TVarType FilterType = varString;
  bool operator==(const TdxCellTextRule& Other) const = default;
  // Whether the text of Value is sure to be made without failing, as the column's reading of a
  // record makes it (a value of another kind than the field's may fail to convert).
  bool CanShow(const Variant& Value) const;
  String Text(const Variant& Value) const;
};

// A text taken into a value type, as columns take their cell and filter texts: an empty text and
// a text that does not convert stay text.
Variant TextAsType(const String& Text, TVarType Type);
