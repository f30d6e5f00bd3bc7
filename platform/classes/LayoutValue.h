// The parsed form of a stored layout: objects with their properties and children, and the value
// kinds a property may hold. The text reader and writer (LayoutText.h) convert it to and from text.
#pragma once

#include <cstdint>
#include <vector>

#include "rtl/Exceptions.h"

enum class TValueKind {
  Integer,     // 42, -7
  Float,       // 1.5, 2.0, 1e+20
  String,      // 'it''s', with #13 style character codes for control characters
  Ident,       // enumerations, True/False, component references, handler names
  Set,         // [a, b]
  List,        // ( value value ... ): string lists and lists of defined properties
  Collection,  // < item ... end item ... end >
  Binary,      // { hex digits }
};

struct TLayoutProperty;

// One collection item: the properties between "item" and "end".
struct TLayoutItem {
  int Line = 0;
  std::vector<TLayoutProperty> Properties;
};

struct TLayoutValue {
  TValueKind Kind = TValueKind::Integer;
  int Line = 0;
  int64_t Integer = 0;
  double Float = 0;
  String Text;                           // String and Ident
  std::vector<String> Names;             // Set
  std::vector<TLayoutValue> Items;       // List
  std::vector<TLayoutItem> CollectionItems;
  std::vector<uint8_t> Bytes;            // Binary

  static TLayoutValue OfInteger(int64_t value);
  static TLayoutValue OfFloat(double value);
  static TLayoutValue OfString(String value);
  static TLayoutValue OfIdent(String value);
  static TLayoutValue OfSet(std::vector<String> names);
  static TLayoutValue OfKind(TValueKind kind);
};

// "Name = value"; Name may be a dotted path into nested objects ("Font.Name").
struct TLayoutProperty {
  String Name;
  TLayoutValue Value;
  int Line = 0;
};

// "object Name: ClassName" ... "end"
struct TLayoutObject {
  String Name;
  String ClassName;
  int Line = 0;
  std::vector<TLayoutProperty> Properties;
  std::vector<TLayoutObject> Children;
};

// Every error of reading a layout carries the line it was found on.
class ELayoutError : public EReadError {
 public:
  ELayoutError(int line, const String& message)
      : EReadError("Line " + std::to_string(line) + ": " + message), FLine(line) {}
  int Line() const { return FLine; }

 private:
  int FLine;
};
