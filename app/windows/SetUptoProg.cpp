// The item-list window of Tb_UptoProg and its command.
#include "app/dialogs/SetUptoProg.h"

#include "app/FormKit.h"

TfmSetUptoProg* fmSetUptoProg = nullptr;

TfmSetUptoProg::~TfmSetUptoProg() {
  if (fmSetUptoProg == this) fmSetUptoProg = nullptr;
}

TModalResult ShowSetUptoProg() { return HeldForm(fmSetUptoProg)->ShowModal(); }
