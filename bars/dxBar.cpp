// Bars: caption and name, font, the main-menu mark, visibility and the main dock sites.
#include "bars/dxBar.h"

#include "bars/dxBarControls.h"
#include "bars/dxBarDock.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "controls/Forms.h"

// The window hears of every change of the font, the bar's own or the manager's.
TdxBar::TdxBar(TCollection* Collection)
    : TCollectionItem(Collection), FFont([this] {
        if (Control()) Control()->Perform(CM_FONTCHANGED);
      }) {
  TdxBarManager* manager = BarManager();
  FItemLinks = std::make_unique<TdxBarItemLinks>(manager, this);
  FItemLinks->OnChange = [this](TObject*) { BarManagerModified(BarManager()); };
  if (manager) FFont.Follow(manager->Font());
  if (manager && !manager->IsLoading()) {
    manager->DoBarAdd(this);
    manager->DesignerModified();
  }
}

TdxBar::~TdxBar() {
  TdxBarManager* manager = BarManager();
  if (manager && !manager->IsDestroying()) {
    manager->DesignerModified();
    manager->DoBarDelete(this);
  }
  SetVisible(false);
  for (TCustomdxBarSubItem* subItem : std::vector<TCustomdxBarSubItem*>(FDetachingSubItems)) subItem->SetDetachingBar(-1);
  if (manager && manager->MainMenuBar() == this) manager->SetMainMenuBar(nullptr);
  FItemLinks.reset();
}

TdxBars* TdxBar::Bars() const { return static_cast<TdxBars*>(Collection()); }

TdxBarManager* TdxBar::BarManager() const { return Bars() ? Bars()->BarManager() : nullptr; }

TdxBarControl* TdxBar::Control() const { return static_cast<TdxBarControl*>(FItemLinks->BarControl()); }

bool TdxBar::ManagerLoading() const { return BarManager() && BarManager()->IsLoading(); }

// A caption another bar has is refused; a bar without a name takes its caption as name, made
// unique with the smallest number that frees it.
void TdxBar::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  TdxBarManager* manager = BarManager();
  if (manager && manager->FindBarByCaption(Value)) return;
  FCaption = Value;
  if (FName.empty() && manager && !manager->IsLoading()) {
    String name = Value;
    for (int n = 1; manager->FindBarByName(name); ++n) name = Value + std::to_string(n);
    FName = name;
  }
  BarManagerModified(manager);
}

void TdxBar::SetName(const String& Value) {
  if (FName == Value) return;
  FName = Value;
  BarManagerModified(BarManager());
}

void TdxBar::SetIsMainMenu(bool Value) {
  if (FIsMainMenu == Value) return;
  FIsMainMenu = Value;
  TdxBarManager* manager = BarManager();
  if (!manager) return;
  TdxBar* previous = manager->MainMenuBar();
  if (Value) {
    manager->SetMainMenuBar(this);
    if (previous && previous != this) previous->SetIsMainMenu(false);
  } else if (previous == this) {
    manager->SetMainMenuBar(nullptr);
  }
}

void TdxBar::SetDockingStyle(TdxBarDockingStyle Value) {
  if (FDockingStyle == Value) return;
  FDockingStyle = Value;
  if (Control()) Control()->SetDockingStyle(Value);
}

void TdxBar::SetUseRecentItems(bool Value) {
  if (FItemLinks->UseRecentItems() == Value) return;
  FItemLinks->SetUseRecentItems(Value);
  if (Control()) Control()->RecalcLayout();
}

void TdxBar::TakeManagerFont() {
  if (BarManager()) FFont.Follow(BarManager()->Font());
}

void TdxBar::SetUseOwnFont(bool Value) {
  FFont.SetUseOwnFont(Value, BarManager() ? BarManager()->Font() : nullptr);
}

void TdxBar::SetVisible(bool Value) {
  TdxBarManager* manager = BarManager();
  if (Value && manager && manager->IsDestroying()) return;
  if (ManagerLoading()) {
    FLoadedVisible = Value;
    return;
  }
  if (FVisible == Value) return;
  FVisible = Value;
  if (Value) {
    TCustomdxBarControl* window = FItemLinks->CreateBarControl();
    window->SetDockingStyle(FDockingStyle);
    window->CreateControls();
    window->SetLocked(FLocked);
  } else if (TCustomdxBarControl* window = FItemLinks->BarControl()) {
    window->Free();
  }
  if (!manager || manager->IsDestroying()) return;
  manager->DoBarVisibleChange(this);
  if (!Bars()->Loading()) manager->DesignerModified();
}

void TdxBar::SetLocked(bool Value) {
  if (FLocked == Value) return;
  FLocked = Value;
  if (Control()) Control()->SetLocked(Value);
}

void TdxBar::ApplyLoadedState() { SetVisible(FLoadedVisible); }

TdxBars::TdxBars(TdxBarManager* Manager) : TCollection(TCollection::ItemClassOf<TdxBar>(), Manager), FBarManager(Manager) {
  TCustomForm* form = Manager->OwnerForm();
  if (!form) return;
  constexpr std::pair<TdxBarDockingStyle, TAlign> kSides[] = {
      {dsLeft, alLeft}, {dsTop, alTop}, {dsRight, alRight}, {dsBottom, alBottom}};
  for (const auto& [side, align] : kSides) {
    auto* site = new TdxDockControl(nullptr);
    TControlStyle style = site->ControlStyle() | csNoDesignVisible;
    if (side == dsTop) style |= csActionClient;
    site->SetControlStyle(style);
    site->SetAlign(align);
    site->SetBounds(0, 0, 0, 0);
    site->SetBarManager(Manager);
    site->SetParent(form);
    FDockControls[side] = site;
  }
}

TdxBars::~TdxBars() {
  BeginUpdate();
  Clear();
  const auto sites = FDockControls;
  FDockControls = {};
  for (TdxDockControl* site : sites)
    if (site) site->Free();
}

TdxDockControl* TdxBars::DockControls(TdxBarDockingStyle Side) const { return FDockControls[Side]; }

bool TdxBars::IsMainDockControl(const TdxDockControl* Control) const {
  if (!Control) return false;
  for (const TdxDockControl* site : FDockControls)
    if (site == Control) return true;
  return false;
}

void TdxBars::ForgetDockControl(const TdxDockControl* Control) {
  for (TdxDockControl*& site : FDockControls)
    if (site == Control) site = nullptr;
}
