// The sub item's view: opening its menu (at once on a toolbar in menu mode and from the keyboard,
// after the hover delay in a menu), closing it (again after the delay when the pointer only
// passed on), its size and its face; and the container item's view, shown in parentheses.
#include <algorithm>
#include <utility>

#include "bars/dxBar.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarItemPaint_p.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarUtils.h"

namespace {

constexpr UINT kSubItemDelay = 400;

// The one control in the program waiting for its delay, and whether it waits to open or to close.
struct TSubItemDelay {
  TdxBarSubItemControl* Control = nullptr;
  bool Closing = false;
  TdxBarThreadTimer Timer;
};

TSubItemDelay& Delay() {
  static TSubItemDelay delay;
  return delay;
}

void StopDelay() {
  Delay().Timer.Stop();
  Delay().Control = nullptr;
}

void DelayExpired() {
  TdxBarSubItemControl* control = Delay().Control;
  const bool closing = Delay().Closing;
  StopDelay();
  if (!IsItemControlAlive(control)) return;
  if (closing) {
    control->CloseSubMenu();
  } else {
    control->OpenSubMenu(false);
  }
}

void StartDelay(TdxBarSubItemControl* Control, bool Closing) {
  Delay().Control = Control;
  Delay().Closing = Closing;
  Delay().Timer.Start(kSubItemDelay, DelayExpired);
}

TCustomdxBarSubItem* SubItemOf(const TdxBarItemControl* Control) {
  return dynamic_cast<TCustomdxBarSubItem*>(Control->Item());
}

bool IsDesigning(const TdxBarItemControl* Control) {
  const TdxBarManager* manager = Control->ItemLink()->BarManager();
  return manager && manager->IsDesigning();
}

}  // namespace

void CancelSubItemDelay() {
  TdxBarSubItemControl* control = Delay().Control;
  const bool closing = Delay().Closing;
  StopDelay();
  if (closing && IsItemControlAlive(control)) control->CloseSubMenu();
}

bool IsSubItemDelayPending() { return Delay().Control != nullptr; }

TdxBarSubItemControl::~TdxBarSubItemControl() {
  if (Delay().Control == this) StopDelay();
  if (TdxBarSubMenuControl* menu = GetSubMenu()) {
    menu->SetParentItemControl(nullptr);
    menu->CloseMenu();
    if (IsBarControlAlive(menu)) delete menu;
  }
}

TdxBarSubMenuControl* TdxBarSubItemControl::GetSubMenu() const {
  const TCustomdxBarSubItem* item = SubItemOf(this);
  auto* menu = item ? dynamic_cast<TdxBarSubMenuControl*>(item->ItemLinks()->BarControl()) : nullptr;
  return menu && menu->ParentItemControl() == this ? menu : nullptr;
}

// --- opening and closing --------------------------------------------------------------------------

void TdxBarSubItemControl::ControlActivate(bool Immediately) {
  if (GetSubMenu()) {
    if (Delay().Control == this) StopDelay();
    TdxBarItemControl::ControlActivate(Immediately);
    return;
  }
  const TCustomdxBarSubItem* item = SubItemOf(this);
  if (auto* other = item ? dynamic_cast<TdxBarSubMenuControl*>(item->ItemLinks()->BarControl()) : nullptr) {
    auto* opener = dynamic_cast<TdxBarSubItemControl*>(other->ParentItemControl());
    if (IsItemControlAlive(opener)) opener->CloseSubMenu();
  }
  TdxBarItemControl::ControlActivate(Immediately);
  if (!IsEnabled() && !IsDesigning(this)) return;
  const bool customizing = Parent()->IsCustomizing();
  if (!IsInSubMenu()) {
    if (Parent()->MenuMode() || customizing) OpenAtOnce(Immediately);
    return;
  }
  if (Immediately || customizing) {
    OpenAtOnce(Immediately);
    return;
  }
  CancelSubItemDelay();
  StartDelay(this, false);
}

void TdxBarSubItemControl::ControlInactivate(bool Immediately) {
  TdxBarItemControl::ControlInactivate(Immediately);
  const bool waits = IsInSubMenu() && !Immediately && !IsSubItemDelayPending() && !Parent()->Locked() &&
                     !Parent()->IsCustomizing() && GetSubMenu();
  if (waits) {
    StartDelay(this, true);
  } else {
    CloseSubMenu();
  }
}

