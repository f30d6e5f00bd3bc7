// Printing a runtime band's objects into the prepared page being filled: at the page's current
// position, stretched to the height its text needs, side by side in the band's columns, and the
// check that starts a new column or page when the band does not fit.
#include "report/FR_Band.h"

#include "report/FR_BandView.h"
#include "report/FR_Class.h"
#include "report/FR_EMFPages.h"
#include "report/FR_Memo.h"
#include "report/FR_Names.h"
#include "report/FR_Page.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"
#include "report/FR_View.h"
#include "rtl/ScopeExit.h"

TStream& frPreparedStream() {
  const TfrEngineState& state = frState();
  return state.RootReport->EMFPages().Pages(state.PageNo).Stream;
}

bool TfrBand::CheckNewPage(int Y, int AHeight, bool CheckOnly) {
  if (Typ == btColumnFooter) return false;
  if (Y + AHeight + Parent->Bands[btColumnFooter]->Height <= Parent->CurBottom) return false;
  if (!CheckOnly) Parent->NewColumn(this);
  return true;
}

void TfrBand::PrintBand() {
  TfrPage& page = *Parent;
  const TValueScope<int> top(Top, IsFixed() ? Top : page.CurY);
  if (Stretched) {
    PrintStretched();
  } else {
    if (!IsFixed()) {
      if (!Breaked && !page.AtColumnStart()) CheckNewPage(Top, Height, false);
      Top = page.CurY;
    }
    if (Breaked) {
      DrawnHeight = CalcHeight;
      PrintSplit();
    } else {
      const bool subReports = PrintObjects();
      if (HasCrossObjects() && Typ != btPageFooter) PrintCross();
      if (!IsFixed() && !subReports) page.CurY += Height;
    }
  }
  PlaceInColumns();
  if (IsDataBand()) UpdateAggregates();
}

// The band takes the height its objects measured: each stretched object reaches to its bottom.
void TfrBand::PrintStretched() {
  TfrPage& page = *Parent;
  int height = CalcHeight;
  std::vector<int> heights;
  for (TfrView* view : Objects) heights.push_back(view->Height);
  if (height > Height)
    for (TfrView* view : Objects) {
      auto* stretchable = dynamic_cast<TfrStretcheable*>(view);
      if (!stretchable || !(view->Flags & flStretched) || view->Height < 1) continue;
      view->Height = height - view->Top;
      if (view->Typ == gtLine) stretchable->MeasureHeight();
    }
  DrawnHeight = height;
  if (!Breaked && !IsFixed()) {
    if (!page.AtColumnStart()) CheckNewPage(Top, height, false);
    Top = page.CurY;
  }
  bool subReports = false;
  if (Breaked) {
    PrintSplit();
    height = 0;
  } else {
    subReports = PrintObjects();
    if (HasCrossObjects() && Typ != btPageFooter) PrintCross();
  }
  for (size_t i = 0; i < Objects.size(); ++i) Objects[i]->Height = heights[i];
  if (!subReports && !IsFixed()) page.CurY += height;
}

// A band with columns of its own prints its records beside each other, NewColumnAfter records per
// column, then goes back to the first column below.
void TfrBand::PlaceInColumns() {
  TfrPage& page = *Parent;
  if (page.LastPrintedBand != this) ColumnNo = 1;
  page.LastPrintedBand = this;
  if (!View || View->Columns < 2 || View->NewColumnAfter != 1) return;
  if (ColumnNo == 1) ColumnStartX = page.CurX;
  ++ColumnNo;
  if (ColumnNo <= View->Columns) {
    page.CurX = ColumnStartX + (View->ColumnWidth + View->ColumnGap) * (ColumnNo - 1);
    page.CurY -= CalcHeight;
  } else {
    page.CurX = ColumnStartX;
    ColumnNo = 1;
  }
}

bool TfrBand::PrintObjects() {
  TfrPage& page = *Parent;
  TfrEngineState& state = frState();
  for (size_t i = 0; i < Objects.size() && !frBuildTerminated(); ++i) {
    TfrView* view = Objects[i];
    if (view->Typ == gtSubReport && view->Visible) {
      SubIndex = int(i);
      const int bottom = page.CurY + Height;
      const int pageNo = state.PageNo;
      InitSubReports();
      DoSubReports();
      if (state.PageNo == pageNo && page.CurY < bottom) page.CurY = bottom;
      return true;
    }
    PrintObject(view);
  }
  return false;
}

void TfrBand::PrintObject(TfrView* AView) {
  TfrEngineState& state = frState();
  state.ActivePage = Parent;
  state.ActiveBand = this;
  if (AView->ParentBand != this) return;
  if (state.FirstPass && !Breaked) {
    // The first pass counts pages: objects only run their scripts.
    state.ActiveView = AView;
    auto* memo = dynamic_cast<TfrMemoView*>(AView);
    if (!memo || memo->PrintPhase == 0) AView->RunScript();
    return;
  }
  const TValueScope<int> left(AView->Left, AView->Left + Parent->CurX - Parent->GetLeftMargin());
  const TValueScope<int> top(AView->Top, AView->Top + Top);
  AView->Print(frPreparedStream());
}
