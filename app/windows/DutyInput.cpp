// The attendance-score dialog and the command that opens it.
#include "app/windows/DutyInput.h"

#include "app/kits/FormKit.h"

TfmDutyInput* fmDutyInput = nullptr;

TfmDutyInput::~TfmDutyInput() {
  if (fmDutyInput == this) fmDutyInput = nullptr;
}

TModalResult ShowDutyInput() { return HeldForm(fmDutyInput)->ShowModal(); }
