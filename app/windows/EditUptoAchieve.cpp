// The fitness result correction dialog and the command that opens it.
#include "app/dialogs/EditUptoAchieve.h"

#include "app/FormKit.h"

TfmEditUptoAchieve* fmEditUptoAchieve = nullptr;

TfmEditUptoAchieve::~TfmEditUptoAchieve() {
  if (fmEditUptoAchieve == this) fmEditUptoAchieve = nullptr;
}

TModalResult ShowEditUptoAchieve() { return HeldForm(fmEditUptoAchieve)->ShowModal(); }
