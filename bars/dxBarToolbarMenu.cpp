// A toolbar in menu mode: taking the keyboard with a control selected, giving it back (the focus
// returns where it was), and the keys a toolbar adds: Esc, Enter and the arrows that open menus.
#include "bars/dxBar.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarToolbar.h"
#include "bars/dxBarUtils.h"
#include "controls/Application.h"
#include "controls/Forms.h"
#include "windows/Focus.h"
#include "windows/MessageQueue.h"

namespace {

// The bar window under the pointer, if any.
TCustomdxBarControl* BarControlUnderPointer() {
  TPoint p;
  GetCursorPos(p);
  return dynamic_cast<TCustomdxBarControl*>(FindControl(WindowAtScreenPoint(p)));
}

TdxBarItemControl* FirstKeyboardControl(const TdxBarItemLinks* Links) {
  if (!Links) return nullptr;
  const TdxBarItemLink* first = Links->FirstSelectable();
  for (const TdxBarItemLink* link = first; link; link = Links->NextSelectable(link)) {
    if (link->Control()->CanBeFirstSelected()) return link->Control();
    if (Links->NextSelectable(link) == first) break;
  }
  return nullptr;
}

}  // namespace

void TCustomdxBarControl::ResumeHotTracking() {
  ResetCursorPos();
  if (!HandleAllocated()) return;
  TPoint p;
  GetCursorPos(p);
  SendMessage(Handle(), WM_MOUSEMOVE, 0, PointToLParam(ScreenToClient(p)));
}

void TdxBarControl::EnterMenuMode(TdxBarItemControl* Control) {
  TCustomdxBarControl* under = BarControlUnderPointer();
  if (under && under != this && under->HandleAllocated()) EndMouseLeaveTracking(under->Handle());
  TdxBarManager* manager = BarManager();
  TCustomForm* form = manager ? manager->OwnerForm() : nullptr;
  if (form) form->SendCancelMode(nullptr);
  FFocusBeforeMenu = GetFocus();
  if (form && form->HandleAllocated() && !IsCustomizing())
    SetWindowPos(form->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (!Control) Control = FirstKeyboardControl(ItemLinks());
  SelectControl(Control);
  SetMenuMode(true);
  if (manager) manager->SetKeyboardModeBarControl(this);
}

void TdxBarControl::ExitMenuMode() {
  TdxBarManager* manager = BarManager();
  if (!manager || manager->KeyboardModeBarControl() != this) return;
  manager->SetKeyboardModeBarControl(nullptr);
  SelectControl(nullptr);
  SetMenuMode(false);
  if (TCustomdxBarControl* under = BarControlUnderPointer()) under->ResumeHotTracking();
  TCustomForm* form = manager->OwnerForm();
  if (Application && Application->Active() && form && form->Active() && IsWindowVisible(FFocusBeforeMenu))
    ::SetFocus(FFocusBeforeMenu);
}

void TdxBarControl::LeaveMenuMode() {
  ExitMenuMode();
  if (IsBarControlAlive(this)) SetMenuMode(false);
}

void TdxBarControl::CloseMenus() {
  ExitMenuMode();
  if (IsBarControlAlive(this)) TCustomdxBarControl::CloseMenus();
}

// After the keys every bar window takes: Esc leaves, Enter activates the selected control, and Up
// and Down open a selected sub item's menu.
bool TdxBarControl::HandleKeyDown(TMessage& Message) {
  if (TCustomdxBarControl::HandleKeyDown(Message)) return true;
  if (!ActiveBarControl()) return false;
  TdxBarItemControl* selected = SelectedControl();
  switch (Message.WParam) {
    case VK_ESCAPE: CloseMenus(); return true;
    case VK_RETURN:
      if (selected) selected->ActivateByKey();
      return true;
    case VK_UP:
    case VK_DOWN:
      if (auto* subItem = dynamic_cast<TdxBarSubItemControl*>(selected)) subItem->ControlActivate(true);
      return true;
    default: return false;
  }
}
