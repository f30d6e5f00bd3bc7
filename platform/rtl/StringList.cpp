// TStrings operations built on the primitives of each list, and TStringList's own storage,
// sorting and change notification (see StringList.h).
#include "rtl/StringList.h"

#include <algorithm>
#include <numeric>

#include "rtl/Lists.h"
#include "rtl/ScopeExit.h"
#include "rtl/Streams.h"
#include "rtl/Text.h"

namespace {

const String kLineBreak = "\r\n";
const String kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool NeedsQuotes(const String& s, char delimiter, char quote) {
  return std::any_of(s.begin(), s.end(), [&](char c) { return IsBlank(c) || c == quote || c == delimiter; });
}

// Runs body inside BeginUpdate/EndUpdate, closing the update also when body raises.
template <class Body>
void WithUpdate(TStrings& strings, Body body) {
  strings.BeginUpdate();
  Bracket(body, [&strings] { strings.EndUpdate(); });
}

}  // namespace

// --- TStrings -----------------------------------------------------------------------------------

int TStrings::Add(const String& s) {
  const int index = GetCount();
  Insert(index, s);
  return index;
}

int TStrings::AddObject(const String& s, TObject* object) {
  const int index = Add(s);
  PutObject(index, object);
  return index;
}

void TStrings::InsertObject(int index, const String& s, TObject* object) {
  Insert(index, s);
  PutObject(index, object);
}

void TStrings::Put(int index, const String& s) {
  TObject* object = GetObject(index);
  WithUpdate(*this, [&] {
    Delete(index);
    InsertObject(index, s, object);
  });
}

void TStrings::Exchange(int index1, int index2) {
  const String s1 = Get(index1), s2 = Get(index2);
  TObject* object1 = GetObject(index1);
  TObject* object2 = GetObject(index2);
  WithUpdate(*this, [&] {
    Put(index1, s2);
    PutObject(index1, object2);
    Put(index2, s1);
    PutObject(index2, object1);
  });
}

void TStrings::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  const String s = Get(curIndex);
  TObject* object = GetObject(curIndex);
  WithUpdate(*this, [&] {
    PutObject(curIndex, nullptr);  // the object travels with its line and must survive the Delete
    Delete(curIndex);
    InsertObject(newIndex, s, object);
  });
}

void TStrings::AddStrings(const TStrings* strings) {
  WithUpdate(*this, [&] {
    for (int i = 0; i < strings->GetCount(); ++i) AddObject(strings->Get(i), strings->GetObject(i));
  });
}

void TStrings::Assign(const TPersistent* source) {
  const auto* strings = dynamic_cast<const TStrings*>(source);
  if (!strings) {
    TPersistent::Assign(source);
    return;
  }
  if (strings == this) return;
  WithUpdate(*this, [&] {
    Clear();
    AddStrings(strings);
  });
}

int TStrings::IndexOf(const String& s) const {
  for (int i = 0; i < GetCount(); ++i)
    if (CompareStrings(Get(i), s) == 0) return i;
  return -1;
}

int TStrings::IndexOfName(const String& name) const {
  for (int i = 0; i < GetCount(); ++i) {
    const String line = Get(i);
    const size_t equals = line.find('=');
    if (equals != String::npos && CompareStrings(line.substr(0, equals), name) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < GetCount(); ++i)
    if (GetObject(i) == object) return i;
  return -1;
}

String TStrings::Names(int index) const {
  const String line = Get(index);
  const size_t equals = line.find('=');
  return equals == String::npos ? String() : line.substr(0, equals);
}

String TStrings::Values(const String& name) const {
  const int index = IndexOfName(name);
  if (index < 0) return String();
  const String line = Get(index);
  return line.substr(line.find('=') + 1);
}

void TStrings::SetValues(const String& name, const String& value) {
  int index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) Delete(index);
    return;
  }
  if (index < 0) index = Add(String());
  Put(index, name + "=" + value);
}

String TStrings::GetTextStr() const {
  String text;
  for (int i = 0; i < GetCount(); ++i) text += Get(i) + kLineBreak;
  return text;
}

