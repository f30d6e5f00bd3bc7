// The fitness-standard result entry window and the command that opens it.
#include "app/dialogs/UptoInput.h"

#include "controls/Application.h"

TfmUptoInput* fmUptoInput = nullptr;

TfmUptoInput::~TfmUptoInput() {
  if (fmUptoInput == this) fmUptoInput = nullptr;
}

void ShowUptoInput(const String& ClassName) {
  if (!fmUptoInput) fmUptoInput = TCustomForm::Create<TfmUptoInput>(Application);
  fmUptoInput->PrepareForClass(ClassName);
  fmUptoInput->Show();
}
