// The base editor class's window-less painting: rectangles, border and shadow, content, cursor
// and height of a value described by a view data.
#include "editors/dxViewData.h"

#include "editors/dxDrawing.h"
#include "editors/dxEditStyle.h"
#include "editors/dxInplaceEdit.h"
#include "graphics/Gdi.h"
#include "graphics/Metrics.h"

namespace {

int BorderWidthOf(TdxEditBorderStyle Style) {
  switch (Style) {
    case xbsNone: return 0;
    case xbsSingle: return 1;
    default: return 2;
  }
}

unsigned EdgeFlags(const TdxEditViewInfo& VI) {
  return (VI.EdgeLeft ? BF_LEFT : 0u) | (VI.EdgeTop ? BF_TOP : 0u) | (VI.EdgeRight ? BF_RIGHT : 0u) |
         (VI.EdgeBottom ? BF_BOTTOM : 0u);
}

bool AllEdgesOf(const TdxEditViewInfo& VI) { return VI.EdgeLeft && VI.EdgeTop && VI.EdgeRight && VI.EdgeBottom; }

// Single and thick borders: frames shrinking inwards with all four edges, else a band of the
// border's width along each edge present; the side bands reach over a missing top edge.
void DrawSolidBorder(HDC DC, const TdxEditViewInfo& VI, TColor Color) {
  const HBRUSH brush = CreateSolidBrush(Color);
  TRect r = VI.BorderRect;
  const int w = VI.BorderWidth;
  if (AllEdgesOf(VI)) {
    for (int i = 0; i < w; ++i) {
      FrameRect(DC, r, brush);
      InflateRect(r, -1, -1);
    }
    return;
  }
  const int top = VI.EdgeTop ? r.Top : r.Top - w;
  if (VI.EdgeLeft) FillRect(DC, {r.Left, top, r.Left + w, r.Bottom}, brush);
  if (VI.EdgeTop) FillRect(DC, {r.Left, r.Top, r.Right, r.Top + w}, brush);
  if (VI.EdgeRight) FillRect(DC, {r.Right - w, top, r.Right, r.Bottom}, brush);
  if (VI.EdgeBottom) FillRect(DC, {r.Left, r.Bottom - w, r.Right, r.Bottom}, brush);
}

}  // namespace

const TdxInplaceEditClass& InplaceEditClass() {
  static const TdxInplaceEditClass instance;
  return instance;
}

TdxInplaceEdit* TdxInplaceEditClass::CreateEditor(TComponent* Owner) const { return new TdxInplaceEdit(Owner, *this); }

std::unique_ptr<TdxEditStyle> TdxInplaceEditClass::CreateStyle(TdxInplaceEdit* Edit) const {
  return std::make_unique<TdxEditStyle>(Edit);
}

void TdxInplaceEditClass::CalcViewInfo(TdxEditViewData& ViewData, bool Calc, TdxEditViewInfo& ViewInfo) const {
  TdxEditViewInfo& vi = ViewInfo = TdxEditViewInfo{};
  const int s = vi.ShadowSize = ViewData.Shadow ? 2 : 0;
  const TRect b = vi.Bounds = ViewData.Bounds;
  vi.ClientRect = {b.Left + 2, b.Top + 2, b.Right - 2 - s, b.Bottom - 2 - s};
  vi.BorderWidth = BorderWidthOf(ViewData.BorderStyle);
  if (Calc) {
    constexpr int Margin = 2;
    TRect size;
    GetContentSize(ViewData, size);
    int h = 0;
    if (IsRectEmpty(size)) {
      h = GetEditHeight(ViewData);
    } else {
      vi.Bounds.Right = b.Left + size.Width() + 2 * Margin + s;
      vi.ClientRect.Right = b.Left + Margin + size.Width();
      h = size.Height();
    }
    vi.Bounds.Bottom = b.Top + h + 2 * Margin + s;
    vi.ClientRect.Bottom = b.Top + Margin + h;
  }
  vi.EdgeLeft = ViewData.Edges & EdgeBit(edgLeft);
  vi.EdgeTop = ViewData.Edges & EdgeBit(edgTop);
  vi.EdgeRight = ViewData.Edges & EdgeBit(edgRight);
  vi.EdgeBottom = ViewData.Edges & EdgeBit(edgBottom);
  const int w = vi.BorderWidth;
  const TRect& c = vi.ClientRect;
  vi.BorderRect = {c.Left - (vi.EdgeLeft ? w : 0), c.Top - (vi.EdgeTop ? w : 0), c.Right + (vi.EdgeRight ? w : 0),
                   c.Bottom + (vi.EdgeBottom ? w : 0)};
  if (s > 0) {
    vi.ShadowRect = vi.BorderRect;
    OffsetRect(vi.ShadowRect, s, s);
  }
}

