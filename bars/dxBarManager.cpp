// The bar manager: creation and destruction, its lists of items, groups, popup menus and dock
// sites, look-ups, the event dispatchers, and the process-wide list of managers.
#include "bars/dxBarManager.h"

#include <algorithm>
#include <utility>

#include "bars/dxBar.h"
#include "bars/dxBarCategories.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarCustForm.h"
#include "bars/dxBarDock.h"
#include "bars/dxBarHooks.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarPopupMenu.h"
#include "bars/dxBarPopupMenuLinks.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarUtils.h"
#include "controls/Application.h"
#include "controls/Forms.h"
#include "rtl/Text.h"

TdxBarManagerList& dxBarManagerList() {
  static TdxBarManagerList list;
  return list;
}

TdxBarManager* TdxBarManagerList::Items(int Index) const {
  if (Index < 0 || Index >= Count()) return nullptr;
  return FManagers[static_cast<size_t>(Index)];
}

TdxBarManager* TdxBarManagerList::FindCustomizingManager() const {
  for (TdxBarManager* manager : FManagers)
    if (manager->IsCustomizing()) return manager;
  return nullptr;
}

void TdxBarManagerList::Remove(TdxBarManager* Manager) { std::erase(FManagers, Manager); }

TdxBarManager* ManagerOfForm(const TCustomForm* Form) {
  if (!Form) return nullptr;
  const TdxBarManagerList& list = dxBarManagerList();
  for (int i = 0; i < list.Count(); ++i)
    if (list.Items(i)->OwnerForm() == Form) return list.Items(i);
  return nullptr;
}

void BarManagerModified(TdxBarManager* Manager) {
  if (Manager) Manager->DesignerModified();
}

// The checks run before anything is made, so a refused manager leaves no trace.
TdxBarManager::TdxBarManager(TComponent* AOwner) : TComponent(AOwner) {
  CheckOwnerForm(AOwner);
  InstallBarHooks(this);
  LoadBarCursors();
  FDesigning = ((ComponentState() | (AOwner ? AOwner->ComponentState() : 0)) & csDesigning) != 0;
  CreateOwnedObjects();
  FModified = false;
}

void TdxBarManager::CheckOwnerForm(TComponent* AOwner) {
  TComponent* owner = AOwner;
  if (!owner && Application) owner = Application->MainForm();
  auto* form = dynamic_cast<TCustomForm*>(owner);
  if (!form) throw Exception(dxBarLoadStr(sdxBarManagerOwner));
  if (ManagerOfForm(form)) throw Exception(dxBarLoadStr(sdxBarSingleManager));
  FOwnerForm = form;
}

void TdxBarManager::CreateOwnedObjects() {
  FCategories = std::make_unique<TdxBarManagerCategories>(this);
  FCategories->Add(dxBarLoadStr(sdxBarDefaultCategory));
  FBars = std::make_unique<TdxBars>(this);
  FPopupMenuLinks = std::make_unique<TdxBarPopupMenuLinks>(this);
  FFontState.Font = std::make_unique<TFont>();
  FFontState.Font->OnChange = [this](TObject*) { FontChanged(); };
  FCustomizingState.HelpButtonGlyph = std::make_unique<TBitmap>();
  FImageLists.ImagesLink.OnChange = [this](TObject*) { ImagesChanged(FImageLists.Images); };
  FImageLists.HotImagesLink.OnChange = [this](TObject*) { ImagesChanged(FImageLists.HotImages); };
  FImageLists.LargeImagesLink.OnChange = [this](TObject*) { ImagesChanged(FImageLists.LargeImages); };
  CalcUsageThreshold();
  FBrushes.Shadow = CreateSolidBrush(TColor(0x808080));
  CalcSizeMetrics();
  SetStyle(bmsEnhanced);
  SetUseSystemFont(true);
  RebuildBrushes();
}

TdxBarManager::~TdxBarManager() {
  Destroying();
  if (std::exchange(FCustomizingState.Customizing, false)) ShowCustomizingForm(this, false);
  FreeOwnedObjects();
  RemoveBarHooks(this);
}

// Popup menus, groups and items belong to the form but go with their manager.
void TdxBarManager::FreeOwnedObjects() {
  while (!FPopupMenus.empty()) FPopupMenus.back()->Free();
  SetImages(nullptr);
  SetHotImages(nullptr);
  SetLargeImages(nullptr);
  while (!FGroups.empty()) FGroups.front()->Free();
  FBars.reset();
  while (!FDockControls.empty()) FDockControls.back()->SetBarManager(nullptr);
  while (!FItems.empty()) FItems.back()->Free();
  FCategories.reset();
  FPopupMenuLinks.reset();
}

// --- lists ---------------------------------------------------------------------------------------

