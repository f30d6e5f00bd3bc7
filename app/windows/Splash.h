// The splash window shown while the program starts: a borderless picture with the version.
#pragma once

#include "classes/Properties.h"
#include "controls/Forms.h"

class TfmSplash : public TForm {
 public:
  explicit TfmSplash(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmSplash() override;
  String ClassName() const override { return "TfmSplash"; }
  String LayoutModule() const override { return "Splash"; }
};

// Exists only while the program starts.
extern TfmSplash* fmSplash;
