// Climbing from a window or a menu to the bar at the top of its chain, and the window under a
// screen point.
#include "bars/dxBar.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarRegistry.h"
#include "windows/Window.h"

TCustomdxBarControl* GetOpenerBarControl(const TCustomdxBarControl* Control) {
  if (!Control) return nullptr;
  if (Control->ParentBar()) return Control->ParentBar();
  if (auto* menu = dynamic_cast<const TdxBarSubMenuControl*>(Control)) {
    if (TdxBarItemLink* link = menu->OwnerLink()) return link->Links()->BarControl();
  }
  return nullptr;
}

TCustomdxBarControl* GetRootBarControl(TCustomdxBarControl* Control) {
  while (Control && !Control->IsDestroying()) {
    TCustomdxBarControl* opener = GetOpenerBarControl(Control);
    if (!opener) break;
    Control = opener;
  }
  return Control;
}

TCustomdxBarControl* GetRootToolbarControl(TCustomdxBarControl* Control) {
  TCustomdxBarControl* root = GetRootBarControl(Control);
  return dynamic_cast<TdxBarSubMenuControl*>(root) ? nullptr : root;
}

TCustomdxBarControl* GetItemControlRootToolbar(const TdxBarItemControl* ItemControl) {
  return ItemControl ? GetRootToolbarControl(ItemControl->Parent()) : nullptr;
}

TWinControl* FindParentControlOfWindow(HWND Wnd) {
  for (; Wnd; Wnd = GetParent(Wnd))
    if (TWinControl* control = FindControl(Wnd)) return control;
  return nullptr;
}

bool IsParentWindow(HWND Wnd, HWND Parent) {
  if (!Wnd || !Parent) return false;
  for (HWND p = GetParent(Wnd); p; p = GetParent(p))
    if (p == Parent) return true;
  return false;
}

HWND WindowAtScreenPoint(TPoint Point) {
  HWND wnd = WindowFromPoint(Point);
  while (wnd) {
    TPoint client = Point;
    ScreenToClient(wnd, client);
    const HWND child = ChildWindowFromPointEx(wnd, client, CWP_SKIPINVISIBLE);
    if (!child || child == wnd) break;
    wnd = child;
  }
  return wnd;
}

bool IsVerticalBarControl(const TCustomdxBarControl* Control) {
  if (!dynamic_cast<const TdxBarControl*>(Control)) return false;
  return Control->DockingStyle() == dsLeft || Control->DockingStyle() == dsRight;
}

bool IsRotatedBarControl(const TCustomdxBarControl* Control) {
  if (!IsVerticalBarControl(Control)) return false;
  const TdxBar* bar = static_cast<const TdxBarControl*>(Control)->Bar();
  return bar && bar->RotateWhenVertical();
}
