// The side bar's groups and items: values as shown (an item's own or its stored item's), the
// change rules of their setters, and the background fill settings.
#include "rtl/ScopeExit.h"
#include "sidebar/dxsbar.h"

#include <algorithm>

// --- background --------------------------------------------------------------------------

void TdxSideBarBackGround::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxSideBarBackGround*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  FBeginColor = source->FBeginColor;
  FEndColor = source->FEndColor;
  FFillStyle = source->FFillStyle;
  FStep = source->FStep;
  if (FOnChange) FOnChange();
}

void TdxSideBarBackGround::SetStep(int Value) {
  if (Value >= 1) Change(FStep, Value);
}

// --- items -------------------------------------------------------------------------------

TdxSideBarItem::TdxSideBarItem(TCollection* Collection) : TCollectionItem(Collection) {}

TdxSideBarItem::~TdxSideBarItem() {
  if (TdxSideBar* bar = SideBar()) bar->ItemDestroying(this);
}

TdxSideBarItems* TdxSideBarItem::Items() const { return dynamic_cast<TdxSideBarItems*>(Collection()); }

TdxSideGroup* TdxSideBarItem::Group() const {
  TdxSideBarItems* items = Items();
  return items ? items->Group() : nullptr;
}

TdxSideBar* TdxSideBarItem::SideBar() const {
  TdxSideGroup* group = Group();
  return group ? group->SideBar() : nullptr;
}

bool TdxSideBarItem::Loading() const {
  TdxSideBar* bar = SideBar();
  return bar && (bar->ComponentState() & csLoading);
}

void TdxSideBarItem::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxSideBarItem*>(Source);
  if (!source) {
    TCollectionItem::Assign(Source);
    return;
  }
  FStoredItem = source->FStoredItem;
  FHint = source->Hint();
  FIsDefault = source->FIsDefault;
  FCaption = source->Caption();
  FTag = source->FTag;
  FCustomData = source->FCustomData;
  FLargeImage = source->LargeImage();
  FSmallImage = source->SmallImage();
  FEnabled = source->Enabled();
  if (TdxSideBar* bar = SideBar()) bar->ItemChanged(this, false);
}

String TdxSideBarItem::Caption() const { return FStoredItem && FIsDefault ? FStoredItem->Caption() : FCaption; }
String TdxSideBarItem::Hint() const { return FStoredItem && FIsDefault ? FStoredItem->Hint() : FHint; }
bool TdxSideBarItem::Enabled() const { return FStoredItem && FIsDefault ? FStoredItem->Enabled() : FEnabled; }
int TdxSideBarItem::LargeImage() const { return FStoredItem && FIsDefault ? FStoredItem->LargeImage() : FLargeImage; }
int TdxSideBarItem::SmallImage() const { return FStoredItem && FIsDefault ? FStoredItem->SmallImage() : FSmallImage; }

// Turning IsDefault off keeps the other values as they were shown.
template <class V>
bool TdxSideBarItem::SetOwn(V& Field, const V& Current, const V& Value, const V& Stored) {
  if (Current == Value) return false;
  if (FStoredItem && FIsDefault && Stored != Value) {
    CopyStoredValues();
    FIsDefault = false;
  }
  Field = Value;
  return true;
}

void TdxSideBarItem::CopyStoredValues() {
  FCaption = FStoredItem->Caption();
  FHint = FStoredItem->Hint();
  FEnabled = FStoredItem->Enabled();
  FLargeImage = FStoredItem->LargeImage();
  FSmallImage = FStoredItem->SmallImage();
}

void TdxSideBarItem::SetCaption(const String& Value) {
  if (!SetOwn(FCaption, Caption(), Value, FStoredItem ? FStoredItem->Caption() : String())) return;
  if (TdxSideBar* bar = SideBar()) bar->ItemChanged(this, true);
}

void TdxSideBarItem::SetHint(const String& Value) {
  SetOwn(FHint, Hint(), Value, FStoredItem ? FStoredItem->Hint() : String());
}

void TdxSideBarItem::SetEnabled(bool Value) {
  if (!SetOwn(FEnabled, Enabled(), Value, FStoredItem ? FStoredItem->Enabled() : true)) return;
  if (TdxSideBar* bar = SideBar()) bar->ItemChanged(this, true);
}

