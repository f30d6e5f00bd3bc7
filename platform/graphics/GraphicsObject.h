// The common base of fonts, pens and brushes: a persistent object that reports its changes.
#pragma once

#include "rtl/Persistent.h"

class TGraphicsObject : public TPersistent {
 public:
  TNotifyEvent OnChange;
  String ClassName() const override { return "TGraphicsObject"; }

 protected:
  // Drops cached handles and tells the owner.
  virtual void Changed();
};
