// The examination result correction dialog and the command that opens it.
#include "app/dialogs/EditExamAchieve.h"

#include "app/FormKit.h"

TfmEditExamAchieve* fmEditExamAchieve = nullptr;

TfmEditExamAchieve::~TfmEditExamAchieve() {
  if (fmEditExamAchieve == this) fmEditExamAchieve = nullptr;
}

TModalResult ShowEditExamAchieve() { return HeldForm(fmEditExamAchieve)->ShowModal(); }
