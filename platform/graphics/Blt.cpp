// Block transfers: nearest-pixel stretching, mirroring by negative extents, colour conversion
// between monochrome and colour surfaces, transparency, and every ternary raster operation.
#include <algorithm>
#include <optional>

#include "graphics/BitmapQt.h"

namespace {

// One axis of a stretch: destination pixel i takes source pixel Map(i).
struct TAxis {
  int DestStart = 0, DestSize = 0, SrcStart = 0, SrcSize = 0;
  bool Mirror = false;
  int Map(int i) const {
    const int k = Mirror ? DestSize - 1 - i : i;
    return SrcStart + int((2LL * k + 1) * SrcSize / (2LL * DestSize));
  }
};

TAxis Axis(int dest, int destExtent, int src, int srcExtent) {
  TAxis a;
  a.DestStart = destExtent < 0 ? dest + destExtent : dest;
  a.DestSize = std::abs(destExtent);
  a.SrcStart = srcExtent < 0 ? src + srcExtent : src;
  a.SrcSize = std::abs(srcExtent);
  a.Mirror = (destExtent < 0) != (srcExtent < 0);
  return a;
}

// Where the pixels come from: an image in surface coordinates, its colour kind and its
// background colour (for copies to monochrome), and what makes a pixel transparent.
struct TBlitSource {
  const QImage* Image = nullptr;
  QPoint Offset;  // added to source coordinates to reach the image
  bool Monochrome = false;
  COLORREF BkColor = 0xFFFFFF;
  const QImage* Mask = nullptr;        // white: transparent
  std::optional<QRgb> TransparentKey;  // this colour: transparent
};

QRgb Convert(QRgb pixel, const TBlitSource& src, const TDeviceContext& dst, bool dstMono) {
  if (src.Monochrome && !dstMono) return ToQRgb((pixel & 0xFFFFFF) == 0 ? dst.State.TextColor : dst.State.BkColor);
  if (!src.Monochrome && dstMono) return (pixel & 0xFFFFFF) == (ToQRgb(src.BkColor) & 0xFFFFFF) ? 0xFFFFFFFF : 0xFF000000;
  return pixel | 0xFF000000;
}

bool IsTransparent(const TBlitSource& src, int x, int y) {
  if (src.Mask && (src.Mask->pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) return true;
  return src.TransparentKey && (src.Image->pixel(x, y) & 0xFFFFFF) == (*src.TransparentKey & 0xFFFFFF);
}

// Reads the stretched source into destination-sized pixels; drawable collects the destination
// pixels whose source exists and is not transparent.
QImage ReadSource(const TAxis& ax, const TAxis& ay, const TBlitSource& src, const TDeviceContext& dst,
                  const QPoint& target, QRegion& drawable) {
  QImage pixels(ax.DestSize, ay.DestSize, QImage::Format_RGB32);
  pixels.fill(Qt::white);
  const bool dstMono = dst.Device->Monochrome();
  const QImage& image = *src.Image;
  for (int j = 0; j < ay.DestSize; ++j) {
    const int sy = ay.Map(j) + src.Offset.y();
    if (sy < 0 || sy >= image.height()) continue;
    auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(j));
    int runStart = -1;
    for (int i = 0; i <= ax.DestSize; ++i) {
      const int sx = i < ax.DestSize ? ax.Map(i) + src.Offset.x() : -1;
      const bool use = sx >= 0 && sx < image.width() && !IsTransparent(src, sx, sy);
      if (use) line[i] = Convert(image.pixel(sx, sy), src, dst, dstMono);
      if (use && runStart < 0) runStart = i;
      if (!use && runStart >= 0) {
        drawable |= QRect(target.x() + runStart, target.y() + j, i - runStart, 1);
        runStart = -1;
      }
    }
  }
  return pixels;
}

bool Transfer(HDC dst, const TAxis& ax, const TAxis& ay, const TBlitSource* src, DWORD rop) {
  TDeviceContext& d = dst->DC();
  const int rop3 = int((rop >> 16) & 0xFF);
  TCanvasDevice& device = d.RequireDevice();
  if (ax.DestSize == 0 || ay.DestSize == 0) return true;
  const QRect target(d.ToSurface(ax.DestStart, ay.DestStart), QSize(ax.DestSize, ay.DestSize));
  if (!RopUsesSource(rop3)) {
    device.Fill(QRegion(target), d.PaintOf(d.State.Brush), rop3, d.EffectiveClip());
    return true;
  }
  if (!src || !src->Image || ax.SrcSize == 0 || ay.SrcSize == 0) return false;
  QRegion drawable;
  const QImage pixels = ReadSource(ax, ay, *src, d, target.topLeft(), drawable);
  device.Blit(target, pixels, rop3, d.PaintOf(d.State.Brush), d.EffectiveClip() & drawable);
  return true;
}

std::optional<TBlitSource> SourceOf(HDC src) {
  if (!src) return std::nullopt;
  const QImage* image = CanvasImage(*src);
  if (!image) return std::nullopt;
  TBlitSource s;
  s.Image = image;
  s.Offset = src->DC().Offset();
  s.Monochrome = src->DC().Device->Monochrome();
  s.BkColor = src->DC().State.BkColor;
  return s;
}

bool TransferFrom(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, DWORD rop,
                  std::optional<QRgb> key) {
  std::optional<TBlitSource> source = SourceOf(src);
  if (source) source->TransparentKey = key;
  return Transfer(dst, Axis(x, w, sx, sw), Axis(y, h, sy, sh), source ? &*source : nullptr, rop);
}

}  // namespace

bool BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, DWORD rop) {
  return TransferFrom(dst, x, y, width, height, src, sx, sy, width, height, rop, std::nullopt);
}

bool StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, int sw, int sh, DWORD rop) {
  return TransferFrom(dst, x, y, width, height, src, sx, sy, sw, sh, rop, std::nullopt);
}

bool TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, int sw, int sh,
                    COLORREF transparent) {
  return TransferFrom(dst, x, y, width, height, src, sx, sy, sw, sh, SRCCOPY, ToQRgb(ColorToRGB(TColor(transparent))));
}

void DrawImage(TCanvas* canvas, const TRect& r, const QImage& image, const QImage& mask, DWORD rop) {
  if (image.isNull()) return;
  const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
  TBlitSource source;
  source.Image = &pixels;
  source.Mask = mask.isNull() ? nullptr : &mask;
  Transfer(canvas, Axis(r.Left, r.Width(), 0, image.width()), Axis(r.Top, r.Height(), 0, image.height()), &source, rop);
}
