// TIcon: icon files are kept byte for byte; the first image is decoded for drawing.
#include <QBuffer>
#include <QImageReader>

#include "graphics/BitmapQt.h"

TIcon::TIcon() = default;
TIcon::~TIcon() = default;

void TIcon::Assign(const TPersistent* source) {
  if (const auto* icon = dynamic_cast<const TIcon*>(source)) {
    if (icon->Empty()) {
      FBytes.clear();
      FImage.reset();
      FMask.reset();
      Changed();
    } else {
      LoadFromBytes(icon->FBytes);
    }
    return;
  }
  TGraphic::Assign(source);
}

bool TIcon::Empty() const { return !FImage; }
int TIcon::Width() const { return FImage ? FImage->Width() : 0; }
int TIcon::Height() const { return FImage ? FImage->Height() : 0; }

void TIcon::LoadFromBytes(const TBytes& data) {
  if (data.size() < 6 || data[0] != 0 || data[1] != 0 || data[2] != 1 || data[3] != 0)
    throw EInvalidGraphic("图标图像无效");
  QByteArray bytes(reinterpret_cast<const char*>(data.data()), qsizetype(data.size()));
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer, "ICO");
  QImage image;
  if (!reader.read(&image) || image.isNull()) throw EInvalidGraphic("图标图像无效");
  image = image.convertToFormat(QImage::Format_ARGB32);
  auto colour = std::make_unique<TBitmap>(image.width(), image.height());
  auto mask = std::make_unique<TBitmap>(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      colour->ScanLine(y)[x] = c | 0xFF000000;
      mask->ScanLine(y)[x] = qAlpha(c) < 128 ? 0xFFFFFFFF : 0xFF000000;
    }
  FBytes = data;
  FImage = std::move(colour);
  FMask = std::move(mask);
  Changed();
}

void TIcon::Draw(TCanvas* canvas, const TRect& r) const {
  if (FImage) DrawImage(canvas, r, QtImage(*FImage), QtImage(*FMask));
}
