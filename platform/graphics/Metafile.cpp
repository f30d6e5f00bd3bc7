// Recording and replay. The recording device keeps each primitive with everything it needs
// (area, paint, raster operation, clip, text run, pixels), so that replaying at natural size
// gives the pixels drawing would have given; replay maps coordinates into the target rectangle.
#include "graphics/Metafile.h"

#include <variant>

#include "graphics/CanvasQt.h"
#include "graphics/FontEngine_p.h"
#include "rtl/Text.h"

namespace {

struct TFillRecord {
  QRegion Area;
  TPaint Paint;
  int Rop3;
  QRegion Clip;
};

struct TTextRecord {
  TTextRun Run;
  QRegion Clip;
};

struct TBlitRecord {
  QRect Target;
  QImage Source;
  int Rop3;
  TPaint Pattern;
  QRegion Clip;
};

// Everything the recording device can hold: it never clips, so its bounds are very large.
const QRect RecordingBounds(-(1 << 24), -(1 << 24), 1 << 25, 1 << 25);

}  // namespace

class TMetafileRecord {
 public:
  std::variant<TFillRecord, TTextRecord, TBlitRecord> Data;
};

namespace {

using TRecords = std::vector<std::shared_ptr<const TMetafileRecord>>;

class TRecordingDevice final : public TCanvasDevice {
 public:
  QRect Bounds() const override { return RecordingBounds; }

  void Fill(const QRegion& area, const TPaint& paint, int rop3, const QRegion& clip) override {
    if (!(area & clip).isEmpty()) Add(TFillRecord{area, paint, rop3, clip});
  }
  void Text(const TTextRun& run, const QRegion& clip) override { Add(TTextRecord{run, clip}); }
  void Blit(const QRect& target, const QImage& source, int rop3, const TPaint& pattern, const QRegion& clip) override {
    Add(TBlitRecord{target, source, rop3, pattern, clip});
  }

  TRecords Records;
  QRect Extent;  // of everything drawn

 private:
  template <class R>
  void Add(R record) {
    auto r = std::make_shared<TMetafileRecord>();
    r->Data = std::move(record);
    Records.push_back(std::move(r));
  }
};

// Maps recorded coordinates into a target rectangle on a surface.
class TMapping {
 public:
  TMapping(QPoint origin, double sx, double sy) : FOrigin(origin), FSx(sx), FSy(sy) {}
  bool Identity() const { return FSx == 1.0 && FSy == 1.0; }
  int X(int x) const { return FOrigin.x() + int(std::lround(x * FSx)); }
  int Y(int y) const { return FOrigin.y() + int(std::lround(y * FSy)); }
  QPoint Point(QPoint p) const { return QPoint(X(p.x()), Y(p.y())); }
  QRect Rect(const QRect& r) const {
    return QRect(QPoint(X(r.left()), Y(r.top())), QPoint(X(r.left() + r.width()) - 1, Y(r.top() + r.height()) - 1));
  }
  QRegion Region(const QRegion& region) const {
    if (Identity()) return region.translated(FOrigin);
    QRegion out;
    for (const QRect& r : region) out |= Rect(r);
    return out;
  }
  TPaint Paint(TPaint paint) const {
    paint.Origin = Point(paint.Origin);
    return paint;
  }
  TTextRun Run(TTextRun run) const {
    run.TopLeft = Point(run.TopLeft);
    run.CharExtra = int(std::lround(run.CharExtra * FSx));
    if (!Identity()) {
      TLogFont lf = run.Font->LogFont;
      lf.Height = int(std::lround(lf.Height * FSy));
      if (lf.Height == 0) lf.Height = -1;
      run.Font = CreateFontIndirect(lf);
    }
    return run;
  }

 private:
  QPoint FOrigin;
  double FSx, FSy;
};

void Replay(const TMetafileRecord& record, TCanvasDevice& device, const TMapping& map, const QRegion& targetClip) {
  if (const auto* fill = std::get_if<TFillRecord>(&record.Data)) {
    device.Fill(map.Region(fill->Area), map.Paint(fill->Paint), fill->Rop3, map.Region(fill->Clip) & targetClip);
  } else if (const auto* text = std::get_if<TTextRecord>(&record.Data)) {
    device.Text(map.Run(text->Run), map.Region(text->Clip) & targetClip);
  } else if (const auto* blit = std::get_if<TBlitRecord>(&record.Data)) {
    const QRect target = map.Rect(blit->Target);
    const QImage source = map.Identity() ? blit->Source : blit->Source.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    device.Blit(target, source, blit->Rop3, map.Paint(blit->Pattern), map.Region(blit->Clip) & targetClip);
  }
}

QRect RecordExtent(const TMetafileRecord& record) {
  if (const auto* fill = std::get_if<TFillRecord>(&record.Data)) return (fill->Area & fill->Clip).boundingRect();
  if (const auto* text = std::get_if<TTextRecord>(&record.Data)) return TextRunBounds(text->Run);
  if (const auto* blit = std::get_if<TBlitRecord>(&record.Data)) return blit->Target;
  return QRect();
}

}  // namespace

