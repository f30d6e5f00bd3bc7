// The fitness standards editor and its command.
#include "app/windows/EditUptoStandard.h"

#include "app/kits/FormKit.h"
#include "app/data/KvData.h"

TfmEditUptoStarnd* fmEditUptoStarnd = nullptr;

TfmEditUptoStarnd::~TfmEditUptoStarnd() {
  if (fmEditUptoStarnd == this) fmEditUptoStarnd = nullptr;
}

TADOQuery* TfmEditUptoStarnd::Standards() const { return dmGym->adqUptoStarnd; }

TModalResult ShowEditUptoStarnd() { return HeldForm(fmEditUptoStarnd)->ShowModal(); }
