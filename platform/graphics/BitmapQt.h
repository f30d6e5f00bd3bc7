// The pixels behind a TBitmap and helpers that draw images with transparency.
// Like every *Qt.h header, part of the platform's Qt seam: for the platform's own libraries only.
#pragma once

#include <QImage>

#include "graphics/CanvasQt.h"
#include "graphics/Graphic.h"

class TBitmapData {
 public:
  QImage Image{0, 0, QImage::Format_RGB32};
  std::unique_ptr<TCanvas> Canvas;
};

inline QImage& QtImage(const TBitmap& bitmap) { return bitmap.Data().Image; }
// Copies image (scaled to r with nearest pixels) onto the canvas, skipping the pixels that mask
// marks transparent (mask: same size as image, white = transparent; null for none).
void DrawImage(TCanvas* canvas, const TRect& r, const QImage& image, const QImage& mask, DWORD rop = SRCCOPY);
// The mask of the pixels of a colour: white where the image has it.
QImage MaskOfColor(const QImage& image, QRgb color);
