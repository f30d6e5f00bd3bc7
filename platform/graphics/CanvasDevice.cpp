// Raster operations, text runs, and the two drawing surfaces: an image, whose pixels the
// operations read and write one by one so that XOR and pattern results are exact, and a painter on
// a device that cannot be read back (printer, PDF), where the destination counts as white paper.
#include "graphics/CanvasDeviceQt.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

#include "graphics/FontEngine_p.h"

namespace {

int Mod(int a, int m) { return ((a % m) + m) % m; }

}  // namespace

QRgb TPaint::At(int x, int y) const {
  if (Pattern.isNull()) return Color;
  return Pattern.pixel(Mod(x - Origin.x(), Pattern.width()), Mod(y - Origin.y(), Pattern.height()));
}

QRgb ApplyRop3(int rop3, QRgb p, QRgb s, QRgb d) {
  switch (rop3) {
    case 0xCC: return s | 0xFF000000;
    case 0xF0: return p | 0xFF000000;
    case 0x55: return ~d | 0xFF000000;
    case 0x66: return (s ^ d) | 0xFF000000;
    case 0x5A: return (p ^ d) | 0xFF000000;
  }
  quint32 result = 0;
  for (int i = 0; i < 8; ++i) {
    if (!((rop3 >> i) & 1)) continue;
    const quint32 term = ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    result |= term;
  }
  return (result & 0xFFFFFF) | 0xFF000000;
}

int Rop3FromRop2(int rop2) {
  const int table = (rop2 - 1) & 15;  // bit P·2 + D
  int rop3 = 0;
  for (int i = 0; i < 8; ++i) {
    const int p = (i >> 2) & 1, d = i & 1;
    if ((table >> (p * 2 + d)) & 1) rop3 |= 1 << i;
  }
  return rop3;
}

bool RopUsesSource(int rop3) { return ((rop3 >> 2) & 0x33) != (rop3 & 0x33); }

namespace {

QTransform RunTransform(const TTextRun& run) {
  QTransform t;
  t.translate(run.TopLeft.x(), run.TopLeft.y());
  const int tenths = run.Font->LogFont.Escapement;
  if (tenths % 3600 != 0) t.rotate(-tenths / 10.0);
  return t;
}

QRect RunCell(const TTextRun& run) {
  const TFontEngine& engine = run.Font->Engine();
  return QRect(0, 0, engine.Width(run.Text, run.CharExtra), engine.Metrics().tmHeight);
}

}  // namespace

QRect TextRunBounds(const TTextRun& run) { return RunTransform(run).mapRect(RunCell(run)); }

void PaintTextRun(QPainter& painter, const TTextRun& run) {
  painter.save();
  painter.setTransform(RunTransform(run), true);
  if (run.Background) painter.fillRect(RunCell(run), QColor::fromRgb(*run.Background));
  run.Font->Engine().Draw(painter, run.Text, run.CharExtra, QColor::fromRgb(run.Color), run.UnderlineIndex);
  painter.restore();
}

namespace {

QRgb ToMono(QRgb c) { return qGray(c) >= 128 ? 0xFFFFFFFF : 0xFF000000; }

class TImageDevice final : public TCanvasDevice {
 public:
  TImageDevice(QImage* image, bool monochrome) : FImage(image), FMonochrome(monochrome) {}

  QRect Bounds() const override { return FImage->rect(); }
  const QImage* Image() const override { return FImage; }
  bool Monochrome() const override { return FMonochrome; }

  void Fill(const QRegion& area, const TPaint& paint, int rop3, const QRegion& clip) override {
    const bool plainCopy = paint.Pattern.isNull() && rop3 == 0xF0 && qAlpha(paint.Color) != 0;
    for (const QRect& r : area & clip)
      for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(FImage->scanLine(y));
        if (plainCopy) {
          std::fill(line + r.left(), line + r.right() + 1, Store(paint.Color | 0xFF000000));
          continue;
        }
        for (int x = r.left(); x <= r.right(); ++x) {
          const QRgb p = paint.At(x, y);
          if (qAlpha(p) == 0) continue;
          line[x] = Store(ApplyRop3(rop3, Load(p), 0, line[x]));
        }
      }
  }

