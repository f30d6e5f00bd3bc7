// The button's view: its size by paint style on toolbars and in menus, pressing, checking and the
// drop-down menu of its arrow part, and painting its face or its menu line.
#include <algorithm>

#include "bars/dxBar.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarItemPaint_p.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarPopupMenu.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarUtils.h"
#include "controls/ShortCut.h"

namespace {

TdxBarButton* ButtonOf(const TdxBarItemControl* Control) { return dynamic_cast<TdxBarButton*>(Control->Item()); }

bool IsGlyphOnly(TdxBarPaintStyle Style) { return Style == psStandard || Style == psCaptionInMenu; }

}  // namespace

TdxBarButtonControl::~TdxBarButtonControl() = default;

TdxBarPaintStyle TdxBarButtonControl::EffectivePaintStyle() const {
  const TdxBarPaintStyle style = ItemLink()->PaintStyle();
  if (style != psStandard || IsInSubMenu()) return style;
  const bool hasPicture = (GetGlyph() && !GetGlyph()->Empty()) || (GetImages() && GetImageIndex() >= 0);
  return hasPicture ? style : psCaption;
}

bool TdxBarButtonControl::ShowsCaption() const { return IsInSubMenu() || !IsGlyphOnly(EffectivePaintStyle()); }

bool TdxBarButtonControl::ShowsGlyph() const { return EffectivePaintStyle() != psCaption; }

void TdxBarButtonControl::GlyphChanged() {
  if (ShowsCaption()) {
    Repaint();
  } else {
    RelayoutParent();
  }
}

int TdxBarButtonControl::GetArrowWidth() const {
  if (IsInSubMenu()) return ParentItemHeight() / 4 * 3 + 1;
  return ItemLink()->BarManager() ? ItemLink()->BarManager()->ArrowWidth() : 0;
}

// --- size -----------------------------------------------------------------------------------------

int TdxBarButtonControl::GetHeight() const {
  const TdxBarButton* button = ButtonOf(this);
  const int lowered = button && button->Lowered() ? 2 : 0;
  if (IsInSubMenu()) return ParentItemHeight() + (IsFlat() ? 2 : 0) + lowered;
  const int glyphButton = ItemLink()->BarManager() ? ItemLink()->BarManager()->ButtonSize() : 0;
  if (IsGlyphOnly(EffectivePaintStyle())) return glyphButton + lowered;
  if (IsRotated()) return CaptionWidth() + (EffectivePaintStyle() == psCaptionGlyph ? glyphButton + 4 : 8) + lowered;
  return std::max(ParentItemHeight(), glyphButton) + lowered;
}

int TdxBarButtonControl::GetWidth() const {
  const TdxBarButton* button = ButtonOf(this);
  const int lowered = button && button->Lowered() ? 2 : 0;
  const int height = ParentItemHeight();
  if (IsInSubMenu()) {
    int width = CaptionWidth() + height * 2 + 3 + 3;
    const String shortCut = ShortCutToText(GetShortCut());
    if (!shortCut.empty()) width += TextExtent(shortCut).cx + height - 6;
    return width + (IsFlat() ? 9 : 0) + lowered;
  }
  const int glyphButton = ItemLink()->BarManager() ? ItemLink()->BarManager()->ButtonSize() : 0;
  const int arrow = button && button->ButtonStyle() == bsDropDown ? GetArrowWidth() : 0;
  const TdxBarPaintStyle style = EffectivePaintStyle();
  if (IsGlyphOnly(style)) return glyphButton + lowered + arrow;
  if (IsRotated()) return std::max(height, glyphButton) + lowered;
  const int caption =
      style == psCaption ? CaptionWidth() + Parent()->Font()->Size() : CaptionWidth() + glyphButton + 4;
  return caption + lowered + arrow;
}

TRect TdxBarButtonControl::ArrowRect() const {
  const TdxBarButton* button = ButtonOf(this);
  if (!button || button->ButtonStyle() != bsDropDown || !Parent()) return TRect{};
  const TRect r = Parent()->GetItemRect(this);
  return TRect{r.Right - GetArrowWidth(), r.Top, r.Right, r.Bottom};
}

// --- clicks and the drop-down menu ------------------------------------------------------------------

void TdxBarButtonControl::ControlDown(TPoint Point) {
  if (PtInRect(ArrowRect(), Point)) DropDown(true);
}

void TdxBarButtonControl::BeforeClick(bool ByMouse) {
  (void)ByMouse;
  if (!IsInSubMenu() || (ButtonOf(this) && ButtonOf(this)->ButtonStyle() == bsDropDown)) Repaint();
}

// A check button toggles through its item's click; the drop-down stays open over a click.
void TdxBarButtonControl::ControlClick(bool ByMouse) {
  if (FDropDownOpen) return;
  TdxBarItemControl::ControlClick(ByMouse);
}

