// Property records of report objects and the font and string-list property helpers.
#include "report/FR_Object.h"

#include "report/FR_Globals.h"
#include "report/FR_Utils.h"
#include "rtl/Text.h"

void TfrObject::SetProperty(const String&, const Variant&) {}

Variant TfrObject::GetProperty(const String&) { return Variant(); }

Variant TfrObject::CallMethod(const String&, const Variant&, const Variant&, const Variant&) { return Variant(); }

void TfrObject::EnsureProperties() {
  if (FProps.empty()) DeclareProperties();
}

const TfrProp* TfrObject::FindProperty(const String& Name) const {
  for (const TfrProp& prop : FProps)
    if (SameText(prop.Name, Name)) return &prop;
  return nullptr;
}

void TfrObject::AddProperty(const String& Name, uint16_t TypeFlags, std::function<void()> EditorHook) {
  FProps.push_back(TfrProp{Name, TypeFlags, {}, {}, std::move(EditorHook)});
}

void TfrObject::AddEnumProperty(const String& Name, const String& Names, const std::vector<Variant>& Values) {
  TfrProp prop{Name, frdtEnum, {}, Values, {}};
  TStringList names;
  frSplitItems(Names, names);
  for (int i = 0; i < names.Count(); ++i) prop.EnumNames.push_back(names[i]);
  FProps.push_back(std::move(prop));
}

bool SetFontProperty(TFont& Font, const String& Name, const Variant& Value) {
  if (Name == "FONT.NAME")
    Font.SetName(Value.AsString());
  else if (Name == "FONT.SIZE")
    Font.SetSize(Value.AsInteger());
  else if (Name == "FONT.STYLE")
    Font.SetStyle(frBitsToFontStyle(uint8_t(Value.AsInteger())));
  else if (Name == "FONT.COLOR")
    Font.SetColor(Value.AsInteger());
  else
    return false;
  return true;
}

Variant GetFontProperty(const TFont& Font, const String& Name) {
  if (Name == "FONT.NAME") return Font.Name();
  if (Name == "FONT.SIZE") return Font.Size();
  if (Name == "FONT.STYLE") return int(frFontStyleToBits(Font.Style()));
  if (Name == "FONT.COLOR") return Font.Color();
  return Variant();
}

namespace {

bool InRange(const TStrings& list, int index) { return index >= 0 && index < list.Count(); }

// The argument of .ADD, .DELETE and .INDEXOF is an expression.
Variant Evaluated(const Variant& text) { return frParser().Calc(VarToStr(text)); }

}  // namespace

Variant StringListMethod(const String& ListName, TStrings& List, const String& Method, const Variant& Arg1,
                         const Variant& Arg2, const Variant& Arg3) {
  if (Method == "SETINDEXPROPERTY") {
    if (UpperCase(VarToStr(Arg1)) != ListName) return Variant();
    const int index = Arg2.AsInteger();
    if (InRange(List, index)) List.SetStrings(index, VarToStr(Arg3));
    return Arg3;
  }
  if (Method == "GETINDEXPROPERTY") {
    if (UpperCase(VarToStr(Arg1)) != ListName) return Variant();
    const int index = Arg2.AsInteger();
    return InRange(List, index) ? List[index] : String();
  }
  if (Method == ListName + ".ADD") return List.Add(VarToStr(Evaluated(Arg1)));
  if (Method == ListName + ".CLEAR") {
    List.Clear();
    return 0;
  }
  if (Method == ListName + ".DELETE") {
    const int index = Evaluated(Arg1).AsInteger();
    if (InRange(List, index)) List.Delete(index);
    return 0;
  }
  if (Method == ListName + ".INDEXOF") return List.IndexOf(VarToStr(Evaluated(Arg1)));
  return Variant();
}
