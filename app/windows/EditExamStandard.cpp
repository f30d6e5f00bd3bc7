// The examination standards editor and its command.
#include "app/dialogs/EditExamStandard.h"

#include "app/FormKit.h"
#include "app/KvData.h"

TfmEditExamStarnd* fmEditExamStarnd = nullptr;

TfmEditExamStarnd::~TfmEditExamStarnd() {
  if (fmEditExamStarnd == this) fmEditExamStarnd = nullptr;
}

TADOQuery* TfmEditExamStarnd::Standards() const { return dmGym->adqExamStarnd; }

TModalResult ShowEditExamStarnd() { return HeldForm(fmEditExamStarnd)->ShowModal(); }
