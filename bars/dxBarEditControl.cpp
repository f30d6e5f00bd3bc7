// The edit box's view: its size (caption and field), where its edit window lies, and its face:
// the caption, the field's frame and its interior while the edit window is hidden.
#include <algorithm>

#include "bars/dxBarControl.h"
#include "bars/dxBarDraw.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarItemPaint_p.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"

namespace {

const TdxBarEdit* EditItem(const TdxBarItemControl* Control) { return dynamic_cast<const TdxBarEdit*>(Control->Item()); }

}  // namespace

int TdxBarEditControl::GetCaptionWidth() const {
  const TdxBarEdit* item = EditItem(this);
  if (!item || !item->ShowCaption()) return 0;
  return CaptionWidth() + (IsFlat() ? 11 : 6);
}

int TdxBarEditControl::GetHeight() const { return ParentItemHeight() + (IsInSubMenu() && IsFlat() ? 2 : 0); }

int TdxBarEditControl::GetWidth() const { return GetCaptionWidth() + ItemLink()->Width(); }

TRect TdxBarEditControl::FieldRect() const {
  TRect r = Parent() ? Parent()->GetItemRect(this) : TRect{};
  r.Left += GetCaptionWidth();
  return r;
}

// Inside the field's two frames.
TRect TdxBarEditControl::GetEditRect() const {
  TRect r = FieldRect();
  InflateRect(r, -2, -2);
  return r;
}

// Unselected: the shadow colour (flat; the bar colour for an enabled edit on a toolbar) or the bar
// colour; selected: the flat hot frame or a sunken edge. The other styles add an inner frame in
// the bar colour, the highlight colour when disabled.
void TdxBarEditControl::Draw(const TRect& Rect) {
  HDC dc = static_cast<TCustomControl*>(Parent())->Canvas()->Handle();
  TRect r = Rect;
  FillRect(dc, r, Parent()->ItemBackgroundBrush());
  if (const int caption = GetCaptionWidth(); caption > 0) {
    const TRect captionRect{r.Left + (IsFlat() ? 8 : 3), r.Top, r.Left + caption, r.Bottom};
    DrawBarCaption(*this, dc, GetCaption(), captionRect, DT_LEFT, IsEnabled(), GetSysColor(COLOR_BTNTEXT));
  }
  TRect field = FieldRect();
  const bool selected = IsSelected() && IsEnabled();
  if (selected) {
    if (IsFlat()) {
      FrameHighlightRect(dc, field);
    } else {
      DrawEdge(dc, field, BDR_SUNKENOUTER, BF_RECT);
    }
  } else {
    const bool barColour = !IsFlat() || (IsEnabled() && !IsInSubMenu());
    FrameRect(dc, field, barColour ? Parent()->ItemBackgroundBrush() : GetSysColorBrush(COLOR_BTNSHADOW));
  }
  InflateRect(field, -1, -1);
  if (!IsFlat()) FrameRect(dc, field, IsEnabled() ? Parent()->ItemBackgroundBrush() : GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  InflateRect(field, -1, -1);
  DrawInterior(field);
}

// The item's text on the window colour (the button face when disabled), where the edit window
// shows it while it is focused.
void TdxBarEditControl::DrawInterior(const TRect& Rect) {
  HDC dc = static_cast<TCustomControl*>(Parent())->Canvas()->Handle();
  FillRect(dc, Rect, GetSysColorBrush(IsEnabled() ? COLOR_WINDOW : COLOR_BTNFACE));
  if (Focused()) return;
  const auto* item = dynamic_cast<const TdxBarWindowItem*>(Item());
  if (!item) return;
  TRect text = Rect;
  text.Left += 2;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(IsEnabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  DrawText(dc, item->Text(), -1, text, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}
