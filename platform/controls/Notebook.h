// TNotebook: pages without tabs, one shown at a time (PageIndex, ActivePage by caption), each a
// TPage holding controls; Pages lists their captions.
#pragma once

#include <memory>
#include <vector>

#include "controls/CustomControl.h"
#include "rtl/StringList.h"

class TNotebook;

class TPage : public TCustomControl {
 public:
  explicit TPage(TComponent* AOwner);
  ~TPage() override;
  String ClassName() const override { return "TPage"; }
  void SetParent(TWinControl* AParent) override;

 protected:
  void Paint() override;
};

class TNotebook;

// The captions of a notebook's pages: adding a line adds a page, deleting one frees it.
class TNotebookPages : public TStrings {
 public:
  explicit TNotebookPages(TNotebook& Notebook) : FNotebook(Notebook) {}
  String ClassName() const override { return "TNotebookPages"; }
  void Insert(int Index, const String& S) override;
  void Delete(int Index) override;
  void Clear() override;

 protected:
  String Get(int Index) const override;
  int GetCount() const override;
  void Put(int Index, const String& S) override;

 private:
  TNotebook& FNotebook;
};

class TNotebook : public TCustomControl {
 public:
  explicit TNotebook(TComponent* AOwner);
  ~TNotebook() override;
  String ClassName() const override { return "TNotebook"; }

  TStrings* Pages() const { return FPageNames.get(); }
  int PageCount() const { return static_cast<int>(FPages.size()); }
  TPage* Page(int Index) const { return FPages.at(static_cast<size_t>(Index)); }
  int PageIndex() const { return FPageIndex; }
  void SetPageIndex(int Value);
  String ActivePage() const;
  void SetActivePage(const String& Value);

  TNotifyEvent OnPageChanged;

 protected:
  friend class TPage;
  friend class TNotebookPages;
  void Loaded() override;
  void InsertPage(TPage* Page, int Index);
  void RemovePage(TPage* Page);
  void ShowActivePage();

 private:
  std::vector<TPage*> FPages;
  std::unique_ptr<TNotebookPages> FPageNames;
  int FPageIndex = 0;
};
