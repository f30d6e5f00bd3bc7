// 3-D edges, frame controls and focus rectangles in the classic look. Every colour comes from the
// system colour table, and none of these painters is affected by the raster operation.
#include <QRegion>

#include <algorithm>

#include "graphics/Shapes_p.h"

namespace {

struct TRing {
  int TopLeft = -1;  // system colour indices; -1: the ring is absent
  int BottomRight = -1;
};

void Paint(HDC dc, const QRegion& logical, int sysColor) {
  FillSolid(dc->DC(), logical.translated(dc->DC().Offset()), GetSysColor(sysColor));
}

QRect Q(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

// Left and top stop short of the corners that the bottom and right sides own.
void DrawRing(HDC dc, const TRect& r, const TRing& ring, unsigned sides) {
  if (IsRectEmpty(r)) return;
  QRegion tl, br;
  if (sides & BF_LEFT) tl |= Q(TRect{r.Left, r.Top, r.Left + 1, (sides & BF_BOTTOM) ? r.Bottom - 1 : r.Bottom});
  if (sides & BF_TOP) tl |= Q(TRect{r.Left, r.Top, (sides & BF_RIGHT) ? r.Right - 1 : r.Right, r.Top + 1});
  if (sides & BF_RIGHT) br |= Q(TRect{r.Right - 1, r.Top, r.Right, r.Bottom});
  if (sides & BF_BOTTOM) br |= Q(TRect{r.Left, r.Bottom - 1, r.Right, r.Bottom});
  Paint(dc, tl, ring.TopLeft);
  Paint(dc, br, ring.BottomRight);
}

void Shrink(TRect& r, unsigned sides) {
  if (sides & BF_LEFT) ++r.Left;
  if (sides & BF_TOP) ++r.Top;
  if (sides & BF_RIGHT) --r.Right;
  if (sides & BF_BOTTOM) --r.Bottom;
}

void EdgeRings(unsigned edge, unsigned flags, TRing& outer, TRing& inner) {
  const bool hasOuter = edge & BDR_OUTER, hasInner = edge & BDR_INNER;
  if (flags & BF_MONO) {
    if (hasOuter) outer = {COLOR_WINDOWFRAME, COLOR_WINDOWFRAME};
    if (hasInner) inner = {COLOR_WINDOW, COLOR_WINDOW};
    return;
  }
  if (flags & BF_FLAT) {
    if (hasOuter) outer = {COLOR_BTNSHADOW, COLOR_BTNSHADOW};
    if (hasInner) inner = {COLOR_BTNFACE, COLOR_BTNFACE};
    return;
  }
  const bool soft = flags & BF_SOFT;
  if (edge & BDR_RAISEDOUTER) outer = {soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW};
  else if (edge & BDR_SUNKENOUTER) outer = {soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
  if (edge & BDR_RAISEDINNER) inner = {soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
  else if (edge & BDR_SUNKENINNER) inner = {soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

void FillChecker(HDC dc, const TRect& r, int sysColor0, int sysColor1) {
  if (IsRectEmpty(r)) return;
  TDeviceContext& c = dc->DC();
  TPaint paint = c.SolidPaint(0);
  paint.Pattern = QImage(2, 2, QImage::Format_ARGB32);
  paint.Pattern.setPixel(0, 0, ToQRgb(GetSysColor(sysColor0)));
  paint.Pattern.setPixel(1, 1, ToQRgb(GetSysColor(sysColor0)));
  paint.Pattern.setPixel(1, 0, ToQRgb(GetSysColor(sysColor1)));
  paint.Pattern.setPixel(0, 1, ToQRgb(GetSysColor(sysColor1)));
  paint.Origin = c.SurfaceOrigin;
  c.RequireDevice().Fill(QRegion(c.ToSurface(r)), paint, 0xF0, c.EffectiveClip());
}

QRegion Shift(const QRegion& r, int d) { return r.translated(d, d); }

// A glyph in the button-text colour, or embossed grey when inactive.
void PaintGlyph(HDC dc, const QRegion& glyph, unsigned state) {
  const int offset = (state & DFCS_PUSHED) ? 1 : 0;
  if (state & DFCS_INACTIVE) {
    Paint(dc, Shift(glyph, offset + 1), COLOR_BTNHIGHLIGHT);
    Paint(dc, Shift(glyph, offset), COLOR_BTNSHADOW);
  } else {
    Paint(dc, Shift(glyph, offset), COLOR_BTNTEXT);
  }
}

// The raised or pushed button frame shared by push buttons, caption buttons and scroll arrows;
// rect becomes the face inside it.
void DrawButtonFrame(HDC dc, TRect& rect, unsigned state, bool scrollArrow) {
  const bool down = state & (DFCS_PUSHED | DFCS_CHECKED);
  if (down && (scrollArrow || (state & DFCS_FLAT))) {
    DrawEdge(dc, rect, BDR_SUNKENOUTER, BF_RECT | BF_FLAT | BF_ADJUST);
    Paint(dc, QRegion(Q(rect)), COLOR_BTNFACE);
    return;
  }
  const unsigned flat = (state & DFCS_FLAT) ? unsigned(BF_FLAT) : 0u;
  if (down) {
    DrawEdge(dc, rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST | flat);
  } else {
    DrawEdge(dc, rect, EDGE_RAISED, BF_RECT | BF_SOFT | BF_ADJUST | flat);
  }
  if ((state & DFCS_CHECKED) && !(state & DFCS_PUSHED)) {
    FillChecker(dc, rect, COLOR_BTNHIGHLIGHT, COLOR_BTNFACE);
  } else {
    Paint(dc, QRegion(Q(rect)), COLOR_BTNFACE);
  }
}

// The check mark: seven columns three pixels high, centred in box.
QRegion CheckMark(const TRect& box) {
  static const int tops[7] = {2, 3, 4, 3, 2, 1, 0};
  const int x0 = box.Left + (box.Width() - 7) / 2, y0 = box.Top + (box.Height() - 7) / 2;
  QRegion mark;
  for (int c = 0; c < 7; ++c) mark |= QRect(x0 + c, y0 + tops[c], 1, 3);
  return mark;
}

bool DrawCheckBox(HDC dc, const TRect& rect, unsigned state) {
  const int side = std::min(rect.Width(), rect.Height());
  TRect box = Bounds(rect.Left + (rect.Width() - side) / 2, rect.Top + (rect.Height() - side) / 2, side, side);
  if (state & DFCS_MONO) {
    DrawEdge(dc, box, BDR_RAISEDOUTER, BF_RECT | BF_MONO | BF_ADJUST);
  } else if (state & DFCS_FLAT) {
    DrawEdge(dc, box, BDR_RAISEDOUTER, BF_RECT | BF_FLAT | BF_ADJUST);
  } else {
    DrawEdge(dc, box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  }
  const bool indeterminate = (state & DFCS_BUTTON3STATE) && (state & DFCS_CHECKED);
  if (indeterminate) {
    FillChecker(dc, box, COLOR_BTNHIGHLIGHT, COLOR_BTNFACE);
  } else {
    Paint(dc, QRegion(Q(box)), (state & (DFCS_INACTIVE | DFCS_PUSHED)) ? COLOR_BTNFACE : COLOR_WINDOW);
  }
  if (state & DFCS_CHECKED)
    Paint(dc, CheckMark(box), (indeterminate || (state & DFCS_INACTIVE)) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT);
  return true;
}

QRegion CaptionGlyph(const TRect& face, unsigned kind) {
  const int s = std::max(4, std::min(face.Width(), face.Height()) - 4);
  const int x0 = face.Left + (face.Width() - s) / 2, y0 = face.Top + (face.Height() - s) / 2;
  QRegion g;
  switch (kind) {
    case DFCS_CAPTIONCLOSE:
      for (int i = 0; i + 1 < s; ++i) {
        g |= QRect(x0 + i, y0 + i, 2, 1);
        g |= QRect(x0 + s - 2 - i, y0 + i, 2, 1);
      }
      break;
    case DFCS_CAPTIONMIN: g = QRect(x0, y0 + s - 2, s - 2, 2); break;
    case DFCS_CAPTIONMAX: g = QRegion(QRect(x0, y0, s, s)) - QRegion(QRect(x0 + 1, y0 + 2, s - 2, s - 3)); break;
    case DFCS_CAPTIONRESTORE: {
      const int w = s * 2 / 3;
      const QRect back(x0 + s - w, y0, w, w), front(x0, y0 + s - w, w, w);
      g = (QRegion(back) - QRegion(back.adjusted(1, 2, -1, -1)) - QRegion(front)) |
          (QRegion(front) - QRegion(front.adjusted(1, 2, -1, -1)));
      break;
    }
    default: break;
  }
  return g;
}

QRegion ArrowGlyph(const TRect& face, unsigned kind) {
  const int m = std::min(face.Width(), face.Height());
  const int h = std::max(1, (m - 4) / 2), w = 2 * h - 1;
  const bool vertical = kind == DFCS_SCROLLUP || kind == DFCS_SCROLLDOWN || kind == DFCS_SCROLLCOMBOBOX;
  const int x0 = face.Left + (face.Width() - (vertical ? w : h)) / 2;
  const int y0 = face.Top + (face.Height() - (vertical ? h : w)) / 2;
  QRegion g;
  for (int k = 0; k < h; ++k) {
    const int len = w - 2 * k;
    switch (kind) {
      case DFCS_SCROLLUP: g |= QRect(x0 + k, y0 + h - 1 - k, len, 1); break;
      case DFCS_SCROLLLEFT: g |= QRect(x0 + h - 1 - k, y0 + k, 1, len); break;
      case DFCS_SCROLLRIGHT: g |= QRect(x0 + k, y0 + k, 1, len); break;
      default: g |= QRect(x0 + k, y0 + k, len, 1); break;
    }
  }
  return g;
}

// Diagonal ridges in the bottom-right corner: highlight, shadow, shadow, face, three times.
bool DrawSizeGrip(HDC dc, const TRect& rect, unsigned state) {
  if (!(state & DFCS_TRANSPARENT)) Paint(dc, QRegion(Q(rect)), COLOR_BTNFACE);
  QRegion light, dark;
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x) {
      const int d = (rect.Right - 1 - x) + (rect.Bottom - 1 - y);
      if (d < 1 || d > 11) continue;
      if (d % 4 == 1) light |= QRect(x, y, 1, 1);
      else if (d % 4 != 0) dark |= QRect(x, y, 1, 1);
    }
  Paint(dc, light, COLOR_BTNHIGHLIGHT);
  Paint(dc, dark, COLOR_BTNSHADOW);
  return true;
}

}  // namespace

bool DrawEdge(HDC dc, TRect& rect, unsigned edge, unsigned flags) {
  TRing outer, inner;
  EdgeRings(edge, flags, outer, inner);
  const unsigned sides = flags & BF_RECT;
  TRect r = rect;
  for (const TRing* ring : {&outer, &inner}) {
    if (ring->TopLeft < 0) continue;
    DrawRing(dc, r, *ring, sides);
    Shrink(r, sides);
  }
  if ((flags & BF_MIDDLE) && !IsRectEmpty(r)) Paint(dc, QRegion(Q(r)), (flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE);
  if (flags & BF_ADJUST) rect = r;
  return true;
}

bool DrawFrameControl(HDC dc, TRect& rect, unsigned type, unsigned state) {
  TRect face = rect;
  switch (type) {
    case DFC_BUTTON:
      if (state & DFCS_BUTTONPUSH) {
        DrawButtonFrame(dc, face, state, false);
        if (state & DFCS_ADJUSTRECT) rect = face;
        return true;
      }
      if (state & DFCS_BUTTONRADIO) return false;
      return DrawCheckBox(dc, rect, state);
    case DFC_CAPTION:
      DrawButtonFrame(dc, face, state, false);
      PaintGlyph(dc, CaptionGlyph(face, state & 0xFF), state);
      return true;
    case DFC_SCROLL:
      if (state & (DFCS_SCROLLSIZEGRIP | DFCS_SCROLLSIZEGRIPRIGHT)) return DrawSizeGrip(dc, rect, state);
      DrawButtonFrame(dc, face, state, true);
      PaintGlyph(dc, ArrowGlyph(face, state & 0xFF), state);
      return true;
    default:
      return false;
  }
}

bool DrawFocusRect(HDC dc, const TRect& r) {
  if (IsRectEmpty(r)) return true;
  QRegion frame(Q(TRect{r.Left, r.Top, r.Right, r.Top + 1}));
  if (r.Height() > 1) frame |= Q(TRect{r.Left, r.Bottom - 1, r.Right, r.Bottom});
  frame |= Q(TRect{r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1});
  if (r.Width() > 1) frame |= Q(TRect{r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1});
  TDeviceContext& c = dc->DC();
  TPaint paint = c.PaintOf(CreatePatternBrush(CheckerboardPattern()));
  paint.Origin = c.SurfaceOrigin;
  c.RequireDevice().Fill(frame.translated(c.Offset()), paint, 0x5A, c.EffectiveClip());
  return true;
}
