// The stand-alone date edit that dialogs place on their forms: the date editor with its own border
// and button, a stand-alone control's size and tab stop, and the published properties its forms
// store.
#pragma once

#include "editors/dxDateEdit.h"

// The classes of the two: they answer that they do not stand in place.
const TdxInplaceEditClass& CustomDateEditClass();
const TdxInplaceEditClass& StandAloneDateEditClass();

class TCustomdxDateEdit : public TdxInplaceDateEdit {
 public:
  explicit TCustomdxDateEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = CustomDateEditClass())
      : TdxInplaceDateEdit(AOwner, Class) {}
  String ClassName() const override { return "TCustomdxDateEdit"; }
};

class TdxDateEdit : public TCustomdxDateEdit {
 public:
  explicit TdxDateEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = StandAloneDateEditClass())
      : TCustomdxDateEdit(AOwner, Class) {}
  String ClassName() const override { return "TdxDateEdit"; }
};