void TdxBarButtonControl::ControlInactivate(bool Immediately) {
  TdxBarItemControl::ControlInactivate(Immediately);
  if (FDropDownOpen) DropDownClosed();
}

bool TdxBarButtonControl::ClosesMenusOnClick() const {
  if (!IsInSubMenu()) return true;
  const TdxBarButton* button = ButtonOf(this);
  return !button || button->CloseSubMenuOnClick();
}

// Below the control, or beside it in a menu and on a vertical toolbar, clear of the menu's frame.
void TdxBarButtonControl::DropDown(bool ByMouse) {
  TdxBarButton* button = ButtonOf(this);
  if (!button || !IsEnabled() || !button->DropDownEnabled() || !button->DropDownMenu() || FDropDownOpen) return;
  FDropDownOpen = true;
  ControlActivate(true);
  Repaint();
  const TRect r = Parent()->GetItemRect(this);
  const bool beside = IsInSubMenu() || IsVerticalBarControl(Parent());
  const int frame = IsFlat() ? 2 : 3;
  const TPoint p = beside ? Parent()->ClientToScreen(TPoint{r.Right, r.Top - frame})
                          : Parent()->ClientToScreen(TPoint{r.Left, r.Bottom});
  button->SetClickedItemLink(ItemLink());
  button->DropDown(p.X, p.Y, ByMouse);
  if (IsItemControlAlive(this) && Item()) Item()->SetClickedItemLink(nullptr);
}

void TdxBarButtonControl::DropDownClosed() {
  FDropDownOpen = false;
  Repaint();
}

// --- painting -------------------------------------------------------------------------------------

// The pressed look: the window tracks the button held over its face (not the arrow), or the
// command of a click runs.
bool TdxBarButtonControl::IsPressedLook() const {
  const TCustomdxBarControl* bar = Parent();
  if (Pressed()) return true;
  if (bar->PressedControl() != this || FDropDownOpen) return false;
  TPoint p;
  GetCursorPos(p);
  p = bar->ScreenToClient(p);
  return PtInRect(bar->GetItemRect(this), p) && !PtInRect(ArrowRect(), p);
}

void TdxBarButtonControl::Draw(const TRect& Rect) {
  HDC dc = static_cast<TCustomControl*>(Parent())->Canvas()->Handle();
  const TdxBarButton* button = ButtonOf(this);
  const bool down = button && button->ButtonStyle() == bsChecked && button->Down();
  if (IsInSubMenu()) {
    TdxBarMenuLine line;
    line.Caption = GetCaption();
    line.ShortCut = ShortCutToText(GetShortCut());
    line.Checked = down;
    DrawMenuLine(*this, dc, Rect, line);
    if (button && button->ButtonStyle() == bsDropDown) DrawDropArrow(dc, ArrowRect(), IsEnabled());
    return;
  }
  DrawOnToolbar(Rect);
}

void TdxBarButtonControl::DrawOnToolbar(const TRect& Rect) {
  HDC dc = static_cast<TCustomControl*>(Parent())->Canvas()->Handle();
  const TdxBarButton* button = ButtonOf(this);
  const bool hot = IsEnabled() && (Hot() || (IsSelected() && Parent()->MenuMode()));
  TdxBarFace face{hot, IsPressedLook(), button && button->ButtonStyle() == bsChecked && button->Down(), IsEnabled()};
  TRect r = Rect;
  FillRect(dc, r, Parent()->ItemBackgroundBrush());
  if (button && button->Lowered()) {
    if (IsFlat()) {
      FrameRect(dc, r, GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
      DrawEdge(dc, r, BDR_SUNKENOUTER, BF_RECT);
    }
    InflateRect(r, -1, -1);
  }
  const TRect arrow = ArrowRect();
  if (!IsRectEmpty(arrow)) r.Right = arrow.Left;
  DrawToolbarFace(*this, dc, r, face);
  TRect text = DrawGlyphPart(*this, dc, r, ShowsGlyph(), face);
  if (ShowsCaption() && EffectivePaintStyle() != psStandard) {
    if ((face.Down || face.Pressed) && !IsFlat()) OffsetRect(text, 1, 1);
    DrawBarCaption(*this, dc, GetCaption(), text, DT_LEFT, IsEnabled(), GetSysColor(COLOR_BTNTEXT));
  }
  if (IsRectEmpty(arrow)) return;
  TdxBarFace arrowFace = face;
  arrowFace.Pressed = FDropDownOpen;
  arrowFace.Down = false;
  DrawToolbarFace(*this, dc, arrow, arrowFace);
  DrawDropArrow(dc, arrow, IsEnabled() && button->DropDownEnabled());
}
