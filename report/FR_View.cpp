// The properties of every report object: their records, and reading, writing and calling them by
// name.
#include "report/FR_View.h"

#include "report/FR_Class.h"
#include "report/FR_State.h"
#include "rtl/Convert.h"
#include "rtl/Text.h"

TfrView::TfrView(uint8_t TypeCode, const char* ABaseName) : BaseName(ABaseName), Typ(TypeCode) {
  ObjectId = frState().NextObjectId++;
}

TfrView::~TfrView() {
  TfrEngineState& state = frState();
  if (state.ActiveView == this) state.ActiveView = nullptr;
}

void TfrView::DeclareProperties() {
  AddProperty("Name", frdtString | frdtOneObject);
  for (const char* bound : {"Left", "Top", "Width", "Height"}) AddProperty(bound, frdtSize);
  AddProperty("Flags", 0);
  if (HasFrameProperties()) {
    AddProperty("FrameTyp", frdtInteger);
    AddProperty("FrameWidth", frdtFloat | frdtSize);
    AddProperty("FrameColor", frdtColor);
    AddEnumProperty("FrameStyle", "psSolid;psDash;psDot;psDashDot;psDashDotDot;psDouble", {0, 1, 2, 3, 4, 5});
    AddProperty("FillColor", frdtColor);
    AddProperty("Tag", frdtString | frdtHasEditor);
    AddEnumProperty("BandAlign", "baNone;baLeft;baRight;baCenter;baWidth;baBottom;baTop", {0, 1, 2, 3, 4, 5, 6});
  }
  AddProperty("Visible", frdtBoolean);
  // A band's text is the script run before it prints, so it is offered under that name.
  AddProperty(Typ == gtBand ? "OnBeforePrint" : "Memo", frdtString | frdtHasEditor);
  AddProperty("Memo.Count", 0);
  AddProperty("Restrictions", frdtHasEditor);
}

void TfrView::SetProperty(const String& Name, const Variant& Value) {
  const String name = UpperCase(Name);
  if (name == "NAME")
    this->Name = Value.AsString();
  else if (name == "LEFT")
    Left = Value.AsInteger();
  else if (name == "TOP")
    Top = Value.AsInteger();
  else if (name == "WIDTH")
    Width = Value.AsInteger();
  else if (name == "HEIGHT")
    Height = Value.AsInteger();
  else if (name == "FLAGS")
    Flags = uint16_t(Value.AsInteger());
  else if (name == "FRAMETYP")
    FrameTyp = uint16_t(Value.AsInteger());
  else if (name == "FRAMEWIDTH")
    FrameWidth = Value.AsDouble();
  else if (name == "FRAMECOLOR")
    FrameColor = Value.AsInteger();
  else if (name == "FRAMESTYLE")
    FrameStyle = uint16_t(Value.AsInteger());
  else if (name == "FILLCOLOR")
    FillColor = Value.AsInteger();
  else if (name == "VISIBLE")
    Visible = Value.AsBoolean();
  else if (name == "MEMO" || name == "DATAFIELD")
    Memo.SetText(Value.AsString());
  else if (name == "GAPX")
    GapX = Value.AsInteger();
  else if (name == "GAPY")
    GapY = Value.AsInteger();
  else if (name == "STRETCHED")
    Flags = uint16_t(Value.AsBoolean() ? Flags | flStretched : Flags & ~flStretched);
  else if (name == "BANDALIGN")
    BandAlign = uint8_t(Value.AsInteger());
  else if (name == "TAG")
    Tag = Value.AsString();
}

Variant TfrView::GetProperty(const String& Name) {
  const String name = UpperCase(Name);
  if (name == "NAME") return this->Name;
  if (name == "LEFT") return Left;
  if (name == "TOP") return Top;
  if (name == "WIDTH") return Width;
  if (name == "HEIGHT") return Height;
  if (name == "FLAGS") return int(Flags);
  if (name == "FRAMETYP") return int(FrameTyp);
  if (name == "FRAMEWIDTH") return FrameWidth;
  if (name == "FRAMECOLOR") return FrameColor;
  if (name == "FRAMESTYLE") return int(FrameStyle);
  if (name == "FILLCOLOR") return FillColor;
  if (name == "VISIBLE") return Visible;
  if (name == "MEMO") return Memo.Text();
  if (name == "MEMO.COUNT") return Memo.Count();
  if (name == "GAPX") return GapX;
  if (name == "GAPY") return GapY;
  if (name == "STRETCHED") return (Flags & flStretched) != 0;
  if (name == "BANDALIGN") return int(BandAlign);
  if (name == "DATAFIELD") return Memo.Count() > 0 ? Memo[0] : String();
  if (name == "TAG") return Tag;
  return Variant();
}

Variant TfrView::CallMethod(const String& Name, const Variant& Arg1, const Variant& Arg2, const Variant& Arg3) {
  Variant result = TfrObject::CallMethod(Name, Arg1, Arg2, Arg3);
  if (!result.IsEmpty()) return result;
  const String name = UpperCase(Name);
  result = StringListMethod("MEMO", Memo, name, Arg1, Arg2, Arg3);
  if (!result.IsEmpty()) return result;
  if (name == "HIDE") SetProperty("VISIBLE", false);
  if (name == "SHOW") SetProperty("VISIBLE", true);
  return Variant();
}

void TfrView::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  Left = ALeft;
  Top = ATop;
  Width = AWidth;
  Height = AHeight;
}

TfrNameIndex::TfrNameIndex(const TfrReport* Report) {
  if (!Report) return;
  for (int i = 0; i < Report->Pages().Count(); ++i)
    for (const auto& view : Report->Pages().Pages(i).Objects) Add(view->Name);
}

void TfrNameIndex::Add(const String& Name) { FNames.insert(AnsiUpperCase(Name)); }

String TfrNameIndex::FirstFree(const String& BaseName) {
  const String base = AnsiUpperCase(BaseName);
  int& number = FNextNumber.try_emplace(base, 1).first->second;
  while (number <= 10000 && FNames.count(base + IntToStr(number))) ++number;
  return number <= 10000 ? BaseName + IntToStr(number) : String();
}

void TfrView::CreateUniqueName() {
  TfrEngineState& state = frState();
  TfrNameIndex own(state.NameIndex ? nullptr : state.ActiveReport);
  const String name = (state.NameIndex ? *state.NameIndex : own).FirstFree(BaseName);
  if (!name.empty()) SetProperty("Name", name);
}

void TfrView::LoadBlob(TField*) {}