void TdxBarManager::SetCategories(const TStrings* Value) { FCategories->Assign(Value); }

void TdxBarManager::RegisterItem(TdxBarItem* Item) { FItems.push_back(Item); }
void TdxBarManager::UnregisterItem(TdxBarItem* Item) { std::erase(FItems, Item); }
void TdxBarManager::RegisterGroup(TdxBarGroup* Group) { FGroups.push_back(Group); }
void TdxBarManager::UnregisterGroup(TdxBarGroup* Group) { std::erase(FGroups, Group); }
void TdxBarManager::RegisterPopupMenu(TdxBarPopupMenu* Menu) { FPopupMenus.push_back(Menu); }
void TdxBarManager::UnregisterPopupMenu(TdxBarPopupMenu* Menu) { std::erase(FPopupMenus, Menu); }

int TdxBarManager::IndexOfGroup(const TdxBarGroup* Group) const {
  const auto it = std::find(FGroups.begin(), FGroups.end(), Group);
  return it == FGroups.end() ? -1 : static_cast<int>(it - FGroups.begin());
}

void TdxBarManager::MoveGroup(const TdxBarGroup* Group, int NewIndex) {
  const int current = IndexOfGroup(Group);
  if (current < 0) return;
  TdxBarGroup* group = FGroups[static_cast<size_t>(current)];
  FGroups.erase(FGroups.begin() + current);
  NewIndex = std::clamp(NewIndex, 0, static_cast<int>(FGroups.size()));
  FGroups.insert(FGroups.begin() + NewIndex, group);
  DesignerModified();
}

void TdxBarManager::RegisterDockControl(TdxDockControl* Control) {
  FDockControls.push_back(Control);
  Control->FreeNotification(this);
}

void TdxBarManager::UnregisterDockControl(TdxDockControl* Control) {
  if (FBars) {
    for (int i = 0; i < FBars->Count(); ++i) {
      TdxBar* bar = FBars->Items(i);
      if (bar->Control() && bar->Control()->DockControl() == Control) bar->SetVisible(false);
      bar->ForgetDockControl(Control);
    }
    FBars->ForgetDockControl(Control);
  }
  std::erase(FDockControls, Control);
  Control->SetParentColor(true);
}

std::vector<TCustomdxBarControl*> TdxBarManager::BarControls() const {
  std::vector<TCustomdxBarControl*> controls;
  for (TCustomdxBarControl* control : LiveBarControls())
    if (control->BarManager() == this) controls.push_back(control);
  return controls;
}

// --- look-ups ------------------------------------------------------------------------------------

TdxBar* TdxBarManager::FindBarByCaption(const String& Text) const {
  for (int i = 0; FBars && i < FBars->Count(); ++i)
    if (FBars->Items(i)->Caption() == Text) return FBars->Items(i);
  return nullptr;
}

TdxBar* TdxBarManager::FindBarByName(const String& Text) const {
  for (int i = 0; FBars && i < FBars->Count(); ++i)
    if (FBars->Items(i)->Name() == Text) return FBars->Items(i);
  return nullptr;
}

TdxBarItem* TdxBarManager::FindItemByName(const String& Text) const {
  for (TdxBarItem* item : FItems)
    if (SameText(item->Name(), Text)) return item;
  return nullptr;
}

void TdxBarManager::GetItemsOfCategory(int Index, std::vector<TdxBarItem*>& List) const {
  List.clear();
  if (Index < 0 || Index >= FCategories->Count()) return;
  for (TdxBarItem* item : FItems)
    if (item->Category() == Index) List.push_back(item);
}

void TdxBarManager::GetVisibleItemsOfCategory(int Index, std::vector<TdxBarItem*>& List) const {
  GetItemsOfCategory(Index, List);
  if (!FDesigning) std::erase_if(List, [](const TdxBarItem* item) { return !item->VisibleOnScreen(); });
}

int TdxBarManager::VisibleCategoryIndex(int N) const {
  if (FDesigning) return N;
  for (int i = 0; i < FCategories->Count(); ++i)
    if (CategoryVisible(i) && N-- == 0) return i;
  return -1;
}

void TdxBarManager::MoveItem(int CurIndex, int NewIndex) {
  const int count = ItemCount();
  if (CurIndex < 0 || CurIndex >= count || NewIndex < 0 || NewIndex >= count || CurIndex == NewIndex) return;
  TdxBarItem* item = FItems[static_cast<size_t>(CurIndex)];
  FItems.erase(FItems.begin() + CurIndex);
  FItems.insert(FItems.begin() + NewIndex, item);
  DesignerModified();
}

void TdxBarManager::ExchangeItems(int Index1, int Index2) {
  const int count = ItemCount();
  if (Index1 < 0 || Index1 >= count || Index2 < 0 || Index2 >= count) return;
  std::swap(FItems[static_cast<size_t>(Index1)], FItems[static_cast<size_t>(Index2)]);
  DesignerModified();
}

