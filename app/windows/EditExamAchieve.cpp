// The examination result correction dialog and the command that opens it.
#include "app/windows/EditExamAchieve.h"

#include "app/kits/FormKit.h"

TfmEditExamAchieve* fmEditExamAchieve = nullptr;

TfmEditExamAchieve::~TfmEditExamAchieve() {
  if (fmEditExamAchieve == this) fmEditExamAchieve = nullptr;
}

TModalResult ShowEditExamAchieve() { return HeldForm(fmEditExamAchieve)->ShowModal(); }
