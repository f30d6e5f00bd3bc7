// TPersistent: the base of every object that can be copied from another of a compatible class
// (fonts, pens, collections, components' sub-objects) and stored in a window layout.
#pragma once

#include "rtl/Exceptions.h"
#include "rtl/Object.h"

class TFiler;

class TPersistent : public TObject {
 public:
  // Copies source into this object. A class that knows its source type overrides Assign;
  // otherwise the source is asked to copy itself into this object (AssignTo).
  virtual void Assign(const TPersistent* source);
  // The class name that assignment errors and stored layouts use.
  virtual String ClassName() const { return "TPersistent"; }
  // The object this one belongs to (a collection item's collection, a component's owner).
  virtual TPersistent* GetOwner() const { return nullptr; }
  // Declares the values a stored layout keeps beyond the published properties
  // (classes/Filer.h); the layout reader and writer call it.
  virtual void DefineProperties(TFiler& filer) { (void)filer; }

 protected:
  virtual void AssignTo(TPersistent* dest) const;
  [[noreturn]] void AssignError(const TPersistent* source) const;
};
