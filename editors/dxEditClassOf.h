// The class object of one editor class: the class operations of its family (Base) with the
// class's name, the editors it makes, and whether they stand in place or alone.
#pragma once

#include "editors/dxViewData.h"

template <class TEdit, class Base>
class TdxEditClassOf : public Base {
 public:
  TdxEditClassOf(const char* Name, bool Inplace) : FName(Name), FInplace(Inplace) {}
  String ClassName() const override { return FName; }
  TdxInplaceEdit* CreateEditor(TComponent* Owner) const override { return new TEdit(Owner, *this); }
  bool IsInplace() const override { return FInplace; }

 private:
  const char* FName;
  bool FInplace;
};

// The in-place and the stand-alone class object of an editor class, made once.
template <class TEdit, class Base>
const TdxInplaceEditClass& EditClassOf(const char* Name, bool Inplace) {
  static const TdxEditClassOf<TEdit, Base> inplace(Name, true), standAlone(Name, false);
  return Inplace ? static_cast<const TdxInplaceEditClass&>(inplace) : standAlone;
}
