// The fitness-standard history search "达标历史成绩查询": the current student's fitness results,
// of the present grade or of earlier ones.
#pragma once

#include "app/kits/RecordSearch.h"

class TfmUptoHistorySearch : public TfmHistorySearch {
 public:
  explicit TfmUptoHistorySearch(TComponent* AOwner)
      : TfmHistorySearch(AOwner, {"Tb_UptoProcess", "Tb_UptoHistory", "Tb_UptoProg"}) {}
  ~TfmUptoHistorySearch() override;
  String ClassName() const override { return "TfmUptoHistorySearch"; }
  String LayoutModule() const override { return "uptoHistorySearch"; }
};

// The window while it is open.
extern TfmUptoHistorySearch* fmUptoHistorySearch;
// The command "达标历史成绩查询": the window, made anew, shown modally on the current student.
TModalResult ShowUptoHistorySearch();
