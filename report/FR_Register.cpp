// The report engine's registration: the controls and data access classes it builds on, its record
// sources, and the report component with its published properties and events.
#include "report/FR_Register.h"

#include "classes/Properties.h"
#include "controls/ControlClasses.h"
#include "data/DataSet.h"
#include "report/FR_Class.h"
#include "report/FR_DSet.h"
#include "report/FR_Preview.h"
#include "report/FR_Toolbar.h"

namespace {

const char* const ReportTypeNames[] = {"rtSimple", "rtMultiple"};
const char* const PreviewZoomNames[] = {"pzDefault", "pzPageWidth", "pzOnePage", "pzTwoPages"};
const char* const PreviewButtonNames[] = {"pbZoom", "pbLoad", "pbSave", "pbPrint", "pbFind", "pbHelp", "pbExit", "pbPageSetup"};

void PublishReport(TClassBuilder<TfrReport>& c) {
  c.Property("Dataset", &TfrReport::Dataset, &TfrReport::SetDataset);
  c.Property("Preview", &TfrReport::Preview, &TfrReport::SetPreview);
  c.Property("DefaultCopies", &TfrReport::DefaultCopies, &TfrReport::SetDefaultCopies).Default(1);
  c.Property("DefaultCollate", &TfrReport::DefaultCollate, &TfrReport::SetDefaultCollate).Default(true);
  c.Property("GrayedButtons", &TfrReport::GrayedButtons, &TfrReport::SetGrayedButtons).Default(false);
  c.Property("InitialZoom", &TfrReport::InitialZoom, &TfrReport::SetInitialZoom, PreviewZoomNames).Default(pzDefault);
  c.Property("MDIPreview", &TfrReport::MDIPreview, &TfrReport::SetMDIPreview).Default(false);
  c.Property("ModalPreview", &TfrReport::ModalPreview, &TfrReport::SetModalPreview).Default(true);
  c.Property("ModifyPrepared", &TfrReport::ModifyPrepared, &TfrReport::SetModifyPrepared).Default(true);
  c.SetProperty("PreviewButtons", &TfrReport::PreviewButtons, &TfrReport::SetPreviewButtons, PreviewButtonNames)
      .Default(frDefaultPreviewButtons);
  c.Property("PrintIfEmpty", &TfrReport::PrintIfEmpty, &TfrReport::SetPrintIfEmpty).Default(true);
  c.Property("ReportType", &TfrReport::ReportType, &TfrReport::SetReportType, ReportTypeNames).Default(rtSimple);
  c.Property("ShowPrintDialog", &TfrReport::ShowPrintDialog, &TfrReport::SetShowPrintDialog).Default(true);
  c.Property("ShowProgress", &TfrReport::ShowProgress, &TfrReport::SetShowProgress).Default(true);
  c.Property("StoreInDFM", &TfrReport::StoreInDFM, &TfrReport::SetStoreInDFM).Default(false);
  c.Property("Title", &TfrReport::Title, &TfrReport::SetTitle);
  c.Event("OnBeginDoc", &TfrReport::OnBeginDoc);
  c.Event("OnEndDoc", &TfrReport::OnEndDoc);
  c.Event("OnBeginPage", &TfrReport::OnBeginPage);
  c.Event("OnEndPage", &TfrReport::OnEndPage);
  c.Event("OnBeginBand", &TfrReport::OnBeginBand);
  c.Event("OnEndBand", &TfrReport::OnEndBand);
  c.Event("OnGetValue", &TfrReport::OnGetValue);
  c.Event("OnBeforePrint", &TfrReport::OnBeforePrint);
  c.Event("OnUserFunction", &TfrReport::OnUserFunction);
  c.Event("OnProgress", &TfrReport::OnProgress);
  c.Event("OnBeginColumn", &TfrReport::OnBeginColumn);
  c.Event("OnPrintColumn", &TfrReport::OnPrintColumn);
  c.Event("OnManualBuild", &TfrReport::OnManualBuild);
  c.Event("OnObjectClick", &TfrReport::OnObjectClick);
  c.Event("OnMouseOverObject", &TfrReport::OnMouseOverObject);
  c.Event("OnPrintReport", &TfrReport::OnPrintReport);
}

void PublishPreview(TClassBuilder<TfrPreview>& c) {
  c.Property("ScrollBars", &TfrPreview::ScrollBars, &TfrPreview::SetScrollBars, ScrollStyleNames).Default(ssBoth);
  c.Property("ShowToolbar", &TfrPreview::ShowToolbar, &TfrPreview::SetShowToolbar).Default(false);
  c.Event("OnPageChanged", &TfrPreview::OnPageChanged);
}

void PublishSpeedButton(TClassBuilder<TfrSpeedButton>& c) {
  c.Property("GrayedInactive", &TfrSpeedButton::GrayedInactive, &TfrSpeedButton::SetGrayedInactive).Default(true);
}

void PublishSeparator(TClassBuilder<TfrTBSeparator>& c) {
  c.Property("DrawBevel", &TfrTBSeparator::DrawBevel, &TfrTBSeparator::SetDrawBevel).Default(true);
}

}  // namespace

void RegisterReportClasses() {
  RegisterControlsClasses();
  RegisterDataClasses();
  RegisterRecordSourceClasses();
  RegisterClass<TfrReport, TComponent>("TfrReport", PublishReport);
  RegisterClass<TfrCompositeReport, TfrReport>("TfrCompositeReport");
  RegisterClass<TfrPreview, TPanel>("TfrPreview", PublishPreview);
  RegisterClass<TfrSpeedButton, TSpeedButton>("TfrSpeedButton", PublishSpeedButton);
  RegisterClass<TfrTBButton, TfrSpeedButton>("TfrTBButton");
  RegisterClass<TfrTBSeparator, TGraphicControl>("TfrTBSeparator", PublishSeparator);
}
