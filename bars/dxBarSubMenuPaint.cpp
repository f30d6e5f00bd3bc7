// Painting a menu: its one-pixel frame, the client border, the side bar, the links with their
// separators and the lighter background of rarely used links, the scroll arrows, the expand
// button and the detach strip.
#include "bars/dxBarDraw.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarPopupMenu.h"
#include "bars/dxBarSubMenu.h"
#include "graphics/Gdi.h"
#include "windows/NonClient.h"

namespace {

// A small triangle in the button-text colour, centred in Rect.
void DrawSmallTriangle(HDC DC, const TRect& Rect, bool Up) {
  const int cx = (Rect.Left + Rect.Right) / 2, cy = (Rect.Top + Rect.Bottom) / 2;
  const std::vector<TPoint> points = Up ? std::vector<TPoint>{{cx - 3, cy + 1}, {cx + 3, cy + 1}, {cx, cy - 2}}
                                        : std::vector<TPoint>{{cx - 3, cy - 1}, {cx + 3, cy - 1}, {cx, cy + 2}};
  const HPEN pen = SelectObject(DC, CreatePen(PS_SOLID, 1, TColor(GetSysColor(COLOR_BTNTEXT))));
  const HBRUSH brush = SelectObject(DC, GetSysColorBrush(COLOR_BTNTEXT));
  Polygon(DC, points);
  SelectObject(DC, brush);
  SelectObject(DC, pen);
}

// A double chevron pointing down: two 2-pixel strokes one above the other.
void DrawExpandChevron(HDC DC, const TRect& Rect) {
  const int cx = (Rect.Left + Rect.Right) / 2, cy = (Rect.Top + Rect.Bottom) / 2 - 3;
  const HPEN pen = SelectObject(DC, CreatePen(PS_SOLID, 1, TColor(GetSysColor(COLOR_BTNTEXT))));
  for (int chevron = 0; chevron < 2; ++chevron)
    for (int stroke = 0; stroke < 2; ++stroke) {
      const int y = cy + chevron * 4 + stroke;
      MoveToEx(DC, cx - 3, y);
      LineTo(DC, cx, y + 3);
      LineTo(DC, cx + 4, y - 1);
    }
  SelectObject(DC, pen);
}

}  // namespace

