// Printing the prepared pages: the page-number list, the pages chosen in the order copies and
// collation give, each page drawn on the printer's canvas into its place on the paper, the paper
// changed between pages within the one job, and the PDF file of the virtual printer.
#include "report/FR_Class.h"

#include <algorithm>

#include "controls/Dialogs.h"
#include "printing/Printers.h"
#include "report/FR_Const.h"
#include "report/FR_Preview.h"
#include "report/FR_Progress.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"
#include "rtl/Arith.h"
#include "rtl/Convert.h"

std::vector<int> frPageNumbers(const String& Text, int PageCount) {
  String text;
  std::copy_if(Text.begin(), Text.end(), std::back_inserter(text), [](char c) { return c != ' '; });
  std::vector<int> pages;
  if (text.empty()) return pages;
  if (text.back() == '-') text += IntToStr(PageCount);
  text += ',';
  String number;
  bool range = false;
  int start = 0;
  for (char c : text) {
    if (c == '-') {
      start = StrToInt(number);
      number.clear();
      range = true;
    } else if (c == ',') {
      const int last = StrToInt(number);
      // Pages past the report never print: a range stops at its last page.
      if (range) {
        for (int page = std::max(start, 1); page <= std::min(last, PageCount); ++page) pages.push_back(page);
      } else {
        pages.push_back(last);
      }
      number.clear();
      range = false;
    } else {
      number += c;
    }
  }
  return pages;
}

void TfrReport::PrintPrepared(const String& PageNumbers, int Copies, bool Collate, int PrintPages) {
  TfrEngineState& state = frState();
  state.ActiveReport = state.RootReport = this;
  FTerminated = false;
  TfrPreviewPagesLoan loan(FPreview, this);
  frPrinter().SetPrinter(Printer());
  if (frPrinter().IsVirtual() && !ChoosePdfFile()) return;
  if (TfrProgressView* view = ProgressWindow()) {
    SetProgressLabel(frLoadStr(55208));
    const String caption = FTitle.empty() ? frLoadStr(55203) : FTitle + " - " + frLoadStr(55203);
    view->Execute(caption, [&] {
      DoPrintReport(PageNumbers, Copies, Collate, PrintPages);
      view->Close(FTerminated ? mrCancel : mrOk);
    });
  } else {
    TfrRestore<TMouseOverObjectEvent> mouseOver(OnMouseOverObject);
    OnMouseOverObject = nullptr;
    DoPrintReport(PageNumbers, Copies, Collate, PrintPages);
  }
}

bool TfrReport::ChoosePdfFile() {
  TfrPrinter& printer = frPrinter();
  if (!printer.OutputFileName().empty()) return true;
  TFileDialogRequest request;
  request.Save = true;
  request.Filter = "PDF 文件 (*.pdf)|*.pdf";
  request.FileName = (FTitle.empty() ? frLoadStr(55209) : FTitle) + ".pdf";
  request.Options = OpenOptionBit(ofHideReadOnly) | OpenOptionBit(ofOverwritePrompt);
  if (!DialogService().FileDialog(request) || request.FileName.empty()) return false;
  printer.SetOutputFileName(request.FileName);
  return true;
}

std::vector<int> TfrReport::PrintOrder(const String& PageNumbers, int Copies, bool Collate, int PrintPages,
                                       bool PrinterCopies) const {
  const int count = FEMFPages->Count();
  const std::vector<int> listed = frPageNumbers(PageNumbers, count);
  auto chosen = [&](int number) {
    if (!listed.empty() && std::find(listed.begin(), listed.end(), number) == listed.end()) return false;
    return PrintPages == ppOdd ? number % 2 == 1 : PrintPages == ppEven ? number % 2 == 0 : true;
  };
  const int passes = Collate ? Copies : 1;
  const int repeats = !Collate && !PrinterCopies ? Copies : 1;
  std::vector<int> order;
  for (int pass = 0; pass < passes; ++pass)
    for (int i = 0; i < count; ++i)
      if (chosen(i + 1)) order.insert(order.end(), size_t(repeats), i);
  return order;
}

