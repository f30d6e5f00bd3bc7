// A report page through one build: its runtime bands made and freed, and the forming of its
// prepared pages: the first page's opening bands, the data loop, the closing bands and the page
// footers.
#include "report/FR_Page.h"

#include <climits>

#include "report/FR_Band.h"
#include "report/FR_BandView.h"
#include "report/FR_Class.h"
#include "report/FR_DSet.h"
#include "report/FR_EMFPages.h"
#include "report/FR_Globals.h"
#include "report/FR_Memo.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"
#include "rtl/ScopeExit.h"
#include "rtl/Text.h"

void TfrPage::RunScript() {
  if (Script.Count() == 0) return;
  frState().ActiveView = nullptr;
  TStringList compiled;
  frCompileScript(Script, compiled);
  frInterpretator().DoScript(compiled);
}

void TfrPage::InitReport() {
  // A build's next pass keeps the bands, with their objects placed, and starts them afresh.
  if (Initialized) {
    ResetBands();
    return;
  }
  if (Type == ptReport) {
    for (int type = btReportTitle; type <= btNone; ++type) Bands[size_t(type)] = std::make_unique<TfrBand>(TfrBandType(type), this);
    BuildBandTree();
    ColumnCounter = RecordCounter = 1;
  } else {
    // A dialog page's window would hold controls; no control class exists, so only its script runs.
    frState().ActivePage = this;
    RunScript();
  }
  Initialized = true;
}

void TfrPage::ResetBands() {
  for (auto& first : Bands)
    for (TfrBand* band = first.get(); band; band = band->Next.get()) band->ResetState();
  for (const auto& view : Objects) {
    if (auto* memo = dynamic_cast<TfrMemoView*>(view.get())) memo->LastValue.clear();
    if (auto* stretchable = dynamic_cast<TfrStretcheable*>(view.get())) stretchable->PrintPhase = 0;
  }
  ColumnCounter = RecordCounter = 1;
  CurColumn = 0;
  LastPrintedBand = PendingBand = nullptr;
  FPending.clear();
}

void TfrPage::DoneReport() {
  if (frState().FirstPass || !Initialized) return;
  for (const auto& view : Objects) {
    view->ParentBand = nullptr;
    if (auto* band = dynamic_cast<TfrBandView*>(view.get())) band->Band = nullptr;
  }
  for (auto& band : Bands) band.reset();
  Commands.clear();
  FPending.clear();
  LastPrintedBand = PendingBand = nullptr;
  RecordMode = rmNormal;
  Initialized = false;
}

void TfrPage::ShowBand(TfrBand* Band) {
  if (!Band) return;
  if (RecordMode == rmRecord)
    Commands.push_back({Band, TfrCommand::ShowBand});
  else
    Band->DrawBand();
}

void TfrPage::ShowBandByName(const String& AName) {
  for (auto& first : Bands)
    for (TfrBand* band = first.get(); band; band = band->Next.get())
      if (band->View && AnsiSameText(band->View->Name, AName)) {
        ShowBand(band);
        return;
      }
}

void TfrPage::FormPage() {
  frState().ActivePage = this;
  if (PageIsEmpty()) return;
  StartPage();
  ShowFirstPageBands();
  const TfrReport* report = frState().ActiveReport;
  if (!report->OnManualBuild) {
    FDeepestLevel = DeepestLevel();
    DoLoop(1);
  }
  FinishPage();
  LastPrintedBand = nullptr;
}

// Without PrintIfEmpty a page whose master records are none forms nothing.
bool TfrPage::PageIsEmpty() {
  TfrEngineState& state = frState();
  TfrDataset* master = Bands[btMasterData]->DataSet;
  if (state.ActiveReport->PrintIfEmpty() || !master) return false;
  master->First();
  if (!master->Eof()) return false;
  if (state.AppendToPage) ++state.PageNo;
  return true;
}

void TfrPage::StartPage() {
  TfrEngineState& state = frState();
  TfrEMFPages& pages = state.RootReport->EMFPages();
  Finishing = false;
  if (RecordMode == rmNormal) {
    RunScript();
    // The last page ended at its bottom limit: nothing of this page fits on it.
    if (state.AppendToPage && state.PrevY == state.PrevBottomY) {
      state.AppendToPage = state.FootersPrinted = false;
      state.PageNo = pages.Count();
    }
  }
  CurBottom = state.AppendToPage && state.FootersPrinted ? state.PrevBottomY : GetBottomMargin();
  CurColumn = 0;
  CurX = GetLeftMargin();
  if (RecordMode == rmRecord) {
    // A sub-report's page records its bands: it has no prepared page of its own.
    CurY = FreshY = GetTopMargin();
  } else if (state.AppendToPage) {
    CurY = state.PrevY;
    FreshY = INT_MIN;
  } else {
    pages.Add(*this);
    CurY = FreshY = GetTopMargin();
    ShowBand(Bands[btOverlay].get());
    ShowBand(Bands[btNone].get());
  }
}

void TfrPage::ShowFirstPageBands() {
  TfrEngineState& state = frState();
  const int pages = state.RootReport->EMFPages().Count();
  if (!state.ActiveReport->OnManualBuild) ShowBand(Bands[btReportTitle].get());
  if (state.RootReport->EMFPages().Count() != pages) return;  // the title began a new page with its headers
  TfrBand* pageHeader = Bands[btPageHeader].get();
  if (pageHeader->IsPresent() && (pageHeader->Flags & flBandOnFirstPage)) ShowStartBand(pageHeader);
  ShowStartBand(Bands[btColumnHeader].get());
}

int TfrPage::DeepestLevel() const {
  if (Bands[btSubDetailData]->IsPresent()) return 3;
  if (Bands[btDetailData]->IsPresent()) return 2;
  return 1;
}

void TfrPage::FinishPage() {
  TfrEngineState& state = frState();
  TfrReport* report = state.ActiveReport;
  if (report->OnManualBuild) {
    if (RecordMode == rmNormal) report->OnManualBuild(this);
  } else {
    Finishing = true;
    TfrBand* columnFooter = Bands[btColumnFooter].get();
    ShowBand(columnFooter);
    // The summary may take the room kept for the column footer, which has printed.
    const TValueScope<int> footerHeight(columnFooter->Height, 0);
    ShowBand(Bands[btReportSummary].get());
    Finishing = false;
  }
  if (RecordMode == rmRecord) return;
  state.PrevY = CurColumn > 0 ? GetBottomMargin() : CurY;
  state.PrevBottomY = CurBottom;
  CurColumn = 0;
  CurX = GetLeftMargin();
  if (!report->OnManualBuild) PrintLastPageFooter();
  if (report->OnEndPage) report->OnEndPage(state.PageNo);
  if (state.RootReport != report && state.RootReport->OnEndPage) state.RootReport->OnEndPage(state.PageNo);
  ++state.PageNo;
}

// The last page takes its footer when the footer prints on the last page, or on the first when
// this is the first.
void TfrPage::PrintLastPageFooter() {
  TfrEngineState& state = frState();
  TfrBand* footer = Bands[btPageFooter].get();
  if (!(state.PageNo == 0 && (footer->Flags & flBandOnFirstPage)) && !(footer->Flags & flBandOnLastPage)) return;
  const TValueScope<uint16_t> flags(footer->Flags, uint16_t(footer->Flags | flBandOnFirstPage));
  state.FootersPrinted = footer->IsPresent();
  if (state.FootersPrinted) EndPages();
}
