// Usage data of links: the most-recently-used order, usage counts, and which links a menu shows
// before it is expanded.
#include "bars/dxBarItemLinks.h"

#include <algorithm>

#include "bars/dxBar.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarPopupMenu.h"
#include "bars/dxBarRegistry.h"
#include "rtl/Arith.h"
#include "windows/MessageQueue.h"

namespace {

bool IsNonStandard(const TdxBarManager* Manager) { return Manager && Manager->Style() != bmsStandard; }

}  // namespace

// --- a link --------------------------------------------------------------------------------------

bool TdxBarItemLink::ShownInNonStandardToolbar() const {
  const TdxBarItemLinks* links = Links();
  return links->IndexOfShown(this) >= 0 && dynamic_cast<TdxBarControl*>(links->BarControl()) &&
         IsNonStandard(BarManager());
}

void TdxBarItemLink::RequestRelayout() const {
  TCustomdxBarControl* window = Links()->BarControl();
  if (window && window->HandleAllocated()) PostMessage(window->Handle(), WM_DXBAR_RECALCLAYOUT);
}

void TdxBarItemLink::MoveToRecentFront() { MoveInRecentOrder(0); }

// A link leaving a toolbar's shown links makes room for another: the toolbar lays out again.
void TdxBarItemLink::MoveToRecentEnd() {
  const bool relayout = ShownInNonStandardToolbar();
  MoveInRecentOrder(Links()->RecentItemCountInOrder() - 1);
  if (relayout) RequestRelayout();
}

void TdxBarItemLink::MoveInRecentOrder(int Position) {
  TdxBarItemLinks* links = Links();
  auto& order = links->FRecentOrder;
  const auto it = std::find(order.begin(), order.end(), this);
  if (it == order.end()) return;
  order.erase(it);
  Position = std::clamp(Position, 0, static_cast<int>(order.size()));
  order.insert(order.begin() + Position, this);
  links->RebuildLists();
}

void TdxBarItemLink::ResetUsage() {
  TdxBarManager* manager = BarManager();
  if (FMostRecentlyUsed) {
    FUseCount = manager ? manager->UsageThreshold() : 0;
    MoveToRecentFront();
  } else {
    FUseCount = 0;
    MoveToRecentEnd();
  }
}

// A newly shown link of a docked toolbar lays the toolbar out again; the use reaches the link
// each menu of the chain was opened from.
void TdxBarItemLink::MarkUsed(bool Count) {
  if (!FItem || !FItem->IsAvailable() || !FVisible) return;
  TdxBarItemLinks* links = Links();
  const bool wasShown = links->IndexOfShown(this) >= 0;
  MoveToRecentFront();
  if (Count) ++FUseCount;
  if (links->IndexOfVisible(this) < 0) return;
  TCustomdxBarControl* window = links->BarControl();
  if (dynamic_cast<TdxBarControl*>(window) && window->DockingStyle() != dsNone && IsNonStandard(BarManager()) &&
      !wasShown)
    RequestRelayout();
  if (auto* menu = dynamic_cast<TdxBarSubMenuControl*>(window))
    if (TdxBarItemLink* opener = menu->OwnerLink()) opener->SourceLink()->MarkUsed(Count);
}

void TdxBarItemLink::CopyUsage(const TdxBarItemLink* Source) {
  FUseCount = Source->FUseCount;
  MoveInRecentOrder(Source->RecentIndex());
}

// --- a collection --------------------------------------------------------------------------------

