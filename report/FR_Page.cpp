// The page of a report template: paper through the printer layer, margins, names and properties.
#include "report/FR_Page.h"

#include "report/FR_Band.h"
#include "report/FR_Class.h"
#include "report/FR_State.h"
#include "report/FR_View.h"
#include "rtl/Arith.h"
#include "rtl/Convert.h"
#include "rtl/Text.h"

TfrPage::TfrPage(int ASize, int AWidth, int AHeight, int ABin, int AOrientation) {
  ChangePaper(ASize, AWidth, AHeight, AOrientation, ABin);
}

TfrPage::~TfrPage() {
  TfrEngineState& state = frState();
  if (state.ActivePage == this) state.ActivePage = nullptr;
}

void TfrPage::ChangePaper(int ASize, int AWidth, int AHeight, int AOrientation, int ABin) {
  TfrPrinter& printer = frPrinter();
  printer.SetPrinterInfo(ASize, AWidth, AHeight, AOrientation, ABin, false);
  printer.FillPrnInfo(PrnInfo);
  Size = printer.PaperSize();
  Width = printer.PaperWidth();
  Height = printer.PaperHeight();
  Orientation = printer.Orientation();
  PaperBin = (ABin & 0xFFFF) == 0xFFFF ? 65535 : printer.Bin();
}

TfrView* TfrPage::FindObject(const String& AName) const {
  for (const auto& object : Objects)
    if (AnsiSameText(object->Name, AName)) return object.get();
  return nullptr;
}

void TfrPage::SetDefaultName() {
  const TfrReport* report = frState().ActiveReport;
  for (int n = 1; n <= 10000; ++n) {
    const String name = "Page" + IntToStr(n);
    bool taken = false;
    if (report)
      for (int i = 0; i < report->Pages().Count() && !taken; ++i) taken = AnsiSameText(report->Pages().Pages(i).Name, name);
    if (!taken) {
      Name = name;
      return;
    }
  }
  Name = "Page";
}

int TfrPage::GetLeftMargin() const {
  if (!StretchToPrintable) return 0;
  return LeftMargin != 0 ? LeftMargin : PrnInfo.OffsetX;
}

int TfrPage::GetTopMargin() const {
  if (!StretchToPrintable) return 0;
  return TopMargin != 0 ? TopMargin : PrnInfo.OffsetY;
}

int TfrPage::GetRightMargin() const {
  if (!StretchToPrintable) return PrnInfo.PageWidth;
  return RightMargin != 0 ? PrnInfo.PageWidth - RightMargin : PrnInfo.OffsetX + PrnInfo.PrintableWidth;
}

int TfrPage::GetBottomMargin() const {
  int bottom = PrnInfo.PageHeight;
  if (StretchToPrintable)
    bottom = BottomMargin != 0 ? PrnInfo.PageHeight - BottomMargin : PrnInfo.OffsetY + PrnInfo.PrintableHeight;
  const TfrBand* footer = Bands[btPageFooter].get();
  if (frState().PrintMode && footer && footer->IsPresent()) bottom -= footer->Height;
  return bottom;
}

void TfrPage::DeclareProperties() {
  AddEnumProperty("Type", "ptReport;ptDialog", {0, 1});
  AddProperty("Visible", frdtBoolean);
  if (Type == ptReport) {
    const TfrPrinter& printer = frPrinter();
    TfrProp size{"Size", frdtEnum, printer.PaperNames(), {}, {}};
    for (int code : printer.PaperCodes()) size.EnumValues.push_back(code);
    AddProperty(std::move(size));
    for (const char* name : {"Width", "Height", "LeftMargin", "TopMargin", "RightMargin", "BottomMargin"})
      AddProperty(name, frdtSize);
    AddEnumProperty("Orientation", "poPortrait;poLandscape", {0, 1});
    AddProperty("PrintToPrevPage", frdtBoolean);
    AddProperty("StretchToPrintable", frdtBoolean);
    AddProperty("Columns", frdtInteger);
    AddProperty("ColumnGap", frdtSize);
    AddProperty("OnBeforePrint", frdtString | frdtHasEditor);
  } else {
    AddEnumProperty("BorderStyle", "bsDialog;bsSizeable", {3, 2});
    AddProperty("Caption", frdtString);
    AddProperty("Color", frdtColor);
    for (const char* name : {"Left", "Top", "Width", "Height"}) AddProperty(name, frdtSize);
    AddEnumProperty("Position", "poDesigned;poScreenCenter", {0, 4});
    AddProperty("OnActivate", frdtString | frdtHasEditor);
  }
}

