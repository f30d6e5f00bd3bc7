// The basic-knowledge dialog and the command that opens it.
#include "app/windows/BasicInput.h"

#include "app/kits/FormKit.h"

TfmBasicInput* fmBasicInput = nullptr;

TfmBasicInput::~TfmBasicInput() {
  if (fmBasicInput == this) fmBasicInput = nullptr;
}

TModalResult ShowBasicInput() { return HeldForm(fmBasicInput)->ShowModal(); }
