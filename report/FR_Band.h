// TfrBand, the runtime band that page formation makes from a band object: the objects lying on it,
// its record source, its links to the bands that belong with it, its counters, and how it prints
// into the prepared page being built (FR_BandDraw.cpp the order of one printing and measuring,
// FR_BandPrint.cpp objects, columns and page checks, FR_BandSplit.cpp splitting across pages,
// FR_BandAggr.cpp aggregates, FR_BandCross.cpp cross-tab columns, FR_BandSubReports.cpp sub-reports
// side by side). Bands of one kind on a page form a chain through Next, owned by the first.
#pragma once

#include <memory>
#include <vector>

#include "classes/Component.h"
#include "report/FR_Aggr.h"
#include "report/FR_BandTypes.h"
#include "report/FR_Object.h"
#include "report/FR_Pars.h"
#include "rtl/Streams.h"

class TfrPage;
class TfrBandView;
class TfrDataset;
class TfrView;

class TfrBand : public TfrObject, public TfrAggregateBand {
 public:
  TfrBand(TfrBandType ATyp, TfrPage* AParent);
  // Frees the rest of the chain first, then tells the record sources that their loop has ended
  // and frees the ones it made.
  ~TfrBand() override;
  String ClassName() const override { return "TfrBand"; }

  // A group header takes Text as its condition, compiled to postfix. Other bands bind the record
  // source Text names (FindDataset) unless it holds a ";"; a master data band left without one takes
  // the report's Dataset when the report is a simple one. The source bound before is released.
  void SetDataSource(const String& Text);
  // Takes the band object's settings: text, script, place, flags (split into the flags below; on
  // a page that a sub-report prints no band starts pages or splits), visibility and name.
  void TakeView(TfrBandView* AView, bool OnSubReportPage);
  // A band made from a band object, or the none band when objects lie on no band.
  bool IsPresent() const;
  // Runs the band object's script, compiled when the band took it.
  void RunBandScript();
  // The record source of this band's cross columns, named in the cross data band's text.
  void SetCrossDataSource(const String& SourceName);
  bool IsDataBand() const { return Typ == btMasterData || Typ == btDetailData || Typ == btSubDetailData; }
  // Page footers, overlays and the none band keep their own place on the page.
  bool IsFixed() const { return Typ == btPageFooter || Typ == btOverlay || Typ == btNone; }
  // Links Band as the child unless that would make this band its own descendant.
  bool SetChild(TfrBand* Band);
  // Back to the counters of a band that has printed nothing, for a build's next pass.
  void ResetState();
  // Its text objects compare suppressed values afresh.
  void ClearLastValues();

  // Prints the band on the current page, firing the report's band events around it. True when the
  // band did not finish: it moved on to a new page, or its sub-reports wait for space.
  bool DrawBand();
  // The height the band and what prints with it (the bands without a record source that follow a
  // data band, or the chain of children) will take.
  int FullHeight();
  // The height of the band's objects as they will print, stored in CalcHeight.
  int MeasureBand();
  // Whether the band, placed at Y with that height, reaches past the page's bottom limit (room for
  // the column footer kept); unless CheckOnly, a new column or page starts then. A column footer
  // never breaks.
  bool CheckNewPage(int Y, int AHeight, bool CheckOnly);

  // Aggregates: the data band accumulates the items of the bands that aggregate its rows, a band
  // that prints resets its own items.
  void UpdateAggregates();
  void ResetAggregates();
  void SetAggregateValue(const String& AName, const Variant& Value);

  // Cross-tab columns: one column per record of the cross data source, the cross header before and
  // the cross footer after, continuing on further prepared pages across.
  void PrintCross();
  // The cells of CrossBand that lie on this band's row, printed at X.
  void PrintCrossCell(TfrBand* CrossBand, int X);
  // The pages named by the band's sub-report objects, formed in record mode and played beside each
  // other as space allows; DoSubReports continues them on new pages.
  void InitSubReports();
  void DoSubReports();

