// Menu items and their tree, menus and their short cuts, popup menus, and the menu classes'
// published properties.
#include "controls/Menus.h"
#include "controls/ControlClasses_p.h"

#include <algorithm>

#include "classes/Properties.h"
#include "controls/ActnList.h"
#include "controls/Control.h"
#include "windows/Focus.h"

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
  if (FParent) FParent->Remove(this);
  Clear();
}

void TMenuItem::SetChecked(bool Value) {
  FChecked = Value;
  if (!Value || !FRadioItem || !FParent) return;
  for (TMenuItem* sibling : FParent->FItems)
    if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex) sibling->FChecked = false;
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (Item->FParent) throw EInvalidOperation("菜单项已在另一个菜单中。");
  if (Index < 0 || Index > Count()) throw EListError("菜单项索引超出范围。");
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* Item) {
  std::erase(FItems, Item);
  if (Item->FParent == this) Item->FParent = nullptr;
}

void TMenuItem::Clear() {
  while (!FItems.empty()) FItems.back()->Free();
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
  const auto it = std::find(FItems.begin(), FItems.end(), Item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TMenuItem* TMenuItem::FindShortCut(TShortCut Value) {
  for (TMenuItem* item : FItems) {
    if (!item->FVisible) continue;
    if (item->FShortCut == Value) return item;
    if (TMenuItem* inner = item->FindShortCut(Value)) return inner;
  }
  return nullptr;
}

void TMenuItem::Click() {
  if (OnClick) {
    OnClick(this);
  } else if (FActionLink) {
    FActionLink->Execute(this);
  }
}

TBasicAction* TMenuItem::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TMenuItem::SetAction(TBasicAction* Value) {
  BindClientAction(FActionLink, this, Value, [this](TBasicAction* action, bool checkDefaults) {
    ActionChange(action, checkDefaults);
  });
}

void TMenuItem::ActionChange(TBasicAction* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TAction*>(Sender);
  if (!action) return;
  if (!CheckDefaults || FCaption.empty()) FCaption = action->Caption();
  if (!CheckDefaults || FEnabled) FEnabled = action->Enabled();
  if (!CheckDefaults || !FChecked) SetChecked(action->Checked());
  if (!CheckDefaults || FVisible) FVisible = action->Visible();
  if (!CheckDefaults || FHint.empty()) FHint = action->Hint();
  if (!CheckDefaults || FShortCut == scNone) FShortCut = action->ShortCut();
  if (!CheckDefaults || FImageIndex < 0) FImageIndex = action->ImageIndex();
}

TComponent* TMenuItem::GetParentComponent() const {
  if (!FParent) return nullptr;
  if (FParent->FMenu) return FParent->FMenu;
  return FParent;
}

void TMenuItem::SetParentComponent(TComponent* Value) {
  if (auto* menu = dynamic_cast<TMenu*>(Value)) {
    menu->Items()->Add(this);
  } else if (auto* item = dynamic_cast<TMenuItem*>(Value)) {
    item->Add(this);
  }
}

void TMenuItem::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  for (TMenuItem* item : FItems)
    if (item->Owner() == Root) Proc(item);
}

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr)) {
  FItems->FMenu = this;
}

TMenu::~TMenu() = default;

bool TMenu::IsShortCut(WORD Key, TShiftState Shift) {
  const TShortCut wanted = ::ShortCut(Key, Shift);
  if (wanted == scNone) return false;
  TMenuItem* item = FItems->FindShortCut(wanted);
  if (!item) return false;
  if (item->FActionLink) item->FActionLink->Update();
  if (item->Enabled()) item->Click();
  return true;
}

void TMenu::GetChildren(const TGetChildProc& Proc, TComponent* Root) { FItems->GetChildren(Proc, Root); }

void TPopupMenu::Popup(int X, int Y) {
  if (OnPopup) OnPopup(this);
  if (TMenuItem* chosen = TrackPopupMenu(Items(), TPoint{X, Y}, GetActiveWindow())) chosen->Click();
}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
  if (FPopupComponent == Value) return;
  FPopupComponent = Value;
  if (Value) Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TMenu::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

bool PopupMenuHandler(TPopupMenu* Menu, TControl* Control, TPoint ScreenPoint) {
  if (!Menu->AutoPopup()) return false;
  Menu->SetPopupComponent(Control);
  Menu->Popup(ScreenPoint.X, ScreenPoint.Y);
  return true;
}

void RegisterMenuClasses() {
  RegisterClass<TMenuItem, TComponent>("TMenuItem", [](TClassBuilder<TMenuItem>& c) {
    c.Property("Action", &TMenuItem::Action, &TMenuItem::SetAction);
    c.Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
    c.Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false);
    c.Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true);
    c.Property("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).Default(0);
    c.Property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
    c.Property("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex).Default(-1);
    c.Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(false);
    c.Property("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).Default(0);
    c.Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true);
    c.Event("OnClick", &TMenuItem::OnClick);
  });
  RegisterClass<TMenu, TComponent>("TMenu");
  RegisterClass<TMainMenu, TMenu>("TMainMenu");
  RegisterClass<TPopupMenu, TMenu>("TPopupMenu", [](TClassBuilder<TPopupMenu>& c) {
    c.Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
    c.Event("OnPopup", &TPopupMenu::OnPopup);
  });
}
