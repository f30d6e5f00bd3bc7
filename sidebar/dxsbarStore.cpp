// The store of reusable items: its categories and their renumbering, its stored items with their
// action binding, and the cascade that deletes side-bar items whose stored item goes.
#include "sidebar/dxsbarStore.h"
#include "rtl/ScopeExit.h"

#include <algorithm>

#include "controls/ActnList.h"
#include "controls/Menus.h"
#include "rtl/Text.h"
#include "sidebar/dxsbar.h"
#include "sidebar/dxsbarDrag.h"

namespace {

const char* const CategoryHasItems = "Can't delete the group. It has items.";
const char* const DefaultCategory = "Default";
const char* const NewItemCaption = "New Item";

}  // namespace

// --- categories --------------------------------------------------------------------------

bool TStoredSideBarItemsStoreStrings::Loading() const { return (FStore->ComponentState() & csLoading) != 0; }

void TStoredSideBarItemsStoreStrings::Renumber(const std::function<int(int)>& Renumber) {
  for (TdxStoredSideItem* item : FStore->FStoredItems) item->FCategory = Renumber(item->FCategory);
  FStore->RefreshCustomizer(nullptr);
}

void TStoredSideBarItemsStoreStrings::RestoreDefault() {
  if (Count() == 0 && !Loading()) TStringList::Add(DefaultCategory);
}

void TStoredSideBarItemsStoreStrings::Clear() {
  if (!Loading() && FStore->StoredItemCount() > 0) throw EdxSideBarError(CategoryHasItems);
  TStringList::Clear();
  RestoreDefault();
}

void TStoredSideBarItemsStoreStrings::Delete(int Index) {
  if (!Loading())
    for (TdxStoredSideItem* item : FStore->FStoredItems)
      if (item->Category() == Index) throw EdxSideBarError(CategoryHasItems);
  TStringList::Delete(Index);
  Renumber([Index](int c) { return c > Index ? c - 1 : c; });
  RestoreDefault();
}

void TStoredSideBarItemsStoreStrings::InsertObject(int Index, const String& S, TObject* Object) {
  TStringList::InsertObject(Index, S, Object);
  Renumber([Index](int c) { return c >= Index ? c + 1 : c; });
}

void TStoredSideBarItemsStoreStrings::Exchange(int Index1, int Index2) {
  TStringList::Exchange(Index1, Index2);
  Renumber([Index1, Index2](int c) { return c == Index1 ? Index2 : c == Index2 ? Index1 : c; });
}

void TStoredSideBarItemsStoreStrings::Move(int CurIndex, int NewIndex) {
  TStringList::Move(CurIndex, NewIndex);
  Renumber([CurIndex, NewIndex](int c) {
    if (c == CurIndex) return NewIndex;
    if (CurIndex < NewIndex && c > CurIndex && c <= NewIndex) return c - 1;
    if (CurIndex > NewIndex && c >= NewIndex && c < CurIndex) return c + 1;
    return c;
  });
}

// --- store -------------------------------------------------------------------------------

TdxSideBarStore::TdxSideBarStore(TComponent* AOwner)
    : TComponent(AOwner), FCategories(std::make_unique<TStoredSideBarItemsStoreStrings>(this)) {
  FCategories->Add(DefaultCategory);
  FLargeChangeLink.OnChange = [this](TObject*) { RepaintSideBars(); };
  FSmallChangeLink.OnChange = [this](TObject*) { RepaintSideBars(); };
}

// The stored items go with their store, taking their side-bar items with them.
TdxSideBarStore::~TdxSideBarStore() {
  while (!FStoredItems.empty()) FStoredItems.back()->Free();
  for (TdxSideBar* bar : std::vector<TdxSideBar*>(FSideBars)) bar->FStore = nullptr;
  if (FLargeImages) FLargeImages->UnRegisterChanges(&FLargeChangeLink);
  if (FSmallImages) FSmallImages->UnRegisterChanges(&FSmallChangeLink);
}