// The client border: a frame in the window colour under the flat style, else a raised inner edge
// and a frame in the bar colour inside it.
void TdxBarSubMenuControl::PaintBorder(HDC DC) {
  TRect r = ClientRect();
  if (BarManager() && BarManager()->IsFlat()) {
    FrameRect(DC, r, GetSysColorBrush(COLOR_WINDOW));
    return;
  }
  DrawEdge(DC, r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
  FrameRect(DC, r, GetSysColorBrush(COLOR_BTNFACE));
}

void TdxBarSubMenuControl::PaintSeparator(HDC DC, const TRect& ItemRect, int Height) {
  const int y = ItemRect.Top - (Height + 1) / 2;
  if (BarManager() && BarManager()->IsFlat()) {
    // The glyph column runs on through the separator; the line starts where the captions do.
    const int glyph = ItemRect.Left + ItemRect.Height();
    FillRect(DC, TRect{ItemRect.Left, ItemRect.Top - Height, glyph, ItemRect.Top}, BarManager()->FlatBrush(1));
    FillRect(DC, TRect{glyph + 2 + 8, y, ItemRect.Right, y + 1}, GetSysColorBrush(COLOR_BTNSHADOW));
    return;
  }
  TRect line{ItemRect.Left + 1, y - 1, ItemRect.Right - 1, y + 1};
  DrawEdge(DC, line, EDGE_ETCHED, BF_TOP);
}

void TdxBarSubMenuControl::PaintExpandButton(HDC DC) {
  TRect r = ExpandButtonRect();
  if (IsRectEmpty(r)) return;
  if (FMarkState != 0) {
    DrawEdge(DC, r, BDR_RAISEDINNER, BF_RECT);
  } else {
    FillRect(DC, r, GetBackgroundBrush());
  }
  DrawExpandChevron(DC, r);
}

void TdxBarSubMenuControl::PaintScrollArrow(HDC DC, const TRect& Rect, bool Up) {
  if (IsRectEmpty(Rect)) return;
  FillRect(DC, Rect, GetBackgroundBrush());
  DrawSmallTriangle(DC, Rect, Up);
}

// The flat strip is the highlight while hot (else the glyph column's colour) with every second
// row of a 33-pixel band in a caption colour; the other styles fill it in that caption colour.
void TdxBarSubMenuControl::PaintDetachStrip(HDC DC) {
  const TRect r = DetachStripRect();
  if (IsRectEmpty(r)) return;
  const HBRUSH caption = GetSysColorBrush(FDetachHot ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  if (!BarManager() || !BarManager()->IsFlat()) {
    FillRect(DC, r, caption);
    return;
  }
  FillRect(DC, r, FDetachHot ? GetHighlightBrush() : BarManager()->FlatBrush(1));
  const int left = (r.Left + r.Right - 33) / 2;
  for (int y = r.Top + 1; y < r.Bottom; y += 2) FillRect(DC, TRect{left, y, left + 33, y + 1}, caption);
}

// The background first, then the border, the side bar and the links; a running animation shows
// the finished picture moved with the growing edge.
void TdxBarSubMenuControl::Paint() {
  HDC dc = Canvas()->Handle();
  SetViewportOrgEx(dc, FPaintOffset.X, FPaintOffset.Y);
  const TRect client{0, 0, FAnimating ? FFinalBounds.Width() - 2 : ClientWidth(),
                     FAnimating ? FFinalBounds.Height() - 2 : ClientHeight()};
  FillRect(dc, client, GetBackgroundBrush());
  PaintBorder(dc);
  if (const int bar = SideBarWidth(); bar > 0) {
    const TRect r{Margin(), Margin(), Margin() + bar, client.Bottom - Margin()};
    if (BarManager() && BarManager()->IsDesigning()) {
      FillRect(dc, r, GetSysColorBrush(COLOR_BTNSHADOW));
    } else if (auto* subItem = dynamic_cast<TCustomdxBarSubItem*>(ItemLinks()->Owner())) {
      subItem->PaintBar(Canvas(), r);
    } else if (auto* popup = dynamic_cast<TdxBarPopupMenu*>(ItemLinks()->Owner())) {
      popup->DoPaintBar(Canvas(), r);
    }
  }
  CalcControlsPositions();
  TdxBarItemLinks* links = ItemLinks();
  for (int i = FTopIndex; links && i < links->ShownItemCount(); ++i) {
    TdxBarItemLink* link = links->ShownItems(i);
    TdxBarItemControl* control = link->Control();
    if (!control || IsRectEmpty(link->ItemRect())) continue;
    if (link->BeginGroup() && i > FTopIndex) PaintSeparator(dc, link->ItemRect(), GetSeparatorSize());
    DrawItemControl(control);
    control->Draw(link->ItemRect());
    DrawCustomizingSelection(dc, control, link->ItemRect());
    if (control->BoundaryEdge() && BarManager() && !BarManager()->IsFlat()) {
      const TRect& r = link->ItemRect();
      FillRect(dc, TRect{r.Left, r.Top - 1, r.Right, r.Top}, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    }
  }
  PaintScrollArrow(dc, TopArrowRect(), true);
  PaintScrollArrow(dc, BottomArrowRect(), false);
  PaintExpandButton(dc);
  PaintDetachStrip(dc);
  SetViewportOrgEx(dc, 0, 0);
}

// Rarely used links lie on the lighter brush.
void TdxBarSubMenuControl::DrawItemControl(TdxBarItemControl* Control) {
  TCustomdxBarControl::DrawItemControl(Control);
  if (Control && Control->RarelyUsed()) SetItemBackgroundBrush(FLightBrush);
}