  void Text(const TTextRun& run, const QRegion& clip) override {
    {
      QPainter painter(FImage);
      painter.setClipRegion(clip);
      PaintTextRun(painter, run);
    }
    if (FMonochrome) Threshold(TextRunBounds(run) & FImage->rect());
  }

  void Blit(const QRect& target, const QImage& source, int rop3, const TPaint& pattern,
            const QRegion& clip) override {
    const QImage pixels = source.convertToFormat(QImage::Format_RGB32);
    const bool plainCopy = rop3 == 0xCC && !FMonochrome;
    for (const QRect& r : QRegion(target) & clip)
      for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(FImage->scanLine(y));
        const auto* src = reinterpret_cast<const QRgb*>(pixels.constScanLine(y - target.top())) - target.left();
        if (plainCopy) {
          std::transform(src + r.left(), src + r.right() + 1, line + r.left(), [](QRgb c) { return c | 0xFF000000; });
          continue;
        }
        for (int x = r.left(); x <= r.right(); ++x)
          line[x] = Store(ApplyRop3(rop3, Load(pattern.At(x, y)), Load(src[x]), line[x]));
      }
  }

 private:
  QRgb Load(QRgb c) const { return FMonochrome ? ToMono(c) : c; }
  QRgb Store(QRgb c) const { return FMonochrome ? ToMono(c) : c; }

  void Threshold(const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(FImage->scanLine(y));
      for (int x = r.left(); x <= r.right(); ++x) line[x] = ToMono(line[x]);
    }
  }

  QImage* FImage;
  bool FMonochrome;
};

class TPainterDevice final : public TCanvasDevice {
 public:
  TPainterDevice(QPainter* painter, const QRect& bounds, int dpi)
      : FPainter(painter), FBounds(bounds), FDpi(dpi) {}

  QRect Bounds() const override { return FBounds; }
  int Dpi() const override { return FDpi; }

  void Fill(const QRegion& area, const TPaint& paint, int rop3, const QRegion& clip) override {
    const QRegion region = area & clip;
    if (region.isEmpty()) return;
    FPainter->save();
    FPainter->setClipRegion(region);
    if (paint.Pattern.isNull()) {
      FPainter->fillRect(region.boundingRect(), QColor::fromRgb(ApplyRop3(rop3, paint.Color, 0, 0xFFFFFFFF)));
    } else {
      QImage texture = paint.Pattern.convertToFormat(QImage::Format_ARGB32);
      for (int y = 0; y < texture.height(); ++y)
        for (int x = 0; x < texture.width(); ++x)
          if (qAlpha(texture.pixel(x, y)) != 0)
            texture.setPixel(x, y, ApplyRop3(rop3, texture.pixel(x, y), 0, 0xFFFFFFFF));
      FPainter->setBrushOrigin(paint.Origin);
      FPainter->fillRect(region.boundingRect(), QBrush(texture));
    }
    FPainter->restore();
  }

  void Text(const TTextRun& run, const QRegion& clip) override {
    FPainter->save();
    FPainter->setClipRegion(clip);
    PaintTextRun(*FPainter, run);
    FPainter->restore();
  }

  void Blit(const QRect& target, const QImage& source, int rop3, const TPaint& pattern,
            const QRegion& clip) override {
    QImage result = source.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < result.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
      for (int x = 0; x < result.width(); ++x)
        line[x] = ApplyRop3(rop3, pattern.At(target.left() + x, target.top() + y), line[x], 0xFFFFFFFF);
    }
    FPainter->save();
    FPainter->setClipRegion(clip);
    FPainter->drawImage(target.topLeft(), result);
    FPainter->restore();
  }

 private:
  QPainter* FPainter;
  QRect FBounds;
  int FDpi;
};

}  // namespace

std::unique_ptr<TCanvasDevice> CreateImageDevice(QImage* image, bool monochrome) {
  return std::make_unique<TImageDevice>(image, monochrome);
}

std::unique_ptr<TCanvasDevice> CreatePainterDevice(QPainter* painter, const QRect& bounds, int dpi) {
  return std::make_unique<TPainterDevice>(painter, bounds, dpi);
}
