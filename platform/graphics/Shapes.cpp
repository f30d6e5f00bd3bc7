// Fills, lines and shapes. Lines use this layer's own rasteriser so that the end pixel is left
// out in every direction; interiors and outlines are regions filled through the raster operation.
// Lines are cut to the clip region before they are rasterised, so a line's cost is what it shows.
#include "graphics/Shapes_p.h"

#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygon>

#include <algorithm>
#include <cmath>

#include "graphics/RegionQt.h"

namespace {

int FloorDiv(__int128 a, __int128 b) {
  __int128 q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return int(q);
}

// Dash patterns of one-pixel styled pens: on, off, on, off...
std::vector<int> DashPattern(int style) {
  switch (style) {
    case PS_DASH: return {18, 6};
    case PS_DOT: return {3, 3};
    case PS_DASHDOT: return {9, 6, 3, 6};
    case PS_DASHDOTDOT: return {9, 3, 3, 3, 3, 3};
    default: return {};
  }
}

// Whether the pixel at a place of the pattern (counted from its start) is a dash.
bool IsDash(const std::vector<int>& dashes, long long place) {
  for (size_t k = 0; k < dashes.size(); ++k) {
    if (place < dashes[k]) return k % 2 == 0;
    place -= dashes[k];
  }
  return false;
}

long long PixelCount(QPoint a, QPoint b) {
  return std::max(std::abs(static_cast<long long>(b.x()) - a.x()), std::abs(static_cast<long long>(b.y()) - a.y()));
}

// Narrows [first, last) to the pixel indexes of a line whose coordinate on one axis, start +
// round(i x delta / n), can lie within [low, high]. The bounds come from floating point and are
// widened by a pixel, so they hold every such index; the caller tests each pixel.
void NarrowToAxis(long long start, long long delta, long long n, long long low, long long high, long long& first,
                  long long& last) {
  if (delta == 0) {
    if (start < low || start > high) last = first;
    return;
  }
  double from = (double(low - start) - 0.5) * double(n) / double(delta);
  double to = (double(high - start) + 0.5) * double(n) / double(delta);
  if (from > to) std::swap(from, to);
  from = std::clamp(from, -1.0, double(n) + 1);
  to = std::clamp(to, -1.0, double(n) + 1);
  first = std::max(first, static_cast<long long>(std::floor(from)) - 1);
  last = std::min(last, static_cast<long long>(std::ceil(to)) + 2);
}

// Hands each pixel of the line from a to b that lies within the rectangle to Take, with its index
// on the whole line, so that a line cut by the rectangle keeps its pixels and its dash pattern.
// Only the pixels near the rectangle are computed.
template <class F>
void ForPixelsWithin(QPoint a, QPoint b, const QRect& within, F&& Take) {
  const long long n = PixelCount(a, b);
  if (n == 0 || within.isEmpty()) return;
  const long long dx = static_cast<long long>(b.x()) - a.x(), dy = static_cast<long long>(b.y()) - a.y();
  long long first = 0, last = n;
  NarrowToAxis(a.x(), dx, n, within.left(), within.right(), first, last);
  NarrowToAxis(a.y(), dy, n, within.top(), within.bottom(), first, last);
  for (long long i = std::max(first, 0LL); i < std::min(last, n); ++i) {
    const QPoint p(a.x() + FloorDiv(2 * __int128(i) * dx + n, 2 * __int128(n)),
                   a.y() + FloorDiv(2 * __int128(i) * dy + n, 2 * __int128(n)));
    if (within.contains(p)) Take(i, p);
  }
}

// The part of a segment within a rectangle (Liang-Barsky), or false when it has none.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& area) {
  double t0 = 0, t1 = 1;
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {a.x() - area.left(), area.right() - a.x(), a.y() - area.top(), area.bottom() - a.y()};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return false;
      continue;
    }
    const double t = q[k] / p[k];
    if (p[k] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
  }
  if (t0 > t1) return false;
  const QPointF from = a;
  a = from + (b - from) * t0;
  b = from + (b - from) * t1;
  return true;
}