void TdxSideBarStore::SetCategories(const TStrings* Value) {
  const int wanted = Value->Count();
  for (TdxStoredSideItem* item : FStoredItems)
    if (item->Category() >= wanted) throw EdxSideBarError(CategoryHasItems);
  // Ending the update tells the list's listeners, which may raise: a bracket, not a destructor.
  FCategories->BeginUpdate();
  Bracket(
      [&] {
        if (wanted == 0) {
          FCategories->Clear();
          return;
        }
        while (FCategories->Count() > wanted) FCategories->Delete(FCategories->Count() - 1);
        for (int i = 0; i < wanted; ++i) {
          if (i < FCategories->Count()) {
            FCategories->SetStrings(i, Value->Strings(i));
          } else {
            FCategories->Add(Value->Strings(i));
          }
        }
      },
      [this] { FCategories->EndUpdate(); });
  RefreshCustomizer(nullptr);
}

void TdxSideBarStore::SetDefaultLargeImage(int Value) {
  if (Value < -1 || Value == FDefaultLargeImage) return;
  FDefaultLargeImage = Value;
  RepaintSideBars();
}

void TdxSideBarStore::SetDefaultSmallImage(int Value) {
  if (Value < -1 || Value == FDefaultSmallImage) return;
  FDefaultSmallImage = Value;
  RepaintSideBars();
}

void TdxSideBarStore::SetLargeImages(TImageList* Value) {
  if (SetImageListReference(FLargeImages, Value, FLargeChangeLink, this)) RepaintSideBars();
}

void TdxSideBarStore::SetSmallImages(TImageList* Value) {
  if (SetImageListReference(FSmallImages, Value, FSmallChangeLink, this)) RepaintSideBars();
}

TdxStoredSideItem* TdxSideBarStore::FindStoredItem(const String& Name) const {
  for (TdxStoredSideItem* item : FStoredItems)
    if (!Name.empty() && SameText(item->Name(), Name)) return item;
  return nullptr;
}

void TdxSideBarStore::RefreshCustomizer(TdxStoredSideItem* Item) {
  if (FCustomizer) FCustomizer->Refresh(Item);
}

void TdxSideBarStore::RepaintSideBars() {
  for (TdxSideBar* bar : FSideBars) bar->Changed();
}

// Renaming the store at design time renames the stored items named after it.
void TdxSideBarStore::SetName(const String& NewName) {
  const String oldName = Name();
  TComponent::SetName(NewName);
  if (!(ComponentState() & csDesigning) || oldName.empty() || oldName == NewName) return;
  for (TdxStoredSideItem* item : FStoredItems)
    if (item->Name().compare(0, oldName.size(), oldName) == 0) item->SetName(NewName + item->Name().substr(oldName.size()));
  RefreshCustomizer(nullptr);
}

void TdxSideBarStore::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  for (TdxStoredSideItem* item : FStoredItems)
    if (item->Owner() == Root) Proc(item);
}

void TdxSideBarStore::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FLargeImages) FLargeImages = nullptr;
  if (AComponent == FSmallImages) FSmallImages = nullptr;
}

void TdxSideBarStore::AddStoredItem(TdxStoredSideItem* Item) {
  FStoredItems.push_back(Item);
  RefreshCustomizer(nullptr);
}

void TdxSideBarStore::RemoveStoredItem(TdxStoredSideItem* Item) {
  std::erase(FStoredItems, Item);
  RefreshCustomizer(nullptr);
}

void TdxSideBarStore::AddSideBar(TdxSideBar* SideBar) {
  if (std::find(FSideBars.begin(), FSideBars.end(), SideBar) == FSideBars.end()) FSideBars.push_back(SideBar);
}

void TdxSideBarStore::RemoveSideBar(TdxSideBar* SideBar) { std::erase(FSideBars, SideBar); }

// --- stored items ------------------------------------------------------------------------

