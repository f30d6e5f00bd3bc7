// Where a bar sits: its dock site and side, the place it goes back to, its floating position,
// showing its window docked or floating, and copying one bar into another.
#include "bars/dxBar.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarDock.h"
#include "bars/dxBarManager.h"
#include "controls/Forms.h"
#include "windows/Focus.h"

namespace {

// A dock control belongs to the bar's manager, or is nil.
bool IsOwnSite(const TdxBar* Bar, const TdxDockControl* Site) { return !Site || Site->BarManager() == Bar->BarManager(); }

// Guards a docking setter against the other one it calls.
class TDockingChange {
 public:
  explicit TDockingChange(bool& Flag) : FFlag(Flag), FSaved(Flag) { Flag = true; }
  ~TDockingChange() { FFlag = FSaved; }
  TDockingChange(const TDockingChange&) = delete;
  TDockingChange& operator=(const TDockingChange&) = delete;

 private:
  bool& FFlag;
  bool FSaved;
};

}  // namespace

TdxBarDockingStyle TdxBar::DockingStyle() const { return FDockControl ? FDockControl->DockingStyle() : FDockingStyle; }

TdxBarDockingStyle TdxBar::DockedDockingStyle() const {
  return FDockedDockControl ? FDockedDockControl->DockingStyle() : FDockedDockingStyle;
}

TdxDockControl* TdxBar::RealDockControl() const {
  if (FDockControl) return FDockControl;
  return Bars() ? Bars()->DockControls(FDockingStyle) : nullptr;
}

// The bar is hidden while it moves to a site its window is not in, and shown there again.
// While the manager loads the site is only remembered: its own manager may not be set yet.
void TdxBar::SetDockControl(TdxBarDockControl* Value) {
  if (ManagerLoading()) {
    FLoadedDockControl = Value;
    return;
  }
  if (!IsOwnSite(this, Value) || FDockControl == Value) return;
  TdxBarControl* window = Control();
  const TdxDockControl* current = window ? window->DockControl() : nullptr;
  const bool isPlaced = current && !Bars()->IsMainDockControl(current);
  const bool replace = FVisible && ((Value && Value != current) || (!Value && isPlaced));
  if (replace) SetVisible(false);
  FDockControl = Value;
  FItemLinks->ShowRecentItems(-1);
  if (!FChangingDocking && Value) {
    TDockingChange guard(FChangingDocking);
    FDockingStyle = Value->DockingStyle();
  }
  if (replace) SetVisible(true);
  if (TdxBarManager* manager = BarManager()) manager->DoBarDockingStyleChange(this);
}

void TdxBar::SetDockingStyle(TdxBarDockingStyle Value) {
  if (ManagerLoading()) {
    FLoadedDockingStyle = Value;
    return;
  }
  if (DockingStyle() == Value && !FDockControl) return;
  const bool replace = Control() && Control()->DockingStyle() != Value;
  if (replace) SetVisible(false);
  FDockingStyle = Value;
  if (!FChangingDocking) {
    TDockingChange guard(FChangingDocking);
    SetDockControl(nullptr);
  }
  FItemLinks->ShowRecentItems(-1);
  if (replace) SetVisible(true);
  if (TdxBarManager* manager = BarManager()) manager->DoBarDockingStyleChange(this);
}

void TdxBar::TakeWindowDocking(TdxBarDockingStyle Side, TdxDockControl* Site) {
  FDockingStyle = Side;
  FDockControl = Site && !Bars()->IsMainDockControl(Site) ? static_cast<TdxBarDockControl*>(Site) : nullptr;
  if (TdxBarManager* manager = BarManager()) manager->DoBarDockingStyleChange(this);
}

void TdxBar::SetDockedDockControl(TdxBarDockControl* Value) {
  if ((!ManagerLoading() && !IsOwnSite(this, Value)) || FDockedDockControl == Value) return;
  FDockedDockControl = Value;
  BarManagerModified(BarManager());
}

void TdxBar::SetDockedDockingStyle(TdxBarDockingStyle Value) {
  if (FDockedDockingStyle == Value) return;
  FDockedDockingStyle = Value;
  BarManagerModified(BarManager());
}

namespace {

void SetModified(TdxBar* Bar, int& Field, int Value) {
  if (Field == Value) return;
  Field = Value;
  BarManagerModified(Bar->BarManager());
}

}  // namespace

