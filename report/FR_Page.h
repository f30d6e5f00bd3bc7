// TfrPage, one page of a report template: its paper and margins (in the printer layer's terms),
// columns, the objects placed on it, its script, and for a dialog page the window it would show.
// Its record in template files is FR_PageStream.cpp; the pages of a template are TfrPages
// (FR_Pages.h). While the report is built the page also holds its runtime bands.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "report/FR_BandTypes.h"
#include "report/FR_Object.h"
#include "report/FR_Prntr.h"
#include "rtl/Streams.h"

class TfrView;
class TfrBand;

enum TfrPageType : uint8_t { ptReport = 0, ptDialog = 1 };

class TfrPage : public TfrObject {
 public:
  // A report page with that paper, set through the printer layer (ChangePaper).
  TfrPage(int ASize, int AWidth, int AHeight, int ABin, int AOrientation);
  ~TfrPage() override;
  String ClassName() const override { return "TfrPage"; }

  // Properties by upper-case name. On a report page WIDTH and HEIGHT are the paper in pixels
  // (tenths of a millimetre times 18 / 50); the margins read as the geometry functions while
  // pages are built. On a dialog page LEFT, TOP, WIDTH and HEIGHT are its window's bounds.
  void SetProperty(const String& Name, const Variant& Value) override;
  Variant GetProperty(const String& Name) override;

  // Sets the printer layer's paper and takes back what the printer made of it, with the page
  // geometry; a bin whose low 16 bits are 0xFFFF means none (65535).
  void ChangePaper(int ASize, int AWidth, int AHeight, int AOrientation, int ABin);
  // The first object of that name, letter case aside.
  TfrView* FindObject(const String& AName) const;
  // "Page" and the lowest number that no page of the report at work has; "Page" when all up to
  // 10000 are taken.
  void SetDefaultName();
  // Page pixels: the printable area less the margins (a margin of 0 takes the printer's offset),
  // or the whole paper without StretchToPrintable. While pages are built the bottom leaves room
  // for the page footer.
  int GetLeftMargin() const;
  int GetTopMargin() const;
  int GetRightMargin() const;
  int GetBottomMargin() const;

  // The page record of template files.
  void LoadFromStream(TStream& Stream);
  void SaveToStream(TStream& Stream) const;

  std::vector<std::unique_ptr<TfrView>> Objects;
  // The first runtime band of each type while the page is being built.
  std::array<std::unique_ptr<TfrBand>, 23> Bands;

  int Size = frDefaultPaper;
  int Width = 0, Height = 0;  // tenths of a millimetre
  int LeftMargin = 0, TopMargin = 0, RightMargin = 0, BottomMargin = 0;  // page pixels
  int Orientation = 0;  // 0 portrait, 1 landscape
  int PaperBin = 65535;
  bool PrintToPrevPage = false;
  bool StretchToPrintable = true;
  TfrPrnInfo PrnInfo;
  int Columns = 1;
  int ColumnGap = 0;
  TfrPageType Type = ptReport;
  String Name;
  bool Visible = true;
  TStringList Script;
  // The window of a dialog page.
  uint8_t BorderStyle = 3;  // 3 dialog, 2 sizeable
  String Caption = "Form";
  TColor Color = TColor(0x8000000F);  // button face
  int FormLeft = 220, FormTop = 120, FormWidth = 380, FormHeight = 300;
  uint8_t Position = 4;  // 0 as designed, 4 screen centre

 protected:
  void DeclareProperties() override;
};