TdxStoredSideItem::TdxStoredSideItem(TComponent* AOwner) : TComponent(AOwner) {}

// Every side-bar item linked to this one goes with it.
TdxStoredSideItem::~TdxStoredSideItem() {
  TdxSideBarDragObject::Forget(this);
  if (!FStore) return;
  TdxSideBarStore* store = FStore;
  store->RemoveStoredItem(this);
  FStore = nullptr;
  for (TdxSideBar* bar : std::vector<TdxSideBar*>(store->FSideBars)) bar->StoredItemDestroying(this);
}

void TdxStoredSideItem::SetStore(TdxSideBarStore* Value) {
  if (FStore == Value) return;
  if (FStore) FStore->RemoveStoredItem(this);
  FStore = Value;
  if (!FStore) return;
  if (!(ComponentState() & csLoading)) FCategory = 0;
  FStore->AddStoredItem(this);
}

TComponent* TdxStoredSideItem::GetParentComponent() const { return FStore; }

void TdxStoredSideItem::SetParentComponent(TComponent* Value) {
  if (auto* store = dynamic_cast<TdxSideBarStore*>(Value)) SetStore(store);
}

template <class V>
void TdxStoredSideItem::Change(V& Field, const V& Value) {
  if (Field == Value) return;
  Field = Value;
  if (!FStore) return;
  FStore->RepaintSideBars();
  FStore->RefreshCustomizer(this);
}

void TdxStoredSideItem::SetCaption(const String& Value) { Change(FCaption, Value); }
void TdxStoredSideItem::SetEnabled(bool Value) { Change(FEnabled, Value); }
void TdxStoredSideItem::SetHint(const String& Value) { Change(FHint, Value); }
void TdxStoredSideItem::SetLargeImage(int Value) { Change(FLargeImage, Value); }
void TdxStoredSideItem::SetSmallImage(int Value) { Change(FSmallImage, Value); }

void TdxStoredSideItem::SetCategory(int Value) {
  if (ComponentState() & csLoading) {
    FCategory = Value;
    return;
  }
  if (!FStore || Value < 0 || Value >= FStore->Categories()->Count() || Value == FCategory) return;
  FCategory = Value;
  FStore->RefreshCustomizer(this);
}

void TdxStoredSideItem::SetPopupMenu(TPopupMenu* Value) {
  FPopupMenu = Value;
  if (Value) Value->FreeNotification(this);
}

TBasicAction* TdxStoredSideItem::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TdxStoredSideItem::SetAction(TBasicAction* Value) {
  BindClientAction(FActionLink, this, Value, [this](TBasicAction* action, bool checkDefaults) {
    ActionChange(action, checkDefaults);
  });
  if (Value) Value->FreeNotification(this);
}

// The action's visibility also rules the item's enabled state: a hidden action cannot be run.
void TdxStoredSideItem::ActionChange(TBasicAction* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TAction*>(Sender);
  if (!action) return;
  const bool keep = CheckDefaults || (action->ComponentState() & csLoading);
  if (!keep || FCaption.empty() || FCaption == NewItemCaption) SetCaption(action->Caption());
  if (!keep || FEnabled) SetEnabled(action->Enabled() && action->Visible());
  if (!keep || FHint.empty()) SetHint(action->Hint());
  if (!keep || FLargeImage == -1) SetLargeImage(action->ImageIndex());
}

void TdxStoredSideItem::ExecuteAction() {
  if (FActionLink) FActionLink->Execute(this);
}

void TdxStoredSideItem::UpdateAction() {
  if (FActionLink) FActionLink->Update();
}

bool TdxStoredSideItem::StoresOwnValues() const { return Action() == nullptr; }

void TdxStoredSideItem::Loaded() {
  TComponent::Loaded();
  if (TBasicAction* action = Action()) ActionChange(action, true);
}

void TdxStoredSideItem::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FPopupMenu) FPopupMenu = nullptr;
  if (AComponent == FStore) FStore = nullptr;
}
