// Block transfers: nearest-pixel stretching, mirroring by negative extents, colour conversion
// between monochrome and colour surfaces, transparency, and every ternary raster operation. Only
// the part inside the clip is read and copied, a row at a time.
#include <algorithm>
#include <optional>
#include <vector>

#include "graphics/BitmapQt.h"
#include "graphics/Shapes_p.h"

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

// The part of a transfer that can show: destination pixels counted from the transfer's start on
// each axis, cut to the clip's bounds.
struct TVisible {
  QRect Target;      // on the surface
  int FirstColumn = 0, FirstRow = 0;
};

std::optional<TVisible> VisiblePart(const TDeviceContext& d, const TAxis& ax, const TAxis& ay) {
  const QPoint origin = d.ToSurface(0, 0);
  const QRect bounds = d.EffectiveClip().boundingRect();
  const long long left = std::max<long long>(static_cast<long long>(ax.DestStart) + origin.x(), bounds.left());
  const long long top = std::max<long long>(static_cast<long long>(ay.DestStart) + origin.y(), bounds.top());
  const long long right = std::min<long long>(static_cast<long long>(ax.DestStart) + origin.x() + ax.DestSize - 1, bounds.right());
  const long long bottom = std::min<long long>(static_cast<long long>(ay.DestStart) + origin.y() + ay.DestSize - 1, bounds.bottom());
  if (bounds.isEmpty() || left > right || top > bottom) return std::nullopt;
  TVisible v;
  v.Target = QRect(QPoint(int(left), int(top)), QPoint(int(right), int(bottom)));
  v.FirstColumn = int(left - (static_cast<long long>(ax.DestStart) + origin.x()));
  v.FirstRow = int(top - (static_cast<long long>(ay.DestStart) + origin.y()));
  return v;
}

// Source coordinates (in the image) of count destination pixels from first on; -1 outside the
// image.
std::vector<int> SourceIndexes(const TAxis& axis, int first, int count, int offset, int extent) {
  std::vector<int> indexes(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const int s = axis.Map(first + i) + offset;
    indexes[size_t(i)] = s >= 0 && s < extent ? s : -1;
  }
  return indexes;
}

// Reads the stretched source under the visible part into pixels of its size, row by row;
// drawable collects the pixels whose source exists and is not transparent.
QImage ReadSource(const TAxis& ax, const TAxis& ay, const TBlitSource& src, const TDeviceContext& dst,
                  const TVisible& visible, QRegion& drawable) {
  const QRect& target = visible.Target;
  QImage pixels(target.size(), QImage::Format_RGB32);
  pixels.fill(Qt::white);
  const bool dstMono = dst.Device->Monochrome();
  const QImage image = src.Image->convertToFormat(QImage::Format_RGB32);
  const QImage mask = src.Mask ? src.Mask->convertToFormat(QImage::Format_RGB32) : QImage();
  const std::vector<int> columns = SourceIndexes(ax, visible.FirstColumn, target.width(), src.Offset.x(), image.width());
  const std::vector<int> rows = SourceIndexes(ay, visible.FirstRow, target.height(), src.Offset.y(), image.height());
  const bool keyed = !mask.isNull() || src.TransparentKey;
  std::vector<QRect> runs;
  for (int j = 0; j < target.height(); ++j) {
    if (rows[size_t(j)] < 0) continue;
    const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(rows[size_t(j)]));
    const auto* masked = mask.isNull() ? nullptr : reinterpret_cast<const QRgb*>(mask.constScanLine(rows[size_t(j)]));
    auto* out = reinterpret_cast<QRgb*>(pixels.scanLine(j));
    int runStart = -1;
    for (int i = 0; i <= target.width(); ++i) {
      const int sx = i < target.width() ? columns[size_t(i)] : -1;
      bool use = sx >= 0;
      if (use && masked && (masked[sx] & 0xFFFFFF) == 0xFFFFFF) use = false;
      if (use && src.TransparentKey && (in[sx] & 0xFFFFFF) == (*src.TransparentKey & 0xFFFFFF)) use = false;
      if (use) out[i] = Convert(in[sx], src, dst, dstMono);
      if (use && runStart < 0) runStart = i;
      if (!use && runStart >= 0) {
        if (keyed) runs.emplace_back(target.left() + runStart, target.top() + j, i - runStart, 1);
        runStart = -1;
      }
    }
  }
  if (keyed) {
    drawable = RegionOfRows(runs);
    return pixels;
  }
  // Without transparency the pixels that have a source are one block: the stretch maps each axis
  // in order.
  auto span = [](const std::vector<int>& indexes, int& first, int& last) {
    first = int(std::find_if(indexes.begin(), indexes.end(), [](int s) { return s >= 0; }) - indexes.begin());
    last = int(indexes.rend() - std::find_if(indexes.rbegin(), indexes.rend(), [](int s) { return s >= 0; })) - 1;
  };
  int left, right, top, bottom;
  span(columns, left, right);
  span(rows, top, bottom);
  if (left <= right && top <= bottom)
    drawable = QRect(QPoint(target.left() + left, target.top() + top), QPoint(target.left() + right, target.top() + bottom));
  return pixels;
}

bool Transfer(HDC dst, const TAxis& ax, const TAxis& ay, const TBlitSource* src, DWORD rop) {
  TDeviceContext& d = dst->DC();
  const int rop3 = int((rop >> 16) & 0xFF);
  TCanvasDevice& device = d.RequireDevice();
  if (ax.DestSize == 0 || ay.DestSize == 0) return true;
  const bool usesSource = RopUsesSource(rop3);
  if (usesSource && (!src || !src->Image || ax.SrcSize == 0 || ay.SrcSize == 0)) return false;
  // Only what can show is read and copied: a picture stretched over millions of pixels costs the
  // canvas it lands on.
  const std::optional<TVisible> visible = VisiblePart(d, ax, ay);
  if (!visible) return true;
  if (!usesSource) {
    device.Fill(QRegion(visible->Target), d.PaintOf(d.State.Brush), rop3, d.EffectiveClip());
    return true;
  }
  QRegion drawable;
  const QImage pixels = ReadSource(ax, ay, *src, d, *visible, drawable);
  device.Blit(visible->Target, pixels, rop3, d.PaintOf(d.State.Brush), d.EffectiveClip() & drawable);
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
