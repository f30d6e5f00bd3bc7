// Customising mode of a manager: switching it on and off together with the customize dialog, and
// the one selected link among all the manager's bar windows while customising.
#include <utility>
#include <vector>

#include "bars/dxBar.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarCustForm.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarPopupMenu.h"
#include "bars/dxBarRegistry.h"
#include "graphics/Gdi.h"

// Items shown only while customising come and go, and every item with a category reads as
// enabled meanwhile: every link collection shows its items anew and every window is rebuilt.
void TdxBarManager::SetCustomizing(bool Value) {
  if (FCustomizingState.Customizing == Value || (Value && ::CustomizingForm())) return;
  for (TCustomdxBarControl* control : BarControls())
    if (IsBarControlAlive(control)) control->CloseMenus();
  FCustomizingState.Customizing = Value;
  for (int i = 0; i < FBars->Count(); ++i) FBars->Items(i)->ItemLinks()->RefreshControls();
  for (TdxBarItem* item : FItems)
    if (auto* subItem = dynamic_cast<TCustomdxBarSubItem*>(item)) subItem->ItemLinks()->RefreshControls();
  for (TdxBarPopupMenu* menu : FPopupMenus) menu->ItemLinks()->RefreshControls();
  ShowCustomizingForm(this, Value);
  for (TCustomdxBarControl* control : BarControls()) {
    if (!IsBarControlAlive(control)) continue;
    control->RebuildBar();
    if (control->HandleAllocated()) control->Perform(WM_NCPAINT, 1);
  }
}

void TdxBarManager::SetShowHelpButton(bool Value) {
  if (FCustomizingState.ShowHelpButton == Value) return;
  FCustomizingState.ShowHelpButton = Value;
  UpdateCustomizingFormHelpButton();
}

void TdxBarManager::SetSelectedItemControl(TdxBarItemControl* Value) {
  if (FCustomizingState.SelectedItemControl == Value) return;
  TdxBarItemControl* old = std::exchange(FCustomizingState.SelectedItemControl, Value);
  if (!IsCustomizing() || FCustomizingState.SelectingItemControl) return;
  FCustomizingState.SelectingItemControl = true;
  TCustomdxBarControl* target = Value ? Value->Parent() : nullptr;
  TCustomdxBarControl* window = IsItemControlAlive(old) ? old->Parent() : nullptr;
  while (IsBarControlAlive(window) && window != target && !(target && window->IsOpenerOf(target))) {
    TCustomdxBarControl* opener = GetOpenerBarControl(window);
    window->SetSelected(nullptr);
    window = opener;
  }
  FCustomizingState.SelectingItemControl = false;
  // A sub item chosen by a press opens its menu, so that links can be dropped into it; during a
  // drag the window's hot tracking decides.
  auto* subItem = dynamic_cast<TdxBarSubItemControl*>(Value);
  if (subItem && !FLinkDrag.Item && IsItemControlAlive(subItem)) subItem->ControlActivate(true);
}

void TCustomdxBarControl::DrawCustomizingSelection(HDC DC, const TdxBarItemControl* Control, const TRect& Rect) const {
  if (!IsCustomizing() || Control != FSelectedControl) return;
  TRect r = Rect;
  const HBRUSH frame = GetSysColorBrush(COLOR_BTNTEXT);
  FrameRect(DC, r, frame);
  InflateRect(r, -1, -1);
  FrameRect(DC, r, frame);
}
