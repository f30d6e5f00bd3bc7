// The examination result entry window and the command that opens it.
#include "app/dialogs/ExamInput.h"

#include "controls/Application.h"

TfmExamInput* fmExamInput = nullptr;

TfmExamInput::~TfmExamInput() {
  if (fmExamInput == this) fmExamInput = nullptr;
}

void ShowExamInput(const String& ClassName) {
  if (!fmExamInput) fmExamInput = TCustomForm::Create<TfmExamInput>(Application);
  fmExamInput->PrepareForClass(ClassName);
  fmExamInput->Show();
}
