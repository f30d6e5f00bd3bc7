// The attendance-score dialog and the command that opens it.
#include "app/dialogs/DutyInput.h"

#include "app/FormKit.h"

TfmDutyInput* fmDutyInput = nullptr;

TfmDutyInput::~TfmDutyInput() {
  if (fmDutyInput == this) fmDutyInput = nullptr;
}

TModalResult ShowDutyInput() { return HeldForm(fmDutyInput)->ShowModal(); }