void TdxInplaceEditClass::DrawBorder(HDC DC, const TdxEditViewInfo& ViewInfo, TdxEditViewData& ViewData) const {
  TRect r = ViewInfo.BorderRect;
  const unsigned edges = EdgeFlags(ViewInfo);
  switch (ViewData.BorderStyle) {
    case xbsNone: break;
    case xbsSingle:
    case xbsThick: DrawSolidBorder(DC, ViewInfo, ViewData.BorderColor); break;
    case xbsFlat:
      DrawEdge(DC, r, BDR_SUNKENOUTER, edges | BF_ADJUST);
      DrawEdge(DC, r, BDR_SUNKENINNER, edges | BF_FLAT);
      break;
    case xbs3D: DrawEdge(DC, r, EDGE_SUNKEN, edges); break;
  }
  if (ViewData.Shadow) DrawShadow(DC, ViewInfo.ShadowRect, ViewInfo.ShadowSize, ShadowBrush());
}

bool TdxInplaceEditClass::Draw(HDC DC, const TRect& Rect, TdxEditViewData& ViewData, bool IsWindowPaint) const {
  (void)IsWindowPaint;
  if (!ViewData.CalcOnly) FillRect(DC, Rect, ViewData.Brush);
  return true;
}

void TdxInplaceEditClass::GetEditClipRegion(HDC DC, const TRect& Rect, TRegion* Region, TdxEditViewData& ViewData) const {
  (void)Rect;
  TdxEditViewInfo vi;
  CalcViewInfo(ViewData, false, vi);
  DrawBorder(DC, vi, ViewData);
  Draw(DC, vi.ClientRect, ViewData, false);
  if (Region) CombineRgn(*Region, *Region, PaintedRegion(vi), RGN_DIFF);
}

TCursor TdxInplaceEditClass::GetViewCursor(int X, int Y, const TdxEditViewData& ViewData) const {
  (void)X, (void)Y;
  if (ViewData.Cursor != crDefault) return ViewData.Cursor;
  return ViewData.HasEditArea ? crDefault : crArrow;
}

int TdxInplaceEditClass::GetEditHeight(const TdxEditViewData& ViewData) const {
  HDC dc = &ScreenCanvas();
  const HFONT old = SelectObject(dc, ViewData.Font);
  TTextMetric tm;
  GetTextMetrics(dc, tm);
  SelectObject(dc, old);
  return tm.tmHeight + (IsInplace() ? 3 : 2 * (GetSystemMetrics(SM_CYBORDER) + 1));
}

void TdxInplaceEditClass::GetContentSize(const TdxEditViewData& ViewData, TRect& Size) const {
  (void)ViewData;
  Size = TRect{};
}

TRegion TdxInplaceEditClass::PaintedRegion(const TdxEditViewInfo& ViewInfo) {
  TRegion region = CreateRectRgnIndirect(ViewInfo.BorderRect);
  if (ViewInfo.ShadowSize == 0 && ViewInfo.BorderWidth >= 2 && AllEdgesOf(ViewInfo)) return region;
  CombineRgn(region, region, CreateRectRgnIndirect(ViewInfo.ShadowRect), RGN_OR);
  return region;
}

std::optional<TRegion> TdxInplaceEditClass::GetBorderRegion(const TdxEditViewInfo& ViewInfo) {
  if (ViewInfo.ShadowSize == 0 && ViewInfo.BorderWidth >= 2 && AllEdgesOf(ViewInfo)) return std::nullopt;
  return PaintedRegion(ViewInfo);
}
