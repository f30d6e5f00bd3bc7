// The fitness-standard history search window and its command.
#include "app/dialogs/uptoHistorySearch.h"

#include "app/FormKit.h"

TfmUptoHistorySearch* fmUptoHistorySearch = nullptr;

TfmUptoHistorySearch::~TfmUptoHistorySearch() {
  if (fmUptoHistorySearch == this) fmUptoHistorySearch = nullptr;
}

TModalResult ShowUptoHistorySearch() { return HeldForm(fmUptoHistorySearch)->ShowModal(); }
