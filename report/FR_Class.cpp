// The report component: its template, lookups of its objects, the printer it asks for and the
// before-print hook of its objects.
#include "report/FR_Class.h"

#include "report/FR_Const.h"
#include "report/FR_DBRel.h"
#include "report/FR_DSet.h"
#include "report/FR_Preview.h"
#include "report/FR_State.h"
#include "report/FR_View.h"

TfrReport::TfrReport(TComponent* AOwner)
    : TComponent(AOwner),
      FPages(std::make_unique<TfrPages>(this)),
      FDictionary(std::make_unique<TfrDataDictionary>()),
      FFileName(frLoadStr(55209)),
      FEMFPages(std::make_unique<TfrEMFPages>(this)) {}

TfrReport::~TfrReport() {
  TfrEngineState& state = frState();
  FEMFPages->Clear();
  FPages->Clear();
  if (state.ActiveReport == this) state.ActiveReport = nullptr;
  if (state.RootReport == this) state.RootReport = nullptr;
}

void TfrReport::Clear() {
  FPages->Clear();
  FDictionary->Clear();
}

TfrView* TfrReport::FindObject(const String& AName) const {
  for (int i = 0; i < FPages->Count(); ++i)
    if (TfrView* view = FPages->Pages(i).FindObject(AName)) return view;
  return nullptr;
}

void TfrReport::SetPrinterTo(const String& APrinterName) {
  if (!FPrint.UseDefaultPrinter) {
    TfrPrinter& printer = frPrinter();
    for (size_t i = 0; i < printer.Printers().size(); ++i)
      if (printer.Printers()[i] == APrinterName) printer.SetPrinterIndex(int(i));
  }
  FPrint.PrinterName = APrinterName;
}

void TfrReport::SetDataset(TfrDataset* Value) {
  if (FDataset == Value) return;
  if (FDataset) FDataset->RemoveFreeNotification(this);
  FDataset = Value;
  if (FDataset) FDataset->FreeNotification(this);
}

void TfrReport::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FDataset) FDataset = nullptr;
  if (AComponent == FPreview) FPreview = nullptr;
}

bool TfrReport::DoBeforePrint(TStrings& Memo, TfrView* View) {
  if (View->FieldDataSet && !View->FieldName.empty()) {
    TField* field = View->FieldDataSet->FindField(View->FieldName);
    if (IsBlobField(field)) View->LoadBlob(field);
  }
  if (!OnBeforePrint) return false;
  const String before = Memo.Text();
  OnBeforePrint(Memo, View);
  return Memo.Text() != before;
}