namespace {

// Paper sizes: tenths of a millimetre to page pixels and back.
int TenthsToPixels(int Tenths) { return int(Round(Tenths / 10.0 * 18 / 5)); }
int PixelsToTenths(int Pixels) { return int(Round(Pixels * 10.0 * 5 / 18)); }

}  // namespace

void TfrPage::SetProperty(const String& AName, const Variant& Value) {
  const String name = UpperCase(AName);
  const bool dialog = Type == ptDialog;
  if (name == "LEFT" && dialog)
    FormLeft = Value.AsInteger();
  else if (name == "TOP" && dialog)
    FormTop = Value.AsInteger();
  else if (name == "WIDTH")
    (dialog ? FormWidth : Width) = dialog ? Value.AsInteger() : PixelsToTenths(Value.AsInteger());
  else if (name == "HEIGHT")
    (dialog ? FormHeight : Height) = dialog ? Value.AsInteger() : PixelsToTenths(Value.AsInteger());
  else if (name == "LEFTMARGIN")
    LeftMargin = Value.AsInteger();
  else if (name == "TOPMARGIN")
    TopMargin = Value.AsInteger();
  else if (name == "RIGHTMARGIN")
    RightMargin = Value.AsInteger();
  else if (name == "BOTTOMMARGIN")
    BottomMargin = Value.AsInteger();
  else if (name == "TYPE")
    Type = TfrPageType(Value.AsInteger() == 1 ? ptDialog : ptReport);
  else if (name == "BORDERSTYLE")
    BorderStyle = uint8_t(Value.AsInteger());
  else if (name == "CAPTION")
    Caption = Value.AsString();
  else if (name == "NAME")
    Name = Value.AsString();
  else if (name == "COLOR")
    Color = Value.AsInteger();
  else if (name == "POSITION")
    Position = uint8_t(Value.AsInteger());
  else if (name == "SIZE")
    Size = Value.AsInteger();
  else if (name == "ORIENTATION")
    Orientation = Value.AsInteger();
  else if (name == "PRINTTOPREVPAGE")
    PrintToPrevPage = Value.AsBoolean();
  else if (name == "STRETCHTOPRINTABLE")
    StretchToPrintable = Value.AsBoolean();
  else if (name == "COLUMNS")
    Columns = Value.AsInteger();
  else if (name == "COLUMNGAP")
    ColumnGap = Value.AsInteger();
  else if (name == "VISIBLE")
    Visible = Value.AsBoolean();
}

Variant TfrPage::GetProperty(const String& AName) {
  const String name = UpperCase(AName);
  const bool dialog = Type == ptDialog;
  const bool printMode = frState().PrintMode;
  if (name == "LEFT" && dialog) return FormLeft;
  if (name == "TOP" && dialog) return FormTop;
  if (name == "WIDTH") return dialog ? FormWidth : TenthsToPixels(Width);
  if (name == "HEIGHT") return dialog ? FormHeight : TenthsToPixels(Height);
  if (name == "LEFTMARGIN") return printMode ? GetLeftMargin() : LeftMargin;
  if (name == "TOPMARGIN") return printMode ? GetTopMargin() : TopMargin;
  if (name == "RIGHTMARGIN") return printMode ? GetRightMargin() : RightMargin;
  if (name == "BOTTOMMARGIN") return printMode ? GetBottomMargin() : BottomMargin;
  if (name == "TYPE") return int(Type);
  if (name == "BORDERSTYLE") return int(BorderStyle);
  if (name == "CAPTION") return Caption;
  if (name == "NAME") return Name;
  if (name == "COLOR") return Color;
  if (name == "POSITION") return int(Position);
  if (name == "SIZE") return Size;
  if (name == "ORIENTATION") return Orientation;
  if (name == "PRINTTOPREVPAGE") return PrintToPrevPage;
  if (name == "STRETCHTOPRINTABLE") return StretchToPrintable;
  if (name == "COLUMNS") return Columns;
  if (name == "COLUMNGAP") return ColumnGap;
  if (name == "VISIBLE") return Visible;
  return Variant();
}
