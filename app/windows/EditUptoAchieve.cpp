// The fitness result correction dialog and the command that opens it.
#include "app/windows/EditUptoAchieve.h"

#include "app/kits/FormKit.h"

TfmEditUptoAchieve* fmEditUptoAchieve = nullptr;

TfmEditUptoAchieve::~TfmEditUptoAchieve() {
  if (fmEditUptoAchieve == this) fmEditUptoAchieve = nullptr;
}

TModalResult ShowEditUptoAchieve() { return HeldForm(fmEditUptoAchieve)->ShowModal(); }