// The polylines as a path through pixel centres. Segments are cut to the reach of a pen of that
// width around the surface: what lies beyond cannot colour a pixel of it, and a path millions of
// pixels long would be stroked and filled whole. The cut depends on the surface alone, so every
// paint of a window cuts a line in the same place.
QPainterPath PathWithin(const std::vector<std::vector<QPoint>>& polylines, double width, const QRect& surface) {
  const QRectF reach = QRectF(surface).adjusted(-width - 2, -width - 2, width + 2, width + 2);
  QPainterPath path;
  for (const auto& line : polylines) {
    bool atStart = false;  // the path ends where the next segment starts
    for (size_t i = 1; i < line.size(); ++i) {
      QPointF a(line[i - 1]), b(line[i]);
      const bool whole = reach.contains(a) && reach.contains(b);
      if (!whole && !ClipSegment(a, b, reach)) {
        atStart = false;
        continue;
      }
      if (!atStart) path.moveTo(a + QPointF(0.5, 0.5));
      path.lineTo(b + QPointF(0.5, 0.5));
      atStart = whole;
    }
  }
  return path;
}

QRegion WidePenRegion(const std::vector<std::vector<QPoint>>& polylines, int width, const QRect& surface) {
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  const QPainterPath outline = stroker.createStroke(PathWithin(polylines, width, surface));
  QRegion region;
  for (const QPolygonF& polygon : outline.toFillPolygons()) region |= QRegion(polygon.toPolygon(), Qt::WindingFill);
  return region;
}

// Whether two rows of runs cover the same columns.
bool SameColumns(const QRect* a, const QRect* b, size_t count) {
  for (size_t k = 0; k < count; ++k)
    if (a[k].left() != b[k].left() || a[k].width() != b[k].width()) return false;
  return true;
}

// The union of any rectangles, taken in halves so that n of them cost about n log n.
QRegion UnionOf(const std::vector<QRect>& rects, size_t from, size_t to) {
  if (from == to) return QRegion();
  if (to - from == 1) return QRegion(rects[from]);
  const size_t middle = from + (to - from) / 2;
  return UnionOf(rects, from, middle) | UnionOf(rects, middle, to);
}

// Pixels, and runs of them, of one colour of a styled pen.
struct TPixelSet {
  std::vector<QPoint> Pixels;
  std::vector<QRect> Runs;
  QRegion Region() { return RegionOfPixels(std::move(Pixels)) | UnionOf(Runs, 0, Runs.size()); }
};

// The pixels of a horizontal or vertical run from lo to hi (inclusive) at fixed, within the
// rectangle, as one rectangle.
QRect RunWithin(bool horizontal, long long lo, long long hi, int fixed, const QRect& within) {
  const long long low = std::max(lo, static_cast<long long>(horizontal ? within.left() : within.top()));
  const long long high = std::min(hi, static_cast<long long>(horizontal ? within.right() : within.bottom()));
  if (low > high) return QRect();
  const QRect run = horizontal ? QRect(int(low), fixed, int(high - low + 1), 1) : QRect(fixed, int(low), 1, int(high - low + 1));
  return run & within;
}

// Horizontal and vertical segments become one rectangle each; others go pixel by pixel.
QRegion SolidLineRegion(const std::vector<std::vector<QPoint>>& polylines, const QRect& within) {
  TPixelSet pixels;
  for (const auto& line : polylines)
    for (size_t i = 1; i < line.size(); ++i) {
      const QPoint a = line[i - 1], b = line[i];
      // The run holds a and leaves out b, whichever way it goes.
      if (a.y() == b.y() && a.x() != b.x()) {
        const long long x0 = a.x(), x1 = b.x();
        pixels.Runs.push_back(RunWithin(true, x1 > x0 ? x0 : x1 + 1, x1 > x0 ? x1 - 1 : x0, a.y(), within));
      } else if (a.x() == b.x() && a.y() != b.y()) {
        const long long y0 = a.y(), y1 = b.y();
        pixels.Runs.push_back(RunWithin(false, y1 > y0 ? y0 : y1 + 1, y1 > y0 ? y1 - 1 : y0, a.x(), within));
      } else {
        ForPixelsWithin(a, b, within, [&pixels](long long, QPoint p) { pixels.Pixels.push_back(p); });
      }
    }
  return pixels.Region();
}

// The dashes and gaps of a styled pen along polylines. The pattern runs on from one segment to the
// next, counted over whole segments, whatever part of them shows.
class TDashes {
 public:
  explicit TDashes(std::vector<int> Pattern) : FPattern(std::move(Pattern)) {
    for (int dash : FPattern) FPeriod += dash;
  }

  void AddSegment(QPoint a, QPoint b, const QRect& within) {
    if (a.y() == b.y() || a.x() == b.x()) {
      AddStraight(a, b, within);
    } else {
      ForPixelsWithin(a, b, within, [this](long long index, QPoint p) {
        (IsDash(FPattern, (FStart + index) % FPeriod) ? On : Off).Pixels.push_back(p);
      });
    }
    FStart += PixelCount(a, b);
  }

