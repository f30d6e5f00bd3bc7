// The examination history search window and its command.
#include "app/dialogs/ExamHistorySearch.h"

#include "app/FormKit.h"

TfmExamHistorySearch* fmExamHistorySearch = nullptr;

TfmExamHistorySearch::~TfmExamHistorySearch() {
  if (fmExamHistorySearch == this) fmExamHistorySearch = nullptr;
}

TModalResult ShowExamHistorySearch() { return HeldForm(fmExamHistorySearch)->ShowModal(); }
