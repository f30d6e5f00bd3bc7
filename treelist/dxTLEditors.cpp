// The tree list's editor classes and the defaults of its edit style.
#include "treelist/dxTLEditors.h"

#include "editors/dxEditClassOf.h"
#include "treelist/dxTL.h"

TdxInplaceTreeListTextEdit::TdxInplaceTreeListTextEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceTextEdit(AOwner, Class) {}

const TdxInplaceEditClass& TdxInplaceTreeListTextEdit::EditClassObject() {
  return EditClassOf<TdxInplaceTreeListTextEdit, TdxTextEditClass>("TdxInplaceTreeListTextEdit", true);
}

TdxInplaceTreeListMaskEdit::TdxInplaceTreeListMaskEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceMaskEdit(AOwner, Class) {}

const TdxInplaceEditClass& TdxInplaceTreeListMaskEdit::EditClassObject() {
  return EditClassOf<TdxInplaceTreeListMaskEdit, TdxTextEditClass>("TdxInplaceTreeListMaskEdit", true);
}

TCustomdxTreeList* TdxTreeListEditStyle::TreeList() const {
  return Edit() ? dynamic_cast<TCustomdxTreeList*>(Edit()->GetContainer()) : nullptr;
}

TdxEditBorderStyle TdxTreeListEditStyle::GetDefaultBorderStyle() const {
  const TCustomdxTreeList* list = TreeList();
  if (!list) return TdxEditStyle::GetDefaultBorderStyle();
  return list->ShowGrid() ? xbsNone : xbsSingle;
}

TdxEditButtonViewStyle TdxTreeListEditStyle::GetDefaultButtonStyle() const {
  const TCustomdxTreeList* list = TreeList();
  if (!list) return TdxEditStyle::GetDefaultButtonStyle();
  constexpr TdxEditButtonViewStyle byLook[] = {bts3D, btsFlat, btsHotFlat};
  return byLook[list->LookAndFeel()];
}