void TdxSideBarItem::SetLargeImage(int Value) {
  if (!SetOwn(FLargeImage, LargeImage(), Value, FStoredItem ? FStoredItem->LargeImage() : -1)) return;
  if (TdxSideBar* bar = SideBar()) bar->ItemChanged(this, false);
}

void TdxSideBarItem::SetSmallImage(int Value) {
  if (!SetOwn(FSmallImage, SmallImage(), Value, FStoredItem ? FStoredItem->SmallImage() : -1)) return;
  if (TdxSideBar* bar = SideBar()) bar->ItemChanged(this, false);
}

void TdxSideBarItem::SetIsDefault(bool Value) {
  if (FIsDefault == Value) return;
  FIsDefault = Value;
  if (!Value || !FStoredItem) return;
  CopyStoredValues();
  if (TdxSideBar* bar = SideBar()) bar->ItemChanged(this, false);
}

void TdxSideBarItem::SetStoredItem(TdxStoredSideItem* Value) {
  if (FStoredItem == Value) return;
  FStoredItem = Value;
  if (Loading()) return;
  if (Value) {
    FCaption = Value->Caption();
    FSmallImage = Value->SmallImage();
    FLargeImage = Value->LargeImage();
    FTag = Value->Tag();
    FIsDefault = true;
  }
  if (TdxSideBar* bar = SideBar()) bar->Changed();
}

TdxSideBarItems::TdxSideBarItems(TdxSideGroup* Group)
    : TCollection(ItemClassOf<TdxSideBarItem>(), Group), FGroup(Group) {}

void TdxSideBarItems::Update(TCollectionItem*) {
  if (TdxSideBar* bar = FGroup->SideBar()) bar->GroupLayoutChanged(FGroup);
}

// --- groups ------------------------------------------------------------------------------

TdxSideGroup::TdxSideGroup(TCollection* Collection)
    : TCollectionItem(Collection), FItems(std::make_unique<TdxSideBarItems>(this)) {}

TdxSideGroup::~TdxSideGroup() {
  FBeingDestroyed = true;
  if (TdxSideBar* bar = SideBar()) bar->GroupDestroying(this);
  FItems.reset();
}

TdxSideBar* TdxSideGroup::SideBar() const {
  auto* groups = dynamic_cast<TdxSideGroups*>(Collection());
  return groups ? groups->SideBar() : nullptr;
}

void TdxSideGroup::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxSideGroup*>(Source);
  if (!source) {
    TCollectionItem::Assign(Source);
    return;
  }
  {
    const TValueScope<bool> assigning(FAssigning, true);
    FCaption = source->FCaption;
    FIconType = source->FIconType;
    FVisible = source->FVisible;
    FItems->Assign(source->FItems.get());
  }
  FTopIndex = 0;
  Changed(false);
}

void TdxSideGroup::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  if (TdxSideBar* bar = SideBar(); bar && !FAssigning) bar->GroupCaptionChanged(this);
}

void TdxSideGroup::SetIconType(TdxSideGroupIconType Value) {
  if (FIconType == Value) return;
  FIconType = Value;
  FTopIndex = 0;
  if (TdxSideBar* bar = SideBar()) bar->GroupLayoutChanged(this);
}

void TdxSideGroup::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  if (TdxSideBar* bar = SideBar(); bar && !bar->Loading()) {
    bar->ActivateGroup(bar->FActiveGroup);
    bar->Changed();
  }
}

void TdxSideGroup::SetItems(const TdxSideBarItems* Value) {
  FItems->Assign(Value);
  FTopIndex = 0;
  if (TdxSideBar* bar = SideBar()) bar->GroupLayoutChanged(this);
}

void TdxSideGroup::SetTopIndex(int Value) {
  if (Value == FTopIndex || Value < 0 || Value >= FItems->Count()) return;
  FTopIndex = Value;
  if (TdxSideBar* bar = SideBar()) bar->GroupLayoutChanged(this);
}

TdxSideGroups::TdxSideGroups(TdxSideBar* SideBar)
    : TCollection(ItemClassOf<TdxSideGroup>(), SideBar), FSideBar(SideBar) {}

void TdxSideGroups::Update(TCollectionItem*) { FSideBar->GroupsChanged(); }
