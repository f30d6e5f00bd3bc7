// Building a report: the template kept and read back around the build, the two passes under the
// progress window when one is shown, the pages formed once or once per record of a multiple
// report, and the evaluation error shown at the end.
#include "report/FR_Class.h"

#include "report/FR_Band.h"
#include "report/FR_Const.h"
#include "report/FR_DSet.h"
#include "report/FR_Globals.h"
#include "report/FR_Names.h"
#include "report/FR_Progress.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"
#include "rtl/Convert.h"
#include "rtl/DateTime.h"
#include "rtl/ScopeExit.h"

void TfrReport::BindLookups() {
  frParser().OnGetValue = [](const String& name, Variant& value) {
    if (TfrReport* report = frState().ActiveReport) report->GetVariableValue(name, value);
  };
  frParser().OnFunction = [](const String& name, const Variant& p1, const Variant& p2, const Variant& p3, Variant& value) {
    if (TfrReport* report = frState().ActiveReport) report->DoFunction(name, p1, p2, p3, value);
  };
  frInterpretator().OnSetReportValue = [](const String& name, const Variant& value) {
    TfrReport* report = frState().ActiveReport;
    return report && report->SetReportValue(name, value);
  };
  SetAggregateHost(&frBuildAggregateHost());
}

bool TfrReport::PrepareReport() {
  TfrEngineState& state = frState();
  SetPrinterTo(FPrint.PrinterName);
  state.RunDateTime = Now();
  FPages->AlignObjects();
  state.ActivePage = nullptr;
  state.ActiveBand = nullptr;
  state.ActiveReport = state.RootReport = this;
  state.TotalPages = 0;
  state.EvalErrorFlag = false;
  state.EvalErrorText.clear();
  FBuild.TwoPass = FTwoPass;
  BindLookups();
  SaveTemplates();
  const TValueScope<bool> printMode(state.PrintMode, true);
  if (OnBeginDoc) OnBeginDoc();
  bool result = BuildWithProgress();
  if (OnEndDoc) OnEndDoc();
  const bool failed = state.EvalErrorFlag;
  const String errorText = state.EvalErrorText;
  RestoreTemplates();
  state.ActiveReport = state.RootReport = this;
  state.EvalErrorFlag = failed;
  state.EvalErrorText = errorText;
  FBuild.FinalPass = false;
  if (failed) ShowError(errorText);
  if (failed || state.DialogCancelled) {
    FEMFPages->Clear();
    result = false;
  }
  state.ActiveBand = nullptr;
  return result;
}

void TfrReport::SaveTemplates() {
  FBuild.SavedTemplate = std::make_unique<TMemoryStream>();
  SaveToStream(*FBuild.SavedTemplate);
}

void TfrReport::RestoreTemplates() {
  FBuild.SavedTemplate->SetPosition(0);
  LoadFromStream(*FBuild.SavedTemplate);
  FBuild.SavedTemplate.reset();
}

// Exporting always shows the window.
TfrProgressView* TfrReport::ProgressWindow() const {
  return FCurrentFilter || (FShowProgress && !OnProgress) ? frProgressView() : nullptr;
}

void TfrReport::SetProgressLabel(const String& Text) {
  FBuild.ProgressLabel = Text;
  if (TfrProgressView* view = ProgressWindow()) view->SetFirstLabel(Text + "  1");
}

bool TfrReport::BuildWithProgress() {
  TfrEngineState& state = frState();
  FBuild.Terminated = false;
  state.AppendToPage = false;
  state.FirstPass = false;
  FBuild.FinalPass = true;
  state.PageNo = 0;
  FEMFPages->Clear();
  TfrProgressView* view = ProgressWindow();
  const String caption = FTitle.empty() ? frLoadStr(55203) : FTitle + " - " + frLoadStr(55203);
  auto execute = [&] {
    FBuild.InsideProgress = true;
    const int modalResult = view->Execute(caption, [this] { BuildStep(); });
    FBuild.InsideProgress = false;
    return modalResult != mrCancel;
  };
  if (FTwoPass) {
    state.FirstPass = true;
    FBuild.FinalPass = false;
    SetProgressLabel(frLoadStr(55204));
    if (!view) {
      BuildStep();
      return true;
    }
    return execute();
  }
  if (!view) {
    FTwoPass = FBuild.TwoPass;
    BuildStep();
    return true;
  }
  SetProgressLabel(frLoadStr(55205));
  if (FBuild.InsideProgress) {  // the final pass of a two-pass build, inside the window already
    FTwoPass = FBuild.TwoPass;
    BuildStep();
    return true;
  }
  return execute();
}

