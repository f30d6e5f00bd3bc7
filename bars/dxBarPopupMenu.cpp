// Popup menus: their manager, links and font.
#include "bars/dxBarPopupMenu.h"

#include "bars/dxBarManager.h"
#include "controls/Forms.h"

TdxBarPopupMenu::TdxBarPopupMenu(TComponent* AOwner) : TComponent(AOwner) {
  if (dxBarManagerList().Count() == 0) throw Exception(dxBarLoadStr(sdxBarNoManagers));
  TdxBarManager* manager = ManagerOfForm(dynamic_cast<TCustomForm*>(AOwner));
  if (!manager) manager = dxBarManagerList().Items(0);
  FFont.Follow(manager->Font());
  FItemLinks = std::make_unique<TdxBarItemLinks>(manager, this);
  FItemLinks->SetUseRecentItems(false);
  SetBarManager(manager);
}

TdxBarPopupMenu::~TdxBarPopupMenu() {
  FItemLinks.reset();
  if (FBarManager) FBarManager->UnregisterPopupMenu(this);
}

void TdxBarPopupMenu::SetBarManager(TdxBarManager* Value) {
  if (FBarManager == Value || (!Value && !(ComponentState() & csDestroying))) return;
  if (FBarManager) FBarManager->UnregisterPopupMenu(this);
  FBarManager = Value;
  if (FBarManager) FBarManager->RegisterPopupMenu(this);
  if (FItemLinks) FItemLinks->SetBarManager(Value);
}

void TdxBarPopupMenu::SetUseOwnFont(bool Value) {
  FFont.SetUseOwnFont(Value, FBarManager ? FBarManager->Font() : nullptr);
}

void TdxBarPopupMenu::TakeManagerFont() {
  if (FBarManager) FFont.Follow(FBarManager->Font());
}

void TdxBarPopupMenu::DoPaintBar(TCanvas* Canvas, const TRect& R) {
  if (OnPaintBar) OnPaintBar(this, Canvas, R);
}

void TdxBarPopupMenu::Loaded() {
  TComponent::Loaded();
  FItemLinks->ApplyStoredUsage(true);
}
