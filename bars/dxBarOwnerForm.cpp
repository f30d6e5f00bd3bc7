// The owner form's messages as its manager handles them: floating bars show while their form is
// active and hide when it is left or minimised, stay on the work area, colours and the menu font
// follow the system, help requests go to the items, and the layout is stored as the form goes.
#include "bars/dxBar.h"
#include "bars/dxBarHooks.h"
#include "bars/dxBarHooks_p.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarToolbar.h"
#include "bars/dxBarUtils.h"
#include "controls/Forms.h"
#include "rtl/ScopeExit.h"
#include "windows/MessageQueue.h"
#include "windows/SystemServices.h"

namespace {

template <class F>
void ForEachFloatingBar(TdxBarManager* Manager, F Action) {
  for (int i = 0; i < Manager->Bars()->Count(); ++i) {
    TdxBar* bar = Manager->Bars()->Items(i);
    TdxBarControl* window = bar->Control();
    if (bar->Visible() && window && !window->DockControl()) Action(bar, window);
  }
}

bool IsOwnBarWindow(const TdxBarManager* Manager, HWND Wnd) {
  auto* window = dynamic_cast<TCustomdxBarControl*>(FindControl(Wnd));
  return window && window->BarManager() == Manager;
}

void ShowFloatingBars(TdxBarManager* Manager) {
  ForEachFloatingBar(Manager, [](TdxBar*, TdxBarControl* window) {
    window->Show();
    window->Update();
  });
}

void HideFloatingBars(TdxBarManager* Manager) {
  ForEachFloatingBar(Manager, [](TdxBar*, TdxBarControl* window) { window->Hide(); });
}

// Leaving the form toward another form of the program hides its floating bars; toward one of its
// own windows (a bar, a menu, the customising form while customising) keeps them.
void DeactivateFloatingBars(TdxBarManager* Manager, HWND Toward) {
  TCustomdxBarControl* active = ActiveBarControl();
  if (active && (active->BarManager() == Manager ||
                 (Manager->IsCustomizing() && active->BarManager() && active->BarManager()->OwnerForm() == Manager->CustomizingForm())))
    active->LeaveMenuMode();
  if (Toward) {
    auto* form = dynamic_cast<TCustomForm*>(FindControl(Toward));
    const bool customizingForm = Manager->IsCustomizing() && form && form == Manager->CustomizingForm();
    if (!form || customizingForm) return;
  }
  HideFloatingBars(Manager);
  if (TCustomForm* owner = Manager->OwnerForm(); owner && owner->HandleAllocated()) SendMessage(owner->Handle(), WM_NCACTIVATE, 0);
}

void ActivateFloatingBars(TdxBarManager* Manager, bool Activate, HWND Toward) {
  if (Manager->ActivationGuard()) return;
  Manager->SetActivationGuard(true);
  const auto release = ScopeExit([Manager] { Manager->SetActivationGuard(false); });
  TCustomForm* owner = Manager->OwnerForm();
  if (!Activate) {
    DeactivateFloatingBars(Manager, Toward);
  } else if (!owner || !owner->HandleAllocated() || !IsIconic(owner->Handle())) {
    ShowFloatingBars(Manager);
  }
}

// Moved, not sized: up, then down, then left, then right, as far as the area needs.
TRect FitIntoArea(TRect R, const TRect& Area) {
  if (R.Bottom > Area.Bottom) OffsetRect(R, 0, Area.Bottom - R.Bottom);
  if (R.Top < Area.Top) OffsetRect(R, 0, Area.Top - R.Top);
  if (R.Right > Area.Right) OffsetRect(R, Area.Right - R.Right, 0);
  if (R.Left < Area.Left) OffsetRect(R, Area.Left - R.Left, 0);
  return R;
}

void FitFloatingBarsToWorkArea(TdxBarManager* Manager) {
  for (int i = 0; i < Manager->Bars()->Count(); ++i) {
    TdxBar* bar = Manager->Bars()->Items(i);
    if (bar->DockingStyle() != dsNone) continue;
    TdxBarControl* window = bar->Control();
    const TRect r = window ? window->BoundsRect()
                           : Bounds(bar->FloatLeft(), bar->FloatTop(), bar->FloatClientWidth(), bar->FloatClientHeight());
    const TRect fitted = FitIntoArea(r, GetWorkAreaAtPoint(TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
    if (window) {
      window->SetBounds(fitted.Left, fitted.Top, fitted.Width(), fitted.Height());
    } else {
      bar->SetFloatLeft(fitted.Left);
      bar->SetFloatTop(fitted.Top);
    }
  }
}

void FormActivated(TdxBarManager* Manager, WPARAM WParam, LPARAM LParam) {
  const HWND other = HWND::FromParam(static_cast<intptr_t>(LParam));
  const bool activate = LOWORD(WParam) != WA_INACTIVE;
  if (!activate && IsOwnBarWindow(Manager, other)) return;
  ActivateFloatingBars(Manager, activate, other);
  TCustomForm* owner = Manager->OwnerForm();
  TCustomForm* customizing = Manager->CustomizingForm();
  if (Manager->ActivationGuard() || !activate || !customizing || !Manager->IsCustomizing() || owner->Enabled()) return;
  SendMessage(customizing->Handle(), WM_ACTIVATE, WA_ACTIVE, owner->Handle().AsLParam());
}

// Minimising or closing the form hides its floating bars; maximising or restoring shows them.
void FormSysCommand(TdxBarManager* Manager, WPARAM Command) {
  TCustomdxBarControl* active = ActiveBarControl();
  if (Command == SC_CLOSE && Manager->IsDesigning() && active && active->BarManager() == Manager) active->CloseMenus();
  if (Command == SC_MINIMIZE || Command == SC_CLOSE) HideFloatingBars(Manager);
  if (Command == SC_MAXIMIZE || Command == SC_RESTORE) ShowFloatingBars(Manager);
}

// The application lost the activation: floating bars hide and nothing stays selected.
void ApplicationDeactivated(TdxBarManager* Manager) {
  ActivateFloatingBars(Manager, false, HWND());
  TdxBarItemControl* selected = Manager->SelectedItemControl();
  if (selected && selected->Parent() && selected->Parent()->HandleAllocated())
    SendMessage(selected->Parent()->Handle(), WM_MOUSELEAVE);
  Manager->SetSelectedItemControl(nullptr);
}

void CustomizingFormFollows(TdxBarManager* Manager, const WINDOWPOS& Pos) {
  TCustomForm* customizing = Manager->CustomizingForm();
  if (!Manager->IsCustomizing() || !customizing) return;
  if (Pos.flags & SWP_SHOWWINDOW) customizing->Show();
  if (Pos.flags & SWP_HIDEWINDOW) customizing->Hide();
}

}  // namespace

void HandleOwnerFormMessage(TdxBarManager* Manager, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TCustomForm* owner = Manager->OwnerForm();
  if (!owner) return;
  // A form that goes keeps the user's layout in the manager's stores.
  if ((owner->ComponentState() & csDestroying) || owner == Manager->CustomizingForm()) {
    if (Msg == WM_DESTROY) Manager->SaveLayoutToStores();
    return;
  }
  switch (Msg) {
    case WM_ACTIVATE: FormActivated(Manager, WParam, LParam); break;
    case WM_WINDOWPOSCHANGING:
      if (reinterpret_cast<const WINDOWPOS*>(LParam)->flags & SWP_HIDEWINDOW) ActivateFloatingBars(Manager, false, HWND());
      break;
    case WM_WINDOWPOSCHANGED: CustomizingFormFollows(Manager, *reinterpret_cast<const WINDOWPOS*>(LParam)); break;
    case WM_SYSCOLORCHANGE: Manager->RebuildBrushes(); break;
    case WM_SETTINGCHANGE:
      if (WParam == SPI_SETNONCLIENTMETRICS) Manager->ApplySystemFont();
      if (WParam == SPI_SETWORKAREA) FitFloatingBarsToWorkArea(Manager);
      break;
    case WM_DISPLAYCHANGE: FitFloatingBarsToWorkArea(Manager); break;
    case WM_ACTIVATEAPP:
      if (!WParam) ApplicationDeactivated(Manager);
      break;
    case WM_SYSCOMMAND: FormSysCommand(Manager, WParam & 0xFFF0); break;
    case WM_HELP: RouteBarHelp(Manager, *reinterpret_cast<const HELPINFO*>(LParam)); break;
    default: break;
  }
}
