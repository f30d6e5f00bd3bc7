// Bars: caption and name, font, the main-menu mark, the look setters, the loaded state, and the
// bar collection with its main dock sites.
#include "bars/dxBar.h"

#include "bars/dxBarControls.h"
#include "bars/dxBarCustForm.h"
#include "bars/dxBarDock.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarUpdateLock.h"
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

void TdxBar::Relayout() {
  if (Control()) Control()->RecalcLayout();
}

void TdxBar::RecalcFrame() {
  if (Control()) Control()->RecalcFrame();
}

void TdxBar::RefreshCustomizing() {
  if (TdxBarManager* manager = BarManager()) manager->DesignerModified();
}

// A caption another bar has is refused; a bar without a name takes its caption as name, made
// unique with the smallest number that frees it.
void TdxBar::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  TdxBarManager* manager = BarManager();
  if (manager && manager->FindBarByCaption(Value)) return;
  FCaption = Value;
  if (Control()) Control()->CaptionChanged();
  if (FName.empty() && manager && !manager->IsLoading()) {
    String name = Value;
    for (int n = 1; manager->FindBarByName(name); ++n) name = Value + std::to_string(n);
    FName = name;
  }
  UpdateCustomizingBarCaption(this);
  BarManagerModified(manager);
}

void TdxBar::SetName(const String& Value) {
  if (FName == Value) return;
  FName = Value;
  BarManagerModified(BarManager());
}

void TdxBar::SetHidden(bool Value) {
  if (FHidden == Value) return;
  FHidden = Value;
  BarManagerModified(BarManager());
}

// The main menu takes whole rows and wraps; the manager's update lock keeps the two bars that
// change from laying out in between.
void TdxBar::SetIsMainMenu(bool Value) {
  if (FIsMainMenu == Value) return;
  TdxBarManager* manager = BarManager();
  WithUpdateLock(manager, [&] {
    TdxBar* previous = manager ? manager->MainMenuBar() : nullptr;
    if (Value && previous && previous != this) previous->SetIsMainMenu(false);
    FIsMainMenu = Value;
    if (manager) manager->SetMainMenuBar(Value ? this : (previous == this ? nullptr : previous));
    if (Value) {
      SetWholeRow(true);
      SetMultiLine(true);
    } else {
      SetMultiLine(false);
      SetWholeRow(false);
    }
    if (!ManagerLoading() && DockingStyle() != dsNone) Relayout();
  });
}

void TdxBar::SetMultiLine(bool Value) {
  if (FMultiLine == Value || (!Value && FIsMainMenu)) return;
  FMultiLine = Value;
  if (DockingStyle() != dsNone) Relayout();
}

void TdxBar::SetWholeRow(bool Value) {
  if (FWholeRow == Value) return;
  FWholeRow = Value;
  if (FVisible && DockingStyle() != dsNone) Replace();
}

void TdxBar::SetAllowClose(bool Value) {
  if (FAllowClose == Value) return;
  FAllowClose = Value;
  if (DockingStyle() == dsNone) Relayout();
  RefreshCustomizing();
}

void TdxBar::SetAllowQuickCustomizing(bool Value) {
  if (FAllowQuickCustomizing == Value) return;
  FAllowQuickCustomizing = Value;
  if (BarManager() && BarManager()->Style() != bmsStandard) Relayout();
}

void TdxBar::SetBorderStyle(TdxBarBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecalcFrame();
}

void TdxBar::SetSizeGrip(bool Value) {
  if (FSizeGrip == Value) return;
  FSizeGrip = Value;
  if (HasBottomSizeGripSpace()) RecalcFrame();
}

void TdxBar::SetRotateWhenVertical(bool Value) {
  if (FRotateWhenVertical == Value) return;
  FRotateWhenVertical = Value;
  if (Control()) Control()->Perform(CM_FONTCHANGED);
}

void TdxBar::SetShowMark(bool Value) {
  if (FShowMark == Value) return;
  FShowMark = Value;
  Relayout();
}

void TdxBar::SetUseRestSpace(bool Value) {
  if (FUseRestSpace == Value) return;
  FUseRestSpace = Value;
  Relayout();
}

void TdxBar::SetUseRecentItems(bool Value) {
  if (FItemLinks->UseRecentItems() == Value) return;
  FItemLinks->SetUseRecentItems(Value);
  Relayout();
}

void TdxBar::TakeManagerFont() {
  if (BarManager()) FFont.Follow(BarManager()->Font());
}

void TdxBar::SetUseOwnFont(bool Value) {
  FFont.SetUseOwnFont(Value, BarManager() ? BarManager()->Font() : nullptr);
}

bool TdxBar::CanClose() const {
  return FAllowClose && !FIsMainMenu && (!Control() || Control()->MayClose());
}

void TdxBar::SetLocked(bool Value) {
  if (FLocked == Value) return;
  FLocked = Value;
  if (Control()) Control()->SetLocked(Value);
}

// A dock control, else a side, then the visibility: the bar is placed once.
void TdxBar::ApplyLoadedState() {
  FPredefined = true;
  if (FLoadedDockControl) {
    SetDockControl(FLoadedDockControl);
  } else {
    SetDockingStyle(FLoadedDockingStyle);
  }
  SetVisible(FLoadedVisible);
}

void TdxBar::ForgetDockControl(const TdxDockControl* Site) {
  if (FDockedDockControl == Site) FDockedDockControl = nullptr;
  if (FLoadedDockControl == Site) FLoadedDockControl = nullptr;
  if (FDockControl != Site) return;
  SetVisible(false);
  FDockControl = nullptr;
}

// --- the collection -------------------------------------------------------------------------------

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
