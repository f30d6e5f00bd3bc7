// Menu mode and selection of bar windows: the chain of windows that held menu mode (the active
// one on top), selecting a control by keyboard or by mouse, and closing a chain of menus.
#include "bars/dxBarControl.h"
#include "bars/dxBarHint.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarQuickCust.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarSubMenu.h"
#include "controls/Application.h"

namespace {

String ShortHint(const String& Hint) { return Hint.substr(0, Hint.find('|')); }

}  // namespace

void TCustomdxBarControl::SetMenuMode(bool Value) {
  if (FMenuMode == Value) return;
  // Menus are entered afresh: they open with their recent links first again.
  if (Value && !ActiveBarControl()) TdxBarSubMenuControl::ResetFullMenusShown();
  FMenuMode = Value;
  if (Value) {
    PushActive();
    if (!IsCustomizing() && FItemLinks) FItemLinks->UpdateItemActions();
  } else {
    ClearSelection();
    PopActive();
  }
}

void TCustomdxBarControl::PushActive() {
  FPrevActive = ActiveBarControl();
  SetActiveBarControl(this);
}

// The window that held menu mode before becomes active again only while it still holds it.
void TCustomdxBarControl::PopActive() {
  if (ActiveBarControl() != this) return;
  TCustomdxBarControl* previous = FPrevActive;
  FPrevActive = nullptr;
  SetActiveBarControl(IsBarControlAlive(previous) && previous->MenuMode() ? previous : nullptr);
}

void TCustomdxBarControl::ClearSelection() {
  if (IsCustomizing()) {
    FSelectedControl = nullptr;
  } else {
    SelectControl(nullptr);
  }
}

void TCustomdxBarControl::CloseMenus() {
  SetMenuMode(false);
  if (!IsBarControlAlive(this)) return;
  if (TCustomdxBarControl* opener = GetOpenerBarControl(this)) opener->CloseMenus();
}

// --- selection ------------------------------------------------------------------------------------

// The manager's selection follows (its setter may close this very window while customising).
void TCustomdxBarControl::SetSelected(TdxBarItemControl* Control) {
  if (FSelectedControl == Control) return;
  // The quick-customising window closes soon when the selection moves to another window.
  if (Control && QuickControl() && QuickControl() != this) StartQuickControlTimer();
  TdxBarItemControl* old = FSelectedControl;
  FSelectedControl = Control;
  if (IsItemControlAlive(old)) {
    old->SetHot(false);
    // A control the bar worked with (an edit being typed in) lets go.
    if (old->Active()) old->ControlInactivate(!FSelectingByMouse);
    if (!IsBarControlAlive(this)) return;
  }
  if (FBarManager) {
    FBarManager->SetSelectedItemControl(Control);
    if (!IsBarControlAlive(this)) return;
  }
  if (IsItemControlAlive(old)) RedrawControls(old);
  RedrawControls(Control);
  RememberCursorPos();
  if (!Control) SetCursor(crDefault);
  ShowSelectionHint(Control);
  // The hint follows the item under the mouse of a toolbar (it decides itself what to show).
  if (FBarManager && IsToolbar()) UpdateHint(FBarManager, true, String());
}

// The window's hint is the control's short hint, for a disabled control only when the manager
// shows hints for those.
void TCustomdxBarControl::ShowSelectionHint(TdxBarItemControl* Control) {
  const bool shows = Control && (Control->IsEnabled() || (FBarManager && FBarManager->ShowHintForDisabledItems()));
  SetHint(shows ? ShortHint(Control->GetHint()) : String());
}

void TCustomdxBarControl::ReleasePressedControl() {
  TdxBarItemControl* selected = FSelectedControl;
  if (IsItemControlAlive(selected) && selected->Pressed()) selected->SetPressed(false);
}

void TCustomdxBarControl::SelectControl(TdxBarItemControl* Control) {
  ReleasePressedControl();
  if (!IsBarControlAlive(this)) return;
  if (Control) Control->SetHot(false);
  SetSelected(Control);
}

// The mouse selects the control under it: an edit being typed in keeps the selection, and a sub
// item that becomes selected opens its menu.
void TCustomdxBarControl::HotTrack(TdxBarItemControl* Control) {
  if (!Showing() || Control == FSelectedControl) return;
  auto* edit = dynamic_cast<TdxBarWinControl*>(FSelectedControl);
  if (edit && edit->Focused()) return;
  ReleasePressedControl();
  if (Control) Control->SetHot(true);
  FSelectingByMouse = true;
  SetSelected(Control);
  if (!IsBarControlAlive(this)) return;
  FSelectingByMouse = false;
  auto* subItem = dynamic_cast<TdxBarSubItemControl*>(FSelectedControl);
  if (subItem && !DraggedItemRefused(subItem)) subItem->ControlActivate(false);
}

// While customising, a sub item does not open for an item it may not contain.
bool TCustomdxBarControl::DraggedItemRefused(const TdxBarItemControl* SubItemControl) const {
  if (!FBarManager || !FBarManager->DraggedItem()) return false;
  auto* subItem = dynamic_cast<const TCustomdxBarSubItem*>(SubItemControl->Item());
  return subItem && !subItem->CanContainItem(FBarManager->DraggedItem());
}
