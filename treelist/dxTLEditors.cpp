// The tree list's editor classes and the defaults of its edit style.
#include "treelist/dxTLEditors.h"

#include "treelist/dxTL.h"

namespace {

template <class TEditor>
class TTreeListEditClass : public TdxInplaceEditClass {
 public:
  explicit TTreeListEditClass(const char* Name) : FName(Name) {}
  String ClassName() const override { return FName; }
  TdxInplaceEdit* CreateEditor(TComponent* Owner) const override { return new TEditor(Owner, *this); }

 private:
  const char* FName;
};

}  // namespace

TdxInplaceTreeListTextEdit::TdxInplaceTreeListTextEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceEdit(AOwner, Class) {}

const TdxInplaceEditClass& TdxInplaceTreeListTextEdit::EditClassObject() {
  static const TTreeListEditClass<TdxInplaceTreeListTextEdit> instance("TdxInplaceTreeListTextEdit");
  return instance;
}

TdxInplaceTreeListMaskEdit::TdxInplaceTreeListMaskEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceTreeListTextEdit(AOwner, Class) {}

const TdxInplaceEditClass& TdxInplaceTreeListMaskEdit::EditClassObject() {
  static const TTreeListEditClass<TdxInplaceTreeListMaskEdit> instance("TdxInplaceTreeListMaskEdit");
  return instance;
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
