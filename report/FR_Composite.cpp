// The composite report: the reports of its list built one after another into its own prepared
// pages, each continuing on the last page when its first page prints on the previous one and the
// papers match.
#include "report/FR_Class.h"

#include "report/FR_DSet.h"
#include "report/FR_Names.h"
#include "report/FR_State.h"

void TfrCompositeReport::SaveTemplates() {
  FSavedReports.clear();
  for (TfrReport* report : Reports) {
    FSavedReports.push_back(std::make_unique<TMemoryStream>());
    report->SaveToStream(*FSavedReports.back());
  }
}

void TfrCompositeReport::RestoreTemplates() {
  for (size_t i = 0; i < Reports.size() && i < FSavedReports.size(); ++i) {
    FSavedReports[i]->SetPosition(0);
    Reports[i]->LoadFromStream(*FSavedReports[i]);
  }
  FSavedReports.clear();
}

// Decided before the report at Index is built: against the last page prepared so far, or before
// any, against that report's last template page.
bool TfrCompositeReport::NextContinues(size_t Index) const {
  if (Index + 1 >= Reports.size() || Reports[Index + 1]->Pages().Count() == 0) return false;
  const TfrPage& first = Reports[Index + 1]->Pages().Pages(0);
  if (!first.PrintToPrevPage) return false;
  const TfrEMFPages& prepared = EMFPages();
  if (prepared.Count() > 0) {
    const TfrPreparedPage& last = prepared.Pages(prepared.Count() - 1);
    return last.Size == first.Size && last.Orientation == first.Orientation;
  }
  const TfrPages& pages = Reports[Index]->Pages();
  if (pages.Count() == 0) return false;
  const TfrPage& last = pages.Pages(pages.Count() - 1);
  return last.Size == first.Size && last.Orientation == first.Orientation;
}

void TfrCompositeReport::BuildPages() {
  TfrEngineState& state = frState();
  FBuild.CanRebuild = true;
  state.PageNo = 0;
  TfrDataset* records = Dataset();
  try {
    if (records) {
      records->Init();
      records->First();
    }
    do {
      for (size_t i = 0; i < Reports.size() && !frBuildTerminated(); ++i) {
        TfrReport& report = *Reports[i];
        TMemoryStream saved;
        if (records) report.SaveToStream(saved);
        const bool continues = NextContinues(i);
        if (report.OnBeginDoc) report.OnBeginDoc();
        report.FBuild.FinalPass = FBuild.FinalPass;
        report.FBuild.TwoPass = FBuild.TwoPass;
        state.NextReportContinues = continues;
        report.BuildPages();
        if (FBuild.FinalPass && report.OnEndDoc) report.OnEndDoc();
        if (records) {
          saved.SetPosition(0);
          report.LoadFromStream(saved);
        }
        state.AppendToPage = continues;
        state.ActiveReport = this;
      }
      if (records) records->Next();
    } while (records && !frBuildTerminated() && !records->Eof());
  } catch (const Exception& e) {
    ReportEvalError(e.Message());
  }
  state.NextReportContinues = false;
  if (records) records->Exit();
}
