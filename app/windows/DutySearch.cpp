// The attendance search window: its kinds, and its command.
#include "app/windows/DutySearch.h"

#include "app/kits/FormKit.h"
#include "app/data/KvData.h"

TfmDutySearch* fmDutySearch = nullptr;

TfmDutySearch::~TfmDutySearch() {
  if (fmDutySearch == this) fmDutySearch = nullptr;
}

void TfmDutySearch::Loaded() {
  TfmRecordSearch::Loaded();
  BindComponent(this, cbbDutyType, "cbbDutyType");
}

void TfmDutySearch::FillConditionBox() {
  TADOTable* duty = dmGym->adtDuty;
  duty->Close();
  duty->Open();
  for (duty->First(); !duty->Eof(); duty->Next()) cbbDutyType->Items()->Add(duty->FieldByName("Fd_Name")->AsString());
  duty->Close();
}

TModalResult ShowDutySearch() { return HeldForm(fmDutySearch)->ShowModal(); }
