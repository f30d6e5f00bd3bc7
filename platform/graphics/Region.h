// Regions: sets of pixels built from rectangles, ellipses and polygons and combined with the
// original system's operators. A region is a value; copies are independent.
#pragma once

#include <memory>
#include <vector>

#include "rtl/Types.h"

enum : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
// Region kinds answered by the region and clipping functions.
enum : int { RGN_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };
// Polygon fill modes.
enum : int { ALTERNATE = 1, WINDING = 2 };

class TRegionData;

class TRegion {
 public:
  TRegion();  // empty
  ~TRegion();
  TRegion(const TRegion& other);
  TRegion(TRegion&& other) noexcept;
  TRegion& operator=(const TRegion& other);
  TRegion& operator=(TRegion&& other) noexcept;

  bool IsEmpty() const;
  // The region as non-overlapping rectangles, top to bottom and left to right.
  std::vector<TRect> Rects() const;

  const TRegionData& Data() const { return *FData; }
  TRegionData& Data() { return *FData; }

 private:
  std::unique_ptr<TRegionData> FData;
};

// Same pixel rule as TRect: right column and bottom row are outside.
TRegion CreateRectRgn(int left, int top, int right, int bottom);
TRegion CreateRectRgnIndirect(const TRect& r);
// The ellipse inscribed in the rectangle.
TRegion CreateEllipticRgn(int left, int top, int right, int bottom);
TRegion CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
TRegion CreatePolygonRgn(const std::vector<TPoint>& points, int fillMode = ALTERNATE);

// dst = a op b (b is ignored by RGN_COPY); dst may be a or b. Answers the kind of the result.
int CombineRgn(TRegion& dst, const TRegion& a, const TRegion& b, int mode);
bool PtInRegion(const TRegion& r, int x, int y);
bool RectInRegion(const TRegion& r, const TRect& rect);
void OffsetRgn(TRegion& r, int dx, int dy);
// The bounding rectangle (all zeros when empty); answers the kind of the region.
int GetRgnBox(const TRegion& r, TRect& box);
bool EqualRgn(const TRegion& a, const TRegion& b);
// NULLREGION, SIMPLEREGION (one rectangle) or COMPLEXREGION.
int RegionKind(const TRegion& r);
