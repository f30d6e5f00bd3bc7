// The fitness-standard result entry window and the command that opens it.
#include "app/windows/UptoInput.h"

#include "app/kits/FormKit.h"

TfmUptoInput* fmUptoInput = nullptr;

TfmUptoInput::~TfmUptoInput() {
  if (fmUptoInput == this) fmUptoInput = nullptr;
}

void ShowUptoInput(const String& ClassName) {
  ShowResultEntry(HeldForm(fmUptoInput), ClassName);
}
