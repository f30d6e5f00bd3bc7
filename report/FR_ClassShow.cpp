// The prepared pages handed on: shown in the report's preview or a preview window of its own,
// lent to the preview and taken back, and saved to and read from prepared-report files.
#include "report/FR_Class.h"

#include "controls/Application.h"
#include "report/FR_Const.h"
#include "report/FR_Preview.h"
#include "report/FR_State.h"
#include "rtl/Files.h"

std::unique_ptr<TfrEMFPages> TfrReport::TakeEMFPages() {
  auto pages = std::move(FEMFPages);
  FEMFPages = std::make_unique<TfrEMFPages>(this);
  return pages;
}

void TfrReport::SetEMFPages(std::unique_ptr<TfrEMFPages> Pages) { FEMFPages = std::move(Pages); }

void TfrReport::SetPreview(TfrPreview* Value) {
  if (FPreview == Value) return;
  if (FPreview) FPreview->RemoveFreeNotification(this);
  FPreview = Value;
  if (FPreview) FPreview->FreeNotification(this);
}

void TfrReport::ShowPrepared() {
  TfrEngineState& state = frState();
  state.ActiveReport = state.RootReport = this;
  if (FEMFPages->Count() == 0) return;
  const String caption = FTitle.empty() ? frLoadStr(55207) : FTitle + " - " + frLoadStr(55207);
  if (FPreview) {
    FPreview->Connect(this);
    return;
  }
  TfrPreviewForm* window = TCustomForm::Create<TfrPreviewForm>(this);
  if (FMDIPreview) window->SetWindowState(wsNormal);
  window->SetCaption(caption);
  window->ShowReport(this);
  Application->ProcessMessages();
}

void TfrReport::LoadPreparedFile(const String& AFileName) {
  FEMFPages->PreparedLoadFromFile(AFileName);
  FCanRebuild = false;
}

void TfrReport::SavePreparedFile(const String& AFileName) {
  TFileStream file(AFileName, fmCreate);
  FEMFPages->PreparedSaveToStream(file);
}
