// The item-list window of Tb_UptoProg and its command.
#include "app/windows/SetUptoProg.h"

#include "app/kits/FormKit.h"

TfmSetUptoProg* fmSetUptoProg = nullptr;

TfmSetUptoProg::~TfmSetUptoProg() {
  if (fmSetUptoProg == this) fmSetUptoProg = nullptr;
}

TModalResult ShowSetUptoProg() { return HeldForm(fmSetUptoProg)->ShowModal(); }
