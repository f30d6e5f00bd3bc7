// The editors the data-bound columns name: one cell editor class per column kind, which edits the
// cells of its columns in place, and one filter value editor class per kind of filter value, which
// works stand-alone inside the filter drop-down and dialog (its class answers that it is not in
// place). Each adds nothing to the editor it derives from but its name and its class object.
#pragma once

#include <algorithm>

#include "editors/dxBlobEdit.h"
#include "editors/dxButtonEdit.h"
#include "editors/dxCalcEdit.h"
#include "editors/dxCheckEdit.h"
#include "editors/dxCurrencyEdit.h"
#include "editors/dxDateEdit.h"
#include "editors/dxEditClassOf.h"
#include "editors/dxGraphicEdit.h"
#include "editors/dxHyperLinkEdit.h"
#include "editors/dxImageEdit.h"
#include "editors/dxMRUEdit.h"
#include "editors/dxMaskEdit.h"
#include "editors/dxMemoEdit.h"
#include "editors/dxPickEdit.h"
#include "editors/dxSpinEdit.h"
#include "editors/dxTimeEdit.h"
#include "grid/dxDBEdtr.h"

// A class name as a template argument (editor and column classes that add nothing but their name).
template <size_t N>
struct TdxClassNameText {
  constexpr TdxClassNameText(const char (&Text)[N]) { std::copy_n(Text, N, Value); }  // NOLINT: implicit by design
  char Value[N];
};

// Editor class Name: the editor TBase (whose class operations are TClassBase's), in place or
// stand-alone as Inplace says.
template <class TBase, class TClassBase, TdxClassNameText Name, bool Inplace>
class TdxNamedEditor : public TBase {
 public:
  explicit TdxNamedEditor(TComponent* AOwner, const TdxInplaceEditClass& Class = EditClassObject())
      : TBase(AOwner, Class) {}
  String ClassName() const override { return Name.Value; }
  static const TdxInplaceEditClass& EditClassObject() {
    return EditClassOf<TdxNamedEditor, TClassBase>(Name.Value, Inplace);
  }
};

// The cell editors.
using TdxInplaceDBTreeListMaskEdit =
    TdxNamedEditor<TdxInplaceMaskEdit, TdxTextEditClass, "TdxInplaceDBTreeListMaskEdit", true>;
using TdxInplaceDBTreeListMemoEdit =
    TdxNamedEditor<TdxInplaceMemoEdit, TdxTextEditClass, "TdxInplaceDBTreeListMemoEdit", true>;
using TdxInplaceDBTreeListDropDownEdit =
    TdxNamedEditor<TdxInplaceDropDownEdit, TdxDropDownEditClass, "TdxInplaceDBTreeListDropDownEdit", true>;
using TdxInplaceDBTreeListDateEdit =
    TdxNamedEditor<TdxInplaceDateEdit, TdxDropDownEditClass, "TdxInplaceDBTreeListDateEdit", true>;
using TdxInplaceDBTreeListButtonEdit =
    TdxNamedEditor<TdxInplaceButtonEdit, TdxButtonEditClass, "TdxInplaceDBTreeListButtonEdit", true>;
using TdxInplaceDBTreeListCheckEdit =
    TdxNamedEditor<TdxInplaceCheckEdit, TdxCheckEditClass, "TdxInplaceDBTreeListCheckEdit", true>;
using TdxInplaceDBTreeListImageEdit =
    TdxNamedEditor<TdxInplaceImageEdit, TdxImageEditClass, "TdxInplaceDBTreeListImageEdit", true>;
using TdxInplaceDBTreeListSpinEdit =
    TdxNamedEditor<TdxInplaceSpinEdit, TdxSpinEditClass, "TdxInplaceDBTreeListSpinEdit", true>;
using TdxInplaceDBTreeListPickEdit =
    TdxNamedEditor<TdxInplacePickEdit, TdxDropDownEditClass, "TdxInplaceDBTreeListPickEdit", true>;
using TdxInplaceDBTreeListCalcEdit =
    TdxNamedEditor<TdxInplaceCalcEdit, TdxDropDownEditClass, "TdxInplaceDBTreeListCalcEdit", true>;
using TdxInplaceDBTreeListHyperLinkEdit =
    TdxNamedEditor<TdxInplaceHyperLinkEdit, TdxHyperLinkEditClass, "TdxInplaceDBTreeListHyperLinkEdit", true>;
using TdxInplaceDBTreeListTimeEdit =
    TdxNamedEditor<TdxInplaceTimeEdit, TdxSpinEditClass, "TdxInplaceDBTreeListTimeEdit", true>;
using TdxInplaceDBTreeListCurrencyEdit =
    TdxNamedEditor<TdxInplaceCurrencyEdit, TdxTextEditClass, "TdxInplaceDBTreeListCurrencyEdit", true>;
using TdxInplaceDBTreeListGraphicEdit =
    TdxNamedEditor<TdxInplaceGraphicEdit, TdxGraphicEditClass, "TdxInplaceDBTreeListGraphicEdit", true>;
using TdxInplaceDBTreeListBlobEdit =
    TdxNamedEditor<TdxInplaceBlobEdit, TdxBlobEditClass, "TdxInplaceDBTreeListBlobEdit", true>;
using TdxInplaceDBTreeListLookupEdit =
    TdxNamedEditor<TdxInplaceLookupEdit, TdxDropDownEditClass, "TdxInplaceDBTreeListLookupEdit", true>;
using TdxInplaceDBTreeListMRUEdit =
    TdxNamedEditor<TdxInplaceMRUEdit, TdxMRUEditClass, "TdxInplaceDBTreeListMRUEdit", true>;

// The filter value editors.
using TCustomdxFilterEdit = TdxNamedEditor<TdxInplaceMaskEdit, TdxTextEditClass, "TCustomdxFilterEdit", false>;
using TCustomdxFilterDateEdit =
    TdxNamedEditor<TdxInplaceDateEdit, TdxDropDownEditClass, "TCustomdxFilterDateEdit", false>;
using TCustomdxFilterImageEdit =
    TdxNamedEditor<TdxInplaceImageEdit, TdxImageEditClass, "TCustomdxFilterImageEdit", false>;
using TCustomdxFilterSpinEdit = TdxNamedEditor<TdxInplaceSpinEdit, TdxSpinEditClass, "TCustomdxFilterSpinEdit", false>;
using TCustomdxFilterPickEdit =
    TdxNamedEditor<TdxInplacePickEdit, TdxDropDownEditClass, "TCustomdxFilterPickEdit", false>;
using TCustomdxFilterCalcEdit =
    TdxNamedEditor<TdxInplaceCalcEdit, TdxDropDownEditClass, "TCustomdxFilterCalcEdit", false>;
using TCustomdxFilterTimeEdit = TdxNamedEditor<TdxInplaceTimeEdit, TdxSpinEditClass, "TCustomdxFilterTimeEdit", false>;
using TCustomdxFilterCurrencyEdit =
    TdxNamedEditor<TdxInplaceCurrencyEdit, TdxTextEditClass, "TCustomdxFilterCurrencyEdit", false>;
using TCustomdxFilterLookupEdit =
    TdxNamedEditor<TdxInplaceLookupEdit, TdxDropDownEditClass, "TCustomdxFilterLookupEdit", false>;
