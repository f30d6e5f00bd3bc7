// The frame of a bar's window for each side: the border sizes the dock sites and floating sizing
// add to the window's contents, and the size grip of a borderless bar at the bottom.
#include "bars/dxBar.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarUtils.h"
#include "controls/Forms.h"
#include "graphics/Metrics.h"

namespace {

bool IsFlat(const TdxBar* Bar) { return Bar->BarManager() && Bar->BarManager()->IsFlat(); }
int GripSize(const TdxBar* Bar) { return Bar->BarManager() ? Bar->BarManager()->GripSize() : 0; }

// The control's bottom edge lies on its parent's client bottom, and so on up to the top.
bool LiesAtBottomOfParents(const TControl* Control) {
  for (; Control && Control->Parent(); Control = Control->Parent())
    if (Control->Top() + Control->Height() != Control->Parent()->ClientHeight()) return false;
  return true;
}

}  // namespace

int TdxBar::GetHorizontalBorderSize(TdxBarDockingStyle Side) const {
  if (Side == dsNone) return IsFlat(this) ? 2 * 3 + 2 : 2 * GetSystemMetrics(SM_CXFRAME) + 8;
  if (FBorderStyle == bbsSingle) return IsVerticalDockingStyle(Side) ? 4 : 4 + GripSize(this);
  return IsSizeGripVisible() ? GetSystemMetrics(SM_CXVSCROLL) : 0;
}

int TdxBar::GetVerticalBorderSize(TdxBarDockingStyle Side) const {
  if (Side == dsNone)
    return IsFlat(this) ? 2 * 3 + GetSmallCaptionHeight() + 2 : 2 * GetSystemMetrics(SM_CYFRAME) + GetSmallCaptionHeight() + 3;
  if (FBorderStyle == bbsSingle) return IsVerticalDockingStyle(Side) ? 4 + GripSize(this) : 4;
  return HasBottomSizeGripSpace() ? 2 : 0;
}

bool TdxBar::HasBottomSizeGripSpace() const { return FBorderStyle == bbsNone && DockingStyle() == dsBottom; }

bool TdxBar::IsSizeGripVisible() const {
  if (!HasBottomSizeGripSpace() || !FSizeGrip) return false;
  const TdxBarManager* manager = BarManager();
  if (manager && manager->OwnerForm() && manager->OwnerForm()->WindowState() == wsMaximized) return false;
  return !Control() || LiesAtBottomOfParents(Control());
}
