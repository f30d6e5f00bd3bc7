// The item-control base: what it tells its window, what it answers, and the click path that
// turns a click on a bar or menu into the item's command.
#include "bars/dxBarItemControl.h"

#include <unordered_set>

#include "bars/dxBar.h"
#include "bars/dxBarControl.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarSubMenu.h"
#include "bars/dxBarToolbar.h"
#include "bars/dxBarUtils.h"

namespace {

std::unordered_set<const TdxBarItemControl*>& LiveControls() {
  static std::unordered_set<const TdxBarItemControl*> controls;
  return controls;
}

}  // namespace

bool IsItemControlAlive(const TdxBarItemControl* Control) { return Control && LiveControls().count(Control) != 0; }

TdxBarItemControl::TdxBarItemControl(TdxBarItemLink* Link) : FItemLink(Link), FParent(Link->Links()->BarControl()) {
  LiveControls().insert(this);
}

// A control that goes is no longer the selected one of its window or of its manager.
TdxBarItemControl::~TdxBarItemControl() {
  LiveControls().erase(this);
  if (FParent) FParent->ForgetSelectedControl(this);
  TdxBarManager* manager = FItemLink->BarManager();
  if (manager && manager->SelectedItemControl() == this) manager->SetSelectedItemControl(nullptr);
}

TdxBarItem* TdxBarItemControl::Item() const { return FItemLink->Item(); }

bool TdxBarItemControl::IsInSubMenu() const { return dynamic_cast<TdxBarSubMenuControl*>(FParent) != nullptr; }

void TdxBarItemControl::RelayoutParent() {
  if (FParent && !FParent->Locked()) FParent->RecalcLayout();
}

void TdxBarItemControl::Repaint() {
  if (FParent) FParent->RepaintItem(this);
}

void TdxBarItemControl::SetPressed(bool Value) {
  if (FPressed == Value) return;
  FPressed = Value;
  PressedChanged();
}

void TdxBarItemControl::PressedChanged() {
  if (!FPressed) Repaint();
}

void TdxBarItemControl::SetHot(bool Value) {
  if (FHot == Value) return;
  FHot = Value;
  Repaint();
}

void TdxBarItemControl::EnabledChanged() {
  if (!IsEnabled() && FParent && FParent->SelectedControl() == this) FParent->SelectControl(nullptr);
  Repaint();
}

void TdxBarItemControl::ShortCutChanged() {
  if (IsInSubMenu()) RelayoutParent();
}

// --- clicks ---------------------------------------------------------------------------------------

bool TdxBarItemControl::IsCustomizable() const {
  return Item() && FItemLink->BarManager() == Item()->BarManager();
}

bool TdxBarItemControl::IsCustomizableNow() const { return !FParent || !FParent->IsCustomizing() || IsCustomizable(); }

void TdxBarItemControl::ControlActivate(bool) { FActive = true; }

void TdxBarItemControl::ControlInactivate(bool) { FActive = false; }

// The command may close the window (or the form): nothing is touched once it went.
void TdxBarItemControl::Click(bool ByMouse) {
  if (!IsEnabled()) return;
  TCustomdxBarControl* parent = FParent;
  BeforeClick(ByMouse);
  if (IsBarControlAlive(parent) && IsItemControlAlive(this) && parent->IsControlOfLink(this)) ControlClick(ByMouse);
}

// The use is counted on the link the user chose (a generated link's container link too), the
// menus close all the way to the toolbar, and then the command runs.
void TdxBarItemControl::ControlClick(bool) {
  if (IsInSubMenu() && dynamic_cast<TdxBarButtonControl*>(this)) PlayMenuSound(msMenuCommand);
  TdxBarItemLink* link = FItemLink;
  TdxBarItemLink* source = link->SourceLink();
  const bool closes = ClosesMenusOnClick();
  if (closes) {
    source->MarkUsed(true);
    if (source != link) link->MarkUsed(true);
  }
  TdxBarItem* item = Item();
  auto* button = dynamic_cast<TdxBarButton*>(item);
  const bool staysPressed = !button || button->UnclickAfterDoing();
  TCustomdxBarControl* parent = FParent;
  const bool executes = ExecutesItem();
  if (staysPressed && (!closes || !IsInSubMenu())) SetPressed(true);
  // Closing a menu may free it with this control.
  if (closes) parent->CloseMenus();
  if (executes && item) {
    item->SetClickedItemLink(link);
    item->DirectClick();
    item->SetClickedItemLink(nullptr);
  }
  if (IsBarControlAlive(parent) && IsItemControlAlive(this)) SetPressed(false);
}

// --- answers --------------------------------------------------------------------------------------

String TdxBarItemControl::GetCaption() const { return FItemLink->Caption(); }

bool TdxBarItemControl::IsEnabled() const { return Item() && Item()->Enabled(); }

const TBitmap* TdxBarItemControl::GetGlyph() const { return FItemLink->Glyph(); }

int TdxBarItemControl::GetImageIndex() const { return Item() ? Item()->ImageIndex() : -1; }

TImageList* TdxBarItemControl::GetImages() const {
  return FItemLink->BarManager() ? FItemLink->BarManager()->Images() : nullptr;
}

TImageList* TdxBarItemControl::GetHotImages() const {
  return FItemLink->BarManager() ? FItemLink->BarManager()->HotImages() : nullptr;
}

String TdxBarItemControl::GetHint() const { return Item() ? Item()->Hint() : String(); }

TShortCut TdxBarItemControl::GetShortCut() const { return Item() ? Item()->ShortCut() : TShortCut(0); }

bool TdxBarItemControl::IsRotated() const { return IsRotatedBarControl(FParent); }

bool TdxBarItemControl::IsFlat() const {
  const TdxBarManager* manager = FItemLink->BarManager();
  return manager && manager->IsFlat();
}

int TdxBarItemControl::ParentItemHeight() const { return FParent ? FParent->TextSize() : 0; }

TSize TdxBarItemControl::TextExtent(const String& Text) const {
  TCanvas& canvas = ScreenCanvas();
  if (FParent) canvas.SetFont(FParent->Font());
  return TSize{canvas.TextWidth(Text), canvas.TextHeight(Text)};
}

int TdxBarItemControl::CaptionWidth() const { return TextExtent(StripAccelerators(GetCaption())).cx; }

bool TdxBarItemControl::IsSelected() const { return FParent && FParent->SelectedControl() == this; }
