// Help requests over bars and menus: the help context is the one of the item under the selection
// (or of the item that opened its menu), shown as a pop-up beside the item when the form has a
// help button, else as the help topic.
#include "bars/dxBarControl.h"
#include "bars/dxBarHooks_p.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarSubMenu.h"
#include "controls/Forms.h"
#include "windows/SystemServices.h"

namespace {

int HelpContextOf(const TdxBarItemControl* Control) { return Control && Control->Item() ? Control->Item()->HelpContext() : 0; }

// The control that opened a menu window: its link's control, or the selection of the window it
// was opened from.
TdxBarItemControl* OpeningControl(const TCustomdxBarControl* Window) {
  if (auto* menu = dynamic_cast<const TdxBarSubMenuControl*>(Window))
    if (TdxBarItemLink* link = menu->OwnerLink()) return link->Control();
  const TCustomdxBarControl* opener = GetOpenerBarControl(Window);
  return opener ? opener->SelectedControl() : nullptr;
}

// From the active window's selection up the chain of menus to the first item with a help context.
TdxBarItemControl* ControlWithHelp(TCustomdxBarControl* Active) {
  TdxBarItemControl* control = Active->SelectedControl();
  for (TCustomdxBarControl* window = Active; window && !HelpContextOf(control); window = GetOpenerBarControl(window))
    control = OpeningControl(window);
  return HelpContextOf(control) ? control : nullptr;
}

void ShowHelp(const TdxBarManager* Manager, int Context, TPoint Point, bool FromMenu) {
  TCustomForm* form = Manager->OwnerForm();
  const HWND wnd = form && form->HandleAllocated() ? form->Handle() : HWND();
  if (form && (form->BorderIcons() & BorderIconBit(biHelp))) {
    if (!FromMenu) WinHelp(wnd, String(), HELP_SETPOPUP_POS, static_cast<uintptr_t>(PointToLParam(Point)));
    WinHelp(wnd, String(), HELP_CONTEXTPOPUP, static_cast<uintptr_t>(Context));
  } else {
    WinHelp(wnd, String(), HELP_CONTEXT, static_cast<uintptr_t>(Context));
  }
}

}  // namespace

void RouteBarHelp(TdxBarManager* Manager, const HELPINFO& Info) {
  if (Info.iContextType != HELPINFO_WINDOW || Manager->IsDesigning()) return;
  TdxBarItemControl* control = nullptr;
  bool fromMenu = false;
  if (TCustomdxBarControl* active = ActiveBarControl()) {
    control = ControlWithHelp(active);
    fromMenu = true;
  } else if (auto* window = dynamic_cast<TCustomdxBarControl*>(FindControl(Info.hItemHandle))) {
    control = window->ControlAtPoint(window->ScreenToClient(Info.MousePos));
  }
  const int context = HelpContextOf(control);
  TPoint point = Info.MousePos;
  if (control && control->Parent()) {
    const TRect r = control->Parent()->GetItemRect(control);
    point = control->Parent()->ClientToScreen(TPoint{(r.Left + r.Right) / 2, r.Bottom});
  }
  TdxBarManager::CloseActiveMenus();
  if (context) ShowHelp(Manager, context, point, fromMenu);
}
