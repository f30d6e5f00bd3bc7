// The button editor's buttons: one button's properties and defaults, and the collection of at most
// eight that keeps a single button the default one and lays its editor out on every change.
#include "editors/dxButtonEdit.h"

#include "rtl/Convert.h"

namespace {

// The collection, when it has room for one more button.
TCollection* WithRoomForAButton(TCollection* Collection) {
  if (Collection && Collection->Count() >= MaxEditButtons)
    throw Exception(Format("Too many buttons ( >= %d)", {Variant(MaxEditButtons)}));
  return Collection;
}

}  // namespace

TdxEditButton::TdxEditButton(TCollection* Collection) : TCollectionItem(WithRoomForAButton(Collection)) {}

TdxEditButton::~TdxEditButton() = default;

template <class T>
void TdxEditButton::Store(T& Field, T Value) {
  if (Field == Value) return;
  Field = Value;
  Changed(true);
}

void TdxEditButton::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxEditButton*>(Source);
  if (!source) return TCollectionItem::Assign(Source);
  if (Collection()) Collection()->BeginUpdate();
  SetDefault(source->FDefault);
  SetGlyph(source->FGlyph.get());
  SetKind(source->FKind);
  SetLeftAlignment(source->FLeftAlignment);
  SetVisible(source->FVisible);
  SetWidth(source->FWidth);
  if (Collection()) Collection()->EndUpdate();
}

void TdxEditButton::RestoreDefaults() {
  FGlyph.reset();
  FKind = bkEllipsis;
  FLeftAlignment = false;
  FVisible = true;
  FWidth = 0;
  Changed(true);
}

void TdxEditButton::SetDefault(bool Value) {
  if (Value && Collection())
    for (int i = 0; i < Collection()->Count(); ++i)
      if (auto* other = static_cast<TdxEditButton*>(Collection()->Items(i)); other != this) other->FDefault = false;
  Store(FDefault, Value);
}

TBitmap* TdxEditButton::Glyph() {
  if (!FGlyph) FGlyph = std::make_unique<TBitmap>();
  return FGlyph.get();
}

void TdxEditButton::SetGlyph(const TBitmap* Value) {
  if (!Value && !FGlyph) return;
  if (Value)
    Glyph()->Assign(Value);
  else
    FGlyph.reset();
  Changed(true);
}

void TdxEditButton::SetKind(TdxEditButtonItemKind Value) { Store(FKind, Value); }
void TdxEditButton::SetLeftAlignment(bool Value) { Store(FLeftAlignment, Value); }
void TdxEditButton::SetVisible(bool Value) { Store(FVisible, Value); }
void TdxEditButton::SetWidth(int Value) { Store(FWidth, Value); }

// --- the collection ------------------------------------------------------------------------------

TdxEditButtons::TdxEditButtons(TdxInplaceEdit* Edit, TItemClass ItemClass) : TCollection(ItemClass, Edit), FEdit(Edit) {}

int TdxEditButtons::VisibleCount() const {
  int count = 0;
  for (int i = 0; i < Count(); ++i) count += Items(i)->Visible();
  return count;
}

int TdxEditButtons::VisibleIndexToIndex(int VisibleIndex) const {
  if (VisibleIndex < 0) return -1;
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Visible() && VisibleIndex-- == 0) return i;
  return -1;
}

TdxEditButton* TdxEditButtons::VisibleItems(int VisibleIndex) const {
  const int index = VisibleIndexToIndex(VisibleIndex);
  return index < 0 ? nullptr : Items(index);
}

void TdxEditButtons::RestoreDefaults() {
  BeginUpdate();
  for (int i = 0; i < Count(); ++i) Items(i)->RestoreDefaults();
  EndUpdate();
}

void TdxEditButtons::Update(TCollectionItem* Item) {
  TCollection::Update(Item);
  const bool loading = FEdit && (FEdit->ComponentState() & csLoading);
  if (!loading && Count() == 1) Items(0)->SetDefault(true);
}

void TdxInplaceEditButtons::Update(TCollectionItem* Item) {
  TdxEditButtons::Update(Item);
  if (TdxInplaceEdit* edit = GetEditor(); edit && !(edit->ComponentState() & csDestroying)) edit->LayoutChanged();
}
