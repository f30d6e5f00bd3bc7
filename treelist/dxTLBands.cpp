// Bands and the band collection: clamped widths, one fixed band per side, and the columns that
// follow their band when it moves or goes.
#include "treelist/dxTLBands.h"

#include "treelist/dxTLControl.h"

TdxTreeListBand::TdxTreeListBand(TCollection* Collection) : TCollectionItem(Collection) {}

TdxTreeListBand::~TdxTreeListBand() {
  TCustomdxTreeListControl* control = Control();
  const bool quiet = !control || control->IsDestroying() || control->IsLoading() || Collection()->UpdateCount() > 0;
  if (!quiet) control->BandDeleted(Index());
}

TCustomdxTreeListControl* TdxTreeListBand::Control() const {
  auto* bands = dynamic_cast<TdxTreeListBands*>(Collection());
  return bands ? bands->Control() : nullptr;
}

void TdxTreeListBand::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxTreeListBand*>(Source);
  if (!source) return TCollectionItem::Assign(Source);
  TCollection* collection = Collection();
  if (collection) collection->BeginUpdate();
  try {
    RestoreDefaults();
    SetAlignment(source->FAlignment);
    SetCaption(source->FCaption);
    SetFixed(source->FFixed);
    SetMinWidth(source->FMinWidth);
    SetOnlyOwnColumns(source->FOnlyOwnColumns);
    SetSizing(source->FSizing);
    SetVisible(source->FVisible);
    SetWidth(source->FWidth);
  } catch (...) {
    if (collection) collection->EndUpdate();
    throw;
  }
  if (collection) collection->EndUpdate();
}

void TdxTreeListBand::RestoreDefaults() {
  SetAlignment(taCenter);
  SetFixed(bfNone);
  SetMinWidth(30);
  SetOnlyOwnColumns(false);
  SetSizing(true);
  SetWidth(250);
}

void TdxTreeListBand::SetIndex(int Value) {
  if (!Collection()) return;
  Value = std::clamp(Value, 0, Collection()->Count() - 1);
  const int old = Index();
  if (FFixed != bfNone || Value == old) return;
  if (TCustomdxTreeListControl* control = Control()) control->BandMoved(old, Value);
  TCollectionItem::SetIndex(Value);
}

int TdxTreeListBand::VisibleIndex() const {
  auto* bands = dynamic_cast<TdxTreeListBands*>(Collection());
  return bands ? bands->IndexToVisibleIndex(Index()) : -1;
}

int TdxTreeListBand::RowCount() const {
  TCustomdxTreeListControl* control = Control();
  return control ? control->GetBandRowCount(VisibleIndex()) : 0;
}

int TdxTreeListBand::ColumnCount(int Row) const {
  TCustomdxTreeListControl* control = Control();
  return control ? control->GetBandRowColumnCount(VisibleIndex(), Row) : 0;
}

TdxTreeListColumn* TdxTreeListBand::Columns(int Row, int Position) const {
  TCustomdxTreeListControl* control = Control();
  return control ? control->GetColumn(control->GetBandColumn(VisibleIndex(), Row, Position)) : nullptr;
}

void TdxTreeListBand::SetFixed(TdxGridBandFixed Value) {
  if (Value == FFixed) return;
  FFixed = bfNone;
  if (Value != bfNone)
    if (auto* bands = dynamic_cast<TdxTreeListBands*>(Collection())) {
      for (int i = 0; i < bands->Count(); ++i)
        if (bands->Items(i)->FFixed == Value) bands->Items(i)->FFixed = bfNone;
      SetIndex(Value == bfLeft ? 0 : bands->Count() - 1);
    }
  if (FVisible) FFixed = Value;
  Changed(false);
}

void TdxTreeListBand::SetMinWidth(int Value) {
  FMinWidth = std::max(Value, 0);
  SetWidth(FWidth);
}

void TdxTreeListBand::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  if (!Value) FFixed = bfNone;
  Changed(true);
}

void TdxTreeListBand::SetWidth(int Value) {
  Value = std::max(Value, FMinWidth);
  TCustomdxTreeListControl* control = Control();
  if (Value == FWidth && !(control && control->IsBandHeaderWidth())) return;
  FWidth = Value;
  Changed(true);
}

// --- the collection ----------------------------------------------------------------------------------

TdxTreeListBands::TdxTreeListBands(TCustomdxTreeListControl* Control)
    : TCollection(ItemClassOf<TdxTreeListBand>(), Control), FControl(Control) {}

int TdxTreeListBands::VisibleCount() const {
  int count = 0;
  for (int i = 0; i < Count(); ++i) count += Items(i)->Visible();
  return count;
}

TdxTreeListBand* TdxTreeListBands::VisibleItems(int VisibleIndex) const {
  const int index = VisibleIndexToIndex(VisibleIndex);
  return index < 0 ? nullptr : Items(index);
}

int TdxTreeListBands::VisibleIndexToIndex(int VisibleIndex) const {
  if (VisibleIndex < 0) return -1;
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Visible() && VisibleIndex-- == 0) return i;
  return -1;
}

int TdxTreeListBands::IndexToVisibleIndex(int Index) const {
  if (Index < 0 || Index >= Count() || !Items(Index)->Visible()) return -1;
  int position = 0;
  for (int i = 0; i < Index; ++i) position += Items(i)->Visible();
  return position;
}

void TdxTreeListBands::Update(TCollectionItem* Item) {
  (void)Item;
  if (!FControl) return;
  if (Count() != 1) FControl->FDefaultLayout = false;
  if (FControl->IsLoading()) return;
  FControl->ClearCalcLists();
  ValidateFixed();
  FControl->BandsChanged();
}

void TdxTreeListBands::ValidateFixed() {
  if (FValidating) return;
  int firstVisible = -1, lastVisible = -1, lefts = 0, rights = 0;
  bool valid = true;
  for (int i = 0; i < Count(); ++i) {
    if (!Items(i)->Visible()) continue;
    if (firstVisible < 0) firstVisible = i;
    lastVisible = i;
  }
  for (int i = 0; i < Count(); ++i) {
    const TdxGridBandFixed fixed = Items(i)->Fixed();
    lefts += fixed == bfLeft;
    rights += fixed == bfRight;
    if ((fixed == bfLeft && i != firstVisible) || (fixed == bfRight && i != lastVisible)) valid = false;
  }
  if (valid && lefts <= 1 && rights <= 1) return;
  TdxTreeListBand* left = nullptr;
  TdxTreeListBand* right = nullptr;
  for (int i = 0; i < Count(); ++i) {
    TdxTreeListBand* band = Items(i);
    if (band->FFixed == bfLeft && !left) left = band;
    if (band->FFixed == bfRight && !right) right = band;
    band->FFixed = bfNone;
  }
  FValidating = true;
  BeginUpdate();
  try {
    if (left) left->SetFixed(bfLeft);
    if (right) right->SetFixed(bfRight);
  } catch (...) {
    FValidating = false;
    EndUpdate();
    throw;
  }
  FValidating = false;
  EndUpdate();
}