TMetafile::TMetafile() = default;
TMetafile::~TMetafile() = default;

void TMetafile::Assign(const TPersistent* source) {
  if (const auto* metafile = dynamic_cast<const TMetafile*>(source)) {
    FRecords = metafile->FRecords;
    FForeign = metafile->FForeign;
    FWidth = metafile->FWidth;
    FHeight = metafile->FHeight;
    FDpi = metafile->FDpi;
    Changed();
    return;
  }
  TGraphic::Assign(source);
}

bool TMetafile::Empty() const { return FRecords.empty() && FForeign.empty(); }

void TMetafile::Clear() {
  FRecords.clear();
  FForeign.clear();
  FWidth = FHeight = 0;
  Changed();
}

std::vector<TMetafileTextRun> TMetafile::TextRuns() const {
  std::vector<TMetafileTextRun> runs;
  for (size_t i = 0; i < FRecords.size(); ++i) {
    const auto* text = std::get_if<TTextRecord>(&FRecords[i]->Data);
    if (!text) continue;
    const QRect b = TextRunBounds(text->Run);
    runs.push_back({int(i), FromCodePoints(text->Run.Text), {b.left(), b.top(), b.left() + b.width(), b.top() + b.height()}});
  }
  return runs;
}

std::vector<TMetafileFill> TMetafile::Fills() const {
  std::vector<TMetafileFill> fills;
  for (size_t i = 0; i < FRecords.size(); ++i) {
    const auto* fill = std::get_if<TFillRecord>(&FRecords[i]->Data);
    if (!fill) continue;
    const QRect b = (fill->Area & fill->Clip).boundingRect();
    const QRgb c = fill->Paint.At(b.left(), b.top());
    const TColor color = TColor(qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16));
    fills.push_back({int(i), {b.left(), b.top(), b.left() + b.width(), b.top() + b.height()}, color});
  }
  return fills;
}

void TMetafile::Draw(TCanvas* canvas, const TRect& r) const {
  if (FRecords.empty() || FWidth <= 0 || FHeight <= 0) return;
  TDeviceContext& dc = canvas->DC();
  TCanvasDevice& device = dc.RequireDevice();
  const QRect target = dc.ToSurface(r);
  const TMapping map(target.topLeft(), double(r.Width()) / FWidth, double(r.Height()) / FHeight);
  const QRegion clip = dc.EffectiveClip();
  for (const auto& record : FRecords) Replay(*record, device, map, clip);
}

void TMetafile::LoadFromBytes(const TBytes& data) {
  if (data.empty()) throw EInvalidGraphic("图元文件无效");
  FRecords.clear();
  FForeign = data;
  Changed();
}

TBytes TMetafile::SaveToBytes() const {
  if (!FRecords.empty()) throw EInvalidGraphicOperation("录制的图元文件不能保存");
  return FForeign;
}

TMetafileCanvas::TMetafileCanvas(TMetafile* metafile, int width, int height)
    : FMetafile(metafile), FWidth(width), FHeight(height) {
  AttachDevice(*this, std::make_unique<TRecordingDevice>());
  if (width > 0 && height > 0) SetSystemClip(*this, QRegion(0, 0, width, height));
}

TMetafileCanvas::~TMetafileCanvas() {
  auto* device = static_cast<TRecordingDevice*>(DC().Device.get());
  QRect extent;
  for (const auto& record : device->Records) extent |= RecordExtent(*record);
  FMetafile->FRecords = std::move(device->Records);
  FMetafile->FForeign.clear();
  FMetafile->FWidth = FWidth > 0 ? FWidth : std::max(0, extent.right() + 1);
  FMetafile->FHeight = FHeight > 0 ? FHeight : std::max(0, extent.bottom() + 1);
  FMetafile->FDpi = 96;
  FMetafile->Changed();
}
