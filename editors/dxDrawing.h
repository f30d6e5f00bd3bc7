// Drawing routines shared by the editors, the tree list and the grid: a text painter that picks
// single-line or wrapped output, transparent bitmaps, checkerboard shading, shadows and image
// lists, and the placement of popups inside the work area of a monitor. Every routine leaves the
// device context's objects and colours as it found them.
#pragma once

#include "graphics/Canvas.h"
#include "graphics/Graphic.h"
#include "graphics/ImageList.h"

// Flags of DrawTextInRect.
enum : unsigned {
  dxAlignLeft = 0, dxAlignCenter = 1, dxAlignRight = 2, dxAlignMask = 3,
  dxLayoutCenter = 4, dxLayoutBottom = 8, dxLayoutMultiLine = 16, dxLayoutMask = 0x1C,
  dxEndEllipsis = 0x100, dxPathEllipsis = 0x200, dxFocusRect = 0x400, dxFocusFollowsText = 0x800,
  dxNoBackground = 0x1000, dxForceWrap = 0x2000, dxMeasureOnly = 0x4000, dxKeepBkMode = 0x8000,
};

// The bitmap grows to at least Width x Height; it never shrinks.
void EnsureBitmapSize(TBitmap& Bitmap, int Width, int Height);
// Shades Rect with Color in the shared checkerboard: the content stays where the pattern is white.
void DitherRect(HDC DC, const TRect& Rect, TColor Color);
// Paints Bitmap into Rect with its transparent colour's pixels replaced by Brush.
void DrawTransparentBitmap(HDC DC, const HBRUSH& Brush, const TRect& Rect, const TBitmap& Bitmap);
// Fills Rect with Brush and places Bitmap at ImageRect inside it, transparently.
void DrawTransparentBitmapAt(HDC DC, const HBRUSH& Brush, const TRect& Rect, const TBitmap& Bitmap,
                             const TRect& ImageRect);
// Paints the first Count characters of Text (the extent is measured on the whole text). When
// measuring with LineHeight given, answers the height a cell of CellRect's margins needs and
// sets *LineHeight; otherwise answers 0.
int DrawTextInRect(HDC DC, const String& Text, int Count, const TRect& CellRect, const TRect& TextRect, unsigned Flags,
                   const HBRUSH& Brush, const HFONT& Font, COLORREF BkColor, COLORREF TextColor, int* LineHeight);
// Fills the bottom band and the right band of Rect, Size pixels wide, with Brush.
void DrawShadow(HDC DC, const TRect& Rect, int Size, const HBRUSH& Brush);
// The shared checkerboard brush and the shadow brush (button shadow), made once.
const HBRUSH& CheckerboardBrush();
const HBRUSH& ShadowBrush();

COLORREF ColorToImageListColor(TColor Color);
void DrawImageListImage(HDC DC, int X, int Y, const TImageList& ImageList, int Index);

// The work area of the monitor nearest P.
void GetMonitorWorkArea(TPoint P, TRect& R);
// Keeps a popup of Width x Height at P inside the work area of the monitor at P; it opens above
// its anchor (AnchorHeight high, ending at P) when there is more room there.
void FitPopupToWorkArea(TPoint& P, int Width, int Height, int AnchorHeight);
