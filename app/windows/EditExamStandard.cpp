// The examination standards editor and its command.
#include "app/windows/EditExamStandard.h"

#include "app/kits/FormKit.h"
#include "app/data/KvData.h"

TfmEditExamStarnd* fmEditExamStarnd = nullptr;

TfmEditExamStarnd::~TfmEditExamStarnd() {
  if (fmEditExamStarnd == this) fmEditExamStarnd = nullptr;
}

TADOQuery* TfmEditExamStarnd::Standards() const { return dmGym->adqExamStarnd; }

TModalResult ShowEditExamStarnd() { return HeldForm(fmEditExamStarnd)->ShowModal(); }
