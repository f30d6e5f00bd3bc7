// Bitmap, shading, shadow and image-list painters, and popup placement on the monitor's work area.
#include "editors/dxDrawing.h"

#include <algorithm>

#include "graphics/Gdi.h"
#include "rtl/ScopeExit.h"
#include "windows/SystemServices.h"

namespace {

// The destination AND the pattern.
constexpr DWORD PATAND = 0x00A000C9;

int PatternPhase(int Coordinate) { return ((-Coordinate) % 8 + 8) % 8; }

}  // namespace

void EnsureBitmapSize(TBitmap& Bitmap, int Width, int Height) {
  if (Bitmap.Width() < Width || Bitmap.Height() < Height)
    Bitmap.SetSize(std::max(Bitmap.Width(), Width), std::max(Bitmap.Height(), Height));
}

const HBRUSH& CheckerboardBrush() {
  static const HBRUSH brush = CreatePatternBrush(CheckerboardPattern());
  return brush;
}

const HBRUSH& ShadowBrush() {
  static const HBRUSH brush = CreateSolidBrush(clBtnShadow);
  return brush;
}

// The copy keeps the content under the pattern's white bits and is black under its black bits;
// the rectangle becomes Color under the black bits and black elsewhere; OR-ing them merges both.
void DitherRect(HDC DC, const TRect& Rect, TColor Color) {
  const int w = Rect.Width(), h = Rect.Height();
  if (w <= 0 || h <= 0) return;
  TBitmap copy(w, h);
  HDC mem = copy.Canvas()->Handle();
  BitBlt(mem, 0, 0, w, h, DC, Rect.Left, Rect.Top, SRCCOPY);
  SelectObject(mem, CheckerboardBrush());
  SetBrushOrgEx(mem, PatternPhase(Rect.Left), PatternPhase(Rect.Top));
  SetTextColor(mem, clBlack);
  SetBkColor(mem, clWhite);
  PatBlt(mem, 0, 0, w, h, PATAND);

  const auto restoreColors = ScopeExit([DC, brush = GetCurrentBrush(DC), text = GetTextColor(DC), bk = GetBkColor(DC)] {
    SelectObject(DC, brush);
    SetTextColor(DC, text);
    SetBkColor(DC, bk);
  });
  SelectObject(DC, CheckerboardBrush());
  SetTextColor(DC, ColorToRGB(Color));
  SetBkColor(DC, clBlack);
  PatBlt(DC, Rect.Left, Rect.Top, w, h, PATCOPY);
  BitBlt(DC, Rect.Left, Rect.Top, w, h, mem, 0, 0, SRCPAINT);
}

void DrawTransparentBitmap(HDC DC, const HBRUSH& Brush, const TRect& Rect, const TBitmap& Bitmap) {
  const int w = Bitmap.Width(), h = Bitmap.Height();
  if (w <= 0 || h <= 0) return;
  TBitmap copy;
  copy.Assign(&Bitmap);
  HDC image = copy.Canvas()->Handle();
  TBitmap mask(w, h);
  mask.SetMonochrome(true);
  SetBkColor(image, ColorToRGB(Bitmap.TransparentColor()));
  BitBlt(mask.Canvas()->Handle(), 0, 0, w, h, image, 0, 0, SRCCOPY);
  SelectObject(image, Brush);
  SetTextColor(image, clBlack);
  SetBkColor(image, clWhite);
  BitBlt(image, 0, 0, w, h, mask.Canvas()->Handle(), 0, 0, DSPDxax);
  BitBlt(DC, Rect.Left, Rect.Top, std::min(w, Rect.Width()), std::min(h, Rect.Height()), image, 0, 0, SRCCOPY);
}

void DrawTransparentBitmapAt(HDC DC, const HBRUSH& Brush, const TRect& Rect, const TBitmap& Bitmap,
                             const TRect& ImageRect) {
  FillRect(DC, Rect, Brush);
  const int saved = SaveDC(DC);
  IntersectClipRect(DC, Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
  DrawTransparentBitmap(DC, Brush, ImageRect, Bitmap);
  RestoreDC(DC, saved);
}

void DrawShadow(HDC DC, const TRect& Rect, int Size, const HBRUSH& Brush) {
  FillRect(DC, {Rect.Left, Rect.Bottom - Size, Rect.Right, Rect.Bottom}, Brush);
  FillRect(DC, {Rect.Right - Size, Rect.Top, Rect.Right, Rect.Bottom}, Brush);
}

COLORREF ColorToImageListColor(TColor Color) {
  if (Color == clNone) return CLR_NONE;
  if (Color == clDefault) return CLR_DEFAULT;
  return ColorToRGB(Color);
}

void DrawImageListImage(HDC DC, int X, int Y, const TImageList& ImageList, int Index) {
  if (Index < 0 || Index >= ImageList.Count()) return;
  unsigned style = ILD_NORMAL;
  switch (ImageList.DrawingStyle()) {
    case TDrawingStyle::dsFocus: style = ILD_FOCUS; break;
    case TDrawingStyle::dsSelected: style = ILD_SELECTED; break;
    case TDrawingStyle::dsNormal: style = ILD_NORMAL; break;
    case TDrawingStyle::dsTransparent: style = ILD_TRANSPARENT; break;
  }
  if (ImageList.ImageType() == TImageType::itMask) style |= ILD_MASK;
  ImageList_DrawEx(&ImageList, Index, DC, X, Y, 0, 0, ColorToImageListColor(ImageList.BkColor()),
                   ColorToImageListColor(ImageList.BlendColor()), style);
}

void GetMonitorWorkArea(TPoint P, TRect& R) {
  SystemParametersInfo(SPI_GETWORKAREA, 0, &R, 0);
  R = WorkAreaAtPoint(P);
}

// The popup keeps its left edge in the work area, then its right edge; it opens above its anchor
// when it overflows the bottom and there is more room above. A popup that fits the work area's
// height is then kept inside it, so that no row ends up off the screen.
void FitPopupToWorkArea(TPoint& P, int Width, int Height, int AnchorHeight) {
  TRect wa;
  GetMonitorWorkArea(P, wa);
  P.X = std::max(P.X, wa.Left);
  if (P.X + Width > wa.Right) P.X = wa.Right - Width;
  if (P.Y + Height > wa.Bottom && wa.Bottom - (P.Y + AnchorHeight) < P.Y - wa.Top) P.Y -= Height + AnchorHeight;
  if (Height <= wa.Height()) P.Y = std::clamp(P.Y, wa.Top, wa.Bottom - Height);
}
