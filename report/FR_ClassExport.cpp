// Exporting the prepared pages through an export filter into a file, under the progress window,
// and the relays through which exported objects reach the filter.
#include "report/FR_Class.h"

#include "report/FR_Const.h"
#include "report/FR_Export.h"
#include "report/FR_Preview.h"
#include "report/FR_Progress.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"
#include "rtl/ScopeExit.h"

std::vector<TfrExportFilter*>& frExportFilters() {
  static std::vector<TfrExportFilter*> filters;
  return filters;
}

void TfrReport::ExportToFile(TfrExportFilter* Filter, const String& AFileName) {
  const TValueScope<TfrExportFilter*> current(FCurrentFilter, Filter);
  Filter->FileName = AFileName;
  TfrPreviewPagesLoan loan(FPreview, this);
  bool accept = true;
  if (Filter->OnBeforeExport) Filter->OnBeforeExport(AFileName, accept);
  if (!accept || !Filter->ShowModal()) return;
  {
    TFileStream file(AFileName, fmCreate);
    const TValueScope<TStream*> stream(Filter->Stream, &file);
    Filter->OnBeginDoc();
    frState().TotalPages = FEMFPages->Count();
    if (TfrProgressView* view = ProgressWindow()) {
      SetProgressLabel(frLoadStr(55205));
      const String caption = FTitle.empty() ? frLoadStr(55203) : FTitle + " - " + frLoadStr(55203);
      view->Execute(caption, [&] {
        ExportStep();
        view->Close(mrOk);
      });
    } else {
      ExportStep();
    }
  }
  if (Filter->OnAfterExport) Filter->OnAfterExport(AFileName);
}

void TfrReport::ExportStep() {
  TfrEngineState& state = frState();
  for (int i = 0; i < FEMFPages->Count(); ++i) {
    FCurrentFilter->OnBeginPage();
    state.ActiveReport = this;
    FEMFPages->ExportPage(i);
    ReportProgress(i + 1);
    FCurrentFilter->OnEndPage();
  }
  FCurrentFilter->OnEndDoc();
}

void TfrReport::ExportText(const TRect& DrawRect, int X, int Y, const String& Text, int FrameTyp, TfrView* View) {
  if (FCurrentFilter) FCurrentFilter->OnText(DrawRect, X, Y, Text, FrameTyp, View);
}

void TfrReport::ExportData(TfrView* View) {
  if (FCurrentFilter) FCurrentFilter->OnData(View);
}
