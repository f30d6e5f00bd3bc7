// Items of the settings stores (sections, entries, keys, values) kept in the order they were added
// and found by name through an index, without regard to case in every alphabet. Private to the
// settings library.
#pragma once

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

#include "rtl/Types.h"

// The form under which two names that match without regard to case are equal: ASCII letters in
// lower case, any other text in Unicode's folded case.
String FoldedSettingsName(const String& name);

template <class T, const String& (*NameOf)(const T&)>
class NamedList {
 public:
  const std::vector<T>& Items() const { return FItems; }
  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }
  bool empty() const { return FItems.empty(); }

  T* Find(const String& name) {
    const auto it = FIndex.find(FoldedSettingsName(name));
    return it == FIndex.end() ? nullptr : &FItems[it->second];
  }
  const T* Find(const String& name) const { return const_cast<NamedList*>(this)->Find(name); }

  // Adds an item whose name is not in the list yet.
  T& Append(T item) {
    FIndex.emplace(FoldedSettingsName(NameOf(item)), FItems.size());
    FItems.push_back(std::move(item));
    return FItems.back();
  }

  bool Remove(const String& name) {
    const auto it = FIndex.find(FoldedSettingsName(name));
    if (it == FIndex.end()) return false;
    const size_t position = it->second;
    FIndex.erase(it);
    FItems.erase(FItems.begin() + std::ptrdiff_t(position));
    for (auto& entry : FIndex)
      if (entry.second > position) --entry.second;
    return true;
  }

  // Empties the list, handing its items to the caller.
  std::vector<T> TakeAll() {
    FIndex.clear();
    return std::exchange(FItems, {});
  }

 private:
  std::vector<T> FItems;
  std::unordered_map<String, size_t> FIndex;
};
