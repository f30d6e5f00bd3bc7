// TdxSideBar as a component: construction and its defaults, the property setters, the open
// group and its rules, reactions to changes of groups, items and stored items, Assign, Loaded,
// Notification and the item click.
#include <algorithm>
#include <utility>

#include "controls/Application.h"
#include "controls/Edit.h"
#include "controls/HintWindow.h"
#include "controls/Menus.h"
#include "rtl/ScopeExit.h"
#include "sidebar/dxsbarDrag.h"
#include "sidebar/dxsbar_p.h"

TdxSideBar::TdxSideBar(TComponent* AOwner) : TCustomPanel(AOwner) {
  FGroups = std::make_unique<TdxSideGroups>(this);
  FBkGround = std::make_unique<TdxSideBarBackGround>([this] { Changed(); });
  FBkPicture = std::make_unique<TPicture>();
  FBkPicture->OnChange = [this](TObject*) { Changed(); };
  FGroupFont = std::make_unique<TFont>();
  FGroupFont->OnChange = [this](TObject*) { Changed(); };
  FItemFont = std::make_unique<TFont>();
  FItemFont->SetColor(clWhite);
  FItemFont->OnChange = [this](TObject*) { Changed(); };
  FPrivateImages = std::make_unique<TImageList>();
  FLargeChangeLink.OnChange = [this](TObject*) { Changed(); };
  FSmallChangeLink.OnChange = [this](TObject*) { Changed(); };
  FHint.Window = new THintWindow(this);
  SetAlign(alLeft);
  SetBounds(0, 0, 150, 300);
  SetBevelInner(bvNone);
  SetBevelOuter(bvNone);
  SetColor(clGrayText);
  SetBorderStyle(bsNone);
  InstallSideBarCursors();
}

TdxSideBar::~TdxSideBar() {
  FDestroying = true;
  TdxSideBarDragObject::Forget(this);
  if (FEditor) std::exchange(FEditor, nullptr)->Free();
  if (FStore) FStore->RemoveSideBar(this);
  if (FLargeImages) FLargeImages->UnRegisterChanges(&FLargeChangeLink);
  if (FSmallImages) FSmallImages->UnRegisterChanges(&FSmallChangeLink);
  FGroups.reset();
}

// A failure to save reaches the application's handler: the side bar still goes.
void TdxSideBar::BeforeDestruction() {
  if (FStoreInRegistry && !FRegistryPath.empty() && !(ComponentState() & csDesigning)) {
    try {
      SaveToRegistry();
    } catch (...) {
      if (Application) Application->HandleException(this, std::current_exception());
    }
  }
  TCustomPanel::BeforeDestruction();
}

void TdxSideBar::Changed() {
  if (!Loading() && !FAssigning && !BeingDestroyed()) Invalidate();
}

void TdxSideBar::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxSideBar*>(Source);
  if (!source) {
    TCustomPanel::Assign(Source);
    return;
  }
  {
    const TValueScope<bool> assigning(FAssigning, true);
    SetStore(source->Store());
    SetGroups(source->Groups());
    SetSmallImages(source->SmallImages());
    SetLargeImages(source->LargeImages());
  }
  Changed();
}

void TdxSideBar::Loaded() {
  TCustomPanel::Loaded();
  if (FStoreInRegistry && !FRegistryPath.empty() && !(ComponentState() & csDesigning)) LoadFromRegistry();
  if (!FActiveGroup) {
    const int wanted = std::max(FActiveGroupIndex, 0);
    FActiveGroupIndex = -1;
    SetActiveGroupIndex(wanted);
  }
}

void TdxSideBar::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomPanel::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  // The component is being freed: only its address may be compared.
  if (AComponent == FGroupPopupMenu) FGroupPopupMenu = nullptr;
  if (AComponent == FItemPopupMenu) FItemPopupMenu = nullptr;
  if (AComponent == PopupMenu()) SetPopupMenu(nullptr);
  if (AComponent == FStore) FStore = nullptr;
  if (AComponent == FLargeImages) FLargeImages = nullptr;
  if (AComponent == FSmallImages) FSmallImages = nullptr;
}

// --- property setters --------------------------------------------------------------------

void TdxSideBar::SetGroups(const TdxSideGroups* Value) {
  FGroups->Assign(Value);
  SetActiveGroupIndex(0);
  Changed();
}

void TdxSideBar::SetStore(TdxSideBarStore* Value) {
  if (FStore == Value) return;
  if (!Loading()) {
    FGroups->Clear();
    ActivateGroup(nullptr);
    FMouse.HotHeader = -1;
    FMouse.HeaderDown = FMouse.HeaderPressed = false;
  }
  if (FStore) {
    FStore->RemoveSideBar(this);
    FStore->RemoveFreeNotification(this);
  }
  FStore = Value;
  if (FStore) {
    FStore->AddSideBar(this);
    FStore->FreeNotification(this);
  }
  Changed();
}

