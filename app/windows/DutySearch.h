// The attendance search "学生出勤情况查询": the current student's attendance register rows, by
// attendance kind and date.
#pragma once

#include "app/kits/RecordSearch.h"

class TfmDutySearch : public TfmRecordSearch {
 public:
  explicit TfmDutySearch(TComponent* AOwner) : TfmRecordSearch(AOwner) {}
  ~TfmDutySearch() override;
  String ClassName() const override { return "TfmDutySearch"; }
  String LayoutModule() const override { return "DutySearch"; }

  TComboBox* cbbDutyType = nullptr;

 protected:
  void Loaded() override;
  const TComboBox* ConditionBox() const override { return cbbDutyType; }
  // The attendance kinds of Tb_Duty, in table order.
  void FillConditionBox() override;
  TSearchSql BuildSql(const TSearchConditions& Search) const override { return BuildDutySql(Search); }
};

// The window while it is open.
extern TfmDutySearch* fmDutySearch;
// The command "出勤情况查询": the window, made anew, shown modally on the current student.
TModalResult ShowDutySearch();
