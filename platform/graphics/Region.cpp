// Region construction and combination over QRegion, whose rectangles follow the same
// exclusive right and bottom rule as the original system's regions.
#include "graphics/RegionQt.h"

#include <algorithm>
#include <cmath>
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

namespace {

// The columns [first, last] of row y inside the ellipse inscribed in box: those whose pixel
// centres lie within it. Empty when first > last.
std::pair<int, int> EllipseRow(const QRect& box, int y) {
  const double a = box.width() / 2.0, b = box.height() / 2.0;
  const double cx = box.left() + a, cy = box.top() + b;
  const double dy = (y + 0.5 - cy) / b;
  if (std::abs(dy) > 1.0) return {1, 0};
  const double half = a * std::sqrt(1.0 - dy * dy);
  return {int(std::ceil(cx - half - 0.5)), int(std::floor(cx + half - 0.5))};
}

// A region made row by row from the column range each row covers.
template <class Row>
QRegion RowRegion(int top, int bottom, Row row) {
  QRegion region;
  for (int y = top; y < bottom; ++y) {
    const auto [first, last] = row(y);
    if (first <= last) region |= QRect(first, y, last - first + 1, 1);
  }
  return region;
}

}  // namespace

TRegion CreateEllipticRgn(int left, int top, int right, int bottom) {
  const QRect box = Normalized(left, top, right, bottom);
  if (box.isEmpty()) return TRegion();
  return FromQtRegion(RowRegion(box.top(), box.top() + box.height(), [&](int y) { return EllipseRow(box, y); }));
}

// Straight sides with quarter ellipses of ellipseWidth x ellipseHeight in the corners.
TRegion CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
  const QRect box = Normalized(left, top, right, bottom);
  if (box.isEmpty()) return TRegion();
  const int ew = std::clamp(ellipseWidth, 0, box.width()), eh = std::clamp(ellipseHeight, 0, box.height());
  if (ew < 2 || eh < 2) return FromQtRegion(QRegion(box));
  const int bottomEdge = box.top() + box.height(), rightEdge = box.left() + box.width();
  return FromQtRegion(RowRegion(box.top(), bottomEdge, [&](int y) {
    const int upper = box.top() + eh / 2, lower = bottomEdge - eh / 2;
    if (y >= upper && y < lower) return std::pair<int, int>{box.left(), rightEdge - 1};
    const QRect corner(box.left(), y < upper ? box.top() : bottomEdge - eh, ew, eh);
    const int inset = EllipseRow(corner, y).first - box.left();
    return std::pair<int, int>{box.left() + inset, rightEdge - 1 - inset};
  }));
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
