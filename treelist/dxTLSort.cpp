// Sorting sibling lists by a chain of keys per node (the sorted columns in priority order), by the
// OnCompare event, or by the locale for string keys (AnsiSort). Keys are fetched once per node and
// column before the pass; equal chains keep the order the nodes had.
#include <unordered_map>

#include "controls/Application.h"
#include "rtl/ScopeExit.h"
#include "rtl/Text.h"
#include "treelist/dxTL.h"

struct TCustomdxTreeList::TSortEntry {
  struct TKey {
    Variant Value;
    bool Descending;
  };
  TdxTreeListNode* Node;
  std::vector<TKey> Keys;
};

namespace {

// A merge sort: whatever a comparison answers (an OnCompare handler need not be consistent), it
// never reads outside the list, and equal items keep their order.
template <class T, class Compare>
void MergeSort(std::vector<T>& Items, Compare Cmp) {
  std::vector<T> buffer(Items.size());
  for (size_t width = 1; width < Items.size(); width *= 2) {
    for (size_t left = 0; left < Items.size(); left += 2 * width) {
      const size_t middle = std::min(left + width, Items.size()), right = std::min(left + 2 * width, Items.size());
      size_t i = left, j = middle, out = left;
      while (i < middle && j < right) buffer[out++] = std::move(Cmp(Items[j], Items[i]) < 0 ? Items[j++] : Items[i++]);
      while (i < middle) buffer[out++] = std::move(Items[i++]);
      while (j < right) buffer[out++] = std::move(Items[j++]);
    }
    Items.swap(buffer);
  }
}

}  // namespace

int TCustomdxTreeList::CompareIndexes(TdxTreeListNode* Node1, TdxTreeListNode* Node2) {
  if (FSortPositions) {
    const int a = FSortPositions->at(Node1), b = FSortPositions->at(Node2);
    return a < b ? -1 : a > b ? 1 : 0;
  }
  const int order = CompareNodeOrder(Node1, Node2);
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

int TCustomdxTreeList::CompareKeyChains(const TSortEntry& A, const TSortEntry& B) {
  const bool ansi = IsAnsiSort();
  for (size_t k = 0; k < A.Keys.size() && k < B.Keys.size(); ++k) {
    const auto& a = A.Keys[k];
    const auto& b = B.Keys[k];
    if (VarCompareOrder(a.Value, b.Value) == 0) continue;
    int result = ansi && VarIsStr(a.Value) ? AnsiCompareStr(VarToStr(a.Value), VarToStr(b.Value))
                                           : VarCompareOrder(a.Value, b.Value);
    result = result < 0 ? -1 : result > 0 ? 1 : 0;
    return a.Descending ? -result : result;
  }
  // The tie-break is never reversed for descending keys.
  return CompareIndexes(A.Node, B.Node);
}

void TCustomdxTreeList::SortNodeList(TdxTreeListNodes* List, int ColumnIndex, bool Descending) {
  if (!List || List->Count() < 2) return;
  const int sortedCount = GetSortedColumnCount();
  const bool multiKey = sortedCount >= 2 && CanMultiSortColumn(ColumnIndex);
  if (multiKey) {
    ColumnIndex = GetSortedColumnIndex(0);
    Descending = IsSortedColumnDescending(0);
  }
  std::vector<TSortEntry> entries;
  entries.reserve(size_t(List->Count()));
  std::unordered_map<const TdxTreeListNode*, int> positions;
  for (int i = 0; i < List->Count(); ++i) {
    TdxTreeListNode* node = List->Items(i);
    positions[node] = i;
    TSortEntry& entry = entries.emplace_back(TSortEntry{node, {}});
    if (OnCompare) continue;
    entry.Keys.push_back({GetNodeVariant(node, ColumnIndex), Descending});
    for (int p = 1; multiKey && p < sortedCount; ++p)
      entry.Keys.push_back({GetNodeVariant(node, GetSortedColumnIndex(p)), IsSortedColumnDescending(p)});
  }
  {
    const auto forget = ScopeExit([this] { FSortPositions = nullptr; });
    FSortPositions = &positions;
    if (OnCompare) {
      MergeSort(entries, [this](const TSortEntry& a, const TSortEntry& b) {
        int compare = 0;
        OnCompare(this, a.Node, b.Node, compare);
        return compare;
      });
    } else {
      MergeSort(entries, [this](const TSortEntry& a, const TSortEntry& b) { return CompareKeyChains(a, b); });
    }
  }
  for (int i = 0; i < List->Count(); ++i) List->SetItems(i, entries[size_t(i)].Node);
}

void TCustomdxTreeList::SortLevel(TdxTreeListNodes* List, int Depth, int ColumnIndex, bool Descending) {
  if (!List) return;
  if (Depth <= 0) SortNodeList(List, ColumnIndex, Descending);
  if (Depth == 0) return;
  for (TdxTreeListNode* node : *List) SortLevel(node->FChildren.get(), Depth < 0 ? -1 : Depth - 1, ColumnIndex, Descending);
}

void TCustomdxTreeList::SortNodes(int Level, int ColumnIndex, bool Descending) {
  std::unique_ptr<TScreenCursorScope> hourglass;
  if (IsShowHourGlass() && Screen) hourglass = std::make_unique<TScreenCursorScope>(crHourGlass);
  SortLevel(&FNodes, Level, ColumnIndex, Descending);
  // The display order follows the new order at once (inside an update the relayout does it).
  if (FLockUpdate == 0 && AreAbsoluteListsValid()) RebuildAbsoluteLists();
}