void TStrings::SetTextStr(const String& text) {
  WithUpdate(*this, [&] {
    Clear();
    size_t i = 0;
    while (i < text.size()) {
      const size_t end = std::min(text.find_first_of("\r\n", i), text.size());
      Add(text.substr(i, end - i));
      i = end;
      if (i < text.size() && text[i] == '\r') ++i;
      if (i < text.size() && text[i] == '\n') ++i;
    }
  });
}

String TStrings::JoinDelimited(char delimiter, char quote) const {
  if (GetCount() == 1 && Get(0).empty()) return String(2, quote);
  String text;
  for (int i = 0; i < GetCount(); ++i) {
    if (i > 0) text += delimiter;
    const String s = Get(i);
    text += NeedsQuotes(s, delimiter, quote) ? QuotedStr(s, quote) : s;
  }
  return text;
}

void TStrings::SplitDelimited(const String& text, char delimiter, char quote) {
  WithUpdate(*this, [&] {
    Clear();
    size_t i = 0;
    const auto skipBlanks = [&] {
      while (i < text.size() && IsBlank(text[i])) ++i;
    };
    skipBlanks();
    while (i < text.size()) {
      if (text[i] == quote) {
        Add(AnsiExtractQuotedStr(text, i, quote));
      } else {
        const size_t start = i;
        while (i < text.size() && !IsBlank(text[i]) && text[i] != delimiter) ++i;
        Add(text.substr(start, i - start));
      }
      skipBlanks();
      if (i < text.size() && text[i] == delimiter) {
        if (++i == text.size()) Add(String());  // a delimiter at the very end closes an empty item
        skipBlanks();
      }
    }
  });
}

String TStrings::DelimitedText() const { return JoinDelimited(FDelimiter, FQuoteChar); }
void TStrings::SetDelimitedText(const String& text) { SplitDelimited(text, FDelimiter, FQuoteChar); }
String TStrings::CommaText() const { return JoinDelimited(',', '"'); }
void TStrings::SetCommaText(const String& text) { SplitDelimited(text, ',', '"'); }

void TStrings::BeginUpdate() {
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0) SetUpdateState(false);
}

int TStrings::CompareStrings(const String& a, const String& b) const { return AnsiCompareText(a, b); }

void TStrings::LoadFromStream(TStream& stream) {
  const int64_t size = std::max<int64_t>(stream.Size() - stream.Position(), 0);
  String text(size_t(size), '\0');
  stream.ReadBuffer(text.data(), int(size));
  if (text.starts_with(kByteOrderMark)) text.erase(0, kByteOrderMark.size());
  SetTextStr(text);
}

void TStrings::SaveToStream(TStream& stream) const {
  const String text = GetTextStr();
  stream.WriteBuffer(text.data(), int(text.size()));
}

void TStrings::LoadFromFile(const String& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream);
}

void TStrings::SaveToFile(const String& fileName) const {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(stream);
}

// --- TStringList --------------------------------------------------------------------------------

TStringList::~TStringList() {
  for (const Item& item : FItems) FreeObject(item.Object);
}

size_t TStringList::CheckedIndex(int index) const {
  if (index < 0 || index >= GetCount()) ListIndexError(index);
  return size_t(index);
}

void TStringList::CheckUnsorted() const {
  if (FSorted) throw EListError("Operation not allowed on sorted list");
}

void TStringList::FreeObject(TObject* object) const {
  if (FOwnsObjects) delete object;
}

String TStringList::Get(int index) const { return FItems[CheckedIndex(index)].Text; }

TObject* TStringList::GetObject(int index) const { return FItems[CheckedIndex(index)].Object; }

int TStringList::Add(const String& s) { return AddObject(s, nullptr); }

int TStringList::AddObject(const String& s, TObject* object) {
  int index = GetCount();
  if (FSorted && !AcceptSorted(s, object, index)) return index;
  InsertItem(index, s, object);
  return index;
}

bool TStringList::AcceptSorted(const String& s, TObject* object, int& index) {
  if (!Find(s, index)) return true;
  if (FDuplicates == dupAccept) {
    // After the equal lines, so that the first of them stays the one added first.
    while (index < GetCount() && CompareStrings(FItems[size_t(index)].Text, s) == 0) ++index;
    return true;
  }
  FreeObject(object);
  if (FDuplicates == dupIgnore) return false;
  throw EListError("String list does not allow duplicates");
}