void TdxSideBar::SetLargeImages(TImageList* Value) {
  if (SetImageListReference(FLargeImages, Value, FLargeChangeLink, this)) Changed();
}

void TdxSideBar::SetSmallImages(TImageList* Value) {
  if (SetImageListReference(FSmallImages, Value, FSmallChangeLink, this)) Changed();
}

void TdxSideBar::SetGroupHeightOffSet(int Value) {
  if (Value < 0 || Value > 9 || Value == FGroupHeightOffSet) return;
  FGroupHeightOffSet = Value;
  Changed();
}

void TdxSideBar::SetPaintStyle(TdxsbPaintStyle Value) {
  if (FPaintStyle == Value) return;
  FPaintStyle = Value;
  if (BorderStyle() != bsNone) {
    SetBorderStyle(bsNone);
  } else if (HandleAllocated()) {
    Changed();
  }
}

void TdxSideBar::SetSpaceHeight(int Value) {
  if (Value < 5 || Value == FSpaceHeight) return;
  FSpaceHeight = Value;
  Changed();
}

void TdxSideBar::SetShowGroups(bool Value) {
  if (FShowGroups == Value) return;
  FShowGroups = Value;
  Changed();
}

void TdxSideBar::SetTransparentImages(bool Value) {
  if (FTransparentImages == Value) return;
  FTransparentImages = Value;
  Changed();
}

void TdxSideBar::SetCanSelected(bool Value) {
  if (FCanSelected == Value) return;
  if (!Value) SetSelectedItem(nullptr);
  FCanSelected = Value;
}

void TdxSideBar::SetScrollDelay(int Value) {
  if (Value > 0) FScrollDelay = Value;
}

void TdxSideBar::SetGroupPopupMenu(TPopupMenu* Value) {
  FGroupPopupMenu = Value;
  if (Value) Value->FreeNotification(this);
}

void TdxSideBar::SetItemPopupMenu(TPopupMenu* Value) {
  FItemPopupMenu = Value;
  if (Value) Value->FreeNotification(this);
}

// --- the open group ----------------------------------------------------------------------

void TdxSideBar::RebuildVisibleGroups() const {
  FVisibleGroups.clear();
  if (!FGroups) return;
  for (int i = 0; i < FGroups->Count(); ++i)
    if (TdxSideGroup* group = FGroups->Items(i); group->Visible() && !group->BeingDestroyed())
      FVisibleGroups.push_back(group);
}

void TdxSideBar::SetActiveGroupIndex(int Value) {
  if (Loading()) {
    FActiveGroupIndex = Value;
    return;
  }
  RebuildVisibleGroups();
  const int count = static_cast<int>(FVisibleGroups.size());
  if (Value != FActiveGroupIndex) {
    FPrevActiveIndex = FActiveGroupIndex;
    if ((Value < 0 || Value >= count) && count > 0) {
      FActiveGroupIndex = 0;
    } else {
      if (FActiveGroup)
        for (int i = 0; i < FActiveGroup->Items()->Count(); ++i) FActiveGroup->Items()->Items(i)->ClearLayoutFlags();
      FActiveGroupIndex = Value;
    }
  }
  ActivateGroup(FActiveGroupIndex >= 0 && FActiveGroupIndex < count ? FVisibleGroups[FActiveGroupIndex] : nullptr);
}

// Opens Group (nullptr or an invisible group: the first visible one). Nothing happens while the
// same group stays open over the same visible groups.
void TdxSideBar::ActivateGroup(TdxSideGroup* Group) {
  if (Group)
    for (int i = 0; i < Group->Items()->Count(); ++i)
      if (TdxStoredSideItem* stored = Group->Items()->Items(i)->StoredItem()) stored->UpdateAction();
  if (Group && !Group->Visible()) Group = nullptr;
  RebuildVisibleGroups();
  const int count = static_cast<int>(FVisibleGroups.size());
  auto position = [this](TdxSideGroup* g) {
    const auto it = std::find(FVisibleGroups.begin(), FVisibleGroups.end(), g);
    return it == FVisibleGroups.end() ? -1 : static_cast<int>(it - FVisibleGroups.begin());
  };
  if (Group == FActiveGroup && count == FLastVisibleCount) {
    FActiveGroupIndex = position(FActiveGroup);
    return;
  }
  FLastVisibleCount = count;
  if (BeingDestroyed()) return;
  HideItemHint();
  FMouse.HotItem = nullptr;
  FMouse.HotPressed = false;
  FMouse.ItemPressed = false;
  FDropMark.Item = nullptr;
  FActiveGroup = Group ? Group : (count > 0 ? FVisibleGroups.front() : nullptr);
  FActiveGroupIndex = position(FActiveGroup);
  if (FActiveGroup) FActiveGroup->FTopIndex = 0;
  if (OnChangeActiveGroup) OnChangeActiveGroup(this);
  Invalidate();
}

