// TList, the ordered list of items (node pointers, integers) with the class library's index
// checks, and TObjectList, a list of objects that frees the items it owns.
#pragma once

#include <algorithm>
#include <vector>

#include "rtl/Exceptions.h"

// EListError with the class library's texts ("List index out of bounds (5)").
[[noreturn]] void ListIndexError(int index);
[[noreturn]] void ListCountError(int count);
[[noreturn]] void ListCapacityError(int capacity);

enum TListNotification { lnAdded, lnExtracted, lnDeleted };

template <class T>
class TList {
 public:
  TList() = default;
  TList(const TList&) = delete;
  TList& operator=(const TList&) = delete;
  virtual ~TList() = default;

  int Count() const { return int(FItems.size()); }
  // Growing fills with empty items (nullptr, 0); shrinking deletes the items past the new end.
  void SetCount(int count) {
    if (count < 0) ListCountError(count);
    while (Count() > count) Delete(Count() - 1);
    FItems.resize(size_t(count), T{});
  }

  // Room for this many items before the list grows again; never below Count.
  int Capacity() const { return int(FItems.capacity()); }
  void SetCapacity(int capacity) {
    if (capacity < Count()) ListCapacityError(capacity);
    FItems.reserve(size_t(capacity));
  }

  T Items(int index) const { return FItems[CheckedIndex(index)]; }
  T operator[](int index) const { return Items(index); }
  void SetItems(int index, T item) {
    T& slot = FItems[CheckedIndex(index)];
    if (slot == item) return;
    T old = slot;
    slot = item;
    if (old != T{}) Notify(old, lnDeleted);
    if (item != T{}) Notify(item, lnAdded);
  }
  T First() const { return Items(0); }
  T Last() const { return Items(Count() - 1); }

  int Add(T item) {
    FItems.push_back(item);
    if (item != T{}) Notify(item, lnAdded);
    return Count() - 1;
  }
  void Insert(int index, T item) {
    if (index < 0 || index > Count()) ListIndexError(index);
    FItems.insert(FItems.begin() + index, item);
    if (item != T{}) Notify(item, lnAdded);
  }
  void Delete(int index) {
    T item = FItems[CheckedIndex(index)];
    FItems.erase(FItems.begin() + index);
    if (item != T{}) Notify(item, lnDeleted);
  }
  // Index the item had, or -1 when it was not in the list.
  int Remove(T item) {
    const int index = IndexOf(item);
    if (index >= 0) Delete(index);
    return index;
  }
  // Takes the first occurrence out without deleting it; answers the empty item when absent.
  T Extract(T item) {
    const int index = IndexOf(item);
    if (index < 0) return T{};
    FItems.erase(FItems.begin() + index);
    Notify(item, lnExtracted);
    return item;
  }
  void Clear() {
    while (!FItems.empty()) Delete(Count() - 1);
  }

  int IndexOf(T item) const {
    const auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
  }
  void Exchange(int index1, int index2) {
    std::swap(FItems[CheckedIndex(index1)], FItems[CheckedIndex(index2)]);
  }
  // The item at curIndex moves to newIndex; the items between shift by one.
  void Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    CheckedIndex(newIndex);
    T item = FItems[CheckedIndex(curIndex)];
    FItems.erase(FItems.begin() + curIndex);
    FItems.insert(FItems.begin() + newIndex, item);
  }
  // Removes every empty item.
  void Pack() { std::erase(FItems, T{}); }
  // compare(a, b) answers <0, 0 or >0; equal items keep their order.
  template <class Compare>
  void Sort(Compare compare) {
    std::stable_sort(FItems.begin(), FItems.end(), [&](const T& a, const T& b) { return compare(a, b) < 0; });
  }

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

 protected:
  // Called after an item entered the list, was extracted from it or was deleted from it.
  virtual void Notify(T /*item*/, TListNotification /*action*/) {}

 private:
  size_t CheckedIndex(int index) const {
    if (index < 0 || index >= Count()) ListIndexError(index);
    return size_t(index);
  }

  std::vector<T> FItems;
};

// A list of objects that, when it owns them (the constructor's choice), frees every item deleted from it (Delete,
// Remove, Clear, replacement, destruction); Extract hands an item back without freeing it.
template <class T>
class TObjectList : public TList<T*> {
 public:
  explicit TObjectList(bool ownsObjects = true) : FOwnsObjects(ownsObjects) {}
  ~TObjectList() override { this->Clear(); }

 protected:
  void Notify(T* item, TListNotification action) override {
    if (FOwnsObjects && action == lnDeleted) delete item;
  }

 private:
  const bool FOwnsObjects;
};