void TfrReport::DoPrintReport(const String& PageNumbers, int Copies, bool Collate, int PrintPages) {
  TfrPrinter& printer = frPrinter();
  TPrinter* platform = Printer();
  printer.SetPrinter(platform);
  if (printer.IsVirtual() && !ChoosePdfFile()) return;
  platform->SetOutputFileName(printer.IsVirtual() ? printer.OutputFileName() : String());
  // The file serves this print only, also one that fails or has no page to print: the next one
  // asks again.
  printer.SetOutputFileName(String());
  Copies = std::max(1, Copies);
  const bool printerCopies = !Collate && !printer.IsVirtual() && platform->SupportsMultipleCopies();
  const std::vector<int> order = PrintOrder(PageNumbers, Copies, Collate, PrintPages, printerCopies);
  if (order.empty()) return;
  // The first page's paper goes to the printer even when the layer already holds it: the layer
  // may have taken it while building, before it was bound to this printer or while the printer
  // held another paper, and later pages are compared with what the first one set.
  TfrPreparedPage& first = FEMFPages->Pages(order.front());
  printer.SetPrinterInfo(first.Size, first.Width, first.Height, first.Orientation, first.PaperBin, true);
  printer.FillPrnInfo(first.PrnInfo);
  platform->SetTitle(FTitle.empty() ? frLoadStr(55209) : FTitle);
  if (OnPrintReport) OnPrintReport();
  platform->SetCopies(printerCopies ? Copies : 1);
  platform->BeginDoc();
  try {
    for (size_t k = 0; k < order.size(); ++k) {
      PrintPage(order[k], k == 0);
      if (FTerminated) {
        platform->Abort();
        break;
      }
    }
    if (platform->Printing()) platform->EndDoc();
  } catch (...) {
    platform->Abort();
    throw;
  }
}

void TfrReport::PrintPage(int Index, bool First) {
  TfrPrinter& printer = frPrinter();
  TPrinter* platform = Printer();
  TfrPreparedPage& page = FEMFPages->Pages(Index);
  // A paper of its own applies from the page that follows, in the same job.
  if (!printer.IsEqual(page.Size, page.Width, page.Height, page.Orientation, page.PaperBin))
    printer.SetPrinterInfo(page.Size, page.Width, page.Height, page.Orientation, page.PaperBin, true);
  if (!First) platform->NewPage();
  printer.FillPrnInfo(page.PrnInfo);
  const TfrPrnInfo& info = page.PrnInfo;
  TRect place;
  if (page.StretchToPrintable) {
    place = {-info.OffsetXDevice, -info.OffsetYDevice, info.PageWidthDevice - info.OffsetXDevice,
             info.PageHeightDevice - info.OffsetYDevice};
  } else {
    auto deviceX = [&](int units) { return int(Round(double(units) * info.PrintableWidthDevice / info.PrintableWidth)); };
    auto deviceY = [&](int units) { return int(Round(double(units) * info.PrintableHeightDevice / info.PrintableHeight)); };
    place = {deviceX(page.Margins[0]), deviceY(page.Margins[1]), info.PrintableWidthDevice - deviceX(page.Margins[2]),
             info.PrintableHeightDevice - deviceY(page.Margins[3])};
  }
  // The canvas starts at the platform's printable area; the layer's geometry may put it elsewhere
  // (the virtual printer keeps 5 millimetres on a PDF page that has no margins of its own).
  OffsetRect(place, info.OffsetXDevice - platform->OffsetX(), info.OffsetYDevice - platform->OffsetY());
  page.Visible = true;
  FEMFPages->Draw(Index, platform->Canvas(), place);
  page.Visible = false;
  FEMFPages->Draw(Index, platform->Canvas(), TRect());
  ReportProgress(Index + 1);
}
