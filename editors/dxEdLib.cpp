// The stand-alone date edit's class objects.
#include "editors/dxEdLib.h"

#include "editors/dxEditClassOf.h"

const TdxInplaceEditClass& CustomDateEditClass() {
  return EditClassOf<TCustomdxDateEdit, TdxDropDownEditClass>("TCustomdxDateEdit", false);
}

const TdxInplaceEditClass& StandAloneDateEditClass() {
  return EditClassOf<TdxDateEdit, TdxDropDownEditClass>("TdxDateEdit", false);
}