void TStringList::Insert(int index, const String& s) { InsertObject(index, s, nullptr); }

void TStringList::InsertObject(int index, const String& s, TObject* object) {
  if (FSorted || index < 0 || index > GetCount()) {
    FreeObject(object);
    CheckUnsorted();
    ListIndexError(index);
  }
  InsertItem(index, s, object);
}

void TStringList::InsertItem(int index, const String& s, TObject* object) {
  Changing();
  FItems.insert(FItems.begin() + index, Item{s, object});
  Changed();
}

void TStringList::Put(int index, const String& s) {
  CheckUnsorted();
  const size_t at = CheckedIndex(index);
  Changing();
  FItems[at].Text = s;
  Changed();
}

void TStringList::PutObject(int index, TObject* object) {
  const size_t at = CheckedIndex(index);
  Changing();
  FItems[at].Object = object;
  Changed();
}

void TStringList::Delete(int index) {
  const size_t at = CheckedIndex(index);
  Changing();
  TObject* object = FItems[at].Object;
  FItems.erase(FItems.begin() + index);
  FreeObject(object);
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  Changing();
  std::vector<Item> old;
  old.swap(FItems);
  for (const Item& item : old) FreeObject(item.Object);
  Changed();
}

void TStringList::Exchange(int index1, int index2) {
  const size_t a = CheckedIndex(index1), b = CheckedIndex(index2);
  Changing();
  std::swap(FItems[a], FItems[b]);
  Changed();
}

void TStringList::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  CheckUnsorted();
  const size_t from = CheckedIndex(curIndex), to = CheckedIndex(newIndex);
  Changing();
  if (from < to) {
    std::rotate(FItems.begin() + from, FItems.begin() + from + 1, FItems.begin() + to + 1);
  } else {
    std::rotate(FItems.begin() + to, FItems.begin() + from, FItems.begin() + from + 1);
  }
  Changed();
}

void TStringList::AddStrings(const TStrings* strings) {
  if (FOwnsObjects)
    for (int i = 0; i < strings->Count(); ++i)
      if (strings->Objects(i)) throw EListError("A list that owns its objects cannot take another list's objects");
  TStrings::AddStrings(strings);
}

int TStringList::IndexOf(const String& s) const {
  if (!FSorted) return TStrings::IndexOf(s);
  int index = 0;
  return Find(s, index) ? index : -1;
}

bool TStringList::Find(const String& s, int& index) const {
  const auto first = std::lower_bound(FItems.begin(), FItems.end(), s,
                                      [this](const Item& item, const String& key) { return CompareStrings(item.Text, key) < 0; });
  index = int(first - FItems.begin());
  return first != FItems.end() && CompareStrings(first->Text, s) == 0;
}

int TStringList::CompareLines(TStringList* list, int index1, int index2) {
  return list->CompareStrings(list->FItems[size_t(index1)].Text, list->FItems[size_t(index2)].Text);
}

void TStringList::Sort() { CustomSort(CompareLines); }

void TStringList::CustomSort(const TStringListSortCompare& compare) {
  if (!FSorted && GetCount() > 1) SortBy(compare);
}

void TStringList::SortBy(const TStringListSortCompare& compare) {
  std::vector<int> order(FItems.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(this, a, b) < 0; });
  Changing();
  std::vector<Item> sorted;
  sorted.reserve(FItems.size());
  for (int i : order) sorted.push_back(FItems[size_t(i)]);
  FItems.swap(sorted);
  Changed();
}

void TStringList::SetSorted(bool sorted) {
  if (sorted && !FSorted) Sort();
  FSorted = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
  if (caseSensitive == FCaseSensitive) return;
  FCaseSensitive = caseSensitive;
  // A sorted list is put in the new order at once, or its binary searches would miss lines.
  if (FSorted) SortBy(CompareLines);
}

int TStringList::CompareStrings(const String& a, const String& b) const {
  return FCaseSensitive ? CompareStr(a, b) : AnsiCompareText(a, b);
}

void TStringList::SetUpdateState(bool updating) {
  if (updating) {
    Changing();
  } else {
    Changed();
  }
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}
