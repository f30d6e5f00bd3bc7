// The basic-knowledge dialog "学生基础知识成绩录入": one score per student for basic knowledge,
// stored in Tb_ExamProcess as part 1 under the item number "BP101".
#pragma once

#include "app/kits/PartScoreInput.h"

class TfmBasicInput : public TfmPartScoreInput {
 public:
  explicit TfmBasicInput(TComponent* AOwner) : TfmPartScoreInput(AOwner, 1, "BP101") {}
  ~TfmBasicInput() override;
  String ClassName() const override { return "TfmBasicInput"; }
  String LayoutModule() const override { return "BasicInput"; }
};

// The dialog while it exists.
extern TfmBasicInput* fmBasicInput;

// The main window's command: the dialog, made when there is none, shown modally; it frees itself
// when it closes. Answers the modal result.
TModalResult ShowBasicInput();
