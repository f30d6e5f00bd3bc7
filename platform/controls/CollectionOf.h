// A collection of one item class that tells its control of every change (columns of list
// views, panels of status bars).
#pragma once

#include <functional>

#include "classes/Collection.h"

template <class TItem>
class TCollectionOf : public TCollection {
 public:
  explicit TCollectionOf(TPersistent* Owner) : TCollection(ItemClassOf<TItem>(), Owner) {}
  TItem* Items(int Index) const { return static_cast<TItem*>(TCollection::Items(Index)); }
  TItem* Add() { return static_cast<TItem*>(TCollection::Add()); }
  std::function<void()> OnUpdate;

 protected:
  void Update(TCollectionItem*) override {
    if (OnUpdate) OnUpdate();
  }
};
