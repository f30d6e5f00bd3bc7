// One printing of a runtime band, in its fixed order: the begin-band event, the script, forced page
// and column breaks, the fit check, the printing with the child band, aggregates, the end-band
// event; and the measuring that the fit check asks for.
#include "report/FR_Band.h"

#include <algorithm>

#include "report/FR_BandView.h"
#include "report/FR_Class.h"
#include "report/FR_DSet.h"
#include "report/FR_EMFPages.h"
#include "report/FR_Globals.h"
#include "report/FR_Names.h"
#include "report/FR_Page.h"
#include "report/FR_State.h"
#include "report/FR_View.h"

void TfrBand::RunBandScript() {
  if (Script.Count() > 0) frInterpretator().DoScript(Script);
}

bool TfrBand::DrawBand() {
  TfrEngineState& state = frState();
  TfrReport* report = state.ActiveReport;
  state.ActiveView = View;
  state.ActiveBand = this;
  CalcHeight = -1;
  ForcedNewPages = ForcedNewColumns = 0;
  bool unfinished = false;
  try {
    if (report->OnBeginBand) report->OnBeginBand(this);
    CloseColumnRow();
    KeepPosition = false;
    if (!ScriptDone) RunBandScript();
    ScriptDone = false;
    if (frBuildTerminated()) return false;
    ForcedBreaks();
    if (Visible) {
      if (!DrawVisible(unfinished)) return true;
    } else {
      if (Child && PrintChildIfInvisible) Child->DrawBand();
      if (IsDataBand()) UpdateAggregates();
    }
    if (!Repeating && (Typ != btPageFooter || state.PageNo == state.RootReport->EMFPages().Count() - 1))
      ResetAggregates();
    if (report->OnEndBand) report->OnEndBand(this);
  } catch (const Exception& e) {
    ReportEvalError(e.Message());
  }
  return unfinished;
}

// A half-filled row of another multi-column band is closed once, before this band prints below it.
void TfrBand::CloseColumnRow() {
  TfrBand* last = Parent->LastPrintedBand;
  if (!last || last == this || !last->IsPresent() || last->ColumnNo <= 1) return;
  Parent->CurX = last->ColumnStartX;
  Parent->CurY += last->Height;
  last->ColumnNo = 1;
}

void TfrBand::ForcedBreaks() {
  const int y = Parent->CurY;
  for (int i = 0; i < ForcedNewPages; ++i) {
    Parent->CurColumn = Parent->Columns - 1;
    Parent->NewColumn(this);
  }
  for (int i = 0; i < ForcedNewColumns; ++i) Parent->NewColumn(this);
  if (KeepPosition) Parent->CurY = y;
}

bool TfrBand::DrawVisible(bool& Unfinished) {
  TfrPage& page = *Parent;
  if (Typ == btColumnHeader) page.ColumnTop = page.CurY;
  if (Typ == btPageFooter) Top = page.CurBottom;
  if (!IsPresent()) return true;
  CalcHeight = Height;
  if (!IsFixed() && Typ != btColumnFooter) {
    const int height = FullHeight();
    // A band at the start of its column prints there even when it does not fit: no later page
    // would hold it better.
    if (!Breaked && !page.AtColumnStart() && page.CurY + height > page.CurBottom) {
      Unfinished = true;
      if (page.IsSubReportPage) {
        ScriptDone = true;  // drawn again, without its script, when the sub-report continues
        return false;
      }
      CheckNewPage(0, 10000, false);
    }
  }
  SubDone = true;
  if (IsDataBand() && Next && !Next->DataSet) {
    for (TfrBand* band = this; band && (band == this || !band->DataSet); band = band->Next.get()) band->PrintBand();
  } else {
    PrintBand();
    if (Child) Child->DrawBand();
    if (!IsDataBand() && Typ != btGroupHeader && FormNewPage) page.NewPage();
  }
  if (!SubDone) Unfinished = true;
  return true;
}

int TfrBand::FullHeight() {
  if (IsDataBand() && Next && !Next->DataSet) {
    int height = 0;
    for (TfrBand* band = this; band && (band == this || !band->DataSet); band = band->Next.get())
      height += band->MeasureBand();
    return height;
  }
  if (!Child) {
    CalcHeight = Height;
    return Stretched ? MeasureBand() : Height;
  }
  int height = 0;
  for (TfrBand* band = this; band; band = band->Child)
    if (band->Visible) height += band->Stretched ? band->MeasureBand() : band->Height;
  return height;
}

int TfrBand::MeasureBand() {
  const bool crossColumns = HasCrossObjects() && Typ != btPageFooter;
  CalcHeight = std::max(Height, crossColumns ? MeasureCrossColumns() : MeasureObjects(false));
  return CalcHeight;
}

// The lowest bottom of the stretchable objects as they measure: this band's own, or with
// WithCross the cross cells on its row too.
int TfrBand::MeasureObjects(bool WithCross) {
  int bottom = 0;
  for (TfrView* view : Objects) {
    auto* stretchable = dynamic_cast<TfrStretcheable*>(view);
    if (!stretchable || (!WithCross && view->ParentBand != this)) continue;
    bottom = std::max(bottom, stretchable->MeasureHeight() + view->Top);
    if (WithCross) stretchable->PrintPhase = 0;
  }
  return bottom;
}

// The row measured once per cross column, as many as the cross data source has records.
int TfrBand::MeasureCrossColumns() {
  TfrPage& page = *Parent;
  TfrReport* report = frState().ActiveReport;
  page.ColumnCounter = 1;
  if (report->OnBeginColumn) report->OnBeginColumn(this);
  TfrBand* crossData = page.Bands[btCrossData].get();
  int bottom = 0;
  TfrDataset* source = crossData->IsPresent() ? (crossData->DataSet ? crossData->DataSet : CrossDataSet) : nullptr;
  if (!source) return bottom;
  for (source->First(); !source->Eof() && !frBuildTerminated(); source->Next()) {
    int width = crossData->Width;
    if (report->OnPrintColumn) report->OnPrintColumn(page.ColumnCounter, width);
    bottom = std::max(bottom, MeasureObjects(true));
    ++page.ColumnCounter;
  }
  return bottom;
}
