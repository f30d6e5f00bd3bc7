// String lists: TStrings, the abstract list of lines with an object per line (memo lines, combo
// items, list-box items derive from it), and TStringList, the list that keeps its own lines,
// optionally sorted, with change events and optionally owning its objects.
#pragma once

#include <functional>
#include <vector>

#include "rtl/Persistent.h"

class TStream;

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStrings : public TPersistent {
 public:
  int Count() const { return GetCount(); }
  String Strings(int index) const { return Get(index); }
  String operator[](int index) const { return Get(index); }
  void SetStrings(int index, const String& s) { Put(index, s); }
  TObject* Objects(int index) const { return GetObject(index); }
  void SetObjects(int index, TObject* object) { PutObject(index, object); }

  virtual int Add(const String& s);
  virtual int AddObject(const String& s, TObject* object);
  virtual void Insert(int index, const String& s) = 0;
  virtual void InsertObject(int index, const String& s, TObject* object);
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(int index1, int index2);
  // The line at curIndex, with its object, moves to newIndex.
  virtual void Move(int curIndex, int newIndex);
  virtual void AddStrings(const TStrings* strings);
  void Assign(const TPersistent* source) override;

  // Searches compare through CompareStrings: without regard to case unless a list says otherwise.
  virtual int IndexOf(const String& s) const;
  int IndexOfName(const String& name) const;
  int IndexOfObject(const TObject* object) const;

  // "Name=Value" lines. A line without "=" has an empty name. Setting an empty value deletes the
  // line; setting a value of a new name appends a line.
  String Names(int index) const;
  String Values(const String& name) const;
  void SetValues(const String& name, const String& value);

  // Every line followed by CR LF. Setting splits at CR, LF or CR LF; a last line without a line
  // break counts, an empty text gives no line.
  String Text() const { return GetTextStr(); }
  void SetText(const String& text) { SetTextStr(text); }
  // Lines separated by Delimiter; a line holding a blank or control character, the quote or the
  // delimiter is written between QuoteChar, quotes inside doubled. Reading also splits at blanks
  // outside quotes. CommaText is the same with "," and '"'.
  String DelimitedText() const;
  void SetDelimitedText(const String& text);
  String CommaText() const;
  void SetCommaText(const String& text);
  void SetDelimiter(char delimiter) { FDelimiter = delimiter; }
  void SetQuoteChar(char quote) { FQuoteChar = quote; }

  // While an update is open, changes notify nobody; the outermost EndUpdate notifies once.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  // Text as UTF-8 (a leading byte-order mark is skipped when reading), from the stream's position
  // to its end.
  virtual void LoadFromStream(TStream& stream);
  virtual void SaveToStream(TStream& stream) const;
  void LoadFromFile(const String& fileName);
  void SaveToFile(const String& fileName) const;

  String ClassName() const override { return "TStrings"; }

 protected:
  virtual String Get(int index) const = 0;
  virtual int GetCount() const = 0;
  virtual TObject* GetObject(int /*index*/) const { return nullptr; }
  virtual void Put(int index, const String& s);
  virtual void PutObject(int /*index*/, TObject* /*object*/) {}
  virtual String GetTextStr() const;
  virtual void SetTextStr(const String& text);
  virtual void SetUpdateState(bool /*updating*/) {}
  virtual int CompareStrings(const String& a, const String& b) const;

 private:
  String JoinDelimited(char delimiter, char quote) const;
  void SplitDelimited(const String& text, char delimiter, char quote);

  char FDelimiter = ',';
  char FQuoteChar = '"';
  int FUpdateCount = 0;
};

class TStringList;
// Answers <0, 0 or >0 for the lines at index1 and index2 of the list.
using TStringListSortCompare = std::function<int(TStringList* list, int index1, int index2)>;

// A list of lines kept in memory. Sorted lists keep their order on Add and find lines by binary
// search; Insert, Move and setting a line are not allowed on them. Duplicates decides what Add
// does with a line a sorted list already holds. A list made with ownsObjects frees the object of
// every line it deletes or clears, and frees an object it was given for a line it refused;
// setting a line's object to nullptr hands the object back without freeing it.
class TStringList : public TStrings {
 public:
  explicit TStringList(bool ownsObjects = false) : FOwnsObjects(ownsObjects) {}
  ~TStringList() override;

  int Add(const String& s) override;
  int AddObject(const String& s, TObject* object) override;
  void Insert(int index, const String& s) override;
  void InsertObject(int index, const String& s, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;
  void Exchange(int index1, int index2) override;
  void Move(int curIndex, int newIndex) override;
  void AddStrings(const TStrings* strings) override;
  int IndexOf(const String& s) const override;

  // Binary search of a sorted list: true when s is there; index is its first occurrence, or the
  // place where it would be inserted.
  bool Find(const String& s, int& index) const;
  // Both sort an unsorted list (equal lines keep their order); a sorted list stays as it is.
  virtual void Sort();
  virtual void CustomSort(const TStringListSortCompare& compare);

  bool Sorted() const { return FSorted; }
  void SetSorted(bool sorted);
  void SetDuplicates(TDuplicates duplicates) { FDuplicates = duplicates; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool caseSensitive);

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

  String ClassName() const override { return "TStringList"; }

 protected:
  String Get(int index) const override;
  int GetCount() const override { return int(FItems.size()); }
  TObject* GetObject(int index) const override;
  void Put(int index, const String& s) override;
  void PutObject(int index, TObject* object) override;
  void SetUpdateState(bool updating) override;
  int CompareStrings(const String& a, const String& b) const override;
  virtual void Changing();
  virtual void Changed();

 private:
  struct Item {
    String Text;
    TObject* Object = nullptr;
  };

  size_t CheckedIndex(int index) const;
  void CheckUnsorted() const;
  void InsertItem(int index, const String& s, TObject* object);
  // Refuses a line a sorted list already holds, by Duplicates; answers the index to insert at or
  // the index of the line kept.
  bool AcceptSorted(const String& s, TObject* object, int& index);
  void SortBy(const TStringListSortCompare& compare);
  static int CompareLines(TStringList* list, int index1, int index2);
  void FreeObject(TObject* object) const;

  std::vector<Item> FItems;
  bool FSorted = false;
  bool FCaseSensitive = false;
  bool FOwnsObjects;
  TDuplicates FDuplicates = dupIgnore;
};