TdxBarGroup* TdxBarManager::AddGroup() {
  auto* group = new TdxBarGroup(FOwnerForm);
  group->SetParentComponent(this);
  return group;
}

// --- state ---------------------------------------------------------------------------------------

TdxBarControl* TdxBarManager::MainMenuControl() const { return FMainMenuBar ? FMainMenuBar->Control() : nullptr; }

void TdxBarManager::CloseActiveMenus() {
  if (TCustomdxBarControl* active = ActiveBarControl()) active->CloseMenus();
}

void TdxBarManager::SetDraggedItem(TdxBarItem* Item, TdxBarItemLink* Link) {
  FLinkDrag.Item = Item;
  FLinkDrag.Link = Link;
}

HWND TdxBarManager::DialogOwnerWindow() const {
  if (IsCustomizing() && FCustomizingState.Form) return FCustomizingState.Form->Handle();
  TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
  if (mainForm && mainForm->Visible()) return mainForm->Handle();
  return FOwnerForm ? FOwnerForm->Handle() : HWND();
}

void TdxBarManager::DesignerModified() {
  if (!IsLoading() && !IsDestroying()) FModified = true;
}

void TdxBarManager::ItemChanged(TdxBarItem* Item) {
  if (!FDesigning || !Item || Item->Category() < 0) return;
  DesignerModified();
  if (IsCustomizing()) RefreshCommands();
}

bool TdxBarManager::CanDocking(TdxBar* Bar, TdxBarDockingStyle Style, TdxDockControl* DockControl) {
  bool result;
  if (Bar->NotDocking() & DockingStyleBit(Style)) {
    result = false;
  } else if (DockControl && !FBars->IsMainDockControl(DockControl)) {
    result = DockControl->CanDocking(Bar);
  } else {
    result = !(FDocking.NotDocking & DockingStyleBit(Style));
  }
  if (OnDocking) OnDocking(Bar, Style, DockControl, result);
  return result;
}

// --- events --------------------------------------------------------------------------------------

void TdxBarManager::DoClickItem(TdxBarItem* Item) {
  if (OnClickItem) OnClickItem(this, Item);
}

void TdxBarManager::DoBarAdd(TdxBar* Bar) {
  if (OnBarAdd) OnBarAdd(this, Bar);
}

void TdxBarManager::DoBarAfterReset(TdxBar* Bar) {
  if (OnBarAfterReset) OnBarAfterReset(this, Bar);
}

void TdxBarManager::DoBarBeforeReset(TdxBar* Bar) {
  if (OnBarBeforeReset) OnBarBeforeReset(this, Bar);
}

void TdxBarManager::DoBarClose(TdxBar* Bar) {
  if (OnBarClose) OnBarClose(this, Bar);
}

void TdxBarManager::DoBarDelete(TdxBar* Bar) {
  if (OnBarDelete) OnBarDelete(this, Bar);
}

void TdxBarManager::DoBarDockingStyleChange(TdxBar* Bar) {
  if (FBars->Loading()) return;
  if (OnBarDockingStyleChange) OnBarDockingStyleChange(this, Bar);
  DesignerModified();
}

void TdxBarManager::DoBarVisibleChange(TdxBar* Bar) {
  if (OnBarVisibleChange) OnBarVisibleChange(this, Bar);
}

void TdxBarManager::DoItemLinkAdd(TdxBarItemLink* Link) {
  if (OnItemLinkAdd) OnItemLinkAdd(this, Link);
}

void TdxBarManager::DoItemLinkChange(TdxBarItemLink* Link) {
  if (OnItemLinkChange) OnItemLinkChange(this, Link);
}

void TdxBarManager::DoItemLinkDelete(TdxBarItemLink* Link) {
  if (OnItemLinkDelete) OnItemLinkDelete(this, Link);
}

void TdxBarManager::DoCloseButtonClick() {
  if (OnCloseButtonClick) OnCloseButtonClick(this);
}

void TdxBarManager::DoHelpButtonClick() {
  if (OnHelpButtonClick) OnHelpButtonClick(this);
}

void TdxBarManager::DoMenuMerge(TdxBarManager* ChildBarManager, bool AddItems) {
  if (OnMenuMerge) OnMenuMerge(this, ChildBarManager, AddItems);
}

void TdxBarManager::DoShowCustomizingPopup(TdxBarItemLinks* Links) {
  if (OnShowCustomizingPopup) OnShowCustomizingPopup(this, Links);
}

void TdxBarManager::DoShowToolbarsPopup(TdxBarItemLinks* Links) {
  if (OnShowToolbarsPopup) OnShowToolbarsPopup(this, Links);
}
