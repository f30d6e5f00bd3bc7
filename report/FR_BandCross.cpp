// Cross-tab printing: a band that holds cells of the cross bands prints, beside its own objects,
// the cross header, one column per record of the cross data source and the cross footer; columns
// that do not fit across the page continue at the same height on the next prepared pages.
#include "report/FR_Band.h"

#include <algorithm>

#include "report/FR_BandView.h"
#include "report/FR_Class.h"
#include "report/FR_DSet.h"
#include "report/FR_EMFPages.h"
#include "report/FR_Names.h"
#include "report/FR_Page.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"
#include "report/FR_View.h"
#include "rtl/Convert.h"
#include "rtl/ScopeExit.h"

void TfrBand::PrintCross() {
  TfrEngineState& state = frState();
  TfrPage& page = *Parent;
  TfrReport* report = state.ActiveReport;
  state.CrossOffset = 0;
  state.InsideCross = true;
  const int pageNo = state.PageNo;
  if (report->OnBeginColumn) report->OnBeginColumn(this);
  TfrBand* header = page.Bands[btCrossHeader].get();
  TfrBand* footer = page.Bands[btCrossFooter].get();
  int x = 0;
  bool started = false;
  if (header->IsPresent()) {
    header->RunBandScript();
    PrintCrossCell(header, header->Left);
    x = header->Left + header->Width;
    started = true;
  }
  PrintCrossData(x, started, pageNo);
  if (footer->IsPresent()) {
    if (!started) x = footer->Left;
    footer->RunBandScript();
    CheckCrossPage(x, footer->Width, pageNo);
    PrintCrossCell(footer, x);
    footer->ResetAggregates();
  }
  state.PageNo = pageNo;
  state.CrossOffset = 0;
  state.InsideCross = false;
}

void TfrBand::PrintCrossData(int& X, bool& Started, int StartPage) {
  TfrEngineState& state = frState();
  TfrPage& page = *Parent;
  TfrReport* report = state.ActiveReport;
  TfrBand* data = page.Bands[btCrossData].get();
  if (!data->IsPresent()) return;
  if (!Started) X = data->Left;
  Started = true;
  TfrDataset* source = data->DataSet ? data->DataSet : CrossDataSet;
  if (!source) return;
  source->First();
  // A master footer whose source has run out still prints as many columns as the rows had.
  TComponentPtr<TfrDataset> counted;
  if (Typ == btMasterFooter && source->Eof()) {
    source = FindDataset(IntToStr(data->MaxColumns), counted);
    if (!source) return;
    source->First();
  }
  page.ColumnCounter = 1;
  for (; !source->Eof() && !frBuildTerminated(); source->Next()) {
    state.ActiveView = data->View;
    int width = data->Width;
    if (report->OnPrintColumn) report->OnPrintColumn(page.ColumnCounter, width);
    data->Width = width;
    data->RunBandScript();
    CheckCrossPage(X, data->Width, StartPage);
    PrintCrossCell(data, X);
    data->UpdateAggregates();
    if (IsDataBand()) UpdateAggregates();
    X += data->Width;
    ++page.ColumnCounter;
  }
  data->MaxColumns = std::max(data->MaxColumns, source->RecNo());
}

// Columns that do not fit across go on at the left margin of the next prepared page, which is made
// (with its overlay and page header) when it does not exist yet; the cross header repeats there.
void TfrBand::CheckCrossPage(int& X, int AWidth, int StartPage) {
  TfrEngineState& state = frState();
  TfrPage& page = *Parent;
  if (X + AWidth <= page.GetRightMargin()) return;
  state.CrossOffset += X - page.GetLeftMargin();
  X = page.GetLeftMargin();
  ++state.PageNo;
  TfrEMFPages& pages = state.RootReport->EMFPages();
  if (state.PageNo >= pages.Count()) {
    pages.Add(page);
    const TValueScope<int> y(page.CurY, page.CurY);
    const TValueScope<TfrBand*> active(state.ActiveBand, state.ActiveBand);
    page.ShowBand(page.Bands[btOverlay].get());
    TfrBand* pageHeader = page.Bands[btPageHeader].get();
    if (StartPage != 0 || (pageHeader->Flags & flBandOnFirstPage)) {
      page.CurY = page.GetTopMargin();
      page.ShowBand(pageHeader);
    }
    state.RootReport->ReportProgress(state.PageNo + 1);
  }
  TfrBand* header = page.Bands[btCrossHeader].get();
  if (header->IsPresent() && (header->Flags & flBandRepeatHeader)) {
    PrintCrossCell(header, X);
    X += header->Width;
  }
}

void TfrBand::PrintCrossCell(TfrBand* CrossBand, int X) {
  TfrEngineState& state = frState();
  state.ActiveBand = CrossBand;
  CrossBand->LineNo = LineNo;
  CrossBand->LineThroughNo = LineThroughNo;
  if (CrossBand->Typ == btCrossData) CrossBand->SetAggrBand(this);
  for (TfrView* view : CrossBand->Objects) {
    if (std::find(Objects.begin(), Objects.end(), view) == Objects.end()) continue;
    if (state.FirstPass) {
      state.ActiveView = view;
      view->RunScript();
      continue;
    }
    const TValueScope<int> left(view->Left, view->Left + X);
    const TValueScope<int> top(view->Top, view->Top + Top);
    view->Print(frPreparedStream());
  }
}