  TPixelSet On, Off;

 private:
  // A horizontal or vertical segment: each dash and gap that shows is one rectangle.
  void AddStraight(QPoint a, QPoint b, const QRect& within) {
    const bool horizontal = a.y() == b.y();
    const int across = horizontal ? a.y() : a.x();
    if (across < (horizontal ? within.top() : within.left()) || across > (horizontal ? within.bottom() : within.right()))
      return;
    const long long from = horizontal ? a.x() : a.y(), to = horizontal ? b.x() : b.y();
    const long long low = horizontal ? within.left() : within.top(), high = horizontal ? within.right() : within.bottom();
    const long long step = to > from ? 1 : -1;
    // Pixel i lies at from + i x step; these are the first and last that show.
    long long first = std::max(0LL, step > 0 ? low - from : from - high);
    const long long last = std::min(std::abs(to - from) - 1, step > 0 ? high - from : from - low);
    while (first <= last) {
      long long place = (FStart + first) % FPeriod;
      size_t piece = 0;
      while (place >= FPattern[piece]) place -= FPattern[piece++];
      const long long length = std::min(FPattern[piece] - place, last - first + 1);
      const long long p0 = from + first * step, p1 = from + (first + length - 1) * step;
      const int lo = int(std::min(p0, p1)), extent = int(std::abs(p1 - p0) + 1);
      (piece % 2 == 0 ? On : Off).Runs.push_back(horizontal ? QRect(lo, across, extent, 1) : QRect(across, lo, 1, extent));
      first += length;
    }
  }

  std::vector<int> FPattern;
  long long FPeriod = 0;
  long long FStart = 0;
};

}  // namespace

void AppendLinePixels(QPoint a, QPoint b, const QRect& within, std::vector<QPoint>& pixels) {
  ForPixelsWithin(a, b, within, [&pixels](long long, QPoint p) { pixels.push_back(p); });
}

QRegion RegionOfPixels(std::vector<QPoint> pixels) {
  std::sort(pixels.begin(), pixels.end(), [](QPoint p, QPoint q) {
    return p.y() != q.y() ? p.y() < q.y() : p.x() < q.x();
  });
  pixels.erase(std::unique(pixels.begin(), pixels.end()), pixels.end());
  std::vector<QRect> runs;
  for (size_t i = 0; i < pixels.size();) {
    size_t j = i + 1;
    while (j < pixels.size() && pixels[j].y() == pixels[i].y() && pixels[j].x() == pixels[j - 1].x() + 1) ++j;
    runs.emplace_back(pixels[i].x(), pixels[i].y(), int(j - i), 1);
    i = j;
  }
  return RegionOfRows(runs);
}

// The rows become the bands of the region at once: a row that covers the same columns as the row
// above it extends that band. Adding the runs one by one would cost the square of their number.
QRegion RegionOfRows(const std::vector<QRect>& rows) {
  std::vector<QRect> bands;
  size_t band = 0, bandSize = 0;  // the last band: where its rectangles start in bands, how many
  for (size_t i = 0; i < rows.size();) {
    size_t end = i + 1;
    while (end < rows.size() && rows[end].top() == rows[i].top()) ++end;
    const size_t count = end - i;
    if (count == bandSize && bands[band].bottom() + 1 == rows[i].top() && SameColumns(&bands[band], &rows[i], count)) {
      for (size_t k = 0; k < count; ++k) bands[band + k].setBottom(rows[i].top());
    } else {
      band = bands.size();
      bandSize = count;
      bands.insert(bands.end(), rows.begin() + ptrdiff_t(i), rows.begin() + ptrdiff_t(end));
    }
    i = end;
  }
  QRegion region;
  if (!bands.empty()) region.setRects(bands.data(), int(bands.size()));
  return region;
}

void StrokePolylines(TDeviceContext& dc, const std::vector<std::vector<QPoint>>& polylines) {
  const TPenData& pen = *dc.State.Pen;
  if (pen.Style == PS_NULL) return;
  TCanvasDevice& device = dc.RequireDevice();
  const int rop = Rop3FromRop2(dc.State.Rop2);
  const TPaint ink = dc.SolidPaint(ColorToRGB(pen.Color));
  const QRegion clip = dc.EffectiveClip();
  const QRect within = clip.boundingRect();
  if (within.isEmpty()) return;
  if (pen.Width > 1) {
    device.Fill(WidePenRegion(polylines, pen.Width, device.Bounds()), ink, rop, clip);
    return;
  }
  if (DashPattern(pen.Style).empty()) {
    device.Fill(SolidLineRegion(polylines, within), ink, rop, clip);
    return;
  }
  TDashes dashed(DashPattern(pen.Style));
  for (const auto& line : polylines)
    for (size_t i = 1; i < line.size(); ++i) dashed.AddSegment(line[i - 1], line[i], within);
  device.Fill(dashed.On.Region(), ink, rop, clip);
  if (dc.State.BkMode == OPAQUE) device.Fill(dashed.Off.Region(), dc.SolidPaint(dc.State.BkColor), rop, clip);
}

