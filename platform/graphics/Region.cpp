// Region construction and combination over QRegion, whose rectangles follow the same
// exclusive right and bottom rule as the original system's regions.
#include "graphics/Region_p.h"

#include <QPainterPath>
#include <QPolygon>

TRegion::TRegion() : FData(std::make_unique<TRegionData>()) {}
TRegion::~TRegion() = default;
TRegion::TRegion(const TRegion& other) : FData(std::make_unique<TRegionData>(*other.FData)) {}
TRegion::TRegion(TRegion&& other) noexcept : FData(std::make_unique<TRegionData>()) {
  std::swap(FData, other.FData);
}
TRegion& TRegion::operator=(const TRegion& other) {
  *FData = *other.FData;
  return *this;
}
TRegion& TRegion::operator=(TRegion&& other) noexcept {
  std::swap(FData, other.FData);
  return *this;
}

bool TRegion::IsEmpty() const { return FData->Region.isEmpty(); }

std::vector<TRect> TRegion::Rects() const {
  std::vector<TRect> out;
  for (const QRect& r : FData->Region) out.push_back(FromQtRect(r));
  return out;
}

TRegion FromQtRegion(const QRegion& region) {
  TRegion r;
  r.Data().Region = region;
  return r;
}

namespace {

QRect Normalized(int left, int top, int right, int bottom) {
  return QRect(QPoint(std::min(left, right), std::min(top, bottom)),
               QSize(std::abs(right - left), std::abs(bottom - top)));
}

}  // namespace

TRegion CreateRectRgn(int left, int top, int right, int bottom) {
  return FromQtRegion(QRegion(Normalized(left, top, right, bottom)));
}

TRegion CreateRectRgnIndirect(const TRect& r) { return CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom); }

TRegion CreateEllipticRgn(int left, int top, int right, int bottom) {
  const QRect box = Normalized(left, top, right, bottom);
  return FromQtRegion(box.isEmpty() ? QRegion() : QRegion(box, QRegion::Ellipse));
}

TRegion CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
  const QRect box = Normalized(left, top, right, bottom);
  QPainterPath path;
  path.addRoundedRect(QRectF(box), ellipseWidth / 2.0, ellipseHeight / 2.0);
  return FromQtRegion(QRegion(path.toFillPolygon().toPolygon(), Qt::WindingFill));
}

TRegion CreatePolygonRgn(const std::vector<TPoint>& points, int fillMode) {
  QPolygon polygon;
  for (const TPoint& p : points) polygon << QPoint(p.X, p.Y);
  return FromQtRegion(QRegion(polygon, fillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill));
}

int RegionKind(const TRegion& r) {
  const int count = QtRegion(r).rectCount();
  return count == 0 ? NULLREGION : count == 1 ? SIMPLEREGION : COMPLEXREGION;
}

int CombineRgn(TRegion& dst, const TRegion& a, const TRegion& b, int mode) {
  const QRegion& qa = QtRegion(a);
  const QRegion& qb = QtRegion(b);
  QRegion result;
  switch (mode) {
    case RGN_AND: result = qa & qb; break;
    case RGN_OR: result = qa | qb; break;
    case RGN_XOR: result = qa ^ qb; break;
    case RGN_DIFF: result = qa - qb; break;
    case RGN_COPY: result = qa; break;
    default: return RGN_ERROR;
  }
  dst.Data().Region = result;
  return RegionKind(dst);
}

bool PtInRegion(const TRegion& r, int x, int y) { return QtRegion(r).contains(QPoint(x, y)); }

bool RectInRegion(const TRegion& r, const TRect& rect) { return QtRegion(r).intersects(QtRect(rect)); }

void OffsetRgn(TRegion& r, int dx, int dy) { r.Data().Region.translate(dx, dy); }

int GetRgnBox(const TRegion& r, TRect& box) {
  box = FromQtRect(QtRegion(r).boundingRect());
  return RegionKind(r);
}

bool EqualRgn(const TRegion& a, const TRegion& b) { return QtRegion(a) == QtRegion(b); }
