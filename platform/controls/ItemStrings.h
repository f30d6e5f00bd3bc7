// The items of list boxes and combo boxes: lines with an object each (the object is not owned),
// optionally kept sorted, telling their control of every insertion, deletion and change so
// that selection and scrolling follow.
#pragma once

#include <functional>
#include <vector>

#include "rtl/StringList.h"

class TItemStrings : public TStrings {
 public:
  String ClassName() const override { return "TItemStrings"; }
  int Add(const String& S) override { return AddObject(S, nullptr); }
  int AddObject(const String& S, TObject* Object) override;
  void Insert(int Index, const String& S) override { InsertObject(Index, S, nullptr); }
  void InsertObject(int Index, const String& S, TObject* Object) override;
  void Delete(int Index) override;
  void Clear() override;
  void Exchange(int Index1, int Index2) override;
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);

  // Index of an inserted or deleted line; -1 for a change of the whole list.
  std::function<void(int Index)> OnInserted;
  std::function<void(int Index)> OnDeleted;
  std::function<void()> OnChanged;

 protected:
  String Get(int Index) const override;
  int GetCount() const override { return static_cast<int>(FItems.size()); }
  TObject* GetObject(int Index) const override;
  void Put(int Index, const String& S) override;
  void PutObject(int Index, TObject* Object) override;
  void SetUpdateState(bool Updating) override;

 private:
  struct TItem {
    String Text;
    TObject* Object = nullptr;
  };
  size_t Checked(int Index) const;
  void Changed();

  std::vector<TItem> FItems;
  bool FSorted = false;
};