void FillWithBrush(TDeviceContext& dc, const QRegion& area) {
  if (dc.State.Brush->Kind == TBrushKind::Null || area.isEmpty()) return;
  dc.RequireDevice().Fill(area, dc.PaintOf(dc.State.Brush), Rop3FromRop2(dc.State.Rop2), dc.EffectiveClip());
}

void FillSolid(TDeviceContext& dc, const QRegion& area, COLORREF color) {
  if (area.isEmpty()) return;
  dc.RequireDevice().Fill(area, dc.SolidPaint(color), 0xF0, dc.EffectiveClip());
}

namespace {

bool FillArea(HDC dc, const QRegion& area, const HBRUSH& brush, DWORD rop) {
  if (!brush || brush->Kind == TBrushKind::Null) return true;
  TDeviceContext& c = dc->DC();
  if (area.isEmpty()) return true;
  c.RequireDevice().Fill(area, c.PaintOf(brush), int((rop >> 16) & 0xFF), c.EffectiveClip());
  return true;
}

QRegion FrameRegion(const QRect& r) {
  if (r.isEmpty()) return QRegion();
  return QRegion(r) - QRegion(r.adjusted(1, 1, -1, -1));
}

QRect Normalized(HDC dc, int left, int top, int right, int bottom) {
  return dc->DC().ToSurface(TRect{std::min(left, right), std::min(top, bottom), std::max(left, right),
                                  std::max(top, bottom)});
}

// Interior and outline of a closed shape: the interior is filled first, then the outline.
bool DrawClosedShape(HDC dc, const QRegion& interior, const QRegion& outline) {
  TDeviceContext& c = dc->DC();
  FillWithBrush(c, interior);
  if (c.State.Pen->Style != PS_NULL)
    c.RequireDevice().Fill(outline, c.SolidPaint(ColorToRGB(c.State.Pen->Color)), Rop3FromRop2(c.State.Rop2),
                           c.EffectiveClip());
  return true;
}

std::vector<QPoint> ToSurface(HDC dc, const std::vector<TPoint>& points) {
  std::vector<QPoint> out;
  out.reserve(points.size());
  for (const TPoint& p : points) out.push_back(dc->DC().ToSurface(p.X, p.Y));
  return out;
}

bool HasThinPen(HDC dc) { return dc->DC().State.Pen->Style != PS_NULL && dc->DC().State.Pen->Width <= 1; }

}  // namespace

bool FillRect(HDC dc, const TRect& r, const HBRUSH& brush) {
  return FillArea(dc, QRegion(dc->DC().ToSurface(r)), brush, PATCOPY);
}

bool FrameRect(HDC dc, const TRect& r, const HBRUSH& brush) {
  return FillArea(dc, FrameRegion(dc->DC().ToSurface(r)), brush, PATCOPY);
}

bool InvertRect(HDC dc, const TRect& r) { return PatBlt(dc, r.Left, r.Top, r.Width(), r.Height(), DSTINVERT); }

bool FillRgn(HDC dc, const TRegion& region, const HBRUSH& brush) {
  return FillArea(dc, QtRegion(region).translated(dc->DC().Offset()), brush, PATCOPY);
}

bool PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
  TDeviceContext& c = dc->DC();
  const QRect area = Normalized(dc, x, y, x + width, y + height);
  if (area.isEmpty()) return true;
  c.RequireDevice().Fill(QRegion(area), c.PaintOf(c.State.Brush), int((rop >> 16) & 0xFF), c.EffectiveClip());
  return true;
}

