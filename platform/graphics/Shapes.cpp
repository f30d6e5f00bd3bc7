// Fills, lines and shapes. Lines use this layer's own rasteriser so that the end pixel is left
// out in every direction; interiors and outlines are regions filled through the raster operation.
#include "graphics/Shapes_p.h"

#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygon>

#include <algorithm>

#include "graphics/RegionQt.h"

namespace {

int FloorDiv(long long a, long long b) {
  long long q = a / b;
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

QRegion WidePenRegion(const std::vector<std::vector<QPoint>>& polylines, int width) {
  QPainterPath path;
  for (const auto& line : polylines) {
    if (line.empty()) continue;
    path.moveTo(QPointF(line[0]) + QPointF(0.5, 0.5));
    for (size_t i = 1; i < line.size(); ++i) path.lineTo(QPointF(line[i]) + QPointF(0.5, 0.5));
  }
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  const QPainterPath outline = stroker.createStroke(path);
  QRegion region;
  for (const QPolygonF& polygon : outline.toFillPolygons()) region |= QRegion(polygon.toPolygon(), Qt::WindingFill);
  return region;
}

// Horizontal and vertical segments become one rectangle each; others go pixel by pixel.
QRegion SolidLineRegion(const std::vector<std::vector<QPoint>>& polylines) {
  QRegion region;
  std::vector<QPoint> pixels;
  for (const auto& line : polylines)
    for (size_t i = 1; i < line.size(); ++i) {
      const QPoint a = line[i - 1], b = line[i];
      if (a.y() == b.y() && a.x() != b.x()) {
        region |= QRect(QPoint(b.x() > a.x() ? a.x() : b.x() + 1, a.y()), QSize(std::abs(b.x() - a.x()), 1));
      } else if (a.x() == b.x() && a.y() != b.y()) {
        region |= QRect(QPoint(a.x(), b.y() > a.y() ? a.y() : b.y() + 1), QSize(1, std::abs(b.y() - a.y())));
      } else {
        AppendLinePixels(a, b, pixels);
      }
    }
  return pixels.empty() ? region : region | RegionOfPixels(std::move(pixels));
}

}  // namespace

void AppendLinePixels(QPoint a, QPoint b, std::vector<QPoint>& pixels) {
  const int dx = b.x() - a.x(), dy = b.y() - a.y();
  const int n = std::max(std::abs(dx), std::abs(dy));
  for (int i = 0; i < n; ++i) {
    const int x = a.x() + FloorDiv(2LL * i * dx + n, 2LL * n);
    const int y = a.y() + FloorDiv(2LL * i * dy + n, 2LL * n);
    pixels.emplace_back(x, y);
  }
}

QRegion RegionOfPixels(std::vector<QPoint> pixels) {
  std::sort(pixels.begin(), pixels.end(), [](QPoint p, QPoint q) {
    return p.y() != q.y() ? p.y() < q.y() : p.x() < q.x();
  });
  pixels.erase(std::unique(pixels.begin(), pixels.end()), pixels.end());
  QRegion region;
  for (size_t i = 0; i < pixels.size();) {
    size_t j = i + 1;
    while (j < pixels.size() && pixels[j].y() == pixels[i].y() && pixels[j].x() == pixels[j - 1].x() + 1) ++j;
    region |= QRect(pixels[i].x(), pixels[i].y(), int(j - i), 1);
    i = j;
  }
  return region;
}

void StrokePolylines(TDeviceContext& dc, const std::vector<std::vector<QPoint>>& polylines) {
  const TPenData& pen = *dc.State.Pen;
  if (pen.Style == PS_NULL) return;
  TCanvasDevice& device = dc.RequireDevice();
  const int rop = Rop3FromRop2(dc.State.Rop2);
  const TPaint ink = dc.SolidPaint(ColorToRGB(pen.Color));
  if (pen.Width > 1) {
    device.Fill(WidePenRegion(polylines, pen.Width), ink, rop, dc.EffectiveClip());
    return;
  }
  const std::vector<int> dashes = DashPattern(pen.Style);
  if (dashes.empty()) {
    device.Fill(SolidLineRegion(polylines), ink, rop, dc.EffectiveClip());
    return;
  }
  std::vector<QPoint> on, off;
  size_t step = 0;
  int remaining = dashes.empty() ? 0 : dashes[0];
  for (const auto& line : polylines)
    for (size_t i = 1; i < line.size(); ++i) {
      std::vector<QPoint> pixels;
      AppendLinePixels(line[i - 1], line[i], pixels);
      for (const QPoint& p : pixels) {
        (step % 2 == 0 ? on : off).push_back(p);
        if (--remaining == 0) {
          step = (step + 1) % dashes.size();
          remaining = dashes[step];
        }
      }
    }
  const QRegion clip = dc.EffectiveClip();
  device.Fill(RegionOfPixels(std::move(on)), ink, rop, clip);
  if (!off.empty() && dc.State.BkMode == OPAQUE)
    device.Fill(RegionOfPixels(std::move(off)), dc.SolidPaint(dc.State.BkColor), rop, clip);
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
  QRegion interior(polygon, c.State.PolyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
  outline.push_back(outline.front());
  // The outline is drawn once over the interior's edge, not on top of it.
  if (c.State.Pen->Style != PS_NULL) {
    std::vector<QPoint> edge;
    for (size_t i = 1; i < outline.size(); ++i) AppendLinePixels(outline[i - 1], outline[i], edge);
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

bool GetCurrentPositionEx(HDC dc, TPoint* position) {
  const QPoint& pos = dc->DC().State.PenPos;
  if (position) *position = {pos.x(), pos.y()};
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
