// Categories and item groups. TdxBarManagerCategories is the manager's list of category names
// whose insert, delete, exchange and move keep every item under the same name, with a record per
// category of its items' visibility and its own; TdxBarGroup binds items and other groups so that
// one Enabled or Visible setting reaches all of them.
#pragma once

#include <vector>

#include "bars/dxBarCommon.h"
#include "classes/Component.h"
#include "rtl/StringList.h"

// What a category keeps beside its name.
class TdxBarCategoryRecord : public TObject {
 public:
  TdxBarItemVisible ItemsVisible = ivAlways;
  // The value a layout gave, applied when the manager has loaded.
  TdxBarItemVisible LoadedItemsVisible = ivAlways;
  bool Visible = true;
};

class TdxBarManagerCategories : public TStringList {
 public:
  explicit TdxBarManagerCategories(TdxBarManager* Manager);
  String ClassName() const override { return "TdxBarManagerCategories"; }
  TdxBarManager* BarManager() const { return FBarManager; }

  // The items of the categories from Index on move one place up.
  void InsertObject(int Index, const String& S, TObject* Object) override;
  // Destroys the category's items; the later categories move one place down; "Default" comes
  // back when the list becomes empty.
  void Delete(int Index) override;
  // The items of both categories swap categories.
  void Exchange(int Index1, int Index2) override;
  // The items go with their category; the categories between close up.
  void Move(int CurIndex, int NewIndex) override;

  // The record of a category, made on first need; nullptr for an index out of range.
  TdxBarCategoryRecord* Record(int Index);
  const TdxBarCategoryRecord* FindRecord(int Index) const;

  // "ItemsVisibles" (one integer per category) and "Visibles" (one Boolean per category).
  void DefineProperties(TFiler& Filer) override;

 protected:
  void Changed() override;

 private:
  void ShiftCategories(int From, int To, int Delta);
  std::vector<TdxBarItem*> ItemsOf(int Index) const;

  TdxBarManager* FBarManager;
};

class TdxBarGroup : public TComponent {
 public:
  explicit TdxBarGroup(TComponent* AOwner);
  ~TdxBarGroup() override;
  String ClassName() const override { return "TdxBarGroup"; }

  TdxBarManager* BarManager() const { return FBarManager; }
  bool Enabled() const { return FEnabled; }
  // Reaches every member item and, through them, every member group.
  void SetEnabled(bool Value);
  TdxBarItemVisible Visible() const { return FVisible; }
  void SetVisible(TdxBarItemVisible Value);

  // Ignores nullptr, members, and what is neither an item nor a group; a group that is this one
  // or holds it raises "You cannot create recursive groups".
  void Add(TComponent* Component);
  void Remove(TComponent* Component);
  int IndexOf(const TComponent* Component) const;
  void Move(int CurIndex, int NewIndex);
  int Count() const { return static_cast<int>(FMembers.size()); }
  TComponent* Items(int Index) const { return FMembers.at(static_cast<size_t>(Index)); }
  // True when Group is this group or a member group at any depth.
  bool Contains(const TdxBarGroup* Group) const;
  // The place in the manager's groups.
  int Index() const;
  void SetIndex(int Value);

  bool HasParent() const override { return FBarManager != nullptr; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  void SetName(const String& NewName) override;
  // "Items": the members' names, written when there are members.
  void DefineProperties(TFiler& Filer) override;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  template <class ItemStep, class GroupStep>
  void Propagate(ItemStep OnItem, GroupStep OnGroup);

  TdxBarManager* FBarManager = nullptr;
  bool FEnabled = true;
  TdxBarItemVisible FVisible = ivAlways;
  std::vector<TComponent*> FMembers;
  std::vector<String> FLoadedNames;
};
