// Basic value types shared by every layer: the string type, points, sizes and rectangles.
// Geometry follows the pixel rules of the original system, stated once here.
#pragma once

#include <cstdint>
#include <string>

// Text is UTF-8 in a std::string. Operations that count characters count code points (rtl/Text.h).
using String = std::string;

// Horizontal alignment of text in a control, a column or a data field.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

// A rectangle contains its left column and top row but not its right column nor its bottom row:
// Rect(0, 0, 2, 2) covers exactly four pixels, and Width() = Right - Left.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  TPoint TopLeft() const { return {Left, Top}; }
  TPoint BottomRight() const { return {Right, Bottom}; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TPoint Point(int x, int y) { return {x, y}; }
inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// True when the rectangle covers no pixel.
inline bool IsRectEmpty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }
inline bool PtInRect(const TRect& r, TPoint p) {
  return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

// The common part of a and b; an empty result is all zeros and the function answers false.
bool IntersectRect(TRect& dst, const TRect& a, const TRect& b);
// The smallest rectangle holding both; an empty operand is ignored.
bool UnionRect(TRect& dst, const TRect& a, const TRect& b);
void OffsetRect(TRect& r, int dx, int dy);
void InflateRect(TRect& r, int dx, int dy);
