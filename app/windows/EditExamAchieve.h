// The examination result correction "考核成绩维护": the current student's rows of Tb_ExamProcess,
// rescored against the examination standards.
#pragma once

#include "app/kits/EditAchieve.h"

class TfmEditExamAchieve : public TfmEditAchieve {
 public:
  explicit TfmEditExamAchieve(TComponent* AOwner) : TfmEditAchieve(AOwner, sfExam) {}
  ~TfmEditExamAchieve() override;
  String ClassName() const override { return "TfmEditExamAchieve"; }
  String LayoutModule() const override { return "EditExamAchieve"; }
};

// The dialog while it exists.
extern TfmEditExamAchieve* fmEditExamAchieve;

// The main window's command: the dialog on the current student, made when there is none, shown
// modally; it frees itself when it closes. Answers the modal result.
TModalResult ShowEditExamAchieve();
