// Installing and removing the bars' hooks with the managers, and the window-procedure hook that
// hands each owner form's messages to its manager.
#include "bars/dxBarHooks.h"

#include "bars/dxBarHint.h"

#include "bars/dxBarControl.h"
#include "bars/dxBarHooks_p.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "controls/Forms.h"
#include "windows/Mdi.h"
#include "windows/Window.h"

namespace {

struct THookHandles {
  HHOOK Keyboard = 0;
  HHOOK Mouse = 0;
  HHOOK CallWndProc = 0;
};

THookHandles& Handles() {
  static THookHandles handles;
  return handles;
}

void Install(HHOOK& Handle, int IdHook, HOOKPROC Proc) {
  if (!Handle) Handle = SetWindowsHookEx(IdHook, std::move(Proc));
}

void Remove(HHOOK& Handle) {
  if (!Handle) return;
  UnhookWindowsHookEx(Handle);
  Handle = 0;
}

}  // namespace

HHOOK BarHookHandle(int IdHook) {
  switch (IdHook) {
    case WH_KEYBOARD: return Handles().Keyboard;
    case WH_MOUSE: return Handles().Mouse;
    default: return Handles().CallWndProc;
  }
}

void InstallBarHooks(TdxBarManager* Manager) {
  TdxBarManagerList& managers = dxBarManagerList();
  bool listed = false;
  for (int i = 0; i < managers.Count(); ++i) listed = listed || managers.Items(i) == Manager;
  if (!listed) managers.Add(Manager);
  THookHandles& h = Handles();
  Install(h.Keyboard, WH_KEYBOARD, BarKeyboardHookProc);
  Install(h.Mouse, WH_MOUSE, BarMouseHookProc);
  Install(h.CallWndProc, WH_CALLWNDPROC, BarCallWndProcHookProc);
  CreateBarHintWindow();
}

void RemoveBarHooks(TdxBarManager* Manager) {
  dxBarManagerList().Remove(Manager);
  ReleaseBarHint(Manager);
  if (dxBarManagerList().Count() > 0) return;
  FreeBarHintWindow();
  THookHandles& h = Handles();
  Remove(h.CallWndProc);
  Remove(h.Mouse);
  Remove(h.Keyboard);
}

bool BarHooksInstalled() { return Handles().Keyboard != 0; }

TCustomForm* FormOfWindow(HWND Wnd) {
  TWinControl* control = FindParentControlOfWindow(Wnd);
  return control ? GetParentForm(control) : nullptr;
}

// A help request while a menu is open belongs to the form of that menu; every message of a form
// with a manager goes to the manager before the form. The activation messages and the end of an
// MDI child count as the frame's, whose manager follows the active child afterwards.
LRESULT BarCallWndProcHookProc(int Code, WPARAM Flag, LPARAM HookStruct) {
  auto* message = reinterpret_cast<CWPSTRUCT*>(HookStruct);
  HWND target = message->hwnd;
  const UINT msg = message->message;
  const bool mdi = (msg == WM_CHILDACTIVATE || msg == WM_DESTROY || msg == WM_MDIACTIVATE) && IsMDIClient(GetParent(target));
  if (mdi) target = GetParent(GetParent(target));
  TCustomdxBarControl* active = ActiveBarControl();
  if (msg == WM_HELP && active && active->BarManager()) {
    TCustomForm* form = active->BarManager()->OwnerForm();
    if (form && FormOfWindow(target) != form && form->HandleAllocated()) target = form->Handle();
  }
  auto* form = dynamic_cast<TCustomForm*>(FindControl(target));
  TdxBarManager* manager = ManagerOfForm(form);
  if (manager && (!mdi || msg == WM_DESTROY)) HandleOwnerFormMessage(manager, msg, message->wParam, message->lParam);
  const LRESULT result = CallNextHookEx(BarHookHandle(WH_CALLWNDPROC), Code, Flag, HookStruct);
  if (mdi && (manager = ManagerOfForm(form))) manager->MergeMDIChild();
  return result;
}
