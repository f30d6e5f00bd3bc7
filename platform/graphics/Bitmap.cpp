// TBitmap: pixels with a canvas, transparency, pattern brushes made from it, and the bitmap file
// format. Reading goes through Qt's reader after the header has been checked here; writing is
// done here so that the bit depth follows the pixel format.
#include "graphics/BitmapQt.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cstring>

namespace {

void Put16(TBytes& out, unsigned v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}

void Put32(TBytes& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

uint32_t Get32(const TBytes& in, size_t at) {
  return uint32_t(in[at]) | uint32_t(in[at + 1]) << 8 | uint32_t(in[at + 2]) << 16 | uint32_t(in[at + 3]) << 24;
}

unsigned Get16(const TBytes& in, size_t at) { return unsigned(in[at]) | unsigned(in[at + 1]) << 8; }

const char* const InvalidBitmap = "位图图像无效";

// The bit count of a bitmap file, after the checks that keep the reader within bounds. The old
// header (12 bytes) has 16-bit sizes and no compression.
unsigned CheckedBitCount(const TBytes& data) {
  if (data.size() < 26 || data[0] != 'B' || data[1] != 'M') throw EInvalidGraphic(InvalidBitmap);
  const uint32_t headerSize = Get32(data, 14);
  const bool core = headerSize == 12;
  if (!core && (headerSize < 40 || data.size() < 14 + size_t(headerSize))) throw EInvalidGraphic(InvalidBitmap);
  const long long width = core ? (long long)Get16(data, 18) : (long long)int32_t(Get32(data, 18));
  const long long height = core ? (long long)Get16(data, 20) : std::llabs(int32_t(Get32(data, 22)));  // < 0: top-down
  if (width <= 0 || height == 0 || width * height > MaxPicturePixels) throw EInvalidGraphic(InvalidBitmap);
  const unsigned bits = core ? Get16(data, 24) : Get16(data, 28);
  const uint32_t compression = core ? 0 : Get32(data, 30);
  // Uncompressed pixels must all be there; Qt's reader would make up the missing rows.
  if (compression == 0 || compression == 3) {
    const long long stride = (width * bits + 31) / 32 * 4;
    if ((long long)Get32(data, 10) + stride * height > (long long)data.size()) throw EInvalidGraphic(InvalidBitmap);
  }
  return bits;
}

TPixelFormat FormatOfBitCount(unsigned bits) {
  switch (bits) {
    case 1: return TPixelFormat::pf1bit;
    case 4: return TPixelFormat::pf4bit;
    case 8: return TPixelFormat::pf8bit;
    case 16: return TPixelFormat::pf16bit;
    case 32: return TPixelFormat::pf32bit;
    default: return TPixelFormat::pf24bit;
  }
}

TBytes WriteBitmapFile(const QImage& image, unsigned bits) {
  const int w = image.width(), h = image.height();
  const uint32_t stride = ((uint32_t(w) * bits + 31) / 32) * 4;
  const uint32_t paletteSize = bits == 1 ? 8 : 0;
  const uint32_t offset = 14 + 40 + paletteSize;
  TBytes out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + stride * uint32_t(h));
  Put32(out, 0);
  Put32(out, offset);
  for (uint32_t v : {40u, uint32_t(w), uint32_t(h)}) Put32(out, v);
  Put16(out, 1);
  Put16(out, bits);
  for (uint32_t v : {0u, stride * uint32_t(h), 3780u, 3780u, 0u, 0u}) Put32(out, v);
  if (bits == 1) {
    Put32(out, 0x00000000);
    Put32(out, 0x00FFFFFF);
  }
  // One row buffer for every row: a tall picture has hundreds of thousands of rows.
  out.reserve(out.size() + size_t(stride) * size_t(h));
  TBytes row(stride);
  for (int y = h - 1; y >= 0; --y) {
    std::fill(row.begin(), row.end(), uint8_t(0));
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      const QRgb c = line[x];
      if (bits == 1) {
        if (qGray(c) >= 128) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
        continue;
      }
      uint8_t* p = &row[size_t(x) * (bits / 8)];
      p[0] = uint8_t(qBlue(c));
      p[1] = uint8_t(qGreen(c));
      p[2] = uint8_t(qRed(c));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

QImage MaskOfColor(const QImage& image, QRgb color) {
  const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
  QImage mask(image.size(), QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(mask.scanLine(y));
    std::transform(in, in + image.width(), out, [color](QRgb c) {
      return (c & 0xFFFFFF) == (color & 0xFFFFFF) ? 0xFFFFFFFF : 0xFF000000;
    });
  }
  return mask;
}

TBitmap::TBitmap() : FData(std::make_unique<TBitmapData>()) {}

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TPersistent* source) {
  if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
    FData->Image = bitmap->FData->Image.copy();
    FPixelFormat = bitmap->FPixelFormat;
    FTransparentMode = bitmap->FTransparentMode;
    FTransparentColor = bitmap->FTransparentColor;
    SetTransparent(bitmap->Transparent());
    if (FData->Canvas) AttachDevice(*FData->Canvas, CreateImageDevice(&FData->Image, Monochrome()));
    Changed();
    return;
  }
  if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
    SetSize(graphic->Width(), graphic->Height());
    Canvas()->FillRect(Rect(0, 0, Width(), Height()));
    graphic->Draw(Canvas(), Rect(0, 0, Width(), Height()));
    Changed();
    return;
  }
  TGraphic::Assign(source);
}

