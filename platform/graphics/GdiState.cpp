// Device-context state: selected objects, colours and modes, origins, save and restore, clipping.
#include "graphics/CanvasQt.h"

#include <algorithm>

#include "graphics/Metrics.h"
#include "graphics/RegionQt.h"

namespace {

template <class T, class V>
T Exchange(T& field, V value) {
  T previous = field;
  field = value;
  return previous;
}

TDCState& StateOf(HDC dc) { return dc->DC().State; }

int ClipKind(HDC dc) {
  const QRegion clip = dc->DC().EffectiveClip();
  const int count = clip.rectCount();
  return count == 0 ? NULLREGION : count == 1 ? SIMPLEREGION : COMPLEXREGION;
}

// The current clip in device coordinates; without one, the whole surface.
QRegion CurrentClip(HDC dc) {
  const TDeviceContext& c = dc->DC();
  if (c.State.Clip) return *c.State.Clip;
  return c.Device ? QRegion(c.Device->Bounds().translated(-c.SurfaceOrigin)) : QRegion(-1 << 28, -1 << 28, 1 << 29, 1 << 29);
}

QRect LogicalRectToDevice(HDC dc, int left, int top, int right, int bottom) {
  const QPoint a = dc->DC().LogicalToDevice(left, top);
  const QPoint b = dc->DC().LogicalToDevice(right, bottom);
  return QRect(a, QSize(b.x() - a.x(), b.y() - a.y())).normalized();
}

}  // namespace

HBRUSH SelectObject(HDC dc, const HBRUSH& brush) { return Exchange(StateOf(dc).Brush, brush); }
HPEN SelectObject(HDC dc, const HPEN& pen) { return Exchange(StateOf(dc).Pen, pen); }
HFONT SelectObject(HDC dc, const HFONT& font) { return Exchange(StateOf(dc).Font, font); }
HBRUSH GetCurrentBrush(HDC dc) { return StateOf(dc).Brush; }
HFONT GetCurrentFont(HDC dc) { return StateOf(dc).Font; }

COLORREF SetTextColor(HDC dc, COLORREF color) { return Exchange(StateOf(dc).TextColor, ColorToRGB(TColor(color))); }
COLORREF GetTextColor(HDC dc) { return StateOf(dc).TextColor; }
COLORREF SetBkColor(HDC dc, COLORREF color) { return Exchange(StateOf(dc).BkColor, ColorToRGB(TColor(color))); }
COLORREF GetBkColor(HDC dc) { return StateOf(dc).BkColor; }
int SetBkMode(HDC dc, int mode) { return Exchange(StateOf(dc).BkMode, mode); }
int GetBkMode(HDC dc) { return StateOf(dc).BkMode; }
int SetROP2(HDC dc, int rop2) { return Exchange(StateOf(dc).Rop2, rop2); }
int GetROP2(HDC dc) { return StateOf(dc).Rop2; }
int SetTextCharacterExtra(HDC dc, int extra) { return Exchange(StateOf(dc).CharExtra, extra); }
bool SetTextJustification(HDC dc, int breakExtra, int breakCount) {
  TDCState& s = StateOf(dc);
  s.BreakExtra = breakCount > 0 ? breakExtra : 0;
  s.BreakCount = std::max(breakCount, 0);
  return true;
}

namespace {

bool SetPoint(QPoint& field, int x, int y, TPoint* previous) {
  if (previous) *previous = {field.x(), field.y()};
  field = QPoint(x, y);
  return true;
}

}  // namespace

bool SetBrushOrgEx(HDC dc, int x, int y, TPoint* previous) { return SetPoint(StateOf(dc).BrushOrigin, x, y, previous); }
bool SetWindowOrgEx(HDC dc, int x, int y, TPoint* previous) { return SetPoint(StateOf(dc).WindowOrg, x, y, previous); }
bool SetViewportOrgEx(HDC dc, int x, int y, TPoint* previous) { return SetPoint(StateOf(dc).ViewportOrg, x, y, previous); }

int SaveDC(HDC dc) {
  TDeviceContext& c = dc->DC();
  c.Saved.push_back(c.State);
  return int(c.Saved.size());
}

bool RestoreDC(HDC dc, int savedLevel) {
  TDeviceContext& c = dc->DC();
  const int level = savedLevel < 0 ? int(c.Saved.size()) + 1 + savedLevel : savedLevel;
  if (level < 1 || level > int(c.Saved.size())) return false;
  c.State = c.Saved[size_t(level - 1)];
  c.Saved.resize(size_t(level - 1));
  return true;
}

int GetDeviceCaps(HDC dc, int index) {
  const TDeviceContext& c = dc->DC();
  const int dpi = c.Device ? c.Device->Dpi() : 96;
  const QRect bounds = c.Device ? c.Device->Bounds() : QRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY: return dpi;
    case HORZRES: return bounds.width();
    case VERTRES: return bounds.height();
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    default: return 0;
  }
}

COLORREF GetNearestColor(HDC, COLORREF color) { return ColorToRGB(TColor(color)); }

int GetClipRgn(HDC dc, TRegion& region) {
  const auto& clip = StateOf(dc).Clip;
  if (!clip) return 0;
  region.Data().Region = *clip;
  return 1;
}

int SelectClipRgn(HDC dc, const TRegion* region) { return ExtSelectClipRgn(dc, region, RGN_COPY); }

int ExtSelectClipRgn(HDC dc, const TRegion* region, int mode) {
  auto& clip = StateOf(dc).Clip;
  if (!region) {
    if (mode != RGN_COPY) return RGN_ERROR;
    clip.reset();
    return ClipKind(dc);
  }
  const QRegion& r = QtRegion(*region);
  switch (mode) {
    case RGN_COPY: clip = r; break;
    case RGN_AND: clip = CurrentClip(dc) & r; break;
    case RGN_OR: clip = CurrentClip(dc) | r; break;
    case RGN_XOR: clip = CurrentClip(dc) ^ r; break;
    case RGN_DIFF: clip = CurrentClip(dc) - r; break;
    default: return RGN_ERROR;
  }
  return ClipKind(dc);
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
  StateOf(dc).Clip = CurrentClip(dc) & QRegion(LogicalRectToDevice(dc, left, top, right, bottom));
  return ClipKind(dc);
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
  StateOf(dc).Clip = CurrentClip(dc) - QRegion(LogicalRectToDevice(dc, left, top, right, bottom));
  return ClipKind(dc);
}

int GetClipBox(HDC dc, TRect& box) {
  const QRect r = dc->DC().EffectiveClip().boundingRect().translated(-dc->DC().Offset());
  box = FromQtRect(r);
  return ClipKind(dc);
}

bool RectVisible(HDC dc, const TRect& r) {
  const QRect surface = dc->DC().ToSurface(r).normalized();
  return dc->DC().EffectiveClip().intersects(surface);
}

