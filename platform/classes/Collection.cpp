// Item ownership, IDs, ordering and the update bracket of collections.
#include "classes/Collection.h"

#include <algorithm>
#include <string>

#include "rtl/ScopeExit.h"

TCollectionItem::TCollectionItem(TCollection* Collection) {
  if (Collection) Collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem() { SetCollection(nullptr); }

TPersistent* TCollectionItem::GetOwner() const { return FCollection; }

void TCollectionItem::SetCollection(TCollection* Value) {
  if (FCollection == Value) return;
  if (FCollection) FCollection->RemoveItem(this);
  if (!Value) return;
  Value->InsertItem(this);
  Value->Changed();
}

int TCollectionItem::Index() const {
  if (!FCollection) return -1;
  const auto& items = FCollection->FItems;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int Value) {
  if (!FCollection || Value == Index()) return;
  FCollection->MoveItem(this, Value);
  Changed(true);
}

void TCollectionItem::Changed(bool AllItems) {
  if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(AllItems ? nullptr : this);
}

TCollection::TCollection(TItemClass ItemClass, TPersistent* Owner) : FItemClass(ItemClass), FOwner(Owner) {}

// The items are freed inside an update bracket that is never closed: owners hear of no change.
TCollection::~TCollection() {
  FUpdateCount = 1;
  Clear();
}

void TCollection::Assign(const TPersistent* Source) {
  auto* source = dynamic_cast<const TCollection*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  BeginUpdate();
  Bracket(
      [&] {
        Clear();
        for (TCollectionItem* item : source->FItems) Add()->Assign(item);
      },
      [this] { EndUpdate(); });
}

TCollectionItem* TCollection::Items(int Index) const {
  if (Index < 0 || Index >= Count()) {
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  }
  return FItems[Index];
}

TCollectionItem* TCollection::Add() {
  TCollectionItem* item = FItemClass(this);
  Changed();
  return item;
}

TCollectionItem* TCollection::Insert(int Index) {
  TCollectionItem* item = Add();
  item->SetIndex(Index);
  return item;
}

void TCollection::Delete(int Index) { delete Items(Index); }

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  while (!FItems.empty()) delete FItems.back();
  EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int ID) const {
  for (TCollectionItem* item : FItems) {
    if (item->FID == ID) return item;
  }
  return nullptr;
}

void TCollection::BeginUpdate() { ++FUpdateCount; }

void TCollection::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Update(TCollectionItem* Item) { (void)Item; }

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item) {
  FItems.push_back(Item);
  Item->FCollection = this;
  Item->FID = FNextID++;
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  FItems.erase(std::find(FItems.begin(), FItems.end(), Item));
  Item->FCollection = nullptr;
  Changed();
}

void TCollection::MoveItem(TCollectionItem* Item, int NewIndex) {
  FItems.erase(std::find(FItems.begin(), FItems.end(), Item));
  NewIndex = std::clamp(NewIndex, 0, Count());
  FItems.insert(FItems.begin() + NewIndex, Item);
}
