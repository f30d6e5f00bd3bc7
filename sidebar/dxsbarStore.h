// The keeper of reusable side-bar items: TdxSideBarStore with its categories and
// TdxStoredSideItem, one item kept once and linked from any number of side-bar items, optionally
// bound to an action. A change of a stored item repaints every side bar that uses the store.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "classes/Component.h"
#include "graphics/ImageList.h"
#include "rtl/StringList.h"

class TActionLink;
class TBasicAction;
class TPopupMenu;
class TdxSideBar;
class TdxSideBarItem;
class TdxSideBarStore;
class TdxStoredSideItem;

// The one error of the side bar: a category that still holds stored items cannot go.
QUORIN_EXCEPTION(EdxSideBarError, Exception);

using TdxSideBarItemClickEvent = std::function<void(TObject* Sender, TdxSideBarItem* Item)>;

// The window that lets the user customise a store (outside the side bar). The store tells it of
// a changed stored item, or of the whole list (nullptr).
class TdxSideBarStoreCustomizer {
 public:
  virtual ~TdxSideBarStoreCustomizer() = default;
  virtual void Refresh(TdxStoredSideItem* Item) = 0;
};

// The store's category names. A category that holds stored items cannot be deleted or cleared;
// inserting, exchanging and moving lines renumber the stored items so that they stay with their
// names. An emptied list gets "Default" back, except while its store loads.
class TStoredSideBarItemsStoreStrings : public TStringList {
 public:
  explicit TStoredSideBarItemsStoreStrings(TdxSideBarStore* Store) : FStore(Store) {}
  String ClassName() const override { return "TStoredSideBarItemsStoreStrings"; }

  void Clear() override;
  void Delete(int Index) override;
  void Exchange(int Index1, int Index2) override;
  void InsertObject(int Index, const String& S, TObject* Object) override;
  void Move(int CurIndex, int NewIndex) override;

 private:
  bool Loading() const;
  // Gives every stored item the category Renumber answers for its present one.
  void Renumber(const std::function<int(int)>& Renumber);
  void RestoreDefault();

  TdxSideBarStore* FStore;
};

class TdxSideBarStore : public TComponent {
 public:
  explicit TdxSideBarStore(TComponent* AOwner);
  ~TdxSideBarStore() override;
  String ClassName() const override { return "TdxSideBarStore"; }

  TStrings* Categories() const { return FCategories.get(); }
  // Keeps the indexes the stored items use: names are replaced and added, and categories at the
  // end may go only when they are empty (EdxSideBarError otherwise).
  void SetCategories(const TStrings* Value);
  // The image shown for an item without one of its own (-1: none); below -1 is ignored.
  int DefaultLargeImage() const { return FDefaultLargeImage; }
  void SetDefaultLargeImage(int Value);
  int DefaultSmallImage() const { return FDefaultSmallImage; }
  void SetDefaultSmallImage(int Value);
  TImageList* LargeImages() const { return FLargeImages; }
  void SetLargeImages(TImageList* Value);
  TImageList* SmallImages() const { return FSmallImages; }
  void SetSmallImages(TImageList* Value);

  int StoredItemCount() const { return static_cast<int>(FStoredItems.size()); }
  // The stored item of this name, compared without regard to case; nullptr when none.
  TdxStoredSideItem* FindStoredItem(const String& Name) const;

  void SetCustomizer(TdxSideBarStoreCustomizer* Value) { FCustomizer = Value; }
  // Tells the customization window, when one is open, of Item (nullptr: of the whole list).
  void RefreshCustomizer(TdxStoredSideItem* Item);
  // Repaints every side bar that uses the store.
  void RepaintSideBars();

  void SetName(const String& NewName) override;
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TdxStoredSideItem;
  friend class TdxSideBar;
  friend class TStoredSideBarItemsStoreStrings;
  void AddStoredItem(TdxStoredSideItem* Item);
  void RemoveStoredItem(TdxStoredSideItem* Item);
  void AddSideBar(TdxSideBar* SideBar);
  void RemoveSideBar(TdxSideBar* SideBar);

  std::unique_ptr<TStoredSideBarItemsStoreStrings> FCategories;
  int FDefaultLargeImage = -1;
  int FDefaultSmallImage = -1;
  TImageList* FLargeImages = nullptr;
  TImageList* FSmallImages = nullptr;
  TChangeLink FLargeChangeLink;
  TChangeLink FSmallChangeLink;
  std::vector<TdxStoredSideItem*> FStoredItems;
  std::vector<TdxSideBar*> FSideBars;
  TdxSideBarStoreCustomizer* FCustomizer = nullptr;
};

class TdxStoredSideItem : public TComponent {
 public:
  explicit TdxStoredSideItem(TComponent* AOwner);
  ~TdxStoredSideItem() override;
  String ClassName() const override { return "TdxStoredSideItem"; }

  TdxSideBarStore* Store() const { return FStore; }
  // Joining a store outside loading puts the item into category 0.
  void SetStore(TdxSideBarStore* Value);

  // Caption, Enabled, Hint and LargeImage follow the bound action.
  TBasicAction* Action() const;
  void SetAction(TBasicAction* Value);
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  // An index into the store's categories; others are refused (any value while loading).
  int Category() const { return FCategory; }
  void SetCategory(int Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value);
  int LargeImage() const { return FLargeImage; }
  void SetLargeImage(int Value);
  int SmallImage() const { return FSmallImage; }
  void SetSmallImage(int Value);
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* Value);

  // Runs the bound action (the click of an item without OnClick of its own), and lets the action
  // update itself (its group opens).
  void ExecuteAction();
  void UpdateAction();
  // Stored-when rule of Caption, Enabled, Hint and LargeImage: without an action the item keeps
  // its own values; with one they come from the action and are not stored.
  bool StoresOwnValues() const;

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;

  TdxSideBarItemClickEvent OnClick;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TStoredSideBarItemsStoreStrings;
  // The action changed: its caption, enabled state, hint and image come over. With
  // CheckDefaults (while loading) values already given stay.
  void ActionChange(TBasicAction* Sender, bool CheckDefaults);
  template <class V>
  void Change(V& Field, const V& Value);

  TdxSideBarStore* FStore = nullptr;
  std::unique_ptr<TActionLink> FActionLink;
  String FCaption = "New Item";
  int FCategory = 0;
  bool FEnabled = true;
  String FHint;
  int FLargeImage = -1;
  int FSmallImage = -1;
  TPopupMenu* FPopupMenu = nullptr;
};
