// The examination result entry window and the command that opens it.
#include "app/windows/ExamInput.h"

#include "app/kits/FormKit.h"

TfmExamInput* fmExamInput = nullptr;

TfmExamInput::~TfmExamInput() {
  if (fmExamInput == this) fmExamInput = nullptr;
}

void ShowExamInput(const String& ClassName) {
  ShowResultEntry(HeldForm(fmExamInput), ClassName);
}
