// Buttons: push, check and drop-down styles, check groups, and what they tell their views.
#include "bars/dxBar.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarPopupMenu.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarSubMenu.h"

template <class F>
void TdxBarButton::ForEachButtonControl(F Notify) {
  for (int i = 0; i < LinkCount(); ++i)
    if (auto* control = dynamic_cast<TdxBarButtonControl*>(Links(i)->Control())) Notify(*control, *Links(i));
}

TdxBarButton* TdxBarButton::DownButtonOfGroup() const {
  TdxBarManager* manager = BarManager();
  if (!manager) return nullptr;
  for (int i = 0; i < manager->ItemCount(); ++i) {
    auto* other = dynamic_cast<TdxBarButton*>(manager->Items(i));
    if (other && other != this && other->FButtonStyle == bsChecked && other->FGroupIndex == FGroupIndex && other->FDown)
      return other;
  }
  return nullptr;
}

void TdxBarButton::SetAllowAllUp(bool Value) {
  FAllowAllUp = Value;
  if (FGroupIndex == 0 || !BarManager()) return;
  for (int i = 0; i < BarManager()->ItemCount(); ++i)
    if (auto* other = dynamic_cast<TdxBarButton*>(BarManager()->Items(i)); other && other->FGroupIndex == FGroupIndex)
      other->FAllowAllUp = Value;
}

// Unlike going up by a click, leaving a group or a style always releases the button.
void TdxBarButton::ReleaseDown() {
  if (!FDown) return;
  FDown = false;
  if (!IsLoading()) DownChanged();
}

void TdxBarButton::SetButtonStyle(TdxBarButtonStyle Value) {
  if (FButtonStyle == Value) return;
  ReleaseDown();
  FButtonStyle = Value;
  if (IsLoading()) return;
  ButtonStyleChanged();
  BarManagerModified(BarManager());
}

void TdxBarButton::SetDropDownEnabled(bool Value) {
  if (FDropDownEnabled == Value) return;
  FDropDownEnabled = Value;
  DropDownEnabledChanged();
}

void TdxBarButton::SetGroupIndex(int Value) {
  if (FButtonStyle != bsChecked) Value = 0;
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  ReleaseDown();
}

// In a group the button that was down goes up after this one went down; the last one down may
// go up only with AllowAllUp.
void TdxBarButton::SetDown(bool Value) {
  if (FDown == Value || (Value && FButtonStyle != bsChecked)) return;
  TdxBarButton* wasDown = nullptr;
  if (!IsLoading() && FButtonStyle == bsChecked && FGroupIndex != 0) {
    if (!Value && !FAllowAllUp && !DownButtonOfGroup()) return;
    if (Value) wasDown = DownButtonOfGroup();
  }
  FDown = Value;
  if (IsLoading()) return;
  DownChanged();
  if (wasDown) wasDown->SetDown(false);
}

void TdxBarButton::SetDropDownMenu(TdxBarPopupMenu* Value) {
  if (FDropDownMenu == Value) return;
  FDropDownMenu = Value;
  if (Value) Value->FreeNotification(this);
}

void TdxBarButton::SetLowered(bool Value) {
  if (FLowered == Value) return;
  FLowered = Value;
  Update();
}

void TdxBarButton::SetPaintStyle(TdxBarPaintStyle Value) {
  if (FPaintStyle == Value) return;
  FPaintStyle = Value;
  PaintStyleChanged();
}

void TdxBarButton::Click() {
  if (Enabled() && FButtonStyle == bsChecked) SetDown(!FDown);
  TdxBarItem::Click();
}

// On a toolbar the accelerator works only where the caption is painted.
bool TdxBarButton::IsAccelAvailable(const TdxBarItemLink* Link) const {
  if (!Enabled()) return false;
  if (!Link || !dynamic_cast<TdxBar*>(Link->Links()->Owner())) return true;
  return Link->PaintStyle() == psCaption || Link->PaintStyle() == psCaptionGlyph;
}

void TdxBarButton::ActionChange(TBasicAction* Sender, bool CheckDefaults) {
  const bool down = !CheckDefaults || !FDown;
  TdxBarItem::ActionChange(Sender, CheckDefaults);
  if (auto* action = dynamic_cast<TAction*>(Sender); action && down) SetDown(action->Checked());
}

bool TdxBarButton::IsDownStored() const { return !ActionLink() || !ActionLink()->IsCheckedLinked(); }

void TdxBarButton::ButtonStyleChanged() {
  ForEachButtonControl([](TdxBarButtonControl& c, TdxBarItemLink&) { c.ButtonStyleChanged(); });
}

void TdxBarButton::DownChanged() {
  ForEachButtonControl([](TdxBarButtonControl& c, TdxBarItemLink&) { c.DownChanged(); });
}

void TdxBarButton::DropDownEnabledChanged() {
  ForEachButtonControl([](TdxBarButtonControl& c, TdxBarItemLink&) { c.DropDownEnabledChanged(); });
}

void TdxBarButton::PaintStyleChanged() {
  ForEachButtonControl([](TdxBarButtonControl& c, TdxBarItemLink& link) {
    if (!(link.UserDefine() & UserDefineBit(udPaintStyle))) c.PaintStyleChanged();
  });
}

void TdxBarButton::Notification(TComponent* AComponent, TOperation Operation) {
  TdxBarItem::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent && AComponent == FDropDownMenu) FDropDownMenu = nullptr;
}

// The menu opens clear of the clicked link: beside it in a menu or on a vertical bar, below it on
// a horizontal bar; its button's view hears when it closed.
void TdxBarButton::DropDown(int X, int Y, bool ByMouse) {
  TdxBarItemLink* link = ClickedItemLink();
  auto* control = link ? dynamic_cast<TdxBarButtonControl*>(link->Control()) : nullptr;
  if (!FDropDownMenu || !control) return;
  const TRect r = control->Parent()->GetItemRect(control);
  const bool beside = control->IsInSubMenu() || IsVerticalBarControl(control->Parent());
  TdxBarSubMenuControl* menu = FDropDownMenu->DropDown(control, X, Y, beside ? r.Width() : 0, beside ? 0 : r.Height());
  if (ByMouse || !menu) return;
  if (TdxBarItemLink* first = FDropDownMenu->ItemLinks()->FirstSelectable()) menu->SelectControl(first->Control());
}
