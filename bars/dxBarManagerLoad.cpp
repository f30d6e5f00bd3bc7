// The manager in stored layouts: what it stores beside its properties, the components it
// stores, its rename, the end of loading, and the per-category visibility of items.
#include "bars/dxBar.h"
#include "bars/dxBarCategories.h"
#include "bars/dxBarDock.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarUpdateLock.h"
#include "classes/Filer.h"
#include "rtl/Text.h"

// --- streaming -----------------------------------------------------------------------------------

void TdxBarManager::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  for (TdxBarGroup* group : FGroups)
    if (group->Owner() == Root) Proc(group);
  for (TdxBarItem* item : FItems)
    if (item->Owner() == Root && item->Category() >= 0) Proc(item);
}

void TdxBarManager::DefineProperties(TFiler& Filer) {
  TComponent::DefineProperties(Filer);
  Filer.DefineProperty(
      "DockControlHeights", [this](TReader& Reader) { ReadDockControlHeights(Reader); },
      [this](TWriter& Writer) { WriteDockControlHeights(Writer); }, true);
}

namespace {

// The sides in the order the list stores them, and whether each keeps its width or its height.
constexpr std::pair<TdxBarDockingStyle, bool> kStoredSides[] = {
    {dsLeft, true}, {dsRight, true}, {dsTop, false}, {dsBottom, false}};

}  // namespace

void TdxBarManager::WriteDockControlHeights(TWriter& Writer) {
  Writer.WriteListBegin();
  for (const auto& [side, width] : kStoredSides) {
    const TdxDockControl* site = FBars->DockControls(side);
    Writer.WriteInteger(!site ? 0 : width ? site->Width() : site->Height());
  }
  Writer.WriteListEnd();
}

void TdxBarManager::ReadDockControlHeights(TReader& Reader) {
  Reader.ReadListBegin();
  for (const auto& [side, width] : kStoredSides) {
    if (Reader.EndOfList()) break;
    const int size = Reader.ReadInteger();
    TdxDockControl* site = FBars->DockControls(side);
    if (!site) continue;
    if (width) {
      site->SetWidth(size);
    } else {
      site->SetHeight(size);
    }
  }
  Reader.ReadListEnd();
}

void TdxBarManager::ReadState(TReader& Reader) {
  ++FReset.ReadStateCount;
  TComponent::ReadState(Reader);
}

// At design time the items named after the manager follow its new name (bm to bmMain makes
// bmOpen bmMainOpen).
void TdxBarManager::SetName(const String& NewName) {
  const String oldName = Name();
  TComponent::SetName(NewName);
  if (!FDesigning || oldName.empty() || oldName == NewName) return;
  for (TdxBarItem* item : std::vector<TdxBarItem*>(FItems)) {
    const String& name = item->Name();
    if (item->Owner() != Owner() || name.size() <= oldName.size()) continue;
    if (SameText(name.substr(0, oldName.size()), oldName)) item->SetName(NewName + name.substr(oldName.size()));
  }
}

// --- end of loading ------------------------------------------------------------------------------

void TdxBarManager::Loaded() {
  TComponent::Loaded();
  if (FUpdateLocked) return;
  FBars->SetLoading(true);
  for (TdxBarItem* item : std::vector<TdxBarItem*>(FItems)) {
    if (auto* subItem = dynamic_cast<TCustomdxBarSubItem*>(item)) subItem->ItemLinks()->ApplyStoredUsage(true);
    item->ApplyLoadedVisible();
  }
  ApplyLoadedBars();
  if (!FDesigning && !ReadingDesignLayout()) {
    if (FLayoutStore.StoreInRegistry) LoadFromRegistry(FLayoutStore.RegistryPath);
    if (FLayoutStore.StoreInIniFile) LoadFromIniFile(FLayoutStore.IniFileName);
  }
  FBars->SetLoading(false);
  ApplyLoadedCategories();
  RealignDockControls();
}

