// The examination history search window and its command.
#include "app/windows/ExamHistorySearch.h"

#include "app/kits/FormKit.h"

TfmExamHistorySearch* fmExamHistorySearch = nullptr;

TfmExamHistorySearch::~TfmExamHistorySearch() {
  if (fmExamHistorySearch == this) fmExamHistorySearch = nullptr;
}

TModalResult ShowExamHistorySearch() { return HeldForm(fmExamHistorySearch)->ShowModal(); }
