// Popup menus: their manager, links and font, and showing them: the menu window at a point, with
// the loop that holds the caller until the menu closes.
#include "bars/dxBarPopupMenu.h"

#include <utility>

#include "bars/dxBarItemControl.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarSubMenu.h"
#include "controls/Forms.h"
#include "windows/Focus.h"
#include "windows/MessageQueue.h"

TdxBarPopupMenu::TdxBarPopupMenu(TComponent* AOwner) : TComponent(AOwner) {
  if (dxBarManagerList().Count() == 0) throw Exception(dxBarLoadStr(sdxBarNoManagers));
  TdxBarManager* manager = ManagerOfForm(dynamic_cast<TCustomForm*>(AOwner));
  if (!manager) manager = dxBarManagerList().Items(0);
  FFont.Follow(manager->Font());
  FItemLinks = std::make_unique<TdxBarItemLinks>(manager, this);
  FItemLinks->SetUseRecentItems(false);
  SetBarManager(manager);
}

TdxBarPopupMenu::~TdxBarPopupMenu() {
  *FAlive = false;
  if (auto* menu = dynamic_cast<TdxBarSubMenuControl*>(FItemLinks->BarControl())) {
    menu->OnCloseMenu = nullptr;
    menu->CloseMenu();
  }
  FItemLinks.reset();
  if (FBarManager) FBarManager->UnregisterPopupMenu(this);
}

void TdxBarPopupMenu::SetBarManager(TdxBarManager* Value) {
  if (FBarManager == Value || (!Value && !(ComponentState() & csDestroying))) return;
  if (FBarManager) FBarManager->UnregisterPopupMenu(this);
  FBarManager = Value;
  if (FBarManager) FBarManager->RegisterPopupMenu(this);
  if (FItemLinks) FItemLinks->SetBarManager(Value);
}

void TdxBarPopupMenu::SetUseOwnFont(bool Value) {
  FFont.SetUseOwnFont(Value, FBarManager ? FBarManager->Font() : nullptr);
}

void TdxBarPopupMenu::TakeManagerFont() {
  if (FBarManager) FFont.Follow(FBarManager->Font());
}

void TdxBarPopupMenu::DoPaintBar(TCanvas* Canvas, const TRect& R) {
  if (OnPaintBar) OnPaintBar(this, Canvas, R);
}

void TdxBarPopupMenu::Loaded() {
  TComponent::Loaded();
  FItemLinks->ApplyStoredUsage(true);
}

// --- showing --------------------------------------------------------------------------------------

TCustomForm* TdxBarPopupMenu::Form() const {
  if (auto* form = dynamic_cast<TCustomForm*>(Owner())) return form;
  return FBarManager ? FBarManager->OwnerForm() : nullptr;
}

// The form's focused control and whatever holds the mouse (a grid after a right click) let go.
void TdxBarPopupMenu::CancelModes() {
  if (TCustomForm* form = Form()) form->SendCancelMode(nullptr);
  if (const HWND capture = GetCapture()) {
    SendMessage(capture, CM_CANCELMODE);
    ReleaseCapture();
  }
}

TdxBarSubMenuControl* TdxBarPopupMenu::ShowMenu(int X, int Y, TdxBarItemControl* Opener) {
  auto* menu = static_cast<TdxBarSubMenuControl*>(FItemLinks->CreateBarControl());
  menu->SetParentItemControl(Opener);
  menu->SetOpeningExtent(FOwnerWidth, FOwnerHeight);
  menu->OnShowMenu = [this](TObject*) {
    if (OnPopup) OnPopup(this);
  };
  menu->OnCloseMenu = [this](TObject*) { MenuClosed(); };
  menu->SetAnimate(FAnimate);
  menu->Popup(X, Y);
  return menu;
}

void TdxBarPopupMenu::MenuClosed() {
  FPoppedUp = false;
  if (OnCloseUp) OnCloseUp(this);
  if (TdxBarButtonControl* control = std::exchange(FDropDownControl, nullptr); control && IsItemControlAlive(control))
    control->DropDownClosed();
}

void TdxBarPopupMenu::Popup(int X, int Y) {
  if (FItemLinks->BarControl()) return;
  CancelModes();
  const std::shared_ptr<bool> alive = FAlive;
  FPoppedUp = true;
  ShowMenu(X, Y, nullptr);
  if (*alive && FPoppedUp) RunLoop();
}

// Until the menu closes: WM_COMMAND goes nowhere, WM_QUIT ends the loop and is posted again for
// the loop outside, and a message taken after the menu closed is posted back for the caller.
void TdxBarPopupMenu::RunLoop() {
  const std::shared_ptr<bool> alive = FAlive;
  MSG msg;
  while (true) {
    if (!GetMessage(msg, HWND(), 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (!*alive || !FPoppedUp) {
      PostMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
      return;
    }
    if (msg.message == WM_COMMAND) continue;
    TranslateMessage(msg);
    DispatchMessage(msg);
    if (!*alive || !FPoppedUp) return;
  }
}

void TdxBarPopupMenu::PopupEx(int X, int Y, int OwnerWidth, int OwnerHeight, bool Animate) {
  FOwnerWidth = OwnerWidth;
  FOwnerHeight = OwnerHeight;
  FAnimate = Animate;
  const std::shared_ptr<bool> alive = FAlive;
  Popup(X, Y);
  if (!*alive) return;
  FOwnerWidth = FOwnerHeight = 0;
  FAnimate = true;
}

TdxBarSubMenuControl* TdxBarPopupMenu::DropDown(TdxBarButtonControl* Control, int X, int Y, int OwnerWidth, int OwnerHeight) {
  if (FItemLinks->BarControl()) return nullptr;
  CancelModes();
  FOwnerWidth = OwnerWidth;
  FOwnerHeight = OwnerHeight;
  FDropDownControl = Control;
  TdxBarSubMenuControl* menu = ShowMenu(X, Y, Control);
  FOwnerWidth = FOwnerHeight = 0;
  return IsBarControlAlive(menu) ? menu : nullptr;
}
