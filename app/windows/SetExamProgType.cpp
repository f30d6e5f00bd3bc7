// The item-list window of Tb_ExamProg and its command.
#include "app/dialogs/SetExamProgType.h"

#include "app/FormKit.h"

TfmSetExamProg* fmSetExamProg = nullptr;

TfmSetExamProg::~TfmSetExamProg() {
  if (fmSetExamProg == this) fmSetExamProg = nullptr;
}

TModalResult ShowSetExamProg() { return HeldForm(fmSetExamProg)->ShowModal(); }
