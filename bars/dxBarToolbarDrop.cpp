// Where a customising drag would drop on a toolbar: the region of a control with its separator,
// and the control that answers a point of the client area.
#include "bars/dxBarItem.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarToolbar.h"
#include "graphics/Gdi.h"

TRegion TdxBarControl::GetItemRegion(const TdxBarItemControl* Control) const {
  TRegion region = CreateRectRgnIndirect(GetItemRect(Control));
  if (const TRect separator = ShownSeparatorRect(Control); !IsRectEmpty(separator))
    CombineRgn(region, region, CreateRectRgnIndirect(separator), RGN_OR);
  return region;
}

// A point on no control or separator finds its line by the line's last control: after that
// control's start it drops after it; before it, only into the gap of a control aligned to the
// centre or the right.
TdxBarItemControl* TdxBarControl::GetItemControlAtPoint(TPoint Point, bool& Vertical, bool& Outside, bool& Before) {
  TdxBarItemControl* found = TCustomdxBarControl::GetItemControlAtPoint(Point, Vertical, Outside, Before);
  if (found || !ItemLinks() || !PtInRect(ClientRect(), Point)) return found;
  Outside = false;
  Before = false;
  const bool vertical = IsVertical();
  for (int i = 0; i < ItemLinks()->ShownItemCount(); ++i) {
    TdxBarItemControl* control = ItemLinks()->ShownItems(i)->Control();
    if (!control || !control->IsCustomizable() || !control->LineEnd()) continue;
    const TRect r = GetItemRect(control);
    const bool onLine = vertical ? Point.X >= r.Left && Point.X < r.Right : Point.Y >= r.Top && Point.Y < r.Bottom;
    if (!onLine) continue;
    if ((vertical ? Point.Y : Point.X) >= (vertical ? r.Top : r.Left)) return control;
    Before = true;
    const TdxBarItemAlign align = control->Item()->Align();
    return align == iaCenter || align == iaRight ? control : nullptr;
  }
  return nullptr;
}