  // TfrAggregateBand.
  TfrBandType BandType() const override { return Typ; }
  String BandName() const override { return Name; }
  bool HasCrossObjects() const override;
  TfrAggregateBand* AggrBand() const override { return FAggrBands.empty() ? nullptr : FAggrBands.back(); }
  TfrAggregateBand* AggrBandFor(const String& DataBandName) const override;
  void SetAggrBand(TfrAggregateBand* Band) override;
  TfrVariables& Aggregates() override { return FAggregates; }
  Variant GetAggregateValue(const String& AName) override;

  TfrPage* Parent;
  TfrBandView* View = nullptr;
  TfrBandType Typ;
  String Name;
  uint16_t Flags = 0;  // the band object's: OnFirstPage, OnLastPage, RepeatHeader are read from it
  std::unique_ptr<TfrBand> Next;
  TfrBand* Prev = nullptr;
  TfrBand* LastBand = nullptr;  // kept by the first band of a chain
  TfrBand* NextGroup = nullptr;
  TfrBand* PrevGroup = nullptr;
  TfrBand* FirstGroup = nullptr;
  TfrBand* LastGroup = nullptr;
  TfrBand* Child = nullptr;
  TfrBand* Header = nullptr;
  TfrBand* Footer = nullptr;
  TfrBand* DataBand = nullptr;
  // Sub-reports side by side: the first one's index in Objects, the lowest position they reached,
  // whether all printed everything, and which have.
  int SubIndex = 0;
  int SubBottom = 0;
  bool SubDone = true;
  std::vector<bool> SubFinished;
  int LineNo = 1;
  int LineThroughNo = 1;
  Variant LastGroupValue;
  bool Repeating = false;
  int CalcHeight = -1;
  int ColumnNo = 1;
  int ColumnStartX = 0;
  bool KeepPosition = false;
  bool ScriptDone = false;
  int MaxColumns = 0;
  int Left = 0, Top = 0, Width = 0, Height = 0;
  int DrawnHeight = 0;
  bool PrintIfSubsetEmpty = false;
  bool FormNewPage = false;
  bool Stretched = false;
  bool Breaked = false;
  bool PrintChildIfInvisible = false;
  bool Visible = true;
  // In page order, sub-report objects last; not owned.
  std::vector<TfrView*> Objects;
  TStringList Memo;
  TStringList Script;  // compiled
  String GroupCondition;  // postfix
  TfrDataset* DataSet = nullptr;
  TfrDataset* CrossDataSet = nullptr;
  int ForcedNewPages = 0;
  int ForcedNewColumns = 0;

 private:
  void ReleaseDataSet();
  // DrawBand's parts.
  void CloseColumnRow();
  void ForcedBreaks();
  // Step 7 of a visible band; false when a band of a sub-report's page stopped for lack of space.
  bool DrawVisible(bool& Unfinished);
  // PrintBand: one printing of a present band.
  void PrintBand();
  void PrintStretched();
  void PlaceInColumns();
  bool PrintObjects();
  void PrintObject(TfrView* AView);
  void PrintSplit();
  // One pending object of a band being split, Space being the room below the band's top on this
  // page: answers the lowest bottom it printed at (0 when none) and clears Pending once all of it
  // has printed.
  int SplitObject(TfrView* View, bool& Pending, int Space, int SavedHeight);
  int MeasureObjects(bool WithCross);
  int MeasureCrossColumns();
  // PrintCross's parts; StartPage is the prepared page the cross-tab began on.
  void PrintCrossData(int& X, bool& Started, int StartPage);
  void CheckCrossPage(int& X, int AWidth, int StartPage);
  // Aggregate items: back to no value, and one row added.
  void ResetItem(int Index);
  void AccumulateItem(int Index, const String& Expression, int Function, Variant& Previous,
                      String& PreviousExpression);
  int& ItemRows(int Index);

  TfrVariables FAggregates;
  std::vector<int> FAggregateRows;  // rows accumulated into each item since its reset, by index
  std::vector<TfrBand*> FAggrBands;  // every band this band's aggregates were registered with
  TComponentPtr<TfrDataset> FOwnedDataSet;  // a counting source made from a number
  TComponentPtr<TfrDataset> FOwnedCrossDataSet;
};

// The object stream of the prepared page being filled.
TStream& frPreparedStream();

// The band that the aggregate functions reach while a build runs: the state of the build through
// frState(). Installed by the report for the time of a build.
TfrAggregateHost& frBuildAggregateHost();
