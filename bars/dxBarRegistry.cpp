// The item-kind registry, the live bar windows, the temporary items and the active bar window.
#include "bars/dxBarRegistry.h"

#include <algorithm>
#include <vector>

#include "bars/dxBarControls.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarItemLinks.h"

namespace {

std::vector<TdxBarItemKind>& Kinds() {
  static std::vector<TdxBarItemKind> kinds;
  return kinds;
}

std::vector<TCustomdxBarControl*>& Controls() {
  static std::vector<TCustomdxBarControl*> controls;
  return controls;
}

std::vector<TdxBarItem*>& InternalItems() {
  static std::vector<TdxBarItem*> items;
  return items;
}

TCustomdxBarControl*& ActiveControl() {
  static TCustomdxBarControl* control = nullptr;
  return control;
}

bool HasShownLink(const TdxBarItem& Item) {
  for (int i = 0; i < Item.LinkCount(); ++i)
    if (Item.Links(i)->Control()) return true;
  return false;
}

}  // namespace

void RegisterBarItemClass(const TClassInfo& ItemClass, TdxBarItemControlClass ControlClass, bool ShownInDesigner) {
  auto& kinds = Kinds();
  const bool listed = std::any_of(kinds.begin(), kinds.end(), [&](const TdxBarItemKind& k) { return k.ItemClass == &ItemClass; });
  if (!listed) kinds.push_back(TdxBarItemKind{&ItemClass, std::move(ControlClass), ShownInDesigner});
}

void UnregisterBarItemClass(const TClassInfo& ItemClass) {
  auto& kinds = Kinds();
  auto it = std::find_if(kinds.begin(), kinds.end(), [&](const TdxBarItemKind& k) { return k.ItemClass == &ItemClass; });
  if (it != kinds.end()) kinds.erase(it);
}

int CountVisibleBarItemClasses() {
  const auto& kinds = Kinds();
  return static_cast<int>(std::count_if(kinds.begin(), kinds.end(), [](const TdxBarItemKind& k) { return k.ShownInDesigner; }));
}

const TClassInfo* GetVisibleBarItemClass(int Index) {
  if (Index < 0) return nullptr;
  for (const TdxBarItemKind& kind : Kinds()) {
    if (!kind.ShownInDesigner) continue;
    if (Index-- == 0) return kind.ItemClass;
  }
  return nullptr;
}

const TdxBarItemKind* FindBarItemKind(const TdxBarItem& Item) {
  const std::type_index type = typeid(Item);
  for (const TdxBarItemKind& kind : Kinds())
    if (kind.ItemClass->Type() == type) return &kind;
  return nullptr;
}

void AddBarControl(TCustomdxBarControl* Control) { Controls().push_back(Control); }

void RemoveBarControl(TCustomdxBarControl* Control) {
  std::erase(Controls(), Control);
  if (ActiveControl() == Control) ActiveControl() = nullptr;
}

bool IsBarControlAlive(const TCustomdxBarControl* Control) {
  if (!Control) return false;
  const auto& controls = Controls();
  return std::find(controls.begin(), controls.end(), Control) != controls.end();
}

const std::vector<TCustomdxBarControl*>& LiveBarControls() { return Controls(); }

TCustomdxBarControl* ActiveBarControl() { return ActiveControl(); }

void SetActiveBarControl(TCustomdxBarControl* Control) { ActiveControl() = Control; }

void AddInternalItem(TdxBarItem* Item) {
  if (!IsInternalItem(Item)) InternalItems().push_back(Item);
}

void RemoveInternalItem(TdxBarItem* Item) { std::erase(InternalItems(), Item); }

bool IsInternalItem(const TdxBarItem* Item) {
  const auto& items = InternalItems();
  return std::find(items.begin(), items.end(), Item) != items.end();
}

void FreeIdleInternalItems() {
  auto& items = InternalItems();
  for (size_t i = items.size(); i-- > 0;) {
    if (i < items.size() && !HasShownLink(*items[i])) items[i]->Free();
  }
}