void TdxBarSubItemControl::OpenSubMenu(bool ByKeyboard) {
  if (Delay().Control == this) StopDelay();
  TCustomdxBarSubItem* item = SubItemOf(this);
  if (!item || GetSubMenu() || !CanOpen()) return;
  TCustomdxBarControl* parent = Parent();
  item->Popup();
  if (!IsItemControlAlive(this)) return;
  item->DirectClick();
  if (!IsItemControlAlive(this) || !IsBarControlAlive(parent) || GetSubMenu()) return;
  TdxBarSubMenuControl* menu = CreateSubMenu();
  if (!menu) return;
  PlaceSubMenu(menu);
  if (!ByKeyboard || !IsBarControlAlive(menu)) return;
  if (TdxBarItemLink* first = menu->ItemLinks()->FirstSelectable()) menu->SelectControl(first->Control());
}

TdxBarSubMenuControl* TdxBarSubItemControl::CreateSubMenu() {
  TCustomdxBarSubItem* item = SubItemOf(this);
  return static_cast<TdxBarSubMenuControl*>(item->ItemLinks()->CreateBarControl(ItemLink()));
}

// Beside the control in a menu and on a vertical toolbar, clear of the menu's frame; below it on
// a horizontal toolbar and on the menu bar.
void TdxBarSubItemControl::PlaceSubMenu(TdxBarSubMenuControl* Menu) {
  TCustomdxBarControl* parent = Parent();
  const TRect r = parent->GetItemRect(this);
  const bool beside = IsInSubMenu() || IsVerticalBarControl(parent);
  const int frame = IsFlat() ? 2 : 3;
  const TPoint p = beside ? parent->ClientToScreen(TPoint{r.Right, r.Top - frame})
                          : parent->ClientToScreen(TPoint{r.Left, r.Bottom});
  Menu->SetParentItemControl(this);
  Menu->SetParentBar(parent);
  Menu->SetOpeningExtent(beside ? r.Width() : 0, beside ? 0 : r.Height());
  if (!IsInSubMenu()) Repaint();
  Menu->SetAnimate(std::exchange(FAnimate, false));
  Menu->Popup(p.X, p.Y);
}

void TdxBarSubItemControl::CloseSubMenu() {
  if (Delay().Control == this) StopDelay();
  TdxBarSubMenuControl* menu = GetSubMenu();
  if (!menu) return;
  menu->CloseMenu();
  if (IsBarControlAlive(menu)) delete menu;
  if (!IsItemControlAlive(this)) return;
  if (!IsInSubMenu()) Repaint();
  if (TCustomdxBarSubItem* item = SubItemOf(this)) item->CloseUp();
}

void TdxBarSubItemControl::ParentDestroyed() { CloseSubMenu(); }

// A click on an open menu closes it only in the standard style (or while customising); on a
// closed one it opens it, by keyboard with its first link selected.
void TdxBarSubItemControl::BeforeClick(bool ByMouse) {
  if (GetSubMenu()) {
    const TdxBarManager* manager = ItemLink()->BarManager();
    if ((manager && manager->Style() == bmsStandard) || Parent()->IsCustomizing()) CloseSubMenu();
    return;
  }
  TdxBarItemControl::ControlActivate(true);
  OpenAtOnce(!ByMouse);
}

// Opened directly (a press, a key, a selection) rather than by the hover delay: it animates.
void TdxBarSubItemControl::OpenAtOnce(bool ByKeyboard) {
  FAnimate = true;
  OpenSubMenu(ByKeyboard);
  if (IsItemControlAlive(this)) FAnimate = false;
}

// --- size and face --------------------------------------------------------------------------------