void TfrReport::BuildStep() {
  BuildPages();
  TfrProgressView* view = ProgressWindow();
  if (FBuild.FinalPass) {
    if (view) view->Close(FBuild.Terminated ? mrCancel : mrOk);
    return;
  }
  // The first pass has counted the pages.
  frState().TotalPages = FEMFPages->Count();
  FTwoPass = 0;
  if (FBuild.Terminated) {
    FEMFPages->Clear();
    if (view) view->Close(mrCancel);
  } else {
    BuildWithProgress();
  }
  FTwoPass = FBuild.TwoPass;
}

void TfrReport::ReportProgress(int PageNo) {
  if (OnProgress) {
    OnProgress(PageNo);
    return;
  }
  TfrProgressView* view = ProgressWindow();
  if (!view) return;
  String text = FBuild.ProgressLabel + "  " + IntToStr(PageNo);
  if (IsFinalOfTwoPasses() || FCurrentFilter)
    text += " " + frLoadStr(55199) + " " + IntToStr(frState().TotalPages);
  view->SetFirstLabel(text);
  view->ProcessMessages();
}

void TfrReport::InitPages(TfrPageType Type) {
  TfrEngineState& state = frState();
  for (int i = 0; i < FPages->Count() && !state.DialogCancelled; ++i)
    if (FPages->Pages(i).Type == Type) FPages->Pages(i).InitReport();
}

void TfrReport::DonePages(TfrPageType Type) {
  for (int i = 0; i < FPages->Count(); ++i)
    if (FPages->Pages(i).Type == Type) FPages->Pages(i).DoneReport();
}

void TfrReport::BuildPages() {
  TfrEngineState& state = frState();
  if (TfrProgressView* view = ProgressWindow()) view->ProcessMessages();
  FBuild.CanRebuild = true;
  state.ActiveReport = this;
  FDictionary->ClearCache();
  BindLookups();
  state.EvalErrorFlag = false;
  state.EvalErrorText.clear();
  const bool multiple = FDataset && FReportType == rtMultiple;
  try {
    if (multiple) {
      FDataset->Init();
      FDataset->First();
    }
    if (!IsFinalOfTwoPasses()) {
      for (int i = 0; i < FPages->Count(); ++i) FPages->Pages(i).IsSubReportPage = false;
      state.DialogCancelled = false;
    }
    InitPages(ptDialog);
    if (!state.DialogCancelled) {
      InitPages(ptReport);
      if (!IsFinalOfTwoPasses())
        for (int i = 0; i < FPages->Count(); ++i) FPages->Pages(i).PrepareObjects();
      do {
        state.RootReport->ReportProgress(state.PageNo + 1);
        FormPages(multiple);
        state.RootReport->ReportProgress(state.PageNo);
        if (multiple) FDataset->Next();
      } while (multiple && !frBuildTerminated() && !FDataset->Eof());
    }
  } catch (const Exception& e) {
    ReportEvalError(e.Message());
  }
  DonePages(ptReport);
  DonePages(ptDialog);
  if (multiple) FDataset->Exit();
}

void TfrReport::FormPages(bool Multiple) {
  TfrEngineState& state = frState();
  const TfrEMFPages& prepared = state.RootReport->EMFPages();
  for (int i = 0; i < FPages->Count() && !frBuildTerminated(); ++i) {
    TfrPage& page = FPages->Pages(i);
    state.ActivePage = &page;
    if (!page.Visible) page.RunScript();
    if (page.Type == ptReport && !page.IsSubReportPage && page.Visible) page.FormPage();
    const bool last = i == FPages->Count() - 1;
    const bool nextContinues = last ? state.NextReportContinues && (!Multiple || FDataset->Eof())
                                    : FPages->Pages(i + 1).PrintToPrevPage;
    // The page that the next one continues is the last prepared page.
    state.AppendToPage = nextContinues && prepared.Count() > 0;
    state.PageNo = state.AppendToPage ? prepared.Count() - 1 : prepared.Count();
    if (!state.AppendToPage) state.RootReport->ReportProgress(state.PageNo);
  }
}
