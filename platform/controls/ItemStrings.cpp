// Item lists of list boxes and combo boxes.
#include "controls/ItemStrings.h"

#include <algorithm>

#include "rtl/Lists.h"
#include "rtl/Text.h"

size_t TItemStrings::Checked(int Index) const {
  if (Index < 0 || Index >= GetCount()) ListIndexError(Index);
  return static_cast<size_t>(Index);
}

void TItemStrings::Changed() {
  if (UpdateCount() == 0 && OnChanged) OnChanged();
}

int TItemStrings::AddObject(const String& S, TObject* Object) {
  int index = GetCount();
  if (FSorted) {
    const auto it = std::upper_bound(FItems.begin(), FItems.end(), S,
                                     [](const String& s, const TItem& item) { return AnsiCompareText(s, item.Text) < 0; });
    index = static_cast<int>(it - FItems.begin());
  }
  InsertObject(index, S, Object);
  return index;
}

void TItemStrings::InsertObject(int Index, const String& S, TObject* Object) {
  if (Index < 0 || Index > GetCount()) ListIndexError(Index);
  FItems.insert(FItems.begin() + Index, TItem{S, Object});
  if (OnInserted) OnInserted(Index);
  Changed();
}

void TItemStrings::Delete(int Index) {
  FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(Checked(Index)));
  if (OnDeleted) OnDeleted(Index);
  Changed();
}

void TItemStrings::Clear() {
  FItems.clear();
  if (OnDeleted) OnDeleted(-1);
  Changed();
}

void TItemStrings::Exchange(int Index1, int Index2) {
  std::swap(FItems[Checked(Index1)], FItems[Checked(Index2)]);
  Changed();
}

void TItemStrings::SetSorted(bool Value) {
  FSorted = Value;
  if (!Value) return;
  std::stable_sort(FItems.begin(), FItems.end(), [](const TItem& a, const TItem& b) { return AnsiCompareText(a.Text, b.Text) < 0; });
  if (OnDeleted) OnDeleted(-1);
  Changed();
}

String TItemStrings::Get(int Index) const { return FItems[Checked(Index)].Text; }
TObject* TItemStrings::GetObject(int Index) const { return FItems[Checked(Index)].Object; }

void TItemStrings::Put(int Index, const String& S) {
  FItems[Checked(Index)].Text = S;
  Changed();
}

void TItemStrings::PutObject(int Index, TObject* Object) { FItems[Checked(Index)].Object = Object; }

void TItemStrings::SetUpdateState(bool Updating) {
  if (!Updating) Changed();
}
