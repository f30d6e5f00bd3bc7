// The item-list window of Tb_ExamProg and its command.
#include "app/windows/SetExamProgType.h"

#include "app/kits/FormKit.h"

TfmSetExamProg* fmSetExamProg = nullptr;

TfmSetExamProg::~TfmSetExamProg() {
  if (fmSetExamProg == this) fmSetExamProg = nullptr;
}

TModalResult ShowSetExamProg() { return HeldForm(fmSetExamProg)->ShowModal(); }
