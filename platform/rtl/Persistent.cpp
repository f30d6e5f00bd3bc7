// Assignment between persistent objects, with the class library's error text.
#include "rtl/Persistent.h"

void TPersistent::Assign(const TPersistent* source) {
  if (source) {
    source->AssignTo(this);
  } else {
    AssignError(nullptr);
  }
}

void TPersistent::AssignTo(TPersistent* dest) const { dest->AssignError(this); }

void TPersistent::AssignError(const TPersistent* source) const {
  const String sourceName = source ? source->ClassName() : String("nil");
  throw EConvertError("Cannot assign a " + sourceName + " to a " + ClassName());
}
