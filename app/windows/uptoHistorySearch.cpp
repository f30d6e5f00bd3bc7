// The fitness-standard history search window and its command.
#include "app/windows/uptoHistorySearch.h"

#include "app/kits/FormKit.h"

TfmUptoHistorySearch* fmUptoHistorySearch = nullptr;

TfmUptoHistorySearch::~TfmUptoHistorySearch() {
  if (fmUptoHistorySearch == this) fmUptoHistorySearch = nullptr;
}

TModalResult ShowUptoHistorySearch() { return HeldForm(fmUptoHistorySearch)->ShowModal(); }
