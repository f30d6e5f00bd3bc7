// The class-move dialog "学生分班处理": students of one class are put into another class of the
// same grade. Their results stay where they are.
#pragma once

#include "app/kits/MoveStudents.h"

class TfmSeperatorClass : public TfmMoveStudents {
 public:
  explicit TfmSeperatorClass(TComponent* AOwner) : TfmMoveStudents(AOwner) {}
  ~TfmSeperatorClass() override;
  String ClassName() const override { return "TfmSeperatorClass"; }
  String LayoutModule() const override { return "SeperateClass"; }

 protected:
  void MoveChosenStudents() override;
};

// The dialog while it is open.
extern TfmSeperatorClass* fmSeperatorClass;
// The command "学生分班处理": the dialog, made anew, shown modally; it frees itself when closed.
TModalResult ShowSeperatorClass();
