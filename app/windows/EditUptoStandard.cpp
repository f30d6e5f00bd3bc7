// The fitness standards editor and its command.
#include "app/dialogs/EditUptoStandard.h"

#include "app/FormKit.h"
#include "app/KvData.h"

TfmEditUptoStarnd* fmEditUptoStarnd = nullptr;

TfmEditUptoStarnd::~TfmEditUptoStarnd() {
  if (fmEditUptoStarnd == this) fmEditUptoStarnd = nullptr;
}

TADOQuery* TfmEditUptoStarnd::Standards() const { return dmGym->adqUptoStarnd; }

TModalResult ShowEditUptoStarnd() { return HeldForm(fmEditUptoStarnd)->ShowModal(); }
