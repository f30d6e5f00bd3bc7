// TfrBandView, the band object: the strip of a page (vertical for cross bands) that one kind of
// band prints into, with the band's settings. While a report is built its properties reach the
// runtime band made from it.
#pragma once

#include "report/FR_BandTypes.h"
#include "report/FR_View.h"

class TfrBand;

// Flags bits of the band object, beside flStretched.
enum : uint16_t {
  flBandFormNewPage = 2,
  flBandPrintIfSubsetEmpty = 4,
  flBandBreaked = 8,            // may be split across pages
  flBandOnFirstPage = 16,
  flBandOnLastPage = 32,
  flBandRepeatHeader = 64,
  flBandPrintChildIfInvisible = 128,
};

class TfrBandView : public TfrView {
 public:
  TfrBandView();
  String ClassName() const override { return "TfrBandView"; }

  // The band type lives in the low byte of FrameTyp: bands have no frame.
  TfrBandType BandType() const { return TfrBandType(FrameTyp & 0xFF); }
  void SetBandType(TfrBandType Value) { FrameTyp = uint16_t((FrameTyp & 0xFF00) | Value); }
  // The data source (data bands) or group condition (group headers), kept in DisplayFormatText.
  const String& DataSource() const { return DisplayFormatText; }

  void SetProperty(const String& Name, const Variant& Value) override;
  Variant GetProperty(const String& Name) override;
  // "NEXT", "PRIOR" and "FIRST" move the runtime band's record source.
  Variant CallMethod(const String& Name, const Variant& Arg1, const Variant& Arg2, const Variant& Arg3) override;
  // Bands are drawn only as aids of a designer, which this program does not have.
  void Draw(TCanvas*) override {}
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) override;

  String ChildBand;
  String Master;  // of a group header: the data band it groups
  int Columns = 1;
  int ColumnWidth = 200;
  int ColumnGap = 20;
  int NewColumnAfter = 1;
  // The runtime band made from this object while the report is built.
  TfrBand* Band = nullptr;

 protected:
  void DeclareProperties() override;
};
