// The menu's vertical layout: its metrics, the rectangles of its links from the first one shown,
// the scroll arrows, the expand button and the detach strip, and the size the links need.
#include <algorithm>

#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarPopupMenu.h"
#include "bars/dxBarSubMenu.h"
#include "graphics/Gdi.h"

namespace {

constexpr int kEmptyMenuWidth = 100;
constexpr int kDetachStripHigh = 7;

TCustomdxBarSubItem* SubItemOf(const TdxBarItemLinks* Links) {
  return Links ? dynamic_cast<TCustomdxBarSubItem*>(Links->Owner()) : nullptr;
}

}  // namespace

int TdxBarSubMenuControl::GetSeparatorSize() const { return BarManager() && BarManager()->IsFlat() ? 5 : 10; }

HBRUSH TdxBarSubMenuControl::GetBackgroundBrush() const {
  return GetSysColorBrush(BarManager() && BarManager()->IsFlat() ? COLOR_WINDOW : COLOR_BTNFACE);
}

int TdxBarSubMenuControl::Margin() const { return BarManager() && BarManager()->IsFlat() ? 1 : 2; }

// The height of "0" + 1; when half of what exceeds 6 is odd, one step less.
int TdxBarSubMenuControl::ExpandButtonHeight() const {
  TCanvas& canvas = ScreenCanvas();
  canvas.SetFont(Font());
  int height = canvas.TextHeight("0") + 1;
  const int half = (height - 6) / 2;
  if (half % 2 != 0) height = 2 * (half - 1) + 6;
  return height;
}

int TdxBarSubMenuControl::DetachStripHeight() const { return BarManager() && BarManager()->IsFlat() ? 8 : 10; }

int TdxBarSubMenuControl::ScrollArrowHeight() const { return std::max(ExpandButtonHeight(), 10); }

int TdxBarSubMenuControl::SideBarWidth() const {
  if (TCustomdxBarSubItem* subItem = SubItemOf(ItemLinks())) return subItem->BarSize();
  auto* popup = ItemLinks() ? dynamic_cast<TdxBarPopupMenu*>(ItemLinks()->Owner()) : nullptr;
  return popup ? popup->BarSize() : 0;
}

bool TdxBarSubMenuControl::Detachable() const {
  TCustomdxBarSubItem* subItem = SubItemOf(ItemLinks());
  return subItem && subItem->Detachable();
}

int TdxBarSubMenuControl::ItemAreaTop() const {
  return (Detachable() ? DetachStripHeight() : Margin()) + (TopArrowShown() ? ScrollArrowHeight() : 0);
}

// Where the links end: the client height less the margin, and less the expand button while the
// menu shows its recent links only.
int TdxBarSubMenuControl::ItemAreaBottom() const {
  return ClientHeight() - Margin() - (HasMark() ? ExpandButtonHeight() : 0);
}

TRect TdxBarSubMenuControl::ExpandButtonRect() const {
  if (!HasMark()) return TRect{};
  const int bottom = ClientHeight() - Margin();
  return TRect{SideBarWidth() + Margin(), bottom - ExpandButtonHeight(), ClientWidth() - Margin(), bottom};
}

TRect TdxBarSubMenuControl::TopArrowRect() const {
  if (!TopArrowShown()) return TRect{};
  const int top = Detachable() ? DetachStripHeight() : Margin();
  return TRect{SideBarWidth() + Margin(), top, ClientWidth() - Margin(), top + ScrollArrowHeight()};
}

TRect TdxBarSubMenuControl::BottomArrowRect() const {
  if (!FBottomArrow) return TRect{};
  const int bottom = ItemAreaBottom();
  return TRect{SideBarWidth() + Margin(), bottom - ScrollArrowHeight(), ClientWidth() - Margin(), bottom};
}

TRect TdxBarSubMenuControl::DetachStripRect() const {
  if (!Detachable()) return TRect{};
  const int inset = BarManager() && BarManager()->IsFlat() ? 2 : 3;
  return TRect{inset, 1, ClientWidth() - inset, 1 + kDetachStripHigh};
}

