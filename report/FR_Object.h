// TfrObject, the base of report objects and pages: typed properties read and written by name,
// letter case aside (unknown names are ignored), declared when first resolved; and the font and
// string-list helpers that several objects share.
#pragma once

#include <functional>
#include <vector>

#include "graphics/Font.h"
#include "rtl/Object.h"
#include "rtl/StringList.h"
#include "rtl/Variant.h"

// Type flags of a property record.
enum : uint16_t {
  frdtString = 1,
  frdtInteger = 2,
  frdtFloat = 4,
  frdtBoolean = 8,
  frdtColor = 16,
  frdtEnum = 32,        // the record carries the names and values
  frdtHasEditor = 64,   // a designer may open an editor for it
  frdtSize = 128,       // a size in pixels
  frdtOneObject = 256,  // not offered for a selection of several objects
};

struct TfrProp {
  String Name;  // at most 32 characters
  uint16_t PropType = 0;
  std::vector<String> EnumNames;  // an enumeration's names, in the order of EnumValues
  std::vector<Variant> EnumValues;
  std::function<void()> EditorHook;  // a designer's editor; never set in this program
};

class TfrObject : public TObject {
 public:
  TfrObject() = default;
  TfrObject(const TfrObject&) = delete;
  TfrObject& operator=(const TfrObject&) = delete;

  virtual String ClassName() const { return "TfrObject"; }

  // Names are compared upper-cased. The base accepts none.
  virtual void SetProperty(const String& Name, const Variant& Value);
  virtual Variant GetProperty(const String& Name);
  // Arguments are texts of expressions, or values, as each method says. Empty when the method is
  // unknown.
  virtual Variant CallMethod(const String& Name, const Variant& Arg1, const Variant& Arg2, const Variant& Arg3);

  // Declares the property records once, when there are none yet.
  void EnsureProperties();
  // The first record of that name, letter case aside; nullptr when none.
  const TfrProp* FindProperty(const String& Name) const;
  int PropCount() const { return int(FProps.size()); }
  const TfrProp& Props(int Index) const { return FProps.at(size_t(Index)); }

 protected:
  // Appends the records of the object's properties, in the order a designer lists them.
  virtual void DeclareProperties() {}
  void AddProperty(const String& Name, uint16_t TypeFlags, std::function<void()> EditorHook = {});
  // Names is a ";"-separated list matching Values; the record's type flags are frdtEnum.
  void AddEnumProperty(const String& Name, const String& Names, const std::vector<Variant>& Values);
  void AddProperty(TfrProp Prop) { FProps.push_back(std::move(Prop)); }

 private:
  std::vector<TfrProp> FProps;
};

// "FONT.NAME", "FONT.SIZE", "FONT.STYLE" (the engine's style bits: 1 italic, 2 bold, 4 underline,
// 8 strike-out) and "FONT.COLOR"; names upper case. Other names do nothing and give Empty.
// SetFontProperty answers whether it took the name.
bool SetFontProperty(TFont& Font, const String& Name, const Variant& Value);
Variant GetFontProperty(const TFont& Font, const String& Name);

// The methods of a string-list property named ListName (upper case): "SETINDEXPROPERTY" (list
// name, index, text) and "GETINDEXPROPERTY" (list name, index) for array access from scripts, and
// ListName + ".ADD", ".CLEAR", ".DELETE", ".INDEXOF", whose argument is an expression text
// evaluated first. An index outside the list sets nothing and gives "". Empty when the method is
// none of these.
Variant StringListMethod(const String& ListName, TStrings& List, const String& Method, const Variant& Arg1,
                         const Variant& Arg2, const Variant& Arg3);