void TdxBar::SetDockedLeft(int Value) { SetModified(this, FDockedLeft, Value < 0 ? 0 : Value); }
void TdxBar::SetDockedTop(int Value) { SetModified(this, FDockedTop, Value < 0 ? 0 : Value); }
void TdxBar::SetFloatLeft(int Value) { SetModified(this, FFloatLeft, Value); }
void TdxBar::SetFloatTop(int Value) { SetModified(this, FFloatTop, Value); }
void TdxBar::SetFloatClientWidth(int Value) { SetModified(this, FFloatClientWidth, Value); }
void TdxBar::SetFloatClientHeight(int Value) { SetModified(this, FFloatClientHeight, Value); }

// --- visibility ---------------------------------------------------------------------------------

void TdxBar::SetVisible(bool Value) {
  TdxBarManager* manager = BarManager();
  if (Value && manager && manager->IsDestroying()) return;
  if (ManagerLoading()) {
    FLoadedVisible = Value;
    return;
  }
  if (FVisible == Value) return;
  TdxBarControl* window = Control();
  if (!Value && window) window->StorePlacement();
  FVisible = Value;
  if (Value) {
    ShowWindow();
  } else if (window) {
    window->Free();
  }
  if (!manager || manager->IsDestroying()) return;
  manager->DoBarVisibleChange(this);
  if (!Bars()->RestoringLayout()) manager->DesignerModified();
}

void TdxBar::Replace() {
  SetVisible(false);
  SetVisible(true);
}

void TdxBar::ShowWindow() {
  auto* window = static_cast<TdxBarControl*>(FItemLinks->CreateBarControl());
  window->SetLocked(FLocked);
  if (DockingStyle() == dsNone || !RealDockControl()) {
    ShowFloating();
  } else {
    ShowDocked();
  }
}

// The window floats at its stored place and size; it shows at once only where the user is at
// work: on the active form, or while customising.
void TdxBar::ShowFloating() {
  TdxBarControl* window = Control();
  window->BeginUpdate();
  window->SetDocking(dsNone, nullptr);
  window->CreateControls();
  const TSize size = window->CalcFloatingSize(dsNone);
  window->SetBounds(FFloatLeft, FFloatTop, size.cx, size.cy);
  window->RefreshLayout();
  window->EndUpdate();
  if (MayShowFloating()) window->Show();
}

bool TdxBar::MayShowFloating() const {
  TdxBarManager* manager = BarManager();
  TCustomForm* form = manager ? manager->OwnerForm() : nullptr;
  if (!form || !form->Visible()) return false;
  if (manager->IsCustomizing()) return true;
  return form->HandleAllocated() && GetActiveWindow() == form->Handle();
}

void TdxBar::ShowDocked() {
  TdxBarControl* window = Control();
  TdxDockControl* site = RealDockControl();
  window->BeginUpdate();
  window->SetDocking(DockingStyle(), site);
  window->CreateControls();
  site->InsertBarControl(window, site->ClientToScreen(TPoint{FDockedLeft, FDockedTop}), true);
  window->EndUpdate();
  window->Show();
}

// --- copying ----------------------------------------------------------------------------------

void TdxBar::Assign(const TPersistent* Source) {
  auto* source = dynamic_cast<const TdxBar*>(Source);
  if (!source) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetAllowClose(source->FAllowClose);
  SetAllowCustomizing(source->FAllowCustomizing);
  SetAllowQuickCustomizing(source->FAllowQuickCustomizing);
  SetAllowReset(source->FAllowReset);
  SetCaption(source->FCaption);
  SetDockedDockControl(source->FDockedDockControl);
  SetDockedDockingStyle(source->FDockedDockingStyle);
  SetDockedLeft(source->FDockedLeft);
  SetDockedTop(source->FDockedTop);
  SetFloatLeft(source->FFloatLeft);
  SetFloatTop(source->FFloatTop);
  SetFloatClientWidth(source->FFloatClientWidth);
  SetFloatClientHeight(source->FFloatClientHeight);
  SetHidden(source->FHidden);
  SetIsMainMenu(source->FIsMainMenu);
  SetItemLinks(source->ItemLinks());
  SetNotDocking(source->FNotDocking);
  SetOneOnRow(source->FOneOnRow);
  SetRotateWhenVertical(source->FRotateWhenVertical);
  SetRow(source->FRow);
  SetWholeRow(source->FWholeRow);
  // A main dock site counts as none: the side says it.
  TdxBarDockControl* site = source->FDockControl;
  if (source->DockingStyle() != DockingStyle()) {
    if (site && site != FDockControl) {
      SetDockControl(site);
    } else {
      SetDockingStyle(source->DockingStyle());
    }
  } else {
    SetDockControl(site);
  }
  SetUseRecentItems(source->UseRecentItems());
  SetUseRestSpace(source->FUseRestSpace);
  SetFont(source->Font());
  SetUseOwnFont(source->UseOwnFont());
  SetVisible(source->FVisible);
}
