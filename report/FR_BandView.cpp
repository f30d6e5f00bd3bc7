// The band object's properties (which depend on the kind of band), its reach into the runtime
// band while the report is built, and its record.
#include "report/FR_BandView.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "report/FR_Band.h"
#include "report/FR_DSet.h"
#include "report/FR_Limits.h"
#include "report/FR_Page.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"
#include "rtl/Text.h"

namespace {

struct TBandFlag {
  const char* Name;
  uint16_t Bit;
};
constexpr TBandFlag kBandFlags[] = {
    {"FORMNEWPAGE", flBandFormNewPage},   {"PRINTIFSUBSETEMPTY", flBandPrintIfSubsetEmpty},
    {"BREAKED", flBandBreaked},           {"ONFIRSTPAGE", flBandOnFirstPage},
    {"ONLASTPAGE", flBandOnLastPage},     {"REPEATHEADER", flBandRepeatHeader},
    {"PRINTCHILDIFINVISIBLE", flBandPrintChildIfInvisible},
};

const TBandFlag* FindBandFlag(const String& Name) {
  for (const TBandFlag& flag : kBandFlags)
    if (Name == flag.Name) return &flag;
  return nullptr;
}

bool OneOf(int Type, std::initializer_list<int> Types) {
  for (int t : Types)
    if (t == Type) return true;
  return false;
}

bool IsDataBand(int Type) { return OneOf(Type, {btMasterData, btDetailData, btSubDetailData}); }

// The names of the page's band objects of the given kinds other than Self, ";"-separated; only
// laid out for a designer.
String BandNames(const TfrBandView* Self, std::initializer_list<int> Types) {
  const TfrPage* page = frState().ActivePage;
  String names;
  if (!page || frState().PrintMode) return names;
  for (const auto& object : page->Objects) {
    const auto* band = dynamic_cast<const TfrBandView*>(object.get());
    if (!band || band == Self || !OneOf(band->BandType(), Types)) continue;
    names += (names.empty() ? "" : ";") + band->Name;
  }
  return names;
}

// Whether making Child the child of Band would make a band its own descendant, which would print
// and measure without end.
bool ChildLinkCloses(const TfrBand* Band, const TfrBand* Child) {
  std::vector<const TfrBand*> seen;
  for (const TfrBand* b = Child; b; b = b->Child) {
    if (b == Band || std::find(seen.begin(), seen.end(), b) != seen.end()) return true;
    seen.push_back(b);
  }
  return false;
}

}  // namespace

TfrBandView::TfrBandView() : TfrView(gtBand, "Band") {
  Flags = flBandOnFirstPage | flBandOnLastPage;
  DisplayFormatCode = 0;
}

void TfrBandView::DeclareProperties() {
  TfrView::DeclareProperties();
  const int type = BandType();
  if (type != btPageFooter) {
    const String children = BandNames(this, {btChild});
    std::vector<Variant> values;
    TStringList names;
    frSplitItems(children, names);
    for (int i = 0; i < names.Count(); ++i) values.emplace_back(names[i]);
    AddEnumProperty("ChildBand", children, values);
    AddProperty("PrintChildIfInvisible", frdtBoolean);
  }
  if (OneOf(type, {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16, 17, 18, 21})) AddProperty("Stretched", frdtBoolean);
  if (OneOf(type, {0, 1, 5, 6, 8, 9, 11, 12, 16})) AddProperty("FormNewPage", frdtBoolean);
  if (OneOf(type, {btMasterData, btDetailData})) AddProperty("PrintIfSubsetEmpty", frdtBoolean);
  if (OneOf(type, {0, 1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16, 17, 21})) AddProperty("Breaked", frdtBoolean);
  if (OneOf(type, {btPageHeader, btPageFooter})) AddProperty("OnFirstPage", frdtBoolean);
  if (type == btPageFooter) AddProperty("OnLastPage", frdtBoolean);
  if (OneOf(type, {btMasterHeader, btDetailHeader, btSubDetailHeader, btGroupHeader, btCrossHeader}))
    AddProperty("RepeatHeader", frdtBoolean);
  if (type == btCrossData) AddProperty("DataSource", frdtHasEditor);
  if (IsDataBand(type)) {
    AddProperty("Columns", frdtInteger);
    AddProperty("ColumnWidth", frdtSize);
    AddProperty("ColumnGap", frdtSize);
    AddProperty("DataSource", frdtHasEditor);
  }
  if (type == btGroupHeader) {
    AddProperty("Condition", frdtString);
    const String masters = BandNames(this, {btMasterData, btDetailData, btSubDetailData});
    std::vector<Variant> values;
    TStringList names;
    frSplitItems(masters, names);
    for (int i = 0; i < names.Count(); ++i) values.emplace_back(names[i]);
    AddEnumProperty("Master", masters, values);
  }
  AddProperty("EOF", 0);
}

