// The text object's properties and its record after the base object record.
#include "report/FR_Memo.h"

#include "report/FR_DBRel.h"
#include "report/FR_Limits.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"
#include "rtl/Text.h"

TfrMemoView::TfrMemoView() : TfrStretcheable(gtMemo, "Memo") {
  Flags = frDefaultMemoFlags;
  Font.SetName("宋体");
  Font.SetSize(11);
  Font.SetColor(0);
}

void TfrMemoView::DeclareProperties() {
  TfrView::DeclareProperties();
  for (const char* name : {"Font.Name", "Font.Size", "Font.Style", "Font.Color"}) AddProperty(name, 0);
  AddProperty("Font", frdtHasEditor);
  AddProperty("Alignment", 0);
  AddProperty("DisplayFormat", frdtHasEditor);
  AddProperty("Highlight", frdtHasEditor);
  for (const char* name : {"LineSpacing", "CharSpacing", "GapX", "GapY"}) AddProperty(name, frdtInteger);
  for (const char* name : {"Stretched", "WordWrap", "WordBreak", "AutoWidth", "TextOnly", "Suppress", "HideZeros"})
    AddProperty(name, frdtBoolean);
  AddProperty("Lines.Count", 0);
  AddProperty("Underlines", frdtBoolean);
  AddProperty("RTLReading", frdtBoolean);
}

namespace {

struct TFlagName {
  const char* Name;
  uint16_t Bit;
};
constexpr TFlagName kFlagNames[] = {
    {"WORDWRAP", flWordWrap},   {"WORDBREAK", flWordBreak},   {"AUTOWIDTH", flAutoWidth},
    {"TEXTONLY", flTextOnly},   {"SUPPRESS", flSuppress},     {"HIDEZEROS", flHideZeros},
    {"UNDERLINES", flUnderlines}, {"RTLREADING", flRTLReading},
};

const TFlagName* FindFlag(const String& Name) {
  for (const TFlagName& flag : kFlagNames)
    if (Name == flag.Name) return &flag;
  return nullptr;
}

}  // namespace

void TfrMemoView::SetProperty(const String& Name, const Variant& Value) {
  TfrView::SetProperty(Name, Value);
  const String name = UpperCase(Name);
  if (SetFontProperty(Font, name, Value)) return;
  if (const TFlagName* flag = FindFlag(name))
    Flags = uint16_t(Value.AsBoolean() ? Flags | flag->Bit : Flags & ~flag->Bit);
  else if (name == "ALIGNMENT")
    Alignment = Value.AsInteger();
  else if (name == "LINESPACING")
    LineSpacing = Value.AsInteger();
  else if (name == "CHARSPACING")
    CharSpacing = Value.AsInteger();
}

Variant TfrMemoView::GetProperty(const String& Name) {
  Variant value = TfrView::GetProperty(Name);
  if (!value.IsEmpty()) return value;
  const String name = UpperCase(Name);
  value = GetFontProperty(Font, name);
  if (!value.IsEmpty()) return value;
  if (const TFlagName* flag = FindFlag(name)) return (Flags & flag->Bit) != 0;
  if (name == "ALIGNMENT") return Alignment;
  if (name == "LINESPACING") return LineSpacing;
  if (name == "CHARSPACING") return CharSpacing;
  if (name == "LINES.COUNT") return Memo.Count();
  return Variant();
}

Variant TfrMemoView::CallMethod(const String& Name, const Variant& Arg1, const Variant& Arg2, const Variant& Arg3) {
  const Variant result = TfrView::CallMethod(Name, Arg1, Arg2, Arg3);
  if (!result.IsEmpty()) return result;
  return StringListMethod("LINES", Memo, UpperCase(Name), Arg1, Arg2, Arg3);
}

void TfrMemoView::LoadBlob(TField* Field) {
  if (Field) AssignBlobTo(*Field, &ExpandedText);
}

void TfrMemoView::SaveToStream(TStream& Stream) {
  TfrView::SaveToStream(Stream);
  frWriteString(Stream, Font.Name());
  frWriteInteger(Stream, Font.Size());
  frWriteWord(Stream, frFontStyleToBits(Font.Style()));
  frWriteInteger(Stream, Font.Color());
  frWriteInteger(Stream, Alignment);
  frWriteWord(Stream, uint16_t(Font.Charset()));
  if (!InPreparedPage) {
    frWriteWord(Stream, HighlightStyle);
    frWriteInteger(Stream, HighlightFontColor);
    frWriteInteger(Stream, HighlightFillColor);
    frWriteString(Stream, HighlightCondition);
  }
  frWriteInteger(Stream, LineSpacing);
  frWriteInteger(Stream, CharSpacing);
}

void TfrMemoView::LoadFromStream(TStream& Stream) {
  TfrView::LoadFromStream(Stream);
  const int version = frState().FileVersion;
  Font.SetName(ReadVersionedString(Stream));
  Font.SetSize(frReadFontSize(Stream));
  Font.SetStyle(frBitsToFontStyle(uint8_t(frReadWord(Stream))));
  Font.SetColor(frReadInteger(Stream));
  Alignment = frReadInteger(Stream);
  const uint16_t charset = frReadWord(Stream);
  if (version >= 23) Font.SetCharset(charset);
  if (!InPreparedPage) {
    HighlightStyle = frReadWord(Stream);
    HighlightFontColor = frReadInteger(Stream);
    HighlightFillColor = frReadInteger(Stream);
    HighlightCondition = ReadVersionedString(Stream);
  }
  if (version >= 24) {
    LineSpacing = frReadCoordinate(Stream);
    CharSpacing = frReadCoordinate(Stream);
  }
  if (version == 21) Flags |= flWordWrap;
}
