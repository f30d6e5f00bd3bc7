// The examination history search "考核历史成绩查询": the current student's examination results,
// of the present grade or of earlier ones.
#pragma once

#include "app/kits/RecordSearch.h"

class TfmExamHistorySearch : public TfmHistorySearch {
 public:
  explicit TfmExamHistorySearch(TComponent* AOwner)
      : TfmHistorySearch(AOwner, {"Tb_ExamProcess", "Tb_ExamHistory", "Tb_ExamProg"}) {}
  ~TfmExamHistorySearch() override;
  String ClassName() const override { return "TfmExamHistorySearch"; }
  String LayoutModule() const override { return "ExamHistorySearch"; }
};

// The window while it is open.
extern TfmExamHistorySearch* fmExamHistorySearch;
// The command "历史考核成绩查询": the window, made anew, shown modally on the current student.
TModalResult ShowExamHistorySearch();