bool TBitmap::Empty() const { return FData->Image.isNull() || FData->Image.width() == 0 || FData->Image.height() == 0; }
int TBitmap::Width() const { return FData->Image.width(); }
int TBitmap::Height() const { return FData->Image.height(); }

void TBitmap::SetSize(int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (width == Width() && height == Height()) return;
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  const QImage& old = FData->Image;
  for (int y = 0; y < std::min(height, old.height()); ++y)
    std::memcpy(image.scanLine(y), old.constScanLine(y), size_t(std::min(width, old.width())) * 4);
  FData->Image = image;
  Changed();
}

TCanvas* TBitmap::Canvas() {
  if (!FData->Canvas) {
    FData->Canvas = std::make_unique<TCanvas>();
    AttachDevice(*FData->Canvas, CreateImageDevice(&FData->Image, Monochrome()));
  }
  return FData->Canvas.get();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == FPixelFormat) return;
  FPixelFormat = format;
  if (Monochrome()) {
    for (int y = 0; y < Height(); ++y) {
      uint32_t* line = ScanLine(y);
      for (int x = 0; x < Width(); ++x) line[x] = qGray(line[x]) >= 128 ? 0xFFFFFFFF : 0xFF000000;
    }
  }
  if (FData->Canvas) AttachDevice(*FData->Canvas, CreateImageDevice(&FData->Image, Monochrome()));
  Changed();
}

TColor TBitmap::TransparentColor() const {
  if (FTransparentMode == TTransparentMode::tmFixed) return FTransparentColor;
  if (Empty()) return clDefault;
  return TColor(FromQRgb(FData->Image.pixel(0, Height() - 1)));
}

void TBitmap::SetTransparentColor(TColor color) {
  FTransparentColor = color;
  FTransparentMode = color == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
  Changed();
}

uint32_t* TBitmap::ScanLine(int y) { return reinterpret_cast<uint32_t*>(FData->Image.scanLine(y)); }
const uint32_t* TBitmap::ScanLine(int y) const {
  return reinterpret_cast<const uint32_t*>(FData->Image.constScanLine(y));
}

void TBitmap::Draw(TCanvas* canvas, const TRect& r) const {
  if (Empty()) return;
  const QImage mask = Transparent() ? MaskOfColor(FData->Image, ToQRgb(ColorToRGB(TransparentColor()))) : QImage();
  DrawImage(canvas, r, FData->Image, mask, SRCCOPY);
}

void TBitmap::LoadFromBytes(const TBytes& data) {
  const unsigned bits = CheckedBitCount(data);
  QByteArray bytes(reinterpret_cast<const char*>(data.data()), qsizetype(data.size()));
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer, "BMP");
  QImage image;
  if (!reader.read(&image) || image.isNull()) throw EInvalidGraphic(InvalidBitmap);
  FData->Image = image.convertToFormat(QImage::Format_RGB32);
  FPixelFormat = FormatOfBitCount(bits);
  if (FData->Canvas) AttachDevice(*FData->Canvas, CreateImageDevice(&FData->Image, Monochrome()));
  Changed();
}

// The file header's size says where the bitmap ends, so that data after it stays in the stream.
void TBitmap::LoadFromStream(TStream& stream) {
  const int64_t start = stream.Position(), remaining = stream.Size() - start;
  uint8_t header[6] = {0};
  if (remaining < 6 || stream.Read(header, 6) != 6 || header[0] != 'B' || header[1] != 'M') {
    stream.SetPosition(start);
    TGraphic::LoadFromStream(stream);
    return;
  }
  const uint32_t size = uint32_t(header[2]) | uint32_t(header[3]) << 8 | uint32_t(header[4]) << 16 | uint32_t(header[5]) << 24;
  const int64_t length = size >= 26 && size <= remaining ? size : remaining;
  TBytes data(size_t(length), 0);
  stream.SetPosition(start);
  stream.ReadBuffer(data.data(), int(length));
  LoadFromBytes(data);
}

TBytes TBitmap::SaveToBytes() const {
  const unsigned bits = Monochrome() ? 1 : FPixelFormat == TPixelFormat::pf32bit ? 32 : 24;
  return WriteBitmapFile(FData->Image, bits);
}

HBRUSH CreatePatternBrush(const TBitmap& bitmap) {
  auto pattern = std::make_shared<TBrushPattern>();
  pattern->Width = bitmap.Width();
  pattern->Height = bitmap.Height();
  pattern->Monochrome = bitmap.Monochrome();
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint32_t* line = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      const COLORREF c = FromQRgb(line[x]);
      pattern->Pixels.push_back(pattern->Monochrome ? (c == 0 ? 0 : 1) : c);
    }
  }
  if (pattern->Pixels.empty()) return CreateSolidBrush(clWhite);
  return CreatePatternBrush(std::shared_ptr<const TBrushPattern>(std::move(pattern)));
}