namespace {

bool HasPicture(const TdxBarItemControl* Control) {
  return (Control->GetGlyph() && !Control->GetGlyph()->Empty()) ||
         (Control->GetImages() && Control->GetImageIndex() >= 0);
}

bool ShowsCaption(const TdxBarItemControl* Control) {
  const TCustomdxBarSubItem* item = SubItemOf(Control);
  return !item || item->ShowCaption();
}

bool IsOnMainMenu(const TdxBarItemControl* Control) {
  const auto* toolbar = dynamic_cast<const TdxBarControl*>(Control->Parent());
  return toolbar && toolbar->Bar()->IsMainMenu();
}

int GlyphButtonSize(const TdxBarItemControl* Control) {
  const TdxBarManager* manager = Control->ItemLink()->BarManager();
  return manager ? manager->ButtonSize() : 0;
}

}  // namespace

int TdxBarSubItemControl::GetHeight() const {
  if (IsInSubMenu()) return ParentItemHeight() + (IsFlat() ? 2 : 0);
  if (IsRotated()) return GetWidthAlong();
  if (HasPicture(this) || !ShowsCaption(this))
    return ShowsCaption(this) ? std::max(GlyphButtonSize(this), ParentItemHeight()) : GlyphButtonSize(this);
  return ParentItemHeight();
}

int TdxBarSubItemControl::GetWidth() const {
  if (IsInSubMenu()) return TextExtent(StripAccelerators(DisplayCaption())).cx + ParentItemHeight() * 2 + 3 + (IsFlat() ? 9 : 0);
  if (IsRotated()) return std::max(GlyphButtonSize(this), ParentItemHeight());
  return GetWidthAlong();
}

// The length along the bar: caption, glyph (or the font's size as margins) and the arrow.
int TdxBarSubItemControl::GetWidthAlong() const {
  const bool caption = ShowsCaption(this);
  int width = caption ? CaptionWidth() : 0;
  if (HasPicture(this) || !caption) {
    width += GlyphButtonSize(this) + (caption ? 4 : 0);
  } else {
    width += Parent()->Font()->Size();
  }
  if (!IsOnMainMenu(this)) width += ParentItemHeight() / 2;
  return width;
}

void TdxBarSubItemControl::Draw(const TRect& Rect) {
  HDC dc = static_cast<TCustomControl*>(Parent())->Canvas()->Handle();
  if (IsInSubMenu()) {
    TdxBarMenuLine line;
    line.Caption = DisplayCaption();
    line.SubMenu = true;
    DrawMenuLine(*this, dc, Rect, line);
    return;
  }
  const bool open = GetSubMenu() != nullptr;
  const bool hot = IsEnabled() && (Hot() || IsSelected());
  const TdxBarFace face{hot && !open, open, false, IsEnabled()};
  TRect r = Rect;
  DrawToolbarFace(*this, dc, r, face);
  const bool caption = ShowsCaption(this);
  TRect text = DrawGlyphPart(*this, dc, r, HasPicture(this) || !caption, face);
  if (!IsOnMainMenu(this)) {
    const int arrow = ParentItemHeight() / 2;
    const TRect arrowRect = IsRotated() ? TRect{r.Left, r.Bottom - arrow, r.Right, r.Bottom}
                                        : TRect{r.Right - arrow, r.Top, r.Right, r.Bottom};
    DrawDropArrow(dc, arrowRect, IsEnabled());
    (IsRotated() ? text.Bottom : text.Right) -= arrow;
  }
  if (caption) {
    if (open && !IsFlat()) OffsetRect(text, 1, 1);
    DrawBarCaption(*this, dc, DisplayCaption(), text, DT_LEFT, IsEnabled(), GetSysColor(COLOR_BTNTEXT));
  }
}

// --- container items ------------------------------------------------------------------------------

TdxBarSubMenuControl* TdxBarContainerItemControl::CreateSubMenu() {
  auto* item = dynamic_cast<TCustomdxBarContainerItem*>(Item());
  if (!item || Parent()->IsCustomizing()) return TdxBarSubItemControl::CreateSubMenu();
  item->AddListedItemLinks(item->ItemLinks(), 0, ItemLink(), true);
  TdxBarSubMenuControl* menu = TdxBarSubItemControl::CreateSubMenu();
  menu->SetListedContainer(item);
  return menu;
}

String TdxBarContainerItemControl::DisplayCaption() const {
  return IsInSubMenu() ? "(" + GetCaption() + ")" : GetCaption();
}
