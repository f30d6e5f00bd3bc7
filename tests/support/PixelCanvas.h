// An off-screen bitmap for pixel tests: draw through its canvas, then sample single pixels or
// print a region as text ('#' where a pixel differs from the background) in failure messages.
#pragma once

#include <string>

#include "graphics/Gdi.h"
#include "graphics/Graphic.h"

class TPixelCanvas {
 public:
  TPixelCanvas(int width, int height, TColor background = clWhite) : FBitmap(width, height), FBackground(background) {
    Clear();
  }

  TCanvas* Canvas() { return FBitmap.Canvas(); }
  HDC DC() { return FBitmap.Canvas(); }
  TBitmap& Bitmap() { return FBitmap; }

  void Clear() {
    for (int y = 0; y < FBitmap.Height(); ++y)
      for (int x = 0; x < FBitmap.Width(); ++x) FBitmap.ScanLine(y)[x] = Pixel32(ColorToRGB(FBackground));
  }

  COLORREF At(int x, int y) const {
    const uint32_t p = FBitmap.ScanLine(y)[x];
    return RGB(int((p >> 16) & 0xFF), int((p >> 8) & 0xFF), int(p & 0xFF));
  }
  bool IsBackground(int x, int y) const { return At(x, y) == ColorToRGB(FBackground); }

  std::string Picture(int left, int top, int right, int bottom) const {
    std::string out = "\n";
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) out += IsBackground(x, y) ? '.' : '#';
      out += '\n';
    }
    return out;
  }
  std::string Picture() const { return Picture(0, 0, FBitmap.Width(), FBitmap.Height()); }

  // A pixel from the ScanLine layout (0x00RRGGBB) to a COLORREF and back.
  static uint32_t Pixel32(COLORREF c) {
    return 0xFF000000u | uint32_t(GetRValue(c)) << 16 | uint32_t(GetGValue(c)) << 8 | uint32_t(GetBValue(c));
  }

 private:
  TBitmap FBitmap;
  TColor FBackground;
};
