// Page and column breaks while a page is formed: the column footer and page footers of the page
// that ends, the next prepared page with its overlay and headers, the next column of a page with
// columns, and the headers that repeat on it.
#include "report/FR_Page.h"

#include "report/FR_Band.h"
#include "report/FR_BandView.h"
#include "report/FR_Class.h"
#include "report/FR_EMFPages.h"
#include "report/FR_State.h"

void TfrPage::ShowStartBand(TfrBand* Band) {
  const bool atStart = AtColumnStart();
  ShowBand(Band);
  if (atStart) FreshY = CurY;
}

void TfrPage::NewPage() {
  TfrEngineState& state = frState();
  state.RootReport->ReportProgress(state.PageNo + 1);
  if (!Finishing) ShowBand(Bands[btColumnFooter].get());
  EndPages();
  CurBottom = GetBottomMargin();
  state.RootReport->EMFPages().Add(*this);
  state.FootersPrinted = false;
  ShowBand(Bands[btOverlay].get());
  CurY = FreshY = GetTopMargin();
  ShowStartBand(Bands[btPageHeader].get());
  ShowStartBand(Bands[btColumnHeader].get());
}

// The page footer prints on every page formed so far that has none yet; on the first page only
// when it prints there, and then its page totals start again for the next page all the same.
void TfrPage::EndPages() {
  TfrEngineState& state = frState();
  TfrReport* report = state.ActiveReport;
  TfrEMFPages& pages = state.RootReport->EMFPages();
  TfrBand* footer = Bands[btPageFooter].get();
  CurColumn = 0;
  CurX = GetLeftMargin();
  if (state.PageNo == 0 && !(footer->Flags & flBandOnFirstPage)) {
    footer->ResetAggregates();
  } else {
    for (; state.PageNo < pages.Count(); ++state.PageNo) {
      if (state.AppendToPage && state.FootersPrinted) continue;
      if (report->OnEndPage) report->OnEndPage(state.PageNo);
      if (state.RootReport != report && state.RootReport->OnEndPage) state.RootReport->OnEndPage(state.PageNo);
      ShowBand(footer);
    }
  }
  state.PageNo = pages.Count();
}

void TfrPage::NewColumn(TfrBand* Band) {
  if (CurColumn < Columns - 1) {
    if (!Finishing) ShowBand(Bands[btColumnFooter].get());
    ++CurColumn;
    CurX += ColumnWidth + ColumnGap;
    CurY = FreshY = ColumnTop;
    ShowStartBand(Bands[btColumnHeader].get());
  } else {
    NewPage();
  }
  RepeatHeaders(Band);
}

void TfrPage::RepeatHeaders(TfrBand* Band) {
  auto repeat = [this](TfrBand* header) {
    header->Repeating = true;
    ShowStartBand(header);
    header->Repeating = false;
  };
  if (!Finishing)
    for (TfrBand* group = Bands[btGroupHeader].get(); group && group != Band; group = group->Next.get())
      if (group->IsPresent() && (group->Flags & flBandRepeatHeader)) repeat(group);
  if (Band && Band->IsDataBand() && Band->Header && (Band->Header->Flags & flBandRepeatHeader)) repeat(Band->Header);
}
