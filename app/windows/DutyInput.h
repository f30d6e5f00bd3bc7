// The attendance-score dialog "学生出勤成绩录入": one score per student for attendance, stored in
// Tb_ExamProcess as part 0 under the item number "DP101", beside the current student's
// attendance register.
#pragma once

#include "app/kits/PartScoreInput.h"

class TfmDutyInput : public TfmPartScoreInput {
 public:
  explicit TfmDutyInput(TComponent* AOwner) : TfmPartScoreInput(AOwner, 0, "DP101") {}
  ~TfmDutyInput() override;
  String ClassName() const override { return "TfmDutyInput"; }
  String LayoutModule() const override { return "DutyInput"; }
};

// The dialog while it exists.
extern TfmDutyInput* fmDutyInput;

// The main window's command: the dialog, made when there is none, shown modally; it frees itself
// when it closes. Answers the modal result.
TModalResult ShowDutyInput();