// --- reactions to the model --------------------------------------------------------------

// Groups came or went: with no group open (a first group, or the open one deleted) the first
// visible group opens.
void TdxSideBar::GroupsChanged() {
  if (Loading() || BeingDestroyed()) return;
  if (!FActiveGroup) {
    ActivateGroup(nullptr);
  } else {
    RebuildVisibleGroups();
    const auto it = std::find(FVisibleGroups.begin(), FVisibleGroups.end(), FActiveGroup);
    FActiveGroupIndex = it == FVisibleGroups.end() ? -1 : static_cast<int>(it - FVisibleGroups.begin());
  }
  Changed();
}

void TdxSideBar::GroupDestroying(TdxSideGroup* Group) {
  if (FEditGroup == Group) EndEdit(false);
  if (FActiveGroup == Group) FActiveGroup = nullptr;
}

void TdxSideBar::GroupCaptionChanged(TdxSideGroup* Group) {
  if (Loading() || BeingDestroyed()) return;
  if (FEditGroup == Group && !FEditItem) EndEdit(false);
  if (OnChangeGroupCaption) OnChangeGroupCaption(Group, Group);
  RebuildVisibleGroups();
  const auto it = std::find(FVisibleGroups.begin(), FVisibleGroups.end(), Group);
  if (it != FVisibleGroups.end()) InvalidateHeader(static_cast<int>(it - FVisibleGroups.begin()));
}

void TdxSideBar::GroupLayoutChanged(TdxSideGroup* Group) {
  if (Group == FActiveGroup) Changed();
}

void TdxSideBar::ItemDestroying(TdxSideBarItem* Item) {
  TdxSideBarDragObject::Forget(Item);
  if (FEditor) EndEdit(false);
  if (FMouse.HotItem == Item) {
    HideItemHint();
    FMouse.HotItem = nullptr;
    FMouse.HotPressed = false;
    FMouse.ItemPressed = false;
  }
  if (FDropMark.Item == Item) FDropMark.Item = nullptr;
  const bool events = !BeingDestroyed();
  if (events && OnDeleteItem) OnDeleteItem(this, Item);
  if (FMouse.SelectedItem == Item) {
    FMouse.SelectedItem = nullptr;
    if (events && OnChangeSelectedItem) OnChangeSelectedItem(this);
  }
}

// A caption or enabled change (ShownOnly) matters while the item shows; an image change while
// its group is open.
void TdxSideBar::ItemChanged(TdxSideBarItem* Item, bool ShownOnly) {
  if (Item == FEditItem) EndEdit(false);
  if (Item->Group() != FActiveGroup) return;
  if (ShownOnly && !Item->FullyShown() && !Item->Cut()) return;
  Changed();
}

void TdxSideBar::StoredItemDestroying(TdxStoredSideItem* Item) {
  for (int g = 0; g < FGroups->Count(); ++g) {
    TdxSideBarItems* items = FGroups->Items(g)->Items();
    for (int i = items->Count() - 1; i >= 0; --i) {
      TdxSideBarItem* item = items->Items(i);
      if (item->StoredItem() != Item) continue;
      if (BeingDestroyed()) {
        item->FStoredItem = nullptr;
      } else {
        delete item;
      }
    }
  }
}

// --- the click and caption editing -------------------------------------------------------

void TdxSideBar::DoItemClick(TdxSideBarItem* Item) {
  if (!Item || !Item->Enabled()) return;
  TdxStoredSideItem* stored = Item->StoredItem();
  const bool storedHandles = stored && stored->OnClick;
  if (storedHandles) {
    stored->OnClick(this, Item);
  } else if (stored) {
    stored->ExecuteAction();
  }
  if (!storedHandles && OnItemClick) OnItemClick(this, Item);
}

void TdxSideBar::BeginCaptionEdit(TdxSideGroup* Group, TdxSideBarItem* Item, TCustomEdit* Editor) {
  EndEdit(false);
  FEditGroup = Item ? Item->Group() : Group;
  FEditItem = Item;
  FEditor = Editor;
  if (OnBeforeEdit) OnBeforeEdit(this);
  Changed();
}

void TdxSideBar::EndEdit(bool Accept) {
  if (!FEditor) return;
  TCustomEdit* editor = std::exchange(FEditor, nullptr);
  TdxSideGroup* group = std::exchange(FEditGroup, nullptr);
  TdxSideBarItem* item = std::exchange(FEditItem, nullptr);
  const String text = editor->Text();
  if (Accept && !text.empty()) {
    if (item) {
      item->SetCaption(text);
    } else if (group) {
      group->SetCaption(text);
    }
  }
  if (!BeingDestroyed() && OnAfterEdit) OnAfterEdit(this);
  editor->Free();
  Changed();
}
