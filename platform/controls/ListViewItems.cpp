// Columns and items of the list view: each change tells the view, which repaints unless an
// update is open.
#include <algorithm>

#include "controls/ListView.h"
#include "rtl/Lists.h"

void TListColumn::Assign(const TPersistent* Source) {
  if (const auto* c = dynamic_cast<const TListColumn*>(Source)) {
    FCaption = c->FCaption;
    FWidth = c->FWidth;
    FAlignment = c->FAlignment;
    Changed(false);
    return;
  }
  TCollectionItem::Assign(Source);
}

void TListColumn::SetCaption(const String& Value) { FCaption = Value, Changed(false); }
void TListColumn::SetWidth(int Value) { FWidth = Value, Changed(false); }
void TListColumn::SetAlignment(TAlignment Value) { FAlignment = Value, Changed(false); }

TListItem::TListItem(TListItems& Owner) : FOwner(Owner), FSubItems(std::make_unique<TStringList>()) {
  FSubItems->OnChange = [this](TObject*) { FOwner.Owner().ItemChanged(this, ctText); };
}

void TListItem::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  FOwner.Owner().ItemChanged(this, ctText);
}

void TListItem::SetSelected(bool Value) {
  if (FSelected == Value) return;
  if (Value && !FOwner.Owner().MultiSelect()) {
    for (int i = 0; i < FOwner.Count(); ++i)
      if (TListItem* other = FOwner.Item(i); other != this) other->SetSelected(false);
  }
  FSelected = Value;
  FOwner.Owner().ItemSelected(this, Value);
}

void TListItem::SetFocused(bool Value) {
  if (FFocused == Value) return;
  if (Value)
    for (int i = 0; i < FOwner.Count(); ++i) FOwner.Item(i)->FFocused = false;
  FFocused = Value;
  FOwner.Owner().Changed();
}

int TListItem::Index() const { return FOwner.IndexOf(this); }
TCustomListView* TListItem::ListView() const { return &FOwner.Owner(); }
void TListItem::Delete() { FOwner.Delete(Index()); }

void TListItem::MakeVisible(bool) {
  TCustomListView& view = FOwner.Owner();
  const int index = Index();
  const int rows = view.VisibleRowCount();
  if (index < view.FTopIndex) view.Scroll(0, index - view.FTopIndex);
  else if (index >= view.FTopIndex + rows) view.Scroll(0, index - rows + 1 - view.FTopIndex);
}

TListItem* TListItems::Item(int Index) const {
  if (Index < 0 || Index >= Count()) ListIndexError(Index);
  return FItems[static_cast<size_t>(Index)].get();
}

TListItem* TListItems::Insert(int Index) {
  if (Index < 0 || Index > Count()) ListIndexError(Index);
  auto item = std::make_unique<TListItem>(*this);
  TListItem* result = item.get();
  FItems.insert(FItems.begin() + Index, std::move(item));
  FOwner.Changed();
  return result;
}

void TListItems::Delete(int Index) {
  TListItem* item = Item(Index);
  if (item->Selected()) item->SetSelected(false);
  FOwner.ItemRemoved(item);
  FItems.erase(FItems.begin() + Index);
  FOwner.Changed();
}

void TListItems::Clear() {
  while (Count() > 0) Delete(Count() - 1);
}

int TListItems::IndexOf(const TListItem* Item) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i].get() == Item) return static_cast<int>(i);
  return -1;
}

void TListItems::BeginUpdate() { ++FOwner.FUpdateCount; }

void TListItems::EndUpdate() {
  if (FOwner.FUpdateCount > 0 && --FOwner.FUpdateCount == 0) FOwner.Changed();
}