// Rarely used links are marked while an expanded menu shows its recent links first, with the
// edge where a run of them starts or ends; a link that begins a group (not the first shown) has
// the separator above it.
int TdxBarSubMenuControl::RareLinksFrom() const {
  TdxBarItemLinks* links = ItemLinks();
  const bool marksUsage = BarManager() && BarManager()->ShowRecentItemsFirst() && !HasMark() && links->UseRecentItemsInEffect();
  return marksUsage ? links->CalcRecentItemCount() : -1;
}

bool TdxBarSubMenuControl::LayOutLinks(int Top, int Limit) {
  TdxBarItemLinks* links = ItemLinks();
  const bool flat = BarManager() && BarManager()->IsFlat();
  const int recent = RareLinksFrom();
  const int left = SideBarWidth() + Margin(), right = ClientWidth() - Margin();
  int y = Top;
  bool previousRare = false;
  for (int i = FTopIndex; i < links->ShownItemCount(); ++i) {
    TdxBarItemLink* link = links->ShownItems(i);
    TdxBarItemControl* control = link->Control();
    if (!control) continue;
    const bool rare = recent >= 0 && link->RecentIndex() >= recent;
    control->SetRarelyUsed(rare);
    control->SetBoundaryEdge(i > FTopIndex && rare != previousRare);
    previousRare = rare;
    int top = y + (control->BoundaryEdge() && !flat ? 1 : 0);
    if (link->BeginGroup() && i > FTopIndex) top += GetSeparatorSize();
    const int bottom = top + control->GetHeight();
    if (bottom > Limit && i > FTopIndex) return false;
    link->SetItemRect(TRect{left, top, right, bottom});
    y = bottom;
  }
  return true;
}

void TdxBarSubMenuControl::CalcControlsPositions() {
  TdxBarItemLinks* links = ItemLinks();
  if (!links) return;
  links->ClearItemRects();
  FBottomArrow = false;
  if (LayOutLinks(ItemAreaTop(), ItemAreaBottom())) return;
  links->ClearItemRects();
  FBottomArrow = true;
  LayOutLinks(ItemAreaTop(), ItemAreaBottom() - ScrollArrowHeight());
}

// The widest control beside the side bar, and every shown link one below the other.
TSize TdxBarSubMenuControl::CalcClientSize() {
  TdxBarItemLinks* links = ItemLinks();
  const bool flat = BarManager() && BarManager()->IsFlat();
  const int recent = links ? RareLinksFrom() : -1;
  int width = 0, height = 0;
  bool previousRare = false;
  for (int i = 0; links && i < links->ShownItemCount(); ++i) {
    TdxBarItemLink* link = links->ShownItems(i);
    if (!link->Control()) link->CreateControl();
    TdxBarItemControl* control = link->Control();
    if (!control) continue;
    const bool rare = recent >= 0 && link->RecentIndex() >= recent;
    const bool edge = i > 0 && rare != previousRare;
    previousRare = rare;
    width = std::max(width, control->GetWidth());
    if (link->BeginGroup() && i > 0) height += GetSeparatorSize();
    height += control->GetHeight() + (edge && !flat ? 1 : 0);
  }
  if (height == 0) {
    width = kEmptyMenuWidth - SideBarWidth() - 2 * Margin() - 2;
    height = TextSize() + (flat ? 2 : 0);
  }
  const int top = Detachable() ? DetachStripHeight() : Margin();
  return TSize{width + SideBarWidth() + 2 * Margin(), top + height + (HasMark() ? ExpandButtonHeight() : 0) + Margin()};
}

void TdxBarSubMenuControl::SetTopIndex(int Value) {
  const int count = ItemLinks() ? ItemLinks()->ShownItemCount() : 0;
  Value = std::max(0, std::min(Value, count - 1));
  if (Value == FTopIndex) return;
  FTopIndex = Value;
  CalcControlsPositions();
  if (HandleAllocated()) Invalidate();
}

// Laid out in place: size and placement again; a menu scrolled to its end scrolls back while
// the links that follow still fit.
void TdxBarSubMenuControl::RecalcLayout() {
  if (!HandleAllocated() || DestroyingControls() || FAnimating) return;
  Place();
  while (TopArrowShown() && !FBottomArrow) {
    --FTopIndex;
    CalcControlsPositions();
    if (FBottomArrow) {
      ++FTopIndex;
      CalcControlsPositions();
      break;
    }
  }
  Invalidate();
}