bool Rectangle(HDC dc, int left, int top, int right, int bottom) {
  const QRect r = Normalized(dc, left, top, right, bottom);
  if (dc->DC().State.Pen->Style == PS_NULL) return DrawClosedShape(dc, QRegion(r.adjusted(0, 0, -1, -1)), QRegion());
  if (!HasThinPen(dc)) {
    FillWithBrush(dc->DC(), QRegion(r.adjusted(1, 1, -1, -1)));
    const QPoint a = r.topLeft(), b = r.bottomRight();
    StrokePolylines(dc->DC(), {{a, QPoint(b.x(), a.y()), b, QPoint(a.x(), b.y()), a}});
    return true;
  }
  return DrawClosedShape(dc, QRegion(r.adjusted(1, 1, -1, -1)), FrameRegion(r));
}

bool RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
  const QRect r = Normalized(dc, left, top, right, bottom);
  const QRegion outer = QtRegion(CreateRoundRectRgn(r.left(), r.top(), r.right() + 1, r.bottom() + 1, ellipseWidth, ellipseHeight));
  const QRegion inner = QtRegion(CreateRoundRectRgn(r.left() + 1, r.top() + 1, r.right(), r.bottom(),
                                                    std::max(0, ellipseWidth - 2), std::max(0, ellipseHeight - 2)));
  return DrawClosedShape(dc, HasThinPen(dc) ? inner : outer, outer - inner);
}

bool Ellipse(HDC dc, int left, int top, int right, int bottom) {
  const QRect r = Normalized(dc, left, top, right, bottom);
  const QRegion outer = QtRegion(CreateEllipticRgn(r.left(), r.top(), r.right() + 1, r.bottom() + 1));
  const QRegion inner = QtRegion(CreateEllipticRgn(r.left() + 1, r.top() + 1, r.right(), r.bottom()));
  return DrawClosedShape(dc, HasThinPen(dc) ? inner : outer, outer - inner);
}

bool Polygon(HDC dc, const std::vector<TPoint>& points) {
  if (points.size() < 2) return false;
  TDeviceContext& c = dc->DC();
  std::vector<QPoint> outline = ToSurface(dc, points);
  QPolygon polygon(QList<QPoint>(outline.begin(), outline.end()));
  // Filled in alternate mode: a part enclosed an even number of times stays empty.
  QRegion interior(polygon, Qt::OddEvenFill);
  outline.push_back(outline.front());
  // The outline is drawn once over the interior's edge, not on top of it.
  if (c.State.Pen->Style != PS_NULL) {
    std::vector<QPoint> edge;
    const QRect within = c.EffectiveClip().boundingRect();
    for (size_t i = 1; i < outline.size(); ++i) AppendLinePixels(outline[i - 1], outline[i], within, edge);
    interior -= RegionOfPixels(std::move(edge));
  }
  FillWithBrush(c, interior);
  StrokePolylines(c, {outline});
  return true;
}

bool Polyline(HDC dc, const std::vector<TPoint>& points) {
  StrokePolylines(dc->DC(), {ToSurface(dc, points)});
  return true;
}

bool PolyPolyline(HDC dc, const std::vector<TPoint>& points, const std::vector<int>& counts) {
  std::vector<std::vector<QPoint>> lines;
  size_t next = 0;
  for (int count : counts) {
    if (count < 0 || next + size_t(count) > points.size()) return false;
    lines.push_back(ToSurface(dc, std::vector<TPoint>(points.begin() + long(next), points.begin() + long(next) + count)));
    next += size_t(count);
  }
  StrokePolylines(dc->DC(), lines);
  return true;
}

bool MoveToEx(HDC dc, int x, int y, TPoint* previous) {
  QPoint& pos = dc->DC().State.PenPos;
  if (previous) *previous = {pos.x(), pos.y()};
  pos = QPoint(x, y);
  return true;
}

bool LineTo(HDC dc, int x, int y) {
  TDeviceContext& c = dc->DC();
  const QPoint from = c.ToSurface(c.State.PenPos.x(), c.State.PenPos.y());
  c.State.PenPos = QPoint(x, y);
  StrokePolylines(c, {{from, c.ToSurface(x, y)}});
  return true;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
  TDeviceContext& c = dc->DC();
  const COLORREF rgb = ColorToRGB(TColor(color));
  FillSolid(c, QRegion(QRect(c.ToSurface(x, y), QSize(1, 1))), rgb);
  return GetPixel(dc, x, y) == CLR_INVALID ? rgb : GetPixel(dc, x, y);
}

COLORREF GetPixel(HDC dc, int x, int y) {
  const TDeviceContext& c = dc->DC();
  const QImage* image = c.Device ? c.Device->Image() : nullptr;
  const QPoint p = c.ToSurface(x, y);
  if (!image || !c.EffectiveClip().contains(p)) return CLR_INVALID;
  return FromQRgb(image->pixel(p));
}
