// TCollection and TCollectionItem: an ordered, owned list of persistent items with stable IDs and
// change notification, as grids, bars and button editors keep their columns, bars and buttons.
#pragma once

#include <vector>

#include "rtl/Persistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  // The item joins Collection (which then owns it) when one is given, without telling the
  // collection: its derived parts are not built yet. Items are made by TCollection::Add, which
  // tells the collection once the item is whole.
  explicit TCollectionItem(TCollection* Collection);
  // Removes the item from its collection.
  ~TCollectionItem() override;
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;

  String ClassName() const override { return "TCollectionItem"; }
  TPersistent* GetOwner() const override;

  TCollection* Collection() const { return FCollection; }
  // Moves the item into another collection (or out of any, when nullptr); both are told.
  void SetCollection(TCollection* Value);
  int ID() const { return FID; }
  int Index() const;
  // Moves the item to another position; out-of-range positions are clipped.
  virtual void SetIndex(int Value);

 protected:
  // Tells the collection that this item (or, with AllItems, every item) changed, unless the
  // collection is inside BeginUpdate/EndUpdate.
  void Changed(bool AllItems);

 private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int FID = 0;
};

class TCollection : public TPersistent {
 public:
  // Makes one item of the collection's item class inside the collection.
  using TItemClass = TCollectionItem* (*)(TCollection* Collection);
  template <class TItem>
  static TItemClass ItemClassOf() {
    return [](TCollection* c) -> TCollectionItem* { return new TItem(c); };
  }

  explicit TCollection(TItemClass ItemClass, TPersistent* Owner = nullptr);
  ~TCollection() override;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  String ClassName() const override { return "TCollection"; }
  TPersistent* GetOwner() const override { return FOwner; }
  // Replaces the items by copies of source's items (each item's Assign does the copying).
  void Assign(const TPersistent* Source) override;

  int Count() const { return static_cast<int>(FItems.size()); }
  TCollectionItem* Items(int Index) const;
  // Makes an item of the item class; Update hears of it after its constructor has finished.
  TCollectionItem* Add();
  TCollectionItem* Insert(int Index);
  void Delete(int Index);
  void Clear();
  TCollectionItem* FindItemID(int ID) const;

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

 protected:
  // Reacts to a change of Item, or of the whole collection when Item is nullptr. Owners override
  // it to relayout or repaint; the base does nothing.
  virtual void Update(TCollectionItem* Item);
  // Calls Update(nullptr) unless inside BeginUpdate/EndUpdate.
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);
  void MoveItem(TCollectionItem* Item, int NewIndex);

  TItemClass FItemClass;
  TPersistent* FOwner;
  std::vector<TCollectionItem*> FItems;
  int FNextID = 0;
  int FUpdateCount = 0;
};
