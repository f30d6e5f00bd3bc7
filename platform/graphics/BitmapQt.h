// The pixels behind a TBitmap and helpers that draw images with transparency.
// Like every *Qt.h header, part of the platform's Qt seam: for the platform's own libraries only.
#pragma once

#include <QImage>

#include "graphics/CanvasQt.h"
#include "graphics/Graphic.h"

// The most pixels a picture file may claim: enough for a full-screen picture (2560 x 1600 has
// 4,096,000 pixels), far more than a photograph on a student's card. A compressed file of a few
// bytes can claim any size, so the limit is what bounds the memory a file can make a reader take.
constexpr long long MaxPicturePixels = 1LL << 22;

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