void TdxBarManager::ApplyLoadedBars() {
  for (int i = 0; i < FBars->Count(); ++i) {
    TdxBar* bar = FBars->Items(i);
    bar->ItemLinks()->ApplyStoredUsage(true);
    bar->ApplyLoadedState();
  }
}

void TdxBarManager::ApplyLoadedCategories() {
  for (int i = 0; i < FCategories->Count(); ++i)
    if (const TdxBarCategoryRecord* record = FCategories->FindRecord(i))
      SetCategoryItemsVisible(i, record->LoadedItemsVisible);
}

void TdxBarManager::RealignDockControls() {
  for (TdxDockControl* control : FDockControls) control->Realign();
}

// --- categories ----------------------------------------------------------------------------------

TdxBarItemVisible TdxBarManager::CategoryItemsVisible(int Index) const {
  if (Index < 0 || Index >= FCategories->Count()) return ivNever;
  const TdxBarCategoryRecord* record = FCategories->FindRecord(Index);
  return record ? record->ItemsVisible : ivAlways;
}

bool TdxBarManager::CategoryVisible(int Index) const {
  if (Index < 0 || Index >= FCategories->Count()) return false;
  const TdxBarCategoryRecord* record = FCategories->FindRecord(Index);
  return !record || record->Visible;
}

void TdxBarManager::SetCategoryVisible(int Index, bool Value) {
  if (Index < 0 || Index >= FCategories->Count() || CategoryVisible(Index) == Value) return;
  FCategories->Record(Index)->Visible = Value;
  DesignerModified();
}

// The items that follow the category (their own Visible is its old value) take the new one;
// with AutoHideEmptyBars the bars this empties are hidden, and shown again when it is undone.
void TdxBarManager::SetCategoryItemsVisible(int Index, TdxBarItemVisible Value) {
  if (Index < 0 || Index >= FCategories->Count()) return;
  TdxBarCategoryRecord* record = FCategories->Record(Index);
  if (IsLoading()) {
    record->LoadedItemsVisible = Value;
    return;
  }
  const TdxBarItemVisible oldValue = record->ItemsVisible;
  record->ItemsVisible = Value;
  std::vector<TdxBar*> emptyBefore;
  for (int i = 0; !FDesigning && FAutoHideEmptyBars && i < FBars->Count(); ++i)
    if (FBars->Items(i)->ItemLinks()->VisibleItemCount() == 0) emptyBefore.push_back(FBars->Items(i));
  WithUpdateLock(FDesigning ? nullptr : this, [&] {
    ApplyCategoryVisible(Index, oldValue, Value);
    if (!FDesigning && FAutoHideEmptyBars) HideEmptyBars(emptyBefore, Value);
  });
  if (oldValue != Value) DesignerModified();
}

void TdxBarManager::ApplyCategoryVisible(int Index, TdxBarItemVisible OldValue, TdxBarItemVisible Value) {
  const std::vector<TdxBarItem*> items(FItems);
  const auto apply = [&](TdxBarItem* item) {
    if (item->Category() == Index && item->Visible() == OldValue) item->SetVisible(Value);
  };
  if (Value == ivAlways) {
    for (auto it = items.rbegin(); it != items.rend(); ++it) apply(*it);
  } else {
    for (TdxBarItem* item : items) apply(item);
  }
}

void TdxBarManager::HideEmptyBars(const std::vector<TdxBar*>& EmptyBefore, TdxBarItemVisible Value) {
  for (int i = 0; i < FBars->Count(); ++i) {
    TdxBar* bar = FBars->Items(i);
    const bool empty = bar->ItemLinks()->VisibleItemCount() == 0;
    const bool wasEmpty = std::find(EmptyBefore.begin(), EmptyBefore.end(), bar) != EmptyBefore.end();
    if (Value == ivNever && empty && !wasEmpty && bar->Visible()) {
      bar->SetVisible(false);
      bar->SetHiddenWhenEmpty(true);
    } else if (Value == ivAlways && !empty && bar->HiddenWhenEmpty()) {
      bar->SetVisible(true);
      bar->SetHiddenWhenEmpty(false);
    }
  }
}