void TdxBarItemLinks::RebuildLists() {
  FAvailable.clear();
  FVisible.clear();
  FShown.clear();
  const bool designing = IsDesigning();
  for (int i = 0; i < Count(); ++i) {
    TCollectionItem* item = TCollection::Items(i);
    if (!IsReady(item)) continue;
    auto* link = static_cast<TdxBarItemLink*>(item);
    if (!link->FItem || !link->FItem->IsAvailable()) continue;
    FAvailable.push_back(link);
    if ((designing || link->FVisible) && !link->FExpanded) FVisible.push_back(link);
  }
  if (designing || FRecentItemCount == -1) {
    FShown = FVisible;
    return;
  }
  for (TdxBarItemLink* link : FRecentOrder) {
    if (static_cast<int>(FShown.size()) >= FRecentItemCount) break;
    if (IndexOfVisible(link) >= 0) FShown.push_back(link);
  }
  std::sort(FShown.begin(), FShown.end(),
            [this](const TdxBarItemLink* a, const TdxBarItemLink* b) { return IndexOfVisible(a) < IndexOfVisible(b); });
}

void TdxBarItemLinks::ShowRecentItems(int Count) {
  FSavedRecentItemCount = FRecentItemCount;
  FRecentItemCount = UseRecentItemsInEffect() ? Count : -1;
  RebuildLists();
}

void TdxBarItemLinks::RestoreShownItems() {
  FRecentItemCount = FSavedRecentItemCount;
  RebuildLists();
}

// The threshold lies MostRecentItemsPercents of the way from the least used visible link to the
// most used; the answer counts the leading links of the recent order up to the last one that
// reaches it.
int TdxBarItemLinks::CalcRecentItemCount() const {
  if (!UseRecentItemsInEffect()) return -1;
  const int visible = VisibleItemCount();
  if (visible == 0) return 0;
  int least = FVisible[0]->FUseCount, most = least;
  for (const TdxBarItemLink* link : FVisible) {
    least = std::min(least, link->FUseCount);
    most = std::max(most, link->FUseCount);
  }
  const int threshold = least + MulDiv(most - least, 100 - FBarManager->MostRecentItemsPercents(), 100);
  for (int position = std::min(visible, RecentItemCountInOrder()) - 1; position >= 0; --position) {
    if (FRecentOrder[static_cast<size_t>(position)]->FUseCount < threshold) continue;
    return position + 1 == visible ? -1 : position + 1;
  }
  return 0;
}

// The collections of the menus of a chain follow the bar or popup menu at its root.
bool TdxBarItemLinks::UseRecentItemsInEffect() const {
  if (!IsNonStandard(FBarManager)) return false;
  const TdxBarItemLinks* links = this;
  while (!dynamic_cast<TdxBar*>(links->Owner()) && !dynamic_cast<TdxBarPopupMenu*>(links->Owner())) {
    TCustomdxBarControl* opener = GetOpenerBarControl(links->BarControl());
    if (!opener || !opener->ItemLinks()) break;
    links = opener->ItemLinks();
  }
  return links->UseRecentItems();
}

void TdxBarItemLinks::ApplyStoredUsage(bool ApplyVisible) {
  for (int i = Count(); i-- > 0;)
    if (Items(i)->FItem) Items(i)->ResetUsage();
  if (ApplyVisible)
    for (int i = Count(); i-- > 0;) Items(i)->ApplyVisible(Items(i)->FLoadedVisible);
  for (int position = 0; position < Count(); ++position) {
    for (int i = 0; i < Count(); ++i) {
      TdxBarItemLink* link = Items(i);
      if (link->FStoredRecentIndex != position) continue;
      link->FUseCount = link->FStoredUseCount;
      link->MoveInRecentOrder(position);
      link->FStoredRecentIndex = -1;
    }
  }
}

void TdxBarItemLinks::CompactRecentOrder() {
  std::stable_partition(FRecentOrder.begin(), FRecentOrder.end(),
                        [this](const TdxBarItemLink* link) { return IndexOfVisible(link) >= 0; });
  RebuildLists();
}

void TdxBarItemLinks::CopyUsageFrom(const TdxBarItemLinks* Source) {
  for (int i = 0; i < Count() && i < Source->Count(); ++i)
    Items(i)->FMostRecentlyUsed = Source->Items(i)->FMostRecentlyUsed;
  ApplyStoredUsage(false);
  CompactRecentOrder();
}
