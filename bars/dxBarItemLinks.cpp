// The link collection: its window, assignment and change notice, positions in the derived lists,
// selectable links and the search by accelerator.
#include "bars/dxBarItemLinks.h"

#include <algorithm>

#include "bars/dxBar.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarCustPopups.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarManager.h"
#include "rtl/ScopeExit.h"

namespace {

template <class T>
int IndexIn(const std::vector<T*>& List, const T* Item) {
  const auto it = std::find(List.begin(), List.end(), Item);
  return it == List.end() ? -1 : static_cast<int>(it - List.begin());
}

}  // namespace

TdxBarItemLinks::TdxBarItemLinks(TdxBarManager* Manager, TPersistent* Owner)
    : TCollection(TCollection::ItemClassOf<TdxBarItemLink>(), Owner), FBarManager(Manager) {}

// The links are freed here, while the collection is still whole: each one reads it as it goes.
TdxBarItemLinks::~TdxBarItemLinks() {
  // The window frees the links' controls and forgets the links as it goes.
  if (FBarControl && !FBarControl->IsDestroying()) FBarControl->Free();
  FBarControl = nullptr;
  FDestroying = true;
  BeginUpdate();
  Clear();
}

bool TdxBarItemLinks::IsDesigning() const { return FBarManager && FBarManager->IsDesigning(); }

bool TdxBarItemLinks::IsToolbarWindow() const {
  if (FBarControl) return dynamic_cast<TdxBarControl*>(FBarControl) != nullptr;
  return dynamic_cast<TdxBar*>(Owner()) != nullptr;
}

void TdxBarItemLinks::Assign(const TPersistent* Source) {
  if (!dynamic_cast<const TdxBarItemLinks*>(Source)) {
    TCollection::Assign(Source);
    return;
  }
  {
    const TValueScope<bool> assigning(FAssigning, true);
    TCollection::Assign(Source);
  }
  for (int i = 0; i < Count(); ++i) Items(i)->ApplyVisible(Items(i)->FLoadedVisible);
}

TdxBarItemLink* TdxBarItemLinks::Add() { return static_cast<TdxBarItemLink*>(TCollection::Add()); }

void TdxBarItemLinks::Update(TCollectionItem* Item) {
  if (FDestroying) return;
  // The entries of the customising menus are not part of the design.
  if (!dynamic_cast<TdxBarOwnLinksMenu*>(Owner())) BarManagerModified(FBarManager);
  TCollection::Update(Item);
  RebuildLists();
  if (OnChange) OnChange(this);
}

TCustomdxBarControl* TdxBarItemLinks::CreateBarControl(TdxBarItemLink* OpeningLink) {
  TCustomdxBarControl* window;
  if (auto* bar = dynamic_cast<TdxBar*>(Owner())) {
    window = new TdxBarControl(bar);
  } else {
    auto* menu = new TdxBarSubMenuControl(OpeningLink ? OpeningLink->BarManager() : FBarManager);
    menu->SetOwnerLink(OpeningLink);
    window = menu;
  }
  window->SetItemLinks(this);
  return window;
}

void TdxBarItemLinks::RefreshControls() {
  RebuildLists();
  if (FBarControl) FBarControl->RebuildBar();
}

int TdxBarItemLinks::IndexOfAvailable(const TdxBarItemLink* Link) const { return IndexIn(FAvailable, Link); }
int TdxBarItemLinks::IndexOfVisible(const TdxBarItemLink* Link) const { return IndexIn(FVisible, Link); }
int TdxBarItemLinks::IndexOfShown(const TdxBarItemLink* Link) const { return IndexIn(FShown, Link); }
int TdxBarItemLinks::IndexOfRecent(const TdxBarItemLink* Link) const { return IndexIn(FRecentOrder, Link); }

void TdxBarItemLinks::ClearItemRects() {
  for (int i = 0; i < Count(); ++i) {
    Items(i)->SetItemRect(TRect{});
    Items(i)->SetLineRect(TRect{});
  }
}

int TdxBarItemLinks::FittingItemCount() const {
  if (!FBarControl) return 0;
  const TRect client = FBarControl->ClientRect();
  int count = 0;
  for (const TdxBarItemLink* link : FShown) {
    const TRect& r = link->ItemRect();
    if (IsRectEmpty(r) || r.Left < client.Left || r.Top < client.Top || r.Right > client.Right || r.Bottom > client.Bottom)
      break;
    ++count;
  }
  return count;
}

// From Link one step at a time in Direction among the fitting shown links, round once; from the
// start (or the end) when Link is not among them.
TdxBarItemLink* TdxBarItemLinks::StepSelectable(const TdxBarItemLink* Link, int Direction) const {
  const int count = FittingItemCount();
  if (count == 0) return nullptr;
  int start = Link ? IndexOfShown(Link) : -1;
  if (start < 0 || start >= count) start = Direction > 0 ? -1 : count;
  for (int step = 1; step <= count; ++step) {
    const int index = ((start + Direction * step) % count + count) % count;
    TdxBarItemLink* link = FShown[static_cast<size_t>(index)];
    if (link->Control() && link->Control()->CanSelect()) return link;
  }
  return nullptr;
}

TdxBarItemLink* TdxBarItemLinks::FirstSelectable() const { return StepSelectable(nullptr, 1); }
TdxBarItemLink* TdxBarItemLinks::LastSelectable() const { return StepSelectable(nullptr, -1); }
TdxBarItemLink* TdxBarItemLinks::NextSelectable(const TdxBarItemLink* Link) const { return StepSelectable(Link, 1); }
TdxBarItemLink* TdxBarItemLinks::PrevSelectable(const TdxBarItemLink* Link) const { return StepSelectable(Link, -1); }

// A toolbar looks among its selectable links from the one after StartLink (from the first when
// none); a menu among its visible links from the one after StartLink (after the first when none).
TdxBarItemLink* TdxBarItemLinks::FindByAccel(WORD Key, TShiftState Shift, const TdxBarItemLink* StartLink) const {
  Shift &= ~ssAlt;
  const auto matches = [&](const TdxBarItemLink* link) {
    return link->Item() && link->Item()->IsAccelAvailable(link) && link->IsAccelMatch(Key, Shift);
  };
  if (IsToolbarWindow()) {
    TdxBarItemLink* link = StartLink ? NextSelectable(StartLink) : FirstSelectable();
    for (int step = 0; link && step < FittingItemCount(); ++step, link = NextSelectable(link))
      if (matches(link)) return link;
    return nullptr;
  }
  const int count = VisibleItemCount();
  const int start = std::max(StartLink ? IndexOfVisible(StartLink) : 0, 0);
  for (int step = 1; step <= count; ++step) {
    TdxBarItemLink* link = FVisible[static_cast<size_t>((start + step) % count)];
    if (matches(link)) return link;
  }
  return nullptr;
}

bool TdxBarItemLinks::HasItem(const TdxBarItem* Item) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->HasItem(Item)) return true;
  return false;
}

void TdxBarItemLinks::UpdateItemActions() {
  for (int i = 0; i < Count(); ++i) Items(i)->UpdateItemAction();
}
