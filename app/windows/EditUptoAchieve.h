// The fitness result correction "达标成绩维护": the current student's rows of Tb_UptoProcess,
// rescored against the fitness standards.
#pragma once

#include "app/kits/EditAchieve.h"

class TfmEditUptoAchieve : public TfmEditAchieve {
 public:
  explicit TfmEditUptoAchieve(TComponent* AOwner) : TfmEditAchieve(AOwner, sfUpto) {}
  ~TfmEditUptoAchieve() override;
  String ClassName() const override { return "TfmEditUptoAchieve"; }
  String LayoutModule() const override { return "EditUptoAchieve"; }
};

// The dialog while it exists.
extern TfmEditUptoAchieve* fmEditUptoAchieve;

// The main window's command: the dialog on the current student, made when there is none, shown
// modally; it frees itself when it closes. Answers the modal result.
TModalResult ShowEditUptoAchieve();
