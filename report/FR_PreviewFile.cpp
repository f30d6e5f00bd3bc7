// The preview's commands on files and on the page set: opening and saving prepared-report files
// (or exporting through a filter), printing through the print dialog, page setup with a rebuild,
// and editing, adding and removing pages.
#include "controls/Dialogs.h"
#include "printing/Printers.h"
#include "report/FR_Class.h"
#include "report/FR_Const.h"
#include "report/FR_Export.h"
#include "report/FR_Preview.h"
#include "report/FR_PreviewDlgs.h"
#include "report/FR_Prntr.h"
#include "report/FR_Toolbar.h"
#include "rtl/Convert.h"

namespace {

// The file name with Extension (".frp") in place of its own.
String WithExtension(const String& FileName, const String& Extension) {
  const size_t slash = FileName.find_last_of("/\\");
  const size_t dot = FileName.find_last_of('.');
  const bool hasExtension = dot != String::npos && (slash == String::npos || dot > slash);
  return (hasExtension ? FileName.substr(0, dot) : FileName) + Extension;
}

String PreparedFilter() { return frLoadStr(55211) + " (*.frp)|*.frp"; }

void ReportFileError(const Exception& E) { MessageDlg(E.Message(), frLoadStr(55206), mtError, MsgDlgBit(mbOK)); }

}  // namespace

// A file that cannot be read leaves the pages shown as they were.
void TfrPreviewForm::OpenFile() {
  if (!FReport) return;
  TFileDialogRequest request;
  request.Filter = PreparedFilter();
  request.Options = OpenOptionBit(ofHideReadOnly);
  if (!DialogService().FileDialog(request) || request.FileName.empty()) return;
  try {
    FReport->LoadPreparedFile(request.FileName);
  } catch (const EStreamError& e) {
    ReportFileError(e);
    return;
  }
  FPages.reset();
  Connect(FReport);
  ResetView(true);
}

void TfrPreviewForm::SaveToFile() {
  if (!FReport || PageCount() == 0) return;
  TFileDialogRequest request;
  request.Save = true;
  request.Filter = PreparedFilter();
  const std::vector<TfrExportFilter*>& filters = frExportFilters();
  for (size_t i = 0; i < filters.size(); ++i) {
    request.Filter += "|" + filters[i]->Description() + "|" + filters[i]->FileMask();
    if (filters[i]->Default && request.FilterIndex == 1) request.FilterIndex = int(i) + 2;
  }
  request.Options = OpenOptionBit(ofHideReadOnly) | OpenOptionBit(ofOverwritePrompt);
  if (!DialogService().FileDialog(request) || request.FileName.empty()) return;
  try {
    TfrPreviewPagesLoan loan(this);
    if (request.FilterIndex <= 1 || request.FilterIndex - 2 >= int(filters.size())) {
      FReport->SavePreparedFile(WithExtension(request.FileName, ".frp"));
    } else {
      TfrExportFilter* filter = filters[size_t(request.FilterIndex - 2)];
      FReport->ExportToFile(filter, WithExtension(request.FileName, filter->FileMask().substr(1)));
    }
  } catch (const EStreamError& e) {
    ReportFileError(e);
  }
  ResetView(false);
}

void TfrPreviewForm::Print() {
  if (!FReport || PageCount() == 0) return;
  // The dialog offers the platform's printers besides the virtual one.
  frPrinter().SetPrinter(Printer());
  std::unique_ptr<TfrPrintForm> dialog(new TfrPrintForm(nullptr));
  dialog->E1->SetText(IntToStr(FReport->DefaultCopies()));
  dialog->CollateCB->SetChecked(FReport->DefaultCollate());
  if (FReport->ShowPrintDialog() && dialog->ShowModal() != mrOk) return;
  const String pages = dialog->PageNumbers(FCurPage);
  const int copies = dialog->Copies();
  {
    TfrPreviewPagesLoan loan(this);
    FReport->PrintPrepared(pages, copies, dialog->Collate(), dialog->PrintPages());
  }
  ResetView(false);
}

// The platform's page setup chooses paper and orientation; the report's pages take them and the
// report is built again. Pages read from a file have no template to rebuild from.
void TfrPreviewForm::PageSetup() {
  if (!FReport || PageCount() == 0 || !FReport->CanRebuild()) return;
  TfrPrinter& printer = frPrinter();
  if (!printer.PropertiesDlg()) return;
  for (int i = 0; i < FReport->Pages().Count(); ++i) {
    TfrPage& page = FReport->Pages().Pages(i);
    if (page.Type == ptReport)
      page.ChangePaper(printer.PaperSize(), printer.PaperWidth(), printer.PaperHeight(), printer.Orientation(),
                       page.PaperBin);
  }
  if (!FReport->PrepareReport()) return;
  FPages.reset();
  Connect(FReport);
  ResetView(true);
}

void TfrPreviewForm::EditPage() {
  if (!FReport || !FReport->ModifyPrepared() || PageCount() == 0) return;
  {
    TfrPreviewPagesLoan loan(this);
    FReport->EditPreparedReport(FCurPage - 1);
  }
  ResetView(false);
}

void TfrPreviewForm::AddPage() {
  if (!FReport || PageCount() == 0 || FReport->Pages().Count() == 0) return;
  FPages->Insert(FCurPage - 1, FReport->Pages().Pages(0));
  ResetView(false);
}

void TfrPreviewForm::RemovePage() {
  if (PageCount() < 2) return;
  if (MessageDlg(frLoadStr(55005), frLoadStr(55006), mtConfirmation, mbYesNo) != mrYes) return;
  FPages->Delete(FCurPage - 1);
  ResetView(true);
}
