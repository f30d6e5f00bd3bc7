// Popup menu links: which control a popup menu belongs to, and showing it for a request made by
// the mouse or the keyboard in that control.
#include "bars/dxBarPopupMenuLinks.h"

#include "bars/dxBarManager.h"
#include "bars/dxBarPopupMenu.h"
#include "controls/Forms.h"
#include "windows/Caret.h"
#include "windows/Focus.h"
#include "windows/MessageQueue.h"
#include "windows/Window.h"

TdxBarPopupMenuLink::TdxBarPopupMenuLink(TCollection* Collection) : TCollectionItem(Collection) {}

void TdxBarPopupMenuLink::Assign(const TPersistent* Source) {
  if (const auto* link = dynamic_cast<const TdxBarPopupMenuLink*>(Source)) {
    SetControl(link->Control());
    SetPopupMenu(link->PopupMenu());
    return;
  }
  TCollectionItem::Assign(Source);
}

TdxBarManager* TdxBarPopupMenuLink::BarManager() const {
  const auto* links = dynamic_cast<const TdxBarPopupMenuLinks*>(Collection());
  return links ? links->BarManager() : nullptr;
}

void TdxBarPopupMenuLink::SetControl(TWinControl* Value) {
  TdxBarManager* manager = BarManager();
  if (Value && (!manager || GetParentForm(Value) != manager->OwnerForm())) Value = nullptr;
  FControl = Value;
  if (Value) Value->FreeNotification(manager);
}

void TdxBarPopupMenuLink::SetPopupMenu(TdxBarPopupMenu* Value) {
  FPopupMenu = Value;
  if (Value && BarManager()) Value->FreeNotification(BarManager());
}

namespace {

// From the keyboard the menu goes to the caret when Window shows one, else to its corner.
TPoint KeyboardPoint(HWND Window) {
  TPoint p{0, 0};
  if (HideCaret(Window)) {
    ShowCaret(Window);
    GetCaretPos(p);
  }
  return p;
}

TPoint MapPoint(HWND From, HWND To, TPoint P) {
  MapWindowPoints(From, To, &P, 1);
  return P;
}

}  // namespace

bool TdxBarPopupMenuLink::ShowPopup(HWND Window, TPoint Point) {
  MSG pending;
  PeekMessage(pending, Window, WM_CONTEXTMENU, WM_CONTEXTMENU, PM_REMOVE);
  const bool byMouse = Point.X != -1;
  TPoint p = byMouse ? MapPoint(HWND(), Window, Point) : KeyboardPoint(Window);
  const HWND control = FControl->Handle();
  bool handled = false;
  FControl->DoContextPopup(byMouse ? MapPoint(Window, control, p) : TPoint{-1, -1}, handled);
  if (handled) return true;
  bool allow = FPopupMenu != nullptr;
  if (OnAction) {
    TPoint at = MapPoint(Window, control, p);
    OnAction(this, at.X, at.Y, byMouse, allow);
    p = MapPoint(control, Window, at);
  }
  if (!allow || !FPopupMenu) return allow;
  if (IsWindowEnabled(Window)) SetFocus(Window);
  const TPoint screen = MapPoint(Window, HWND(), p);
  FPopupMenu->Popup(screen.X, screen.Y);
  return true;
}

TdxBarPopupMenuLinks::TdxBarPopupMenuLinks(TdxBarManager* Manager)
    : TCollection(TCollection::ItemClassOf<TdxBarPopupMenuLink>(), Manager), FBarManager(Manager) {}

bool TdxBarPopupMenuLinks::ShowPopupForControl(TWinControl* Control, HWND Window, TPoint Point) {
  if (!Control || FBarManager->IsDesigning()) return false;
  for (int i = 0; i < Count(); ++i) {
    TdxBarPopupMenuLink* link = Items(i);
    if (link->Control() == Control && link->ShowPopup(Window, Point)) return true;
  }
  return false;
}

bool ShowLinkedPopupMenu(HWND Wnd, TPoint Point) {
  TWinControl* control = nullptr;
  for (HWND w = Wnd; w && !control; w = GetParent(w)) control = FindControl(w);
  TdxBarManager* manager = control ? ManagerOfForm(GetParentForm(control)) : nullptr;
  return manager && manager->PopupMenuLinks()->ShowPopupForControl(control, Wnd, Point);
}

void TdxBarPopupMenuLinks::ComponentRemoved(const TComponent* AComponent) {
  for (int i = 0; i < Count(); ++i) {
    TdxBarPopupMenuLink* link = Items(i);
    if (link->Control() == AComponent) link->SetControl(nullptr);
    if (link->PopupMenu() == AComponent) link->SetPopupMenu(nullptr);
  }
}