void TfrBandView::SetProperty(const String& Name, const Variant& Value) {
  TfrView::SetProperty(Name, Value);
  const String name = UpperCase(Name);
  const TfrEngineState& state = frState();
  TfrBand* band = state.PrintMode ? Band : nullptr;
  if (const TBandFlag* flag = FindBandFlag(name)) {
    Flags = uint16_t(Value.AsBoolean() ? Flags | flag->Bit : Flags & ~flag->Bit);
  } else if (name == "CHILDBAND") {
    ChildBand = Value.AsString();
    if (band) {
      const auto* child = state.ActivePage ? dynamic_cast<TfrBandView*>(state.ActivePage->FindObject(ChildBand)) : nullptr;
      band->Child = child && !ChildLinkCloses(band, child->Band) ? child->Band : nullptr;
    }
  } else if (name == "MASTER") {
    Master = Value.AsString();
  } else if (name == "CONDITION" || name == "DATASOURCE") {
    DisplayFormatText = Value.AsString();
    if (band) band->SetDataSource(DisplayFormatText);
  } else if (name == "COLUMNS") {
    Columns = Value.AsInteger();
  } else if (name == "COLUMNGAP") {
    ColumnGap = Value.AsInteger();
  } else if (name == "COLUMNWIDTH") {
    ColumnWidth = Value.AsInteger();
  } else if (name == "NEWCOLUMNAFTER") {
    NewColumnAfter = Value.AsInteger();
  } else if (band) {
    if (name == "LEFT") band->Left = Left;
    if (name == "TOP") band->Top = Top;
    if (name == "WIDTH") band->Width = Width;
    if (name == "HEIGHT") band->Height = Height;
    if (name == "VISIBLE") band->Visible = Visible;
  }
}

Variant TfrBandView::GetProperty(const String& Name) {
  const String name = UpperCase(Name);
  if (const TfrBand* band = frState().PrintMode ? Band : nullptr) {
    if (name == "LEFT") return band->Left;
    if (name == "TOP") return band->Top;
    if (name == "WIDTH") return band->Width;
    if (name == "HEIGHT") return band->Height;
    if (name == "VISIBLE") return band->Visible;
  }
  if (const TBandFlag* flag = FindBandFlag(name)) return (Flags & flag->Bit) != 0;
  if (name == "CHILDBAND") return ChildBand;
  if (name == "MASTER") return Master;
  if (name == "CONDITION" || name == "DATASOURCE") return DisplayFormatText;
  if (name == "COLUMNS") return Columns;
  if (name == "COLUMNGAP") return ColumnGap;
  if (name == "NEWCOLUMNAFTER") return NewColumnAfter;
  if (name == "COLUMNWIDTH") return ColumnWidth;
  if (name == "EOF") return !Band || !Band->DataSet || Band->DataSet->Eof();
  return TfrView::GetProperty(Name);
}

Variant TfrBandView::CallMethod(const String& Name, const Variant& Arg1, const Variant& Arg2, const Variant& Arg3) {
  const Variant result = TfrView::CallMethod(Name, Arg1, Arg2, Arg3);
  TfrDataset* source = Band ? Band->DataSet : nullptr;
  if (!result.IsEmpty() || !source) return result;
  const String name = UpperCase(Name);
  if (name == "NEXT") source->Next();
  if (name == "PRIOR") source->Prior();
  if (name == "FIRST") source->First();
  return Variant();
}

void TfrBandView::SaveToStream(TStream& Stream) {
  StreamMinor = 1;
  TfrView::SaveToStream(Stream);
  frWriteString(Stream, ChildBand);
  for (int value : {Columns, ColumnWidth, ColumnGap, NewColumnAfter}) frWriteInteger(Stream, value);
  frWriteString(Stream, Master);
}

void TfrBandView::LoadFromStream(TStream& Stream) {
  TfrView::LoadFromStream(Stream);
  if (frState().FileVersion < 24) return;
  ChildBand = frReadString(Stream);
  Columns = frReadColumnCount(Stream);
  ColumnWidth = frReadCoordinate(Stream);
  ColumnGap = frReadCoordinate(Stream);
  NewColumnAfter = frReadColumnCount(Stream);
  if (StreamMajor * 10 + StreamMinor > 20) Master = frReadString(Stream);
}
