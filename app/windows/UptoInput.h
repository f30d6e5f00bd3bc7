// The fitness-standard result entry window "达标成绩录入": performances in the fitness items,
// scored by the fitness standards of the class's grade, stored in Tb_UptoProcess.
#pragma once

#include "app/kits/ResultEntry.h"

class TfmUptoInput : public TfmResultEntry {
 public:
  explicit TfmUptoInput(TComponent* AOwner) : TfmResultEntry(AOwner, sfUpto, 0) {}
  ~TfmUptoInput() override;
  String ClassName() const override { return "TfmUptoInput"; }
  String LayoutModule() const override { return "UptoInput"; }

 protected:
  // The time of day the window was made goes with the date, unless the user changes it.
  TDateTime InitialTestDate() const override { return Now(); }
};

// The window while it is open.
extern TfmUptoInput* fmUptoInput;

// The main window's command: the window, made when none is open, told the class and shown
// (modeless, beside the main window).
void ShowUptoInput(const String& ClassName);
